#include "codeviews/SmallControls.h"

#include "look/Theme.h"

#include <QLabel>
#include <QPainter>
#include <QVariantAnimation>

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
