#include "aboutviews/TellAFriendView.h"

#include "aboutviews/AboutWidgets.h"
#include "aboutviews/Sharing.h"
#include "look/Icons.h"
#include "look/Theme.h"
#include "look/ThemeButton.h"
#include "model/AppModel.h"
#include "platform/Clipboard.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

#include <algorithm>

using namespace AboutWidgets;

namespace {

constexpr int panelWidth = 520;

// The message as the friend gets it, on a tinted card; selectable.
class MessageBox : public QWidget
{
public:
    MessageBox(const QString &text, QWidget *parent)
        : QWidget(parent)
    {
        auto *layout = new QVBoxLayout(this);
        layout->setContentsMargins(12, 12, 12, 12);
        QLabel *words = wrappingLabel(text, 13, QFont::Normal, Theme::text(), this);
        words->setObjectName(QStringLiteral("sharedText"));
        words->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        layout->addWidget(words);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Minimum);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        Theme::paintCard(p, QRectF(rect()), 12, Theme::background(), Theme::hairline());
    }
};

} // namespace

TellAFriendView::TellAFriendView(AppModel *model, QWidget *parent)
    : QDialog(parent)
    , m_model(model)
    , m_opener(Sharing::systemOpener())
{
    setObjectName(QStringLiteral("tellAFriendView"));
    setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
    setWindowTitle(tr("Tell a friend"));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Theme::surface());
    setPalette(palette);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(18);

    auto *header = new QHBoxLayout;
    header->setSpacing(14);
    header->addWidget(new Badge(QStringLiteral("system-users-symbolic"), 22, this), 0,
                      Qt::AlignTop);
    auto *titles = new QVBoxLayout;
    titles->setSpacing(4);
    QLabel *title =
        wrappingLabel(tr("Like Tamsel? Tell a friend."), 20, QFont::Bold, Theme::text(), this);
    title->setObjectName(QStringLiteral("tellAFriendTitle"));
    titles->addWidget(title);
    titles->addWidget(wrappingLabel(
        tr("Tamsel is free: no ads, no tracking. We don't buy ads, so friends telling "
           "friends is how people find it."),
        13, QFont::Normal, Theme::secondaryText(), this));
    header->addLayout(titles, 1);
    layout->addLayout(header);

    auto *messageColumn = new QVBoxLayout;
    messageColumn->setSpacing(6);
    messageColumn->addWidget(Theme::label(tr("Your friend gets this message:"), 11.5,
                                          QFont::DemiBold, Theme::secondaryText(), this));
    messageColumn->addWidget(new MessageBox(sharedText(), this));
    messageColumn->addWidget(
        wrappingLabel(tr("You choose the app and the friend; we never see who."), 11.5,
                      QFont::Normal, Theme::secondaryText(), this));
    layout->addLayout(messageColumn);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    m_shareButton = new ThemeButton(tr("Share…"), ThemeButton::Style::Primary, this);
    m_shareButton->setObjectName(QStringLiteral("shareButton"));
    m_shareButton->setIcon(Icons::icon(QStringLiteral(":/tamsel/share.svg"), Qt::white));
    m_copyButton = new ThemeButton(QString(), ThemeButton::Style::Secondary, this);
    m_copyButton->setObjectName(QStringLiteral("copyButton"));
    m_closeButton = new ThemeButton(QString(), ThemeButton::Style::Secondary, this);
    m_closeButton->setObjectName(QStringLiteral("closeButton"));
    // Return presses nothing here; Escape closes, as "Not Now" does.
    for (ThemeButton *button : {m_shareButton, m_copyButton, m_closeButton}) {
        button->setAutoDefault(false);
    }
    buttons->addWidget(m_shareButton);
    buttons->addWidget(m_copyButton);
    buttons->addStretch(1);
    layout->addLayout(buttons);

    connect(m_shareButton, &QPushButton::clicked, this, &TellAFriendView::share);
    connect(m_copyButton, &QPushButton::clicked, this, &TellAFriendView::copyMessage);
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::reject);
    updateButtons();
    // The closing button stays beside the others where all three fit in
    // every state of their texts; in longer languages it goes on a row below.
    const auto widest = [](const ThemeButton *button, const QStringList &texts) {
        int width = 0;
        for (const QString &text : texts) {
            width = std::max(width, button->sizeHintFor(text).width());
        }
        return width;
    };
    const QMargins margins = layout->contentsMargins();
    const int needed = m_shareButton->sizeHint().width() +
                       widest(m_copyButton, {tr("Copied"), tr("Copy Message")}) +
                       widest(m_closeButton, {tr("Done"), tr("Not Now")}) + 3 * buttons->spacing();
    if (needed <= panelWidth - margins.left() - margins.right()) {
        buttons->addWidget(m_closeButton);
    } else {
        auto *closing = new QHBoxLayout;
        closing->addStretch(1);
        closing->addWidget(m_closeButton);
        layout->addLayout(closing);
    }

    setFixedWidth(panelWidth);
    setFixedHeight(layout->totalHeightForWidth(panelWidth));
}

QString TellAFriendView::message()
{
    // Made once: a change of language reaches it only after a restart, like every other text.
    static const QString text = QCoreApplication::translate(
        "TellAFriendView",
        "Tamsel for Linux: free PDF tools, signatures and stamps, QR codes. Everything stays on "
        "your computer.",
        "The message shared with a friend, followed by the link to the app's page.");
    return text;
}

QString TellAFriendView::sharedText()
{
    return message() + QLatin1Char(' ') + Sharing::pageAddress();
}

void TellAFriendView::share()
{
    // Opening the choices counts as passing it on, whatever the user picks then.
    answered();
    Sharing::popUpMenu(m_shareButton, m_model, m_opener, message());
}

void TellAFriendView::copyMessage()
{
    m_model->clipboard()->setText(sharedText());
    m_copied = true;
    answered();
    m_model->showToast(tr("Message copied"));
}

void TellAFriendView::answered()
{
    m_shared = true;
    QSettings().setValue(QStringLiteral("friend.state"), QStringLiteral("done"));
    updateButtons();
}

void TellAFriendView::updateButtons()
{
    m_copyButton->setText(m_copied ? tr("Copied") : tr("Copy Message"));
    m_copyButton->setIcon(Icons::icon(m_copied ? QStringLiteral("object-select-symbolic")
                                               : QStringLiteral("edit-copy-symbolic"),
                                      Theme::accentDeep()));
    m_closeButton->setText(m_shared ? tr("Done") : tr("Not Now"));
}
