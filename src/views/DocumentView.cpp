#include "views/DocumentView.h"

#include "document/OpenFile.h"
#include "look/Icons.h"
#include "look/Theme.h"
#include "look/ThemeButton.h"
#include "model/AppModel.h"
#include "model/MergeModel.h"
#include "views/PageGrid.h"

#include <QAbstractButton>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int barSpacing = 10;
constexpr int toolSpacing = 8;
constexpr int minTitleWidth = 120;
constexpr int minGap = 12;

// A label that shortens its text with an ellipsis where it must instead of
// growing the window. Its text may be shown as two lines, each shortened on
// its own.
class ElidedLabel : public QLabel
{
public:
    ElidedLabel(Qt::TextElideMode mode, QWidget *parent = nullptr)
        : QLabel(parent)
        , m_mode(mode)
    {
        setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    }

    // The text as lines: one, or two when `lines` splits it.
    QStringList lines() const { return m_lines.isEmpty() ? QStringList{text()} : m_lines; }
    void setLines(const QStringList &lines)
    {
        if (lines != m_lines) {
            m_lines = lines;
            updateGeometry();
            update();
        }
    }

    QSize sizeHint() const override
    {
        const QMargins m = contentsMargins();
        int width = 0;
        for (const QString &line : lines()) {
            width = std::max(width, fontMetrics().horizontalAdvance(line));
        }
        return {width + m.left() + m.right(),
                int(lines().size()) * fontMetrics().height() + m.top() + m.bottom()};
    }
    QSize minimumSizeHint() const override { return {0, sizeHint().height()}; }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(palette().color(foregroundRole()));
        painter.setFont(font());
        const QStringList shown = lines();
        const int lineHeight = fontMetrics().height();
        QRect line = contentsRect();
        line.setTop(line.top() + (line.height() - lineHeight * int(shown.size())) / 2);
        line.setHeight(lineHeight);
        for (const QString &text : shown) {
            painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter,
                             fontMetrics().elidedText(text, m_mode, line.width()));
            line.translate(0, lineHeight);
        }
    }

private:
    Qt::TextElideMode m_mode;
    QStringList m_lines;
};

const QString statusSeparator = QStringLiteral(" · ");

// The status line on two lines, split between two of its pieces where the
// longer line is shortest; empty when it has a single piece.
QStringList statusOnTwoLines(const QString &status, const QFontMetrics &metrics)
{
    const QStringList pieces = status.split(statusSeparator);
    QStringList best;
    int bestWidth = 0;
    for (qsizetype cut = 1; cut < pieces.size(); ++cut) {
        const QStringList lines{pieces.mid(0, cut).join(statusSeparator),
                                pieces.mid(cut).join(statusSeparator)};
        const int width =
            std::max(metrics.horizontalAdvance(lines[0]), metrics.horizontalAdvance(lines[1]));
        if (best.isEmpty() || width < bestWidth) {
            best = lines;
            bestWidth = width;
        }
    }
    return best;
}

// One symbol of the page controls: flat, with a soft fill under the pointer.
class GroupButton : public QAbstractButton
{
public:
    GroupButton(Symbol symbol, QWidget *parent = nullptr)
        : QAbstractButton(parent)
    {
        setIcon(Icons::icon(symbol, Theme::text()));
        setIconSize(QSize(16, 16));
        setCursor(Qt::PointingHandCursor);
        setAttribute(Qt::WA_Hover);
        setFocusPolicy(Qt::TabFocus);
        setFixedSize(36, 30);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        if (isEnabled() && (underMouse() || isDown())) {
            const QColor fill = Theme::withOpacity(Theme::text(), isDown() ? 0.10 : 0.05);
            painter.fillRect(rect(), fill);
        }
        if (hasFocus()) {
            Theme::paintFocusRing(painter, QRectF(rect()).adjusted(2, 2, -2, -2), 6);
        }
        const QRect iconRect(QPoint(0, 0), iconSize());
        icon().paint(&painter, iconRect.translated(rect().center() - iconRect.center()),
                     Qt::AlignCenter, isEnabled() ? QIcon::Normal : QIcon::Disabled);
    }
};

// The white rounded strip holding the page controls, a hairline between each.
class ControlGroup : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const QRectF body = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        Theme::paintCard(painter, body, 9, Theme::surface(), Theme::withOpacity(Qt::black, 0.12));
        painter.setPen(QPen(Theme::hairline(), 1));
        const auto buttons = findChildren<QAbstractButton *>(Qt::FindDirectChildrenOnly);
        for (qsizetype i = 1; i < buttons.size(); ++i) {
            const qreal x = buttons[i]->geometry().left() - 0.5;
            painter.drawLine(QPointF(x, 6), QPointF(x, height() - 6));
        }
        // The page controls are clipped to the rounded shape so their hover
        // fill does not spill over the corners.
    }

    void resizeEvent(QResizeEvent *event) override
    {
        QWidget::resizeEvent(event);
        setMask(QRegion(Theme::continuousRect(QRectF(rect()), 9).toFillPolygon().toPolygon()));
    }
};

// The four tool buttons, either all with their titles or all with their
// symbols alone; the screen picks the titled row when it fits.
class ToolRow : public QWidget
{
public:
    explicit ToolRow(QWidget *parent = nullptr)
        : QWidget(parent)
    {
        m_layout = new QHBoxLayout(this);
        m_layout->setContentsMargins(0, 0, 0, 0);
        m_layout->setSpacing(toolSpacing);
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    }

    // Takes a button with its title and symbol set.
    void add(ThemeButton *button)
    {
        m_buttons.append(button);
        m_titles.append(button->text());
        m_layout->addWidget(button);
        updateGeometry();
    }

    // Measured when asked: the buttons' font is theirs only once they are shown.
    int titledWidth() const { return rowWidth(true); }
    bool isCompact() const { return m_compact; }
    void setCompact(bool compact)
    {
        if (compact == m_compact) {
            return;
        }
        m_compact = compact;
        for (qsizetype i = 0; i < m_buttons.size(); ++i) {
            m_buttons[i]->setText(compact ? QString() : m_titles[i]);
        }
        updateGeometry();
    }

    QSize sizeHint() const override { return {rowWidth(!m_compact), rowHeight()}; }
    // The symbols alone at the least, so the window can always be made that narrow.
    QSize minimumSizeHint() const override { return {rowWidth(false), rowHeight()}; }

private:
    int rowWidth(bool titled) const
    {
        int sum = 0;
        for (qsizetype i = 0; i < m_buttons.size(); ++i) {
            sum += m_buttons[i]->sizeHintFor(titled ? m_titles[i] : QString()).width() +
                   (i > 0 ? toolSpacing : 0);
        }
        return sum;
    }
    int rowHeight() const
    {
        int tallest = 0;
        for (qsizetype i = 0; i < m_buttons.size(); ++i) {
            tallest = std::max(tallest, m_buttons[i]->sizeHintFor(m_titles[i]).height());
        }
        return tallest;
    }

    QHBoxLayout *m_layout;
    QList<ThemeButton *> m_buttons;
    QStringList m_titles;
    bool m_compact = false;
};

// The top bar on the white surface, the footer on a translucent one with a
// hairline over it.
class Band : public QWidget
{
public:
    enum class Kind { TopBar, Footer };
    Band(Kind kind, QWidget *parent = nullptr)
        : QWidget(parent)
        , m_kind(kind)
    {}

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        if (m_kind == Kind::TopBar) {
            painter.fillRect(rect(), Theme::surface());
        } else {
            painter.fillRect(rect(), Theme::withOpacity(Theme::surface(), 0.72));
            painter.fillRect(QRect(0, 0, width(), 1), Theme::withOpacity(Qt::black, 0.09));
        }
    }

private:
    Kind m_kind;
};

} // namespace

DocumentView::DocumentView(AppModel *model, OpenFile *file, QWidget *parent)
    : QWidget(parent)
    , m_model(model)
    , m_file(file)
{
    setObjectName(QStringLiteral("documentView"));
    setWindowTitle(file->name());

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    m_topBar = makeTopBar();
    column->addWidget(m_topBar);

    auto *divider = new QWidget(this);
    divider->setFixedHeight(1);
    divider->setAutoFillBackground(true);
    QPalette dividerPalette = divider->palette();
    dividerPalette.setColor(QPalette::Window, Theme::withOpacity(Qt::black, 0.09));
    divider->setPalette(dividerPalette);
    column->addWidget(divider);

    m_grid = new PageGrid(model, file, this);
    column->addWidget(m_grid, 1);
    column->addWidget(makeFooter());

    // Ctrl+S saves a copy: the screen never writes over the file it shows.
    auto *save = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this);
    save->setContext(Qt::WidgetWithChildrenShortcut);
    connect(save, &QShortcut::activated, this, [this] {
        if (m_file) {
            m_model->saveAs(m_file);
        }
    });

    // A click on a control of the bar leaves the keyboard with the grid, so
    // Delete, Escape and Select All still act on the pages afterwards.
    for (QAbstractButton *button : m_topBar->findChildren<QAbstractButton *>()) {
        button->setFocusPolicy(Qt::TabFocus);
    }

    connect(file, &OpenFile::pagesChanged, this, &DocumentView::refresh);
    connect(file, &OpenFile::selectionChanged, this, &DocumentView::refresh);
    connect(file, &OpenFile::passwordChanged, this, &DocumentView::refresh);
    connect(file, &OpenFile::isEditedChanged, this, &DocumentView::refresh);
    refresh();
}

QWidget *DocumentView::makeTopBar()
{
    auto *bar = new Band(Band::Kind::TopBar, this);
    bar->setObjectName(QStringLiteral("documentTopBar"));
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(20, 12, 20, 12);
    row->setSpacing(barSpacing);

    auto *titles = new QVBoxLayout;
    titles->setSpacing(2);
    m_name = new ElidedLabel(Qt::ElideMiddle, bar);
    m_name->setObjectName(QStringLiteral("fileName"));
    m_name->setFont(Theme::font(16, QFont::DemiBold));
    m_name->setText(m_file->name());
    Theme::setTextColor(m_name, Theme::text());
    m_status = new ElidedLabel(Qt::ElideRight, bar);
    m_status->setObjectName(QStringLiteral("statusLine"));
    m_status->setFont(Theme::font(12));
    Theme::setTextColor(m_status, Theme::secondaryText());
    titles->addWidget(m_name);
    titles->addWidget(m_status);
    auto *titleBlock = new QWidget(bar);
    titleBlock->setLayout(titles);
    titles->setContentsMargins(0, 0, 0, 0);
    titleBlock->setMinimumWidth(minTitleWidth);
    titleBlock->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    // The title takes what the controls leave, down to its minimum; below
    // that the tool buttons give up their titles first.
    row->addWidget(titleBlock, 1);
    row->addSpacing(minGap - barSpacing);

    m_pageControls = makePageControls();
    row->addWidget(m_pageControls);

    m_tools = new ToolRow(bar);
    m_tools->setObjectName(QStringLiteral("toolButtons"));
    const auto addTool = [&](const QString &title, const QString &name, Symbol symbol) {
        auto *button = new ThemeButton(title, ThemeButton::Style::Tool, m_tools);
        button->setObjectName(name);
        button->setToolTip(title);
        button->setAccessibleName(title);
        button->setIconSize(QSize(15, 15));
        button->setIcon(Icons::icon(symbol, Theme::accentDeep()));
        static_cast<ToolRow *>(m_tools)->add(button);
        return button;
    };
    ThemeButton *sign =
        addTool(tr("Sign & Stamp"), QStringLiteral("signButton"), Symbol::Signature);
    connect(sign, &QAbstractButton::clicked, this, &DocumentView::openSigning);
    ThemeButton *compress =
        addTool(tr("Compress"), QStringLiteral("compressButton"), Symbol::Compress);
    connect(compress, &QAbstractButton::clicked, this, [this] {
        m_model->setSheet(FileSheet{FileSheet::Kind::Compress, m_file->id()});
    });
    ThemeButton *split = addTool(tr("Split"), QStringLiteral("splitButton"), Symbol::Split);
    connect(split, &QAbstractButton::clicked, this, [this] {
        m_model->setSheet(FileSheet{FileSheet::Kind::Split, m_file->id()});
    });
    m_passwordButton = addTool(tr("Password"), QStringLiteral("passwordButton"), Symbol::Lock);
    connect(m_passwordButton, &QAbstractButton::clicked, this, [this] {
        m_model->setSheet(FileSheet{FileSheet::Kind::Password, m_file->id()});
    });
    row->addWidget(m_tools);

    m_moreButton = new ThemeButton(QString(), ThemeButton::Style::Tool, bar);
    m_moreButton->setObjectName(QStringLiteral("moreButton"));
    m_moreButton->setIcon(Icons::icon(Symbol::More, Theme::accentDeep()));
    m_moreButton->setToolTip(tr("Insert, extract, export as images, merge"));
    m_moreButton->setAccessibleName(tr("More"));
    m_moreMenu = new QMenu(m_moreButton);
    m_moreMenu->setObjectName(QStringLiteral("moreMenu"));
    connect(m_moreMenu, &QMenu::aboutToShow, this, &DocumentView::fillMoreMenu);
    m_moreButton->setMenu(m_moreMenu);
    fillMoreMenu();
    row->addWidget(m_moreButton);

    m_saveAs = new ThemeButton(tr("Save As…"), ThemeButton::Style::Primary, bar);
    m_saveAs->setObjectName(QStringLiteral("saveAsButton"));
    connect(m_saveAs, &QAbstractButton::clicked, this, [this] {
        if (m_file) {
            m_model->saveAs(m_file);
        }
    });
    row->addWidget(m_saveAs);
    return bar;
}

QWidget *DocumentView::makePageControls()
{
    auto *group = new ControlGroup(this);
    group->setObjectName(QStringLiteral("pageControls"));
    auto *row = new QHBoxLayout(group);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    const auto add = [&](Symbol symbol, const QString &label, const QString &help,
                         const QString &name) {
        auto *button = new GroupButton(symbol, group);
        button->setObjectName(name);
        button->setAccessibleName(label);
        button->setToolTip(help);
        row->addWidget(button);
        return button;
    };
    QAbstractButton *left = add(Symbol::RotateLeft, tr("Rotate Left"), tr("Rotate left"),
                                QStringLiteral("rotateLeftButton"));
    connect(left, &QAbstractButton::clicked, this, [this] {
        if (m_file) {
            m_model->turn(m_file, targetIDs(), false);
        }
    });
    QAbstractButton *right = add(Symbol::RotateRight, tr("Rotate Right"), tr("Rotate right"),
                                 QStringLiteral("rotateRightButton"));
    connect(right, &QAbstractButton::clicked, this, [this] {
        if (m_file) {
            m_model->turn(m_file, targetIDs(), true);
        }
    });
    m_deletePages = add(Symbol::Trash, tr("Delete Pages"), tr("Delete the selected pages"),
                        QStringLiteral("deletePagesButton"));
    connect(m_deletePages, &QAbstractButton::clicked, this, [this] {
        if (m_file) {
            m_model->deletePages(m_file, m_file->selection());
        }
    });
    return group;
}

QWidget *DocumentView::makeFooter()
{
    auto *footer = new Band(Band::Kind::Footer, this);
    footer->setObjectName(QStringLiteral("documentFooter"));
    auto *row = new QHBoxLayout(footer);
    row->setContentsMargins(20, 8, 20, 8);
    row->setSpacing(8);
    auto *icon = new QLabel(footer);
    icon->setPixmap(Icons::icon(Symbol::Info, Theme::secondaryText())
                        .pixmap(QSize(13, 13), devicePixelRatioF()));
    row->addWidget(icon);
    auto *help = new ElidedLabel(Qt::ElideRight, footer);
    help->setObjectName(QStringLiteral("footerText"));
    help->setFont(Theme::font(11.5));
    help->setText(
        tr("Drag to reorder. Drop PDFs or images to add pages. Save As… makes a new file; "
           "the original stays as it is."));
    help->setToolTip(help->text());
    Theme::setTextColor(help, Theme::secondaryText());
    row->addWidget(help, 1);
    return footer;
}

// ---- State shown

QString DocumentView::statusLine() const
{
    if (!m_file) {
        return {};
    }
    const qsizetype count = m_file->pages().size();
    QStringList pieces{count == 1 ? tr("1 page") : tr("%n pages", nullptr, int(count))};
    if (!m_file->selection().isEmpty()) {
        pieces.append(tr("%n selected", nullptr, int(m_file->selection().size())));
    }
    if (m_file->password()) {
        pieces.append(tr("password"));
    }
    if (m_file->isEdited()) {
        pieces.append(tr("not saved"));
    }
    return pieces.join(statusSeparator);
}

QSet<QUuid> DocumentView::targetIDs() const
{
    if (!m_file) {
        return {};
    }
    if (!m_file->selection().isEmpty()) {
        return m_file->selection();
    }
    QSet<QUuid> all;
    for (const PageItem &page : m_file->pages()) {
        all.insert(page.id);
    }
    return all;
}

void DocumentView::refresh()
{
    if (!m_file) {
        return;
    }
    m_status->setText(statusLine());
    m_deletePages->setEnabled(!m_file->selection().isEmpty());
    m_passwordButton->setIcon(
        Icons::icon(m_file->password() ? Symbol::Lock : Symbol::LockOutline, Theme::accentDeep()));
    // A longer status line may leave the titled tool buttons no room.
    fitToolButtons();
}

void DocumentView::fillMoreMenu()
{
    m_moreMenu->clear();
    if (!m_file) {
        return;
    }
    QAction *insert =
        m_moreMenu->addAction(tr("Insert Pages from Files…"), this, &DocumentView::insertFromFiles);
    insert->setObjectName(QStringLiteral("insertAction"));
    const QString extract =
        m_file->selection().isEmpty() ? tr("Extract All Pages…") : tr("Extract Selected Pages…");
    QAction *extractAction = m_moreMenu->addAction(extract, this, [this] {
        if (m_file) {
            m_model->extract(m_file);
        }
    });
    extractAction->setObjectName(QStringLiteral("extractAction"));
    QAction *exportAction = m_moreMenu->addAction(tr("Export Pages as Images…"), this, [this] {
        m_model->setSheet(FileSheet{FileSheet::Kind::ExportImages, m_file->id()});
    });
    exportAction->setObjectName(QStringLiteral("exportAction"));
    m_moreMenu->addSeparator();
    QAction *merge = m_moreMenu->addAction(tr("Add to Merge"), this, [this] {
        if (m_file) {
            m_model->merge()->add(*m_file);
            m_model->setDestination(Destination::merge());
        }
    });
    merge->setObjectName(QStringLiteral("addToMergeAction"));
}

void DocumentView::openSigning()
{
    if (!m_file) {
        return;
    }
    std::optional<QUuid> start;
    for (const PageItem &page : m_file->pages()) {
        if (m_file->selection().contains(page.id)) {
            start = page.id;
            break;
        }
    }
    m_model->setSigningStartPage(start);
    m_model->setSigningFileID(m_file->id());
}

QFuture<void> DocumentView::insertFromFiles()
{
    const QFuture<QList<QUrl>> chosen =
        m_model->chooseFiles(true, {FileKind::Pdf, FileKind::Picture});
    const QList<QUrl> urls = co_await chosen;
    if (m_file) {
        m_model->insertPages(m_file, urls);
    }
}

bool DocumentView::toolButtonsCompact() const
{
    return static_cast<const ToolRow *>(m_tools)->isCompact();
}

void DocumentView::fitToolButtons()
{
    // Everything else of the bar at its size, the title at its least, and the
    // status line whole: it says what must not be missed ("not saved"). The
    // tool titles go last: first the status line takes a second line under
    // the name, and only when the titled buttons still don't fit do they
    // show their symbols alone. The name may be shortened.
    const QMargins margins = m_topBar->layout()->contentsMargins();
    const int fixed = margins.left() + margins.right() + minGap +
                      m_pageControls->sizeHint().width() + m_moreButton->sizeHint().width() +
                      m_saveAs->sizeHint().width() + 3 * barSpacing;
    const QFontMetrics metrics = m_status->fontMetrics();
    const QString status = m_status->text();
    const QStringList twoLines = statusOnTwoLines(status, metrics);
    const auto titleNeeds = [&](const QStringList &lines) {
        int widest = 0;
        for (const QString &line : lines) {
            widest = std::max(widest, metrics.horizontalAdvance(line) + 1);
        }
        return std::max(minTitleWidth, widest);
    };
    auto *tools = static_cast<ToolRow *>(m_tools);
    const int room = width() - fixed;
    const int oneLineNeeds = titleNeeds({status});
    const bool titledOnOneLine = room - oneLineNeeds >= tools->titledWidth();
    const bool titledOnTwoLines =
        !twoLines.isEmpty() && room - titleNeeds(twoLines) >= tools->titledWidth();
    const bool compact = !titledOnOneLine && !titledOnTwoLines;
    const bool split = !twoLines.isEmpty() &&
                       (titledOnTwoLines ? !titledOnOneLine
                                         : room - oneLineNeeds < tools->minimumSizeHint().width());
    tools->setCompact(compact);
    static_cast<ElidedLabel *>(m_status)->setLines(split ? twoLines : QStringList());
}

QStringList DocumentView::statusLines() const
{
    return static_cast<const ElidedLabel *>(m_status)->lines();
}

void DocumentView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    fitToolButtons();
}

void DocumentView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_grid->setFocus(Qt::OtherFocusReason);
}
