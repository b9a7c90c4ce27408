#include "engine/PdfWriting.h"

#include <qpdf/Buffer.hh>
#include <qpdf/PDFVersion.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFWriter.hh>

#include <QStringList>

#include <tuple>

namespace PdfWriting {

void Version::raise(const std::string &text, int extensionLevel)
{
    const QStringList parts = QString::fromStdString(text).split(QLatin1Char('.'));
    if (parts.size() != 2) {
        return;
    }
    bool okMajor = false;
    bool okMinor = false;
    const int otherMajor = parts[0].toInt(&okMajor);
    const int otherMinor = parts[1].toInt(&okMinor);
    if (!okMajor || !okMinor) {
        return;
    }
    if (std::tie(otherMajor, otherMinor, extensionLevel) > std::tie(major, minor, extension)) {
        major = otherMajor;
        minor = otherMinor;
        extension = extensionLevel;
    }
}

QByteArray write(QPDF &pdf, const std::optional<QString> &password, const Version &version)
{
    QPDFWriter writer(pdf);
    writer.setOutputMemory();
    // Streams are copied as they are stored: nothing is decoded and re-encoded,
    // which keeps the build fast and leaves damaged streams exactly as they were.
    writer.setDecodeLevel(qpdf_dl_none);
    writer.setMinimumPDFVersion(PDFVersion(version.major, version.minor, version.extension));
    if (password && !password->isEmpty()) {
        const std::string secret = password->toStdString();
        writer.setR6EncryptionParameters(secret.c_str(), secret.c_str(), true, true, true, true,
                                         true, true, qpdf_r3p_full, true);
    }
    writer.write();
    const std::shared_ptr<Buffer> buffer = writer.getBufferSharedPointer();
    return QByteArray(reinterpret_cast<const char *>(buffer->getBuffer()), qsizetype(buffer->getSize()));
}

} // namespace PdfWriting
