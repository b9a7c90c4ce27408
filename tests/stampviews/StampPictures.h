#pragma once

// Pictures of signatures as a user would photograph or scan them, and stamps
// ready for the library, made in the test.

#include "stamps/StampMaker.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QString>

namespace StampPictures {

// A blue-ink flourish on slightly grey paper, `size` pixels.
inline QImage signatureOnPaper(QSize size = QSize(900, 400))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(244, 242, 238));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(25, 45, 140), size.height() / 40.0, Qt::SolidLine, Qt::RoundCap,
                  Qt::RoundJoin));
    const qreal w = size.width();
    const qreal h = size.height();
    QPainterPath path(QPointF(0.12 * w, 0.62 * h));
    path.cubicTo(QPointF(0.2 * w, 0.1 * h), QPointF(0.3 * w, 0.95 * h), QPointF(0.38 * w, 0.5 * h));
    path.cubicTo(QPointF(0.45 * w, 0.2 * h), QPointF(0.5 * w, 0.8 * h), QPointF(0.6 * w, 0.45 * h));
    path.cubicTo(QPointF(0.68 * w, 0.2 * h), QPointF(0.75 * w, 0.75 * h),
                 QPointF(0.88 * w, 0.4 * h));
    p.drawPath(path);
    p.drawLine(QPointF(0.15 * w, 0.78 * h), QPointF(0.85 * w, 0.74 * h));
    return image;
}

inline QByteArray png(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, "png").write(image);
    return bytes;
}

// A library-ready stamp: ink on transparent pixels.
inline StampMaker::Stamp stamp(QSize size, QColor ink = QColor(200, 20, 20))
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(ink, 6));
    p.drawRoundedRect(QRectF(4, 4, size.width() - 8, size.height() - 8), 10, 10);
    p.end();
    return StampMaker::Stamp{png(image), size.width(), size.height()};
}

} // namespace StampPictures
