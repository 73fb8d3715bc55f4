#pragma once

#include "app/eventpump.h"
#include "app/pathlist.h"

#include <optional>
#include <string>

// Whether the search descends into symbolic links to folders that it meets
// inside the tree. The folder it starts from may always be a link. Callers
// choose: the window searches every sub-folder, recursive command-line
// tools conventionally pass links over.
enum class FolderLinks { Skip, Follow };

// Appends every text file of folder and its sub-folders to list, depth
// first: a folder's own files come before those of its sub-folders. A name
// is a text file when its last three characters are "txt" in any case; a
// link to a file counts as the file. With a sub-folder limit, only that
// many sub-folders of each folder are searched, the first in listing order;
// without one, all are. Links to folders are passed over, as recursive
// tools do, unless links says Follow: then each real folder is searched at
// most once, so link loops end, and pseudo file systems (/proc, /sys, ...)
// are never entered.
void SearchFolder(const std::string &folder, PathList &list, EventPump &events,
                  std::optional<int> subFolderLimit, FolderLinks links);
