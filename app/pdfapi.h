#pragma once

#include <stdexcept>
#include <string>

// A failure of the PDF writer, with the writer's own message. Thrown by the
// checked calls below and caught by the conversion job that made them,
// which hands it to its host as an outcome; it never leaves the job.
class PdfFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Checked calls into the PDF writer: a result of -1 fetches the writer's
// message and throws it as a PdfFailure.
void PdfCheck(int code);
int PdfGetNum(int box, int property);
void PdfSetNum(int box, int property, int value);
void PdfSetStr(int box, int property, const std::string &text);
