#include "CodePictures.h"

#include "codes/CodeReader.h"
#include "helpers/TestShard.h"

#include <QPainter>
#include <QTest>
#include <QTransform>

using CodeReader::Detection;
using CodeReader::Reading;
Q_DECLARE_METATYPE(ZXing::BarcodeFormat)
Q_DECLARE_METATYPE(CodeSymbology)

namespace {

Detection at(const QString &payload, double cx, double cy,
             CodeSymbology symbology = CodeSymbology::QR)
{
    return Detection{payload, symbology, QRectF(cx - 0.05, cy - 0.05, 0.1, 0.1)};
}

QStringList payloads(const QList<Detection> &detections)
{
    QStringList out;
    for (const Detection &d : detections) {
        out.append(d.payload);
    }
    return out;
}

QStringList payloads(const QList<Reading> &readings)
{
    QStringList out;
    for (const Reading &r : readings) {
        out.append(r.payload);
    }
    return out;
}

} // namespace

class TestCodeReader : public QObject
{
    Q_OBJECT

private slots:
    void readsEachKind_data()
    {
        QTest::addColumn<ZXing::BarcodeFormat>("format");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("payload");
        QTest::addColumn<CodeSymbology>("symbology");
        using F = ZXing::BarcodeFormat;
        QTest::newRow("qr") << F::QRCode << "https://example.com/é"
                            << "https://example.com/é" << CodeSymbology::QR;
        QTest::newRow("data matrix") << F::DataMatrix << "DM-42"
                                     << "DM-42" << CodeSymbology::DataMatrix;
        QTest::newRow("aztec") << F::Aztec << "Aztec text"
                               << "Aztec text" << CodeSymbology::Aztec;
        QTest::newRow("pdf417") << F::PDF417 << "PDF417 payload"
                                << "PDF417 payload" << CodeSymbology::PDF417;
        QTest::newRow("ean-13") << F::EAN13 << "400638133393"
                                << "4006381333931" << CodeSymbology::EAN13;
        QTest::newRow("upc-a arrives as ean-13 with a leading zero")
            << F::UPCA << "03600029145"
            << "0036000291452" << CodeSymbology::EAN13;
        QTest::newRow("ean-8") << F::EAN8 << "9638507"
                               << "96385074" << CodeSymbology::EAN8;
        QTest::newRow("upc-e") << F::UPCE << "0123456"
                               << "01234565" << CodeSymbology::UPCE;
        QTest::newRow("code 39") << F::Code39 << "CODE-39"
                                 << "CODE-39" << CodeSymbology::Code39;
        QTest::newRow("code 39 full ascii") << F::Code39 << "12ab"
                                            << "12ab" << CodeSymbology::Code39;
        QTest::newRow("code 39 full ascii marks") << F::Code39 << "a:{b}!"
                                                  << "a:{b}!" << CodeSymbology::Code39;
        QTest::newRow("code 39 with a plus that starts no pair") << F::Code39 << "AB+1"
                                                                 << "AB+1" << CodeSymbology::Code39;
        QTest::newRow("code 39 ending in a plus") << F::Code39 << "A+B+"
                                                  << "A+B+" << CodeSymbology::Code39;
        QTest::newRow("code 93") << F::Code93 << "CODE93"
                                 << "CODE93" << CodeSymbology::Code93;
        QTest::newRow("code 128") << F::Code128 << "Code 128!"
                                  << "Code 128!" << CodeSymbology::Code128;
        QTest::newRow("itf with a valid check digit is itf-14")
            << F::ITF << "15400141288763"
            << "15400141288763" << CodeSymbology::ITF14;
        QTest::newRow("itf-14 length with a wrong check digit")
            << F::ITF << "15400141288764"
            << "15400141288764" << CodeSymbology::I2of5;
        QTest::newRow("short itf") << F::ITF << "12345678"
                                   << "12345678" << CodeSymbology::I2of5;
        QTest::newRow("codabar") << F::Codabar << "A40156B"
                                 << "40156" << CodeSymbology::Codabar;
    }

    void readsEachKind()
    {
        QFETCH(ZXing::BarcodeFormat, format);
        QFETCH(QString, text);
        QFETCH(QString, payload);
        QFETCH(CodeSymbology, symbology);
        const QImage code = CodePictures::code(format, text, 4);
        const QImage picture = CodePictures::canvas(
            {900, 700}, {{code, QPoint(450 - code.width() / 2, 350 - code.height() / 2)}});
        const QList<Reading> found = CodeReader::codes(picture);
        QCOMPARE(payloads(found), QStringList{payload});
        QCOMPARE(found.first().symbology, symbology);
    }

    void readingOrder_data()
    {
        QTest::addColumn<QList<Detection>>("detections");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("level within 0.02: left first")
            << QList<Detection>{at("R", 0.7, 0.50), at("L", 0.2, 0.519)} << QStringList{"L", "R"};
        QTest::newRow("lower but within 0.02 still goes left first")
            << QList<Detection>{at("R", 0.7, 0.519), at("L", 0.2, 0.50)} << QStringList{"L", "R"};
        QTest::newRow("more than 0.02: higher first whatever the side")
            << QList<Detection>{at("low-left", 0.1, 0.53), at("high-right", 0.9, 0.50)}
            << QStringList{"high-right", "low-left"};
        QTest::newRow("rows top to bottom, each left to right")
            << QList<Detection>{at("d", 0.8, 0.8), at("b", 0.8, 0.2), at("c", 0.2, 0.81),
                                at("a", 0.2, 0.2)}
            << QStringList{"a", "b", "c", "d"};
        QTest::newRow("same centre keeps the detector's order")
            << QList<Detection>{at("first", 0.5, 0.5), at("second", 0.5, 0.5)}
            << QStringList{"first", "second"};
        QTest::newRow("not a number keeps the detector's order")
            << QList<Detection>{at("nan", qQNaN(), qQNaN()), at("x", 0.5, 0.5)}
            << QStringList{"nan", "x"};
    }

    void readingOrder()
    {
        QFETCH(QList<Detection>, detections);
        QFETCH(QStringList, expected);
        CodeReader::sortIntoReadingOrder(detections);
        QCOMPARE(payloads(detections), expected);
    }

    void staircaseAcrossRowEdgesStaysWhole()
    {
        // Each neighbour is "one row" with the next, the ends are not: the rule
        // is not transitive, and sorting must neither crash nor lose codes.
        QList<Detection> stairs;
        for (int i = 0; i < 60; ++i) {
            stairs.append(at(QString::number(i), (i * 37 % 60) / 60.0, 0.3 + (i % 7) * 0.015));
        }
        CodeReader::sortIntoReadingOrder(stairs);
        QCOMPARE(stairs.size(), 60);
        QStringList sorted = payloads(stairs);
        sorted.sort();
        QCOMPARE(QSet<QString>(sorted.begin(), sorted.end()).size(), 60);
    }

    void repeatsAndEmptiesAreDropped()
    {
        const QList<Detection> ordered = {
            at("", 0.1, 0.1),        at("same", 0.2, 0.1, CodeSymbology::DataMatrix),
            at("same", 0.3, 0.1),    at("  ", 0.4, 0.1),
            at("e\u0301", 0.5, 0.1), at("\u00e9", 0.6, 0.1)};
        const QList<Reading> readings = CodeReader::distinctReadings(ordered);
        QCOMPARE(payloads(readings), (QStringList{"same", "  ", "e\u0301"}));
        QCOMPARE(readings.first().symbology, CodeSymbology::DataMatrix);
    }

    void samePayloadAsQrAndDataMatrixIsOneEntry()
    {
        const QImage page = CodePictures::canvas(
            {1200, 600},
            {{CodePictures::code(ZXing::BarcodeFormat::DataMatrix, "TWICE", 8), QPoint(700, 100)},
             {CodePictures::qr("TWICE"), QPoint(100, 100)}});
        const QList<Reading> found = CodeReader::codes(page);
        QCOMPARE(payloads(found), QStringList{"TWICE"});
        QCOMPARE(found.first().symbology, CodeSymbology::QR); // the left one
    }

    void matrixCodesAwayFromTheMiddleOfAPage()
    {
        // This detector release looks for these two only along a picture's middle lines.
        const QImage page = CodePictures::canvas(
            {1697, 2400},
            {{CodePictures::code(ZXing::BarcodeFormat::Aztec, "top left", 5), QPoint(100, 120)},
             {CodePictures::code(ZXing::BarcodeFormat::DataMatrix, "bottom right", 6),
              QPoint(1450, 2150)}});
        QCOMPARE(payloads(CodeReader::codes(page)), (QStringList{"top left", "bottom right"}));
    }

    void lightOnDarkIsRead()
    {
        QImage picture =
            CodePictures::canvas({500, 500}, {{CodePictures::qr("inverted"), QPoint(80, 80)}});
        picture.invertPixels();
        QCOMPARE(payloads(CodeReader::codes(picture)), QStringList{"inverted"});
    }

    void transparentBackgroundCountsAsPaper()
    {
        QImage picture(400, 400, QImage::Format_ARGB32);
        picture.fill(Qt::transparent);
        QImage code = CodePictures::qr("on nothing");
        QImage mask = code.createMaskFromColor(qRgb(255, 255, 255), Qt::MaskOutColor);
        QPainter painter(&picture);
        painter.setPen(Qt::black);
        painter.drawImage(40, 40, mask.convertToFormat(QImage::Format_ARGB32).copy());
        painter.end();
        // Black modules on transparent pixels whose colour is black too.
        for (int y = 0; y < picture.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(picture.scanLine(y));
            for (int x = 0; x < picture.width(); ++x) {
                const bool dark = x >= 40 && y >= 40 && x - 40 < code.width() &&
                                  y - 40 < code.height() && qGray(code.pixel(x - 40, y - 40)) < 128;
                line[x] = dark ? qRgba(0, 0, 0, 255) : qRgba(0, 0, 0, 0);
            }
        }
        QCOMPARE(payloads(CodeReader::codes(picture)), QStringList{"on nothing"});
    }

    void fullPageWithSeveralLinearCodes()
    {
        // A page as the engine renders it (2400 pixels high) holding linear codes,
        // one of them twice and one turned: the detector of this release aborts
        // the process on such pages when its downscaling pass is on.
        using F = ZXing::BarcodeFormat;
        const QImage turned =
            CodePictures::code(F::Code39, "TURNED", 3).transformed(QTransform().rotate(90));
        const QImage page = CodePictures::canvas(
            {1697, 2400}, {{CodePictures::code(F::Code128, "FIRST-128", 3), QPoint(150, 150)},
                           {CodePictures::code(F::EAN13, "590123412345", 3), QPoint(1000, 160)},
                           {CodePictures::code(F::ITF, "15400141288763", 3), QPoint(150, 700)},
                           {CodePictures::code(F::Code128, "FIRST-128", 3), QPoint(900, 1300)},
                           {turned, QPoint(300, 1200)},
                           {CodePictures::code(F::Code93, "LAST93", 3), QPoint(150, 2100)}});
        const QList<Reading> found = CodeReader::codes(page);
        QCOMPARE(payloads(found),
                 (QStringList{"FIRST-128", "5901234123457", "15400141288763", "TURNED", "LAST93"}));
    }

    void oversizedPictureIsScaledNotRefused()
    {
        const QImage wide =
            CodePictures::canvas({9000, 1500}, {{CodePictures::qr("wide", 30), QPoint(4000, 100)}});
        QCOMPARE(payloads(CodeReader::codes(wide)), QStringList{"wide"});
    }

    void binaryPayloadIsReadWhole()
    {
        QString bytes;
        for (int i = 0; i < 2900; ++i) {
            bytes.append(QChar(char16_t(1 + (i * 97) % 255)));
        }
        const QImage picture = CodePictures::canvas(
            {1000, 1000}, {{CodePictures::code(ZXing::BarcodeFormat::QRCode, bytes, 5, 0, true),
                            QPoint(30, 30)}});
        const QList<Reading> found = CodeReader::codes(picture);
        QCOMPARE(found.size(), 1);
        QCOMPARE(found.first().payload.size(), bytes.size());
    }

    // The passes after the plain ones, each reached only when the ones before
    // found nothing; a read ends at the first pass that finds codes.
    void harderPasses_data()
    {
        using F = ZXing::BarcodeFormat;
        QTest::addColumn<QImage>("picture");
        QTest::addColumn<QString>("payload");
        QTest::addColumn<int>("passes");
        const QImage code = CodePictures::code(F::QRCode, "found at once", 4);
        QTest::newRow("plain code: one pass")
            << CodePictures::canvas({500, 500}, {{code, QPoint(60, 60)}}) << "found at once" << 1;
        const QImage ean = CodePictures::code(F::EAN13, "590123412345", 3);
        QImage slanted(900, 900, QImage::Format_RGB32);
        slanted.fill(Qt::white);
        {
            QPainter painter(&slanted);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.translate(450, 450);
            painter.rotate(45);
            painter.drawImage(-ean.width() / 2, -ean.height() / 2, ean);
        }
        QTest::newRow("ean-13 turned 45 degrees") << slanted << "5901234123457" << 4;
    }

    void harderPasses()
    {
        QFETCH(QImage, picture);
        QFETCH(QString, payload);
        QFETCH(int, passes);
        CodeReader::Effort effort;
        QCOMPARE(payloads(CodeReader::codes(picture, CodeReader::Passes::All, &effort)),
                 QStringList{payload});
        QCOMPARE(effort.passes, passes);
    }

    // Every pass is tried, and together they read no more than eight times the
    // picture: four times the two plain passes. A page drawn again sharper pays
    // from the same budget as the plain passes of the page.
    void nothingToRead_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("sharper");
        QTest::addColumn<qint64>("budget");
        const QList<std::tuple<const char *, QSize, bool, qint64>> rows{
            {"square", QSize(2000, 2000), false, 8 * qint64(2000) * 2000},
            {"page", QSize(1697, 2400), false, 8 * qint64(1697) * 2400},
            {"strip", QSize(3000, 600), false, 8 * qint64(3000) * 600},
            {"page drawn sharper", QSize(3394, 4800), true, 8 * qint64(1697) * 2400}};
        for (int i = 0; i < rows.size(); ++i) {
            if (TestShard::mine(i)) {
                const auto &[name, size, sharper, budget] = rows[i];
                QTest::newRow(name) << size << sharper << budget;
            }
        }
    }

    void nothingToRead()
    {
        QFETCH(QSize, size);
        QFETCH(bool, sharper);
        QFETCH(qint64, budget);
        QVERIFY(CodeReader::codes(QImage()).isEmpty());
        QImage blank(size, QImage::Format_RGB32);
        blank.fill(Qt::white);
        CodeReader::Effort effort;
        const auto passes = sharper ? CodeReader::Passes::Sharper : CodeReader::Passes::All;
        QVERIFY(CodeReader::codes(blank, passes, &effort).isEmpty());
        QCOMPARE(effort.passes, sharper ? 2 : 4);
        QVERIFY2(effort.pixelsRead <= budget, qPrintable(QString::number(effort.pixelsRead)));
    }
};

QTEST_MAIN(TestCodeReader)
#include "tst_CodeReader.moc"
