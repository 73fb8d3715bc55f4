#include "app/skipreason.h"

#include <algorithm>
#include <climits>
#include <cstdio>

SkipReason SkipReason::ownPdf()
{
    return SkipReason{};
}

SkipReason SkipReason::unreadable(const ReadFailure &read)
{
    SkipReason reason;
    reason.kind = Kind::Unreadable;
    reason.read = read;
    return reason;
}

SkipReason SkipReason::glyphsMissing(int count, std::vector<char32_t> first)
{
    SkipReason reason;
    reason.kind = Kind::GlyphsMissing;
    reason.limit = count;
    reason.missing = std::move(first);
    return reason;
}

SkipReason SkipReason::invalidBytes(long long count, std::string encoding)
{
    SkipReason reason;
    reason.kind = Kind::InvalidBytes;
    reason.limit = static_cast<int>(std::min<long long>(count, INT_MAX));
    reason.encoding = std::move(encoding);
    return reason;
}

SkipReason SkipReason::markContradicts(std::string marked, std::string encoding)
{
    SkipReason reason;
    reason.kind = Kind::MarkContradicts;
    reason.markedEncoding = std::move(marked);
    reason.encoding = std::move(encoding);
    return reason;
}

std::string SkipReason::invalidUnit() const
{
    return encoding.starts_with("UTF-16") || encoding.starts_with("UTF-32") ? "code unit" : "byte";
}

std::string SkipReason::missingList() const
{
    std::string list;
    for (const char32_t codepoint : missing) {
        char text[16];
        std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(codepoint));
        list += list.empty() ? "" : ", ";
        list += text;
    }
    if (static_cast<size_t>(limit) > missing.size())
        list += ", \u2026";
    return list;
}

std::string SkipReason::english() const
{
    const std::string size = std::to_string(fontSize);
    switch (kind) {
    case Kind::IsOwnPdf: return "is the PDF it would be converted into";
    case Kind::Unreadable: return read.english();
    case Kind::FontSizeOutOfRange:
        return "font size " + size + " is outside 1-" + std::to_string(limit);
    case Kind::FirstLineBelowPage:
        return "font size " + size + " puts the first line below the " + pageName
            + " page (at most " + std::to_string(limit) + " keeps it on the page)";
    case Kind::TextRunsOff: {
        const std::string what = "text runs off the " + pageName + " page at font size " + size;
        if (limit == 0)
            return what + "; no font size fits them";
        return what + "; the largest size that fits is " + std::to_string(limit);
    }
    case Kind::GlyphsMissing:
        return std::to_string(limit) + (limit == 1 ? " character has" : " characters have")
            + " no glyph in any installed font: " + missingList();
    case Kind::InvalidBytes:
        return std::to_string(limit) + " invalid " + encoding + " " + invalidUnit()
            + (limit == 1 ? "" : "s") + ", each shown as U+FFFD";
    case Kind::MarkContradicts:
        return "its byte-order mark says " + markedEncoding + ", but it is read as " + encoding
            + " as asked";
    }
    return "";
}
