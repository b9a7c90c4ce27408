// The engine's output operations: building PDFs and pictures of pages.

#include "engine/PDFEngine.h"

#include "engine/BuildErrors.h"
#include "engine/EngineWorker.h"
#include "engine/PageExport.h"
#include "engine/PdfBuilder.h"

#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFExc.hh>

namespace {

std::unique_ptr<QPDF> openStructure(const SourceEntry &source, const QByteArray &password)
{
    auto pdf = std::make_unique<QPDF>();
    pdf->setSuppressWarnings(true);
    // The bytes stay in the entry for as long as the entry, and so this QPDF, lives.
    pdf->processMemoryFile(source.path.toUtf8().constData(), source.bytes.constData(),
                           size_t(source.bytes.size()), password.isNull() ? nullptr : password.constData());
    return pdf;
}

BuildContext contextOf(PDFEngine::Worker &worker, const CancelToken &cancel)
{
    return BuildContext{[&worker](const QUrl &url) { return worker.structure(url); }, worker.stamps, cancel,
                        [&worker](const PageSource &source, int turn, double longSide) {
                            return worker.image(source, turn, longSide);
                        },
                        [&worker](const PageSource &source, int turn) { return worker.displaySize(source, turn); }};
}

} // namespace

QPDF *PDFEngine::Worker::structure(const QUrl &url)
{
    SourceEntry *source = entry(url);
    if (!source) {
        return nullptr;
    }
    if (!source->structure) {
        if (!source->password) {
            source->structure = openStructure(*source, QByteArray());
        } else {
            // As Poppler was unlocked: the password as typed (UTF-8), then as Latin-1
            // for older files.
            const QByteArray utf8 = source->password->toUtf8();
            try {
                source->structure = openStructure(*source, utf8);
            } catch (const QPDFExc &error) {
                const QByteArray latin1 = source->password->toLatin1();
                if (error.getErrorCode() != qpdf_e_password || latin1 == utf8) {
                    throw;
                }
                source->structure = openStructure(*source, latin1);
            }
        }
    }
    return source->structure.get();
}

void PDFEngine::Worker::dropStructures(const BuildPlan &plan)
{
    for (const PageItem &page : plan.pages) {
        if (SourceEntry *source = entry(page.source.url)) {
            source->structure.reset();
        }
    }
}

// A job dropped from the queue when the engine goes away ends its future
// cancelled: the promise is destroyed unfinished.
template<typename T, typename F>
QFuture<Result<T>> PDFEngine::enqueueOutput(F &&job)
{
    Worker *worker = m_worker.get();
    return QtConcurrent::run(m_pool.get(), [worker, job = std::forward<F>(job)](QPromise<Result<T>> &promise) {
        if (promise.isCanceled()) {
            return;
        }
        try {
            promise.addResult(job(*worker));
        } catch (const std::exception &) {
            promise.addResult(Result<T>(BuildErrors::writeFailed())); // out of memory, mostly
        }
    });
}

QFuture<Result<SharedBytes>> PDFEngine::build(const BuildPlan &plan, CancelToken cancel)
{
    return enqueueOutput<SharedBytes>([plan, cancel](Worker &worker) {
        Result<SharedBytes> built = PdfBuilder::build(plan, contextOf(worker, cancel));
        if (!built && !built.isCanceled()) {
            worker.dropStructures(plan);
        }
        return built;
    });
}

QFuture<Result<QByteArray>> PDFEngine::buildBytes(const BuildPlan &plan, CancelToken cancel)
{
    return build(plan, cancel).then([](const Result<SharedBytes> &built) -> Result<QByteArray> {
        if (!built) {
            return built.error();
        }
        return QByteArray(built->data(), built->size());
    });
}

QFuture<Result<QList<QByteArray>>> PDFEngine::pictures(const BuildPlan &plan, double dpi, bool jpeg,
                                                       CancelToken cancel)
{
    return enqueueOutput<QList<QByteArray>>([plan, dpi, jpeg, cancel](Worker &worker) {
        return PageExport::pictures(plan, dpi, jpeg, contextOf(worker, cancel));
    });
}
