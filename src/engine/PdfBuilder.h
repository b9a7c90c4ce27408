#pragma once

// Making output: a new PDF from a build plan. Worker-side: every function here
// runs on the engine's one thread, which owns the qpdf objects of the sources.

#include "document/DocumentTypes.h"
#include "platform/Async.h"

#include <QByteArray>

#include <functional>

class QPDF;
struct StampCache;

// What a build needs from the engine: the structure of a cached source (opened
// with qpdf, unlocked; null when the URL is not cached), the stamp caches and
// the user's cancellation.
struct BuildContext
{
    std::function<QPDF *(const QUrl &url)> source;
    StampCache &stamps;
    CancelToken cancel;
};

namespace PdfBuilder {

// The PDF of the plan. Pages are copied from their sources in plan order (shared
// resources stay shared; the same source page twice gives two pages) with
// /Rotate = normalised(source rotation + turn); pages with stamps are redrawn
// upright with the stamps on top. With a quality, images are recompressed; with
// `pagesAsPictures` every page becomes one JPEG picture. A non-empty password
// protects the output with AES-256, as user and owner password.
// Fails with the engine's missingPage when a source or page is gone, writeFailed
// when no valid PDF can be made, and cancellation between pages.
Result<QByteArray> build(const BuildPlan &plan, const BuildContext &context);

} // namespace PdfBuilder
