#pragma once

#include <QImage>
#include <QString>

namespace QRImage {

// A square QR code of `text`'s UTF-8 bytes at error-correction level M,
// reporting `size` × `size` logical pixels. Each module is a whole number of
// device pixels (about two per logical pixel), so it stays sharp when drawn
// without smoothing. Null when the text is empty or too long for a QR code.
QImage image(const QString &text, qreal size);

} // namespace QRImage
