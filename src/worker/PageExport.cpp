#include "worker/PageExport.h"

#include "worker/BuildErrors.h"
#include "worker/EngineWorker.h"
#include "worker/PageDrawing.h"
#include "worker/PdfSyntax.h"
#include "worker/PdfWriting.h"
#include "worker/StampDrawing.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include <poppler-qt6.h>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>

#include <algorithm>
#include <cmath>
#include <deque>
#include <memory>

namespace PageExport {
namespace {

using RenderedPage = PagePicture;
// Takes the picture by value: the encoder is its last holder, so tagging it
// with its resolution changes it in place rather than copying every pixel.
using Encoder = std::function<QByteArray(QImage)>;

QByteArray encode(const QImage &image, const char *format, int quality, int compression)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (quality >= 0) {
        writer.setQuality(quality);
    }
    if (compression >= 0) {
        writer.setCompression(compression);
    }
    // Pages are rendered on white: an alpha channel would only cost size.
    const QImage opaque =
        image.hasAlphaChannel() ? image.convertToFormat(QImage::Format_RGB32) : image;
    return writer.write(opaque) ? bytes : QByteArray();
}

// Whether a picture of `pixels` can be drawn at all: beyond these bounds the
// drawing would fail, whatever the memory.
bool isDrawable(QSize pixels)
{
    return pixels.width() <= EngineWorker::maxRenderSide &&
           pixels.height() <= EngineWorker::maxRenderSide &&
           qint64(pixels.width()) * pixels.height() <= EngineWorker::maxRenderPixels;
}

// Whether a page of `size` points can be drawn with its longer side `longSide`
// pixels.
bool isDrawable(QSizeF size, double longSide)
{
    return longSide <= EngineWorker::maxRenderSide && isDrawable(renderPixelSize(size, longSide));
}

// One page upright as displayed: its displayed size in points and its picture
// at the scale `scaleFor` gives for that size; an Error when it can't be made.
struct ShownPage
{
    QSizeF points;
    QImage image;
};
using ShowPage =
    std::function<Result<ShownPage>(int index, const std::function<double(QSizeF)> &scaleFor)>;

// Makes the pictures of pages 0..count-1 with `show`, and encodes them on the
// global pool while the next pages render. Checks for cancellation before
// each page.
Result<std::vector<RenderedPage>> renderPages(int count, const ShowPage &show,
                                              const std::function<double(QSizeF)> &scaleFor,
                                              const Encoder &encoder, const CancelToken &cancel)
{
    std::vector<RenderedPage> pages(size_t(std::max(count, 0)));
    std::deque<QFuture<void>> pending;
    // Rendered pages wait for the encoders in a bounded queue, so a long export
    // holds a few pictures in memory, not all of them.
    const size_t window = size_t(std::max(QThreadPool::globalInstance()->maxThreadCount(), 1)) + 1;
    auto drain = [&pending](size_t keep) {
        while (pending.size() > keep) {
            pending.front().waitForFinished();
            pending.pop_front();
        }
    };

    for (int i = 0; i < count; ++i) {
        if (cancel.isCanceled()) {
            drain(0);
            return Result<std::vector<RenderedPage>>::canceled();
        }
        Result<ShownPage> shown = show(i, scaleFor);
        if (!shown) {
            drain(0);
            return shown.error();
        }
        pages[size_t(i)].points = shown->points;
        RenderedPage *target = &pages[size_t(i)];
        pending.push_back(
            QtConcurrent::run(QThreadPool::globalInstance(),
                              [target, image = std::move(shown.value().image), &encoder]() mutable {
                                  target->encoded = encoder(std::move(image));
                              }));
        drain(window);
    }
    drain(0);
    for (const RenderedPage &page : pages) {
        if (page.encoded.isEmpty()) {
            return BuildErrors::writeFailed();
        }
    }
    return pages;
}

// Renders every page of `pdf`.
Result<std::vector<RenderedPage>> renderPages(const QByteArray &pdf,
                                              const std::function<double(QSizeF)> &scaleFor,
                                              const Encoder &encoder, const CancelToken &cancel)
{
    std::unique_ptr<Poppler::Document> document = Poppler::Document::loadFromData(pdf);
    if (!document || document->isLocked()) {
        return BuildErrors::writeFailed();
    }
    // The document measures the pages; one drawing, made after it, draws them all.
    PageDrawing drawing(pdf, std::nullopt);
    const ShowPage show =
        [&document, &drawing](int index,
                              const std::function<double(QSizeF)> &scaleOf) -> Result<ShownPage> {
        std::unique_ptr<Poppler::Page> page(document->page(index));
        if (!page) {
            return BuildErrors::missingPage();
        }
        const QSizeF size = shownSize(page->pageSizeF()); // the crop box as displayed
        const double scale = scaleOf(size);
        const double width = std::max(std::round(size.width() * scale), 1.0);
        const double height = std::max(std::round(size.height() * scale), 1.0);
        if (width > EngineWorker::maxRenderSide || height > EngineWorker::maxRenderSide ||
            !isDrawable(QSize(int(width), int(height)))) {
            return BuildErrors::tooLarge();
        }
        QImage image = drawing.draw(index, 72.0 * scale, 0, QSize(int(width), int(height)));
        if (image.isNull()) {
            return BuildErrors::writeFailed();
        }
        return ShownPage{size, std::move(image)};
    };
    return renderPages(document->numPages(), show, scaleFor, encoder, cancel);
}

// The plan's pages drawn as the sources show them, turned and with their
// stamps painted on: the way out for sources whose pages can't be copied.
Result<std::vector<RenderedPage>> renderShownPages(const BuildPlan &plan,
                                                   const BuildContext &context,
                                                   const std::function<double(QSizeF)> &scaleFor,
                                                   const Encoder &encoder)
{
    const ShowPage show =
        [&plan, &context](int index,
                          const std::function<double(QSizeF)> &scaleOf) -> Result<ShownPage> {
        const PageItem &item = plan.pages.at(index);
        const QSizeF size = context.displaySize(item.source, item.turn);
        const double scale = scaleOf(size);
        const double longSide = std::max(size.width(), size.height()) * scale;
        if (!isDrawable(size, longSide)) {
            return BuildErrors::tooLarge();
        }
        QImage image = context.render(item.source, item.turn, longSide);
        if (image.isNull()) {
            return BuildErrors::writeFailed();
        }
        QPainter painter(&image);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        for (const StampPlacement &placement : item.stamps) {
            const auto file = plan.stampFiles.constFind(placement.stampID);
            const QImage stamp = file == plan.stampFiles.constEnd()
                                     ? QImage()
                                     : StampDrawing::decodedStamp(context.stamps, *file);
            if (stamp.isNull()) {
                continue; // as the PDF build leaves it out
            }
            const double aspect =
                std::max(double(stamp.width()) / std::max(stamp.height(), 1), 0.001);
            const double dw = image.width() * placement.width;
            const double dh = dw / aspect;
            painter.save();
            painter.translate(image.width() * placement.center.x(),
                              image.height() * placement.center.y());
            painter.rotate(placement.rotation); // clockwise as seen
            painter.drawImage(QRectF(-dw / 2, -dh / 2, dw, dh), stamp);
            painter.restore();
        }
        painter.end();
        return ShownPage{size, std::move(image)};
    };
    return renderPages(int(plan.pages.size()), show, scaleFor, encoder, context.cancel);
}

// The plan's pages drawn straight from their cached sources, turned.
Result<std::vector<RenderedPage>> renderSourcePages(const BuildPlan &plan,
                                                    const BuildContext &context,
                                                    const std::function<double(QSizeF)> &scaleFor,
                                                    const Encoder &encoder)
{
    const ShowPage show =
        [&plan, &context](int index,
                          const std::function<double(QSizeF)> &scaleOf) -> Result<ShownPage> {
        const PageItem &item = plan.pages.at(index);
        QSizeF points;
        QImage image = context.draw(item.source, item.turn, scaleOf, points);
        if (!points.isValid()) {
            return BuildErrors::missingPage();
        }
        if (image.isNull()) {
            // Nothing drawn past the bounds of a drawing: a lower resolution helps,
            // trying again doesn't.
            const double longSide = std::max(points.width(), points.height()) * scaleOf(points);
            if (!isDrawable(points, longSide)) {
                return BuildErrors::tooLarge();
            }
            return BuildErrors::writeFailed();
        }
        return ShownPage{points, std::move(image)};
    };
    return renderPages(int(plan.pages.size()), show, scaleFor, encoder, context.cancel);
}

// The plan as it is rendered: stamps drawn, nothing protected or compressed.
BuildPlan plainPlan(const BuildPlan &plan)
{
    BuildPlan plain = plan;
    plain.password.reset();
    plain.quality.reset();
    return plain;
}

// The plan's pages rendered from its plain PDF, or as the sources show them
// when that PDF can't be made from their structure.
Result<std::vector<RenderedPage>> renderPlan(const BuildPlan &plan, const BuildContext &context,
                                             const std::function<double(QSizeF)> &scaleFor,
                                             const Encoder &encoder)
{
    // A page drawn from its source shows what the page copied into a PDF of
    // its own shows, a turn being one more turn of the drawing; stamps are
    // drawn as that PDF draws them, so stamped plans still go through one.
    const bool stamped = std::any_of(plan.pages.cbegin(), plan.pages.cend(),
                                     [](const PageItem &page) { return !page.stamps.isEmpty(); });
    if (context.draw && !stamped) {
        return renderSourcePages(plan, context, scaleFor, encoder);
    }
    // Only rendered here, never kept: into memory, whatever the output's target.
    BuildContext inMemory = context;
    inMemory.file = -1;
    const auto built = PdfBuilder::build(plainPlan(plan), inMemory);
    if (built) {
        return renderPages(built->bytes(), scaleFor, encoder, context.cancel);
    }
    if (built.error().code == int(WorkerProtocol::Fault::OnlyAsPictures) && context.render &&
        context.displaySize) {
        return renderShownPages(plan, context, scaleFor, encoder);
    }
    return built.error();
}

} // namespace

int pngCompression()
{
    // Qt spreads 0..100 over zlib's levels 0..9 (value × 9 / 91): this is level 2,
    // four times faster than the default level 6 for about 13 % more bytes on
    // scans. Small values (1..10) would mean level 0, no compression at all.
    return 25;
}

Result<QList<QByteArray>> pictures(const BuildPlan &plan, double dpi, bool jpeg,
                                   const BuildContext &context)
{
    const double scale = dpi / 72.0;
    const int dotsPerMeter = int(std::lround(dpi / 0.0254));
    const auto rendered = renderPlan(
        plan, context, [scale](QSizeF) { return scale; },
        [jpeg, dotsPerMeter](QImage image) {
            // The picture says the resolution it was drawn at (PNG pHYs, JPEG
            // density), so it prints at the size of its page.
            image.setDotsPerMeterX(dotsPerMeter);
            image.setDotsPerMeterY(dotsPerMeter);
            return jpeg ? encode(image, "jpeg", 85, -1)
                        : encode(image, "png", -1, pngCompression());
        });
    if (!rendered) {
        return rendered.error();
    }
    QList<QByteArray> pictures;
    pictures.reserve(qsizetype(rendered->size()));
    for (const RenderedPage &page : *rendered) {
        pictures.append(page.encoded);
    }
    return pictures;
}

Result<std::vector<PagePicture>> pagesAsJpeg(const BuildPlan &plan, const CompressionStep &step,
                                             const BuildContext &context)
{
    const double maxPixels = step.maxPixels;
    const int quality = int(std::lround(step.jpegQuality * 100));
    const auto scaleFor = [maxPixels](QSizeF size) {
        // May enlarge: the long side of every picture is maxPixels.
        return maxPixels / std::max(std::max(size.width(), size.height()), 1.0);
    };
    const auto encoder = [quality](QImage image) { return encode(image, "jpeg", quality, -1); };
    return renderPlan(plan, context, scaleFor, encoder);
}

Result<SharedBytes> assemble(const std::vector<std::pair<QSizeF, QByteArrayView>> &pages,
                             const std::optional<QString> &password, int file)
{
    try {
        QPDF output;
        output.emptyPDF();
        output.setSuppressWarnings(true);
        for (const auto &[points, jpeg] : pages) {
            // The picture's own header gives its size: whoever drew it rounded.
            QByteArray bytes = QByteArray::fromRawData(jpeg.data(), jpeg.size());
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::ReadOnly);
            QImageReader reader(&buffer, "jpeg");
            const QSize pixels = reader.size();
            if (!pixels.isValid() || pixels.isEmpty() ||
                !(points.width() > 0 && points.height() > 0)) {
                return BuildErrors::writeFailed();
            }
            PdfSyntax::addJpegPage(output, std::string(jpeg.data(), size_t(jpeg.size())), pixels,
                                   points);
        }
        QPDFObjectHandle info = output.makeIndirectObject(QPDFObjectHandle::newDictionary());
        info.replaceKey("/Creator", QPDFObjectHandle::newUnicodeString("Tamsel"));
        output.getTrailer().replaceKey("/Info", info);
        SharedBytes written = PdfWriting::write(output, password, PdfWriting::Version{}, file);
        if (!PdfWriting::reopens(written, password, int(pages.size()), file)) {
            return BuildErrors::writeFailed();
        }
        return written;
    } catch (const PdfWriting::FileError &error) {
        return BuildErrors::fileFailed(error.error);
    } catch (const std::exception &) {
        return BuildErrors::writeFailed();
    }
}

Result<SharedBytes> buildAsPictures(const BuildPlan &plan, const CompressionStep &step,
                                    const BuildContext &context)
{
    const auto rendered = pagesAsJpeg(plan, step, context);
    if (!rendered) {
        return rendered.error();
    }
    std::vector<std::pair<QSizeF, QByteArrayView>> pages;
    pages.reserve(rendered->size());
    for (const PagePicture &page : *rendered) {
        pages.emplace_back(page.points, QByteArrayView(page.encoded));
    }
    return assemble(pages, plan.password, context.file);
}

} // namespace PageExport
