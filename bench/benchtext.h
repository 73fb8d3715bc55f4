// Deterministic inputs for the micro benchmarks, made in memory so that
// they run without the corpus: Chinese lines like the corpus's, and a
// character source over them.
#ifndef TERVOLAN_BENCH_BENCHTEXT_H
#define TERVOLAN_BENCH_BENCHTEXT_H

#include "platform/text/charsource.h"

#include <cstddef>
#include <string>

class BenchText {
public:
    // About bytes of UTF-8 Chinese text: lines of 10 to 300 hanzi with
    // Chinese punctuation and some blank lines, the same on every run.
    static std::string chineseUtf8(size_t bytes);
    static std::u32string toUtf32(const std::string &utf8);
    // Writes bytes to a file under /tmp and returns its path.
    static std::string writeTemporary(const std::string &name, const std::string &bytes);
};

// The characters of a string, as the conversion reads them from a file.
class MemorySource : public CharSource {
public:
    explicit MemorySource(const std::u32string &text) : m_text(text) {}
    int32_t get() override { return m_index < m_text.size() ? int32_t(m_text[m_index++]) : -1; }
    int32_t peek() override { return m_index < m_text.size() ? int32_t(m_text[m_index]) : -1; }

private:
    const std::u32string &m_text;
    size_t m_index = 0;
};

#endif
