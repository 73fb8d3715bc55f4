// Finds the font face for a face name and keeps every face it loaded for
// the life of the process, so a document never loads a font twice.
#ifndef TERVOLANPDF_FONTCATALOG_H
#define TERVOLANPDF_FONTCATALOG_H

#include "pdf/fonts/fontanswers.h"

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

// fontconfig's own declaration, so that its header stays out of this one.
typedef struct _FcCharSet FcCharSet;
typedef struct _FcPattern FcPattern;

namespace tervolanpdf {

class FontFace;

class FontCatalog {
public:
    // The one catalog of the process. Safe to use from any thread.
    static FontCatalog &instance();

    // The face for name: "宋体"/"SimSun" and "" are Noto Serif CJK SC,
    // "黑体"/"SimHei" Noto Sans CJK SC, anything else what fontconfig picks
    // for it (a face for simplified Chinese when it knows no such family). The catalog owns the
    // face; it stays valid until the process ends. Throws PdfError when no font can be found or
    // loaded.
    const FontFace &face(const std::string &name);

    // Another installed face that has a glyph for codepoint, for a
    // character the chosen face lacks: the one fontconfig ranks first for
    // simplified Chinese among those covering it, passing over faces drawn
    // in colour only (they have no outlines to embed). nullptr when no face
    // has it. Found once per character for the process; a character no
    // installed face lists costs no search at all.
    const FontFace *fallbackFor(char32_t codepoint);

    // As fallbackFor(), for a character face lacks: where face is one of
    // the Noto CJK faces, the Latin Noto face of its style comes first
    // (Noto Serif for the serif, Noto Sans for the sans), so that Ł or Ÿ
    // among 宋体 text is drawn in a serif like its neighbours.
    const FontFace *fallbackFor(char32_t codepoint, const FontFace &face);

    // The family that stands in for name where fontconfig has no face of
    // the family name asks for (any of the face's family names counts),
    // "" where it has one. Throws PdfError when no font can be found.
    std::string standIn(const std::string &name);

    // From now on the faces fontconfig names are kept in file (see
    // FontAnswers) and answered from it in later processes; fontconfig's
    // configuration is then read only when a question is not answered
    // there. Call before any face is asked for.
    void keepAnswersIn(std::string file);

private:
    FontCatalog() = default;

    struct Location {
        std::string path;
        int index = 0;
        std::vector<std::string> families;
    };
    Location locate(const std::string &name);
    Location locateFamily(const char *family);
    Location bestMatch(FcPattern *pattern, const char *family);
    Location askFontconfig(FcPattern *pattern);
    const FontFace &faceFor(const std::string &name);
    const FontFace &faceAt(const Location &location);
    const FontFace *companionOf(const FontFace &face);
    const FontFace *knownFallback(char32_t codepoint);
    const FontFace *searchFallback(char32_t codepoint);
    bool anyFaceLists(char32_t codepoint) const;
    void gatherListed();
    static int installedFaceCount();

    std::mutex m_mutex;
    std::unique_ptr<FontAnswers> m_answers; // none unless kept
    std::map<std::string, const FontFace *> m_byName;
    // Two names may lead to one file and face; it is loaded only once.
    std::map<std::pair<std::string, int>, std::unique_ptr<FontFace>> m_byLocation;
    std::map<char32_t, const FontFace *> m_fallbacks;
    // The Latin family of each Noto CJK face the aliases led to, and the
    // face once loaded (nullptr where the family is not installed).
    std::map<const FontFace *, const char *> m_companionFamilies;
    std::map<const FontFace *, const FontFace *> m_companions;
    std::vector<const FontFace *> m_fallbackFaces; // in the order first chosen
    // Every character some installed face lists, gathered at the first
    // search that found nothing; nullptr until then.
    FcCharSet *m_listed = nullptr;
    int m_listedFaces = 0; // the installed faces it was gathered from
};

} // namespace tervolanpdf

#endif
