#pragma once

#include "platform/text/readfailure.h"

#include <string>

// Why the conversion job passed over an input, or what it warns about one,
// as a kind and its details: the command line words it in English, the
// window in Chinese.
struct SkipReason {
    enum class Kind {
        IsOwnPdf,           // the input is the PDF it would be converted into
        Unreadable,         // see read
        FontSizeOutOfRange, // fontSize outside 1 to limit
        FirstLineBelowPage, // at fontSize; limit is the largest size that fits
        TextRunsOff,        // at fontSize; limit is the largest that fits, or 0
    };

    Kind kind = Kind::IsOwnPdf;
    ReadFailure read;
    int fontSize = 0;
    int limit = 0;
    std::string pageName; // "A4"

    static SkipReason ownPdf();
    static SkipReason unreadable(const ReadFailure &read);
    std::string english() const;
};
