#pragma once

#include <QByteArray>
#include <QByteArrayList>

// Reads the local file paths out of "text/uri-list" data, the form in which
// file managers hand over dropped files: one URI per line, "#" lines are
// comments. Only file: URIs on this machine count; percent escapes are
// decoded to the path's bytes, which are kept as they are: a name need not
// be UTF-8. A path that would hold a NUL character is left out.
namespace UriList {

QByteArrayList localPaths(const QByteArray &uriList);

} // namespace UriList
