#include "platform/FolderMoves.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>

int FolderMoves::renameExclusive(const QString &from, const QString &to)
{
    if (::renameat2(AT_FDCWD, QFile::encodeName(from).constData(), AT_FDCWD,
                    QFile::encodeName(to).constData(), RENAME_NOREPLACE) == 0) {
        return 0;
    }
    return errno;
}

int FolderMoves::rename(const QString &from, const QString &to)
{
    if (::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0) {
        return 0;
    }
    return errno;
}

bool FolderMoves::moveToTrash(const QString &path)
{
    return QFile::moveToTrash(path);
}

QString FolderMoves::errorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}
