// Fuzzes what a conversion does with an input file: the encoding detection
// and decoding of TextFileReader, the counting pass of ItemReader and the
// line breaking of PieceCutter, which is checked against a plain reading of
// the line rules applied to whole lines.
//
// Input layout: byte 0 picks the encoding (auto-detected or forced), bytes
// 1-2 are CharsPerLine as a signed 16-bit number, the rest is the file.

#include "app/piececutter.h"
#include "platform/text/graphemebreak.h"
#include "platform/text/itemreader.h"
#include "platform/text/textfilereader.h"
#include "tests/support/memoryfile.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Output {
    std::u32string text;
    bool isPiece;
    bool operator==(const Output &other) const = default;
};

// Passes characters through and stops the run on anything that is not a
// Unicode scalar value: every decoder must turn bad bytes into U+FFFD.
class CheckedSource : public CharSource {
public:
    explicit CheckedSource(CharSource &source) : m_source(source) {}
    int32_t get() override { return checked(m_source.get()); }
    int32_t peek() override { return checked(m_source.peek()); }

private:
    static int32_t checked(int32_t c)
    {
        if (c < -1 || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            std::abort();
        return c;
    }
    CharSource &m_source;
};

bool openReader(TextFileReader &reader, const std::string &path, uint8_t mode)
{
    switch (mode % 7) {
    case 0: return reader.open(path);
    case 1: return reader.openAs(path, TextEncoding::Utf8);
    case 2: return reader.openAs(path, TextEncoding::Utf16LE);
    case 3: return reader.openAs(path, TextEncoding::Utf16BE);
    case 4: return reader.openAs(path, TextEncoding::Utf32LE);
    case 5: return reader.openAs(path, TextEncoding::Utf32BE);
    default: return reader.openAs(path, TextEncoding::Gb18030);
    }
}

void countItems(CharSource &source, size_t maxLength)
{
    ItemReader items(source, maxLength);
    std::u32string value;
    while (items.read(&value)) {
        if (value.size() > maxLength)
            std::abort();
    }
}

std::vector<Output> cutStreaming(CharSource &source, int charsPerLine)
{
    std::vector<Output> outputs;
    PieceCutter cutter(source, charsPerLine);
    while (cutter.nextLine()) {
        std::u32string_view output;
        bool isPiece = false;
        while (cutter.nextOutput(output, isPiece))
            outputs.push_back({std::u32string(output), isPiece});
    }
    return outputs;
}

// Where the next piece starts when the cut would fall inside a grapheme
// cluster: at the cluster's start, or past its end (at most 32 characters
// beyond the limit) when the cluster starts the piece. npos when the
// cluster runs to the end of the line.
size_t wholeClusterCut(const std::u32string &rest, size_t next, size_t limit)
{
    if (next >= rest.size() || GraphemeBreak::isBoundary(rest, next))
        return next;
    if (size_t start = GraphemeBreak::clusterStart(rest, next); start > 0)
        return start;
    while (++next < limit + 32 && next < rest.size() && !GraphemeBreak::isBoundary(rest, next)) {}
    return next >= rest.size() ? std::u32string::npos : next;
}

// The line rules read literally, one whole line at a time.
void cutLine(std::u32string rest, size_t limit, std::vector<Output> &outputs)
{
    while (rest.size() > limit) {
        size_t end = limit;
        size_t next = limit;
        if (rest[limit] == U' ')
            next = limit + 1;
        else if (size_t blank = rest.substr(0, limit).rfind(U' '); blank != std::u32string::npos)
            end = next = blank + 1;
        if (size_t cut = wholeClusterCut(rest, next, limit); cut != next) {
            if (cut == std::u32string::npos)
                break;
            end = next = cut;
        }
        outputs.push_back({rest.substr(0, end), true});
        rest.erase(0, next);
    }
    outputs.push_back({rest, false});
}

std::vector<Output> cutWholeLines(CharSource &source, int charsPerLine)
{
    size_t limit = size_t(charsPerLine < 1 ? 1 : charsPerLine);
    std::vector<Output> outputs;
    while (source.peek() >= 0) {
        std::u32string line;
        for (int32_t c = source.get(); c >= 0 && c != '\n'; c = source.get()) {
            if (c == '\r') {
                if (source.peek() == '\n')
                    source.get();
                break;
            }
            line.push_back(char32_t(c));
        }
        cutLine(std::move(line), limit, outputs);
    }
    return outputs;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 3)
        return 0;
    uint8_t mode = data[0];
    int charsPerLine = int16_t(uint16_t(data[1] | data[2] << 8));
    MemoryFile file(data + 3, size - 3);

    TextFileReader reader;
    if (!openReader(reader, file.path(), mode))
        return 0;
    CheckedSource source(reader);
    countItems(source, /*maxLength*/ 1 + mode / 5 % 40);
    if (!reader.rewind())
        std::abort();
    std::vector<Output> streamed = cutStreaming(source, charsPerLine);
    if (!reader.rewind())
        std::abort();
    std::vector<Output> whole = cutWholeLines(source, charsPerLine);
    if (streamed != whole || reader.failed())
        std::abort();
    return 0;
}
