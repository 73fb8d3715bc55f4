#include "platform/currentform.h"

namespace {

// Guarded, so a closed window is never moved.
QPointer<QWidget> &current()
{
    static QPointer<QWidget> form;
    return form;
}

} // namespace

QWidget *CurrentForm::form()
{
    return current().data();
}

void CurrentForm::setForm(QWidget *form)
{
    current() = form;
}

HeaderDragState &CurrentForm::headerDrag()
{
    static HeaderDragState state;
    return state;
}
