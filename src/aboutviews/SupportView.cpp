#include "aboutviews/SupportView.h"

#include "about/UpdateChecker.h"
#include "aboutviews/AboutWidgets.h"
#include "aboutviews/QRImage.h"
#include "look/Icons.h"
#include "look/NoteBanner.h"
#include "look/Theme.h"
#include "look/ThemeButton.h"
#include "model/AppModel.h"
#include "platform/Clipboard.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QTextBoundaryFinder>
#include <QVBoxLayout>

using namespace AboutWidgets;

namespace {

constexpr int panelWidth = 720;
constexpr int panelMinimumHeight = 500;
constexpr int codeSide = 168;

// The QR code of an address on a white card with a hairline edge; drawn with
// whole-pixel modules, never smoothed.
class CodeCard : public QWidget
{
public:
    explicit CodeCard(QWidget *parent)
        : QWidget(parent)
    {
        setFixedSize(codeSide + 20, codeSide + 20);
    }

    void setPicture(const QImage &picture)
    {
        m_picture = picture;
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        Theme::paintCard(p, QRectF(rect()), 14, Qt::white, Theme::hairline());
        p.setRenderHint(QPainter::SmoothPixmapTransform, false);
        p.drawImage(QRectF(10, 10, codeSide, codeSide), m_picture);
    }

private:
    QImage m_picture;
};

QString monospaceFamily()
{
    return QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
}

} // namespace

SupportView::SupportView(AppModel *model, bool afterResult, QWidget *parent)
    : SupportView(model, afterResult, DonationNetwork::all(), parent)
{}

SupportView::SupportView(AppModel *model, bool afterResult, QList<DonationNetwork> networks,
                         QWidget *parent)
    : QDialog(parent)
    , m_model(model)
    , m_networks(DonationNetwork::withAddress(std::move(networks)))
{
    setObjectName(QStringLiteral("supportView"));
    setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
    const QString titleText = afterResult ? tr("Done! Support Tamsel?") : tr("Support Tamsel");
    setWindowTitle(titleText);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Theme::surface());
    setPalette(palette);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(18);

    // Header
    auto *header = new QHBoxLayout;
    header->setSpacing(14);
    header->addWidget(new Badge(Icons::source(Symbol::Heart), 22, this), 0, Qt::AlignTop);
    auto *titles = new QVBoxLayout;
    titles->setSpacing(4);
    QLabel *title = wrappingLabel(titleText, 20, QFont::Bold, Theme::text(), this);
    title->setObjectName(QStringLiteral("supportTitle"));
    titles->addWidget(title);
    titles->addWidget(wrappingLabel(
        tr("Tamsel is free: no ads, no tracking, no subscription. If it saved you time, "
           "you can thank the developer with crypto. Any amount helps keep it free."),
        13, QFont::Normal, Theme::secondaryText(), this));
    header->addLayout(titles, 1);
    layout->addLayout(header);

    // Network picker
    QStringList captions;
    for (const DonationNetwork &network : m_networks) {
        captions << network.title;
    }
    m_picker = new SegmentedPicker(captions, this);
    m_picker->setObjectName(QStringLiteral("networkPicker"));
    m_picker->setAccessibleName(tr("Network"));
    layout->addWidget(m_picker);

    // Address row
    auto *addressPart = new QWidget(this);
    auto *addressRow = new QHBoxLayout(addressPart);
    addressRow->setContentsMargins(0, 0, 0, 0);
    addressRow->setSpacing(20);
    m_code = new CodeCard(this);
    m_code->setObjectName(QStringLiteral("qrCode"));
    addressRow->addWidget(m_code, 0, Qt::AlignVCenter);
    auto *details = new QVBoxLayout;
    details->setSpacing(10);
    const auto labeled = [this, details](const QString &caption, QLabel *&value) {
        auto *block = new QVBoxLayout;
        block->setSpacing(2);
        block->addWidget(
            Theme::label(caption, 11.5, QFont::DemiBold, Theme::secondaryText(), this));
        value = Theme::label(QString(), 13.5, QFont::Medium, Theme::text(), this);
        block->addWidget(value);
        details->addLayout(block);
    };
    labeled(tr("Network"), m_networksValue);
    m_networksValue->setObjectName(QStringLiteral("networksValue"));
    labeled(tr("Send"), m_coinsValue);
    m_coinsValue->setObjectName(QStringLiteral("coinsValue"));
    auto *addressBlock = new QVBoxLayout;
    addressBlock->setSpacing(4);
    addressBlock->addWidget(
        Theme::label(tr("Address"), 11.5, QFont::DemiBold, Theme::secondaryText(), this));
    m_address = wrappingLabel(QString(), 12.5, QFont::Normal, Theme::text(), this);
    m_address->setObjectName(QStringLiteral("addressText"));
    QFont mono = m_address->font();
    mono.setFamilies({monospaceFamily(), QStringLiteral("monospace")});
    m_address->setFont(mono);
    m_address->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    addressBlock->addWidget(m_address);
    details->addLayout(addressBlock);
    m_copyButton = new ThemeButton(QString(), ThemeButton::Style::Secondary, this);
    m_copyButton->setObjectName(QStringLiteral("copyButton"));
    m_copyButton->setAutoDefault(false);
    details->addWidget(m_copyButton, 0, Qt::AlignLeft);
    addressRow->addLayout(details, 1);
    layout->addWidget(addressPart);

    auto *warning = new NoteBanner(tr("Send only on the networks listed above. Coins sent on "
                                      "another network can't be recovered."),
                                   NoteBanner::Tone::Warning, this);
    layout->addWidget(warning);
    // A build made without the maker's addresses must not invent one; the
    // panel is still reachable from the menu, so it says where they are.
    m_missingAddress = wrappingLabel(tr("This copy of Tamsel was built without donation addresses. "
                                        "The developer's are on %1/donate.")
                                         .arg(UpdateChecker::pageURL().host()),
                                     13, QFont::Normal, Theme::text(), this);
    m_missingAddress->setObjectName(QStringLiteral("missingAddress"));
    layout->addWidget(m_missingAddress);
    layout->addStretch(1);

    // Footer
    auto *footer = new QHBoxLayout;
    QLabel *note = Theme::label(
        tr("The same addresses are on %1/donate.").arg(UpdateChecker::pageURL().host()), 11.5,
        QFont::Normal, Theme::secondaryText(), this);
    note->setObjectName(QStringLiteral("footerNote"));
    footer->addWidget(note);
    footer->addStretch(1);
    m_closeButton = new ThemeButton(afterResult ? tr("Not Now") : tr("Done"),
                                    ThemeButton::Style::Secondary, this);
    m_closeButton->setObjectName(QStringLiteral("closeButton"));
    m_closeButton->setDefault(true);
    footer->addWidget(m_closeButton);
    layout->addLayout(footer);

    connect(m_picker, &SegmentedPicker::activated, this, &SupportView::showNetwork);
    connect(m_copyButton, &QPushButton::clicked, this, &SupportView::copyAddress);
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::accept);

    const bool anyAddress = !m_networks.isEmpty();
    for (QWidget *part : std::initializer_list<QWidget *>{m_picker, addressPart, warning, note}) {
        part->setVisible(anyAddress);
    }
    m_missingAddress->setVisible(!anyAddress);
    if (anyAddress) {
        showNetwork(0);
    }
    // Not the picker: a ring around the first network would look like a choice already made.
    m_closeButton->setFocus();
    setFixedWidth(panelWidth);
    setMinimumHeight(panelMinimumHeight);
}

QString SupportView::displayed(const QString &address)
{
    // Counted in what the user sees as characters, never splitting one.
    QList<qsizetype> boundaries;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, address);
    for (qsizetype at = finder.toNextBoundary(); at > 0; at = finder.toNextBoundary()) {
        boundaries.append(at);
    }
    const qsizetype count = boundaries.size();
    if (count < 53) {
        return address;
    }
    const qsizetype cut = boundaries.at((count + 1) / 2 - 1);
    return address.left(cut) + QLatin1Char('\n') + address.mid(cut);
}

void SupportView::showNetwork(int index)
{
    const bool changed = index != m_current;
    m_current = index;
    m_picker->setCurrentIndex(index);
    if (changed) {
        m_copied = false;
    }
    const DonationNetwork &shown = network();
    m_networksValue->setText(shown.networks);
    m_coinsValue->setText(shown.coins);
    m_address->setText(displayed(shown.address));
    const QImage picture = QRImage::image(shown.address, codeSide);
    static_cast<CodeCard *>(m_code)->setPicture(picture);
    m_code->setVisible(!picture.isNull());
    m_code->setAccessibleName(tr("QR code of the %1 address").arg(shown.title));
    updateCopyButton();
}

void SupportView::copyAddress()
{
    // The address as stored, never the split form on screen.
    m_model->clipboard()->setText(network().address);
    m_copied = true;
    updateCopyButton();
    m_model->showToast(tr("Address copied"));
}

void SupportView::updateCopyButton()
{
    m_copyButton->setText(m_copied ? tr("Copied") : tr("Copy Address"));
    m_copyButton->setIcon(Icons::icon(m_copied ? QStringLiteral("object-select-symbolic")
                                               : QStringLiteral("edit-copy-symbolic"),
                                      Theme::accentDeep()));
}
