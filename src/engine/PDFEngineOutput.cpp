// The engine's output operations: building PDFs and pictures of pages.

#include "engine/PDFEngine.h"

#include "engine/BuildErrors.h"
#include "engine/EngineState.h"
#include "engine/WorkerPool.h"
#include "engine/WorkerProtocol.h"

#include <QSet>

#include <memory>

using namespace WorkerProtocol;

namespace {

// The worker's answer; empty bytes for an output written into a file.
Result<SharedBytes> readOutput(Message &message, bool intoFile)
{
    QDataStream in(message.payload);
    prepare(in);
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
        state->output(picture, plan, dpi, jpeg, cancel, done, file);
    });
}

void PDFEngine::State::output(bool picture, const BuildPlan &plan, double dpi, bool jpeg, CancelToken cancel,
                              std::function<void(Result<SharedBytes>)> done, int file)
{
    // Pages name their sources by file; the worker knows each cached version by
    // its own key.
    BuildPlan sent = plan;
    QSet<quint64> keys;
    auto job = std::make_shared<WorkerPool::Job>();
    for (PageItem &page : sent.pages) {
        const std::shared_ptr<const Source> source = resolve(page.source);
        if (!source) {
            done(Result<SharedBytes>(BuildErrors::missingPage()));
            return;
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
    if (picture) {
        out << dpi << jpeg;
    } else {
        out << (file >= 0);
        if (file >= 0) {
            job->descriptors.push_back(file);
        }
    }
    job->answered = [done, file](Message &message) { done(readOutput(message, file >= 0)); };
    job->failed = [done](WorkerPool::Failure failure) { done(Result<SharedBytes>(failureError(failure))); };
    submit(std::move(job));
}

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
    output(
        false, plan, 0, false, cancel,
        [promise](Result<SharedBytes> made) {
            promise->addResult(made ? Result<void>() : Result<void>(made.error()));
            promise->finish();
        },
        file);
    return future;
}

namespace {

BuildPlan onePage(const BuildPlan &plan, int index)
{
    BuildPlan one = plan;
    one.pages = {plan.pages.at(index)};
    one.password.reset();
    one.quality.reset();
    return one;
}

} // namespace

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
