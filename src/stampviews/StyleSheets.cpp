#include "stampviews/StyleSheets.h"

#include "look/Theme.h"

#include <QLineEdit>
#include <QMenu>

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
        QStringLiteral(
            "QLineEdit { background: %1; color: %2; border: 1px solid %3; border-radius: 9px;"
            " padding: 0 10px; selection-background-color: %4; selection-color: %2; }"
            "QLineEdit:focus { border: 1px solid %5; }")
            .arg(cssColor(Theme::surface()), cssColor(Theme::text()),
                 cssColor(QColor::fromRgbF(0, 0, 0, 0.16f)),
                 cssColor(Theme::withOpacity(Theme::accent(), 0.2)),
                 cssColor(Theme::withOpacity(Theme::accent(), 0.7))));
}

void applyMenuStyle(QMenu *menu)
{
    // Square outside: rounded window corners would need a compositing desktop,
    // which not every one runs.
    menu->setFont(Theme::font(13.5));
    menu->setStyleSheet(
        QStringLiteral("QMenu { background: %1; border: 1px solid %2; padding: 5px; }"
                       "QMenu::item { color: %3; padding: 7px 22px 7px 12px; border-radius: 6px; }"
                       "QMenu::item:selected { background: %4; color: %5; }")
            .arg(cssColor(Theme::surface()), cssColor(QColor::fromRgbF(0, 0, 0, 0.12f)),
                 cssColor(Theme::text()), cssColor(Theme::accentSoft()),
                 cssColor(Theme::accentDeep())));
}
