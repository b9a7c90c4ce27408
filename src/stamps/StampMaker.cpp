#include "stamps/StampMaker.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageWriter>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

QString StampMaker::message(StampError error)
{
    switch (error) {
    case StampError::Unreadable:
        return QCoreApplication::translate("StampMaker", "This image can't be read.");
    case StampError::NoInk:
        return QCoreApplication::translate(
            "StampMaker", "No signature or stamp found. Try a photo of it on white paper.");
    }
    return {};
}

StampMaker &StampMaker::shared()
{
    static StampMaker maker;
    return maker;
}

StampMaker::StampMaker()
    : m_pool(std::make_unique<QThreadPool>())
{
    m_pool->setMaxThreadCount(1);
}

StampMaker::~StampMaker()
{
    m_pool->waitForDone();
}

QFuture<Result<StampMaker::Stamp>> StampMaker::makeStamp(QImage picture, CancelToken cancel)
{
    return QtConcurrent::run(
        m_pool.get(), [picture = std::move(picture), cancel]() { return run(picture, cancel); });
}

namespace {

// One channel of a picture, row after row.
using Plane = std::vector<uint8_t>;

// out[x] = max(in[x - half .. x + half]); places outside the row count as 0, so
// they never win. Van Herk / Gil-Werman: three comparisons per place whatever
// the window.
void slidingMax(const uint8_t *in, int n, int half, uint8_t *out, std::vector<uint8_t> &g,
                std::vector<uint8_t> &h)
{
    if (half <= 0) {
        std::copy(in, in + n, out);
        return;
    }
    const size_t length = size_t(n);
    const size_t margin = size_t(half);
    const size_t window = 2 * margin + 1;
    const size_t padded = ((length + 2 * margin + window - 1) / window) * window;
    g.assign(padded, 0);
    std::copy(in, in + length, g.begin() + std::ptrdiff_t(margin));
    h = g;
    for (size_t start = 0; start < padded; start += window) {
        for (size_t i = start + 1; i < start + window; ++i) {
            g[i] = std::max(g[i], g[i - 1]);
        }
        for (size_t i = start + window - 1; i-- > start;) {
            h[i] = std::max(h[i], h[i + 1]);
        }
    }
    for (size_t x = 0; x < length; ++x) {
        out[x] = std::max(h[x], g[x + window - 1]);
    }
}

// Maximum over a disc of `radius` around every place; outside places count as 0.
Plane discMax(const Plane &in, int w, int h, double radius)
{
    const int reach = int(std::floor(radius));
    // The half-width of the disc's row at dy, for dy from -reach to reach.
    std::vector<int> halfWidth;
    std::vector<int> widths;
    for (int dy = -reach; dy <= reach; ++dy) {
        const int half = int(std::floor(std::sqrt(radius * radius - double(dy) * dy)));
        halfWidth.push_back(half);
        if (std::find(widths.begin(), widths.end(), half) == widths.end()) {
            widths.push_back(half);
        }
    }
    // One horizontal maximum per distinct half-width, then the disc is the
    // maximum over its rows.
    std::vector<Plane> rows(widths.size(), Plane(in.size()));
    std::vector<uint8_t> g, hh;
    for (size_t k = 0; k < widths.size(); ++k) {
        for (int y = 0; y < h; ++y) {
            slidingMax(in.data() + size_t(y) * w, w, widths[k], rows[k].data() + size_t(y) * w, g,
                       hh);
        }
    }
    Plane out(in.size(), 0);
    for (size_t row = 0; row < halfWidth.size(); ++row) {
        const int dy = int(row) - reach;
        const size_t k =
            size_t(std::find(widths.begin(), widths.end(), halfWidth[row]) - widths.begin());
        const Plane &source = rows[k];
        for (int y = std::max(0, -dy); y < std::min(h, h - dy); ++y) {
            const uint8_t *from = source.data() + size_t(y + dy) * w;
            uint8_t *to = out.data() + size_t(y) * w;
            for (int x = 0; x < w; ++x) {
                to[x] = std::max(to[x], from[x]);
            }
        }
    }
    return out;
}

// Separable Gaussian of standard deviation `sigma`, edges extended outwards.
std::vector<float> gaussianBlur(const Plane &in, int w, int h, double sigma)
{
    const int reach = std::max(1, int(std::ceil(3 * sigma)));
    // The weights of the offsets -reach to reach.
    std::vector<float> kernel;
    float sum = 0;
    for (int i = -reach; i <= reach; ++i) {
        const float v = float(std::exp(-double(i) * i / (2 * sigma * sigma)));
        kernel.push_back(v);
        sum += v;
    }
    for (float &v : kernel) {
        v /= sum;
    }
    std::vector<float> across(in.size());
    // The row with `reach` places added at either end, copies of its end places.
    std::vector<float> padded(size_t(w) + 2 * size_t(reach));
    for (int y = 0; y < h; ++y) {
        const uint8_t *row = in.data() + size_t(y) * w;
        for (size_t p = 0; p < padded.size(); ++p) {
            padded[p] = row[std::clamp(int(p) - reach, 0, w - 1)];
        }
        float *to = across.data() + size_t(y) * w;
        for (int x = 0; x < w; ++x) {
            const float *from = padded.data() + x;
            float acc = 0;
            for (size_t i = 0; i < kernel.size(); ++i) {
                acc += kernel[i] * from[i];
            }
            to[x] = acc;
        }
    }
    std::vector<float> out(in.size(), 0.0f);
    for (int y = 0; y < h; ++y) {
        float *to = out.data() + size_t(y) * w;
        for (size_t k = 0; k < kernel.size(); ++k) {
            const float weight = kernel[k];
            const int i = int(k) - reach;
            const float *from = across.data() + size_t(std::clamp(y + i, 0, h - 1)) * w;
            for (int x = 0; x < w; ++x) {
                to[x] += weight * from[x];
            }
        }
    }
    return out;
}

} // namespace

QImage StampMaker::bitmap(const QImage &picture)
{
    if (picture.isNull()) {
        return {};
    }
    // Opaque pictures are the same bytes premultiplied or not; Qt converts them
    // much faster to the plain format.
    QImage out = picture.hasAlphaChannel()
                     ? picture.convertToFormat(QImage::Format_RGBA8888_Premultiplied)
                     : picture.convertToFormat(QImage::Format_RGBA8888);
    if (!picture.hasAlphaChannel() && !out.isNull()) {
        out.reinterpretAsFormat(QImage::Format_RGBA8888_Premultiplied);
    }
    if (out.isNull() || out.bytesPerLine() != 4 * qsizetype(out.width())) {
        return {};
    }
    return out;
}

bool StampMaker::hasTransparency(const QImage &bitmap)
{
    const qint64 pixels = qint64(bitmap.width()) * bitmap.height();
    if (pixels < 1) {
        return false;
    }
    const uchar *bytes = bitmap.constBits();
    qint64 clear = 0;
    for (qint64 i = 0; i < pixels; ++i) {
        if (bytes[i * 4 + 3] < 200) {
            ++clear;
        }
    }
    return double(clear) / double(pixels) > 0.02;
}

void StampMaker::flattenOnWhite(QImage &bitmap)
{
    const qint64 pixels = qint64(bitmap.width()) * bitmap.height();
    uchar *bytes = bitmap.bits();
    for (qint64 i = 0; i < pixels; ++i) {
        uchar *p = bytes + i * 4;
        const int cover = 255 - p[3];
        if (cover == 0) {
            continue;
        }
        // Premultiplied: white behind adds what the pixel does not cover.
        p[0] = uchar(std::min(255, p[0] + cover));
        p[1] = uchar(std::min(255, p[1] + cover));
        p[2] = uchar(std::min(255, p[2] + cover));
        p[3] = 255;
    }
}

QImage StampMaker::paper(const QImage &bitmap)
{
    const int w = bitmap.width();
    const int h = bitmap.height();
    if (w < 1 || h < 1) {
        return {};
    }
    const double radius = std::max(std::max(w, h) / 120.0, 3.0);
    // The estimate is smooth by design (blurred over twice the radius), so it is
    // made on a grid reduced until the disc's radius is about three places. Each
    // reduced place keeps the brightest of its block, so thin ink still vanishes.
    const int step = std::max(1, int(radius / 3));
    const int sw = (w + step - 1) / step;
    const int sh = (h + step - 1) / step;
    const double smallRadius = radius / step;

    const uchar *bytes = bitmap.constBits();
    std::vector<int> cellOf(static_cast<size_t>(w));
    for (int x = 0; x < w; ++x) {
        cellOf[size_t(x)] = x / step;
    }
    std::vector<float> blurred[3];
    for (int c = 0; c < 3; ++c) {
        Plane pooled(size_t(sw) * sh, 0);
        for (int y = 0; y < h; ++y) {
            const uchar *row = bytes + size_t(y) * w * 4 + c;
            uint8_t *to = pooled.data() + size_t(y / step) * sw;
            for (int x = 0; x < w; ++x) {
                uint8_t &cell = to[cellOf[size_t(x)]];
                cell = std::max(cell, uint8_t(row[size_t(x) * 4]));
            }
        }
        blurred[c] = gaussianBlur(discMax(pooled, sw, sh, smallRadius), sw, sh, 2 * smallRadius);
    }

    QImage out(w, h, QImage::Format_RGBA8888);
    if (out.isNull()) {
        return {};
    }
    // Bilinear back to full size, between the centres of the reduced places.
    std::vector<int> x0(static_cast<size_t>(w));
    std::vector<int> x1(static_cast<size_t>(w));
    std::vector<float> fx(static_cast<size_t>(w));
    for (int x = 0; x < w; ++x) {
        const float sx = std::clamp((x + 0.5f) / step - 0.5f, 0.0f, float(sw - 1));
        x0[size_t(x)] = int(sx);
        x1[size_t(x)] = std::min(x0[size_t(x)] + 1, sw - 1);
        fx[size_t(x)] = sx - float(x0[size_t(x)]);
    }
    for (int y = 0; y < h; ++y) {
        const float sy = std::clamp((y + 0.5f) / step - 0.5f, 0.0f, float(sh - 1));
        const int y0 = int(sy);
        const int y1 = std::min(y0 + 1, sh - 1);
        const float fy = sy - float(y0);
        uchar *to = out.scanLine(y);
        for (int c = 0; c < 3; ++c) {
            const float *r0 = blurred[c].data() + size_t(y0) * sw;
            const float *r1 = blurred[c].data() + size_t(y1) * sw;
            for (int x = 0; x < w; ++x) {
                const size_t a = size_t(x0[size_t(x)]);
                const size_t b = size_t(x1[size_t(x)]);
                const float f = fx[size_t(x)];
                const float top = r0[a] + (r0[b] - r0[a]) * f;
                const float bottom = r1[a] + (r1[b] - r1[a]) * f;
                to[size_t(x) * 4 + c] =
                    uchar(std::clamp(top + (bottom - top) * fy + 0.5f, 0.0f, 255.0f));
            }
        }
        for (int x = 0; x < w; ++x) {
            to[size_t(x) * 4 + 3] = 255;
        }
    }
    return out;
}

void StampMaker::liftInk(QImage &bitmap, const QImage &paper, float low, float high)
{
    Q_ASSERT(bitmap.size() == paper.size());
    const qint64 pixels = qint64(bitmap.width()) * bitmap.height();
    uchar *p = bitmap.bits();
    const uchar *q = paper.constBits();
    const float span = high - low;
    for (qint64 i = 0; i < pixels; ++i, p += 4, q += 4) {
        float ratio[3];
        for (int c = 0; c < 3; ++c) {
            ratio[c] = std::min(float(p[c]) / std::max(float(q[c]), 40.0f), 1.0f);
        }
        const float m = std::min({ratio[0], ratio[1], ratio[2]});
        const float t = std::clamp((1.0f - m - low) / span, 0.0f, 1.0f);
        const float a = t * t * (3.0f - 2.0f * t);
        if (a < 0.02f) {
            p[0] = p[1] = p[2] = p[3] = 0;
            continue;
        }
        for (int c = 0; c < 3; ++c) {
            const float ink = std::max(1.0f - (1.0f - ratio[c]) / a, 0.0f);
            p[c] = uchar(a * ink * 255.0f);
        }
        p[3] = uchar(a * 255.0f);
    }
}

Result<StampMaker::Stamp> StampMaker::finish(const QImage &bitmap)
{
    const int w = bitmap.width();
    const int h = bitmap.height();
    std::vector<int> rowInk(size_t(std::max(h, 0)), 0);
    std::vector<int> columnInk(size_t(std::max(w, 0)), 0);
    for (int y = 0; y < h; ++y) {
        const uchar *row = bitmap.constScanLine(y);
        for (int x = 0; x < w; ++x) {
            if (row[size_t(x) * 4 + 3] >= 26) {
                ++rowInk[size_t(y)];
                ++columnInk[size_t(x)];
            }
        }
    }
    const auto firstLast = [](const std::vector<int> &counts) -> std::pair<int, int> {
        int first = -1;
        int last = -1;
        for (int i = 0; i < int(counts.size()); ++i) {
            if (counts[size_t(i)] >= 3) {
                if (first < 0) {
                    first = i;
                }
                last = i;
            }
        }
        return {first, last};
    };
    const auto [top, bottom] = firstLast(rowInk);
    const auto [left, right] = firstLast(columnInk);
    if (top < 0 || left < 0 || right - left < 8 || bottom - top < 8) {
        return error(StampError::NoInk);
    }
    const int side = std::max(right - left, bottom - top);
    const int margin = side >= 160 ? side / 40 : 4;
    const QRect box = QRect(left, top, right - left + 1, bottom - top + 1)
                          .adjusted(-margin, -margin, margin, margin)
                          .intersected(QRect(0, 0, w, h));
    const QImage cropped = bitmap.copy(box);
    if (cropped.isNull()) {
        return error(StampError::Unreadable);
    }
    const double scale =
        std::min(double(stampLongSide) / std::max(cropped.width(), cropped.height()), 1.0);
    const int outWidth = std::max(int(std::lround(scale * cropped.width())), 1);
    const int outHeight = std::max(int(std::lround(scale * cropped.height())), 1);
    const QImage scaled =
        outWidth == cropped.width() && outHeight == cropped.height()
            ? cropped
            : cropped.scaled(outWidth, outHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (scaled.isNull()) {
        return error(StampError::Unreadable);
    }
    Stamp stamp;
    QBuffer buffer(&stamp.png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(scaled)) {
        return error(StampError::Unreadable);
    }
    stamp.pixelWidth = scaled.width();
    stamp.pixelHeight = scaled.height();
    return stamp;
}

Result<StampMaker::Stamp> StampMaker::run(const QImage &picture, const CancelToken &cancel)
{
    QImage working = bitmap(std::max(picture.width(), picture.height()) > decodeLongSide
                                ? picture.scaled(QSize(decodeLongSide, decodeLongSide),
                                                 Qt::KeepAspectRatio, Qt::SmoothTransformation)
                                : picture);
    if (working.isNull()) {
        return error(StampError::Unreadable);
    }
    if (cancel.isCanceled()) {
        return Result<Stamp>::canceled();
    }
    if (!hasTransparency(working)) {
        // A few clear pixels (rounded corners of a screenshot) would otherwise read
        // as black ink, so the picture is judged as it looks: on white.
        flattenOnWhite(working);
        const QImage paperBitmap = paper(working);
        if (paperBitmap.isNull()) {
            return error(StampError::Unreadable);
        }
        if (cancel.isCanceled()) {
            return Result<Stamp>::canceled();
        }
        liftInk(working, paperBitmap);
    }
    return finish(working);
}
