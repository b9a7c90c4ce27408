// Drawing a signature: which drags become strokes, when the buttons come
// alive, and what the handed-over picture holds.

#include "look/SegmentedChoice.h"
#include "stampviews/DrawingPad.h"

#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

using Stroke = DrawingPad::Stroke;

void draw(DrawingPad &pad, const QList<QPointF> &points)
{
    pad.beginStroke({points.first()});
    for (qsizetype i = 1; i < points.size(); ++i) {
        pad.extendStroke({points.at(i)});
    }
    pad.endStroke();
}

QImage decoded(const QByteArray &png)
{
    return QImage::fromData(png, "png").convertToFormat(QImage::Format_ARGB32);
}

bool fullyTransparent(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

class tst_DrawingPad : public QObject
{
    Q_OBJECT

private slots:
    void mouseDragsBecomeStrokes();
    void buttonsWaitForAFinishedStroke();
    void clickWithoutMovingDrawsNothing();
    void pictureIsFourTimesThePad_data();
    void pictureIsFourTimesThePad();
    void inkRecoloursEveryStroke();
    void crossingStrokesDoNotDarken();
    void clearKeepsTheDragUnderWay();
    void useHandsOverThePicture();
    void penPressureChangesTheWidth();
};

void tst_DrawingPad::mouseDragsBecomeStrokes()
{
    DrawingPad pad(QSize(512, 220));
    pad.show();
    QWidget *canvas = pad.findChild<QWidget *>("drawingCanvas");
    QVERIFY(canvas);
    QCOMPARE(canvas->size(), QSize(512, 220));

    QTest::mousePress(canvas, Qt::LeftButton, {}, QPoint(40, 100));
    QTest::mouseMove(canvas, QPoint(80, 120));
    QTest::mouseMove(canvas, QPoint(600, 140)); // off the pad: still part of the stroke
    QCOMPARE(pad.current().size(), 3);
    QVERIFY(pad.strokes().isEmpty());
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, QPoint(600, 140));
    QCOMPARE(pad.strokes().size(), 1);
    QCOMPARE(pad.strokes().first().last().at, QPointF(600, 140));
    QVERIFY(pad.current().isEmpty());

    // A release lost to another window: the next press still draws.
    QTest::mousePress(canvas, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(canvas, QPoint(120, 100));
    QTest::mousePress(canvas, Qt::LeftButton, {}, QPoint(200, 100));
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, QPoint(220, 100));
    QCOMPARE(pad.strokes().size(), 3);
    QCOMPARE(pad.strokes().last().first().at, QPointF(200, 100));
}

void tst_DrawingPad::buttonsWaitForAFinishedStroke()
{
    DrawingPad pad(QSize(300, 120));
    auto *clear = pad.findChild<QPushButton *>("clearButton");
    auto *use = pad.findChild<QPushButton *>("useSignatureButton");
    QVERIFY(!clear->isEnabled() && !use->isEnabled());
    pad.beginStroke({QPointF(10, 10)});
    pad.extendStroke({QPointF(50, 40)});
    QVERIFY(!clear->isEnabled() && !use->isEnabled());
    pad.endStroke();
    QVERIFY(clear->isEnabled() && use->isEnabled());
    clear->click();
    QVERIFY(pad.strokes().isEmpty());
    QVERIFY(!clear->isEnabled() && !use->isEnabled());
}

void tst_DrawingPad::clickWithoutMovingDrawsNothing()
{
    DrawingPad pad(QSize(100, 50));
    draw(pad, {QPointF(20, 20)});
    QCOMPARE(pad.strokes().size(), 1);
    QVERIFY(pad.findChild<QPushButton *>("useSignatureButton")->isEnabled());
    const QImage picture = decoded(pad.render());
    QCOMPARE(picture.size(), QSize(400, 200));
    QVERIFY(fullyTransparent(picture));
}

void tst_DrawingPad::pictureIsFourTimesThePad_data()
{
    QTest::addColumn<QSize>("pad");
    QTest::newRow("the sheet's pad") << QSize(512, 220);
    QTest::newRow("small pad") << QSize(33, 17);
}

void tst_DrawingPad::pictureIsFourTimesThePad()
{
    QFETCH(QSize, pad);
    DrawingPad drawing(pad);
    draw(drawing, {QPointF(2, 2), QPointF(pad.width() - 2, pad.height() - 2)});
    QCOMPARE(decoded(drawing.render()).size(), pad * 4);
}

void tst_DrawingPad::inkRecoloursEveryStroke()
{
    DrawingPad pad(QSize(200, 100));
    QCOMPARE(pad.ink(), StampInk::Blue);
    draw(pad, {QPointF(10, 30), QPointF(190, 30)});
    draw(pad, {QPointF(10, 70), QPointF(190, 70)});

    const auto colourAt = [&pad](QPoint point) {
        return decoded(pad.render()).pixelColor(point * 4);
    };
    const QColor blue = colourAt(QPoint(100, 30));
    QVERIFY(blue.blue() > blue.red() + 80);
    QVERIFY(qAbs(blue.alphaF() - 0.92) < 0.01);

    pad.findChild<SegmentedChoice *>("inkPicker")->setCurrentIndex(1);
    QCOMPARE(pad.ink(), StampInk::Black);
    for (const QPoint point : {QPoint(100, 30), QPoint(100, 70)}) {
        const QColor black = colourAt(point);
        QVERIFY2(black.blue() < 40 && black.red() < 40, qPrintable(black.name()));
    }
}

void tst_DrawingPad::crossingStrokesDoNotDarken()
{
    DrawingPad pad(QSize(100, 100));
    draw(pad, {QPointF(10, 50), QPointF(90, 50)});
    draw(pad, {QPointF(50, 10), QPointF(50, 90)});
    const QImage picture = decoded(pad.render());
    QCOMPARE(picture.pixelColor(200, 200), picture.pixelColor(100, 200));
}

void tst_DrawingPad::clearKeepsTheDragUnderWay()
{
    DrawingPad pad(QSize(100, 100));
    draw(pad, {QPointF(10, 10), QPointF(20, 20)});
    pad.beginStroke({QPointF(30, 30)});
    pad.extendStroke({QPointF(40, 40)});
    pad.clear();
    QVERIFY(pad.strokes().isEmpty());
    QCOMPARE(pad.current().size(), 2);
    pad.endStroke();
    QCOMPARE(pad.strokes().size(), 1);
}

void tst_DrawingPad::useHandsOverThePicture()
{
    DrawingPad pad(QSize(120, 60));
    QSignalSpy used(&pad, &DrawingPad::used);
    pad.beginStroke({QPointF(10, 30)});
    pad.extendStroke({QPointF(110, 30)});
    // The drag under way is not part of the picture.
    pad.findChild<QPushButton *>("useSignatureButton")->click();
    QCOMPARE(used.size(), 0); // still disabled: no finished stroke
    pad.endStroke();
    draw(pad, {QPointF(10, 50), QPointF(110, 50)});
    pad.findChild<QPushButton *>("useSignatureButton")->click();
    QCOMPARE(used.size(), 1);
    const QImage picture = decoded(used.first().first().toByteArray());
    QCOMPARE(picture.size(), QSize(480, 240));
    QVERIFY(qAlpha(picture.pixel(240, 120)) > 0);
    QVERIFY(qAlpha(picture.pixel(240, 200)) > 0);
}

void tst_DrawingPad::penPressureChangesTheWidth()
{
    const auto inkedRows = [](qreal pressure) {
        DrawingPad pad(QSize(100, 60));
        pad.beginStroke({QPointF(10, 30), pressure});
        pad.extendStroke({QPointF(50, 30), pressure});
        pad.extendStroke({QPointF(90, 30), pressure});
        pad.endStroke();
        const QImage picture = decoded(pad.render());
        int rows = 0;
        for (int y = 0; y < picture.height(); ++y) {
            rows += qAlpha(picture.pixel(200, y)) > 128 ? 1 : 0;
        }
        return rows;
    };
    const int light = inkedRows(0.1);
    const int middle = inkedRows(0.5);
    const int hard = inkedRows(1.0);
    QVERIFY2(light < middle && middle < hard,
             qPrintable(QStringLiteral("%1 %2 %3").arg(light).arg(middle).arg(hard)));
    QVERIFY(qAbs(middle - 12) <= 1); // the usual 3 points at 4 pixels each
}

QTEST_MAIN(tst_DrawingPad)
#include "tst_DrawingPad.moc"
