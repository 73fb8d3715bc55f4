#include "platform/file/temporaryfileregistry.h"

#include <atomic>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <iterator>
#include <mutex>

#include <pthread.h>
#include <unistd.h>

namespace {

// A signal may arrive in any thread at any moment, so the handler reads
// only lock-free slots that are never freed: a slot is claimed by one
// writer, filled, then marked live; the handler unlinks live slots alone.
enum SlotState : int { Free, Claimed, Live };

} // namespace

namespace TemporaryFileRegistry {

struct Entry {
    std::atomic<int> state{Free};
    pid_t owner = 0;
    char path[PATH_MAX] = {};
    Entry *next = nullptr;
};

} // namespace TemporaryFileRegistry

namespace {

using Slot = TemporaryFileRegistry::Entry;

std::atomic<Slot *> slots{nullptr};

constexpr int HandledSignals[] = {SIGINT, SIGTERM, SIGHUP};

// Files being created and not yet remembered, in any thread (SignalHold).
std::atomic<int> creationsUnderway{0};

// A signal handled in one thread while another is between creating and
// remembering its file would leave that file behind: the handler lets the
// creation finish first. It takes microseconds; the bound keeps a stopped
// thread from holding the signal off.
void waitForCreationsUnderway()
{
    const timespec step{0, 1000000};
    for (int waited = 0; waited < 2000 && creationsUnderway.load() > 0; ++waited)
        nanosleep(&step, nullptr);
}
struct sigaction previousActions[std::size(HandledSignals)];

// Only the process that created a file removes it: a forked child that
// exits must not delete its parent's work in progress.
void removeLiveFiles()
{
    const pid_t self = getpid();
    for (Slot *slot = slots.load(); slot; slot = slot->next) {
        if (slot->state.load() == Live && slot->owner == self)
            unlink(slot->path);
    }
}

int signalIndex(int signal)
{
    for (int i = 0; i < int(std::size(HandledSignals)); ++i) {
        if (HandledSignals[i] == signal)
            return i;
    }
    return -1;
}

// After the files are gone the signal takes its earlier course: a handler
// installed before ours runs, otherwise the default action ends the process
// with the signal's own status.
void onSignal(int signal, siginfo_t *info, void *context)
{
    waitForCreationsUnderway();
    removeLiveFiles();
    const int index = signalIndex(signal);
    const struct sigaction &previous = previousActions[index];
    if (previous.sa_flags & SA_SIGINFO) {
        previous.sa_sigaction(signal, info, context);
        return;
    }
    if (previous.sa_handler != SIG_DFL && previous.sa_handler != SIG_IGN) {
        previous.sa_handler(signal);
        return;
    }
    std::signal(signal, SIG_DFL);
    raise(signal);
}

void installHandlers()
{
    std::atexit(removeLiveFiles);
    for (int i = 0; i < int(std::size(HandledSignals)); ++i) {
        struct sigaction previous = {};
        sigaction(HandledSignals[i], nullptr, &previous);
        // An ignored signal (nohup) stays ignored.
        if (!(previous.sa_flags & SA_SIGINFO) && previous.sa_handler == SIG_IGN)
            continue;
        previousActions[i] = previous;
        struct sigaction action = {};
        action.sa_sigaction = onSignal;
        action.sa_flags = SA_SIGINFO | SA_RESTART;
        sigemptyset(&action.sa_mask);
        sigaction(HandledSignals[i], &action, nullptr);
    }
}

void ensureHandlers()
{
    static std::once_flag once;
    std::call_once(once, installHandlers);
}

Slot *claimSlot()
{
    for (Slot *slot = slots.load(); slot; slot = slot->next) {
        int expected = Free;
        if (slot->state.compare_exchange_strong(expected, Claimed))
            return slot;
    }
    Slot *slot = new Slot; // never freed: a handler may be reading it
    slot->state.store(Claimed);
    slot->next = slots.load();
    while (!slots.compare_exchange_weak(slot->next, slot)) {}
    return slot;
}

} // namespace

namespace TemporaryFileRegistry {

SignalHold::SignalHold()
{
    // In place before the first file exists, so a signal handled in
    // another thread during its creation already waits for it.
    ensureHandlers();
    sigset_t held;
    sigemptyset(&held);
    for (int signal : HandledSignals)
        sigaddset(&held, signal);
    pthread_sigmask(SIG_BLOCK, &held, &m_previous);
    creationsUnderway.fetch_add(1);
}

SignalHold::~SignalHold()
{
    creationsUnderway.fetch_sub(1);
    pthread_sigmask(SIG_SETMASK, &m_previous, nullptr);
}

Entry *remember(const std::string &path)
{
    ensureHandlers();
    if (path.size() >= PATH_MAX)
        return nullptr;
    Slot *slot = claimSlot();
    slot->owner = getpid();
    std::memcpy(slot->path, path.c_str(), path.size() + 1);
    slot->state.store(Live);
    return slot;
}

void forget(Entry *entry)
{
    if (entry)
        entry->state.store(Free);
}

} // namespace TemporaryFileRegistry
