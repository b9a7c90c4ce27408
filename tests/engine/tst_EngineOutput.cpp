#include "engine/PDFEngine.h"

#include "helpers/OutputFixtures.h"
#include "helpers/PdfFixtures.h"
#include "helpers/TestUtil.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

#include <poppler-qt6.h>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFWriter.hh>

namespace {

BuildPlan planOf(const QUrl &url, QList<int> indices, int turn = 0)
{
    BuildPlan plan;
    for (int index : indices) {
        plan.pages.append(PageItem{QUuid::createUuid(), PageSource{url, index}, turn, {}});
    }
    return plan;
}

} // namespace

class TestEngineOutput : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QUrl url(const QString &name) const { return QUrl::fromLocalFile(m_dir.filePath(name)); }

private slots:
    void sourcesOfEveryKindBuild_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("ownerPassword");
        QTest::newRow("plain PDF") << "plain.pdf" << QString() << QString();
        QTest::newRow("opened with the user password") << "user.pdf"
                                                       << "Grüße"
                                                       << "boss";
        QTest::newRow("opened with the owner password") << "owner.pdf"
                                                        << "boss"
                                                        << "boss";
        QTest::newRow("picture") << "photo.png" << QString() << QString();
    }

    void sourcesOfEveryKindBuild()
    {
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(QString, ownerPassword);
        const QUrl source = url(name);
        const bool picture = name.endsWith(QStringLiteral(".png"));
        if (picture) {
            QVERIFY(Fixtures::writePicture(source.toLocalFile(), {800, 600}));
        } else if (name == QStringLiteral("owner.pdf")) {
            QVERIFY(Fixtures::writeNumberedPdf(source.toLocalFile(), 2,
                                               {QStringLiteral("user"), ownerPassword}));
        } else {
            QVERIFY(Fixtures::writeNumberedPdf(source.toLocalFile(), 2, {password, ownerPassword}));
        }
        PDFEngine engine;
        const auto opened = TestUtil::await(engine.open(
            source, password.isEmpty() ? std::nullopt : std::optional<QString>(password)));
        QCOMPARE(opened.status, PDFEngine::OpenStatus::Opened);

        const auto built = TestUtil::await(
            engine.buildBytes(planOf(source, picture ? QList<int>{0} : QList<int>{1, 0}, 90), {}));
        QVERIFY(built.ok());
        QCOMPARE(Fixtures::qpdfCheckFailure(*built), QString());
        auto document = Fixtures::popplerOpen(*built);
        QVERIFY(document); // the source's protection is not carried over
        QCOMPARE(document->numPages(), picture ? 1 : 2);
        if (!picture) {
            QCOMPARE(Fixtures::popplerText(*document, 0), QStringLiteral("Page 2"));
        }
        std::unique_ptr<Poppler::Page> page(document->page(0));
        QCOMPARE(page->orientation(), Poppler::Page::Landscape);

        const auto pictures = TestUtil::await(engine.pictures(planOf(source, {0}), 72, true, {}));
        QVERIFY(pictures.ok());
        QCOMPARE(pictures->size(), 1);
        QVERIFY(!QImage::fromData(pictures->first()).isNull());
    }

    // A merge frees each source's parsed objects once its last page is copied;
    // the copies still read their content from the source's bytes, a locked
    // source's too, and the next build reads the sources afresh.
    void interleavedSourcesKeepEveryPage()
    {
        const QUrl locked = url(QStringLiteral("locked.pdf"));
        const QUrl plain = url(QStringLiteral("plain two.pdf"));
        QVERIFY(Fixtures::writeNumberedPdf(locked.toLocalFile(), 3,
                                           {QStringLiteral("secret"), QStringLiteral("boss")}));
        QVERIFY(Fixtures::writeNumberedPdf(plain.toLocalFile(), 2));
        PDFEngine engine;
        QCOMPARE(TestUtil::await(engine.open(locked, QStringLiteral("secret"))).status,
                 PDFEngine::OpenStatus::Opened);
        QCOMPARE(TestUtil::await(engine.open(plain, std::nullopt)).status,
                 PDFEngine::OpenStatus::Opened);
        BuildPlan plan = planOf(locked, {0});
        plan.pages +=
            planOf(plain, {1}).pages + planOf(locked, {2}).pages + planOf(plain, {0}).pages;
        for (int round = 0; round < 2; ++round) {
            const auto built = TestUtil::await(engine.buildBytes(plan, {}));
            QVERIFY(built.ok());
            QCOMPARE(Fixtures::qpdfCheckFailure(*built), QString());
            auto document = Fixtures::popplerOpen(*built);
            QVERIFY(document);
            QStringList texts;
            for (int i = 0; i < document->numPages(); ++i) {
                texts.append(Fixtures::popplerText(*document, i));
            }
            QCOMPARE(texts, (QStringList{"Page 1", "Page 2", "Page 3", "Page 1"}));
        }
    }

    // Workers read no file of the user's: a stamp picture in the home folder
    // comes with the request, and shows on the built page and on its picture.
    void stampPicturesInTheHomeFolderReachTheWorker()
    {
        const QUrl source = url(QStringLiteral("stamped.pdf"));
        QVERIFY(Fixtures::writeNumberedPdf(source.toLocalFile(), 1));
        const QString stampPath = QDir::homePath() + QStringLiteral("/Stamps/red.png");
        QVERIFY(QDir().mkpath(QFileInfo(stampPath).path()));
        QImage red(200, 100, QImage::Format_ARGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(stampPath));
        PDFEngine engine;
        QCOMPARE(TestUtil::await(engine.open(source, std::nullopt)).status,
                 PDFEngine::OpenStatus::Opened);
        BuildPlan plan = planOf(source, {0});
        const QUuid stamp = QUuid::createUuid();
        plan.pages[0].stamps = {
            StampPlacement{QUuid::createUuid(), stamp, QPointF(0.5, 0.5), 0.5, 0}};
        plan.stampFiles.insert(stamp, QUrl::fromLocalFile(stampPath));

        const auto built = TestUtil::await(engine.buildBytes(plan, {}));
        QVERIFY(built.ok());
        auto document = Fixtures::popplerOpen(*built);
        QVERIFY(document);
        const QImage page =
            std::unique_ptr<Poppler::Page>(document->page(0))->renderToImage(72, 72);
        // Stamps are stored as JPEG colours under an alpha mask: red, nearly.
        const auto isRed = [](QColor c) {
            return c.red() > 200 && c.green() < 60 && c.blue() < 60;
        };
        QVERIFY(isRed(page.pixelColor(page.width() / 2, page.height() / 2)));

        const auto picture = TestUtil::await(engine.picture(plan, 0, 72, false, {}));
        QVERIFY(picture.ok());
        const QImage drawn = QImage::fromData(*picture);
        QVERIFY(isRed(drawn.pixelColor(drawn.width() / 2, drawn.height() / 2)));
    }

    // Straight into a file: a build, and a pictures build put together from
    // several workers' pictures, each leave the whole PDF there and nothing of
    // what the file held before.
    void buildsWriteIntoAFile()
    {
        const QUrl source = url(QStringLiteral("three.pdf"));
        QVERIFY(Fixtures::writeNumberedPdf(source.toLocalFile(), 3));
        PDFEngine engine;
        QCOMPARE(TestUtil::await(engine.open(source, std::nullopt)).status,
                 PDFEngine::OpenStatus::Opened);
        for (const bool pictures : {false, true}) {
            BuildPlan plan = planOf(source, {2, 0, 1});
            if (pictures) {
                plan.quality = CompressionStep{300, 0.5, true};
            }
            QFile file(m_dir.filePath(pictures ? QStringLiteral("pictures.pdf")
                                               : QStringLiteral("pages.pdf")));
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.write(QByteArray(200'000, 'x')) > 0 && file.flush());
            QVERIFY(TestUtil::await(engine.buildInto(plan, file.handle(), {})).ok());
            file.close();
            const QByteArray written = Fixtures::readAll(file.fileName());
            QCOMPARE(Fixtures::qpdfCheckFailure(written), QString());
            auto document = Fixtures::popplerOpen(written);
            QVERIFY(document);
            QCOMPARE(document->numPages(), 3);
            QCOMPARE(Fixtures::popplerText(*document, 0),
                     pictures ? QString() : QStringLiteral("Page 3"));
        }
    }

    void pagesAsPicturesAreDrawnOnSeveralWorkersAndKeepTheirOrder()
    {
        // Pages of growing widths show whether every picture landed on its page.
        const QUrl source = url("widths.pdf");
        QList<Fixtures::Page> pages;
        for (int i = 0; i < 12; ++i) {
            pages.append({QSizeF(200 + 20 * i, 400), 0, QStringLiteral("Page %1").arg(i + 1)});
        }
        QVERIFY(Fixtures::writePdf(source.toLocalFile(), pages));
        PDFEngine engine;
        QCOMPARE(TestUtil::await(engine.open(source, std::nullopt)).status,
                 PDFEngine::OpenStatus::Opened);
        QList<int> all;
        for (int i = 0; i < pages.size(); ++i) {
            all.append(i);
        }
        BuildPlan plan = planOf(source, all);
        plan.pages[3].turn = 90;
        plan.password = QStringLiteral("Grüße");
        plan.quality = CompressionStep{300, 0.5, true};

        const auto built = TestUtil::await(engine.buildBytes(plan, {}));
        QVERIFY(built.ok());
        QCOMPARE(Fixtures::qpdfCheckFailure(*built, *plan.password), QString());
        QVERIFY(!Fixtures::popplerOpen(*built)); // still protected
        const auto document = Fixtures::popplerOpen(*built, *plan.password);
        QVERIFY(document);
        QCOMPARE(document->numPages(), pages.size());
        for (int i = 0; i < pages.size(); ++i) {
            const std::unique_ptr<Poppler::Page> page(document->page(i));
            const QSizeF expected = i == 3 ? pages[i].size.transposed() : pages[i].size;
            QCOMPARE(page->pageSizeF(), expected);
            QVERIFY(page->text(QRectF()).isEmpty()); // a picture, no text
        }
        if (engine.workerCount() > 1) {
            QVERIFY(engine.startedWorkerCount() > 1);
        }

        // A cancelled one ends without bytes; the engine carries on.
        const CancelToken cancel = CancelToken::make();
        const auto canceled = engine.buildBytes(plan, cancel);
        cancel.cancel();
        QVERIFY(TestUtil::await(canceled).isCanceled());
        engine.forget(source);
        const auto missing = TestUtil::await(engine.buildBytes(plan, {}));
        QCOMPARE(missing.error().message, PDFEngine::message(PDFEngine::EngineError::MissingPage));
    }

    void anUneditedDocumentKeepsWhatNoPageHoldsAndOnlyThePlansProtection()
    {
        // Page labels live in the catalog, beside the pages: copying pages
        // alone would lose them.
        const QString plain = m_dir.filePath("labelled-plain.pdf");
        QVERIFY(Fixtures::writeNumberedPdf(plain, 3));
        {
            const QByteArray name = QFile::encodeName(plain);
            QPDF pdf;
            pdf.processFile(name.constData());
            pdf.getRoot().replaceKey("/PageLabels",
                                     QPDFObjectHandle::parse("<< /Nums [0 << /S /r >>] >>"));
            QPDFWriter writer(pdf, name.constData());
            writer.write();
        }
        const QUrl source = url("labelled.pdf");
        QVERIFY(Fixtures::writeProtectedCopy(plain, source.toLocalFile(), QStringLiteral("old")));
        PDFEngine engine;
        QCOMPARE(TestUtil::await(engine.open(source, QStringLiteral("old"))).status,
                 PDFEngine::OpenStatus::Opened);

        BuildPlan plan = planOf(source, {0, 1, 2});
        const auto unprotected = TestUtil::await(engine.buildBytes(plan, {}));
        QVERIFY(unprotected.ok());
        const auto document = Fixtures::popplerOpen(*unprotected);
        QVERIFY(document); // the source's password is gone
        QCOMPARE(document->numPages(), 3);
        QCOMPARE(Fixtures::popplerText(*document, 2), QStringLiteral("Page 3"));
        std::unique_ptr<Poppler::Page> last(document->page(2));
        QCOMPARE(last->label(), QStringLiteral("iii"));

        plan.password = QStringLiteral("new");
        const auto protectedAnew = TestUtil::await(engine.buildBytes(plan, {}));
        QVERIFY(protectedAnew.ok());
        QVERIFY(!Fixtures::popplerOpen(*protectedAnew));
        QVERIFY(!Fixtures::popplerOpen(*protectedAnew, QStringLiteral("old")));
        QCOMPARE(Fixtures::qpdfCheckFailure(*protectedAnew, QStringLiteral("new")), QString());
    }

    void aForgottenSourceIsAMissingPage()
    {
        const QUrl source = url("forgotten.pdf");
        QVERIFY(Fixtures::writeNumberedPdf(source.toLocalFile(), 2));
        PDFEngine engine;
        QCOMPARE(TestUtil::await(engine.open(source, std::nullopt)).status,
                 PDFEngine::OpenStatus::Opened);
        QVERIFY(TestUtil::await(engine.buildBytes(planOf(source, {0}), {})).ok());
        engine.forget(source);
        const auto built = TestUtil::await(engine.buildBytes(planOf(source, {0}), {}));
        QVERIFY(!built.ok());
        QCOMPARE(built.error().code, int(PDFEngine::EngineError::MissingPage));
        const auto pictures = TestUtil::await(engine.pictures(planOf(source, {0}), 72, false, {}));
        QCOMPARE(pictures.error().message, PDFEngine::message(PDFEngine::EngineError::MissingPage));
    }

    void cancelingWhileQueuedOrRunningGivesNoBytes()
    {
        const QUrl source = url("long.pdf");
        QVERIFY(Fixtures::writeNumberedPdf(source.toLocalFile(), 50));
        PDFEngine engine;
        QCOMPARE(TestUtil::await(engine.open(source, std::nullopt)).status,
                 PDFEngine::OpenStatus::Opened);
        QList<int> all;
        for (int i = 0; i < 50; ++i) {
            all.append(i);
        }
        const CancelToken cancel = CancelToken::make();
        // Queued behind a render, cancelled before its turn comes.
        const auto render = engine.image({source, 0}, 0, 2000);
        const auto built = engine.buildBytes(planOf(source, all), cancel);
        cancel.cancel();
        QVERIFY(!TestUtil::await(render).isNull());
        QVERIFY(TestUtil::await(built).isCanceled());
        QVERIFY(
            TestUtil::await(engine.pictures(planOf(source, all), 100, false, cancel)).isCanceled());
        // The engine carries on with the next request.
        QVERIFY(TestUtil::await(engine.buildBytes(planOf(source, all), {})).ok());
    }

    void engineGoesAwayWithABuildQueued()
    {
        const QUrl source = url("queued.pdf");
        QVERIFY(Fixtures::writeNumberedPdf(source.toLocalFile(), 20));
        QFuture<Result<QByteArray>> built;
        {
            PDFEngine engine;
            engine.open(source, std::nullopt);
            built = engine.buildBytes(planOf(source, {0, 1, 2}), {});
        }
        // Dropped unstarted or finished: either way nobody waits for ever.
        QVERIFY(built.isFinished());
        QVERIFY(built.isCanceled() || built.result().ok());
    }
};

QTEST_MAIN(TestEngineOutput)
#include "tst_EngineOutput.moc"
