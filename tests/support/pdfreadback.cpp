#include "tests/support/pdfreadback.h"

#include "tests/support/commandrun.h"

#include <regex>
#include <sstream>

namespace PdfReadback {

namespace {

std::string trim(const std::string &text)
{
    size_t start = text.find_first_not_of(" \f");
    if (start == std::string::npos)
        return "";
    size_t end = text.find_last_not_of(" \f");
    return text.substr(start, end - start + 1);
}

} // namespace

std::vector<std::string> lines(const std::string &pdf, int page)
{
    std::string range
        = page > 0 ? " -f " + std::to_string(page) + " -l " + std::to_string(page) : "";
    std::istringstream in(
        commandOutput("pdftotext -enc UTF-8" + range + " " + shellQuote(pdf) + " -"));
    std::vector<std::string> result;
    std::string line;
    while (std::getline(in, line)) {
        line = trim(line);
        if (!line.empty())
            result.push_back(line);
    }
    return result;
}

std::string info(const std::string &pdf, const std::string &field)
{
    std::istringstream in(commandOutput("pdfinfo -enc UTF-8 " + shellQuote(pdf)));
    std::string line;
    while (std::getline(in, line)) {
        if (line.starts_with(field + ":"))
            return trim(line.substr(field.size() + 1));
    }
    return "";
}

int pages(const std::string &pdf)
{
    std::string count = info(pdf, "Pages");
    return count.empty() ? -1 : std::stoi(count);
}

std::vector<double> lineTops(const std::string &pdf)
{
    std::string layout
        = commandOutput("pdftotext -f 1 -l 1 -bbox-layout " + shellQuote(pdf) + " -");
    std::vector<double> tops;
    std::regex lineTag("<line xMin=\"[0-9.]+\" yMin=\"([0-9.]+)\"");
    for (auto it = std::sregex_iterator(layout.begin(), layout.end(), lineTag);
         it != std::sregex_iterator(); ++it)
        tops.push_back(std::stod((*it)[1]));
    return tops;
}

std::ostream &operator<<(std::ostream &out, const OutlineEntry &entry)
{
    return out << "{" << entry.depth << ", " << entry.page << ", \"" << entry.title << "\"}";
}

std::vector<OutlineEntry> outline(const std::string &pdf)
{
    const std::string flatten
        = "import json, sys\n"
          "def walk(entries, depth):\n"
          "    for entry in entries:\n"
          "        print(depth, entry['destpageposfrom1'], entry['title'], sep='\\t')\n"
          "        walk(entry['kids'], depth + 1)\n"
          "walk(json.load(sys.stdin)['outlines'], 0)\n";
    std::istringstream in(commandOutput("qpdf --json=2 --json-key=outlines " + shellQuote(pdf)
                                        + " | PYTHONIOENCODING=utf-8 python3 -c "
                                        + shellQuote(flatten)));
    std::vector<OutlineEntry> entries;
    std::string line;
    while (std::getline(in, line)) {
        const size_t first = line.find('\t');
        const size_t second = line.find('\t', first + 1);
        entries.push_back({std::stoi(line.substr(0, first)),
                           std::stoi(line.substr(first + 1, second - first - 1)),
                           line.substr(second + 1)});
    }
    return entries;
}

} // namespace PdfReadback
