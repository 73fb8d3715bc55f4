#pragma once

#include <memory>
#include <optional>
#include <regex>
#include <string>
#include <string_view>

// Tells the chapter headings of a book from its body text, one input line
// at a time. A heading is a line of at most MaxLength characters after its
// leading blanks (U+0020, tab, U+3000) in one of the common forms:
// "第" + number + 章 回 节 卷 部 篇 集 册 (+ title); 卷 or 部 + number
// (+ title); 序章 序言 楔子 引子 前言 尾声 后记 终章 番外 (+ title);
// Chapter, Part or Book (capitalised or in capitals) + an Arabic or Roman
// numeral or a number word (+ title). Numbers are Chinese numerals, ASCII
// or full-width digits. Volumes (卷 部 篇 册, Part, Book) are a level above
// chapters. Outside "第" forms a title is set off by a blank or a mark
// ("：", ".", "、", "—"), so "部三的…" or "Part of the plan" stays text.
class HeadingDetector {
public:
    enum Level { Volume = 1, Chapter = 2 };
    struct Heading {
        Level level;
        std::u32string_view title; // the line without the blanks around it
    };
    static constexpr size_t MaxLength = 40;
    // Lines longer than this are never headings, whatever their indent.
    static constexpr size_t MaxLineLength = 2 * MaxLength;

    // The built-in forms.
    HeadingDetector() = default;
    // Headings are instead the lines in which pattern (ECMAScript syntax,
    // UTF-8) finds a match; all of them chapters. Throws std::regex_error
    // for a pattern that does not compile.
    explicit HeadingDetector(const std::string &pattern);

    // Why pattern does not compile; empty when it does.
    static std::string patternError(const std::string &pattern);

    std::optional<Heading> find(std::u32string_view line) const;

private:
    static std::optional<Level> builtInLevel(std::u32string_view text);

    std::shared_ptr<const std::wregex> m_pattern;
};
