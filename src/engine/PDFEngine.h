#pragma once

// The one place where the program touches PDF documents.
//
// Every parse, drawing and build of a document runs in worker processes that the
// engine starts from the program's own helper executable and supervises
// (WorkerPool): each job has a time limit and each worker a memory bound, and a
// worker that fails is replaced without the other jobs noticing. The engine
// itself keeps every cached document's bytes, password and page sizes, so any
// worker can serve any document; a document may be open in several workers.
//
// Thread contract: PDFEngine is a QObject facade used from the main thread. Each
// call returns a QFuture whose result is a value (counts, sizes, QImage, bytes);
// futures finish on the engine's supervisor thread. Await them from coroutines
// (platform/Async.h) or attach continuations with a context object.
//
// Sources are keyed by the URL exactly as it was handed to open(). A file that
// changed on disk since it was cached comes in by the next open() as a new
// revision of that URL (OpenResult::revision); pages naming the earlier revision
// keep its bytes. forget() drops every revision.

#include "document/DocumentTypes.h"
#include "platform/Async.h"
#include "platform/SharedBytes.h"

#include <QByteArray>
#include <QFuture>
#include <QImage>
#include <QList>
#include <QObject>
#include <QSizeF>
#include <QStringList>

#include <chrono>
#include <functional>
#include <memory>

class WorkerPool;

class PDFEngine : public QObject
{
    Q_OBJECT

public:
    enum class OpenStatus { Opened, NeedsPassword, Unreadable };

    struct OpenResult
    {
        OpenStatus status = OpenStatus::Unreadable;
        int pageCount = 0; // at least 1 when opened
        // The password that unlocked the cached document, so that a second open
        // of a protected file never loses its protection; absent for unprotected
        // files and pictures.
        std::optional<QString> password;
        // Why the engine itself couldn't read the file (its worker hung, died or
        // can't be started); empty when the file is simply not readable.
        QString problem;
        // The cached version whose pages PageSource::revision names: 0 for the
        // first one read, counting up for each change on disk seen by an open.
        int revision = 0;

        static OpenResult opened(int pageCount, std::optional<QString> password = std::nullopt)
        {
            return {OpenStatus::Opened, pageCount, std::move(password), {}, 0};
        }
        static OpenResult needsPassword()
        {
            return {OpenStatus::NeedsPassword, 0, std::nullopt, {}, 0};
        }
        static OpenResult unreadable(QString problem = {})
        {
            return {OpenStatus::Unreadable, 0, std::nullopt, std::move(problem), 0};
        }
    };

    // Error codes carried in Error::code by the engine's Results.
    // OnlyAsPictures: the file shows pages that can't be copied as they are; it
    // can still be saved as pictures of its pages.
    enum class EngineError {
        MissingPage = 1,
        WriteFailed = 2,
        OnlyAsPictures = 3,
        TimedOut = 4,      // a job ran past its time limit and was stopped
        WorkerStopped = 5, // the worker died on the job
        OutOfMemory = 6,   // the job needed more memory than a worker may use
        Refused = 7,       // the file stopped workers before; not tried again
        Unavailable = 8,   // no worker process can be started
        TooLarge = 9,      // a picture of a page would pass the bounds of a drawing
    };
    static QString message(EngineError error);

    // How the engine runs its workers. Tests choose their own.
    struct Options
    {
        QString workerExecutable; // see WorkerPool::defaultExecutable()
        QStringList workerArguments;
        int workers = 1;
        qint64 workerMemoryBytes = 0; // 0: unbounded
        int openSeconds = 60;
        int renderSeconds = 30;
        int buildSeconds = 60; // a build also gets buildSecondsPerPage per page
        double buildSecondsPerPage = 2;
        // How long a cancelled job may run on before its worker is ended.
        std::chrono::milliseconds cancelGrace{1000};
        // A worker's reply, once begun, must be whole within this time.
        std::chrono::milliseconds replyDeadline{5000};

        static Options standard(); // from the machine's cores and memory
    };

    static PDFEngine &shared();

    explicit PDFEngine(QObject *parent = nullptr);
    explicit PDFEngine(const Options &options, QObject *parent = nullptr);
    // Running and queued jobs end without an answer (their futures are cancelled);
    // returns within a second whatever the workers do.
    ~PDFEngine() override;

    // How many jobs run at once.
    int workerCount() const;
    // Starts the workers ahead of any call, so that the first document opened
    // and its first pages don't wait for them to start. Otherwise they start
    // as the work needs them.
    void startWorkers();

    // Opens a source into the cache: a PDF (by extension, case-insensitive) or a
    // picture, which becomes a one-page document whose long side is 842 pt.
    QFuture<OpenResult> open(const QUrl &url, const std::optional<QString> &password);
    // Drops the cached document of that URL; other caches stay.
    QFuture<void> forget(const QUrl &url);
    // The page as displayed with an extra turn, in points; 595 x 842 when unknown.
    // Answered from the sizes read at open.
    QFuture<QSizeF> displaySize(const PageSource &source, int turn);
    // The page turned by `turn`, upright as displayed, on white, with its longer
    // side `longSide` pixels. A null QImage when the page is missing or can't be
    // drawn within the limits.
    QFuture<QImage> image(const PageSource &source, int turn, double longSide);
    // The picture in which codes are looked for: image(source, 0, 2400).
    QFuture<QImage> codeImage(const PageSource &source);

    // A picture decoded on a worker from its encoded bytes, in any format the
    // worker reads: its largest frame, upright by its orientation tag, no larger
    // than `longSide` on its longer side (reduced only when larger). A null
    // image when the bytes are no picture, the worker fails, or its answer is
    // not of the size asked for. Nothing is cached.
    QFuture<QImage> decodePicture(QByteArray bytes, int longSide);
    // The same for a picture file, whose bytes the engine reads.
    QFuture<QImage> decodePicture(QUrl file, int longSide);

    // Renders pages 0..pageCount-1 of a cached source at the code-reading size and
    // hands each to `visit`, in page order, on the thread pool, one page at a time;
    // pages are drawn by several workers at once. When `visit` answers true, the
    // page is drawn again at twice the size and handed over once more, with
    // `sharper` set, before the next page. Checks `cancel` before every page.
    // Pages that can't be rendered are skipped. Finishes with false when
    // cancelled. Lets the code reader run on the engine without the engine
    // knowing about codes.
    QFuture<bool>
    forEachCodeImage(const QUrl &url, int pageCount, CancelToken cancel,
                     std::function<bool(int pageIndex, const QImage &, bool sharper)> visit);

    // Output. `cancel` stops a job between pages, ending with a cancelled Result; a
    // job that doesn't stop within a second is ended with its worker. Failures carry EngineError
    // codes: MissingPage when a page's source is no longer cached, WriteFailed
    // when no PDF could be made.
    // The PDF of the plan: pages in plan order with their turns and stamps,
    // compressed by the plan's quality and protected by its password.
    // The bytes come in a sealed memory file: the one copy of the output.
    QFuture<Result<SharedBytes>> build(const BuildPlan &plan, CancelToken cancel);
    // The same as a byte array of its own, for callers that keep several outputs
    // to compare and offer.
    QFuture<Result<QByteArray>> buildBytes(const BuildPlan &plan, CancelToken cancel);
    // The same written straight into `file`, a descriptor open for writing (the
    // atomic write's temporary file), from its start, so that no copy of the
    // output is held in memory. The caller keeps it open until the future ends
    // and throws its contents away on failure.
    QFuture<Result<void>> buildInto(const BuildPlan &plan, int file, CancelToken cancel);
    // One picture per page of the plan (stamps drawn) at `dpi`: PNG, or JPEG at
    // quality 0.85 when `jpeg` is set.
    // The pages are drawn by several workers at once.
    QFuture<Result<QList<QByteArray>>> pictures(const BuildPlan &plan, double dpi, bool jpeg,
                                                CancelToken cancel);
    // The picture of the plan's page `index` alone, as pictures() makes it.
    QFuture<Result<QByteArray>> picture(const BuildPlan &plan, int index, double dpi, bool jpeg,
                                        CancelToken cancel);

    // For tests and benchmarks: how many documents the cache holds.
    QFuture<int> cachedDocumentCount();

    // For tests: worker processes started so far, replaced ones included.
    int startedWorkerCount() const;

    struct Source; // one cached version of a source
    struct State;  // defined in the engine's sources

private:
    // Builds the plan on a worker; `done` runs once, on the supervisor thread
    // (or at once when nothing was sent). With a `file`, the output goes there
    // and `done` gets empty bytes.
    void buildOutput(const BuildPlan &plan, CancelToken cancel,
                     std::function<void(Result<SharedBytes>)> done, int file = -1);
    // Draws the plan's one page as a picture to export, likewise.
    void exportPicture(const BuildPlan &plan, double dpi, bool jpeg, CancelToken cancel,
                       std::function<void(Result<SharedBytes>)> done);
    // Runs `then` once the plan's sources are opened, unless `cancel` is set.
    void afterPlanOpens(const BuildPlan &plan, CancelToken cancel,
                        const std::function<void(Result<SharedBytes>)> &done,
                        std::function<void()> then);

    std::shared_ptr<State> m_state;
    std::unique_ptr<WorkerPool> m_pool;
};
