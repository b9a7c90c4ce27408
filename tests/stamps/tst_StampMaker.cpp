// The stamp maker on pictures decoded by the engine's workers, as the program
// hands them over, and its steps one by one.

#include "engine/PDFEngine.h"
#include "helpers/TestUtil.h"
#include "stamps/StampMaker.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QTemporaryDir>
#include <QTest>

class TestStampMaker : public QObject
{
    Q_OBJECT

    PDFEngine m_engine;

private:
    static QByteArray
    encode(const QImage &image, const char *format = "PNG",
           QImageIOHandler::Transformations turn = QImageIOHandler::TransformationNone)
    {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, format);
        writer.setQuality(90);
        writer.setTransformation(turn);
        writer.write(image);
        return bytes;
    }

    // Paper lit unevenly, grey on the left and nearly white on the right, as a
    // phone photo of a sheet often is.
    static QImage paper(int width, int height)
    {
        QImage image(width, height, QImage::Format_RGB32);
        for (int x = 0; x < width; ++x) {
            const int v = 165 + 80 * x / width;
            QPainter(&image).fillRect(x, 0, 1, height, QColor(v, v, v - 5));
        }
        return image;
    }

    // A zigzag filling `box`, drawn with a pen of `pen` pixels.
    static void scribble(QImage &image, const QRect &box, QColor ink = QColor(30, 30, 60),
                         int pen = 6)
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(ink, pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const QRectF inner = QRectF(box).adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2);
        QPainterPath path(inner.bottomLeft());
        for (int i = 1; i <= 6; ++i) {
            path.lineTo(inner.left() + inner.width() * (i - 0.5) / 6, inner.top());
            path.lineTo(inner.left() + inner.width() * i / 6, inner.bottom());
        }
        painter.drawPath(path);
    }

    Result<StampMaker::Stamp> make(const QImage &decoded, CancelToken cancel = {})
    {
        return TestUtil::await(StampMaker::shared().makeStamp(decoded, std::move(cancel)));
    }

    // As the new-stamp sheet makes a stamp: a worker decodes, the maker lifts.
    Result<StampMaker::Stamp> make(const QByteArray &bytes, CancelToken cancel = {})
    {
        return make(TestUtil::await(m_engine.decodePicture(bytes, StampMaker::decodeLongSide)),
                    std::move(cancel));
    }

    Result<StampMaker::Stamp> make(const QUrl &file)
    {
        return make(TestUtil::await(m_engine.decodePicture(file, StampMaker::decodeLongSide)));
    }

    // The picture as a reader in this process decodes it: upright, reduced while
    // decoding to the maker's long side. What a worker hands over must not differ.
    static QImage decodedHere(QByteArray bytes)
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer);
        reader.setAutoTransform(true);
        const QSize size = reader.size();
        const int side = std::max(size.width(), size.height());
        if (side > StampMaker::decodeLongSide) {
            const double scale = double(StampMaker::decodeLongSide) / side;
            reader.setScaledSize(QSize(int(std::lround(size.width() * scale)),
                                       int(std::lround(size.height() * scale))));
        }
        return reader.read();
    }

    static QImage pixelsOf(const Result<StampMaker::Stamp> &stamp)
    {
        return QImage::fromData(stamp->png, "PNG").convertToFormat(QImage::Format_ARGB32);
    }

private slots:
    void strokesOnShadedPaperBecomeACroppedStamp()
    {
        QImage picture = paper(1200, 800);
        scribble(picture, QRect(300, 300, 600, 160));
        const auto result = make(encode(picture, "JPEG"));
        QVERIFY2(result.ok(), qPrintable(result.error().message));
        // The ink is 600 wide: a margin of 600 / 40 = 15 on every side.
        QVERIFY(qAbs(result->pixelWidth - 630) <= 4);
        QVERIFY(qAbs(result->pixelHeight - 190) <= 4);
        const QImage stamp = QImage::fromData(result->png, "PNG");
        QCOMPARE(stamp.size(), QSize(result->pixelWidth, result->pixelHeight));
        int alphas[256] = {};
        for (int y = 0; y < stamp.height(); ++y) {
            for (int x = 0; x < stamp.width(); ++x) {
                ++alphas[qAlpha(stamp.pixel(x, y))];
            }
        }
        // Grey and white paper alike are gone; the strokes are opaque.
        QVERIFY(alphas[0] > stamp.width() * stamp.height() * 3 / 4);
        QVERIFY(alphas[255] > 1000);
    }

    void transparentPictures_data()
    {
        QTest::addColumn<int>("cornerSide"); // clear squares in the four corners
        QTest::addColumn<QSize>("expected");
        // Rounded screenshot corners, far below 2 % of the picture: judged on white.
        QTest::newRow("a few clear pixels") << 6 << QSize(208, 108);
        // A drawing on a clear background is only cropped.
        QTest::newRow("clear background") << 400 << QSize(208, 108);
    }

    void transparentPictures()
    {
        QFETCH(int, cornerSide);
        QFETCH(QSize, expected);
        QImage picture(800, 400, QImage::Format_ARGB32);
        picture.fill(Qt::white);
        QPainter painter(&picture);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        for (const QPoint corner :
             {QPoint(0, 0), QPoint(800, 0), QPoint(0, 400), QPoint(800, 400)}) {
            painter.fillRect(
                QRect(corner, QSize(cornerSide, cornerSide))
                    .translated(corner.x() ? -cornerSide : 0, corner.y() ? -cornerSide : 0),
                Qt::transparent);
        }
        painter.end();
        scribble(picture, QRect(300, 150, 200, 100), QColor(26, 59, 179));
        const auto result = make(encode(picture));
        QVERIFY2(result.ok(), qPrintable(result.error().message));
        QCOMPARE(QSize(result->pixelWidth, result->pixelHeight), expected);
    }

    void orientationIsAppliedOnDecode()
    {
        // Large enough to be reduced while decoding: the reduction must follow the turn.
        QImage picture(3000, 2000, QImage::Format_RGB32);
        picture.fill(Qt::white);
        scribble(picture, QRect(600, 700, 1800, 600), Qt::black, 30);
        const auto result = make(encode(picture, "JPEG", QImageIOHandler::TransformationRotate90));
        QVERIFY2(result.ok(), qPrintable(result.error().message));
        const double tall = double(result->pixelHeight) / result->pixelWidth;
        QVERIFY2(tall > 2.5 && tall < 3.0, qPrintable(QString::number(tall)));
    }

    void badInput_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("fileName"); // empty: handed over as bytes
        QTest::addColumn<QString>("message");
        const QString unreadable = QStringLiteral("This image can't be read.");
        const QString noInk =
            QStringLiteral("No signature or stamp found. Try a photo of it on white paper.");
        QImage white(900, 600, QImage::Format_RGB32);
        white.fill(Qt::white);
        const QByteArray png = encode(paper(600, 400));
        QTest::newRow("empty bytes") << QByteArray() << QString() << unreadable;
        QTest::newRow("0-byte file") << QByteArray() << "empty.jpg" << unreadable;
        QTest::newRow("truncated PNG") << png.left(png.size() / 3) << QString() << unreadable;
        QTest::newRow("30000 x 30000")
            << QByteArray("P6 30000 30000 255\n\xff\xff\xff") << "huge.ppm" << unreadable;
        QTest::newRow("text file named .png")
            << QByteArray("Dear Sir or Madam") << "sig.png" << unreadable;
        QTest::newRow("white paper") << encode(white) << QString() << noInk;
        QTest::newRow("shaded paper only")
            << encode(paper(900, 600), "JPEG") << "paper.jpg" << noInk;
    }

    void badInput()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, fileName);
        QFETCH(QString, message);
        QTemporaryDir dir;
        Result<StampMaker::Stamp> result = Error{};
        if (fileName.isEmpty()) {
            result = make(bytes);
        } else {
            QFile file(dir.filePath(fileName));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
            file.close();
            result = make(QUrl::fromLocalFile(file.fileName()));
        }
        QVERIFY(!result.ok() && !result.isCanceled());
        QCOMPARE(result.error().message, message);
        // The worker that refused the picture, or its replacement, makes the next stamp.
        QImage picture = paper(600, 400);
        scribble(picture, QRect(100, 100, 400, 200));
        QVERIFY(make(encode(picture)).ok());
    }

    void workerPixelsMakeTheSameStamp_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QImage photo = paper(2600, 1950);
        scribble(photo, QRect(500, 650, 1600, 500), QColor(30, 30, 60), 16);
        // Reduced while decoding, also where the long side is no whole multiple of 2,000.
        QTest::newRow("2600 x 1950 JPEG") << encode(photo, "JPEG");
        QTest::newRow("2105 wide PNG") << encode(photo.scaled(2105, 1579));
        QTest::newRow("JPEG turned by its tag")
            << encode(photo, "JPEG", QImageIOHandler::TransformationRotate90);
        QImage drawing(900, 500, QImage::Format_ARGB32);
        drawing.fill(Qt::transparent);
        scribble(drawing, QRect(100, 100, 700, 300), QColor(26, 59, 179));
        QTest::newRow("drawing on a clear background") << encode(drawing);
        QTest::newRow("palette PNG")
            << encode(photo.scaled(800, 600).convertToFormat(QImage::Format_Indexed8));
    }

    void workerPixelsMakeTheSameStamp()
    {
        QFETCH(QByteArray, bytes);
        const auto fromWorker = make(bytes);
        const auto fromHere = make(decodedHere(bytes));
        QVERIFY2(fromWorker.ok(), qPrintable(fromWorker.error().message));
        QVERIFY(fromHere.ok());
        QCOMPARE(QSize(fromWorker->pixelWidth, fromWorker->pixelHeight),
                 QSize(fromHere->pixelWidth, fromHere->pixelHeight));
        QCOMPARE(pixelsOf(fromWorker), pixelsOf(fromHere));
    }

    void cancelledRunIsNeitherError()
    {
        CancelToken cancel = CancelToken::make();
        cancel.cancel();
        QVERIFY(make(encode(paper(600, 400)), cancel).isCanceled());
    }

    void cropAndScale_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("ink");
        QTest::addColumn<QSize>("expected"); // empty: no ink
        QTest::newRow("8 rows are too few") << QSize(100, 100) << QRect(10, 10, 40, 8) << QSize();
        QTest::newRow("9 rows pass") << QSize(100, 100) << QRect(10, 10, 40, 9) << QSize(48, 17);
        QTest::newRow("400 apart: margin 10")
            << QSize(600, 300) << QRect(50, 50, 401, 101) << QSize(421, 121);
        QTest::newRow("150 apart: margin 4")
            << QSize(600, 300) << QRect(50, 50, 151, 101) << QSize(159, 109);
        QTest::newRow("2000 x 800 is reduced")
            << QSize(2000, 800) << QRect(0, 0, 2000, 800) << QSize(1200, 480);
        QTest::newRow("600 x 300 keeps its size")
            << QSize(600, 300) << QRect(0, 0, 600, 300) << QSize(600, 300);
    }

    void cropAndScale()
    {
        QFETCH(QSize, size);
        QFETCH(QRect, ink);
        QFETCH(QSize, expected);
        QImage bitmap(size, QImage::Format_RGBA8888_Premultiplied);
        bitmap.fill(Qt::transparent);
        QPainter(&bitmap).fillRect(ink, Qt::black);
        const auto result = StampMaker::finish(bitmap);
        if (expected.isEmpty()) {
            QCOMPARE(result.error().code, int(StampMaker::StampError::NoInk));
            return;
        }
        QVERIFY(result.ok());
        QCOMPARE(QSize(result->pixelWidth, result->pixelHeight), expected);
        QCOMPARE(QImage::fromData(result->png, "PNG").size(), expected);
    }
};

QTEST_MAIN(TestStampMaker)
#include "tst_StampMaker.moc"
