// Writes numbered PDF objects into the document's temporary file as they
// are made, noting where each one is in the cross-reference table's spill
// file, and ends the file with that table. Nothing of a page stays in
// memory once the page is written. Small objects go either straight into
// the file or, more compactly, into object streams indexed by a
// cross-reference stream.
#ifndef TERVOLANPDF_PDFOBJECTWRITER_H
#define TERVOLANPDF_PDFOBJECTWRITER_H

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "pdf/format/objectstream.h"
#include "pdf/format/xreftable.h"

namespace tervolanpdf {

class Deflater;
class StreamCompressor;
class TempFile;

class PdfObjectWriter {
public:
    enum class Layout {
        ObjectStreams, // object and cross-reference streams (PDF 1.5 and up)
        Classic,       // every object on its own and a cross-reference table
    };

    // Starts the file header; cross-reference entries that outgrow memory
    // spill into a file beside the document. background compresses what
    // writeStreamInBackground() is given, with deflater, which this uses
    // only once every such stream is written.
    PdfObjectWriter(TempFile &file, Deflater &deflater, StreamCompressor &background,
                    Layout layout);

    // A new object number, to be referred to now and written later.
    int reserve();

    // Starts object number; the caller appends its body to body() and ends
    // it with endObject(). body() is the same buffer for every object.
    void beginObject(int number);
    std::string &body() { return m_object; }
    void endObject();

    // An object too long to hold in memory (the list of every paragraph):
    // body(append) hands its text to append() a part at a time; it is
    // called again for a long one. A body of up to kLongObjectBytes goes
    // where endObject() would put it, a longer one into the file as it
    // comes (compressed in an object stream of its own where the layout
    // has them). Throws PdfWriteError.
    static constexpr size_t kLongObjectBytes = 64 * 1024;
    using Append = std::function<void(std::string_view)>;
    using Body = std::function<void(const Append &)>;
    void writeLongObject(int number, const Body &body);

    // A whole stream object: dictionary entries (without << >> and Length),
    // then data, compressed with FlateDecode when compress is set.
    void writeStream(int number, std::string_view entries, std::string_view data, bool compress);

    // The same, compressed, for data large enough to be worth a second
    // thread (a font program of thousands of glyphs): while a core is
    // spare the work is shared with one. Smaller data is compressed as
    // writeStream() does.
    void writeLargeStream(int number, std::string_view entries, std::string_view data);

    // The same for a compressed stream without entries of its own (a
    // page's content), compressed on the background thread while a core is
    // free. It lands in the file where writeStream() would have put it:
    // every later write into the file waits for it, so the bytes are the
    // same either way. A failure to compress it surfaces as PdfWriteError
    // from that later write or from finish().
    void writeStreamInBackground(int number, std::string data);

    // Writes the cross-reference section and the trailer, with an /ID made
    // from the objects' content, and flushes. Every reserved object must
    // have been written. Throws PdfWriteError.
    void finish(int root, int info);

private:
    void writeStreamObject(int number, std::string_view entries, std::string_view data,
                           bool compressed);
    void writeBackgroundStreams();
    void writeOldestBackgroundStream();
    void writeLongIndirect(int number, const Body &body);
    void writeLongInOwnStream(int number, const Body &body);
    void startIndirect(int number);
    void endIndirect();
    void writeObjectStream();
    void fold(unsigned long checksum);
    std::string documentId();
    void finishTable(const std::string &trailer);
    void finishStream(const std::string &trailer);
    template <typename Use> void compressXrefEntries(int offsetBytes, Use &&use);
    void flushIfFull();
    void flush();

    TempFile &m_file;
    Deflater &m_deflater;
    StreamCompressor &m_background;
    // The streams given to m_background and not yet in the file, oldest
    // first: their numbers and the size of their data.
    std::deque<std::pair<int, size_t>> m_inBackground;
    size_t m_bytesInBackground = 0;
    Layout m_layout;
    std::string m_buffer; // bytes on their way to the file
    std::string m_object; // body of the object being written
    int m_objectNumber = 0;
    std::string m_compressed;
    uint64_t m_written = 0; // bytes already handed to the file
    // The checksums of every object's content folded together, for the
    // document's /ID.
    uint64_t m_digest = 14695981039346656037ull;
    XrefTable m_xref;
    ObjectStream m_objects;
    int m_objectStreamNumber = 0; // 0 while m_objects is empty
    int m_objectCount = 1;        // object 0 is the head of the free list
};

} // namespace tervolanpdf

#endif
