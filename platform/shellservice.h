#pragma once

#include <QByteArrayList>
#include <QString>

// Opens a web page or a folder the way the desktop does (xdg-open behind
// QDesktopServices), behind an interface so tests record instead.
class ShellService {
public:
    virtual ~ShellService() = default;
    // Returns false when nothing could be opened.
    virtual bool open(const QString &urlOrPath) = 0;
    // Shows the folder in the desktop's file manager with the files in it
    // selected where the file manager offers that, else opens the folder.
    // The files are paths as bytes, as the file system names them.
    // Returns false when nothing could be shown.
    virtual bool showFiles(const QString &folder, const QByteArrayList &files) = 0;

    static ShellService &instance();
    static void setInstance(ShellService *service);
};
