#pragma once

// The one look of every screen: a warm off-white background, white cards,
// near-black text and one red accent. Every colour, font and shadow of the
// application's own widgets comes from here; nothing else names a colour.

#include <QColor>
#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>
#include <QPointF>

class QApplication;
class QGraphicsDropShadowEffect;
class QLabel;
class QPainter;
class QRectF;
class QWidget;

namespace Theme {

QColor background();
QColor surface();
QColor text();
QColor secondaryText();
QColor accent();
QColor accentDeep();
QColor accentSoft();
QColor success();
QColor danger();
QColor warning();
QColor hairline();

// `accent` at the top-left corner of `rect` running to `accentDeep` at the
// bottom-right one.
QLinearGradient accentGradient(const QRectF &rect);

// `color` with its alpha multiplied by `opacity`.
QColor withOpacity(QColor color, qreal opacity);

// The application font at `size` logical pixels (the layout's unit), so text
// keeps its proportion to the paddings around it whatever the screen's DPI.
QFont font(qreal size, QFont::Weight weight = QFont::Normal);

// The families the application font is drawn with: Inter first, then the
// desktop's sans-serif, then Noto CJK so Chinese, Japanese and Korean names
// still render.
QStringList fontFamilies();

// Sets the palette, the font and the icon theme of the whole application. Call
// once, after the QApplication exists and before any window is shown.
void apply(QApplication &app);

// The ring around a card that has keyboard focus, drawn just inside `rect`.
void paintFocusRing(QPainter &painter, const QRectF &rect, qreal cornerRadius);

// Draws `widget`'s text (labels, button captions) in `color`.
void setTextColor(QWidget *widget, QColor color);

// A label showing `text` as plain text in the application font at `size`, in `color`.
QLabel *label(const QString &text, qreal size, QFont::Weight weight, QColor color, QWidget *parent);

// A soft shadow cast by `widget` (its painted shape, so rounded corners stay
// rounded). `radius` is the blur, `offset` the shift; replaces an earlier one.
QGraphicsDropShadowEffect *castShadow(QWidget *widget, QColor color, qreal radius, QPointF offset);

// Paints the soft shadow a rounded shape at `rect` would cast, for widgets that
// fade as a whole (a widget carries only one graphics effect, and nested
// effects don't render). `blur` is how far it spreads, `offset` its shift.
void paintShadow(QPainter &painter, const QRectF &rect, qreal cornerRadius, QColor color,
                 qreal blur, QPointF offset);

// A rounded rectangle with continuous corners: each corner eases out of its
// edges over about 1.5 × `radius` instead of starting a circular arc abruptly.
// The curve is shrunk where the rectangle is too small for it.
QPainterPath continuousRect(const QRectF &rect, qreal radius);

// Fills `rect` as a rounded card: `fill`, then a hairline border when `border`
// is valid. Antialiased; the painter's state is restored afterwards.
void paintCard(QPainter &painter, const QRectF &rect, qreal cornerRadius, const QBrush &fill,
               QColor border = QColor(), qreal borderWidth = 1);

// The body of a drop zone: the surface, or the soft accent while a drag it
// accepts hovers over it, inside a dashed border (8 on, 6 off, 2 wide) in a
// soft grey or the accent colour.
void paintDropZone(QPainter &painter, const QRectF &rect, qreal cornerRadius, bool targeted);

} // namespace Theme
