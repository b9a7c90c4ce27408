#include "helpers/HandMadePdf.h"

#include <QFile>
#include <QtEndian>

#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFWriter.hh>

namespace Fixtures {

QByteArray handMadePdf(const QList<QByteArray> &objects, const QByteArray &trailerExtra)
{
    QByteArray out = "%PDF-1.7\n%\xe2\xe3\xcf\xd3\n";
    QList<qsizetype> offsets;
    for (qsizetype i = 0; i < objects.size(); ++i) {
        offsets.append(out.size());
        out += QByteArray::number(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const qsizetype xref = out.size();
    out += "xref\n0 " + QByteArray::number(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (const qsizetype offset : offsets) {
        out += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    }
    out += "trailer\n<< /Size " + QByteArray::number(objects.size() + 1) + " /Root 1 0 R " +
           trailerExtra + " >>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    return out;
}

bool writeLegacyProtectedPdf(const QString &source, const QString &target,
                             const QByteArray &password)
{
    try {
        const QByteArray sourceName = QFile::encodeName(source);
        const QByteArray targetName = QFile::encodeName(target);
        QPDF pdf;
        pdf.processFile(sourceName.constData());
        QPDFWriter writer(pdf, targetName.constData());
        writer.setR4EncryptionParametersInsecure(password.constData(), password.constData(), true,
                                                 true, true, true, true, true, qpdf_r3p_full, true,
                                                 true);
        writer.write();
        return true;
    } catch (const std::exception &) {
        return false;
    }
}

QByteArray attachmentsOnlyProtectedPdf(const QByteArray &password)
{
    const QList<QByteArray> objects{
        "<< /Type /Catalog /Pages 2 0 R /Names << /EmbeddedFiles << /Names [(a.txt) 5 0 R] >> >> "
        ">>",
        "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 200 200] /Contents 4 0 R >>",
        "<< /Length 0 >>\nstream\n\nendstream",
        "<< /Type /Filespec /F (a.txt) /EF << /F 6 0 R >> >>",
        "<< /Type /EmbeddedFile /Length 5 >>\nstream\nhello\nendstream"};
    // qpdf makes the keys of a document protected as a whole; the same keys,
    // with the same file identifier, then protect only the attachment.
    try {
        const QByteArray plain = handMadePdf(objects);
        QPDF source;
        source.processMemoryFile("plain", plain.constData(), size_t(plain.size()));
        QPDFWriter writer(source);
        writer.setOutputMemory();
        writer.setR4EncryptionParametersInsecure(password.constData(), password.constData(), true,
                                                 true, true, true, true, true, qpdf_r3p_full, true,
                                                 true);
        writer.write();
        const auto locked = writer.getBufferSharedPointer();
        QPDF reread;
        reread.processMemoryFile("locked", reinterpret_cast<const char *>(locked->getBuffer()),
                                 locked->getSize(), password.constData());
        QPDFObjectHandle encrypt = reread.getTrailer().getKey("/Encrypt");
        const std::string id = reread.getTrailer().getKey("/ID").getArrayItem(0).getStringValue();
        const QByteArray hexId = QByteArray::fromStdString(id).toHex();
        const QByteArray o =
            QByteArray::fromStdString(encrypt.getKey("/O").getStringValue()).toHex();
        const QByteArray u =
            QByteArray::fromStdString(encrypt.getKey("/U").getStringValue()).toHex();
        const QByteArray p = QByteArray::number(encrypt.getKey("/P").getIntValue());
        QList<QByteArray> all = objects;
        all.append("<< /Filter /Standard /V 4 /R 4 /Length 128 /CF << /StdCF << /AuthEvent /EFOpen "
                   "/CFM /AESV2 "
                   "/Length 16 >> >> /StmF /Identity /StrF /Identity /EFF /StdCF /O <" +
                   o + "> /U <" + u + "> /P " + p + " >>");
        return handMadePdf(all, "/Encrypt 7 0 R /ID [<" + hexId + "> <" + hexId + ">]");
    } catch (const std::exception &) {
        return {};
    }
}

namespace {

quint32 crc32(const QByteArray &bytes)
{
    quint32 crc = 0xffffffffu;
    for (const char c : bytes) {
        crc ^= quint8(c);
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
        }
    }
    return crc ^ 0xffffffffu;
}

QByteArray chunk(const QByteArray &type, const QByteArray &data)
{
    QByteArray out(4, Qt::Uninitialized);
    qToBigEndian(quint32(data.size()), out.data());
    const QByteArray body = type + data;
    out += body;
    QByteArray crc(4, Qt::Uninitialized);
    qToBigEndian(crc32(body), crc.data());
    return out + crc;
}

} // namespace

QByteArray pngClaiming(quint32 width, quint32 height)
{
    QByteArray header(13, '\0');
    qToBigEndian(width, header.data());
    qToBigEndian(height, header.data() + 4);
    header[8] = 8; // bit depth
    header[9] = 6; // RGBA
    // A zlib stream of one empty row: far too little data for the claimed size.
    const QByteArray data = qCompress(QByteArray(5, '\0')).mid(4);
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", header) + chunk("IDAT", data) +
           chunk("IEND", {});
}

} // namespace Fixtures
