// The engine's output operations: building PDFs and pictures of pages.

#include "engine/PDFEngine.h"

#include "engine/BuildErrors.h"
#include "engine/EngineState.h"
#include "engine/WorkerPool.h"
#include "engine/WorkerProtocol.h"

#include <QSet>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <memory>
#include <mutex>
#include <string>
#include <utility>

using namespace WorkerProtocol;

namespace {

// The worker's answer; empty bytes for an output written into a file.
Result<SharedBytes> readOutput(QDataStream &in, Message &message, bool intoFile = false)
{
    bool ok = false;
    in >> ok;
    if (!ok) {
        Error error;
        read(in, error);
        if (in.status() != QDataStream::Ok) {
            return BuildErrors::writeFailed();
        }
        return error;
    }
    if (intoFile) {
        return SharedBytes();
    }
    std::optional<SharedBytes> bytes = readBytes(in, message.fds);
    if (!bytes || bytes->isEmpty()) {
        return BuildErrors::writeFailed();
    }
    return std::move(*bytes);
}

// Says whether the output goes into a file, and hands the worker that file: it
// comes last among the request's descriptors.
void sendFile(WorkerPool::Job &job, QDataStream &out, int file)
{
    out << (file >= 0);
    if (file >= 0) {
        job.descriptors.push_back(file);
    }
}

// The plan's page `index` alone, as it is drawn: no password, no compression.
BuildPlan onePage(const BuildPlan &plan, int index)
{
    BuildPlan one = plan;
    one.pages = {plan.pages.at(index)};
    one.password.reset();
    one.quality.reset();
    return one;
}

Result<SharedBytes> readOutput(Message &message, bool intoFile = false)
{
    QDataStream in(message.payload);
    prepare(in);
    return readOutput(in, message, intoFile);
}

} // namespace

namespace {
void outputAsPictures(const std::shared_ptr<PDFEngine::State> &state, const BuildPlan &plan, CancelToken cancel,
                      std::function<void(Result<SharedBytes>)> done, int file);
} // namespace

void PDFEngine::output(bool picture, const BuildPlan &plan, double dpi, bool jpeg, CancelToken cancel,
                       std::function<void(Result<SharedBytes>)> done, int file)
{
    if (cancel.isCanceled()) {
        done(Result<SharedBytes>::canceled());
        return;
    }
    QList<QUrl> urls;
    for (const PageItem &page : plan.pages) {
        urls.append(page.source.url);
    }
    const std::shared_ptr<State> state = m_state;
    state->afterOpens(urls, [state, plan, picture, dpi, jpeg, cancel, done, file] {
        if (!picture && plan.quality && plan.quality->pagesAsPictures && plan.pages.size() > 1) {
            outputAsPictures(state, plan, cancel, done, file);
        } else {
            state->output(picture, plan, dpi, jpeg, cancel, done, file);
        }
    });
}

std::shared_ptr<WorkerPool::Job> PDFEngine::State::outputJob(bool picture, const BuildPlan &plan, double dpi,
                                                             bool jpeg, CancelToken cancel, int file)
{
    // Pages name their sources by file; the worker knows each cached version by
    // its own key.
    BuildPlan sent = plan;
    QSet<quint64> keys;
    auto job = std::make_shared<WorkerPool::Job>();
    for (PageItem &page : sent.pages) {
        const std::shared_ptr<const Source> source = resolve(page.source);
        if (!source) {
            return nullptr;
        }
        if (!keys.contains(source->load->key)) {
            keys.insert(source->load->key);
            job->sources.push_back(source->load);
        }
        page.source = PageSource{WorkerProtocol::keyUrl(source->load->key), page.source.index, 0};
    }
    job->type = picture ? Type::Picture : Type::Build;
    job->kind = picture ? JobKind::Picture : JobKind::Build;
    job->cancel = cancel;
    job->limit = std::chrono::milliseconds(
        qint64(1000 * (options.buildSeconds + options.buildSecondsPerPage * double(plan.pages.size())
                       + (picture ? options.renderSeconds : 0))));
    QDataStream out(&job->payload, QIODevice::WriteOnly);
    prepare(out);
    write(out, sent);
    // The stamp pictures the pages place travel with the plan; one that can't
    // be read is left out, as the worker leaves out one it can't decode.
    QList<QUrl> stampUrls;
    for (const PageItem &page : plan.pages) {
        for (const StampPlacement &placement : page.stamps) {
            const auto file = plan.stampFiles.constFind(placement.stampID);
            if (file != plan.stampFiles.constEnd() && !stampUrls.contains(*file)) {
                stampUrls.append(*file);
            }
        }
    }
    std::vector<std::pair<QUrl, SharedBytes>> stamps;
    for (const QUrl &url : std::as_const(stampUrls)) {
        if (auto read = readFile(url.toLocalFile())) {
            stamps.emplace_back(url, std::move(read->first));
        }
    }
    out << qint32(stamps.size());
    for (const auto &[url, bytes] : stamps) {
        out << url;
        writeBytes(out, bytes, job->attached);
    }
    if (picture) {
        out << dpi << jpeg;
    } else {
        sendFile(*job, out, file);
    }
    return job;
}

void PDFEngine::State::output(bool picture, const BuildPlan &plan, double dpi, bool jpeg, CancelToken cancel,
                              std::function<void(Result<SharedBytes>)> done, int file)
{
    const std::shared_ptr<WorkerPool::Job> job = outputJob(picture, plan, dpi, jpeg, cancel, file);
    if (!job) {
        done(Result<SharedBytes>(BuildErrors::missingPage()));
        return;
    }
    job->answered = [done, file](Message &message) { done(readOutput(message, file >= 0)); };
    job->failed = [done](WorkerPool::Failure failure) { done(Result<SharedBytes>(failureError(failure))); };
    submit(job);
}

namespace {

// A PDF made of pictures of its pages: the pages are drawn by several workers
// at once, a few at a time so that other work still gets a worker, then one
// worker puts the pictures together.
struct PicturePages : std::enable_shared_from_this<PicturePages>
{
    std::weak_ptr<PDFEngine::State> state;
    BuildPlan plan;
    CancelToken cancel;
    std::function<void(Result<SharedBytes>)> done;
    int file = -1; // where the PDF goes, if not into memory
    int window = 1;

    std::mutex mutex;
    std::vector<std::pair<QSizeF, QByteArray>> pages;
    int nextToAsk = 0;
    int left = 0;
    bool ended = false;

    void askMore();
    void arrived(int index, Result<std::pair<QSizeF, QByteArray>> made);
    void assemble();
    // Under the mutex: whether the work goes on; ends it as cancelled when
    // nobody waits for it any more.
    bool goesOn(const PDFEngine::State *owner)
    {
        if (!ended && (!owner || cancel.isCanceled())) {
            end(Result<SharedBytes>::canceled());
        }
        return !ended;
    }
    void end(Result<SharedBytes> result)
    {
        if (!std::exchange(ended, true)) {
            done(std::move(result));
        }
    }
};

Result<std::pair<QSizeF, QByteArray>> readPagePicture(Message &message)
{
    QDataStream in(message.payload);
    prepare(in);
    const Result<SharedBytes> bytes = readOutput(in, message);
    if (!bytes) {
        return bytes.error();
    }
    QSizeF points;
    in >> points;
    if (in.status() != QDataStream::Ok || !(points.width() > 0 && points.height() > 0)) {
        return BuildErrors::writeFailed();
    }
    return std::pair<QSizeF, QByteArray>(points, bytes->view().toByteArray());
}

void PicturePages::askMore()
{
    const std::shared_ptr<PDFEngine::State> owner = state.lock();
    std::vector<std::shared_ptr<WorkerPool::Job>> jobs;
    {
        const std::lock_guard lock(mutex);
        if (!goesOn(owner.get())) {
            return;
        }
        while (nextToAsk < int(pages.size()) && nextToAsk - (int(pages.size()) - left) < window) {
            const int index = nextToAsk++;
            BuildPlan one = onePage(plan, index);
            one.quality = plan.quality; // tells the worker to draw it as such a page
            const std::shared_ptr<WorkerPool::Job> job = owner->outputJob(true, one, 0, true, cancel);
            if (!job) {
                end(Result<SharedBytes>(BuildErrors::missingPage()));
                return;
            }
            const std::shared_ptr<PicturePages> self = shared_from_this();
            job->answered = [self, index](Message &message) { self->arrived(index, readPagePicture(message)); };
            job->failed = [self, index](WorkerPool::Failure failure) { self->arrived(index, failureError(failure)); };
            jobs.push_back(job);
        }
    }
    for (auto &job : jobs) {
        owner->submit(std::move(job));
    }
}

void PicturePages::arrived(int index, Result<std::pair<QSizeF, QByteArray>> made)
{
    bool all = false;
    {
        const std::lock_guard lock(mutex);
        if (ended) {
            return;
        }
        if (!made) {
            end(made.error());
            return;
        }
        pages[size_t(index)] = std::move(made).value();
        all = --left == 0;
    }
    // Outside the lock: a job the pool can't take is answered at once.
    if (all) {
        assemble();
    } else {
        askMore();
    }
}

void PicturePages::assemble()
{
    const std::shared_ptr<PDFEngine::State> owner = state.lock();
    auto job = std::make_shared<WorkerPool::Job>();
    {
        const std::lock_guard lock(mutex);
        if (!goesOn(owner.get())) {
            return;
        }
        // One memory file holds every picture, one after another: the worker
        // reads them where they lie.
        SharedBytes::Writer writer;
        QList<QSizeF> points;
        QList<qint64> ends;
        qint64 written = 0;
        for (auto &[size, bytes] : pages) {
            if (!writer.write(bytes)) {
                end(Result<SharedBytes>(BuildErrors::writeFailed()));
                return;
            }
            written += bytes.size();
            points.append(size);
            ends.append(written);
            bytes = QByteArray();
        }
        std::optional<SharedBytes> all = writer.finish();
        if (!all) {
            end(Result<SharedBytes>(BuildErrors::writeFailed()));
            return;
        }
        job->type = Type::Assemble;
        job->kind = JobKind::Build;
        job->cancel = cancel;
        job->limit = std::chrono::milliseconds(qint64(
            1000 * (owner->options.buildSeconds + owner->options.buildSecondsPerPage * double(pages.size()))));
        QDataStream out(&job->payload, QIODevice::WriteOnly);
        prepare(out);
        writePassword(out, plan.password) << points << ends;
        writeShared(out, *all, job->attached);
        sendFile(*job, out, file);
    }
    const std::shared_ptr<PicturePages> self = shared_from_this();
    job->answered = [self](Message &message) {
        const std::lock_guard lock(self->mutex);
        self->end(readOutput(message, self->file >= 0));
    };
    job->failed = [self](WorkerPool::Failure failure) {
        const std::lock_guard lock(self->mutex);
        self->end(Result<SharedBytes>(failureError(failure)));
    };
    owner->submit(std::move(job));
}

} // namespace

namespace {

void outputAsPictures(const std::shared_ptr<PDFEngine::State> &state, const BuildPlan &plan, CancelToken cancel,
                      std::function<void(Result<SharedBytes>)> done, int file)
{
    auto pages = std::make_shared<PicturePages>();
    pages->state = state;
    pages->plan = plan;
    pages->cancel = cancel;
    pages->done = std::move(done);
    pages->file = file;
    pages->pages.resize(size_t(plan.pages.size()));
    pages->left = int(plan.pages.size());
    {
        const std::lock_guard lock(state->poolMutex);
        pages->window = state->pool ? std::max(state->pool->workerCount(), 1) * 2 : 1;
    }
    pages->askMore(); // its jobs hold it from here on
}

} // namespace

namespace {

// A future for one output; `convert` turns the worker's bytes into its value.
template<typename T>
QFuture<Result<T>> outputFuture(const std::function<void(std::function<void(Result<SharedBytes>)>)> &start,
                                T (*convert)(SharedBytes))
{
    auto promise = std::make_shared<QPromise<Result<T>>>();
    promise->start();
    QFuture<Result<T>> future = promise->future();
    start([promise, convert](Result<SharedBytes> made) {
        promise->addResult(made ? Result<T>(convert(std::move(made).value())) : Result<T>(made.error()));
        promise->finish();
    });
    return future;
}

SharedBytes asShared(SharedBytes bytes)
{
    return bytes;
}

QByteArray asArray(SharedBytes bytes)
{
    return bytes.view().toByteArray();
}

} // namespace

QFuture<Result<SharedBytes>> PDFEngine::build(const BuildPlan &plan, CancelToken cancel)
{
    return outputFuture<SharedBytes>([&](auto done) { output(false, plan, 0, false, cancel, std::move(done)); },
                                     asShared);
}

QFuture<Result<QByteArray>> PDFEngine::buildBytes(const BuildPlan &plan, CancelToken cancel)
{
    return outputFuture<QByteArray>([&](auto done) { output(false, plan, 0, false, cancel, std::move(done)); },
                                    asArray);
}

QFuture<Result<void>> PDFEngine::buildInto(const BuildPlan &plan, int file, CancelToken cancel)
{
    auto promise = std::make_shared<QPromise<Result<void>>>();
    promise->start();
    QFuture<Result<void>> future = promise->future();
    // The worker reads back what it wrote through the descriptor it is handed,
    // since it can open no file of the user's: the caller's may be open for
    // writing only, so the worker gets the same file opened for both. Closed when
    // the job is done with it.
    const int both = ::open(("/proc/self/fd/" + std::to_string(file)).c_str(), O_RDWR | O_CLOEXEC);
    const std::shared_ptr<void> closing(nullptr, [both](void *) {
        if (both >= 0) {
            ::close(both);
        }
    });
    output(
        false, plan, 0, false, cancel,
        [promise, closing](Result<SharedBytes> made) {
            promise->addResult(made ? Result<void>() : Result<void>(made.error()));
            promise->finish();
        },
        both >= 0 ? both : file);
    return future;
}

QFuture<Result<QByteArray>> PDFEngine::picture(const BuildPlan &plan, int index, double dpi, bool jpeg,
                                               CancelToken cancel)
{
    if (index < 0 || index >= plan.pages.size()) {
        return Async::ready(Result<QByteArray>(BuildErrors::missingPage()));
    }
    return outputFuture<QByteArray>(
        [&](auto done) { output(true, onePage(plan, index), dpi, jpeg, cancel, std::move(done)); }, asArray);
}

namespace {

// The pictures of a plan's pages, drawn by several workers, collected in order.
struct Collected
{
    std::mutex mutex;
    QList<QByteArray> pictures;
    int left = 0;
    bool done = false;
    QPromise<Result<QList<QByteArray>>> promise;
};

} // namespace

QFuture<Result<QList<QByteArray>>> PDFEngine::pictures(const BuildPlan &plan, double dpi, bool jpeg,
                                                       CancelToken cancel)
{
    auto collected = std::make_shared<Collected>();
    collected->promise.start();
    QFuture<Result<QList<QByteArray>>> future = collected->promise.future();
    collected->pictures.resize(plan.pages.size());
    collected->left = int(plan.pages.size());
    if (plan.pages.isEmpty()) {
        collected->promise.addResult(QList<QByteArray>());
        collected->promise.finish();
        return future;
    }
    for (int i = 0; i < plan.pages.size(); ++i) {
        output(true, onePage(plan, i), dpi, jpeg, cancel, [collected, i](Result<SharedBytes> made) {
            const std::lock_guard lock(collected->mutex);
            if (collected->done) {
                return;
            }
            if (!made) {
                collected->done = true;
                collected->promise.addResult(Result<QList<QByteArray>>(made.error()));
                collected->promise.finish();
                return;
            }
            collected->pictures[i] = made->view().toByteArray();
            if (--collected->left == 0) {
                collected->done = true;
                collected->promise.addResult(Result<QList<QByteArray>>(std::move(collected->pictures)));
                collected->promise.finish();
            }
        });
    }
    return future;
}
