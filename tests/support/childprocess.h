#pragma once

#include "tests/support/tempdir.h"

#include <chrono>
#include <functional>
#include <string>
#include <sys/types.h>
#include <vector>

// How a child ended and what it cost.
struct ChildResult {
    int exitCode = -1;     // -1 when it did not exit by itself
    int signal = 0;        // the signal that ended it, 0 if none
    bool timedOut = false; // killed after the time limit
    long peakRssKb = 0;    // largest resident set, from wait4
    std::string out;
    std::string err;
};

// Runs a program directly (no shell, so any byte of a file name passes
// unchanged) with standard input from /dev/null and its output kept in
// files. The run is bounded: past the limit the child is killed and the
// result says so, so a hang fails a test instead of stalling the suite.
class ChildProcess {
public:
    ChildProcess();
    ~ChildProcess();
    ChildProcess(const ChildProcess &) = delete;
    ChildProcess &operator=(const ChildProcess &) = delete;

    void start(const std::vector<std::string> &arguments);
    pid_t pid() const { return m_pid; }

    // Polls condition until it holds, the child ends or the limit passes.
    // Returns whether the condition held.
    bool waitFor(const std::function<bool()> &condition, std::chrono::milliseconds limit);

    ChildResult finish(std::chrono::milliseconds limit);

    static ChildResult run(const std::vector<std::string> &arguments,
                           std::chrono::milliseconds limit);

private:
    bool reap(int options, ChildResult &result);

    TempDir m_scratch;
    pid_t m_pid = -1;
    bool m_ended = false;
    ChildResult m_ending;
};
