#pragma once

// Replacing a file so that it is never left half-written.

#include "platform/Async.h"

#include <QByteArray>
#include <QString>

#include <functional>

namespace FileWriting {

// Writes `data` to `path`: into a temporary file in the same folder, renamed
// over `path` only once it is complete on disk. On failure nothing new is left
// behind, an old file at `path` keeps every byte, and the error's message tells
// the user why in one sentence naming the file. Blocks; call it off the main thread.
Result<void> replace(const QByteArray &data, const QString &path);
// The same for what `fill` writes through the descriptor it is given (open
// for writing at the start of the empty temporary file). An error of `fill`'s
// is answered as it is, and nothing is written; one that names a system error
// is told like a failed write of this function's own.
Result<void> replace(const QString &path, const std::function<Result<void>(int file)> &fill);

// The longest file name, in bytes of its UTF-8 spelling, that folders take.
constexpr int maxNameBytes = 255;

} // namespace FileWriting
