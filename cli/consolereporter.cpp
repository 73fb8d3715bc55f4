#include "cli/consolereporter.h"

#include <cstdio>
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

void ConsoleReporter::inputSkipped(const std::string &input, const std::string &reason)
{
    failed(input, reason);
}

void ConsoleReporter::failed(const std::string &input, const std::string &reason)
{
    std::lock_guard lock(m_mutex);
    ++m_failures;
    clearBar();
    std::fprintf(stderr, "tervolan-convert: %s: %s\n", input.c_str(), reason.c_str());
    std::fflush(stderr);
}

void ConsoleReporter::documentWritten(const std::string &pdfPath)
{
    std::lock_guard lock(m_mutex);
    if (m_quiet)
        return;
    clearBar();
    std::fprintf(stdout, "%s\n", pdfPath.c_str());
    std::fflush(stdout);
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
