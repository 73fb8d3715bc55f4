#pragma once

#include <optional>
#include <string>

// What became of one input of a batch, for the report.
struct FileRecord {
    std::string input;
    std::string output; // the PDF it went, or would have gone, to
    std::string status; // "converted", "skipped" or "failed"
    std::string reason; // empty when converted
    std::optional<int> pages;
    std::optional<long long> bytes;
    std::optional<std::string> encoding; // as the input was read
    std::optional<int> missingGlyphs;    // characters no installed font has
    std::optional<int> headings;         // chapter headings found, with the outline on
    double seconds = 0;
};
