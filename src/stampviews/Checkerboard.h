#pragma once

#include <QWidget>

class QPainter;
class QRectF;

// The transparency backdrop behind stamp pictures: white with grey squares of
// 8 points, the top-left one grey. Fills whatever space it is given.
class Checkerboard : public QWidget
{
    Q_OBJECT

public:
    explicit Checkerboard(QWidget *parent = nullptr);

    // Paints the pattern into `rect`, squares counted from its top-left corner.
    // Squares that run past the edge are cut by the caller's clip (or by `rect`).
    static void paint(QPainter &painter, const QRectF &rect);

    static constexpr qreal squareSize = 8;

protected:
    void paintEvent(QPaintEvent *event) override;
};
