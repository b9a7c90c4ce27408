#include "helpers/PdfFixtures.h"

#include <QFile>
#include <QPainter>
#include <QPdfWriter>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

namespace Fixtures {
namespace {

std::string escapePdfText(const QString &text)
{
    std::string out;
    for (const char c : text.toLatin1()) {
        if (c == '(' || c == ')' || c == '\\') {
            out += '\\';
        }
        out += c;
    }
    return out;
}

std::string number(double value)
{
    return QByteArray::number(value, 'f', 3).toStdString();
}

} // namespace

bool writePdf(const QString &path, const QList<Page> &pages, const Protection &protection)
{
    try {
        QPDF pdf;
        pdf.emptyPDF();
        QPDFPageDocumentHelper helper(pdf);
        QPDFObjectHandle font = pdf.makeIndirectObject(QPDFObjectHandle::parse(
            "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>"));
        for (const Page &spec : pages) {
            const double w = spec.size.width();
            const double h = spec.size.height();
            QPDFObjectHandle page = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
            page.replaceKey("/Type", QPDFObjectHandle::newName("/Page"));
            page.replaceKey("/MediaBox",
                            QPDFObjectHandle::newArray(QPDFObjectHandle::Rectangle(0, 0, w, h)));
            if (!spec.cropInset.isNull()) {
                const double dx = spec.cropInset.width();
                const double dy = spec.cropInset.height();
                page.replaceKey("/CropBox", QPDFObjectHandle::newArray(QPDFObjectHandle::Rectangle(
                                                dx, dy, w - dx, h - dy)));
            }
            if (spec.rotate != 0) {
                page.replaceKey("/Rotate", QPDFObjectHandle::newInteger(spec.rotate));
            }
            QPDFObjectHandle fonts = QPDFObjectHandle::newDictionary();
            fonts.replaceKey("/F1", font);
            QPDFObjectHandle resources = QPDFObjectHandle::newDictionary();
            resources.replaceKey("/Font", fonts);
            page.replaceKey("/Resources", resources);
            std::string content =
                "0 0 1 RG 4 w 10 10 m " + number(w - 10) + " " + number(h - 10) + " l S\n";
            if (!spec.text.isEmpty()) {
                content += "BT /F1 24 Tf 50 " + number(h - 80) + " Td (" +
                           escapePdfText(spec.text) + ") Tj ET\n";
            }
            page.replaceKey("/Contents", QPDFObjectHandle::newStream(&pdf, content));
            helper.addPage(page, false);
        }
        // qpdf keeps the file name (and the passwords) as given until write() ends.
        const QByteArray fileName = QFile::encodeName(path);
        QPDFWriter writer(pdf, fileName.constData());
        writer.setStaticID(false);
        if (!protection.userPassword.isEmpty()) {
            const QString owner = protection.ownerPassword.isEmpty() ? protection.userPassword
                                                                     : protection.ownerPassword;
            const QByteArray user = protection.userPassword.toUtf8();
            const QByteArray ownerBytes = owner.toUtf8();
            writer.setR6EncryptionParameters(user.constData(), ownerBytes.constData(), true, true,
                                             true, true, true, true, qpdf_r3p_full, true);
        }
        writer.write();
        return true;
    } catch (const std::exception &) {
        return false;
    }
}

bool writeNumberedPdf(const QString &path, int count, const Protection &protection)
{
    QList<Page> pages;
    pages.reserve(count);
    for (int i = 0; i < count; ++i) {
        Page page;
        page.text = QStringLiteral("Page %1").arg(i + 1);
        pages.append(page);
    }
    return writePdf(path, pages, protection);
}

bool writePaintedPdf(const QString &path, int count,
                     const std::function<void(QPainter &, int page)> &paint)
{
    QPdfWriter writer(path);
    writer.setResolution(72);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter;
    if (!painter.begin(&writer)) {
        return false;
    }
    for (int page = 0; page < count; ++page) {
        if (page > 0) {
            writer.newPage();
        }
        paint(painter, page);
    }
    return painter.end();
}

bool writePicture(const QString &path, QSize size, QColor fill)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(fill);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::black, std::max(1, size.width() / 100)));
    painter.drawLine(0, 0, size.width(), size.height());
    painter.end();
    return image.save(path);
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

} // namespace Fixtures
