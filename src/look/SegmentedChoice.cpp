#include "look/SegmentedChoice.h"

#include "look/Theme.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int inset = 3;
constexpr int textPadding = 16;
constexpr int controlHeight = 30;
} // namespace

SegmentedChoice::SegmentedChoice(const QStringList &labels, QWidget *parent)
    : QWidget(parent)
    , m_labels(labels)
{
    setFont(Theme::font(13, QFont::Medium));
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void SegmentedChoice::setCurrentIndex(int index)
{
    // An index that names no segment (a stored value of an older build) chooses none.
    if (index < 0 || index >= count()) {
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
    int widest = 0;
    const QFontMetrics metrics(font());
    for (const QString &label : m_labels) {
        widest = std::max(widest, metrics.horizontalAdvance(label));
    }
    return widest + 2 * textPadding;
}

QSize SegmentedChoice::sizeHint() const
{
    return {segmentWidth() * count() + 2 * inset, controlHeight};
}

QRectF SegmentedChoice::segmentRect(int index) const
{
    const qreal width = (this->width() - 2.0 * inset) / std::max(1, count());
    return {inset + index * width, qreal(inset), width, this->height() - 2.0 * inset};
}

void SegmentedChoice::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF track(rect());
    Theme::paintCard(p, track, 9, Theme::withOpacity(Theme::text(), 0.06));
    if (m_current >= 0) {
        const QRectF chosen = segmentRect(m_current);
        Theme::paintShadow(p, chosen, 7, QColor::fromRgbF(0, 0, 0, 0.12f), 3, QPointF(0, 1));
        Theme::paintCard(p, chosen, 7, Theme::surface(), Theme::hairline());
    }
    p.setFont(font());
    for (int i = 0; i < count(); ++i) {
        p.setPen(isEnabled() ? (i == m_current ? Theme::text() : Theme::secondaryText())
                             : Theme::withOpacity(Theme::text(), 0.4));
        p.drawText(segmentRect(i), Qt::AlignCenter, m_labels[i]);
    }
    if (hasFocus() && m_showsFocus) {
        Theme::paintFocusRing(p, track, 9);
    }
}

void SegmentedChoice::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    for (int i = 0; i < count(); ++i) {
        if (segmentRect(i).contains(event->position())) {
            setCurrentIndex(i);
            return;
        }
    }
}

void SegmentedChoice::keyPressEvent(QKeyEvent *event)
{
    const bool forward = event->key() == Qt::Key_Right;
    if ((event->key() != Qt::Key_Left && !forward) || count() == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    m_showsFocus = true;
    update();
    const int next = m_current < 0 ? 0 : std::clamp(m_current + (forward ? 1 : -1), 0, count() - 1);
    setCurrentIndex(next);
}

void SegmentedChoice::focusInEvent(QFocusEvent *event)
{
    // A sheet that opens gives its first control the focus; the ring would
    // suggest the user had moved there.
    m_showsFocus =
        event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    QWidget::focusInEvent(event);
    update();
}

void SegmentedChoice::focusOutEvent(QFocusEvent *event)
{
    m_showsFocus = false;
    QWidget::focusOutEvent(event);
    update();
}
