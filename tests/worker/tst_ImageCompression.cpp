#include "worker/PdfBuilder.h"
#include "worker/PictureCodecs.h"
#include "worker/StampDrawing.h"

#include "helpers/OutputFixtures.h"
#include "helpers/PdfFixtures.h"

#include <QBuffer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <poppler-qt6.h>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFWriter.hh>

using Fixtures::ImageKind;
using Fixtures::ImagePage;

namespace {

struct StoredImage
{
    QPDFObjGen id;
    int width = 0;
    int height = 0;
    std::string filter;
    std::string raw;
};

// The image each page draws, as stored in `pdf`.
std::vector<StoredImage> pageImages(const QByteArray &pdf)
{
    QPDF q;
    q.setSuppressWarnings(true);
    q.processMemoryFile("out", pdf.constData(), size_t(pdf.size()));
    std::vector<StoredImage> images;
    for (QPDFObjectHandle page : q.getAllPages()) {
        QPDFObjectHandle image = page.getKey("/Resources").getKey("/XObject").getKey("/Im0");
        QPDFObjectHandle dict = image.getDict();
        QPDFObjectHandle filter = dict.getKey("/Filter");
        const auto raw = image.getRawStreamData();
        images.push_back(
            {image.getObjGen(), dict.getKey("/Width").getIntValueAsInt(),
             dict.getKey("/Height").getIntValueAsInt(),
             filter.isName() ? filter.getName() : std::string(),
             std::string(reinterpret_cast<const char *>(raw->getBuffer()), raw->getSize())});
    }
    return images;
}

// The mean difference per colour channel (0–255) between two renderings of a page.
double renderDifference(const QByteArray &a, const QByteArray &b, int page)
{
    auto first = Fixtures::popplerOpen(a);
    auto second = Fixtures::popplerOpen(b);
    if (!first || !second) {
        return 255;
    }
    const QImage one = std::unique_ptr<Poppler::Page>(first->page(page))
                           ->renderToImage(24, 24)
                           .convertToFormat(QImage::Format_RGB888);
    const QImage two = std::unique_ptr<Poppler::Page>(second->page(page))
                           ->renderToImage(24, 24)
                           .convertToFormat(QImage::Format_RGB888);
    if (one.size() != two.size()) {
        return 255;
    }
    double sum = 0;
    for (int y = 0; y < one.height(); ++y) {
        for (int x = 0; x < one.width() * 3; ++x) {
            sum += std::abs(int(one.constScanLine(y)[x]) - int(two.constScanLine(y)[x]));
        }
    }
    return sum / (double(one.width()) * one.height() * 3);
}

// The exact area average of `source` at `width` × `height`, in doubles.
std::vector<double> areaAverage(const PictureCodecs::Pixels &source, int width, int height)
{
    const int n = source.components;
    const double sx = double(source.width) / width;
    const double sy = double(source.height) / height;
    std::vector<double> out(size_t(width) * height * n, 0.0);
    const auto *in = reinterpret_cast<const uchar *>(source.samples.constData());
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            for (int j = int(y * sy); j < std::min((y + 1) * sy, double(source.height)); ++j) {
                const double wy = std::min((y + 1) * sy, j + 1.0) - std::max(y * sy, double(j));
                for (int i = int(x * sx); i < std::min((x + 1) * sx, double(source.width)); ++i) {
                    const double wx = std::min((x + 1) * sx, i + 1.0) - std::max(x * sx, double(i));
                    for (int c = 0; c < n; ++c) {
                        out[(size_t(y) * width + x) * n + c] +=
                            in[(qsizetype(j) * source.width + i) * n + c] * wx * wy / (sx * sy);
                    }
                }
            }
        }
    }
    return out;
}

PictureCodecs::Pixels pixelsOf(const QImage &image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    PictureCodecs::Pixels pixels{rgb.width(), rgb.height(), 3, {}};
    for (int y = 0; y < rgb.height(); ++y) {
        pixels.samples.append(reinterpret_cast<const char *>(rgb.constScanLine(y)),
                              rgb.width() * 3);
    }
    return pixels;
}

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

PageItem item(const QString &path, int index)
{
    return PageItem{QUuid::createUuid(), PageSource{QUrl::fromLocalFile(path), index}, 0, {}};
}

BuildPlan planOf(const QString &path, int pages, std::optional<CompressionStep> quality)
{
    BuildPlan plan;
    for (int i = 0; i < pages; ++i) {
        plan.pages.append(item(path, i));
    }
    plan.quality = quality;
    return plan;
}

} // namespace

class TestImageCompression : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    StampCache m_stamps;

    Result<QByteArray> build(const BuildPlan &plan, const QString &source, CancelToken cancel = {})
    {
        Fixtures::OpenedSources sources;
        if (!sources.open(source)) {
            return Error{QStringLiteral("fixture unreadable")};
        }
        return Fixtures::copied(
            PdfBuilder::build(plan, BuildContext{sources.lookup(), m_stamps, cancel}));
    }

private slots:
    void photosAreCappedAndStoredAsJpeg_data()
    {
        QTest::addColumn<int>("maxPixels");
        QTest::addColumn<double>("quality");
        QTest::newRow("1600 at 0.55") << 1600 << 0.55;
        QTest::newRow("1000 at 0.4") << 1000 << 0.4;
    }

    void photosAreCappedAndStoredAsJpeg()
    {
        QFETCH(int, maxPixels);
        QFETCH(double, quality);
        const QString file = m_dir.filePath("photos.pdf");
        QVERIFY(
            Fixtures::writeImagePdf(file, {ImagePage{{2400, 1800}, ImageKind::Jpeg},
                                           ImagePage{{1500, 2600}, ImageKind::JpegGray},
                                           ImagePage{{1800, 1700}, ImageKind::Flate},
                                           ImagePage{{1800, 1700}, ImageKind::SameAsPrevious}}));
        const qsizetype before = Fixtures::readAll(file).size();

        const auto built = build(planOf(file, 4, CompressionStep{maxPixels, quality, false}), file);
        QVERIFY(built.ok());
        QCOMPARE(Fixtures::qpdfCheckFailure(*built), QString());
        QVERIFY2(built->size() < before / 2,
                 qPrintable(QStringLiteral("%1 -> %2").arg(before).arg(built->size())));
        const auto images = pageImages(*built);
        QCOMPARE(images.size(), size_t(4));
        for (const StoredImage &image : images) {
            QCOMPARE(std::max(image.width, image.height), maxPixels);
            QCOMPARE(image.filter, std::string("/DCTDecode"));
        }
        // Aspect kept: 2400 × 1800 becomes maxPixels × 3/4 of it.
        QCOMPARE(images[0].height, maxPixels * 3 / 4);
        // An image shared by two pages is still one image.
        QCOMPARE(images[2].id, images[3].id);
        auto document = Fixtures::popplerOpen(*built);
        QVERIFY(document);
        std::unique_ptr<Poppler::Page> page(document->page(1));
        const QImage render = page->renderToImage(36, 36);
        QVERIFY(render.pixelColor(render.width() / 2, render.height() / 2) != QColor(Qt::white));
    }

    // Pictures are shrunk row by row in fixed point: each sample stays within one
    // step of the true area average, a plain area exactly as it was, and a JPEG
    // read at a fraction of its size looks as it does read whole and shrunk.
    void shrinkingKeepsTheAreaAverage()
    {
        const PictureCodecs::Pixels photo = pixelsOf(Fixtures::photoLike({997, 613}, 3));
        for (const QSize size : {QSize(400, 246), QSize(997, 300), QSize(1, 1)}) {
            const PictureCodecs::Pixels small =
                PictureCodecs::scaledDown(photo, size.width(), size.height());
            QCOMPARE(QSize(small.width, small.height), size);
            const std::vector<double> exact = areaAverage(photo, size.width(), size.height());
            const auto *got = reinterpret_cast<const uchar *>(small.samples.constData());
            for (size_t i = 0; i < exact.size(); ++i) {
                QVERIFY2(
                    std::abs(got[i] - exact[i]) <= 1.0,
                    qPrintable(QStringLiteral("%1: %2 for %3").arg(i).arg(got[i]).arg(exact[i])));
            }
        }
        PictureCodecs::Pixels flat{333, 217, 3, QByteArray(333 * 217 * 3, char(201))};
        const PictureCodecs::Pixels shrunk = PictureCodecs::scaledDown(flat, 100, 65);
        QCOMPARE(shrunk.samples, QByteArray(100 * 65 * 3, char(201)));

        QByteArray jpeg;
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(Fixtures::photoLike({2400, 1800}, 5).save(&buffer, "JPEG", 90));
        const PictureCodecs::Pixels whole = PictureCodecs::decodeJpeg(jpeg, 2400, 1800, 2400, 1800);
        QCOMPARE(QSize(whole.width, whole.height), QSize(2400, 1800));
        for (const QSize size : {QSize(700, 525), QSize(1700, 1275)}) {
            const PictureCodecs::Pixels read =
                PictureCodecs::decodeJpeg(jpeg, 2400, 1800, size.width(), size.height());
            const PictureCodecs::Pixels reference =
                PictureCodecs::scaledDown(whole, size.width(), size.height());
            QCOMPARE(QSize(read.width, read.height), size);
            double difference = 0;
            for (qsizetype i = 0; i < read.samples.size(); ++i) {
                difference +=
                    std::abs(int(uchar(read.samples[i])) - int(uchar(reference.samples[i])));
            }
            difference /= double(read.samples.size());
            QVERIFY2(difference < 1.5, qPrintable(QString::number(difference)));
        }
        QVERIFY(!PictureCodecs::isProgressiveJpeg(jpeg));
        QVERIFY(PictureCodecs::decodeJpeg(jpeg, 2400, 1799, 700, 525)
                    .isNull()); // not the size its image claims
    }

    void picturesAreConvertedWhereTheirColoursCanBeRead_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("extraKeys");
        QTest::addColumn<bool>("matte");
        QTest::addColumn<bool>("converted");
        QTest::newRow("stencil mask") << int(ImageKind::ImageMask) << QString() << false << false;
        QTest::newRow("bilevel scan") << int(ImageKind::Bilevel) << QString() << false << false;
        QTest::newRow("undecodable JPEG") << int(ImageKind::Broken) << QString() << false << false;
        QTest::newRow("colour key mask")
            << int(ImageKind::Flate) << "<< /Mask [0 10 0 10 0 10] >>" << false << false;
        QTest::newRow("CMYK pixels") << int(ImageKind::Cmyk) << QString() << false << true;
        QTest::newRow("4-bit grey") << int(ImageKind::Gray4) << QString() << false << true;
        QTest::newRow("PNG row filters")
            << int(ImageKind::PngPredicted) << QString() << false << true;
        QTest::newRow("inverting decode array")
            << int(ImageKind::Jpeg) << "<< /Decode [1 0 1 0 1 0] >>" << false << true;
        QTest::newRow("soft mask with matte") << int(ImageKind::Jpeg) << QString() << true << true;
        QTest::newRow("default decode array")
            << int(ImageKind::Jpeg) << "<< /Decode [0 1 0 1 0 1] >>" << false << true;
        QTest::newRow("ICC-based RGB")
            << int(ImageKind::Jpeg)
            << "<< /ColorSpace [/ICCBased << /N 3 /Alternate /DeviceRGB >>] >>" << false << true;
        QTest::newRow("palette with a decode array")
            << int(ImageKind::Palette) << "<< /Decode [0 255] >>" << false << true;
    }

    void picturesAreConvertedWhereTheirColoursCanBeRead()
    {
        QFETCH(int, kind);
        QFETCH(QString, extraKeys);
        QFETCH(bool, matte);
        QFETCH(bool, converted);
        const QString file = m_dir.filePath("odd.pdf");
        QVERIFY(Fixtures::writeImagePdf(file, {ImagePage{{2000, 1000},
                                                         ImageKind(kind),
                                                         92,
                                                         {595, 842},
                                                         extraKeys.toStdString(),
                                                         matte,
                                                         matte},
                                               ImagePage{{2000, 1000}, ImageKind::Jpeg}}));
        const auto plain = build(planOf(file, 2, std::nullopt), file);
        const auto built = build(planOf(file, 2, CompressionStep{1000, 0.5, false}), file);
        QVERIFY(plain.ok());
        QVERIFY(built.ok());
        if (converted) {
            QCOMPARE(Fixtures::qpdfCheckFailure(*built), QString());
        }
        const auto before = pageImages(*plain);
        const auto after = pageImages(*built);
        QCOMPARE(after[0].width, converted ? 1000 : 2000);
        if (!converted) {
            QCOMPARE(after[0].filter, before[0].filter);
            QVERIFY(after[0].raw == before[0].raw);
        }
        QCOMPARE(after[1].width, 1000);
        // What the reader shows stays what it was: no inverted, washed-out or shifted colours.
        QVERIFY2(renderDifference(*plain, *built, 0) < 10,
                 qPrintable(QString::number(renderDifference(*plain, *built, 0))));
    }

    // Row parameters that don't describe the picture (a bomb of colours among
    // them) never reach a decoder: the picture stays, the rest is compressed.
    void absurdDecodeParametersLeaveThePictureAlone()
    {
        const QString made = m_dir.filePath("predicted.pdf");
        QVERIFY(Fixtures::writeImagePdf(made, {ImagePage{{2000, 1000}, ImageKind::Flate},
                                               ImagePage{{2000, 1000}, ImageKind::Jpeg}}));
        const QString file = m_dir.filePath("bomb.pdf");
        {
            QPDF q;
            q.processFile(made.toLocal8Bit().constData());
            QPDFObjectHandle image = QPDFObjectHandle(q.getAllPages().at(0))
                                         .getKey("/Resources")
                                         .getKey("/XObject")
                                         .getKey("/Im0");
            QCOMPARE(image.getDict().getKey("/Filter").getName(), std::string("/FlateDecode"));
            image.getDict().replaceKey(
                "/DecodeParms",
                QPDFObjectHandle::parse("<< /Predictor 12 /Colors 436870913 /Columns 2000 >>"));
            const QByteArray name = file.toLocal8Bit();
            QPDFWriter writer(q, name.constData());
            writer.setDecodeLevel(qpdf_dl_none);
            writer.write();
        }
        const auto plain = build(planOf(file, 2, std::nullopt), file);
        const auto built = build(planOf(file, 2, CompressionStep{1000, 0.5, false}), file);
        QVERIFY(plain.ok());
        QVERIFY(built.ok());
        const auto before = pageImages(*plain);
        const auto after = pageImages(*built);
        QCOMPARE(after[0].width, 2000);
        QVERIFY(after[0].raw == before[0].raw);
        QCOMPARE(after[1].width, 1000);
    }

    // The pictures a real document holds, each as a reader shows it and in its
    // own colour space, come out at the cap and smaller, with the text kept.
    void everyKindOfPictureIsCappedUnderSmall()
    {
        const QString file = m_dir.filePath("kinds.pdf");
        QVERIFY(Fixtures::writeImagePdf(file, {ImagePage{{1500, 1000},
                                                         ImageKind::Cmyk,
                                                         92,
                                                         {595, 842},
                                                         {},
                                                         false,
                                                         false,
                                                         QStringLiteral("Cyan photo")},
                                               ImagePage{{900, 600},
                                                         ImageKind::Palette,
                                                         92,
                                                         {595, 842},
                                                         {},
                                                         false,
                                                         false,
                                                         QStringLiteral("Palette chart")},
                                               ImagePage{{900, 600},
                                                         ImageKind::Rgb16,
                                                         92,
                                                         {595, 842},
                                                         {},
                                                         false,
                                                         false,
                                                         QStringLiteral("Deep scan")},
                                               ImagePage{{1000, 750},
                                                         ImageKind::Jpx,
                                                         92,
                                                         {595, 842},
                                                         {},
                                                         true,
                                                         false,
                                                         QStringLiteral("Wavelet map")}}));
        const qint64 before = QFileInfo(file).size();
        // Half the sizes of the pictures and of the preset's cap: the same
        // pictures on the same side of it, at a quarter of the pixels.
        const CompressionStep small{650, 0.55, false};
        const auto plain = build(planOf(file, 4, std::nullopt), file);
        const auto built = build(planOf(file, 4, small), file);
        QVERIFY(plain.ok());
        QVERIFY(built.ok());
        QCOMPARE(Fixtures::qpdfCheckFailure(*built), QString());
        QVERIFY2(built->size() < before,
                 qPrintable(QStringLiteral("%1 -> %2").arg(before).arg(built->size())));

        const QString out = m_dir.filePath("kinds-small.pdf");
        QVERIFY(Fixtures::writeAll(out, *built));
        // pdfimages: page num type width height color comp bpc enc ...
        const QStringList lines =
            run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), out}).split(u'\n');
        QStringList seen;
        for (const QString &line : lines.mid(2)) {
            const QStringList f = line.simplified().split(u' ');
            if (f.size() < 9) {
                continue;
            }
            seen << f[2] + u' ' + f[5] + u' ' + f[8];
            QCOMPARE(std::max(f[3].toInt(), f[4].toInt()), small.maxPixels);
            QCOMPARE(f[8], f[2] == u"smask" ? QStringLiteral("image") : QStringLiteral("jpeg"));
        }
        QCOMPARE(seen, (QStringList{"image cmyk jpeg", "image rgb jpeg", "image rgb jpeg",
                                    "image rgb jpeg", "smask gray image"}));
        const QString text = run(QStringLiteral("pdftotext"), {out, QStringLiteral("-")});
        for (const char *words : {"Cyan photo", "Palette chart", "Deep scan", "Wavelet map"}) {
            QVERIFY2(text.contains(QLatin1String(words)), qPrintable(text));
        }
        for (int page = 0; page < 4; ++page) {
            const double difference = renderDifference(*plain, *built, page);
            QVERIFY2(difference < 10,
                     qPrintable(QStringLiteral("page %1: %2").arg(page + 1).arg(difference)));
        }
    }

    void smallImagesAreReplacedOnlyWhereThatIsSmaller_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("sourceQuality");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("rough JPEG stays") << int(ImageKind::Jpeg) << 20 << false;
        QTest::newRow("raw pixels become JPEG") << int(ImageKind::Flate) << 0 << true;
    }

    void smallImagesAreReplacedOnlyWhereThatIsSmaller()
    {
        QFETCH(int, kind);
        QFETCH(int, sourceQuality);
        QFETCH(bool, replaced);
        const QString file = m_dir.filePath("small.pdf");
        QVERIFY(
            Fixtures::writeImagePdf(file, {ImagePage{{800, 600}, ImageKind(kind), sourceQuality}}));
        const auto plain = build(planOf(file, 1, std::nullopt), file);
        // At the finest quality the rough one can only grow; the raw one still shrinks.
        const auto built = build(planOf(file, 1, CompressionStep{1600, 1.0, false}), file);
        QVERIFY(plain.ok());
        QVERIFY(built.ok());
        QCOMPARE(Fixtures::qpdfCheckFailure(*built), QString());
        const auto before = pageImages(*plain);
        const auto after = pageImages(*built);
        QCOMPARE(after[0].width, 800);
        QCOMPARE(after[0].filter, std::string("/DCTDecode"));
        QCOMPARE(after[0].raw != before[0].raw, replaced);
        QVERIFY(after[0].raw.size() <= before[0].raw.size());
    }

    void softMasksAreCappedWithoutLoss()
    {
        const QString file = m_dir.filePath("vignette.pdf");
        QVERIFY(Fixtures::writeImagePdf(
            file, {ImagePage{{2400, 1800}, ImageKind::Jpeg, 92, {595, 842}, {}, true}}));
        const auto built = build(planOf(file, 1, CompressionStep{1000, 0.5, false}), file);
        QVERIFY(built.ok());
        QCOMPARE(Fixtures::qpdfCheckFailure(*built), QString());
        QPDF q;
        q.processMemoryFile("out", built->constData(), size_t(built->size()));
        QPDFObjectHandle image = QPDFObjectHandle(q.getAllPages().at(0))
                                     .getKey("/Resources")
                                     .getKey("/XObject")
                                     .getKey("/Im0");
        QPDFObjectHandle mask = image.getDict().getKey("/SMask");
        QCOMPARE(image.getDict().getKey("/Width").getIntValue(), 1000);
        QCOMPARE(mask.getDict().getKey("/Width").getIntValue(), 1000);
        QCOMPARE(mask.getDict().getKey("/Height").getIntValue(), 750);
        QVERIFY(mask.getDict().getKey("/Filter").isNameAndEquals("/FlateDecode"));
        const auto opacity = mask.getStreamData();
        QCOMPARE(opacity->getSize(), size_t(1000 * 750));
        // Opaque in the middle, clear in the corners, as the vignette was.
        QCOMPARE(int(opacity->getBuffer()[375 * 1000 + 500]), 255);
        QCOMPARE(int(opacity->getBuffer()[0]), 0);
        auto document = Fixtures::popplerOpen(*built);
        QVERIFY(document);
        const QImage render =
            std::unique_ptr<Poppler::Page>(document->page(0))->renderToImage(36, 36);
        QCOMPARE(render.pixelColor(1, 1), QColor(Qt::white));
    }

    void imagesOfAProtectedSourceAreCompressed()
    {
        const QString plain = m_dir.filePath("open-photos.pdf");
        QVERIFY(Fixtures::writeImagePdf(plain, {ImagePage{{2400, 1800}, ImageKind::Jpeg},
                                                ImagePage{{1200, 900}, ImageKind::Flate}}));
        const QString file = m_dir.filePath("locked-photos.pdf");
        QVERIFY(Fixtures::writeProtectedCopy(plain, file, QStringLiteral("pw")));
        Fixtures::OpenedSources sources;
        QVERIFY(sources.open(file, QStringLiteral("pw")));
        const auto built =
            Fixtures::copied(PdfBuilder::build(planOf(file, 2, CompressionStep{1000, 0.5, false}),
                                               BuildContext{sources.lookup(), m_stamps, {}}));
        QVERIFY(built.ok());
        QCOMPARE(Fixtures::qpdfCheckFailure(*built), QString());
        const auto images = pageImages(*built);
        QCOMPARE(images[0].width, 1000);
        QCOMPARE(images[1].filter, std::string("/DCTDecode"));
        // Decoded from the decrypted data: the picture is a photograph, not noise.
        const QImage first = QImage::fromData(QByteArray::fromStdString(images[0].raw), "jpeg");
        QCOMPARE(first.size(), QSize(1000, 750));
        const QImage reference =
            Fixtures::photoLike({2400, 1800}, 1)
                .scaled(1000, 750, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QColor a = first.pixelColor(500, 375);
        const QColor b = reference.pixelColor(500, 375);
        QVERIFY2(std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                         std::abs(a.blue() - b.blue()) <
                     60,
                 qPrintable(a.name() + QLatin1Char(' ') + b.name()));
    }

    void stampsKeepTheirOwnResolution()
    {
        const QString file = m_dir.filePath("stamped.pdf");
        QVERIFY(Fixtures::writeImagePdf(file, {ImagePage{{2400, 1800}, ImageKind::Jpeg}}));
        const QString stampPath = m_dir.filePath("stamp.png");
        QVERIFY(Fixtures::writePicture(stampPath, {1200, 600}));
        const QUuid stampId = QUuid::createUuid();
        BuildPlan plan = planOf(file, 1, CompressionStep{1000, 0.5, false});
        plan.stampFiles = {{stampId, QUrl::fromLocalFile(stampPath)}};
        plan.pages[0].stamps = {StampPlacement{QUuid::createUuid(), stampId, {0.5, 0.5}, 0.34, 0}};
        const auto built = build(plan, file);
        QVERIFY(built.ok());
        QCOMPARE(Fixtures::qpdfCheckFailure(*built), QString());

        QPDF q;
        q.processMemoryFile("out", built->constData(), size_t(built->size()));
        QPDFObjectHandle page = q.getAllPages().at(0);
        QPDFObjectHandle xobjects = page.getKey("/Resources").getKey("/XObject");
        // 202.3 pt at 100 ppi: ceil(280.97) pixels; the page's own photo is capped.
        QCOMPARE(xobjects.getKey("/TmStamp0").getDict().getKey("/Width").getIntValue(), 281);
        QPDFObjectHandle photo = xobjects.getKey("/Im0");
        QCOMPARE(photo.getDict().getKey("/Width").getIntValue(), 1000);
    }

    void aCanceledFiftyPageBuildGivesNoBytes()
    {
        const QString file = m_dir.filePath("fifty.pdf");
        QList<ImagePage> pages;
        for (int i = 0; i < 50; ++i) {
            pages.append(
                ImagePage{{400, 300}, i == 0 ? ImageKind::Jpeg : ImageKind::SameAsPrevious});
        }
        QVERIFY(Fixtures::writeImagePdf(file, pages));
        Fixtures::OpenedSources sources;
        QVERIFY(sources.open(file));
        const CancelToken cancel = CancelToken::make();
        int looked = 0;
        auto lookup = sources.lookup();
        // The user cancels while the build is under way: halfway through its pages.
        auto cancelling = [&](const QUrl &url) {
            if (++looked == 25) {
                cancel.cancel();
            }
            return lookup(url);
        };
        const auto built =
            Fixtures::copied(PdfBuilder::build(planOf(file, 50, CompressionStep{200, 0.5, false}),
                                               BuildContext{cancelling, m_stamps, cancel}));
        QVERIFY(built.isCanceled());
    }
};

QTEST_MAIN(TestImageCompression)
#include "tst_ImageCompression.moc"
