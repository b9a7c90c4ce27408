#include "aboutviews/QRImage.h"

#include <qrencode.h>

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {
// White modules around the symbol, so a scanner finds its edges even on a dark page.
constexpr int quietZone = 2;
} // namespace

namespace QRImage {

QImage image(const QString &text, qreal size)
{
    const QByteArray bytes = text.toUtf8();
    if (bytes.isEmpty() || size <= 0) {
        return {};
    }
    // Binary mode: the bytes as they are, whatever the text holds.
    std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeData(int(bytes.size()),
                          reinterpret_cast<const unsigned char *>(bytes.constData()), 0,
                          QR_ECLEVEL_M),
        &QRcode_free);
    if (!code) {
        return {};
    }
    const int modules = code->width;
    const int width = modules + 2 * quietZone;
    const int scale = std::max(1, int(std::floor(2 * size / width)));
    QImage picture(width * scale, width * scale, QImage::Format_RGB32);
    if (picture.isNull()) {
        return {};
    }
    picture.fill(Qt::white);
    {
        QPainter painter(&picture);
        for (int y = 0; y < modules; ++y) {
            for (int x = 0; x < modules; ++x) {
                if (code->data[y * modules + x] & 1) {
                    painter.fillRect((x + quietZone) * scale, (y + quietZone) * scale, scale, scale,
                                     Qt::black);
                }
            }
        }
    }
    picture.setDevicePixelRatio(picture.width() / size);
    return picture;
}

} // namespace QRImage
