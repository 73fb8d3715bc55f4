#include "pdf/errormessage.h"

#include "pdf/tervolanpdf-private.h"

#include "platform/text/utf8.h"

#include <cerrno>
#include <cstring>

namespace tervolanpdf {

namespace {
thread_local std::string t_message;
}

void ErrorMessage::set(std::string text)
{
    t_message = std::move(text);
}

void ErrorMessage::clear()
{
    t_message.clear();
}

int ErrorMessage::copyTo(char *buffer, int capacity)
{
    return copyText(t_message, buffer, capacity);
}

int ErrorMessage::copyText(const std::string &text, char *buffer, int capacity)
{
    if (!buffer || capacity < 1)
        return -1;
    const size_t length = Utf8::prefixLength(text, static_cast<size_t>(capacity) - 1);
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
    return static_cast<int>(length);
}

} // namespace tervolanpdf

namespace tervolanpdf {

std::string errnoText(int error)
{
    char buffer[256];
    // GNU strerror_r returns the text, which may or may not be in buffer.
    std::string text = strerror_r(error, buffer, sizeof buffer);
    if (error == ENOSPC || error == EDQUOT)
        text += " (disk full)";
    return text;
}

} // namespace tervolanpdf
