#include "stampviews/SignView.h"

#include "document/OpenFile.h"
#include "look/Icons.h"
#include "look/Theme.h"
#include "look/ThemeButton.h"
#include "model/AppModel.h"
#include "stampviews/SignPageArea.h"
#include "stampviews/SignPageStrip.h"
#include "stampviews/StampLibraryPanel.h"
#include "stampviews/StyleSheets.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QWidget *divider(Qt::Orientation orientation, QWidget *parent)
{
    auto *line = new QWidget(parent);
    if (orientation == Qt::Horizontal) {
        line->setFixedHeight(1);
    } else {
        line->setFixedWidth(1);
    }
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, Theme::withOpacity(Qt::black, 0.09));
    line->setPalette(palette);
    line->setAutoFillBackground(true);
    return line;
}

} // namespace

SignView::SignView(AppModel *model, OpenFile *file, QWidget *parent)
    : QWidget(parent)
    , m_model(model)
    , m_file(file)
{
    setObjectName(QStringLiteral("signView"));
    setWindowTitle(file->name());

    // Where the document screen asked to start; a page of another document
    // shows the first page instead.
    m_currentID = model->signingStartPage();
    if (!m_currentID && !file->pages().isEmpty()) {
        m_currentID = file->pages().first().id;
    }

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(makeTopBar());
    column->addWidget(divider(Qt::Horizontal, this));

    auto *body = new QHBoxLayout;
    body->setSpacing(0);
    m_strip = new SignPageStrip(model, this);
    body->addWidget(m_strip);
    body->addWidget(divider(Qt::Vertical, this));
    m_area = new SignPageArea(model, this);
    body->addWidget(m_area, 1);
    body->addWidget(divider(Qt::Vertical, this));
    m_panel = new StampLibraryPanel(model, this);
    m_panel->setFixedWidth(StampLibraryPanel::preferredWidth);
    body->addWidget(m_panel);
    column->addLayout(body, 1);
    setFocusProxy(m_area);

    connect(m_strip, &SignPageStrip::pageClicked, this, &SignView::showPage);

    connect(m_area, &SignPageArea::stampPressed, this, &SignView::select);
    connect(m_area, &SignPageArea::stampChanged, this, [this](const StampPlacement &placement) {
        if (const auto page = currentPage(); page && m_file) {
            m_model->update(placement, m_file, page->id);
        }
    });
    connect(m_area, &SignPageArea::pagePressed, this, [this] {
        deselect();
        m_area->setFocus(Qt::MouseFocusReason);
    });
    connect(m_area, &SignPageArea::deletePressed, this, &SignView::removeSelected);
    connect(m_area, &SignPageArea::escapePressed, this, &SignView::deselect);

    connect(m_panel, &StampLibraryPanel::placeRequested, this, &SignView::place);
    connect(m_panel, &StampLibraryPanel::removeSelectedRequested, this, &SignView::removeSelected);
    connect(m_panel, &StampLibraryPanel::addToAllRequested, this, &SignView::addSelectedToAllPages);
    connect(m_panel, &StampLibraryPanel::rotateRequested, this, &SignView::rotateSelected);

    connect(file, &OpenFile::pagesChanged, this, &SignView::refresh);
    refresh();
}

QWidget *SignView::makeTopBar()
{
    auto *bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("signTopBar"));
    QPalette palette = bar->palette();
    palette.setColor(QPalette::Window, Theme::surface());
    bar->setPalette(palette);
    bar->setAutoFillBackground(true);
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(20, 12, 20, 12);
    row->setSpacing(12);

    auto *back = new ThemeButton(tr("Pages"), ThemeButton::Style::Tool, bar);
    back->setObjectName(QStringLiteral("pagesButton"));
    back->setIcon(Icons::icon(QStringLiteral("go-previous-symbolic"), Theme::accentDeep()));
    back->setIconSize(QSize(14, 14));
    back->setToolTip(tr("Back to all pages"));
    connect(back, &QAbstractButton::clicked, this, &SignView::leave);
    row->addWidget(back);

    auto *titles = new QVBoxLayout;
    titles->setContentsMargins(0, 0, 0, 0);
    titles->setSpacing(2);
    auto *title = new QLabel(tr("Sign & Stamp"), bar);
    title->setFont(Theme::font(16, QFont::DemiBold));
    Theme::setTextColor(title, Theme::text());
    titles->addWidget(title);
    m_pageCounter = new QLabel(bar);
    m_pageCounter->setObjectName(QStringLiteral("pageCounter"));
    m_pageCounter->setFont(Theme::font(12));
    Theme::setTextColor(m_pageCounter, Theme::secondaryText());
    titles->addWidget(m_pageCounter);
    row->addLayout(titles);
    row->addStretch(1);

    row->addWidget(makePageButtons());

    auto *done = new ThemeButton(tr("Done"), ThemeButton::Style::Secondary, bar);
    done->setObjectName(QStringLiteral("doneButton"));
    connect(done, &QAbstractButton::clicked, this, &SignView::leave);
    row->addWidget(done);

    auto *saveAs = new ThemeButton(tr("Save As…"), ThemeButton::Style::Primary, bar);
    saveAs->setObjectName(QStringLiteral("saveAsButton"));
    connect(saveAs, &QAbstractButton::clicked, this, [this] {
        if (m_file) {
            m_model->saveAs(m_file);
        }
    });
    row->addWidget(saveAs);
    return bar;
}

QWidget *SignView::makePageButtons()
{
    auto *group = new QFrame(this);
    group->setObjectName(QStringLiteral("pageButtons"));
    group->setStyleSheet(
        QStringLiteral("#pageButtons { background: %1; border: 1px solid %2; border-radius: 9px; }"
                       "QToolButton { border: none; border-radius: 6px; margin: 2px; }"
                       "QToolButton:hover { background: %3; }"
                       "QToolButton:pressed { background: %4; }")
            .arg(cssColor(Theme::surface()), cssColor(Theme::withOpacity(Qt::black, 0.12)),
                 cssColor(Theme::withOpacity(Theme::text(), 0.05)),
                 cssColor(Theme::withOpacity(Theme::text(), 0.10))));
    auto *row = new QHBoxLayout(group);
    row->setContentsMargins(1, 1, 1, 1);
    row->setSpacing(0);

    // The shortcuts are the screen's, but act only while their button could:
    // nothing happens past the first or the last page.
    const auto add = [&](const QString &label, const QString &icon, const QKeySequence &keys,
                         int step) {
        auto *button = new QToolButton(group);
        button->setObjectName(step < 0 ? QStringLiteral("previousPageButton")
                                       : QStringLiteral("nextPageButton"));
        button->setIcon(Icons::icon(icon, Theme::text()));
        button->setIconSize(QSize(16, 16));
        button->setFixedSize(36, 28);
        button->setCursor(Qt::PointingHandCursor);
        button->setFocusPolicy(Qt::TabFocus);
        button->setAccessibleName(label);
        button->setToolTip(
            QStringLiteral("%1 (%2)").arg(label, keys.toString(QKeySequence::NativeText)));
        connect(button, &QAbstractButton::clicked, this, [this, step] { go(step); });
        auto *shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, button, step] {
            if (button->isEnabled()) {
                go(step);
            }
        });
        return button;
    };
    m_previous = add(tr("Previous Page"), QStringLiteral("go-up-symbolic"),
                     QKeySequence(Qt::CTRL | Qt::Key_Up), -1);
    row->addWidget(m_previous);
    auto *line = divider(Qt::Vertical, group);
    line->setFixedHeight(16);
    row->addWidget(line, 0, Qt::AlignVCenter);
    m_next = add(tr("Next Page"), QStringLiteral("go-down-symbolic"),
                 QKeySequence(Qt::CTRL | Qt::Key_Down), 1);
    row->addWidget(m_next);
    group->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return group;
}

// ---- State

std::optional<PageItem> SignView::currentPage() const
{
    if (!m_file || m_file->pages().isEmpty()) {
        return std::nullopt;
    }
    for (const PageItem &page : m_file->pages()) {
        if (page.id == m_currentID) {
            return page;
        }
    }
    return m_file->pages().first();
}

int SignView::currentIndex() const
{
    const auto current = currentPage();
    if (!current) {
        return 0;
    }
    const QList<PageItem> &pages = m_file->pages();
    for (int i = 0; i < pages.size(); ++i) {
        if (pages.at(i).id == current->id) {
            return i;
        }
    }
    return 0;
}

std::optional<StampPlacement> SignView::selectedStamp() const
{
    const auto current = currentPage();
    if (!current || !m_selectedPlacement) {
        return std::nullopt;
    }
    for (const StampPlacement &placement : current->stamps) {
        if (placement.id == *m_selectedPlacement) {
            return placement;
        }
    }
    return std::nullopt;
}

void SignView::refresh()
{
    if (!m_file) {
        return;
    }
    const QList<PageItem> &pages = m_file->pages();
    const auto current = currentPage();
    const int index = currentIndex();
    m_pageCounter->setText(tr("Page %1 of %2").arg(index + 1).arg(pages.size()));
    m_previous->setEnabled(index > 0);
    m_next->setEnabled(index < pages.size() - 1);

    m_strip->setPages(pages);
    m_strip->setCurrent(current ? std::optional<QUuid>(current->id) : std::nullopt);
    m_area->setPage(current);
    m_area->setSelectedPlacement(m_selectedPlacement);
    m_panel->setSelected(selectedStamp());
}

void SignView::setCurrentID(const std::optional<QUuid> &page)
{
    if (page == m_currentID) {
        refresh();
        return;
    }
    m_currentID = page;
    refresh();
    if (page && m_shownOnce) {
        m_strip->centreOn(*page, true);
    }
}

// ---- Actions

void SignView::go(int step)
{
    if (!m_file || m_file->pages().isEmpty()) {
        return;
    }
    const int target = std::clamp(currentIndex() + step, 0, int(m_file->pages().size()) - 1);
    m_selectedPlacement.reset();
    setCurrentID(m_file->pages().at(target).id);
}

void SignView::showPage(const QUuid &page)
{
    m_selectedPlacement.reset();
    setCurrentID(page);
}

void SignView::place(const StampRecord &record)
{
    const auto current = currentPage();
    if (!current) {
        return;
    }
    const auto placed = m_model->place(record, m_file, current->id);
    if (!placed) {
        return;
    }
    m_selectedPlacement = placed->id;
    // So that Delete and Escape act on the new stamp at once.
    m_area->setFocus(Qt::OtherFocusReason);
    refresh();
}

void SignView::removeSelected()
{
    const auto current = currentPage();
    if (!current || !m_selectedPlacement) {
        return;
    }
    // A selection no longer on this page (its stamp taken off elsewhere) has
    // nothing to remove, and must not mark the document as changed.
    if (selectedStamp()) {
        m_model->remove(*m_selectedPlacement, m_file, current->id);
    }
    m_selectedPlacement.reset();
    refresh();
}

void SignView::addSelectedToAllPages()
{
    const auto current = currentPage();
    const auto selected = selectedStamp();
    if (current && selected) {
        m_model->addToAllPages(*selected, m_file, current->id);
    }
}

void SignView::rotateSelected(double degrees)
{
    const auto current = currentPage();
    auto selected = selectedStamp();
    if (!current || !selected) {
        return;
    }
    selected->rotation = degrees;
    m_model->update(*selected, m_file, current->id);
}

void SignView::deselect()
{
    m_selectedPlacement.reset();
    refresh();
}

void SignView::select(const QUuid &placement)
{
    m_selectedPlacement = placement;
    m_area->setFocus(Qt::MouseFocusReason);
    refresh();
}

void SignView::leave()
{
    m_model->setSigningFileID(std::nullopt);
}

void SignView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_shownOnce) {
        return;
    }
    m_shownOnce = true;
    m_area->setFocus(Qt::OtherFocusReason);
    // Once the strip has its height: the start page in view, without a sweep
    // down a long document.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (const auto current = currentPage()) {
                m_strip->centreOn(current->id, false);
            }
        },
        Qt::QueuedConnection);
}
