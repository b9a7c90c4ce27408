#include "worker/PdfBuilder.h"
#include "worker/StampDrawing.h"

#include "helpers/OutputFixtures.h"
#include "helpers/PdfFixtures.h"

#include <QBuffer>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include <poppler-qt6.h>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFWriter.hh>

#include <set>

namespace {

QImage halfInked(QSize size, QColor ink)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.fillRect(QRect(0, 0, size.width() / 2, size.height()), ink);
    return image;
}

// The box of the pixels that are clearly of the colour `channel` (0 red, 1 green).
QRect areaOf(const QImage &image, int channel = 0)
{
    QRect area;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            const int strong = channel == 0 ? qRed(p) : qGreen(p);
            const int weak = channel == 0 ? qGreen(p) : qRed(p);
            if (strong > 200 && weak < 80 && qBlue(p) < 80) {
                area |= QRect(x, y, 1, 1);
            }
        }
    }
    return area;
}

std::vector<QPDFObjectHandle> imagesOnPage(QPDFObjectHandle page)
{
    std::vector<QPDFObjectHandle> images;
    QPDFObjectHandle xobjects = page.getKey("/Resources").getKey("/XObject");
    for (const std::string &key : xobjects.getKeys()) {
        QPDFObjectHandle object = xobjects.getKey(key);
        if (object.getDict().getKey("/Subtype").isNameAndEquals("/Image")) {
            images.push_back(object);
        }
    }
    return images;
}

} // namespace

class TestStampDrawing : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QUrl stampFile(const QString &name, const QImage &image)
    {
        const QString file = m_dir.filePath(name);
        image.save(file);
        return QUrl::fromLocalFile(file);
    }

    struct BareAndStamped
    {
        QByteArray stampedPdf;
        QImage bare;    // the page built without stamps, rendered at 72 dpi
        QImage stamped; // with one red stamp at `centre`, `width` wide
    };

    // The first page of `source`, turned, built once bare and once with a stamp.
    std::optional<BareAndStamped> buildBareAndStamped(const QString &source, int turn,
                                                      QPointF centre, double width)
    {
        const QUrl stamp = stampFile("mark.png", halfInked({200, 100}, Qt::red));
        const QUuid stampId = QUuid::createUuid();
        Fixtures::OpenedSources sources;
        if (!sources.open(source)) {
            return std::nullopt;
        }
        StampCache cache;
        const PageItem bare{QUuid::createUuid(), {QUrl::fromLocalFile(source), 0}, turn, {}};
        PageItem stamped = bare;
        stamped.stamps = {StampPlacement{QUuid::createUuid(), stampId, centre, width, 0}};
        const auto reference = Fixtures::copied(PdfBuilder::build(
            BuildPlan{{bare}, {}, {}, {}}, BuildContext{sources.lookup(), cache, {}}));
        const auto built =
            Fixtures::copied(PdfBuilder::build(BuildPlan{{stamped}, {{stampId, stamp}}, {}, {}},
                                               BuildContext{sources.lookup(), cache, {}}));
        if (!reference.ok() || !built.ok()) {
            return std::nullopt;
        }
        auto referenceDocument = Fixtures::popplerOpen(*reference);
        auto document = Fixtures::popplerOpen(*built);
        if (!referenceDocument || !document) {
            return std::nullopt;
        }
        return BareAndStamped{
            *built,
            std::unique_ptr<Poppler::Page>(referenceDocument->page(0))->renderToImage(72, 72),
            std::unique_ptr<Poppler::Page>(document->page(0))->renderToImage(72, 72)};
    }

private slots:
    void compactStampKeepsTheShapeAndNeverGrows_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<int>("wanted");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("wide, halves round up") << QSize(1200, 600) << 843 << QSize(843, 422);
        QTest::newRow("tall") << QSize(600, 1200) << 843 << QSize(422, 843);
        QTest::newRow("smaller than wanted") << QSize(300, 100) << 843 << QSize(300, 100);
        QTest::newRow("tiny wanted") << QSize(1000, 10) << 50 << QSize(50, 1);
    }

    void compactStampKeepsTheShapeAndNeverGrows()
    {
        QFETCH(QSize, picture);
        QFETCH(int, wanted);
        QFETCH(QSize, expected);
        StampCache cache;
        const QImage full =
            halfInked(picture, Qt::red).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const auto compact =
            StampDrawing::compactStamp(cache, QUrl("file:///s.png"), full, wanted, 0.85);
        QVERIFY(compact);
        QCOMPARE(QSize(compact->width, compact->height), expected);
        QCOMPARE(compact->alpha.size(), qsizetype(expected.width()) * expected.height());
        QCOMPARE(QImage::fromData(compact->jpeg, "jpeg").size(), expected);
    }

    void wantedSizesAboveThePictureShareOneEntry()
    {
        StampCache cache;
        const QImage full =
            halfInked({300, 100}, Qt::red).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QVERIFY(StampDrawing::compactStamp(cache, QUrl("file:///s.png"), full, 843, 0.85));
        QVERIFY(StampDrawing::compactStamp(cache, QUrl("file:///s.png"), full, 1200, 0.85));
        QCOMPARE(cache.compact.size(), 1);
        QVERIFY(StampDrawing::compactStamp(cache, QUrl("file:///s.png"), full, 1200, 0.5));
        QCOMPARE(cache.compact.size(), 2);
    }

    void transparentPartsTakeTheInkColour_data()
    {
        QTest::addColumn<QColor>("ink");
        QTest::addColumn<QColor>("expectedHidden");
        QTest::addColumn<int>("expectedInkedAlpha");
        QTest::newRow("blue ink bleeds into the clear half")
            << QColor(20, 40, 200) << QColor(20, 40, 200) << 255;
        QTest::newRow("fully transparent stamp is black and hidden")
            << QColor(Qt::transparent) << QColor(Qt::black) << 0;
    }

    void transparentPartsTakeTheInkColour()
    {
        QFETCH(QColor, ink);
        QFETCH(QColor, expectedHidden);
        QFETCH(int, expectedInkedAlpha);
        StampCache cache;
        const QImage full =
            halfInked({200, 100}, ink).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const auto compact =
            StampDrawing::compactStamp(cache, QUrl("file:///s.png"), full, 200, 0.95);
        QVERIFY(compact);
        QCOMPARE(int(uchar(compact->alpha.at(50 * 200 + 20))), expectedInkedAlpha);
        QCOMPARE(int(uchar(compact->alpha.at(50 * 200 + 180))), 0);
        const QImage colours = QImage::fromData(compact->jpeg, "jpeg");
        const QColor hidden = colours.pixelColor(180, 50);
        QVERIFY2(std::abs(hidden.red() - expectedHidden.red()) < 12 &&
                     std::abs(hidden.green() - expectedHidden.green()) < 12 &&
                     std::abs(hidden.blue() - expectedHidden.blue()) < 12,
                 qPrintable(hidden.name()));
    }

    void stampIsDrawnWhereItIsPlaced_data()
    {
        QTest::addColumn<int>("sourceRotation");
        QTest::addColumn<int>("turn");
        QTest::addColumn<double>("stampRotation");
        QTest::addColumn<QSizeF>("pageSize");
        QTest::addColumn<QSizeF>("stampSize");
        QTest::addColumn<int>("pixelWidth"); // ceil(drawn width × 300 / 72)
        QTest::newRow("upright A4")
            << 0 << 0 << 0.0 << QSizeF(595, 842) << QSizeF(202.3, 101.15) << 843;
        QTest::newRow("turned 90")
            << 0 << 90 << 0.0 << QSizeF(842, 595) << QSizeF(286.28, 143.14) << 1193;
        QTest::newRow("rotated 270, turned 180")
            << 270 << 180 << 0.0 << QSizeF(842, 595) << QSizeF(286.28, 143.14) << 1193;
        QTest::newRow("stamp turned 90")
            << 0 << 0 << 90.0 << QSizeF(595, 842) << QSizeF(101.15, 202.3) << 843;
    }

    void stampIsDrawnWhereItIsPlaced()
    {
        QFETCH(int, sourceRotation);
        QFETCH(int, turn);
        QFETCH(double, stampRotation);
        QFETCH(QSizeF, pageSize);
        QFETCH(QSizeF, stampSize);
        QFETCH(int, pixelWidth);
        const QString source = m_dir.filePath("page.pdf");
        QVERIFY(Fixtures::writePdf(source, {{{595, 842}, sourceRotation, "Signed here"}}));
        QImage picture(1200, 600, QImage::Format_ARGB32);
        picture.fill(Qt::red);
        const QUrl stamp = stampFile("red.png", picture);
        const QUuid stampId = QUuid::createUuid();
        Fixtures::OpenedSources sources;
        QVERIFY(sources.open(source));

        const StampPlacement placement{
            QUuid::createUuid(), stampId, {0.5, 0.5}, 0.34, stampRotation};
        const BuildPlan plan{
            {PageItem{QUuid::createUuid(), {QUrl::fromLocalFile(source), 0}, turn, {placement}}},
            {{stampId, stamp}},
            {},
            {}};
        StampCache cache;
        const auto built =
            Fixtures::copied(PdfBuilder::build(plan, BuildContext{sources.lookup(), cache, {}}));
        QVERIFY(built.ok());
        QCOMPARE(Fixtures::qpdfCheckFailure(*built), QString());

        QPDF out;
        out.processMemoryFile("out", built->constData(), size_t(built->size()));
        QPDFObjectHandle page = out.getAllPages().at(0);
        QCOMPARE(page.getKey("/Rotate").getIntValue(), 0);
        const auto box = page.getKey("/MediaBox").getArrayAsRectangle();
        QCOMPARE(QSizeF(box.urx - box.llx, box.ury - box.lly), pageSize);
        auto images = imagesOnPage(page);
        QCOMPARE(images.size(), size_t(1));
        QPDFObjectHandle image = images[0].getDict();
        QCOMPARE(image.getKey("/Filter").getName(), std::string("/DCTDecode"));
        QCOMPARE(image.getKey("/Width").getIntValue(), pixelWidth);
        QVERIFY(image.getKey("/SMask").isStream());

        auto document = Fixtures::popplerOpen(*built);
        QVERIFY(document);
        // The page's own text is still text, upright as displayed.
        QCOMPARE(Fixtures::popplerText(*document, 0), QStringLiteral("Signed here"));
        std::unique_ptr<Poppler::Page> rendered(document->page(0));
        const QImage render = rendered->renderToImage(144, 144);
        const QRect red = areaOf(render);
        const QPointF centre = QRectF(red).center() / 2.0;
        QVERIFY2(std::abs(centre.x() - pageSize.width() / 2) <= 1 &&
                     std::abs(centre.y() - pageSize.height() / 2) <= 1,
                 qPrintable(QStringLiteral("centre %1,%2").arg(centre.x()).arg(centre.y())));
        QVERIFY2(std::abs(red.width() / 2.0 - stampSize.width()) <= 1.5 &&
                     std::abs(red.height() / 2.0 - stampSize.height()) <= 1.5,
                 qPrintable(
                     QStringLiteral("size %1x%2").arg(red.width() / 2.0).arg(red.height() / 2.0)));
    }

    void redrawnPageLooksLikeThePageAsShown_data()
    {
        QTest::addColumn<int>("sourceRotation");
        QTest::addColumn<int>("turn");
        for (int rotation : {0, 90, 180, 270}) {
            QTest::addRow("cropped, shown at %d", rotation)
                << (rotation == 270 ? 90 : 0) << (rotation == 270 ? 180 : rotation);
        }
    }

    void redrawnPageLooksLikeThePageAsShown()
    {
        QFETCH(int, sourceRotation);
        QFETCH(int, turn);
        const QString source = m_dir.filePath("cropped.pdf");
        Fixtures::Page spec{{500, 700}, sourceRotation, "Shown as it was"};
        spec.cropInset = {30, 60};
        QVERIFY(Fixtures::writePdf(source, {spec}));
        const auto pages = buildBareAndStamped(source, turn, {0.03, 0.03}, 0.04);
        QVERIFY(pages);
        const QImage &expected = pages->bare;
        const QImage &drawn = pages->stamped;
        QCOMPARE(drawn.size(), expected.size());
        int differing = 0;
        for (int y = 0; y < drawn.height(); ++y) {
            for (int x = 0; x < drawn.width(); ++x) {
                if (x < 40 && y < 40) {
                    continue; // the stamp
                }
                const QRgb a = drawn.pixel(x, y);
                const QRgb b = expected.pixel(x, y);
                if (std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                        std::abs(qBlue(a) - qBlue(b)) >
                    96) {
                    ++differing;
                }
            }
        }
        QVERIFY2(differing < drawn.width() * drawn.height() / 200,
                 qPrintable(QString::number(differing)));
        QCOMPARE(Fixtures::popplerText(*Fixtures::popplerOpen(pages->stampedPdf), 0),
                 QStringLiteral("Shown as it was"));
    }

    void annotationsStayVisibleOnARedrawnPage_data()
    {
        QTest::addColumn<int>("turn");
        QTest::newRow("upright") << 0;
        QTest::newRow("turned 90") << 90;
    }

    void annotationsStayVisibleOnARedrawnPage()
    {
        QFETCH(int, turn);
        const QString plain = m_dir.filePath("form-plain.pdf");
        QVERIFY(Fixtures::writePdf(plain, {{{595, 842}, 0, "Form"}}));
        const QString source = m_dir.filePath("form.pdf");
        {
            // A filled-in look: a green box drawn by an annotation's appearance.
            QPDF pdf;
            pdf.processFile(plain.toLocal8Bit().constData());
            QPDFObjectHandle appearance =
                QPDFObjectHandle::newStream(&pdf, "0 1 0 rg 0 0 100 50 re f\n");
            appearance.replaceDict(QPDFObjectHandle::parse(
                "<< /Type /XObject /Subtype /Form /BBox [0 0 100 50] /Resources << >> >>"));
            QPDFObjectHandle annotation = pdf.makeIndirectObject(QPDFObjectHandle::parse(
                "<< /Type /Annot /Subtype /Square /Rect [100 600 200 650] /F 4 >>"));
            QPDFObjectHandle ap = QPDFObjectHandle::newDictionary();
            ap.replaceKey("/N", appearance);
            annotation.replaceKey("/AP", ap);
            QPDFObjectHandle page = pdf.getAllPages().at(0);
            page.replaceKey("/Annots", QPDFObjectHandle::newArray({annotation}));
            // QPDFWriter keeps the name's pointer until it writes.
            const QByteArray sourceName = source.toLocal8Bit();
            QPDFWriter writer(pdf, sourceName.constData());
            writer.write();
        }
        const auto pages = buildBareAndStamped(source, turn, {0.8, 0.9}, 0.1);
        QVERIFY(pages);
        QCOMPARE(Fixtures::qpdfCheckFailure(pages->stampedPdf), QString());
        QPDF out;
        out.processMemoryFile("out", pages->stampedPdf.constData(),
                              size_t(pages->stampedPdf.size()));
        // Still an annotation, moved with the page: the page turned by 90 is
        // 842 wide, and x' = y, y' = 595 - x.
        QPDFObjectHandle annotations = QPDFObjectHandle(out.getAllPages().at(0)).getKey("/Annots");
        QCOMPARE(annotations.getArrayNItems(), 1);
        const auto rect = annotations.getArrayItem(0).getKey("/Rect").getArrayAsRectangle();
        const QRectF moved = turn == 0 ? QRectF(100, 600, 100, 50) : QRectF(600, 395, 50, 100);
        QCOMPARE(QRectF(rect.llx, rect.lly, rect.urx - rect.llx, rect.ury - rect.lly), moved);
        const QRect expected = areaOf(pages->bare, 1);
        const QRect drawn = areaOf(pages->stamped, 1);
        QVERIFY(!expected.isEmpty());
        QVERIFY2(std::abs(drawn.left() - expected.left()) <= 1 &&
                     std::abs(drawn.top() - expected.top()) <= 1 &&
                     std::abs(drawn.width() - expected.width()) <= 1,
                 qPrintable(QStringLiteral("%1,%2 %3x%4")
                                .arg(drawn.x())
                                .arg(drawn.y())
                                .arg(drawn.width())
                                .arg(drawn.height())));
    }

    void stampsOnManyPagesAreStoredOnceAndMissingOnesLeftOut()
    {
        const QString source = m_dir.filePath("pages.pdf");
        QVERIFY(Fixtures::writeNumberedPdf(source, 3));
        const QUrl stamp = stampFile("sign.png", halfInked({600, 200}, Qt::darkBlue));
        const QUrl unreadable = QUrl::fromLocalFile(m_dir.filePath("broken.png"));
        QVERIFY(Fixtures::writeAll(unreadable.toLocalFile(), "not a picture"));
        const QUuid known = QUuid::createUuid();
        const QUuid broken = QUuid::createUuid();
        Fixtures::OpenedSources sources;
        QVERIFY(sources.open(source));

        BuildPlan plan;
        plan.stampFiles = {{known, stamp}, {broken, unreadable}};
        for (int i = 0; i < 3; ++i) {
            plan.pages.append(PageItem{
                QUuid::createUuid(),
                {QUrl::fromLocalFile(source), i},
                0,
                {StampPlacement{QUuid::createUuid(), QUuid::createUuid(), {0.2, 0.2}, 0.3, 0},
                 StampPlacement{QUuid::createUuid(), broken, {0.3, 0.3}, 0.3, 0},
                 StampPlacement{QUuid::createUuid(), known, {0.5, 0.8}, 0.3, 10}}});
        }
        StampCache cache;
        const auto built =
            Fixtures::copied(PdfBuilder::build(plan, BuildContext{sources.lookup(), cache, {}}));
        QVERIFY(built.ok());
        QCOMPARE(Fixtures::qpdfCheckFailure(*built), QString());

        QPDF out;
        out.processMemoryFile("out", built->constData(), size_t(built->size()));
        std::set<QPDFObjGen> stored;
        for (QPDFObjectHandle page : out.getAllPages()) {
            const auto images = imagesOnPage(page);
            QCOMPARE(images.size(), size_t(1));
            stored.insert(images[0].getObjGen());
        }
        QCOMPARE(stored.size(), size_t(1));
        auto document = Fixtures::popplerOpen(*built);
        QVERIFY(document);
        QCOMPARE(Fixtures::popplerText(*document, 2), QStringLiteral("Page 3"));
    }
};

QTEST_MAIN(TestStampDrawing)
#include "tst_StampDrawing.moc"
