#pragma once

// The signature of an install folder: a manifest naming the program's identifier,
// its build and every entry of the folder (files with their SHA-256 and mode,
// folders with their mode, links with their target), signed with the maker's
// Ed25519 key. The manifest and its signature live in the folder's "Signature"
// folder; everything else in the folder is listed, so a file added, removed or
// changed after signing breaks the signature.

#include "platform/Async.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace BundleSignature {

// The folder inside an install folder that holds the two files below.
inline constexpr char FolderName[] = "Signature";
inline constexpr char ManifestName[] = "manifest";
inline constexpr char SignatureName[] = "manifest.sig";
// Beside the program's folder: the identifier, version and build, as JSON.
inline constexpr char InfoName[] = "Info.json";

// SHA-256 of the file's contents in lower-case hexadecimal, read 1 MiB at a time;
// absent when the file cannot be opened. A read that fails ends the digest early.
std::optional<QString> sha256(const QString &path);

// The manifest of `folder` as it is now: Info.json's identifier and build, then
// every entry but the signature files, in byte order of their paths. Fails with a
// developer's reason when Info.json lacks either value or an entry is of a kind an
// install folder never holds (device, fifo, socket).
Result<QByteArray> manifest(const QString &folder);

// Signs `folder` as it is now with the Ed25519 private key in `privateKeyPem`,
// writing the manifest and its signature into the folder.
Result<void> sign(const QString &folder, const QByteArray &privateKeyPem);

// The raw 32-byte public key of an Ed25519 private key in PEM; empty when it is none.
QByteArray publicKey(const QByteArray &privateKeyPem);
// A raw public key given as 64 hexadecimal digits; empty for anything else.
QByteArray publicKeyFromHex(const QString &hex);
// The name of a public key: SHA-256 of its raw bytes, lower-case hexadecimal.
QString fingerprint(const QByteArray &rawPublicKey);

// The detached signature of an update archive, in Base64 as the feed carries it:
// Ed25519 over a short statement of the archive's SHA-256, so that it is checked
// while the archive is read in pieces and before anything unpacks it. Absent when
// the key is none or the archive cannot be read.
std::optional<QByteArray> signArchive(const QString &archive, const QByteArray &privateKeyPem);
// True when `signature` (Base64) is the signature by `rawPublicKey` of an archive
// whose SHA-256 is `sha256Hex`.
bool archiveSignatureVerifies(const QString &sha256Hex, const QString &signature,
                              const QByteArray &rawPublicKey);

// True when the folder's stored manifest carries a valid signature by `rawPublicKey`.
// Reads only the two signature files; the folder's contents are not compared.
bool signatureVerifies(const QString &folder, const QByteArray &rawPublicKey);

// The strict check: the signature verifies under `rawPublicKey`, the stored manifest
// names `identifier`, and the folder as it is now has exactly that manifest (every
// listed entry present and unchanged, nothing unlisted).
bool isIntact(const QString &folder, const QByteArray &rawPublicKey, const QString &identifier);

// Frees what OpenSSL keeps for the calling thread (its error queue). Work on a
// pooled thread that checked signatures calls it when done: the thread may live on
// past the end of the program, its state unreleased.
void releaseThreadState();

// The names in a folder as the file system holds them, without "." and "..";
// absent when it cannot be read.
std::optional<std::vector<QByteArray>> entryNames(const QByteArray &folder);

// Info.json's "identifier" and "build" texts; absent when the file or the value is
// missing or not a string.
std::optional<QString> infoText(const QString &folder, const char *key);

} // namespace BundleSignature
