#include "about/BundleSignature.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QUrl>

#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/pem.h>

#include <algorithm>
#include <cctype>
#include <memory>
#include <vector>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace BundleSignature {

namespace {

constexpr qint64 ReadChunk = 1024 * 1024;
constexpr int KeyBytes = 32;
constexpr int SignatureBytes = 64;
const QByteArray Header = "tamsel-install-folder 1\n";

struct KeyFree
{
    void operator()(EVP_PKEY *key) const { EVP_PKEY_free(key); }
};
struct ContextFree
{
    void operator()(EVP_MD_CTX *context) const { EVP_MD_CTX_free(context); }
};
struct BioFree
{
    void operator()(BIO *bio) const { BIO_free(bio); }
};
using Key = std::unique_ptr<EVP_PKEY, KeyFree>;
using Context = std::unique_ptr<EVP_MD_CTX, ContextFree>;

Key privateKey(const QByteArray &pem)
{
    std::unique_ptr<BIO, BioFree> bio(BIO_new_mem_buf(pem.constData(), int(pem.size())));
    if (!bio) {
        return nullptr;
    }
    Key key(PEM_read_bio_PrivateKey(bio.get(), nullptr, nullptr, nullptr));
    if (key && EVP_PKEY_get_base_id(key.get()) != EVP_PKEY_ED25519) {
        return nullptr;
    }
    return key;
}

// Names in the manifest: percent-encoded apart from the folder separators, so one
// line is one entry whatever a name holds.
QByteArray encoded(const QByteArray &name)
{
    return QUrl::toPercentEncoding(QString::fromUtf8(name), "/");
}

QByteArray octalMode(mode_t mode)
{
    return QByteArray::number(uint(mode & 07777), 8).rightJustified(4, '0');
}

QString localPath(const QByteArray &path)
{
    return QFile::decodeName(path);
}

// Every entry below `folder` (relative paths, raw bytes), without following links.
bool collect(const QByteArray &folder, const QByteArray &relative, std::vector<QByteArray> &out)
{
    const std::optional<std::vector<QByteArray>> names =
        entryNames(relative.isEmpty() ? folder : folder + '/' + relative);
    if (!names) {
        return false;
    }
    for (const QByteArray &name : *names) {
        const QByteArray path = relative.isEmpty() ? name : relative + '/' + name;
        out.push_back(path);
        struct stat info
        {
        };
        if (lstat((folder + '/' + path).constData(), &info) != 0) {
            return false;
        }
        if (S_ISDIR(info.st_mode) && !collect(folder, path, out)) {
            return false;
        }
    }
    return true;
}

std::optional<QByteArray> readSmallFile(const QString &path, qint64 limit)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > limit) {
        return std::nullopt;
    }
    return file.readAll();
}

QString signatureFile(const QString &folder, const char *name)
{
    return folder + QLatin1Char('/') + QLatin1String(FolderName) + QLatin1Char('/') +
           QLatin1String(name);
}

// The Ed25519 signature of `text`; empty when signing failed.
QByteArray signedBy(EVP_PKEY &key, const QByteArray &text)
{
    QByteArray signature(SignatureBytes, '\0');
    size_t length = size_t(signature.size());
    const Context context(EVP_MD_CTX_new());
    if (!context || EVP_DigestSignInit(context.get(), nullptr, nullptr, nullptr, &key) != 1 ||
        EVP_DigestSign(context.get(), reinterpret_cast<unsigned char *>(signature.data()), &length,
                       reinterpret_cast<const unsigned char *>(text.constData()),
                       size_t(text.size())) != 1) {
        return {};
    }
    signature.truncate(qsizetype(length));
    return signature;
}

bool verifies(const QByteArray &text, const QByteArray &signature, const QByteArray &rawPublicKey)
{
    if (rawPublicKey.size() != KeyBytes || signature.size() != SignatureBytes) {
        return false;
    }
    const Key key(EVP_PKEY_new_raw_public_key(
        EVP_PKEY_ED25519, nullptr,
        reinterpret_cast<const unsigned char *>(rawPublicKey.constData()), KeyBytes));
    const Context context(EVP_MD_CTX_new());
    return key && context &&
           EVP_DigestVerifyInit(context.get(), nullptr, nullptr, nullptr, key.get()) == 1 &&
           EVP_DigestVerify(
               context.get(), reinterpret_cast<const unsigned char *>(signature.constData()),
               size_t(signature.size()), reinterpret_cast<const unsigned char *>(text.constData()),
               size_t(text.size())) == 1;
}

// What an archive's signature covers: its digest, under a header of its own so that
// no manifest's signature can pass for one.
QByteArray archiveStatement(const QString &sha256Hex)
{
    return "tamsel-update-archive 1\nsha256 " + sha256Hex.toLower().toLatin1() + '\n';
}

} // namespace

std::optional<std::vector<QByteArray>> entryNames(const QByteArray &folder)
{
    DIR *dir = opendir(folder.constData());
    if (!dir) {
        return std::nullopt;
    }
    std::vector<QByteArray> names;
    while (dirent *entry = readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..") {
            names.push_back(name);
        }
    }
    closedir(dir);
    return names;
}

std::optional<QString> sha256(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    QCryptographicHash hash(QCryptographicHash::Sha256);
    QByteArray buffer(ReadChunk, Qt::Uninitialized);
    for (;;) {
        const qint64 n = file.read(buffer.data(), ReadChunk);
        if (n <= 0) {
            break;
        }
        hash.addData(QByteArrayView(buffer.constData(), n));
    }
    return QString::fromLatin1(hash.result().toHex());
}

std::optional<QString> infoText(const QString &folder, const char *key)
{
    const std::optional<QByteArray> bytes =
        readSmallFile(folder + QLatin1Char('/') + QLatin1String(InfoName), 65536);
    if (!bytes) {
        return std::nullopt;
    }
    const QJsonDocument document = QJsonDocument::fromJson(*bytes);
    const QJsonValue value = document.object().value(QLatin1String(key));
    if (!value.isString()) {
        return std::nullopt;
    }
    return value.toString();
}

Result<QByteArray> manifest(const QString &folder)
{
    const std::optional<QString> identifier = infoText(folder, "identifier");
    const std::optional<QString> build = infoText(folder, "build");
    if (!identifier || !build) {
        return Error{QStringLiteral("%1 has no identifier or build").arg(QLatin1String(InfoName))};
    }
    const QByteArray root = QFile::encodeName(folder);
    std::vector<QByteArray> entries;
    if (!collect(root, QByteArray(), entries)) {
        return Error{QStringLiteral("%1 cannot be read").arg(folder)};
    }
    std::sort(entries.begin(), entries.end());

    const QByteArray signatureFolder(FolderName);
    QByteArray text = Header;
    text += "identifier " + encoded(identifier->toUtf8()) + '\n';
    text += "build " + encoded(build->toUtf8()) + '\n';
    for (const QByteArray &path : entries) {
        if (path == signatureFolder || path == signatureFolder + '/' + ManifestName ||
            path == signatureFolder + '/' + SignatureName) {
            continue;
        }
        struct stat info
        {
        };
        if (lstat((root + '/' + path).constData(), &info) != 0) {
            return Error{QStringLiteral("%1 cannot be read").arg(localPath(path))};
        }
        if (S_ISDIR(info.st_mode)) {
            text += "dir " + octalMode(info.st_mode) + ' ' + encoded(path) + '\n';
        } else if (S_ISREG(info.st_mode)) {
            const std::optional<QString> digest = sha256(localPath(root + '/' + path));
            if (!digest) {
                return Error{QStringLiteral("%1 cannot be read").arg(localPath(path))};
            }
            text += "file " + octalMode(info.st_mode) + ' ' + digest->toLatin1() + ' ' +
                    encoded(path) + '\n';
        } else if (S_ISLNK(info.st_mode)) {
            QByteArray target(info.st_size > 0 ? info.st_size : 4096, '\0');
            const ssize_t n =
                readlink((root + '/' + path).constData(), target.data(), size_t(target.size()));
            if (n < 0) {
                return Error{QStringLiteral("%1 cannot be read").arg(localPath(path))};
            }
            target.truncate(n);
            text += "link " + encoded(target) + ' ' + encoded(path) + '\n';
        } else {
            return Error{
                QStringLiteral("%1 is neither a file, a folder nor a link").arg(localPath(path))};
        }
    }
    return text;
}

QByteArray publicKey(const QByteArray &privateKeyPem)
{
    const Key key = privateKey(privateKeyPem);
    QByteArray raw(KeyBytes, '\0');
    size_t length = size_t(raw.size());
    if (!key ||
        EVP_PKEY_get_raw_public_key(key.get(), reinterpret_cast<unsigned char *>(raw.data()),
                                    &length) != 1 ||
        length != KeyBytes) {
        return {};
    }
    return raw;
}

QByteArray publicKeyFromHex(const QString &hex)
{
    if (hex.size() != 2 * KeyBytes || !std::all_of(hex.begin(), hex.end(), [](QChar c) {
            return std::isxdigit(c.unicode()) != 0 && c.unicode() < 128;
        })) {
        return {};
    }
    return QByteArray::fromHex(hex.toLatin1());
}

QString fingerprint(const QByteArray &rawPublicKey)
{
    return QString::fromLatin1(
        QCryptographicHash::hash(rawPublicKey, QCryptographicHash::Sha256).toHex());
}

Result<void> sign(const QString &folder, const QByteArray &privateKeyPem)
{
    const Key key = privateKey(privateKeyPem);
    if (!key) {
        return Error{QStringLiteral("the key is not an Ed25519 private key in PEM")};
    }
    // A folder signed before is signed afresh: its old signature files are no entries.
    Result<QByteArray> text = manifest(folder);
    if (!text) {
        return text.error();
    }
    const QByteArray signature = signedBy(*key, *text);
    if (signature.isEmpty()) {
        return Error{QStringLiteral("signing failed")};
    }
    if (!QDir(folder).mkpath(QLatin1String(FolderName))) {
        return Error{QStringLiteral("%1 cannot be made").arg(QLatin1String(FolderName))};
    }
    for (const auto &[name, bytes] :
         {std::pair{ManifestName, *text}, std::pair{SignatureName, signature}}) {
        QSaveFile file(signatureFile(folder, name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() ||
            !file.commit()) {
            return Error{QStringLiteral("%1 cannot be written").arg(file.fileName())};
        }
        QFile::setPermissions(file.fileName(), QFile::ReadOwner | QFile::WriteOwner |
                                                   QFile::ReadGroup | QFile::ReadOther);
    }
    return {};
}

namespace {

// The stored manifest when its signature verifies under the key.
std::optional<QByteArray> verifiedManifest(const QString &folder, const QByteArray &rawPublicKey)
{
    // A manifest lists a few hundred entries; anything far larger is not one.
    std::optional<QByteArray> text =
        readSmallFile(signatureFile(folder, ManifestName), 16 * 1024 * 1024);
    const std::optional<QByteArray> signature =
        readSmallFile(signatureFile(folder, SignatureName), 1024);
    if (!text || !signature) {
        return std::nullopt;
    }
    if (!verifies(*text, *signature, rawPublicKey)) {
        return std::nullopt;
    }
    return text;
}

} // namespace

void releaseThreadState()
{
    OPENSSL_thread_stop();
}

std::optional<QByteArray> signArchive(const QString &archive, const QByteArray &privateKeyPem)
{
    const Key key = privateKey(privateKeyPem);
    const std::optional<QString> digest = sha256(archive);
    if (!key || !digest) {
        return std::nullopt;
    }
    const QByteArray signature = signedBy(*key, archiveStatement(*digest));
    return signature.isEmpty() ? std::nullopt : std::optional<QByteArray>(signature.toBase64());
}

bool archiveSignatureVerifies(const QString &sha256Hex, const QString &signature,
                              const QByteArray &rawPublicKey)
{
    const auto decoded = QByteArray::fromBase64Encoding(signature.toLatin1(),
                                                        QByteArray::AbortOnBase64DecodingErrors);
    return sha256Hex.size() == 64 && decoded &&
           verifies(archiveStatement(sha256Hex), *decoded, rawPublicKey);
}

bool signatureVerifies(const QString &folder, const QByteArray &rawPublicKey)
{
    return verifiedManifest(folder, rawPublicKey).has_value();
}

bool isIntact(const QString &folder, const QByteArray &rawPublicKey, const QString &identifier)
{
    const std::optional<QByteArray> stored = verifiedManifest(folder, rawPublicKey);
    if (!stored ||
        !stored->startsWith(Header + "identifier " + encoded(identifier.toUtf8()) + '\n')) {
        return false;
    }
    const Result<QByteArray> now = manifest(folder);
    return now && *now == *stored;
}

} // namespace BundleSignature
