#include "app/HomeView.h"

#include "app/AdaptiveGridLayout.h"
#include "look/BrandMark.h"
#include "look/DropLoader.h"
#include "look/Icons.h"
#include "look/ScreenPage.h"
#include "look/Theme.h"
#include "model/AppModel.h"

#include <QDragEnterEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QVBoxLayout>

namespace {

// Clicks go through to the tile or drop zone below.
QLabel *makeLabel(const QString &text, qreal size, QFont::Weight weight, QColor color,
                  QWidget *parent)
{
    QLabel *label = Theme::label(text, size, weight, color, parent);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

// The tinted square behind a tile's symbol.
class SymbolBadge : public QWidget
{
public:
    SymbolBadge(Symbol symbol, QWidget *parent)
        : QWidget(parent)
        , m_icon(Icons::icon(symbol, Theme::accent()))
    {
        setFixedSize(40, 40);
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        Theme::paintCard(p, QRectF(rect()), 11, Theme::accentSoft());
        const int side = 20;
        m_icon.paint(&p, QRect((width() - side) / 2, (height() - side) / 2, side, side));
    }

private:
    QIcon m_icon;
};

// True when the drag carries at least one local file.
bool carriesFiles(const QMimeData *data)
{
    return !DropLoader::urls(data).isEmpty();
}

} // namespace

// ---- DropZone

DropZone::DropZone(QWidget *parent)
    : QAbstractButton(parent)
{
    setObjectName(QStringLiteral("dropZone"));
    setAcceptDrops(true);
    setFocusPolicy(Qt::TabFocus); // the ring shows for keyboard use, not after a click
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Minimum);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 40, 16, 40);
    layout->setSpacing(10);
    auto *symbol = new QLabel(this);
    const int side = 38;
    symbol->setPixmap(Icons::icon(Symbol::DropDocument, Theme::accent())
                          .pixmap(QSize(side, side), devicePixelRatioF()));
    symbol->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto *title =
        makeLabel(tr("Drop PDFs or images here"), 18, QFont::DemiBold, Theme::text(), this);
    title->setAlignment(Qt::AlignHCenter);
    title->setWordWrap(true);
    auto *detail = makeLabel(tr("or click to open. Images become pages of a new PDF."), 13,
                             QFont::Normal, Theme::secondaryText(), this);
    detail->setAlignment(Qt::AlignHCenter);
    detail->setWordWrap(true);
    layout->addWidget(symbol, 0, Qt::AlignHCenter);
    layout->addWidget(title);
    layout->addWidget(detail);
}

void DropZone::setTargeted(bool targeted)
{
    if (m_targeted == targeted) {
        return;
    }
    m_targeted = targeted;
    update();
    emit targetedChanged();
}

bool DropZone::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}

void DropZone::dragEnterEvent(QDragEnterEvent *event)
{
    if (!carriesFiles(event->mimeData())) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    setTargeted(true);
}

void DropZone::dragLeaveEvent(QDragLeaveEvent *event)
{
    setTargeted(false);
    event->accept();
}

void DropZone::dropEvent(QDropEvent *event)
{
    setTargeted(false);
    event->acceptProposedAction();
    emit dropped(DropLoader::urls(event->mimeData()));
}

void DropZone::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRectF body(rect());
    Theme::paintDropZone(p, body, 20, m_targeted);
    if (hasFocus()) {
        Theme::paintFocusRing(p, body.adjusted(2, 2, -2, -2), 18);
    }
}

// ---- HomeTile

HomeTile::HomeTile(const QString &title, const QString &detail, Symbol symbol, QWidget *parent)
    : QAbstractButton(parent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setMinimumHeight(96);
    // Grows with its wrapped text; a button's usual fixed height would cut it.
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Minimum);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(12);
    layout->addWidget(new SymbolBadge(symbol, this), 0, Qt::AlignTop);
    auto *texts = new QVBoxLayout;
    texts->setSpacing(3);
    auto *titleLabel = makeLabel(title, 15, QFont::DemiBold, Theme::text(), this);
    titleLabel->setObjectName(QStringLiteral("tileTitle"));
    // Some languages' titles take two lines in a narrow tile.
    titleLabel->setWordWrap(true);
    auto *detailLabel = makeLabel(detail, 12.5, QFont::Normal, Theme::secondaryText(), this);
    detailLabel->setObjectName(QStringLiteral("tileDetail"));
    detailLabel->setWordWrap(true);
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Minimum);
    policy.setHeightForWidth(true);
    detailLabel->setSizePolicy(policy);
    titleLabel->setSizePolicy(policy);
    texts->addWidget(titleLabel);
    texts->addWidget(detailLabel);
    texts->addStretch(1);
    layout->addLayout(texts, 1);
    Theme::castShadow(this, QColor::fromRgbF(0, 0, 0, 0.05f), 10, QPointF(0, 3));
}

bool HomeTile::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}

void HomeTile::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (isDown()) {
        p.setOpacity(0.75);
    }
    Theme::paintCard(p, QRectF(rect()), 16, Theme::surface());
    if (hasFocus()) {
        Theme::paintFocusRing(p, QRectF(rect()), 16);
    }
}

// ---- HomeView

HomeView::HomeView(AppModel *model, QWidget *parent)
    : QScrollArea(parent)
    , m_model(model)
{
    setObjectName(QStringLiteral("homeView"));
    setWindowTitle(tr("Tamsel"));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The column: at most 900 wide, centred in whatever width the screen has.
    QWidget *column = ScreenPage::setUp(this, QStringLiteral("home"), 900);

    auto *stack = new QVBoxLayout(column);
    stack->setContentsMargins(28, 28, 28, 28);
    stack->setSpacing(22);

    // Header
    auto *header = new QHBoxLayout;
    header->setSpacing(14);
    header->addWidget(new BrandMark(56, column), 0, Qt::AlignVCenter);
    auto *titles = new QVBoxLayout;
    titles->setSpacing(3);
    titles->addWidget(makeLabel(tr("Tamsel for Linux"), 26, QFont::Bold, Theme::text(), column));
    auto *tagline = makeLabel(
        tr("PDF tools, signatures and stamps, QR codes. Private by design · 100% on-device."), 13,
        QFont::Normal, Theme::secondaryText(), column);
    tagline->setWordWrap(true);
    titles->addWidget(tagline);
    header->addLayout(titles, 1);
    stack->addLayout(header);

    // Drop zone
    auto *zone = new DropZone(column);
    stack->addWidget(zone);
    connect(zone, &QAbstractButton::clicked, this, [this] {
        chooseAndOpen({FileKind::Pdf, FileKind::Picture});
    });
    connect(zone, &DropZone::dropped, this,
            [this](const QList<QUrl> &urls) { m_model->open(urls); });

    // Tools
    m_grid = new QWidget(column);
    m_grid->setObjectName(QStringLiteral("toolGrid"));
    m_gridLayout = new AdaptiveGridLayout(250, 14, m_grid);
    stack->addWidget(m_grid);

    const auto tile = [this](const char *name, const QString &title, const QString &detail,
                             Symbol symbol, auto action) {
        HomeTile *tile = addTile(title, detail, symbol);
        tile->setObjectName(QString::fromLatin1(name));
        connect(tile, &QAbstractButton::clicked, this, action);
    };
    tile("signTile", tr("Sign & Stamp"),
         tr("Put your signature, initials or a company seal on any page, or on all of them."),
         Symbol::Signature, [this] { openOne(Tool::Sign); });
    tile("compressTile", tr("Compress"),
         tr("Original, Medium, Small, or up to the size a website or email asks for."),
         Symbol::Compress, [this] { openOne(Tool::Compress); });
    tile("mergeTile", tr("Merge PDFs"), tr("Join PDFs and images in the order you set."),
         Symbol::Merge, [this] { m_model->setDestination(Destination::merge()); });
    tile("splitTile", tr("Split"),
         tr("By page ranges like 1-3, 5, 8-10, every few pages or page by page."), Symbol::Split,
         [this] { openOne(Tool::Split); });
    tile("codesTile", tr("Read QR Codes"),
         tr("From pictures, screenshots and every page of a PDF."), Symbol::QrViewfinder,
         [this] { m_model->setDestination(Destination::codes()); });
    tile("imagesTile", tr("Images to PDF"),
         tr("Photos and scans as pages of one PDF, in name order."), Symbol::ImagesToPdf,
         [this] { chooseAndOpen({FileKind::Picture}); });

    // Footer
    auto *footer = makeLabel(tr("No ads. No tracking. No account."), 12.5, QFont::Medium,
                             Theme::secondaryText(), column);
    footer->setAlignment(Qt::AlignHCenter);
    footer->setContentsMargins(0, 4, 0, 0);
    stack->addWidget(footer);
    stack->addStretch(1);
}

HomeTile *HomeView::addTile(const QString &title, const QString &detail, Symbol symbol)
{
    auto *tile = new HomeTile(title, detail, symbol, m_grid);
    m_gridLayout->addWidget(tile);
    return tile;
}

int HomeView::toolColumns() const
{
    return m_gridLayout->columnsForWidth(m_grid->width());
}

QFuture<void> HomeView::chooseAndOpen(QList<FileKind> kinds)
{
    const QList<QUrl> urls = co_await m_model->chooseFiles(true, kinds);
    // Handed on also when empty: opening nothing does nothing.
    m_model->open(urls);
}

QFuture<void> HomeView::openOne(Tool tool)
{
    const QList<FileKind> kinds{FileKind::Pdf};
    const QList<QUrl> urls = co_await m_model->chooseFiles(false, kinds);
    if (urls.isEmpty()) {
        co_return;
    }
    m_model->open(urls, tool);
}
