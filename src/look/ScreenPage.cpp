#include "look/ScreenPage.h"

#include "look/Theme.h"

#include <QHBoxLayout>
#include <QScrollArea>

namespace ScreenPage {

QWidget *setUp(QScrollArea *area, const QString &name, int maxWidth)
{
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    auto *page = new QWidget;
    page->setObjectName(name + QStringLiteral("Page"));
    QPalette palette = page->palette();
    palette.setColor(QPalette::Window, Theme::background());
    page->setPalette(palette);
    page->setAutoFillBackground(true);
    area->viewport()->setPalette(palette);
    area->viewport()->setAutoFillBackground(true);

    auto *outer = new QHBoxLayout(page);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    auto *column = new QWidget(page);
    column->setObjectName(name + QStringLiteral("Column"));
    column->setMaximumWidth(maxWidth);
    column->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    outer->addStretch(0);
    outer->addWidget(column, 1);
    outer->addStretch(0);
    area->setWidget(page);
    return column;
}

} // namespace ScreenPage
