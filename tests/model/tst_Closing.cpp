#include "document/OpenFile.h"
#include "engine/PDFEngine.h"
#include "helpers/ModelFixture.h"
#include "helpers/PdfFixtures.h"
#include "helpers/TestUtil.h"
#include "model/AppModel.h"
#include "model/MergeModel.h"

#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// Closing documents: where the window goes, and which sources the engine keeps.
class TestClosing : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<ModelFixture> m_fixture;
    PDFEngine *m_engine = nullptr;
    AppModel *m_model = nullptr;

    QUrl pdf(const QString &name, int pages = 2)
    {
        const QUrl url = QUrl::fromLocalFile(m_dir.filePath(name));
        if (!QFile::exists(url.toLocalFile())) {
            Fixtures::writeNumberedPdf(url.toLocalFile(), pages);
        }
        return url;
    }

    OpenFile *open(const QString &name)
    {
        TestUtil::waitFor(m_model->open({pdf(name)}));
        return m_model->files().isEmpty() ? nullptr : m_model->files().last();
    }

    bool renders(const QUrl &url)
    {
        return !TestUtil::await(m_engine->image(PageSource{url, 0}, 0, 64)).isNull();
    }
    int cached() { return TestUtil::await(m_engine->cachedDocumentCount()); }

    // Closes the document and waits until its sources are released.
    void close(OpenFile *file) { QVERIFY(TestUtil::waitFor(m_model->close(file))); }

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

    void whereTheWindowGoes_data()
    {
        QTest::addColumn<int>("documents");
        QTest::addColumn<int>("shown"); // index of the shown document; -1: the merge screen
        QTest::addColumn<int>("closed");
        QTest::addColumn<int>(
            "endsOn"); // index among the remaining documents; -1: unchanged; -2: home
        QTest::newRow("shown one of three") << 3 << 0 << 0 << 1;
        QTest::newRow("shown middle of three goes to the last, not the neighbour")
            << 3 << 1 << 1 << 1;
        QTest::newRow("the only document") << 1 << 0 << 0 << -2;
        QTest::newRow("another screen is shown") << 3 << -1 << 2 << -1;
        QTest::newRow("a document that is not shown") << 3 << 2 << 0 << 1;
    }

    void whereTheWindowGoes()
    {
        QFETCH(int, documents);
        QFETCH(int, shown);
        QFETCH(int, closed);
        QFETCH(int, endsOn);
        for (int i = 0; i < documents; ++i) {
            QVERIFY(open(QStringLiteral("doc%1.pdf").arg(i)));
        }
        const QList<OpenFile *> files = m_model->files();
        m_model->setDestination(shown < 0 ? Destination::merge()
                                          : Destination::file(files[shown]->id()));
        const std::optional<Destination> before = m_model->destination();
        m_model->setSigningFileID(files[closed]->id());
        m_model->setClosingFile(files[closed]);

        m_model->close(files[closed]);

        QCOMPARE(m_model->files().size(), documents - 1);
        QVERIFY(!m_model->files().contains(files[closed]));
        QVERIFY(!m_model->signingFileID());
        QVERIFY(!m_model->closingFile());
        if (endsOn == -1) {
            QCOMPARE(m_model->destination(), before);
        } else if (endsOn == -2) {
            QCOMPARE(m_model->destination(), std::optional<Destination>(Destination::home()));
        } else {
            QCOMPARE(m_model->destination(),
                     std::optional<Destination>(Destination::file(m_model->files()[endsOn]->id())));
        }
    }

    void closedDocumentIsGone()
    {
        QPointer<OpenFile> file = open("gone.pdf");
        const QUuid id = file->id();
        m_model->close(file);
        QCOMPARE(m_model->file(id), nullptr);
        QTRY_VERIFY(file.isNull());
    }

    void unusedSourceIsForgotten()
    {
        const QUrl url = pdf("alone.pdf");
        OpenFile *file = open("alone.pdf");
        QCOMPARE(cached(), 1);
        close(file);
        QCOMPARE(cached(), 0);
        QVERIFY(!renders(url));
    }

    void sourceUsedByAMergeEntryKeepsRendering()
    {
        const QUrl url = pdf("shared.pdf");
        OpenFile *file = open("shared.pdf");
        m_model->merge()->add(*file);
        close(file);
        QVERIFY(renders(url));
        QCOMPARE(cached(), 1);
    }

    void sourceUsedByAnotherDocumentKeepsRendering()
    {
        const QUrl url = pdf("shared.pdf");
        OpenFile *first = open("shared.pdf");
        OpenFile *second = open("other.pdf");
        QVERIFY(TestUtil::waitFor(m_model->insertPages(second, {url})));
        close(first);
        QVERIFY(renders(url));
    }

    // A document with pages of two sources: the close releases them one after the
    // other, and the second may be wanted again before its turn comes.
    OpenFile *twoSourceDocument(const QUrl &second)
    {
        OpenFile *file = open("first.pdf");
        TestUtil::waitFor(m_model->insertPages(file, {second}));
        return file;
    }

    void reopenedRightAfterCloseKeepsRendering()
    {
        const QUrl second = pdf("second.pdf");
        OpenFile *file = twoSourceDocument(second);
        const QFuture<void> closing = m_model->close(file);
        QFuture<void> reopening = m_model->open({second});
        QVERIFY(TestUtil::waitFor(reopening));
        QVERIFY(TestUtil::waitFor(closing));
        QCOMPARE(m_model->files().size(), 1);
        QVERIFY(renders(second));
        QVERIFY(!renders(pdf("first.pdf")));
    }

    void mergeEntryAddedAfterCloseKeepsItsSource()
    {
        const QUrl second = pdf("second.pdf");
        OpenFile *file = twoSourceDocument(second);
        const QFuture<void> closing = m_model->close(file);
        m_model->merge()->add(second, 2);
        QVERIFY(TestUtil::waitFor(closing));
        QVERIFY(renders(second));
    }
};

QTEST_MAIN(TestClosing)
#include "tst_Closing.moc"
