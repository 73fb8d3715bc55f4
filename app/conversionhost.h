#pragma once

#include "app/skipreason.h"

#include <string>

// What the conversion job needs from whoever runs it, besides the list and
// the progress display.
class ConversionHost {
public:
    virtual ~ConversionHost() = default;
    virtual void beep() = 0;
    virtual void openFolder(const std::string &folder) = 0;
    // An input that could not be converted and was taken off the list.
    virtual void inputSkipped(const std::string &input, const SkipReason &reason) = 0;
    // Something about input the person should know although its PDF was
    // written (text that runs off the page).
    virtual void inputWarning(const std::string &input, const SkipReason &warning) = 0;
    // A finished PDF, by its full path.
    virtual void documentWritten(const std::string &pdfPath) = 0;
    // The run's output folder cannot be made or written; the run converts
    // nothing and the list stays.
    virtual void outputFolderUnusable(const std::string &folder, int errorNumber) = 0;
    // The PDF writer failed on input with this message. The document is
    // left as the writer left it; the job converts nothing more in this
    // run unless its caller goes on with the next file itself.
    virtual void pdfFailed(const std::string &input, const std::string &message) = 0;
};
