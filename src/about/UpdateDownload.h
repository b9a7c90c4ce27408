#pragma once

// The download of an update archive: streamed to a file (never held in memory), over
// the TLS settings of the maker's site, with a limit on a stall, on the whole and on
// its size.

#include <QFuture>
#include <QString>
#include <QUrl>

#include <chrono>
#include <optional>

namespace UpdateDownload {

// Downloads `from` into the file `to`. Call it on a thread with an event loop (the
// main thread); it does not block it. Finishes with nothing when the whole body of
// a 200 answer is in the file, else with the reason for the user: the network's
// error text, "The request timed out." when no data came for `stallLimit` or the
// whole took longer than `totalLimit`, tooLargeText() as soon as the answer says or
// shows that it is longer than `maxBytes`, noSpaceText() when the length it
// announces does not fit beside `to`, or the standard phrase of another status.
QFuture<std::optional<QString>> download(const QUrl &from, const QString &to,
                                         std::chrono::milliseconds stallLimit,
                                         std::chrono::milliseconds totalLimit, qint64 maxBytes);

// "The download is larger than expected."
QString tooLargeText();
// "There isn't enough free space for the update."
QString noSpaceText();

} // namespace UpdateDownload
