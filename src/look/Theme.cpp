#include "look/Theme.h"

#include <cmath>

#include "look/Icons.h"

#include <QApplication>
#include <QFontDatabase>
#include <QGraphicsDropShadowEffect>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace Theme {

QColor background()
{
    return QColor(246, 244, 241);
}
QColor surface()
{
    return QColor(Qt::white);
}
QColor text()
{
    return QColor(20, 18, 16);
}
QColor secondaryText()
{
    return QColor(107, 100, 94);
}
QColor accent()
{
    return QColor(230, 12, 9);
}
QColor accentDeep()
{
    return QColor(184, 3, 6);
}
QColor accentSoft()
{
    return withOpacity(accent(), 0.12);
}
QColor success()
{
    return QColor(18, 183, 106);
}
QColor danger()
{
    return QColor(217, 45, 32);
}
QColor warning()
{
    return QColor(245, 165, 36);
}
QColor hairline()
{
    return QColor::fromRgbF(0, 0, 0, 0.07f);
}

QLinearGradient accentGradient(const QRectF &rect)
{
    QLinearGradient gradient(rect.topLeft(), rect.bottomRight());
    gradient.setColorAt(0, accent());
    gradient.setColorAt(1, accentDeep());
    return gradient;
}

QColor withOpacity(QColor color, qreal opacity)
{
    color.setAlphaF(float(color.alphaF() * std::clamp(opacity, 0.0, 1.0)));
    return color;
}

QStringList fontFamilies()
{
    QStringList families{QStringLiteral("Inter")};
    const QString desktop = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    if (!desktop.isEmpty() && !families.contains(desktop)) {
        families.append(desktop);
    }
    families << QStringLiteral("Noto Sans CJK SC") << QStringLiteral("Noto Sans CJK JP")
             << QStringLiteral("Noto Sans CJK KR") << QStringLiteral("sans-serif");
    return families;
}

static qreal logicalDpi()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        return screen->logicalDotsPerInchY();
    }
    return 96;
}

QFont font(qreal size, QFont::Weight weight)
{
    QFont f;
    f.setFamilies(fontFamilies());
    // Point sizes take fractions where pixel sizes don't (12.5 is a size we use).
    f.setPointSizeF(size * 72.0 / logicalDpi());
    f.setWeight(weight);
    return f;
}

void apply(QApplication &app)
{
    QPalette palette = app.palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Window, background());
        palette.setColor(group, QPalette::Base, surface());
        palette.setColor(group, QPalette::AlternateBase, background());
        palette.setColor(group, QPalette::Button, surface());
        palette.setColor(group, QPalette::WindowText, text());
        palette.setColor(group, QPalette::Text, text());
        palette.setColor(group, QPalette::ButtonText, text());
        palette.setColor(group, QPalette::PlaceholderText, secondaryText());
        palette.setColor(group, QPalette::Highlight, accent());
        palette.setColor(group, QPalette::HighlightedText, surface());
        palette.setColor(group, QPalette::Link, accentDeep());
        palette.setColor(group, QPalette::ToolTipBase, surface());
        palette.setColor(group, QPalette::ToolTipText, text());
    }
    palette.setColor(QPalette::Disabled, QPalette::Window, background());
    palette.setColor(QPalette::Disabled, QPalette::Base, background());
    palette.setColor(QPalette::Disabled, QPalette::Highlight, withOpacity(accent(), 0.4));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, withOpacity(text(), 0.4));
    }
    app.setPalette(palette);
    app.setFont(font(13));
    Icons::setUp();
}

void paintFocusRing(QPainter &painter, const QRectF &rect, qreal cornerRadius)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(withOpacity(accent(), 0.5), 2));
    painter.drawPath(continuousRect(rect.adjusted(1, 1, -1, -1), std::max(0.0, cornerRadius - 1)));
    painter.restore();
}

QLabel *label(const QString &text, qreal size, QFont::Weight weight, QColor color, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setFont(font(size, weight));
    label->setTextFormat(Qt::PlainText);
    setTextColor(label, color);
    return label;
}

void setTextColor(QWidget *widget, QColor color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::ButtonText, color);
    widget->setPalette(palette);
}

QGraphicsDropShadowEffect *castShadow(QWidget *widget, QColor color, qreal radius, QPointF offset)
{
    auto *effect = new QGraphicsDropShadowEffect(widget);
    effect->setColor(color);
    effect->setBlurRadius(radius);
    effect->setOffset(offset);
    widget->setGraphicsEffect(effect); // takes ownership, drops an earlier effect
    return effect;
}

void paintShadow(QPainter &painter, const QRectF &rect, qreal cornerRadius, QColor color,
                 qreal blur, QPointF offset)
{
    // Layers from the widest to the shape itself: the shape's area gets every
    // layer and so the full colour, and the alpha falls off towards `blur`
    // outside it.
    const int layers = std::max(4, int(std::ceil(blur)));
    const qreal each = 1.0 - std::pow(1.0 - color.alphaF(), 1.0 / layers);
    QColor layer = color;
    layer.setAlphaF(float(each));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(layer);
    for (int i = 0; i < layers; ++i) {
        const qreal grow = blur * (1.0 - qreal(i) / (layers - 1));
        const QRectF r = rect.translated(offset).adjusted(-grow, -grow, grow, grow);
        painter.drawPath(continuousRect(r, cornerRadius + grow));
    }
    painter.restore();
}

QPainterPath continuousRect(const QRectF &rect, qreal radius)
{
    QPainterPath path;
    if (rect.isEmpty()) {
        return path;
    }
    // One cubic per corner: it leaves the edge 1.528 r from the corner and
    // passes where a circular arc of radius r would, which keeps the curvature
    // low where it meets the straight edge.
    const qreal limit = std::min(rect.width(), rect.height()) / 2;
    const qreal r = std::clamp(radius, 0.0, limit);
    const qreal extent = std::min(1.528 * r, limit);
    const qreal inner = extent * (0.2719 / 1.528);
    const qreal l = rect.left(), t = rect.top(), ri = rect.right(), b = rect.bottom();
    path.moveTo(l + extent, t);
    path.lineTo(ri - extent, t);
    path.cubicTo(ri - inner, t, ri, t + inner, ri, t + extent);
    path.lineTo(ri, b - extent);
    path.cubicTo(ri, b - inner, ri - inner, b, ri - extent, b);
    path.lineTo(l + extent, b);
    path.cubicTo(l + inner, b, l, b - inner, l, b - extent);
    path.lineTo(l, t + extent);
    path.cubicTo(l, t + inner, l + inner, t, l + extent, t);
    path.closeSubpath();
    return path;
}

void paintCard(QPainter &painter, const QRectF &rect, qreal cornerRadius, const QBrush &fill,
               QColor border, qreal borderWidth)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPath(continuousRect(rect, cornerRadius));
    if (border.isValid() && borderWidth > 0) {
        // Inside the shape, as a stroked overlay of the same rectangle would be.
        const qreal inset = borderWidth / 2;
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(border, borderWidth));
        painter.drawPath(continuousRect(rect.adjusted(inset, inset, -inset, -inset),
                                        std::max(0.0, cornerRadius - inset)));
    }
    painter.restore();
}

void paintDropZone(QPainter &painter, const QRectF &rect, qreal cornerRadius, bool targeted)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    paintCard(painter, rect, cornerRadius, targeted ? accentSoft() : surface());
    // At rest the dashes are darker than a card's hairline: on the white
    // surface a hairline dash all but vanishes, and the zone must read as one.
    QPen pen(targeted ? accent() : withOpacity(text(), 0.22), 2);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    pen.setMiterLimit(10);
    pen.setDashPattern({8.0 / 2, 6.0 / 2}); // dash lengths count in pen widths
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    // Inside the edge, so the whole stroke shows.
    painter.drawPath(continuousRect(rect.adjusted(1, 1, -1, -1), cornerRadius - 1));
    painter.restore();
}

} // namespace Theme
