#include "platform/file/treefolders.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {

// Steps from folder into its entry name, making it first when missing.
// Returns the new folder's descriptor, or -1 with errno set.
int enter(int folder, const std::string &name)
{
    if (mkdirat(folder, name.c_str(), 0777) != 0 && errno != EEXIST)
        return -1;
    struct stat entry;
    if (fstatat(folder, name.c_str(), &entry, AT_SYMLINK_NOFOLLOW) != 0)
        return -1;
    if (S_ISLNK(entry.st_mode)) {
        errno = ELOOP;
        return -1;
    }
    // O_NOFOLLOW still holds should a link replace the folder meanwhile.
    return openat(folder, name.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

} // namespace

int TreeFolders::make(const std::string &base, const std::string &relative, std::string &reached)
{
    reached = base;
    int folder = open(base.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return errno;
    int error = 0;
    for (size_t start = 0; start < relative.size() && error == 0;) {
        size_t end = relative.find('/', start);
        if (end == std::string::npos)
            end = relative.size();
        const std::string name = relative.substr(start, end - start);
        start = end + 1;
        if (name.empty() || name == ".")
            continue;
        reached += (reached.ends_with('/') ? "" : "/") + name;
        const int next = enter(folder, name);
        if (next < 0)
            error = errno;
        close(folder);
        folder = next;
    }
    if (folder >= 0)
        close(folder);
    return error;
}
