#include "engine/PDFEngine.h"
#include "worker/EngineWorker.h"
#include "worker/PageExport.h"
#include "worker/PdfBuilder.h"
#include "worker/StampDrawing.h"

#include "helpers/HandMadePdf.h"
#include "helpers/OutputFixtures.h"
#include "helpers/PdfFixtures.h"

#include <QBuffer>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

#include <poppler-qt6.h>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>

Q_DECLARE_METATYPE(std::optional<QString>)

namespace {

PageItem item(const QString &path, int index, int turn = 0)
{
    return PageItem{QUuid::createUuid(), PageSource{QUrl::fromLocalFile(path), index}, turn, {}};
}

QByteArray streamObject(const QByteArray &dictionary, const QByteArray &data)
{
    return "<< " + dictionary + " /Length " + QByteArray::number(data.size()) + " >>\nstream\n" +
           data + "\nendstream";
}

QImage decoded(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer);
    return reader.read().convertToFormat(QImage::Format_RGB32);
}

quint32 bigEndian(const QByteArray &bytes, qsizetype at, int size)
{
    quint32 value = 0;
    for (int i = 0; i < size; ++i) {
        value = (value << 8) | uchar(bytes.at(at + i));
    }
    return value;
}

// The resolution a picture file declares, read from its bytes: the JFIF
// header's density of a JPEG, the pHYs chunk of a PNG; (0, 0) when it declares
// none in inches or metres.
QSizeF declaredDpi(const QByteArray &bytes)
{
    if (bytes.startsWith("\xFF\xD8\xFF\xE0") && bytes.mid(6, 5) == QByteArray("JFIF", 5) &&
        bytes.at(13) == 1) {
        return QSizeF(bigEndian(bytes, 14, 2), bigEndian(bytes, 16, 2));
    }
    if (bytes.startsWith("\x89PNG")) {
        for (qsizetype at = 8; at + 12 <= bytes.size();) {
            const qsizetype length = bigEndian(bytes, at, 4);
            if (bytes.mid(at + 4, 4) == "pHYs" && bytes.at(at + 16) == 1) {
                return QSizeF(bigEndian(bytes, at + 8, 4) * 0.0254,
                              bigEndian(bytes, at + 12, 4) * 0.0254);
            }
            at += 12 + length;
        }
    }
    return {};
}

} // namespace

class TestPageExport : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    StampCache m_stamps;

private slots:
    void picturesHaveTheSizeOfTheResolution_data()
    {
        QTest::addColumn<int>("turn");
        QTest::addColumn<double>("dpi");
        QTest::addColumn<bool>("jpeg");
        QTest::addColumn<QSize>("first");
        QTest::addColumn<QSize>("second");
        QTest::newRow("A4 at 200 dpi as PNG")
            << 0 << 200.0 << false << QSize(1653, 2339) << QSize(556, 278);
        QTest::newRow("A4 turned 90 at 100 dpi as JPEG")
            << 90 << 100.0 << true << QSize(1169, 826) << QSize(278, 139);
        QTest::newRow("A4 at 300 dpi as JPEG")
            << 180 << 300.0 << true << QSize(2479, 3508) << QSize(833, 417);
        QTest::newRow("A4 at 100 dpi as PNG")
            << 0 << 100.0 << false << QSize(826, 1169) << QSize(278, 139);
        QTest::newRow("A4 at 200 dpi as JPEG")
            << 0 << 200.0 << true << QSize(1653, 2339) << QSize(556, 278);
        QTest::newRow("A4 at 300 dpi as PNG")
            << 0 << 300.0 << false << QSize(2479, 3508) << QSize(833, 417);
    }

    void picturesHaveTheSizeOfTheResolution()
    {
        QFETCH(int, turn);
        QFETCH(double, dpi);
        QFETCH(bool, jpeg);
        QFETCH(QSize, first);
        QFETCH(QSize, second);
        const QString file = m_dir.filePath("pages.pdf");
        QVERIFY(Fixtures::writePdf(file, {{{595, 842}, 0, "First"}, {{200, 100}, 0, {}}}));
        Fixtures::OpenedSources sources;
        QVERIFY(sources.open(file));

        const BuildPlan plan{
            {item(file, 0, turn), item(file, 1)}, {}, QStringLiteral("ignored"), {}};
        const auto pictures =
            PageExport::pictures(plan, dpi, jpeg, BuildContext{sources.lookup(), m_stamps, {}});
        QVERIFY(pictures.ok());
        QCOMPARE(pictures->size(), 2);
        const QList<QSize> expected{first, second};
        for (int i = 0; i < 2; ++i) {
            QByteArray bytes = pictures->at(i);
            QBuffer buffer(&bytes);
            QImageReader reader(&buffer);
            QCOMPARE(reader.format(), jpeg ? QByteArray("jpeg") : QByteArray("png"));
            const QImage image = reader.read();
            QCOMPARE(image.size(), expected[i]);
            // Compressed for real: a page of white paper takes a fraction of its pixels.
            QVERIFY2(bytes.size() < qsizetype(image.width()) * image.height() / 4,
                     qPrintable(QString::number(bytes.size())));
            QVERIFY(!image.hasAlphaChannel());
            // Rendered on white: a corner of the page is paper.
            QVERIFY(qGray(image.pixel(image.width() - 3, 2)) > 240);
            // It prints at the page's size: it says the resolution it was drawn at.
            const QSizeF declared = declaredDpi(bytes);
            QVERIFY2(
                std::abs(declared.width() - dpi) < 0.01 && std::abs(declared.height() - dpi) < 0.01,
                qPrintable(QStringLiteral("%1 x %2").arg(declared.width()).arg(declared.height())));
        }
    }

    // Pages drawn straight from their cached source come out as the same pages
    // copied into a PDF of their own and drawn from there, pixel for pixel:
    // every turn over a page's own rotation, a crop box, a box inherited from
    // the page tree, odd sizes and a note's appearance.
    void picturesFromTheSourceAreThoseOfACopiedPage()
    {
        const QString made = m_dir.filePath("shown.pdf");
        QVERIFY(Fixtures::writePdf(made, {{{595, 842}, 0, "First"},
                                          {{300, 500}, 90, "Turned"},
                                          {{612, 792}, 270, "Cropped", {40, 25}},
                                          {{200.5, 100.25}, 180, "Odd"}}));
        const QString noted = m_dir.filePath("noted.pdf");
        QVERIFY(Fixtures::writeAll(
            noted,
            Fixtures::handMadePdf(
                {"<< /Type /Catalog /Pages 2 0 R >>",
                 "<< /Type /Pages /Kids [3 0 R] /Count 1 /MediaBox [0 0 300 200] /Rotate 90 >>",
                 "<< /Type /Page /Parent 2 0 R /Resources << >> /Contents 4 0 R /Annots [5 0 R] >>",
                 streamObject({}, "0 0 1 rg 20 20 100 60 re f 0 0 0 RG 1 w 10 190 m 290 12 l S"),
                 "<< /Type /Annot /Subtype /Square /Rect [150 50 250 150] /C [1 0 0] "
                 "/AP << /N 6 0 R >> >>",
                 streamObject("/Type /XObject /Subtype /Form /BBox [0 0 100 100]",
                              "1 0 0 RG 3 w 2 2 96 96 re S")})));
        EngineWorker worker;
        for (const QString &file : {made, noted}) {
            QList<QSizeF> sizes;
            QCOMPARE(worker
                         .load(QUrl::fromLocalFile(file),
                               SharedBytes::copyOf(Fixtures::readAll(file)), std::nullopt, &sizes)
                         .status,
                     WorkerProtocol::OpenStatus::Opened);
        }
        BuildPlan plan;
        for (const int turn : {0, 90, 180, 270}) {
            for (const int index : {0, 1, 2, 3}) {
                plan.pages.append(item(made, index, turn));
            }
            plan.pages.append(item(noted, 0, turn));
        }
        const BuildContext copied{
            [&worker](const QUrl &url) { return worker.structure(url); }, m_stamps, {}};
        BuildContext direct = copied;
        direct.draw = [&worker](const PageSource &source, int turn,
                                const std::function<double(QSizeF)> &scaleFor, QSizeF &points) {
            return worker.image(source, turn, scaleFor, points);
        };

        for (const double dpi : {72.0, 100.0, 133.0}) {
            const auto before = PageExport::pictures(plan, dpi, false, copied);
            const auto after = PageExport::pictures(plan, dpi, false, direct);
            QVERIFY(before.ok() && after.ok());
            QCOMPARE(after->size(), plan.pages.size());
            for (qsizetype i = 0; i < plan.pages.size(); ++i) {
                const QImage expected = decoded(before->at(i));
                QVERIFY(!expected.isNull());
                QVERIFY2(decoded(after->at(i)) == expected,
                         qPrintable(QStringLiteral("page %1 at %2 dpi").arg(i).arg(dpi)));
            }
        }
        // JPEG pictures and pages as pictures: the same bytes and page sizes.
        const auto jpegBefore = PageExport::pictures(plan, 100, true, copied);
        QVERIFY(jpegBefore.ok());
        QCOMPARE(PageExport::pictures(plan, 100, true, direct).value(), jpegBefore.value());
        const CompressionStep step{700, 0.6, true};
        const auto pagesBefore = PageExport::pagesAsJpeg(plan, step, copied);
        const auto pagesAfter = PageExport::pagesAsJpeg(plan, step, direct);
        QVERIFY(pagesBefore.ok() && pagesAfter.ok());
        for (size_t i = 0; i < pagesBefore->size(); ++i) {
            QCOMPARE(pagesAfter->at(i).points, pagesBefore->at(i).points);
            QVERIFY(pagesAfter->at(i).encoded == pagesBefore->at(i).encoded);
        }

        // A page or a source that is gone is missing, not a failure to try again.
        for (const PageItem &gone : {item(made, 9), item(m_dir.filePath("closed.pdf"), 0)}) {
            QCOMPARE(PageExport::pictures(BuildPlan{{gone}, {}, {}, {}}, 100, false, direct)
                         .error()
                         .code,
                     int(WorkerProtocol::Fault::MissingPage));
        }
    }

    void pagesAsPicturesMakeOneJpegPerPage_data()
    {
        QTest::addColumn<std::optional<QString>>("password");
        QTest::newRow("no password") << std::optional<QString>();
        QTest::newRow("password kept") << std::optional<QString>(QStringLiteral("x"));
    }

    void pagesAsPicturesMakeOneJpegPerPage()
    {
        QFETCH(std::optional<QString>, password);
        const QString file = m_dir.filePath("flatten.pdf");
        QVERIFY(Fixtures::writePdf(file, {{{595, 842}, 0, "Big"}, {{200, 100}, 90, {}}}));
        Fixtures::OpenedSources sources;
        QVERIFY(sources.open(file));

        const BuildPlan plan{
            {item(file, 0, 90), item(file, 1)}, {}, password, CompressionStep{1000, 0.5, true}};
        const auto built =
            Fixtures::copied(PdfBuilder::build(plan, BuildContext{sources.lookup(), m_stamps, {}}));
        QVERIFY(built.ok());
        const QString secret = password.value_or(QString());
        QCOMPARE(Fixtures::qpdfCheckFailure(*built, secret), QString());
        QCOMPARE(Fixtures::popplerOpen(*built) == nullptr, password.has_value());

        QPDF out;
        out.processMemoryFile("out", built->constData(), size_t(built->size()),
                              secret.isEmpty() ? nullptr : secret.toUtf8().constData());
        QCOMPARE(out.getTrailer().getKey("/Info").getKey("/Creator").getUTF8Value(),
                 std::string("Tamsel"));
        const std::vector<QPDFObjectHandle> pages = out.getAllPages();
        QCOMPARE(pages.size(), size_t(2));
        // Page boxes of the displayed sizes; pictures with a long side of 1000 pixels,
        // also for the small page.
        const QList<QSizeF> boxes{{842, 595}, {100, 200}};
        const QList<QSize> pixels{{1000, 707}, {500, 1000}};
        for (size_t i = 0; i < pages.size(); ++i) {
            QPDFObjectHandle page = pages[i];
            const auto box = page.getKey("/MediaBox").getArrayAsRectangle();
            QCOMPARE(QSizeF(box.urx - box.llx, box.ury - box.lly), boxes[qsizetype(i)]);
            QVERIFY(!page.getKey("/Rotate").isInteger() ||
                    page.getKey("/Rotate").getIntValue() == 0);
            QPDFObjectHandle xobjects = page.getKey("/Resources").getKey("/XObject");
            QCOMPARE(xobjects.getKeys().size(), size_t(1));
            QPDFObjectHandle image = xobjects.getKey(*xobjects.getKeys().begin()).getDict();
            QCOMPARE(image.getKey("/Filter").getName(), std::string("/DCTDecode"));
            QCOMPARE(QSize(image.getKey("/Width").getIntValueAsInt(),
                           image.getKey("/Height").getIntValueAsInt()),
                     pixels[qsizetype(i)]);
        }
    }

    // A picture past what can be drawn says so and names the cure; a lower
    // resolution then makes it.
    void pictureTooLargeAsksForALowerResolution()
    {
        const QString file = m_dir.filePath("poster.pdf");
        QVERIFY(Fixtures::writePdf(file, {{{14400, 14400}, 0, {}}}));
        Fixtures::OpenedSources sources;
        QVERIFY(sources.open(file));
        const BuildContext context{sources.lookup(), m_stamps, {}};
        const BuildPlan plan{{item(file, 0)}, {}, std::nullopt, {}};
        for (const double dpi : {200.0, 300.0}) {
            const auto pictures = PageExport::pictures(plan, dpi, true, context);
            QVERIFY(!pictures.ok());
            QCOMPARE(pictures.error().code, int(PDFEngine::EngineError::TooLarge));
            QCOMPARE(PDFEngine::message(PDFEngine::EngineError(pictures.error().code)),
                     QStringLiteral("A page is too large for a picture at this resolution. Choose "
                                    "a lower resolution."));
        }
        const auto small = PageExport::pictures(plan, 10, true, context);
        QVERIFY(small.ok());
        QCOMPARE(QImage::fromData(small->first()).size(), QSize(2000, 2000));
    }

    // A page whose box has no height shows at the size of a sheet, as the page
    // grid draws it; its picture is made at that size too.
    void pageWithoutAreaIsDrawnAtTheSizeItShows()
    {
        const QString file = m_dir.filePath("flat.pdf");
        QVERIFY(Fixtures::writeAll(
            file,
            Fixtures::handMadePdf({"<< /Type /Catalog /Pages 2 0 R >>",
                                   "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
                                   "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 300 0] >>"})));
        Fixtures::OpenedSources sources;
        QVERIFY(sources.open(file));
        const BuildContext context{sources.lookup(), m_stamps, {}};
        const BuildPlan plan{{item(file, 0)}, {}, std::nullopt, {}};

        const auto pictures =
            PageExport::pagesAsJpeg(plan, CompressionStep{1000, 0.5, true}, context);
        QVERIFY2(pictures.ok(), qPrintable(pictures.ok() ? QString() : pictures.error().message));
        QCOMPARE(pictures->size(), size_t(1));
        QCOMPARE(pictures->front().points, QSizeF(595, 842));
        QCOMPARE(QImage::fromData(pictures->front().encoded).size(), QSize(707, 1000));

        const auto exported = PageExport::pictures(plan, 72, false, context);
        QVERIFY(exported.ok());
        QCOMPARE(QImage::fromData(exported->first()).size(), QSize(595, 842));
    }
};

QTEST_MAIN(TestPageExport)
#include "tst_PageExport.moc"
