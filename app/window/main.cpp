#include "app/window/demoform.h"
#include "app/window/singleinstance.h"
#include "settings/settingsstore.h"

#include <QApplication>

int main(int argc, char **argv)
{
    // The single-instance test comes first: a second copy ends before it
    // shows anything.
    QApplication application(argc, argv);
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName("org.tervolan.Tervolan");
    SingleInstance instance;
    if (!instance.acquired())
        return 0;

    DemoForm form;
    form.load(QString::fromStdString(configIniPath().string()));
    form.show();
    return application.exec();
}
