#include "app/pageformat.h"

#include <array>

namespace {

constexpr std::array Formats{
    PageFormat{"A3", 2970, 4200},
    PageFormat{"A4", 2100, 2970},
    PageFormat{"A5", 1480, 2100},
};

} // namespace

const PageFormat *PageFormat::forHeight(int height)
{
    for (const PageFormat &format : Formats) {
        if (format.height == height)
            return &format;
    }
    return nullptr;
}

const PageFormat &PageFormat::forName(const std::string &name)
{
    for (const PageFormat &format : Formats) {
        if (format.name == name)
            return format;
    }
    return Formats[1];
}

int PageFormat::widthForHeight(int height)
{
    if (const PageFormat *format = forHeight(height))
        return format->width;
    return int(height * 10000LL / 14142);
}

std::string PageFormat::nameForHeight(int height)
{
    if (const PageFormat *format = forHeight(height))
        return format->name;
    return std::to_string(height) + " units high";
}
