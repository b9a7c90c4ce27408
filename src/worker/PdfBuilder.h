#pragma once

// Making output: a new PDF from a build plan. Worker-side: every function here
// runs on the thread of the job that owns the qpdf objects of the sources, and
// writes nothing but the output it answers.

#include "document/DocumentTypes.h"
#include "platform/Async.h"
#include "platform/SharedBytes.h"

#include <QImage>
#include <QSizeF>

#include <functional>
#include <memory>

class QPDF;
struct StampCache;

// What a build needs from the engine: the structure of a cached source (opened
// with qpdf, unlocked; null when the URL is not cached; throws when qpdf can't
// read it), the stamp caches and the user's cancellation.
struct BuildContext
{
    std::function<QPDF *(const QUrl &url)> source;
    StampCache &stamps;
    CancelToken cancel;
    // The page as the engine's reader shows it, turned, with its longer side
    // `longSide` pixels (null when it can't), and its displayed size in points:
    // how pages whose structure can't be copied are still saved as pictures.
    // Absent: such pages fail the pictures build too.
    std::function<QImage(const PageSource &source, int turn, double longSide)> render = {};
    std::function<QSizeF(const PageSource &source, int turn)> displaySize = {};
    // Takes the output's qpdf objects once it is written, to free them when it
    // suits the caller (after answering); absent: freed at once.
    std::function<void(std::unique_ptr<QPDF>)> release = {};
    // Told of a source whose qpdf objects the build no longer needs (their
    // bytes it still reads): the caller may free them. Absent: nothing is told.
    std::function<void(const QUrl &url)> doneWith = {};
    // The page drawn turned at the scale (pixels per point) `scaleFor` gives for
    // its displayed size, which goes into `points` (invalid when the page is
    // gone); null when it can't be drawn. How unstamped pages become pictures
    // without a PDF made of them first. Absent: they are built, then drawn.
    std::function<QImage(const PageSource &source, int turn,
                         const std::function<double(QSizeF)> &scaleFor, QSizeF &points)>
        draw = {};
    // Where the output goes instead of a memory file: a descriptor open for
    // writing (the atomic write's temporary file); -1 for none.
    int file = -1;
};

namespace PdfBuilder {

// The PDF of the plan, in a sealed memory file. Pages are copied from their
// sources in plan order (shared resources stay shared; the same source page
// twice gives two pages) with /Rotate = normalised(source rotation + turn),
// their links, notes and form fields with them; pages with stamps are redrawn
// upright with the stamps on top. When every page comes from one source, its
// title and the bookmarks of the pages kept come along. With a quality, images
// are recompressed; with `pagesAsPictures` every page becomes one JPEG picture.
// A non-empty password protects the output with AES-256, as user and owner
// password. Every output is read back and must hold exactly the plan's pages.
// Fails with the engine's MissingPage when a source or page is gone,
// OnlyAsPictures when qpdf can't read a page that the source shows,
// WriteFailed when no valid PDF can be made, and cancellation between pages.
// With the context's `file`, the output is written there and the bytes
// answered are empty. After a failure other than cancellation the caller drops
// the sources' qpdf objects: a failure may leave them half-changed.
Result<SharedBytes> build(const BuildPlan &plan, const BuildContext &context);

} // namespace PdfBuilder
