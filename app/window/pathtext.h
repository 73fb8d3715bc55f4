#pragma once

#include <QString>

#include <string>

// File paths are bytes, and not every name is UTF-8: archives made on
// Chinese Windows keep GBK names. The person reads them decoded.
namespace PathText {

// UTF-8 when the bytes are valid UTF-8, else GB18030.
QString readable(const std::string &path);

} // namespace PathText
