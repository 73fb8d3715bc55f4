#include "platform/shellservice.h"

#include "platform/filemanagerbus.h"
#include "platform/replaceableservice.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

bool openUrl(const QString &urlOrPath)
{
    QUrl url(urlOrPath);
    if (url.scheme().isEmpty() || urlOrPath.startsWith('/'))
        url = QUrl::fromLocalFile(urlOrPath);
    return QDesktopServices::openUrl(url);
}

class DesktopShell : public ShellService {
public:
    bool open(const QString &urlOrPath) override { return openUrl(urlOrPath); }

    bool showFiles(const QString &folder, const QByteArrayList &files) override
    {
        FileManagerBus fileManager(QDBusConnection::sessionBus());
        if (files.isEmpty() || !fileManager.present())
            return openUrl(folder);
        // A file manager that refuses still leaves the user a folder.
        fileManager.showItems(files, [folder] { openUrl(folder); });
        return true;
    }
};

} // namespace

ShellService &ShellService::instance()
{
    return ReplaceableService<ShellService, DesktopShell>::instance();
}

void ShellService::setInstance(ShellService *service)
{
    ReplaceableService<ShellService, DesktopShell>::install(service);
}
