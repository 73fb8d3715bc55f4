#include "xmpmetadata.h"

namespace tervolanpdf {

std::string XmpMetadata::packet(const Fields &fields)
{
    std::string out = "<?xpacket begin=\"\xEF\xBB\xBF\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>\n"
                      "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
                      "<rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
                      "<rdf:Description rdf:about=\"\""
                      " xmlns:dc=\"http://purl.org/dc/elements/1.1/\""
                      " xmlns:pdf=\"http://ns.adobe.com/pdf/1.3/\""
                      " xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\"";
    if (fields.archival)
        out += " xmlns:pdfaid=\"http://www.aiim.org/pdfa/ns/id/\"";
    out += ">\n<dc:format>application/pdf</dc:format>\n"
           "<dc:title><rdf:Alt><rdf:li xml:lang=\"x-default\">";
    appendEscaped(out, fields.title);
    out += "</rdf:li></rdf:Alt></dc:title>\n";
    if (!fields.author.empty()) {
        out += "<dc:creator><rdf:Seq><rdf:li>";
        appendEscaped(out, fields.author);
        out += "</rdf:li></rdf:Seq></dc:creator>\n";
    }
    appendProperty(out, "pdf:Keywords", fields.keywords);
    appendProperty(out, "pdf:Producer", fields.producer);
    appendProperty(out, "xmp:CreatorTool", fields.creatorTool);
    appendProperty(out, "xmp:CreateDate", fields.createDate);
    if (fields.archival)
        out += "<pdfaid:part>1</pdfaid:part>\n<pdfaid:conformance>B</pdfaid:conformance>\n";
    out += "</rdf:Description>\n</rdf:RDF>\n</x:xmpmeta>\n";
    // Room for an editor to grow the packet in place, as XMP asks.
    out.append(20, ' ');
    out += "\n<?xpacket end=\"w\"?>";
    return out;
}

void XmpMetadata::appendProperty(std::string &out, const char *name, std::string_view value)
{
    if (value.empty())
        return;
    out += '<';
    out += name;
    out += '>';
    appendEscaped(out, value);
    out += "</";
    out += name;
    out += ">\n";
}

// Control characters other than tab and line ends are not allowed in XML
// at all; they become blanks, as they do on the page.
void XmpMetadata::appendEscaped(std::string &out, std::string_view text)
{
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r')
                out += ' ';
            else
                out += c;
        }
    }
}

} // namespace tervolanpdf
