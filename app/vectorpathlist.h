#pragma once

#include "app/pathlist.h"

#include <vector>

// A PathList kept in memory.
class VectorPathList : public PathList {
public:
    VectorPathList() = default;
    explicit VectorPathList(std::vector<std::string> paths) : m_paths(std::move(paths)) {}

    int count() const override { return int(m_paths.size()); }
    std::string entry(int index) const override { return m_paths.at(size_t(index)); }
    void removeEntry(int index) override { m_paths.erase(m_paths.begin() + index); }
    void append(const std::string &path) override { m_paths.push_back(path); }
    const std::vector<std::string> &paths() const { return m_paths; }

private:
    std::vector<std::string> m_paths;
};
