#include "engine/PDFEngine.h"

#include "engine/EngineWorker.h"
#include "engine/PicturePage.h"

#include <QCoreApplication>
#include <QImageReader>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include <poppler/qt6/poppler-qt6.h>

#include <exception>
#include <mutex>
#include <type_traits>

namespace {

// Poppler reports every oddity of a damaged file on stderr; the engine answers for
// bad files itself.
void ignorePopplerMessage(const QString &, const QVariant &) {}

constexpr double codeImageLongSide = 2400;

} // namespace

QString PDFEngine::message(EngineError error)
{
    switch (error) {
    case EngineError::MissingPage:
        return QCoreApplication::translate("PDFEngine",
                                           "A page of this file can't be read anymore. Open the file again.");
    case EngineError::WriteFailed:
        return QCoreApplication::translate("PDFEngine", "The PDF couldn't be made. Try again.");
    case EngineError::OnlyAsPictures:
        return QCoreApplication::translate(
            "PDFEngine", "The pages of this file are damaged in a way that stops them being copied. "
                         "It can only be saved as pictures of its pages.");
    }
    return {};
}

PDFEngine &PDFEngine::shared()
{
    static PDFEngine engine;
    return engine;
}

PDFEngine::PDFEngine(QObject *parent)
    : QObject(parent), m_pool(std::make_unique<QThreadPool>()), m_worker(std::make_unique<Worker>())
{
    // Process-wide settings, made before any worker can read them.
    static std::once_flag once;
    std::call_once(once, [] {
        Poppler::setDebugErrorFunction(ignorePopplerMessage, QVariant());
        QImageReader::setAllocationLimit(PicturePage::allocationLimitMB);
    });
    // One thread that never expires: Poppler's objects stay on the thread that made them.
    m_pool->setMaxThreadCount(1);
    m_pool->setExpiryTimeout(-1);
}

PDFEngine::~PDFEngine()
{
    // Queued jobs are dropped (their futures end cancelled); the running one finishes.
    m_pool->clear();
    m_pool->waitForDone();
    m_worker.reset();
}

// Runs `job(worker)` on the engine's thread. A job that throws ends with the
// result type's empty value rather than taking the worker down.
template<typename F>
auto PDFEngine::enqueue(F &&job)
{
    using R = std::invoke_result_t<F, Worker &>;
    Worker *worker = m_worker.get();
    return QtConcurrent::run(m_pool.get(),
                             [worker, job = std::forward<F>(job)](QPromise<R> &promise) mutable {
                                 if (promise.isCanceled()) {
                                     return;
                                 }
                                 if constexpr (std::is_void_v<R>) {
                                     try {
                                         job(*worker);
                                     } catch (const std::exception &) {
                                     }
                                 } else {
                                     R result{};
                                     try {
                                         result = job(*worker);
                                     } catch (const std::exception &) {
                                     }
                                     promise.addResult(std::move(result));
                                 }
                             });
}

QFuture<PDFEngine::OpenResult> PDFEngine::open(const QUrl &url, const std::optional<QString> &password)
{
    return enqueue([url, password](Worker &worker) { return worker.open(url, password); });
}

QFuture<void> PDFEngine::forget(const QUrl &url)
{
    return enqueue([url](Worker &worker) { worker.forget(url); });
}

QFuture<QSizeF> PDFEngine::displaySize(const PageSource &source, int turn)
{
    return enqueue([source, turn](Worker &worker) { return worker.displaySize(source, turn); });
}

QFuture<QImage> PDFEngine::image(const PageSource &source, int turn, double longSide)
{
    return enqueue(
        [source, turn, longSide](Worker &worker) { return worker.image(source, turn, longSide); });
}

QFuture<QImage> PDFEngine::codeImage(const PageSource &source)
{
    return image(source, 0, codeImageLongSide);
}

QFuture<bool> PDFEngine::forEachCodeImage(const QUrl &url, int pageCount, CancelToken cancel,
                                          std::function<void(int, const QImage &)> visit)
{
    return enqueue([url, pageCount, cancel, visit = std::move(visit)](Worker &worker) {
        for (int index = 0; index < pageCount; ++index) {
            if (cancel.isCanceled()) {
                return false;
            }
            const QImage picture = worker.image(PageSource{url, index}, 0, codeImageLongSide);
            if (!picture.isNull()) {
                visit(index, picture);
            }
        }
        return true;
    });
}

QFuture<int> PDFEngine::cachedDocumentCount()
{
    return enqueue([](Worker &worker) { return int(worker.documents.size()); });
}
