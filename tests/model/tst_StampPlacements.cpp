#include "document/OpenFile.h"
#include "helpers/ModelFixture.h"
#include "model/AppModel.h"
#include "stamps/StampLibrary.h"

#include <QBuffer>
#include <QDir>

#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "helpers/InMemoryDocument.h"

class TestStampPlacements : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<ModelFixture> m_fixture;
    AppModel *m_model = nullptr;
    OpenFile *m_file = nullptr;

    void makeDocument(int pages)
    {
        m_fixture = std::make_unique<ModelFixture>(ModelFixture::Engine::None);
        m_model = m_fixture->model.get();
        m_file = addInMemoryDocument(*m_model, pages);
    }

    static StampRecord record(int width, int height)
    {
        return StampRecord{QUuid::createUuid(), "Stamp", 0, width, height};
    }

    const PageItem &page(int number) const { return m_file->pages()[number - 1]; }

    StampRecord libraryStamp()
    {
        QImage picture(20, 10, QImage::Format_ARGB32);
        picture.fill(Qt::blue);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        picture.save(&buffer, "PNG");
        return *m_model->stamps()->add(StampMaker::Stamp{png, 20, 10}, "Mine", QUuid::createUuid());
    }

    OpenFile *addDocument(int pages)
    {
        const QUrl url = QUrl::fromLocalFile(
            m_dir.filePath(QStringLiteral("doc%1.pdf").arg(m_model->files().size())));
        QList<PageItem> items;
        for (int i = 0; i < pages; ++i) {
            items.append(PageItem{QUuid::createUuid(), PageSource{url, i}, 0, {}});
        }
        auto *file = new OpenFile(url, "doc", true, items, std::nullopt);
        m_model->setFiles(m_model->files() + QList<OpenFile *>{file});
        return file;
    }

    static int placementsOf(const OpenFile *file, const QUuid &stamp)
    {
        int count = 0;
        for (const PageItem &page : file->pages()) {
            count +=
                int(std::count_if(page.stamps.cbegin(), page.stamps.cend(),
                                  [&](const StampPlacement &p) { return p.stampID == stamp; }));
        }
        return count;
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void place_data()
    {
        QTest::addColumn<int>("pixelWidth");
        QTest::addColumn<int>("pixelHeight");
        QTest::addColumn<int>("already");
        QTest::addColumn<QPointF>("center");
        QTest::addColumn<double>("width");
        QTest::newRow("wide picture, exactly 1.6")
            << 1600 << 1000 << 0 << QPointF(0.5, 0.62) << 0.34;
        QTest::newRow("narrower than 1.6") << 1500 << 1000 << 0 << QPointF(0.5, 0.62) << 0.24;
        QTest::newRow("height 0 counts as 1") << 2 << 0 << 0 << QPointF(0.5, 0.62) << 0.34;
        QTest::newRow("third on the page") << 100 << 100 << 2 << QPointF(0.58, 0.70) << 0.24;
        QTest::newRow("sixth starts over") << 100 << 100 << 5 << QPointF(0.5, 0.62) << 0.24;
    }

    void place()
    {
        QFETCH(int, pixelWidth);
        QFETCH(int, pixelHeight);
        QFETCH(int, already);
        QFETCH(QPointF, center);
        QFETCH(double, width);
        makeDocument(2);
        const QUuid target = page(2).id;
        for (int i = 0; i < already; ++i) {
            QVERIFY(m_model->place(record(10, 10), m_file, target));
        }
        m_file->setEdited(false);
        const StampRecord stamp = record(pixelWidth, pixelHeight);
        const std::optional<StampPlacement> placed = m_model->place(stamp, m_file, target);
        QVERIFY(placed);
        QCOMPARE(placed->stampID, stamp.id);
        QVERIFY(qAbs(placed->center.x() - center.x()) < 1e-9);
        QVERIFY(qAbs(placed->center.y() - center.y()) < 1e-9);
        QCOMPARE(placed->width, width);
        QCOMPARE(placed->rotation, 0.0);
        QCOMPARE(page(2).stamps.size(), already + 1);
        QCOMPARE(page(2).stamps.last(), *placed);
        QVERIFY(page(1).stamps.isEmpty());
        QVERIFY(m_file->isEdited());
    }

    void placeOnMissingPage()
    {
        makeDocument(1);
        QVERIFY(!m_model->place(record(10, 10), m_file, QUuid::createUuid()));
        QVERIFY(!m_file->isEdited());
    }

    void addToAllPages_data()
    {
        QTest::addColumn<int>("pages");
        QTest::addColumn<int>("from");
        QTest::newRow("four pages from page 2") << 4 << 2;
        QTest::newRow("a single page") << 1 << 1;
    }

    void addToAllPages()
    {
        QFETCH(int, pages);
        QFETCH(int, from);
        makeDocument(pages);
        const std::optional<StampPlacement> placed =
            m_model->place(record(300, 100), m_file, page(from).id);
        QVERIFY(placed);
        StampPlacement moved = *placed;
        moved.center = QPointF(0.2, 0.3);
        moved.rotation = 15;
        m_model->update(moved, m_file, page(from).id);
        m_file->setEdited(false);

        m_model->addToAllPages(moved, m_file, page(from).id);
        QSet<QUuid> ids;
        for (int n = 1; n <= pages; ++n) {
            QCOMPARE(page(n).stamps.size(), 1);
            const StampPlacement &copy = page(n).stamps.first();
            QCOMPARE(copy.stampID, moved.stampID);
            QCOMPARE(copy.center, moved.center);
            QCOMPARE(copy.width, moved.width);
            QCOMPARE(copy.rotation, moved.rotation);
            ids.insert(copy.id);
        }
        QCOMPARE(ids.size(), pages);
        QCOMPARE(page(from).stamps.first().id, moved.id);
        QVERIFY(m_file->isEdited());
        QCOMPARE(m_model->toast(),
                 std::optional<Toast>(
                     Toast{QStringLiteral("Added to all %1 pages").arg(pages), std::nullopt}));
    }

    void updateAndRemove_data()
    {
        QTest::addColumn<bool>("knownPlacement");
        QTest::addColumn<bool>("knownPage");
        QTest::addColumn<bool>("updateEdits");
        QTest::addColumn<bool>("removeEdits");
        QTest::newRow("known placement") << true << true << true << true;
        // Removing an unknown placement from an existing page still counts as an edit.
        QTest::newRow("unknown placement") << false << true << false << true;
        QTest::newRow("unknown page") << true << false << false << false;
    }

    void updateAndRemove()
    {
        QFETCH(bool, knownPlacement);
        QFETCH(bool, knownPage);
        QFETCH(bool, updateEdits);
        QFETCH(bool, removeEdits);
        makeDocument(2);
        const QUuid pageID = knownPage ? page(1).id : QUuid::createUuid();
        StampPlacement placement = *m_model->place(record(10, 10), m_file, page(1).id);
        m_model->place(record(10, 10), m_file, page(1).id);
        if (!knownPlacement) {
            placement.id = QUuid::createUuid();
        }
        const QList<PageItem> before = m_file->pages();

        m_file->setEdited(false);
        placement.width = 0.5;
        m_model->update(placement, m_file, pageID);
        QCOMPARE(m_file->isEdited(), updateEdits);
        QCOMPARE(page(1).stamps.first().width, updateEdits ? 0.5 : 0.24);
        QCOMPARE(page(1).stamps.size(), 2);

        m_file->setEdited(false);
        m_model->remove(placement.id, m_file, pageID);
        QCOMPARE(m_file->isEdited(), removeEdits);
        QCOMPARE(page(1).stamps.size(), knownPlacement && knownPage ? 1 : 2);
        if (knownPlacement && knownPage) {
            QCOMPARE(page(1).stamps.first(), before[0].stamps[1]);
        }
    }

    void deleteStampStripsEveryDocument()
    {
        makeDocument(1);
        m_model->setFiles({});
        const StampRecord doomed = libraryStamp();
        const StampRecord kept = libraryStamp();
        OpenFile *first = addDocument(2);
        OpenFile *second = addDocument(3);
        OpenFile *untouched = addDocument(1);
        m_model->place(doomed, first, first->pages()[0].id);
        m_model->place(kept, first, first->pages()[0].id);
        m_model->place(doomed, first, first->pages()[0].id);
        m_model->place(doomed, second, second->pages()[2].id);
        m_model->place(kept, untouched, untouched->pages()[0].id);
        for (OpenFile *file : m_model->files()) {
            file->setEdited(false);
        }

        m_model->deleteStamp(doomed.id);

        QCOMPARE(placementsOf(first, doomed.id), 0);
        QCOMPARE(placementsOf(second, doomed.id), 0);
        QCOMPARE(placementsOf(first, kept.id), 1);
        QVERIFY(first->isEdited());
        QVERIFY(second->isEdited());
        QCOMPARE(placementsOf(untouched, kept.id), 1);
        QVERIFY(!untouched->isEdited());
        QVERIFY(!m_model->stamps()->record(doomed.id));
        QVERIFY(m_model->stamps()->record(kept.id));
    }

    void failedLibraryWriteKeepsThePlacements()
    {
        makeDocument(1);
        const StampRecord stamp = libraryStamp();
        m_model->place(stamp, m_file, page(1).id);
        m_file->setEdited(false);
        // An index that can't be replaced: a folder where the file should be.
        const QString index = m_model->stamps()->indexFile();
        QVERIFY(QFile::remove(index));
        QVERIFY(QDir().mkpath(index + "/blocked"));

        m_model->deleteStamp(stamp.id);

        QCOMPARE(m_model->stamps()->errorMessage(),
                 QStringLiteral("The change couldn't be saved. Try again."));
        QVERIFY(m_model->stamps()->record(stamp.id));
        QCOMPARE(placementsOf(m_file, stamp.id), 1);
        QVERIFY(!m_file->isEdited());

        // Once the library can save again, the same request goes through.
        QVERIFY(QDir(index).removeRecursively());
        m_model->deleteStamp(stamp.id);
        QVERIFY(m_model->stamps()->errorMessage().isNull());
        QCOMPARE(placementsOf(m_file, stamp.id), 0);
        QVERIFY(m_file->isEdited());
    }
};

QTEST_GUILESS_MAIN(TestStampPlacements)
#include "tst_StampPlacements.moc"
