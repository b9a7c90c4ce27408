#include "stamps/PictureImport.h"

#include "platform/Clipboard.h"

#include <QBuffer>
#include <QImage>
#include <QMimeData>

namespace PictureImport {

std::optional<QByteArray> imageData(const QMimeData &from)
{
    if (const QByteArray bytes = encodedPicture(from); !bytes.isEmpty()) {
        return bytes;
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
