// Folders made below a folder without going through a symbolic link: a
// tree of untrusted names (an unpacked archive converted in place) must not
// send files to wherever its links point.
#pragma once

#include <string>

namespace TreeFolders {

// Makes each folder of relative ("a/b/") below base as needed; base itself
// is taken as it is. Returns 0, or the error number (ELOOP for a symbolic
// link) with reached set to the path that is a link or could not be made.
int make(const std::string &base, const std::string &relative, std::string &reached);

} // namespace TreeFolders
