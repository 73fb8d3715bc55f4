// The document's XMP metadata packet: the same title, author, keywords,
// creator tool, producer and date as the document information, which
// archives and search engines read instead of it, and for PDF/A the part
// and conformance it claims.
#ifndef TERVOLANPDF_XMPMETADATA_H
#define TERVOLANPDF_XMPMETADATA_H

#include <string>
#include <string_view>

namespace tervolanpdf {

class XmpMetadata {
public:
    struct Fields {
        std::string_view title;
        std::string_view author;
        std::string_view keywords;
        std::string_view creatorTool;
        std::string_view producer;
        std::string_view createDate; // ISO 8601; "" leaves it out
        bool archival = false;       // PDF/A-1b
    };

    // The packet, UTF-8, ready to be written as an uncompressed stream.
    static std::string packet(const Fields &fields);

    // text as XML can hold it: control characters other than tab and line
    // ends as blanks (as on the page), bytes that begin no valid UTF-8
    // character as U+FFFD. The document information takes the same text,
    // so that the two agree.
    static std::string plainText(std::string_view text);

private:
    static void appendEscaped(std::string &out, std::string_view text);
    static void appendProperty(std::string &out, const char *name, std::string_view value);
};

} // namespace tervolanpdf

#endif
