#include "cli/consolereporter.h"

#include "cli/lineescape.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

ConsoleReporter::ConsoleReporter(bool quiet, int totalFiles)
    : m_quiet(quiet)
    , m_showBar(!quiet && isatty(STDERR_FILENO))
    , m_total(totalFiles)
{
}

void ConsoleReporter::setTotal(int totalFiles)
{
    std::lock_guard lock(m_mutex);
    m_total = totalFiles;
}

void ConsoleReporter::setListing(bool listing)
{
    std::lock_guard lock(m_mutex);
    m_listing = listing;
}

void ConsoleReporter::inputSkipped(const std::string &input, const SkipReason &reason)
{
    failed(input, reason.english());
}

void ConsoleReporter::failed(const std::string &input, const std::string &reason)
{
    std::lock_guard lock(m_mutex);
    ++m_failures;
    clearBar();
    std::fprintf(stderr, "tervolan-convert: %s\n",
                 LineEscape::escaped(input + ": " + reason).c_str());
    std::fflush(stderr);
}

void ConsoleReporter::inputWarning(const std::string &input, const SkipReason &warning)
{
    {
        std::lock_guard lock(m_mutex);
        if (m_wideLinesTold && warning.kind == SkipReason::Kind::TextRunsOff)
            return;
    }
    warn(input + ": warning: " + warning.english());
}

void ConsoleReporter::warnOfWideLines(const std::string &warning)
{
    warn(warning);
    std::lock_guard lock(m_mutex);
    m_wideLinesTold = true;
}

void ConsoleReporter::warn(const std::string &warning)
{
    std::lock_guard lock(m_mutex);
    clearBar();
    std::fprintf(stderr, "tervolan-convert: %s\n", LineEscape::escaped(warning).c_str());
    std::fflush(stderr);
}

// A listing that cannot be written (a full disk, a closed pipe) is a
// failure of the run, said once; the conversion goes on.
void ConsoleReporter::documentWritten(const std::string &pdfPath)
{
    std::lock_guard lock(m_mutex);
    if (m_quiet || !m_listing || m_listingLost)
        return;
    clearBar();
    if (std::fprintf(stdout, "%s\n", LineEscape::escaped(pdfPath).c_str()) < 0
        || std::fflush(stdout) != 0) {
        m_listingLost = true;
        ++m_failures;
        std::fprintf(stderr, "tervolan-convert: standard output: %s\n", std::strerror(errno));
        std::fflush(stderr);
    }
}

void ConsoleReporter::fileFinished()
{
    std::lock_guard lock(m_mutex);
    ++m_done;
    drawBar(m_done == m_total);
}

void ConsoleReporter::finish()
{
    std::lock_guard lock(m_mutex);
    clearBar();
}

int ConsoleReporter::failures() const
{
    std::lock_guard lock(m_mutex);
    return m_failures;
}

// Redrawn at most ten times a second, so thousands of small files do not
// flood the terminal.
void ConsoleReporter::drawBar(bool force)
{
    if (!m_showBar || m_total <= 0)
        return;
    auto now = std::chrono::steady_clock::now();
    constexpr std::chrono::milliseconds RedrawInterval(100);
    if (!force && now - m_lastDraw < RedrawInterval)
        return;
    m_lastDraw = now;
    constexpr int Width = 30;
    int filled = m_done * Width / m_total;
    std::string bar = std::string(size_t(filled), '#') + std::string(size_t(Width - filled), '.');
    std::fprintf(stderr, "\r[%s] %d/%d files", bar.c_str(), m_done, m_total);
    std::fflush(stderr);
    m_barShown = true;
}

void ConsoleReporter::clearBar()
{
    if (!m_barShown)
        return;
    // Back to the line's start, then the terminal's "erase to end of line".
    std::fprintf(stderr, "\r\033[K");
    m_barShown = false;
}
