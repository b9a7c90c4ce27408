#include "codes/CodeReader.h"

#include "codes/DetectorProcess.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace CodeReader {

namespace {

using CodeDetector::Grey;
using CodeDetector::RawCode;

// An 8-bit grey picture on white, no larger than maximumSide.
Grey greyscale(const QImage &image)
{
    QImage source = image;
    if (std::max(source.width(), source.height()) > maximumSide) {
        source = source.scaled(maximumSide, maximumSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
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
        std::memcpy(grey.pixels.data() + size_t(y) * size_t(grey.width), source.constScanLine(y), size_t(grey.width));
    }
    return grey;
}

QList<Detection> detections(const std::vector<RawCode> &codes, const Grey &grey)
{
    QList<Detection> out;
    const double w = grey.width;
    const double h = grey.height;
    for (const RawCode &code : codes) {
        const double left = *std::min_element(code.x, code.x + 4), right = *std::max_element(code.x, code.x + 4);
        const double top = *std::min_element(code.y, code.y + 4), bottom = *std::max_element(code.y, code.y + 4);
        Detection d;
        d.payload = QString::fromStdString(code.text);
        d.symbology = Symbology::fromDetector(QString::fromStdString(CodeDetector::formatName(code.format)),
                                              d.payload);
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

QList<Reading> codes(const QImage &image)
{
    if (image.isNull() || image.width() <= 0 || image.height() <= 0) {
        return {};
    }
    Grey grey = greyscale(image);
    if (grey.pixels.empty()) {
        return {};
    }
    QList<Detection> found = detections(DetectorProcess::detect(grey), grey);
    if (found.isEmpty()) {
        for (uint8_t &pixel : grey.pixels) {
            pixel = uint8_t(255 - pixel);
        }
        found = detections(DetectorProcess::detect(grey), grey);
    }
    sortIntoReadingOrder(found);
    return distinctReadings(found);
}

} // namespace CodeReader
