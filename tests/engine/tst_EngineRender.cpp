#include "engine/PDFEngine.h"

#include "helpers/PdfFixtures.h"
#include "helpers/TestUtil.h"

#include <QBuffer>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QTest>

class TestEngineRender : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    PDFEngine m_engine;
    QUrl m_pages; // A4, A4 turned by /Rotate 90, landscape, cropped, a tiny one

    // Where the page's text is: the quadrant ("top-left", ...) holding most black pixels.
    static QString inkQuadrant(const QImage &image)
    {
        int counts[2][2] = {{0, 0}, {0, 0}};
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (qRed(pixel) < 80 && qGreen(pixel) < 80 && qBlue(pixel) < 80) {
                    ++counts[y * 2 / image.height()][x * 2 / image.width()];
                }
            }
        }
        static const char *names[2][2] = {{"top-left", "top-right"},
                                          {"bottom-left", "bottom-right"}};
        int bestRow = 0;
        int bestColumn = 0;
        for (int row = 0; row < 2; ++row) {
            for (int column = 0; column < 2; ++column) {
                if (counts[row][column] > counts[bestRow][bestColumn]) {
                    bestRow = row;
                    bestColumn = column;
                }
            }
        }
        return counts[bestRow][bestColumn] > 0 ? QString(names[bestRow][bestColumn])
                                               : QString("none");
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        const QString file = m_dir.filePath("pages.pdf");
        QVERIFY(Fixtures::writePdf(file, {
                                             {{595, 842}, 0, "AAAA", {}},
                                             {{595, 842}, 90, "BBBB", {}},
                                             {{842, 595}, 0, "CCCC", {}},
                                             {{595, 842}, 0, "DDDD", {100, 50}},
                                             {{10, 20}, 0, {}, {}},
                                         }));
        m_pages = QUrl::fromLocalFile(file);
        QCOMPARE(TestUtil::await(m_engine.open(m_pages, std::nullopt)).pageCount, 5);
    }

    void pixelSizeIsExact_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("turn");
        QTest::addColumn<double>("longSide");
        QTest::addColumn<QSize>("pixels");

        QTest::newRow("A4 upright") << 0 << 0 << 360.0 << QSize(254, 360);
        QTest::newRow("A4 turned a quarter") << 0 << 90 << 360.0 << QSize(360, 254);
        QTest::newRow("A4 turned half") << 0 << 180 << 360.0 << QSize(254, 360);
        QTest::newRow("A4 turned back a quarter") << 0 << -90 << 360.0 << QSize(360, 254);
        QTest::newRow("page rotated by itself") << 1 << 0 << 360.0 << QSize(360, 254);
        QTest::newRow("page rotation plus turn") << 1 << 90 << 360.0 << QSize(254, 360);
        QTest::newRow("landscape") << 2 << 0 << 256.0 << QSize(256, 181);
        QTest::newRow("crop box decides") << 3 << 0 << 742.0 << QSize(395, 742);
        QTest::newRow("fractional long side") << 0 << 0 << 100.5 << QSize(71, 101);
        QTest::newRow("one pixel at least") << 4 << 0 << 1.0 << QSize(1, 1);
        QTest::newRow("under a pixel") << 0 << 0 << 0.5 << QSize(1, 1);
        QTest::newRow("code picture size") << 0 << 0 << 2400.0 << QSize(1696, 2400);
    }

    void pixelSizeIsExact()
    {
        QFETCH(int, index);
        QFETCH(int, turn);
        QFETCH(double, longSide);
        QFETCH(QSize, pixels);
        const QImage image = TestUtil::await(m_engine.image({m_pages, index}, turn, longSide));
        QCOMPARE(image.size(), pixels);
    }

    void turnedPageIsUprightOnWhite_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("turn");
        QTest::addColumn<QString>("text");

        QTest::newRow("upright") << 0 << 0 << "top-left";
        QTest::newRow("a quarter clockwise") << 0 << 90 << "top-right";
        QTest::newRow("half") << 0 << 180 << "bottom-right";
        QTest::newRow("three quarters") << 0 << 270 << "bottom-left";
        QTest::newRow("page's own rotation") << 1 << 0 << "top-right";
        QTest::newRow("own rotation and a turn") << 1 << 90 << "bottom-right";
    }

    void turnedPageIsUprightOnWhite()
    {
        QFETCH(int, index);
        QFETCH(int, turn);
        QFETCH(QString, text);
        const QImage image = TestUtil::await(m_engine.image({m_pages, index}, turn, 360));
        QVERIFY(!image.isNull());
        QCOMPARE(inkQuadrant(image), text);
        const int w = image.width() - 1;
        const int h = image.height() - 1;
        for (const QPoint corner : {QPoint(0, 0), QPoint(w, 0), QPoint(0, h), QPoint(w, h)}) {
            QCOMPARE(QColor(image.pixel(corner)), QColor(Qt::white));
        }
        // Rendering never leaves the page turned for the next caller.
        QCOMPARE(inkQuadrant(TestUtil::await(m_engine.image({m_pages, 0}, 0, 360))),
                 QString("top-left"));
    }

    void displaySize_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("turn");
        QTest::addColumn<QSizeF>("size");

        QTest::newRow("A4") << 0 << 0 << QSizeF(595, 842);
        QTest::newRow("A4 turned") << 0 << 270 << QSizeF(842, 595);
        QTest::newRow("A4 rotated by itself") << 1 << 0 << QSizeF(842, 595);
        QTest::newRow("landscape turned") << 2 << 90 << QSizeF(595, 842);
        QTest::newRow("landscape turned full circle") << 2 << 360 << QSizeF(842, 595);
        QTest::newRow("cropped") << 3 << 0 << QSizeF(395, 742);
        QTest::newRow("no such page") << 5 << 90 << QSizeF(595, 842);
        QTest::newRow("negative index") << -1 << 0 << QSizeF(595, 842);
    }

    void displaySize()
    {
        QFETCH(int, index);
        QFETCH(int, turn);
        QFETCH(QSizeF, size);
        QCOMPARE(TestUtil::await(m_engine.displaySize({m_pages, index}, turn)), size);
    }

    void missingPagesGiveNoPicture_data()
    {
        QTest::addColumn<QUrl>("url");
        QTest::addColumn<int>("index");
        QTest::addColumn<double>("longSide");

        QTest::newRow("index past the end") << QUrl() << 5 << 100.0;
        QTest::newRow("negative index") << QUrl() << -1 << 100.0;
        QTest::newRow("never opened") << QUrl::fromLocalFile("/nowhere/x.pdf") << 0 << 100.0;
        QTest::newRow("absurd size") << QUrl() << 0 << 1e9;
        QTest::newRow("no size") << QUrl() << 0 << 0.0;
        QTest::newRow("negative size") << QUrl() << 0 << -100.0;
        QTest::newRow("not a number") << QUrl() << 0 << std::nan("");
    }

    void missingPagesGiveNoPicture()
    {
        QFETCH(QUrl, url);
        QFETCH(int, index);
        QFETCH(double, longSide);
        const QUrl source = url.isEmpty() ? m_pages : url;
        QVERIFY(TestUtil::await(m_engine.image({source, index}, 0, longSide)).isNull());
    }

    // Pictures decoded on a worker come upright, at their own pixels unless
    // larger than asked, and bytes that are no picture give nothing.
    void decodedPictures()
    {
        QImage wide(3000, 1000, QImage::Format_RGB32);
        wide.fill(Qt::white);
        wide.setPixel(0, 0, qRgb(0, 0, 0)); // the top left, which turning moves
        QByteArray jpeg;
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "jpeg");
        writer.setTransformation(QImageIOHandler::TransformationRotate90);
        QVERIFY(writer.write(wide));

        const QImage upright = TestUtil::await(m_engine.decodePicture(jpeg, 4096));
        QCOMPARE(upright.size(), QSize(1000, 3000));
        QVERIFY(qGray(upright.pixel(999, 0)) < 128);
        QCOMPARE(TestUtil::await(m_engine.decodePicture(jpeg, 1500)).size(), QSize(500, 1500));

        const QString file = m_dir.filePath("turned.jpg");
        QVERIFY(Fixtures::writeAll(file, jpeg));
        QCOMPARE(TestUtil::await(m_engine.decodePicture(QUrl::fromLocalFile(file), 4096)).size(),
                 QSize(1000, 3000));

        QVERIFY(TestUtil::await(m_engine.decodePicture(QByteArray("not a picture at all"), 4096))
                    .isNull());
        QVERIFY(TestUtil::await(m_engine.decodePicture(
                                    QUrl::fromLocalFile(m_dir.filePath("missing.png")), 4096))
                    .isNull());
    }

    void codePicturesVisitEveryPageUntilCancelled()
    {
        QList<int> seen;
        QList<QSize> sizes;
        QList<bool> sharp;
        const bool finished = TestUtil::await(m_engine.forEachCodeImage(
            m_pages, 6, CancelToken(), [&](int index, const QImage &image, bool sharper) {
                seen.append(index); // runs on the worker; read only after the future ends
                sizes.append(image.size());
                sharp.append(sharper);
                return index == 2; // only this page asks to be drawn again
            }));
        QVERIFY(finished);
        // The sixth page doesn't exist; the third comes again, twice the size,
        // before the fourth.
        QCOMPARE(seen, QList<int>({0, 1, 2, 2, 3, 4}));
        QCOMPARE(sharp, QList<bool>({false, false, false, true, false, false}));
        QCOMPARE(sizes.first(), QSize(1696, 2400));
        QCOMPARE(sizes.at(3), sizes.at(2) * 2);
        QCOMPARE(TestUtil::await(m_engine.codeImage({m_pages, 0})).size(), QSize(1696, 2400));

        const CancelToken cancel = CancelToken::make();
        seen.clear();
        const bool completed = TestUtil::await(
            m_engine.forEachCodeImage(m_pages, 5, cancel, [&](int index, const QImage &, bool) {
                seen.append(index);
                if (index == 1) {
                    cancel.cancel();
                }
                return true;
            }));
        QVERIFY(!completed);
        // The first page comes again sharper; the second's sharper drawing is never visited.
        QCOMPARE(seen, QList<int>({0, 0, 1}));
    }
};

QTEST_GUILESS_MAIN(TestEngineRender)
#include "tst_EngineRender.moc"
