#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

// The dialogs themselves, apart from the rules of CCommonDialogs, so that
// tests can play the person's choice instead of showing a dialog.
class DialogBackend {
public:
    struct FileRequest {
        QString title;
        QString folder;
        QString proposedName;
        // Qt name filters, "Text (*.txt)", except that "*.*" means every
        // file, as it does in CCommonDialogs' Filter.
        QStringList filters;
        int selectedFilter = 0;
        QString defaultSuffix;
        bool mustExist = false;
    };
    struct FontChoice {
        static constexpr int TenthsPerPoint = 10;

        QString faceName;
        // As a logical font has it: minus the character height in pixels.
        int logicalHeight = 0;
        int pointTenths = 0; // the size chosen, in tenths of a point
        bool bold = false;
        bool italic = false;
        bool underline = false;
    };

    virtual ~DialogBackend() = default;
    virtual std::optional<QString> openFile(QWidget *owner, const FileRequest &request) = 0;
    virtual std::optional<QString> saveFile(QWidget *owner, const FileRequest &request) = 0;
    virtual std::optional<QString> folder(QWidget *owner, const QString &title) = 0;
    virtual std::optional<QColor> color(QWidget *owner, QColor initial, bool fullOpen) = 0;
    virtual std::optional<FontChoice> font(QWidget *owner, const FontChoice &initial) = 0;
    virtual bool print(QWidget *owner) = 0;
    // False when there is no default printer.
    virtual bool printerProperties(QWidget *owner) = 0;

    // The backend in use: Qt's dialogs unless a test installed another.
    static DialogBackend &instance();
    static void setInstance(DialogBackend *backend);
};
