#include "helpers/TestUtil.h"
#include "stamps/StampMaker.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>


class TestStampMaker : public QObject
{
    Q_OBJECT

private:
    static QByteArray encode(const QImage &image, const char *format = "PNG", int quality = -1,
                             QImageIOHandler::Transformations turn = QImageIOHandler::TransformationNone)
    {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, format);
        writer.setQuality(quality);
        writer.setTransformation(turn);
        writer.write(image);
        return bytes;
    }

    // Paper lit unevenly: grey on the left, nearly white on the right, as a
    // phone photo of a sheet often is.
    static QImage paper(int width, int height)
    {
        QImage image(width, height, QImage::Format_RGB32);
        for (int y = 0; y < height; ++y) {
            QRgb *row = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < width; ++x) {
                const int v = 165 + 80 * x / width;
                row[x] = qRgb(v, v, v - 5);
            }
        }
        return image;
    }

    // A scribble filling `box`, drawn with a pen of `pen` pixels.
    static void scribble(QImage &image, const QRect &box, QColor ink = QColor(30, 30, 60), int pen = 6)
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(ink, pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const int half = pen / 2;
        const QRect inner = box.adjusted(half, half, -half, -half);
        QPainterPath path(inner.bottomLeft());
        const int waves = 6;
        for (int i = 1; i <= waves; ++i) {
            const double x = inner.left() + inner.width() * i / double(waves);
            path.lineTo(x - inner.width() / (2.0 * waves), inner.top());
            path.lineTo(x, inner.bottom());
        }
        painter.drawPath(path);
    }

    static QImage decoded(const StampMaker::Stamp &stamp)
    {
        return QImage::fromData(stamp.png, "PNG").convertToFormat(QImage::Format_RGBA8888);
    }

    static Result<StampMaker::Stamp> make(const QByteArray &bytes, CancelToken cancel = {})
    {
        return TestUtil::await(StampMaker::shared().makeStamp(bytes, cancel));
    }

    // A working bitmap of fully inked pixels in `ink` over a clear background.
    static QImage inked(QSize size, const QRect &ink)
    {
        QImage image(size, QImage::Format_RGBA8888_Premultiplied);
        image.fill(Qt::transparent);
        QPainter(&image).fillRect(ink, Qt::black);
        return image;
    }

    static quint32 crc32(const uchar *bytes, int size)
    {
        quint32 crc = 0xFFFFFFFFu;
        for (int i = 0; i < size; ++i) {
            crc ^= bytes[i];
            for (int bit = 0; bit < 8; ++bit) {
                crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
            }
        }
        return ~crc;
    }

    // A PNG whose header claims `width` x `height` and whose data is cut off.
    static QByteArray hugePngHeader(quint32 width, quint32 height)
    {
        QByteArray png = encode(QImage(8, 8, QImage::Format_RGB32));
        uchar *ihdr = reinterpret_cast<uchar *>(png.data()) + 16;
        qToBigEndian(width, ihdr);
        qToBigEndian(height, ihdr + 4);
        const quint32 crc = crc32(ihdr - 4, 17);
        qToBigEndian(crc, ihdr + 13);
        return png.left(33 + 40);
    }

private slots:
    void strokesOnShadedPaperBecomeACroppedStamp()
    {
        QImage picture = paper(1200, 800);
        const QRect ink(300, 300, 600, 160);
        scribble(picture, ink);
        const auto result = make(encode(picture, "JPEG", 90));
        QVERIFY2(result.ok(), qPrintable(result.error().message));

        // The ink is 600 wide: margin 600 / 40 = 15 on every side.
        QVERIFY(qAbs(result->pixelWidth - (600 + 30)) <= 4);
        QVERIFY(qAbs(result->pixelHeight - (160 + 30)) <= 4);
        const QImage stamp = decoded(*result);
        QCOMPARE(stamp.size(), QSize(result->pixelWidth, result->pixelHeight));
        int clear = 0;
        int solid = 0;
        for (int y = 0; y < stamp.height(); ++y) {
            for (int x = 0; x < stamp.width(); ++x) {
                const int alpha = qAlpha(stamp.pixel(x, y));
                clear += alpha == 0;
                solid += alpha == 255;
            }
        }
        // The paper, grey or white, is gone; the strokes are opaque.
        QVERIFY(clear > stamp.width() * stamp.height() * 3 / 4);
        QVERIFY(solid > 1000);
        QCOMPARE(qAlpha(stamp.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(stamp.pixel(stamp.width() - 1, stamp.height() / 2)), 0);
    }

    void transparentCornersAreNotInk()
    {
        // A screenshot with rounded corners: a few clear pixels, well under 2 %.
        QImage picture(800, 400, QImage::Format_ARGB32);
        picture.fill(Qt::white);
        scribble(picture, QRect(300, 150, 200, 100));
        for (const QPoint corner : {QPoint(0, 0), QPoint(794, 0), QPoint(0, 394), QPoint(794, 394)}) {
            for (int y = 0; y < 6; ++y) {
                for (int x = 0; x < 6; ++x) {
                    picture.setPixel(corner + QPoint(x, y), qRgba(0, 0, 0, 0));
                }
            }
        }
        const auto result = make(encode(picture));
        QVERIFY2(result.ok(), qPrintable(result.error().message));
        QVERIFY(result->pixelWidth < 220);
        QVERIFY(result->pixelHeight < 120);
    }

    void transparentDrawingIsOnlyCroppedAndScaled()
    {
        QImage drawing(500, 300, QImage::Format_ARGB32);
        drawing.fill(Qt::transparent);
        scribble(drawing, QRect(100, 100, 300, 100), QColor(26, 59, 179), 8);
        const auto result = make(encode(drawing));
        QVERIFY2(result.ok(), qPrintable(result.error().message));
        QCOMPARE(result->pixelWidth, 300 + 2 * 7);
        const QImage stamp = decoded(*result);
        bool foundSolidBlue = false;
        for (int y = 0; y < stamp.height() && !foundSolidBlue; ++y) {
            for (int x = 0; x < stamp.width(); ++x) {
                if (stamp.pixel(x, y) == qRgba(26, 59, 179, 255)) {
                    foundSolidBlue = true;
                    break;
                }
            }
        }
        QVERIFY(foundSolidBlue);
    }

    void orientationIsAppliedOnDecode()
    {
        QImage picture(300, 200, QImage::Format_RGB32);
        picture.fill(Qt::white);
        scribble(picture, QRect(40, 80, 220, 40));
        const auto result = make(encode(picture, "JPEG", 95, QImageIOHandler::TransformationRotate90));
        QVERIFY2(result.ok(), qPrintable(result.error().message));
        QVERIFY(result->pixelHeight > 2 * result->pixelWidth);
    }

    void badInput_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("error");
        const int unreadable = int(StampMaker::StampError::Unreadable);
        QImage white(900, 600, QImage::Format_RGB32);
        white.fill(Qt::white);
        QImage tinted = paper(900, 600);
        QImage faint = white;
        QPainter(&faint).fillRect(QRect(100, 100, 300, 100), QColor(235, 235, 235));
        const QByteArray png = encode(paper(600, 400));
        QTest::newRow("empty") << QByteArray() << unreadable;
        QTest::newRow("truncated PNG") << png.left(png.size() / 3) << unreadable;
        QTest::newRow("30000 x 30000 claimed") << hugePngHeader(30000, 30000) << unreadable;
        QTest::newRow("text") << QByteArray("Dear Sir or Madam,\nthis is not a picture.\n") << unreadable;
        QTest::newRow("white paper") << encode(white) << int(StampMaker::StampError::NoInk);
        QTest::newRow("shaded paper") << encode(tinted, "JPEG", 80) << int(StampMaker::StampError::NoInk);
        QTest::newRow("faint smudge") << encode(faint) << int(StampMaker::StampError::NoInk);
    }

    void badInput()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, error);
        const auto result = make(bytes);
        QVERIFY(!result.ok());
        QVERIFY(!result.isCanceled());
        QCOMPARE(result.error().code, error);
        QCOMPARE(result.error().message, StampMaker::message(StampMaker::StampError(error)));
    }

    void badFiles()
    {
        QTemporaryDir dir;
        const QString text = dir.filePath("signature.png");
        QFile file(text);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("just words");
        file.close();
        const QString empty = dir.filePath("empty.jpg");
        QFile(empty).open(QIODevice::WriteOnly);
        for (const QString &path : {text, empty, dir.filePath("missing.png")}) {
            const auto result = TestUtil::await(StampMaker::shared().makeStamp(QUrl::fromLocalFile(path)));
            QCOMPARE(result.error().message, QStringLiteral("This image can't be read."));
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2);
    }

    void cancelledRunIsNeitherError()
    {
        QImage picture = paper(600, 400);
        scribble(picture, QRect(100, 100, 300, 100));
        CancelToken cancel = CancelToken::make();
        cancel.cancel();
        const auto result = make(encode(picture), cancel);
        QVERIFY(result.isCanceled());
    }

    void transparencyThreshold_data()
    {
        QTest::addColumn<int>("clearPixels");
        QTest::addColumn<bool>("transparent");
        // 100 x 100 pixels: 2 % is 200.
        QTest::newRow("exactly 2 %") << 200 << false;
        QTest::newRow("just over 2 %") << 201 << true;
        QTest::newRow("none") << 0 << false;
    }

    void transparencyThreshold()
    {
        QFETCH(int, clearPixels);
        QFETCH(bool, transparent);
        QImage image(100, 100, QImage::Format_RGBA8888_Premultiplied);
        image.fill(Qt::white);
        for (int i = 0; i < clearPixels; ++i) {
            image.setPixelColor(i % 100, i / 100, QColor(0, 0, 0, 199));
        }
        QCOMPARE(StampMaker::hasTransparency(StampMaker::bitmap(image)), transparent);
    }

    void liftInk_data()
    {
        QTest::addColumn<QColor>("pixel");
        QTest::addColumn<QColor>("paper");
        QTest::addColumn<QColor>("expected"); // premultiplied bytes, alpha last
        QTest::newRow("as bright as the paper") << QColor(180, 180, 180) << QColor(180, 180, 180)
                                                << QColor(0, 0, 0, 0);
        QTest::newRow("10 % darker stays clear") << QColor(180, 180, 180) << QColor(200, 200, 200)
                                                 << QColor(0, 0, 0, 0);
        QTest::newRow("half as bright is full ink") << QColor(100, 120, 50) << QColor(200, 200, 200)
                                                    << QColor(127, 153, 63, 255);
        QTest::newRow("dark paper counts as 40") << QColor(10, 10, 10) << QColor(20, 20, 20)
                                                 << QColor(63, 63, 63, 255);
    }

    void liftInk()
    {
        QFETCH(QColor, pixel);
        QFETCH(QColor, paper);
        QFETCH(QColor, expected);
        QImage bitmap(1, 1, QImage::Format_RGBA8888_Premultiplied);
        bitmap.setPixelColor(0, 0, pixel);
        QImage paperBitmap(1, 1, QImage::Format_RGBA8888);
        paperBitmap.setPixelColor(0, 0, paper);
        StampMaker::liftInk(bitmap, paperBitmap);
        const uchar *p = bitmap.constBits();
        QCOMPARE((QList<int>{p[0], p[1], p[2], p[3]}),
                 (QList<int>{expected.red(), expected.green(), expected.blue(), expected.alpha()}));
    }

    void cropAndScale_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("ink");
        QTest::addColumn<QSize>("expected"); // empty: no ink
        QTest::newRow("8 rows are too few") << QSize(100, 100) << QRect(10, 10, 40, 8) << QSize();
        QTest::newRow("9 rows pass") << QSize(100, 100) << QRect(10, 10, 40, 9) << QSize(48, 17);
        QTest::newRow("9 columns pass") << QSize(100, 100) << QRect(10, 10, 9, 40) << QSize(17, 48);
        QTest::newRow("400 apart: margin 10") << QSize(600, 300) << QRect(50, 50, 401, 101)
                                              << QSize(421, 121);
        QTest::newRow("150 apart: margin 4") << QSize(600, 300) << QRect(50, 50, 151, 101)
                                             << QSize(159, 109);
        QTest::newRow("2000 x 800 is reduced") << QSize(2000, 800) << QRect(0, 0, 2000, 800)
                                               << QSize(1200, 480);
        QTest::newRow("600 x 300 keeps its size") << QSize(600, 300) << QRect(0, 0, 600, 300)
                                                  << QSize(600, 300);
        QTest::newRow("nothing at all") << QSize(50, 50) << QRect() << QSize();
    }

    void cropAndScale()
    {
        QFETCH(QSize, size);
        QFETCH(QRect, ink);
        QFETCH(QSize, expected);
        const auto result = StampMaker::finish(inked(size, ink));
        if (expected.isEmpty()) {
            QCOMPARE(result.error().code, int(StampMaker::StampError::NoInk));
            return;
        }
        QVERIFY(result.ok());
        QCOMPARE(QSize(result->pixelWidth, result->pixelHeight), expected);
        QCOMPARE(decoded(*result).size(), expected);
    }

    void paperEstimateIgnoresStrokes()
    {
        QImage picture = paper(2000, 1500);
        scribble(picture, QRect(200, 200, 1600, 1000), Qt::black, 20);
        const QImage bitmap = StampMaker::bitmap(picture);
        const QImage estimate = StampMaker::paper(bitmap);
        QCOMPARE(estimate.size(), bitmap.size());
        // Everywhere, strokes included, the estimate stays close to the paper.
        for (int y = 0; y < 1500; y += 37) {
            for (int x = 0; x < 2000; x += 41) {
                const int expected = 165 + 80 * x / 2000;
                QVERIFY2(qAbs(qRed(estimate.pixel(x, y)) - expected) <= 8,
                         qPrintable(QStringLiteral("%1,%2: %3 vs %4")
                                        .arg(x).arg(y).arg(qRed(estimate.pixel(x, y))).arg(expected)));
            }
        }
    }
};

QTEST_MAIN(TestStampMaker)
#include "tst_StampMaker.moc"
