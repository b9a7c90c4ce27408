#include "stampviews/TileGrid.h"

#include <QChildEvent>

#include <cmath>

TileGrid::TileGrid(int minimumColumnWidth, int spacing, QWidget *parent)
    : QWidget(parent)
    , m_minimumColumnWidth(minimumColumnWidth)
    , m_spacing(spacing)
{
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

int TileGrid::columnsFor(int width) const
{
    return std::max(1, (width + m_spacing) / (m_minimumColumnWidth + m_spacing));
}

namespace {

// Tiles are usually of a fixed height and give no size hint of their own.
int tileHeight(const QWidget *tile)
{
    return std::max(tile->minimumHeight(), tile->sizeHint().height());
}

} // namespace

QList<QWidget *> TileGrid::tiles() const
{
    QList<QWidget *> shown;
    for (QWidget *child : findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!child->isHidden()) {
            shown.append(child);
        }
    }
    return shown;
}

QList<int> TileGrid::rowTops(int width, int *height) const
{
    const QList<QWidget *> items = tiles();
    const int columns = columnsFor(width);
    QList<int> tops;
    int top = 0;
    for (int first = 0; first < items.size(); first += columns) {
        int tallest = 0;
        for (int i = first; i < std::min<int>(first + columns, int(items.size())); ++i) {
            tallest = std::max(tallest, tileHeight(items.at(i)));
        }
        tops.append(top);
        top += tallest + m_spacing;
    }
    *height = tops.isEmpty() ? 0 : top - m_spacing;
    return tops;
}

int TileGrid::heightForWidth(int width) const
{
    int height = 0;
    rowTops(width, &height);
    return height;
}

QSize TileGrid::sizeHint() const
{
    const int width = 2 * m_minimumColumnWidth + m_spacing;
    return QSize(width, heightForWidth(width));
}

QSize TileGrid::minimumSizeHint() const
{
    return QSize(m_minimumColumnWidth, heightForWidth(m_minimumColumnWidth));
}

void TileGrid::resizeEvent(QResizeEvent *)
{
    arrange();
}

void TileGrid::arrange()
{
    updateGeometry();
    const QList<QWidget *> items = tiles();
    const int columns = columnsFor(width());
    int height = 0;
    const QList<int> tops = rowTops(width(), &height);
    const qreal each = qreal(width() - (columns - 1) * m_spacing) / columns;
    for (int i = 0; i < items.size(); ++i) {
        const int column = i % columns;
        const int left = int(std::round(column * (each + m_spacing)));
        const int right = int(std::round(column * (each + m_spacing) + each));
        items.at(i)->setGeometry(left, tops.at(i / columns), right - left, tileHeight(items.at(i)));
    }
}

void TileGrid::childEvent(QChildEvent *event)
{
    QWidget::childEvent(event);
    if (event->added() || event->removed()) {
        updateGeometry();
    }
}
