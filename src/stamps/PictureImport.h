#pragma once

// Pictures handed over as data rather than as files: a paste, or a drop of
// picture data from another program.

#include <QByteArray>

#include <optional>

class QMimeData;

namespace PictureImport {

// The bytes of the first image format that holds any, as delivered (any picture
// format, decoded later by a worker); else the picture this program itself put
// in the data, as PNG; else nothing. Nothing here decodes another program's bytes.
std::optional<QByteArray> imageData(const QMimeData &from);

} // namespace PictureImport
