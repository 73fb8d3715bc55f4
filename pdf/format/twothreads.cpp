#include "pdf/format/twothreads.h"

#include <exception>
#include <system_error>

#include <pthread.h>
#include <signal.h>

namespace tervolanpdf {

// here runs even when side fails, so the caller finds both halves settled.
void TwoThreads::run(const std::function<void()> &side, const std::function<void()> &here)
{
    std::exception_ptr sideFailure;
    const auto guardedSide = [&] {
        try {
            side();
        } catch (...) {
            sideFailure = std::current_exception();
        }
    };
    std::thread thread;
    try {
        thread = withoutSignals(guardedSide);
    } catch (const std::system_error &) {
        guardedSide();
    }
    std::exception_ptr hereFailure;
    try {
        here();
    } catch (...) {
        hereFailure = std::current_exception();
    }
    if (thread.joinable())
        thread.join();
    if (sideFailure)
        std::rethrow_exception(sideFailure);
    if (hereFailure)
        std::rethrow_exception(hereFailure);
}

// A signal sent to the process must find the thread that may just be
// creating a temporary file, which holds signals off until the file is
// registered for removal; so a helper thread never takes one.
std::thread TwoThreads::withoutSignals(std::function<void()> run)
{
    sigset_t all;
    sigset_t previous;
    sigfillset(&all);
    pthread_sigmask(SIG_BLOCK, &all, &previous);
    try {
        std::thread thread(std::move(run));
        pthread_sigmask(SIG_SETMASK, &previous, nullptr);
        return thread;
    } catch (...) {
        pthread_sigmask(SIG_SETMASK, &previous, nullptr);
        throw;
    }
}

} // namespace tervolanpdf
