#include "stampviews/StyleSheets.h"

#include "app/Theme.h"

#include <QLineEdit>

QString cssColor(const QColor &color)
{
    return QStringLiteral("rgba(%1,%2,%3,%4)")
        .arg(color.red())
        .arg(color.green())
        .arg(color.blue())
        .arg(color.alphaF(), 0, 'f', 3);
}

void applyTextFieldStyle(QLineEdit *field)
{
    field->setFont(Theme::font(13.5));
    field->setMinimumHeight(36);
    field->setStyleSheet(
        QStringLiteral("QLineEdit { background: %1; color: %2; border: 1px solid %3; border-radius: 9px;"
                       " padding: 0 10px; selection-background-color: %4; selection-color: %2; }"
                       "QLineEdit:focus { border: 1px solid %5; }")
            .arg(cssColor(Theme::surface()), cssColor(Theme::text()), cssColor(QColor::fromRgbF(0, 0, 0, 0.16f)),
                 cssColor(Theme::withOpacity(Theme::accent(), 0.2)), cssColor(Theme::withOpacity(Theme::accent(), 0.7))));
}
