#include "app/SidebarView.h"

#include "document/OpenFile.h"
#include "look/BrandMark.h"
#include "look/Icons.h"
#include "look/Theme.h"
#include "model/AppModel.h"
#include "model/MergeModel.h"
#include "platform/FileKinds.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// What a list item stands for.
constexpr int kindRole = Qt::UserRole; // Destination::Kind as int; absent for headers and buttons
constexpr int fileRole = Qt::UserRole + 1; // the document's id for file rows

constexpr int rowHeight = 28;
constexpr int iconSide = 16;

std::optional<Destination> destinationOf(const QListWidgetItem *item)
{
    if (!item || !item->data(kindRole).isValid()) {
        return std::nullopt;
    }
    const auto kind = Destination::Kind(item->data(kindRole).toInt());
    switch (kind) {
    case Destination::Kind::Home:
        return Destination::home();
    case Destination::Kind::File:
        return Destination::file(item->data(fileRole).toUuid());
    case Destination::Kind::Merge:
        return Destination::merge();
    case Destination::Kind::Stamps:
        return Destination::stamps();
    case Destination::Kind::Codes:
        return Destination::codes();
    case Destination::Kind::About:
        return Destination::about();
    }
    return std::nullopt;
}

// Sidebar rows: a soft accent capsule behind the selected one, section titles
// in small secondary text.
class SidebarDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        const QRectF row = QRectF(option.rect).adjusted(8, 1, -8, -1);
        if (option.state & QStyle::State_Selected) {
            Theme::paintCard(*painter, row, 7, Theme::accentSoft());
        }
        if (!index.data(kindRole).isValid()) {
            // A section title (button rows draw themselves).
            const QString title = index.data(Qt::DisplayRole).toString();
            if (!title.isEmpty()) {
                painter->save();
                painter->setFont(Theme::font(11, QFont::DemiBold));
                painter->setPen(Theme::secondaryText());
                painter->drawText(row.adjusted(8, 0, 0, -3), Qt::AlignLeft | Qt::AlignBottom,
                                  title);
                painter->restore();
            }
            return;
        }
        if (index.data(fileRole).isValid()) {
            return; // the row widget draws the file
        }
        painter->save();
        const QIcon icon = index.data(Qt::DecorationRole).value<QIcon>();
        const QRect iconRect(int(row.left()) + 8, int(row.center().y()) - iconSide / 2, iconSide,
                             iconSide);
        icon.paint(painter, iconRect);
        painter->setFont(Theme::font(13));
        painter->setPen(Theme::text());
        painter->drawText(row.adjusted(8 + iconSide + 8, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                          index.data(Qt::DisplayRole).toString());
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem &, const QModelIndex &index) const override
    {
        const bool header =
            !index.data(kindRole).isValid() && !index.data(Qt::DisplayRole).toString().isEmpty();
        return {0, header ? rowHeight + 6 : rowHeight};
    }
};

// The accent dot of a document with unsaved changes.
class EditedDot : public QWidget
{
public:
    explicit EditedDot(QWidget *parent)
        : QWidget(parent)
    {
        setFixedSize(6, 6);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(Theme::accent());
        p.drawEllipse(QRectF(rect()));
    }
};

// Headers and the Open… row are not destinations: clicking them, or the empty
// space below the rows, leaves the selection as it is.
class SidebarList : public QListWidget
{
public:
    explicit SidebarList(QWidget *parent)
        : QListWidget(parent)
    {
        setViewportMargins(0, 8, 0, 0);
    }

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event) const override
    {
        if (!index.isValid() || !(index.flags() & Qt::ItemIsSelectable)) {
            return QItemSelectionModel::NoUpdate;
        }
        return QListWidget::selectionCommand(index, event);
    }
};

} // namespace

// ---- MiddleElidedLabel

MiddleElidedLabel::MiddleElidedLabel(const QString &text, QWidget *parent)
    : QWidget(parent)
    , m_text(text)
{
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    setToolTip(text);
}

QString MiddleElidedLabel::displayedText() const
{
    return fontMetrics().elidedText(m_text, Qt::ElideMiddle, width());
}

QSize MiddleElidedLabel::sizeHint() const
{
    return {fontMetrics().horizontalAdvance(m_text), fontMetrics().height()};
}

QSize MiddleElidedLabel::minimumSizeHint() const
{
    return {0, fontMetrics().height()};
}

void MiddleElidedLabel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter, displayedText());
}

// ---- PageCountLabel

PageCountLabel::PageCountLabel(QWidget *parent)
    : QWidget(parent)
{
    setFont(Theme::font(11, QFont::Medium));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
}

void PageCountLabel::setCount(int count)
{
    if (m_count == count) {
        return;
    }
    m_count = count;
    updateGeometry();
    update();
}

int PageCountLabel::digitWidth() const
{
    int widest = 0;
    for (char c = '0'; c <= '9'; ++c) {
        widest = std::max(widest, fontMetrics().horizontalAdvance(QLatin1Char(c)));
    }
    return widest;
}

QSize PageCountLabel::sizeHint() const
{
    return {digitWidth() * int(QString::number(m_count).size()), fontMetrics().height()};
}

void PageCountLabel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setPen(Theme::secondaryText());
    const QString digits = QString::number(m_count);
    const int cell = digitWidth();
    int x = width() - cell * int(digits.size());
    for (const QChar digit : digits) {
        p.drawText(QRect(x, 0, cell, height()), Qt::AlignCenter, QString(digit));
        x += cell;
    }
}

// ---- FileRow

FileRow::FileRow(AppModel *model, OpenFile *file, QWidget *parent)
    : QWidget(parent)
    , m_model(model)
    , m_file(file)
{
    setObjectName(QStringLiteral("fileRow"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(16, 0, 12, 0);
    layout->setSpacing(6);

    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("fileIcon"));
    const Symbol symbol = file->isPDF() ? Symbol::Document : Symbol::Pictures;
    icon->setPixmap(Icons::icon(symbol, Theme::accent())
                        .pixmap(QSize(iconSide, iconSide), devicePixelRatioF()));
    icon->setProperty("symbol", QVariant::fromValue(int(symbol)));
    layout->addWidget(icon);
    layout->addSpacing(2);

    auto *name = new MiddleElidedLabel(file->name(), this);
    name->setObjectName(QStringLiteral("fileName"));
    name->setFont(Theme::font(13));
    Theme::setTextColor(name, Theme::text());
    layout->addWidget(name, 1);
    layout->addSpacing(4);

    m_editedMark = new EditedDot(this);
    m_editedMark->setObjectName(QStringLiteral("editedMark"));
    m_editedMark->setToolTip(tr("Not saved"));
    layout->addWidget(m_editedMark);

    m_pageCount = new PageCountLabel(this);
    m_pageCount->setObjectName(QStringLiteral("pageCount"));
    layout->addWidget(m_pageCount);

    auto *close = new QToolButton(this);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setAutoRaise(true);
    close->setIcon(Icons::icon(Symbol::Close, Theme::secondaryText()));
    close->setIconSize(QSize(10, 10));
    close->setFixedSize(18, 18);
    close->setToolTip(tr("Close"));
    close->setCursor(Qt::PointingHandCursor);
    layout->addWidget(close);
    connect(close, &QToolButton::clicked, this,
            [this] { SidebarView::requestClose(m_model, m_file); });

    connect(file, &OpenFile::pagesChanged, this, &FileRow::refresh);
    connect(file, &OpenFile::isEditedChanged, this, &FileRow::refresh);
    refresh();
}

void FileRow::refresh()
{
    if (!m_file) {
        return;
    }
    m_editedMark->setVisible(m_file->isEdited());
    m_pageCount->setCount(int(m_file->pages().size()));
}

// ---- SidebarView

void SidebarView::requestClose(AppModel *model, OpenFile *file)
{
    if (!model || !file) {
        return;
    }
    if (file->isEdited()) {
        model->setClosingFile(file);
    } else {
        model->close(file);
    }
}

SidebarView::SidebarView(AppModel *model, QWidget *parent)
    : QWidget(parent)
    , m_model(model)
    , m_list(new SidebarList(this))
{
    setObjectName(QStringLiteral("sidebar"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_list->setObjectName(QStringLiteral("sidebarList"));
    m_list->setItemDelegate(new SidebarDelegate(m_list));
    m_list->setFrameShape(QFrame::NoFrame);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_list->setFocusPolicy(Qt::StrongFocus);
    m_list->setMouseTracking(true);
    QPalette palette = m_list->palette();
    palette.setColor(QPalette::Base, Qt::transparent);
    m_list->setPalette(palette);
    m_list->viewport()->setAutoFillBackground(false);
    layout->addWidget(m_list, 1);

    // The footer stays below the list; it does not scroll with it.
    auto *footer = new QWidget(this);
    footer->setObjectName(QStringLiteral("sidebarFooter"));
    auto *row = new QHBoxLayout(footer);
    row->setContentsMargins(12, 12, 12, 12);
    row->setSpacing(8);
    row->addWidget(new BrandMark(22, footer), 0, Qt::AlignVCenter);
    auto *names = new QVBoxLayout;
    names->setSpacing(0);
    auto *product = new QLabel(tr("Tamsel"), footer);
    product->setFont(Theme::font(12, QFont::DemiBold));
    Theme::setTextColor(product, Theme::text());
    auto *maker = new QLabel(tr("by Vornel Apps"), footer);
    maker->setFont(Theme::font(10));
    Theme::setTextColor(maker, Theme::secondaryText());
    names->addWidget(product);
    names->addWidget(maker);
    row->addLayout(names);
    row->addStretch(1);
    layout->addWidget(footer);

    connect(m_list, &QListWidget::itemSelectionChanged, this, &SidebarView::onSelectionChanged);
    connect(m_list, &QListWidget::customContextMenuRequested, this, &SidebarView::showContextMenu);
    connect(model, &AppModel::filesChanged, this, &SidebarView::rebuild);
    connect(model, &AppModel::destinationChanged, this, &SidebarView::showSelection);
    rebuild();
}

QListWidgetItem *SidebarView::addSection(const QString &title)
{
    auto *item = new QListWidgetItem(title, m_list);
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

QListWidgetItem *SidebarView::addRow(const QString &title, Symbol symbol, const Destination &tag)
{
    auto *item = new QListWidgetItem(Icons::icon(symbol, Theme::accent()), title, m_list);
    item->setData(kindRole, int(tag.kind()));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

void SidebarView::rebuild()
{
    if (!m_model) {
        return;
    }
    m_syncing = true;
    m_list->clear();

    addRow(tr("Home"), Symbol::Home, Destination::home());

    addSection(tr("Files"));
    for (OpenFile *file : m_model->files()) {
        auto *item = new QListWidgetItem(m_list);
        item->setData(kindRole, int(Destination::Kind::File));
        item->setData(fileRole, file->id());
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        item->setSizeHint(QSize(0, rowHeight));
        m_list->setItemWidget(item, new FileRow(m_model, file));
    }
    auto *openItem = new QListWidgetItem(m_list);
    openItem->setFlags(Qt::ItemIsEnabled);
    openItem->setSizeHint(QSize(0, rowHeight));
    auto *open = new QToolButton;
    open->setObjectName(QStringLiteral("openButton"));
    open->setText(tr("Open…"));
    open->setIcon(Icons::icon(Symbol::Add, Theme::accentDeep()));
    open->setIconSize(QSize(iconSide, iconSide));
    open->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    open->setAutoRaise(true);
    open->setFont(Theme::font(13));
    open->setCursor(Qt::PointingHandCursor);
    Theme::setTextColor(open, Theme::accentDeep());
    auto *openHolder = new QWidget;
    auto *openLayout = new QHBoxLayout(openHolder);
    openLayout->setContentsMargins(13, 0, 8, 0);
    openLayout->addWidget(open);
    openLayout->addStretch(1);
    m_list->setItemWidget(openItem, openHolder);
    connect(open, &QToolButton::clicked, this, [this] { chooseAndOpen(); });

    addSection(tr("Tools"));
    addRow(tr("Merge PDFs"), Symbol::Merge, Destination::merge());
    addRow(tr("Signatures & Stamps"), Symbol::Signature, Destination::stamps());
    addRow(tr("QR Codes"), Symbol::QrViewfinder, Destination::codes());

    m_syncing = false;
    showSelection();
}

void SidebarView::showSelection()
{
    if (!m_model) {
        return;
    }
    const std::optional<Destination> destination = m_model->destination();
    m_syncing = true;
    m_list->clearSelection();
    for (int i = 0; destination && i < m_list->count(); ++i) {
        QListWidgetItem *item = m_list->item(i);
        if (destinationOf(item) == destination) {
            item->setSelected(true);
            m_list->setCurrentItem(item, QItemSelectionModel::NoUpdate);
            break;
        }
    }
    m_syncing = false;
}

void SidebarView::onSelectionChanged()
{
    if (m_syncing || !m_model) {
        return;
    }
    const QList<QListWidgetItem *> selected = m_list->selectedItems();
    m_model->setDestination(selected.isEmpty() ? std::nullopt : destinationOf(selected.first()));
}

void SidebarView::showContextMenu(const QPoint &pos)
{
    QListWidgetItem *item = m_list->itemAt(pos);
    if (!m_model || !item || !item->data(fileRole).isValid()) {
        return;
    }
    QPointer<OpenFile> file = m_model->file(item->data(fileRole).toUuid());
    if (!file) {
        return;
    }
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("fileMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    connect(menu->addAction(tr("Save As…")), &QAction::triggered, this, [this, file] {
        if (file && m_model) {
            m_model->saveAs(file);
        }
    });
    connect(menu->addAction(tr("Add to Merge")), &QAction::triggered, this, [this, file] {
        if (file && m_model) {
            m_model->merge()->add(*file);
            m_model->setDestination(Destination::merge());
        }
    });
    menu->addSeparator();
    connect(menu->addAction(tr("Close")), &QAction::triggered, this,
            [this, file] { requestClose(m_model, file); });
    menu->popup(m_list->viewport()->mapToGlobal(pos));
}

QFuture<void> SidebarView::chooseAndOpen()
{
    const QList<FileKind> kinds{FileKind::Pdf, FileKind::Picture};
    const QList<QUrl> urls = co_await m_model->chooseFiles(true, kinds);
    if (m_model) {
        m_model->open(urls);
    }
}
