#include "codeviews/SmallControls.h"

#include "app/Theme.h"

#include <QLabel>
#include <QPainter>
#include <QVariantAnimation>

QLabel *themedLabel(const QString &text, qreal size, QFont::Weight weight, QColor color,
                    QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setFont(Theme::font(size, weight));
    label->setTextFormat(Qt::PlainText);
    Theme::setTextColor(label, color);
    return label;
}

// ---- LinkButton

LinkButton::LinkButton(const QString &text, QWidget *parent)
    : QPushButton(text, parent)
{
    setFont(Theme::font(13, QFont::Medium));
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
    setFlat(true);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize LinkButton::sizeHint() const
{
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(text()) + 4, metrics.height() + 4};
}

void LinkButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QFont f = font();
    f.setUnderline(underMouse() && isEnabled());
    p.setFont(f);
    QColor color = isDown() ? Theme::accentDeep() : Theme::accent();
    if (!isEnabled()) {
        color = Theme::withOpacity(color, 0.4);
    }
    p.setPen(color);
    p.drawText(rect(), Qt::AlignCenter, text());
    if (hasFocus()) {
        Theme::paintFocusRing(p, QRectF(rect()), 4);
    }
}

// ---- Spinner

Spinner::Spinner(QWidget *parent)
    : QWidget(parent)
    , m_turn(new QVariantAnimation(this))
{
    setFixedSize(16, 16);
    m_turn->setStartValue(0.0);
    m_turn->setEndValue(360.0);
    m_turn->setDuration(900);
    m_turn->setLoopCount(-1);
    connect(m_turn, &QVariantAnimation::valueChanged, this, [this](const QVariant &value) {
        m_angle = value.toReal();
        update();
    });
}

bool Spinner::isSpinning() const
{
    return m_turn->state() == QAbstractAnimation::Running;
}

void Spinner::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_turn->start();
}

void Spinner::hideEvent(QHideEvent *event)
{
    m_turn->stop();
    QWidget::hideEvent(event);
}

void Spinner::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF ring = QRectF(rect()).adjusted(2, 2, -2, -2);
    p.setPen(QPen(Theme::hairline(), 2));
    p.drawEllipse(ring);
    QPen arc(Theme::accent(), 2);
    arc.setCapStyle(Qt::RoundCap);
    p.setPen(arc);
    // Qt counts angles anticlockwise in sixteenths of a degree.
    p.drawArc(ring, int(-m_angle * 16), 100 * 16);
}
