#include "engine/ImageCompression.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentMap>

#include <qpdf/Buffer.hh>
#include <qpdf/Pl_Buffer.hh>
#include <qpdf/Pl_Flate.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <set>

namespace ImageCompression {
namespace {

// How much stream data one batch reads out at most before the pool works on it.
constexpr qint64 batchBytes = 192 * 1024 * 1024;

enum class Source { Jpeg, Flate, Pixels };

// One image's pixel work, free of qpdf objects so the pool may run it.
struct PixelJob
{
    Source source = Source::Pixels;
    QByteArray data;
    int width = 0;
    int height = 0;
    int components = 0;
    qint64 storedSize = 0;
    // The soft mask of another image: made smaller when too large, never lossy.
    bool softMask = false;

    QByteArray encoded; // the new stream data (JPEG, or grey pixels for a soft mask); empty: keep the old one
    int newWidth = 0;
    int newHeight = 0;
};

struct Found
{
    QPDFObjectHandle image;
    bool softMask = false;
};

QByteArray toBytes(const std::shared_ptr<Buffer> &buffer)
{
    return QByteArray(reinterpret_cast<const char *>(buffer->getBuffer()), qsizetype(buffer->getSize()));
}

// A soft mask with /Matte must keep the size of its image.
bool hasMatteMask(QPDFObjectHandle dict)
{
    QPDFObjectHandle mask = dict.getKey("/SMask");
    return mask.isStream() && mask.getDict().hasKey("/Matte");
}

void collect(QPDFObjectHandle resources, std::set<QPDFObjGen> &forms, std::set<QPDFObjGen> &seen,
             std::vector<Found> &images)
{
    if (!resources.isDictionary()) {
        return;
    }
    QPDFObjectHandle xobjects = resources.getKey("/XObject");
    if (!xobjects.isDictionary()) {
        return;
    }
    for (const std::string &key : xobjects.getKeys()) {
        QPDFObjectHandle object = xobjects.getKey(key);
        if (!object.isStream()) {
            continue;
        }
        QPDFObjectHandle subtype = object.getDict().getKey("/Subtype");
        if (subtype.isNameAndEquals("/Image")) {
            if (seen.insert(object.getObjGen()).second) {
                images.push_back({object, false});
                QPDFObjectHandle mask = object.getDict().getKey("/SMask");
                if (mask.isStream() && !hasMatteMask(object.getDict())
                    && seen.insert(mask.getObjGen()).second) {
                    images.push_back({mask, true});
                }
            }
        } else if (subtype.isNameAndEquals("/Form")) {
            if (forms.insert(object.getObjGen()).second) {
                collect(object.getDict().getKey("/Resources"), forms, seen, images);
            }
        }
    }
}

// 1 for grey, 3 for RGB; 0 for anything that JPEG would not carry faithfully.
int componentsOf(QPDFObjectHandle space)
{
    if (space.isNameAndEquals("/DeviceRGB")) {
        return 3;
    }
    if (space.isNameAndEquals("/DeviceGray")) {
        return 1;
    }
    if (!space.isArray() || space.getArrayNItems() < 1) {
        return 0;
    }
    QPDFObjectHandle family = space.getArrayItem(0);
    if (family.isNameAndEquals("/CalRGB")) {
        return 3;
    }
    if (family.isNameAndEquals("/CalGray")) {
        return 1;
    }
    if (family.isNameAndEquals("/ICCBased") && space.getArrayNItems() >= 2
        && space.getArrayItem(1).isStream()) {
        QPDFObjectHandle n = space.getArrayItem(1).getDict().getKey("/N");
        if (n.isInteger() && (n.getIntValue() == 1 || n.getIntValue() == 3)) {
            return int(n.getIntValue());
        }
    }
    return 0;
}

int integerOf(QPDFObjectHandle dict, const char *key)
{
    QPDFObjectHandle value = dict.getKey(key);
    return value.isInteger() ? value.getIntValueAsInt() : 0;
}

// True for a decode array that maps every component onto itself, as some
// writers store it; any other one changes the colours and is left alone.
bool isPlainDecode(QPDFObjectHandle decode, int components)
{
    if (decode.isNull()) {
        return true;
    }
    if (!decode.isArray() || decode.getArrayNItems() != 2 * components) {
        return false;
    }
    for (int i = 0; i < 2 * components; ++i) {
        QPDFObjectHandle bound = decode.getArrayItem(i);
        if (!bound.isNumber() || bound.getNumericValue() != double(i % 2)) {
            return false;
        }
    }
    return true;
}

// The job of an image, or none when it is to be left alone. Reads stream data,
// so it runs on the engine's thread.
std::optional<PixelJob> jobFor(QPDFObjectHandle image, bool softMask)
{
    QPDFObjectHandle dict = image.getDict();
    PixelJob job;
    job.softMask = softMask;
    job.width = integerOf(dict, "/Width");
    job.height = integerOf(dict, "/Height");
    job.components = softMask ? 1 : componentsOf(dict.getKey("/ColorSpace"));
    if (job.width <= 0 || job.height <= 0 || job.components == 0
        || integerOf(dict, "/BitsPerComponent") != 8 || (dict.getKey("/ImageMask").isBool() && dict.getKey("/ImageMask").getBoolValue())
        || !isPlainDecode(dict.getKey("/Decode"), job.components) || dict.getKey("/Mask").isArray()
        || hasMatteMask(dict)
        || qint64(job.width) * job.height * job.components > (qint64(1) << 31)) {
        return std::nullopt;
    }

    std::vector<std::string> filters;
    QPDFObjectHandle filter = dict.getKey("/Filter");
    if (filter.isName()) {
        filters.push_back(filter.getName());
    } else if (filter.isArray()) {
        for (QPDFObjectHandle &item : filter.getArrayAsVector()) {
            if (!item.isName()) {
                return std::nullopt;
            }
            filters.push_back(item.getName());
        }
    } else if (!filter.isNull()) {
        return std::nullopt;
    }
    for (const std::string &name : filters) {
        if (name == "/JPXDecode" || name == "/JBIG2Decode" || name == "/CCITTFaxDecode") {
            return std::nullopt;
        }
    }

    QPDFObjectHandle parms = dict.getKey("/DecodeParms");
    if (parms.isArray() && parms.getArrayNItems() == 1) {
        parms = parms.getArrayItem(0);
    }
    const bool plainParms = parms.isNull()
        || (parms.isDictionary() && integerOf(parms, "/Predictor") <= 1
            && !parms.hasKey("/ColorTransform"));

    try {
        const QByteArray raw = toBytes(image.getRawStreamData());
        job.storedSize = raw.size();
        if (filters.size() == 1 && filters[0] == "/DCTDecode" && plainParms) {
            job.source = Source::Jpeg;
            job.data = raw;
        } else if (filters.size() == 1 && filters[0] == "/FlateDecode" && plainParms) {
            job.source = Source::Flate;
            job.data = raw;
        } else if (filters.empty()) {
            job.source = Source::Pixels;
            job.data = raw;
        } else {
            job.source = Source::Pixels;
            job.data = toBytes(image.getStreamData(qpdf_dl_all));
        }
    } catch (const std::exception &) {
        return std::nullopt; // an undecodable stream stays as it is
    }
    return job;
}

// The number of colour components a JPEG stream declares in its frame header; 0 when unknown.
int jpegComponents(const QByteArray &data)
{
    const auto *d = reinterpret_cast<const uchar *>(data.constData());
    const qsizetype size = data.size();
    if (size < 4 || d[0] != 0xFF || d[1] != 0xD8) {
        return 0;
    }
    qsizetype i = 2;
    while (i + 4 <= size) {
        if (d[i] != 0xFF) {
            return 0;
        }
        const uchar marker = d[i + 1];
        if (marker == 0xFF) {
            ++i;
            continue;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8)) {
            i += 2;
            continue;
        }
        const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8
            && marker != 0xCC;
        if (frame) {
            return i + 9 < size ? d[i + 9] : 0;
        }
        i += 2 + ((qsizetype(d[i + 2]) << 8) | d[i + 3]);
    }
    return 0;
}

QImage pixelsOf(const QByteArray &bytes, int width, int height, int components)
{
    const qsizetype rowBytes = qsizetype(width) * components;
    if (bytes.size() < rowBytes * height) {
        return {};
    }
    QImage image(width, height, components == 1 ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
    if (image.isNull()) {
        return {};
    }
    for (int y = 0; y < height; ++y) {
        std::memcpy(image.scanLine(y), bytes.constData() + rowBytes * y, size_t(rowBytes));
    }
    return image;
}

QByteArray inflate(const QByteArray &data)
{
    try {
        Pl_Buffer out("inflated");
        Pl_Flate flate("inflate", &out, Pl_Flate::a_inflate);
        flate.write(reinterpret_cast<const unsigned char *>(data.constData()), size_t(data.size()));
        flate.finish();
        return toBytes(out.getBufferSharedPointer());
    } catch (const std::exception &) {
        return {};
    }
}

void work(PixelJob &job, const CompressionStep &step, const CancelToken &cancel)
{
    if (cancel.isCanceled()) {
        return;
    }
    const int longSide = std::max(job.width, job.height);
    const bool shrink = longSide > step.maxPixels && step.maxPixels > 0;
    if (job.softMask && !shrink) {
        return;
    }
    QSize target(job.width, job.height);
    if (shrink) {
        target = QSize(std::max(int(std::lround(double(job.width) * step.maxPixels / longSide)), 1),
                       std::max(int(std::lround(double(job.height) * step.maxPixels / longSide)), 1));
    }

    QImage image;
    if (job.source == Source::Jpeg) {
        if (jpegComponents(job.data) != job.components) {
            return; // e.g. CMYK data under an RGB colour space: not ours to touch
        }
        QBuffer buffer(&job.data);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, "jpeg");
        if (shrink) {
            reader.setScaledSize(target); // lets the decoder skip most of the work
        }
        image = reader.read();
    } else {
        const QByteArray pixels = job.source == Source::Flate ? inflate(job.data) : job.data;
        image = pixelsOf(pixels, job.width, job.height, job.components);
        if (shrink && !image.isNull()) {
            image = image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        }
    }
    job.data.clear();
    if (image.isNull()) {
        return;
    }
    image = image.convertToFormat(job.components == 1 ? QImage::Format_Grayscale8
                                                      : QImage::Format_RGB888);
    job.newWidth = image.width();
    job.newHeight = image.height();
    if (job.softMask) {
        // Opacity edges stay crisp: plain grey pixels, which the writer deflates.
        job.encoded.reserve(qsizetype(image.width()) * image.height());
        for (int y = 0; y < image.height(); ++y) {
            job.encoded.append(reinterpret_cast<const char *>(image.constScanLine(y)), image.width());
        }
        return;
    }

    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(int(std::lround(step.jpegQuality * 100)));
    if (!writer.write(image) || jpeg.isEmpty()) {
        return;
    }
    if (!shrink && jpeg.size() >= job.storedSize) {
        return;
    }
    job.encoded = jpeg;
}

} // namespace

Report compressImages(const std::vector<QPDFObjectHandle> &pages, const CompressionStep &step,
                      const CancelToken &cancel)
{
    Report report;
    std::set<QPDFObjGen> forms;
    std::set<QPDFObjGen> seen;
    std::vector<Found> images;
    for (const QPDFObjectHandle &page : pages) {
        collect(QPDFObjectHandle(page).getKey("/Resources"), forms, seen, images);
    }
    report.examined = int(images.size());

    size_t next = 0;
    while (next < images.size()) {
        if (cancel.isCanceled()) {
            report.canceled = true;
            return report;
        }
        std::vector<QPDFObjectHandle> batchImages;
        QList<PixelJob> batch;
        qint64 bytes = 0;
        while (next < images.size() && bytes < batchBytes) {
            const Found found = images[next++];
            auto job = jobFor(found.image, found.softMask);
            if (!job) {
                continue;
            }
            bytes += job->data.size();
            batchImages.push_back(found.image);
            batch.append(std::move(*job));
        }
        QtConcurrent::blockingMap(QThreadPool::globalInstance(), batch,
                                  [&step, &cancel](PixelJob &job) { work(job, step, cancel); });
        for (qsizetype i = 0; i < batch.size(); ++i) {
            const PixelJob &job = batch[i];
            if (job.encoded.isEmpty()) {
                continue;
            }
            QPDFObjectHandle image = batchImages[size_t(i)];
            QPDFObjectHandle dict = image.getDict();
            image.replaceStreamData(job.encoded.toStdString(),
                                    job.softMask ? QPDFObjectHandle::newNull()
                                                 : QPDFObjectHandle::newName("/DCTDecode"),
                                    QPDFObjectHandle::newNull());
            dict.replaceKey("/Width", QPDFObjectHandle::newInteger(job.newWidth));
            dict.replaceKey("/Height", QPDFObjectHandle::newInteger(job.newHeight));
            dict.replaceKey("/BitsPerComponent", QPDFObjectHandle::newInteger(8));
            dict.removeKey("/DecodeParms");
            dict.removeKey("/Decode");
            ++report.replaced;
        }
    }
    if (cancel.isCanceled()) {
        report.canceled = true;
    }
    return report;
}

} // namespace ImageCompression
