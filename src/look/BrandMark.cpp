#include "look/BrandMark.h"

#include "look/Theme.h"

#include <QPainter>
#include <QSvgRenderer>

BrandMark::BrandMark(int size, QWidget *parent)
    : QWidget(parent)
    , m_size(size)
{
    setFixedSize(size, size);
    Theme::castShadow(this, Theme::withOpacity(Theme::accent(), 0.3), shadowRadius(),
                      QPointF(0, shadowOffset()));
}

void BrandMark::paintEvent(QPaintEvent *)
{
    const qreal ratio = devicePixelRatioF();
    if (m_picture.isNull() || m_picture.devicePixelRatio() != ratio) {
        m_picture = renderLogo(m_size, ratio);
    }
    QPainter p(this);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    p.setClipPath(Theme::continuousRect(QRectF(rect()), cornerRadius()));
    p.drawPixmap(0, 0, m_picture);
}

QPixmap BrandMark::renderLogo(int size, qreal ratio)
{
    QSvgRenderer renderer(QStringLiteral(":/tamsel/brand-logo.svg"));
    QPixmap picture(QSize(size, size) * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    // Fill the square, keeping the picture's aspect ratio.
    const QRectF frame(0, 0, size, size);
    QSizeF extent = renderer.defaultSize();
    if (extent.isEmpty()) {
        extent = frame.size();
    }
    extent.scale(frame.size(), Qt::KeepAspectRatioByExpanding);
    renderer.render(&p,
                    QRectF(frame.center() - QPointF(extent.width(), extent.height()) / 2, extent));
    return picture;
}
