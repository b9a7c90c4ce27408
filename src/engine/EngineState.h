#pragma once

// The engine's own state: the cached versions of every source, shared by the
// calls on the main thread and the answers on the supervisor thread.

#include "engine/PDFEngine.h"
#include "engine/WorkerPool.h"

#include <QFile>
#include <QThreadPool>

#include <sys/stat.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <unordered_map>

// What a file looked like when it was read; a source whose file no longer matches
// is read again, as a new revision, on the next open.
struct FileStamp
{
    bool exists = false; // a regular file
    qint64 size = -1;
    qint64 modifiedNs = 0;
    quint64 inode = 0;

    static FileStamp of(const struct stat &info)
    {
        return FileStamp{true, qint64(info.st_size),
                         qint64(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec,
                         quint64(info.st_ino)};
    }
    static FileStamp of(const QString &path)
    {
        struct stat info;
        // Only regular files: reading a pipe or a device named like a PDF would never end.
        if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &info) != 0 ||
            !S_ISREG(info.st_mode)) {
            return {};
        }
        return of(info);
    }
    friend bool operator==(const FileStamp &, const FileStamp &) = default;
};

struct UrlHash
{
    size_t operator()(const QUrl &url) const noexcept { return qHash(url); }
};

struct PDFEngine::Source
{
    QUrl url;
    FileStamp stamp;
    int revision = 0;
    std::shared_ptr<const WorkerSource> load; // the bytes; the password that unlocks them
    bool locked = false;
    int pageCount = 0;
    QList<QSizeF> sizes; // as displayed without an extra turn
    std::optional<QString> password;
};

struct PDFEngine::State
{
    struct Versions
    {
        QList<std::shared_ptr<const Source>> all;
        std::shared_ptr<const Source> current;
        int nextRevision = 0;
    };

    mutable std::mutex mutex; // guards sources
    std::unordered_map<QUrl, Versions, UrlHash> sources;

    // Guards `pool`, which is cleared before the pool goes away; recursive since
    // a job answered at once (no worker) may submit the next one.
    std::recursive_mutex poolMutex;
    WorkerPool *pool = nullptr;
    Options options;
    QThreadPool threads; // reading files, handing pictures to visitors

    void submit(std::shared_ptr<WorkerPool::Job> job)
    {
        const std::lock_guard lock(poolMutex);
        if (pool) {
            pool->submit(std::move(job));
        }
    }
    std::shared_ptr<const WorkerSource> workerSource(SharedBytes bytes,
                                                     std::optional<QString> password)
    {
        const std::lock_guard lock(poolMutex);
        return pool ? pool->source(std::move(bytes), std::move(password)) : nullptr;
    }

    std::shared_ptr<const Source> current(const QUrl &url) const
    {
        const std::lock_guard lock(mutex);
        const auto found = sources.find(url);
        return found == sources.end() ? nullptr : found->second.current;
    }

    std::shared_ptr<const Source> resolve(const PageSource &page) const
    {
        const std::lock_guard lock(mutex);
        const auto found = sources.find(page.url);
        if (found == sources.end()) {
            return nullptr;
        }
        std::shared_ptr<const Source> source;
        for (const auto &version : found->second.all) {
            if (version->revision == page.revision) {
                source = version;
            }
        }
        if (!source || source->locked || page.index < 0 || page.index >= source->pageCount) {
            return nullptr;
        }
        return source;
    }

    // Opens under way, by URL. Calls naming such a URL wait for them, so that
    // work asked for after an open sees what it opened, as callers expect of
    // requests made in order.
    std::mutex openingMutex;
    std::atomic_bool closing{false};
    std::unordered_map<QUrl, int, UrlHash> opening;
    std::vector<std::pair<QList<QUrl>, std::function<void()>>> waiting;

    // Runs `then` now, or once no open of `urls` (of any URL when empty) is under way.
    void afterOpens(QList<QUrl> urls, std::function<void()> then);
    // Counts an open under way until the returned guard goes.
    std::shared_ptr<void> beginOpen(const QUrl &url);

    // The jobs of output requests; none when a page's source is no longer cached.
    // With a `file`, a build writes its output there.
    std::shared_ptr<WorkerPool::Job> buildJob(const BuildPlan &plan, CancelToken cancel, int file);
    std::shared_ptr<WorkerPool::Job> exportPictureJob(const BuildPlan &plan, double dpi, bool jpeg,
                                                      CancelToken cancel);
    std::shared_ptr<WorkerPool::Job> jpegPageJob(const BuildPlan &plan, CancelToken cancel);
    // Submits an output job whose reply is an OutputReply; `done` runs once.
    void submitOutput(std::shared_ptr<WorkerPool::Job> job,
                      std::function<void(Result<SharedBytes>)> done, bool intoFile);
    void openOnThread(std::shared_ptr<QPromise<OpenResult>> promise, QUrl url,
                      std::optional<QString> password);
    bool answerOpen(QPromise<OpenResult> &promise, WorkerProtocol::Message &message, bool isPicture,
                    std::shared_ptr<Source> made, std::shared_ptr<const Source> unlocking);

private:
    // The plan as the worker knows it (sources by their keys), with those
    // sources loaded into `job`; none when a page's source is not cached.
    std::optional<BuildPlan> keyed(const BuildPlan &plan, WorkerPool::Job &job) const;
    std::chrono::milliseconds outputLimit(const BuildPlan &plan, bool drawn) const;
};

// The file's bytes in a memory file, and the stamp of exactly what was read:
// workers read no file of the user's, they are handed its bytes.
std::optional<std::pair<SharedBytes, FileStamp>> readFile(const QString &path);

inline Error errorOf(PDFEngine::EngineError error)
{
    return Error{PDFEngine::message(error), int(error), false};
}

// What a job that a worker didn't answer ends with.
inline Error failureError(WorkerPool::Failure failure)
{
    switch (failure) {
    case WorkerPool::Failure::Canceled:
        return Error::cancellation();
    case WorkerPool::Failure::TimedOut:
        return errorOf(PDFEngine::EngineError::TimedOut);
    case WorkerPool::Failure::Crashed:
        return errorOf(PDFEngine::EngineError::WorkerStopped);
    case WorkerPool::Failure::OutOfMemory:
        return errorOf(PDFEngine::EngineError::OutOfMemory);
    case WorkerPool::Failure::Refused:
        return errorOf(PDFEngine::EngineError::Refused);
    case WorkerPool::Failure::Unavailable:
        return errorOf(PDFEngine::EngineError::Unavailable);
    }
    return errorOf(PDFEngine::EngineError::WriteFailed);
}

// A worker's failure in the user's words.
inline Error errorOf(const WorkerProtocol::Failed &failed)
{
    if (failed.canceled) {
        return Error::cancellation();
    }
    Error error = errorOf(PDFEngine::EngineError(failed.fault));
    error.systemError = failed.systemError;
    return error;
}

// The worker's answer to a request whose reply is R: that reply, or the
// failure it answered with; none when the answer breaks the protocol.
template<typename R> std::optional<Result<R>> replyOf(WorkerProtocol::Message &message)
{
    if (message.type == WorkerProtocol::Type::Failed) {
        const std::optional<WorkerProtocol::Failed> failed =
            WorkerProtocol::decode<WorkerProtocol::Failed>(message);
        if (!failed) {
            return std::nullopt;
        }
        return Result<R>(errorOf(*failed));
    }
    std::optional<R> reply = WorkerProtocol::decode<R>(message);
    if (!reply) {
        return std::nullopt;
    }
    return Result<R>(std::move(*reply));
}
