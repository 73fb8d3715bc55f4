#include "platform/text/graphemebreak.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace {

enum class P : uint8_t {
    Other,
    CR,
    LF,
    Control,
    Extend,
    Zwj,
    RegionalIndicator,
    Prepend,
    SpacingMark,
    L,
    V,
    T,
    Syllable, // LV or LVT, told apart by the syllable's number
    LV,
    LVT,
    Pictographic, // Extended_Pictographic
};

struct Row {
    char32_t first;
    P property;
};

constexpr Row Rows[] = {
#include "platform/text/graphemetable.inc"
};

P propertyOf(char32_t c)
{
    const Row *row = std::upper_bound(std::begin(Rows), std::end(Rows), c,
                                      [](char32_t value, const Row &r) { return value < r.first; });
    const P property = std::prev(row)->property;
    if (property != P::Syllable)
        return property;
    // Every 28th syllable from U+AC00 has no final consonant.
    return (c - 0xAC00) % 28 == 0 ? P::LV : P::LVT;
}

bool isControl(P property)
{
    return property == P::Control || property == P::CR || property == P::LF;
}

// Whether the joiner at text[zwj] follows a pictograph and its extenders.
bool joinsPictograph(std::u32string_view text, size_t zwj)
{
    size_t at = zwj;
    while (at > 0 && propertyOf(text[at - 1]) == P::Extend)
        --at;
    return at > 0 && propertyOf(text[at - 1]) == P::Pictographic;
}

// Regional indicators pair from the start of their run: a boundary lies
// before an even number of them.
bool evenIndicatorsBefore(std::u32string_view text, size_t at)
{
    size_t count = 0;
    while (at > count && propertyOf(text[at - count - 1]) == P::RegionalIndicator)
        ++count;
    return count % 2 == 0;
}

bool isHangulPair(P before, P after)
{
    if (before == P::L)
        return after == P::L || after == P::V || after == P::LV || after == P::LVT;
    if (before == P::LV || before == P::V)
        return after == P::V || after == P::T;
    return (before == P::LVT || before == P::T) && after == P::T;
}

} // namespace

namespace GraphemeBreak {

// The rules GB3 to GB999 in their order.
bool isBoundary(std::u32string_view text, size_t at)
{
    const P before = propertyOf(text[at - 1]);
    const P after = propertyOf(text[at]);
    if (before == P::CR && after == P::LF)
        return false;
    if (isControl(before) || isControl(after))
        return true;
    if (isHangulPair(before, after))
        return false;
    if (after == P::Extend || after == P::Zwj || after == P::SpacingMark || before == P::Prepend)
        return false;
    if (before == P::Zwj && after == P::Pictographic)
        return !joinsPictograph(text, at - 1);
    if (before == P::RegionalIndicator && after == P::RegionalIndicator)
        return evenIndicatorsBefore(text, at);
    return true;
}

size_t clusterStart(std::u32string_view text, size_t at)
{
    while (at > 0 && !isBoundary(text, at))
        --at;
    return at;
}

} // namespace GraphemeBreak
