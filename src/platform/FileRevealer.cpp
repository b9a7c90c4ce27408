#include "platform/FileRevealer.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDesktopServices>
#include <QFileInfo>

namespace {

void openFolder(const QString &path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absolutePath()));
}

} // namespace

SystemFileRevealer::SystemFileRevealer(const QDBusConnection &bus)
    : m_bus(bus)
{}

void SystemFileRevealer::reveal(const QUrl &file)
{
    if (!file.isLocalFile()) {
        return;
    }
    const QString path = file.toLocalFile();
    const QDBusConnection bus = m_bus ? *m_bus : QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        openFolder(path);
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"),
        QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    // The second argument is a start-up notification id; none is at hand.
    call << QStringList{QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath())
                            .toString(QUrl::FullyEncoded)}
         << QString();
    // A file manager started by the call itself may take a while to answer;
    // opening the folder too early would show it twice.
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, 15000));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                     [path](QDBusPendingCallWatcher *w) {
                         if (w->isError()) {
                             openFolder(path);
                         }
                         w->deleteLater();
                     });
}
