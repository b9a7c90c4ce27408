#pragma once

// Pictures handed over as data rather than as files: a paste, or a drop of
// picture data from another program.

#include <QByteArray>

#include <optional>

class QMimeData;

namespace PictureImport {

// The bytes of the first image format that holds any, as delivered (any picture
// format; the stamp maker judges them); else the image Qt carries, as PNG;
// else nothing.
std::optional<QByteArray> imageData(const QMimeData &from);

} // namespace PictureImport
