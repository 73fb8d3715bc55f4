// A file replaced whole or not at all: written under a short hidden name
// beside its target, synced, then renamed over it. Every program file that
// must never be seen half written (PDFs, config.ini, combo list files)
// goes through here.
#pragma once

#include <cstddef>
#include <string>
#include <sys/types.h>

namespace TemporaryFileRegistry {
struct Entry;
}

class AtomicFile {
public:
    // Which step a failure happened in, for callers that word their own
    // messages.
    enum class Step { None, Create, Write, Replace };

    // What a symbolic link at the target's name means. Files of the user's
    // own (config.ini) are written through it, since dotfile managers keep
    // them as links; files written into a folder that may hold planted
    // names (PDFs) replace the link itself and leave its target alone.
    enum class Links { Follow, Replace };

    explicit AtomicFile(std::string target, Links links = Links::Follow);
    // Removes the temporary file unless commit() succeeded.
    ~AtomicFile();

    AtomicFile(const AtomicFile &) = delete;
    AtomicFile &operator=(const AtomicFile &) = delete;

    // Creates the temporary file beside the file the target names (through
    // any symbolic links under Links::Follow, else beside the target's name
    // itself). Refuses an existing target the user may not
    // write, or that has no write permission at all, with EACCES: replacing
    // it by rename would get round its permissions.
    // Removes temporary files left in that folder by writers that are gone.
    bool open();

    // Appends length bytes. The first failure is remembered and every later
    // write fails too.
    bool write(const void *data, size_t length);
    bool write(const std::string &bytes) { return write(bytes.data(), bytes.size()); }

    // Syncs the data and renames the file over the target; the new file
    // keeps the mode of the one it replaces. On failure the temporary file
    // is removed and an earlier file at the target stays as it was.
    bool commit();
    // The same, but never replaces a name: when a file or link is at the
    // target, which another writer may have put there since open(), it
    // fails in Step::Replace with EEXIST and that file stays as it was.
    bool commitNew();

    // Drops the temporary file; the target is left alone.
    void discard();

    // errno and step of the first failure; 0 and Step::None while all went
    // well.
    int error() const { return m_error; }
    Step failedStep() const { return m_failedStep; }

    // The name the caller gave, which messages should show.
    const std::string &target() const { return m_target; }
    // The temporary file, empty when none is open.
    const std::string &temporaryPath() const { return m_temporaryPath; }

    // The folder part of path: "." for a bare name, "/" at the root.
    static std::string folderOf(const std::string &path);

    // Temporary files start with this, so that a later run can find the
    // ones a killed writer left behind.
    static constexpr const char *TemporaryPrefix = ".tervolan-";

private:
    bool fail(Step step, int error);
    bool place(bool replacing);
    bool createLockedFile(const std::string &folder);
    void copyOwnerAndMode();
    void startWriteBack();

    std::string m_target;
    Links m_links;
    std::string m_destination;
    std::string m_temporaryPath;
    TemporaryFileRegistry::Entry *m_registration = nullptr;
    int m_fd = -1;
    off_t m_written = 0;
    off_t m_writeBackStarted = 0;
    int m_error = 0;
    Step m_failedStep = Step::None;
    bool m_targetExisted = false;
    unsigned m_targetMode = 0;
    unsigned m_targetOwner = 0;
    unsigned m_targetGroup = 0;
};
