#include "stamps/PictureImport.h"

#include <QBuffer>
#include <QImage>
#include <QMimeData>

namespace PictureImport {

std::optional<QByteArray> imageData(const QMimeData &from)
{
    for (const QString &format : from.formats()) {
        if (!format.startsWith(QLatin1String("image/"))) {
            continue;
        }
        const QByteArray bytes = from.data(format);
        if (!bytes.isEmpty()) {
            return bytes;
        }
    }
    if (from.hasImage()) {
        const QImage image = qvariant_cast<QImage>(from.imageData());
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!image.isNull() && image.save(&buffer, "PNG")) {
            return png;
        }
    }
    return std::nullopt;
}

} // namespace PictureImport
