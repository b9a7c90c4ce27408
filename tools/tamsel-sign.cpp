// Signs an install folder or an update archive with the maker's Ed25519 key, or
// prints the public key that release builds are configured with.
//
//   tamsel-sign FOLDER KEY.pem            writes FOLDER/Signature/{manifest,manifest.sig}
//   tamsel-sign --archive FILE KEY.pem    prints the archive's signature for the feed's "signature"
//   tamsel-sign --public-key KEY.pem      prints the public key in hexadecimal
//
// A key is made with: openssl genpkey -algorithm ed25519 -out KEY.pem

#include "about/BundleSignature.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

namespace {

QByteArray readKey(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "tamsel-sign: %s: %s\n", qPrintable(path),
                     qPrintable(file.errorString()));
        return {};
    }
    return file.readAll();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    if (arguments.size() == 2 && arguments[0] == QLatin1String("--public-key")) {
        const QByteArray key = BundleSignature::publicKey(readKey(arguments[1]));
        if (key.isEmpty()) {
            std::fprintf(stderr, "tamsel-sign: %s is no Ed25519 private key\n",
                         qPrintable(arguments[1]));
            return 1;
        }
        std::printf("%s\n", key.toHex().constData());
        return 0;
    }
    if (arguments.size() == 3 && arguments[0] == QLatin1String("--archive")) {
        const QByteArray pem = readKey(arguments[2]);
        if (pem.isEmpty()) {
            return 1;
        }
        const std::optional<QByteArray> signature = BundleSignature::signArchive(arguments[1], pem);
        if (!signature) {
            std::fprintf(stderr, "tamsel-sign: %s cannot be signed with %s\n",
                         qPrintable(arguments[1]), qPrintable(arguments[2]));
            return 1;
        }
        std::printf("%s\n", signature->constData());
        return 0;
    }
    if (arguments.size() == 2 && !arguments[0].startsWith(QLatin1Char('-'))) {
        const QByteArray pem = readKey(arguments[1]);
        if (pem.isEmpty()) {
            return 1;
        }
        const Result<void> signing = BundleSignature::sign(arguments[0], pem);
        if (!signing) {
            std::fprintf(stderr, "tamsel-sign: %s\n", qPrintable(signing.error().message));
            return 1;
        }
        return 0;
    }
    std::fprintf(stderr,
                 "usage: tamsel-sign FOLDER KEY.pem\n       tamsel-sign --archive FILE KEY.pem\n"
                 "       tamsel-sign --public-key KEY.pem\n");
    return 2;
}
