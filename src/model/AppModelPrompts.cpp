// Success messages and the offers that may follow a result.

#include "model/AppModel.h"

#include "platform/Clock.h"

#include <QFileInfo>
#include <QSettings>

using namespace std::chrono_literals;

namespace {

constexpr auto toastTime = 2500ms;
constexpr auto revealToastTime = 6000ms;
constexpr auto promptDelay = 900ms;
constexpr qint64 friendAskInterval = 30LL * 24 * 60 * 60 * 1000; // ms

const QString offeredSupportKey = QStringLiteral("support.offeredAfterFirstResult");
const QString savedFilesKey = QStringLiteral("friend.savedFiles");
const QString friendStateKey = QStringLiteral("friend.state");
const QString friendAskedAtKey = QStringLiteral("friend.askedAt");

} // namespace

void AppModel::showToast(const QString &text, const std::optional<QUrl> &reveal)
{
    // An older timer must never clear a newer toast.
    m_toastTask.cancel();
    setToast(Toast{text, reveal});
    m_toastTask = CancelToken::make();
    clearToastAfter(m_toastTask, reveal ? revealToastTime : toastTime);
}

QFuture<void> AppModel::clearToastAfter(CancelToken task, std::chrono::milliseconds delay)
{
    co_await m_clock->sleep(delay);
    if (!task.isCanceled()) {
        setToast(std::nullopt);
    }
}

QFuture<void> AppModel::presentAfterDelay(SupportPrompt prompt)
{
    co_await m_clock->sleep(promptDelay);
    // A panel already on screen wins; the offer is used up all the same.
    if (!m_support) {
        setSupport(prompt);
    }
}

void AppModel::offerSupportOnce()
{
    QSettings settings;
    if (!m_canOfferSupport || settings.value(offeredSupportKey, false).toBool()) {
        return;
    }
    settings.setValue(offeredSupportKey, true);
    m_offeredSupportThisSession = true;
    presentAfterDelay(SupportPrompt::AfterFirstResult);
}

void AppModel::offerFriendIfDue()
{
    if (m_offeredSupportThisSession) {
        return;
    }
    QSettings settings;
    if (settings.value(savedFilesKey, 0).toInt() < 3) {
        return;
    }
    const QVariant state = settings.value(friendStateKey);
    if (!state.isValid()) {
        settings.setValue(friendStateKey, QStringLiteral("later"));
    } else if (state.toString() == QLatin1String("later")) {
        const QVariant askedAt = settings.value(friendAskedAtKey);
        if (askedAt.typeId() != QMetaType::QDateTime || !askedAt.toDateTime().isValid()) {
            return;
        }
        if (askedAt.toDateTime().msecsTo(m_clock->now()) < friendAskInterval) {
            return;
        }
        settings.setValue(friendStateKey, QStringLiteral("done"));
    } else {
        return;
    }
    settings.setValue(friendAskedAtKey, m_clock->now());
    presentAfterDelay(SupportPrompt::TellAFriend);
}

void AppModel::saved(const QList<QUrl> &urls)
{
    if (urls.isEmpty()) {
        return;
    }
    const QString text = urls.size() == 1
                             ? tr("Saved “%1”").arg(QFileInfo(urls.first().path()).fileName())
                             : tr("Saved %n files", nullptr, int(urls.size()));
    showToast(text, urls.first());
    QSettings settings;
    settings.setValue(savedFilesKey, settings.value(savedFilesKey, 0).toInt() + int(urls.size()));
    offerSupportOnce();
    offerFriendIfDue();
}
