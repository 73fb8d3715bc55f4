#include "platform/file/stalefilesweep.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <mutex>
#include <set>

namespace {

// Taking the writer's lock proves it is gone; the name must still lead to
// the file that was locked, or another writer has it now.
void removeIfAbandoned(int folderFd, const char *name)
{
    const int fd = openat(folderFd, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat opened;
    struct stat named;
    if (fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) && flock(fd, LOCK_EX | LOCK_NB) == 0
        && fstatat(folderFd, name, &named, AT_SYMLINK_NOFOLLOW) == 0
        && named.st_ino == opened.st_ino && named.st_dev == opened.st_dev) {
        unlinkat(folderFd, name, 0);
    }
    close(fd);
}

bool firstVisit(const std::string &folder)
{
    static std::mutex mutex;
    static std::set<std::string> visited;
    std::lock_guard lock(mutex);
    return visited.insert(folder).second;
}

} // namespace

namespace StaleFileSweep {

void sweepOnce(const std::string &folder, const std::string &prefix)
{
    if (!firstVisit(folder))
        return;
    DIR *dir = opendir(folder.c_str());
    if (!dir)
        return;
    while (const dirent *entry = readdir(dir)) {
        if (std::string_view(entry->d_name).starts_with(prefix))
            removeIfAbandoned(dirfd(dir), entry->d_name);
    }
    closedir(dir);
}

} // namespace StaleFileSweep
