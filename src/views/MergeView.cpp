#include "views/MergeView.h"

#include "document/OpenFile.h"
#include "look/DropLoader.h"
#include "look/Icons.h"
#include "look/Theme.h"
#include "look/ThemeButton.h"
#include "model/AppModel.h"
#include "model/MergeModel.h"
#include "views/MergeRow.h"

#include <QDragEnterEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPointer>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedLayout>
#include <QVBoxLayout>

namespace {

QString filesText(int count)
{
    return count == 1 ? MergeView::tr("1 file") : MergeView::tr("%n files", nullptr, count);
}

// Opens the panel, then adds what was chosen. Belongs to the model, not to the
// screen: leaving the screen while the panel is open still adds the files.
QFuture<void> chooseAndAdd(AppModel *model)
{
    const QList<FileKind> kinds{FileKind::Pdf, FileKind::Picture};
    const QList<QUrl> urls = co_await model->chooseFiles(true, kinds);
    // Handed on also when cancelled: an empty list adds nothing.
    const QFuture<void> adding = model->addToMerge(urls);
    co_await adding;
}

} // namespace

// ---- MergeListArea

// The card that holds the list, or the empty state with its dashed outline.
class MergeListArea : public QWidget
{
public:
    explicit MergeListArea(QWidget *parent)
        : QWidget(parent)
    {
        setObjectName(QStringLiteral("mergeList"));
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }

    void setTargeted(bool targeted)
    {
        m_targeted = targeted;
        update();
    }
    void setEmpty(bool empty)
    {
        m_empty = empty;
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF body(rect());
        if (m_empty) {
            Theme::paintDropZone(p, body, 18, m_targeted);
        } else {
            // The list draws no outline: its rows already frame it.
            Theme::paintCard(p, body, 18, m_targeted ? Theme::accentSoft() : Theme::surface());
        }
    }

private:
    bool m_targeted = false;
    bool m_empty = true;
};

// ---- MergeView

MergeView::MergeView(AppModel *model, QWidget *parent)
    : QWidget(parent)
    , m_model(model)
{
    setObjectName(QStringLiteral("mergeView"));
    setWindowTitle(tr("Merge PDFs"));
    setAcceptDrops(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Theme::background());
    setPalette(palette);
    setAutoFillBackground(true);

    auto *stack = new QVBoxLayout(this);
    stack->setContentsMargins(28, 28, 28, 28);
    stack->setSpacing(18);

    // Header
    auto *header = new QHBoxLayout;
    header->setSpacing(0);
    auto *titles = new QVBoxLayout;
    titles->setSpacing(4);
    auto *title = Theme::label(tr("Merge PDFs"), 24, QFont::Bold, Theme::text(), this);
    title->setObjectName(QStringLiteral("mergeTitle"));
    titles->addWidget(title);
    auto *detail = Theme::label(
        tr("Drop PDFs and images here, drag them into order, then Merge. Open files join as "
           "they are now, with their turns, removed pages and stamps."),
        13, QFont::Normal, Theme::secondaryText(), this);
    detail->setWordWrap(true);
    detail->setMaximumHeight(QFontMetrics(detail->font()).lineSpacing() * 3 + 2);
    QSizePolicy detailPolicy(QSizePolicy::Expanding, QSizePolicy::Minimum);
    detailPolicy.setHeightForWidth(true);
    detail->setSizePolicy(detailPolicy);
    titles->addWidget(detail);
    header->addLayout(titles, 1);
    header->addSpacing(20);
    auto *add = new ThemeButton(tr("Add"), ThemeButton::Style::Secondary, this);
    add->setObjectName(QStringLiteral("addButton"));
    add->setIcon(Icons::icon(Symbol::Add, Theme::accentDeep()));
    add->setIconSize(QSize(16, 16));
    m_addMenu = new QMenu(add);
    m_addMenu->setObjectName(QStringLiteral("addMenu"));
    add->setMenu(m_addMenu);
    connect(m_addMenu, &QMenu::aboutToShow, this, &MergeView::fillAddMenu);
    header->addWidget(add, 0, Qt::AlignTop);
    stack->addLayout(header);

    // List area: the empty state, or the rows.
    m_listArea = new MergeListArea(this);
    m_listStack = new QStackedLayout(m_listArea);
    // The scroll bar stays inside the card's rounded corners.
    m_listStack->setContentsMargins(0, 6, 4, 6);

    auto *empty = new QWidget(m_listArea);
    empty->setObjectName(QStringLiteral("emptyState"));
    auto *emptyLayout = new QVBoxLayout(empty);
    emptyLayout->setSpacing(10);
    emptyLayout->addStretch(1);
    auto *symbol = new QLabel(empty);
    const int side = 40;
    symbol->setPixmap(
        Icons::icon(Symbol::Merge, Theme::accent()).pixmap(QSize(side, side), devicePixelRatioF()));
    symbol->setAlignment(Qt::AlignCenter);
    emptyLayout->addWidget(symbol);
    auto *emptyTitle =
        Theme::label(tr("Drop files to merge"), 16, QFont::DemiBold, Theme::text(), empty);
    emptyTitle->setAlignment(Qt::AlignCenter);
    emptyLayout->addWidget(emptyTitle);
    auto *emptyDetail = Theme::label(tr("Two or more PDFs or images"), 12.5, QFont::Normal,
                                     Theme::secondaryText(), empty);
    emptyDetail->setAlignment(Qt::AlignCenter);
    emptyLayout->addWidget(emptyDetail);
    emptyLayout->addStretch(1);
    m_listStack->addWidget(empty);

    auto *scroll = new QScrollArea(m_listArea);
    scroll->setObjectName(QStringLiteral("mergeScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The card behind shows through: the list sits on its white.
    scroll->setAutoFillBackground(false);
    scroll->viewport()->setAutoFillBackground(false);
    // A slim bar without arrows, like the rest of the card: a thumb on nothing.
    scroll->verticalScrollBar()->setStyleSheet(QStringLiteral(
        "QScrollBar:vertical { background: transparent; width: 10px; margin: 0; }"
        "QScrollBar::handle:vertical { background: rgba(20, 18, 16, 0.22); border-radius: 3px;"
        " min-height: 32px; margin: 2px 2px 2px 2px; }"
        "QScrollBar::handle:vertical:hover { background: rgba(20, 18, 16, 0.38); }"
        "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; border: none; }"
        "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: transparent; "
        "}"));
    m_rowsHolder = new QWidget;
    m_rowsHolder->setObjectName(QStringLiteral("mergeRows"));
    m_rowsHolder->setAutoFillBackground(false);
    m_rowsLayout = new QVBoxLayout(m_rowsHolder);
    m_rowsLayout->setContentsMargins(12, 6, 8,
                                     6); // 12 from the card on every side, with the stack's inset
    m_rowsLayout->setSpacing(8);
    m_rowsLayout->addStretch(1);
    scroll->setWidget(m_rowsHolder);
    m_rowsHolder->setAutoFillBackground(false); // setWidget turns it on
    m_listStack->addWidget(scroll);
    stack->addWidget(m_listArea, 1);

    // Footer
    auto *footer = new QHBoxLayout;
    footer->setSpacing(10);
    m_summary = Theme::label(QString(), 13, QFont::Normal, Theme::secondaryText(), this);
    m_summary->setObjectName(QStringLiteral("mergeSummary"));
    footer->addWidget(m_summary, 0, Qt::AlignVCenter);
    footer->addStretch(1);
    m_clear = new ThemeButton(tr("Clear"), ThemeButton::Style::Secondary, this);
    m_clear->setObjectName(QStringLiteral("clearButton"));
    footer->addWidget(m_clear);
    m_merge = new ThemeButton(tr("Merge…"), ThemeButton::Style::Primary, this);
    m_merge->setObjectName(QStringLiteral("mergeButton"));
    footer->addWidget(m_merge);
    stack->addLayout(footer);

    connect(m_clear, &QAbstractButton::clicked, this, [this] { m_model->merge()->setItems({}); });
    connect(m_merge, &QAbstractButton::clicked, this, [this] { m_model->mergeFiles(); });
    connect(m_model->merge(), &MergeModel::itemsChanged, this, [this] {
        syncRows();
        updateFooter();
    });
    connect(m_model, &AppModel::busyChanged, this, &MergeView::updateFooter);
    syncRows();
    updateFooter();
}

bool MergeView::moveEntry(MergeModel *merge, const QUuid &dragged, const QUuid &target)
{
    const QList<MergeItem> &items = merge->items();
    const auto indexOf = [&items](const QUuid &id) -> qsizetype {
        for (qsizetype i = 0; i < items.size(); ++i) {
            if (items[i].id == id) {
                return i;
            }
        }
        return -1;
    };
    const qsizetype from = indexOf(dragged);
    const qsizetype to = indexOf(target);
    if (from < 0 || to < 0 || from == to) {
        return false;
    }
    merge->move({int(from)}, int(from < to ? to + 1 : to));
    return true;
}

void MergeView::fillAddMenu()
{
    m_addMenu->clear();
    QAction *files = m_addMenu->addAction(tr("Add Files…"));
    files->setObjectName(QStringLiteral("addFilesAction"));
    QPointer<AppModel> model(m_model);
    connect(files, &QAction::triggered, m_model, [model] {
        if (model) {
            chooseAndAdd(model);
        }
    });
    if (m_model->files().isEmpty()) {
        return;
    }
    m_addMenu->addSeparator();
    for (OpenFile *file : m_model->files()) {
        // A name is data, not a text to translate; '&' must not become a mnemonic.
        QString title = file->name();
        title.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction *action = m_addMenu->addAction(title);
        action->setData(file->id());
        QPointer<OpenFile> target(file);
        connect(action, &QAction::triggered, m_model, [model, target] {
            if (model && target) {
                model->merge()->add(*target);
            }
        });
    }
}

void MergeView::syncRows()
{
    const QList<MergeItem> &items = m_model->merge()->items();
    QSet<QUuid> present;
    for (const MergeItem &item : items) {
        present.insert(item.id);
    }
    // Rows of entries that are gone go later: one of them may be running the
    // remove button's click or a drag right now.
    for (auto it = m_rows.begin(); it != m_rows.end();) {
        if (!present.contains(it.key())) {
            it.value()->hide();
            m_rowsLayout->removeWidget(it.value());
            it.value()->deleteLater();
            it = m_rows.erase(it);
        } else {
            ++it;
        }
    }
    for (qsizetype i = 0; i < items.size(); ++i) {
        MergeRow *row = m_rows.value(items[i].id);
        if (!row) {
            row = new MergeRow(m_model, items[i], m_rowsHolder);
            m_rows.insert(items[i].id, row);
            m_rowsLayout->insertWidget(int(i), row);
        } else if (m_rowsLayout->indexOf(row) != int(i)) {
            m_rowsLayout->removeWidget(row);
            m_rowsLayout->insertWidget(int(i), row);
        }
        row->setNumber(int(i) + 1);
        row->show();
    }
    m_listArea->setEmpty(items.isEmpty());
    m_listStack->setCurrentIndex(items.isEmpty() ? 0 : 1);
}

void MergeView::updateFooter()
{
    const QList<MergeItem> &items = m_model->merge()->items();
    if (items.isEmpty()) {
        m_summary->clear();
    } else {
        m_summary->setText(filesText(int(items.size())) + QStringLiteral(" · ") +
                           MergeRow::pagesText(m_model->merge()->pageCount()));
    }
    m_clear->setVisible(!items.isEmpty());
    m_merge->setEnabled(items.size() >= 2 && !m_model->busy());
}

void MergeView::setTargeted(bool targeted)
{
    if (m_targeted == targeted) {
        return;
    }
    m_targeted = targeted;
    m_listArea->setTargeted(targeted);
    emit targetedChanged();
}

void MergeView::dragEnterEvent(QDragEnterEvent *event)
{
    if (DropLoader::urls(event->mimeData()).isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    setTargeted(true);
}

void MergeView::dragMoveEvent(QDragMoveEvent *event)
{
    if (DropLoader::urls(event->mimeData()).isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
}

void MergeView::dragLeaveEvent(QDragLeaveEvent *event)
{
    setTargeted(false);
    event->accept();
}

void MergeView::dropEvent(QDropEvent *event)
{
    setTargeted(false);
    const QList<QUrl> urls = DropLoader::urls(event->mimeData());
    if (urls.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    m_model->addToMerge(urls);
}
