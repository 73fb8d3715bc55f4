#pragma once

#include "platform/text/charsource.h"

#include <string>

// Characters from a string, for the readers that take a CharSource.
class StringSource : public CharSource {
public:
    explicit StringSource(std::u32string text) : m_text(std::move(text)) {}
    int32_t get() override { return m_at < m_text.size() ? int32_t(m_text[m_at++]) : -1; }
    int32_t peek() override { return m_at < m_text.size() ? int32_t(m_text[m_at]) : -1; }

private:
    std::u32string m_text;
    size_t m_at = 0;
};
