#include "codeviews/CodesView.h"

#include "codes/CodesModel.h"
#include "codeviews/CodeCard.h"
#include "codeviews/SmallControls.h"
#include "look/DropLoader.h"
#include "look/Icons.h"
#include "look/NoteBanner.h"
#include "look/ScreenPage.h"
#include "look/Spinner.h"
#include "look/Theme.h"
#include "look/ThemeButton.h"
#include "model/AppModel.h"
#include "platform/Clipboard.h"
#include "platform/LinkOpener.h"

#include <QDragEnterEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSet>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

// ---- CodesDropZone

CodesDropZone::CodesDropZone(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("codesDropZone"));
    setAcceptDrops(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Minimum);

    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(22, 22, 22, 22);
    row->setSpacing(18);

    auto *symbol = new QLabel(this);
    const int side = 34;
    symbol->setPixmap(Icons::icon(Symbol::QrViewfinder, Theme::accent())
                          .pixmap(QSize(side, side), devicePixelRatioF()));
    row->addWidget(symbol, 0, Qt::AlignVCenter);

    auto *texts = new QVBoxLayout;
    texts->setSpacing(4);
    texts->addWidget(
        Theme::label(tr("Drop a picture or PDF here"), 16, QFont::DemiBold, Theme::text(), this));
    auto *hint = Theme::label(tr("Or copy a screenshot (Print Screen) and paste it with Ctrl+V."),
                              12.5, QFont::Normal, Theme::secondaryText(), this);
    hint->setWordWrap(true);
    texts->addWidget(hint);
    row->addLayout(texts, 1);

    auto *paste = new ThemeButton(tr("Paste"), ThemeButton::Style::Secondary, this);
    paste->setObjectName(QStringLiteral("pasteButton"));
    auto *open = new ThemeButton(tr("Open…"), ThemeButton::Style::Primary, this);
    open->setObjectName(QStringLiteral("openButton"));
    row->addWidget(paste, 0, Qt::AlignVCenter);
    row->addWidget(open, 0, Qt::AlignVCenter);
    connect(paste, &QPushButton::clicked, this, &CodesDropZone::pasteClicked);
    connect(open, &QPushButton::clicked, this, &CodesDropZone::openClicked);
}

void CodesDropZone::setTargeted(bool targeted)
{
    if (m_targeted == targeted) {
        return;
    }
    m_targeted = targeted;
    update();
    emit targetedChanged();
}

void CodesDropZone::dragEnterEvent(QDragEnterEvent *event)
{
    // Any drag of addresses: those that aren't files drop to nothing, and the
    // read then says it found nothing.
    if (!event->mimeData() || !event->mimeData()->hasUrls()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    setTargeted(true);
}

void CodesDropZone::dragLeaveEvent(QDragLeaveEvent *event)
{
    setTargeted(false);
    event->accept();
}

void CodesDropZone::dropEvent(QDropEvent *event)
{
    setTargeted(false);
    event->acceptProposedAction();
    emit dropped(DropLoader::urls(event->mimeData()));
}

void CodesDropZone::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    Theme::paintDropZone(p, QRectF(rect()), 18, m_targeted);
}

// ---- CodesView

CodesView::CodesView(AppModel *model, QWidget *parent)
    : QScrollArea(parent)
    , m_model(model)
    , m_systemOpener(std::make_unique<SystemLinkOpener>())
    , m_opener(m_systemOpener.get())
{
    setObjectName(QStringLiteral("codesView"));
    setWindowTitle(tr("QR Codes"));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The column: at most 860 wide with its padding, centred in the page.
    QWidget *column = ScreenPage::setUp(this, QStringLiteral("codes"), 860);
    m_column = column;
    column->installEventFilter(this);

    m_stack = new QVBoxLayout(column);
    m_stack->setContentsMargins(28, 28, 28, 28);
    m_stack->setSpacing(18);

    auto *heading = new QVBoxLayout;
    heading->setSpacing(4);
    heading->addWidget(Theme::label(tr("QR Codes"), 24, QFont::Bold, Theme::text(), column));
    auto *intro =
        Theme::label(tr("Read QR codes and barcodes from pictures, screenshots and every page of a "
                        "PDF. Everything is read on this computer."),
                     13, QFont::Normal, Theme::secondaryText(), column);
    intro->setWordWrap(true);
    heading->addWidget(intro);
    m_stack->addLayout(heading);

    auto *zone = new CodesDropZone(column);
    m_stack->addWidget(zone);
    connect(zone, &CodesDropZone::dropped, this,
            [this](const QList<QUrl> &urls) { m_model->readCodes(urls); });
    connect(zone, &CodesDropZone::pasteClicked, this,
            [this] { m_model->readCodesFromClipboard(); });
    connect(zone, &CodesDropZone::openClicked, this, [this] { chooseAndRead(); });

    m_readingRow = new QWidget(column);
    m_readingRow->setObjectName(QStringLiteral("readingRow"));
    auto *reading = new QHBoxLayout(m_readingRow);
    reading->setContentsMargins(0, 0, 0, 0);
    reading->setSpacing(10);
    reading->addWidget(new Spinner(m_readingRow));
    reading->addWidget(
        Theme::label(tr("Reading…"), 13, QFont::Normal, Theme::secondaryText(), m_readingRow));
    auto *stop = new LinkButton(tr("Stop"), m_readingRow);
    stop->setObjectName(QStringLiteral("stopButton"));
    reading->addWidget(stop);
    reading->addStretch(1);
    m_stack->addWidget(m_readingRow);
    connect(stop, &QPushButton::clicked, this, [this] { m_model->codes()->stop(); });

    m_note = new NoteBanner(QString(), NoteBanner::Tone::Info, column);
    m_note->setObjectName(QStringLiteral("emptyNote"));
    m_stack->addWidget(m_note);

    m_foundRow = new QWidget(column);
    m_foundRow->setObjectName(QStringLiteral("foundRow"));
    auto *found = new QHBoxLayout(m_foundRow);
    found->setContentsMargins(0, 0, 0, 0);
    found->addWidget(Theme::label(tr("Found"), 15, QFont::DemiBold, Theme::text(), m_foundRow));
    found->addStretch(1);
    auto *clear = new LinkButton(tr("Clear"), m_foundRow);
    clear->setObjectName(QStringLiteral("clearButton"));
    found->addWidget(clear);
    m_stack->addWidget(m_foundRow);
    connect(clear, &QPushButton::clicked, this, [this] { m_model->codes()->setFound({}); });

    // The cards go between the "Found" row and this stretch.
    m_stack->addStretch(1);

    // The Paste command of the whole screen, for a picture on the clipboard.
    auto *paste = new QShortcut(QKeySequence::Paste, this);
    paste->setContext(Qt::WindowShortcut);
    connect(paste, &QShortcut::activated, this, &CodesView::pasteShortcut);

    // Cards beyond those made so far are made when the page nears its end.
    connect(verticalScrollBar(), &QScrollBar::rangeChanged, this, &CodesView::placeMoreIfNear);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &CodesView::placeMoreIfNear);

    CodesModel *codes = m_model->codes();
    connect(codes, &CodesModel::isReadingChanged, this, &CodesView::showReading);
    connect(codes, &CodesModel::emptyMessageChanged, this, &CodesView::showNote);
    connect(codes, &CodesModel::foundChanged, this, &CodesView::showFound);
    showReading();
    showNote();
    showFound();
}

CodesView::~CodesView()
{
    // The column outlives this part of the view; it must not call back into it.
    m_column->removeEventFilter(this);
}

void CodesView::setLinkOpener(LinkOpener *opener)
{
    m_opener = opener ? opener : m_systemOpener.get();
}

QList<CodeCard *> CodesView::cards() const
{
    return m_order;
}

QFuture<void> CodesView::chooseAndRead()
{
    const QList<FileKind> kinds{FileKind::Pdf, FileKind::Picture};
    const QList<QUrl> urls = co_await m_model->chooseFiles(true, kinds);
    if (urls.isEmpty()) {
        co_return;
    }
    m_model->readCodes(urls);
}

void CodesView::pasteShortcut()
{
    // Like the menu's Paste, it answers only for a picture; other clipboard
    // contents are not for this screen.
    if (m_model->clipboard()->image().isNull()) {
        return;
    }
    m_model->readCodesFromClipboard();
}

void CodesView::showReading()
{
    m_readingRow->setVisible(m_model->codes()->isReading());
}

void CodesView::showNote()
{
    const std::optional<QString> &message = m_model->codes()->emptyMessage();
    if (message) {
        //: %1 says why no code was found in the picture.
        m_note->setText(tr("%1 Try a sharper or larger picture.").arg(*message));
    }
    m_note->setVisible(message.has_value());
}

void CodesView::showFound()
{
    const QList<FoundCode> &found = m_model->codes()->found();
    m_foundRow->setVisible(!found.isEmpty());

    // Cards of codes no longer listed go; the others stay as they are.
    QSet<QUuid> listed;
    for (const FoundCode &code : found) {
        listed.insert(code.id);
    }
    for (auto it = m_cards.begin(); it != m_cards.end();) {
        if (listed.contains(it.key())) {
            ++it;
            continue;
        }
        m_order.removeOne(it.value());
        delete it.value();
        it = m_cards.erase(it);
    }
    placeCards();
}

void CodesView::placeCards()
{
    m_morePending = false;
    const QList<FoundCode> &found = m_model->codes()->found();

    // A read of a long PDF can bring hundreds of codes, and each card costs a
    // few milliseconds to make: make them a batch at a time, the top ones
    // first, and further ones only as the page is scrolled towards them.
    int budget = 24;
    QList<CodeCard *> order;
    for (const FoundCode &code : found) {
        CodeCard *card = m_cards.value(code.id);
        if (!card) {
            if (budget == 0) {
                break;
            }
            --budget;
            // Shown by the layout once placed, not one by one.
            card = new CodeCard(m_model, m_opener, code);
            m_cards.insert(code.id, card);
        }
        order.append(card);
    }

    // Cards already in their places stay put: a new read on top of many
    // codes moves only its own cards into the layout.
    const QSet<CodeCard *> placed(order.cbegin(), order.cend());
    for (CodeCard *card : std::as_const(m_order)) {
        if (!placed.contains(card)) {
            m_stack->removeWidget(card);
            card->hide();
        }
    }
    const int base = m_stack->indexOf(m_foundRow) + 1;
    for (qsizetype i = 0; i < order.size(); ++i) {
        CodeCard *card = order[i];
        const QLayoutItem *item = m_stack->itemAt(base + int(i));
        if (item && item->widget() == card) {
            continue;
        }
        if (m_stack->indexOf(card) >= 0) {
            m_stack->removeWidget(card);
        }
        m_stack->insertWidget(base + int(i), card);
        if (card->testAttribute(Qt::WA_WState_ExplicitShowHide) && card->isHidden()) {
            card->show();
        }
    }
    m_order = order;

    // The next batch waits for the layout to show where the page ends now.
    m_morePending = m_order.size() < found.size();
    if (m_morePending) {
        // For a page that the batch did not make scrollable.
        QTimer::singleShot(0, this, &CodesView::placeMoreIfNear);
    }
}

void CodesView::placeMoreIfNear()
{
    if (!m_morePending) {
        return;
    }
    const QScrollBar *bar = verticalScrollBar();
    // Two screens' worth ahead of what is in view, so scrolling finds cards waiting.
    if (bar->value() >= bar->maximum() - 2 * std::max(bar->pageStep(), viewport()->height())) {
        QTimer::singleShot(0, this, &CodesView::placeCards);
        m_morePending = false;
    }
}

bool CodesView::eventFilter(QObject *watched, QEvent *event)
{
    // The cards' shadows, painted under them on the column.
    if (watched == m_column && event->type() == QEvent::Paint) {
        const QRect dirty = static_cast<QPaintEvent *>(event)->rect();
        QPainter painter(m_column);
        for (const CodeCard *card : std::as_const(m_order)) {
            const QRect shadow = card->geometry().adjusted(-16, -16, 16, 20);
            if (card->isVisible() && shadow.intersects(dirty)) {
                CodeCard::paintShadow(painter, card->geometry());
            }
        }
    }
    return QScrollArea::eventFilter(watched, event);
}
