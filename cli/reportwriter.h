#pragma once

#include "cli/filerecord.h"

#include <cstdio>
#include <mutex>
#include <string>
#include <string_view>

// Writes the --report file: JSON Lines, one object per input, written
// whole under a lock so the workers' lines never mix. Path bytes that are
// not UTF-8 are written as the escapes "\udc80" to "\udcff", one per byte
// (the surrogateescape form), so every path comes back byte for byte.
class ReportWriter {
public:
    ReportWriter() = default;
    ~ReportWriter();
    ReportWriter(const ReportWriter &) = delete;
    ReportWriter &operator=(const ReportWriter &) = delete;

    // "-" is standard output. False with the reason in error when the file
    // cannot be made.
    bool open(const std::string &path, std::string &error);
    void write(const FileRecord &record);
    // False with the reason in error when a line could not be written.
    bool close(std::string &error);

    static std::string jsonString(std::string_view bytes);

private:
    static std::string jsonLine(const FileRecord &record);

    std::mutex m_mutex;
    std::FILE *m_file = nullptr;
    bool m_ownsFile = false;
    int m_writeError = 0;
};
