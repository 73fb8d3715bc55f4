#pragma once

#include <filesystem>
#include <string>

// A fresh folder under /tmp, removed with everything in it at the end of
// the test.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

    const std::filesystem::path &path() const { return m_path; }
    std::string file(const std::string &name) const { return (m_path / name).string(); }
    // Writes bytes to name (creating folders on the way) and returns its path.
    std::string write(const std::string &name, const std::string &bytes) const;

private:
    std::filesystem::path m_path;
};

std::string readBytes(const std::string &path);
