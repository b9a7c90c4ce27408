#pragma once

// Code pictures made by the tests with the detector library's own writer.

#include "helpers/PdfFixtures.h"

#define ZX_USE_UTF8 1
#include <ZXing/BitMatrix.h>
#include <ZXing/MultiFormatWriter.h>

#include <QImage>
#include <QPainter>
#include <QString>

namespace CodePictures {

// A black-on-white code with `module` pixels per module and its quiet zone.
// Linear codes are `height` pixels tall. `latin1` encodes each character as one
// byte, for binary payloads.
inline QImage code(ZXing::BarcodeFormat format, const QString &text, int module = 4,
                   int height = 120, bool latin1 = false)
{
    ZXing::MultiFormatWriter writer(format);
    writer.setMargin(format == ZXing::BarcodeFormat::QRCode ||
                             format == ZXing::BarcodeFormat::DataMatrix ||
                             format == ZXing::BarcodeFormat::Aztec
                         ? 4
                         : 10);
    ZXing::BitMatrix matrix;
    if (latin1) {
        writer.setEncoding(ZXing::CharacterSet::ISO8859_1);
        matrix = writer.encode(text.toStdWString(), 0, 0);
    } else {
        matrix = writer.encode(text.toStdString(), 0, 0);
    }
    const bool linear =
        matrix.height() <= 1 || format == ZXing::BarcodeFormat::EAN13 ||
        format == ZXing::BarcodeFormat::EAN8 || format == ZXing::BarcodeFormat::UPCE ||
        format == ZXing::BarcodeFormat::Code39 || format == ZXing::BarcodeFormat::Code93 ||
        format == ZXing::BarcodeFormat::Code128 || format == ZXing::BarcodeFormat::ITF ||
        format == ZXing::BarcodeFormat::Codabar;
    const int rows = linear ? 1 : matrix.height();
    QImage image(matrix.width() * module, linear ? height : rows * module, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < matrix.width(); ++x) {
            if (matrix.get(x, linear ? 0 : y)) {
                painter.fillRect(x * module, linear ? 0 : y * module, module,
                                 linear ? height : module, Qt::black);
            }
        }
    }
    painter.end();
    if (linear) {
        // A quiet zone above and below as well, as printed codes have.
        QImage framed(image.width(), image.height() + 40, QImage::Format_RGB32);
        framed.fill(Qt::white);
        QPainter p(&framed);
        p.drawImage(0, 20, image);
        p.end();
        return framed;
    }
    return image;
}

inline QImage qr(const QString &text, int module = 6)
{
    return code(ZXing::BarcodeFormat::QRCode, text, module);
}

struct Placed
{
    QImage picture;
    QPoint topLeft;
};

// A white canvas with the pictures drawn at their places.
inline QImage canvas(QSize size, const QList<Placed> &pictures)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (const Placed &p : pictures) {
        painter.drawImage(p.topLeft, p.picture);
    }
    return image;
}

// A PDF of A4 pages, each showing its pictures at their places (in points from
// the top left, 150 points wide); a page without pictures is blank.
inline bool writePdf(const QString &path, const QList<QList<Placed>> &pages)
{
    return Fixtures::writePaintedPdf(
        path, int(pages.size()), [&pages](QPainter &painter, int page) {
            for (const Placed &p : pages[page]) {
                const double height = 150.0 * p.picture.height() / p.picture.width();
                painter.drawImage(QRectF(p.topLeft, QSizeF(150, height)), p.picture);
            }
        });
}

} // namespace CodePictures
