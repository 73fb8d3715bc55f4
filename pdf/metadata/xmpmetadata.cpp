#include "pdf/metadata/xmpmetadata.h"

#include "platform/text/utf8.h"

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

std::string XmpMetadata::plainText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        const size_t length = Utf8::sequenceLength(text);
        const auto lead = static_cast<unsigned char>(text.front());
        if (length == 0)
            out += "\xEF\xBF\xBD";
        else if (lead < 0x20 && lead != '\t' && lead != '\n' && lead != '\r')
            out += ' ';
        else
            out.append(text.substr(0, length));
        text.remove_prefix(length == 0 ? 1 : length);
    }
    return out;
}

void XmpMetadata::appendEscaped(std::string &out, std::string_view text)
{
    for (const char c : plainText(text)) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
}

} // namespace tervolanpdf
