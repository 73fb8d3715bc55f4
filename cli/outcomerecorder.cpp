#include "cli/outcomerecorder.h"

#include "pdf/tervolanpdf.h"

#include <cstring>

void OutcomeRecorder::inputSkipped(const std::string &input, const SkipReason &reason)
{
    m_reason = reason.english();
    m_reporter.inputSkipped(input, reason);
}

void OutcomeRecorder::inputWarning(const std::string &input, const SkipReason &warning)
{
    m_reporter.inputWarning(input, warning);
}

void OutcomeRecorder::documentWritten(const std::string &pdfPath)
{
    m_reporter.documentWritten(pdfPath);
}

void OutcomeRecorder::outputFolderUnusable(const std::string &folder, int errorNumber)
{
    m_reason = folder + ": " + std::strerror(errorNumber);
    m_reporter.outputFolderUnusable(folder, errorNumber);
}

void OutcomeRecorder::pdfFailed(const std::string &input, const std::string &message)
{
    m_reason = message;
    m_outputTaken = GetNumProp(m_box, PDF_OUTPUT_TAKEN) == 1;
    if (m_outputTaken)
        return;
    m_reporter.pdfFailed(input, message);
}
