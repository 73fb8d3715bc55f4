#include "tests/reliability/convertfixture.h"

#include "tests/support/commandrun.h"

#include <algorithm>
#include <filesystem>

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

std::vector<std::string> ConvertFixture::entries(const std::string &folder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (auto it = std::filesystem::directory_iterator(folder, error);
         !error && it != std::filesystem::directory_iterator(); it.increment(error))
        names.push_back(it->path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
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
