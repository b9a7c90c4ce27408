#include "about/Updater.h"

#include "about/AboutLog.h"

#include "about/BundleSignature.h"
#include "about/UpdateArchive.h"
#include "about/UpdateDownload.h"
#include "platform/FolderMoves.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QRegularExpression>
#include <QUuid>
#include <QtConcurrent/QtConcurrentRun>

#include <cerrno>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

using namespace std::chrono_literals;

namespace Updater {

namespace {

constexpr char Identifier[] = "identifier";
constexpr char ArchiveSuffix[] = ".tar.gz";
constexpr char DownloadsPrefix[] = "/downloads/";
constexpr char NewFolderName[] = "Tamsel";
constexpr auto CopyTimeout = 300s;
// What an archive may grow to when the feed does not say its size.
constexpr qint64 DownloadLimit = 512LL * 1024 * 1024;
constexpr mode_t FolderMode = 0755;
constexpr mode_t FileMode = 0644;

// What an install works with: where the program runs and whose key it trusts.
struct Setup
{
    QString bundlePath;
    QByteArray makerKey;
    FolderMoves *moves = nullptr;
    std::chrono::milliseconds stallLimit = 30s;
    std::chrono::milliseconds totalLimit = 900s;
    QString copyTool = QStringLiteral("/bin/cp");
    qint64 downloadLimit = DownloadLimit;
    QString tarTool = QStringLiteral("/bin/tar");
};

FolderMoves &systemMoves()
{
    static FolderMoves moves;
    return moves;
}

struct Running
{
    QString bundle;
    QString program;
};

// Taken once, before anything is renamed: after a swap the system names the running
// program by the old folder's new place.
const Running &running()
{
    static const Running paths = [] {
        const QString program =
            QFileInfo(QCoreApplication::applicationFilePath()).absoluteFilePath();
        QDir folder = QFileInfo(program).absoluteDir();
        if (folder.dirName() == QLatin1String("bin")) {
            folder.cdUp();
        }
        return Running{folder.absolutePath(), program};
    }();
    return paths;
}

#ifdef TAMSEL_TEST_SEAMS
QMutex s_setupLock;
std::optional<Installation> s_installation;
#endif

Setup setup()
{
    Setup out;
    out.bundlePath = running().bundle;
    out.makerKey = BundleSignature::publicKeyFromHex(QStringLiteral(TAMSEL_UPDATE_KEY));
    out.moves = &systemMoves();
#ifdef TAMSEL_TEST_SEAMS
    QMutexLocker locker(&s_setupLock);
    if (s_installation) {
        out.bundlePath = s_installation->bundlePath;
        out.makerKey = s_installation->makerKey;
        out.moves = s_installation->moves ? s_installation->moves : &systemMoves();
        out.stallLimit = s_installation->stallLimit;
        out.totalLimit = s_installation->totalLimit;
        out.copyTool = s_installation->copyTool;
        out.downloadLimit = s_installation->downloadLimit;
        out.tarTool = s_installation->tarTool;
    }
#endif
    return out;
}

std::optional<QString> teamOf(const Setup &s)
{
    if (s.makerKey.isEmpty() || !BundleSignature::signatureVerifies(s.bundlePath, s.makerKey)) {
        return std::nullopt;
    }
    return BundleSignature::fingerprint(s.makerKey);
}

bool genuine(const Setup &s, const QString &path, const QString &team, const QString &bundleID)
{
    return !s.makerKey.isEmpty() && BundleSignature::fingerprint(s.makerKey) == team &&
           BundleSignature::isIntact(path, s.makerKey, bundleID);
}

QString parentOf(const QString &path)
{
    return QFileInfo(path).absolutePath();
}

// The manifest lists everything in an install folder but the folder itself, its
// Signature folder and the two files in it: whatever modes the archive gave those,
// they get the ones every install has. False when one of them is not of its kind or
// its mode cannot be set.
bool settleUnlistedModes(const QString &folder)
{
    const QString signature =
        folder + QLatin1Char('/') + QLatin1String(BundleSignature::FolderName);
    const std::pair<QString, mode_t> unlisted[] = {
        {folder, S_IFDIR | FolderMode},
        {signature, S_IFDIR | FolderMode},
        {signature + QLatin1Char('/') + QLatin1String(BundleSignature::ManifestName),
         S_IFREG | FileMode},
        {signature + QLatin1Char('/') + QLatin1String(BundleSignature::SignatureName),
         S_IFREG | FileMode},
    };
    for (const auto &[path, mode] : unlisted) {
        const QByteArray name = QFile::encodeName(path);
        struct stat info
        {
        };
        if (lstat(name.constData(), &info) != 0 || (info.st_mode & S_IFMT) != (mode & S_IFMT) ||
            chmod(name.constData(), mode & 07777) != 0) {
            return false;
        }
    }
    return true;
}

// ---- The address of the archive

int hexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') {
        return u - u'0';
    }
    if (u >= u'a' && u <= u'f') {
        return u - u'a' + 10;
    }
    if (u >= u'A' && u <= u'F') {
        return u - u'A' + 10;
    }
    return -1;
}

// The path with encoded dots and slashes decoded and dot segments resolved, the
// way a server may read it.
QString normalisedPath(const QString &raw)
{
    QString decoded;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] == u'%' && i + 2 < raw.size()) {
            const int high = hexValue(raw[i + 1]);
            const int low = hexValue(raw[i + 2]);
            const int value = high < 0 || low < 0 ? -1 : high * 16 + low;
            if (value == '.' || value == '/' || value == '\\') {
                decoded += QChar(value == '\\' ? '/' : value);
                i += 2;
                continue;
            }
        }
        decoded += raw[i] == u'\\' ? QChar(u'/') : raw[i];
    }
    QStringList out;
    const QStringList segments = decoded.split(QLatin1Char('/'));
    for (qsizetype i = 0; i < segments.size(); ++i) {
        const QString &segment = segments[i];
        const bool last = i == segments.size() - 1;
        if (segment == QLatin1String(".")) {
            if (last) {
                out.append(QString());
            }
        } else if (segment == QLatin1String("..")) {
            if (out.size() > 1) {
                out.removeLast();
            }
            if (last) {
                out.append(QString());
            }
        } else {
            out.append(segment);
        }
    }
    return out.join(QLatin1Char('/'));
}

// ---- The steps after the download, on a worker thread

struct Plan
{
    Setup setup;
    UpdateChecker::Release release;
    QString expectedDigest;
    QString signature;
    QString team;
    QString bundleID;
    QString bundle;
    QString appFolder;
    QString work;
    QString archive;
};

std::optional<QString> finish(const Plan &plan)
{
    struct ThreadState
    {
        ~ThreadState() { BundleSignature::releaseThreadState(); }
    } const threadState;
    // The digest, then the maker's signature of it: tar and gzip read only what the
    // maker signed.
    const std::optional<QString> digest = sha256(plan.archive);
    if (digest != plan.expectedDigest ||
        !BundleSignature::archiveSignatureVerifies(*digest, plan.signature, plan.setup.makerKey)) {
        return rejectionMessage();
    }
    // "Mounting": unpacking into the working folder's "disk".
    const QString disk = plan.work + QStringLiteral("/disk");
    const Result<qint64> unpacked = UpdateArchive::unpack(plan.archive, disk, plan.setup.tarTool);
    if (!unpacked) {
        switch (UpdateArchive::Failure(unpacked.error().code)) {
        case UpdateArchive::Failure::Refused:
            return rejectionMessage();
        case UpdateArchive::Failure::NoSpace:
            return failed(UpdateDownload::noSpaceText());
        case UpdateArchive::Failure::Tool:
            break;
        }
        return failed(unpacked.error().message);
    }
    // The new copy, checked, then copied beside the running one.
    const QString newApp = disk + QLatin1Char('/') + QLatin1String(NewFolderName);
    const QString staged = plan.appFolder + QStringLiteral("/.Tamsel-update-") +
                           QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper().left(8);
    std::optional<QString> pending;
    if (!settleUnlistedModes(newApp) || !genuine(plan.setup, newApp, plan.team, plan.bundleID) ||
        build(newApp) != plan.release.build ||
        UpdateChecker::currentBuild() >= plan.release.build) {
        pending = rejectionMessage();
    } else if (UpdateArchive::freeSpace(plan.appFolder).value_or(0) < *unpacked) {
        pending = failed(UpdateDownload::noSpaceText());
    } else {
        const QString copyName = QFileInfo(plan.setup.copyTool).fileName();
        pending = UpdateArchive::runTool(plan.setup.copyTool,
                                         {QStringLiteral("-R"), QStringLiteral("-P"),
                                          QStringLiteral("--preserve=mode,timestamps,links"),
                                          QStringLiteral("--"), newApp, staged},
                                         CopyTimeout, copyName);
        if (pending) {
            pending = failed(*pending);
        } else if (!settleUnlistedModes(staged) ||
                   !genuine(plan.setup, staged, plan.team, plan.bundleID)) {
            // Settled again: the copy tool made the folders, and what is swapped in counts.
            pending = rejectionMessage();
        } else if (const Result<void> synced = UpdateArchive::syncTree(staged); !synced) {
            // On the disk before the swap, so a crash or a power cut leaves a whole copy in place.
            pending = failed(synced.error().message);
        }
    }
    // "Detaching" happens on every path.
    UpdateArchive::removeTree(disk);
    if (pending) {
        UpdateArchive::removeTree(staged);
        return pending;
    }

    // The swap.
    FolderMoves &moves = *plan.setup.moves;
    QString old = plan.appFolder + QStringLiteral("/Tamsel ") + UpdateChecker::currentVersion();
    if (moves.renameExclusive(plan.bundle, old) != 0) {
        old = plan.appFolder + QStringLiteral("/.Tamsel-previous-") +
              QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper().left(8);
        if (const int error = moves.rename(plan.bundle, old)) {
            UpdateArchive::removeTree(staged);
            return failed(FolderMoves::errorText(error));
        }
    }
    if (const int error = moves.rename(staged, plan.bundle)) {
        const QString text = FolderMoves::errorText(error);
        UpdateArchive::removeTree(staged);
        if (moves.rename(old, plan.bundle) == 0) {
            return failed(text);
        }
        //: Install and Relaunch error when the old copy couldn't get its name back. Placeholders:
        //: the system's message, the app's current file name.
        return QCoreApplication::translate(
                   "Updater", "Couldn't install the update (%1). This copy is now “%2” in "
                              "the same folder: rename it back to Tamsel.")
            .arg(text, QFileInfo(old).fileName());
    }
    // The swap itself, made lasting; the new copy is in place whether or not this works.
    UpdateArchive::syncFolder(plan.appFolder);
    moves.moveToTrash(old);
    return std::nullopt;
}

QFuture<std::optional<QString>> installSteps(Plan plan)
{
    // From here on every way out removes the working folder.
    struct WorkFolder
    {
        QString path;
        ~WorkFolder() { UpdateArchive::removeTree(path); }
    };
    if (::mkdir(QFile::encodeName(plan.work).constData(), 0700) != 0) {
        co_return failed(FolderMoves::errorText(errno));
    }
    const WorkFolder work{plan.work};

    const qint64 limit = plan.release.size.value_or(plan.setup.downloadLimit);
    if (plan.release.size && UpdateArchive::freeSpace(plan.work).value_or(0) < *plan.release.size) {
        co_return failed(UpdateDownload::noSpaceText());
    }
    const QString part = plan.work + QStringLiteral("/download.part");
    auto download = UpdateDownload::download(*dmgURL(plan.release), part, plan.setup.stallLimit,
                                             plan.setup.totalLimit, limit);
    const std::optional<QString> downloadFailure = co_await download;
    if (downloadFailure) {
        co_return failed(*downloadFailure);
    }
    plan.archive = plan.work + QStringLiteral("/update.tar.gz");
    if (const int error = FolderMoves().rename(part, plan.archive)) {
        co_return failed(FolderMoves::errorText(error));
    }
    auto steps = QtConcurrent::run([plan] { return finish(plan); });
    const std::optional<QString> outcome = co_await steps;
    co_return outcome;
}

} // namespace

// Every failed install comes through here, so this is where it is logged.
QString failed(const QString &message)
{
    qCWarning(lcAbout).noquote() << "update install failed:" << message;
    //: Install and Relaunch error. The placeholder is the system's or a tool's message.
    return QCoreApplication::translate(
               "Updater", "Couldn't install the update (%1). This copy wasn't changed.")
        .arg(message);
}

QString rejectionMessage()
{
    //: Install and Relaunch error
    return QCoreApplication::translate(
        "Updater", "The downloaded update didn't pass the check. This copy wasn't changed.");
}

std::optional<QUrl> dmgURL(const UpdateChecker::Release &release)
{
    if (!release.dmg) {
        return std::nullopt;
    }
    const QUrl &url = *release.dmg;
    const QString raw = url.path(QUrl::FullyEncoded);
    if (!raw.endsWith(QLatin1String(ArchiveSuffix)) || url.scheme() != QLatin1String("https") ||
        url.host() != UpdateChecker::pageURL().host()) {
        return std::nullopt;
    }
    // What the prefix test sees is what a server would serve: an address whose
    // resolved path differs from what it says is refused outright.
    if (normalisedPath(raw) != raw || !raw.startsWith(QLatin1String(DownloadsPrefix))) {
        return std::nullopt;
    }
    return url;
}

bool canInstallHere()
{
    const Setup s = setup();
    const QString bundle = s.bundlePath;
    // Places that package managers and sandboxes own: they update what they installed.
    for (const char *owned :
         {"/usr/", "/nix/", "/gnu/", "/snap/", "/var/lib/flatpak/", "/app/", "/tmp/.mount_"}) {
        const QString prefix = QLatin1String(owned);
        if (bundle.startsWith(prefix) || bundle == prefix.chopped(1)) {
            return false;
        }
    }
    if (bundle.contains(QLatin1String("/.local/share/flatpak/"))) {
        return false;
    }
    for (const char *sandbox : {"APPIMAGE", "FLATPAK_ID", "SNAP"}) {
        if (qEnvironmentVariableIsSet(sandbox)) {
            return false;
        }
    }
    const QByteArray name = QFile::encodeName(bundle);
    struct statvfs volume
    {
    };
    if (statvfs(name.constData(), &volume) != 0 || (volume.f_flag & ST_RDONLY) != 0) {
        return false;
    }
    if (access(QFile::encodeName(parentOf(bundle)).constData(), W_OK) != 0 ||
        access(name.constData(), W_OK) != 0) {
        return false;
    }
    return teamOf(s).has_value();
}

std::optional<QString> ownTeam()
{
    return teamOf(setup());
}

QString bundlePath()
{
    return setup().bundlePath;
}

QString programPath()
{
    const Setup s = setup();
    if (s.bundlePath == running().bundle) {
        return running().program;
    }
    return s.bundlePath + QStringLiteral("/bin/tamsel");
}

bool isGenuine(const QString &path, const QString &team, const QString &bundleID)
{
    return genuine(setup(), path, team, bundleID);
}

std::optional<qint64> build(const QString &path)
{
    const std::optional<QString> text = BundleSignature::infoText(path, "build");
    if (!text) {
        return std::nullopt;
    }
    const qint64 number = UpdateChecker::buildNumber(*text);
    if (number == 0) {
        // buildNumber() says 0 for anything that is no number; only a written zero is one.
        static const QRegularExpression zero(QStringLiteral("^[+-]?0+$"));
        if (!zero.match(*text).hasMatch()) {
            return std::nullopt;
        }
    }
    return number;
}

std::optional<QString> sha256(const QString &path)
{
    return BundleSignature::sha256(path);
}

QFuture<std::optional<QString>> install(UpdateChecker::Release release)
{
    Plan plan;
    plan.setup = setup();
    plan.release = release;
    // Preconditions, before the network or the disk is touched.
    const QString digest = release.sha256.value_or(QString()).toLower();
    const std::optional<QString> team = teamOf(plan.setup);
    const std::optional<QString> bundleID =
        BundleSignature::infoText(plan.setup.bundlePath, Identifier);
    if (!dmgURL(release) || digest.size() != 64 || !release.signature || !team || !bundleID) {
        return Async::ready(std::optional<QString>(rejectionMessage()));
    }
    plan.expectedDigest = digest;
    plan.signature = *release.signature;
    plan.team = *team;
    plan.bundleID = *bundleID;
    plan.bundle = plan.setup.bundlePath;
    plan.appFolder = parentOf(plan.bundle);
    plan.work = QDir::tempPath() + QStringLiteral("/Tamsel-update-") +
                QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
    return installSteps(std::move(plan));
}

#ifdef TAMSEL_TEST_SEAMS
void setInstallationForTesting(std::optional<Installation> installation)
{
    QMutexLocker locker(&s_setupLock);
    s_installation = std::move(installation);
}
#endif

} // namespace Updater
