#include "app/InstanceChannel.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

namespace {
constexpr int timeoutMs = 1000;
}

InstanceChannel::InstanceChannel(const QString &name, QObject *parent) : QObject(parent), m_name(name) {}

bool InstanceChannel::sendToRunning(const QList<QUrl> &urls)
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(timeoutMs)) {
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
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_name)) {
        // A socket left behind by a crashed instance: nobody answered on it.
        QLocalServer::removeServer(m_name);
        if (!m_server->listen(m_name)) {
            return false;
        }
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
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
                socket->setProperty("urls", QVariant::fromValue(socket->property("urls").value<QList<QUrl>>() + urls));
                if (ended) {
                    emit filesReceived(socket->property("urls").value<QList<QUrl>>());
                    socket->setProperty("urls", QVariant());
                }
            });
        }
    });
    return true;
}

QList<QUrl> InstanceChannel::urlsFromArguments(const QStringList &arguments, const QString &workingFolder)
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
