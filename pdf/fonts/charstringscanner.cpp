#include "pdf/fonts/charstringscanner.h"

#include <algorithm>

namespace tervolanpdf {

namespace {

// Limits of the Type 2 format: stack depth and subroutine nesting.
constexpr size_t kMaxStack = 48;
constexpr int kMaxDepth = 10;

constexpr int kHstem = 1;
constexpr int kVstem = 3;
constexpr int kCallSubr = 10;
constexpr int kReturn = 11;
constexpr int kEscape = 12;
constexpr int kEndChar = 14;
constexpr int kHstemHm = 18;
constexpr int kHintMask = 19;
constexpr int kCntrMask = 20;
constexpr int kVstemHm = 23;
constexpr int kCallGsubr = 29;

bool isDrawingOperator(int op)
{
    switch (op) {
    case 4:
    case 5:
    case 6:
    case 7:
    case 8:
    case 21:
    case 22:
    case 24:
    case 25:
    case 26:
    case 27:
    case 30:
    case 31: return true;
    default: return false;
    }
}

// dotsection (old, ignored) and the four flex operators; every other
// two-byte operator computes or stores numbers.
bool isFollowableEscape(int second)
{
    return second == 0 || (second >= 34 && second <= 37);
}

} // namespace

CharStringScanner::CharStringScanner(const CffIndex &globalSubrs, std::vector<bool> &usedGlobal,
                                     bool listUses)
    : m_globalSubrs(globalSubrs)
    , m_usedGlobal(usedGlobal)
    , m_listUses(listUses)
{
    m_stack.reserve(kMaxStack);
}

void CharStringScanner::mark(const std::vector<uint32_t> &uses, std::vector<bool> &usedGlobal,
                             std::vector<bool> &usedLocal)
{
    for (const uint32_t use : uses) {
        if (use & kGlobal)
            usedGlobal[use & ~kGlobal] = true;
        else
            usedLocal[use] = true;
    }
}

int CharStringScanner::bias(size_t count)
{
    return count < 1240 ? 107 : count < 33900 ? 1131 : 32768;
}

bool CharStringScanner::scan(std::string_view glyph, const CffIndex &localSubrs,
                             std::vector<bool> &usedLocal)
{
    m_localSubrs = &localSubrs;
    m_usedLocal = &usedLocal;
    m_summaries = &m_summariesByLocalSubrs[&localSubrs];
    m_summaries->global.resize(m_globalSubrs.count());
    m_summaries->local.resize(localSubrs.count());
    m_stack.clear();
    m_uses.clear();
    m_stems = 0;
    Frame frame;
    return run(glyph, 0, frame) == Flow::End;
}

CharStringScanner::Flow CharStringScanner::run(std::string_view program, int depth, Frame &frame)
{
    const auto *p = reinterpret_cast<const unsigned char *>(program.data());
    const unsigned char *end = p + program.size();
    while (p < end) {
        const unsigned b = *p;
        int value = 0;
        bool fraction = false;
        if (b == 28) {
            if (end - p < 3)
                return Flow::Fail;
            value = static_cast<int16_t>((p[1] << 8) | p[2]);
            p += 3;
        } else if (b >= 32 && b <= 246) {
            value = static_cast<int>(b) - 139;
            ++p;
        } else if (b >= 247 && b <= 254) {
            if (end - p < 2)
                return Flow::Fail;
            const int magnitude = static_cast<int>(((b - 247) & 3) << 8) + p[1] + 108;
            value = b <= 250 ? magnitude : -magnitude;
            p += 2;
        } else if (b == 255) {
            if (end - p < 5)
                return Flow::Fail;
            const auto fixed
                = static_cast<int32_t>((uint32_t(p[1]) << 24) | (p[2] << 16) | (p[3] << 8) | p[4]);
            value = fixed >> 16;
            fraction = (fixed & 0xFFFF) != 0;
            p += 5;
        } else {
            const Flow flow = runOperator(p, end, depth, frame);
            if (flow != Flow::Next)
                return flow;
            continue;
        }
        if (m_stack.size() == kMaxStack)
            return Flow::Fail;
        m_stack.push_back({value, fraction});
    }
    // A subroutine may end without return; a glyph must end with endchar.
    return depth > 0 ? Flow::Return : Flow::Fail;
}

CharStringScanner::Flow CharStringScanner::runOperator(const unsigned char *&p,
                                                       const unsigned char *end, int depth,
                                                       Frame &frame)
{
    const int op = *p++;
    switch (op) {
    case kHstem:
    case kVstem:
    case kHstemHm:
    case kVstemHm:
        frame.closed = false;
        m_stems += static_cast<int>(m_stack.size() / 2);
        break;
    case kHintMask:
    case kCntrMask: {
        // Operands before the first mask are an implicit vstemhm.
        frame.closed = false;
        m_stems += static_cast<int>(m_stack.size() / 2);
        const int maskBytes = (m_stems + 7) / 8;
        if (end - p < maskBytes)
            return Flow::Fail;
        p += maskBytes;
        break;
    }
    case kCallSubr: return call(*m_localSubrs, 0, *m_usedLocal, m_summaries->local, depth, frame);
    case kCallGsubr:
        return call(m_globalSubrs, kGlobal, m_usedGlobal, m_summaries->global, depth, frame);
    case kReturn: return depth > 0 ? Flow::Return : Flow::Fail;
    case kEndChar:
        // Four operands more would make it an accented character built
        // from Standard Encoding glyphs, which a CID font cannot have.
        if (!frame.cleared)
            frame.closed = false;
        return m_stack.size() >= 4 ? Flow::Fail : Flow::End;
    case kEscape:
        if (p == end || !isFollowableEscape(*p))
            return Flow::Fail;
        ++p;
        break;
    default:
        if (!isDrawingOperator(op))
            return Flow::Fail;
        break;
    }
    m_stack.clear();
    frame.cleared = true;
    return Flow::Next;
}

CharStringScanner::Flow CharStringScanner::call(const CffIndex &subrs, uint32_t kind,
                                                std::vector<bool> &used,
                                                std::vector<uint32_t> &summaries, int depth,
                                                Frame &frame)
{
    if (m_stack.empty() || m_stack.back().fraction)
        return Flow::Fail;
    // A number the caller pushed makes the callee's way depend on it.
    if (!frame.cleared && m_stack.size() <= frame.entryDepth)
        frame.closed = false;
    const long index = static_cast<long>(m_stack.back().value) + bias(subrs.count());
    m_stack.pop_back();
    if (index < 0 || static_cast<size_t>(index) >= subrs.count())
        return Flow::Fail;
    uint32_t &slot = summaries[index];
    if (slot != 0 && m_store[slot - 1].state == Summary::State::Closed) {
        const Summary &closed = m_store[slot - 1];
        if (m_listUses)
            m_uses.insert(m_uses.end(), closed.uses.begin(), closed.uses.end());
        return replay(closed, depth, frame);
    }
    if (depth + 1 > kMaxDepth)
        return Flow::Fail;
    used[index] = true;
    const size_t usesBefore = m_uses.size();
    if (m_listUses)
        m_uses.push_back(kind | static_cast<uint32_t>(index));
    Frame inner;
    inner.entryDepth = m_stack.size();
    const Flow flow = run(subrs.item(index), depth + 1, inner);
    if (flow == Flow::Fail)
        return flow;
    Summary &summary = summaryIn(slot);
    if (inner.closed && summary.state == Summary::State::Unknown) {
        summary.state = Summary::State::Closed;
        summary.flow = flow;
        summary.cleared = inner.cleared;
        summary.height = inner.height;
        const size_t kept = inner.cleared ? 0 : inner.entryDepth;
        summary.left.assign(m_stack.begin() + static_cast<long>(std::min(kept, m_stack.size())),
                            m_stack.end());
        if (m_listUses)
            summary.uses.assign(m_uses.begin() + static_cast<long>(usesBefore), m_uses.end());
    } else if (!inner.closed) {
        summary.state = Summary::State::Open;
    }
    frame.closed = frame.closed && inner.closed;
    frame.cleared = frame.cleared || inner.cleared;
    frame.height = std::max(frame.height, inner.height + 1);
    return flow == Flow::Return ? Flow::Next : flow;
}

CharStringScanner::Summary &CharStringScanner::summaryIn(uint32_t &slot)
{
    if (slot == 0) {
        m_store.emplace_back();
        slot = static_cast<uint32_t>(m_store.size());
    }
    return m_store[slot - 1];
}

// Does to the stack what the subroutine's first run did.
CharStringScanner::Flow CharStringScanner::replay(const Summary &summary, int depth, Frame &frame)
{
    if (depth + 1 + summary.height > kMaxDepth)
        return Flow::Fail;
    if (summary.cleared)
        m_stack.clear();
    if (m_stack.size() + summary.left.size() > kMaxStack)
        return Flow::Fail;
    m_stack.insert(m_stack.end(), summary.left.begin(), summary.left.end());
    frame.cleared = frame.cleared || summary.cleared;
    frame.height = std::max(frame.height, summary.height + 1);
    return summary.flow == Flow::Return ? Flow::Next : summary.flow;
}

} // namespace tervolanpdf
