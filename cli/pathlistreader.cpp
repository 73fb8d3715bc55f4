#include "cli/pathlistreader.h"

#include <climits>

namespace {

constexpr size_t BlockSize = 64 * 1024;
constexpr size_t LongestPath = PATH_MAX - 1;
// A "\r" may follow the longest path.
constexpr size_t LongestLine = LongestPath + 1;
constexpr size_t ShownBytes = 100;

// The first bytes of a line, cut where a UTF-8 character starts.
std::string shortened(const std::string &line)
{
    size_t cut = ShownBytes;
    while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80)
        --cut;
    return line.substr(0, cut) + "...";
}

} // namespace

PathListReader::PathListReader(Separator separator, std::optional<long long> byteLimit)
    : m_separator(separator == Separator::Nul ? '\0' : '\n')
    , m_byteLimit(byteLimit)
{
}

bool PathListReader::read(std::istream &in)
{
    std::string block(BlockSize, '\0');
    while (in.read(block.data(), std::streamsize(block.size())) || in.gcount() > 0) {
        m_bytesRead += in.gcount();
        if (m_byteLimit && m_bytesRead > *m_byteLimit)
            return refuse("more than " + std::to_string(*m_byteLimit / (1024 * 1024))
                          + " MiB of paths from a list that is not a file or a pipe;"
                            " nothing of this list is converted");
        if (!take(std::string_view(block.data(), size_t(in.gcount()))))
            return false;
    }
    // A folder opens like a file and fails on its first read: only a read
    // that reached the end counts as a list, never an empty one by mistake.
    if (in.bad() || !in.eof())
        return refuse("cannot read the list of paths");
    endLine();
    return true;
}

// A NUL byte cannot be part of a path: the list was meant NUL-separated,
// and its lines would be wrong paths, so none of it is taken.
bool PathListReader::take(std::string_view bytes)
{
    while (!bytes.empty()) {
        const size_t end = bytes.find(m_separator);
        const std::string_view part = bytes.substr(0, end);
        if (m_separator == '\n' && part.find('\0') != std::string_view::npos)
            return refuse("line " + std::to_string(m_lineNumber + 1)
                          + " holds a NUL byte (paths go one a line, not NUL-separated);"
                            " nothing of this list is converted");
        addToLine(part);
        if (end == std::string_view::npos)
            break;
        endLine();
        bytes.remove_prefix(end + 1);
    }
    return true;
}

void PathListReader::addToLine(std::string_view bytes)
{
    const size_t room = LongestLine - m_line.size();
    if (bytes.size() > room)
        m_lineTooLong = true;
    m_line.append(bytes.substr(0, room));
}

void PathListReader::endLine()
{
    ++m_lineNumber;
    if (m_separator == '\n' && !m_lineTooLong && m_line.ends_with('\r'))
        m_line.pop_back();
    if (m_lineTooLong || m_line.size() > LongestPath)
        m_refusedLines.push_back("line " + std::to_string(m_lineNumber)
                                 + ": longer than a path can be (" + std::to_string(LongestPath)
                                 + " bytes): " + shortened(m_line));
    else if (!m_line.empty())
        m_paths.push_back(m_line);
    m_line.clear();
    m_lineTooLong = false;
}

bool PathListReader::refuse(const std::string &why)
{
    m_error = why;
    m_paths.clear();
    return false;
}
