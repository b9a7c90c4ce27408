#pragma once

#include "stamps/ReadyStamps.h"

#include <QByteArray>
#include <QList>
#include <QPointF>
#include <QSize>
#include <QWidget>

class QPainter;
class QPushButton;
class SegmentedChoice;

// Draws a signature with the mouse, a trackpad or a pen: a white pad with a
// guide line above which to sign, the strokes smoothed into curves in one ink.
// "Use This Signature" hands over the finished strokes as a transparent PNG at
// four times the pad's size, whatever the screen's scale.
class DrawingPad : public QWidget
{
    Q_OBJECT

public:
    // One sampled point. Pens report their pressure (0 to 1), which widens or
    // thins the line around its usual width; mice and trackpads report none.
    struct InkPoint
    {
        QPointF at;
        qreal pressure = -1;

        friend bool operator==(const InkPoint &, const InkPoint &) = default;
    };
    using Stroke = QList<InkPoint>;

    static constexpr qreal lineWidth = 3;
    static constexpr int renderScale = 4;

    // `size` is the drawing area's size in points.
    explicit DrawingPad(QSize size, QWidget *parent = nullptr);

    QSize padSize() const { return m_size; }
    const QList<Stroke> &strokes() const { return m_strokes; }
    const Stroke &current() const { return m_current; }
    // Blue for every new pad; changing it recolours the whole drawing.
    StampInk ink() const { return m_ink; }
    void setInk(StampInk ink);

    // Drawing, in the pad's own points (not clamped: a drag that leaves the pad
    // keeps its points). A stroke ends as one, however few points it has.
    void beginStroke(InkPoint point);
    void extendStroke(InkPoint point);
    void endStroke();
    // Forgets the finished strokes; a drag under way goes on.
    void clear();

    // The finished strokes as PNG bytes at renderScale times the pad's size,
    // transparent where nothing is drawn; empty when it can't be made.
    QByteArray render() const;

    // The strokes in `ink` at full strength; the caller lays the ink's
    // translucency over the whole drawing at once, so strokes that cross do not
    // darken where they meet.
    static void paintStrokes(QPainter &painter, const QList<Stroke> &strokes, StampInk ink);
    // The drawing, translucent ink on transparent pixels, `scale` pixels a point.
    static QImage inkLayer(QSize size, qreal scale, const QList<Stroke> &strokes, StampInk ink);

signals:
    void used(const QByteArray &png);
    // Strokes were added, cleared or recoloured, or a drag moved.
    void drawingChanged();

private:
    void changed();

    const QSize m_size;
    QList<Stroke> m_strokes;
    Stroke m_current;
    StampInk m_ink = StampInk::Blue;
    bool m_drawing = false;
    QWidget *m_canvas;
    SegmentedChoice *m_inkPicker;
    QPushButton *m_clearButton;
    QPushButton *m_useButton;
};
