#pragma once

#include <string>

// Runs a shell command and keeps what it printed and how it ended.
struct CommandRun {
    int exitCode = -1;
    std::string out;
    std::string err;

    static CommandRun run(const std::string &command, const std::string &input = {});
};

// Standard output of a shell command; the test fails if it exits non-zero.
std::string commandOutput(const std::string &command);

// Quotes text for the shell.
std::string shellQuote(const std::string &text);
