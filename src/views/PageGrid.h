#pragma once

#include "document/DocumentTypes.h"
#include "document/OpenFile.h"

#include <QListView>
#include <QPair>
#include <QPointer>

#include <optional>

class AppModel;
class PageCellDelegate;
class PageListModel;
class QMenu;
class ThumbnailRequests;

// The scrolling grid of a document's pages. The user selects pages with
// clicks (Ctrl toggles, Shift extends from the last plain or Ctrl click),
// drags pages before another page, drops files to insert their pages, opens a
// page's context menu, and double-clicks a page to sign it; Select All, Delete
// and Escape work while the grid has the keyboard focus.
//
// The grid owns no document data: the selection is the document's own, and
// every change goes through the app model. It lays out only the rows'
// geometry up front and paints only the cells on screen, asking the thumbnail
// cache for their pictures alone, so a document of a thousand pages opens at
// once.
class PageGrid : public QListView
{
    Q_OBJECT
    Q_PROPERTY(bool targeted READ isTargeted NOTIFY targetedChanged)

public:
    // Columns between these widths, this far apart, inset from every edge.
    static constexpr int minCellWidth = 150;
    static constexpr int maxCellWidth = 210;
    static constexpr int columnSpacing = 18;
    static constexpr int rowSpacing = 22;
    static constexpr int inset = 24;

    PageGrid(AppModel *model, OpenFile *file, QWidget *parent = nullptr);
    ~PageGrid() override;

    PageListModel *pages() const { return m_pages; }
    int columnCount() const { return m_columns; }
    int cellWidth() const { return m_cellWidth; }

    // True while files dragged over the grid would be dropped on it.
    bool isTargeted() const { return m_targeted; }
    // The page from which a Shift-click range is measured.
    std::optional<QUuid> anchor() const { return m_anchor; }

    // A click on a page with the given modifiers: Ctrl toggles the page, Shift
    // selects the range from the anchor, a plain click selects the page alone.
    void select(const QUuid &id, Qt::KeyboardModifiers modifiers);
    // A page dragged onto the page `target`: the selected pages when the
    // dragged one is among them, else the dragged one alone, move before the
    // target. False when the first item is not a page id.
    bool dropPages(const QStringList &items, const QUuid &target);
    // The context menu of a page; the caller owns it.
    QMenu *pageMenu(const PageItem &page);
    // Opens the signing screen of the document at the page.
    void signPage(const QUuid &id);

    // The rows on screen now, first and last included; empty (-1, -2) when none.
    QPair<int, int> visibleRows() const;

signals:
    void targetedChanged();

protected:
    int horizontalOffset() const override;
    int verticalOffset() const override;
    void updateGeometries() override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void paintEvent(QPaintEvent *event) override;
    void timerEvent(QTimerEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool event(QEvent *event) override;

    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void updateMetrics();
    void scheduleRequests();
    void requestVisible();
    void mirrorSelection();
    void setTargeted(bool targeted);
    void startPageDrag(const QModelIndex &index);
    QUuid pageID(const QModelIndex &index) const;

    AppModel *m_model;
    QPointer<OpenFile> m_file;
    PageListModel *m_pages;
    PageCellDelegate *m_delegate;
    ThumbnailRequests *m_requests;

    int m_columns = 1;
    int m_cellWidth = minCellWidth;
    bool m_targeted = false;
    std::optional<QUuid> m_anchor;

    // The press that may become a click or a drag.
    QPersistentModelIndex m_pressIndex;
    QPoint m_pressPos;
    bool m_pressOnBackground = false;
    bool m_dragged = false;

    bool m_requestsScheduled = false;
    int m_spinnerTimer = 0;
};
