#include <gtest/gtest.h>

#ifdef TERVOLAN_TEST_WIDGETS
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#endif

// Widget tests need one QApplication for the whole run, painter tests one
// QGuiApplication (fonts and pixmaps). Off screen unless the caller chose a
// platform: test discovery runs the binary without the environment CTest
// gives the tests.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TestApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
