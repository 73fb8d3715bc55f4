// Shared helpers of the PDF writer tests: a scratch folder, the writer's
// last message, and poppler/qpdf output captured as text.
#ifndef TERVOLAN_TESTS_PDFTESTSUPPORT_H
#define TERVOLAN_TESTS_PDFTESTSUPPORT_H

#include <filesystem>
#include <string>
#include <vector>

namespace pdftest {

// A fresh folder under /tmp, removed with everything in it at the end.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    const std::filesystem::path &path() const { return m_path; }
    // Output path for property 10: the folder plus name, without ".pdf".
    std::string output(const std::string &name) const;
    // Names of all entries, hidden ones included, sorted.
    std::vector<std::string> entries() const;

private:
    std::filesystem::path m_path;
};

// The calling thread's last writer message.
std::string lastError();

// Standard output of a shell command; the test fails if it exits non-zero.
std::string run(const std::string &command);

// pdftotext of the whole file (or one page), split into lines, with the
// trailing form feed and empty lines dropped.
std::vector<std::string> textLines(const std::string &pdf, int page = 0);

// The value of one "Key: value" line of pdfinfo.
std::string pdfInfo(const std::string &pdf, const std::string &key);

// Opens a document on a new box with the common properties set; returns
// the box. Fails the test if BeginDoc fails.
int beginDocument(const std::string &output, const std::string &pageSize = "A4");

} // namespace pdftest

#endif
