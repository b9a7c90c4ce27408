#include "stampviews/SegmentedChoice.h"

#include "app/Theme.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int inset = 2;
constexpr int trackHeight = 30;
constexpr int textPadding = 16;
} // namespace

SegmentedChoice::SegmentedChoice(const QStringList &segments, QWidget *parent)
    : QWidget(parent), m_segments(segments)
{
    setFont(Theme::font(13, QFont::Medium));
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void SegmentedChoice::setCurrentIndex(int index)
{
    if (index < 0 || index >= m_segments.size()) {
        index = -1;
    }
    if (index == m_current) {
        return;
    }
    m_current = index;
    update();
    emit currentIndexChanged(index);
}

int SegmentedChoice::segmentWidth() const
{
    // Every segment as wide as the widest caption, as a segmented control is.
    const QFontMetrics metrics(Theme::font(13, QFont::DemiBold));
    int widest = 0;
    for (const QString &segment : m_segments) {
        widest = std::max(widest, metrics.horizontalAdvance(segment));
    }
    return widest + 2 * textPadding;
}

QSize SegmentedChoice::sizeHint() const
{
    return QSize(segmentWidth() * int(m_segments.size()) + 2 * inset, trackHeight);
}

QSize SegmentedChoice::minimumSizeHint() const
{
    return sizeHint();
}

QRect SegmentedChoice::segmentRect(int index) const
{
    if (index < 0 || index >= m_segments.size()) {
        return QRect();
    }
    const qreal each = qreal(width() - 2 * inset) / qreal(m_segments.size());
    const int left = inset + int(std::round(each * index));
    const int right = inset + int(std::round(each * (index + 1)));
    return QRect(left, inset, right - left, height() - 2 * inset);
}

void SegmentedChoice::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF track = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    Theme::paintCard(p, track, 9, QColor::fromRgbF(0, 0, 0, 0.05f), Theme::hairline());

    // Separators only between two unchosen segments, as the raised card needs none.
    p.setPen(QPen(Theme::hairline(), 1));
    for (int i = 1; i < m_segments.size(); ++i) {
        if (i == m_current || i - 1 == m_current) {
            continue;
        }
        const qreal x = segmentRect(i).left() + 0.5;
        p.drawLine(QPointF(x, 8), QPointF(x, height() - 8));
    }
    if (m_current >= 0) {
        const QRectF chosen = QRectF(segmentRect(m_current));
        Theme::paintShadow(p, chosen, 7, QColor::fromRgbF(0, 0, 0, 0.12f), 3, QPointF(0, 1));
        Theme::paintCard(p, chosen, 7, Theme::surface(), Theme::hairline());
    }
    if (hasFocus()) {
        Theme::paintFocusRing(p, QRectF(rect()), 9);
    }
    for (int i = 0; i < m_segments.size(); ++i) {
        const bool on = i == m_current;
        p.setFont(Theme::font(13, on ? QFont::DemiBold : QFont::Medium));
        p.setPen(!isEnabled() ? Theme::withOpacity(Theme::secondaryText(), 0.5)
                 : on         ? Theme::text()
                              : Theme::secondaryText());
        p.drawText(segmentRect(i), Qt::AlignCenter, m_segments.at(i));
    }
}

void SegmentedChoice::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    for (int i = 0; i < m_segments.size(); ++i) {
        if (segmentRect(i).contains(event->position().toPoint())) {
            setCurrentIndex(i);
            return;
        }
    }
}

void SegmentedChoice::keyPressEvent(QKeyEvent *event)
{
    const int last = int(m_segments.size()) - 1;
    if (event->key() == Qt::Key_Left) {
        setCurrentIndex(m_current <= 0 ? 0 : m_current - 1);
    } else if (event->key() == Qt::Key_Right) {
        setCurrentIndex(m_current < 0 ? 0 : std::min(last, m_current + 1));
    } else {
        QWidget::keyPressEvent(event);
    }
}
