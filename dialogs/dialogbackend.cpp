#include "dialogs/dialogbackend.h"

#include "dialogs/qtdialogbackend.h"

namespace {

DialogBackend *installed = nullptr;

} // namespace

DialogBackend &DialogBackend::instance()
{
    static QtDialogBackend qtBackend;
    return installed ? *installed : qtBackend;
}

void DialogBackend::setInstance(DialogBackend *backend)
{
    installed = backend;
}
