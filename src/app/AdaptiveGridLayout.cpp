#include "app/AdaptiveGridLayout.h"

#include <QWidget>

#include <algorithm>

AdaptiveGridLayout::AdaptiveGridLayout(int minimumColumnWidth, int spacing, QWidget *parent)
    : QLayout(parent)
    , m_minimumColumnWidth(minimumColumnWidth)
    , m_spacing(spacing)
{
    setContentsMargins(0, 0, 0, 0);
}

AdaptiveGridLayout::~AdaptiveGridLayout()
{
    qDeleteAll(m_items);
}

int AdaptiveGridLayout::columnsForWidth(int width) const
{
    return std::max(1, (width + m_spacing) / (m_minimumColumnWidth + m_spacing));
}

void AdaptiveGridLayout::addItem(QLayoutItem *item)
{
    m_items.append(item);
}

int AdaptiveGridLayout::count() const
{
    return int(m_items.size());
}

QLayoutItem *AdaptiveGridLayout::itemAt(int index) const
{
    return index >= 0 && index < m_items.size() ? m_items.at(index) : nullptr;
}

QLayoutItem *AdaptiveGridLayout::takeAt(int index)
{
    return index >= 0 && index < m_items.size() ? m_items.takeAt(index) : nullptr;
}

QSize AdaptiveGridLayout::sizeHint() const
{
    const QMargins m = contentsMargins();
    const int width = 2 * m_minimumColumnWidth + m_spacing + m.left() + m.right();
    return {width, heightForWidth(width)};
}

QSize AdaptiveGridLayout::minimumSize() const
{
    // The height follows the width given (heightForWidth); a minimum taken at
    // the narrowest width would keep a wide grid as tall as a one-column one.
    const QMargins m = contentsMargins();
    return {m_minimumColumnWidth + m.left() + m.right(), 0};
}

Qt::Orientations AdaptiveGridLayout::expandingDirections() const
{
    return Qt::Horizontal;
}

bool AdaptiveGridLayout::hasHeightForWidth() const
{
    return true;
}

int AdaptiveGridLayout::heightForWidth(int width) const
{
    return arrange(QRect(0, 0, width, 0), false);
}

void AdaptiveGridLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    arrange(rect, true);
}

int AdaptiveGridLayout::itemHeight(const QLayoutItem *item, int width) const
{
    const int minimum = item->minimumSize().height();
    if (const QWidget *widget = item->widget(); widget && widget->hasHeightForWidth()) {
        // Asked of the widget itself: the layout item's cached answer lags
        // behind when text inside the widget rewraps.
        const int height = widget->layout() ? widget->layout()->totalHeightForWidth(width)
                                            : widget->heightForWidth(width);
        return std::clamp(height, minimum, std::max(minimum, widget->maximumHeight()));
    }
    if (item->hasHeightForWidth()) {
        return std::max(minimum, item->heightForWidth(width));
    }
    return std::max(minimum, item->sizeHint().height());
}

int AdaptiveGridLayout::arrange(const QRect &rect, bool apply) const
{
    const QRect area = rect.marginsRemoved(contentsMargins());
    QList<QLayoutItem *> visible;
    for (QLayoutItem *item : m_items) {
        if (!item->isEmpty()) {
            visible.append(item);
        }
    }
    if (visible.isEmpty()) {
        return 0;
    }
    const int columns = columnsForWidth(area.width());
    const int columnWidth = std::max(0, (area.width() - (columns - 1) * m_spacing) / columns);
    int y = area.top();
    for (int first = 0; first < visible.size(); first += columns) {
        const int last = std::min<int>(first + columns, int(visible.size()));
        int rowHeight = 0;
        for (int i = first; i < last; ++i) {
            rowHeight = std::max(rowHeight, itemHeight(visible[i], columnWidth));
        }
        if (apply) {
            for (int i = first; i < last; ++i) {
                // What can grow takes the row's height, so the cards of a row
                // line up at top and bottom; what can't sits at the top.
                const int wanted = itemHeight(visible[i], columnWidth);
                const int height =
                    std::min(rowHeight, std::max(wanted, visible[i]->maximumSize().height()));
                const int x = area.left() + (i - first) * (columnWidth + m_spacing);
                visible[i]->setGeometry(QRect(x, y, columnWidth, height));
            }
        }
        y += rowHeight + m_spacing;
    }
    const QMargins m = contentsMargins();
    return y - m_spacing - area.top() + m.top() + m.bottom();
}
