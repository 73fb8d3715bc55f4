#include "platform/qtmessageboxservice.h"

#include <QMessageBox>

namespace {

QMessageBox::Icon qtIcon(MessageBoxService::Icon icon)
{
    switch (icon) {
    case MessageBoxService::Icon::Information: return QMessageBox::Information;
    case MessageBoxService::Icon::Warning: return QMessageBox::Warning;
    case MessageBoxService::Icon::Error: return QMessageBox::Critical;
    case MessageBoxService::Icon::Question: return QMessageBox::Question;
    case MessageBoxService::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons qtButtons(MessageBoxService::Buttons buttons)
{
    switch (buttons) {
    case MessageBoxService::Buttons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageBoxService::Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MessageBoxService::Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageBoxService::Buttons::Ok: break;
    }
    return QMessageBox::Ok;
}

} // namespace

MessageBoxService::Answer QtMessageBoxService::show(QWidget *parent, const QString &text,
                                                    const QString &caption, Icon icon,
                                                    Buttons buttons)
{
    QMessageBox box(qtIcon(icon), caption, text, qtButtons(buttons), parent);
    switch (box.exec()) {
    case QMessageBox::Cancel: return Answer::Cancel;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Ok;
    }
}
