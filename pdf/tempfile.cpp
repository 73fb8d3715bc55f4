#include "tempfile.h"

#include "tervolanpdf-private.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <map>
#include <mutex>

namespace tervolanpdf {

namespace {

// Temporary files still open when the process exits normally are removed by
// an atexit handler: a box whose document is never ended (the caller quit
// half way) must not litter the output folder with hidden files. Only the
// process that created a file removes it, so a forked child that exits
// cannot delete its parent's work in progress.
struct OpenFiles {
    std::mutex mutex;
    std::map<std::string, pid_t> paths;
};

OpenFiles &openFiles()
{
    static OpenFiles *files = new OpenFiles; // outlives every atexit handler
    return *files;
}

void removeOpenFilesAtExit()
{
    OpenFiles &files = openFiles();
    std::lock_guard lock(files.mutex);
    for (const auto &[path, owner] : files.paths) {
        if (owner == getpid())
            unlink(path.c_str());
    }
    files.paths.clear();
}

void registerOpenFile(const std::string &path)
{
    static std::once_flag once;
    std::call_once(once, [] { std::atexit(removeOpenFilesAtExit); });
    OpenFiles &files = openFiles();
    std::lock_guard lock(files.mutex);
    files.paths[path] = getpid();
}

void unregisterOpenFile(const std::string &path)
{
    OpenFiles &files = openFiles();
    std::lock_guard lock(files.mutex);
    files.paths.erase(path);
}

std::string folderOf(const std::string &path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string fileNameOf(const std::string &path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
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

} // namespace

TempFile::TempFile(std::string target)
    : m_target(std::move(target))
{
    const std::string folder = folderOf(m_target);
    std::string pattern = folder + "/." + fileNameOf(m_target) + ".XXXXXX";
    const int fd = mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0) {
        throw PdfError("cannot create a file in the folder \"" + folder + "\": "
                       + errnoText(errno));
    }
    m_path = pattern;
    registerOpenFile(m_path);
    // mkstemp makes the file private; the finished PDF gets the permissions
    // any newly created file of this user would get.
    fchmod(fd, 0666 & ~currentUmask());
    m_file = fdopen(fd, "wb");
    if (!m_file) {
        const int error = errno;
        close(fd);
        fail("cannot write to the folder \"" + folder + "\"", error);
    }
}

TempFile::~TempFile()
{
    if (!m_committed)
        discard();
}

bool TempFile::write(const void *data, size_t length)
{
    if (m_writeError != 0 || !m_file)
        return false;
    if (std::fwrite(data, 1, length, m_file) != length) {
        m_writeError = errno != 0 ? errno : EIO;
        return false;
    }
    return true;
}

void TempFile::commit()
{
    const std::string what = "cannot write \"" + m_target + "\"";
    if (m_writeError != 0)
        fail(what, m_writeError);
    if (std::fflush(m_file) != 0)
        fail(what, errno);
    if (fsync(fileno(m_file)) != 0)
        fail(what, errno);
    FILE *file = m_file;
    m_file = nullptr;
    if (std::fclose(file) != 0)
        fail(what, errno);
    if (std::rename(m_path.c_str(), m_target.c_str()) != 0)
        fail("cannot replace \"" + m_target + "\"", errno);
    unregisterOpenFile(m_path);
    m_committed = true;
    // The folder is not synced after the rename: the data is on disk before
    // the name points at it, so a power loss leaves either the earlier file
    // or the complete new one. Syncing the folder as well would only make
    // the new name durable a moment sooner, and it doubled the time a batch
    // of small files spent waiting for the disk.
}

void TempFile::discard()
{
    if (m_file) {
        std::fclose(m_file);
        m_file = nullptr;
    }
    if (!m_path.empty()) {
        unlink(m_path.c_str());
        unregisterOpenFile(m_path);
        m_path.clear();
    }
}

void TempFile::fail(const std::string &what, int error)
{
    discard();
    throw PdfError(what + ": " + errnoText(error));
}

} // namespace tervolanpdf
