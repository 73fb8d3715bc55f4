#include "dialogs/dialogbackend.h"

#include "dialogs/qtdialogbackend.h"
#include "platform/replaceableservice.h"

DialogBackend &DialogBackend::instance()
{
    return ReplaceableService<DialogBackend, QtDialogBackend>::instance();
}

void DialogBackend::setInstance(DialogBackend *backend)
{
    ReplaceableService<DialogBackend, QtDialogBackend>::install(backend);
}
