#include "tests/support/memoryfile.h"

#include <cstdlib>
#include <sys/mman.h>
#include <unistd.h>

MemoryFile::MemoryFile(const uint8_t *data, size_t size)
{
    m_fd = memfd_create("fuzz-input", MFD_CLOEXEC);
    if (m_fd < 0)
        std::abort();
    size_t done = 0;
    while (done < size) {
        ssize_t wrote = ::write(m_fd, data + done, size - done);
        if (wrote <= 0)
            std::abort();
        done += size_t(wrote);
    }
    m_path = "/proc/self/fd/" + std::to_string(m_fd);
}

MemoryFile::~MemoryFile()
{
    ::close(m_fd);
}
