#pragma once

// Stamps drawn onto output pages. Everything here runs on the worker's job
// thread inside one build, and the caches belong to that worker.

#include "document/DocumentTypes.h"

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QUrl>

#include <optional>

class QPDF;
class QPDFAcroFormDocumentHelper;
class QPDFObjectHandle;

// A stamp picture ready to embed: JPEG colours (transparent parts bled with the
// ink colour, so the JPEG does not ring at the edges) and an 8-bit opacity plane.
struct CompactStamp
{
    QByteArray jpeg;
    QByteArray alpha; // width × height bytes, 255 = opaque
    int width = 0;
    int height = 0;
};

struct CompactKey
{
    QUrl url;
    int longSide = 0; // of the compact picture actually made
    double jpegQuality = 0;

    friend bool operator==(const CompactKey &, const CompactKey &) = default;
};
size_t qHash(const CompactKey &key, size_t seed = 0) noexcept;

// Decoded stamp files and their compact pictures; kept for the life of the engine
// (a stamp file changed on disk under the same URL keeps its cached pictures).
struct StampCache
{
    QHash<QUrl, QImage> decoded; // premultiplied ARGB
    QHash<CompactKey, CompactStamp> compact;
};

namespace StampDrawing {

// The stamp resolution in pixels per inch and its JPEG quality for an output
// compressed with `quality` (absent: not compressed).
struct Resolution
{
    int ppi = 300;
    double jpegQuality = 0.85;
};
Resolution resolutionFor(const std::optional<CompressionStep> &quality);

// The compact picture of a decoded stamp whose long side is `longSide` pixels,
// never enlarged; cached under (url, actual long side, quality). Absent when an
// image step fails.
std::optional<CompactStamp> compactStamp(StampCache &cache, const QUrl &url, const QImage &full,
                                         int longSide, double jpegQuality);

// The decoded picture of a stamp file, from the cache or read now; null when unreadable.
QImage decodedStamp(StampCache &cache, const QUrl &url);

// Images embedded into one output; one XObject per compact picture, so a stamp
// used on many pages is stored once.
class Embedder
{
public:
    // `forms` is the output's form helper, which learns of the fields whose
    // widgets move with a redrawn page.
    Embedder(QPDF &pdf, QPDFAcroFormDocumentHelper &forms, StampCache &cache,
             const QHash<QUuid, QUrl> &files, const std::optional<CompressionStep> &quality);
    ~Embedder();

    // Turns `page` (a page of the output) into an upright page of the displayed
    // size: its content streams, by reference, under the rotation, its
    // annotations moved along, and the stamps drawn on top in list order.
    // Placements without a readable stamp file are left out. Throws qpdf's
    // exceptions.
    void redraw(QPDFObjectHandle page, int rotation, const QList<StampPlacement> &stamps);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace StampDrawing
