#pragma once

// What the updater's tests install over and from: a throw-away maker key and TLS
// certificate made with the openssl tool, a local HTTPS server for the feed and the
// archives, a signed install folder of the running version in a temporary place, a
// Trash of the test's own, and archives packed by tools/make-bundle.sh.

#include "about/BundleSignature.h"
#include "about/Updater.h"
#include "platform/FolderMoves.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

// The Trash is a folder of the test; renames from a chosen path can be refused.
class TestFolderMoves : public FolderMoves
{
public:
    QString trash;
    QStringList trashed;
    QString refuseFrom; // a path, or a name prefix ending in '*'

    int renameExclusive(const QString &from, const QString &to) override
    {
        return refused(from) ? EACCES : FolderMoves::renameExclusive(from, to);
    }
    int rename(const QString &from, const QString &to) override
    {
        return refused(from) ? EACCES : FolderMoves::rename(from, to);
    }
    bool moveToTrash(const QString &path) override
    {
        const QString target = trash + QLatin1Char('/') + QFileInfo(path).fileName();
        if (FolderMoves::rename(path, target) != 0) {
            return false;
        }
        trashed.append(target);
        return true;
    }

private:
    bool refused(const QString &from) const
    {
        if (refuseFrom.endsWith(QLatin1Char('*'))) {
            return QFileInfo(from).fileName().startsWith(refuseFrom.chopped(1));
        }
        return !refuseFrom.isEmpty() && from == refuseFrom;
    }
};

namespace UpdateFixture {

inline bool run(const QString &program, const QStringList &arguments, const QString &folder = {})
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        qWarning().noquote() << program << arguments << process.readAllStandardError();
        return false;
    }
    return true;
}

inline bool writeFile(const QString &path, const QByteArray &bytes,
                      QFile::Permissions permissions = {})
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        return false;
    }
    file.close();
    return permissions == QFile::Permissions() || file.setPermissions(permissions);
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Everything about a folder that an install could change: names, kinds, modes,
// contents and link targets.
inline QByteArray treeHash(const QString &folder)
{
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        struct stat info
        {
        };
        if (lstat(QFile::encodeName(path).constData(), &info) != 0) {
            return {};
        }
        QString line =
            path.mid(folder.size()) + QLatin1Char(' ') + QString::number(info.st_mode, 8);
        if (S_ISREG(info.st_mode)) {
            line +=
                QLatin1Char(' ') +
                QString::fromLatin1(
                    QCryptographicHash::hash(readFile(path), QCryptographicHash::Sha256).toHex());
        } else if (S_ISLNK(info.st_mode)) {
            char target[4096];
            const ssize_t n = readlink(QFile::encodeName(path).constData(), target, sizeof target);
            line += QLatin1Char(' ') + QString::fromUtf8(target, n < 0 ? 0 : n);
        }
        entries.append(line);
    }
    entries.sort();
    return QCryptographicHash::hash(entries.join(QLatin1Char('\n')).toUtf8(),
                                    QCryptographicHash::Sha256);
}

inline QStringList names(const QString &folder)
{
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

inline QByteArray infoJson(const QString &version, qint64 build)
{
    return QStringLiteral("{\"identifier\": \"app.belvin.tamsel.mac\", \"version\": \"%1\", "
                          "\"build\": \"%2\"}\n")
        .arg(version)
        .arg(build)
        .toUtf8();
}

// The contents of an install folder of `version` (without Info.json and signature).
inline bool makeProgramFolder(const QString &folder, const QString &version)
{
    return writeFile(folder + "/bin/tamsel", "#!/bin/sh\necho " + version.toUtf8() + "\n",
                     QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                         QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther) &&
           writeFile(folder + "/share/tamsel/notes.txt", "Tamsel " + version.toUtf8() + "\n") &&
           QFile::link(QStringLiteral("tamsel"), folder + "/bin/tamsel-" + version);
}

// A signed install folder of the running version at `folder`, signed with a new
// throw-away key whose raw public key comes back (empty on failure).
inline QByteArray makeSignedFolder(const QString &folder, const QString &keyPath)
{
    if (!run(QStringLiteral("openssl"), {"genpkey", "-algorithm", "ed25519", "-out", keyPath}) ||
        !makeProgramFolder(folder, UpdateChecker::currentVersion()) ||
        !writeFile(folder + "/Info.json",
                   infoJson(UpdateChecker::currentVersion(), UpdateChecker::currentBuild())) ||
        !BundleSignature::sign(folder, readFile(keyPath)).ok()) {
        return {};
    }
    return BundleSignature::publicKey(readFile(keyPath));
}

#if defined(SOURCE_DIR) && defined(BUILD_DIR)
// The maker's packing: tools/make-bundle.sh over a ready folder.
inline QString makeBundle(const QString &from, const QString &version, qint64 build,
                          const QString &key, const QString &out)
{
    if (!run(QStringLiteral(SOURCE_DIR "/tools/make-bundle.sh"),
             {QStringLiteral("--folder"), from, QStringLiteral("--version"), version,
              QStringLiteral("--build"), QString::number(build), QStringLiteral(BUILD_DIR), key,
              out})) {
        return {};
    }
    return out + QStringLiteral("/Tamsel-") + version + QStringLiteral(".tar.gz");
}
#endif

} // namespace UpdateFixture
