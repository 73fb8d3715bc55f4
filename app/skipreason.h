#pragma once

#include "platform/text/readfailure.h"

#include <string>
#include <vector>

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
        GlyphsMissing,      // limit characters no installed font has; the first in missing
        InvalidBytes,       // limit bytes (UTF-16/32: code units) not valid in encoding
        MarkContradicts,    // a byte-order mark names markedEncoding, read as encoding
    };

    Kind kind = Kind::IsOwnPdf;
    ReadFailure read;
    int fontSize = 0;
    int limit = 0;
    std::string pageName; // "A4"
    std::vector<char32_t> missing;
    std::string encoding;       // "UTF-8"
    std::string markedEncoding; // "UTF-16LE"

    // The characters listed with a missing glyph, past which "…" stands.
    static constexpr size_t kMissingListed = 10;

    static SkipReason ownPdf();
    static SkipReason unreadable(const ReadFailure &read);
    static SkipReason glyphsMissing(int count, std::vector<char32_t> first);
    static SkipReason invalidBytes(long long count, std::string encoding);
    static SkipReason markContradicts(std::string marked, std::string encoding);
    // "byte", or "code unit" for UTF-16 and UTF-32, whose invalid
    // sequences are counted so.
    std::string invalidUnit() const;
    // "U+4E00, U+1F600" for missing, with "…" when count is larger.
    std::string missingList() const;
    std::string english() const;
};
