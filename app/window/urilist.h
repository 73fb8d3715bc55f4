#pragma once

#include <QByteArray>
#include <QStringList>

// Reads the local file paths out of "text/uri-list" data, the form in which
// file managers hand over dropped files: one URI per line, "#" lines are
// comments. Only file: URIs on this machine count; percent escapes are
// decoded, so Chinese names and blanks come through intact. A path that
// would hold a NUL character is left out.
namespace UriList {

QStringList localPaths(const QByteArray &uriList);

} // namespace UriList
