#include "tests/support/commandrun.h"

#include "tests/support/tempdir.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/wait.h>

CommandRun CommandRun::run(const std::string &command, const std::string &input)
{
    TempDir scratch;
    std::string in = scratch.write("in", input);
    std::string out = scratch.file("out");
    std::string err = scratch.file("err");
    std::string full
        = "(" + command + ") <" + shellQuote(in) + " >" + shellQuote(out) + " 2>" + shellQuote(err);
    int status = std::system(full.c_str());
    CommandRun result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = readBytes(out);
    result.err = readBytes(err);
    return result;
}

std::string commandOutput(const std::string &command)
{
    CommandRun run = CommandRun::run(command);
    EXPECT_EQ(run.exitCode, 0) << command << "\n" << run.err;
    return run.out;
}

std::string shellQuote(const std::string &text)
{
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    return quoted + "'";
}
