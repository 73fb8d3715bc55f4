#pragma once

#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Reads a list of paths, one a line: a "\r" before the "\n" is dropped and
// blank lines are passed over. A NUL-separated list (find -print0) ends each
// path with a NUL instead and takes every other byte, "\n" included, as
// part of the path. No more than one path's worth of a line is ever held,
// so a list of any length or any bytes cannot exhaust memory.
class PathListReader {
public:
    enum class Separator { Line, Nul };
    // With a byte limit, a longer list is refused whole: a device such as
    // /dev/zero never ends, and /dev/urandom would fill memory with paths.
    explicit PathListReader(Separator separator = Separator::Line,
                            std::optional<long long> byteLimit = std::nullopt);

    // Reads the whole list. False when it cannot be used at all (a read
    // failed, a NUL byte shows it is not one path a line, or it is longer
    // than the byte limit): error() says why and paths() must be ignored.
    bool read(std::istream &in);

    const std::vector<std::string> &paths() const { return m_paths; }
    // Hands the paths over, so a list of millions is not held twice.
    std::vector<std::string> takePaths() { return std::move(m_paths); }
    // Lines too long to be a path, each described with its line number and
    // its start; they are left out of paths().
    const std::vector<std::string> &refusedLines() const { return m_refusedLines; }
    const std::string &error() const { return m_error; }

private:
    bool take(std::string_view bytes);
    void addToLine(std::string_view bytes);
    void endLine();
    bool refuse(const std::string &why);

    std::vector<std::string> m_paths;
    std::vector<std::string> m_refusedLines;
    std::string m_error;
    std::string m_line;
    char m_separator;
    std::optional<long long> m_byteLimit;
    long long m_bytesRead = 0;
    bool m_lineTooLong = false;
    long long m_lineNumber = 0;
};
