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
    static StampMaker::Stamp stamp(int width, int height, QColor color = Qt::red)
    {
        QImage image(width, height, QImage::Format_ARGB32);
        image.fill(color);
        StampMaker::Stamp out;
        QBuffer buffer(&out.png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        out.pixelWidth = width;
        out.pixelHeight = height;
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

    // An index line for a record, in the form the library writes.
    static QByteArray entry(const QUuid &id, const QString &name)
    {
        return StampRecord::encodeList({StampRecord{id, name, 700000000.5, 40, 20}}).mid(1).chopped(1);
    }

    // Makes every later write of the index fail, also for root: the index's
    // name is taken by a folder that holds a file.
    static void blockIndex(const QString &folder)
    {
        const QString index = QDir(folder).filePath("stamps.json");
        QFile::remove(index);
        QVERIFY(QDir().mkpath(index));
        writeAll(QDir(index).filePath("keep"), "x");
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void survivesChangesAndReload()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath("Tamsel/Stamps");
        StampLibrary library(folder);
        library.load();
        QVERIFY(library.stamps().isEmpty());

        const QUuid first = QUuid::createUuid();
        const QUuid second = QUuid::createUuid();
        const double before = QDateTime::currentSecsSinceEpoch() - 978307200.0 - 1;
        QVERIFY(library.add(stamp(300, 100), "  Jane  \n", first));
        QVERIFY(library.add(stamp(100, 100), "Round", second));
        library.rename(first, "Jane Doe");
        QVERIFY(library.errorMessage().isNull());

        const QByteArray json = readAll(QDir(folder).filePath("stamps.json"));
        QVERIFY(json.startsWith("[{\"id\":\"") && !json.contains('\n') && !json.contains("\": "));
        const QJsonArray array = QJsonDocument::fromJson(json).array();
        QCOMPARE(array.size(), 2);
        const QJsonObject object = array.at(0).toObject();
        QCOMPARE(object.value("id").toString(), canonicalUuidText(first));
        QCOMPARE(object.value("id").toString(), object.value("id").toString().toUpper());
        QCOMPARE(object.value("name").toString(), QStringLiteral("Jane Doe"));
        QVERIFY(object.value("createdAt").toDouble() >= before);
        QVERIFY(object.value("createdAt").toDouble() < before + 60);
        QCOMPARE(object.value("pixelWidth").toInt(), 300);
        QVERIFY(QFile::exists(QDir(folder).filePath(canonicalUuidText(first) + ".png")));

        StampLibrary reloaded(folder);
        reloaded.load();
        QCOMPARE(reloaded.stamps(), library.stamps());
        QCOMPARE(reloaded.images().size(), 2);
        QCOMPARE(reloaded.images().value(first).size(), QSize(300, 100));

        reloaded.remove(first);
        QCOMPARE(names(reloaded), QStringList{"Round"});
        QVERIFY(!reloaded.images().contains(first));
        QVERIFY(!QFile::exists(QDir(folder).filePath(canonicalUuidText(first) + ".png")));
        QCOMPARE(reloaded.files(),
                 (QHash<QUuid, QUrl>{{second, QUrl::fromLocalFile(reloaded.pictureFile(second))}}));

        reloaded.remove(second);
        QCOMPARE(readAll(QDir(folder).filePath("stamps.json")), QByteArray("[]"));
    }

    void suggestedName_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<QStringList>("taken");
        QTest::addColumn<QString>("expected");
        QTest::newRow("exactly 1.6 is wide") << 1600 << 1000 << QStringList{} << "Signature";
        QTest::newRow("just under 1.6") << 1599 << 1000 << QStringList{} << "Stamp";
        QTest::newRow("zero height counts as one") << 2 << 0 << QStringList{} << "Signature";
        QTest::newRow("numbers go on") << 400 << 100 << QStringList{"Signature", "Signature 2"}
                                       << "Signature 3";
        QTest::newRow("base free again") << 400 << 100 << QStringList{"Signature 2"} << "Signature";
        QTest::newRow("gap is filled") << 100 << 100 << QStringList{"Stamp", "Stamp 3"} << "Stamp 2";
        QTest::newRow("case matters") << 100 << 100 << QStringList{"stamp"} << "Stamp";
    }

    void suggestedName()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(QStringList, taken);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        StampLibrary library(dir.path());
        for (const QString &name : taken) {
            QVERIFY(library.add(stamp(10, 10), name, QUuid::createUuid()));
        }
        StampMaker::Stamp s;
        s.pixelWidth = width;
        s.pixelHeight = height;
        QCOMPARE(library.suggestedName(s), expected);
    }

    void knownIdAndBlankNames()
    {
        QTemporaryDir dir;
        StampLibrary library(dir.path());
        const QUuid id = QUuid::createUuid();
        const std::optional<StampRecord> stored = library.add(stamp(100, 100), " \t ", id);
        QVERIFY(stored);
        QCOMPARE(stored->name, QStringLiteral("Stamp"));

        const QByteArray index = readAll(library.indexFile());
        const QByteArray picture = readAll(library.pictureFile(id));
        QSignalSpy changed(&library, &StampLibrary::stampsChanged);
        const std::optional<StampRecord> again = library.add(stamp(500, 100, Qt::blue), "Other", id);
        QCOMPARE(again, stored);
        QCOMPARE(readAll(library.indexFile()), index);
        QCOMPARE(readAll(library.pictureFile(id)), picture);

        library.rename(id, " \n ");
        library.rename(QUuid::createUuid(), "Nobody");
        library.rename(id, "Stamp");
        QCOMPARE(changed.count(), 0);
        QVERIFY(library.errorMessage().isNull());
    }

    void removingAnUnknownIdRewritesTheSameRecords()
    {
        QTemporaryDir dir;
        StampLibrary library(dir.path());
        const QUuid id = QUuid::createUuid();
        QVERIFY(library.add(stamp(10, 10), "A", id));
        const QByteArray index = readAll(library.indexFile());
        QFile::remove(library.indexFile());
        library.remove(QUuid::createUuid());
        QCOMPARE(readAll(library.indexFile()), index);
        QCOMPARE(library.stamps().size(), 1);
    }

    void picturesDecideWhatLoads()
    {
        QTemporaryDir dir;
        const QUuid kept = QUuid::createUuid();
        const QUuid missing = QUuid::createUuid();
        const QUuid broken = QUuid::createUuid();
        writeAll(dir.filePath("stamps.json"),
                 "[" + entry(kept, "Kept") + "," + entry(missing, "Missing") + ","
                     + entry(broken, "Broken") + "]");
        writeAll(dir.filePath(canonicalUuidText(kept) + ".png"), stamp(40, 20).png);
        writeAll(dir.filePath(canonicalUuidText(broken) + ".png"), "not a picture");

        StampLibrary library(dir.path());
        library.load();
        QCOMPARE(names(library), (QStringList{"Kept", "Broken"}));
        QVERIFY(library.images().contains(kept));
        QVERIFY(!library.images().contains(broken));
        QVERIFY(library.errorMessage().isNull());

        library.rename(kept, "Still kept");
        const QByteArray index = readAll(dir.filePath("stamps.json"));
        QVERIFY(!index.contains(canonicalUuidText(missing).toLatin1()));
        QVERIFY(!QFile::exists(dir.filePath("stamps.json.bak")));
    }

    void duplicateIdsKeepTheFirst()
    {
        QTemporaryDir dir;
        const QUuid id = QUuid::createUuid();
        writeAll(dir.filePath("stamps.json"), "[" + entry(id, "First") + "," + entry(id, "Second") + "]");
        writeAll(dir.filePath(canonicalUuidText(id) + ".png"), stamp(40, 20).png);
        StampLibrary library(dir.path());
        library.load();
        QCOMPARE(names(library), QStringList{"First"});
        QCOMPARE(library.files().size(), 1);
    }

    void damagedIndexIsKeptAside_data()
    {
        QTest::addColumn<QByteArray>("index");
        QTest::addColumn<QStringList>("survivors");
        const QUuid good = QUuid::fromString(QStringLiteral("11111111-2222-4333-8444-555555555555"));
        QTest::newRow("not JSON") << QByteArray("[{\"id\": oops") << QStringList{};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
        QTest::newRow("not an array") << QByteArray("{\"stamps\":[]}") << QStringList{};
        QTest::newRow("one bad record among good ones")
            << QByteArray("[" + entry(good, "Good") + ",{\"id\":\"nope\",\"name\":\"Bad\"}]")
            << QStringList{"Good"};
        QTest::newRow("wrong kind of value")
            << QByteArray("[" + entry(good, "Good") + ",42]") << QStringList{"Good"};
    }

    void damagedIndexIsKeptAside()
    {
        QFETCH(QByteArray, index);
        QFETCH(QStringList, survivors);
        QTemporaryDir dir;
        const QUuid good = QUuid::fromString(QStringLiteral("11111111-2222-4333-8444-555555555555"));
        writeAll(dir.filePath(canonicalUuidText(good) + ".png"), stamp(40, 20).png);
        writeAll(dir.filePath("stamps.json"), index);
        writeAll(dir.filePath("stamps.json.bak"), "an earlier one");

        StampLibrary library(dir.path());
        library.load();
        QCOMPARE(names(library), survivors);
        QVERIFY(library.errorMessage().isNull());
        QCOMPARE(readAll(dir.filePath("stamps.json")), index);

        const QUuid added = QUuid::createUuid();
        QVERIFY(library.add(stamp(10, 10), "New", added));
        QCOMPARE(readAll(dir.filePath("stamps.json.bak")), QByteArray("an earlier one"));
        QCOMPARE(readAll(dir.filePath("stamps.json.2.bak")), index);

        StampLibrary reloaded(dir.path());
        reloaded.load();
        QCOMPARE(names(reloaded), survivors + QStringList{"New"});

        // Set aside once: later changes simply rewrite the healthy index.
        reloaded.rename(added, "Renamed");
        QVERIFY(!QFile::exists(dir.filePath("stamps.json.3.bak")));
    }

    void failedWritesChangeNothing_data()
    {
        QTest::addColumn<bool>("readOnlyFolder");
        QTest::newRow("index name blocked") << false;
        QTest::newRow("read-only folder") << true;
    }

    void failedWritesChangeNothing()
    {
        QFETCH(bool, readOnlyFolder);
        if (readOnlyFolder && geteuid() == 0) {
            QSKIP("permissions do not hold for root");
        }
        QTemporaryDir dir;
        StampLibrary library(dir.path());
        const QUuid id = QUuid::createUuid();
        QVERIFY(library.add(stamp(10, 10), "A", id));
        if (readOnlyFolder) {
            QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
        } else {
            blockIndex(dir.path());
        }
        const QList<StampRecord> before = library.stamps();
        QSignalSpy stampsChanged(&library, &StampLibrary::stampsChanged);
        QSignalSpy imagesChanged(&library, &StampLibrary::imagesChanged);
        QSignalSpy messageChanged(&library, &StampLibrary::errorMessageChanged);

        const QUuid other = QUuid::createUuid();
        QVERIFY(!library.add(stamp(10, 10), "B", other));
        QCOMPARE(library.errorMessage(), QStringLiteral("The signature or stamp couldn't be saved. Try again."));
        QVERIFY(!QFile::exists(library.pictureFile(other)));

        library.rename(id, "Renamed");
        QCOMPARE(library.errorMessage(), QStringLiteral("The change couldn't be saved. Try again."));
        library.remove(id);
        QVERIFY(QFile::exists(library.pictureFile(id)));

        QCOMPARE(library.stamps(), before);
        QCOMPARE(stampsChanged.count(), 0);
        QCOMPARE(imagesChanged.count(), 0);
        QCOMPARE(messageChanged.count(), 2);
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void loadingAgainNotifiesNobody()
    {
        QTemporaryDir dir;
        {
            StampLibrary library(dir.path());
            QVERIFY(library.add(stamp(10, 10), "A", QUuid::createUuid()));
        }
        StampLibrary library(dir.path());
        QSignalSpy stampsChanged(&library, &StampLibrary::stampsChanged);
        QSignalSpy imagesChanged(&library, &StampLibrary::imagesChanged);
        library.load();
        library.load();
        QCOMPARE(stampsChanged.count(), 1);
        QCOMPARE(imagesChanged.count(), 1);
    }
};

QTEST_MAIN(TestStampLibrary)
#include "tst_StampLibrary.moc"
