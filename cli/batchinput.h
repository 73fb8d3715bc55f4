#pragma once

#include <string>

// One file of a batch and where it sits below the folder argument that
// found it ("a/b/" for texts/a/b/x.txt found in texts; empty for a file
// named on its own), for --keep-tree.
struct BatchInput {
    std::string path;
    std::string treeFolder;

    bool operator==(const BatchInput &) const = default;
};
