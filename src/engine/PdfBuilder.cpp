#include "engine/PdfBuilder.h"

#include "engine/BuildErrors.h"
#include "engine/ImageCompression.h"
#include "engine/PageExport.h"
#include "engine/PdfWriting.h"
#include "engine/StampDrawing.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>

#include <cmath>
#include <map>
#include <set>

namespace PdfBuilder {
namespace {

struct ResolvedPage
{
    QPDFObjectHandle page; // in its source
    int rotation = 0;      // as the output shows it: 0, 90, 180 or 270
};

int rotationOf(QPDFObjectHandle page)
{
    QPDFObjectHandle rotate = page.getKey("/Rotate");
    if (!rotate.isNumber()) {
        return 0;
    }
    // Anything but a multiple of 90 is invalid; readers round it down the same way.
    const long long degrees = std::llround(rotate.getNumericValue());
    return normalizedAngle(int(degrees % 360 / 90 * 90));
}

} // namespace

Result<QByteArray> build(const BuildPlan &plan, const BuildContext &context)
{
    if (plan.quality && plan.quality->pagesAsPictures) {
        return PageExport::buildAsPictures(plan, *plan.quality, context);
    }
    try {
        // Every page is resolved before anything is made, so a closed source
        // fails the build at once.
        std::vector<ResolvedPage> resolved;
        resolved.reserve(size_t(plan.pages.size()));
        std::map<QPDF *, const std::vector<QPDFObjectHandle> *> pagesOf;
        PdfWriting::Version version;
        for (const PageItem &item : plan.pages) {
            QPDF *source = context.source(item.source.url);
            if (!source) {
                return BuildErrors::missingPage();
            }
            auto known = pagesOf.find(source);
            if (known == pagesOf.end()) {
                // Inherited boxes, resources and rotation are moved onto the pages
                // themselves before any is copied, so each copy stands alone.
                source->pushInheritedAttributesToPage();
                known = pagesOf.emplace(source, &source->getAllPages()).first;
                version.raise(source->getPDFVersion(), source->getExtensionLevel());
            }
            const auto &pages = *known->second;
            if (item.source.index < 0 || size_t(item.source.index) >= pages.size()) {
                return BuildErrors::missingPage();
            }
            QPDFObjectHandle page = pages[size_t(item.source.index)];
            resolved.push_back({page, normalizedAngle(rotationOf(page) + item.turn)});
        }

        QPDF output;
        output.emptyPDF();
        output.setSuppressWarnings(true);
        std::set<QPDFObjGen> used;
        for (const ResolvedPage &entry : resolved) {
            if (context.cancel.isCanceled()) {
                return Result<QByteArray>::canceled();
            }
            QPDFObjectHandle copy = output.copyForeignObject(entry.page);
            if (!used.insert(copy.getObjGen()).second) {
                // The same source page again: a page of its own over the same
                // contents and resources.
                copy = output.makeIndirectObject(copy.shallowCopy());
                used.insert(copy.getObjGen());
            }
            copy.replaceKey("/Rotate", QPDFObjectHandle::newInteger(entry.rotation));
            output.addPage(copy, false);
        }
        const std::vector<QPDFObjectHandle> outputPages = output.getAllPages();

        // Images first, stamps after: the stamps come compact already.
        if (plan.quality) {
            const auto report = ImageCompression::compressImages(outputPages, *plan.quality,
                                                                 context.cancel);
            if (report.canceled || context.cancel.isCanceled()) {
                return Result<QByteArray>::canceled();
            }
        }

        StampDrawing::Embedder stamps(output, context.stamps, plan.stampFiles, plan.quality);
        for (size_t i = 0; i < resolved.size(); ++i) {
            const PageItem &item = plan.pages[qsizetype(i)];
            if (item.stamps.isEmpty()) {
                continue;
            }
            if (context.cancel.isCanceled()) {
                return Result<QByteArray>::canceled();
            }
            stamps.redraw(outputPages[i], resolved[i].rotation, item.stamps);
            version.raise("1.4", 0); // soft masks
        }

        if (context.cancel.isCanceled()) {
            return Result<QByteArray>::canceled();
        }
        return PdfWriting::write(output, plan.password, version);
    } catch (const std::exception &) {
        return BuildErrors::writeFailed();
    }
}

} // namespace PdfBuilder
