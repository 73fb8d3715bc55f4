#include <gtest/gtest.h>

#ifdef TERVOLAN_TEST_WIDGETS
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#endif

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

// Qt wants a private runtime folder and complains on every start without
// one (test discovery runs each binary during the build). A fresh mode-0700
// folder keeps that quiet and is passed on to the programs the tests start.
class PrivateRuntimeFolder {
public:
    PrivateRuntimeFolder()
    {
        if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
            return;
        std::string pattern
            = (std::filesystem::temp_directory_path() / "tervolan-run-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            return;
        m_path = pattern;
        qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(m_path));
    }
    ~PrivateRuntimeFolder()
    {
        if (m_path.empty())
            return;
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    PrivateRuntimeFolder(const PrivateRuntimeFolder &) = delete;
    PrivateRuntimeFolder &operator=(const PrivateRuntimeFolder &) = delete;

private:
    std::string m_path;
};

} // namespace

// Widget tests need one QApplication for the whole run, painter tests one
// QGuiApplication (fonts and pixmaps). Off screen unless the caller chose a
// platform: test discovery runs the binary without the environment CTest
// gives the tests.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    PrivateRuntimeFolder runtimeFolder;
    int status = 0;
    {
        TestApplication app(argc, argv);
        ::testing::InitGoogleTest(&argc, argv);
        status = RUN_ALL_TESTS();
    }
    return status;
}
