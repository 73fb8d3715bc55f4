// The file a document is streamed into: created beside its target under a
// short hidden temporary name, renamed over the target only once complete.
// A link at the target's name is replaced, never written through: the
// output folder may hold names planted by whoever made the texts.
#ifndef TERVOLANPDF_TEMPFILE_H
#define TERVOLANPDF_TEMPFILE_H

#include "platform/file/atomicfile.h"

#include <string>

namespace tervolanpdf {

class TempFile {
public:
    // Creates the temporary file in the folder of target. Throws PdfError
    // naming the folder (or the target it may not replace) and the cause
    // when that is not possible.
    explicit TempFile(std::string target);

    // Appends length bytes. Returns false when they could not be written;
    // the first failure is remembered (see writeError) and every later
    // write fails too.
    bool write(const void *data, size_t length) { return m_file.write(data, length); }

    // errno of the first failed write, 0 while every write succeeded.
    int writeError() const { return m_file.error(); }

    // Syncs the file and renames it over the target, or, keeping an
    // existing one, to the target only while nothing is there. Throws
    // PdfOutputTaken when a kept target is there, PdfError on any other
    // failure; the temporary file is then removed and an earlier file at
    // the target is left as it was.
    void commit(bool keepExisting);

    const std::string &path() const { return m_file.temporaryPath(); }
    const std::string &target() const { return m_file.target(); }
    // The folder the temporary file is in, for scratch files that should
    // share its disk.
    std::string folder() const;

private:
    [[noreturn]] void fail(bool keepExisting = false);

    AtomicFile m_file;
};

} // namespace tervolanpdf

#endif
