#pragma once

#include "platform/text/charsource.h"

#include <cstdint>
#include <optional>
#include <string>

// Reads comma- and line-separated items, the way both config.ini and the
// conversion's counting pass read their files:
//  - blanks and tabs before an item are skipped;
//  - an item that starts with a double quote runs to the next double quote
//    (across line ends), and the rest up to the next comma or line end is
//    passed over;
//  - any other item runs to the next comma or line end, which is consumed;
//    blanks at its end are not part of it;
//  - an empty line, or a comma right after a delimiter, is an empty item.
// A line ends at CR, CR LF or a lone LF.
class ItemReader {
public:
    // Where a quoted item ends. A file whose every line is one item
    // (config.ini) lets a quoted item run to the last quote on its line, so
    // a quote inside a value cannot shift the items after it; without a
    // second quote on the line the item runs on to the next one as usual.
    enum class QuoteEnd { NextQuote, LastQuoteOnLine };

    // Values longer than maxLength characters are cut there; the rest of the
    // item is still consumed, so counting stays right for any file.
    explicit ItemReader(CharSource &source, size_t maxLength = SIZE_MAX,
                        QuoteEnd quoteEnd = QuoteEnd::NextQuote);

    // Reads the next item into value (when given). Returns false when the
    // source has no more data.
    bool read(std::u32string *value);

    // Converts an item to a 16-bit number: optional blanks, an optional sign
    // and digits. Anything else, or a value outside -32768..32767, is 0.
    static int16_t toInt16(std::u32string_view item);
    // The same, with nothing for an item toInt16 turns into 0 unasked.
    static std::optional<int16_t> parseInt16(std::u32string_view item);

private:
    void readQuoted(std::u32string *value);
    bool readQuotedToLastOnLine(std::u32string *value);
    void readPlain(std::u32string *value);
    void skipToDelimiter();
    bool consumeDelimiter(int32_t c);
    void keep(std::u32string *value, int32_t c);

    CharSource &m_source;
    size_t m_maxLength;
    QuoteEnd m_quoteEnd;
};
