#include "pdf/fonts/cffsubset.h"

#include "pdf/fonts/cfffont.h"
#include "pdf/fonts/charstringscanner.h"
#include "pdf/format/streamcompressor.h"
#include "pdf/format/twothreads.h"

#include <span>
#include <string_view>

namespace tervolanpdf {

namespace {

void appendUint16(std::string &out, unsigned value)
{
    out += static_cast<char>((value >> 8) & 0xFF);
    out += static_cast<char>(value & 0xFF);
}

// The subroutines a subset's glyphs call, global and by old FD.
struct UsedSubrs {
    std::vector<bool> global;
    std::vector<std::vector<bool>> local;
};

// What the subset keeps: its glyphs (old ids in new order), the font
// DICTs they use and the subroutines they call.
struct Selection {
    std::vector<uint16_t> glyphs;
    std::vector<int> newFontDict;  // by old FD, -1 when unused
    std::vector<size_t> fontDicts; // old FDs in new order
    UsedSubrs used;
};

// Glyphs from which their programs are followed on two threads. Each
// thread follows the subroutines the glyphs share once for itself, so
// below about 1,500 glyphs that costs more than the second core saves.
constexpr size_t kTwoThreadGlyphs = 2000;

// Glyphs met in a document too small for two threads are kept with what
// they use, for the next documents of a batch; listing what each of
// thousands of glyphs uses would cost a large one more than it saves.
bool scanGlyphs(const CffFont &font, std::span<const uint16_t> glyphs, UsedSubrs &used,
                bool keepUses)
{
    CharStringScanner scanner(font.globalSubrs(), used.global, keepUses);
    for (const uint16_t glyph : glyphs) {
        const uint8_t fd = font.fontDictOf(glyph);
        if (const std::vector<uint32_t> *uses = font.subrUses().find(glyph)) {
            CharStringScanner::mark(*uses, used.global, used.local[fd]);
            continue;
        }
        if (!scanner.scan(font.charStrings().item(glyph), font.fontDicts()[fd].localSubrs,
                          used.local[fd]))
            return false;
        if (keepUses)
            font.subrUses().keep(glyph, scanner.lastUses());
    }
    return true;
}

// A glyph's subroutines are the same whoever follows it, so each half of a
// large subset is followed on its own thread into flags of its own, and
// the flags are joined. Should either half fail, the whole does.
bool scanAllGlyphs(const CffFont &font, const std::vector<uint16_t> &glyphs, UsedSubrs &used)
{
    const bool small = glyphs.size() < kTwoThreadGlyphs;
    if (small || !StreamCompressor::coreToSpare())
        return scanGlyphs(font, glyphs, used, /*keepUses*/ small);
    const std::span<const uint16_t> all(glyphs);
    const size_t half = glyphs.size() / 2;
    UsedSubrs frontUsed = used;
    bool frontFollowed = false;
    bool backFollowed = false;
    TwoThreads::run([&] { frontFollowed = scanGlyphs(font, all.first(half), frontUsed, false); },
                    [&] { backFollowed = scanGlyphs(font, all.subspan(half), used, false); });
    for (size_t i = 0; i < used.global.size(); ++i)
        used.global[i] = used.global[i] || frontUsed.global[i];
    for (size_t fd = 0; fd < used.local.size(); ++fd) {
        for (size_t i = 0; i < used.local[fd].size(); ++i)
            used.local[fd][i] = used.local[fd][i] || frontUsed.local[fd][i];
    }
    return frontFollowed && backFollowed;
}

bool select(const CffFont &font, const std::vector<uint16_t> &glyphs, bool givenCids,
            Selection &out)
{
    out.glyphs.push_back(0);
    for (const uint16_t glyph : glyphs) {
        if (glyph >= font.glyphCount())
            return false;
        if (glyph != 0 || givenCids)
            out.glyphs.push_back(glyph);
    }
    const std::vector<CffFont::FontDict> &fontDicts = font.fontDicts();
    out.newFontDict.assign(fontDicts.size(), -1);
    for (const uint16_t glyph : out.glyphs) {
        const uint8_t fd = font.fontDictOf(glyph);
        if (out.newFontDict[fd] < 0) {
            out.newFontDict[fd] = static_cast<int>(out.fontDicts.size());
            out.fontDicts.push_back(fd);
        }
    }
    out.used.global.assign(font.globalSubrs().count(), false);
    out.used.local.resize(fontDicts.size());
    for (size_t fd = 0; fd < fontDicts.size(); ++fd)
        out.used.local[fd].assign(fontDicts[fd].localSubrs.count(), false);
    return scanAllGlyphs(font, out.glyphs, out.used);
}

// Unused subroutines become empty entries: the count, and with it the
// bias every call is written against, stays the same.
void appendSubrs(std::string &out, const CffIndex &subrs, const std::vector<bool> &used)
{
    std::vector<std::string_view> items(subrs.count());
    bool any = false;
    for (size_t i = 0; i < items.size(); ++i) {
        if (used[i]) {
            items[i] = subrs.item(i);
            any = true;
        }
    }
    // FreeType refuses a whole font over an INDEX of entries that are all
    // empty; one subroutine of a lone "return" keeps the count.
    if (!any && !items.empty())
        items[0] = std::string_view("\x0b", 1);
    CffIndex::append(out, items);
}

// Format 0 (a CID per glyph) or 2 (ranges of consecutive CIDs), whichever
// is shorter; cids holds each glyph's CID, .notdef's first.
std::string charset(const std::vector<uint16_t> &cids)
{
    std::string ranges(1, '\x02');
    size_t i = 1;
    while (i < cids.size()) {
        const unsigned first = cids[i];
        size_t next = i + 1;
        while (next < cids.size() && next - i < 0x10000 && cids[next] == first + (next - i))
            ++next;
        appendUint16(ranges, first);
        appendUint16(ranges, static_cast<unsigned>(next - i - 1));
        i = next;
    }
    if (ranges.size() <= 1 + 2 * (cids.size() - 1))
        return ranges;
    std::string list(1, '\0');
    for (size_t k = 1; k < cids.size(); ++k)
        appendUint16(list, cids[k]);
    return list;
}

// Format 3 (ranges of glyphs sharing a font DICT) or 0 (one byte a glyph),
// whichever is shorter.
std::string fdSelect(const CffFont &font, const Selection &selection)
{
    const std::vector<uint16_t> &glyphs = selection.glyphs;
    auto newFd = [&](size_t i) {
        return static_cast<char>(selection.newFontDict[font.fontDictOf(glyphs[i])]);
    };
    std::string ranges;
    size_t count = 0;
    for (size_t i = 0; i < glyphs.size(); ++i) {
        if (i == 0 || newFd(i) != newFd(i - 1)) {
            appendUint16(ranges, static_cast<unsigned>(i));
            ranges += newFd(i);
            ++count;
        }
    }
    if (3 + ranges.size() + 2 <= 1 + glyphs.size()) {
        std::string out(1, '\x03');
        appendUint16(out, static_cast<unsigned>(count));
        out += ranges;
        appendUint16(out, static_cast<unsigned>(glyphs.size()));
        return out;
    }
    std::string out(1, '\0');
    for (size_t i = 0; i < glyphs.size(); ++i)
        out += newFd(i);
    return out;
}

// A copy of dict without the operators a subset writes anew.
std::string dictWithout(const CffDict &dict, std::initializer_list<int> dropped)
{
    std::string out;
    for (const CffDict::Entry &entry : dict.entries()) {
        bool drop = false;
        for (const int op : dropped)
            drop = drop || entry.op == op;
        if (!drop)
            out += entry.bytes;
    }
    return out;
}

// Each Private DICT followed by its local subroutines, starting at start;
// gives each one's offset and size.
std::string privates(const CffFont &font, const Selection &selection, size_t start,
                     std::vector<std::pair<size_t, size_t>> &placed)
{
    std::string out;
    for (const size_t fd : selection.fontDicts) {
        const CffFont::FontDict &dict = font.fontDicts()[fd];
        std::string privateDict = dictWithout(dict.privateDict, {CffDict::Subrs});
        const bool hasSubrs = dict.privateDict.find(CffDict::Subrs) != nullptr;
        const size_t size
            = privateDict.size() + (hasSubrs ? CffDict::fixedSize(CffDict::Subrs, 1) : 0);
        if (hasSubrs)
            CffDict::appendFixed(privateDict, CffDict::Subrs, {static_cast<int32_t>(size)});
        placed.emplace_back(start + out.size(), size);
        out += privateDict;
        if (hasSubrs)
            appendSubrs(out, dict.localSubrs, selection.used.local[fd]);
    }
    return out;
}

// The FDArray INDEX starting at start, then each Private DICT with its
// local subroutines. The FDArray's size does not depend on where the
// Private DICTs go, as their offsets are written at a fixed width.
std::string fontDictsWithPrivates(const CffFont &font, const Selection &selection, size_t start)
{
    std::vector<std::string> fontDicts;
    for (const size_t fd : selection.fontDicts)
        fontDicts.push_back(dictWithout(font.fontDicts()[fd].dict, {CffDict::Private}));
    std::vector<std::string> padded(fontDicts);
    for (std::string &dict : padded)
        dict.append(CffDict::fixedSize(CffDict::Private, 2), '\0');
    std::string probe;
    CffIndex::append(probe, std::vector<std::string_view>(padded.begin(), padded.end()));
    std::vector<std::pair<size_t, size_t>> placed;
    const std::string privateBlock = privates(font, selection, start + probe.size(), placed);
    for (size_t i = 0; i < fontDicts.size(); ++i)
        CffDict::appendFixed(
            fontDicts[i], CffDict::Private,
            {static_cast<int32_t>(placed[i].second), static_cast<int32_t>(placed[i].first)});
    std::string out;
    CffIndex::append(out, std::vector<std::string_view>(fontDicts.begin(), fontDicts.end()));
    return out + privateBlock;
}

// The number of the first string of a String INDEX: lower ones are the
// format's standard strings.
constexpr int32_t kFirstOwnString = 391;

// A name-keyed font's Top DICT made CID-keyed: the ROS, which must come
// first, names Adobe-Identity-0 through two strings added at the end of the
// String INDEX, which is returned; the CID count covers every two-byte code.
std::string makeCidKeyed(const CffFont &font, std::string &topDict)
{
    std::vector<std::string_view> strings;
    for (size_t i = 0; i < font.strings().count(); ++i)
        strings.push_back(font.strings().item(i));
    const int32_t adobe = kFirstOwnString + static_cast<int32_t>(strings.size());
    strings.push_back("Adobe");
    strings.push_back("Identity");
    std::string ros;
    CffDict::appendFixed(ros, CffDict::Ros, {adobe, adobe + 1, 0});
    topDict = ros + topDict;
    CffDict::appendFixed(topDict, CffDict::CidCount, {0xFFFF});
    std::string out;
    CffIndex::append(out, strings);
    return out;
}

} // namespace

std::string CffSubset::make(const CffFont &font, const std::vector<uint16_t> &glyphs,
                            const std::vector<uint16_t> &cids)
{
    Selection selection;
    if (!select(font, glyphs, !cids.empty(), selection))
        return {};

    // Everything up to the Top DICT's offsets is known in size first.
    std::string topDictBase
        = dictWithout(font.topDict(),
                      {CffDict::Charset, CffDict::Encoding, CffDict::CharStrings, CffDict::Private,
                       CffDict::FdArray, CffDict::FdSelect});
    const std::string strings
        = font.nameKeyed() ? makeCidKeyed(font, topDictBase) : std::string(font.stringIndex());
    const size_t topDictSize = topDictBase.size() + CffDict::fixedSize(CffDict::Charset, 1)
        + CffDict::fixedSize(CffDict::CharStrings, 1) + CffDict::fixedSize(CffDict::FdArray, 1)
        + CffDict::fixedSize(CffDict::FdSelect, 1);

    std::string tail; // everything after the Top DICT INDEX
    tail += strings;
    appendSubrs(tail, font.globalSubrs(), selection.used.global);
    const size_t header = 4;
    const size_t topIndexSize = 2 + 1 + 2 * 4 + topDictSize;
    const size_t base = header + font.nameIndex().size() + topIndexSize;

    const size_t charsetAt = base + tail.size();
    std::vector<uint16_t> newCids{0};
    newCids.insert(newCids.end(), cids.begin(), cids.end());
    if (cids.empty()) {
        for (size_t i = 1; i < selection.glyphs.size(); ++i)
            newCids.push_back(font.cidOf(selection.glyphs[i]));
    }
    tail += charset(newCids);
    const size_t fdSelectAt = base + tail.size();
    tail += fdSelect(font, selection);
    const size_t charStringsAt = base + tail.size();
    std::vector<std::string_view> programs;
    programs.reserve(selection.glyphs.size());
    for (const uint16_t glyph : selection.glyphs)
        programs.push_back(font.charStrings().item(glyph));
    CffIndex::append(tail, programs);

    const size_t fdArrayAt = base + tail.size();
    tail += fontDictsWithPrivates(font, selection, fdArrayAt);

    std::string topDict = topDictBase;
    CffDict::appendFixed(topDict, CffDict::Charset, {static_cast<int32_t>(charsetAt)});
    CffDict::appendFixed(topDict, CffDict::FdSelect, {static_cast<int32_t>(fdSelectAt)});
    CffDict::appendFixed(topDict, CffDict::CharStrings, {static_cast<int32_t>(charStringsAt)});
    CffDict::appendFixed(topDict, CffDict::FdArray, {static_cast<int32_t>(fdArrayAt)});

    std::string out("\x01\x00\x04\x04", 4);
    out += font.nameIndex();
    // One DICT, offsets four bytes wide so the INDEX's size is known above.
    appendUint16(out, 1);
    out += '\x04';
    const uint32_t ends[] = {1, static_cast<uint32_t>(topDict.size() + 1)};
    for (const uint32_t offset : ends) {
        appendUint16(out, offset >> 16);
        appendUint16(out, offset & 0xFFFF);
    }
    out += topDict;
    out += tail;
    return out;
}

} // namespace tervolanpdf
