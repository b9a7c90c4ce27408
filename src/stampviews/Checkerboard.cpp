#include "stampviews/Checkerboard.h"

#include <QPainter>

#include <cmath>

Checkerboard::Checkerboard(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("checkerboard"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void Checkerboard::paint(QPainter &painter, const QRectF &rect)
{
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.setPen(Qt::NoPen);
    painter.fillRect(rect, Qt::white);
    const QColor grey = QColor::fromRgbF(0.93f, 0.93f, 0.93f);
    // One square past the last whole one in each direction, so a size that is
    // not a multiple of 8 still ends in a cut square rather than white.
    const int rows = int(std::trunc(rect.height() / squareSize));
    const int columns = int(std::trunc(rect.width() / squareSize));
    for (int r = 0; r <= rows; ++r) {
        for (int c = r % 2; c <= columns; c += 2) {
            painter.fillRect(QRectF(rect.left() + squareSize * c, rect.top() + squareSize * r,
                                    squareSize, squareSize),
                             grey);
        }
    }
    painter.restore();
}

void Checkerboard::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paint(painter, QRectF(rect()));
}
