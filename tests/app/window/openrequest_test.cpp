#include "app/window/openrequest.h"
#include "app/window/openrequestserver.h"
#include "tests/support/tempdir.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

// A request arrives in pieces; only its end makes it whole, and the bytes
// of a name that is not UTF-8 come through unchanged.
TEST(OpenRequest, WholeOnlyAtItsEndWithPathBytesUnchanged)
{
    const QByteArrayList paths = {"/home/user/one.txt", "/data/\xb1\xca\xbc\xc7.txt", "/data/tree"};
    const QByteArray message = OpenRequest::encode(paths);
    for (qsizetype length = 0; length < message.size(); ++length)
        EXPECT_FALSE(OpenRequest::decode(message.left(length))) << length;
    EXPECT_EQ(OpenRequest::decode(message), paths);
    EXPECT_EQ(OpenRequest::decode(OpenRequest::encode({"", "/a.txt"})), QByteArrayList{"/a.txt"})
        << "an empty path must not end the message early";
}

namespace {

// A client end made with the system calls themselves, so that it costs
// the test one descriptor and no event loop.
int connectTo(const std::string &socketPath, const QByteArray &message = {})
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, socketPath.c_str(), sizeof(address.sun_path) - 1);
    if (::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)) != 0
        || ::write(fd, message.constData(), size_t(message.size())) != message.size()) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// The descriptor limit that leaves exactly `free` numbers to open: new
// descriptors take the lowest free numbers below the limit, and open ones
// above it (inherited, say) stay open.
rlim_t limitLeaving(int free)
{
    std::set<int> open;
    for (const auto &entry : std::filesystem::directory_iterator("/proc/self/fd"))
        open.insert(std::stoi(entry.path().filename().string()));
    int number = 0;
    for (; free > 0; ++number)
        free -= open.count(number) ? 0 : 1;
    return rlim_t(number);
}

// Lowers the descriptor limit for one test and puts it back.
class ScopedDescriptorLimit {
public:
    explicit ScopedDescriptorLimit(rlim_t limit)
    {
        ::getrlimit(RLIMIT_NOFILE, &m_saved);
        rlimit lowered = m_saved;
        lowered.rlim_cur = limit;
        ::setrlimit(RLIMIT_NOFILE, &lowered);
    }
    ~ScopedDescriptorLimit() { ::setrlimit(RLIMIT_NOFILE, &m_saved); }

private:
    rlimit m_saved = {};
};

} // namespace

// 1,056 idle connections at a descriptor limit of 1,024 made a failed
// accept close the socket for good, and every later copy waited 20 s in
// vain. Here 40 idle connections queue before a real request, with room
// for 12 more descriptors.
TEST(OpenRequestServer, IdleConnectionFloodKeepsTheHandOverOpen)
{
    TempDir dir;
    OpenRequestServer server({/*connections*/ 4, /*idleTimeoutMs*/ 60000});
    ASSERT_TRUE(server.listen(QString::fromStdString(dir.file("tervolan.socket"))));
    QSignalSpy received(&server, &OpenRequestServer::pathsReceived);
    std::vector<int> clients;
    for (int index = 0; index < 40; ++index)
        clients.push_back(connectTo(dir.file("tervolan.socket")));
    clients.push_back(connectTo(dir.file("tervolan.socket"), OpenRequest::encode({"/a.txt"})));
    ASSERT_EQ(std::count(clients.begin(), clients.end(), -1), 0);
    {
        ScopedDescriptorLimit limit(limitLeaving(12));
        EXPECT_TRUE(QTest::qWaitFor([&] { return received.count() == 1; }, 10000));
    }
    for (int fd : clients)
        ::close(fd);
}

// A sender's pieces, each within the idle time but all together past it,
// with the request's two closing NULs split between two reads; and a
// request of no paths, which is its closing NUL alone. Each is answered.
TEST(OpenRequestServer, ARequestInPiecesIsAnsweredWhenItsEndArrives)
{
    TempDir dir;
    OpenRequestServer server({/*connections*/ 4, /*idleTimeoutMs*/ 400});
    ASSERT_TRUE(server.listen(QString::fromStdString(dir.file("tervolan.socket"))));
    QSignalSpy received(&server, &OpenRequestServer::pathsReceived);
    const QByteArray message = OpenRequest::encode({"/a.txt", "/b.txt"});
    const int fd = connectTo(dir.file("tervolan.socket"));
    ASSERT_GE(fd, 0);
    for (const QByteArray &piece :
         {message.left(3), message.mid(3, 4), message.chopped(1).mid(7), message.right(1)}) {
        QTest::qWait(150);
        ASSERT_EQ(::write(fd, piece.constData(), size_t(piece.size())), piece.size());
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return received.count() == 1; }, 5000));
    EXPECT_EQ(received.at(0).at(0).value<QByteArrayList>(), (QByteArrayList{"/a.txt", "/b.txt"}));
    ::close(fd);

    const int empty = connectTo(dir.file("tervolan.socket"), QByteArray(1, '\0'));
    ASSERT_GE(empty, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return received.count() == 2; }, 5000));
    EXPECT_TRUE(received.at(1).at(0).value<QByteArrayList>().isEmpty());
    ::close(empty);
}
