#pragma once

// Brings the stamps of an older sandboxed build over, once per process, before
// the stamp library is loaded: a Flatpak of the app kept its stamp folder in the
// data folder of its sandbox (~/.var/app/<app id>/data), and the current app
// keeps it in the user's own data folder.
//
// The old folder is copied, never moved or changed. The copy lands in a hidden
// sibling of the target and is renamed into place in one step, so the target
// never holds a half-finished copy; on any failure the sibling is removed and
// the library starts from whatever the target holds. Nothing is reported.
//
// Settings of the old build are not carried over: only its stamps are.

#include <QString>

namespace SandboxMigration {

// The old build's data folder under the user's home folder; its stamps are in
// "Tamsel/Stamps" there, laid out as the current app lays out its own.
QString containerData();

// Runs the stamp step for the default container; at most once per process,
// also across threads.
void run(const QString &stampsFolder);
// The same with another container folder; shares the once-flag with the above.
void run(const QString &stampsFolder, const QString &containerData);

// The stamp step alone, without the once-flag: copies `containerStamps` to
// `stampsFolder` when the former holds "stamps.json" and the latter does not.
// True when the copy landed.
bool copyStamps(const QString &containerStamps, const QString &stampsFolder);

} // namespace SandboxMigration
