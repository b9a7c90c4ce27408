// The manual update check and the install of an update as the model runs them.

#include "model/AppModel.h"

#include "about/Updater.h"
#include "platform/Relaunch.h"

#include <algorithm>

namespace {

// Dropped with the model when it goes first, so a late answer writes nowhere.
QFuture<void> keepUpdateResult(AppModel *model, QFuture<UpdateChecker::Result> check)
{
    const UpdateChecker::Result result = co_await check;
    model->setUpdateResult(result);
    model->setCheckingForUpdates(false);
}

} // namespace

void AppModel::checkForUpdates()
{
    if (m_checkingForUpdates || m_installingUpdate) {
        return;
    }
    setCheckingForUpdates(true);
    setUpdateInstallError(std::nullopt);
    setUpdateResult(std::nullopt);
    keepUpdateResult(this, UpdateChecker::check());
}

bool AppModel::hasUnsavedChanges() const
{
    return std::any_of(m_files.begin(), m_files.end(),
                       [](const OpenFile *file) { return file->isEdited(); });
}

void AppModel::installUpdate(const UpdateChecker::Release &release)
{
    if (m_installingUpdate || m_busy || hasUnsavedChanges()) {
        return;
    }
    setInstallingUpdate(true);
    setUpdateInstallError(std::nullopt);
    finishInstall(Updater::install(release));
}

QFuture<void> AppModel::finishInstall(QFuture<std::optional<QString>> install)
{
    const std::optional<QString> failure = co_await install;
    if (failure) {
        setUpdateInstallError(failure);
        setInstallingUpdate(false);
        co_return;
    }
    // Work or edits that began while the install ran are not thrown away by a quit.
    if (m_busy || hasUnsavedChanges()) {
        installedWithoutRelaunch();
        co_return;
    }
    // The install folder now holds the new copy; it waits for this one to end.
    const QString program = Updater::programPath();
    const bool started = m_startCopy ? m_startCopy(program) : Relaunch::startSuccessor(program);
    // Answered from the event loop, as the system would report the start.
    co_await Async::nextTurn(this);
    if (!started || m_busy || hasUnsavedChanges()) {
        installedWithoutRelaunch();
        co_return;
    }
    setInstallingUpdate(false);
    emit quitRequested();
}

void AppModel::installedWithoutRelaunch()
{
    setUpdateInstallError(
        tr("The update is installed. Save your files, then quit and open Tamsel again to use it."));
    setInstallingUpdate(false);
}
