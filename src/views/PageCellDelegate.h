#pragma once

#include "views/PageCell.h"

#include <QAbstractItemDelegate>
#include <QPointer>

class AppModel;
class OpenFile;
class PageListModel;

// Paints the page grid's cells; the grid tells it how wide a cell is now. A
// tooltip names the signatures-and-stamps badge.
class PageCellDelegate : public QAbstractItemDelegate
{
public:
    PageCellDelegate(AppModel *model, OpenFile *file, PageListModel *pages, QObject *parent);

    void setCellWidth(int width) { m_cellWidth = width; }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;

    // Whether a cell painted since the last call showed a placeholder.
    bool takeMissing() const;

private:
    AppModel *m_model;
    QPointer<OpenFile> m_file;
    PageListModel *m_pages;
    const PageCell::Look m_look;
    int m_cellWidth;
    mutable bool m_missing = false;
};
