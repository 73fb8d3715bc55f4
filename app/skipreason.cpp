#include "app/skipreason.h"

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
    }
    return "";
}
