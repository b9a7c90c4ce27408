#include "engine/PicturePage.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <algorithm>
#include <cmath>

namespace PicturePage {
namespace {

constexpr double pageLongSide = 842;
constexpr int jpegQuality = 90;

std::string number(double value)
{
    return QByteArray::number(value, 'f', 0).toStdString();
}

} // namespace

QImage read(const QString &path)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    if (!reader.canRead()) {
        return {};
    }
    // Pictures with several frames (icons, TIFFs) show their largest one.
    const int count = reader.imageCount();
    if (count > 1 && reader.supportsAnimation() == false) {
        int best = -1;
        qint64 bestArea = 0;
        for (int i = 0; i < count; ++i) {
            if (!reader.jumpToImage(i)) {
                break;
            }
            const QSize size = reader.size();
            const qint64 area = qint64(size.width()) * size.height();
            if (size.isValid() && area > bestArea) {
                best = i;
                bestArea = area;
            }
        }
        if (best < 0 || !reader.jumpToImage(best)) {
            reader.setFileName(path); // start over at the first frame
        }
    }
    QImage image;
    if (!reader.read(&image)) {
        return {};
    }
    return image;
}

QSize pageSize(QSize pixels)
{
    if (pixels.width() <= 0 || pixels.height() <= 0) {
        return {};
    }
    const double s = pageLongSide / std::max(pixels.width(), pixels.height());
    // A sliver of a picture still makes a page of at least one point.
    return QSize(std::max(1, int(std::round(pixels.width() * s))),
                 std::max(1, int(std::round(pixels.height() * s))));
}

QByteArray makePdf(const QImage &picture)
{
    const QSize size = pageSize(picture.size());
    if (!size.isValid()) {
        return {};
    }
    // JPEG has no transparency: flatten onto white, the colour every page is shown on.
    QImage flat;
    if (picture.hasAlphaChannel()) {
        flat = QImage(picture.size(), QImage::Format_RGB32);
        if (flat.isNull()) {
            return {};
        }
        flat.fill(Qt::white);
        QPainter painter(&flat);
        painter.drawImage(0, 0, picture);
    } else {
        flat = picture.convertToFormat(QImage::Format_RGB32); // no copy when decoded so
        if (flat.isNull()) {
            return {};
        }
    }
    QByteArray jpeg;
    {
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        if (!flat.save(&buffer, "JPEG", jpegQuality)) {
            return {};
        }
    }
    flat = QImage();

    try {
        QPDF pdf;
        pdf.emptyPDF();
        QPDFObjectHandle image = QPDFObjectHandle::newStream(&pdf);
        QPDFObjectHandle dict = image.getDict();
        dict.replaceKey("/Type", QPDFObjectHandle::newName("/XObject"));
        dict.replaceKey("/Subtype", QPDFObjectHandle::newName("/Image"));
        dict.replaceKey("/Width", QPDFObjectHandle::newInteger(picture.width()));
        dict.replaceKey("/Height", QPDFObjectHandle::newInteger(picture.height()));
        dict.replaceKey("/ColorSpace", QPDFObjectHandle::newName("/DeviceRGB"));
        dict.replaceKey("/BitsPerComponent", QPDFObjectHandle::newInteger(8));
        image.replaceStreamData(jpeg.toStdString(), QPDFObjectHandle::newName("/DCTDecode"),
                                QPDFObjectHandle::newNull());
        jpeg.clear();

        const std::string w = number(size.width());
        const std::string h = number(size.height());
        QPDFObjectHandle xobjects = QPDFObjectHandle::newDictionary();
        xobjects.replaceKey("/Im0", image);
        QPDFObjectHandle resources = QPDFObjectHandle::newDictionary();
        resources.replaceKey("/XObject", xobjects);

        QPDFObjectHandle page = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
        page.replaceKey("/Type", QPDFObjectHandle::newName("/Page"));
        page.replaceKey("/MediaBox", QPDFObjectHandle::newArray(
                                         QPDFObjectHandle::Rectangle(0, 0, size.width(), size.height())));
        page.replaceKey("/Resources", resources);
        page.replaceKey("/Contents",
                        QPDFObjectHandle::newStream(&pdf, "q " + w + " 0 0 " + h + " 0 0 cm /Im0 Do Q\n"));
        QPDFPageDocumentHelper(pdf).addPage(page, false);

        QPDFWriter writer(pdf);
        writer.setOutputMemory();
        writer.write();
        const std::shared_ptr<Buffer> buffer = writer.getBufferSharedPointer();
        return QByteArray(reinterpret_cast<const char *>(buffer->getBuffer()),
                          qsizetype(buffer->getSize()));
    } catch (const std::exception &) {
        return {};
    }
}

} // namespace PicturePage
