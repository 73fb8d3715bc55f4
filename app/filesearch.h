#pragma once

#include "app/eventpump.h"
#include "app/pathlist.h"

#include <string>

// Appends every text file of folder and its sub-folders to list, depth
// first: a folder's own files come before those of its sub-folders. A name
// is a text file when its last three characters are "txt" in any case.
// Only the first 200 sub-folders of a folder are searched. A folder reached
// again through a symbolic link while it is still being searched is
// skipped, so link loops end.
void SearchFolder(const std::string &folder, PathList &list, EventPump &events);
