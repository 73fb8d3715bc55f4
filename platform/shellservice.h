#pragma once

#include <QString>

// Opens a web page or a folder the way the desktop does (xdg-open behind
// QDesktopServices), behind an interface so tests record instead.
class ShellService
{
public:
    virtual ~ShellService() = default;
    // Returns false when nothing could be opened.
    virtual bool open(const QString &urlOrPath) = 0;

    static ShellService &instance();
    static void setInstance(ShellService *service);
};
