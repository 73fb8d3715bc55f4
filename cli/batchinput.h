#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// One file of a batch and where it sits below the folder argument that
// found it ("a/b/" for texts/a/b/x.txt found in texts; empty for a file
// named on its own), for --keep-tree. The folders are kept as a part of
// the path: a list of a million inputs holds each path once.
struct BatchInput {
    std::string path;
    uint32_t treeStart = 0;
    uint32_t treeLength = 0;

    std::string_view treeFolder() const
    {
        return std::string_view(path).substr(treeStart, treeLength);
    }
    bool operator==(const BatchInput &) const = default;
};
