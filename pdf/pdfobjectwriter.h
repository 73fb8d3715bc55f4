// Writes numbered PDF objects into the document's temporary file as they
// are made, remembering only where each one starts, and ends the file with
// the cross-reference table. Nothing of a page stays in memory once the
// page is written.
#ifndef TERVOLANPDF_PDFOBJECTWRITER_H
#define TERVOLANPDF_PDFOBJECTWRITER_H

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tervolanpdf {

class Deflater;
class TempFile;

class PdfObjectWriter {
public:
    // Writes the file header. Throws PdfWriteError when it cannot.
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
    uint64_t m_written = 0;             // bytes already handed to the file
    std::vector<uint64_t> m_offsets{0}; // by object number; 0 is the free head
};

} // namespace tervolanpdf

#endif
