#pragma once

#include "app/conversionhost.h"
#include "app/progressdisplay.h"

#include <QByteArrayList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// The conversion job's link to the window: it beeps at the end and keeps
// the output folder with the new PDFs for the window to show, and collects the inputs the job had
// to skip and the failures that stop a run, so the window can name them once
// the job has returned: a message box waits for the person, and the job
// must not wait inside it.
class WindowConversionHost : public ConversionHost, public ProgressDisplay {
public:
    // endProgram ends the program with a status, as the window does.
    WindowConversionHost(std::function<void(int)> showProgress,
                         std::function<void(int)> endProgram);

    void beep() override;
    // Kept for showOutputFolder().
    void openFolder(const std::string &folder) override;
    void inputSkipped(const std::string &input, const SkipReason &reason) override;
    void documentWritten(const std::string &pdfPath) override;
    void inputWarning(const std::string &input, const SkipReason &warning) override;
    // Kept for showUnusableFolder().
    void outputFolderUnusable(const std::string &folder, int errorNumber) override;
    // Kept for endOnWriterFailure().
    void pdfFailed(const std::string &input, const std::string &message) override;
    // Passes a value on only when it differs from the last one passed: the
    // job reports after every piece, thousands a file, while the percentage
    // moves some hundred times, and the window's bar of blocks draws a
    // repeated value the same. Screen readers hear each change once.
    void setValue(int value) override;

    // Shows the folder the job asked to open, with this run's PDFs
    // selected, if it wrote any, and forgets both. Called once the person
    // has read what the run skipped: a file manager opened before would
    // cover the box, and an empty folder tells nothing.
    void showOutputFolder();
    // Names the unusable output folder and the cause in a warning, if the
    // job told of one, and forgets it; the window goes on with its list as
    // it was.
    void showUnusableFolder();
    // If the job told of a writer failure: shows the writer's message in a
    // box titled "PDF" with the stop icon, then ends the program with
    // status 1, as nothing of the run may go on. Returns whether it did (an
    // ender that returns, as in tests, comes back here).
    bool endOnWriterFailure();
    // The inputs finished so far, written or skipped, over every run.
    int finishedCount() const { return m_finishedCount; }
    // The skipped inputs, one "path: reason" line each with the reason in
    // Chinese, and forgets them.
    QStringList takeSkipped();
    // The inputs written with text off the page, one "path: warning" line
    // each, and forgets them.
    QStringList takeOffPageWarnings();
    // The same for inputs written with characters no installed font has.
    QStringList takeMissingGlyphWarnings();
    // The same for inputs with bytes not valid in their encoding.
    QStringList takeEncodingWarnings();

private:
    QStringList &warningsOfKind(SkipReason::Kind kind);

    std::function<void(int)> m_showProgress;
    std::function<void(int)> m_endProgram;
    // Nothing passed yet: the bar's stored value was never drawn.
    std::optional<int> m_shownValue;
    QString m_unusableFolder;
    std::optional<QString> m_writerFailure;
    QStringList m_skipped;
    // Apart, so that the window names each kind under its own heading.
    QStringList m_offPageWarnings;
    QStringList m_missingGlyphWarnings;
    QStringList m_encodingWarnings;
    // The PDFs of this run by their bytes, to be shown selected in the
    // output folder.
    QByteArrayList m_written;
    QString m_folderToShow;
    int m_finishedCount = 0;
};
