// What a careless shell hands the converter: closed or full standard
// streams, an input named like its own output, a cause at the end of a
// very long path. No text lands inside a PDF, no input is destroyed, and
// no failure passes as success.

#include "tests/reliability/convertfixture.h"

#include <fcntl.h>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Names = std::vector<std::string>;

// The converter started through sh with a redirection applied first.
std::vector<std::string> redirected(const std::string &redirection,
                                    std::vector<std::string> command)
{
    command.insert(command.begin(), {"/bin/sh", "-c", "exec \"$0\" \"$@\" " + redirection});
    return command;
}

// Runs command with standard output into a pipe whose reader is already
// gone, as `| head -1` leaves it once head has its line; standard error
// goes to errPath. Returns the exit status, or -1 when a signal ended it.
int runIntoClosedPipe(const std::vector<std::string> &command, const std::string &errPath)
{
    int ends[2];
    if (pipe(ends) != 0)
        return -2;
    close(ends[0]);
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(ends[1], STDOUT_FILENO);
        const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(err, STDERR_FILENO);
        std::vector<char *> argv;
        for (const std::string &argument : command)
            argv.push_back(const_cast<char *>(argument.c_str()));
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(ends[1]);
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

class StreamFaults : public ConvertFixture {};

TEST_F(StreamFaults, ClosedStandardStreamsNeverBecomeTheOutput)
{
    std::string input = dir.write("in/a.txt", "正文");
    ChildResult run
        = ChildProcess::run(redirected(">&- 2>&-", command({input})), std::chrono::seconds(60));
    EXPECT_EQ(run.exitCode, 0);
    ASSERT_TRUE(passesQpdfCheck(pdf("a")));
    EXPECT_EQ(readBytes(pdf("a")).find(pdf("a")), std::string::npos)
        << "the listing went into the PDF";
}

TEST_F(StreamFaults, ListingThatCannotBeWrittenFailsTheRunButNotTheConversion)
{
    std::string a = dir.write("in/a.txt", "a");
    std::string b = dir.write("in/b.txt", "b");
    ChildResult run
        = ChildProcess::run(redirected(">/dev/full", command({a, b})), std::chrono::seconds(60));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(lines(run.err), Names{"tervolan-convert: standard output: No space left on device"});
    EXPECT_EQ(folderEntries(out()), (Names{"a.pdf", "b.pdf"}));
}

// A reader that went away used to end the batch by SIGPIPE with the rest
// silently not converted.
TEST_F(StreamFaults, ClosedPipeStillConvertsEveryFileAndSaysSo)
{
    std::string a = dir.write("in/a.txt", "a");
    std::string b = dir.write("in/b.txt", "b");
    EXPECT_EQ(runIntoClosedPipe(command({a, b}), dir.file("err")), 1);
    EXPECT_EQ(lines(readBytes(dir.file("err"))),
              Names{"tervolan-convert: standard output: Broken pipe"});
    EXPECT_EQ(folderEntries(out()), (Names{"a.pdf", "b.pdf"}));
}

TEST_F(StreamFaults, InputThatIsItsOwnOutputIsKept)
{
    std::string input = dir.write("out/report.pdf", "not yet a PDF");
    ChildResult run = convert({input});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(lines(run.err),
              Names{"tervolan-convert: " + input + ": is the PDF it would be converted into"});
    EXPECT_EQ(readBytes(input), "not yet a PDF");
}

// --report mine.txt mine.txt emptied the input before it was read, then
// reported it converted.
TEST_F(StreamFaults, ReportThatIsAnInputOrAPdfOfTheRunIsRefused)
{
    std::string input = dir.write("in/mine.txt", "mine");
    std::filesystem::create_hard_link(input, dir.file("in/alias"));
    for (const std::string &report : {input, dir.file("in/alias"), pdf("mine")}) {
        ChildResult run = convert({"--report", report, input});
        EXPECT_EQ(run.exitCode, 2) << report;
        EXPECT_EQ(readBytes(input), "mine") << report;
    }
    EXPECT_FALSE(std::filesystem::exists(out())) << "nothing is written";
}

// A message cut inside a long path would lose the cause at its end.
TEST_F(StreamFaults, LongPathsKeepTheCauseOfTheirFailure)
{
    std::string deep = out();
    while (deep.size() < 1500)
        deep += "/" + std::string(200, 'd');
    std::filesystem::create_directories(deep);
    dir.write(deep.substr(dir.path().string().size() + 1) + "/plain", "");
    std::string input = dir.write("in/n.txt", "n");
    ChildResult run = ChildProcess::run(
        {command({})[0], "--settings", emptySettings, "-o", deep + "/plain/pdf", input},
        std::chrono::seconds(60));
    EXPECT_EQ(run.exitCode, 1);
    ASSERT_EQ(lines(run.err).size(), 1u) << run.err;
    EXPECT_TRUE(lines(run.err)[0].ends_with(": Not a directory")) << lines(run.err)[0];
}
