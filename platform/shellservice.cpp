#include "platform/shellservice.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

class DesktopShell : public ShellService
{
public:
    bool open(const QString &urlOrPath) override
    {
        QUrl url(urlOrPath);
        if (url.scheme().isEmpty() || urlOrPath.startsWith('/'))
            url = QUrl::fromLocalFile(urlOrPath);
        return QDesktopServices::openUrl(url);
    }
};

ShellService *installed = nullptr;

} // namespace

ShellService &ShellService::instance()
{
    static DesktopShell desktop;
    return installed ? *installed : desktop;
}

void ShellService::setInstance(ShellService *service)
{
    installed = service;
}
