#include "pdf/fonts/fontcatalog.h"

#include "pdf/fonts/fontconfigstart.h"
#include "pdf/fonts/fontface.h"
#include "pdf/tervolanpdf-private.h"

#include <fontconfig/fontconfig.h>

#include <array>
#include <string_view>

namespace tervolanpdf {

namespace {

// fontconfig alone sends the Windows names of the Chinese faces to a Latin
// fallback, so they are mapped here to the Noto CJK faces of the same
// style. The names are compared as UTF-8 bytes.
struct Alias {
    const char *name;
    const char *family;
};

constexpr const char *kSerifCjk = "Noto Serif CJK SC";
constexpr const char *kSansCjk = "Noto Sans CJK SC";

// The CJK faces lack many Latin letters (Ł, ź, Ÿ); fontconfig's ranking for
// Chinese text would draw them from a Japanese Mincho face.
const char *companionFamily(const char *family)
{
    return std::string_view(family) == kSerifCjk ? "Noto Serif" : "Noto Sans";
}

constexpr std::array kAliases{
    Alias{"", kSerifCjk},       Alias{"\xE5\xAE\x8B\xE4\xBD\x93", kSerifCjk}, // 宋体
    Alias{"SimSun", kSerifCjk}, Alias{"\xE9\xBB\x91\xE4\xBD\x93", kSansCjk},  // 黑体
    Alias{"SimHei", kSansCjk},
};

const char *aliasFamily(const std::string &name)
{
    for (const Alias &alias : kAliases) {
        if (name == alias.name)
            return alias.family;
    }
    return nullptr;
}

// Set before the first question when answers are kept: such a process
// (the converter) has asked fontconfig nothing yet, so it may load the
// configuration itself, without the templates FcInit also reads.
bool loadConfigurationItself = false;

FcConfig *fontConfig()
{
    static FcConfig *config = [] {
        if (loadConfigurationItself)
            FontConfigStart::loadConfiguration();
        FcInit();
        return FcConfigReference(nullptr);
    }();
    return config;
}

// A face has a family name per language; any of them names it.
bool hasFamily(const std::vector<std::string> &families, const std::string &family)
{
    for (const std::string &candidate : families) {
        if (FcStrCmpIgnoreCase(reinterpret_cast<const FcChar8 *>(candidate.c_str()),
                               reinterpret_cast<const FcChar8 *>(family.c_str()))
            == 0)
            return true;
    }
    return false;
}

} // namespace

FontCatalog &FontCatalog::instance()
{
    static FontCatalog *catalog = new FontCatalog; // faces live to the end
    return *catalog;
}

const FontFace &FontCatalog::face(const std::string &name)
{
    std::lock_guard lock(m_mutex);
    if (const auto known = m_byName.find(name); known != m_byName.end())
        return *known->second;
    const FontFace &found = faceFor(name);
    m_byName.emplace(name, &found);
    if (const char *alias = aliasFamily(name))
        m_companionFamilies.emplace(&found, companionFamily(alias));
    return found;
}

// A kept answer naming a face that can no longer be read is no answer:
// fontconfig is asked instead.
const FontFace &FontCatalog::faceFor(const std::string &name)
{
    try {
        return faceAt(locate(name));
    } catch (const PdfError &) {
        if (!m_answers)
            throw;
        m_answers->forget();
        return faceAt(locate(name));
    }
}

std::string FontCatalog::standIn(const std::string &name)
{
    std::lock_guard lock(m_mutex);
    const char *alias = aliasFamily(name);
    const Location location = locate(name);
    if (location.families.empty() || hasFamily(location.families, alias ? alias : name))
        return "";
    return location.families.front();
}

void FontCatalog::keepAnswersIn(std::string file)
{
    std::lock_guard lock(m_mutex);
    m_answers = std::make_unique<FontAnswers>(std::move(file));
    loadConfigurationItself = true;
}

const FontFace &FontCatalog::faceAt(const Location &location)
{
    auto &slot = m_byLocation[{location.path, location.index}];
    if (!slot)
        slot = std::make_unique<FontFace>(location.path, location.index);
    return *slot;
}

const FontFace *FontCatalog::fallbackFor(char32_t codepoint)
{
    std::lock_guard lock(m_mutex);
    return knownFallback(codepoint);
}

const FontFace *FontCatalog::fallbackFor(char32_t codepoint, const FontFace &face)
{
    std::lock_guard lock(m_mutex);
    if (const FontFace *companion = companionOf(face); companion && companion->covers(codepoint))
        return companion;
    return knownFallback(codepoint);
}

// Loaded on the first character its face lacks, so plain Chinese text
// never opens it.
const FontFace *FontCatalog::companionOf(const FontFace &face)
{
    const auto family = m_companionFamilies.find(&face);
    if (family == m_companionFamilies.end())
        return nullptr;
    if (const auto known = m_companions.find(&face); known != m_companions.end())
        return known->second;
    const FontFace *companion = nullptr;
    try {
        const Location location = locateFamily(family->second);
        if (!location.path.empty())
            companion = &faceAt(location);
    } catch (const PdfError &) {
        // A face that cannot be embedded leaves the character to the others.
    }
    m_companions.emplace(&face, companion);
    return companion;
}

const FontFace *FontCatalog::knownFallback(char32_t codepoint)
{
    if (const auto known = m_fallbacks.find(codepoint); known != m_fallbacks.end())
        return known->second;
    const FontFace *found = searchFallback(codepoint);
    m_fallbacks.emplace(codepoint, found);
    return found;
}

const FontFace *FontCatalog::searchFallback(char32_t codepoint)
{
    // A fallback already in use is asked first: sorting every installed
    // face costs milliseconds, and a text in another script keeps to one
    // face for it.
    for (const FontFace *used : m_fallbackFaces) {
        if (used->covers(codepoint))
            return used;
    }
    if (!anyFaceLists(codepoint))
        return nullptr;
    FcPattern *pattern = FcPatternCreate();
    FcCharSet *wanted = FcCharSetCreate();
    FcCharSetAddChar(wanted, codepoint);
    FcPatternAddCharSet(pattern, FC_CHARSET, wanted);
    FcCharSetDestroy(wanted);
    FcPatternAddString(pattern, FC_LANG, reinterpret_cast<const FcChar8 *>("zh-cn"));
    FcConfigSubstitute(fontConfig(), pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcFontSet *sorted = FcFontSort(fontConfig(), pattern, FcFalse, nullptr, &result);
    FcPatternDestroy(pattern);
    const FontFace *found = nullptr;
    for (int i = 0; sorted && i < sorted->nfont && !found; ++i) {
        FcCharSet *chars = nullptr;
        FcChar8 *file = nullptr;
        int index = 0;
        FcPattern *font = sorted->fonts[i];
        if (FcPatternGetCharSet(font, FC_CHARSET, 0, &chars) != FcResultMatch
            || !FcCharSetHasChar(chars, codepoint)
            || FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch)
            continue;
        FcPatternGetInteger(font, FC_INDEX, 0, &index);
        try {
            const FontFace &face = faceAt({reinterpret_cast<const char *>(file), index, {}});
            if (!face.drawsInColourOnly() && face.covers(codepoint))
                found = &face;
        } catch (const PdfError &) {
            // A face that cannot be embedded is no fallback; the next may be.
        }
    }
    if (sorted)
        FcFontSetDestroy(sorted);
    if (found)
        m_fallbackFaces.push_back(found);
    else
        gatherListed();
    return found;
}

// Sorting the faces for a character none has costs as much as for one
// that some face has, a millisecond: a text of many such characters (the
// private-use planes) took minutes. The union of every face's characters
// answers them at once. It is gathered only after a character went
// unfound, so texts without such characters never pay for it, and again
// when faces were added since (a program's own fonts).
bool FontCatalog::anyFaceLists(char32_t codepoint) const
{
    return !m_listed || installedFaceCount() != m_listedFaces
        || FcCharSetHasChar(m_listed, codepoint);
}

void FontCatalog::gatherListed()
{
    if (m_listed)
        FcCharSetDestroy(m_listed);
    m_listed = FcCharSetCreate();
    for (const FcSetName set : {FcSetSystem, FcSetApplication}) {
        const FcFontSet *fonts = FcConfigGetFonts(fontConfig(), set);
        for (int i = 0; fonts && i < fonts->nfont; ++i) {
            FcCharSet *chars = nullptr;
            if (FcPatternGetCharSet(fonts->fonts[i], FC_CHARSET, 0, &chars) == FcResultMatch)
                FcCharSetMerge(m_listed, chars, nullptr);
        }
    }
    m_listedFaces = installedFaceCount();
}

int FontCatalog::installedFaceCount()
{
    int count = 0;
    for (const FcSetName set : {FcSetSystem, FcSetApplication}) {
        if (const FcFontSet *fonts = FcConfigGetFonts(fontConfig(), set))
            count += fonts->nfont;
    }
    return count;
}

// The family's own file, or none where fontconfig would substitute another.
FontCatalog::Location FontCatalog::locateFamily(const char *family)
{
    return bestMatch(FcNameParse(reinterpret_cast<const FcChar8 *>(family)), family);
}

FontCatalog::Location FontCatalog::locate(const std::string &name)
{
    const char *alias = aliasFamily(name);
    FcPattern *pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY,
                       reinterpret_cast<const FcChar8 *>(alias ? alias : name.c_str()));
    // The texts are Chinese: a name fontconfig does not know (or a missing
    // Noto CJK) falls back to a face covering simplified Chinese rather than
    // a Latin one, and within a .ttc collection the language picks the SC
    // face. A family that exists still wins over the language.
    FcPatternAddString(pattern, FC_LANG, reinterpret_cast<const FcChar8 *>("zh-cn"));
    const Location location = bestMatch(pattern, nullptr);
    if (location.path.empty())
        throw PdfError("no font found for the face \"" + name + "\"");
    return location;
}

// Takes pattern over. An empty path when nothing matches, or when the
// match is not of family (where given).
FontCatalog::Location FontCatalog::bestMatch(FcPattern *pattern, const char *family)
{
    Location location;
    if (m_answers) {
        FcChar8 *text = FcNameUnparse(pattern);
        const std::string query = text ? reinterpret_cast<const char *>(text) : "";
        FcStrFree(text);
        if (const std::optional<FontAnswers::Answer> kept = m_answers->find(query)) {
            FcPatternDestroy(pattern);
            location = {kept->path, kept->index, kept->families};
        } else {
            location = askFontconfig(pattern);
            if (!location.path.empty())
                m_answers->remember(query, {location.path, location.index, location.families},
                                    fontConfig());
        }
    } else {
        location = askFontconfig(pattern);
    }
    if (family && (location.families.empty() || location.families.front() != family))
        location.path.clear();
    return location;
}

// Takes pattern over; an empty path when nothing matches.
FontCatalog::Location FontCatalog::askFontconfig(FcPattern *pattern)
{
    FcConfigSubstitute(fontConfig(), pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern *match = FcFontMatch(fontConfig(), pattern, &result);
    FcPatternDestroy(pattern);
    Location location;
    if (!match)
        return location;
    FcChar8 *text = nullptr;
    for (int i = 0; FcPatternGetString(match, FC_FAMILY, i, &text) == FcResultMatch; ++i)
        location.families.emplace_back(reinterpret_cast<const char *>(text));
    if (FcPatternGetString(match, FC_FILE, 0, &text) == FcResultMatch) {
        location.path = reinterpret_cast<const char *>(text);
        FcPatternGetInteger(match, FC_INDEX, 0, &location.index);
    }
    FcPatternDestroy(match);
    return location;
}

} // namespace tervolanpdf
