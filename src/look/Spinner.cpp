#include "look/Spinner.h"

#include "look/Theme.h"

#include <QPainter>
#include <QVariantAnimation>

Spinner::Spinner(QWidget *parent, int side)
    : QWidget(parent)
    , m_turn(new QVariantAnimation(this))
{
    setFixedSize(side, side);
    setAttribute(Qt::WA_TransparentForMouseEvents);
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
    const qreal pen = std::max(2.0, width() / 8.0);
    const QRectF ring = QRectF(rect()).adjusted(pen, pen, -pen, -pen);
    p.setPen(QPen(Theme::hairline(), pen));
    p.drawEllipse(ring);
    QPen arc(Theme::accent(), pen);
    arc.setCapStyle(Qt::RoundCap);
    p.setPen(arc);
    // Qt counts angles anticlockwise in sixteenths of a degree.
    p.drawArc(ring, int(-m_angle * 16), 100 * 16);
}
