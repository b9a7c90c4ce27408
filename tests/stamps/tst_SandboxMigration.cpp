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
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // Every file under `root` with its bytes, by relative path.
    static QMap<QString, QByteArray> tree(const QString &root)
    {
        QMap<QString, QByteArray> out;
        QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile file(path);
            file.open(QIODevice::ReadOnly);
            out.insert(QDir(root).relativeFilePath(path), file.readAll());
        }
        return out;
    }

    static QStringList leftovers(const QString &parent)
    {
        return QDir(parent).entryList({".Stamps-copying-*"}, QDir::AllEntries | QDir::Hidden);
    }

    // An old container's stamp folder with an index, two pictures and a hidden file.
    static QString oldStamps(const QTemporaryDir &dir, bool withIndex = true)
    {
        const QString stamps = dir.filePath("Container/Application Support/Stamps");
        if (withIndex) {
            writeAll(stamps + "/stamps.json", "[]");
        }
        writeAll(stamps + "/AAAAAAAA-0000-4000-8000-000000000001.png", "png one");
        writeAll(stamps + "/AAAAAAAA-0000-4000-8000-000000000002.png", "png two");
        writeAll(stamps + "/.hidden", "kept too");
        return stamps;
    }

private slots:
    void copies_data()
    {
        QTest::addColumn<QString>("targetState");
        QTest::addColumn<bool>("landed");
        QTest::newRow("no target yet") << "missing" << true;
        QTest::newRow("empty target folder is replaced") << "empty" << true;
        QTest::newRow("target with its own index") << "index" << false;
        QTest::newRow("target with pictures only") << "pictures" << false;
    }

    void copies()
    {
        QFETCH(QString, targetState);
        QFETCH(bool, landed);
        QTemporaryDir dir;
        const QString from = oldStamps(dir);
        const QString target = dir.filePath("data/Tamsel/Stamps");
        if (targetState == "empty") {
            QVERIFY(QDir().mkpath(target));
        } else if (targetState == "index") {
            writeAll(target + "/stamps.json", "[mine]");
        } else if (targetState == "pictures") {
            writeAll(target + "/BBBBBBBB-0000-4000-8000-000000000001.png", "my png");
        }
        const QMap<QString, QByteArray> before = tree(target);
        const QMap<QString, QByteArray> old = tree(from);

        QCOMPARE(SandboxMigration::copyStamps(from, target), landed);
        QCOMPARE(tree(target), landed ? old : before);
        QCOMPARE(tree(from), old);
        QCOMPARE(leftovers(dir.filePath("data/Tamsel")), QStringList());
    }

    void oldFolderWithoutIndexIsLeft()
    {
        QTemporaryDir dir;
        const QString from = oldStamps(dir, false);
        const QString target = dir.filePath("Stamps");
        QVERIFY(!SandboxMigration::copyStamps(from, target));
        QVERIFY(!QFile::exists(target));
    }

    void copyFailingHalfWayLeavesNothing()
    {
        QTemporaryDir dir;
        const QString from = oldStamps(dir);
        writeAll(from + "/sub/deeper.png", "deep");
        // A link to nowhere can't be copied, whoever runs the test.
        QVERIFY(QFile::link(dir.filePath("gone"), from + "/zz-broken.png"));
        const QString target = dir.filePath("data/Stamps");
        QVERIFY(!SandboxMigration::copyStamps(from, target));
        QVERIFY(!QFile::exists(target));
        QCOMPARE(leftovers(dir.filePath("data")), QStringList());
    }

    void runsOncePerProcess()
    {
        QTemporaryDir dir;
        const QString library = dir.filePath("Container");
        const QString target = dir.filePath("Stamps");
        // The first run finds no old stamps; a second one would, but never looks.
        SandboxMigration::run(target, library);
        oldStamps(dir);
        SandboxMigration::run(target, library);
        SandboxMigration::run(target);
        QVERIFY(!QFile::exists(target));
    }
};

QTEST_MAIN(TestSandboxMigration)
#include "tst_SandboxMigration.moc"
