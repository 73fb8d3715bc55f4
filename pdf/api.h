#pragma once

#include <string>

// What happens when the PDF writer reports a failure. The window shows the
// message in a box titled "PDF" and ends the program; the command line
// reports it for the file at hand. A handler must not return: it ends the
// process or throws.
class PdfFailureHandler {
public:
    virtual ~PdfFailureHandler() = default;
    virtual void pdfFailed(const std::string &message) = 0;
};

// Installs the handler used by every thread; nullptr restores the default,
// which prints the message to stderr and exits with status 1.
void setPdfFailureHandler(PdfFailureHandler *handler);

// Checked calls into the PDF writer: a result of -1 fetches the writer's
// message and hands it to the failure handler.
void PdfCheck(int code);
int PdfGetNum(int box, int property);
void PdfSetNum(int box, int property, int value);
void PdfSetStr(int box, int property, const std::string &text);
