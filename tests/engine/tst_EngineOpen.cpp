#include "engine/PDFEngine.h"

#include "helpers/HandMadePdf.h"
#include "helpers/OutputFixtures.h"
#include "helpers/PdfFixtures.h"
#include "helpers/TestUtil.h"

#include <QBuffer>
#include <QFile>

#include <QTemporaryDir>
#include <QTest>
#include <poppler-qt6.h>

#include <cstdio>
#include <vector>

#include <jpeglib.h>

using OpenStatus = PDFEngine::OpenStatus;

namespace {

// An RGB JPEG of `size` with red growing to the right and green downwards,
// written row by row so that the test never holds its pixels.
bool writeGradientJpeg(const QString &path, QSize size)
{
    FILE *file = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (!file) {
        return false;
    }
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = JDIMENSION(size.width());
    info.image_height = JDIMENSION(size.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 50, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(size_t(size.width()) * 3);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            row[size_t(x) * 3] = JSAMPLE(qint64(x) * 255 / size.width());
            row[size_t(x) * 3 + 1] = JSAMPLE(qint64(y) * 255 / size.height());
            row[size_t(x) * 3 + 2] = 128;
        }
        JSAMPROW line = row.data();
        jpeg_write_scanlines(&info, &line, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(file) == 0;
}

} // namespace

class TestEngineOpen : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }
    QUrl url(const QString &name) const { return QUrl::fromLocalFile(path(name)); }

    static PDFEngine::OpenResult open(PDFEngine &engine, const QUrl &url,
                                      std::optional<QString> password = std::nullopt)
    {
        return TestUtil::await(engine.open(url, password));
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void lockedFileOpensWithItsPasswordAndKeepsIt()
    {
        QVERIFY(Fixtures::writeNumberedPdf(path("locked.pdf"), 12, {"x", "owner"}));
        PDFEngine engine;
        const QUrl locked = url("locked.pdf");

        QCOMPARE(open(engine, locked).status, OpenStatus::NeedsPassword);
        QCOMPARE(open(engine, locked, "y").status, OpenStatus::NeedsPassword);
        QVERIFY(TestUtil::await(engine.image({locked, 0}, 0, 100)).isNull());

        const auto unlocked = open(engine, locked, "x");
        QCOMPARE(unlocked.status, OpenStatus::Opened);
        QCOMPARE(unlocked.pageCount, 12);
        QCOMPARE(unlocked.password, std::optional<QString>("x"));

        // From the cache: no password asked, and the one that unlocked it comes back
        // so that a copy saved later stays protected.
        const auto again = open(engine, locked);
        QCOMPARE(again.status, OpenStatus::Opened);
        QCOMPARE(again.pageCount, 12);
        QCOMPARE(again.password, std::optional<QString>("x"));
        QCOMPARE(open(engine, locked, "wrong").password, std::optional<QString>("x"));
        QVERIFY(!TestUtil::await(engine.image({locked, 11}, 0, 100)).isNull());
    }

    void passwordKeptOnlyWhenItUnlocked_data()
    {
        QTest::addColumn<QString>("userPassword");
        QTest::addColumn<QString>("ownerPassword");
        QTest::addColumn<QString>("given");
        QTest::addColumn<std::optional<QString>>("kept");

        QTest::newRow("owner password unlocks too") << "user"
                                                    << "boss"
                                                    << "boss" << std::optional<QString>("boss");
        QTest::newRow("non-ASCII password") << "grüße"
                                            << ""
                                            << "grüße" << std::optional<QString>("grüße");
        QTest::newRow("unprotected file ignores a password")
            << ""
            << ""
            << "ignored" << std::optional<QString>();
    }

    void passwordKeptOnlyWhenItUnlocked()
    {
        QFETCH(QString, userPassword);
        QFETCH(QString, ownerPassword);
        QFETCH(QString, given);
        QFETCH(std::optional<QString>, kept);
        QVERIFY(
            Fixtures::writeNumberedPdf(path("protected.pdf"), 2, {userPassword, ownerPassword}));
        PDFEngine engine;
        const auto result = open(engine, url("protected.pdf"), given);
        QCOMPARE(result.status, OpenStatus::Opened);
        QCOMPARE(result.pageCount, 2);
        QCOMPARE(result.password, kept);
    }

    void olderFilesTakeLatin1Passwords()
    {
        // Before AES-256, passwords were stored as single bytes; the typed text must
        // still unlock such a file.
        QVERIFY(Fixtures::writeNumberedPdf(path("plain-for-legacy.pdf"), 2));
        QVERIFY(Fixtures::writeLegacyProtectedPdf(path("plain-for-legacy.pdf"), path("legacy.pdf"),
                                                  QString("grüße").toLatin1()));
        PDFEngine engine;
        QCOMPARE(open(engine, url("legacy.pdf"), "grusse").status, OpenStatus::NeedsPassword);
        const auto result = open(engine, url("legacy.pdf"), "grüße");
        QCOMPARE(result.status, OpenStatus::Opened);
        QCOMPARE(result.password, std::optional<QString>("grüße"));
    }

    void kindFollowsTheExtension_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("content"); // "pdf", "png", "text"
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("pages");

        QTest::newRow("upper-case PDF extension") << "REPORT.PDF"
                                                  << "pdf" << int(OpenStatus::Opened) << 3;
        QTest::newRow("mixed-case picture extension") << "Photo.PnG"
                                                      << "png" << int(OpenStatus::Opened) << 1;
        QTest::newRow("PDF named as a picture") << "scan.png"
                                                << "pdf" << int(OpenStatus::Unreadable) << 0;
        QTest::newRow("picture named as a PDF") << "photo.pdf"
                                                << "png" << int(OpenStatus::Unreadable) << 0;
        QTest::newRow("text with a picture name") << "notes.jpg"
                                                  << "text" << int(OpenStatus::Unreadable) << 0;
        QTest::newRow("no extension") << "README"
                                      << "text" << int(OpenStatus::Unreadable) << 0;
        QTest::newRow("missing file") << "absent.pdf"
                                      << "" << int(OpenStatus::Unreadable) << 0;
    }

    void kindFollowsTheExtension()
    {
        QFETCH(QString, name);
        QFETCH(QString, content);
        QFETCH(int, status);
        QFETCH(int, pages);

        const QString file = path(name);
        QFile::remove(file);
        if (content == "pdf") {
            QVERIFY(Fixtures::writeNumberedPdf(file, 3));
        } else if (content == "png") {
            QImage picture(40, 30, QImage::Format_RGB32);
            picture.fill(Qt::red);
            QVERIFY(picture.save(file, "PNG"));
        } else if (content == "text") {
            QVERIFY(Fixtures::writeAll(file, "just some words\n"));
        }
        PDFEngine engine;
        const auto result = open(engine, QUrl::fromLocalFile(file));
        QCOMPARE(int(result.status), status);
        QCOMPARE(result.pageCount, pages);
    }

    void pictureBecomesOnePageWithLongSide842_data()
    {
        QTest::addColumn<QSize>("pixels");
        QTest::addColumn<QSizeF>("points");
        QTest::newRow("landscape photo") << QSize(4000, 3000) << QSizeF(842, 632);
        QTest::newRow("portrait photo") << QSize(3000, 4000) << QSizeF(632, 842);
        QTest::newRow("small square") << QSize(10, 10) << QSizeF(842, 842);
        // Rounds to zero; a page can't be thinner than a point.
        QTest::newRow("sliver") << QSize(2, 5000) << QSizeF(1, 842);
    }

    void pictureBecomesOnePageWithLongSide842()
    {
        QFETCH(QSize, pixels);
        QFETCH(QSizeF, points);
        QVERIFY(Fixtures::writePicture(path("picture.png"), pixels));
        PDFEngine engine;
        const QUrl picture = url("picture.png");
        const auto result = open(engine, picture);
        QCOMPARE(result.status, OpenStatus::Opened);
        QCOMPARE(result.pageCount, 1);
        QCOMPARE(result.password, std::nullopt);
        QCOMPARE(TestUtil::await(engine.displaySize({picture, 0}, 0)), points);
        QCOMPARE(TestUtil::await(engine.displaySize({picture, 0}, 90)), points.transposed());
    }

    // A photo far larger than a screen, up to the worker's memory bound, opens
    // and shows: 12,000 pixels square take 550 MB decoded.
    void hugePhotoOpens()
    {
        QVERIFY(writeGradientJpeg(path("huge.jpg"), QSize(12000, 12000)));
        // Reading and storing 144 million pixels takes seconds, more on a busy machine.
        PDFEngine::Options options = PDFEngine::Options::standard();
        options.openSeconds = 120;
        PDFEngine engine(options);
        const QUrl photo = url("huge.jpg");
        constexpr int patience = 150000;
        const auto result = TestUtil::await(engine.open(photo, std::nullopt), patience);
        QCOMPARE(result.status, OpenStatus::Opened);
        QCOMPARE(TestUtil::await(engine.displaySize({photo, 0}, 0)), QSizeF(842, 842));
        const QImage page = TestUtil::await(engine.image({photo, 0}, 0, 100), patience);
        QCOMPARE(page.size(), QSize(100, 100));
        const QColor topLeft = page.pixelColor(5, 5);
        const QColor bottomRight = page.pixelColor(94, 94);
        QVERIFY2(topLeft.red() < 40 && topLeft.green() < 40, qPrintable(topLeft.name()));
        QVERIFY2(bottomRight.red() > 210 && bottomRight.green() > 210,
                 qPrintable(bottomRight.name()));
    }

    void pictureStandsAsItsOrientationTagSays()
    {
        // A 40 x 20 JPEG whose EXIF orientation says "turn a quarter clockwise".
        QImage picture(40, 20, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QByteArray jpeg;
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(picture.save(&buffer, "JPEG"));
        const QByteArray tiff = QByteArray("MM\0*\0\0\0\x08", 8) + QByteArray("\0\x01", 2) +
                                QByteArray("\x01\x12\0\x03\0\0\0\x01\0\x06\0\0", 12) +
                                QByteArray(4, '\0');
        const QByteArray exif = QByteArray("Exif\0\0", 6) + tiff;
        QByteArray segment("\xff\xe1", 2);
        segment += char((exif.size() + 2) >> 8);
        segment += char((exif.size() + 2) & 0xff);
        jpeg.insert(2, segment + exif);
        QVERIFY(Fixtures::writeAll(path("turned.jpg"), jpeg));

        PDFEngine engine;
        QCOMPARE(open(engine, url("turned.jpg")).status, OpenStatus::Opened);
        QCOMPARE(TestUtil::await(engine.displaySize({url("turned.jpg"), 0}, 0)), QSizeF(421, 842));
    }

    void pictureShowsItsContent()
    {
        // Left half red, right half blue: the page must show the same, the right way round.
        QImage picture(400, 200, QImage::Format_RGB32);
        picture.fill(Qt::red);
        for (int y = 0; y < 200; ++y) {
            for (int x = 200; x < 400; ++x) {
                picture.setPixel(x, y, qRgb(0, 0, 255));
            }
        }
        QVERIFY(picture.save(path("halves.jpg"), "JPEG", 95));
        PDFEngine engine;
        const QUrl source = url("halves.jpg");
        QCOMPARE(open(engine, source).status, OpenStatus::Opened);
        const QImage page = TestUtil::await(engine.image({source, 0}, 0, 400));
        QCOMPARE(page.size(), QSize(400, 200));
        const QColor left = page.pixelColor(100, 100);
        const QColor right = page.pixelColor(300, 100);
        QVERIFY2(left.red() > 200 && left.blue() < 60, qPrintable(left.name()));
        QVERIFY2(right.blue() > 200 && right.red() < 60, qPrintable(right.name()));
    }

    void pictureWithTransparencyIsOnWhite()
    {
        QImage picture(50, 50, QImage::Format_ARGB32);
        picture.fill(Qt::transparent);
        QVERIFY(picture.save(path("clear.png")));
        PDFEngine engine;
        QCOMPARE(open(engine, url("clear.png")).status, OpenStatus::Opened);
        const QImage page = TestUtil::await(engine.image({url("clear.png"), 0}, 0, 50));
        QVERIFY(page.pixelColor(25, 25).lightness() > 245);
    }

    void pagelessPdfIsUnreadableEveryTime()
    {
        QVERIFY(Fixtures::writePdf(path("empty.pdf"), {}));
        PDFEngine engine;
        QCOMPARE(open(engine, url("empty.pdf")).status, OpenStatus::Unreadable);
        QCOMPARE(open(engine, url("empty.pdf")).status, OpenStatus::Unreadable);
    }

    void fileChangedOnDiskIsReadAgain()
    {
        const QString file = path("changing.pdf");
        QVERIFY(Fixtures::writeNumberedPdf(file, 2));
        PDFEngine engine;
        const QUrl source = QUrl::fromLocalFile(file);
        QCOMPARE(open(engine, source).pageCount, 2);

        const int first = open(engine, source).revision;
        QCOMPARE(first, 0);

        // The new content comes in as a new revision; the pages of the first keep
        // the bytes they were opened with, for drawing, sizes and building alike.
        QVERIFY(Fixtures::writePdf(file, {{QSizeF(300, 200), 0, "new"}}));
        const auto changed = open(engine, source);
        QCOMPARE(changed.pageCount, 1);
        QVERIFY(changed.revision != first);
        QCOMPARE(TestUtil::await(engine.displaySize({source, 0, changed.revision}, 0)),
                 QSizeF(300, 200));
        QCOMPARE(TestUtil::await(engine.displaySize({source, 1, first}, 0)), QSizeF(595, 842));
        QCOMPARE(TestUtil::await(engine.image({source, 1, first}, 0, 84)).size(), QSize(59, 84));
        BuildPlan plan;
        plan.pages = {PageItem{QUuid::createUuid(), {source, 0, first}, 0, {}},
                      PageItem{QUuid::createUuid(), {source, 0, changed.revision}, 0, {}}};
        const auto built = TestUtil::await(engine.buildBytes(plan, {}));
        QVERIFY(built.ok());
        const auto document = Fixtures::popplerOpen(*built);
        QVERIFY(document);
        QCOMPARE(document->numPages(), 2);
        QCOMPARE(document->page(0)->pageSizeF(), QSizeF(595, 842));
        QCOMPARE(document->page(1)->pageSizeF(), QSizeF(300, 200));
        // Opening the unchanged file again answers with the revision it has.
        QCOMPARE(open(engine, source).revision, changed.revision);
        QCOMPARE(TestUtil::await(engine.cachedDocumentCount()), 1);
    }

    void changedFileThatNoLongerOpensKeepsTheOldDocument()
    {
        const QString file = path("replaced.pdf");
        QVERIFY(Fixtures::writeNumberedPdf(file, 2));
        PDFEngine engine;
        const QUrl source = QUrl::fromLocalFile(file);
        QCOMPARE(open(engine, source).pageCount, 2);

        // Now protected: the open asks for the password, but the pages already in use
        // still render from the document read before.
        QVERIFY(Fixtures::writeNumberedPdf(file, 4, {"secret", {}}));
        QCOMPARE(open(engine, source).status, OpenStatus::NeedsPassword);
        QVERIFY(!TestUtil::await(engine.image({source, 1}, 0, 50)).isNull());

        const auto unlocked = open(engine, source, "secret");
        QCOMPARE(unlocked.pageCount, 4);
        QCOMPARE(unlocked.password, std::optional<QString>("secret"));

        QVERIFY(Fixtures::writeAll(file, "gone"));
        QCOMPARE(open(engine, source).status, OpenStatus::Unreadable);
        QVERIFY(!TestUtil::await(engine.image({source, 3, unlocked.revision}, 0, 50)).isNull());
    }

    void forgetDropsOnlyThatDocument()
    {
        QVERIFY(Fixtures::writeNumberedPdf(path("a.pdf"), 1));
        QVERIFY(Fixtures::writeNumberedPdf(path("b.pdf"), 1));
        PDFEngine engine;
        QCOMPARE(open(engine, url("a.pdf")).status, OpenStatus::Opened);
        QCOMPARE(open(engine, url("b.pdf")).status, OpenStatus::Opened);
        QCOMPARE(TestUtil::await(engine.cachedDocumentCount()), 2);

        QVERIFY(TestUtil::waitFor(engine.forget(url("a.pdf"))));
        QCOMPARE(TestUtil::await(engine.cachedDocumentCount()), 1);
        QVERIFY(TestUtil::await(engine.image({url("a.pdf"), 0}, 0, 100)).isNull());
        QCOMPARE(TestUtil::await(engine.displaySize({url("a.pdf"), 0}, 0)), QSizeF(595, 842));
        QVERIFY(!TestUtil::await(engine.image({url("b.pdf"), 0}, 0, 100)).isNull());
    }
};

QTEST_GUILESS_MAIN(TestEngineOpen)
#include "tst_EngineOpen.moc"
