#pragma once

// Output made from rendered pages: pictures of pages, and a PDF whose every
// page is one JPEG picture. Rendering runs on the worker's job thread, encoding
// on the global thread pool.

#include "worker/PdfBuilder.h"

#include <QList>

#include <utility>
#include <vector>

namespace PageExport {

// One picture per page of the plan (stamps drawn, no password, no compression),
// rendered at `dpi`: PNG, or JPEG at quality 0.85 when `jpeg` is set.
Result<QList<QByteArray>> pictures(const BuildPlan &plan, double dpi, bool jpeg,
                                   const BuildContext &context);

// One page's picture and the size in points the page is shown at.
struct PagePicture
{
    QSizeF points;
    QByteArray encoded;
};

// Every page of the plan (stamps drawn) as a JPEG picture whose long side is
// step.maxPixels, at step.jpegQuality: what buildAsPictures puts on its pages.
Result<std::vector<PagePicture>> pagesAsJpeg(const BuildPlan &plan, const CompressionStep &step,
                                             const BuildContext &context);

// The PDF whose page i is the JPEG picture `pages[i]` filling a page box of its
// points; `password` protects it. With a `file` (open for writing), it is
// written there and the bytes answered are empty.
Result<SharedBytes> assemble(const std::vector<std::pair<QSizeF, QByteArrayView>> &pages,
                             const std::optional<QString> &password, int file = -1);

// The plan's PDF with every page one JPEG picture whose long side is
// step.maxPixels, on a page box of the page's displayed size; the plan's
// password protects it.
Result<SharedBytes> buildAsPictures(const BuildPlan &plan, const CompressionStep &step,
                                    const BuildContext &context);

// The value for QImageWriter::setCompression of exported PNG pages: a fast zlib
// level, since the default costs seconds per scanned page for a little size.
int pngCompression();

} // namespace PageExport
