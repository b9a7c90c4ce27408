#pragma once

#include <QList>
#include <QObject>
#include <QStringList>
#include <QUrl>

class QLocalServer;

// Keeps one running program per user: a later launch hands its files to the
// first one over a local socket and ends.
class InstanceChannel : public QObject
{
    Q_OBJECT

public:
    explicit InstanceChannel(const QString &name, QObject *parent = nullptr);

    // Sends `urls` to a running instance; true when one took them.
    bool sendToRunning(const QList<QUrl> &urls);
    // Starts listening for later launches; false when it could not.
    bool listen();

    // The files named on a command line, as absolute file URLs.
    static QList<QUrl> urlsFromArguments(const QStringList &arguments, const QString &workingFolder);

signals:
    void filesReceived(const QList<QUrl> &urls);

private:
    QString m_name;
    QLocalServer *m_server = nullptr;
};
