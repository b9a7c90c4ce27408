#pragma once

// Output made from rendered pages: pictures of pages, and a PDF whose every
// page is one JPEG picture. Worker-side, like PdfBuilder: rendering runs on the
// engine's thread, encoding on the global thread pool.

#include "engine/PdfBuilder.h"

#include <QList>

namespace PageExport {

// One picture per page of the plan (stamps drawn, no password, no compression),
// rendered at `dpi`: PNG, or JPEG at quality 0.85 when `jpeg` is set.
Result<QList<QByteArray>> pictures(const BuildPlan &plan, double dpi, bool jpeg,
                                   const BuildContext &context);

// The plan's PDF with every page one JPEG picture whose long side is
// step.maxPixels, on a page box of the page's displayed size; the plan's
// password protects it.
Result<SharedBytes> buildAsPictures(const BuildPlan &plan, const CompressionStep &step,
                                   const BuildContext &context);

// The value for QImageWriter::setCompression of exported PNG pages: a fast zlib
// level, since the default costs seconds per scanned page for a little size.
int pngCompression();

} // namespace PageExport
