#include "app/InstanceChannel.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcessEnvironment>
#include <QRegularExpression>

#include <optional>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>

namespace {

constexpr int timeoutMs = 1000;

// The user of the process at the other end of a connected local socket.
std::optional<uid_t> peerUser(qintptr descriptor)
{
    ucred credentials{};
    socklen_t length = sizeof credentials;
    if (descriptor < 0 ||
        getsockopt(int(descriptor), SOL_SOCKET, SO_PEERCRED, &credentials, &length) != 0 ||
        length != sizeof credentials) {
        return std::nullopt;
    }
    return credentials.uid;
}

std::optional<sockaddr_un> socketAddress(const QByteArray &path)
{
    sockaddr_un address{};
    if (path.isEmpty() || size_t(path.size()) >= sizeof address.sun_path) {
        return std::nullopt;
    }
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    return address;
}

enum class Holder { Nobody, SameUser, Other };

// Who answers on the socket at `address`: nobody (a file left behind by a copy
// that ended without removing it), a process of `user`, or anything else.
Holder holderOf(const sockaddr_un &address, uid_t user)
{
    const int probe = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (probe < 0) {
        return Holder::Other;
    }
    Holder holder = Holder::Other;
    if (connect(probe, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0) {
        holder = peerUser(probe) == user ? Holder::SameUser : Holder::Other;
    } else if (errno == ECONNREFUSED) {
        holder = Holder::Nobody;
    } else if (errno == EAGAIN) {
        // A full backlog: someone listens, and an unknown peer keeps its place.
        holder = Holder::SameUser;
    }
    close(probe);
    return holder;
}

// A listening socket at `path` for `user`, replacing a socket file that nobody of
// `user` answers on; -1 when the path holds anything else or a copy of `user`.
int listeningSocket(const QByteArray &path, uid_t user)
{
    const std::optional<sockaddr_un> address = socketAddress(path);
    if (!address) {
        return -1;
    }
    for (int attempt = 0; attempt < 2; ++attempt) {
        const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0) {
            return -1;
        }
        if (bind(fd, reinterpret_cast<const sockaddr *>(&*address), sizeof *address) == 0) {
            // The folder already keeps others out; the socket's own mode says the same.
            chmod(path.constData(), S_IRUSR | S_IWUSR);
            if (::listen(fd, SOMAXCONN) == 0) {
                return fd;
            }
            close(fd);
            return -1;
        }
        const int error = errno;
        close(fd);
        struct stat info
        {
        };
        if (error != EADDRINUSE || attempt > 0 || lstat(path.constData(), &info) != 0 ||
            !S_ISSOCK(info.st_mode) || holderOf(*address, user) == Holder::SameUser ||
            unlink(path.constData()) != 0) {
            return -1;
        }
    }
    return -1;
}

// A folder that only this process's user can reach: theirs, and neither group nor
// others may enter it.
bool isPrivateFolder(const QString &path)
{
    struct stat info
    {
    };
    return QDir::isAbsolutePath(path) && lstat(QFile::encodeName(path).constData(), &info) == 0 &&
           S_ISDIR(info.st_mode) && info.st_uid == geteuid() && (info.st_mode & 077) == 0;
}

// The folder "tamsel-<uid>" in `temporary`, made when missing and put back to 0700
// when its mode was changed; empty when it is not a folder of this user's own.
QString ownFolder(const QString &temporary)
{
    const QString path = temporary + QStringLiteral("/tamsel-") + QString::number(geteuid());
    const QByteArray name = QFile::encodeName(path);
    if (mkdir(name.constData(), 0700) != 0 && errno != EEXIST) {
        return {};
    }
    // Judged through a descriptor of the folder itself, so a link put in its place is refused.
    const int fd = open(name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        return {};
    }
    struct stat info
    {
    };
    const bool ours = fstat(fd, &info) == 0 && info.st_uid == geteuid() &&
                      ((info.st_mode & 077) == 0 || fchmod(fd, 0700) == 0);
    close(fd);
    return ours ? path : QString();
}

// The graphical session this copy shows in: its Wayland or X display, which no two
// sessions share.
QString sessionName(const QProcessEnvironment &environment)
{
    QString kind;
    QString value;
    if (const QString wayland = environment.value(QStringLiteral("WAYLAND_DISPLAY"));
        !wayland.isEmpty()) {
        kind = QStringLiteral("wayland");
        value = wayland;
    } else if (const QString x = environment.value(QStringLiteral("DISPLAY")); !x.isEmpty()) {
        kind = QStringLiteral("x11");
        // ":0" and ":0.0" are the same display.
        static const QRegularExpression screen(QStringLiteral("\\.[0-9]+$"));
        value = QString(x).remove(screen);
    } else if (const QString session = environment.value(QStringLiteral("XDG_SESSION_ID"));
               !session.isEmpty()) {
        kind = QStringLiteral("session");
        value = session;
    } else {
        return QStringLiteral("tamsel");
    }
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_:-][A-Za-z0-9._:-]{0,31}$"));
    if (!plain.match(value).hasMatch()) {
        value = QString::fromLatin1(
            QCryptographicHash::hash(value.toUtf8(), QCryptographicHash::Sha256).toHex().left(16));
    }
    return QStringLiteral("tamsel.") + kind + QLatin1Char('.') + value;
}

} // namespace

InstanceChannel::InstanceChannel(const QString &path, QObject *parent, uid_t user)
    : QObject(parent)
    , m_path(path)
    , m_user(user)
{}

bool InstanceChannel::sendToRunning(const QList<QUrl> &urls)
{
    if (m_path.isEmpty()) {
        return false;
    }
    QLocalSocket socket;
    socket.connectToServer(m_path);
    if (!socket.waitForConnected(timeoutMs)) {
        return false;
    }
    // Not a byte to a listener of anyone else: the names of a user's files are theirs.
    if (peerUser(socket.socketDescriptor()) != m_user) {
        socket.abort();
        return false;
    }
    QByteArray message;
    for (const QUrl &url : urls) {
        message += url.toEncoded() + '\n';
    }
    message += '\n'; // an empty line ends the list
    socket.write(message);
    if (!socket.waitForBytesWritten(timeoutMs)) {
        return false;
    }
    socket.disconnectFromServer();
    return true;
}

bool InstanceChannel::listen()
{
    if (m_path.isEmpty()) {
        return false;
    }
    const int fd = listeningSocket(QFile::encodeName(m_path), m_user);
    if (fd < 0) {
        return false;
    }
    m_server = new QLocalServer(this);
    if (!m_server->listen(fd)) {
        close(fd);
        return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            if (peerUser(socket->socketDescriptor()) != m_user) {
                socket->abort();
                socket->deleteLater();
                continue;
            }
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (!socket->canReadLine()) {
                    return;
                }
                QList<QUrl> urls;
                bool ended = false;
                while (socket->canReadLine()) {
                    const QByteArray line = socket->readLine().trimmed();
                    if (line.isEmpty()) {
                        ended = true;
                        break;
                    }
                    const QUrl url = QUrl::fromEncoded(line);
                    if (url.isLocalFile()) {
                        urls << url;
                    }
                }
                socket->setProperty(
                    "urls",
                    QVariant::fromValue(socket->property("urls").value<QList<QUrl>>() + urls));
                if (ended) {
                    emit filesReceived(socket->property("urls").value<QList<QUrl>>());
                    socket->setProperty("urls", QVariant());
                }
            });
        }
    });
    return true;
}

QString InstanceChannel::socketPath(const QProcessEnvironment &environment)
{
    QString folder = environment.value(QStringLiteral("XDG_RUNTIME_DIR"));
    if (!isPrivateFolder(folder)) {
        const QString temporary = environment.value(QStringLiteral("TMPDIR"));
        folder = ownFolder(QDir::isAbsolutePath(temporary) ? QDir::cleanPath(temporary)
                                                           : QStringLiteral("/tmp"));
    }
    const QString path = folder + QLatin1Char('/') + sessionName(environment);
    return folder.isEmpty() || !socketAddress(QFile::encodeName(path)) ? QString() : path;
}

QList<QUrl> InstanceChannel::urlsFromArguments(const QStringList &arguments,
                                               const QString &workingFolder)
{
    QList<QUrl> urls;
    const QDir folder(workingFolder);
    for (const QString &argument : arguments) {
        if (argument.isEmpty() || argument.startsWith(QLatin1Char('-'))) {
            continue;
        }
        const QUrl given(argument);
        if (given.isLocalFile()) {
            urls << given;
        } else {
            urls << QUrl::fromLocalFile(QDir::cleanPath(folder.absoluteFilePath(argument)));
        }
    }
    return urls;
}
