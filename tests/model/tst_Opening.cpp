#include "document/OpenFile.h"
#include "engine/PDFEngine.h"
#include "helpers/ModelFixture.h"
#include "helpers/PdfFixtures.h"
#include "helpers/TestUtil.h"
#include "model/AppModel.h"
#include "model/Thumbnails.h"

#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// Turning chosen files into open documents, with real files and a real engine.
class TestOpening : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<ModelFixture> m_fixture;
    PDFEngine *m_engine = nullptr;
    AppModel *m_model = nullptr;

    QUrl path(const QString &name) const { return QUrl::fromLocalFile(m_dir.filePath(name)); }

    QUrl pdf(const QString &name, int pages)
    {
        const QUrl url = path(name);
        if (!QFile::exists(url.toLocalFile())) {
            Fixtures::writeNumberedPdf(url.toLocalFile(), pages);
        }
        return url;
    }

    QUrl picture(const QString &name)
    {
        const QUrl url = path(name);
        Fixtures::writePicture(url.toLocalFile(), QSize(40, 30));
        return url;
    }

    QUrl damaged(const QString &name)
    {
        const QUrl url = path(name);
        Fixtures::writeAll(url.toLocalFile(), "this is not what the name says");
        return url;
    }

    void open(const QList<QUrl> &urls, std::optional<Tool> tool = std::nullopt)
    {
        QVERIFY(TestUtil::waitFor(m_model->open(urls, tool)));
    }

    static QStringList pageFiles(const OpenFile *file)
    {
        QStringList names;
        for (const PageItem &page : file->pages()) {
            names.append(QFileInfo(page.source.url.toLocalFile()).fileName());
        }
        return names;
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

    void nothingToOpen_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("message");
        QTest::newRow("no files") << QStringList{} << QString();
        QTest::newRow("only other kinds") << QStringList{"notes.txt", "archive.zip", "README"}
                                          << QStringLiteral("Tamsel opens PDFs and images.");
    }

    void nothingToOpen()
    {
        QFETCH(QStringList, names);
        QFETCH(QString, message);
        QList<QUrl> urls;
        for (const QString &name : names) {
            urls.append(path(name));
        }
        QSignalSpy files(m_model, &AppModel::filesChanged);
        open(urls);
        QCOMPARE(files.count(), 0);
        QCOMPARE(m_model->errorMessage(),
                 message.isEmpty() ? std::nullopt : std::optional<QString>(message));
        QCOMPARE(m_model->destination(), std::optional<Destination>(Destination::home()));
    }

    void picturesBecomeOneDocumentInNameOrder()
    {
        open({picture("b.jpg"), picture("a10.png"), picture("a2.png"), path("notes.txt")});
        QCOMPARE(m_model->files().size(), 1);
        const OpenFile *file = m_model->files().first();
        QCOMPARE(file->name(), QStringLiteral("a2"));
        QCOMPARE(file->url(), path("a2.png"));
        QVERIFY(!file->isPDF());
        QVERIFY(file->isEdited());
        QVERIFY(!file->password());
        QCOMPARE(pageFiles(file), (QStringList{"a2.png", "a10.png", "b.jpg"}));
        for (const PageItem &page : file->pages()) {
            QCOMPARE(page.source.index, 0);
        }
        QCOMPARE(m_model->destination(), std::optional<Destination>(Destination::file(file->id())));
        QVERIFY(!m_model->errorMessage());
    }

    void unreadablePicturesAreLeftOut()
    {
        QList<QUrl> urls;
        for (int i = 1; i <= 10; ++i) {
            const QString name = QStringLiteral("Scan %1.png").arg(i);
            urls.append(i == 2 || i == 5 || i == 9 ? damaged(name) : picture(name));
        }
        open(urls);
        QCOMPARE(m_model->files().size(), 1);
        QCOMPARE(m_model->files().first()->pages().size(), 7);
        QCOMPARE(m_model->files().first()->name(), QStringLiteral("Scan 1"));
        QCOMPARE(m_model->errorMessage(),
                 std::optional<QString>(QStringLiteral("“Scan 9.png” can't be opened.")));
    }

    void openedPagesRenderThroughTheCache()
    {
        open({pdf("shown.pdf", 2), picture("shown.png")});
        for (const OpenFile *file : m_model->files()) {
            const Thumbnails::Key key{file->pages().last().source, 90, 120};
            QVERIFY(TestUtil::waitFor(m_model->thumbnails()->load(key)));
            const QImage image = m_model->thumbnails()->image(key);
            QVERIFY(!image.isNull());
            QCOMPARE(std::max(image.width(), image.height()), 120);
        }
    }

    void picturesAreNeverMatched()
    {
        const QUrl a = picture("a.png");
        open({a});
        open({a});
        QCOMPARE(m_model->files().size(), 2);
        QCOMPARE(m_model->destination(),
                 std::optional<Destination>(Destination::file(m_model->files().last()->id())));
    }

    void pdfsOpenOnceEach()
    {
        const QUrl a = pdf("Annual.report.pdf", 3);
        const QUrl b = pdf("b.pdf", 2);
        open({a, b, a});
        QCOMPARE(m_model->files().size(), 2);
        const OpenFile *first = m_model->files().first();
        QCOMPARE(first->name(), QStringLiteral("Annual.report"));
        QVERIFY(first->isPDF());
        QVERIFY(!first->isEdited());
        QCOMPARE(first->pages().size(), 3);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(first->pages()[i].source, (PageSource{a, i}));
        }
        // The window ends on the last PDF of the call, also when it was open already.
        QCOMPARE(m_model->destination(),
                 std::optional<Destination>(Destination::file(first->id())));

        QSignalSpy files(m_model, &AppModel::filesChanged);
        open({b});
        QCOMPARE(files.count(), 0);
        QCOMPARE(m_model->destination(),
                 std::optional<Destination>(Destination::file(m_model->files()[1]->id())));
    }

    void toolStartsOnTheLastDocument_data()
    {
        QTest::addColumn<int>("tool");
        QTest::newRow("sign") << int(Tool::Sign);
        QTest::newRow("split") << int(Tool::Split);
        QTest::newRow("compress") << int(Tool::Compress);
    }

    void toolStartsOnTheLastDocument()
    {
        QFETCH(int, tool);
        open({pdf("one.pdf", 1), pdf("two.pdf", 2)}, Tool(tool));
        const QUuid id = m_model->files().last()->id();
        switch (Tool(tool)) {
        case Tool::Sign:
            QCOMPARE(m_model->signingFileID(), std::optional<QUuid>(id));
            QVERIFY(!m_model->sheet());
            break;
        case Tool::Split:
            QCOMPARE(m_model->sheet(),
                     std::optional<FileSheet>(FileSheet{FileSheet::Kind::Split, id}));
            break;
        case Tool::Compress:
            QCOMPARE(m_model->sheet(),
                     std::optional<FileSheet>(FileSheet{FileSheet::Kind::Compress, id}));
            break;
        }
        QVERIFY(!m_model->signingStartPage());
    }

    void mixOfGoodDamagedAndLockedFiles()
    {
        open({pdf("kept.pdf", 1)});
        OpenFile *kept = m_model->files().first();
        const QList<PageItem> keptPages = kept->pages();

        const QUrl locked = path("locked.pdf");
        QVERIFY(Fixtures::writeNumberedPdf(locked.toLocalFile(), 2, {"secret", {}}));
        QFuture<void> opening = m_model->open({pdf("good.pdf", 2), damaged("broken.pdf"), locked,
                                               picture("p.png"), damaged("q.png")});
        QTRY_VERIFY(m_model->passwordRequest());
        QCOMPARE(m_model->passwordRequest()->fileName, QStringLiteral("locked.pdf"));
        QCOMPARE(m_model->errorMessage(),
                 std::optional<QString>(QStringLiteral(
                     "“broken.pdf” can't be opened. It may be damaged or not a PDF.")));
        m_model->answerPassword(QStringLiteral("secret"));
        QVERIFY(TestUtil::waitFor(opening));

        QStringList names;
        for (const OpenFile *file : m_model->files()) {
            names.append(file->name());
        }
        QCOMPARE(names, (QStringList{"kept", "good", "locked", "p"}));
        QCOMPARE(m_model->files()[2]->password(), std::optional<QString>(QStringLiteral("secret")));
        QCOMPARE(m_model->files()[3]->pages().size(), 1);
        QCOMPARE(m_model->errorMessage(),
                 std::optional<QString>(QStringLiteral("“q.png” can't be opened.")));
        QCOMPARE(m_model->files().first(), kept);
        QCOMPARE(kept->pages(), keptPages);
        QVERIFY(!kept->isEdited());
    }

    void fileGoneFromDiskSaysSo()
    {
        const QUrl gone = pdf("gone.pdf", 2);
        open({gone});
        m_model->close(m_model->files().first());
        QVERIFY(QFile::remove(gone.toLocalFile()));
        open({gone});
        QVERIFY(m_model->files().isEmpty());
        QCOMPARE(m_model->errorMessage(),
                 std::optional<QString>(
                     QStringLiteral("“gone.pdf” can't be opened. It was moved or deleted.")));
    }

    void chooseFilesAsksThePanels()
    {
        m_fixture->panels.fileAnswers.enqueue({path("x.pdf"), path("y.png")});
        const QList<QUrl> chosen =
            TestUtil::await(m_model->chooseFiles(true, {FileKind::Pdf, FileKind::Picture}));
        QCOMPARE(chosen, (QList<QUrl>{path("x.pdf"), path("y.png")}));
        QCOMPARE(m_fixture->panels.openCalls.size(), 1);
        QCOMPARE(m_fixture->panels.openCalls[0].message, QStringLiteral("Choose PDFs or images"));
        QVERIFY(m_fixture->panels.openCalls[0].multiple);
        QVERIFY(TestUtil::await(m_model->chooseFiles(false, {FileKind::Pdf})).isEmpty());
    }
};

QTEST_MAIN(TestOpening)
#include "tst_Opening.moc"
