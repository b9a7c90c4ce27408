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

Result<QByteArray> readOutput(Message &message)
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
    std::optional<QByteArray> bytes = readByteArray(in, message.fds);
    if (!bytes) {
        return BuildErrors::writeFailed();
    }
    return std::move(*bytes);
}

} // namespace

void PDFEngine::output(bool picture, const BuildPlan &plan, double dpi, bool jpeg, CancelToken cancel,
                       std::function<void(Result<QByteArray>)> done)
{
    if (cancel.isCanceled()) {
        done(Result<QByteArray>::canceled());
        return;
    }
    QList<QUrl> urls;
    for (const PageItem &page : plan.pages) {
        urls.append(page.source.url);
    }
    const std::shared_ptr<State> state = m_state;
    state->afterOpens(urls, [state, plan, picture, dpi, jpeg, cancel, done] {
        state->output(picture, plan, dpi, jpeg, cancel, done);
    });
}

void PDFEngine::State::output(bool picture, const BuildPlan &plan, double dpi, bool jpeg, CancelToken cancel,
                              std::function<void(Result<QByteArray>)> done)
{
    // Pages name their sources by file; the worker knows each cached version by
    // its own key.
    BuildPlan sent = plan;
    QSet<quint64> keys;
    auto job = std::make_shared<WorkerPool::Job>();
    for (PageItem &page : sent.pages) {
        const std::shared_ptr<const Source> source = resolve(page.source);
        if (!source) {
            done(Result<QByteArray>(BuildErrors::missingPage()));
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
    }
    job->answered = [done](Message &message) { done(readOutput(message)); };
    job->failed = [done](WorkerPool::Failure failure) { done(Result<QByteArray>(failureError(failure))); };
    submit(std::move(job));
}

namespace {

QFuture<Result<QByteArray>> outputFuture(const std::function<void(std::function<void(Result<QByteArray>)>)> &start)
{
    auto promise = std::make_shared<QPromise<Result<QByteArray>>>();
    promise->start();
    QFuture<Result<QByteArray>> future = promise->future();
    start([promise](Result<QByteArray> made) {
        promise->addResult(std::move(made));
        promise->finish();
    });
    return future;
}

} // namespace

QFuture<Result<QByteArray>> PDFEngine::build(const BuildPlan &plan, CancelToken cancel)
{
    return outputFuture([&](auto done) { output(false, plan, 0, false, cancel, std::move(done)); });
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
    return outputFuture(
        [&](auto done) { output(true, onePage(plan, index), dpi, jpeg, cancel, std::move(done)); });
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
        output(true, onePage(plan, i), dpi, jpeg, cancel, [collected, i](Result<QByteArray> made) {
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
            collected->pictures[i] = std::move(made).value();
            if (--collected->left == 0) {
                collected->done = true;
                collected->promise.addResult(Result<QList<QByteArray>>(std::move(collected->pictures)));
                collected->promise.finish();
            }
        });
    }
    return future;
}
