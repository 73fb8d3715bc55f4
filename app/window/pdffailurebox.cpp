#include "app/window/pdffailurebox.h"

#include "platform/messageboxservice.h"

#include <QString>

#include <cstdlib>

void PdfFailureBox::pdfFailed(const std::string &message)
{
    MessageBoxService::instance().show(nullptr, QString::fromStdString(message), "PDF",
                                       MessageBoxService::Icon::Error);
    std::exit(1);
}
