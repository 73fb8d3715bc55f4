#include "platform/text/itemreader.h"

namespace {

bool isBlank(int32_t c)
{
    return c == ' ' || c == '\t';
}

bool isLineEnd(int32_t c)
{
    return c == '\r' || c == '\n';
}

} // namespace

ItemReader::ItemReader(CharSource &source, size_t maxLength)
    : m_source(source)
    , m_maxLength(maxLength)
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
    for (int32_t c = m_source.get(); c >= 0 && c != '"'; c = m_source.get())
        keep(value, c);
    skipToDelimiter();
}

void ItemReader::readPlain(std::u32string *value)
{
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
            return 0;
    }
    size_t digitsEnd = i;
    while (i < item.size() && isBlank(int32_t(item[i])))
        ++i;
    if (digitsEnd == digitsStart || i != item.size())
        return 0;
    value = negative ? -value : value;
    return value < -32768 || value > 32767 ? 0 : int16_t(value);
}
