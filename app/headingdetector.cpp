#include "app/headingdetector.h"

#include "platform/text/utf8.h"

#include <array>

namespace {

constexpr std::u32string_view ChineseDigits = U"〇一二三四五六七八九十百千万两零";
constexpr std::u32string_view ChapterUnits = U"章回节集";
constexpr std::u32string_view VolumeUnits = U"卷部篇册";
// What sets a title off from the number or word before it.
constexpr std::u32string_view TitleMarks = U" \t\u3000：:.．、·—-–";
constexpr std::array<std::u32string_view, 9> FrontAndBackMatter
    = {U"序章", U"序言", U"楔子", U"引子", U"前言", U"尾声", U"后记", U"终章", U"番外"};
constexpr std::array<std::u32string_view, 20> NumberWords
    = {U"one",     U"two",     U"three",     U"four",     U"five",     U"six",      U"seven",
       U"eight",   U"nine",    U"ten",       U"eleven",   U"twelve",   U"thirteen", U"fourteen",
       U"fifteen", U"sixteen", U"seventeen", U"eighteen", U"nineteen", U"twenty"};

bool isBlank(char32_t c)
{
    return c == U' ' || c == U'\t' || c == U'\u3000';
}

std::u32string_view trimmed(std::u32string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool isDigit(char32_t c)
{
    return (c >= U'0' && c <= U'9') || (c >= U'０' && c <= U'９');
}

// The length of the number text starts with: digits or Chinese numerals.
size_t numberLength(std::u32string_view text)
{
    size_t length = 0;
    while (length < text.size()
           && (isDigit(text[length]) || ChineseDigits.find(text[length]) != text.npos))
        ++length;
    return length;
}

char32_t lower(char32_t c)
{
    return c >= U'A' && c <= U'Z' ? c + (U'a' - U'A') : c;
}

// An Arabic or Roman numeral or a number word, in any case.
size_t englishNumberLength(std::u32string_view text)
{
    size_t digits = 0;
    while (digits < text.size() && text[digits] >= U'0' && text[digits] <= U'9')
        ++digits;
    if (digits > 0)
        return digits;
    size_t letters = 0;
    while (letters < text.size()
           && std::u32string_view(U"ivxlcdm").find(lower(text[letters])) != text.npos)
        ++letters;
    if (letters > 0)
        return letters;
    for (const std::u32string_view word : NumberWords) {
        if (text.size() < word.size())
            continue;
        size_t i = 0;
        while (i < word.size() && lower(text[i]) == word[i])
            ++i;
        if (i == word.size())
            return i;
    }
    return 0;
}

// Whether what follows a heading's number or word can be its title.
bool endsOrTitled(std::u32string_view rest)
{
    return rest.empty() || TitleMarks.find(rest.front()) != rest.npos;
}

std::optional<HeadingDetector::Level> ordinalLevel(std::u32string_view text)
{
    const size_t digits = numberLength(text.substr(1));
    if (digits == 0 || 1 + digits >= text.size())
        return std::nullopt;
    const char32_t unit = text[1 + digits];
    if (ChapterUnits.find(unit) != text.npos)
        return HeadingDetector::Chapter;
    if (VolumeUnits.find(unit) != text.npos)
        return HeadingDetector::Volume;
    return std::nullopt;
}

std::optional<HeadingDetector::Level> englishLevel(std::u32string_view text)
{
    static constexpr std::pair<std::u32string_view, HeadingDetector::Level> Words[] = {
        {U"Chapter ", HeadingDetector::Chapter}, {U"CHAPTER ", HeadingDetector::Chapter},
        {U"Part ", HeadingDetector::Volume},     {U"PART ", HeadingDetector::Volume},
        {U"Book ", HeadingDetector::Volume},     {U"BOOK ", HeadingDetector::Volume},
    };
    for (const auto &[word, level] : Words) {
        if (!text.starts_with(word))
            continue;
        const std::u32string_view rest = text.substr(word.size());
        const size_t number = englishNumberLength(rest);
        if (number > 0 && endsOrTitled(rest.substr(number)))
            return level;
    }
    return std::nullopt;
}

} // namespace

HeadingDetector::HeadingDetector(const std::string &pattern)
{
    const std::u32string wide = Utf8::toUtf32(pattern);
    m_pattern = std::make_shared<const std::wregex>(std::wstring(wide.begin(), wide.end()),
                                                    std::regex::ECMAScript | std::regex::optimize);
}

std::string HeadingDetector::patternError(const std::string &pattern)
{
    try {
        HeadingDetector detector(pattern);
    } catch (const std::regex_error &error) {
        return error.what();
    }
    return "";
}

std::optional<HeadingDetector::Heading> HeadingDetector::find(std::u32string_view line) const
{
    const std::u32string_view text = trimmed(line);
    if (text.empty() || text.size() > MaxLength)
        return std::nullopt;
    std::optional<Level> level;
    if (m_pattern) {
        const std::wstring wide(text.begin(), text.end());
        if (std::regex_search(wide, *m_pattern))
            level = Chapter;
    } else {
        level = builtInLevel(text);
    }
    if (!level)
        return std::nullopt;
    return Heading{*level, text};
}

std::optional<HeadingDetector::Level> HeadingDetector::builtInLevel(std::u32string_view text)
{
    if (text.front() == U'第')
        return ordinalLevel(text);
    if (text.front() == U'卷' || text.front() == U'部') {
        const size_t digits = numberLength(text.substr(1));
        if (digits > 0 && endsOrTitled(text.substr(1 + digits)))
            return Volume;
        return std::nullopt;
    }
    for (const std::u32string_view word : FrontAndBackMatter) {
        if (text.starts_with(word)) {
            const std::u32string_view rest = text.substr(word.size());
            if (endsOrTitled(rest) || numberLength(rest) > 0 || rest.front() == U'篇')
                return Chapter;
        }
    }
    return englishLevel(text);
}
