#pragma once

#include <filesystem>
#include <string>
#include <vector>

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
    // Names of all entries, hidden ones included, sorted.
    std::vector<std::string> entries() const;

private:
    std::filesystem::path m_path;
};

std::string readBytes(const std::string &path);
// Names of all entries of a folder, hidden ones included, sorted; none when
// it cannot be read.
std::vector<std::string> folderEntries(const std::string &folder);
