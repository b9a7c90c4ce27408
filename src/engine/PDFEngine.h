#pragma once

// The one place where the program touches PDF documents.
//
// Thread contract: PDFEngine is a QObject facade used from the main thread. Every
// operation is queued on the engine's single worker thread, which owns every
// Poppler and qpdf object; operations never run at the same time, so the worker
// needs no locks. Each call returns a QFuture whose result is a value (counts,
// sizes, QImage, bytes); nothing that points into a document leaves the worker.
// Await the futures from coroutines (platform/Async.h) or attach continuations
// with a context object on the main thread.
//
// Sources are keyed by the URL exactly as it was handed to open(); one opened
// document per URL is kept until forget().

#include "document/DocumentTypes.h"
#include "platform/Async.h"
#include "platform/SharedBytes.h"

#include <QByteArray>
#include <QFuture>
#include <QList>
#include <QImage>
#include <QObject>
#include <QSizeF>

#include <functional>
#include <memory>

class QThreadPool;

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

        static OpenResult opened(int pageCount, std::optional<QString> password = std::nullopt)
        {
            return {OpenStatus::Opened, pageCount, std::move(password)};
        }
        static OpenResult needsPassword() { return {OpenStatus::NeedsPassword, 0, std::nullopt}; }
        static OpenResult unreadable() { return {OpenStatus::Unreadable, 0, std::nullopt}; }
    };

    // Error codes carried in Error::code by the engine's Results.
    // OnlyAsPictures: the file shows pages that can't be copied as they are; it
    // can still be saved as pictures of its pages.
    enum class EngineError { MissingPage = 1, WriteFailed = 2, OnlyAsPictures = 3 };
    static QString message(EngineError error);

    static PDFEngine &shared();

    explicit PDFEngine(QObject *parent = nullptr);
    ~PDFEngine() override; // waits for the queued work to end

    // Opens a source into the cache: a PDF (by extension, case-insensitive) or a
    // picture, which becomes a one-page document whose long side is 842 pt.
    QFuture<OpenResult> open(const QUrl &url, const std::optional<QString> &password);
    // Drops the cached document of that URL; other caches stay.
    QFuture<void> forget(const QUrl &url);
    // The page as displayed with an extra turn, in points; 595 x 842 when unknown.
    QFuture<QSizeF> displaySize(const PageSource &source, int turn);
    // The page turned by `turn`, upright as displayed, on white, with its longer
    // side `longSide` pixels. A null QImage when the page is missing.
    QFuture<QImage> image(const PageSource &source, int turn, double longSide);
    // The picture in which codes are looked for: image(source, 0, 2400).
    QFuture<QImage> codeImage(const PageSource &source);

    // Renders pages 0..pageCount-1 of a cached source at the code-reading size and
    // hands each to `visit` on the worker thread, checking `cancel` before every
    // page. Pages that can't be rendered are skipped. Finishes with false when
    // cancelled. Lets the code reader run on the engine without the engine
    // knowing about codes.
    QFuture<bool> forEachCodeImage(const QUrl &url, int pageCount, CancelToken cancel,
                                   std::function<void(int pageIndex, const QImage &)> visit);

    // Output. Each runs on the worker and holds it until it ends; `cancel` stops it
    // between pages, ending with a cancelled Result. Failures carry EngineError
    // codes: MissingPage when a page's source is no longer cached, WriteFailed
    // when no PDF could be made.
    // The PDF of the plan: pages in plan order with their turns and stamps,
    // compressed by the plan's quality and protected by its password.
    // The bytes come in a sealed memory file: the one copy of the output.
    QFuture<Result<SharedBytes>> build(const BuildPlan &plan, CancelToken cancel);
    // The same as a byte array of its own, for callers that keep several outputs
    // to compare and offer.
    QFuture<Result<QByteArray>> buildBytes(const BuildPlan &plan, CancelToken cancel);
    // One picture per page of the plan (stamps drawn) at `dpi`: PNG, or JPEG at
    // quality 0.85 when `jpeg` is set.
    QFuture<Result<QList<QByteArray>>> pictures(const BuildPlan &plan, double dpi, bool jpeg,
                                               CancelToken cancel);

    // For tests and benchmarks: how many documents the cache holds.
    QFuture<int> cachedDocumentCount();

    struct Worker; // the worker-side state; defined in the engine's sources

private:
    template<typename F>
    auto enqueue(F &&job);
    template<typename T, typename F>
    QFuture<Result<T>> enqueueOutput(F &&job);

    std::unique_ptr<QThreadPool> m_pool;
    std::unique_ptr<Worker> m_worker;
};
