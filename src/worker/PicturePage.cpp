#include "worker/PicturePage.h"

#include "worker/PdfSyntax.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <algorithm>
#include <cmath>
#include <functional>

#include <unistd.h>

namespace PicturePage {
namespace {

constexpr double pageLongSide = 842;
constexpr int jpegQuality = 90;

// Picks the largest frame of a picture with several (icons, TIFFs); `restart`
// puts the reader back at the first frame when jumping fails.
void pickLargestFrame(QImageReader &reader, const std::function<void()> &restart)
{
    const int count = reader.imageCount();
    if (count <= 1 || reader.supportsAnimation()) {
        return;
    }
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
        restart();
    }
}

} // namespace

int allocationLimitMB(qint64 memoryBytes)
{
    constexpr qint64 mib = 1024 * 1024;
    if (memoryBytes <= 0) {
        const long pages = sysconf(_SC_PHYS_PAGES);
        const long pageSize = sysconf(_SC_PAGE_SIZE);
        const qint64 memory = pages > 0 && pageSize > 0 ? qint64(pages) * pageSize : 0;
        memoryBytes = std::clamp(memory / 4, 2048 * mib, 8192 * mib);
    }
    return int(std::max<qint64>(memoryBytes / 2 / mib, 512));
}

namespace {

// Readies `reader` on `device` (which holds the bytes in place, no copy) for
// the picture's largest frame, turned upright; false when the bytes are no
// picture it can read.
bool prepare(QImageReader &reader, QBuffer &device, QByteArrayView bytes)
{
    device.setData(QByteArray::fromRawData(bytes.data(), bytes.size()));
    if (!device.open(QIODevice::ReadOnly)) {
        return false;
    }
    reader.setDevice(&device);
    reader.setAutoTransform(true);
    if (!reader.canRead()) {
        return false;
    }
    pickLargestFrame(reader, [&reader, &device] {
        device.seek(0);
        reader.setDevice(&device);
    });
    return true;
}

} // namespace

QImage read(const SharedBytes &bytes, const QByteArray &format)
{
    // Read in place: the memory file stays the one copy of the picture's bytes.
    QBuffer device;
    QImageReader reader;
    reader.setFormat(format);
    QImage image;
    if (!prepare(reader, device, bytes.view()) || !reader.read(&image)) {
        return {};
    }
    return image;
}

QImage decode(QByteArrayView bytes, int longSide)
{
    if (longSide <= 0 || bytes.isEmpty()) {
        return {};
    }
    QBuffer buffer;
    QImageReader reader;
    reader.setDecideFormatFromContent(true);
    if (!prepare(reader, buffer, bytes)) {
        return {};
    }
    // The size is before turning upright, which swaps the sides at most.
    const QSize size = reader.size();
    if (size.isValid() && std::max(size.width(), size.height()) > longSide) {
        const double scale = double(longSide) / std::max(size.width(), size.height());
        // Rounded, not cut: the longer side must come out as `longSide`, not one short.
        reader.setScaledSize(QSize(std::max(1, int(std::lround(size.width() * scale))),
                                   std::max(1, int(std::lround(size.height() * scale)))));
    }
    QImage image;
    if (!reader.read(&image) || image.isNull()) {
        return {};
    }
    if (std::max(image.width(), image.height()) > longSide) {
        image = image.scaled(longSide, longSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                         : QImage::Format_RGB32);
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
        PdfSyntax::addJpegPage(pdf, jpeg.toStdString(), picture.size(), size);
        jpeg.clear();

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
