// A scratch file for what a document must keep until its end but cannot
// keep in memory. It has no name from the moment it exists (or from right
// after, where the file system cannot make nameless files), so the system
// removes it with its last descriptor, however the process ends.
#ifndef TERVOLANPDF_SPILLFILE_H
#define TERVOLANPDF_SPILLFILE_H

#include <cstddef>
#include <cstdint>
#include <string>

namespace tervolanpdf {

class SpillFile {
public:
    SpillFile() = default;
    ~SpillFile();

    SpillFile(const SpillFile &) = delete;
    SpillFile &operator=(const SpillFile &) = delete;

    // Creates the file in folder. Returns false, with the cause in
    // error(), when that is not possible.
    bool open(const std::string &folder);
    bool isOpen() const { return m_fd >= 0; }

    // Write or read length bytes at offset. Return false on failure, with
    // the cause in error().
    bool writeAt(const void *data, size_t length, uint64_t offset);
    bool readAt(void *data, size_t length, uint64_t offset);

    // errno of the last failure, 0 while all went well.
    int error() const { return m_error; }

private:
    static int createNameless(const std::string &folder);
    static int createAndUnlink(const std::string &folder);

    int m_fd = -1;
    int m_error = 0;
};

} // namespace tervolanpdf

#endif
