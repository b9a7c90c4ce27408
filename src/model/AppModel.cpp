#include "model/AppModel.h"

#include "codes/CodesModel.h"
#include "document/OpenFile.h"
#include "model/MergeModel.h"
#include "model/Thumbnails.h"
#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "stamps/SandboxMigration.h"
#include "stamps/StampLibrary.h"

#include <QDir>
#include <QStandardPaths>

AppModel::AppModel(Services services, QObject *parent)
    : QObject(parent)
    , m_stampsFolder(services.stampsFolder.isEmpty() ? standardStampsFolder()
                                                     : services.stampsFolder)
    , m_engine(services.engine)
    , m_clock(services.clock)
    , m_panels(services.panels)
    , m_clipboard(services.clipboard)
    , m_startCopy(std::move(services.startCopy))
{
    if (!m_clock) {
        m_ownClock = std::make_unique<SystemClock>();
        m_clock = m_ownClock.get();
    }
    // Stamps of an older build are carried over before the library first reads the folder.
    SandboxMigration::run(m_stampsFolder);
    m_stamps = new StampLibrary(m_stampsFolder, this);
    m_stamps->load();
    if (m_engine) {
        m_thumbnails = new Thumbnails(*m_engine, this);
    } else {
        // A model without an engine has no page to render.
        m_thumbnails = new Thumbnails(
            [](const PageSource &, int, double) { return Async::ready(QImage()); }, this);
    }
    m_merge = new MergeModel(this);
    m_codes = new CodesModel(this);
    if (!m_clipboard) {
        m_ownClipboard = std::make_unique<SystemClipboard>();
        m_clipboard = m_ownClipboard.get();
    }
}

AppModel::~AppModel() = default;

QString AppModel::standardStampsFolder()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QDir(base).filePath(QStringLiteral("Tamsel/Stamps"));
}

// ---- Observed state

namespace {

// Stores `value` and tells whether observers are to be notified.
template<typename T> bool assignIfDifferent(T &stored, const T &value)
{
    if (stored == value) {
        return false;
    }
    stored = value;
    return true;
}

// Makes `value` the owned child held in `stored`; the one it replaces goes once
// control returns to the event loop. False when nothing changed.
template<typename T> bool replaceOwned(QObject *owner, T *&stored, T *value)
{
    if (!value || value == stored) {
        return false;
    }
    T *old = std::exchange(stored, value);
    value->setParent(owner);
    if (old) {
        old->deleteLater();
    }
    return true;
}

} // namespace

void AppModel::setDestination(const std::optional<Destination> &destination)
{
    if (assignIfDifferent(m_destination, destination)) {
        emit destinationChanged();
    }
}

void AppModel::setFiles(const QList<OpenFile *> &files)
{
    m_files = files;
    for (OpenFile *file : m_files) {
        if (file && file->parent() != this) {
            file->setParent(this);
        }
    }
    emit filesChanged();
}

OpenFile *AppModel::file(const QUuid &id) const
{
    for (OpenFile *file : m_files) {
        if (file->id() == id) {
            return file;
        }
    }
    return nullptr;
}

void AppModel::setMerge(MergeModel *merge)
{
    if (replaceOwned(this, m_merge, merge)) {
        emit mergeChanged();
    }
}

void AppModel::setCodes(CodesModel *codes)
{
    if (replaceOwned(this, m_codes, codes)) {
        emit codesChanged();
    }
}

void AppModel::setSupport(const std::optional<SupportPrompt> &support)
{
    if (assignIfDifferent(m_support, support)) {
        emit supportChanged();
    }
}

void AppModel::setSheet(const std::optional<FileSheet> &sheet)
{
    if (assignIfDifferent(m_sheet, sheet)) {
        emit sheetChanged();
    }
}

void AppModel::setToast(const std::optional<Toast> &toast)
{
    if (assignIfDifferent(m_toast, toast)) {
        emit toastChanged();
    }
}

void AppModel::setErrorMessage(const std::optional<QString> &message)
{
    if (assignIfDifferent(m_errorMessage, message)) {
        emit errorMessageChanged();
    }
}

void AppModel::setBusy(const std::optional<BusyState> &busy)
{
    m_busy = busy;
    emit busyChanged();
}

void AppModel::setSigningFileID(const std::optional<QUuid> &id)
{
    if (assignIfDifferent(m_signingFileID, id)) {
        emit signingFileIDChanged();
    }
}

void AppModel::setSigningStartPage(const std::optional<QUuid> &id)
{
    if (assignIfDifferent(m_signingStartPage, id)) {
        emit signingStartPageChanged();
    }
}

void AppModel::setClosingFile(OpenFile *file)
{
    m_closingFile = file;
    emit closingFileChanged();
}

void AppModel::setPasswordRequest(const std::optional<PasswordRequest> &request)
{
    m_passwordRequest = request;
    emit passwordRequestChanged();
}

void AppModel::setCheckingForUpdates(bool checking)
{
    if (assignIfDifferent(m_checkingForUpdates, checking)) {
        emit isCheckingForUpdatesChanged();
    }
}

void AppModel::setUpdateResult(const std::optional<UpdateChecker::Result> &result)
{
    m_updateResult = result;
    emit updateResultChanged();
}

void AppModel::setInstallingUpdate(bool installing)
{
    if (assignIfDifferent(m_installingUpdate, installing)) {
        emit isInstallingUpdateChanged();
    }
}

void AppModel::setUpdateInstallError(const std::optional<QString> &message)
{
    if (assignIfDifferent(m_updateInstallError, message)) {
        emit updateInstallErrorChanged();
    }
}
