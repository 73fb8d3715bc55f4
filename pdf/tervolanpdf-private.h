// Private side of the PDF writer: what the C entry points and the classes
// behind them share. Nothing here is visible outside the library.
#ifndef TERVOLANPDF_PRIVATE_H
#define TERVOLANPDF_PRIVATE_H

#include <cstdint>
#include <stdexcept>
#include <string>

namespace tervolanpdf {

// A failure that reaches the caller as -1 with this text for GetErrorMsg.
// Internal code throws it; only the C entry points catch it.
class PdfError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A failure after which the document cannot be written any more (a write
// error, a full disk); the document is abandoned.
class PdfWriteError : public PdfError {
public:
    using PdfError::PdfError;
};

// EndDoc found the output path taken where it was told to keep what is
// there (PDF_KEEP_EXISTING); the document is abandoned.
class PdfOutputTaken : public PdfError {
public:
    using PdfError::PdfError;
};

// The text for an errno value, safe in every thread (strerror is not); a
// full disk or quota says "(disk full)" as well.
std::string errnoText(int error);

// A page size in tenths of a millimetre, portrait.
struct PageSize {
    int width = 2100;
    int height = 2970;
};

// "A3", "A4" or "A5"; every other name, "" included, is A4.
PageSize pageSizeFor(const std::string &name);

// What a document takes from the box when it is opened.
struct DocumentInfo {
    std::string outputPath; // without ".pdf"
    std::string author;
    std::string keywords;
    std::string creator;
    std::string language; // a language tag; "" reads as "en"
    PageSize pageSize;
    bool archival = false;   // PDF/A-1b
    bool tagged = false;     // with a structure tree
    std::string pageNumbers; // format of the number at each page's foot, "" none
    // Fail rather than replace a file at the output path.
    bool keepExisting = false;
};

// How TextOut draws: face name, size in points (always >= 1) and colour as
// 0x00BBGGRR.
struct TextStyle {
    std::string fontName;
    int fontSize = 12;
    uint32_t colour = 0;
};

// Far beyond any page (A3 is 1191 points tall) yet well inside what
// FreeType can scale; larger sizes are refused by TextOut.
constexpr int kMaxFontSize = 10000;

// One PDF point is 254/72 tenths of a millimetre.
constexpr double kUnitsPerPoint = 254.0 / 72.0;

} // namespace tervolanpdf

#endif
