#include "platform/file/atomicfile.h"

#include "platform/file/stalefilesweep.h"
#include "platform/file/temporaryfileregistry.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace {

constexpr int MaxSymlinkHops = 40;
// A sweeper that locked a new file before its writer did may have removed
// it; the writer then simply makes another.
constexpr int CreateAttempts = 4;

// The file a path finally names: writing "through" a symbolic link means
// replacing the file it points at and keeping the link. A link to a missing
// file names the file it would create.
bool resolveLinks(std::string path, std::string &resolved, int &error)
{
    for (int hop = 0; hop < MaxSymlinkHops; ++hop) {
        struct stat status;
        if (lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) {
            resolved = path;
            return true;
        }
        std::string link(size_t(status.st_size) + 1, '\0');
        const ssize_t length = readlink(path.c_str(), link.data(), link.size());
        if (length < 0) {
            error = errno;
            return false;
        }
        link.resize(size_t(length));
        path = link.starts_with('/') ? link : AtomicFile::folderOf(path) + "/" + link;
    }
    error = ELOOP;
    return false;
}

// The process umask, read without changing it (umask() itself would race
// with other threads creating files).
mode_t currentUmask()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("Umask:", 0) == 0)
            return static_cast<mode_t>(std::strtol(line.c_str() + 6, nullptr, 8));
    }
    return 022;
}

// A rename that leaves a name already there alone. File systems that take
// no flags for rename (some network and FUSE ones) get a hard link and an
// unlink instead, which never replaces a name either.
int renameNoReplace(const char *from, const char *to)
{
    if (renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return -1;
    if (link(from, to) != 0)
        return -1;
    unlink(from);
    return 0;
}

bool writeAll(int fd, const char *data, size_t length, int &error)
{
    while (length > 0) {
        const ssize_t written = ::write(fd, data, length);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            error = errno;
            return false;
        }
        data += written;
        length -= size_t(written);
    }
    return true;
}

} // namespace

std::string AtomicFile::folderOf(const std::string &path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

AtomicFile::AtomicFile(std::string target, Links links)
    : m_target(std::move(target))
    , m_links(links)
{
}

AtomicFile::~AtomicFile()
{
    discard();
}

bool AtomicFile::open()
{
    int error = 0;
    if (m_links == Links::Replace)
        m_destination = m_target;
    else if (!resolveLinks(m_target, m_destination, error))
        return fail(Step::Create, error);
    // A link left at the destination is replaced, not written through: it
    // has no mode or owner to keep.
    struct stat existing;
    if (lstat(m_destination.c_str(), &existing) == 0 && !S_ISLNK(existing.st_mode)) {
        if (access(m_destination.c_str(), W_OK) != 0)
            return fail(Step::Replace, errno);
        // Root may write anything; a file without a single write bit was
        // still made read-only on purpose.
        if ((existing.st_mode & 0222) == 0)
            return fail(Step::Replace, EACCES);
        m_targetExisted = true;
        m_targetMode = existing.st_mode & 07777;
        m_targetOwner = existing.st_uid;
        m_targetGroup = existing.st_gid;
    }
    const std::string folder = folderOf(m_destination);
    StaleFileSweep::sweepOnce(folder, TemporaryPrefix);
    for (int attempt = 0; attempt < CreateAttempts && m_fd < 0; ++attempt) {
        if (!createLockedFile(folder))
            return false;
    }
    if (m_fd < 0)
        return fail(Step::Create, EEXIST);
    copyOwnerAndMode();
    return true;
}

// The lock is held until the file is renamed or removed: it is what tells
// a sweeper that the file's writer is alive. Leaves m_fd at -1 when a
// sweeper took the new file before the lock was ours.
bool AtomicFile::createLockedFile(const std::string &folder)
{
    std::string pattern = folder + "/" + TemporaryPrefix + "XXXXXX";
    TemporaryFileRegistry::SignalHold hold;
    const int fd = mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0)
        return fail(Step::Create, errno);
    m_temporaryPath = pattern;
    m_registration = TemporaryFileRegistry::remember(m_temporaryPath);
    m_fd = fd;
    if (flock(fd, LOCK_EX) != 0)
        return fail(Step::Create, errno);
    struct stat created;
    if (fstat(fd, &created) != 0 || created.st_nlink == 0) {
        // The name may be another writer's by now: close, never unlink.
        TemporaryFileRegistry::forget(m_registration);
        m_registration = nullptr;
        m_temporaryPath.clear();
        discard();
    }
    return true;
}

// mkstemp makes the file private. A replacement keeps the mode and, where
// allowed, the owner of the file it replaces; a new file gets what any new
// file of this user would get.
void AtomicFile::copyOwnerAndMode()
{
    if (!m_targetExisted) {
        fchmod(m_fd, 0666 & ~currentUmask());
        return;
    }
    struct stat created;
    if (fstat(m_fd, &created) == 0
        && (created.st_uid != m_targetOwner || created.st_gid != m_targetGroup)) {
        [[maybe_unused]] const int ignored = fchown(m_fd, m_targetOwner, m_targetGroup);
    }
    fchmod(m_fd, m_targetMode);
}

bool AtomicFile::write(const void *data, size_t length)
{
    if (m_error != 0 || m_fd < 0)
        return false;
    int error = 0;
    if (!writeAll(m_fd, static_cast<const char *>(data), length, error)) {
        m_error = error;
        m_failedStep = Step::Write;
        return false;
    }
    m_written += length;
    startWriteBack();
    return true;
}

// A big file is sent on to the disk while the rest is still being made, so
// the sync before the rename finds most of it there already. Only a start:
// the sync still waits for all of it, also where the file system cannot
// start early and the call fails.
void AtomicFile::startWriteBack()
{
    constexpr off_t WriteBackStep = 4 << 20;
    if (m_written - m_writeBackStarted < WriteBackStep)
        return;
    sync_file_range(m_fd, m_writeBackStarted, m_written - m_writeBackStarted,
                    SYNC_FILE_RANGE_WRITE);
    m_writeBackStarted = m_written;
}

bool AtomicFile::commit()
{
    return place(/*replacing*/ true);
}

bool AtomicFile::commitNew()
{
    return place(/*replacing*/ false);
}

bool AtomicFile::place(bool replacing)
{
    if (m_error != 0)
        return fail(m_failedStep, m_error);
    if (m_fd < 0)
        return fail(Step::Write, EBADF);
    if (fsync(m_fd) != 0)
        return fail(Step::Write, errno);
    const char *from = m_temporaryPath.c_str();
    const char *to = m_destination.c_str();
    if ((replacing ? std::rename(from, to) : renameNoReplace(from, to)) != 0)
        return fail(Step::Replace, errno);
    TemporaryFileRegistry::forget(m_registration);
    m_registration = nullptr;
    m_temporaryPath.clear();
    close(m_fd);
    m_fd = -1;
    // The folder is not synced after the rename: the data is on disk before
    // the name points at it, so a power loss leaves either the earlier file
    // or the complete new one.
    return true;
}

void AtomicFile::discard()
{
    if (!m_temporaryPath.empty()) {
        unlink(m_temporaryPath.c_str());
        TemporaryFileRegistry::forget(m_registration);
        m_registration = nullptr;
        m_temporaryPath.clear();
    }
    if (m_fd >= 0) {
        close(m_fd);
        m_fd = -1;
    }
}

bool AtomicFile::fail(Step step, int error)
{
    discard();
    if (m_error == 0) {
        m_error = error;
        m_failedStep = step;
    }
    return false;
}
