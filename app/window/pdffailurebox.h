#pragma once

#include "pdf/api.h"

// In the window a writer failure ends the program: a box titled "PDF" with
// the writer's own message and the stop icon, then the end.
class PdfFailureBox : public PdfFailureHandler {
public:
    void pdfFailed(const std::string &message) override;
};
