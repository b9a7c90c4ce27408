#pragma once

#include <QString>

class QScrollArea;
class QWidget;

namespace ScreenPage {

// Makes `area` a screen of the window: a frameless, vertically scrolling page
// in the background colour that holds one column at most `maxWidth` wide,
// centred in whatever width the screen has. The page is named `name` + "Page"
// and the column `name` + "Column"; returns the column, for the screen's content.
QWidget *setUp(QScrollArea *area, const QString &name, int maxWidth);

} // namespace ScreenPage
