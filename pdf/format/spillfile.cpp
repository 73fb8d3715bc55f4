#include "pdf/format/spillfile.h"

#include "platform/file/atomicfile.h"
#include "platform/file/temporaryfileregistry.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace tervolanpdf {

bool SpillFile::open(const std::string &folder)
{
    m_fd = createNameless(folder);
    if (m_fd < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL))
        m_fd = createAndUnlink(folder);
    if (m_fd < 0)
        m_error = errno;
    return m_fd >= 0;
}

SpillFile::~SpillFile()
{
    if (m_fd >= 0)
        close(m_fd);
}

int SpillFile::createNameless(const std::string &folder)
{
    return ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
}

// For file systems without nameless files: the name lives only between two
// calls, with the signals that would end the process held off meanwhile.
// The prefix lets a later writer's sweep find it should even that fail.
int SpillFile::createAndUnlink(const std::string &folder)
{
    std::string pattern = folder + "/" + AtomicFile::TemporaryPrefix + "XXXXXX";
    TemporaryFileRegistry::SignalHold hold;
    const int fd = mkostemp(pattern.data(), O_CLOEXEC);
    if (fd >= 0)
        unlink(pattern.c_str());
    return fd;
}

bool SpillFile::writeAt(const void *data, size_t length, uint64_t offset)
{
    const char *bytes = static_cast<const char *>(data);
    while (length > 0) {
        const ssize_t written = pwrite(m_fd, bytes, length, static_cast<off_t>(offset));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            m_error = written < 0 ? errno : ENOSPC;
            return false;
        }
        bytes += written;
        length -= static_cast<size_t>(written);
        offset += static_cast<uint64_t>(written);
    }
    return true;
}

bool SpillFile::readAt(void *data, size_t length, uint64_t offset)
{
    char *bytes = static_cast<char *>(data);
    while (length > 0) {
        const ssize_t got = pread(m_fd, bytes, length, static_cast<off_t>(offset));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            m_error = got < 0 ? errno : EIO;
            return false;
        }
        bytes += got;
        length -= static_cast<size_t>(got);
        offset += static_cast<uint64_t>(got);
    }
    return true;
}

} // namespace tervolanpdf
