#pragma once

#include <QList>
#include <QObject>
#include <QStringList>
#include <QUrl>

#include <sys/types.h>
#include <unistd.h>

class QLocalServer;
class QProcessEnvironment;

// Keeps one running program per user and graphical session: a later launch hands
// its files to the first one over a local socket and ends. Both ends make sure the
// other is a process of the same user; a socket of anyone else, or one nobody
// answers on, is never handed a file and never keeps this copy from starting.
class InstanceChannel : public QObject
{
    Q_OBJECT

public:
    // `path` is the socket's path (socketPath()); empty means no hand-over at all,
    // so every launch runs as the first. `user` is the only user whose copies may
    // hand files over or take them: this process's own.
    explicit InstanceChannel(const QString &path, QObject *parent = nullptr,
                             uid_t user = geteuid());

    // Sends `urls` to a running instance; true when one of the same user took them.
    bool sendToRunning(const QList<QUrl> &urls);
    // Starts listening for later launches, in place of a socket left behind by a
    // crashed copy or made by another user; false when it could not, or when a copy
    // of the same user already listens.
    bool listen();

    // Where this user's copy in this graphical session listens: inside
    // $XDG_RUNTIME_DIR when that is a folder only this user can reach, else inside a
    // folder of our own in the temporary folder, made (or put back to) mode 0700.
    // Empty when neither can be had, say because someone else owns the latter.
    static QString socketPath(const QProcessEnvironment &environment);

    // The files named on a command line, as absolute file URLs.
    static QList<QUrl> urlsFromArguments(const QStringList &arguments,
                                         const QString &workingFolder);

signals:
    void filesReceived(const QList<QUrl> &urls);

private:
    QString m_path;
    uid_t m_user;
    QLocalServer *m_server = nullptr;
};
