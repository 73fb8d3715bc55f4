#include "pdftestsupport.h"

#include "pdf/tervolanpdf.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace pdftest {

ScratchFolder::ScratchFolder()
{
    std::string pattern = "/tmp/tervolanpdf-test-XXXXXX";
    if (!mkdtemp(pattern.data()))
        ADD_FAILURE() << "mkdtemp failed";
    m_path = pattern;
}

ScratchFolder::~ScratchFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::string ScratchFolder::output(const std::string &name) const
{
    return (m_path / name).string();
}

std::vector<std::string> ScratchFolder::entries() const
{
    std::vector<std::string> names;
    for (const auto &entry : std::filesystem::directory_iterator(m_path))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string lastError()
{
    std::array<char, 1024> buffer{};
    GetErrorMsg(buffer.data(), static_cast<int>(buffer.size()));
    return buffer.data();
}

std::string run(const std::string &command)
{
    std::string output;
    FILE *pipe = popen(command.c_str(), "r");
    if (!pipe) {
        ADD_FAILURE() << "cannot run " << command;
        return output;
    }
    std::array<char, 4096> chunk;
    size_t got;
    while ((got = fread(chunk.data(), 1, chunk.size(), pipe)) > 0)
        output.append(chunk.data(), got);
    const int status = pclose(pipe);
    EXPECT_EQ(status, 0) << command;
    return output;
}

std::vector<std::string> textLines(const std::string &pdf, int page)
{
    std::string command = "pdftotext -enc UTF-8 ";
    if (page > 0)
        command += "-f " + std::to_string(page) + " -l " + std::to_string(page) + " ";
    std::istringstream text(run(command + "'" + pdf + "' -"));
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(text, line)) {
        if (!line.empty() && line != "\f")
            lines.push_back(line);
    }
    return lines;
}

std::string pdfInfo(const std::string &pdf, const std::string &key)
{
    std::istringstream info(run("pdfinfo -enc UTF-8 '" + pdf + "'"));
    std::string line;
    while (std::getline(info, line)) {
        if (line.rfind(key + ":", 0) == 0) {
            const size_t value = line.find_first_not_of(' ', key.size() + 1);
            return value == std::string::npos ? "" : line.substr(value);
        }
    }
    return "";
}

int beginDocument(const std::string &output, const std::string &pageSize)
{
    const int box = CreateBox(0, 0);
    EXPECT_GT(box, 0);
    EXPECT_EQ(SetStrProp(box, PDF_OUTPUT_PATH, output.c_str()), 0);
    EXPECT_EQ(SetStrProp(box, PDF_PAGE_SIZE, pageSize.c_str()), 0);
    EXPECT_EQ(BeginDoc(box), 0) << lastError();
    return box;
}

} // namespace pdftest
