#include "platform/filemanagerbus.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusError>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

namespace {

// A message bus of the test's own, so nothing depends on the desktop the
// tests happen to run in. services names a folder of D-Bus service files
// the bus may start, or is empty.
class PrivateBus {
public:
    explicit PrivateBus(const std::string &services = {})
    {
        if (!available())
            return;
        std::string config = "<busconfig><type>session</type><listen>unix:dir="
            + m_dir.path().string() + "</listen><auth>EXTERNAL</auth>"
            + (services.empty() ? "" : "<servicedir>" + services + "</servicedir>")
            + "<policy context=\"default\"><allow send_destination=\"*\" eavesdrop=\"true\"/>"
              "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>";
        m_daemon.start(
            "dbus-daemon",
            {"--nofork", "--print-address",
             "--config-file=" + QString::fromStdString(m_dir.write("bus.conf", config))});
        if (!m_daemon.waitForStarted(5000))
            return;
        if (!QTest::qWaitFor([this] { return m_daemon.canReadLine(); }, 5000))
            return;
        m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    }
    ~PrivateBus()
    {
        for (const QString &name : m_names)
            QDBusConnection::disconnectFromBus(name);
        m_daemon.kill();
        m_daemon.waitForFinished(5000);
    }

    static bool available() { return !QStandardPaths::findExecutable("dbus-daemon").isEmpty(); }
    bool ok() const { return !m_address.isEmpty(); }

    QDBusConnection connect(const QString &name)
    {
        m_names << name;
        return QDBusConnection::connectToBus(m_address, name);
    }

private:
    TempDir m_dir;
    QProcess m_daemon;
    QString m_address;
    QStringList m_names;
};

// A file manager that records what it was asked to show, or refuses.
class FakeFileManager : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")

public:
    bool refuse = false;
    QStringList uris;
    QString startupId;
    int calls = 0;

public slots:
    void ShowItems(const QStringList &items, const QString &id)
    {
        ++calls;
        uris = items;
        startupId = id;
        if (refuse)
            sendErrorReply(QDBusError::Failed, "cannot show");
    }
};

class FileManagerBusTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!PrivateBus::available())
            GTEST_SKIP() << "no dbus-daemon here";
        ASSERT_TRUE(bus.ok()) << "dbus-daemon did not start";
    }

    void serve()
    {
        QDBusConnection service = bus.connect("file-manager");
        ASSERT_TRUE(service.registerObject(FileManagerBus::Path, &fileManager,
                                           QDBusConnection::ExportAllSlots));
        ASSERT_TRUE(service.registerService(FileManagerBus::Service));
    }

    PrivateBus bus;
    FakeFileManager fileManager;
};

} // namespace

TEST_F(FileManagerBusTest, AbsentOnABusWithoutAFileManager)
{
    EXPECT_FALSE(FileManagerBus(bus.connect("client")).present());
    EXPECT_FALSE(FileManagerBus(QDBusConnection("never-connected")).present());
}

TEST_F(FileManagerBusTest, ShowsTheFilesAsFileUrisWithAnEmptyStartupId)
{
    serve();
    FileManagerBus fileManagerBus(bus.connect("client"));
    ASSERT_TRUE(fileManagerBus.present());
    fileManagerBus.showItems({"/tmp/输出/一.pdf", "/tmp/输出/a b.pdf"}, {});
    ASSERT_TRUE(QTest::qWaitFor([&] { return fileManager.calls == 1; }, 5000));
    EXPECT_EQ(fileManager.uris,
              (QStringList{"file:///tmp/%E8%BE%93%E5%87%BA/%E4%B8%80.pdf",
                           "file:///tmp/%E8%BE%93%E5%87%BA/a%20b.pdf"}));
    EXPECT_EQ(fileManager.startupId, "");
}

// A PDF named in GBK, as inputs from archives made on Windows give, was
// asked for as ".../%EF%BF%BD...", a name that does not exist.
TEST_F(FileManagerBusTest, NameThatIsNotUtf8KeepsItsBytesInTheUri)
{
    serve();
    FileManagerBus(bus.connect("client")).showItems({"/tmp/\xB4\xBA\xC8\xD5.pdf"}, {});
    ASSERT_TRUE(QTest::qWaitFor([&] { return fileManager.calls == 1; }, 5000));
    EXPECT_EQ(fileManager.uris, QStringList{"file:///tmp/%B4%BA%C8%D5.pdf"});
}

TEST_F(FileManagerBusTest, RefusalRunsTheFallback)
{
    serve();
    fileManager.refuse = true;
    bool failed = false;
    FileManagerBus(bus.connect("client")).showItems({"/tmp/a.pdf"}, [&] { failed = true; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return failed; }, 5000));
}

// A file manager the bus can start counts as present; one that fails to
// start leaves the fallback to open the folder.
TEST(FileManagerBusActivation, StartableFileManagerIsPresentAndItsFailureFallsBack)
{
    TempDir services;
    services.write("org.freedesktop.FileManager1.service",
                   "[D-BUS Service]\nName=org.freedesktop.FileManager1\nExec=/bin/false\n");
    if (!PrivateBus::available())
        GTEST_SKIP() << "no dbus-daemon here";
    PrivateBus bus(services.path().string());
    ASSERT_TRUE(bus.ok()) << "dbus-daemon did not start";
    FileManagerBus fileManagerBus(bus.connect("client"));
    EXPECT_TRUE(fileManagerBus.present());
    bool failed = false;
    fileManagerBus.showItems({"/tmp/a.pdf"}, [&] { failed = true; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return failed; }, 10000));
}

#include "filemanagerbus_test.moc"
