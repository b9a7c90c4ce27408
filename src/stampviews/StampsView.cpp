#include "stampviews/StampsView.h"

#include "look/Icons.h"
#include "look/NoteBanner.h"
#include "look/Panel.h"
#include "look/ScreenPage.h"
#include "look/Theme.h"
#include "look/ThemeButton.h"
#include "model/AppModel.h"
#include "stamps/StampLibrary.h"
#include "stampviews/NewStampMenu.h"
#include "stampviews/NewStampSheet.h"
#include "stampviews/PictureIntake.h"
#include "stampviews/StampTile.h"
#include "stampviews/StyleSheets.h"
#include "stampviews/TileGrid.h"

#include <QDialog>
#include <QDragEnterEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int tileHeight = 110;
constexpr int minimumColumnWidth = 200;
constexpr int gridSpacing = 16;

// Text that wraps over as many lines as its width needs, and asks for just
// that height: a plain word-wrapping label guesses its height for a narrower
// width inside nested layouts and leaves a gap under the text.
class Paragraph : public QLabel
{
public:
    Paragraph(const QString &text, QWidget *parent)
        : QLabel(text, parent)
    {
        setTextFormat(Qt::PlainText);
        setFont(Theme::font(13));
        Theme::setTextColor(this, Theme::secondaryText());
        setWordWrap(true);
        setAlignment(Qt::AlignLeft | Qt::AlignTop);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    }

    QSize sizeHint() const override
    {
        return {QLabel::sizeHint().width(), heightForWidth(std::max(width(), 200))};
    }
    QSize minimumSizeHint() const override { return {120, heightForWidth(std::max(width(), 120))}; }

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QLabel::resizeEvent(event);
        const int height = heightForWidth(width());
        if (height != m_height) {
            m_height = height;
            updateGeometry();
        }
    }

private:
    int m_height = -1;
};

// The grid of the screen. Its least height is that of its present width, not
// of a single column: the page scrolls only when the stamps really run past
// the window.
class StampGrid : public TileGrid
{
public:
    explicit StampGrid(QWidget *parent)
        : TileGrid(minimumColumnWidth, gridSpacing, parent)
    {}

    QSize minimumSizeHint() const override
    {
        return {minimumColumnWidth, heightForWidth(std::max(width(), minimumColumnWidth))};
    }

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        TileGrid::resizeEvent(event);
        const int height = heightForWidth(width());
        if (height != m_height) {
            m_height = height;
            updateGeometry();
        }
    }

private:
    int m_height = -1;
};

// A stamp's name on one line, cut with an ellipsis where the cell ends; the
// whole name is in the tool tip.
class NameLabel : public QWidget
{
public:
    NameLabel(QString text, QWidget *parent)
        : QWidget(parent)
        , m_text(std::move(text))
    {
        setFont(Theme::font(13, QFont::Medium));
        setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        setFixedHeight(fontMetrics().height());
        setToolTip(m_text);
        setAccessibleName(m_text);
    }

    QString text() const { return m_text; }
    QString shownText() const { return fontMetrics().elidedText(m_text, Qt::ElideRight, width()); }
    QSize sizeHint() const override
    {
        return {fontMetrics().horizontalAdvance(m_text), fontMetrics().height()};
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setPen(Theme::text());
        p.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter, shownText());
    }

private:
    const QString m_text;
};

// One stamp of the grid: its tile, and under it the name beside the menu.
class StampCell : public QWidget
{
public:
    StampCell(AppModel *model, const StampRecord &record, StampsView *screen, QWidget *parent)
        : QWidget(parent)
    {
        const QString id = record.id.toString(QUuid::WithoutBraces);
        setObjectName(QStringLiteral("stampCell_") + id);
        auto *column = new QVBoxLayout(this);
        column->setContentsMargins(0, 0, 0, 0);
        column->setSpacing(8);
        auto *tile = new StampTile(model, record, tileHeight, this);
        column->addWidget(tile);

        auto *row = new QHBoxLayout;
        row->setContentsMargins(2, 0, 0, 0);
        row->setSpacing(6);
        auto *name = new NameLabel(record.name, this);
        name->setObjectName(QStringLiteral("stampName"));
        row->addWidget(name, 1, Qt::AlignVCenter);

        auto *menuButton = new QToolButton(this);
        menuButton->setObjectName(QStringLiteral("stampMenuButton"));
        menuButton->setIcon(Icons::icon(Symbol::More, Theme::secondaryText()));
        menuButton->setIconSize(QSize(18, 18));
        menuButton->setFixedSize(28, 24);
        menuButton->setCursor(Qt::PointingHandCursor);
        menuButton->setToolTip(StampsView::tr("Rename or delete"));
        menuButton->setAccessibleName(StampsView::tr("Rename or delete “%1”").arg(record.name));
        menuButton->setPopupMode(QToolButton::InstantPopup);
        menuButton->setStyleSheet(
            QStringLiteral("QToolButton { border: none; border-radius: 6px; }"
                           "QToolButton:hover, QToolButton:pressed { background: %1; }"
                           "QToolButton::menu-indicator { image: none; width: 0; }")
                .arg(cssColor(Theme::hairline())));
        auto *menu = new QMenu(menuButton);
        menu->setObjectName(QStringLiteral("stampMenu"));
        applyMenuStyle(menu);
        QAction *rename = menu->addAction(StampsView::tr("Rename…"));
        rename->setObjectName(QStringLiteral("renameAction"));
        QAction *remove =
            menu->addAction(Icons::icon(Symbol::Trash, Theme::danger()), StampsView::tr("Delete…"));
        remove->setObjectName(QStringLiteral("deleteAction"));
        menuButton->setMenu(menu);
        row->addWidget(menuButton, 0, Qt::AlignVCenter);
        column->addLayout(row);

        // Queued: the menu is still closing when the prompt opens over the window.
        connect(
            rename, &QAction::triggered, screen, [screen, record] { screen->beginRename(record); },
            Qt::QueuedConnection);
        connect(
            remove, &QAction::triggered, screen, [screen, record] { screen->beginDelete(record); },
            Qt::QueuedConnection);
    }
};

// The small prompt that renames a stamp: a title, the name field, and
// "Cancel" beside "Rename".
QDialog *makeRenameDialog(const QString &name, QWidget *parent)
{
    auto *dialog = new QDialog(parent);
    dialog->setObjectName(QStringLiteral("renameDialog"));
    dialog->setWindowTitle(StampsView::tr("Rename"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QPalette palette = dialog->palette();
    palette.setColor(QPalette::Window, Theme::surface());
    dialog->setPalette(palette);
    dialog->setAutoFillBackground(true);

    auto *column = new QVBoxLayout(dialog);
    column->setContentsMargins(24, 24, 24, 24);
    column->setSpacing(14);
    column->setSizeConstraint(QLayout::SetFixedSize);
    QLabel *title = Theme::label(StampsView::tr("Rename"), 18, QFont::Bold, Theme::text(), dialog);
    column->addWidget(title);

    auto *field = new QLineEdit(name, dialog);
    field->setObjectName(QStringLiteral("renameField"));
    field->setPlaceholderText(StampsView::tr("Name"));
    applyTextFieldStyle(field);
    field->setMinimumWidth(300);
    field->selectAll();
    column->addWidget(field);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    buttons->addStretch(1);
    auto *cancel = new ThemeButton(StampsView::tr("Cancel"), ThemeButton::Style::Secondary, dialog);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setAutoDefault(false);
    buttons->addWidget(cancel);
    auto *confirm = new ThemeButton(StampsView::tr("Rename"), ThemeButton::Style::Primary, dialog);
    confirm->setObjectName(QStringLiteral("renameButton"));
    confirm->setDefault(true);
    buttons->addWidget(confirm);
    column->addSpacing(4);
    column->addLayout(buttons);

    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    QObject::connect(confirm, &QPushButton::clicked, dialog, &QDialog::accept);
    return dialog;
}

} // namespace

StampsView::StampsView(AppModel *model, QWidget *parent)
    : QWidget(parent)
    , m_model(model)
    , m_presenter(new NewStampPresenter(model, this))
{
    setObjectName(QStringLiteral("stampsView"));
    setWindowTitle(tr("Signatures & Stamps"));
    setAcceptDrops(true);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("stampsScroll"));
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    outer->addWidget(scroll);
    QWidget *column = ScreenPage::setUp(scroll, QStringLiteral("stamps"), 1040);

    auto *stack = new QVBoxLayout(column);
    stack->setContentsMargins(28, 28, 28, 28);
    stack->setSpacing(18);

    auto *header = new QHBoxLayout;
    header->setSpacing(20);
    auto *heading = new QVBoxLayout;
    heading->setSpacing(4);
    QLabel *title = Theme::label(tr("Signatures & Stamps"), 24, QFont::Bold, Theme::text(), column);
    title->setObjectName(QStringLiteral("stampsTitle"));
    heading->addWidget(title);
    heading->addWidget(new Paragraph(tr("Your signature, initials or a company seal, with the "
                                        "paper removed automatically. They stay only on "
                                        "this computer. Tamsel puts your own images on documents; "
                                        "it doesn't make a signature legally "
                                        "binding by itself."),
                                     column));
    header->addLayout(heading, 1);

    auto *newButton = new ThemeButton(NewStampMenu::title(), ThemeButton::Style::Primary, column);
    newButton->setObjectName(QStringLiteral("newStampButton"));
    newButton->setIcon(Icons::icon(Symbol::Add, Theme::surface()));
    auto *menu = new NewStampMenu(model, newButton);
    newButton->setMenu(menu);
    header->addWidget(newButton, 0, Qt::AlignTop);
    stack->addLayout(header);

    m_error = new NoteBanner(QString(), NoteBanner::Tone::Danger, column);
    m_error->setObjectName(QStringLiteral("libraryError"));
    m_error->hide();
    stack->addWidget(m_error);

    auto *empty = new Panel(18, column);
    empty->setObjectName(QStringLiteral("emptyState"));
    empty->contentLayout()->setSpacing(8);
    auto *emptyTitleRow = new QHBoxLayout;
    emptyTitleRow->setSpacing(8);
    auto *symbol = new QLabel(empty);
    symbol->setPixmap(Icons::icon(Symbol::Signature, Theme::accentDeep())
                          .pixmap(QSize(20, 20), devicePixelRatioF()));
    emptyTitleRow->addWidget(symbol);
    emptyTitleRow->addWidget(
        Theme::label(tr("No signatures or stamps yet"), 15, QFont::DemiBold, Theme::text(), empty));
    emptyTitleRow->addStretch(1);
    empty->contentLayout()->addLayout(emptyTitleRow);
    // Photos reach the library as files here: there is no import straight from
    // a phone, so the hint points at a photo or scan the user has at hand.
    empty->addWidget(new Paragraph(
        tr("Sign a white sheet of paper or stamp it, then take a photo of it and choose the photo "
           "or a scan. You "
           "can also draw with the trackpad or pick a ready stamp like PAID or APPROVED."),
        empty));
    m_emptyState = empty;
    stack->addWidget(empty);

    m_grid = new StampGrid(column);
    m_grid->setObjectName(QStringLiteral("stampsGrid"));
    stack->addWidget(m_grid);
    stack->addStretch(1);

    connect(menu, &NewStampMenu::sourceChosen, m_presenter, &NewStampPresenter::present);
    PictureIntake::takePastes(this, m_presenter);
    if (model && model->stamps()) {
        connect(model->stamps(), &StampLibrary::stampsChanged, this, &StampsView::rebuildTiles);
    }
    rebuildTiles();
}

StampsView::~StampsView()
{
    // The prompts sit on the window, which outlives the screen; they must not
    // stay behind with nothing to act on.
    delete m_renameDialog.data();
    delete m_deleteBox.data();
}

void StampsView::rebuildTiles()
{
    const QList<StampRecord> records =
        m_model && m_model->stamps() ? m_model->stamps()->stamps() : QList<StampRecord>();
    for (QWidget *old : m_grid->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        old->hide();
        old->deleteLater();
    }
    for (const StampRecord &record : records) {
        auto *cell = new StampCell(m_model, record, this, m_grid);
        cell->show();
    }
    m_emptyState->setVisible(records.isEmpty());
    m_grid->setVisible(!records.isEmpty());
    m_grid->arrange();
}

void StampsView::beginRename(const StampRecord &record)
{
    delete m_renameDialog.data();
    // The field starts from the stamp's name, whatever an earlier prompt held.
    m_newName = record.name;
    m_renaming = record;
    QDialog *dialog = makeRenameDialog(m_newName, window());
    m_renameDialog = dialog;
    auto *field = dialog->findChild<QLineEdit *>(QStringLiteral("renameField"));
    connect(field, &QLineEdit::textChanged, this,
            [this](const QString &text) { m_newName = text; });
    connect(dialog, &QDialog::accepted, this, &StampsView::rename);
    connect(dialog, &QDialog::finished, this, [this] { m_renaming.reset(); });
    dialog->open();
    field->setFocus();
}

void StampsView::rename()
{
    if (!m_renaming || !m_model || !m_model->stamps()) {
        return;
    }
    StampLibrary *library = m_model->stamps();
    // A message left by an earlier failure must not be taken for this one.
    library->clearErrorMessage();
    library->rename(m_renaming->id, m_newName);
    showOutcome();
}

void StampsView::beginDelete(const StampRecord &record)
{
    delete m_deleteBox.data();
    m_deleting = record;
    auto *box = new QMessageBox(window());
    box->setObjectName(QStringLiteral("deleteConfirmation"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setIcon(QMessageBox::Warning);
    box->setWindowTitle(tr("Tamsel"));
    box->setTextFormat(Qt::PlainText);
    box->setText(tr("Delete “%1”?").arg(record.name));
    box->setInformativeText(
        tr("It also leaves pages open in Tamsel. Files you already saved keep it."));
    QPushButton *remove = box->addButton(tr("Delete"), QMessageBox::DestructiveRole);
    remove->setObjectName(QStringLiteral("deleteButton"));
    QPushButton *cancel = box->addButton(tr("Cancel"), QMessageBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    // Return must not delete by accident.
    box->setDefaultButton(cancel);
    box->setEscapeButton(cancel);
    m_deleteBox = box;
    connect(box, &QMessageBox::buttonClicked, this,
            [this, remove, record](QAbstractButton *clicked) {
                if (clicked == remove) {
                    confirmDelete(record);
                }
            });
    connect(box, &QDialog::finished, this, [this] { m_deleting.reset(); });
    box->open();
}

void StampsView::confirmDelete(const StampRecord &record)
{
    if (!m_model) {
        return;
    }
    // deleteStamp clears the library's message first, so what is left is this
    // deletion's own failure.
    m_model->deleteStamp(record.id);
    showOutcome();
}

void StampsView::showOutcome()
{
    const QString message =
        m_model && m_model->stamps() ? m_model->stamps()->errorMessage() : QString();
    m_error->setText(message);
    m_error->setVisible(!message.isEmpty());
}

bool StampsView::takeDrop(const QMimeData *data)
{
    return PictureIntake::present(data, m_presenter);
}

void StampsView::dragEnterEvent(QDragEnterEvent *event)
{
    PictureIntake::judgeDrag(event);
}

void StampsView::dragMoveEvent(QDragMoveEvent *event)
{
    event->acceptProposedAction();
}

void StampsView::dropEvent(QDropEvent *event)
{
    event->acceptProposedAction();
    takeDrop(event->mimeData());
}
