#pragma once

#include <string>

// A page size of the PDF writer, in its unit of 0.1 mm.
struct PageFormat {
    const char *name;
    int width;
    int height;

    // The writer's page size of this height (the height it reports for
    // the page in use), or nullptr for a height none of its sizes has.
    static const PageFormat *forHeight(int height);
    // The writer's page size of this name; any other name is A4, as the
    // writer takes it.
    static const PageFormat &forName(const std::string &name);
    // The width of the page of this height; an unknown height is taken to
    // be an ISO page, whose sides keep the ratio 1 : sqrt(2).
    static int widthForHeight(int height);
    // The name of the size of this height, or its height in units.
    static std::string nameForHeight(int height);
};
