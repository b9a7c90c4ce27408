#include "codeviews/CodeCard.h"

#include "codeviews/SelectableText.h"
#include "codeviews/SmallControls.h"
#include "look/Icons.h"
#include "look/NoteBanner.h"
#include "look/Theme.h"
#include "look/ThemeButton.h"
#include "model/AppModel.h"
#include "platform/Clipboard.h"
#include "platform/LinkOpener.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {

QFont monospace(qreal size, QFont::Weight weight = QFont::Normal)
{
    QFont f = Theme::font(size, weight);
    f.setFamilies({QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Noto Sans Mono"),
                   QStringLiteral("monospace")});
    f.setStyleHint(QFont::Monospace);
    return f;
}

// The kind's symbol on a tinted rounded square.
class KindBadge : public QWidget
{
public:
    KindBadge(const QString &symbol, QWidget *parent)
        : QWidget(parent)
        , m_icon(Icons::icon(symbol, Theme::accent()))
    {
        setFixedSize(32, 32);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        Theme::paintCard(p, QRectF(rect()), 9, Theme::accentSoft());
        const int side = 16;
        m_icon.paint(&p, QRect((width() - side) / 2, (height() - side) / 2, side, side));
    }

private:
    QIcon m_icon;
};

// A short text on a pill of the page's background colour.
class Capsule : public QLabel
{
public:
    Capsule(const QString &text, QWidget *parent)
        : QLabel(text, parent)
    {
        setFont(Theme::font(11, QFont::Medium));
        setTextFormat(Qt::PlainText);
        Theme::setTextColor(this, Theme::secondaryText());
        setContentsMargins(8, 3, 8, 3);
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        {
            QPainter p(this);
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(Qt::NoPen);
            p.setBrush(Theme::background());
            const QRectF body(rect());
            p.drawRoundedRect(body, body.height() / 2, body.height() / 2);
        }
        QLabel::paintEvent(event);
    }
};

} // namespace

CodeCard::CodeCard(AppModel *model, LinkOpener *opener, FoundCode code, QWidget *parent)
    : Panel(18, parent)
    , m_model(model)
    , m_opener(opener)
    , m_code(std::move(code))
{
    setObjectName(QStringLiteral("codeCard"));
    contentLayout()->setSpacing(12);
    // The screen paints the shadow behind its cards: an effect on each of
    // hundreds of cards would make every scrolled frame redraw them all.
    setGraphicsEffect(nullptr);

    const CodeContent content = CodeContent::parse(m_code.payload, m_code.symbology);

    auto *header = new QHBoxLayout;
    header->setSpacing(10);
    header->addWidget(new KindBadge(kindSymbol(content), this), 0, Qt::AlignVCenter);
    auto *titles = new QVBoxLayout;
    titles->setSpacing(1);
    auto *title = Theme::label(kindTitle(content), 14, QFont::DemiBold, Theme::text(), this);
    title->setObjectName(QStringLiteral("kindTitle"));
    auto *origin =
        Theme::label(originLine(m_code), 11.5, QFont::Normal, Theme::secondaryText(), this);
    origin->setObjectName(QStringLiteral("originLine"));
    titles->addWidget(title);
    titles->addWidget(origin);
    header->addLayout(titles, 1);
    auto *symbology = new Capsule(Symbology::displayName(m_code.symbology), this);
    symbology->setObjectName(QStringLiteral("symbology"));
    header->addWidget(symbology, 0, Qt::AlignVCenter);
    contentLayout()->addLayout(header);

    auto *details = new QVBoxLayout;
    details->setSpacing(8);
    contentLayout()->addLayout(details);
    if (const auto *link = content.as<CodeContent::Link>()) {
        addLinkDetails(LinkCheck(link->url, m_code.payload));
    } else if (const auto *wifi = content.as<CodeContent::WiFi>()) {
        addWiFiDetails(*wifi);
    } else {
        addTextDetails();
    }
}

// ---- Presentation of a kind

QString CodeCard::kindTitle(const CodeContent &content)
{
    switch (content.kind()) {
    case CodeContent::Kind::Link:
        return tr("Link");
    case CodeContent::Kind::WiFi:
        return tr("Wi-Fi");
    case CodeContent::Kind::Contact:
        return tr("Contact");
    case CodeContent::Kind::Event:
        return tr("Event");
    case CodeContent::Kind::Phone:
        return tr("Phone");
    case CodeContent::Kind::SMS:
        return tr("Message");
    case CodeContent::Kind::Email:
        return tr("Email");
    case CodeContent::Kind::Location:
        return tr("Location");
    case CodeContent::Kind::Product:
        return content.as<CodeContent::Product>()->kind == CodeContent::ProductKind::ISBN
                   ? tr("Book")
                   : tr("Product");
    case CodeContent::Kind::Text:
        return tr("Text");
    }
    return tr("Text");
}

QString CodeCard::kindSymbol(const CodeContent &content)
{
    switch (content.kind()) {
    case CodeContent::Kind::Link:
        return QStringLiteral(":/tamsel/link.svg");
    case CodeContent::Kind::WiFi:
        return QStringLiteral("network-wireless-signal-excellent-symbolic");
    case CodeContent::Kind::Contact:
        return QStringLiteral("avatar-default-symbolic");
    case CodeContent::Kind::Event:
        return QStringLiteral("x-office-calendar-symbolic");
    case CodeContent::Kind::Phone:
        return QStringLiteral("call-start-symbolic");
    case CodeContent::Kind::SMS:
        return QStringLiteral("mail-message-new-symbolic");
    case CodeContent::Kind::Email:
        return QStringLiteral("mail-unread-symbolic");
    case CodeContent::Kind::Location:
        return QStringLiteral("mark-location-symbolic");
    case CodeContent::Kind::Product:
        return content.as<CodeContent::Product>()->kind == CodeContent::ProductKind::ISBN
                   ? QStringLiteral("accessories-dictionary-symbolic")
                   : QStringLiteral(":/tamsel/barcode.svg");
    case CodeContent::Kind::Text:
        return QStringLiteral("format-justify-left-symbolic");
    }
    return QStringLiteral("format-justify-left-symbolic");
}

QString CodeCard::originLine(const FoundCode &code)
{
    if (!code.page) {
        return code.origin;
    }
    return tr("%1, page %2").arg(code.origin).arg(*code.page);
}

QString CodeCard::warningText(const LinkCheck::Warning &warning, const QString &realSite)
{
    using Kind = LinkCheck::Warning::Kind;
    switch (warning.kind) {
    case Kind::PlainHTTP:
        return tr("Not encrypted: the address starts with http, not https.");
    case Kind::IPAddress:
        return tr("A bare number instead of a site name.");
    case Kind::UserInfo:
        return tr("“%1” is not the site. The real site is %2.").arg(warning.userName, realSite);
    case Kind::MixedScripts:
        return tr("Letters from different alphabets: this address can imitate another site.");
    case Kind::InternationalName:
        return tr("Special characters in the name can imitate another site.");
    case Kind::Lookalike:
        return tr("Looks like %1, but the real site is %2.")
            .arg(LinkCheck::brandName(warning.brand), realSite);
    case Kind::BrandInAddress:
        return tr("The real site is %1, not %2.")
            .arg(warning.realSite, LinkCheck::brandName(warning.brand));
    case Kind::Shortener:
        return tr("A short link hides where it leads.");
    }
    return {};
}

void CodeCard::highlight(QTextDocument &document, const LinkCheck &check)
{
    document.clear();
    QTextCursor cursor(&document);
    QTextCharFormat plain;
    plain.setFont(monospace(13));
    plain.setForeground(Theme::secondaryText());
    cursor.insertText(check.displayAddress, plain);

    const QString &address = check.displayAddress;
    const qsizetype hostAt =
        check.host.isEmpty() ? -1 : address.indexOf(check.host, 0, Qt::CaseSensitive);
    if (hostAt < 0) {
        return;
    }
    const auto paint = [&document](qsizetype from, qsizetype length,
                                   const QTextCharFormat &format) {
        QTextCursor range(&document);
        range.setPosition(int(from));
        range.setPosition(int(from + length), QTextCursor::KeepAnchor);
        range.mergeCharFormat(format);
    };
    QTextCharFormat host;
    host.setForeground(Theme::text());
    paint(hostAt, check.host.size(), host);

    // The right-most mention inside the host: "paypal.com.paypal-login.net"
    // must set off the site that owns it, not the brand in front.
    const qsizetype siteAt = check.realSite.isEmpty() ? -1 : check.host.lastIndexOf(check.realSite);
    if (siteAt < 0) {
        return;
    }
    QTextCharFormat site;
    site.setForeground(Theme::accentDeep());
    site.setFont(monospace(13, QFont::Bold));
    paint(hostAt + siteAt, check.realSite.size(), site);
}

void CodeCard::paintShadow(QPainter &painter, const QRect &geometry)
{
    Theme::paintShadow(painter, QRectF(geometry), 18, QColor::fromRgbF(0, 0, 0, 0.05f), 12,
                       QPointF(0, 4));
}

// ---- Details

void CodeCard::addLinkDetails(const LinkCheck &check)
{
    auto *details = static_cast<QVBoxLayout *>(contentLayout()->itemAt(1)->layout());

    auto *address = new SelectableText(this);
    address->setObjectName(QStringLiteral("address"));
    address->setFont(monospace(13));
    QTextDocument highlighted;
    highlight(highlighted, check);
    address->setContent(highlighted);
    details->addWidget(address);

    auto *siteRow = new QHBoxLayout;
    siteRow->setSpacing(6);
    auto *globe = new QLabel(this);
    const int side = QFontMetrics(Theme::font(13, QFont::DemiBold)).height() - 2;
    globe->setPixmap(Icons::icon(QStringLiteral(":/tamsel/globe.svg"), Theme::text())
                         .pixmap(QSize(side, side), devicePixelRatioF()));
    auto *site = Theme::label(tr("Real site: %1").arg(check.realSite), 13, QFont::DemiBold,
                              Theme::text(), this);
    site->setObjectName(QStringLiteral("realSite"));
    site->setTextInteractionFlags(Qt::TextSelectableByMouse);
    siteRow->addWidget(globe);
    siteRow->addWidget(site, 1);
    details->addLayout(siteRow);

    for (const LinkCheck::Warning &warning : check.warnings) {
        auto *banner =
            new NoteBanner(warningText(warning, check.realSite), NoteBanner::Tone::Warning, this);
        banner->setObjectName(QStringLiteral("linkWarning"));
        details->addWidget(banner);
    }

    auto *actions = new QHBoxLayout;
    auto *open = new ThemeButton(tr("Open in Browser"), ThemeButton::Style::Primary, this);
    open->setObjectName(QStringLiteral("openInBrowser"));
    // No question first, whatever the warnings say: they are on the card already.
    connect(open, &QPushButton::clicked, this, [this, url = check.url] { m_opener->open(url); });
    actions->addWidget(open);
    actions->addWidget(
        copyButton(QStringLiteral("copyLink"), check.displayAddress, tr("Copy Link")));
    actions->addStretch(1);
    details->addLayout(actions);
}

void CodeCard::addWiFiDetails(const CodeContent::WiFi &wifi)
{
    auto *details = static_cast<QVBoxLayout *>(contentLayout()->itemAt(1)->layout());
    const bool hasPassword = wifi.password && !wifi.password->isEmpty();
    details->addWidget(field(QStringLiteral("networkField"), tr("Network"), wifi.ssid));
    if (hasPassword) {
        details->addWidget(field(QStringLiteral("passwordField"), tr("Password"), *wifi.password));
    }
    auto *actions = new QHBoxLayout;
    actions->addWidget(
        copyButton(QStringLiteral("copyNetworkName"), wifi.ssid, tr("Copy Network Name")));
    if (hasPassword) {
        actions->addWidget(
            copyButton(QStringLiteral("copyPassword"), *wifi.password, tr("Copy Password")));
    }
    actions->addStretch(1);
    details->addLayout(actions);
}

void CodeCard::addTextDetails()
{
    auto *details = static_cast<QVBoxLayout *>(contentLayout()->itemAt(1)->layout());
    auto *payload = new SelectableText(this);
    payload->setObjectName(QStringLiteral("payload"));
    payload->setFont(Theme::font(13));
    QPalette palette = payload->palette();
    palette.setColor(QPalette::Text, Theme::text());
    payload->setPalette(palette);
    payload->setMaximumLines(12);
    payload->setText(m_code.payload);
    details->addWidget(payload);
    auto *actions = new QHBoxLayout;
    actions->addWidget(copyButton(QStringLiteral("copyPayload"), m_code.payload, tr("Copy")));
    actions->addStretch(1);
    details->addLayout(actions);
}

QWidget *CodeCard::field(const QString &name, const QString &label, const QString &value)
{
    auto *box = new QWidget(this);
    box->setObjectName(name);
    auto *stack = new QVBoxLayout(box);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(2);
    stack->addWidget(Theme::label(label, 11.5, QFont::DemiBold, Theme::secondaryText(), box));
    auto *shown = Theme::label(value, 14, QFont::Medium, Theme::text(), box);
    shown->setObjectName(QStringLiteral("fieldValue"));
    shown->setTextInteractionFlags(Qt::TextSelectableByMouse);
    shown->setWordWrap(true);
    stack->addWidget(shown);
    return box;
}

ThemeButton *CodeCard::copyButton(const QString &name, const QString &text, const QString &title)
{
    auto *button = new ThemeButton(title, ThemeButton::Style::Secondary, this);
    button->setObjectName(name);
    button->setIcon(Icons::icon(QStringLiteral("edit-copy-symbolic"), Theme::accentDeep()));
    button->setIconSize(QSize(14, 14));
    connect(button, &QPushButton::clicked, this, [this, text] { copy(text); });
    return button;
}

void CodeCard::copy(const QString &text)
{
    m_model->clipboard()->setText(text);
    m_model->showToast(tr("Copied"));
}
