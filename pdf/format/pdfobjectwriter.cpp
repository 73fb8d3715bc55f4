#include "pdf/format/pdfobjectwriter.h"

#include "pdf/format/deflater.h"
#include "pdf/format/pdfsyntax.h"
#include "pdf/format/streamcompressor.h"
#include "pdf/format/tempfile.h"
#include "pdf/tervolanpdf-private.h"

#include <zlib.h>

#include <algorithm>
#include <new>

namespace tervolanpdf {

namespace {

// Large enough that writes are few, small enough to stay out of the way of
// the one-page memory budget.
constexpr size_t kFlushSize = 64 * 1024;

// Page data handed to the background thread and not yet written: a few
// batches, so that it is kept busy while memory stays small.
constexpr size_t kMaxBytesInBackground = 3 * StreamCompressor::kBatchBytes;

// Cross-reference entries copied into the file per round.
constexpr int kXrefLinesPerCopy = 2048;

void appendReference(std::string &out, const char *key, int number)
{
    out += key;
    PdfSyntax::appendInteger(out, number);
    out += " 0 R";
}

void appendHex(std::string &out, unsigned long value, int digits)
{
    static const char kDigits[] = "0123456789ABCDEF";
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4)
        out += kDigits[(value >> shift) & 0xF];
}

} // namespace

PdfObjectWriter::PdfObjectWriter(TempFile &file, Deflater &deflater, StreamCompressor &background,
                                 Layout layout)
    : m_file(file)
    , m_deflater(deflater)
    , m_background(background)
    , m_layout(layout)
    , m_xref(file.folder(), file.target())
{
    m_buffer.reserve(kFlushSize * 2);
    // PDF/A-1 builds on PDF 1.4; the second line's high bytes tell transfer
    // programs the file is binary.
    m_buffer += layout == Layout::Classic ? "%PDF-1.4\n" : "%PDF-1.7\n";
    m_buffer += "%\xE2\xE3\xCF\xD3\n";
}

int PdfObjectWriter::reserve()
{
    return m_objectCount++;
}

void PdfObjectWriter::beginObject(int number)
{
    m_objectNumber = number;
    m_object.clear();
}

void PdfObjectWriter::endObject()
{
    if (m_layout == Layout::Classic) {
        writeBackgroundStreams();
        fold(adler32_z(1, reinterpret_cast<const Bytef *>(m_object.data()), m_object.size()));
        startIndirect(m_objectNumber);
        m_buffer += m_object;
        endIndirect();
        return;
    }
    if (m_objectStreamNumber == 0)
        m_objectStreamNumber = reserve();
    m_xref.recordInStream(m_objectNumber, m_objectStreamNumber,
                          m_objects.add(m_objectNumber, m_object));
    if (m_objects.full())
        writeObjectStream();
}

// A body is gathered as for beginObject() and endObject() until it passes
// kLongObjectBytes, so that a short one keeps the bytes it would have had
// from them, in one pass.
void PdfObjectWriter::writeLongObject(int number, const Body &body)
{
    beginObject(number);
    bool fits = true;
    body([&](std::string_view part) {
        fits = fits && m_object.size() + part.size() <= kLongObjectBytes;
        if (fits)
            m_object += part;
    });
    if (fits) {
        endObject();
        return;
    }
    m_object.clear();
    writeBackgroundStreams();
    if (m_layout == Layout::Classic)
        writeLongIndirect(number, body);
    else
        writeLongInOwnStream(number, body);
}

// Its checksum is folded as endObject() folds it, so the file is the same
// as if it had been held.
void PdfObjectWriter::writeLongIndirect(int number, const Body &body)
{
    startIndirect(number);
    uLong checksum = adler32_z(0, nullptr, 0);
    body([&](std::string_view part) {
        checksum = adler32_z(checksum, reinterpret_cast<const Bytef *>(part.data()), part.size());
        m_buffer += part;
        flushIfFull();
    });
    fold(checksum);
    endIndirect();
}

// Compressed a part at a time into an object stream of its own (its
// references compress to a fifth). The stream's length is known only
// once its data is out, so it follows as an object of its own, which no
// object stream may hold.
void PdfObjectWriter::writeLongInOwnStream(int number, const Body &body)
{
    const int stream = reserve();
    const int length = reserve();
    std::string offsets;
    PdfSyntax::appendInteger(offsets, number);
    offsets += " 0 ";
    m_xref.recordInStream(number, stream, 0);
    startIndirect(stream);
    m_buffer += "<</Type/ObjStm/N 1/First ";
    PdfSyntax::appendInteger(m_buffer, static_cast<long long>(offsets.size()));
    appendReference(m_buffer, "/Filter/FlateDecode/Length ", length);
    m_buffer += ">>\nstream\n";
    const uint64_t dataStart = m_written + m_buffer.size();
    uLong checksum = adler32_z(0, nullptr, 0);
    const auto compress = [&](std::string_view part, bool last) {
        m_deflater.add(part, last, m_buffer);
        flushIfFull();
    };
    m_deflater.start();
    compress(offsets, /*last*/ false);
    body([&](std::string_view part) {
        checksum = adler32_z(checksum, reinterpret_cast<const Bytef *>(part.data()), part.size());
        compress(part, /*last*/ false);
    });
    compress("\n", /*last*/ true);
    const uint64_t dataLength = m_written + m_buffer.size() - dataStart;
    m_buffer += "\nendstream";
    endIndirect();
    fold(checksum);
    startIndirect(length);
    PdfSyntax::appendInteger(m_buffer, static_cast<long long>(dataLength));
    endIndirect();
}

void PdfObjectWriter::startIndirect(int number)
{
    m_xref.record(number, m_written + m_buffer.size());
    PdfSyntax::appendInteger(m_buffer, number);
    m_buffer += " 0 obj\n";
}

void PdfObjectWriter::endIndirect()
{
    m_buffer += "\nendobj\n";
    flushIfFull();
}

void PdfObjectWriter::writeObjectStream()
{
    writeStream(m_objectStreamNumber, m_objects.entries(), m_objects.data(), /*compress*/ true);
    m_objects.clear();
    m_objectStreamNumber = 0;
}

void PdfObjectWriter::writeStream(int number, std::string_view entries, std::string_view data,
                                  bool compress)
{
    writeBackgroundStreams();
    if (compress) {
        m_deflater.compress(data, m_compressed);
        fold(m_deflater.dataChecksum());
        data = m_compressed;
    } else {
        fold(adler32_z(1, reinterpret_cast<const Bytef *>(data.data()), data.size()));
    }
    writeStreamObject(number, entries, data, compress);
}

void PdfObjectWriter::writeLargeStream(int number, std::string_view entries, std::string_view data)
{
    writeBackgroundStreams();
    m_deflater.compressLarge(data, StreamCompressor::coreToSpare(), m_compressed);
    fold(m_deflater.dataChecksum());
    writeStreamObject(number, entries, m_compressed, /*compressed*/ true);
}

// In the classic layout every object goes straight into the file, so the
// page object right after would only wait for its content.
void PdfObjectWriter::writeStreamInBackground(int number, std::string data)
{
    if (m_layout == Layout::Classic || !StreamCompressor::coreToSpare()) {
        writeStream(number, {}, data, /*compress*/ true);
        return;
    }
    while (!m_inBackground.empty() && m_bytesInBackground + data.size() > kMaxBytesInBackground)
        writeOldestBackgroundStream();
    // A stream noted here but never handed over would be waited for
    // forever: the document is given up instead.
    try {
        m_inBackground.push_back({number, data.size()});
        m_bytesInBackground += data.size();
        m_background.submit(std::move(data));
    } catch (const std::bad_alloc &) {
        throw PdfWriteError("cannot write \"" + m_file.target() + "\": out of memory");
    }
}

void PdfObjectWriter::writeBackgroundStreams()
{
    while (!m_inBackground.empty())
        writeOldestBackgroundStream();
}

// Whatever went wrong on the other thread, the document now lacks an
// object it has referred to: it cannot be finished.
void PdfObjectWriter::writeOldestBackgroundStream()
{
    const auto [number, size] = m_inBackground.front();
    m_inBackground.pop_front();
    m_bytesInBackground -= size;
    StreamCompressor::Result result;
    try {
        result = m_background.takeOldest();
    } catch (const std::exception &error) {
        throw PdfWriteError("cannot write \"" + m_file.target() + "\": " + error.what());
    }
    fold(result.checksum);
    writeStreamObject(number, {}, result.compressed, /*compressed*/ true);
}

void PdfObjectWriter::writeStreamObject(int number, std::string_view entries, std::string_view data,
                                        bool compressed)
{
    startIndirect(number);
    m_buffer += "<<";
    m_buffer += entries;
    if (compressed)
        m_buffer += "/Filter/FlateDecode";
    m_buffer += "/Length ";
    PdfSyntax::appendInteger(m_buffer, static_cast<long long>(data.size()));
    m_buffer += ">>\nstream\n";
    m_buffer += data;
    m_buffer += "\nendstream";
    endIndirect();
}

void PdfObjectWriter::finish(int root, int info)
{
    writeBackgroundStreams();
    if (!m_objects.empty())
        writeObjectStream();
    std::string trailer;
    appendReference(trailer, "/Root ", root);
    appendReference(trailer, "/Info ", info);
    trailer += documentId();
    if (m_layout == Layout::Classic)
        finishTable(trailer);
    else
        finishStream(trailer);
    m_buffer += "\n%%EOF\n";
    flush();
}

// Compressed data is folded in by the checksum zlib made of it anyway: a
// checksum of the whole file would cost a percent of the run.
void PdfObjectWriter::fold(unsigned long checksum)
{
    m_digest = (m_digest ^ checksum) * 1099511628211ull;
}

// Two equal halves, as for a document never changed since it was made,
// from the content and the length of the file so far: the same content
// gives the same identifier, a different one almost surely not.
std::string PdfObjectWriter::documentId()
{
    std::string half;
    appendHex(half, static_cast<unsigned long>(m_digest >> 32), 8);
    appendHex(half, static_cast<unsigned long>(m_digest & 0xFFFFFFFF), 8);
    appendHex(half, static_cast<unsigned long>(m_written + m_buffer.size()), 16);
    return "/ID[<" + half + "><" + half + ">]";
}

void PdfObjectWriter::finishTable(const std::string &trailer)
{
    const uint64_t xref = m_written + m_buffer.size();
    m_buffer += "xref\n0 ";
    PdfSyntax::appendInteger(m_buffer, m_objectCount);
    m_buffer += "\n0000000000 65535 f \n";
    for (int first = 1; first < m_objectCount; first += kXrefLinesPerCopy) {
        m_xref.appendEntries(first, std::min(kXrefLinesPerCopy, m_objectCount - first), m_buffer);
        flushIfFull();
    }
    m_buffer += "trailer\n<</Size ";
    PdfSyntax::appendInteger(m_buffer, m_objectCount);
    m_buffer += trailer;
    m_buffer += ">>\nstartxref\n";
    PdfSyntax::appendInteger(m_buffer, static_cast<long long>(xref));
}

// The cross-reference stream lists itself, so its number is taken and its
// place noted before its entries are read out. Its length must stand before
// its data, and a million pages give megabytes of entries: they are
// compressed twice, a part at a time, once to learn the length and once to
// write them, rather than held.
void PdfObjectWriter::finishStream(const std::string &trailer)
{
    const int self = reserve();
    const uint64_t xref = m_written + m_buffer.size();
    startIndirect(self);
    // Every object starts before this one, so its offset bounds them all.
    const int offsetBytes = XrefTable::offsetBytes(xref);
    long long length = 0;
    compressXrefEntries(offsetBytes, [&](const std::string &part) { length += part.size(); });
    m_buffer += "<</Type/XRef/Size ";
    PdfSyntax::appendInteger(m_buffer, m_objectCount);
    m_buffer += "/W";
    m_buffer += XrefTable::fieldWidths(offsetBytes);
    m_buffer += trailer;
    m_buffer += "/Filter/FlateDecode/Length ";
    PdfSyntax::appendInteger(m_buffer, length);
    m_buffer += ">>\nstream\n";
    compressXrefEntries(offsetBytes, [&](const std::string &part) {
        m_buffer += part;
        flushIfFull();
    });
    m_buffer += "\nendstream";
    endIndirect();
    m_buffer += "startxref\n";
    PdfSyntax::appendInteger(m_buffer, static_cast<long long>(xref));
}

// Hands use() the compressed entries of every object, the free head of the
// list first, a part at a time.
template <typename Use> void PdfObjectWriter::compressXrefEntries(int offsetBytes, Use &&use)
{
    // Type 0, next free 0, generation 65535.
    std::string entries(1 + static_cast<size_t>(offsetBytes), '\0');
    entries += "\xFF\xFF";
    std::string compressed;
    m_deflater.start();
    for (int first = 1; first < m_objectCount; first += kXrefLinesPerCopy) {
        const int count = std::min(kXrefLinesPerCopy, m_objectCount - first);
        m_xref.appendBinaryEntries(first, count, offsetBytes, entries);
        m_deflater.add(entries, first + count == m_objectCount, compressed);
        use(compressed);
        entries.clear();
        compressed.clear();
    }
}

void PdfObjectWriter::flushIfFull()
{
    if (m_buffer.size() >= kFlushSize)
        flush();
}

void PdfObjectWriter::flush()
{
    if (!m_file.write(m_buffer.data(), m_buffer.size())) {
        throw PdfWriteError("cannot write \"" + m_file.target()
                            + "\": " + errnoText(m_file.writeError()));
    }
    m_written += m_buffer.size();
    m_buffer.clear();
}

} // namespace tervolanpdf
