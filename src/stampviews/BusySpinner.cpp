#include "stampviews/BusySpinner.h"

#include "app/Theme.h"

#include <QPainter>
#include <QVariantAnimation>

namespace {
constexpr int spokes = 12;
}

BusySpinner::BusySpinner(int side, QWidget *parent) : QWidget(parent), m_turn(new QVariantAnimation(this))
{
    setObjectName(QStringLiteral("busySpinner"));
    setFixedSize(side, side);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    m_turn->setStartValue(0);
    m_turn->setEndValue(spokes);
    m_turn->setDuration(1000);
    m_turn->setLoopCount(-1);
    connect(m_turn, &QVariantAnimation::valueChanged, this, [this](const QVariant &value) {
        const int step = value.toInt() % spokes;
        if (step != m_step) {
            m_step = step;
            update();
        }
    });
}

void BusySpinner::showEvent(QShowEvent *event)
{
    m_turn->start();
    QWidget::showEvent(event);
}

void BusySpinner::hideEvent(QHideEvent *event)
{
    m_turn->stop();
    QWidget::hideEvent(event);
}

void BusySpinner::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal side = std::min(width(), height());
    p.translate(width() / 2.0, height() / 2.0);
    const qreal outer = side / 2 - 1;
    const qreal inner = outer * 0.45;
    for (int i = 0; i < spokes; ++i) {
        // The spoke at the current step is darkest; those behind it fade.
        const int age = (m_step - i + spokes) % spokes;
        QColor color = Theme::secondaryText();
        color.setAlphaF(float(1.0 - 0.75 * age / (spokes - 1)));
        p.setPen(QPen(color, std::max(1.5, side / 9), Qt::SolidLine, Qt::RoundCap));
        p.save();
        p.rotate(360.0 * i / spokes);
        p.drawLine(QPointF(0, -inner), QPointF(0, -outer + 1));
        p.restore();
    }
}
