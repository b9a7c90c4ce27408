#include "document/OpenFile.h"
#include "engine/PDFEngine.h"
#include "helpers/ModelFixture.h"
#include "helpers/PdfFixtures.h"
#include "helpers/TestUtil.h"
#include "model/AppModel.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// Turning pages with their stamps, measured by the engine, and inserting the
// pages of other files.
class TestPageTurnsAndInserts : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<ModelFixture> m_fixture;
    PDFEngine *m_engine = nullptr;
    AppModel *m_model = nullptr;

    QUrl file(const QString &name) const { return QUrl::fromLocalFile(m_dir.filePath(name)); }

    // An open document of one 600 x 800 page carrying one placement.
    OpenFile *stampedPage(QPointF center, double width, double rotation,
                          const QString &name = QStringLiteral("portrait.pdf"))
    {
        const QUrl url = file(name);
        if (!QFile::exists(url.toLocalFile())) {
            Fixtures::Page page;
            page.size = QSizeF(600, 800);
            Fixtures::writePdf(url.toLocalFile(), {page});
        }
        TestUtil::waitFor(m_model->open({url}));
        OpenFile *doc = m_model->files().last();
        QList<PageItem> pages = doc->pages();
        pages[0].stamps = {
            StampPlacement{QUuid::createUuid(), QUuid::createUuid(), center, width, rotation}};
        doc->setPages(pages);
        return doc;
    }

    static bool near(double a, double b) { return qAbs(a - b) < 1e-9; }

    static void comparePlacement(const StampPlacement &p, QPointF center, double width,
                                 double rotation)
    {
        QVERIFY2(near(p.center.x(), center.x()) && near(p.center.y(), center.y()),
                 qPrintable(QStringLiteral("centre %1, %2").arg(p.center.x()).arg(p.center.y())));
        QVERIFY2(near(p.width, width), qPrintable(QStringLiteral("width %1").arg(p.width)));
        QVERIFY2(near(p.rotation, rotation),
                 qPrintable(QStringLiteral("rotation %1").arg(p.rotation)));
    }

    OpenFile *numberedDocument(const QString &name, int pages)
    {
        const QUrl url = file(name);
        Fixtures::writeNumberedPdf(url.toLocalFile(), pages);
        TestUtil::waitFor(m_model->open({url}));
        return m_model->files().last();
    }

    static QSet<QUuid> idsOf(const OpenFile *doc, const QList<int> &numbers)
    {
        QSet<QUuid> ids;
        for (int n : numbers) {
            ids.insert(doc->pages()[n - 1].id);
        }
        return ids;
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_dir.isValid());
    }

    void init()
    {
        m_fixture = std::make_unique<ModelFixture>();
        m_engine = m_fixture->engine.get();
        m_model = m_fixture->model.get();
    }

    void cleanup() { m_fixture.reset(); }

    void turnWithoutStamps_data()
    {
        QTest::addColumn<int>("turn");
        QTest::addColumn<bool>("clockwise");
        QTest::addColumn<int>("result");
        QTest::newRow("0 clockwise") << 0 << true << 90;
        QTest::newRow("270 clockwise") << 270 << true << 0;
        QTest::newRow("0 counter-clockwise") << 0 << false << 270;
        QTest::newRow("180 counter-clockwise") << 180 << false << 90;
    }

    void turnWithoutStamps()
    {
        QFETCH(int, turn);
        QFETCH(bool, clockwise);
        QFETCH(int, result);
        OpenFile *doc = numberedDocument("plain.pdf", 3);
        QList<PageItem> pages = doc->pages();
        pages[1].turn = turn;
        doc->setPages(pages);
        QVERIFY(TestUtil::waitFor(m_model->turn(doc, idsOf(doc, {2}), clockwise)));
        QCOMPARE(doc->pages()[1].turn, result);
        QCOMPARE(doc->pages()[0].turn, 0);
        QCOMPARE(doc->pages()[2].turn, 0);
        QVERIFY(doc->isEdited());
    }

    void turnNothing()
    {
        OpenFile *doc = numberedDocument("plain.pdf", 2);
        QVERIFY(TestUtil::waitFor(m_model->turn(doc, {}, true)));
        QVERIFY(!doc->isEdited());
    }

    void stampFollowsClockwiseTurns()
    {
        OpenFile *doc = stampedPage({0.25, 0.1}, 0.3, 0);
        const QSet<QUuid> page = idsOf(doc, {1});
        QVERIFY(TestUtil::waitFor(m_model->turn(doc, page, true)));
        QCOMPARE(doc->pages()[0].turn, 90);
        comparePlacement(doc->pages()[0].stamps[0], {0.9, 0.25}, 0.225, 90);
        // Now measured as 800 x 600.
        QVERIFY(TestUtil::waitFor(m_model->turn(doc, page, true)));
        QCOMPARE(doc->pages()[0].turn, 180);
        comparePlacement(doc->pages()[0].stamps[0], {0.75, 0.9}, 0.3, 180);
    }

    void twoQuickTurnsEqualTwoSlowOnes_data()
    {
        QTest::addColumn<bool>("firstClockwise");
        QTest::addColumn<bool>("secondClockwise");
        QTest::newRow("right, right") << true << true;
        QTest::newRow("right, left") << true << false;
        QTest::newRow("left, left") << false << false;
    }

    void twoQuickTurnsEqualTwoSlowOnes()
    {
        QFETCH(bool, firstClockwise);
        QFETCH(bool, secondClockwise);
        OpenFile *slow = stampedPage({0.25, 0.1}, 0.3, 0, QStringLiteral("slow.pdf"));
        QVERIFY(TestUtil::waitFor(m_model->turn(slow, idsOf(slow, {1}), firstClockwise)));
        QVERIFY(TestUtil::waitFor(m_model->turn(slow, idsOf(slow, {1}), secondClockwise)));

        OpenFile *quick = stampedPage({0.25, 0.1}, 0.3, 0, QStringLiteral("quick.pdf"));
        QVERIFY(quick != slow);
        QFuture<void> first = m_model->turn(quick, idsOf(quick, {1}), firstClockwise);
        QFuture<void> second = m_model->turn(quick, idsOf(quick, {1}), secondClockwise);
        QVERIFY(TestUtil::waitFor(first));
        QVERIFY(TestUtil::waitFor(second));

        QCOMPARE(quick->pages()[0].turn, slow->pages()[0].turn);
        const StampPlacement &expected = slow->pages()[0].stamps[0];
        comparePlacement(quick->pages()[0].stamps[0], expected.center, expected.width,
                         expected.rotation);
    }

    void counterClockwise()
    {
        OpenFile *doc = stampedPage({0.25, 0.1}, 0.3, 0);
        QVERIFY(TestUtil::waitFor(m_model->turn(doc, idsOf(doc, {1}), false)));
        QCOMPARE(doc->pages()[0].turn, 270);
        // Three clockwise steps: the width scales by W / H once overall.
        comparePlacement(doc->pages()[0].stamps[0], {0.1, 0.75}, 0.3 * 600 / 800, 270);
    }

    void rotationKeepsItsSign()
    {
        OpenFile *doc = stampedPage({0.5, 0.5}, 0.2, -170);
        QVERIFY(TestUtil::waitFor(m_model->turn(doc, idsOf(doc, {1}), true)));
        QCOMPARE(doc->pages()[0].stamps[0].rotation, -80.0);
    }

    void sourceNotInTheEngineMeasuresAsA4()
    {
        const QUrl missing = file("never-opened.pdf");
        auto *doc = new OpenFile(
            missing, "never-opened", true,
            {PageItem{
                QUuid::createUuid(),
                {missing, 0},
                0,
                {StampPlacement{QUuid::createUuid(), QUuid::createUuid(), {0.5, 0.5}, 0.5, 0}}}},
            std::nullopt);
        m_model->setFiles({doc});
        QVERIFY(TestUtil::waitFor(m_model->turn(doc, idsOf(doc, {1}), true)));
        comparePlacement(doc->pages()[0].stamps[0], {0.5, 0.5}, 0.5 * 595 / 842, 90);
    }

    void insertBehindTheLastSelectedPage_data()
    {
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<int>("position"); // 1-based position of the first new page
        QTest::newRow("pages 2 and 4 selected") << QList<int>{2, 4} << 5;
        QTest::newRow("nothing selected") << QList<int>{} << 6;
        QTest::newRow("first page selected") << QList<int>{1} << 2;
    }

    void insertBehindTheLastSelectedPage()
    {
        QFETCH(QList<int>, selected);
        QFETCH(int, position);
        OpenFile *doc = numberedDocument("five.pdf", 5);
        const QList<PageItem> before = doc->pages();
        doc->setSelection(idsOf(doc, selected));
        const QUrl three = file("three.pdf");
        Fixtures::writeNumberedPdf(three.toLocalFile(), 3);

        QVERIFY(TestUtil::waitFor(m_model->insertPages(doc, {three})));

        QCOMPARE(doc->pages().size(), 8);
        QSet<QUuid> added;
        for (int i = 0; i < 3; ++i) {
            const PageItem &page = doc->pages()[position - 1 + i];
            QCOMPARE(page.source, (PageSource{three, i}));
            added.insert(page.id);
        }
        QCOMPARE(doc->selection(), added);
        QVERIFY(doc->isEdited());
        QList<PageItem> others = doc->pages();
        others.remove(position - 1, 3);
        QCOMPARE(others, before);
        QVERIFY(!doc->password());
    }

    void insertPicturesAndSkipOtherFiles()
    {
        OpenFile *doc = numberedDocument("one.pdf", 1);
        const QUrl b = file("b.png");
        const QUrl a = file("a.jpg");
        Fixtures::writePicture(b.toLocalFile(), QSize(20, 20));
        Fixtures::writePicture(a.toLocalFile(), QSize(20, 20));
        const QUrl text = file("notes.txt");
        Fixtures::writeAll(text.toLocalFile(), "hello");
        QVERIFY(TestUtil::waitFor(m_model->insertPages(doc, {b, text, a})));
        QCOMPARE(doc->pages().size(), 3);
        QCOMPARE(doc->pages()[1].source, (PageSource{b, 0}));
        QCOMPARE(doc->pages()[2].source, (PageSource{a, 0}));
        QVERIFY(!m_model->errorMessage());
    }

    void cancelledPasswordInsertsNothing()
    {
        OpenFile *doc = numberedDocument("base.pdf", 2);
        doc->setSelection(idsOf(doc, {1}));
        const QList<PageItem> before = doc->pages();
        const QUrl locked = file("locked.pdf");
        Fixtures::writeNumberedPdf(locked.toLocalFile(), 2, {"pw", {}});
        QFuture<void> inserting = m_model->insertPages(doc, {locked});
        QTRY_VERIFY(m_model->passwordRequest());
        m_model->answerPassword(std::nullopt);
        QVERIFY(TestUtil::waitFor(inserting));
        QCOMPARE(doc->pages(), before);
        QCOMPARE(doc->selection(), idsOf(doc, {1}));
        QVERIFY(!doc->isEdited());
        QVERIFY(!m_model->errorMessage());
    }
};

QTEST_MAIN(TestPageTurnsAndInserts)
#include "tst_PageTurnsAndInserts.moc"
