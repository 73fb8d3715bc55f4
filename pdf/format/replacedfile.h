// A small file of the writer's own (the font answers it keeps), replaced
// whole: written beside its name, synced and renamed over it, so that a
// reader never meets half of it.
#ifndef TERVOLANPDF_REPLACEDFILE_H
#define TERVOLANPDF_REPLACEDFILE_H

#include <string>

namespace tervolanpdf {

class ReplacedFile {
public:
    // Makes the missing folders of path, mode 0700: the user's own.
    static void makeFoldersFor(const std::string &path);

    // Puts text at path, its folders made first. Returns false when it
    // could not; whatever was at path then stays as it was.
    static bool write(const std::string &path, const std::string &text);
};

} // namespace tervolanpdf

#endif
