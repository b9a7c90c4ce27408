#include "views/PageCellDelegate.h"

#include "document/OpenFile.h"
#include "views/PageGrid.h"
#include "views/PageListModel.h"

#include <QAbstractItemView>
#include <QDateTime>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

PageCellDelegate::PageCellDelegate(AppModel *model, OpenFile *file, PageListModel *pages,
                                   QObject *parent)
    : QAbstractItemDelegate(parent)
    , m_model(model)
    , m_file(file)
    , m_pages(pages)
    , m_cellWidth(PageGrid::minCellWidth)
{}

void PageCellDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                             const QModelIndex &index) const
{
    const PageItem &page = m_pages->page(index.row());
    const bool selected = m_file && m_file->selection().contains(page.id);
    const qreal phase = (QDateTime::currentMSecsSinceEpoch() % 1000) / 1000.0;
    const bool cached = PageCell::paint(*painter, QRectF(option.rect), page, index.row() + 1,
                                        selected, *m_model, phase, m_look);
    m_missing = m_missing || !cached;
}

QSize PageCellDelegate::sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const
{
    return {m_cellWidth, PageCell::height};
}

bool PageCellDelegate::helpEvent(QHelpEvent *event, QAbstractItemView *view,
                                 const QStyleOptionViewItem &option, const QModelIndex &index)
{
    if (event->type() != QEvent::ToolTip || !index.isValid()) {
        return false;
    }
    const PageItem &page = m_pages->page(index.row());
    const QRectF badge = PageCell::badgeRect(QRectF(option.rect), page, index.row() + 1, m_look);
    if (!badge.isEmpty() && badge.adjusted(-3, -3, 3, 3).contains(event->pos())) {
        QToolTip::showText(event->globalPos(), PageGrid::tr("Has signatures or stamps"), view,
                           badge.toAlignedRect());
        return true;
    }
    QToolTip::hideText();
    event->ignore();
    return true;
}

bool PageCellDelegate::takeMissing() const
{
    const bool missing = m_missing;
    m_missing = false;
    return missing;
}
