#include "model/FileWriting.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <functional>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("FileWriting", text);
}

// A name short enough to read in a message; very long names keep both ends.
QString shownName(const QString &name)
{
    constexpr int keep = 40;
    if (name.size() <= 2 * keep + 1) {
        return name;
    }
    return name.left(keep) + QStringLiteral("…") + name.right(keep);
}

Error failure(const QString &name, const char *because)
{
    return Error{tr(because).arg(shownName(name)), 0, false};
}

// Why a system call failed, in the user's words. `reason` is the system's own
// text, used when the cause is none of the common ones.
Error failureOf(int error, const QString &name, const QString &reason)
{
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return failure(name, QT_TRANSLATE_NOOP("FileWriting",
                                               "“%1” couldn't be saved because the disk is full."));
    case EFBIG:
        return failure(name, QT_TRANSLATE_NOOP(
                                 "FileWriting",
                                 "“%1” couldn't be saved because it is too large for that disk."));
    case EACCES:
    case EPERM:
        return failure(name, QT_TRANSLATE_NOOP("FileWriting",
                                               "“%1” couldn't be saved because you don't have "
                                               "permission to write in that folder."));
    case EROFS:
        return failure(name,
                       QT_TRANSLATE_NOOP("FileWriting",
                                         "“%1” couldn't be saved because that disk is read-only."));
    case ENAMETOOLONG:
        return failure(name,
                       QT_TRANSLATE_NOOP("FileWriting",
                                         "“%1” couldn't be saved because the name is too long."));
    case ENOENT:
    case ENOTDIR:
        return failure(
            name, QT_TRANSLATE_NOOP("FileWriting",
                                    "“%1” couldn't be saved because its folder doesn't exist."));
    default:
        return Error{QCoreApplication::translate("FileWriting", "“%1” couldn't be saved (%2).")
                         .arg(shownName(name), reason),
                     0, false};
    }
}

} // namespace

namespace FileWriting {

namespace {

// Writes what `fill` writes into a temporary file next to `path` and renames it
// over `path` once it is complete. `fill` answers why it failed, if it did.
Result<void> replaceWith(const QString &path, const std::function<Result<void>(QSaveFile &)> &fill)
{
    const QFileInfo target(path);
    const QString name = target.fileName();
    if (target.isDir()) {
        return failure(name,
                       QT_TRANSLATE_NOOP(
                           "FileWriting",
                           "“%1” couldn't be saved because a folder of that name is in the way."));
    }
    if (!target.dir().exists()) {
        return failureOf(ENOENT, name, {});
    }
    if (name.toUtf8().size() > maxNameBytes) {
        return failureOf(ENAMETOOLONG, name, {});
    }

    QSaveFile file(path);
    // Unbuffered, so that the system call that fails is the last one made and
    // errno still tells why.
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return failureOf(errno, name, file.errorString());
    }
    Result<void> filled = fill(file);
    if (!filled) {
        file.cancelWriting();
        return filled;
    }
    errno = 0;
    if (!file.commit()) {
        return failureOf(errno, name, file.errorString());
    }
    return {};
}

// `write` answers false, with errno set, when a write fails.
Result<void> replaceWriting(const QString &path, const std::function<bool(QSaveFile &)> &write)
{
    return replaceWith(path, [&](QSaveFile &file) -> Result<void> {
        errno = 0;
        if (!write(file)) {
            const int error = errno;
            return failureOf(error, QFileInfo(path).fileName(), file.errorString());
        }
        return {};
    });
}

} // namespace

Result<void> replace(const QByteArray &data, const QString &path)
{
    return replaceWriting(path,
                          [&data](QSaveFile &file) { return file.write(data) == data.size(); });
}

Result<void> replace(const QString &path, const std::function<Result<void>(int file)> &fill)
{
    return replaceWith(path, [&](QSaveFile &file) -> Result<void> {
        Result<void> filled = fill(file.handle());
        if (!filled && filled.error().systemError != 0) {
            const int error = filled.error().systemError;
            return failureOf(error, QFileInfo(path).fileName(),
                             QString::fromLocal8Bit(std::strerror(error)));
        }
        return filled;
    });
}

} // namespace FileWriting
