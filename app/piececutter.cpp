#include "app/piececutter.h"

#include "platform/text/graphemebreak.h"

namespace {

// The most a cluster that starts a piece may take it past N characters:
// Unicode's stream-safe text has at most 30 combining marks in a row, and
// a line of nothing but marks is still cut, without holding it whole.
constexpr size_t MaxClusterOverrun = 32;

// Marks that Chinese typesetting keeps off the start of a line, and those it
// keeps off the end.
constexpr std::u32string_view ClosingMarks = U"。，、；：？！”’）》」』】〕〉〗〙〛．…～";
constexpr std::u32string_view OpeningMarks = U"“‘（《「『【〔〈〖〘〚";

} // namespace

PieceCutter::PieceCutter(CharSource &source, int charsPerLine, bool punctuationRules)
    : m_source(source)
    , m_limit(size_t(charsPerLine < 1 ? 1 : charsPerLine))
    , m_punctuationRules(punctuationRules)
{
}

bool PieceCutter::nextLine()
{
    // Skip what the caller left of the current line.
    while (!m_lineEnded) {
        m_offset = m_buffer.size();
        fill(m_limit);
    }
    m_buffer.clear();
    m_offset = 0;
    if (m_source.peek() < 0)
        return false;
    m_lineEnded = false;
    m_lineDone = false;
    return true;
}

// Reads until the rest holds more than want characters or the line has
// ended.
void PieceCutter::fill(size_t want)
{
    if (m_offset > 0 && m_offset >= m_buffer.size() / 2) {
        m_buffer.erase(0, m_offset);
        m_offset = 0;
    }
    while (!m_lineEnded && m_buffer.size() - m_offset <= want) {
        m_source.takeUntilAny(m_buffer, want + 1 - (m_buffer.size() - m_offset), "\r\n");
        if (m_buffer.size() - m_offset > want)
            break;
        int32_t c = m_source.get();
        if (c < 0 || c == '\n') {
            m_lineEnded = true;
        } else if (c == '\r') {
            if (m_source.peek() == '\n')
                m_source.get();
            m_lineEnded = true;
        } else {
            m_buffer.push_back(char32_t(c));
        }
    }
}

bool PieceCutter::wholeLine(size_t most, std::u32string_view &line)
{
    if (m_lineDone || m_offset > 0)
        return false;
    fill(most);
    if (!m_lineEnded || m_buffer.size() > most)
        return false;
    line = m_buffer;
    return true;
}

bool PieceCutter::nextOutput(std::u32string_view &output, bool &isPiece)
{
    if (m_lineDone)
        return false;
    fill(m_limit);
    std::u32string_view rest = std::u32string_view(m_buffer).substr(m_offset);
    if (rest.size() <= m_limit)
        return takeRest(output, isPiece);
    size_t end = m_limit;
    size_t next = m_limit;
    bool hard = false;
    if (rest[m_limit] == U' ') {
        next = m_limit + 1;
    } else if (size_t blank = rest.substr(0, m_limit).rfind(U' ');
               blank != std::u32string_view::npos) {
        end = next = blank + 1;
    } else {
        hard = true;
    }
    if (m_punctuationRules && hard && !keepMarksInPlace(end, next))
        return takeRest(output, isPiece);
    if (!keepClusterWhole(end, next))
        return takeRest(output, isPiece);
    output = std::u32string_view(m_buffer).substr(m_offset, end);
    isPiece = true;
    m_offset += next;
    return true;
}

bool PieceCutter::takeRest(std::u32string_view &output, bool &isPiece)
{
    output = std::u32string_view(m_buffer).substr(m_offset);
    isPiece = false;
    m_lineDone = true;
    m_offset = m_buffer.size();
    return true;
}

// Moves a cut that would start the next piece inside a grapheme cluster
// (a letter and its accent, a flag's two halves) to the cluster's start,
// or past its end when the cluster starts the piece (up to
// MaxClusterOverrun). Returns false when the cluster runs to the end of the
// line, which is then the last rest.
bool PieceCutter::keepClusterWhole(size_t &end, size_t &next)
{
    fill(next);
    std::u32string_view rest = std::u32string_view(m_buffer).substr(m_offset);
    if (next >= rest.size() || GraphemeBreak::isBoundary(rest, next))
        return true;
    if (const size_t start = GraphemeBreak::clusterStart(rest, next); start > 0) {
        end = next = start;
        return true;
    }
    do {
        fill(++next);
        rest = std::u32string_view(m_buffer).substr(m_offset);
        if (next >= rest.size())
            return false;
    } while (next < m_limit + MaxClusterOverrun && !GraphemeBreak::isBoundary(rest, next));
    end = next;
    return true;
}

// Moves a hard cut past the closing marks that follow it, or before the
// opening marks that end the piece. Returns false when the marks run to
// the end of the line, which is then the last rest.
bool PieceCutter::keepMarksInPlace(size_t &end, size_t &next)
{
    size_t run = 0;
    for (;; ++run) {
        fill(next + run);
        const std::u32string_view rest = std::u32string_view(m_buffer).substr(m_offset);
        if (next + run >= rest.size())
            return run == 0;
        if (run == MaxMarkRun || ClosingMarks.find(rest[next + run]) == rest.npos)
            break;
    }
    if (run > 0) {
        end = next = next + run;
        return true;
    }
    const std::u32string_view rest = std::u32string_view(m_buffer).substr(m_offset);
    size_t start = end;
    while (start > 0 && OpeningMarks.find(rest[start - 1]) != rest.npos)
        --start;
    if (start > 0)
        end = next = start;
    return true;
}
