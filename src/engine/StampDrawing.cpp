#include "engine/StampDrawing.h"

#include "engine/PdfSyntax.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFAnnotationObjectHelper.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

#include <algorithm>
#include <cmath>
#include <numbers>

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
    QImageReader reader(url.toLocalFile());
    QImage image = reader.read();
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

// The content of a page as one stream of content text. Streams that cannot be
// decoded are left out: they draw nothing in a reader either.
std::string pageContent(QPDFObjectHandle page)
{
    QPDFObjectHandle contents = page.getKey("/Contents");
    std::vector<QPDFObjectHandle> streams;
    if (contents.isStream()) {
        streams.push_back(contents);
    } else if (contents.isArray()) {
        streams = contents.getArrayAsVector();
    }
    std::string text;
    for (QPDFObjectHandle &stream : streams) {
        if (!stream.isStream()) {
            continue;
        }
        try {
            const auto data = stream.getStreamData(qpdf_dl_generalized);
            text.append(reinterpret_cast<const char *>(data->getBuffer()), data->getSize());
            text += '\n';
        } catch (const std::exception &) {
        }
    }
    return text;
}

} // namespace

struct Embedder::Private
{
    QPDF &pdf;
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
        const CompactKey key = compact ? CompactKey{*file, std::max(compact->width, compact->height),
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

Embedder::Embedder(QPDF &pdf, StampCache &cache, const QHash<QUuid, QUrl> &files,
                   const std::optional<CompressionStep> &quality)
    : d(new Private{pdf, cache, files, resolutionFor(quality), {}})
{
}

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

    // The old page as a form XObject in its own coordinates; its resources are
    // shared with other uses of the same source page, so a copy gets the extras.
    QPDFObjectHandle resources = page.getKey("/Resources");
    resources = resources.isDictionary() ? resources.shallowCopy() : QPDFObjectHandle::newDictionary();
    QPDFObjectHandle formXObjects = resources.getKey("/XObject");
    formXObjects = formXObjects.isDictionary() ? formXObjects.shallowCopy()
                                               : QPDFObjectHandle::newDictionary();
    resources.replaceKey("/XObject", formXObjects);
    // Wrapped in q/Q so that state the page leaves behind does not move its annotations.
    std::string content = "q\n" + pageContent(page) + "Q\n";

    // Annotations are drawn into the page (form fields keep their filled-in look):
    // their rectangles would not fit the redrawn page.
    int suffix = 0;
    for (QPDFAnnotationObjectHelper &annotation : helper.getAnnotations()) {
        try {
            QPDFObjectHandle appearance = annotation.getAppearanceStream("/N");
            if (!appearance.isStream()) {
                continue;
            }
            const std::string name = resources.getUniqueResourceName("/TmA", suffix);
            const std::string placed = annotation.getPageContentForAppearance(name, 0);
            if (!placed.empty()) {
                formXObjects.replaceKey(name, appearance);
                content += "\n" + placed + "\n";
            }
        } catch (const std::exception &) {
            // An annotation qpdf cannot place is left out; the page itself stays.
        }
    }

    QPDFObjectHandle form = QPDFObjectHandle::newStream(&d->pdf);
    QPDFObjectHandle formDict = QPDFObjectHandle::newDictionary();
    formDict.replaceKey("/Type", QPDFObjectHandle::newName("/XObject"));
    formDict.replaceKey("/Subtype", QPDFObjectHandle::newName("/Form"));
    formDict.replaceKey("/BBox", QPDFObjectHandle::newArray(crop));
    formDict.replaceKey("/Resources", resources);
    form.replaceDict(formDict);
    form.replaceStreamData(content, QPDFObjectHandle::newNull(), QPDFObjectHandle::newNull());

    // The form drawn upright as displayed: the crop box's corner to the origin,
    // then the clockwise turn.
    std::string pageText = "q ";
    switch (rotation) {
    case 90:
        pageText += PdfSyntax::matrix(0, -1, 1, 0, -crop.lly, cw + crop.llx);
        break;
    case 180:
        pageText += PdfSyntax::matrix(-1, 0, 0, -1, cw + crop.llx, ch + crop.lly);
        break;
    case 270:
        pageText += PdfSyntax::matrix(0, 1, -1, 0, ch + crop.lly, -crop.llx);
        break;
    default:
        pageText += PdfSyntax::matrix(1, 0, 0, 1, -crop.llx, -crop.lly);
        break;
    }
    pageText += " /TmPage Do Q\n";

    QPDFObjectHandle xobjects = QPDFObjectHandle::newDictionary();
    xobjects.replaceKey("/TmPage", form);
    int index = 0;
    for (const StampPlacement &placement : stamps) {
        double dw = 0;
        double dh = 0;
        QPDFObjectHandle image = d->stampObject(placement, pageW, dw, dh);
        if (image.isNull()) {
            continue;
        }
        const std::string name = "/TmStamp" + std::to_string(index++);
        xobjects.replaceKey(name, image);
        // Centre on the placement (measured from the top), turn clockwise as seen,
        // and stretch the unit square of the image over the stamp rectangle.
        const double phi = -placement.rotation * std::numbers::pi / 180.0;
        const double cosP = std::cos(phi);
        const double sinP = std::sin(phi);
        const double tx = pageW * placement.center.x();
        const double ty = pageH * (1 - placement.center.y());
        pageText += "q " + PdfSyntax::matrix(cosP * dw, sinP * dw, -sinP * dh, cosP * dh,
                                             tx - cosP * dw / 2 + sinP * dh / 2,
                                             ty - sinP * dw / 2 - cosP * dh / 2)
                    + ' ' + name + " Do Q\n";
    }

    QPDFObjectHandle pageResources = QPDFObjectHandle::newDictionary();
    pageResources.replaceKey("/XObject", xobjects);
    page.replaceKey("/Resources", pageResources);
    page.replaceKey("/Contents", QPDFObjectHandle::newStream(&d->pdf, pageText));
    page.replaceKey("/MediaBox", QPDFObjectHandle::newArray(QPDFObjectHandle::Rectangle(0, 0, pageW, pageH)));
    for (const char *key : {"/CropBox", "/BleedBox", "/TrimBox", "/ArtBox", "/Annots", "/Thumb"}) {
        page.removeKey(key);
    }
    page.replaceKey("/Rotate", QPDFObjectHandle::newInteger(0));
}

} // namespace StampDrawing
