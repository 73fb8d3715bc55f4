// The temporary files this process is writing. They are removed when the
// process exits normally or dies of SIGINT, SIGTERM or SIGHUP, so an
// interrupted batch leaves no half-written hidden files behind. (SIGKILL
// cannot be caught: the next writer in that folder sweeps those up.)
#pragma once

#include <string>

namespace TemporaryFileRegistry {

struct Entry;

// Registers path until forget(). Returns nullptr when the path is too long
// to keep (the file then just isn't removed at exit); forget(nullptr) does
// nothing.
Entry *remember(const std::string &path);
void forget(Entry *entry);

} // namespace TemporaryFileRegistry
