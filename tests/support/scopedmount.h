#pragma once

#include <string>

// A mount made for one test and undone when the test ends, even when an
// assertion fails half-way. Mounting needs root; ok() says whether it worked
// so the test can skip where it cannot.
class ScopedMount {
public:
    // A tmpfs of the given size, e.g. "512k", on folder.
    static ScopedMount tmpfs(const std::string &folder, const std::string &size);
    // folder made read-only in place, its files still visible.
    static ScopedMount readOnly(const std::string &folder);

    ScopedMount(ScopedMount &&other) noexcept;
    ~ScopedMount();

    bool ok() const { return m_mounted; }

private:
    explicit ScopedMount(std::string folder) : m_folder(std::move(folder)) {}

    std::string m_folder;
    bool m_mounted = false;
};
