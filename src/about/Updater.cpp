#include "about/Updater.h"

#include "about/BundleSignature.h"
#include "about/ProcessRunner.h"
#include "platform/FolderMoves.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPromise>
#include <QRegularExpression>
#include <QTimer>
#include <QUuid>
#include <QtConcurrent/QtConcurrentRun>

#include <set>
#include <vector>

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
// An archive that unpacks to more is refused before it is unpacked.
constexpr qint64 MaxUnpackedBytes = 2LL * 1024 * 1024 * 1024;
constexpr auto UnpackTimeout = 120s;
constexpr auto CopyTimeout = 300s;

// What an install works with: where the program runs and whose key it trusts.
struct Setup
{
    QString bundlePath;
    QByteArray makerKey;
    FolderMoves *moves = nullptr;
    std::chrono::milliseconds stallLimit = 30s;
    std::chrono::milliseconds totalLimit = 900s;
    QString copyTool = QStringLiteral("/bin/cp");
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
        const QString program = QFileInfo(QCoreApplication::applicationFilePath()).absoluteFilePath();
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
    return !s.makerKey.isEmpty() && BundleSignature::fingerprint(s.makerKey) == team
        && BundleSignature::isIntact(path, s.makerKey, bundleID);
}

QString parentOf(const QString &path)
{
    return QFileInfo(path).absolutePath();
}

// Removes a tree without following links, making read-only folders of it writable
// first (an unpacked archive may hold some). Errors are passed over.
void removeTree(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info{};
    if (lstat(name.constData(), &info) != 0) {
        return;
    }
    if (!S_ISDIR(info.st_mode)) {
        unlink(name.constData());
        return;
    }
    chmod(name.constData(), (info.st_mode & 07777) | S_IRWXU);
    const std::vector<QByteArray> children = BundleSignature::entryNames(name).value_or(std::vector<QByteArray>());
    for (const QByteArray &child : children) {
        removeTree(QFile::decodeName(name + '/' + child));
    }
    rmdir(name.constData());
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

// ---- The archive

// One entry as tar lists it.
struct Entry
{
    char type = 0;
    qint64 size = 0;
    QByteArray name;
    QByteArray target; // links only
};

// A name in the C quoting of tar's listing, from `at` (on the opening quote);
// moves `at` past the closing quote.
std::optional<QByteArray> unquote(const QByteArray &line, qsizetype &at)
{
    if (at >= line.size() || line[at] != '"') {
        return std::nullopt;
    }
    QByteArray out;
    for (++at; at < line.size(); ++at) {
        const char c = line[at];
        if (c == '"') {
            ++at;
            return out;
        }
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++at >= line.size()) {
            return std::nullopt;
        }
        const char e = line[at];
        if (e >= '0' && e <= '7') {
            int value = 0;
            int digits = 0;
            while (digits < 3 && at < line.size() && line[at] >= '0' && line[at] <= '7') {
                value = value * 8 + (line[at] - '0');
                ++at;
                ++digits;
            }
            --at;
            out += char(value);
            continue;
        }
        switch (e) {
        case 'a': out += '\a'; break;
        case 'b': out += '\b'; break;
        case 'f': out += '\f'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case 'v': out += '\v'; break;
        default: out += e; break;
        }
    }
    return std::nullopt;
}

// One line of `tar --list --verbose --numeric-owner --full-time --quoting-style=c`:
// "drwxr-xr-x 0/0 0 2026-01-01 00:00:00 "name"", links with " -> "target"" and hard
// links with " link to "target"".
std::optional<Entry> parseLine(const QByteArray &line)
{
    Entry entry;
    if (line.isEmpty()) {
        return std::nullopt;
    }
    entry.type = line[0];
    const qsizetype quote = line.indexOf(" \"");
    if (quote < 0) {
        return std::nullopt;
    }
    const QList<QByteArray> fields = line.left(quote).simplified().split(' ');
    if (fields.size() < 5) {
        return std::nullopt;
    }
    if (entry.type == '-') {
        bool ok = false;
        entry.size = fields[2].toLongLong(&ok);
        if (!ok || entry.size < 0) {
            return std::nullopt;
        }
    }
    qsizetype at = quote + 1;
    const std::optional<QByteArray> name = unquote(line, at);
    if (!name) {
        return std::nullopt;
    }
    entry.name = *name;
    if (entry.type == 'l' || entry.type == 'h') {
        const QByteArray joint = entry.type == 'l' ? " -> " : " link to ";
        if (line.mid(at, joint.size()) != joint) {
            return std::nullopt;
        }
        at += joint.size();
        const std::optional<QByteArray> target = unquote(line, at);
        if (!target) {
            return std::nullopt;
        }
        entry.target = *target;
    }
    return at == line.size() ? std::optional<Entry>(entry) : std::nullopt;
}

// The path's segments with "." and ".." resolved against the folder it is read in;
// absent when it is absolute or climbs out of that folder.
std::optional<QList<QByteArray>> insidePath(const QByteArray &path)
{
    if (path.startsWith('/')) {
        return std::nullopt;
    }
    QList<QByteArray> out;
    for (const QByteArray &segment : path.split('/')) {
        if (segment.isEmpty() || segment == ".") {
            continue;
        }
        if (segment == "..") {
            if (out.isEmpty()) {
                return std::nullopt;
            }
            out.removeLast();
        } else {
            out.append(segment);
        }
    }
    return out;
}

// Whether tar's listing describes an archive that stays inside the folder it is
// unpacked into: no absolute names or names climbing out, links pointing only inside,
// nothing below a link, no devices or fifos, at most MaxUnpackedBytes of contents.
bool listingIsSafe(const QString &listing)
{
    qint64 total = 0;
    std::set<QByteArray> links;
    std::vector<QList<QByteArray>> names;
    const QList<QByteArray> lines = listing.toUtf8().split('\n');
    for (const QByteArray &line : lines) {
        if (line.isEmpty()) {
            continue;
        }
        const std::optional<Entry> entry = parseLine(line);
        if (!entry || !QByteArray("-dlh").contains(entry->type)) {
            return false;
        }
        const std::optional<QList<QByteArray>> name = insidePath(entry->name);
        if (!name || name->isEmpty()) {
            return false;
        }
        if (entry->type == 'l') {
            QByteArray from = name->mid(0, name->size() - 1).join('/');
            if (entry->target.isEmpty() || !insidePath(from + '/' + entry->target)) {
                return false;
            }
            links.insert(name->join('/'));
        } else if (entry->type == 'h' && !insidePath(entry->target)) {
            return false;
        }
        total += entry->size;
        if (total > MaxUnpackedBytes) {
            return false;
        }
        names.push_back(*name);
    }
    for (const QList<QByteArray> &name : names) {
        for (qsizetype depth = 1; depth < name.size(); ++depth) {
            if (links.count(name.mid(0, depth).join('/'))) {
                return false;
            }
        }
    }
    return !names.empty();
}

// After unpacking: only files, folders and links, every link resolving inside `root`
// (or nowhere), as the listing promised.
bool treeIsSafe(const QString &root)
{
    const QString canonicalRoot = QFileInfo(root).canonicalFilePath();
    std::vector<QString> pending{root};
    while (!pending.empty()) {
        const QString folder = pending.back();
        pending.pop_back();
        const QByteArray name = QFile::encodeName(folder);
        const std::optional<std::vector<QByteArray>> children = BundleSignature::entryNames(name);
        if (!children) {
            return false;
        }
        for (const QByteArray &child : *children) {
            const QByteArray path = name + '/' + child;
            struct stat info{};
            if (lstat(path.constData(), &info) != 0) {
                return false;
            }
            if (S_ISDIR(info.st_mode)) {
                pending.push_back(QFile::decodeName(path));
            } else if (S_ISLNK(info.st_mode)) {
                const QString resolved = QFileInfo(QFile::decodeName(path)).canonicalFilePath();
                if (!resolved.isEmpty() && resolved != canonicalRoot
                    && !resolved.startsWith(canonicalRoot + QLatin1Char('/'))) {
                    return false;
                }
            } else if (!S_ISREG(info.st_mode)) {
                return false;
            }
        }
    }
    return true;
}

// ---- The download

// One download to a file: streamed, with a stall limit and a limit on the whole.
// Deletes itself once its answer is out. The answer is nothing on success, or the
// sentence that goes between the brackets of failed().
class Download : public QObject
{
public:
    Download(const QUrl &from, const QString &to, const Setup &s) : m_file(to)
    {
        m_promise.start();
        if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            // Settled from the event loop, so the caller has its future first.
            QTimer::singleShot(0, this, [this] { settle(m_file.errorString()); });
            return;
        }
        QNetworkRequest request(from);
        request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
        request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
        request.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
        request.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);
        request.setAttribute(QNetworkRequest::AuthenticationReuseAttribute, QNetworkRequest::Manual);
        request.setSslConfiguration(UpdateChecker::tlsConfiguration());
        m_network = new QNetworkAccessManager(this);
        m_network->setCookieJar(nullptr);
        m_reply = m_network->get(request);
        // Read as it comes, so the archive is never held in memory.
        m_reply->setReadBufferSize(1024 * 1024);
        connect(m_reply, &QNetworkReply::readyRead, this, [this] { onReadyRead(); });
        connect(m_reply, &QNetworkReply::finished, this, [this] { onFinished(); });

        m_stall.setSingleShot(true);
        m_whole.setSingleShot(true);
        for (QTimer *timer : {&m_stall, &m_whole}) {
            connect(timer, &QTimer::timeout, this, [this] { settle(QCoreApplication::translate("Updater", "The request timed out.")); });
        }
        m_stall.start(s.stallLimit);
        m_whole.start(s.totalLimit);
    }

    QFuture<std::optional<QString>> future() { return m_promise.future(); }

private:
    std::optional<int> status() const
    {
        const QVariant code = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        return code.isValid() ? std::optional<int>(code.toInt()) : std::nullopt;
    }

    void onReadyRead()
    {
        m_stall.start();
        const QByteArray data = m_reply->readAll();
        if (const std::optional<int> code = status(); code && *code != 200) {
            return; // the body of an error page is read and dropped
        }
        if (m_file.write(data) != data.size()) {
            settle(m_file.errorString());
        }
    }

    void onFinished()
    {
        if (m_reply->error() != QNetworkReply::NoError && !status()) {
            settle(m_reply->errorString());
            return;
        }
        if (const std::optional<int> code = status(); code && *code != 200) {
            settle(statusPhrase(*code));
            return;
        }
        if (m_reply->error() != QNetworkReply::NoError) {
            settle(m_reply->errorString());
            return;
        }
        onReadyRead();
        if (m_settled) {
            return;
        }
        if (!m_file.flush()) {
            settle(m_file.errorString());
            return;
        }
        m_file.close();
        settle(std::nullopt);
    }

    void settle(std::optional<QString> message)
    {
        if (m_settled) {
            return;
        }
        m_settled = true;
        m_stall.stop();
        m_whole.stop();
        if (m_reply) {
            disconnect(m_reply, nullptr, this, nullptr);
            if (m_reply->isRunning()) {
                m_reply->abort();
            }
        }
        m_file.close();
        m_promise.addResult(std::move(message));
        m_promise.finish();
        deleteLater();
    }

    // The standard reason phrase of an HTTP status, as the user reads it between brackets.
    static QString statusPhrase(int code)
    {
        switch (code) {
        case 301: return QCoreApplication::translate("Updater", "moved permanently");
        case 302: return QCoreApplication::translate("Updater", "found");
        case 304: return QCoreApplication::translate("Updater", "not modified");
        case 400: return QCoreApplication::translate("Updater", "bad request");
        case 401: return QCoreApplication::translate("Updater", "unauthorized");
        case 403: return QCoreApplication::translate("Updater", "forbidden");
        case 404: return QCoreApplication::translate("Updater", "not found");
        case 405: return QCoreApplication::translate("Updater", "method not allowed");
        case 408: return QCoreApplication::translate("Updater", "request timed out");
        case 410: return QCoreApplication::translate("Updater", "no longer exists");
        case 429: return QCoreApplication::translate("Updater", "too many requests");
        case 500: return QCoreApplication::translate("Updater", "internal server error");
        case 501: return QCoreApplication::translate("Updater", "unimplemented");
        case 502: return QCoreApplication::translate("Updater", "bad gateway");
        case 503: return QCoreApplication::translate("Updater", "service unavailable");
        case 504: return QCoreApplication::translate("Updater", "gateway timed out");
        default: break;
        }
        if (code >= 100 && code < 200) {
            return QCoreApplication::translate("Updater", "informational");
        }
        if (code >= 200 && code < 300) {
            return QCoreApplication::translate("Updater", "success");
        }
        if (code >= 300 && code < 400) {
            return QCoreApplication::translate("Updater", "redirected");
        }
        if (code >= 400 && code < 500) {
            return QCoreApplication::translate("Updater", "client error");
        }
        return QCoreApplication::translate("Updater", "server error");
    }

    QPromise<std::optional<QString>> m_promise;
    QFile m_file;
    QNetworkAccessManager *m_network = nullptr;
    QNetworkReply *m_reply = nullptr;
    QTimer m_stall;
    QTimer m_whole;
    bool m_settled = false;
};

// ---- The steps after the download, on a worker thread

struct Plan
{
    Setup setup;
    UpdateChecker::Release release;
    QString expectedDigest;
    QString team;
    QString bundleID;
    QString bundle;
    QString appFolder;
    QString work;
    QString archive;
};

// Runs a tool and waits for it on this worker thread. Absent when it ran and
// succeeded; else the sentence for failed(), `launchText` standing for a tool that
// could not be started (or the system's reason when `launchText` is empty).
std::optional<QString> runTool(const QString &tool, const QStringList &arguments, std::chrono::milliseconds timeout,
                               const QString &launchText, ProcessRunner::Output *output = nullptr)
{
    const Result<ProcessRunner::Output> run = ProcessRunner::run(tool, arguments, timeout).result();
    if (!run) {
        return launchText.isEmpty() ? run.error().message : launchText;
    }
    if (run->status != 0 || run->timedOut) {
        return run->errorMessage();
    }
    if (output) {
        *output = *run;
    }
    return std::nullopt;
}

// The unpacking: list, refuse what could leave the folder, unpack, look again.
// Absent when the archive is unpacked into `disk`; else the user's sentence.
std::optional<QString> unpack(const QString &archive, const QString &disk)
{
    const QString tar = QStringLiteral("/bin/tar");
    ProcessRunner::Output listing;
    if (std::optional<QString> message =
            runTool(tar,
                    {QStringLiteral("--list"), QStringLiteral("--verbose"), QStringLiteral("--numeric-owner"),
                     QStringLiteral("--full-time"), QStringLiteral("--utc"), QStringLiteral("--quoting-style=c"),
                     QStringLiteral("--gzip"), QStringLiteral("--file"), archive},
                    UnpackTimeout, QString(), &listing)) {
        return failed(*message);
    }
    if (!listingIsSafe(listing.standardOutput)) {
        return rejectionMessage();
    }
    if (::mkdir(QFile::encodeName(disk).constData(), 0700) != 0) {
        return failed(FolderMoves::errorText(errno));
    }
    if (std::optional<QString> message =
            runTool(tar,
                    {QStringLiteral("--extract"), QStringLiteral("--gzip"), QStringLiteral("--preserve-permissions"),
                     QStringLiteral("--no-same-owner"), QStringLiteral("--no-overwrite-dir"),
                     QStringLiteral("--file"), archive, QStringLiteral("--directory"), disk},
                    UnpackTimeout, QString())) {
        return failed(*message);
    }
    if (!treeIsSafe(disk)) {
        return rejectionMessage();
    }
    return std::nullopt;
}

std::optional<QString> finish(const Plan &plan)
{
    // The digest.
    if (sha256(plan.archive) != plan.expectedDigest) {
        return rejectionMessage();
    }
    // "Mounting": unpacking into the working folder's "disk".
    const QString disk = plan.work + QStringLiteral("/disk");
    if (std::optional<QString> message = unpack(plan.archive, disk)) {
        return message;
    }
    // The new copy, checked, then copied beside the running one.
    const QString newApp = disk + QLatin1Char('/') + QLatin1String(NewFolderName);
    const QString staged = plan.appFolder + QStringLiteral("/.Tamsel-update-")
        + QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper().left(8);
    std::optional<QString> pending;
    if (genuine(plan.setup, newApp, plan.team, plan.bundleID) && build(newApp) == plan.release.build
        && UpdateChecker::currentBuild() < plan.release.build) {
        const QString copyName = QFileInfo(plan.setup.copyTool).fileName();
        pending = runTool(plan.setup.copyTool,
                          {QStringLiteral("-R"), QStringLiteral("-P"), QStringLiteral("--preserve=mode,timestamps,links"),
                           QStringLiteral("--"), newApp, staged},
                          CopyTimeout, copyName);
        if (pending) {
            pending = failed(*pending);
        } else if (!genuine(plan.setup, staged, plan.team, plan.bundleID)) {
            pending = rejectionMessage();
        }
    } else {
        pending = rejectionMessage();
    }
    // "Detaching" happens on every path.
    removeTree(disk);
    if (pending) {
        removeTree(staged);
        return pending;
    }

    // The swap.
    FolderMoves &moves = *plan.setup.moves;
    QString old = plan.appFolder + QStringLiteral("/Tamsel ") + UpdateChecker::currentVersion();
    if (moves.renameExclusive(plan.bundle, old) != 0) {
        old = plan.appFolder + QStringLiteral("/.Tamsel-previous-")
            + QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper().left(8);
        if (const int error = moves.rename(plan.bundle, old)) {
            removeTree(staged);
            return failed(FolderMoves::errorText(error));
        }
    }
    if (const int error = moves.rename(staged, plan.bundle)) {
        const QString text = FolderMoves::errorText(error);
        removeTree(staged);
        if (moves.rename(old, plan.bundle) == 0) {
            return failed(text);
        }
        //: Install and Relaunch error when the old copy couldn't get its name back. Placeholders: the system's message, the app's current file name.
        return QCoreApplication::translate("Updater", "Couldn't install the update (%1). This copy is now “%2” in "
                                                      "the same folder: rename it back to Tamsel.")
            .arg(text, QFileInfo(old).fileName());
    }
    moves.moveToTrash(old);
    return std::nullopt;
}

QFuture<std::optional<QString>> installSteps(Plan plan)
{
    // From here on every way out removes the working folder.
    struct WorkFolder
    {
        QString path;
        ~WorkFolder() { removeTree(path); }
    };
    if (::mkdir(QFile::encodeName(plan.work).constData(), 0700) != 0) {
        co_return failed(FolderMoves::errorText(errno));
    }
    const WorkFolder work{plan.work};

    const QString part = plan.work + QStringLiteral("/download.part");
    auto *download = new Download(*dmgURL(plan.release), part, plan.setup);
    const std::optional<QString> downloadFailure = co_await download->future();
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

QString failed(const QString &message)
{
    //: Install and Relaunch error. The placeholder is the system's or a tool's message.
    return QCoreApplication::translate("Updater", "Couldn't install the update (%1). This copy wasn't changed.")
        .arg(message);
}

QString rejectionMessage()
{
    //: Install and Relaunch error
    return QCoreApplication::translate("Updater",
                                       "The downloaded update didn't pass the check. This copy wasn't changed.");
}

std::optional<QUrl> dmgURL(const UpdateChecker::Release &release)
{
    if (!release.dmg) {
        return std::nullopt;
    }
    const QUrl &url = *release.dmg;
    const QString raw = url.path(QUrl::FullyEncoded);
    if (!raw.endsWith(QLatin1String(ArchiveSuffix)) || url.scheme() != QLatin1String("https")
        || url.host() != UpdateChecker::pageURL().host()) {
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
    for (const char *owned : {"/usr/", "/nix/", "/gnu/", "/snap/", "/var/lib/flatpak/", "/app/", "/tmp/.mount_"}) {
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
    struct statvfs volume{};
    if (statvfs(name.constData(), &volume) != 0 || (volume.f_flag & ST_RDONLY) != 0) {
        return false;
    }
    if (access(QFile::encodeName(parentOf(bundle)).constData(), W_OK) != 0 || access(name.constData(), W_OK) != 0) {
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
    const std::optional<QString> bundleID = BundleSignature::infoText(plan.setup.bundlePath, Identifier);
    if (!dmgURL(release) || digest.size() != 64 || !team || !bundleID) {
        return Async::ready(std::optional<QString>(rejectionMessage()));
    }
    plan.expectedDigest = digest;
    plan.team = *team;
    plan.bundleID = *bundleID;
    plan.bundle = plan.setup.bundlePath;
    plan.appFolder = parentOf(plan.bundle);
    plan.work = QDir::tempPath() + QStringLiteral("/Tamsel-update-")
        + QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
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
