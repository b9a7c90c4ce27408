#include "views/PageGrid.h"

#include "document/OpenFile.h"
#include "look/Theme.h"
#include "model/AppModel.h"
#include "model/Thumbnails.h"
#include "stamps/StampLibrary.h"
#include "views/PageCell.h"
#include "views/PageCellDelegate.h"
#include "views/PageImage.h"
#include "views/PageListModel.h"
#include "views/ThumbnailRequests.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>

PageGrid::PageGrid(AppModel *model, OpenFile *file, QWidget *parent)
    : QListView(parent)
    , m_model(model)
    , m_file(file)
{
    setObjectName(QStringLiteral("pageGrid"));
    m_pages = new PageListModel(file, this);
    m_delegate = new PageCellDelegate(model, file, m_pages, this);
    m_requests = new ThumbnailRequests(model->thumbnails(), this);

    setViewMode(QListView::IconMode);
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setLayoutMode(QListView::Batched);
    setBatchSize(400);
    setUniformItemSizes(true);
    setWrapping(true);
    setFlow(QListView::LeftToRight);
    setSelectionMode(QAbstractItemView::NoSelection);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFrameShape(QFrame::NoFrame);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true); // drops land on the viewport, not on the frame around it
    setDropIndicatorShown(false);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_MacShowFocusRect, false);

    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, Theme::background());
    palette.setColor(QPalette::Window, Theme::background());
    setPalette(palette);
    viewport()->setAutoFillBackground(true);

    setItemDelegate(m_delegate);
    setModel(m_pages);
    verticalScrollBar()->setSingleStep(40);
    // A slim bar over the warm background instead of the platform's trough.
    verticalScrollBar()->setStyleSheet(QStringLiteral(
        "QScrollBar:vertical { background: transparent; width: 12px; margin: 4px 3px 4px 3px; }"
        "QScrollBar::handle:vertical { background: rgba(20, 18, 16, 0.22); border-radius: 3px;"
        " min-height: 36px; }"
        "QScrollBar::handle:vertical:hover { background: rgba(20, 18, 16, 0.36); }"
        "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
        "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: transparent; "
        "}"));

    connect(file, &OpenFile::selectionChanged, this, [this] {
        mirrorSelection();
        viewport()->update();
    });
    connect(m_pages, &QAbstractItemModel::modelReset, this, [this] {
        mirrorSelection();
        scheduleRequests();
    });
    connect(m_pages, &QAbstractItemModel::dataChanged, this, &PageGrid::scheduleRequests);
    connect(model->thumbnails(), &Thumbnails::imagesChanged, this,
            [this](const Thumbnails::Key &key) {
                if (key.longSide != PageCell::thumbnailLongSide) {
                    return;
                }
                const auto [first, last] = visibleRows();
                for (int row = first; row <= last; ++row) {
                    if (PageImage::key(m_pages->page(row), PageCell::thumbnailLongSide) == key) {
                        viewport()->update(visualRect(m_pages->index(row)));
                        // A picture dropped while on screen is asked for again.
                        scheduleRequests();
                    }
                }
            });
    connect(model->stamps(), &StampLibrary::imagesChanged, viewport(),
            qOverload<>(&QWidget::update));
    mirrorSelection();
    updateMetrics();
}

PageGrid::~PageGrid() = default;

// ---- Geometry

void PageGrid::updateMetrics()
{
    // As many columns of at least the minimum width as fit; the columns share
    // the width, and a cell capped at the maximum sits centred in its column.
    const int available = std::max(viewport()->width() - 2 * inset, minCellWidth);
    const int columns = std::max(1, (available + columnSpacing) / (minCellWidth + columnSpacing));
    const int column = (available - columnSpacing * (columns - 1)) / columns;
    const int cell = std::min(column, maxCellWidth);
    const QSize grid(column + columnSpacing, PageCell::height + rowSpacing);
    if (columns == m_columns && cell == m_cellWidth && gridSize() == grid) {
        return;
    }
    m_columns = columns;
    m_cellWidth = cell;
    m_delegate->setCellWidth(cell);
    setGridSize(grid);
    scheduleRequests();
}

int PageGrid::horizontalOffset() const
{
    // The first column's slot starts half a column gap left of the inset.
    return QListView::horizontalOffset() - (inset - columnSpacing / 2);
}

int PageGrid::verticalOffset() const
{
    return QListView::verticalOffset() - inset;
}

void PageGrid::updateGeometries()
{
    QListView::updateGeometries();
    // Room for the inset above the first row and below the last one (whose
    // slot already ends with a row gap).
    QScrollBar *bar = verticalScrollBar();
    const int content = contentsSize().height() + 2 * inset - rowSpacing;
    bar->setRange(0, std::max(0, content - viewport()->height()));
    bar->setPageStep(viewport()->height());
}

void PageGrid::resizeEvent(QResizeEvent *event)
{
    QListView::resizeEvent(event);
    updateMetrics();
}

void PageGrid::scrollContentsBy(int dx, int dy)
{
    QListView::scrollContentsBy(dx, dy);
    scheduleRequests();
}

QPair<int, int> PageGrid::visibleRows() const
{
    const int count = m_pages->rowCount();
    const int slot = PageCell::height + rowSpacing;
    if (count == 0 || viewport()->height() <= 0) {
        return {-1, -2};
    }
    const int top = verticalScrollBar()->value() - inset;
    const int firstLine = std::max(0, top / slot);
    const int lastLine = std::max(0, (top + viewport()->height()) / slot);
    const int first = std::min(count - 1, firstLine * m_columns);
    const int last = std::min(count - 1, (lastLine + 1) * m_columns - 1);
    return {first, last};
}

// ---- Pictures

void PageGrid::scheduleRequests()
{
    if (m_requestsScheduled) {
        return;
    }
    // Once per turn of the event loop, however many scroll steps came in.
    m_requestsScheduled = true;
    QTimer::singleShot(0, this, &PageGrid::requestVisible);
}

void PageGrid::requestVisible()
{
    m_requestsScheduled = false;
    QList<Thumbnails::Key> wanted;
    bool missing = false;
    if (isVisible()) {
        const auto [first, last] = visibleRows();
        for (int row = first; row <= last; ++row) {
            const Thumbnails::Key key =
                PageImage::key(m_pages->page(row), PageCell::thumbnailLongSide);
            if (m_model->thumbnails()->image(key).isNull()) {
                wanted.append(key);
                missing = true;
            }
        }
    }
    m_requests->setWanted(wanted);
    if (missing && !m_spinnerTimer) {
        m_spinnerTimer = startTimer(100);
    } else if (!missing && m_spinnerTimer) {
        killTimer(m_spinnerTimer);
        m_spinnerTimer = 0;
    }
}

void PageGrid::showEvent(QShowEvent *event)
{
    QListView::showEvent(event);
    scheduleRequests();
}

void PageGrid::hideEvent(QHideEvent *event)
{
    QListView::hideEvent(event);
    // A grid out of sight wants nothing; what runs still lands in the cache.
    scheduleRequests();
}

void PageGrid::timerEvent(QTimerEvent *event)
{
    if (event->timerId() == m_spinnerTimer) {
        // Turns the spinners of the cells still waiting for their picture.
        viewport()->update();
        if (!m_delegate->takeMissing()) {
            scheduleRequests();
        }
        return;
    }
    QListView::timerEvent(event);
}

void PageGrid::paintEvent(QPaintEvent *event)
{
    if (m_targeted) {
        QPainter painter(viewport());
        painter.fillRect(viewport()->rect(), Theme::accentSoft());
    }
    QListView::paintEvent(event);
}

// ---- Selection

QUuid PageGrid::pageID(const QModelIndex &index) const
{
    return index.isValid() ? m_pages->page(index.row()).id : QUuid();
}

void PageGrid::select(const QUuid &id, Qt::KeyboardModifiers modifiers)
{
    if (!m_file) {
        return;
    }
    setFocus(Qt::MouseFocusReason);
    if (modifiers & Qt::ControlModifier) {
        QSet<QUuid> selection = m_file->selection();
        if (!selection.remove(id)) {
            selection.insert(id);
        }
        m_file->setSelection(selection);
        m_anchor = id;
        return;
    }
    if ((modifiers & Qt::ShiftModifier) && m_anchor) {
        const int from = m_pages->row(*m_anchor);
        const int to = m_pages->row(id);
        if (from >= 0 && to >= 0) {
            QSet<QUuid> range;
            for (int row = std::min(from, to); row <= std::max(from, to); ++row) {
                range.insert(m_pages->page(row).id);
            }
            m_file->setSelection(range);
            return;
        }
    }
    m_file->setSelection({id});
    m_anchor = id;
}

void PageGrid::mirrorSelection()
{
    // The view's own selection follows the document's, for accessibility and
    // for anyone reading the view; the document's stays the one that counts.
    if (!m_file) {
        return;
    }
    QItemSelection mirrored;
    int start = -1;
    const QSet<QUuid> &selection = m_file->selection();
    for (int row = 0; row <= m_pages->rowCount(); ++row) {
        const bool selected =
            row < m_pages->rowCount() && selection.contains(m_pages->page(row).id);
        if (selected && start < 0) {
            start = row;
        } else if (!selected && start >= 0) {
            mirrored.select(m_pages->index(start), m_pages->index(row - 1));
            start = -1;
        }
    }
    selectionModel()->select(mirrored, QItemSelectionModel::ClearAndSelect);
}

void PageGrid::signPage(const QUuid &id)
{
    if (!m_file) {
        return;
    }
    m_model->setSigningStartPage(id);
    m_model->setSigningFileID(m_file->id());
}

// ---- Mouse

void PageGrid::mousePressEvent(QMouseEvent *event)
{
    setFocus(Qt::MouseFocusReason);
    m_dragged = false;
    m_pressIndex = QPersistentModelIndex();
    m_pressOnBackground = false;
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    const QModelIndex index = indexAt(event->position().toPoint());
    m_pressPos = event->position().toPoint();
    if (index.isValid()) {
        m_pressIndex = index;
    } else {
        m_pressOnBackground = true;
    }
    event->accept();
}

void PageGrid::mouseMoveEvent(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton) || !m_pressIndex.isValid() || m_dragged) {
        event->accept();
        return;
    }
    if ((event->position().toPoint() - m_pressPos).manhattanLength() <
        QApplication::startDragDistance()) {
        return;
    }
    m_dragged = true;
    startPageDrag(m_pressIndex);
}

void PageGrid::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || m_dragged) {
        m_pressIndex = QPersistentModelIndex();
        event->accept();
        return;
    }
    // A click is a press and a release on the same place: a page, or the
    // ground between and around the pages.
    const QModelIndex index = indexAt(event->position().toPoint());
    if (m_pressIndex.isValid() && index == m_pressIndex) {
        select(pageID(index), event->modifiers());
    } else if (m_pressOnBackground && !index.isValid() && m_file) {
        m_file->setSelection({});
    }
    m_pressIndex = QPersistentModelIndex();
    m_pressOnBackground = false;
    event->accept();
}

void PageGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    // The first click of the pair has selected the page already.
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid()) {
        m_pressIndex = QPersistentModelIndex();
        m_dragged = true; // the release ends the double-click, it is no click of its own
        signPage(pageID(index));
    } else {
        mousePressEvent(event);
    }
    event->accept();
}

void PageGrid::contextMenuEvent(QContextMenuEvent *event)
{
    const QModelIndex index = indexAt(event->pos());
    if (!index.isValid()) {
        event->accept();
        return;
    }
    QMenu *menu = pageMenu(m_pages->page(index.row()));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
    event->accept();
}

QMenu *PageGrid::pageMenu(const PageItem &page)
{
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("pageMenu"));
    QSet<QUuid> targets{page.id};
    if (m_file && m_file->selection().contains(page.id)) {
        targets = m_file->selection();
    }
    const QUuid clicked = page.id;
    QPointer<OpenFile> file = m_file;
    AppModel *model = m_model;

    menu->addAction(tr("Rotate Left"), this, [model, file, targets] {
        if (file) {
            model->turn(file, targets, false);
        }
    });
    menu->addAction(tr("Rotate Right"), this, [model, file, targets] {
        if (file) {
            model->turn(file, targets, true);
        }
    });
    // A menu takes "&" as the mark of a mnemonic; the title shows it as written.
    QAction *sign =
        menu->addAction(tr("Sign & Stamp").replace(QLatin1Char('&'), QLatin1String("&&")), this,
                        [this, clicked] { signPage(clicked); });
    sign->setObjectName(QStringLiteral("signAction"));
    menu->addAction(tr("Extract…"), this, [model, file, targets] {
        if (file) {
            file->setSelection(targets);
            model->extract(file);
        }
    });
    menu->addSeparator();
    QAction *remove = menu->addAction(tr("Delete"), this, [model, file, targets] {
        if (file) {
            model->deletePages(file, targets);
        }
    });
    remove->setObjectName(QStringLiteral("deleteAction"));
    return menu;
}

// ---- Keyboard

bool PageGrid::event(QEvent *event)
{
    // Select All, Delete and Escape belong to the grid while it has the focus,
    // even when a window-wide shortcut would claim the same keys.
    if (event->type() == QEvent::ShortcutOverride) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->matches(QKeySequence::SelectAll) || key->matches(QKeySequence::Delete) ||
            key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Escape) {
            event->accept();
            return true;
        }
    }
    return QListView::event(event);
}

void PageGrid::keyPressEvent(QKeyEvent *event)
{
    if (!m_file) {
        QListView::keyPressEvent(event);
        return;
    }
    if (event->matches(QKeySequence::SelectAll)) {
        QSet<QUuid> all;
        for (const PageItem &page : m_file->pages()) {
            all.insert(page.id);
        }
        m_file->setSelection(all);
    } else if (event->matches(QKeySequence::Delete) || event->key() == Qt::Key_Backspace) {
        m_model->deletePages(m_file, m_file->selection());
    } else if (event->key() == Qt::Key_Escape) {
        m_file->setSelection({});
    } else {
        QListView::keyPressEvent(event);
        return;
    }
    event->accept();
}
