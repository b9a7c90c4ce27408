#include "stamps/SandboxMigration.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestSandboxMigration : public QObject
{
    Q_OBJECT

private:
    static void writeAll(const QString &path, const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // Every file under `root`, hidden ones included, with its bytes.
    static QMap<QString, QByteArray> tree(const QString &root)
    {
        QMap<QString, QByteArray> out;
        QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            file.open(QIODevice::ReadOnly);
            out.insert(QDir(root).relativeFilePath(file.fileName()), file.readAll());
        }
        return out;
    }

private slots:
    void copies_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<bool>("landed");
        QTest::newRow("no target yet") << "missing" << true;
        QTest::newRow("empty target folder is replaced") << "empty" << true;
        QTest::newRow("target with its own index") << "index" << false;
        QTest::newRow("target with pictures only") << "pictures" << false;
        QTest::newRow("old folder without index") << "no old index" << false;
        // A link to nowhere can't be copied, whoever runs the test.
        QTest::newRow("copy fails half way") << "broken link" << false;
    }

    void copies()
    {
        QFETCH(QString, state);
        QFETCH(bool, landed);
        QTemporaryDir dir;
        const QString from = dir.filePath("Container/Tamsel/Stamps");
        writeAll(from + "/AAAAAAAA-0000-4000-8000-000000000001.png", "png one");
        writeAll(from + "/sub/.hidden", "kept too");
        if (state != "no old index") {
            writeAll(from + "/stamps.json", "[]");
        }
        if (state == "broken link") {
            QVERIFY(QFile::link(dir.filePath("gone"), from + "/sub/zz.png"));
        }
        const QString target = dir.filePath("data/Tamsel/Stamps");
        if (state == "empty") {
            QVERIFY(QDir().mkpath(target));
        } else if (state == "index" || state == "pictures") {
            writeAll(target + (state == "index" ? "/stamps.json" : "/B.png"), "mine");
        }
        const QMap<QString, QByteArray> before = tree(target);
        const QMap<QString, QByteArray> old = tree(from);

        QCOMPARE(SandboxMigration::copyStamps(from, target), landed);
        QCOMPARE(tree(target), landed ? old : before);
        QCOMPARE(QFile::exists(target), landed || !before.isEmpty() || state == "empty");
        QCOMPARE(tree(from), old);
        QCOMPARE(QDir(dir.filePath("data/Tamsel"))
                     .entryList({".Stamps-copying-*"}, QDir::AllEntries | QDir::Hidden),
                 QStringList());
    }

    // The first run copies what an old Flatpak of the app kept in its data folder
    // under the home folder; later runs in the same process never look again.
    void runsOncePerProcessFromTheFlatpaksFolder()
    {
        QTemporaryDir home;
        QTemporaryDir dir;
        const QByteArray realHome = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(home.path()));
        const QString old = home.filePath(".var/app/app.belvin.tamsel.mac/data/Tamsel/Stamps");
        writeAll(old + "/stamps.json", "[]");
        writeAll(old + "/AAAAAAAA-0000-4000-8000-000000000001.png", "png one");
        const QString target = dir.filePath("Stamps");
        SandboxMigration::run(target);
        qputenv("HOME", realHome);
        QCOMPARE(tree(target), tree(old));

        const QString second = dir.filePath("Second");
        writeAll(dir.filePath("Container/Tamsel/Stamps/stamps.json"), "[]");
        SandboxMigration::run(second, dir.filePath("Container"));
        SandboxMigration::run(second);
        QVERIFY(!QFile::exists(second));
    }
};

QTEST_MAIN(TestSandboxMigration)
#include "tst_SandboxMigration.moc"
