#include "app/piececutter.h"

PieceCutter::PieceCutter(CharSource &source, int charsPerLine)
    : m_source(source)
    , m_limit(size_t(charsPerLine < 1 ? 1 : charsPerLine))
{
}

bool PieceCutter::nextLine()
{
    // Skip what the caller left of the current line.
    while (!m_lineEnded) {
        m_offset = m_buffer.size();
        fill();
    }
    m_buffer.clear();
    m_offset = 0;
    if (m_source.peek() < 0)
        return false;
    m_lineEnded = false;
    m_lineDone = false;
    return true;
}

// Reads until the rest holds more than N characters or the line has ended.
void PieceCutter::fill()
{
    if (m_offset > 0 && m_offset >= m_buffer.size() / 2) {
        m_buffer.erase(0, m_offset);
        m_offset = 0;
    }
    while (!m_lineEnded && m_buffer.size() - m_offset <= m_limit) {
        m_source.takeUntilAny(m_buffer, m_limit + 1 - (m_buffer.size() - m_offset), "\r\n");
        if (m_buffer.size() - m_offset > m_limit)
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

bool PieceCutter::nextOutput(std::u32string_view &output, bool &isPiece)
{
    if (m_lineDone)
        return false;
    fill();
    std::u32string_view rest = std::u32string_view(m_buffer).substr(m_offset);
    if (rest.size() <= m_limit) {
        output = rest;
        isPiece = false;
        m_lineDone = true;
        m_offset = m_buffer.size();
        return true;
    }
    std::u32string_view piece = rest.substr(0, m_limit);
    size_t consumed = m_limit;
    if (rest[m_limit] == U' ') {
        consumed = m_limit + 1;
    } else if (size_t blank = piece.rfind(U' '); blank != std::u32string_view::npos) {
        piece = piece.substr(0, blank + 1);
        consumed = blank + 1;
    }
    output = piece;
    isPiece = true;
    m_offset += consumed;
    return true;
}
