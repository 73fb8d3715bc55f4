#pragma once

#include "app/conversionhost.h"
#include "cli/consolereporter.h"

#include <string>

// One worker's host for its conversion job: passes everything on to the
// shared console reporter and keeps why the last input failed, for the
// report. Each worker has its own, so no reason lands on another's file.
class OutcomeRecorder : public ConversionHost {
public:
    // box is the worker's PDF writer, asked whether a failure was its
    // output name being taken.
    OutcomeRecorder(ConsoleReporter &reporter, int box) : m_reporter(reporter), m_box(box) {}

    void beep() override {}
    void openFolder(const std::string &) override {}
    void inputSkipped(const std::string &input, const SkipReason &reason) override;
    void inputWarning(const std::string &input, const SkipReason &warning) override;
    void documentWritten(const std::string &pdfPath) override;
    void outputFolderUnusable(const std::string &folder, int errorNumber) override;
    void pdfFailed(const std::string &input, const std::string &message) override;

    // Forgets the last input's outcome before the next one.
    void clear()
    {
        m_reason.clear();
        m_outputTaken = false;
    }
    const std::string &reason() const { return m_reason; }
    // The last input's PDF name was taken by another writer while it was
    // converted (PDF_KEEP_EXISTING). Not reported: the caller decides.
    bool outputTaken() const { return m_outputTaken; }

private:
    ConsoleReporter &m_reporter;
    int m_box;
    std::string m_reason;
    bool m_outputTaken = false;
};
