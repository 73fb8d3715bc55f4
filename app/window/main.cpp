#include "app/window/demoform.h"
#include "app/window/lightlook.h"
#include "app/window/singleinstance.h"
#include "app/window/wholescalefactor.h"
#include "settings/settingsstore.h"

#include <QApplication>

#include <cstdio>
#include <memory>
#include <stdexcept>

int main(int argc, char **argv)
{
    WholeScaleFactor::roundBeforeStart();
    // The single-instance test comes first: a second copy ends before it
    // shows anything.
    QApplication application(argc, argv);
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName("org.tervolan.Tervolan");
    SingleInstance instance;
    if (!instance.acquired())
        return 0;
    if (!instance.warning().isEmpty())
        std::fprintf(stderr, "tervolan: %s\n", qUtf8Printable(instance.warning()));
    LightLook::apply();

    // A form description without one of the window's controls is a broken
    // build: say which control, instead of running with a dead button.
    std::unique_ptr<DemoForm> form;
    try {
        form = std::make_unique<DemoForm>();
    } catch (const std::runtime_error &error) {
        std::fprintf(stderr, "tervolan: %s\n", error.what());
        return 1;
    }
    form->load(QString::fromStdString(configIniPath().string()));
    form->show();
    return application.exec();
}
