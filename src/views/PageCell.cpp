#include "views/PageCell.h"

#include "look/Icons.h"
#include "look/Theme.h"
#include "views/PageImage.h"

#include <QFontMetricsF>
#include <QPainter>

namespace {

constexpr qreal frameRadius = 10;
constexpr qreal frameLine = 2.5;
constexpr qreal badgeSize = 12;
constexpr qreal captionGap = 4;

struct Caption
{
    QRectF number;
    QRectF badge; // empty without stamps
};

Caption captionLayout(const QRectF &cell, const PageItem &page, int number, bool isSelected,
                      const PageCell::Look &look)
{
    const QFontMetricsF &metrics = isSelected ? look.boldMetrics : look.mediumMetrics;
    const qreal textWidth = metrics.horizontalAdvance(QString::number(number));
    const bool hasBadge = !page.stamps.isEmpty();
    const qreal width = textWidth + (hasBadge ? captionGap + badgeSize : 0);
    const qreal top = cell.top() + PageCell::thumbnailHeight + 2 * PageCell::framePadding +
                      PageCell::captionSpacing;
    const qreal left = cell.center().x() - width / 2;
    Caption caption;
    caption.number = QRectF(left, top, textWidth, PageCell::captionHeight);
    if (hasBadge) {
        caption.badge =
            QRectF(left + textWidth + captionGap, top + (PageCell::captionHeight - badgeSize) / 2,
                   badgeSize, badgeSize);
    }
    return caption;
}

} // namespace

namespace PageCell {

Look::Look()
    : medium(Theme::font(12, QFont::Medium))
    , bold(Theme::font(12, QFont::Bold))
    , mediumMetrics(medium)
    , boldMetrics(bold)
    , badge(Icons::icon(Symbol::Signature, Theme::accent()))
{}

QRectF frameRect(const QRectF &cell)
{
    return QRectF(cell.left(), cell.top(), cell.width(), thumbnailHeight + 2 * framePadding);
}

QRectF badgeRect(const QRectF &cell, const PageItem &page, int number, const Look &look)
{
    return captionLayout(cell, page, number, false, look).badge;
}

bool paint(QPainter &painter, const QRectF &cell, const PageItem &page, int number, bool isSelected,
           const AppModel &model, qreal spinnerPhase, const Look &look)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF frame = frameRect(cell);
    if (isSelected) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(Theme::accentSoft());
        painter.drawPath(Theme::continuousRect(frame, frameRadius));
    }

    bool cached = false;
    const QRectF pictureArea =
        frame.adjusted(framePadding, framePadding, -framePadding, -framePadding);
    PageImage::paint(painter, pictureArea, page, thumbnailLongSide, true, model, spinnerPhase,
                     &cached);

    if (isSelected) {
        // The stroke sits inside the frame so that neighbouring cells never overlap it.
        const qreal inset = frameLine / 2;
        painter.setPen(QPen(Theme::accent(), frameLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(
            Theme::continuousRect(frame.adjusted(inset, inset, -inset, -inset), frameRadius));
    }

    const Caption caption = captionLayout(cell, page, number, isSelected, look);
    painter.setFont(isSelected ? look.bold : look.medium);
    painter.setPen(isSelected ? Theme::accentDeep() : Theme::secondaryText());
    painter.drawText(caption.number, Qt::AlignCenter, QString::number(number));
    if (!caption.badge.isEmpty()) {
        look.badge.paint(&painter, caption.badge.toAlignedRect());
    }
    painter.restore();
    return cached;
}

QPixmap dragPreview(const PageItem &page, int number, const AppModel &model, int width,
                    qreal devicePixelRatio)
{
    QPixmap pixmap(QSize(width, height) * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paint(painter, QRectF(0, 0, width, height), page, number, true, model, 0, Look());
    return pixmap;
}

} // namespace PageCell
