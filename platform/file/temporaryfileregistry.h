// The temporary files this process is writing. They are removed when the
// process exits normally or dies of SIGINT, SIGTERM or SIGHUP, so an
// interrupted batch leaves no half-written hidden files behind. (SIGKILL
// cannot be caught: the next writer in that folder sweeps those up.)
#pragma once

#include <csignal>
#include <string>

namespace TemporaryFileRegistry {

struct Entry;

// Holds off SIGINT, SIGTERM and SIGHUP in this thread while it lives, so
// that a file can be created and remembered with no moment between the two
// in which a signal would leave it behind. A signal that came meanwhile is
// handled as the holder goes; one handled meanwhile in another thread waits
// for the hold to end (two seconds at most).
class SignalHold {
public:
    SignalHold();
    ~SignalHold();
    SignalHold(const SignalHold &) = delete;
    SignalHold &operator=(const SignalHold &) = delete;

private:
    sigset_t m_previous;
};

// Registers path until forget(). Returns nullptr when the path is too long
// to keep (the file then just isn't removed at exit); forget(nullptr) does
// nothing.
Entry *remember(const std::string &path);
void forget(Entry *entry);

} // namespace TemporaryFileRegistry
