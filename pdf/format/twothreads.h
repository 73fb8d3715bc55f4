// Runs two halves of one job at once: one on a thread started for it, the
// other on the caller's. For work the document would otherwise do alone
// at its end (a large font) while the second core idles.
#ifndef TERVOLANPDF_TWOTHREADS_H
#define TERVOLANPDF_TWOTHREADS_H

#include <functional>
#include <thread>

namespace tervolanpdf {

class TwoThreads {
public:
    // Runs side on a new thread and here on the caller's, and returns once
    // both are done. Without a thread to be had (a process limit) both run
    // on the caller's. Whatever either threw is thrown here, side's first;
    // nothing is left running.
    static void run(const std::function<void()> &side, const std::function<void()> &here);

    // A thread of run, one that takes no signals. Throws std::system_error
    // when none can be had.
    static std::thread withoutSignals(std::function<void()> run);
};

} // namespace tervolanpdf

#endif
