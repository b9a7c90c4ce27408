#include "worker/ImageCompression.h"

#include "worker/PictureCodecs.h"

#include <QSize>
#include <QThreadPool>

#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>

#include <algorithm>
#include <array>
#include <cmath>
#include <condition_variable>
#include <malloc.h>
#include <map>
#include <memory>
#include <mutex>
#include <set>

#include <sys/resource.h>
#include <unistd.h>

using PictureCodecs::Collector;
using PictureCodecs::Pixels;

namespace ImageCompression {
namespace {

// Decoded bytes the pictures on the pool may hold together: an eighth of the
// machine's memory, at most a quarter of what the process may map (a worker's
// bound), and never more than keeps a compression's peak near 300 MiB. A
// picture larger than this runs alone, so a compression peaks near its
// largest picture.
qint64 budgetBytes()
{
    static const qint64 budget = [] {
        constexpr qint64 mib = 1024 * 1024;
        const long pages = sysconf(_SC_PHYS_PAGES);
        const long pageSize = sysconf(_SC_PAGE_SIZE);
        qint64 bytes = pages > 0 && pageSize > 0 ? qint64(pages) * pageSize / 8 : 512 * mib;
        rlimit limit{};
        if (getrlimit(RLIMIT_AS, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY) {
            bytes = std::min(bytes, qint64(limit.rlim_cur / 4));
        }
        return std::clamp(bytes, 64 * mib, 160 * mib);
    }();
    return budget;
}

// Larger than any real picture; keeps a damaged size from allocating wildly.
constexpr qint64 largestSamples = qint64(1) << 31;

enum class Codec { Packed, Flate, FlatePng, Jpeg, Jpx };

// How to get one stream's samples, free of qpdf objects so the pool may do it.
struct Source
{
    Codec codec = Codec::Packed;
    QByteArray data;
    int width = 0;
    int height = 0;
    int components = 0; // per stored sample: 1 for a palette index
    int bits = 8;
    // A palette: its colours in the base space's components, 8 bits each.
    QByteArray palette;
    int baseComponents = 0;
    int highest = 0;
    std::optional<std::pair<double, double>> indexDecode;

    qint64 packedBytes() const { return (qint64(width) * components * bits + 7) / 8 * height; }
};

enum class Kind { Picture, SoftMask, Jpx };

struct Job
{
    Kind kind = Kind::Picture;
    Source image;
    std::optional<Source> matteMask;
    std::array<double, 4> matte{};
    bool jpxAlpha = false; // the JPEG 2000 data's alpha is the soft mask
    qint64 storedSize = 0; // of the streams the job may replace
    qint64 cost = 0;       // decoded bytes it holds at most

    // Results; an empty `encoded` keeps the old streams.
    QByteArray encoded;
    int newWidth = 0;
    int newHeight = 0;
    int newComponents = 0;
    QByteArray newMask; // deflated grey: the soft mask at the new size
    QByteArray iccProfile;
};

// A job with the qpdf objects it will write to, which only the job's own thread touches.
struct Pending
{
    QPDFObjectHandle image;
    QPDFObjectHandle mask;      // the matte mask the job rewrites, or null
    QPDFObjectHandle baseSpace; // for a palette image: the space it becomes
    Job job;
};

QByteArray toBytes(const std::shared_ptr<Buffer> &buffer)
{
    return QByteArray(reinterpret_cast<const char *>(buffer->getBuffer()),
                      qsizetype(buffer->getSize()));
}

int integerOf(QPDFObjectHandle dict, const char *key, int fallback = 0)
{
    QPDFObjectHandle value = dict.getKey(key);
    return value.isInteger() ? value.getIntValueAsInt() : fallback;
}

bool isTrue(QPDFObjectHandle dict, const char *key)
{
    QPDFObjectHandle value = dict.getKey(key);
    return value.isBool() && value.getBoolValue();
}

// The number of components of a colour space whose samples are plain values
// from 0 to 1; 0 for any other.
int plainComponents(QPDFObjectHandle space)
{
    if (space.isNameAndEquals("/DeviceGray")) {
        return 1;
    }
    if (space.isNameAndEquals("/DeviceRGB")) {
        return 3;
    }
    if (space.isNameAndEquals("/DeviceCMYK")) {
        return 4;
    }
    if (!space.isArray() || space.getArrayNItems() < 2) {
        return 0;
    }
    QPDFObjectHandle family = space.getArrayItem(0);
    if (family.isNameAndEquals("/CalGray")) {
        return 1;
    }
    if (family.isNameAndEquals("/CalRGB")) {
        return 3;
    }
    if (family.isNameAndEquals("/ICCBased") && space.getArrayItem(1).isStream()) {
        QPDFObjectHandle profile = space.getArrayItem(1).getDict();
        const int n = integerOf(profile, "/N");
        QPDFObjectHandle range = profile.getKey("/Range");
        if (range.isArray()) {
            for (int i = 0; i < range.getArrayNItems(); ++i) {
                QPDFObjectHandle bound = range.getArrayItem(i);
                if (!bound.isNumber() || bound.getNumericValue() != double(i % 2)) {
                    return 0; // values beyond 0–1 (e.g. Lab profiles)
                }
            }
        }
        return n == 1 || n == 3 || n == 4 ? n : 0;
    }
    return 0;
}

std::vector<std::string> filtersOf(QPDFObjectHandle dict, bool &readable)
{
    std::vector<std::string> names;
    readable = true;
    QPDFObjectHandle filter = dict.getKey("/Filter");
    if (filter.isName()) {
        names.push_back(filter.getName());
    } else if (filter.isArray()) {
        for (QPDFObjectHandle &item : filter.getArrayAsVector()) {
            if (!item.isName()) {
                readable = false;
                break;
            }
            names.push_back(item.getName());
        }
    } else if (!filter.isNull()) {
        readable = false;
    }
    return names;
}

// How the samples of `stream` are read: its filters and decode parameters
// checked, its stored data taken out. None when it isn't ours to read.
std::optional<Source> sourceOf(QPDFObjectHandle stream, int width, int height, int components,
                               int bits)
{
    QPDFObjectHandle dict = stream.getDict();
    bool readable = false;
    const std::vector<std::string> filters = filtersOf(dict, readable);
    if (!readable) {
        return std::nullopt;
    }
    for (const std::string &name : filters) {
        if (name == "/JBIG2Decode" || name == "/CCITTFaxDecode" || name == "/Crypt") {
            return std::nullopt;
        }
    }
    const bool single = filters.size() == 1;
    const bool jpeg = single && filters[0] == "/DCTDecode";
    const bool jpx = single && filters[0] == "/JPXDecode";
    for (size_t i = 0; i < filters.size(); ++i) {
        if ((filters[i] == "/DCTDecode" || filters[i] == "/JPXDecode") && !single) {
            return std::nullopt; // an image codec behind other filters: too odd to be worth it
        }
    }

    // Row predictors must describe this very image: parameters that don't
    // (a bomb of colours × columns among them) are never handed to a decoder.
    int predictor = 1;
    QPDFObjectHandle parms = dict.getKey("/DecodeParms");
    std::vector<QPDFObjectHandle> parmList =
        parms.isArray() ? parms.getArrayAsVector() : std::vector<QPDFObjectHandle>{parms};
    for (QPDFObjectHandle &entry : parmList) {
        if (!entry.isDictionary()) {
            continue;
        }
        if (jpeg && entry.hasKey("/ColorTransform")) {
            return std::nullopt;
        }
        const int p = integerOf(entry, "/Predictor", 1);
        if (p <= 1) {
            continue;
        }
        if (integerOf(entry, "/Colors", 1) != components ||
            integerOf(entry, "/BitsPerComponent", 8) != bits ||
            integerOf(entry, "/Columns", 1) != width || predictor > 1) {
            return std::nullopt;
        }
        predictor = p;
    }

    Source source;
    source.width = width;
    source.height = height;
    source.components = components;
    source.bits = bits;
    try {
        if (jpeg || jpx ||
            (single && filters[0] == "/FlateDecode" && (predictor == 1 || predictor >= 10)) ||
            filters.empty()) {
            source.codec = jpeg              ? Codec::Jpeg
                           : jpx             ? Codec::Jpx
                           : filters.empty() ? Codec::Packed
                           : predictor >= 10 ? Codec::FlatePng
                                             : Codec::Flate;
            source.data = toBytes(stream.getRawStreamData());
            return source;
        }
        // Other filters (LZW, ASCII, run length, TIFF predictors) are rare:
        // qpdf undoes them here, never past what the image can hold.
        QByteArray packed;
        bool done = false;
        try {
            Collector collector(packed, qsizetype(source.packedBytes()));
            done = stream.pipeStreamData(&collector, 0, qpdf_dl_specialized, true);
        } catch (const Collector::Full &) {
            done = true;
        }
        if (!done) {
            return std::nullopt;
        }
        source.codec = Codec::Packed;
        source.data = packed;
        return source;
    } catch (const std::exception &) {
        return std::nullopt; // an undecodable stream stays as it is
    }
}

struct Colours
{
    int components = 0; // per stored sample
    QPDFObjectHandle base;
    QByteArray palette;
    int baseComponents = 0;
    int highest = 0;
};

std::optional<Colours> coloursOf(QPDFObjectHandle space)
{
    if (const int n = plainComponents(space)) {
        return Colours{n, {}, {}, 0, 0};
    }
    if (!space.isArray() || space.getArrayNItems() != 4 ||
        !space.getArrayItem(0).isNameAndEquals("/Indexed")) {
        return std::nullopt;
    }
    QPDFObjectHandle base = space.getArrayItem(1);
    QPDFObjectHandle highest = space.getArrayItem(2);
    QPDFObjectHandle lookup = space.getArrayItem(3);
    const int baseComponents = plainComponents(base);
    if (baseComponents == 0 || !highest.isInteger() || highest.getIntValue() < 0 ||
        highest.getIntValue() > 255) {
        return std::nullopt;
    }
    Colours colours{1, base, {}, baseComponents, highest.getIntValueAsInt()};
    if (lookup.isString()) {
        colours.palette = QByteArray::fromStdString(lookup.getStringValue());
    } else if (lookup.isStream()) {
        try {
            colours.palette = toBytes(lookup.getStreamData(qpdf_dl_generalized));
        } catch (const std::exception &) {
            return std::nullopt;
        }
    } else {
        return std::nullopt;
    }
    if (colours.palette.size() < qsizetype(colours.highest + 1) * baseComponents) {
        return std::nullopt;
    }
    return colours;
}

// True for an absent decode array or one that maps every component onto itself.
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

bool validBits(int bits)
{
    return bits == 1 || bits == 2 || bits == 4 || bits == 8 || bits == 16;
}

QSize targetSize(int width, int height, int maxPixels)
{
    const int longSide = std::max(width, height);
    if (maxPixels <= 0 || longSide <= maxPixels) {
        return {width, height};
    }
    return {std::max(int(std::lround(double(width) * maxPixels / longSide)), 1),
            std::max(int(std::lround(double(height) * maxPixels / longSide)), 1)};
}

// The bytes a job holds at most while its picture is read, shrunk to `target`
// and encoded. A JPEG read at its target is shrunk row by row, so it holds no
// more than the result, unless it is progressive: libjpeg then keeps all its
// coefficients.
qint64 costOf(const Source &source, int outComponents, QSize target, bool whole)
{
    const qint64 area = qint64(source.width) * source.height;
    const qint64 result = 2 * qint64(target.width()) * target.height() * outComponents;
    qint64 decoded = 0;
    if (source.codec == Codec::Jpx) {
        decoded = area * (outComponents + 1) * 4;
    } else if (source.codec == Codec::Jpeg) {
        decoded = whole ? area * source.components : 0;
        if (PictureCodecs::isProgressiveJpeg(source.data)) {
            decoded += area * source.components * 2;
        }
    } else {
        decoded = source.packedBytes() + area * outComponents;
    }
    return source.data.size() + decoded + result;
}

// The job of a picture or a plain soft mask, or none when it is to be left alone.
std::optional<Pending> prepare(QPDFObjectHandle image, QPDFObjectHandle matteMask, bool softMask,
                               int maxPixels)
{
    QPDFObjectHandle dict = image.getDict();
    const int width = integerOf(dict, "/Width");
    const int height = integerOf(dict, "/Height");
    if (width <= 0 || height <= 0 || qint64(width) * height * 4 > largestSamples ||
        isTrue(dict, "/ImageMask") || dict.getKey("/Mask").isArray()) {
        return std::nullopt;
    }
    bool readable = false;
    const std::vector<std::string> filters = filtersOf(dict, readable);
    const bool jpx = filters.size() == 1 && filters[0] == "/JPXDecode";

    Pending pending;
    pending.image = image;
    Job &job = pending.job;
    job.kind = softMask ? Kind::SoftMask : jpx ? Kind::Jpx : Kind::Picture;
    int components = 1;
    int bits = integerOf(dict, "/BitsPerComponent");
    std::optional<Colours> colours;
    if (jpx) {
        // The codestream carries the sizes; a colour space in the dictionary, if
        // any, must be plain, and one from the data is set when there is none.
        QPDFObjectHandle space = dict.getKey("/ColorSpace");
        components = space.isNull() ? 0 : plainComponents(space);
        const int inData = integerOf(dict, "/SMaskInData");
        if ((!space.isNull() && components == 0) || softMask || inData == 2) {
            return std::nullopt;
        }
        job.jpxAlpha = inData == 1 && !dict.getKey("/SMask").isStream();
        bits = 8;
    } else if (softMask) {
        if (!dict.getKey("/ColorSpace").isNull() &&
            !dict.getKey("/ColorSpace").isNameAndEquals("/DeviceGray")) {
            return std::nullopt;
        }
        if (!isPlainDecode(dict.getKey("/Decode"), 1) || dict.hasKey("/Matte") ||
            !validBits(bits)) {
            return std::nullopt;
        }
    } else {
        colours = coloursOf(dict.getKey("/ColorSpace"));
        if (!colours || !validBits(bits)) {
            return std::nullopt;
        }
        components = colours->components;
        const bool bilevel =
            colours->palette.isEmpty() ? components == 1 && bits == 1 : colours->highest <= 1;
        if (bilevel) {
            return std::nullopt;
        }
    }

    std::optional<Source> source = sourceOf(image, width, height, std::max(components, 1), bits);
    if (!source || (source->codec == Codec::Jpeg && colours && !colours->palette.isEmpty())) {
        return std::nullopt;
    }
    if (colours && !colours->palette.isEmpty()) {
        if (bits == 16) {
            return std::nullopt;
        }
        source->palette = colours->palette;
        source->baseComponents = colours->baseComponents;
        source->highest = colours->highest;
        pending.baseSpace = colours->base;
        QPDFObjectHandle decode = dict.getKey("/Decode");
        if (decode.isArray() && decode.getArrayNItems() == 2 && decode.getArrayItem(0).isNumber() &&
            decode.getArrayItem(1).isNumber()) {
            source->indexDecode = std::pair(decode.getArrayItem(0).getNumericValue(),
                                            decode.getArrayItem(1).getNumericValue());
        } else if (!decode.isNull()) {
            return std::nullopt;
        }
    }
    if (jpx) {
        source->components = components; // 0: whatever the data holds
    }
    job.image = std::move(*source);
    job.storedSize = job.image.data.size();

    if (matteMask.isStream()) {
        // The colours were blended with the matte by the mask's opacity; they are
        // divided out at full size, before either is scaled.
        QPDFObjectHandle maskDict = matteMask.getDict();
        QPDFObjectHandle matte = maskDict.getKey("/Matte");
        const int maskBits = integerOf(maskDict, "/BitsPerComponent");
        if (jpx || !colours || !colours->palette.isEmpty() ||
            !isPlainDecode(dict.getKey("/Decode"), components) || !matte.isArray() ||
            matte.getArrayNItems() != components || integerOf(maskDict, "/Width") != width ||
            integerOf(maskDict, "/Height") != height || !validBits(maskBits) ||
            !isPlainDecode(maskDict.getKey("/Decode"), 1)) {
            return std::nullopt;
        }
        for (int i = 0; i < components; ++i) {
            QPDFObjectHandle value = matte.getArrayItem(i);
            if (!value.isNumber()) {
                return std::nullopt;
            }
            job.matte[size_t(i)] = value.getNumericValue();
        }
        job.matteMask = sourceOf(matteMask, width, height, 1, maskBits);
        if (!job.matteMask) {
            return std::nullopt;
        }
        pending.mask = matteMask;
        job.storedSize += job.matteMask->data.size();
    }

    const int outComponents = jpx                                      ? 4
                              : colours && !colours->palette.isEmpty() ? colours->baseComponents
                                                                       : std::max(components, 1);
    const QSize target = targetSize(width, height, maxPixels);
    const bool whole = job.matteMask.has_value() || softMask;
    job.cost = costOf(job.image, outComponents, target, whole) +
               (job.matteMask ? costOf(*job.matteMask, 1, target, true) : 0);
    return pending;
}

// ---- Pool side

// The source's samples, a JPEG's already shrunk to `target` (when smaller than
// the source); others at their own size.
Pixels samplesOf(const Source &source, QSize target)
{
    Pixels pixels;
    if (source.codec == Codec::Jpeg) {
        pixels = PictureCodecs::decodeJpeg(source.data, source.width, source.height, target.width(),
                                           target.height());
        if (pixels.components != source.components) {
            return {}; // e.g. CMYK data under an RGB colour space: not ours to touch
        }
        return pixels;
    }
    QByteArray packed;
    const qsizetype needed = qsizetype(source.packedBytes());
    if (source.codec == Codec::Flate || source.codec == Codec::FlatePng) {
        const qsizetype rows = source.codec == Codec::FlatePng ? source.height : 0;
        const std::optional<QByteArray> inflated =
            PictureCodecs::inflate(source.data, needed + rows);
        if (!inflated) {
            return {};
        }
        packed = *inflated;
        if (source.codec == Codec::FlatePng) {
            const std::optional<QByteArray> plain =
                PictureCodecs::unpredictPng(packed, source.width, source.components, source.bits);
            if (!plain) {
                return {};
            }
            packed = *plain;
        }
    } else {
        packed = source.data;
    }
    const bool indexed = !source.palette.isEmpty();
    pixels = PictureCodecs::unpack(packed, source.width, source.height, source.components,
                                   source.bits, !indexed);
    if (pixels.isNull() || !indexed) {
        return pixels;
    }

    // The palette's colours in place of the indices.
    const int n = source.baseComponents;
    Pixels colours{pixels.width, pixels.height, n,
                   QByteArray(qsizetype(pixels.width) * pixels.height * n, Qt::Uninitialized)};
    const auto *indices = reinterpret_cast<const uchar *>(pixels.samples.constData());
    auto *out = reinterpret_cast<uchar *>(colours.samples.data());
    const auto *palette = reinterpret_cast<const uchar *>(source.palette.constData());
    const double top = double((1 << source.bits) - 1);
    const qsizetype area = qsizetype(pixels.width) * pixels.height;
    for (qsizetype p = 0; p < area; ++p) {
        int index = indices[p];
        if (source.indexDecode) {
            const auto [low, high] = *source.indexDecode;
            index = int(std::lround(low + index * (high - low) / top));
        }
        index = std::clamp(index, 0, source.highest);
        std::memcpy(out + p * n, palette + qsizetype(index) * n, size_t(n));
    }
    return colours;
}

// Colours blended towards the matte by the mask's opacity, blended back.
void unblend(Pixels &pixels, const Pixels &mask, const std::array<double, 4> &matte)
{
    auto *samples = reinterpret_cast<uchar *>(pixels.samples.data());
    const auto *alpha = reinterpret_cast<const uchar *>(mask.samples.constData());
    const qsizetype area = qsizetype(pixels.width) * pixels.height;
    const int n = pixels.components;
    for (qsizetype p = 0; p < area; ++p) {
        if (alpha[p] == 0 || alpha[p] == 255) {
            continue;
        }
        const double a = alpha[p] / 255.0;
        for (int c = 0; c < n; ++c) {
            const double m = matte[size_t(c)];
            const double value = m + (samples[p * n + c] / 255.0 - m) / a;
            samples[p * n + c] = uchar(std::clamp(std::lround(value * 255.0), 0L, 255L));
        }
    }
}

void work(Job &job, const CompressionStep &step)
{
    const Source &image = job.image;
    const QSize target = targetSize(image.width, image.height, step.maxPixels);
    const bool shrink = target != QSize(image.width, image.height);
    // JPEG 2000 is read at the coarsest resolution level that still covers the target.
    const int minLongSide = shrink ? std::max(target.width(), target.height()) : 0;

    if (job.kind == Kind::SoftMask) {
        // Opacity edges stay crisp: grey pixels, deflated, only ever made smaller.
        if (!shrink) {
            return;
        }
        const Pixels mask =
            PictureCodecs::scaledDown(samplesOf(image, target), target.width(), target.height());
        if (mask.isNull()) {
            return;
        }
        const QByteArray deflated = PictureCodecs::deflate(mask.samples);
        if (deflated.isEmpty() || deflated.size() >= job.storedSize) {
            return;
        }
        job.encoded = deflated;
        job.newWidth = mask.width;
        job.newHeight = mask.height;
        job.newComponents = 1;
        return;
    }

    Pixels pixels;
    Pixels alpha;
    if (job.kind == Kind::Jpx) {
        std::optional<PictureCodecs::Jpx> decoded =
            PictureCodecs::decodeJpx(image.data, image.width, image.height, minLongSide);
        if (!decoded || (image.components != 0 && decoded->colour.components != image.components)) {
            return;
        }
        pixels = std::move(decoded->colour);
        if (job.jpxAlpha && !decoded->alpha.isEmpty()) {
            alpha = Pixels{pixels.width, pixels.height, 1, decoded->alpha};
        }
        job.iccProfile = decoded->iccProfile;
    } else {
        // Unblending needs colours and opacity pixel for pixel, at full size.
        const QSize whole(image.width, image.height);
        pixels = samplesOf(image, job.matteMask ? whole : target);
        if (!pixels.isNull() && job.matteMask) {
            alpha = samplesOf(*job.matteMask, whole);
            if (alpha.width != pixels.width || alpha.height != pixels.height) {
                return;
            }
            unblend(pixels, alpha, job.matte);
        }
    }
    if (pixels.isNull()) {
        return;
    }
    pixels = PictureCodecs::scaledDown(pixels, target.width(), target.height());
    const QByteArray jpeg =
        PictureCodecs::encodeJpeg(pixels, int(std::lround(step.jpegQuality * 100)));
    if (jpeg.isEmpty()) {
        return;
    }
    QByteArray mask;
    if (!alpha.isNull()) {
        alpha = PictureCodecs::scaledDown(alpha, target.width(), target.height());
        mask = PictureCodecs::deflate(alpha.samples);
        if (mask.isEmpty()) {
            return;
        }
    }
    if (jpeg.size() + mask.size() >= job.storedSize) {
        return; // never larger than it was
    }
    job.encoded = jpeg;
    job.newMask = mask;
    job.newWidth = pixels.width;
    job.newHeight = pixels.height;
    job.newComponents = pixels.components;
}

// ---- Back on the job's own thread

QPDFObjectHandle greyMask(QPDF &pdf, const QByteArray &deflated, int width, int height)
{
    QPDFObjectHandle mask = QPDFObjectHandle::newStream(&pdf);
    QPDFObjectHandle dict = QPDFObjectHandle::newDictionary();
    dict.replaceKey("/Type", QPDFObjectHandle::newName("/XObject"));
    dict.replaceKey("/Subtype", QPDFObjectHandle::newName("/Image"));
    dict.replaceKey("/Width", QPDFObjectHandle::newInteger(width));
    dict.replaceKey("/Height", QPDFObjectHandle::newInteger(height));
    dict.replaceKey("/ColorSpace", QPDFObjectHandle::newName("/DeviceGray"));
    dict.replaceKey("/BitsPerComponent", QPDFObjectHandle::newInteger(8));
    mask.replaceDict(dict);
    mask.replaceStreamData(deflated.toStdString(), QPDFObjectHandle::newName("/FlateDecode"),
                           QPDFObjectHandle::newNull());
    return mask;
}

void setPixels(QPDFObjectHandle stream, const QByteArray &data, const char *filter, int width,
               int height)
{
    stream.replaceStreamData(data.toStdString(), QPDFObjectHandle::newName(filter),
                             QPDFObjectHandle::newNull());
    QPDFObjectHandle dict = stream.getDict();
    dict.replaceKey("/Width", QPDFObjectHandle::newInteger(width));
    dict.replaceKey("/Height", QPDFObjectHandle::newInteger(height));
    dict.replaceKey("/BitsPerComponent", QPDFObjectHandle::newInteger(8));
    dict.removeKey("/DecodeParms");
}

bool writeBack(Pending &pending)
{
    const Job &job = pending.job;
    if (job.encoded.isEmpty()) {
        return false;
    }
    QPDFObjectHandle dict = pending.image.getDict();
    if (job.kind == Kind::SoftMask) {
        setPixels(pending.image, job.encoded, "/FlateDecode", job.newWidth, job.newHeight);
        dict.removeKey("/Decode");
        return true;
    }
    setPixels(pending.image, job.encoded, "/DCTDecode", job.newWidth, job.newHeight);
    if (pending.baseSpace.isInitialized() && !pending.baseSpace.isNull()) {
        dict.replaceKey("/ColorSpace", pending.baseSpace);
        dict.removeKey("/Decode");
    }
    QPDF &pdf = pending.image.getQPDF();
    if (job.kind == Kind::Jpx) {
        dict.removeKey("/Decode"); // ignored for JPEG 2000, wrong for the JPEG
        dict.removeKey("/SMaskInData");
        if (dict.getKey("/ColorSpace").isNull()) {
            if (!job.iccProfile.isEmpty()) {
                QPDFObjectHandle profile =
                    QPDFObjectHandle::newStream(&pdf, job.iccProfile.toStdString());
                profile.getDict().replaceKey("/N", QPDFObjectHandle::newInteger(job.newComponents));
                QPDFObjectHandle space = QPDFObjectHandle::newArray();
                space.appendItem(QPDFObjectHandle::newName("/ICCBased"));
                space.appendItem(profile);
                dict.replaceKey("/ColorSpace", space);
            } else {
                dict.replaceKey("/ColorSpace", QPDFObjectHandle::newName(
                                                   job.newComponents == 1   ? "/DeviceGray"
                                                   : job.newComponents == 3 ? "/DeviceRGB"
                                                                            : "/DeviceCMYK"));
            }
        }
        if (!job.newMask.isEmpty()) {
            dict.replaceKey("/SMask", greyMask(pdf, job.newMask, job.newWidth, job.newHeight));
        }
    }
    if (pending.mask.isStream() && !job.newMask.isEmpty()) {
        setPixels(pending.mask, job.newMask, "/FlateDecode", job.newWidth, job.newHeight);
        pending.mask.getDict().removeKey("/Matte"); // the colours are plain now
        pending.mask.getDict().removeKey("/Decode");
    }
    return true;
}

// ---- Finding the images

void collect(QPDFObjectHandle resources, std::set<QPDFObjGen> &forms, std::set<QPDFObjGen> &seen,
             std::vector<QPDFObjectHandle> &images)
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
                images.push_back(object);
            }
        } else if (subtype.isNameAndEquals("/Form")) {
            if (forms.insert(object.getObjGen()).second) {
                collect(object.getDict().getKey("/Resources"), forms, seen, images);
            }
        }
    }
}

// Runs jobs on the global pool while their decoded bytes fit the budget, and
// writes finished ones back on the calling thread.
class Runner
{
public:
    Runner(const CompressionStep &step, const CancelToken &cancel)
        : m_step(step)
        , m_cancel(cancel)
        , m_threads(std::max(QThreadPool::globalInstance()->maxThreadCount(), 1))
    {}
    // Never leaves a job running on the pool, also when the caller unwinds.
    ~Runner()
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_running == 0; });
    }

    void run(std::unique_ptr<Pending> pending)
    {
        const qint64 cost = pending->job.cost;
        std::unique_lock lock(m_mutex);
        for (;;) {
            writeBackFinished(lock);
            // As many pictures as there are threads, while their bytes fit the budget.
            if (m_running == 0 || (m_running < m_threads && m_held + cost <= budgetBytes())) {
                break;
            }
            m_changed.wait(lock, [this] { return !m_finished.empty(); });
        }
        m_held += cost;
        ++m_running;
        Pending *job = pending.release();
        lock.unlock();
        QThreadPool::globalInstance()->start([this, job, cost] {
            if (!m_cancel.isCanceled()) {
                work(job->job, m_step);
            }
            // The pixels are gone; only the small encoded streams remain.
            job->job.image.data.clear();
            job->job.matteMask.reset();
            std::lock_guard guard(m_mutex);
            m_finished.emplace_back(job);
            m_held -= cost;
            --m_running;
            m_changed.notify_all();
        });
    }

    void finishAll()
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_running == 0; });
        writeBackFinished(lock);
    }

    int replaced = 0;

private:
    void writeBackFinished(std::unique_lock<std::mutex> &lock)
    {
        while (!m_finished.empty()) {
            std::unique_ptr<Pending> done = std::move(m_finished.back());
            m_finished.pop_back();
            lock.unlock();
            if (writeBack(*done)) {
                ++replaced;
            }
            done.reset();
            lock.lock();
        }
    }

    const CompressionStep m_step;
    const CancelToken m_cancel;
    const int m_threads;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<std::unique_ptr<Pending>> m_finished;
    qint64 m_held = 0;
    int m_running = 0;
};

} // namespace

Report compressImages(const std::vector<QPDFObjectHandle> &pages, const CompressionStep &step,
                      const CancelToken &cancel)
{
    // Decoded pictures are large, short-lived and made on many threads. With
    // glibc's moving threshold, a freed one raises the size that is mapped
    // afresh, and later ones of that size stay in their thread's arena once
    // freed: the process would keep a picture per thread for good. A fixed
    // threshold hands every large block back when it is freed.
    static std::once_flag fixedThreshold;
    std::call_once(fixedThreshold, [] { mallopt(M_MMAP_THRESHOLD, 256 * 1024); });

    Report report;
    std::set<QPDFObjGen> forms;
    std::set<QPDFObjGen> seen;
    std::vector<QPDFObjectHandle> images;
    for (const QPDFObjectHandle &page : pages) {
        collect(QPDFObjectHandle(page).getKey("/Resources"), forms, seen, images);
    }

    // Soft masks: a plain one is made smaller on its own; one with a matte goes
    // with its image, unless several images share it.
    std::map<QPDFObjGen, int> maskUsers;
    for (QPDFObjectHandle &image : images) {
        QPDFObjectHandle mask = image.getDict().getKey("/SMask");
        if (mask.isStream()) {
            ++maskUsers[mask.getObjGen()];
        }
    }
    std::set<QPDFObjGen> masksSeen;
    struct Work
    {
        QPDFObjectHandle image;
        QPDFObjectHandle matteMask;
        bool softMask = false;
    };
    std::vector<Work> todo;
    for (QPDFObjectHandle &image : images) {
        QPDFObjectHandle mask = image.getDict().getKey("/SMask");
        if (!mask.isStream()) {
            todo.push_back({image, {}, false});
        } else if (mask.getDict().hasKey("/Matte")) {
            if (maskUsers[mask.getObjGen()] == 1) {
                todo.push_back({image, mask, false});
            }
        } else {
            todo.push_back({image, {}, false});
            if (masksSeen.insert(mask.getObjGen()).second && !seen.count(mask.getObjGen())) {
                todo.push_back({mask, {}, true});
            }
        }
    }
    report.examined = int(images.size());

    {
        Runner runner(step, cancel);
        for (const Work &item : todo) {
            if (cancel.isCanceled()) {
                break;
            }
            std::optional<Pending> pending =
                prepare(item.image, item.matteMask, item.softMask, step.maxPixels);
            if (pending) {
                runner.run(std::make_unique<Pending>(std::move(*pending)));
            }
        }
        runner.finishAll();
        report.replaced = runner.replaced;
    }
    report.canceled = cancel.isCanceled();
    return report;
}

} // namespace ImageCompression
