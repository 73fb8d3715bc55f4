#include <QApplication>
#include <gtest/gtest.h>

// Widget tests need one QApplication for the whole run. Off screen unless
// the caller chose a platform: test discovery runs the binary without the
// environment CTest gives the tests.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
