#include "stampviews/PictureBox.h"

#include "look/Theme.h"
#include "stampviews/Checkerboard.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

PictureBox::PictureBox(Backdrop backdrop, qreal cornerRadius, qreal padding, QWidget *parent)
    : QWidget(parent)
    , m_backdrop(backdrop)
    , m_radius(cornerRadius)
    , m_padding(padding)
{}

void PictureBox::setImage(const QImage &image)
{
    if (image.cacheKey() == m_image.cacheKey()) {
        return;
    }
    m_image = image;
    m_scaled = QPixmap();
    update();
}

void PictureBox::setHighlighted(bool highlighted)
{
    if (highlighted != m_highlighted) {
        m_highlighted = highlighted;
        update();
    }
}

QRectF PictureBox::fittedRect(QSizeF picture, QSizeF box, qreal padding)
{
    const QSizeF room(std::max(0.0, box.width() - 2 * padding),
                      std::max(0.0, box.height() - 2 * padding));
    if (picture.isEmpty() || room.isEmpty()) {
        return QRectF();
    }
    const QSizeF fitted = picture.scaled(room, Qt::KeepAspectRatio);
    return QRectF(QPointF((box.width() - fitted.width()) / 2, (box.height() - fitted.height()) / 2),
                  fitted);
}

QPainterPath PictureBox::outline() const
{
    return Theme::continuousRect(QRectF(rect()), m_radius);
}

void PictureBox::resizeEvent(QResizeEvent *event)
{
    m_scaled = QPixmap();
    QWidget::resizeEvent(event);
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPainterPath shape = outline();
    painter.save();
    painter.setClipPath(shape);
    if (m_backdrop == Backdrop::Checkerboard) {
        Checkerboard::paint(painter, QRectF(rect()));
    } else {
        painter.fillRect(rect(), Theme::surface());
    }
    const QRectF target = fittedRect(QSizeF(m_image.size()), QSizeF(size()), m_padding);
    if (!m_image.isNull() && !target.isEmpty()) {
        const qreal ratio = devicePixelRatioF();
        const QSize pixels = (target.size() * ratio).toSize();
        if (m_scaled.isNull() || m_scaled.size() != pixels) {
            m_scaled = QPixmap::fromImage(
                m_image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
            m_scaled.setDevicePixelRatio(ratio);
        }
        painter.drawPixmap(target.topLeft(), m_scaled);
    }
    painter.restore();
    painter.setBrush(Qt::NoBrush);
    // Inside the edge, so the clip does not halve the line.
    painter.setPen(
        QPen(m_highlighted ? Theme::withOpacity(Theme::accent(), 0.55) : Theme::hairline(), 1));
    painter.drawPath(
        Theme::continuousRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), m_radius - 0.5));
}

// ---- PictureButton

PictureButton::PictureButton(PictureBox *box, QWidget *parent)
    : QAbstractButton(parent)
    , m_box(box)
{
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::TabFocus);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    box->setParent(this);
    box->setAttribute(Qt::WA_TransparentForMouseEvents);
    layout->addWidget(box);
}

void PictureButton::paintEvent(QPaintEvent *)
{
    // The box draws everything.
}

bool PictureButton::event(QEvent *event)
{
    const bool handled = QAbstractButton::event(event);
    switch (event->type()) {
    case QEvent::HoverEnter:
    case QEvent::HoverLeave:
    case QEvent::FocusIn:
    case QEvent::FocusOut:
    case QEvent::EnabledChange:
        m_box->setHighlighted(isEnabled() && (underMouse() || hasFocus()));
        break;
    default:
        break;
    }
    return handled;
}

bool PictureButton::hitButton(const QPoint &pos) const
{
    return m_box->geometry().contains(pos) &&
           m_box->outline().contains(QPointF(pos - m_box->pos()));
}
