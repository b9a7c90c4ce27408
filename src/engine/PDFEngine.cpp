#include "engine/PDFEngine.h"

#include "engine/EngineState.h"
#include "engine/WorkerPool.h"
#include "engine/WorkerProtocol.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QThreadPool>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <mutex>
#include <set>
#include <unordered_map>

using namespace WorkerProtocol;

// The worker's failure codes are the engine's own.
static_assert(int(Fault::MissingPage) == int(PDFEngine::EngineError::MissingPage));
static_assert(int(Fault::WriteFailed) == int(PDFEngine::EngineError::WriteFailed));
static_assert(int(Fault::OnlyAsPictures) == int(PDFEngine::EngineError::OnlyAsPictures));
static_assert(int(Fault::OutOfMemory) == int(PDFEngine::EngineError::OutOfMemory));
static_assert(int(Fault::TooLarge) == int(PDFEngine::EngineError::TooLarge));

std::optional<std::pair<SharedBytes, FileStamp>> readFile(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    struct stat info;
    std::optional<std::pair<SharedBytes, FileStamp>> read;
    SharedBytes::Writer writer;
    if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && writer.isValid()) {
        const bool ok = writer.copyFrom(fd);
        std::optional<SharedBytes> bytes = ok ? writer.finish() : std::nullopt;
        if (bytes) {
            read.emplace(std::move(*bytes), FileStamp::of(info));
        }
    }
    ::close(fd);
    return read;
}

namespace {

constexpr double codeImageLongSide = 2400;
// Beyond these a render is refused before any worker sees it.
constexpr int maxRenderSide = 32'000;

bool isPdfPath(const QString &path)
{
    return QFileInfo(path).suffix().toLower() == QLatin1String("pdf");
}

template<typename T> void finish(QPromise<T> &promise, T value)
{
    promise.addResult(std::move(value));
    promise.finish();
}

} // namespace

QString PDFEngine::message(EngineError error)
{
    switch (error) {
    case EngineError::MissingPage:
        return QCoreApplication::translate(
            "PDFEngine", "A page of this file can't be read anymore. Open the file again.");
    case EngineError::WriteFailed:
        return QCoreApplication::translate("PDFEngine", "The PDF couldn't be made. Try again.");
    case EngineError::OnlyAsPictures:
        return QCoreApplication::translate(
            "PDFEngine",
            "The pages of this file are damaged in a way that stops them being copied. "
            "It can only be saved as pictures of its pages.");
    case EngineError::TimedOut:
        return QCoreApplication::translate(
            "PDFEngine",
            "Reading the PDF took too long and was stopped. A page of the file may be damaged.");
    case EngineError::WorkerStopped:
        return QCoreApplication::translate(
            "PDFEngine", "Reading the PDF failed because a part of the file is damaged.");
    case EngineError::OutOfMemory:
        return QCoreApplication::translate(
            "PDFEngine", "The PDF needs more memory than Tamsel may use for one file.");
    case EngineError::Refused:
        return QCoreApplication::translate(
            "PDFEngine", "This PDF failed to be read several times, so Tamsel doesn't try again.");
    case EngineError::Unavailable:
        return QCoreApplication::translate(
            "PDFEngine", "Tamsel's PDF reader can't be started. Install Tamsel again.");
    case EngineError::TooLarge:
        return QCoreApplication::translate(
            "PDFEngine",
            "A page is too large for a picture at this resolution. Choose a lower resolution.");
    }
    return {};
}

PDFEngine::Options PDFEngine::Options::standard()
{
    const WorkerPool::Options pool = WorkerPool::defaultOptions();
    Options options;
    options.workerExecutable = pool.executable;
    options.workers = pool.workers;
    options.workerMemoryBytes = pool.memoryBytes;
    return options;
}

namespace {

WorkerPool::Options poolOptions(const PDFEngine::Options &options)
{
    WorkerPool::Options pool;
    pool.executable = options.workerExecutable;
    pool.arguments = options.workerArguments;
    pool.workers = options.workers;
    pool.memoryBytes = options.workerMemoryBytes;
    pool.cancelGrace = options.cancelGrace;
    pool.replyDeadline = options.replyDeadline;
    return pool;
}

} // namespace

PDFEngine &PDFEngine::shared()
{
    static PDFEngine engine;
    return engine;
}

PDFEngine::PDFEngine(QObject *parent)
    : PDFEngine(Options::standard(), parent)
{}

PDFEngine::PDFEngine(const Options &options, QObject *parent)
    : QObject(parent)
    , m_state(std::make_shared<State>())
    , m_pool(std::make_unique<WorkerPool>(poolOptions(options)))
{
    m_state->options = options;
    m_state->pool = m_pool.get();
    m_state->threads.setMaxThreadCount(2);
}

PDFEngine::~PDFEngine()
{
    m_state->closing = true;
    {
        const std::lock_guard lock(m_state->poolMutex);
        m_state->pool = nullptr;
    }
    m_state->threads.clear();
    m_state->threads.waitForDone();
    m_pool.reset(); // ends the workers; the jobs they ran end unanswered
    // Visits handed over by the last answers are dropped, not run.
    m_state->threads.clear();
    m_state->threads.waitForDone();
}

int PDFEngine::workerCount() const
{
    return m_pool->workerCount();
}

void PDFEngine::startWorkers()
{
    m_pool->startAll();
}

int PDFEngine::startedWorkerCount() const
{
    return m_pool->startedCount();
}

namespace {

bool isWaitingFor(const QList<QUrl> &urls, const std::unordered_map<QUrl, int, UrlHash> &opening)
{
    if (urls.isEmpty()) {
        return !opening.empty();
    }
    return std::any_of(urls.cbegin(), urls.cend(),
                       [&](const QUrl &url) { return opening.contains(url); });
}

} // namespace

void PDFEngine::State::afterOpens(QList<QUrl> urls, std::function<void()> then)
{
    {
        const std::lock_guard lock(openingMutex);
        if (isWaitingFor(urls, opening)) {
            waiting.emplace_back(std::move(urls), std::move(then));
            return;
        }
    }
    then();
}

std::shared_ptr<void> PDFEngine::State::beginOpen(const QUrl &url)
{
    {
        const std::lock_guard lock(openingMutex);
        ++opening[url];
    }
    // Whatever way the open ends, answered or dropped, the waiting calls go on.
    return std::shared_ptr<void>(nullptr, [this, url](void *) {
        std::vector<std::function<void()>> ready;
        {
            const std::lock_guard lock(openingMutex);
            if (--opening[url] == 0) {
                opening.erase(url);
            }
            for (auto it = waiting.begin(); it != waiting.end();) {
                if (!isWaitingFor(it->first, opening)) {
                    ready.push_back(std::move(it->second));
                    it = waiting.erase(it);
                } else {
                    ++it;
                }
            }
        }
        // Calls waiting when the engine goes away end unanswered, like its jobs.
        if (!closing) {
            for (const auto &then : ready) {
                then();
            }
        }
    });
}

QFuture<PDFEngine::OpenResult> PDFEngine::open(const QUrl &url,
                                               const std::optional<QString> &password)
{
    auto promise = std::make_shared<QPromise<OpenResult>>();
    promise->start();
    QFuture<OpenResult> future = promise->future();
    const std::shared_ptr<State> state = m_state;
    std::shared_ptr<void> guard = state->beginOpen(url);
    state->threads.start([state, promise, url, password, guard] {
        // The guard travels with the job, so it ends when the answer comes.
        auto guarded =
            std::shared_ptr<QPromise<OpenResult>>(promise.get(), [promise, guard](auto *) {});
        state->openOnThread(guarded, url, password);
    });
    return future;
}

void PDFEngine::State::openOnThread(std::shared_ptr<QPromise<OpenResult>> promise, QUrl url,
                                    std::optional<QString> password)
{
    const QString path = url.isLocalFile() ? url.toLocalFile() : QString();
    const FileStamp stamp = FileStamp::of(path);
    if (!stamp.exists) {
        // A cached document outlives its file, but a missing file can't be opened.
        finish(*promise, OpenResult::unreadable(
                             QCoreApplication::translate("PDFEngine", "It was moved or deleted.")));
        return;
    }
    const std::shared_ptr<const Source> cached = current(url);
    auto job = std::make_shared<WorkerPool::Job>();
    job->limit = std::chrono::seconds(options.openSeconds);
    auto made = std::make_shared<Source>();
    made->url = url;
    std::shared_ptr<const Source> unlocking;
    std::shared_ptr<const WorkerSource> load;
    bool isPicture = false;
    std::optional<std::pair<SharedBytes, FileStamp>> picture;
    if (cached && cached->stamp == stamp) {
        if (!cached->locked) {
            OpenResult result = OpenResult::opened(cached->pageCount, cached->password);
            result.revision = cached->revision;
            finish(*promise, result);
            return;
        }
        if (!password) {
            finish(*promise, OpenResult::needsPassword());
            return;
        }
        unlocking = cached;
        *made = *cached;
        load = workerSource(cached->load->bytes, password);
    } else if (isPdfPath(path)) {
        auto read = readFile(path);
        if (!read || read->first.isEmpty()) {
            finish(*promise, OpenResult::unreadable());
            return;
        }
        made->stamp = read->second;
        load = workerSource(read->first, password);
    } else {
        // The worker can't read the user's files: it gets the picture's bytes
        // and makes the document's.
        picture = readFile(path);
        if (!picture || picture->first.isEmpty()) {
            finish(*promise, OpenResult::unreadable());
            return;
        }
        isPicture = true;
        made->stamp = picture->second;
        load = workerSource(SharedBytes(), std::nullopt);
    }
    if (!load) {
        return; // the engine is going away; the future ends cancelled
    }
    made->load = load;
    job->ask(Open{load->key, password, isPicture, path, isPicture ? picture->first : load->bytes});
    job->caches = load->key;
    State *self = this;
    job->answered = [self, promise, isPicture, made, unlocking](Message &message) {
        return self->answerOpen(*promise, message, isPicture, made, unlocking);
    };
    job->failed = [promise](WorkerPool::Failure failure) {
        finish(*promise, OpenResult::unreadable(failureError(failure).message));
    };
    submit(std::move(job));
}

bool PDFEngine::State::answerOpen(QPromise<OpenResult> &promise, Message &message, bool isPicture,
                                  std::shared_ptr<Source> made,
                                  std::shared_ptr<const Source> unlocking)
{
    const std::optional<Result<OpenReply>> answer = replyOf<OpenReply>(message);
    // Only a picture is answered with the PDF made of it.
    if (!answer || (*answer && !isPicture && !(*answer)->made.isEmpty())) {
        return false;
    }
    if (!*answer) {
        finish(promise, OpenResult::unreadable());
        return true;
    }
    const OpenReply &reply = answer->value();
    if (isPicture) {
        made->load = reply.made.isEmpty() ? nullptr : workerSource(reply.made, std::nullopt);
    }
    const int pageCount = reply.pageCount;
    // Every page takes more than a few bytes of the file.
    constexpr qsizetype leastPageBytes = 16;
    if (made->load && pageCount > made->load->bytes.size() / leastPageBytes) {
        return false;
    }
    if (!made->load || made->load->bytes.isEmpty() ||
        reply.status == WorkerProtocol::OpenStatus::Unreadable ||
        (reply.status == WorkerProtocol::OpenStatus::Opened &&
         (pageCount < 1 || reply.sizes.size() != pageCount))) {
        finish(promise, OpenResult::unreadable());
        return true;
    }
    if (reply.status == WorkerProtocol::OpenStatus::NeedsPassword) {
        if (!unlocking) {
            // Kept locked: the next open with a password answers from here.
            made->locked = true;
            made->load = workerSource(made->load->bytes, std::nullopt);
            const std::lock_guard lock(mutex);
            Versions &versions = sources[made->url];
            if (!versions.current || versions.current->locked || versions.current->pageCount < 1) {
                made->revision = versions.nextRevision++;
                versions.all.append(made);
                versions.current = made;
            }
        }
        finish(promise, OpenResult::needsPassword());
        return true;
    }
    made->locked = false;
    made->pageCount = pageCount;
    made->sizes = reply.sizes;
    made->password = reply.password;
    {
        const std::lock_guard lock(mutex);
        Versions &versions = sources[made->url];
        if (unlocking) {
            // The same version, now unlocked.
            versions.all.removeOne(unlocking);
            if (versions.current == unlocking) {
                versions.current = made;
            }
        } else {
            made->revision = versions.nextRevision++;
            // The file changed on disk: pages showing an earlier version keep it.
            versions.current = made;
        }
        versions.all.append(made);
    }
    OpenResult result = OpenResult::opened(pageCount, made->password);
    result.revision = made->revision;
    finish(promise, result);
    return true;
}

QFuture<void> PDFEngine::forget(const QUrl &url)
{
    auto promise = std::make_shared<QPromise<void>>();
    promise->start();
    QFuture<void> future = promise->future();
    const std::shared_ptr<State> state = m_state;
    state->afterOpens({url}, [state, promise, url] {
        {
            const std::lock_guard lock(state->mutex);
            state->sources.erase(url);
        }
        promise->finish();
    });
    return future;
}

QFuture<QSizeF> PDFEngine::displaySize(const PageSource &source, int turn)
{
    auto promise = std::make_shared<QPromise<QSizeF>>();
    promise->start();
    QFuture<QSizeF> future = promise->future();
    const std::shared_ptr<State> state = m_state;
    state->afterOpens({source.url}, [state, promise, source, turn] {
        const std::shared_ptr<const Source> found = state->resolve(source);
        QSizeF size(595, 842);
        if (found && source.index < found->sizes.size() &&
            !found->sizes.at(source.index).isEmpty()) {
            size = found->sizes.at(source.index);
            const int extra = normalizedAngle(turn);
            if (extra == 90 || extra == 270) {
                size.transpose();
            }
        }
        finish(*promise, size);
    });
    return future;
}

namespace {

// The drawn page, null when the worker couldn't draw it; none when the answer
// breaks the protocol.
std::optional<QImage> readRendered(Message &message)
{
    const std::optional<Result<RenderReply>> answer = replyOf<RenderReply>(message);
    if (!answer) {
        return std::nullopt;
    }
    return *answer ? answer->value().image : QImage();
}

// The picture's size a render of that page must answer with.
QSize renderedSize(const PDFEngine::Source &source, int index, int turn, double longSide)
{
    QSizeF displayed = source.sizes.value(index);
    const int extra = normalizedAngle(turn);
    if (extra == 90 || extra == 270) {
        displayed.transpose();
    }
    return renderPixelSize(displayed, longSide);
}

std::shared_ptr<WorkerPool::Job> renderJob(const PDFEngine::Source &source, int index, int turn,
                                           double longSide, int seconds,
                                           std::function<void(QImage)> done)
{
    auto job = std::make_shared<WorkerPool::Job>();
    const std::shared_ptr<const WorkerSource> &load = source.load;
    job->ask(Render{load->key, index, turn, longSide});
    const QSize expected = renderedSize(source, index, turn, longSide);
    job->answered = [done, expected](Message &message) {
        std::optional<QImage> image = readRendered(message);
        // A picture of another size than asked is a broken reply.
        if (!image || (!image->isNull() && image->size() != expected)) {
            return false;
        }
        done(std::move(*image));
        return true;
    };
    job->failed = [done](WorkerPool::Failure) { done(QImage()); };
    job->sources = {load};
    job->page = index;
    job->limit = std::chrono::seconds(seconds);
    return job;
}

} // namespace

QFuture<QImage> PDFEngine::image(const PageSource &source, int turn, double longSide)
{
    if (!std::isfinite(longSide) || longSide <= 0 || longSide > maxRenderSide) {
        return Async::ready(QImage());
    }
    auto promise = std::make_shared<QPromise<QImage>>();
    promise->start();
    QFuture<QImage> future = promise->future();
    const std::shared_ptr<State> state = m_state;
    state->afterOpens({source.url}, [state, promise, source, turn, longSide] {
        const std::shared_ptr<const Source> found = state->resolve(source);
        if (!found) {
            finish(*promise, QImage());
            return;
        }
        auto job = renderJob(*found, source.index, turn, longSide, state->options.renderSeconds,
                             [promise](QImage image) { finish(*promise, std::move(image)); });
        state->submit(std::move(job));
    });
    return future;
}

namespace {

void decodeOnWorker(const std::shared_ptr<PDFEngine::State> &state,
                    const std::shared_ptr<QPromise<QImage>> &promise, const SharedBytes &bytes,
                    int longSide)
{
    auto job = std::make_shared<WorkerPool::Job>();
    job->ask(Decode{qint32(longSide), bytes});
    job->limit = std::chrono::seconds(state->options.renderSeconds);
    job->answered = [promise, longSide](Message &message) {
        const std::optional<QImage> picture = readRendered(message);
        // The worker shrinks what is larger: an answer larger than that breaks the protocol.
        if (!picture || picture->width() > longSide || picture->height() > longSide) {
            return false;
        }
        finish(*promise, *picture);
        return true;
    };
    job->failed = [promise](WorkerPool::Failure) { finish(*promise, QImage()); };
    state->submit(std::move(job));
}

} // namespace

QFuture<QImage> PDFEngine::decodePicture(QByteArray bytes, int longSide)
{
    if (bytes.isEmpty() || longSide <= 0 || longSide > maxRenderSide) {
        return Async::ready(QImage());
    }
    auto promise = std::make_shared<QPromise<QImage>>();
    promise->start();
    QFuture<QImage> future = promise->future();
    decodeOnWorker(m_state, promise, SharedBytes::copyOf(bytes), longSide);
    return future;
}

QFuture<QImage> PDFEngine::decodePicture(QUrl file, int longSide)
{
    if (!file.isLocalFile() || longSide <= 0 || longSide > maxRenderSide) {
        return Async::ready(QImage());
    }
    auto promise = std::make_shared<QPromise<QImage>>();
    promise->start();
    QFuture<QImage> future = promise->future();
    const std::shared_ptr<State> state = m_state;
    // Reading the file may block on a slow disk: not on the caller's thread.
    state->threads.start([state, promise, path = file.toLocalFile(), longSide] {
        const auto read = readFile(path);
        if (!read || read->first.isEmpty()) {
            finish(*promise, QImage());
            return;
        }
        decodeOnWorker(state, promise, read->first, longSide);
    });
    return future;
}

QFuture<QImage> PDFEngine::codeImage(const PageSource &source)
{
    return image(source, 0, codeImageLongSide);
}

namespace {

// Pages drawn by several workers at once for one visitor, who gets them one at a
// time and in page order. At most `window` pictures wait at any time.
struct CodePages : std::enable_shared_from_this<CodePages>
{
    std::weak_ptr<PDFEngine::State> state;
    std::shared_ptr<const PDFEngine::Source> source;
    int pageCount = 0;
    int window = 1;
    int seconds = 30;
    CancelToken cancel;
    std::function<bool(int, const QImage &, bool)> visit;
    QPromise<bool> promise;

    std::mutex mutex;
    int nextToAsk = 0;
    int nextToVisit = 0;
    bool visiting = false;
    bool done = false;
    std::map<int, QImage> arrived;
    std::set<int> redrawn; // pages whose arrived picture is the sharper drawing
};

} // namespace

// Defined here: the engine's state is private to this file.
namespace {
void askMore(const std::shared_ptr<CodePages> &pages);
void visitArrived(const std::shared_ptr<CodePages> &pages);
void visited(const std::shared_ptr<CodePages> &pages);
} // namespace

QFuture<bool> PDFEngine::forEachCodeImage(const QUrl &url, int pageCount, CancelToken cancel,
                                          std::function<bool(int, const QImage &, bool)> visit)
{
    auto pages = std::make_shared<CodePages>();
    pages->promise.start();
    QFuture<bool> future = pages->promise.future();
    pages->state = m_state;
    pages->pageCount = pageCount;
    // The visitor reads one page at a time: a few pages ahead keep it busy, and
    // every page waiting is a big picture held in this process.
    pages->window = std::min(workerCount(), 3) + 1;
    pages->seconds = m_state->options.renderSeconds;
    pages->cancel = cancel;
    pages->visit = std::move(visit);
    const std::shared_ptr<State> state = m_state;
    state->afterOpens({url}, [state, pages, url] {
        // The version the last open read: the reader opens the file just before.
        std::shared_ptr<const Source> found = state->current(url);
        if (found && found->locked) {
            found.reset();
        }
        if (!found || pages->pageCount <= 0) {
            finish(pages->promise, !pages->cancel.isCanceled());
            return;
        }
        pages->source = found;
        pages->pageCount = std::min(pages->pageCount, found->pageCount);
        askMore(pages);
    });
    return future;
}

namespace {

void endPages(CodePages &pages, bool finished)
{
    if (!pages.done) {
        pages.done = true;
        finish(pages.promise, finished);
    }
}

void askMore(const std::shared_ptr<CodePages> &pages)
{
    const std::shared_ptr<PDFEngine::State> state = pages->state.lock();
    std::vector<std::shared_ptr<WorkerPool::Job>> jobs;
    {
        const std::lock_guard lock(pages->mutex);
        if (pages->done) {
            return;
        }
        if (pages->cancel.isCanceled() || !state) {
            endPages(*pages, false);
            return;
        }
        if (pages->nextToVisit >= pages->pageCount) {
            endPages(*pages, true);
            return;
        }
        while (pages->nextToAsk < pages->pageCount &&
               pages->nextToAsk - pages->nextToVisit < pages->window) {
            const int index = pages->nextToAsk++;
            auto job = renderJob(*pages->source, index, 0, codeImageLongSide, pages->seconds,
                                 [pages, index](QImage image) {
                                     {
                                         const std::lock_guard lock(pages->mutex);
                                         pages->arrived[index] = std::move(image);
                                     }
                                     visitArrived(pages);
                                 });
            jobs.push_back(std::move(job));
        }
    }
    for (auto &job : jobs) {
        state->submit(std::move(job));
    }
}

// Hands the next arrived page to the visitor on the global thread pool, one
// page at a time.
void visitArrived(const std::shared_ptr<CodePages> &pages)
{
    const std::shared_ptr<PDFEngine::State> state = pages->state.lock();
    if (!state) {
        return;
    }
    int index = -1;
    QImage picture;
    bool sharper = false;
    {
        const std::lock_guard lock(pages->mutex);
        if (pages->visiting || pages->done) {
            return;
        }
        const auto next = pages->arrived.find(pages->nextToVisit);
        if (next == pages->arrived.end()) {
            return;
        }
        index = next->first;
        picture = std::move(next->second);
        pages->arrived.erase(next);
        sharper = pages->redrawn.erase(index) > 0;
        pages->visiting = true;
    }
    state->threads.start([pages, index, picture, sharper] {
        const bool again = !pages->cancel.isCanceled() && !picture.isNull() &&
                           pages->visit(index, picture, sharper) && !sharper;
        const std::shared_ptr<PDFEngine::State> state = pages->state.lock();
        if (again && state) {
            // The page stays next to visit until its sharper drawing has been.
            auto job = renderJob(*pages->source, index, 0, 2 * codeImageLongSide, pages->seconds,
                                 [pages, index](QImage redrawn) {
                                     if (redrawn.isNull()) {
                                         visited(pages);
                                         return;
                                     }
                                     {
                                         const std::lock_guard lock(pages->mutex);
                                         pages->visiting = false;
                                         pages->arrived[index] = std::move(redrawn);
                                         pages->redrawn.insert(index);
                                     }
                                     visitArrived(pages);
                                 });
            state->submit(std::move(job));
            return;
        }
        visited(pages);
    });
}

void visited(const std::shared_ptr<CodePages> &pages)
{
    {
        const std::lock_guard lock(pages->mutex);
        pages->visiting = false;
        ++pages->nextToVisit;
    }
    askMore(pages);
    visitArrived(pages);
}

} // namespace

QFuture<int> PDFEngine::cachedDocumentCount()
{
    auto promise = std::make_shared<QPromise<int>>();
    promise->start();
    QFuture<int> future = promise->future();
    const std::shared_ptr<State> state = m_state;
    state->afterOpens({}, [state, promise] {
        const std::lock_guard lock(state->mutex);
        finish(*promise, int(state->sources.size()));
    });
    return future;
}
