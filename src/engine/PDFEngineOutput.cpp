// The engine's output operations: building PDFs and pictures of pages.

#include "engine/PDFEngine.h"

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

// The worker's answer to an output request: its bytes, or empty ones for an
// output written into a file; none when the answer breaks the protocol.
std::optional<Result<SharedBytes>> readOutput(Message &message, bool intoFile)
{
    const std::optional<Result<OutputReply>> answer = replyOf<OutputReply>(message);
    if (!answer) {
        return std::nullopt;
    }
    if (!*answer) {
        return Result<SharedBytes>(answer->error());
    }
    SharedBytes bytes = answer->value().bytes;
    if (bytes.isEmpty() != intoFile) {
        return std::nullopt;
    }
    return Result<SharedBytes>(std::move(bytes));
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

} // namespace

namespace {
void outputAsPictures(const std::shared_ptr<PDFEngine::State> &state, const BuildPlan &plan,
                      CancelToken cancel, std::function<void(Result<SharedBytes>)> done, int file);
} // namespace

void PDFEngine::afterPlanOpens(const BuildPlan &plan, CancelToken cancel,
                               const std::function<void(Result<SharedBytes>)> &done,
                               std::function<void()> then)
{
    if (cancel.isCanceled()) {
        done(Result<SharedBytes>::canceled());
        return;
    }
    QList<QUrl> urls;
    for (const PageItem &page : plan.pages) {
        urls.append(page.source.url);
    }
    m_state->afterOpens(urls, std::move(then));
}

void PDFEngine::buildOutput(const BuildPlan &plan, CancelToken cancel,
                            std::function<void(Result<SharedBytes>)> done, int file)
{
    const std::shared_ptr<State> state = m_state;
    afterPlanOpens(plan, cancel, done, [state, plan, cancel, done, file] {
        if (plan.quality && plan.quality->pagesAsPictures && plan.pages.size() > 1) {
            outputAsPictures(state, plan, cancel, done, file);
        } else {
            state->submitOutput(state->buildJob(plan, cancel, file), done, file >= 0);
        }
    });
}

void PDFEngine::exportPicture(const BuildPlan &plan, double dpi, bool jpeg, CancelToken cancel,
                              std::function<void(Result<SharedBytes>)> done)
{
    const std::shared_ptr<State> state = m_state;
    afterPlanOpens(plan, cancel, done, [state, plan, dpi, jpeg, cancel, done] {
        state->submitOutput(state->exportPictureJob(plan, dpi, jpeg, cancel), done, false);
    });
}

std::optional<BuildPlan> PDFEngine::State::keyed(const BuildPlan &plan, WorkerPool::Job &job) const
{
    // Pages name their sources by file; the worker knows each cached version by
    // its own key.
    BuildPlan sent = plan;
    QSet<quint64> keys;
    for (PageItem &page : sent.pages) {
        const std::shared_ptr<const Source> source = resolve(page.source);
        if (!source) {
            return std::nullopt;
        }
        if (!keys.contains(source->load->key)) {
            keys.insert(source->load->key);
            job.sources.push_back(source->load);
        }
        page.source = PageSource{WorkerProtocol::keyUrl(source->load->key), page.source.index, 0};
    }
    return sent;
}

namespace {

// The stamp pictures the plan's pages place; one that can't be read is left
// out, as the worker leaves out one it can't decode.
StampPictures stampPictures(const BuildPlan &plan)
{
    StampPictures stamps;
    for (const PageItem &page : plan.pages) {
        for (const StampPlacement &placement : page.stamps) {
            const auto file = plan.stampFiles.constFind(placement.stampID);
            if (file == plan.stampFiles.constEnd() || stamps.contains(*file)) {
                continue;
            }
            if (auto read = readFile(file->toLocalFile())) {
                stamps.emplace(*file, std::move(read->first));
            }
        }
    }
    return stamps;
}

} // namespace

std::chrono::milliseconds PDFEngine::State::outputLimit(const BuildPlan &plan, bool drawn) const
{
    return std::chrono::milliseconds(qint64(
        1000 * (options.buildSeconds + options.buildSecondsPerPage * double(plan.pages.size()) +
                (drawn ? options.renderSeconds : 0))));
}

std::shared_ptr<WorkerPool::Job> PDFEngine::State::buildJob(const BuildPlan &plan,
                                                            CancelToken cancel, int file)
{
    auto job = std::make_shared<WorkerPool::Job>();
    const std::optional<BuildPlan> sent = keyed(plan, *job);
    if (!sent) {
        return nullptr;
    }
    job->ask(Build{*sent, file, stampPictures(plan)});
    job->lendsFile = file >= 0;
    job->cancel = cancel;
    job->limit = outputLimit(plan, false);
    return job;
}

std::shared_ptr<WorkerPool::Job>
PDFEngine::State::exportPictureJob(const BuildPlan &plan, double dpi, bool jpeg, CancelToken cancel)
{
    auto job = std::make_shared<WorkerPool::Job>();
    const std::optional<BuildPlan> sent = keyed(plan, *job);
    if (!sent) {
        return nullptr;
    }
    job->ask(ExportPicture{*sent, dpi, jpeg, stampPictures(plan)});
    job->cancel = cancel;
    job->limit = outputLimit(plan, true);
    return job;
}

std::shared_ptr<WorkerPool::Job> PDFEngine::State::jpegPageJob(const BuildPlan &plan,
                                                               CancelToken cancel)
{
    auto job = std::make_shared<WorkerPool::Job>();
    const std::optional<BuildPlan> sent = keyed(plan, *job);
    if (!sent) {
        return nullptr;
    }
    job->ask(JpegPage{*sent, stampPictures(plan)});
    job->cancel = cancel;
    job->limit = outputLimit(plan, true);
    return job;
}

void PDFEngine::State::submitOutput(std::shared_ptr<WorkerPool::Job> job,
                                    std::function<void(Result<SharedBytes>)> done, bool intoFile)
{
    if (!job) {
        done(Result<SharedBytes>(errorOf(EngineError::MissingPage)));
        return;
    }
    job->answered = [done, intoFile](Message &message) {
        std::optional<Result<SharedBytes>> made = readOutput(message, intoFile);
        if (made) {
            done(std::move(*made));
        }
        return made.has_value();
    };
    job->failed = [done](WorkerPool::Failure failure) {
        done(Result<SharedBytes>(failureError(failure)));
    };
    submit(std::move(job));
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

// The page's JPEG and the size it is shown at; none when the answer breaks the protocol.
std::optional<Result<std::pair<QSizeF, QByteArray>>> readPagePicture(Message &message)
{
    const std::optional<Result<JpegPageReply>> answer = replyOf<JpegPageReply>(message);
    if (!answer) {
        return std::nullopt;
    }
    if (!*answer) {
        return Result<std::pair<QSizeF, QByteArray>>(answer->error());
    }
    const JpegPageReply &reply = answer->value();
    if (reply.jpeg.isEmpty() || !(reply.points.width() > 0 && reply.points.height() > 0)) {
        return std::nullopt;
    }
    return Result<std::pair<QSizeF, QByteArray>>(
        std::pair(reply.points, reply.jpeg.view().toByteArray()));
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
            const std::shared_ptr<WorkerPool::Job> job = owner->jpegPageJob(one, cancel);
            if (!job) {
                end(Result<SharedBytes>(errorOf(PDFEngine::EngineError::MissingPage)));
                return;
            }
            const std::shared_ptr<PicturePages> self = shared_from_this();
            job->answered = [self, index](Message &message) {
                std::optional<Result<std::pair<QSizeF, QByteArray>>> made =
                    readPagePicture(message);
                if (made) {
                    self->arrived(index, std::move(*made));
                }
                return made.has_value();
            };
            job->failed = [self, index](WorkerPool::Failure failure) {
                self->arrived(index, failureError(failure));
            };
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
                end(Result<SharedBytes>(errorOf(PDFEngine::EngineError::WriteFailed)));
                return;
            }
            written += bytes.size();
            points.append(size);
            ends.append(written);
            bytes = QByteArray();
        }
        std::optional<SharedBytes> all = writer.finish();
        if (!all) {
            end(Result<SharedBytes>(errorOf(PDFEngine::EngineError::WriteFailed)));
            return;
        }
        job->ask(Assemble{plan.password, points, ends, *all, file});
        job->lendsFile = file >= 0;
        job->cancel = cancel;
        job->limit = std::chrono::milliseconds(
            qint64(1000 * (owner->options.buildSeconds +
                           owner->options.buildSecondsPerPage * double(pages.size()))));
    }
    const std::shared_ptr<PicturePages> self = shared_from_this();
    job->answered = [self](Message &message) {
        std::optional<Result<SharedBytes>> made = readOutput(message, self->file >= 0);
        if (made) {
            const std::lock_guard lock(self->mutex);
            self->end(std::move(*made));
        }
        return made.has_value();
    };
    job->failed = [self](WorkerPool::Failure failure) {
        const std::lock_guard lock(self->mutex);
        self->end(Result<SharedBytes>(failureError(failure)));
    };
    owner->submit(std::move(job));
}

} // namespace

namespace {

void outputAsPictures(const std::shared_ptr<PDFEngine::State> &state, const BuildPlan &plan,
                      CancelToken cancel, std::function<void(Result<SharedBytes>)> done, int file)
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
QFuture<Result<T>>
outputFuture(const std::function<void(std::function<void(Result<SharedBytes>)>)> &start,
             T (*convert)(SharedBytes))
{
    auto promise = std::make_shared<QPromise<Result<T>>>();
    promise->start();
    QFuture<Result<T>> future = promise->future();
    start([promise, convert](Result<SharedBytes> made) {
        promise->addResult(made ? Result<T>(convert(std::move(made).value()))
                                : Result<T>(made.error()));
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
    return outputFuture<SharedBytes>([&](auto done) { buildOutput(plan, cancel, std::move(done)); },
                                     asShared);
}

QFuture<Result<QByteArray>> PDFEngine::buildBytes(const BuildPlan &plan, CancelToken cancel)
{
    return outputFuture<QByteArray>([&](auto done) { buildOutput(plan, cancel, std::move(done)); },
                                    asArray);
}

QFuture<Result<void>> PDFEngine::buildInto(const BuildPlan &plan, int file, CancelToken cancel)
{
    auto promise = std::make_shared<QPromise<Result<void>>>();
    promise->start();
    QFuture<Result<void>> future = promise->future();
    // The worker reads back what it wrote through the descriptor it is handed,
    // since it can open no file of the user's: the caller's may be open for
    // writing only, so the worker gets the same file opened for both, closed
    // when the job is done with it.
    const int both = ::open(("/proc/self/fd/" + std::to_string(file)).c_str(), O_RDWR | O_CLOEXEC);
    const std::shared_ptr<void> closing(nullptr, [both](void *) {
        if (both >= 0) {
            ::close(both);
        }
    });
    buildOutput(
        plan, cancel,
        [promise, closing](Result<SharedBytes> made) {
            promise->addResult(made ? Result<void>() : Result<void>(made.error()));
            promise->finish();
        },
        both >= 0 ? both : file);
    return future;
}

QFuture<Result<QByteArray>> PDFEngine::picture(const BuildPlan &plan, int index, double dpi,
                                               bool jpeg, CancelToken cancel)
{
    if (index < 0 || index >= plan.pages.size()) {
        return Async::ready(Result<QByteArray>(errorOf(PDFEngine::EngineError::MissingPage)));
    }
    return outputFuture<QByteArray>(
        [&](auto done) { exportPicture(onePage(plan, index), dpi, jpeg, cancel, std::move(done)); },
        asArray);
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
        exportPicture(onePage(plan, i), dpi, jpeg, cancel,
                      [collected, i](Result<SharedBytes> made) {
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
                              collected->promise.addResult(
                                  Result<QList<QByteArray>>(std::move(collected->pictures)));
                              collected->promise.finish();
                          }
                      });
    }
    return future;
}
