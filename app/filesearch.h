#pragma once

#include "app/eventpump.h"
#include "app/pathlist.h"

#include <optional>
#include <string>
#include <vector>

// Which symbolic links met inside the tree the search takes. The folder it
// starts from may always be a link. Callers choose: the window searches
// every sub-folder, recursive command-line tools conventionally pass links
// over.
enum class FolderLinks {
    Skip,    // links to folders are passed over, a link to a file counts as the file
    Follow,  // links to folders are searched too
    SkipAll, // every link is passed over, to a file as well (as grep -r does)
};

// A folder the search could not list or enter, and the errno that says why.
struct UnsearchedFolder {
    std::string path;
    int errorNumber = 0;
};

// What a search left out: folders it could not search, and the links it
// passed over that would have been taken had they been followed.
struct FolderSearchGaps {
    std::vector<UnsearchedFolder> unsearched;
    long long linksPassedOver = 0;
};

// Appends every text file of folder and its sub-folders to list, depth
// first: a folder's own files come before those of its sub-folders, and
// each folder's files and sub-folders are taken in name order (ASCII case
// ignored, as NTFS lists them). A name is a text file when its last three
// characters are "txt" in any case. With a sub-folder limit, only that many
// sub-folders of each folder are searched, the first in name order; without
// one, all are. With Follow,
// each real folder is searched at most once, so link loops end, and pseudo
// file systems (/proc, /sys, ...) are never entered.
FolderSearchGaps SearchFolder(const std::string &folder, PathList &list, EventPump &events,
                              std::optional<int> subFolderLimit, FolderLinks links);
