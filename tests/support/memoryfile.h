#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Fuzz input as a file the readers can open by path: an anonymous memory
// file, reached through /proc/self/fd, so no run touches the disk.
class MemoryFile {
public:
    MemoryFile(const uint8_t *data, size_t size);
    ~MemoryFile();
    MemoryFile(const MemoryFile &) = delete;
    MemoryFile &operator=(const MemoryFile &) = delete;

    const std::string &path() const { return m_path; }

private:
    int m_fd = -1;
    std::string m_path;
};
