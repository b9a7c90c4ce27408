#include "document/DocumentTypes.h"
#include "document/OpenFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTest>
#include <QTimeZone>

#include <cmath>

class TestDocumentTypes : public QObject
{
    Q_OBJECT

private:
    static PageItem page(int index, QList<StampPlacement> stamps = {})
    {
        return PageItem{QUuid::createUuid(), PageSource{QUrl::fromLocalFile("/tmp/a.pdf"), index},
                        0, std::move(stamps)};
    }
    static StampPlacement placement(double rotation = 0)
    {
        return StampPlacement{
            QUuid::createUuid(), QUuid::createUuid(), {0.25, 0.75}, 0.3, rotation};
    }

private slots:
    void selectedPagesFollowPageOrder()
    {
        QList<PageItem> pages;
        for (int i = 0; i < 5; ++i) {
            pages.append(page(i));
        }
        OpenFile file(QUrl::fromLocalFile("/tmp/a.pdf"), "a", true, pages, std::nullopt);
        QCOMPARE(file.selectedPages(), pages);
        file.setSelection({pages[3].id, pages[1].id, QUuid::createUuid()});
        QCOMPARE(file.selectedPages(), (QList<PageItem>{pages[1], pages[3]}));
    }

    void hasStampsLooksAtEveryPage()
    {
        OpenFile file(QUrl::fromLocalFile("/tmp/a.pdf"), "a", true, {page(0), page(1)},
                      std::nullopt);
        QVERIFY(!file.hasStamps());
        QList<PageItem> pages = file.pages();
        pages[1].stamps.append(placement());
        file.setPages(pages);
        QVERIFY(file.hasStamps());
    }

    void openFileNotifiesOnlyOnChange()
    {
        OpenFile file(QUrl::fromLocalFile("/tmp/a.pdf"), "a", true, {page(0)}, std::nullopt);
        QSignalSpy pages(&file, &OpenFile::pagesChanged);
        QSignalSpy edited(&file, &OpenFile::isEditedChanged);
        QSignalSpy selection(&file, &OpenFile::selectionChanged);
        QSignalSpy password(&file, &OpenFile::passwordChanged);
        file.setPages(QList<PageItem>(file.pages()));
        file.setEdited(false);
        file.setSelection({});
        file.setPassword(std::nullopt);
        QCOMPARE(pages.count() + edited.count() + selection.count() + password.count(), 0);
        file.setPages(file.pages() + QList<PageItem>{page(1)});
        file.setEdited(true);
        file.setSelection({file.pages().first().id});
        file.setPassword(QStringLiteral("x"));
        QCOMPARE(pages.count(), 1);
        QCOMPARE(edited.count(), 1);
        QCOMPARE(selection.count(), 1);
        QCOMPARE(password.count(), 1);
    }

    void duplicatedMakesFreshIds()
    {
        PageItem original = page(2, {placement(10), placement(-45)});
        original.turn = 90;
        const PageItem copy = original.duplicated();
        QVERIFY(copy.id != original.id);
        QCOMPARE(copy.source, original.source);
        QCOMPARE(copy.turn, 90);
        QCOMPARE(copy.stamps.size(), 2);
        for (int i = 0; i < 2; ++i) {
            QVERIFY(copy.stamps[i].id != original.stamps[i].id);
            QCOMPARE(copy.stamps[i].stampID, original.stamps[i].stampID);
            QCOMPARE(copy.stamps[i].center, original.stamps[i].center);
            QCOMPARE(copy.stamps[i].width, original.stamps[i].width);
            QCOMPARE(copy.stamps[i].rotation, original.stamps[i].rotation);
        }
    }

    void negativeZeroIsEqualAndHashesAlike()
    {
        StampPlacement a = placement(0.0);
        StampPlacement b = a;
        b.rotation = -0.0;
        QCOMPARE(a, b);
        QCOMPARE(qHash(a), qHash(b));
        PageItem p = page(0, {a});
        PageItem q = p;
        q.stamps[0] = b;
        QCOMPARE(qHash(p), qHash(q));

        // The centre too: -0 equals 0, while a centre moved by far less than
        // Qt's fuzzy margin is another placement, as its hash says.
        StampPlacement c = a;
        c.center = QPointF(-0.0, 0.75);
        a.center = QPointF(0.0, 0.75);
        QCOMPARE(a, c);
        QCOMPARE(qHash(a), qHash(c));
        StampPlacement d = a;
        d.center = QPointF(0.0, std::nextafter(0.75, 1.0));
        QVERIFY(!(a == d));
        QVERIFY(qHash(a) != qHash(d));
    }

    void sheetIdsAndSmallValues()
    {
        const QUuid id =
            QUuid::fromString(QStringLiteral("{6f1c2b9a-1d2e-4c3f-8a9b-0c1d2e3f4a5b}"));
        QCOMPARE((FileSheet{FileSheet::Kind::ExportImages, id}.id()),
                 QStringLiteral("export-6F1C2B9A-1D2E-4C3F-8A9B-0C1D2E3F4A5B"));
        const FileSheet compress{FileSheet::Kind::Compress, id};
        const FileSheet split{FileSheet::Kind::Split, id};
        QVERIFY(compress.id() != split.id());
        QVERIFY(!(compress == split));

        const QUrl url = QUrl::fromLocalFile("/tmp/x.pdf");
        const Toast revealing{"Saved", url};
        const Toast plain{"Saved", std::nullopt};
        QVERIFY(!(revealing == plain));
        QVERIFY(plain == (Toast{"Saved", std::nullopt}));
        QVERIFY(Destination::file(QUuid::createUuid()) != Destination::file(QUuid::createUuid()));
        QCOMPARE(Destination::home(), Destination());
        QCOMPARE(normalizedAngle(-90), 270);
        QCOMPARE(normalizedAngle(270 + 180), 90);
    }

    void stampRecordJson_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<bool>("decodes");
        const QByteArray good =
            R"({"id":"6F1C2B9A-1D2E-4C3F-8A9B-0C1D2E3F4A5B","name":"Sig","createdAt":12.5,"pixelWidth":10,"pixelHeight":20)";
        QTest::newRow("complete") << good + "}" << true;
        QTest::newRow("extra key") << good + R"(,"colour":"red"})" << true;
        QTest::newRow("lower-case id")
            << QByteArray(good).replace("6F1C2B9A", "6f1c2b9a") + "}" << true;
        QTest::newRow("missing createdAt")
            << QByteArray(
                   R"({"id":"6F1C2B9A-1D2E-4C3F-8A9B-0C1D2E3F4A5B","name":"Sig","pixelWidth":10,"pixelHeight":20})")
            << false;
        QTest::newRow("width as text")
            << QByteArray(good).replace("\"pixelWidth\":10", "\"pixelWidth\":\"10\"") + "}"
            << false;
        QTest::newRow("fractional width")
            << QByteArray(good).replace("\"pixelWidth\":10", "\"pixelWidth\":10.5") + "}" << false;
        QTest::newRow("null name") << QByteArray(good).replace("\"Sig\"", "null") + "}" << false;
        QTest::newRow("id not a uuid")
            << QByteArray(good).replace("6F1C2B9A-", "6F1C2B9A") + "}" << false;
        QTest::newRow("braced id")
            << QByteArray(good).replace("\"6F1C2B9A", "\"{6F1C2B9A").replace("4A5B\"", "4A5B}\"") +
                   "}"
            << false;
    }

    void stampRecordJson()
    {
        QFETCH(QByteArray, json);
        QFETCH(bool, decodes);
        const auto record = StampRecord::fromJson(QJsonDocument::fromJson(json).object());
        QCOMPARE(record.has_value(), decodes);
        if (record) {
            QCOMPARE(record->name, QStringLiteral("Sig"));
            QCOMPARE(record->createdAt, 12.5);
            QCOMPARE(record->pixelHeight, 20);
        }
    }

    void stampRecordListKeepsKeyOrder()
    {
        StampRecord record{
            QUuid::fromString(QStringLiteral("6f1c2b9a-1d2e-4c3f-8a9b-0c1d2e3f4a5b")),
            QStringLiteral("Quote \" and ü"), 0, 1200, 480};
        const QByteArray json = StampRecord::encodeList({record, record});
        const QByteArray expectedStart =
            "[{\"id\":\"6F1C2B9A-1D2E-4C3F-8A9B-0C1D2E3F4A5B\",\"name\":\"Quote \\\" and "
            "\xc3\xbc\","
            "\"createdAt\":0,\"pixelWidth\":1200,\"pixelHeight\":480},";
        QVERIFY2(json.startsWith(expectedStart), json.constData());
        const QJsonArray array = QJsonDocument::fromJson(json).array();
        QCOMPARE(array.size(), 2);
        QCOMPARE(StampRecord::fromJson(array.at(1).toObject()), std::optional<StampRecord>(record));
        QCOMPARE(StampRecord::secondsSinceReferenceDate(
                     QDateTime(QDate(2001, 1, 1), QTime(0, 0), QTimeZone::utc())),
                 0.0);
    }
};

QTEST_GUILESS_MAIN(TestDocumentTypes)
#include "tst_DocumentTypes.moc"
