// Writes numbered PDF objects into the document's temporary file as they
// are made, noting where each one starts in the cross-reference table's
// spill file, and ends the file with that table. Nothing of a page stays in
// memory once the page is written.
#ifndef TERVOLANPDF_PDFOBJECTWRITER_H
#define TERVOLANPDF_PDFOBJECTWRITER_H

#include <cstdint>
#include <string>
#include <string_view>

#include "xreftable.h"

namespace tervolanpdf {

class Deflater;
class TempFile;

class PdfObjectWriter {
public:
    // Starts the file header; cross-reference lines that outgrow memory
    // spill into a file beside the document.
    PdfObjectWriter(TempFile &file, Deflater &deflater);

    // A new object number, to be referred to now and written later.
    int reserve();

    // Starts object number; the caller appends its body to body() and ends
    // it with endObject().
    void beginObject(int number);
    std::string &body() { return m_buffer; }
    void endObject();

    // A whole stream object: dictionary entries (without << >> and Length),
    // then data, compressed with FlateDecode when compress is set.
    void writeStream(int number, std::string_view entries, std::string_view data, bool compress);

    // Writes the cross-reference table and the trailer and flushes. Every
    // reserved object must have been written. Throws PdfWriteError.
    void finish(int root, int info);

private:
    void flushIfFull();
    void flush();

    TempFile &m_file;
    Deflater &m_deflater;
    std::string m_buffer;
    std::string m_compressed;
    uint64_t m_written = 0; // bytes already handed to the file
    XrefTable m_xref;
    int m_objectCount = 1; // object 0 is the head of the free list
};

} // namespace tervolanpdf

#endif
