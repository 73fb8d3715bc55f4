#pragma once

#include "app/conversionhost.h"
#include "cli/consolereporter.h"

#include <string>

// One worker's host for its conversion job: passes everything on to the
// shared console reporter and keeps why the last input failed, for the
// report. Each worker has its own, so no reason lands on another's file.
class OutcomeRecorder : public ConversionHost {
public:
    explicit OutcomeRecorder(ConsoleReporter &reporter) : m_reporter(reporter) {}

    void beep() override {}
    void openFolder(const std::string &) override {}
    void inputSkipped(const std::string &input, const SkipReason &reason) override;
    void inputWarning(const std::string &input, const SkipReason &warning) override;
    void documentWritten(const std::string &pdfPath) override;
    void outputFolderUnusable(const std::string &folder, int errorNumber) override;
    void pdfFailed(const std::string &input, const std::string &message) override;

    // Forgets the last input's outcome before the next one.
    void clear() { m_reason.clear(); }
    const std::string &reason() const { return m_reason; }

private:
    ConsoleReporter &m_reporter;
    std::string m_reason;
};
