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
    // Only data this program made holds a picture object. To make one from
    // another program's data (the platform's subclass), Qt would decode that
    // program's bytes here; a stranger's picture is decoded by a worker only.
    if (!from.inherits("QInternalMimeData") && from.hasImage()) {
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
