#include "stamps/StampLibrary.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

class TestStampLibrary : public QObject
{
    Q_OBJECT

private:
    static StampMaker::Stamp stamp(int width, int height)
    {
        QImage image(width, height, QImage::Format_ARGB32);
        image.fill(Qt::red);
        StampMaker::Stamp out{{}, width, height};
        QBuffer buffer(&out.png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        return out;
    }

    static QByteArray readAll(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static void writeAll(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    static QStringList names(const StampLibrary &library)
    {
        QStringList out;
        for (const StampRecord &r : library.stamps()) {
            out.append(r.name);
        }
        return out;
    }

    // One index member as the library writes it; ids from 1 to 9.
    static QByteArray entry(int n, const QString &name)
    {
        const QUuid id(QStringLiteral("00000000-0000-4000-8000-00000000000%1").arg(n));
        return StampRecord::encodeList({StampRecord{id, name, 700000000.5, 40, 20}})
            .mid(1)
            .chopped(1);
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void survivesChangesAndReload()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath("Tamsel/Stamps");
        StampLibrary library(folder);
        library.load();
        const QUuid first = QUuid::createUuid();
        const QUuid second = QUuid::createUuid();
        const double now = QDateTime::currentSecsSinceEpoch() - 978307200.0;
        QVERIFY(library.add(stamp(300, 100), "  Jane  \n", first));
        QVERIFY(library.add(stamp(100, 100), " ", second));
        library.rename(first, "Jane Doe");
        QCOMPARE(names(library), (QStringList{"Jane Doe", "Stamp"}));

        const QByteArray json = readAll(QDir(folder).filePath("stamps.json"));
        QVERIFY(json.startsWith("[{\"id\":\"") && !json.contains('\n') && !json.contains("\": "));
        const QJsonObject object = QJsonDocument::fromJson(json).array().at(0).toObject();
        QCOMPARE(object.value("id").toString(), first.toString(QUuid::WithoutBraces).toUpper());
        QVERIFY(qAbs(object.value("createdAt").toDouble() - now) < 60);
        QVERIFY(QFile::exists(QDir(folder).filePath(object.value("id").toString() + ".png")));

        StampLibrary reloaded(folder);
        reloaded.load();
        QCOMPARE(reloaded.stamps(), library.stamps());
        QCOMPARE(reloaded.images().value(first).size(), QSize(300, 100));
        reloaded.remove(first);
        QCOMPARE(names(reloaded), QStringList{"Stamp"});
        QVERIFY(!reloaded.images().contains(first));
        QVERIFY(!QFile::exists(reloaded.pictureFile(first)));
        QCOMPARE(reloaded.files().keys(), QList<QUuid>{second});
        reloaded.remove(second);
        QCOMPARE(readAll(reloaded.indexFile()), QByteArray("[]"));
    }

    void suggestedName_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QStringList>("taken");
        QTest::addColumn<QString>("expected");
        QTest::newRow("exactly 1.6 is wide") << QSize(1600, 1000) << QStringList{} << "Signature";
        QTest::newRow("just under 1.6, numbered")
            << QSize(1599, 1000) << QStringList{"Stamp"} << "Stamp 2";
        QTest::newRow("numbers go on")
            << QSize(400, 0) << QStringList{"Signature", "Signature 2"} << "Signature 3";
        QTest::newRow("gap is filled")
            << QSize(10, 10) << QStringList{"Stamp", "Stamp 3"} << "Stamp 2";
    }

    void suggestedName()
    {
        QFETCH(QSize, size);
        QFETCH(QStringList, taken);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        StampLibrary library(dir.path());
        for (const QString &name : taken) {
            QVERIFY(library.add(stamp(10, 10), name, QUuid::createUuid()));
        }
        QCOMPARE(library.suggestedName(StampMaker::Stamp{{}, size.width(), size.height()}),
                 expected);
    }

    void loadKeepsWhatItCan_data()
    {
        QTest::addColumn<QByteArray>("index");
        QTest::addColumn<QStringList>("loaded");
        QTest::addColumn<bool>("keptAside");
        // Records 1 to 3 have pictures; 4 has none.
        QTest::newRow("picture missing")
            << "[" + entry(1, "A") + "," + entry(4, "Gone") + "]" << QStringList{"A"} << false;
        QTest::newRow("duplicate id keeps the first")
            << "[" + entry(2, "B") + "," + entry(2, "B2") + "]" << QStringList{"B"} << false;
        QTest::newRow("not JSON") << QByteArray("[{\"id\": oops") << QStringList{} << true;
        QTest::newRow("one bad record among good ones")
            << "[" + entry(1, "A") + ",{\"id\":\"nope\"}," + entry(3, "C") + ",7]"
            << QStringList{"A", "C"} << true;
    }

    void loadKeepsWhatItCan()
    {
        QFETCH(QByteArray, index);
        QFETCH(QStringList, loaded);
        QFETCH(bool, keptAside);
        QTemporaryDir dir;
        for (int n = 1; n <= 3; ++n) {
            writeAll(
                dir.filePath(QStringLiteral("00000000-0000-4000-8000-00000000000%1.png").arg(n)),
                stamp(40, 20).png);
        }
        writeAll(dir.filePath("stamps.json"), index);
        writeAll(dir.filePath("stamps.json.bak"), "an earlier one");
        StampLibrary library(dir.path());
        library.load();
        QCOMPARE(names(library), loaded);
        QVERIFY(library.errorMessage().isNull());
        QCOMPARE(readAll(dir.filePath("stamps.json")), index);

        QVERIFY(library.add(stamp(10, 10), "New", QUuid::createUuid()));
        QCOMPARE(readAll(dir.filePath("stamps.json.bak")), QByteArray("an earlier one"));
        QCOMPARE(readAll(dir.filePath("stamps.json.2.bak")), keptAside ? index : QByteArray());
        StampLibrary reloaded(dir.path());
        reloaded.load();
        QCOMPARE(names(reloaded), loaded + QStringList{"New"});
    }

    void failedWritesChangeNothing_data()
    {
        QTest::addColumn<bool>("readOnlyFolder");
        QTest::newRow("index name taken by a folder") << false;
        QTest::newRow("read-only folder") << true;
    }

    void failedWritesChangeNothing()
    {
        QFETCH(bool, readOnlyFolder);
        if (readOnlyFolder && geteuid() == 0) {
            QSKIP("permissions do not bind root");
        }
        QTemporaryDir dir;
        StampLibrary library(dir.path());
        const QUuid id = QUuid::createUuid();
        QVERIFY(library.add(stamp(10, 10), "A", id));
        if (readOnlyFolder) {
            QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
        } else {
            QFile::remove(library.indexFile());
            QVERIFY(QDir().mkpath(library.indexFile() + "/full"));
        }
        const QList<StampRecord> before = library.stamps();
        QSignalSpy stampsChanged(&library, &StampLibrary::stampsChanged);
        QSignalSpy imagesChanged(&library, &StampLibrary::imagesChanged);

        const QUuid other = QUuid::createUuid();
        QVERIFY(!library.add(stamp(10, 10), "B", other));
        QCOMPARE(library.errorMessage(),
                 QStringLiteral("The signature or stamp couldn't be saved. Try again."));
        QVERIFY(!QFile::exists(library.pictureFile(other)));
        library.rename(id, "Renamed");
        QCOMPARE(library.errorMessage(),
                 QStringLiteral("The change couldn't be saved. Try again."));
        library.remove(id);
        QVERIFY(QFile::exists(library.pictureFile(id)));
        QCOMPARE(library.stamps(), before);
        QCOMPARE(stampsChanged.count() + imagesChanged.count(), 0);
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void aChangeBeforeLoadingKeepsTheStoredStamps()
    {
        QTemporaryDir dir;
        QVERIFY(StampLibrary(dir.path()).add(stamp(10, 10), "Old", QUuid::createUuid()));
        StampLibrary library(dir.path());
        QVERIFY(library.add(stamp(10, 10), "New", QUuid::createUuid()));
        QCOMPARE(names(library), (QStringList{"Old", "New"}));
    }
};

QTEST_MAIN(TestStampLibrary)
#include "tst_StampLibrary.moc"
