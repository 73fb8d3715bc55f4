// Writers that share a folder: one killed outright leaves its temporary
// file behind; the next writer there removes it, but never the file of a
// writer that is still at work.
#include "platform/file/atomicfile.h"
#include "platform/file/temporaryfileregistry.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <set>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

// A child that opens target, writes, says so on a pipe, then waits for a
// byte before it commits (or is killed first).
class ChildWriter {
public:
    explicit ChildWriter(const std::string &target)
    {
        int ready[2];
        int go[2];
        if (pipe(ready) != 0 || pipe(go) != 0)
            return;
        m_pid = fork();
        if (m_pid == 0) {
            // Without the other ends a dead parent reads as an end of file,
            // so no child outlives the test.
            close(ready[0]);
            close(go[1]);
            AtomicFile file(target);
            char byte = file.open() && file.write("written") ? 'y' : 'n';
            [[maybe_unused]] ssize_t said = ::write(ready[1], &byte, 1);
            [[maybe_unused]] ssize_t heard = ::read(go[0], &byte, 1);
            _exit(file.commit() ? 0 : 1);
        }
        close(ready[1]);
        close(go[0]);
        char byte = 0;
        m_opened = ::read(ready[0], &byte, 1) == 1 && byte == 'y';
        close(ready[0]);
        m_go = go[1];
    }
    ~ChildWriter() { finish(); }

    bool opened() const { return m_opened; }

    void kill()
    {
        ::kill(m_pid, SIGKILL);
        reap();
    }

    // Lets the child commit; returns its exit status.
    int finish()
    {
        if (m_pid <= 0)
            return -1;
        [[maybe_unused]] ssize_t said = ::write(m_go, "g", 1);
        return reap();
    }

private:
    int reap()
    {
        close(m_go);
        m_go = -1;
        int status = 0;
        waitpid(m_pid, &status, 0);
        m_pid = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    pid_t m_pid = -1;
    int m_go = -1;
    bool m_opened = false;
};

std::set<std::string> namesIn(const std::filesystem::path &folder)
{
    std::set<std::string> names;
    for (const auto &entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

int temporaryCount(const std::filesystem::path &folder)
{
    int count = 0;
    for (const std::string &name : namesIn(folder))
        count += name.starts_with(AtomicFile::TemporaryPrefix);
    return count;
}

} // namespace

TEST(AtomicFile, NextWriterSweepsUpOnlyTheFilesOfWritersThatAreGone)
{
    TempDir dir;
    ChildWriter live(dir.file("live.txt"));
    ChildWriter killed(dir.file("killed.txt"));
    ASSERT_TRUE(live.opened());
    ASSERT_TRUE(killed.opened());
    killed.kill();
    ASSERT_EQ(temporaryCount(dir.path()), 2);

    AtomicFile next(dir.file("next.txt"));
    ASSERT_TRUE(next.open());
    ASSERT_TRUE(next.write("next"));
    ASSERT_TRUE(next.commit());
    EXPECT_EQ(temporaryCount(dir.path()), 1)
        << "the killed writer's file is gone, the live one's stays";

    EXPECT_EQ(live.finish(), 0);
    EXPECT_EQ(namesIn(dir.path()), (std::set<std::string>{"live.txt", "next.txt"}));
    EXPECT_EQ(readBytes(dir.file("live.txt")), "written");
}

TEST(AtomicFile, TemporaryNameIsShortWhateverTheTargetsLength)
{
    TempDir dir;
    const std::string longest(255 - 4, 'x');
    AtomicFile file(dir.file(longest + ".pdf"));
    ASSERT_TRUE(file.open()) << std::strerror(file.error());
    ASSERT_TRUE(file.commit());
    EXPECT_TRUE(std::filesystem::exists(dir.file(longest + ".pdf")));
}

// Batches write several files at once: a SIGTERM handled by one thread
// while another has created its file but not yet remembered it must still
// take that file away. The creating thread holds its window open on
// purpose.
TEST(TemporaryFileRegistry, SignalInAnotherThreadWaitsForACreationUnderway)
{
    TempDir dir;
    const std::string path = dir.file(".tervolan-held");
    const pid_t child = fork();
    if (child == 0) {
        int created[2];
        if (pipe(created) != 0)
            _exit(2);
        std::thread creator([&] {
            TemporaryFileRegistry::SignalHold hold;
            const int fd = open(path.c_str(), O_CREAT | O_EXCL | O_WRONLY, 0600);
            [[maybe_unused]] ssize_t said = ::write(created[1], "c", 1);
            usleep(200000);
            TemporaryFileRegistry::remember(path);
            close(fd);
        });
        char byte = 0;
        [[maybe_unused]] ssize_t heard = ::read(created[0], &byte, 1);
        raise(SIGTERM); // to this thread, which does not hold signals off
        creator.join();
        _exit(3);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << status;
    EXPECT_FALSE(std::filesystem::exists(path));
}
