#pragma once

#include <QByteArray>
#include <QByteArrayList>

#include <optional>

// What a second copy of the program sends the running copy: the paths it
// was started with, as bytes (a name need not be UTF-8), each ended by a
// NUL, which no path contains; an empty entry ends the message. The running
// copy answers with one Acknowledgement byte once it holds the whole
// message.
namespace OpenRequest {

constexpr char Acknowledgement = '\x06';

// Far beyond what a command line can hold; the running copy drops a
// connection that sends more, unanswered, so memory stays bounded.
constexpr qsizetype MaxMessageBytes = 64 * 1024 * 1024;

// Empty paths are left out: one would end the message early.
QByteArray encode(const QByteArrayList &paths);

// The paths of a whole message; nothing while its end has not arrived.
std::optional<QByteArrayList> decode(const QByteArray &received);

} // namespace OpenRequest
