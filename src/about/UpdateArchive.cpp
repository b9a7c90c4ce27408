#include "about/UpdateArchive.h"

#include "about/BundleSignature.h"
#include "platform/FolderMoves.h"

#include <QFile>
#include <QFileInfo>

#include <set>
#include <vector>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

using namespace std::chrono_literals;

namespace UpdateArchive {

namespace {

constexpr auto UnpackTimeout = 120s;

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
        case 'a':
            out += '\a';
            break;
        case 'b':
            out += '\b';
            break;
        case 'f':
            out += '\f';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        case 't':
            out += '\t';
            break;
        case 'v':
            out += '\v';
            break;
        default:
            out += e;
            break;
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
// Gives the size of the contents when it does.
std::optional<qint64> safeListingSize(const QString &listing)
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
            return std::nullopt;
        }
        const std::optional<QList<QByteArray>> name = insidePath(entry->name);
        if (!name || name->isEmpty()) {
            return std::nullopt;
        }
        if (entry->type == 'l') {
            QByteArray from = name->mid(0, name->size() - 1).join('/');
            if (entry->target.isEmpty() || !insidePath(from + '/' + entry->target)) {
                return std::nullopt;
            }
            links.insert(name->join('/'));
        } else if (entry->type == 'h' && !insidePath(entry->target)) {
            return std::nullopt;
        }
        total += entry->size;
        if (total > MaxUnpackedBytes) {
            return std::nullopt;
        }
        names.push_back(*name);
    }
    for (const QList<QByteArray> &name : names) {
        for (qsizetype depth = 1; depth < name.size(); ++depth) {
            if (links.count(name.mid(0, depth).join('/'))) {
                return std::nullopt;
            }
        }
    }
    if (names.empty()) {
        return std::nullopt;
    }
    return total;
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
            struct stat info
            {
            };
            if (lstat(path.constData(), &info) != 0) {
                return false;
            }
            if (S_ISDIR(info.st_mode)) {
                pending.push_back(QFile::decodeName(path));
            } else if (S_ISLNK(info.st_mode)) {
                const QString resolved = QFileInfo(QFile::decodeName(path)).canonicalFilePath();
                if (!resolved.isEmpty() && resolved != canonicalRoot &&
                    !resolved.startsWith(canonicalRoot + QLatin1Char('/'))) {
                    return false;
                }
            } else if (!S_ISREG(info.st_mode)) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

// Removes a tree without following links, making read-only folders of it writable
// first (an unpacked archive may hold some). Errors are passed over.
void removeTree(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info
    {
    };
    if (lstat(name.constData(), &info) != 0) {
        return;
    }
    if (!S_ISDIR(info.st_mode)) {
        unlink(name.constData());
        return;
    }
    chmod(name.constData(), (info.st_mode & 07777) | S_IRWXU);
    const std::vector<QByteArray> children =
        BundleSignature::entryNames(name).value_or(std::vector<QByteArray>());
    for (const QByteArray &child : children) {
        removeTree(QFile::decodeName(name + '/' + child));
    }
    rmdir(name.constData());
}

std::optional<QString> runTool(const QString &tool, const QStringList &arguments,
                               std::chrono::milliseconds timeout, const QString &launchText,
                               ProcessRunner::Output *output)
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

std::optional<qint64> freeSpace(const QString &folder)
{
    struct statvfs volume
    {
    };
    if (statvfs(QFile::encodeName(folder).constData(), &volume) != 0) {
        return std::nullopt;
    }
    return qint64(volume.f_bavail) * qint64(volume.f_frsize);
}

namespace {

// fsync of one file or folder, not following a link.
Result<void> flush(const QByteArray &name)
{
    const int fd = open(name.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        return Error{FolderMoves::errorText(errno)};
    }
    const int synced = fsync(fd);
    const int error = errno;
    close(fd);
    if (synced != 0) {
        return Error{FolderMoves::errorText(error)};
    }
    return {};
}

} // namespace

Result<void> syncTree(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info
    {
    };
    if (lstat(name.constData(), &info) != 0) {
        return Error{FolderMoves::errorText(errno)};
    }
    if (S_ISLNK(info.st_mode)) {
        return {}; // a link's target is flushed where it lives, and a link itself with its folder
    }
    if (S_ISDIR(info.st_mode)) {
        const std::optional<std::vector<QByteArray>> children = BundleSignature::entryNames(name);
        if (!children) {
            return Error{FolderMoves::errorText(errno)};
        }
        for (const QByteArray &child : *children) {
            if (Result<void> synced = syncTree(QFile::decodeName(name + '/' + child)); !synced) {
                return synced;
            }
        }
    }
    return flush(name);
}

Result<void> syncFolder(const QString &folder)
{
    return flush(QFile::encodeName(folder));
}

Result<qint64> unpack(const QString &archive, const QString &disk, const QString &tar)
{
    ProcessRunner::Output listing;
    if (std::optional<QString> message =
            runTool(tar,
                    {QStringLiteral("--list"), QStringLiteral("--verbose"),
                     QStringLiteral("--numeric-owner"), QStringLiteral("--full-time"),
                     QStringLiteral("--utc"), QStringLiteral("--quoting-style=c"),
                     QStringLiteral("--gzip"), QStringLiteral("--file"), archive},
                    UnpackTimeout, QString(), &listing)) {
        return Error{*message, int(Failure::Tool)};
    }
    const std::optional<qint64> size = safeListingSize(listing.standardOutput);
    if (!size) {
        return Error{QStringLiteral("refused"), int(Failure::Refused)};
    }
    if (freeSpace(QFileInfo(disk).absolutePath()).value_or(0) < *size) {
        return Error{QStringLiteral("no space"), int(Failure::NoSpace)};
    }
    if (::mkdir(QFile::encodeName(disk).constData(), 0700) != 0) {
        return Error{FolderMoves::errorText(errno), int(Failure::Tool)};
    }
    if (std::optional<QString> message =
            runTool(tar,
                    {QStringLiteral("--extract"), QStringLiteral("--gzip"),
                     QStringLiteral("--preserve-permissions"), QStringLiteral("--no-same-owner"),
                     QStringLiteral("--no-overwrite-dir"), QStringLiteral("--file"), archive,
                     QStringLiteral("--directory"), disk},
                    UnpackTimeout, QString())) {
        return Error{*message, int(Failure::Tool)};
    }
    if (!treeIsSafe(disk)) {
        return Error{QStringLiteral("refused"), int(Failure::Refused)};
    }
    return *size;
}

} // namespace UpdateArchive
