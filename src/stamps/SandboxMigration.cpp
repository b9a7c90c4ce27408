#include "stamps/SandboxMigration.h"

#include "stamps/StampsLog.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

#include <atomic>
#include <cstdio>

namespace {

std::atomic_bool started{false};

// Files and folders, hidden ones included. A link is copied as the file it
// points to; one that points nowhere, or at a folder, fails the copy.
bool copyTree(const QString &from, const QString &to)
{
    if (!QDir().mkpath(to)) {
        return false;
    }
    QDirIterator it(from, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        const QString source = it.next();
        const QFileInfo info = it.fileInfo();
        const QString target = QDir(to).filePath(info.fileName());
        const bool copied = info.isDir() && !info.isSymLink() ? copyTree(source, target)
                                                              : QFile::copy(source, target);
        if (!copied) {
            return false;
        }
    }
    return true;
}

} // namespace

namespace SandboxMigration {

QString containerData()
{
    // The app's identifier, which a Flatpak of it ran under.
    return QDir::home().filePath(QStringLiteral(".var/app/app.belvin.tamsel.mac/data"));
}

void run(const QString &stampsFolder)
{
    run(stampsFolder, containerData());
}

void run(const QString &stampsFolder, const QString &data)
{
    if (started.exchange(true)) {
        return;
    }
    copyStamps(QDir(data).filePath(QStringLiteral("Tamsel/Stamps")), stampsFolder);
}

bool copyStamps(const QString &containerStamps, const QString &stampsFolder)
{
    const QString target = QDir::cleanPath(QDir(stampsFolder).absolutePath());
    if (!QFile::exists(QDir(containerStamps).filePath(QStringLiteral("stamps.json"))) ||
        QFile::exists(QDir(target).filePath(QStringLiteral("stamps.json")))) {
        return false;
    }
    const QString parent = QFileInfo(target).path();
    const QString copy =
        QDir(parent).filePath(QStringLiteral(".Stamps-copying-") +
                              QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper().left(8));
    // rename(2) replaces an empty target folder and refuses one that holds
    // anything, which is what keeps the user's files safe.
    const bool landed = QDir().mkpath(parent) && copyTree(containerStamps, copy) &&
                        std::rename(QFile::encodeName(copy).constData(),
                                    QFile::encodeName(target).constData()) == 0;
    if (!landed) {
        qCWarning(lcStamps).noquote()
            << "the stamps of" << containerStamps << "could not be copied to" << target;
        QDir(copy).removeRecursively();
    }
    return landed;
}

} // namespace SandboxMigration
