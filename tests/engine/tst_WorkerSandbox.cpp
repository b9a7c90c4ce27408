#include "platform/Sandbox.h"

#include "helpers/PdfFixtures.h"

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QMap>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QUdpSocket>

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

// What a worker taken over by a hostile file can still reach: the test worker
// (FaultyWorker.cpp, --try-escapes) confines itself as every worker does, then
// tries what an attacker would and reports each attempt. Also: workers don't
// outlive the program.
namespace {

const char *const sessionVariables[] = {"DISPLAY", "XAUTHORITY", "WAYLAND_DISPLAY",
                                        "DBUS_SESSION_BUS_ADDRESS", "SSH_AUTH_SOCK"};

bool sendDescriptors(int channel, const std::vector<int> &fds)
{
    char byte = 0;
    iovec data{&byte, 1};
    alignas(cmsghdr) char control[CMSG_SPACE(4 * sizeof(int))] = {};
    msghdr message{};
    message.msg_iov = &data;
    message.msg_iovlen = 1;
    message.msg_control = control;
    message.msg_controllen = CMSG_SPACE(fds.size() * sizeof(int));
    cmsghdr *c = CMSG_FIRSTHDR(&message);
    c->cmsg_level = SOL_SOCKET;
    c->cmsg_type = SCM_RIGHTS;
    c->cmsg_len = CMSG_LEN(fds.size() * sizeof(int));
    std::memcpy(CMSG_DATA(c), fds.data(), fds.size() * sizeof(int));
    return sendmsg(channel, &message, MSG_NOSIGNAL) == 1;
}

// Everything the child writes to `fd` until it closes it, or until 60 s pass.
QByteArray readToEnd(int fd)
{
    QByteArray all;
    char buffer[4096];
    for (;;) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, 60000) <= 0) {
            return all;
        }
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n <= 0) {
            return all;
        }
        all.append(buffer, n);
    }
}

bool isAlive(int pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray state = stat.readAll().split(')').last().trimmed().left(1);
    return state != "Z" && state != "X";
}

} // namespace

class TestWorkerSandbox : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_scratch;
    QString m_secret;
    QUdpSocket m_udp;
    QTcpServer m_tcp;
    QLocalServer m_abstract;
    int m_master = -1;
    int m_terminal = -1; // the terminal's side a shell would read, raw: one typed byte shows
    QMap<QByteArray, QByteArray> m_report;

private slots:
    void initTestCase()
    {
        for (const char *name : sessionVariables) {
            qputenv(name, "reachable");
        }
        QVERIFY(m_scratch.isValid());
        QVERIFY(Fixtures::writeAll(m_scratch.filePath(QStringLiteral("existing")), "untouched"));
        QVERIFY(QDir().mkpath(QDir::homePath() + QStringLiteral("/.ssh")));
        m_secret = QDir::homePath() + QStringLiteral("/.ssh/id_ed25519");
        QVERIFY(Fixtures::writeAll(m_secret, "the user's key"));

        QVERIFY(m_tcp.listen(QHostAddress::LocalHost, 0));
        QVERIFY(m_udp.bind(QHostAddress::LocalHost, m_tcp.serverPort()));
        const QString abstractName = QStringLiteral("tamsel-sandbox-test-%1").arg(::getpid());
        m_abstract.setSocketOptions(QLocalServer::AbstractNamespaceOption);
        QVERIFY(m_abstract.listen(abstractName));

        m_master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        QVERIFY(m_master >= 0 && grantpt(m_master) == 0 && unlockpt(m_master) == 0);
        m_terminal = ::open(ptsname(m_master), O_RDWR | O_NOCTTY | O_CLOEXEC);
        QVERIFY(m_terminal >= 0);
        termios raw{};
        QCOMPARE(tcgetattr(m_terminal, &raw), 0);
        cfmakeraw(&raw);
        QCOMPARE(tcsetattr(m_terminal, TCSANOW, &raw), 0);
        const int userFile = ::open(QFile::encodeName(m_secret).constData(), O_RDONLY | O_CLOEXEC);
        QVERIFY(userFile >= 0);

        int pair[2];
        QVERIFY(socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pair) == 0);
        const pid_t pid =
            Sandbox::spawn(QStringLiteral(TAMSEL_FAULTY_WORKER),
                           {QStringLiteral("--try-escapes"), QStringLiteral("--secret=") + m_secret,
                            QStringLiteral("--scratch=") + m_scratch.path(),
                            QStringLiteral("--port=%1").arg(m_tcp.serverPort()),
                            QStringLiteral("--abstract=") + abstractName},
                           pair[1]);
        ::close(pair[1]);
        QVERIFY(pid > 0);
        QVERIFY(sendDescriptors(pair[0], {m_terminal, userFile}));
        ::close(userFile);
        const QByteArray report = readToEnd(pair[0]);
        ::close(pair[0]);
        QCOMPARE(waitpid(pid, nullptr, 0), pid);
        for (const QByteArray &line : report.split('\n')) {
            const qsizetype space = line.indexOf(' ');
            if (space > 0) {
                m_report.insert(line.left(space), line.mid(space + 1));
            }
        }
        QVERIFY2(!m_report.isEmpty(), "the test worker reported nothing");
    }

    void cleanupTestCase()
    {
        for (const char *name : sessionVariables) {
            qunsetenv(name);
        }
        for (const int fd : {m_terminal, m_master}) {
            if (fd >= 0) {
                ::close(fd);
            }
        }
    }

    void workerKeepsWhatItNeeds_data()
    {
        QTest::addColumn<QByteArray>("need");
        QTest::newRow("a user's file handed over as a descriptor")
            << QByteArrayLiteral("readHandedFile");
        QTest::newRow("the system's fonts") << QByteArrayLiteral("readSystemFile");
        QTest::newRow("its own memory file through /proc/self/fd")
            << QByteArrayLiteral("reopenMemoryFile");
    }

    void workerKeepsWhatItNeeds()
    {
        QFETCH(QByteArray, need);
        QCOMPARE(m_report.value(need), QByteArrayLiteral("works"));
    }

    void attemptIsRefused_data()
    {
        QTest::addColumn<QByteArray>("attempt");
        QTest::newRow("read a file in the home folder") << QByteArrayLiteral("readHomeFile");
        QTest::newRow("list the home folder") << QByteArrayLiteral("listHome");
        QTest::newRow("create a file") << QByteArrayLiteral("createFile");
        QTest::newRow("write a file") << QByteArrayLiteral("writeFile");
        QTest::newRow("chmod a file") << QByteArrayLiteral("chmodFile");
        QTest::newRow("send UDP") << QByteArrayLiteral("sendUdp");
        QTest::newRow("connect TCP") << QByteArrayLiteral("connectTcp");
        QTest::newRow("connect an abstract Unix socket")
            << QByteArrayLiteral("connectAbstractSocket");
        QTest::newRow("type into a terminal (TIOCSTI)") << QByteArrayLiteral("typeIntoTerminal");
        QTest::newRow("open the controlling terminal") << QByteArrayLiteral("openTerminal");
        QTest::newRow("signal its parent") << QByteArrayLiteral("signalParent");
        QTest::newRow("read its parent's memory") << QByteArrayLiteral("readParentMemory");
        QTest::newRow("trace its parent") << QByteArrayLiteral("traceParent");
        QTest::newRow("inherit the display, session bus or agent")
            << QByteArrayLiteral("inheritSession");
        QTest::newRow("be dumped or attached to") << QByteArrayLiteral("beDumped");
        QTest::newRow("outlive its parent") << QByteArrayLiteral("outliveParent");
        QTest::newRow("start a program") << QByteArrayLiteral("execute");
    }

    void attemptIsRefused()
    {
        QFETCH(QByteArray, attempt);
        const QByteArray result = m_report.value(attempt, QByteArrayLiteral("allowed (no report)"));
        if (result == "unsupported") {
            QSKIP("this kernel lacks what refuses it");
        }
        QCOMPARE(result, QByteArrayLiteral("refused"));
    }

    void nothingReachedTheUser()
    {
        QCoreApplication::processEvents();
        QVERIFY(!m_udp.hasPendingDatagrams());
        QVERIFY(!m_tcp.hasPendingConnections());
        QVERIFY(!m_abstract.hasPendingConnections());
        pollfd typed{m_terminal, POLLIN, 0};
        QCOMPARE(::poll(&typed, 1, 0), 0);
        QCOMPARE(Fixtures::readAll(m_scratch.filePath(QStringLiteral("existing"))),
                 QByteArray("untouched"));
        QVERIFY(!QFile::exists(m_scratch.filePath(QStringLiteral("created"))));
        struct stat info
        {
        };
        QCOMPARE(
            ::stat(QFile::encodeName(m_scratch.filePath(QStringLiteral("existing"))).constData(),
                   &info),
            0);
        QVERIFY((info.st_mode & 0777) != 0777);
    }

    // A helper gets the variables it is started with, beside the kept ones and
    // none of the session's (the engine hands its workers their heap's tunables so).
    void helperGetsTheVariablesItIsGiven()
    {
        int pair[2];
        QVERIFY(socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pair) == 0);
        const pid_t pid = Sandbox::spawn(
            QStringLiteral("/bin/sh"),
            {QStringLiteral("-c"), QStringLiteral("printf '%s|%s' \"$TAMSEL_GIVEN\" "
                                                  "\"$DISPLAY\" >&3")},
            pair[1], Sandbox::Errors::Discard, {QByteArrayLiteral("TAMSEL_GIVEN=one=two")});
        ::close(pair[1]);
        QVERIFY(pid > 0);
        const QByteArray printed = readToEnd(pair[0]);
        ::close(pair[0]);
        QCOMPARE(waitpid(pid, nullptr, 0), pid);
        QCOMPARE(printed, QByteArrayLiteral("one=two|"));
    }

    // kill -9 of the program while its worker draws: the worker goes with it.
    void workerDiesWithTheProgram()
    {
        const QString pdf = m_scratch.filePath(QStringLiteral("one.pdf"));
        QVERIFY(Fixtures::writeNumberedPdf(pdf, 1));
        QProcess parent;
        parent.start(QStringLiteral(TAMSEL_ENGINE_PARENT),
                     {QStringLiteral(TAMSEL_FAULTY_WORKER), pdf});
        QVERIFY(parent.waitForStarted());
        QList<int> workers;
        while (parent.waitForReadyRead(30000)) {
            if (parent.canReadLine()) {
                break;
            }
        }
        for (const QByteArray &pid : parent.readAll().split('\n')) {
            if (pid.toInt() > 0) {
                workers.append(pid.toInt());
            }
        }
        QVERIFY(!workers.isEmpty());
        QVERIFY(isAlive(workers.first()));
        parent.kill();
        const auto anyAlive = [&] { return std::any_of(workers.begin(), workers.end(), isAlive); };
        QTRY_VERIFY_WITH_TIMEOUT(!anyAlive(), 2000);
        parent.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(TestWorkerSandbox)
#include "tst_WorkerSandbox.moc"
