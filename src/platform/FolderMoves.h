#pragma once

// The renames and the move to the Trash that put a new copy of the program in
// place of the running one. A layer of its own so that tests can stand in for
// the Trash and for a folder that refuses to move.

#include <QString>

class FolderMoves
{
public:
    virtual ~FolderMoves() = default;

    // Renames `from` to `to` only when nothing is at `to` yet (renameat2 with
    // RENAME_NOREPLACE). 0 on success, else the system's error number; file
    // systems without the exclusive rename answer EINVAL.
    virtual int renameExclusive(const QString &from, const QString &to);
    // A plain rename, replacing an empty folder or a file at `to`. 0 or the error number.
    virtual int rename(const QString &from, const QString &to);
    // Moves the file or folder to the user's Trash; false when it stays where it is.
    virtual bool moveToTrash(const QString &path);

    // The system's sentence for an error number (strerror).
    static QString errorText(int error);
};
