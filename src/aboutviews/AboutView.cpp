#include "aboutviews/AboutView.h"

#include "about/UpdateChecker.h"
#include "about/Updater.h"
#include "aboutviews/AboutWidgets.h"
#include "aboutviews/AppLanguage.h"
#include "aboutviews/Sharing.h"
#include "aboutviews/TellAFriendView.h"
#include "document/OpenFile.h"
#include "look/BrandMark.h"
#include "look/Icons.h"
#include "look/Panel.h"
#include "look/Spinner.h"
#include "look/Theme.h"
#include "look/ThemeButton.h"
#include "model/AppModel.h"
#include "platform/UrlOpener.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include <algorithm>

using namespace AboutWidgets;

namespace {

constexpr int columnWidth = 760;
constexpr int columnPadding = 28;

QString siteHost()
{
    return UpdateChecker::pageURL().host();
}

QString onSite(const QString &path)
{
    return QStringLiteral("https://") + siteHost() + path;
}

QString supportAddress()
{
    const QString configured = QStringLiteral(TAMSEL_SUPPORT_EMAIL);
    return configured.isEmpty() ? QStringLiteral("support@") + siteHost() : configured;
}

// Empty or relative texts are no links.
std::optional<QUrl> linkTarget(const QString &text)
{
    const QUrl url(text, QUrl::StrictMode);
    if (text.isEmpty() || !url.isValid() || url.scheme().isEmpty()) {
        return std::nullopt;
    }
    return url;
}

} // namespace

AboutView::AboutView(AppModel *model, QWidget *parent)
    : QScrollArea(parent)
    , m_model(model)
    , m_opener(Sharing::systemOpener())
    , m_restart([] { AppLanguage::relaunch(); })
    , m_language(AppLanguage::chosen())
{
    setObjectName(QStringLiteral("aboutView"));
    setWindowTitle(tr("About Tamsel"));
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("aboutPage"));
    page->setAutoFillBackground(true);
    QPalette palette = page->palette();
    palette.setColor(QPalette::Window, Theme::background());
    page->setPalette(palette);
    auto *centring = new QHBoxLayout(page);
    centring->setContentsMargins(0, 0, 0, 0);
    auto *columnWidget = new QWidget(page);
    columnWidget->setMaximumWidth(columnWidth);
    columnWidget->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    centring->addStretch(0);
    centring->addWidget(columnWidget, 1);
    centring->addStretch(0);

    auto *column = new QVBoxLayout(columnWidget);
    column->setContentsMargins(columnPadding, columnPadding, columnPadding, columnPadding);
    column->setSpacing(18);

    // Header
    auto *header = new QHBoxLayout;
    header->setSpacing(14);
    header->addWidget(new BrandMark(56, columnWidget));
    auto *titles = new QVBoxLayout;
    titles->setSpacing(2);
    QLabel *title =
        Theme::label(tr("Tamsel for Linux"), 24, QFont::Bold, Theme::text(), columnWidget);
    title->setObjectName(QStringLiteral("productTitle"));
    titles->addWidget(title);
    QLabel *version = Theme::label(tr("Version %1 (%2) · by Vornel Apps")
                                       .arg(UpdateChecker::currentVersion())
                                       .arg(UpdateChecker::currentBuild()),
                                   12.5, QFont::Normal, Theme::secondaryText(), columnWidget);
    version->setObjectName(QStringLiteral("versionLine"));
    titles->addWidget(version);
    header->addLayout(titles);
    header->addStretch(1);
    column->addLayout(header);

    buildUpdates(column);
    buildLanguage(column);
    buildSupport(column);
    buildTellAFriend(column);
    for (const auto &[groupTitle, links] :
         {std::pair{tr("Help & legal"), helpLinks()}, std::pair{tr("Follow us"), followLinks()},
          std::pair{tr("More from Vornel Apps"), moreLinks()}}) {
        if (QWidget *group = linksPanel(groupTitle, links)) {
            column->addWidget(group);
        }
    }
    column->addStretch(1);
    setWidget(page);

    connect(m_model, &AppModel::isCheckingForUpdatesChanged, this, &AboutView::updateCheckRow);
    for (const auto signal : {&AppModel::updateResultChanged, &AppModel::isInstallingUpdateChanged,
                              &AppModel::updateInstallErrorChanged}) {
        connect(m_model, signal, this, &AboutView::updateStatus);
    }
    for (const auto signal : {&AppModel::isInstallingUpdateChanged, &AppModel::busyChanged}) {
        connect(m_model, signal, this, &AboutView::updateLanguageRow);
    }
    // "Install and Relaunch" and its note follow the busy state and the open files' edits.
    connect(m_model, &AppModel::busyChanged, this, &AboutView::updateReleaseRow);
    connect(m_model, &AppModel::filesChanged, this, &AboutView::watchFiles);
    watchFiles();
    updateCheckRow();
    updateStatus();
}

QWidget *AboutView::section(const QString &title, int spacing, QVBoxLayout *&content)
{
    auto *panel = new ::Panel(18);
    content = panel->contentLayout();
    content->setSpacing(spacing);
    panel->addWidget(Theme::label(title, 15, QFont::DemiBold, Theme::text(), panel));
    return panel;
}

void AboutView::buildUpdates(QVBoxLayout *column)
{
    auto *panel = new ::Panel(18);
    panel->setObjectName(QStringLiteral("updatesSection"));
    QVBoxLayout *content = panel->contentLayout();
    content->setSpacing(10);
    auto *row = new QHBoxLayout;
    row->setSpacing(10);
    row->addWidget(Theme::label(tr("Updates"), 15, QFont::DemiBold, Theme::text(), panel));
    row->addStretch(1);
    m_checkSpinner = new Spinner(panel);
    m_checkSpinner->setObjectName(QStringLiteral("checkProgress"));
    row->addWidget(m_checkSpinner);
    m_checkButton = new ThemeButton(tr("Check for Updates"), ThemeButton::Style::Secondary, panel);
    m_checkButton->setObjectName(QStringLiteral("checkButton"));
    connect(m_checkButton, &QPushButton::clicked, m_model, &AppModel::checkForUpdates);
    row->addWidget(m_checkButton);
    content->addLayout(row);

    m_status = new QWidget(panel);
    m_status->setObjectName(QStringLiteral("updateStatus"));
    m_statusLayout = new QVBoxLayout(m_status);
    m_statusLayout->setContentsMargins(0, 0, 0, 0);
    m_statusLayout->setSpacing(8);
    content->addWidget(m_status);
    column->addWidget(panel);
}

void AboutView::buildLanguage(QVBoxLayout *column)
{
    auto *panel = new ::Panel(18);
    panel->setObjectName(QStringLiteral("languageSection"));
    QVBoxLayout *content = panel->contentLayout();
    content->setSpacing(10);
    auto *row = new QHBoxLayout;
    row->addWidget(Theme::label(tr("Language"), 15, QFont::DemiBold, Theme::text(), panel));
    row->addStretch(1);
    m_languagePicker = new QComboBox(panel);
    m_languagePicker->setObjectName(QStringLiteral("languagePicker"));
    m_languagePicker->setAccessibleName(tr("Language"));
    m_languagePicker->setFont(Theme::font(13));
    m_languagePicker->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_languagePicker->setMaxVisibleItems(20);
    m_languagePicker->setCursor(Qt::PointingHandCursor);
    // A white pop-up button with a hairline edge, like the secondary buttons beside it.
    m_languagePicker->setStyleSheet(
        QStringLiteral("QComboBox { background: white; border: 1px solid rgba(0, 0, 0, 0.12); "
                       "border-radius: 8px;"
                       " padding: 5px 30px 5px 12px; min-height: 20px; }"
                       "QComboBox:hover { border-color: rgba(0, 0, 0, 0.22); }"
                       "QComboBox:focus { border-color: %1; }"
                       "QComboBox::drop-down { border: none; width: 26px; }"
                       "QComboBox::down-arrow { image: url(:/tamsel/chevron-up-down.svg); width: "
                       "10px; height: 14px; }")
            .arg(QStringLiteral("rgba(%1, %2, %3, 0.5)")
                     .arg(Theme::accent().red())
                     .arg(Theme::accent().green())
                     .arg(Theme::accent().blue())));
    // The pop-up's rows are drawn by the list itself: the combo's menu-like
    // rows would take the white background of the rules above, selected or not.
    m_languagePicker->setItemDelegate(new QStyledItemDelegate(m_languagePicker));
    m_languagePicker->addItem(tr("Same as system"));
    m_languagePicker->insertSeparator(1);
    for (const AppLanguage::Language &language : AppLanguage::languages()) {
        m_languagePicker->addItem(language.name, language.code);
    }
    // A stored code the list doesn't hold selects nothing; it still counts as the choice.
    m_languagePicker->setCurrentIndex(m_language ? m_languagePicker->findData(*m_language) : 0);
    connect(m_languagePicker, &QComboBox::activated, this, &AboutView::pickLanguage);
    row->addWidget(m_languagePicker);
    content->addLayout(row);

    m_restartRow = new QWidget(panel);
    m_restartRow->setObjectName(QStringLiteral("restartRow"));
    auto *restart = new QHBoxLayout(m_restartRow);
    restart->setContentsMargins(0, 0, 0, 0);
    restart->setSpacing(16);
    m_restartNote =
        wrappingLabel(QString(), 12.5, QFont::Normal, Theme::secondaryText(), m_restartRow);
    m_restartNote->setObjectName(QStringLiteral("restartNote"));
    m_restartNote->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    restart->addWidget(m_restartNote, 1);
    m_restartButton =
        new ThemeButton(tr("Restart Tamsel"), ThemeButton::Style::Primary, m_restartRow);
    m_restartButton->setObjectName(QStringLiteral("restartButton"));
    connect(m_restartButton, &QPushButton::clicked, this, [this] {
        if (m_restart) {
            m_restart();
        }
    });
    restart->addWidget(m_restartButton, 0, Qt::AlignVCenter);
    content->addWidget(m_restartRow);
    column->addWidget(panel);
}

void AboutView::buildSupport(QVBoxLayout *column)
{
    QVBoxLayout *content = nullptr;
    QWidget *panel = section(tr("Free, with optional support"), 4, content);
    panel->setObjectName(QStringLiteral("supportSection"));
    auto *row = new QHBoxLayout;
    row->setSpacing(16);
    row->addWidget(
        wrappingLabel(
            tr("No ads, no tracking, no account, no subscription. Everything runs on your "
               "computer. If Tamsel helps, you can support the developer with crypto."),
            12.5, QFont::Normal, Theme::secondaryText(), panel),
        1, Qt::AlignTop);
    auto *support = new ThemeButton(tr("Support"), ThemeButton::Style::Primary, panel);
    support->setObjectName(QStringLiteral("supportButton"));
    support->setIcon(Icons::icon(Symbol::Heart, Qt::white));
    connect(support, &QPushButton::clicked, this,
            [this] { m_model->setSupport(SupportPrompt::Manual); });
    row->addWidget(support, 0, Qt::AlignTop);
    content->addLayout(row);
    column->addWidget(panel);
}

void AboutView::buildTellAFriend(QVBoxLayout *column)
{
    QVBoxLayout *content = nullptr;
    QWidget *panel = section(tr("Tell a friend"), 10, content);
    panel->setObjectName(QStringLiteral("tellAFriendSection"));
    auto *row = new QHBoxLayout;
    row->setSpacing(16);
    row->addWidget(
        wrappingLabel(
            tr("Tamsel spends nothing on ads, so people telling people is how it grows. Share "
               "a link to its page; nothing is sent unless you choose where."),
            12.5, QFont::Normal, Theme::secondaryText(), panel),
        1, Qt::AlignTop);
    auto *share = new ThemeButton(tr("Share"), ThemeButton::Style::Secondary, panel);
    share->setObjectName(QStringLiteral("shareButton"));
    share->setIcon(Icons::icon(QStringLiteral(":/tamsel/share.svg"), Theme::accentDeep()));
    // Shares only: neither opens the tell-a-friend panel nor records an answer.
    connect(share, &QPushButton::clicked, this, [this, share] {
        Sharing::popUpMenu(share, m_model, m_opener, TellAFriendView::message());
    });
    row->addWidget(share, 0, Qt::AlignTop);
    content->addLayout(row);
    column->addWidget(panel);
}

QWidget *AboutView::linksPanel(const QString &title, const QList<Link> &links)
{
    QList<std::pair<Link, QUrl>> rows;
    for (const Link &link : links) {
        if (const std::optional<QUrl> url = linkTarget(link.url)) {
            rows.append({link, *url});
        }
    }
    if (rows.isEmpty()) {
        return nullptr; // a group without one working link says nothing
    }
    QVBoxLayout *content = nullptr;
    QWidget *panel = section(title, 10, content);
    panel->setObjectName(QStringLiteral("linksGroup"));
    // Named members, not a structured binding: clang 14, which the static
    // analysis runs on, can't capture a binding in a lambda.
    for (const auto &entry : rows) {
        const Link &link = entry.first;
        const QUrl &url = entry.second;
        auto *row = new LinkRow(link.symbol, link.title, url, panel);
        row->setObjectName(QStringLiteral("linkRow"));
        connect(row, &QAbstractButton::clicked, this, [this, url] { m_opener->open(url); });
        content->addWidget(row, 0, Qt::AlignLeft);
    }
    return panel;
}

QList<AboutView::Link> AboutView::helpLinks()
{
    return {
        {QStringLiteral("mail-unread-symbolic"), tr("Write to Support"),
         QStringLiteral("mailto:") + supportAddress() +
             QStringLiteral("?subject=Tamsel%20for%20Linux")},
        {QStringLiteral("security-high-symbolic"), tr("Privacy Policy"),
         onSite(QStringLiteral("/tamsel-linux/privacy/"))},
        {QStringLiteral("text-x-generic-symbolic"), tr("Terms of Use"),
         onSite(QStringLiteral("/terms/"))},
    };
}

QList<AboutView::Link> AboutView::followLinks()
{
    return {
        {QStringLiteral("media-playback-start-symbolic"), QStringLiteral("YouTube"),
         QStringLiteral(TAMSEL_LINK_YOUTUBE)},
        {QStringLiteral("audio-x-generic-symbolic"), QStringLiteral("TikTok"),
         QStringLiteral(TAMSEL_LINK_TIKTOK)},
        {QStringLiteral("mail-send-symbolic"), QStringLiteral("Telegram"),
         QStringLiteral(TAMSEL_LINK_TELEGRAM)},
        {QStringLiteral(":/tamsel/at-sign.svg"),
         tr("X (developer)", "Link to the developer's account on X"),
         QStringLiteral(TAMSEL_LINK_X)},
    };
}

QList<AboutView::Link> AboutView::moreLinks()
{
    return {{QStringLiteral("view-app-grid-symbolic"), tr("Our other apps"),
             onSite(QStringLiteral("/"))}};
}

void AboutView::updateCheckRow()
{
    const bool checking = m_model->isCheckingForUpdates();
    m_checkButton->setEnabled(!checking);
    m_checkSpinner->setVisible(checking);
}

void AboutView::updateStatus()
{
    while (QLayoutItem *item = m_statusLayout->takeAt(0)) {
        if (QWidget *widget = item->widget()) {
            widget->hide();
            widget->deleteLater();
        }
        delete item;
    }

    const std::optional<UpdateChecker::Result> &result = m_model->updateResult();
    if (!result) {
        QLabel *note = wrappingLabel(
            tr("Tamsel checks only when you ask. It reads one file on %1 and sends nothing "
               "about your computer.")
                .arg(siteHost()),
            12.5, QFont::Normal, Theme::secondaryText(), m_status);
        note->setObjectName(QStringLiteral("privacyNote"));
        m_statusLayout->addWidget(note);
        return;
    }
    switch (result->kind()) {
    case UpdateChecker::Result::Kind::UpToDate: {
        QWidget *note = symbolLabel(QStringLiteral(":/tamsel/checkmark-circle.svg"),
                                    tr("You have the latest version."), 13, QFont::Medium,
                                    Theme::success(), m_status);
        note->setObjectName(QStringLiteral("upToDateNote"));
        m_statusLayout->addWidget(note);
        return;
    }
    case UpdateChecker::Result::Kind::Failed: {
        QLabel *message =
            wrappingLabel(result->message(), 12.5, QFont::Normal, Theme::danger(), m_status);
        message->setObjectName(QStringLiteral("checkFailure"));
        m_statusLayout->addWidget(message);
        return;
    }
    case UpdateChecker::Result::Kind::Available:
        break;
    }

    const UpdateChecker::Release release = result->release();
    auto *row = new QWidget(m_status);
    row->setObjectName(QStringLiteral("releaseRow"));
    auto *rowLayout = new QHBoxLayout(row);
    rowLayout->setContentsMargins(0, 0, 0, 0);
    rowLayout->setSpacing(10);
    QWidget *title = symbolLabel(QStringLiteral(":/tamsel/arrow-down-circle.svg"),
                                 tr("Version %1 is available.").arg(release.version), 13,
                                 QFont::DemiBold, Theme::accentDeep(), row);
    title->setObjectName(QStringLiteral("availableNote"));
    rowLayout->addWidget(title);
    rowLayout->addStretch(1);
    if (m_model->isInstallingUpdate()) {
        rowLayout->addWidget(new Spinner(row));
        QLabel *progress = Theme::label(tr("Downloading and checking the update…"), 12.5,
                                        QFont::Normal, Theme::secondaryText(), row);
        progress->setObjectName(QStringLiteral("installProgress"));
        rowLayout->addWidget(progress);
    } else {
        const bool unsaved = hasUnsavedChanges();
        // The release's page in the browser, where the user can fetch it by hand.
        const QUrl page = release.downloadURL();
        const bool offerInstall =
            Updater::canInstallHere() && Updater::dmgURL(release) && !m_model->updateInstallError();
        auto *download = new ThemeButton(
            tr("Download"),
            offerInstall ? ThemeButton::Style::Secondary : ThemeButton::Style::Primary, row);
        download->setObjectName(QStringLiteral("downloadButton"));
        download->setToolTip(page.toDisplayString());
        connect(download, &QPushButton::clicked, this, [this, page] { m_opener->open(page); });
        rowLayout->addWidget(download);
        if (offerInstall) {
            auto *install =
                new ThemeButton(tr("Install and Relaunch"), ThemeButton::Style::Primary, row);
            install->setObjectName(QStringLiteral("installButton"));
            install->setEnabled(!m_model->busy() && !unsaved);
            connect(install, &QPushButton::clicked, m_model,
                    [model = m_model, release] { model->installUpdate(release); });
            rowLayout->addWidget(install);
        }
    }
    m_statusLayout->addWidget(row);

    if (hasUnsavedChanges() && !m_model->isInstallingUpdate() && !m_model->updateInstallError()) {
        QLabel *note = wrappingLabel(
            tr("Save or close the files with changes first: Tamsel restarts to finish the "
               "update."),
            12.5, QFont::Normal, Theme::secondaryText(), m_status);
        note->setObjectName(QStringLiteral("saveFirstNote"));
        m_statusLayout->addWidget(note);
    }

    if (const std::optional<QString> &error = m_model->updateInstallError()) {
        QLabel *message = wrappingLabel(*error, 12.5, QFont::Normal, Theme::danger(), m_status);
        message->setObjectName(QStringLiteral("installError"));
        m_statusLayout->addWidget(message);
    }
}

void AboutView::pickLanguage(int index)
{
    const QVariant code = m_languagePicker->itemData(index);
    const std::optional<QString> picked =
        code.isValid() ? std::optional<QString>(code.toString()) : std::nullopt;
    if (picked == m_language) {
        return;
    }
    m_language = picked;
    AppLanguage::choose(m_language);
    updateLanguageRow();
}

void AboutView::updateLanguageRow()
{
    const bool differs = m_language != AppLanguage::launchChoice();
    m_restartRow->setVisible(differs);
    if (!differs) {
        return;
    }
    const bool unsaved = hasUnsavedChanges();
    m_restartNote->setText(
        unsaved ? tr("Tamsel switches to the new language after a restart. Save or close the "
                     "files with changes first.")
                : tr("Tamsel switches to the new language after a restart."));
    m_restartButton->setEnabled(!m_model->isInstallingUpdate() && !m_model->busy() && !unsaved);
}

void AboutView::watchFiles()
{
    for (const QMetaObject::Connection &connection : std::as_const(m_fileConnections)) {
        disconnect(connection);
    }
    m_fileConnections.clear();
    for (OpenFile *file : m_model->files()) {
        m_fileConnections.append(connect(file, &OpenFile::isEditedChanged, this, [this] {
            updateLanguageRow();
            updateReleaseRow();
        }));
    }
    updateLanguageRow();
    updateReleaseRow();
}

bool AboutView::hasUnsavedChanges() const
{
    return m_model->hasUnsavedChanges();
}

void AboutView::updateReleaseRow()
{
    // Only a shown release has controls that depend on these.
    if (m_statusLayout && m_model->updateResult() && m_model->updateResult()->isAvailable()) {
        updateStatus();
    }
}
