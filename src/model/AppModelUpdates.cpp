// The manual update check as the model runs it.

#include "model/AppModel.h"

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
