#include "tests/support/childprocess.h"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr auto PollStep = std::chrono::milliseconds(5);

void redirect(const char *path, int flags, int target)
{
    int fd = ::open(path, flags, 0600);
    if (fd < 0 || dup2(fd, target) < 0)
        _exit(127);
    ::close(fd);
}

} // namespace

ChildProcess::ChildProcess() = default;

ChildProcess::~ChildProcess()
{
    if (m_pid > 0 && !m_ended) {
        kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
    }
}

void ChildProcess::start(const std::vector<std::string> &arguments)
{
    std::string out = m_scratch.file("out");
    std::string err = m_scratch.file("err");
    std::vector<char *> argv;
    for (const std::string &argument : arguments)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);
    m_ended = false;
    m_ending = ChildResult();
    m_pid = fork();
    if (m_pid < 0)
        throw std::runtime_error("cannot fork");
    if (m_pid == 0) {
        redirect("/dev/null", O_RDONLY, STDIN_FILENO);
        redirect(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, STDOUT_FILENO);
        redirect(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, STDERR_FILENO);
        execv(argv[0], argv.data());
        _exit(127);
    }
}

bool ChildProcess::reap(int options, ChildResult &result)
{
    int status = 0;
    struct rusage usage {};
    pid_t got = wait4(m_pid, &status, options, &usage);
    if (got != m_pid)
        return false;
    m_ended = true;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    result.peakRssKb = usage.ru_maxrss;
    return true;
}

bool ChildProcess::waitFor(const std::function<bool()> &condition, std::chrono::milliseconds limit)
{
    auto deadline = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (m_ended || reap(WNOHANG, m_ending) || std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(PollStep);
    }
    return true;
}

ChildResult ChildProcess::finish(std::chrono::milliseconds limit)
{
    ChildResult result = m_ending;
    auto deadline = std::chrono::steady_clock::now() + limit;
    while (!m_ended && !reap(WNOHANG, result)) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(m_pid, SIGKILL);
            reap(0, result);
            result.timedOut = true;
            break;
        }
        std::this_thread::sleep_for(PollStep);
    }
    result.out = readBytes(m_scratch.file("out"));
    result.err = readBytes(m_scratch.file("err"));
    return result;
}

ChildResult ChildProcess::run(const std::vector<std::string> &arguments,
                              std::chrono::milliseconds limit)
{
    ChildProcess child;
    child.start(arguments);
    return child.finish(limit);
}
