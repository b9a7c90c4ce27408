#pragma once

// Puts a newer release in place of the running copy of the program: downloads the
// release's archive (no more than the feed's size, or 512 MB), compares its SHA-256
// with the feed and checks the maker's signature of it before anything unpacks it,
// unpacks it into a working folder, checks that the program in it is signed by the
// maker under this program's identifier and carries exactly the announced build,
// copies it beside the running install folder, checks the copy again, flushes it to
// the disk and swaps the two folders by renaming them; the old one goes to the Trash. Every failure
// ends in one user sentence, and the running copy stays as it was except in one rare case that the
// sentence explains.
//
// The install folder ("bundle") is the folder holding bin/tamsel, Info.json (the
// identifier, version and build) and the Signature folder (BundleSignature.h).

#include "about/UpdateChecker.h"

#include <QFuture>
#include <QString>
#include <QUrl>

#include <chrono>
#include <optional>

#ifdef TAMSEL_TEST_SEAMS
class FolderMoves;
#endif

namespace Updater {

// The whole install. Call it on the main thread; the download runs there without
// blocking it, the rest on a worker thread. Finishes with nothing when the new copy
// is in place, else with the user's sentence.
QFuture<std::optional<QString>> install(UpdateChecker::Release release);

// The release's archive address when it may be downloaded: an address ending in
// ".tar.gz", over HTTPS, on the maker's site, under "/downloads/" once dot segments
// and encoded dots and slashes are resolved (and not changed by resolving them).
std::optional<QUrl> dmgURL(const UpdateChecker::Release &release);

// Whether this copy can replace itself where it runs: a signed install folder that
// the user can write, outside the places package managers and sandboxes own.
bool canInstallHere();

// The fingerprint of the maker's key when the running folder's signature verifies
// under it; absent in developer builds (no key) and for an unsigned folder.
std::optional<QString> ownTeam();

// The running install folder, fixed at the first call (make it before any install),
// and the program inside it that a relaunch starts.
QString bundlePath();
QString programPath();

// The strict check of the install folder at `path`: signed with the key whose
// fingerprint is `team`, under `bundleID`, every listed entry unchanged, nothing added.
bool isGenuine(const QString &path, const QString &team, const QString &bundleID);
// Info.json's "build" of the install folder at `path` as a whole number; absent when
// it is missing, not a string or not a whole number.
std::optional<qint64> build(const QString &path);
// SHA-256 of a file in lower-case hexadecimal; absent when it cannot be opened.
std::optional<QString> sha256(const QString &path);

// "Couldn't install the update (…). This copy wasn't changed."
QString failed(const QString &message);
// The sentence for an update that didn't pass the check.
QString rejectionMessage();

#ifdef TAMSEL_TEST_SEAMS
// Builds made for testing can install into a folder of the test's, with a key of
// its own, a Trash of its own, shorter download limits and other tools.
// Release builds do not contain it.
struct Installation
{
    QString bundlePath;
    QByteArray makerKey; // raw Ed25519 public key
    FolderMoves *moves = nullptr;
    std::chrono::milliseconds stallLimit{30000};
    std::chrono::milliseconds totalLimit{900000};
    QString copyTool = QStringLiteral("/bin/cp");
    qint64 downloadLimit = 512LL * 1024 * 1024; // when the feed gives no size
    QString tarTool = QStringLiteral("/bin/tar");
};
void setInstallationForTesting(std::optional<Installation> installation);
#endif

} // namespace Updater
