#include "ShellFixture.h"

#include "app/RootView.h"
#include "platform/FileRevealer.h"

#include <QDBusConnection>
#include <QDesktopServices>
#include <QDialog>
#include <QFile>
#include <QProcess>
#include <QPushButton>

// The desktop's file manager as the test plays it, on a bus of the test's own.
class FakeFileManager : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")

public:
    QList<QStringList> shown;

public slots:
    void ShowItems(const QStringList &uris, const QString &startupId)
    {
        Q_UNUSED(startupId);
        shown.append(uris);
    }
};

// Stands in for the desktop's handler of folder URLs.
class FolderOpener : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened.append(url); }
};

class TestShowInFolder : public QObject
{
    Q_OBJECT

    QTemporaryDir m_busFolder;
    QProcess m_daemon;
    QString m_address;

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_busFolder.isValid());
        // A session bus of the test's own. Its configuration names no service
        // folders, so no real file manager of the machine can be started by it.
        const QString config = m_busFolder.filePath(QStringLiteral("session.conf"));
        QFile file(config);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(
            QStringLiteral("<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus "
                           "Configuration 1.0//EN\"\n"
                           " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                           "<busconfig><type>session</type><listen>unix:dir=%1</listen>\n"
                           "<policy context=\"default\"><allow send_destination=\"*\"/><allow "
                           "receive_sender=\"*\"/>"
                           "<allow own=\"*\"/>"
                           "</policy></busconfig>\n")
                .arg(m_busFolder.path())
                .toUtf8());
        file.close();
        m_daemon.start(QStringLiteral("dbus-daemon"),
                       {QStringLiteral("--config-file=") + config, QStringLiteral("--nofork"),
                        QStringLiteral("--print-address=1")});
        QVERIFY2(m_daemon.waitForStarted(), "dbus-daemon is needed (tools/packages.txt)");
        while (!m_daemon.canReadLine()) {
            QVERIFY(m_daemon.waitForReadyRead(10000));
        }
        m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
        QVERIFY(!m_address.isEmpty());
    }

    void cleanupTestCase()
    {
        QDBusConnection::disconnectFromBus(QStringLiteral("client"));
        QDBusConnection::disconnectFromBus(QStringLiteral("fileManager"));
        m_daemon.terminate();
        m_daemon.waitForFinished();
    }

    // The file manager gets the saved file, so it opens its folder with the file
    // selected; once no file manager is there, the folder itself is opened.
    void showInFolderSelectsTheSavedFile()
    {
        QDBusConnection client = QDBusConnection::connectToBus(m_address, QStringLiteral("client"));
        QDBusConnection manager =
            QDBusConnection::connectToBus(m_address, QStringLiteral("fileManager"));
        QVERIFY(client.isConnected() && manager.isConnected());
        FakeFileManager fake;
        QVERIFY(manager.registerObject(QStringLiteral("/org/freedesktop/FileManager1"), &fake,
                                       QDBusConnection::ExportAllSlots));
        QVERIFY(manager.registerService(QStringLiteral("org.freedesktop.FileManager1")));
        FolderOpener folders;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &folders, "open");
        auto handlerGone =
            qScopeGuard([] { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); });

        ShellFixture f;
        SystemFileRevealer revealer(client);
        QWidget window;
        auto *root = new RootView(f.model.get(), &revealer, &window);
        window.resize(1000, 660);
        root->resize(1000, 660);
        window.show();
        auto *reveal = root->findChild<QPushButton *>(QStringLiteral("showInFolder"));
        QVERIFY(reveal);

        const QUrl saved =
            QUrl::fromLocalFile(f.folder.filePath(QStringLiteral("saved report.pdf")));
        f.model->setToast(Toast{QStringLiteral("Saved"), saved});
        QTRY_VERIFY(reveal->isVisible());
        reveal->click();
        QTRY_COMPARE(fake.shown.size(), 1);
        QCOMPARE(fake.shown.first(), QStringList{saved.toString(QUrl::FullyEncoded)});

        // Gone from the bus: the next file's folder is opened instead. That it
        // is the only folder opened shows the answered call opened none.
        QVERIFY(manager.unregisterService(QStringLiteral("org.freedesktop.FileManager1")));
        const QUrl other = QUrl::fromLocalFile(f.folder.filePath(QStringLiteral("sub/other.pdf")));
        f.model->setToast(Toast{QStringLiteral("Saved"), other});
        reveal->click();
        QTRY_COMPARE(folders.opened.size(), 1);
        QCOMPARE(folders.opened.first(),
                 QUrl::fromLocalFile(f.folder.filePath(QStringLiteral("sub"))));
        QCOMPARE(fake.shown.size(), 1);
    }
};

QTEST_MAIN(TestShowInFolder)
#include "tst_ShowInFolder.moc"
