#pragma once

#include "dialogs/dialogbackend.h"

// The standard dialogs as Qt shows them.
class QtDialogBackend : public DialogBackend {
public:
    std::optional<QString> openFile(QWidget *owner, const FileRequest &request) override;
    std::optional<QString> saveFile(QWidget *owner, const FileRequest &request) override;
    std::optional<QString> folder(QWidget *owner, const QString &title) override;
    std::optional<QColor> color(QWidget *owner, QColor initial, bool fullOpen) override;
    std::optional<FontChoice> font(QWidget *owner, const FontChoice &initial) override;
    bool print(QWidget *owner) override;
    bool printerProperties(QWidget *owner) override;
};
