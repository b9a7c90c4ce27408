#pragma once

// Turning a picture file into a one-page PDF, so that every source, PDF or
// picture, is rendered and built the same way. Runs on the engine's worker.

#include "platform/SharedBytes.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QSize>
#include <QString>
#include <QtGlobal>

#include <optional>

namespace PicturePage {

// Decoders refuse pictures whose decoded size would exceed this many megabytes,
// so a hostile or absurd header fails the open instead of exhausting memory:
// half the worker's memory bound (`memoryBytes`; without one, half the bound a
// worker of this machine gets), never less than 512. A picture takes its decoded
// size once more while it is stored as the page's JPEG. The limit is
// process-wide; the worker sets it once, from its main thread.
int allocationLimitMB(qint64 memoryBytes);

// The largest frame of the picture in `bytes` (the first one of equal area),
// turned upright by its orientation tag; a null image when it can't be decoded.
// `format` (a file's suffix) is tried first, then what the bytes say they are.
QImage read(const SharedBytes &bytes, const QByteArray &format);

// The largest frame of an encoded picture, upright, as raw pixels (RGB32, or
// ARGB32 when it has transparency) no larger than `longSide` on its longer side:
// reduced while decoding where the format can, else scaled after. A null image
// when the bytes can't be decoded or `longSide` is not positive.
QImage decode(QByteArrayView bytes, int longSide);

// The page's size in points: the longer side 842, each side rounded half away
// from zero and at least 1. Invalid for an empty picture.
QSize pageSize(QSize pixels);

// A PDF with one page of pageSize(image.size()) showing the picture, stored as a
// JPEG of quality 90 on white. Empty when the picture can't be encoded.
QByteArray makePdf(const QImage &image);

} // namespace PicturePage
