#pragma once

// The file work of an install: unpacking an update archive into a folder of its
// own without letting it reach anything outside, running the tools that do the
// copying, and removing what an install leaves behind. Blocking; for the install's
// worker thread.

#include "about/ProcessRunner.h"

#include <QString>
#include <QStringList>

#include <chrono>
#include <optional>

namespace UpdateArchive {

// An archive that unpacks to more is refused before it is unpacked.
inline constexpr qint64 MaxUnpackedBytes = 2LL * 1024 * 1024 * 1024;

enum class Failure {
    Refused = 1, // an entry would leave the folder, is a device or fifo, or the whole is too large
    Tool,        // tar could not be started or failed; the message is its own
    NoSpace,     // the contents would not fit beside the archive
};

// Unpacks the gzip-compressed tar `archive` into the new folder `disk` with `tar`,
// 120 seconds for the listing and as much for the unpacking. Before anything is
// written the listing is checked: no absolute names or names climbing out, links
// pointing only inside, nothing below a link, no devices or fifos, at most
// MaxUnpackedBytes of contents, and room for them; afterwards the unpacked tree is
// checked again. Gives the size of the contents. Only ever call it on an archive
// whose signature was checked: tar and gzip read every byte of it.
Result<qint64> unpack(const QString &archive, const QString &disk, const QString &tar);

// The bytes the user may still write on the file system holding `folder`; absent
// when it cannot be told.
std::optional<qint64> freeSpace(const QString &folder);

// Flushes a tree to the disk: every file, and every folder after what it holds.
// Links are not followed. Fails with the system's text for the first error.
Result<void> syncTree(const QString &path);
// Flushes one folder's own entries (names made, renamed or removed in it).
Result<void> syncFolder(const QString &folder);

// Runs a tool through the process runner and waits for it. Absent when it ran and
// succeeded; else the text for the user: `launchText` when it could not be started
// (the system's reason when empty), else the run's errorMessage().
std::optional<QString> runTool(const QString &tool, const QStringList &arguments,
                               std::chrono::milliseconds timeout, const QString &launchText,
                               ProcessRunner::Output *output = nullptr);

// Removes a file or a tree without following links, making read-only folders of it
// writable first (an unpacked archive may hold some). Errors are passed over.
void removeTree(const QString &path);

} // namespace UpdateArchive
