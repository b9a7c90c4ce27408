#pragma once

#include <QList>
#include <QUrl>

class QMimeData;

// The one routine every drop zone uses to turn dropped items into the file
// URLs that the model's operations take.
namespace DropLoader {

// The local file URLs among the dropped items, in drop order. Web addresses
// and other schemes are left out; folders and files that no longer exist are
// kept (opening decides what to make of them); the same file dropped twice is
// listed twice. Null or empty data gives an empty list.
QList<QUrl> urls(const QMimeData *data);

} // namespace DropLoader
