#include "look/ThemeButton.h"

#include "look/Theme.h"

#include <QEvent>
#include <QGraphicsDropShadowEffect>
#include <QPainter>
#include <QStyleOptionButton>
#include <QVariantAnimation>

namespace {
constexpr int iconSpacing = 6;
}

ThemeButton::ThemeButton(const QString &text, Style style, QWidget *parent)
    : QPushButton(text, parent)
    , m_style(style)
{
    setFont(Theme::font(style == Style::Tool ? 13 : 14, QFont::DemiBold));
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    if (style == Style::Primary) {
        m_pressAnimation = new QVariantAnimation(this);
        m_pressAnimation->setDuration(120);
        m_pressAnimation->setEasingCurve(QEasingCurve::OutCubic);
        connect(m_pressAnimation, &QVariantAnimation::valueChanged, this,
                [this](const QVariant &v) {
                    m_press = v.toReal();
                    update();
                });
        m_shadow = Theme::castShadow(this, QColor(), 10, QPointF(0, 4));
        updateShadow();
    }
    connect(this, &QAbstractButton::pressed, this, [this] { animatePress(true); });
    connect(this, &QAbstractButton::released, this, [this] { animatePress(false); });
}

void ThemeButton::setDestructive(bool destructive)
{
    if (m_destructive == destructive) {
        return;
    }
    m_destructive = destructive;
    updateShadow();
    update();
}

qreal ThemeButton::bodyOpacity() const
{
    if (m_style != Style::Primary) {
        return isDown() ? 0.75 : 1.0;
    }
    if (!isEnabled()) {
        return 0.4;
    }
    return 1.0 - 0.15 * m_press;
}

qreal ThemeButton::bodyScale() const
{
    return m_style == Style::Primary ? 1.0 - 0.02 * m_press : 1.0;
}

QColor ThemeButton::shadowColor() const
{
    return m_shadow ? m_shadow->color() : QColor(Qt::transparent);
}

void ThemeButton::animatePress(bool down)
{
    if (!m_pressAnimation) {
        update();
        return;
    }
    m_pressAnimation->stop();
    m_pressAnimation->setStartValue(m_press);
    m_pressAnimation->setEndValue(down ? 1.0 : 0.0);
    m_pressAnimation->start();
}

void ThemeButton::updateShadow()
{
    if (!m_shadow) {
        return;
    }
    const QColor base = m_destructive ? Theme::danger() : Theme::accent();
    m_shadow->setColor(Theme::withOpacity(base, isEnabled() ? 0.25 : 0.0));
}

QSize ThemeButton::padding() const
{
    switch (m_style) {
    case Style::Primary:
        return {22, 10};
    case Style::Secondary:
        return {18, 10};
    case Style::Tool:
        return {12, 8};
    }
    return {};
}

qreal ThemeButton::cornerRadius() const
{
    return m_style == Style::Tool ? 10 : 12;
}

QSize ThemeButton::sizeHint() const
{
    return sizeHintFor(text());
}

QSize ThemeButton::sizeHintFor(const QString &text) const
{
    const QFontMetrics metrics(font());
    int width = metrics.horizontalAdvance(text);
    int height = metrics.height();
    if (!icon().isNull()) {
        width += iconSize().width() + (text.isEmpty() ? 0 : iconSpacing);
        height = std::max(height, iconSize().height());
    }
    const QSize pad = padding();
    return {width + 2 * pad.width(), height + 2 * pad.height()};
}

QSize ThemeButton::minimumSizeHint() const
{
    return sizeHint();
}

void ThemeButton::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange) {
        if (!isEnabled() && m_pressAnimation) {
            m_pressAnimation->stop();
            m_press = 0;
        }
        updateShadow();
    }
    QPushButton::changeEvent(event);
}

bool ThemeButton::hitButton(const QPoint &pos) const
{
    // The whole padded shape answers, corners included: it is what the user sees.
    return rect().contains(pos);
}

void ThemeButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setOpacity(bodyOpacity());

    const QRectF body = QRectF(rect());
    const qreal scale = bodyScale();
    if (scale != 1.0) {
        p.translate(body.center());
        p.scale(scale, scale);
        p.translate(-body.center());
    }

    QColor labelColor;
    if (m_style == Style::Primary) {
        const QBrush fill =
            m_destructive ? QBrush(Theme::danger()) : QBrush(Theme::accentGradient(body));
        Theme::paintCard(p, body, cornerRadius(), fill);
        labelColor = Theme::surface();
    } else {
        Theme::paintCard(p, body, cornerRadius(), Theme::surface(), Theme::hairline());
        labelColor = Theme::accentDeep();
    }
    if (hasFocus()) {
        Theme::paintFocusRing(p, body, cornerRadius());
    }

    // Icon and text, centred as one group.
    const QFontMetrics metrics(font());
    const int textWidth = metrics.horizontalAdvance(text());
    const bool hasIcon = !icon().isNull();
    const int groupWidth =
        textWidth + (hasIcon ? iconSize().width() + (text().isEmpty() ? 0 : iconSpacing) : 0);
    int x = int((body.width() - groupWidth) / 2);
    if (hasIcon) {
        const QRect iconRect(x, (height() - iconSize().height()) / 2, iconSize().width(),
                             iconSize().height());
        icon().paint(&p, iconRect, Qt::AlignCenter, isEnabled() ? QIcon::Normal : QIcon::Disabled);
        x += iconSize().width() + iconSpacing;
    }
    p.setPen(labelColor);
    p.setFont(font());
    p.drawText(QRect(x, 0, textWidth + 1, height()), Qt::AlignVCenter | Qt::AlignLeft, text());
}
