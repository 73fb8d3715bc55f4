#include "pdf/format/replacedfile.h"

#include "platform/file/atomicfile.h"

#include <sys/stat.h>

namespace tervolanpdf {

void ReplacedFile::makeFoldersFor(const std::string &path)
{
    const std::string folder = AtomicFile::folderOf(path);
    for (size_t slash = folder.find('/', 1); slash != std::string::npos;
         slash = folder.find('/', slash + 1))
        mkdir(folder.substr(0, slash).c_str(), 0700);
    mkdir(folder.c_str(), 0700);
}

bool ReplacedFile::write(const std::string &path, const std::string &text)
{
    makeFoldersFor(path);
    AtomicFile file(path);
    return file.open() && file.write(text) && file.commit();
}

} // namespace tervolanpdf
