// The file a document is streamed into: created beside its target under a
// hidden temporary name, renamed over the target only once complete.
#ifndef TERVOLANPDF_TEMPFILE_H
#define TERVOLANPDF_TEMPFILE_H

#include <cstdio>
#include <string>

namespace tervolanpdf {

class TempFile {
public:
    // Creates ".<name>.XXXXXX" in the folder of target. Throws PdfError
    // naming the folder and the cause when that is not possible.
    explicit TempFile(std::string target);
    // Removes the temporary file unless commit() succeeded.
    ~TempFile();

    TempFile(const TempFile &) = delete;
    TempFile &operator=(const TempFile &) = delete;

    // Appends length bytes. Returns false when they could not be written;
    // the first failure is remembered (see writeError) and every later
    // write fails too.
    bool write(const void *data, size_t length);

    // errno of the first failed write, 0 while every write succeeded.
    int writeError() const { return m_writeError; }

    // Flushes, syncs and closes the file and renames it over the target.
    // Throws PdfError on any failure; the temporary file is then removed
    // and an earlier file at the target is left as it was.
    void commit();

    const std::string &path() const { return m_path; }
    const std::string &target() const { return m_target; }

private:
    void discard();
    [[noreturn]] void fail(const std::string &what, int error);

    std::string m_target;
    std::string m_path;
    FILE *m_file = nullptr;
    int m_writeError = 0;
    bool m_committed = false;
};

} // namespace tervolanpdf

#endif
