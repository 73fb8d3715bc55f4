#include "platform/text/itemreader.h"

#include <algorithm>

namespace {

bool isBlank(int32_t c)
{
    return c == ' ' || c == '\t';
}

// What ends a plain item.
constexpr std::string_view Delimiters = ",\r\n";

bool isLineEnd(int32_t c)
{
    return c == '\r' || c == '\n';
}

} // namespace

ItemReader::ItemReader(CharSource &source, size_t maxLength, QuoteEnd quoteEnd)
    : m_source(source)
    , m_maxLength(maxLength)
    , m_quoteEnd(quoteEnd)
{
}

bool ItemReader::read(std::u32string *value)
{
    if (value)
        value->clear();
    if (m_source.peek() < 0)
        return false;
    while (isBlank(m_source.peek()))
        m_source.get();
    if (m_source.peek() == '"') {
        m_source.get();
        readQuoted(value);
    } else {
        readPlain(value);
    }
    return true;
}

void ItemReader::keep(std::u32string *value, int32_t c)
{
    if (value && value->size() < m_maxLength)
        value->push_back(char32_t(c));
}

void ItemReader::readQuoted(std::u32string *value)
{
    if (m_quoteEnd == QuoteEnd::LastQuoteOnLine && readQuotedToLastOnLine(value))
        return;
    if (!value)
        m_source.skipUntilAny("\"");
    for (int32_t c = m_source.get(); c >= 0 && c != '"'; c = m_source.get())
        keep(value, c);
    skipToDelimiter();
}

// Takes the rest of the line; when it holds a quote, the item is what
// stands before the last one and the line is done. Otherwise the line so
// far is kept and the caller reads on to the next quote. Only the part of
// the line that can become the value is held.
bool ItemReader::readQuotedToLastOnLine(std::u32string *value)
{
    std::u32string line;
    size_t length = 0;
    size_t lastQuote = std::u32string::npos;
    while (m_source.peek() >= 0 && !isLineEnd(m_source.peek())) {
        const int32_t c = m_source.get();
        if (c == '"')
            lastQuote = length;
        if (line.size() < m_maxLength)
            line.push_back(char32_t(c));
        ++length;
    }
    if (lastQuote != std::u32string::npos)
        line.resize(std::min(line.size(), lastQuote));
    for (char32_t c : line)
        keep(value, int32_t(c));
    if (lastQuote == std::u32string::npos)
        return false;
    const int32_t end = m_source.get();
    if (end >= 0)
        consumeDelimiter(end);
    return true;
}

void ItemReader::readPlain(std::u32string *value)
{
    // Counting needs only where the item ends.
    if (!value)
        m_source.skipUntilAny(Delimiters);
    for (;;) {
        int32_t c = m_source.get();
        if (c < 0 || consumeDelimiter(c))
            break;
        keep(value, c);
    }
    if (value) {
        while (!value->empty() && isBlank(int32_t(value->back())))
            value->pop_back();
    }
}

void ItemReader::skipToDelimiter()
{
    m_source.skipUntilAny(Delimiters);
    for (int32_t c = m_source.get(); c >= 0; c = m_source.get()) {
        if (consumeDelimiter(c))
            return;
    }
}

// True when c ends the item; a CR also takes the LF that follows it.
bool ItemReader::consumeDelimiter(int32_t c)
{
    if (c == ',')
        return true;
    if (!isLineEnd(c))
        return false;
    if (c == '\r' && m_source.peek() == '\n')
        m_source.get();
    return true;
}

int16_t ItemReader::toInt16(std::u32string_view item)
{
    return parseInt16(item).value_or(0);
}

std::optional<int16_t> ItemReader::parseInt16(std::u32string_view item)
{
    size_t i = 0;
    while (i < item.size() && isBlank(int32_t(item[i])))
        ++i;
    bool negative = false;
    if (i < item.size() && (item[i] == '-' || item[i] == '+'))
        negative = item[i++] == '-';
    size_t digitsStart = i;
    long value = 0;
    for (; i < item.size() && item[i] >= '0' && item[i] <= '9'; ++i) {
        value = value * 10 + long(item[i] - '0');
        if (value > 32768)
            return std::nullopt;
    }
    size_t digitsEnd = i;
    while (i < item.size() && isBlank(int32_t(item[i])))
        ++i;
    if (digitsEnd == digitsStart || i != item.size())
        return std::nullopt;
    value = negative ? -value : value;
    if (value < -32768 || value > 32767)
        return std::nullopt;
    return int16_t(value);
}
