#include "tests/reliability/convertfixture.h"

#include "tests/support/commandrun.h"

namespace {

const std::string Convert = std::string(TERVOLAN_BINARY_DIR) + "/bin/tervolan-convert";

} // namespace

ConvertFixture::ConvertFixture()
{
    emptySettings = dir.write("empty.ini", "");
}

std::vector<std::string> ConvertFixture::command(const std::vector<std::string> &arguments) const
{
    std::vector<std::string> full = {Convert, "--settings", emptySettings, "-o", out()};
    full.insert(full.end(), arguments.begin(), arguments.end());
    return full;
}

ChildResult ConvertFixture::convert(const std::vector<std::string> &arguments,
                                    std::chrono::milliseconds limit) const
{
    return ChildProcess::run(command(arguments), limit);
}

bool ConvertFixture::passesQpdfCheck(const std::string &pdf)
{
    return CommandRun::run("qpdf --check " + shellQuote(pdf)).exitCode == 0;
}

std::vector<std::string> ConvertFixture::lines(const std::string &text)
{
    std::vector<std::string> result;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        result.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return result;
}
