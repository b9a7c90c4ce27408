#pragma once

// Reading the codes of files through the PDF engine. Main thread only.

#include "codes/CodeReading.h"
#include "platform/Async.h"

#include <QFuture>
#include <QList>
#include <QUrl>

class PDFEngine;

namespace CodeReading {

// The codes of pages 0..pageCount-1 of a source that `engine` has opened, in
// page order and each page in reading order, repeats dropped within a page
// only. Pages are rendered and read one at a time on the engine's worker;
// `cancel` is checked before every page and ends the work with a cancelled
// Result that drops the codes of earlier pages. A single page is page 1 for a
// PDF and has no page number for a picture.
QFuture<Result<QList<FoundCode>>> pageCodes(PDFEngine *engine, QUrl url, int pageCount,
                                            QString origin, CancelToken cancel);

// The codes of one picture file, with no page number, read at the picture's
// own pixels as the engine's worker decodes them; fails when the picture can't
// be read, and is cancelled by `cancel`.
QFuture<Result<QList<FoundCode>>> pictureCodes(PDFEngine *engine, QUrl url, QString origin,
                                               CancelToken cancel);

// The codes of a pasted picture's encoded bytes, decoded by the engine's worker
// the same way; nothing when they can't be decoded.
QFuture<QList<FoundCode>> pastedCodes(PDFEngine *engine, QByteArray bytes);

// Reads a pasted picture's encoded bytes, replacing the running read, and
// publishes the result as readImage() does. Returns at once.
void readPastedPicture(CodesModel *codes, PDFEngine *engine, QByteArray bytes,
                       CodeReadingHooks hooks);

// Reads the files in the given order (PDFs through hooks.loadPdf, pictures
// through the engine, other files skipped), replacing the running read, and
// publishes the codes of all of them together. Returns at once. The engine
// forgets each file after reading unless hooks.isInUse says it is in use.
void readFiles(CodesModel *codes, PDFEngine *engine, QList<QUrl> urls, CodeReadingHooks hooks);

} // namespace CodeReading
