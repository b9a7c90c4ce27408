#include "engine/WorkerPool.h"

#include "engine/EngineLog.h"
#include "platform/Sandbox.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <linux/sockios.h>
#include <poll.h>
#include <signal.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <deque>
#include <limits>
#include <map>
#include <set>
#include <thread>
#include <utility>

using namespace WorkerProtocol;
using Clock = std::chrono::steady_clock;

struct EvictionList
{
    std::mutex mutex;
    std::vector<quint64> keys;
    int wakeFd = -1; // the pool's, while it lives
};

WorkerSource::WorkerSource(quint64 key, SharedBytes bytes, std::optional<QString> password,
                           std::shared_ptr<EvictionList> evictions)
    : key(key)
    , bytes(std::move(bytes))
    , password(std::move(password))
    , m_evictions(std::move(evictions))
{}

WorkerSource::~WorkerSource()
{
    const std::lock_guard lock(m_evictions->mutex);
    m_evictions->keys.push_back(key);
    if (m_evictions->wakeFd >= 0) {
        const quint64 one = 1;
        [[maybe_unused]] const ssize_t n = ::write(m_evictions->wakeFd, &one, sizeof one);
    }
}

namespace {

// How often a busy worker's memory and its request's CancelToken are looked at.
constexpr int watchIntervalMs = 50;
// A worker must take a request (or a cancel) within this time.
constexpr int sendTimeoutMs = 5000;

// Workers take their heap in huge pages where the system hands them out on
// request: a large document's objects fill hundreds of megabytes, and on a
// virtual machine faulting them in 4 KiB at a time cost a third of a save's
// processor time. A glibc older than 2.35 ignores the setting.
constexpr char hugePageHeap[] = "GLIBC_TUNABLES=glibc.malloc.hugetlb=1";

// Workers started ahead come up two at a time. A worker spends its start
// mapping and relocating some seventy libraries, and nine processes doing that
// at once fight over the same pages: together they cost four times the
// processor time of nine starting one after another, for hardly less wall time
// than pairs take.
constexpr int startingAtOnce = 2;
// How often workers still starting are looked at.
constexpr int startingCheckMs = 5;
// A worker that has yet to read its greeting this long after it was started is
// slow, not starting: the next ones don't wait for it any longer.
constexpr auto startingAtMost = std::chrono::seconds(1);

// A page grid's first screen of pages.
constexpr int screenful = 24;
// A worker busy with one drawing this long is taken to be stuck on a slow page.
constexpr auto stuckAfter = std::chrono::milliseconds(500);

// An open or a build is waited on by someone; drawings are many and can wait.
bool isInteractive(const WorkerPool::Job &job)
{
    return job.kind == JobKind::Open || job.kind == JobKind::Build;
}

struct StrikeKey
{
    quint64 source;
    JobKind kind;
    int page;
    friend auto operator<=>(const StrikeKey &, const StrikeKey &) = default;
};

qint64 residentBytes(pid_t pid)
{
    QFile statm(QStringLiteral("/proc/%1/statm").arg(pid));
    if (!statm.open(QIODevice::ReadOnly)) {
        return 0;
    }
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * sysconf(_SC_PAGESIZE) : 0;
}

// The job as a line of the log names it: its kind, and its page when it has one.
QString describe(const WorkerPool::Job &job)
{
    QString kind;
    switch (job.kind) {
    case JobKind::Open:
        kind = QStringLiteral("open");
        break;
    case JobKind::Render:
        kind = QStringLiteral("render");
        break;
    case JobKind::Build:
        kind = QStringLiteral("build");
        break;
    case JobKind::Picture:
        kind = QStringLiteral("picture");
        break;
    }
    return job.page >= 0 ? QStringLiteral("%1 job (page %2)").arg(kind).arg(job.page + 1)
                         : QStringLiteral("%1 job").arg(kind);
}

void setTimeout(int socket)
{
    const timeval timeout{sendTimeoutMs / 1000, (sendTimeoutMs % 1000) * 1000};
    setsockopt(socket, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
}

} // namespace

struct WorkerPool::State
{
    struct Process
    {
        pid_t pid = -1;
        int socket = -1;
        int cancelSocket = -1; // Cancel messages go here, beside the requests
        std::set<quint64> loaded;
        std::shared_ptr<Job> job;
        quint64 seq = 0;
        Clock::time_point spawnedAt;
        Clock::time_point startedAt;
        Clock::time_point deadline;
        std::optional<Clock::time_point> cancelAsked;
    };

    Options options;
    bool available = true;
    int wakeFd = -1;
    std::shared_ptr<EvictionList> evictions = std::make_shared<EvictionList>();

    std::mutex mutex; // guards the fields below
    std::deque<std::shared_ptr<Job>> queue;
    std::map<StrikeKey, int> strikes;
    bool stopping = false;
    bool startAllAsked = false;
    std::atomic<int> started{0};
    std::atomic<quint64> nextKey{1};

    // Supervisor thread only.
    std::vector<Process> processes;
    // The next place the workers started ahead go to; past the end when none are.
    size_t startAllAt = std::numeric_limits<size_t>::max();
    quint64 nextSeq = 1;
    std::map<JobKind, quint32> ordinals;
    std::map<quint64, int> drawingsSent; // by the first source's key
    std::thread thread;

    void wake() const
    {
        const quint64 one = 1;
        [[maybe_unused]] const ssize_t n = ::write(wakeFd, &one, sizeof one);
    }

    std::vector<StrikeKey> strikeKeys(const Job &job) const
    {
        std::vector<StrikeKey> keys;
        for (const auto &source : job.sources) {
            keys.push_back({source->key, job.kind, job.page});
        }
        return keys;
    }

    bool refused(const Job &job)
    {
        const std::lock_guard lock(mutex);
        for (const StrikeKey &key : strikeKeys(job)) {
            const auto found = strikes.find(key);
            if (found != strikes.end() && found->second >= maxStrikes) {
                return true;
            }
        }
        return false;
    }

    void strike(const Job &job)
    {
        const std::lock_guard lock(mutex);
        for (const StrikeKey &key : strikeKeys(job)) {
            ++strikes[key];
        }
    }

    static void fail(const std::shared_ptr<Job> &job, Failure failure)
    {
        if (job->failed) {
            job->failed(failure);
        }
    }

    bool spawn(Process &process)
    {
        int pair[2];
        if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pair) != 0) {
            qCWarning(lcEngine, "no socket for a worker: %s", strerror(errno));
            return false;
        }
        const QStringList arguments =
            QStringList{QStringLiteral("--engine-worker"),
                        QStringLiteral("--memory=%1").arg(options.memoryBytes)} +
            options.arguments;
        const pid_t pid = Sandbox::spawn(options.executable, arguments, pair[1],
                                         Sandbox::Errors::Log, {QByteArray(hugePageHeap)});
        ::close(pair[1]);
        if (pid < 0) {
            qCWarning(lcEngine) << "could not start the worker" << options.executable;
            ::close(pair[0]);
            return false;
        }
        started.fetch_add(1);
        process = Process{};
        process.pid = pid;
        process.spawnedAt = Clock::now();
        process.socket = pair[0];
        setTimeout(process.socket);

        int cancelPair[2] = {-1, -1};
        if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, cancelPair) == 0) {
            process.cancelSocket = cancelPair[0];
            setTimeout(process.cancelSocket);
        }
        const IoResult hello = send(process.socket, encode(Hello{cancelPair[1]}));
        if (cancelPair[1] >= 0) {
            ::close(cancelPair[1]);
        }
        if (hello != IoResult::Ok) {
            qCWarning(lcEngine, "worker %d ended before its first request", int(pid));
            end(process);
            return false;
        }
        return true;
    }

    // Ends the process at once and reaps it; its job, if any, is left to the caller.
    void end(Process &process)
    {
        if (process.pid > 0) {
            ::kill(process.pid, SIGKILL);
            int status = 0;
            while (waitpid(process.pid, &status, 0) < 0 && errno == EINTR) {
            }
        }
        if (process.socket >= 0) {
            ::close(process.socket);
        }
        if (process.cancelSocket >= 0) {
            ::close(process.cancelSocket);
        }
        process = Process{};
    }

    // The worker failed its job: ends it, answers the job and counts a strike.
    void lose(Process &process, Failure failure)
    {
        logLoss(process, failure);
        std::shared_ptr<Job> job = std::move(process.job);
        end(process);
        if (job) {
            if (failure != Failure::Canceled) {
                strike(*job);
            }
            fail(job, failure);
        }
    }

    void logLoss(const Process &process, Failure failure) const
    {
        const int pid = int(process.pid);
        if (!process.job) {
            qCWarning(lcEngine, "worker %d replaced: it died or broke the protocol between jobs",
                      pid);
            return;
        }
        const QString job = describe(*process.job);
        switch (failure) {
        case Failure::TimedOut:
            qCWarning(lcEngine).noquote()
                << "worker" << pid << "replaced:" << job << "ran past its limit of"
                << process.job->limit.count() << "ms";
            break;
        case Failure::OutOfMemory:
            qCWarning(lcEngine).noquote() << "worker" << pid << "replaced:" << job << "went past"
                                          << (options.memoryBytes >> 20) << "MiB";
            break;
        case Failure::Canceled:
            qCWarning(lcEngine).noquote()
                << "worker" << pid << "replaced:" << job << "went on" << options.cancelGrace.count()
                << "ms after it was cancelled";
            break;
        case Failure::Crashed:
        case Failure::Refused:
        case Failure::Unavailable:
            qCWarning(lcEngine).noquote()
                << "worker" << pid << "replaced: it died or broke the protocol during" << job;
            break;
        }
    }

    bool sendEvictions(Process &process, const std::vector<quint64> &gone)
    {
        Evict evict;
        for (quint64 key : gone) {
            if (process.loaded.erase(key)) {
                evict.keys.append(key);
            }
        }
        if (evict.keys.isEmpty()) {
            return true;
        }
        return send(process.socket, encode(evict)) == IoResult::Ok;
    }

    bool start(Process &process, const std::shared_ptr<Job> &job)
    {
        for (const auto &source : job->sources) {
            if (process.loaded.contains(source->key)) {
                continue;
            }
            if (send(process.socket, encode(Load{source->key, source->password, source->bytes})) !=
                IoResult::Ok) {
                return false;
            }
            process.loaded.insert(source->key);
        }
        if (job->caches != 0) {
            process.loaded.insert(job->caches);
        }
        process.seq = nextSeq++;
        const quint32 ordinal = ++ordinals[job->kind];
        process.startedAt = Clock::now();
        process.deadline = process.startedAt + job->limit;
        process.cancelAsked.reset();
        process.job = job;
        return send(process.socket, process.job->request, process.seq, ordinal) == IoResult::Ok;
    }

    // The reserve worker: the last one, beyond the ones that draw, kept for the
    // jobs someone waits on.
    bool isReserve(const Process &process) const { return &process == &processes.back(); }

    static bool holds(const Process &process, const Job &job)
    {
        return process.pid > 0 &&
               std::all_of(job.sources.begin(), job.sources.end(), [&](const auto &source) {
                   return process.loaded.contains(source->key);
               });
    }

    // An idle worker that already holds the job's documents, else any idle one,
    // else a free place to start one in; the reserve only when `reserve`.
    Process *placeFor(const Job &job, bool reserve, bool elsewhere)
    {
        Process *idle = nullptr;
        Process *free = nullptr;
        for (Process &process : processes) {
            if (isReserve(process) && !reserve) {
                continue;
            }
            if (process.pid > 0 && !process.job) {
                if (holds(process, job)) {
                    return &process;
                }
                idle = idle ? idle : &process;
            } else if (process.pid <= 0 && (!free || isReserve(*free))) {
                free = &process;
            }
        }
        if (!elsewhere) {
            return nullptr;
        }
        return idle ? idle : free;
    }

    // Whether a drawing may go to a worker that has yet to read its documents
    // (and may have yet to start): starting a worker and reading a long
    // document there cost more than drawing a few pages, so the first screenful
    // of a document comes from the workers that hold it, unless more of its
    // drawings wait than they are about to take. A holder stuck on one page for
    // a while takes none; past the first screenful every worker may help.
    bool mayOpenElsewhere(const Job &job, const std::map<quint64, qsizetype> &waiting,
                          Clock::time_point now) const
    {
        if (job.sources.empty()) {
            return true;
        }
        const auto sent = drawingsSent.find(job.sources.front()->key);
        if (sent != drawingsSent.end() && sent->second >= screenful) {
            return true;
        }
        qsizetype serving = 0;
        for (const Process &process : processes) {
            serving += !isReserve(process) && holds(process, job) &&
                       (!process.job || now - process.startedAt < stuckAfter);
        }
        const qsizetype queued = waiting.at(job.sources.front()->key);
        const qsizetype perHolder = std::max(1, screenful / std::max(options.workers, 1));
        return queued > serving * perHolder;
    }

    // The next job and the worker that takes it, both chosen here: jobs someone
    // waits on first, in the order they came, on any worker and on the reserve;
    // then drawings, in order, on the workers that draw.
    std::pair<std::shared_ptr<Job>, Process *> takeNext()
    {
        const Clock::time_point now = Clock::now();
        const std::lock_guard lock(mutex);
        for (auto it = queue.begin(); it != queue.end(); ++it) {
            if (isInteractive(**it)) {
                Process *process = placeFor(**it, true, true);
                if (!process) {
                    return {}; // no worker free at all
                }
                std::shared_ptr<Job> taken = std::move(*it);
                queue.erase(it);
                return {std::move(taken), process};
            }
        }
        if (std::none_of(processes.begin(), processes.end() - 1,
                         [](const Process &p) { return !p.job; })) {
            return {}; // every worker that draws is drawing
        }
        // Drawings waiting, by their document.
        std::map<quint64, qsizetype> waiting;
        for (const auto &job : queue) {
            if (!job->sources.empty()) {
                ++waiting[job->sources.front()->key];
            }
        }
        for (auto it = queue.begin(); it != queue.end(); ++it) {
            const Job &job = **it;
            if (Process *process = placeFor(job, false, mayOpenElsewhere(job, waiting, now))) {
                if (!job.sources.empty()) {
                    ++drawingsSent[job.sources.front()->key];
                }
                std::shared_ptr<Job> taken = std::move(*it);
                queue.erase(it);
                return {std::move(taken), process};
            }
        }
        return {};
    }

    void dispatch()
    {
        for (;;) {
            auto [job, idle] = takeNext();
            if (!job) {
                return;
            }
            if (job->cancel.isCanceled()) {
                fail(job, Failure::Canceled);
                continue;
            }
            if (refused(*job)) {
                qCWarning(lcEngine).noquote()
                    << describe(*job) << "refused: its document ended workers"
                    << WorkerPool::maxStrikes << "times";
                fail(job, Failure::Refused);
                continue;
            }
            const bool fresh = idle->pid <= 0;
            if (fresh && !spawn(*idle)) {
                // The program is there (checked first), so the system is out of
                // processes or memory for now: this job fails, the next ones try again.
                fail(job, Failure::Unavailable);
                return;
            }
            if (!start(*idle, job)) {
                // The worker died before it could take the job: it goes to a fresh
                // one, but only once, or a worker that can't start would be
                // started for ever.
                qCWarning(lcEngine).noquote()
                    << "worker" << idle->pid << "replaced: it died before taking" << describe(*job);
                end(*idle);
                if (++job->attempts > 1) {
                    fail(job, Failure::Crashed);
                } else {
                    const std::lock_guard lock(mutex);
                    queue.push_front(std::move(job));
                }
            }
        }
    }

    // Whether a worker without a job has yet to read its first message: until it
    // has, it is still loading its libraries. The greeting stays in the socket's
    // send queue until then.
    static bool stillStarting(const Process &process, Clock::time_point now)
    {
        int queued = 0;
        return process.pid > 0 && !process.job && now - process.spawnedAt < startingAtMost &&
               ::ioctl(process.socket, SIOCOUTQ, &queued) == 0 && queued > 0;
    }

    bool startingAll() const { return startAllAt < processes.size(); }

    // Starts the workers asked for ahead a few at a time, each place once: one
    // that ends meanwhile is started again by the first job it gets, as one
    // that can't be started at all. Jobs that come meanwhile start theirs at once.
    void startAllIfAsked()
    {
        {
            const std::lock_guard lock(mutex);
            if (std::exchange(startAllAsked, false)) {
                startAllAt = 0;
            }
        }
        if (!startingAll()) {
            return; // the supervisor's every turn passes here
        }
        const Clock::time_point now = Clock::now();
        int starting =
            int(std::count_if(processes.begin(), processes.end(),
                              [now](const Process &p) { return stillStarting(p, now); }));
        for (; startingAll(); ++startAllAt) {
            Process &process = processes[startAllAt];
            if (process.pid > 0) {
                continue;
            }
            if (starting >= startingAtOnce) {
                return;
            }
            starting += spawn(process) ? 1 : 0;
        }
    }

    void sweepCanceledQueue()
    {
        std::vector<std::shared_ptr<Job>> canceled;
        {
            const std::lock_guard lock(mutex);
            for (auto it = queue.begin(); it != queue.end();) {
                if ((*it)->cancel.isCanceled()) {
                    canceled.push_back(std::move(*it));
                    it = queue.erase(it);
                } else {
                    ++it;
                }
            }
        }
        for (const auto &job : canceled) {
            fail(job, Failure::Canceled);
        }
    }

    void watch(Process &process, Clock::time_point now)
    {
        if (!process.job) {
            return;
        }
        if (now >= process.deadline) {
            lose(process, Failure::TimedOut);
            return;
        }
        if (options.memoryBytes > 0 && residentBytes(process.pid) > options.memoryBytes) {
            lose(process, Failure::OutOfMemory);
            return;
        }
        if (process.job->cancel.isCanceled()) {
            if (!process.cancelAsked) {
                process.cancelAsked = now;
                if (process.cancelSocket >= 0) {
                    send(process.cancelSocket, encode(Cancel{process.seq}));
                }
            } else if (now - *process.cancelAsked >= options.cancelGrace) {
                lose(process, Failure::Canceled);
            }
        }
    }

    void readAnswer(Process &process)
    {
        Message message;
        const IoResult got = receive(process.socket, message, Clock::now() + options.replyDeadline);
        if (got != IoResult::Ok || !process.job || message.seq != process.seq ||
            (message.type != process.job->replyType && message.type != Type::Failed)) {
            closeAll(message.fds);
            // A worker that dies between jobs takes no job with it.
            lose(process, Failure::Crashed);
            return;
        }
        std::shared_ptr<Job> job = std::move(process.job);
        process.job.reset();
        if (job->lendsFile) {
            // It had a descriptor of the user's file: it goes before anyone is
            // told the file is written, so it can't write into it later.
            end(process);
        }
        if (job->cancel.isCanceled()) {
            // Whoever cancelled no longer wants the answer, however far it got.
            fail(job, Failure::Canceled);
        } else if (job->answered && !job->answered(message)) {
            // The reply breaks the protocol; nobody was told anything yet, so
            // the job fails like one whose worker died on it.
            if (process.pid > 0) {
                process.job = job;
                lose(process, Failure::Crashed);
            } else {
                qCWarning(lcEngine).noquote() << "refused a broken reply to a" << describe(*job);
                strike(*job);
                fail(job, Failure::Crashed);
            }
        }
        closeAll(message.fds);
    }

    void run()
    {
        for (;;) {
            {
                const std::lock_guard lock(mutex);
                if (stopping) {
                    break;
                }
            }
            std::vector<quint64> gone;
            {
                const std::lock_guard lock(evictions->mutex);
                gone.swap(evictions->keys);
            }
            for (quint64 key : gone) {
                drawingsSent.erase(key);
            }
            if (!gone.empty()) {
                for (Process &process : processes) {
                    if (process.pid > 0 && !process.job && !sendEvictions(process, gone)) {
                        qCWarning(lcEngine, "worker %d replaced: it stopped listening",
                                  int(process.pid));
                        end(process);
                    } else if (process.job) {
                        // Told after its job; the keys wait in the list meanwhile.
                        const std::lock_guard lock(evictions->mutex);
                        for (quint64 key : gone) {
                            if (process.loaded.contains(key)) {
                                evictions->keys.push_back(key);
                            }
                        }
                    }
                }
            }
            sweepCanceledQueue();
            dispatch();
            // After the jobs waiting: an open that came with the request goes first.
            startAllIfAsked();

            std::vector<pollfd> fds{{wakeFd, POLLIN, 0}};
            std::vector<Process *> watched;
            bool busy = false;
            for (Process &process : processes) {
                if (process.pid > 0) {
                    fds.push_back({process.socket, POLLIN, 0});
                    watched.push_back(&process);
                    busy = busy || process.job;
                }
            }
            int timeout = startingAll() ? startingCheckMs : busy ? watchIntervalMs : -1;
            const int ready = poll(fds.data(), nfds_t(fds.size()), timeout);
            if (ready < 0 && errno != EINTR) {
                break;
            }
            if (fds[0].revents & POLLIN) {
                quint64 count = 0;
                [[maybe_unused]] const ssize_t n = ::read(wakeFd, &count, sizeof count);
            }
            for (size_t i = 1; i < fds.size(); ++i) {
                if (fds[i].revents & (POLLIN | POLLHUP | POLLERR)) {
                    readAnswer(*watched[i - 1]);
                }
            }
            const Clock::time_point now = Clock::now();
            for (Process &process : processes) {
                if (process.pid > 0) {
                    watch(process, now);
                }
            }
        }
        shutDown();
    }

    // Closing the socket asks a worker to leave; the ones still there after a
    // short grace are killed.
    void shutDown()
    {
        for (Process &process : processes) {
            if (process.socket >= 0) {
                ::shutdown(process.socket, SHUT_RDWR);
            }
        }
        const Clock::time_point until = Clock::now() + options.quitGrace;
        for (Process &process : processes) {
            while (process.pid > 0 && Clock::now() < until) {
                int status = 0;
                if (waitpid(process.pid, &status, WNOHANG) == process.pid) {
                    // A worker leaves with 0; anything else (a sanitizer's report
                    // among them) is worth a line in the log.
                    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
                        qCWarning(lcEngine, "worker %d ended with status %d", int(process.pid),
                                  status);
                    }
                    process.pid = -1;
                    break;
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            }
            end(process);
        }
    }
};

WorkerPool::WorkerPool(Options options)
    : m_state(std::make_unique<State>())
    , m_options(std::move(options))
{
    m_options.workers = std::clamp(m_options.workers, 1, 64);
    m_state->options = m_options;
    m_state->available = isAvailable();
    if (!m_state->available) {
        qCWarning(lcEngine) << "the worker program" << m_options.executable << "can't be started";
    }
    m_state->wakeFd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    {
        const std::lock_guard lock(m_state->evictions->mutex);
        m_state->evictions->wakeFd = m_state->wakeFd;
    }
    // One more than the workers that draw: the reserve.
    m_state->processes.resize(size_t(m_options.workers) + 1);
    m_state->thread = std::thread([state = m_state.get()] { state->run(); });
}

WorkerPool::~WorkerPool()
{
    {
        const std::lock_guard lock(m_state->mutex);
        m_state->stopping = true;
    }
    m_state->wake();
    m_state->thread.join();
    {
        const std::lock_guard lock(m_state->evictions->mutex);
        m_state->evictions->wakeFd = -1;
    }
    // Dropped unanswered: their promises end cancelled.
    m_state->queue.clear();
    ::close(m_state->wakeFd);
}

void WorkerPool::submit(std::shared_ptr<Job> job)
{
    if (!m_state->available) {
        State::fail(job, Failure::Unavailable);
        return;
    }
    {
        const std::lock_guard lock(m_state->mutex);
        m_state->queue.push_back(std::move(job));
    }
    m_state->wake();
}

void WorkerPool::startAll()
{
    if (!m_state->available) {
        return;
    }
    {
        const std::lock_guard lock(m_state->mutex);
        m_state->startAllAsked = true;
    }
    m_state->wake();
}

std::shared_ptr<const WorkerSource> WorkerPool::source(SharedBytes bytes,
                                                       std::optional<QString> password)
{
    return std::make_shared<const WorkerSource>(m_state->nextKey.fetch_add(1), std::move(bytes),
                                                std::move(password), m_state->evictions);
}

bool WorkerPool::isAvailable() const
{
    const QFileInfo info(m_options.executable);
    return !m_options.executable.isEmpty() && info.isFile() && info.isExecutable();
}

int WorkerPool::startedCount() const
{
    return m_state->started.load();
}

QString WorkerPool::defaultExecutable()
{
    QString chosen = qEnvironmentVariable("TAMSEL_ENGINE_WORKER");
    if (!chosen.isEmpty()) {
        return chosen;
    }
    const QFileInfo self(QStringLiteral("/proc/self/exe"));
    return QFileInfo(self.symLinkTarget()).absolutePath() + QStringLiteral("/tamsel-engine");
}

WorkerPool::Options WorkerPool::defaultOptions()
{
    const qint64 memory = qint64(sysconf(_SC_PHYS_PAGES)) * sysconf(_SC_PAGESIZE);
    constexpr qint64 gib = qint64(1) << 30;
    const int cores = int(std::max(1L, sysconf(_SC_NPROCESSORS_ONLN)));
    Options options;
    options.executable = defaultExecutable();
    // A worker needs about a gigabyte for a big page at print resolution; never
    // more workers than cores, nor than eight.
    options.workers = std::clamp(int(std::min<qint64>(cores, memory / gib)), 1, 8);
    options.memoryBytes = std::clamp(memory / 4, 2 * gib, 8 * gib);
    return options;
}
