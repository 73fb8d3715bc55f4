#include "platform/text/readfailure.h"

#include <cstring>

namespace {

const char *englishKind(ReadFailure::Kind kind)
{
    switch (kind) {
    case ReadFailure::Kind::None: return "";
    case ReadFailure::Kind::NotRegularFile: return "is not a regular file";
    case ReadFailure::Kind::CannotOpen: return "cannot open";
    case ReadFailure::Kind::CannotRead: return "cannot read";
    case ReadFailure::Kind::IsFolder: return "is a folder, not a text file";
    case ReadFailure::Kind::BinaryFile: return "is a binary file (it holds NUL bytes)";
    case ReadFailure::Kind::ReadFailed: return "read failed";
    }
    return "";
}

} // namespace

std::string ReadFailure::english() const
{
    std::string text = englishKind(kind);
    if (errorNumber != 0)
        text += std::string(": ") + std::strerror(errorNumber);
    return text;
}
