// The page grid's dragging and dropping: a page dragged before another page,
// and files dropped on the grid to insert their pages.

#include "views/PageGrid.h"

#include "look/DropLoader.h"
#include "model/AppModel.h"
#include "views/IdDrag.h"
#include "views/PageCell.h"
#include "views/PageListModel.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

#include <algorithm>

void PageGrid::startPageDrag(const QModelIndex &index)
{
    const PageItem page = m_pages->page(index.row());
    auto *drag = new QDrag(this);
    drag->setMimeData(IdDrag::mimeData(page.id));
    const int previewWidth = 120;
    const QPixmap preview =
        PageCell::dragPreview(page, index.row() + 1, *m_model, previewWidth, devicePixelRatioF());
    drag->setPixmap(preview);
    // Holds the preview where the pointer took the cell, scaled to the preview.
    const QRect cell = visualRect(index);
    const qreal scale = qreal(previewWidth) / std::max(cell.width(), 1);
    const QPoint inCell = m_pressPos - cell.topLeft();
    drag->setHotSpot(QPoint(int(inCell.x() * scale), std::min(inCell.y(), PageCell::height - 1)));
    drag->exec(Qt::MoveAction);
}

bool PageGrid::dropPages(const QStringList &items, const QUuid &target)
{
    if (items.isEmpty() || !m_file) {
        return false;
    }
    const std::optional<QUuid> dragged = IdDrag::id(items.first());
    if (!dragged) {
        return false;
    }
    QList<QUuid> moving{*dragged};
    if (m_file->selection().contains(*dragged)) {
        moving.clear();
        for (const PageItem &page : m_file->pages()) {
            if (m_file->selection().contains(page.id)) {
                moving.append(page.id);
            }
        }
    }
    m_model->move(m_file, moving, target);
    return true;
}

void PageGrid::setTargeted(bool targeted)
{
    if (m_targeted == targeted) {
        return;
    }
    m_targeted = targeted;
    viewport()->update();
    emit targetedChanged();
}

void PageGrid::dragEnterEvent(QDragEnterEvent *event)
{
    const QMimeData *data = event->mimeData();
    if (IdDrag::id(data)) {
        setState(DraggingState);
        event->acceptProposedAction();
    } else if (data && data->hasUrls()) {
        setTargeted(true);
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void PageGrid::dragMoveEvent(QDragMoveEvent *event)
{
    const QMimeData *data = event->mimeData();
    startAutoScroll();
    if (IdDrag::id(data)) {
        // A page lands on another page, not on the ground between them.
        const QModelIndex index = indexAt(event->position().toPoint());
        if (index.isValid()) {
            event->acceptProposedAction();
        } else {
            event->ignore();
        }
    } else if (data && data->hasUrls()) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void PageGrid::dragLeaveEvent(QDragLeaveEvent *event)
{
    stopAutoScroll();
    setState(NoState);
    setTargeted(false);
    event->accept();
}

void PageGrid::dropEvent(QDropEvent *event)
{
    stopAutoScroll();
    setState(NoState);
    setTargeted(false);
    const QMimeData *data = event->mimeData();
    if (data && data->hasText() && IdDrag::id(data)) {
        const QModelIndex index = indexAt(event->position().toPoint());
        if (index.isValid() && dropPages({data->text()}, pageID(index))) {
            event->setDropAction(Qt::MoveAction);
            event->accept();
            return;
        }
        event->ignore();
        return;
    }
    if (data && data->hasUrls()) {
        // Taken at once; the files are read afterwards, with their password
        // questions, and whatever could not be read is left out.
        if (m_file) {
            m_model->insertPages(m_file, DropLoader::urls(data));
        }
        event->acceptProposedAction();
        return;
    }
    event->ignore();
}
