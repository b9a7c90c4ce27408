#include "CodePictures.h"

#include "codes/FileCodeReading.h"
#include "engine/PDFEngine.h"
#include "helpers/PdfFixtures.h"
#include "helpers/TestUtil.h"

#include <zlib.h>

#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

namespace {

QStringList describe(const QList<FoundCode> &codes)
{
    QStringList out;
    for (const FoundCode &c : codes) {
        out.append(QStringLiteral("%1 %2 p%3")
                       .arg(c.payload, c.origin, c.page ? QString::number(*c.page) : "-"));
    }
    return out;
}

void appendChunk(QByteArray &png, const char *type, const QByteArray &data)
{
    uchar length[4];
    qToBigEndian<quint32>(quint32(data.size()), length);
    png.append(reinterpret_cast<const char *>(length), 4);
    const QByteArray typed = QByteArray(type, 4) + data;
    png.append(typed);
    uchar crc[4];
    qToBigEndian<quint32>(
        quint32(crc32(0, reinterpret_cast<const Bytef *>(typed.constData()), uInt(typed.size()))),
        crc);
    png.append(reinterpret_cast<const char *>(crc), 4);
}

// A white 8-bit grey PNG of any size, compressed row by row so that the test
// never holds the picture itself.
bool writeBlankPng(const QString &path, int width, int height)
{
    QByteArray header(13, 0);
    qToBigEndian<quint32>(quint32(width), header.data());
    qToBigEndian<quint32>(quint32(height), header.data() + 4);
    header[8] = 8; // bit depth; colour type 0 (grey)
    QByteArray idat;
    z_stream zs{};
    deflateInit(&zs, 1);
    QByteArray row(width + 1, char(0xFF));
    row[0] = 0; // no filter
    QByteArray out(1 << 16, 0);
    for (int y = 0; y <= height; ++y) {
        const bool last = y == height;
        zs.next_in = reinterpret_cast<Bytef *>(last ? nullptr : row.data());
        zs.avail_in = last ? 0 : uInt(row.size());
        do {
            zs.next_out = reinterpret_cast<Bytef *>(out.data());
            zs.avail_out = uInt(out.size());
            deflate(&zs, last ? Z_FINISH : Z_NO_FLUSH);
            idat.append(out.constData(), out.size() - int(zs.avail_out));
        } while (zs.avail_out == 0);
    }
    deflateEnd(&zs);
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    appendChunk(png, "IHDR", header);
    appendChunk(png, "IDAT", idat);
    appendChunk(png, "IEND", {});
    return Fixtures::writeAll(path, png);
}

} // namespace

// Reading the codes of files through the engine, as the app model does.
class TestFileCodeReading : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<PDFEngine> m_engine;
    std::unique_ptr<CodesModel> m_codes;
    QList<QUrl> m_loaded;
    QSet<QUrl> m_inUse;
    int m_offers = 0;

    QUrl file(const QString &name) const { return QUrl::fromLocalFile(m_dir.filePath(name)); }

    // Loads PDFs without a password prompt: a locked one counts as dismissed.
    CodeReadingHooks hooks()
    {
        CodeReadingHooks h;
        PDFEngine *engine = m_engine.get();
        h.loadPdf = [this, engine](QUrl url) {
            m_loaded.append(url);
            return engine->open(url, std::nullopt).then([](PDFEngine::OpenResult r) {
                return r.status == PDFEngine::OpenStatus::Opened ? std::optional<int>(r.pageCount)
                                                                 : std::nullopt;
            });
        };
        h.isInUse = [this](const QUrl &url) { return m_inUse.contains(url); };
        h.offerSupportOnce = [this] { ++m_offers; };
        return h;
    }

    void read(const QList<QUrl> &urls)
    {
        CodeReading::readFiles(m_codes.get(), m_engine.get(), urls, hooks());
        QTRY_VERIFY_WITH_TIMEOUT(!m_codes->isReading(), 240000);
    }

    QUrl qrPdf(const QString &name, const QList<QStringList> &pagePayloads)
    {
        QList<QList<CodePictures::Placed>> pages;
        for (const QStringList &payloads : pagePayloads) {
            QList<CodePictures::Placed> page;
            for (qsizetype i = 0; i < payloads.size(); ++i) {
                page.append({CodePictures::qr(payloads[i]), QPoint(60 + int(i) * 250, 100)});
            }
            pages.append(page);
        }
        const QUrl url = file(name);
        if (!CodePictures::writePdf(url.toLocalFile(), pages)) {
            qFatal("cannot write %s", qPrintable(name));
        }
        return url;
    }

    QUrl qrPicture(const QString &name, const QString &payload)
    {
        const QUrl url = file(name);
        CodePictures::canvas({500, 500}, {{CodePictures::qr(payload), QPoint(80, 80)}})
            .save(url.toLocalFile());
        return url;
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void init()
    {
        m_engine = std::make_unique<PDFEngine>();
        m_codes = std::make_unique<CodesModel>();
        m_loaded.clear();
        m_inUse.clear();
        m_offers = 0;
    }

    void cleanup()
    {
        m_codes.reset();
        m_engine.reset();
    }

    void threePagesWithCodesOnTheFirstAndLast()
    {
        const QUrl url = qrPdf("three.pdf", {{"A"}, {}, {"B"}});
        read({url});
        QCOMPARE(describe(m_codes->found()), (QStringList{"A three.pdf p1", "B three.pdf p3"}));
        QVERIFY(!m_codes->emptyMessage());
        QCOMPARE(m_offers, 1);
    }

    void pageNumbersOfSinglePages()
    {
        const QUrl onePage = qrPdf("ONE.PDF", {{"single"}});
        const QUrl picture = qrPicture("photo.png", "pictured");
        read({onePage, picture});
        QCOMPARE(describe(m_codes->found()),
                 (QStringList{"single ONE.PDF p1", "pictured photo.png p-"}));
    }

    void repeatsWithinAPageOnlyAndNewestReadOnTop()
    {
        const QUrl first = qrPdf("first.pdf", {{"same", "same"}, {"same"}});
        read({first});
        const QUrl second = qrPicture("second.png", "later");
        read({second});
        QCOMPARE(describe(m_codes->found()),
                 (QStringList{"later second.png p-", "same first.pdf p1", "same first.pdf p2"}));
    }

    void filesThatCantBeReadAreSkipped_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("note");
        QTest::newRow("one text file names the file")
            << QStringList{"notes.txt"} << QStringList{} << "No codes found in “notes.txt”.";
        QTest::newRow("one damaged pdf names the file")
            << QStringList{"damaged.pdf"} << QStringList{} << "No codes found in “damaged.pdf”.";
        QTest::newRow("locked pdf whose prompt is dismissed")
            << QStringList{"locked.pdf"} << QStringList{} << "No codes found in “locked.pdf”.";
        QTest::newRow("middle of three fails") << QStringList{"a.png", "damaged.pdf", "c.png"}
                                               << QStringList{"a a.png p-", "c c.png p-"} << "";
        QTest::newRow("no files at all") << QStringList{} << QStringList{} << "No codes found.";
        QTest::newRow("a picture that is no picture")
            << QStringList{"broken.png", "blank.pdf"} << QStringList{} << "No codes found.";
    }

    void filesThatCantBeReadAreSkipped()
    {
        QFETCH(QStringList, names);
        QFETCH(QStringList, expected);
        QFETCH(QString, note);
        QList<QUrl> urls;
        for (const QString &name : names) {
            const QString path = m_dir.filePath(name);
            if (name.endsWith(".txt")) {
                Fixtures::writeAll(path, "https://example.com\n");
            } else if (name == "damaged.pdf") {
                Fixtures::writeAll(path, "%PDF-1.7\nthis is not a PDF at all\n");
            } else if (name == "locked.pdf") {
                Fixtures::writeNumberedPdf(path, 1, {"secret", {}});
            } else if (name == "broken.png") {
                Fixtures::writeAll(path, "not a png");
            } else if (name == "blank.pdf") {
                Fixtures::writeNumberedPdf(path, 1);
            } else {
                qrPicture(name, QFileInfo(name).completeBaseName());
            }
            urls.append(QUrl::fromLocalFile(path));
        }
        read(urls);
        QCOMPARE(describe(m_codes->found()), expected);
        QCOMPARE(m_codes->emptyMessage().value_or(QString()), note);
        QCOMPARE(m_offers, expected.isEmpty() ? 0 : 1);
    }

    void enormousPictureEndsWithTheNote()
    {
        // A worker bounded to 768 MiB decodes no more than 384 MB of pixels: the
        // 400 MB of this picture are refused before they are decoded, as a
        // picture past a larger worker's bound would be.
        PDFEngine::Options options = PDFEngine::Options::standard();
        options.workerMemoryBytes = qint64(768) << 20;
        m_engine = std::make_unique<PDFEngine>(options);
        const QString path = m_dir.filePath("huge.png");
        QVERIFY(writeBlankPng(path, 20000, 20000));
        read({QUrl::fromLocalFile(path)});
        QVERIFY(m_codes->found().isEmpty());
        QCOMPARE(m_codes->emptyMessage(), std::optional<QString>("No codes found in “huge.png”."));
    }

    void stopEndsALongReadWithinAPage()
    {
        const QString path = m_dir.filePath("long.pdf");
        QVERIFY(Fixtures::writeNumberedPdf(path, 500));
        const QUrl url = QUrl::fromLocalFile(path);
        m_codes->setFound(
            {FoundCode{QUuid::createUuid(), "kept", CodeSymbology::QR, "old.pdf", 1}});
        CodeReading::readFiles(m_codes.get(), m_engine.get(),
                               {url, qrPicture("after.png", "after")}, hooks());
        QVERIFY(m_codes->isReading());
        // Stop as soon as the engine is into the pages.
        QTRY_VERIFY_WITH_TIMEOUT(m_loaded.contains(url), 10000);
        m_codes->stop();
        QTRY_VERIFY_WITH_TIMEOUT(!m_codes->isReading(), 10000);
        QCOMPARE(describe(m_codes->found()), QStringList{"kept old.pdf p1"});
        QVERIFY(!m_codes->emptyMessage());
        QCOMPARE(m_loaded, QList<QUrl>{url}); // the picture after it is not even opened
        QCOMPARE(m_offers, 0);
    }

    void engineForgetsFilesNothingElseUses()
    {
        const QUrl used = qrPdf("used.pdf", {{"u"}});
        const QUrl passing = qrPdf("passing.pdf", {{"p"}});
        const QUrl picture = qrPicture("pic.png", "q");
        m_inUse.insert(used);
        read({used, passing, picture});
        QCOMPARE(m_codes->found().size(), 3);
        QCOMPARE(TestUtil::await(m_engine->cachedDocumentCount()), 1);
    }

    void smallCodeOnAnA4PageIsFound()
    {
        // A payment code printed 8 mm wide on an invoice: too fine for the
        // code-reading drawing of the page, found in the sharper one.
        const QString payment =
            "BCD\n002\n1\nSCT\nBANKDEFFXXX\nMax Muster\nDE89370400440532013000\n"
            "EUR12.50\n\n\nInvoice 2026-0042 for the delivery of 14 May, customer 88-1204, "
            "order 5531-77, thank you for your custom";
        const QImage code = CodePictures::code(ZXing::BarcodeFormat::QRCode, payment, 8);
        const QString path = m_dir.filePath("invoice.pdf");
        QVERIFY(Fixtures::writePaintedPdf(path, 1, [&code](QPainter &painter, int) {
            const double side = 8 / 25.4 * 72;
            painter.drawImage(QRectF(440, 700, side, side), code);
        }));
        read({QUrl::fromLocalFile(path)});
        QCOMPARE(describe(m_codes->found()), QStringList{payment + " invoice.pdf p1"});
    }

    void smallCodeInAPictureFileIsFound()
    {
        // Two pixels a module in a large screenshot: what a paste of the same
        // picture reads, the file must read too.
        const QString path = m_dir.filePath("screenshot.png");
        const QString link = "https://example.com/tickets/2026/row-12-seat-7?holder=M.Muster";
        QVERIFY(
            CodePictures::canvas({3200, 2000}, {{CodePictures::qr(link, 2), QPoint(2600, 1500)}})
                .save(path));
        read({QUrl::fromLocalFile(path)});
        QCOMPARE(describe(m_codes->found()), QStringList{link + " screenshot.png p-"});
    }

    void pageCodesOfNoPages()
    {
        const auto result =
            TestUtil::await(CodeReading::pageCodes(m_engine.get(), file("x.pdf"), 0, "x.pdf", {}));
        QVERIFY(result.ok());
        QVERIFY(result.value().isEmpty());
    }
};

QTEST_MAIN(TestFileCodeReading)
#include "tst_FileCodeReading.moc"
