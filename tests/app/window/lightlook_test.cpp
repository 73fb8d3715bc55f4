#include "app/window/demoform.h"
#include "app/window/frmsetting.h"
#include "app/window/lightlook.h"
#include "settings/settingsstore.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

// A dark desktop palette turned the Settings labels near-white on the light
// panel and the list and the path box black.
TEST(LightLook, WindowsStayLightOnADarkDesktopPalette)
{
    const QPalette desktop = QApplication::palette();
    QApplication::setPalette(QPalette(QColor(0x35, 0x35, 0x35)));
    LightLook::apply();
    TempDir dir;
    Settings settings;
    QWidget mainWindow;
    frmSetting dialog(settings, dir.file("config.ini"), &mainWindow);
    DemoForm form;
    const QPalette label = dialog.Label3()->palette();
    const QPalette pathBox = dialog.txtPath()->palette();
    const QPalette list = form.List1()->palette();
    QApplication::setPalette(desktop);

    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        EXPECT_EQ(label.color(group, QPalette::WindowText).name(), "#000000") << group;
        EXPECT_EQ(pathBox.color(group, QPalette::Base).name(), "#ffffff") << group;
        EXPECT_EQ(pathBox.color(group, QPalette::Text).name(), "#000000") << group;
        EXPECT_EQ(list.color(group, QPalette::Base).name(), "#ffffff") << group;
        EXPECT_EQ(list.color(group, QPalette::Text).name(), "#000000") << group;
    }
}
