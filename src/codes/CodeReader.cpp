#include "codes/CodeReader.h"

#include "codes/DetectorProcess.h"

#include <QPainter>
#include <QScopeGuard>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace CodeReader {

namespace {

using CodeDetector::Grey;
using CodeDetector::RawCode;

// An 8-bit grey picture on white, no larger than `bound` on its longer side.
Grey greyscale(const QImage &image, int bound = maximumSide)
{
    QImage source = image;
    if (std::max(source.width(), source.height()) > bound) {
        source = source.scaled(bound, bound, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    if (source.hasAlphaChannel()) {
        // Transparent pixels are usually the paper of a code drawn on nothing.
        QImage flat(source.size(), QImage::Format_RGB32);
        flat.fill(Qt::white);
        QPainter painter(&flat);
        painter.drawImage(0, 0, source);
        painter.end();
        source = flat;
    }
    source = source.convertToFormat(QImage::Format_Grayscale8);
    Grey grey;
    if (source.isNull()) {
        return grey;
    }
    grey.width = source.width();
    grey.height = source.height();
    grey.pixels.resize(size_t(grey.width) * size_t(grey.height));
    for (int y = 0; y < grey.height; ++y) {
        std::memcpy(grey.pixels.data() + size_t(y) * size_t(grey.width), source.constScanLine(y),
                    size_t(grey.width));
    }
    return grey;
}

// Where a pass's pixels lie on the picture that was handed in, for the
// positions the reading order is judged by.
struct Mapping
{
    int width = 0; // of the picture handed in
    int height = 0;
    double scale = 1;    // pass pixels per picture pixel
    bool turned = false; // the pass is the picture turned 45 degrees about its centre
    double passCx = 0, passCy = 0;

    static Mapping identity(int w, int h) { return Mapping{w, h, 1, false, 0, 0}; }
    static Mapping scaled(int w, int h, int passW, int /*passH*/)
    {
        return Mapping{w, h, double(passW) / std::max(w, 1), false, 0, 0};
    }
    static Mapping turned45(int w, int h, int passW, int passH, double scale)
    {
        return Mapping{w, h, scale, true, passW / 2.0, passH / 2.0};
    }

    void operator()(RawCode &code) const
    {
        for (int i = 0; i < 4; ++i) {
            double x = code.x[i], y = code.y[i];
            if (turned) {
                const double dx = x - passCx, dy = y - passCy;
                x = width / 2.0 + (dx + dy) * M_SQRT1_2 / scale;
                y = height / 2.0 + (dy - dx) * M_SQRT1_2 / scale;
            } else {
                x /= scale;
                y /= scale;
            }
            code.x[i] = int(std::lround(x));
            code.y[i] = int(std::lround(y));
        }
    }
};

// Twice the size, smoothly.
Grey enlarged(const Grey &grey)
{
    const QImage view(grey.pixels.data(), grey.width, grey.height, grey.width,
                      QImage::Format_Grayscale8);
    return greyscale(view.scaled(grey.width * 2, grey.height * 2, Qt::IgnoreAspectRatio,
                                 Qt::SmoothTransformation),
                     2 * maximumSide);
}

// The picture turned by 45 degrees on white paper, sampled bilinearly. The
// square that holds it turned is at least twice the picture; an oblong one is
// shrunk a little so that the square stays at twice its pixels.
Grey turned45(const Grey &grey, double &scale)
{
    const double side = (grey.width + grey.height) * M_SQRT1_2;
    scale = std::min(1.0, std::sqrt(2.0 * grey.width * grey.height) / side);
    Grey out;
    out.width = std::max(1, int(side * scale));
    out.height = out.width;
    out.pixels.assign(size_t(out.width) * size_t(out.height), 255);
    const double cx = out.width / 2.0, cy = out.height / 2.0;
    const double sx = grey.width / 2.0, sy = grey.height / 2.0;
    const double k = M_SQRT1_2 / scale;
    for (int y = 0; y < out.height; ++y) {
        uint8_t *row = out.pixels.data() + size_t(y) * size_t(out.width);
        for (int x = 0; x < out.width; ++x) {
            const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
            const double u = sx + (dx + dy) * k - 0.5;
            const double v = sy + (dy - dx) * k - 0.5;
            if (u < 0 || v < 0 || u > grey.width - 1 || v > grey.height - 1) {
                continue;
            }
            const int u0 = int(u), v0 = int(v);
            const int u1 = std::min(u0 + 1, grey.width - 1), v1 = std::min(v0 + 1, grey.height - 1);
            const double fu = u - u0, fv = v - v0;
            auto at = [&grey](int px, int py) {
                return double(grey.pixels[size_t(py) * size_t(grey.width) + size_t(px)]);
            };
            const double top = at(u0, v0) * (1 - fu) + at(u1, v0) * fu;
            const double bottom = at(u0, v1) * (1 - fu) + at(u1, v1) * fu;
            row[x] = uint8_t(std::lround(top * (1 - fv) + bottom * fv));
        }
    }
    return out;
}

// The detector reads at most maximumSide on a side; a larger pass is read in
// tiles that overlap by a quarter of a tile, so a code cut by one edge lies
// whole in the next tile unless it is larger than that quarter, and such a code
// was big enough for the pass at the picture's own size.
std::vector<RawCode> detectTiled(const Grey &grey)
{
    if (grey.width <= maximumSide && grey.height <= maximumSide) {
        return DetectorProcess::detect(grey);
    }
    constexpr int step = maximumSide * 3 / 4;
    auto starts = [](int length) {
        std::vector<int> at;
        for (int from = 0;; from += step) {
            if (from + maximumSide >= length) {
                at.push_back(std::max(0, length - maximumSide));
                break;
            }
            at.push_back(from);
        }
        return at;
    };
    std::vector<RawCode> out;
    for (const int top : starts(grey.height)) {
        for (const int left : starts(grey.width)) {
            Grey tile;
            tile.width = std::min(maximumSide, grey.width - left);
            tile.height = std::min(maximumSide, grey.height - top);
            tile.pixels.resize(size_t(tile.width) * size_t(tile.height));
            for (int y = 0; y < tile.height; ++y) {
                std::memcpy(tile.pixels.data() + size_t(y) * size_t(tile.width),
                            grey.pixels.data() + size_t(top + y) * size_t(grey.width) +
                                size_t(left),
                            size_t(tile.width));
            }
            for (RawCode code : DetectorProcess::detect(tile)) {
                for (int i = 0; i < 4; ++i) {
                    code.x[i] += left;
                    code.y[i] += top;
                }
                out.push_back(std::move(code));
            }
        }
    }
    return out;
}

QList<Detection> detections(const std::vector<RawCode> &codes, int width, int height)
{
    QList<Detection> out;
    const double w = width;
    const double h = height;
    for (const RawCode &code : codes) {
        const double left = *std::min_element(code.x, code.x + 4),
                     right = *std::max_element(code.x, code.x + 4);
        const double top = *std::min_element(code.y, code.y + 4),
                     bottom = *std::max_element(code.y, code.y + 4);
        Detection d;
        d.payload = QString::fromStdString(code.text);
        d.symbology = Symbology::fromDetector(
            QString::fromStdString(CodeDetector::formatName(code.format)), d.payload);
        if (d.symbology == CodeSymbology::Code39) {
            d.payload = Symbology::code39FullASCII(d.payload).value_or(d.payload);
        }
        d.box = QRectF(left / w, top / h, (right - left) / w, (bottom - top) / h);
        out.append(d);
    }
    return out;
}

bool comesBefore(const Detection &a, const Detection &b)
{
    const double ay = a.box.center().y();
    const double by = b.box.center().y();
    if (std::abs(ay - by) > 0.02) {
        return ay < by; // higher on the picture first
    }
    return a.box.center().x() < b.box.center().x();
}

} // namespace

void sortIntoReadingOrder(QList<Detection> &list)
{
    for (qsizetype i = 1; i < list.size(); ++i) {
        Detection moving = list[i];
        qsizetype j = i;
        while (j > 0 && comesBefore(moving, list[j - 1])) {
            list[j] = list[j - 1];
            --j;
        }
        list[j] = moving;
    }
}

QList<Reading> distinctReadings(const QList<Detection> &ordered)
{
    QList<Reading> out;
    QList<QString> seen;
    for (const Detection &d : ordered) {
        if (d.payload.isEmpty()) {
            continue;
        }
        const QString canonical = d.payload.normalized(QString::NormalizationForm_C);
        if (seen.contains(canonical)) {
            continue;
        }
        seen.append(canonical);
        out.append(Reading{d.payload, d.symbology});
    }
    return out;
}

QList<Reading> codes(const QImage &image, Passes passes, Effort *effort)
{
    Effort spent;
    const auto reported = qScopeGuard([&] {
        if (effort) {
            *effort = spent;
        }
    });
    if (image.isNull() || image.width() <= 0 || image.height() <= 0) {
        return {};
    }
    // The picture at the size the first passes read, and for a sharper drawing
    // that drawing itself, read in place of an enlargement.
    Grey grey;
    Grey larger;
    if (passes == Passes::Sharper) {
        larger = greyscale(image, 2 * maximumSide);
        const QImage view(larger.pixels.data(), larger.width, larger.height, larger.width,
                          QImage::Format_Grayscale8);
        grey = greyscale(view.scaled(std::max(1, larger.width / 2), std::max(1, larger.height / 2),
                                     Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    } else {
        grey = greyscale(image);
    }
    if (grey.pixels.empty()) {
        return {};
    }
    // Every pass after the first is paid for out of a budget of pixels read: a
    // picture without any code costs at most four times the two passes it used
    // to get, and the detector's time grows with the pixels it reads.
    const qint64 budget = 8 * qint64(grey.pixels.size());
    if (passes == Passes::Sharper) {
        spent.pixelsRead = 2 * qint64(grey.pixels.size()); // the caller's plain passes
    }
    auto read = [&spent, budget](const Grey &pass, Mapping back) -> QList<Detection> {
        const qint64 cost = qint64(pass.pixels.size());
        if (spent.passes > 0 && spent.pixelsRead + cost > budget) {
            return {};
        }
        spent.pixelsRead += cost;
        ++spent.passes;
        std::vector<RawCode> raw = detectTiled(pass);
        for (RawCode &code : raw) {
            back(code);
        }
        return detections(raw, back.width, back.height);
    };
    const Mapping same = Mapping::identity(grey.width, grey.height);

    QList<Detection> found;
    if (passes != Passes::Sharper) {
        found = read(grey, same);
        if (found.isEmpty()) {
            // Light codes on a dark ground, which the detector doesn't look for itself.
            Grey inverted = grey;
            for (uint8_t &pixel : inverted.pixels) {
                pixel = uint8_t(255 - pixel);
            }
            found = read(inverted, same);
        }
    }
    if (found.isEmpty() && passes != Passes::Plain) {
        // Small codes: twice the size. The detector turns linear codes by 90
        // degrees itself, and matrix codes need no turning.
        if (larger.pixels.empty()) {
            larger = enlarged(grey);
        }
        found = read(larger, Mapping::scaled(grey.width, grey.height, larger.width, larger.height));
    }
    if (found.isEmpty() && passes != Passes::Plain) {
        // Codes set at a slant: linear ones are read only along rows and columns.
        double scale = 1;
        const Grey turned = turned45(grey, scale);
        found = read(
            turned, Mapping::turned45(grey.width, grey.height, turned.width, turned.height, scale));
    }
    sortIntoReadingOrder(found);
    return distinctReadings(found);
}

} // namespace CodeReader
