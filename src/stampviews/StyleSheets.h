#pragma once

#include <QString>

class QColor;
class QLineEdit;
class QMenu;

// A colour as style sheets write it, its opacity included.
QString cssColor(const QColor &color);

// Gives a text field the look of the app's cards: white, rounded, a hairline
// border that turns to the accent while the field has focus, and as tall as
// the buttons beside it.
void applyTextFieldStyle(QLineEdit *field);

// Gives a menu the look of the app's cards: white, with rounded items that
// take the soft accent while the pointer is on them.
void applyMenuStyle(QMenu *menu);
