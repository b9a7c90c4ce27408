#pragma once

// The road of a code read from start to publishing, shared by the app model's
// reading operations. Main thread only.

#include "codes/CodesModel.h"
#include "codes/FoundCode.h"

#include <QFuture>
#include <QImage>
#include <QUrl>

#include <functional>
#include <optional>

// What a read needs from the app model.
struct CodeReadingHooks
{
    // Opens a PDF, asking for its password as often as needed; the page count,
    // or nothing when the file is to be skipped (the model has said why).
    std::function<QFuture<std::optional<int>>(QUrl)> loadPdf;
    // True while an open document or a merge entry uses the source, so the
    // engine must keep it after the read.
    std::function<bool(const QUrl &)> isInUse;
    // Called once a read that was not cancelled has found at least one code.
    std::function<void()> offerSupportOnce;
};

namespace CodeReading {

// Publishes the outcome of a read that was not cancelled: the codes go on top
// of the earlier ones, or the note says that nothing was found (naming `name`
// when given).
void publish(CodesModel *codes, const CancelToken &token, const QList<FoundCode> &list,
             const std::optional<QString> &name, const CodeReadingHooks &hooks);

// Reads a pasted picture off the main thread, replacing the running read.
// Returns at once; the result is published unless a newer read or "Stop"
// cancelled this one meanwhile.
void readImage(CodesModel *codes, QImage image, CodeReadingHooks hooks);

QString pastedImageName();

} // namespace CodeReading
