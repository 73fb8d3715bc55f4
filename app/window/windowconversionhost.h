#pragma once

#include "app/conversionhost.h"
#include "app/progressdisplay.h"

#include <QElapsedTimer>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// The conversion job's link to the window: it keeps the window painted and
// usable while the job runs, beeps and shows the output folder with the new
// PDFs at the end, and collects the inputs the job had to skip so the window
// can name them.
class WindowConversionHost : public ConversionHost, public ProgressDisplay {
public:
    explicit WindowConversionHost(std::function<void(int)> showProgress);

    // Handles the window's events, at most once every few milliseconds: the
    // job asks after every line, and asking that often would cost more than
    // the conversion itself.
    void processPendingEvents() override;
    void beep() override;
    void openFolder(const std::string &folder) override;
    void inputSkipped(const std::string &input, const SkipReason &reason) override;
    void documentWritten(const std::string &pdfPath) override;
    void inputWarning(const std::string &input, const SkipReason &warning) override;
    // Names the folder and the cause in a warning; the window goes on with
    // its list as it was.
    void outputFolderUnusable(const std::string &folder, int errorNumber) override;
    // Shows the writer's message in a box titled "PDF" with the stop icon,
    // then ends the program at once: nothing of the run may go on.
    void pdfFailed(const std::string &input, const std::string &message) override;
    // Passes a value on only when it differs from the last one passed: the
    // job reports after every piece, thousands a file, while the percentage
    // moves some hundred times, and the window's bar of blocks draws a
    // repeated value the same. Screen readers hear each change once.
    void setValue(int value) override;

    // The skipped inputs, one "path: reason" line each with the reason in
    // Chinese, and forgets them.
    QStringList takeSkipped();
    // The inputs written with a warning, one "path: warning" line each, and
    // forgets them.
    QStringList takeWarnings();

private:
    std::function<void(int)> m_showProgress;
    // Nothing passed yet: the bar's stored value was never drawn.
    std::optional<int> m_shownValue;
    QElapsedTimer m_sinceEvents;
    QStringList m_skipped;
    QStringList m_warnings;
    // The PDFs of this run, to be shown selected in the output folder.
    QStringList m_written;
};
