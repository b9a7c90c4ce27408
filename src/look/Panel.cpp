#include "look/Panel.h"

#include "look/Theme.h"

#include <QPainter>
#include <QVBoxLayout>

Panel::Panel(int padding, QWidget *parent)
    : QWidget(parent)
    , m_layout(new QVBoxLayout(this))
{
    m_layout->setContentsMargins(padding, padding, padding, padding);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    Theme::castShadow(this, QColor::fromRgbF(0, 0, 0, 0.05f), 12, QPointF(0, 4));
}

void Panel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    Theme::paintCard(p, QRectF(rect()), 18, Theme::surface());
}

void Panel::addWidget(QWidget *widget)
{
    const bool grows = widget->sizePolicy().horizontalPolicy() & QSizePolicy::GrowFlag;
    m_layout->addWidget(widget, 0, grows ? Qt::Alignment() : Qt::AlignLeft);
}
