#pragma once

#include "app/conversionhost.h"
#include "app/progressdisplay.h"

#include <chrono>
#include <cstring>
#include <mutex>
#include <string>

// Tells the person at the terminal what happened: written PDFs on stdout,
// failures on stderr, and a progress bar on stderr when it is a terminal.
// Safe to share between worker threads.
class ConsoleReporter : public ConversionHost, public ProgressDisplay {
public:
    ConsoleReporter(bool quiet, int totalFiles);

    void beep() override {}
    void openFolder(const std::string &) override {}
    void inputSkipped(const std::string &input, const SkipReason &reason) override;
    void documentWritten(const std::string &pdfPath) override;
    void inputWarning(const std::string &input, const SkipReason &warning) override;
    void outputFolderUnusable(const std::string &folder, int errorNumber) override
    {
        failed(folder, std::strerror(errorNumber));
    }
    void pdfFailed(const std::string &input, const std::string &message) override
    {
        failed(input, message);
    }
    void setValue(int) override {}

    // A failure found outside the job (a folder without -r, a writer error).
    void failed(const std::string &input, const std::string &reason);
    // One line on stderr that leaves the exit status alone.
    void warn(const std::string &warning);
    void fileFinished();
    void finish();
    int failures() const;
    void setTotal(int totalFiles);
    // Whether written PDFs are listed on stdout (not when stdout carries
    // the report instead).
    void setListing(bool listing);
    // Gives the run's warning that full lines are wider than the page,
    // which then stands for every input's warning of text running off it.
    void warnOfWideLines(const std::string &warning);

private:
    void drawBar(bool force);
    void clearBar();

    mutable std::mutex m_mutex;
    bool m_quiet;
    bool m_showBar;
    int m_total;
    int m_done = 0;
    int m_failures = 0;
    bool m_barShown = false;
    bool m_listing = true;
    bool m_listingLost = false;
    bool m_wideLinesTold = false;
    std::chrono::steady_clock::time_point m_lastDraw{};
};
