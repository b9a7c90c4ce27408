#include "app/InstanceChannel.h"

#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcessEnvironment>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>

namespace {

const QList<QUrl> files{QUrl::fromLocalFile("/tmp/d é.pdf"), QUrl::fromLocalFile("/tmp/e.png")};

sockaddr_un addressOf(const QString &path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::memcpy(address.sun_path, name.constData(),
                std::min(size_t(name.size()), sizeof address.sun_path - 1));
    return address;
}

mode_t modeOf(const QString &path)
{
    struct stat info
    {
    };
    return lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
}

// Another user's program listening at `path`: a child that binds the socket, becomes
// "nobody" before it listens (the peer's user is the one that listened), takes one
// connection and writes to `report` every byte it was sent.
pid_t squatAsNobody(const QString &path, int report)
{
    const sockaddr_un address = addressOf(path);
    const pid_t child = fork();
    if (child != 0) {
        return child;
    }
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0 || bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0 ||
        chmod(address.sun_path, 0777) != 0 || setgid(65534) != 0 || setuid(65534) != 0 ||
        listen(fd, 8) != 0) {
        _exit(1);
    }
    const char ready = 'r';
    if (write(report, &ready, 1) != 1) {
        _exit(1);
    }
    const int peer = accept(fd, nullptr, nullptr);
    char buffer[4096];
    ssize_t n = 0;
    while (peer >= 0 && (n = read(peer, buffer, sizeof buffer)) > 0) {
        if (write(report, buffer, size_t(n)) != n) {
            _exit(1);
        }
    }
    _exit(0);
}

} // namespace

class TestInstanceChannel : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;

    QString socketIn(const char *name) const { return m_folder.filePath(QLatin1String(name)); }

private slots:
    void initTestCase() { QVERIFY(m_folder.isValid()); }

    void argumentsBecomeAbsoluteFileUrls()
    {
        const QList<QUrl> urls = InstanceChannel::urlsFromArguments(
            {"a.pdf", "../b c.png", "/tmp/d.pdf", "file:///tmp/e.pdf", "--flag"}, "/home/u/docs");
        QCOMPARE(urls, (QList<QUrl>{QUrl::fromLocalFile("/home/u/docs/a.pdf"),
                                    QUrl::fromLocalFile("/home/u/b c.png"),
                                    QUrl::fromLocalFile("/tmp/d.pdf"),
                                    QUrl::fromLocalFile("/tmp/e.pdf")}));
    }

    void aSecondLaunchHandsItsFilesOver()
    {
        const QString path = socketIn("second-launch");
        InstanceChannel first(path);
        InstanceChannel second(path);
        QVERIFY(!second.sendToRunning({QUrl::fromLocalFile("/tmp/x.pdf")})); // nobody runs yet
        QVERIFY(first.listen());
        QCOMPARE(modeOf(path), mode_t(0600));
        QVERIFY(!InstanceChannel(path).listen()); // the running copy keeps its socket
        QSignalSpy received(&first, &InstanceChannel::filesReceived);
        QVERIFY(second.sendToRunning(files));
        QVERIFY(received.wait(5000));
        QCOMPARE(received.first().first().value<QList<QUrl>>(), files);
    }

    // A socket file left behind by a copy that was killed: nobody answers, so the next
    // launch opens as the first and takes the path over.
    void aStaleSocketIsReplaced()
    {
        const QString path = socketIn("stale");
        const sockaddr_un address = addressOf(path);
        const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        QVERIFY(fd >= 0);
        QCOMPARE(bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address), 0);
        close(fd);
        QVERIFY(QFile::exists(path));

        InstanceChannel launch(path);
        QVERIFY(!launch.sendToRunning(files));
        QVERIFY(launch.listen());
        QSignalSpy received(&launch, &InstanceChannel::filesReceived);
        QVERIFY(InstanceChannel(path).sendToRunning(files));
        QVERIFY(received.wait(5000));
    }

    // Someone else's program at the hand-over path is told nothing and keeps nobody
    // from starting; a program of someone else's that reaches ours is not heard.
    void anotherUsersSocketIsNeverTrusted_data()
    {
        QTest::addColumn<bool>("realUser");
        QTest::newRow("a program of another user") << true;
        QTest::newRow("a program another user sees") << false;
    }
    void anotherUsersSocketIsNeverTrusted()
    {
        QFETCH(bool, realUser);
        const QString path = socketIn(realUser ? "squatted-real" : "squatted-seen");
        QByteArray heard;
        int ended = 0;
        int report[2] = {-1, -1};
        pid_t squatter = -1;
        QLocalServer seenSquatter;
        // The victim: this test's own user, or a user this test's processes are foreign to.
        const uid_t victimUser = realUser ? geteuid() : geteuid() + 1;
        if (realUser) {
            if (geteuid() != 0) {
                QSKIP("Only root can run a program as another user here");
            }
            QCOMPARE(pipe(report), 0);
            squatter = squatAsNobody(path, report[1]);
            close(report[1]);
            char ready = 0;
            QCOMPARE(read(report[0], &ready, 1), ssize_t(1));
        } else {
            QVERIFY(seenSquatter.listen(path));
            connect(&seenSquatter, &QLocalServer::newConnection, this, [&] {
                while (QLocalSocket *socket = seenSquatter.nextPendingConnection()) {
                    connect(socket, &QLocalSocket::disconnected, this, [&heard, &ended, socket] {
                        heard += socket->readAll();
                        ++ended;
                    });
                }
            });
        }

        InstanceChannel victim(path, nullptr, victimUser);
        QVERIFY(!victim.sendToRunning(files));
        QVERIFY(victim.listen());
        if (realUser) {
            char buffer[4096];
            ssize_t n = 0;
            while ((n = read(report[0], buffer, sizeof buffer)) > 0) {
                heard.append(buffer, n);
            }
            close(report[0]);
            int status = 0;
            QCOMPARE(waitpid(squatter, &status, 0), squatter);
            QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        } else {
            // The hand-over's connection and the check of who holds the path.
            QTRY_COMPARE(ended, 2);
        }
        QCOMPARE(heard, QByteArray());

        QSignalSpy received(&victim, &InstanceChannel::filesReceived);
        if (realUser) {
            // The path is the victim's now: its own next launch reaches it.
            QVERIFY(InstanceChannel(path).sendToRunning(files));
            QVERIFY(received.wait(5000));
        } else {
            // This test's process is of another user for the victim: it is cut off unheard.
            QLocalSocket sender;
            sender.connectToServer(path);
            QVERIFY(sender.waitForConnected(1000));
            QSignalSpy closed(&sender, &QLocalSocket::disconnected);
            sender.write(files.first().toEncoded() + "\n\n");
            QVERIFY(closed.wait(5000));
            QCOMPARE(received.count(), 0);
        }
    }

    // The socket lives where only its user reaches it, one per graphical session.
    void theSocketIsPrivateAndPerSession()
    {
        const QString runtime = m_folder.filePath("runtime");
        const QString temporary = m_folder.filePath("tmp");
        QVERIFY(QDir().mkpath(runtime) && QDir().mkpath(temporary));
        QVERIFY(
            QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        const auto pathFor = [&](const QString &runtimeDir, const QString &variable,
                                 const QString &value) {
            QProcessEnvironment environment;
            environment.insert(QStringLiteral("TMPDIR"), temporary);
            if (!runtimeDir.isEmpty()) {
                environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir);
            }
            if (!variable.isEmpty()) {
                environment.insert(variable, value);
            }
            return InstanceChannel::socketPath(environment);
        };

        const QString wayland0 = pathFor(runtime, "WAYLAND_DISPLAY", "wayland-0");
        QCOMPARE(QFileInfo(wayland0).absolutePath(), runtime);
        QVERIFY(wayland0 != pathFor(runtime, "WAYLAND_DISPLAY", "wayland-1"));
        QVERIFY(wayland0 != pathFor(runtime, "DISPLAY", ":0"));
        QCOMPARE(pathFor(runtime, "DISPLAY", ":1.0"), pathFor(runtime, "DISPLAY", ":1"));
        const QString longDisplay =
            pathFor(runtime, "WAYLAND_DISPLAY", "/run/" + QString(200, 'w'));
        QVERIFY(!longDisplay.isEmpty() && longDisplay.size() < 108);

        // Without a runtime folder of its own: a folder in the temporary folder, 0700.
        const QString own = temporary + QStringLiteral("/tamsel-") + QString::number(geteuid());
        QCOMPARE(QFileInfo(pathFor({}, "DISPLAY", ":0")).absolutePath(), own);
        QCOMPARE(modeOf(own), mode_t(0700));
        QVERIFY(QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner |
                                                   QFile::ExeOwner | QFile::ReadOther |
                                                   QFile::WriteOther | QFile::ExeOther));
        QCOMPARE(QFileInfo(pathFor(runtime, "DISPLAY", ":0")).absolutePath(), own);
        // Opened up since: closed again.
        QVERIFY(QFile::setPermissions(own, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                               QFile::ReadOther | QFile::WriteOther |
                                               QFile::ExeOther));
        QCOMPARE(QFileInfo(pathFor({}, "DISPLAY", ":0")).absolutePath(), own);
        QCOMPARE(modeOf(own), mode_t(0700));
        // A link in its place, even to a folder of the user's: no hand-over at all.
        QVERIFY(QDir(own).removeRecursively());
        QVERIFY(QFile::link(runtime, own));
        QCOMPARE(pathFor({}, "DISPLAY", ":0"), QString());
        QVERIFY(!InstanceChannel(QString()).listen());
    }
};

QTEST_MAIN(TestInstanceChannel)
#include "tst_InstanceChannel.moc"
