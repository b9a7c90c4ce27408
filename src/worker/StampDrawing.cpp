#include "worker/StampDrawing.h"

#include "worker/PdfSyntax.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFAcroFormDocumentHelper.hh>
#include <qpdf/QPDFMatrix.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <set>
#include <vector>

size_t qHash(const CompactKey &key, size_t seed) noexcept
{
    return qHashMulti(seed, key.url, key.longSide, hashDouble(key.jpegQuality));
}

namespace StampDrawing {

Resolution resolutionFor(const std::optional<CompressionStep> &quality)
{
    if (!quality) {
        return {};
    }
    return {std::clamp(quality->maxPixels / 10, 100, 200), quality->jpegQuality};
}

QImage decodedStamp(StampCache &cache, const QUrl &url)
{
    const auto found = cache.decoded.constFind(url);
    if (found != cache.decoded.constEnd()) {
        return *found;
    }
    QImage image;
    const auto handed = cache.files.constFind(url);
    if (handed != cache.files.constEnd()) {
        const QByteArrayView view = handed->view();
        QBuffer device;
        device.setData(QByteArray::fromRawData(view.data(), view.size()));
        if (device.open(QIODevice::ReadOnly)) {
            image = QImageReader(&device, QFileInfo(url.path()).suffix().toLatin1()).read();
        }
    } else {
        image = QImageReader(url.toLocalFile()).read();
    }
    if (image.isNull()) {
        return {}; // not cached: a file that appears later is read then
    }
    image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    cache.decoded.insert(url, image);
    return image;
}

std::optional<CompactStamp> compactStamp(StampCache &cache, const QUrl &url, const QImage &full,
                                         int longSide, double jpegQuality)
{
    const int fullLong = std::max(full.width(), full.height());
    if (fullLong <= 0) {
        return std::nullopt;
    }
    int w = full.width();
    int h = full.height();
    if (longSide < fullLong) {
        // Products of whole numbers are exact in a double, so halves round as halves.
        w = std::max(int(std::lround(double(full.width()) * longSide / fullLong)), 1);
        h = std::max(int(std::lround(double(full.height()) * longSide / fullLong)), 1);
    }
    const CompactKey key{url, std::max(w, h), jpegQuality};
    const auto found = cache.compact.constFind(key);
    if (found != cache.compact.constEnd()) {
        return *found;
    }

    QImage scaled(w, h, QImage::Format_ARGB32_Premultiplied);
    if (scaled.isNull()) {
        return std::nullopt;
    }
    scaled.fill(Qt::transparent);
    {
        QPainter painter(&scaled);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRect(0, 0, w, h), full);
    }

    // The ink: the average colour of the nearly opaque pixels. Transparent pixels
    // take it, so the JPEG sees no hard edge where the mask hides the colour.
    quint64 sums[3] = {0, 0, 0};
    quint64 inked = 0;
    for (int y = 0; y < h; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(scaled.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const int a = qAlpha(line[x]);
            if (a > 200) {
                sums[0] += quint64(qRed(line[x])) * 255 / a;
                sums[1] += quint64(qGreen(line[x])) * 255 / a;
                sums[2] += quint64(qBlue(line[x])) * 255 / a;
                ++inked;
            }
        }
    }
    int ink[3] = {0, 0, 0};
    if (inked > 0) {
        for (int c = 0; c < 3; ++c) {
            ink[c] = int(sums[c] / inked);
        }
    }

    QImage color(w, h, QImage::Format_RGB888);
    QByteArray alpha(qsizetype(w) * h, Qt::Uninitialized);
    if (color.isNull()) {
        return std::nullopt;
    }
    for (int y = 0; y < h; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(scaled.constScanLine(y));
        uchar *out = color.scanLine(y);
        uchar *mask = reinterpret_cast<uchar *>(alpha.data()) + qsizetype(y) * w;
        for (int x = 0; x < w; ++x) {
            const int a = qAlpha(line[x]);
            mask[x] = uchar(a);
            if (a <= 7) {
                out[3 * x] = uchar(ink[0]);
                out[3 * x + 1] = uchar(ink[1]);
                out[3 * x + 2] = uchar(ink[2]);
            } else {
                out[3 * x] = uchar(std::min(qRed(line[x]) * 255 / a, 255));
                out[3 * x + 1] = uchar(std::min(qGreen(line[x]) * 255 / a, 255));
                out[3 * x + 2] = uchar(std::min(qBlue(line[x]) * 255 / a, 255));
            }
        }
    }

    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(int(std::lround(jpegQuality * 100)));
    if (!writer.write(color) || jpeg.isEmpty()) {
        return std::nullopt;
    }

    CompactStamp stamp{jpeg, alpha, w, h};
    cache.compact.insert(key, stamp);
    return stamp;
}

namespace {

// The streams of a page's /Contents, by reference; anything else there draws nothing.
std::vector<QPDFObjectHandle> contentStreams(QPDFObjectHandle page)
{
    QPDFObjectHandle contents = page.getKey("/Contents");
    std::vector<QPDFObjectHandle> streams;
    if (contents.isStream()) {
        streams.push_back(contents);
    } else if (contents.isArray()) {
        for (QPDFObjectHandle &item : contents.getArrayAsVector()) {
            if (item.isStream()) {
                streams.push_back(item);
            }
        }
    }
    return streams;
}

// A dictionary of its own for `key` of `dict`, so that adding to it leaves other
// pages that share the old one alone.
QPDFObjectHandle ownDictionary(QPDFObjectHandle dict, const char *key)
{
    QPDFObjectHandle value = dict.getKey(key);
    value = value.isDictionary() ? value.shallowCopy() : QPDFObjectHandle::newDictionary();
    dict.replaceKey(key, value);
    return value;
}

} // namespace

struct Embedder::Private
{
    QPDF &pdf;
    QPDFAcroFormDocumentHelper &forms;
    StampCache &cache;
    QHash<QUuid, QUrl> files;
    Resolution resolution;
    QHash<CompactKey, QPDFObjectHandle> embedded;

    QPDFObjectHandle embed(const CompactStamp &stamp)
    {
        QPDFObjectHandle mask = QPDFObjectHandle::newStream(&pdf);
        mask.replaceDict(PdfSyntax::imageDictionary(stamp.width, stamp.height, "/DeviceGray"));
        mask.getDict().replaceKey("/Interpolate", QPDFObjectHandle::newBool(true));
        mask.replaceStreamData(stamp.alpha.toStdString(), QPDFObjectHandle::newNull(),
                               QPDFObjectHandle::newNull());

        QPDFObjectHandle image = QPDFObjectHandle::newStream(&pdf);
        image.replaceDict(PdfSyntax::imageDictionary(stamp.width, stamp.height, "/DeviceRGB"));
        image.getDict().replaceKey("/Interpolate", QPDFObjectHandle::newBool(true));
        image.getDict().replaceKey("/SMask", mask);
        image.replaceStreamData(stamp.jpeg.toStdString(), QPDFObjectHandle::newName("/DCTDecode"),
                                QPDFObjectHandle::newNull());
        return image;
    }

    // The full picture, unpremultiplied, when no compact one could be made.
    QPDFObjectHandle embedFull(const QImage &full)
    {
        const QImage plain = full.convertToFormat(QImage::Format_ARGB32);
        const int w = plain.width();
        const int h = plain.height();
        std::string rgb;
        std::string alpha;
        rgb.reserve(size_t(w) * h * 3);
        alpha.reserve(size_t(w) * h);
        for (int y = 0; y < h; ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(plain.constScanLine(y));
            for (int x = 0; x < w; ++x) {
                rgb += char(qRed(line[x]));
                rgb += char(qGreen(line[x]));
                rgb += char(qBlue(line[x]));
                alpha += char(qAlpha(line[x]));
            }
        }
        QPDFObjectHandle mask = QPDFObjectHandle::newStream(&pdf);
        mask.replaceDict(PdfSyntax::imageDictionary(w, h, "/DeviceGray"));
        mask.replaceStreamData(alpha, QPDFObjectHandle::newNull(), QPDFObjectHandle::newNull());
        QPDFObjectHandle image = QPDFObjectHandle::newStream(&pdf);
        image.replaceDict(PdfSyntax::imageDictionary(w, h, "/DeviceRGB"));
        image.getDict().replaceKey("/SMask", mask);
        image.replaceStreamData(rgb, QPDFObjectHandle::newNull(), QPDFObjectHandle::newNull());
        return image;
    }

    // The XObject of one placement on a page of displayed width `pageWidth`, and
    // its drawn size; a null handle when the placement is left out.
    QPDFObjectHandle stampObject(const StampPlacement &placement, double pageWidth, double &dw,
                                 double &dh)
    {
        const auto file = files.constFind(placement.stampID);
        if (file == files.constEnd()) {
            return QPDFObjectHandle::newNull();
        }
        const QImage full = decodedStamp(cache, *file);
        if (full.isNull()) {
            return QPDFObjectHandle::newNull();
        }
        const double aspect = std::max(double(full.width()) / std::max(full.height(), 1), 0.001);
        dw = pageWidth * placement.width;
        dh = dw / aspect;
        const int longSide = int(std::ceil(std::max(dw, dh) * resolution.ppi / 72.0));
        const auto compact = compactStamp(cache, *file, full, longSide, resolution.jpegQuality);
        const CompactKey key = compact
                                   ? CompactKey{*file, std::max(compact->width, compact->height),
                                                resolution.jpegQuality}
                                   : CompactKey{*file, 0, -1};
        const auto known = embedded.constFind(key);
        if (known != embedded.constEnd()) {
            return *known;
        }
        QPDFObjectHandle object = compact ? embed(*compact) : embedFull(full);
        embedded.insert(key, object);
        return object;
    }
};

Embedder::Embedder(QPDF &pdf, QPDFAcroFormDocumentHelper &forms, StampCache &cache,
                   const QHash<QUuid, QUrl> &files, const std::optional<CompressionStep> &quality)
    : d(new Private{pdf, forms, cache, files, resolutionFor(quality), {}})
{}

Embedder::~Embedder() = default;

void Embedder::redraw(QPDFObjectHandle page, int rotation, const QList<StampPlacement> &stamps)
{
    QPDFPageObjectHelper helper(page);
    const auto crop = PdfSyntax::normalized(helper.getCropBox().getArrayAsRectangle());
    const double cw = crop.urx - crop.llx;
    const double ch = crop.ury - crop.lly;
    const bool sideways = rotation == 90 || rotation == 270;
    const double pageW = sideways ? ch : cw;
    const double pageH = sideways ? cw : ch;

    // The old page drawn upright as displayed: the crop box's corner to the
    // origin, then the clockwise turn.
    QPDFMatrix turn;
    switch (rotation) {
    case 90:
        turn = QPDFMatrix(0, -1, 1, 0, -crop.lly, cw + crop.llx);
        break;
    case 180:
        turn = QPDFMatrix(-1, 0, 0, -1, cw + crop.llx, ch + crop.lly);
        break;
    case 270:
        turn = QPDFMatrix(0, 1, -1, 0, ch + crop.lly, -crop.llx);
        break;
    default:
        turn = QPDFMatrix(1, 0, 0, 1, -crop.llx, -crop.lly);
        break;
    }

    // The old content streams stay as they are stored, referenced between a
    // q … cm and a Q: nothing is decoded, so a stream that can't be decoded, or
    // would take too much memory to, still comes along untouched. The Q also
    // undoes state the old content leaves behind, so the stamps land where placed.
    QPDFObjectHandle resources = ownDictionary(page, "/Resources");
    QPDFObjectHandle xobjects = ownDictionary(resources, "/XObject");
    std::string stampText = "Q\n";
    int index = 0;
    for (const StampPlacement &placement : stamps) {
        double dw = 0;
        double dh = 0;
        QPDFObjectHandle image = d->stampObject(placement, pageW, dw, dh);
        if (image.isNull()) {
            continue;
        }
        std::string name;
        do {
            name = "/TmStamp" + std::to_string(index++);
        } while (xobjects.hasKey(name));
        xobjects.replaceKey(name, image);
        // Centre on the placement (measured from the top), turn clockwise as seen,
        // and stretch the unit square of the image over the stamp rectangle.
        const double phi = -placement.rotation * std::numbers::pi / 180.0;
        const double cosP = std::cos(phi);
        const double sinP = std::sin(phi);
        const double tx = pageW * placement.center.x();
        const double ty = pageH * (1 - placement.center.y());
        stampText += "q " +
                     PdfSyntax::matrix(cosP * dw, sinP * dw, -sinP * dh, cosP * dh,
                                       tx - cosP * dw / 2 + sinP * dh / 2,
                                       ty - sinP * dw / 2 - cosP * dh / 2) +
                     ' ' + name + " Do Q\n";
    }
    std::vector<QPDFObjectHandle> contents{
        QPDFObjectHandle::newStream(&d->pdf, "q " + turn.unparse() + " cm\n")};
    for (QPDFObjectHandle &stream : contentStreams(page)) {
        contents.push_back(stream);
    }
    contents.push_back(QPDFObjectHandle::newStream(&d->pdf, stampText));
    page.replaceKey("/Contents", QPDFObjectHandle::newArray(contents));

    // Links, notes and form fields stay live: each annotation is moved by the
    // same turn into the redrawn page's space, its appearance with it.
    QPDFObjectHandle annotations = page.getKey("/Annots");
    if (annotations.isArray() && annotations.getArrayNItems() > 0) {
        std::vector<QPDFObjectHandle> moved;
        std::vector<QPDFObjectHandle> newFields;
        std::set<QPDFObjGen> oldFields;
        d->forms.transformAnnotations(annotations, moved, newFields, oldFields, turn);
        page.replaceKey("/Annots", QPDFObjectHandle::newArray(moved));
        if (!oldFields.empty()) {
            d->forms.removeFormFields(oldFields);
        }
        for (QPDFObjectHandle &field : newFields) {
            d->forms.addFormField(QPDFFormFieldObjectHelper(field));
        }
    }

    page.replaceKey("/MediaBox",
                    QPDFObjectHandle::newArray(QPDFObjectHandle::Rectangle(0, 0, pageW, pageH)));
    for (const char *key : {"/CropBox", "/BleedBox", "/TrimBox", "/ArtBox", "/Thumb"}) {
        page.removeKey(key);
    }
    page.replaceKey("/Rotate", QPDFObjectHandle::newInteger(0));
}

} // namespace StampDrawing
