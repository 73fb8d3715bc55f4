#include "cli/reportwriter.h"

#include <cerrno>
#include <charconv>
#include <cstring>

namespace {

// The length of the well-formed UTF-8 sequence at text, or 0 when there is
// none.
size_t utf8Length(std::string_view text)
{
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char first = byte(0);
    size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (first < 0x80)
        return 1;
    if (first >= 0xC2 && first <= 0xDF)
        length = 2;
    else if (first >= 0xE0 && first <= 0xEF) {
        length = 3;
        low = first == 0xE0 ? 0xA0 : 0x80;
        high = first == 0xED ? 0x9F : 0xBF; // no surrogates
    } else if (first >= 0xF0 && first <= 0xF4) {
        length = 4;
        low = first == 0xF0 ? 0x90 : 0x80;
        high = first == 0xF4 ? 0x8F : 0xBF;
    } else
        return 0;
    if (text.size() < length || byte(1) < low || byte(1) > high)
        return 0;
    for (size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF)
            return 0;
    }
    return length;
}

std::string escaped(unsigned value)
{
    char text[8];
    std::snprintf(text, sizeof text, "\\u%04x", value);
    return text;
}

} // namespace

ReportWriter::~ReportWriter()
{
    std::string ignored;
    close(ignored);
}

bool ReportWriter::open(const std::string &path, std::string &error)
{
    m_ownsFile = path != "-";
    m_file = m_ownsFile ? std::fopen(path.c_str(), "we") : stdout;
    if (!m_file) {
        error = "cannot write the report " + path + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

void ReportWriter::write(const FileRecord &record)
{
    const std::string line = jsonLine(record);
    std::lock_guard lock(m_mutex);
    if (!m_file || m_writeError != 0)
        return;
    if (std::fwrite(line.data(), 1, line.size(), m_file) != line.size() || std::fflush(m_file) != 0)
        m_writeError = errno;
}

bool ReportWriter::close(std::string &error)
{
    std::lock_guard lock(m_mutex);
    if (m_file && m_ownsFile && std::fclose(m_file) != 0 && m_writeError == 0)
        m_writeError = errno;
    m_file = nullptr;
    if (m_writeError == 0)
        return true;
    error = std::string("cannot write the report: ") + std::strerror(m_writeError);
    return false;
}

std::string ReportWriter::jsonString(std::string_view bytes)
{
    std::string text = "\"";
    while (!bytes.empty()) {
        const unsigned char c = static_cast<unsigned char>(bytes[0]);
        const size_t length = utf8Length(bytes);
        if (length == 0)
            text += escaped(0xDC00 + c);
        else if (c == '"' || c == '\\')
            text += {'\\', char(c)};
        else if (c < 0x20 || c == 0x7F)
            text += escaped(c);
        else
            text.append(bytes.substr(0, length));
        bytes.remove_prefix(length == 0 ? 1 : length);
    }
    return text + "\"";
}

std::string ReportWriter::jsonLine(const FileRecord &record)
{
    const auto number
        = [](const auto &value) { return value ? std::to_string(*value) : std::string("null"); };
    // to_chars: a decimal point whatever the locale says.
    char seconds[32];
    const auto written = std::to_chars(seconds, seconds + sizeof seconds - 1, record.seconds,
                                       std::chars_format::fixed, 6);
    *written.ptr = '\0';
    return "{\"input\":" + jsonString(record.input) + ",\"output\":" + jsonString(record.output)
        + ",\"status\":" + jsonString(record.status) + ",\"reason\":" + jsonString(record.reason)
        + ",\"pages\":" + number(record.pages) + ",\"bytes\":" + number(record.bytes)
        + ",\"encoding\":" + (record.encoding ? jsonString(*record.encoding) : "null")
        + ",\"missing_glyphs\":" + number(record.missingGlyphs)
        + ",\"headings\":" + number(record.headings) + ",\"seconds\":" + seconds + "}\n";
}
