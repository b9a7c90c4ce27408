#include "engine/WorkerPool.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/eventfd.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <deque>
#include <map>
#include <set>
#include <thread>

extern char **environ;

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
    : key(key), bytes(std::move(bytes)), password(std::move(password)), m_evictions(std::move(evictions))
{
}

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

// How long a request may keep the cancel flag unanswered before its worker is ended.
constexpr auto cancelGrace = std::chrono::milliseconds(1000);
// How long the pool waits, when it ends, for workers to leave by themselves.
constexpr auto quitGrace = std::chrono::milliseconds(500);
// How often a busy worker's memory and its request's cancel flag are looked at.
constexpr int watchIntervalMs = 50;
// A worker must answer a started frame within this time.
constexpr int socketTimeoutMs = 5000;

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

void setTimeouts(int socket)
{
    const timeval timeout{socketTimeoutMs / 1000, (socketTimeoutMs % 1000) * 1000};
    setsockopt(socket, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    setsockopt(socket, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
}

} // namespace

struct WorkerPool::State
{
    struct Process
    {
        pid_t pid = -1;
        int socket = -1;
        CancelPage *cancel = nullptr;
        std::set<quint64> loaded;
        std::shared_ptr<Job> job;
        quint64 seq = 0;
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
    std::atomic<int> started{0};
    std::atomic<quint64> nextKey{1};

    // Supervisor thread only.
    std::vector<Process> processes;
    quint64 nextSeq = 1;
    std::map<JobKind, quint32> ordinals;
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
            return false;
        }
        // Never descriptor 3 already, so that the child's dup2 always clears close-on-exec.
        const int childEnd = fcntl(pair[1], F_DUPFD_CLOEXEC, 10);
        ::close(pair[1]);
        if (childEnd < 0) {
            ::close(pair[0]);
            return false;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, childEnd, 3);
        const QByteArray program = QFile::encodeName(options.executable);
        QList<QByteArray> args{program, "--engine-worker",
                               "--memory=" + QByteArray::number(options.memoryBytes)};
        for (const QString &argument : options.arguments) {
            args.append(argument.toLocal8Bit());
        }
        std::vector<char *> argv;
        for (QByteArray &arg : args) {
            argv.push_back(arg.data());
        }
        argv.push_back(nullptr);
        pid_t pid = -1;
        const int spawned = posix_spawn(&pid, program.constData(), &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        ::close(childEnd);
        if (spawned != 0) {
            ::close(pair[0]);
            return false;
        }
        started.fetch_add(1);
        process = Process{};
        process.pid = pid;
        process.socket = pair[0];
        setTimeouts(process.socket);

        const int pageFd = memfd_create("tamsel-cancel", MFD_CLOEXEC);
        if (pageFd >= 0 && ftruncate(pageFd, sizeof(CancelPage)) == 0) {
            void *p = mmap(nullptr, sizeof(CancelPage), PROT_READ | PROT_WRITE, MAP_SHARED, pageFd, 0);
            if (p != MAP_FAILED) {
                process.cancel = new (p) CancelPage;
            }
        }
        const IoResult hello = send(process.socket, encode(Hello{pageFd}));
        if (pageFd >= 0) {
            ::close(pageFd);
        }
        if (hello != IoResult::Ok) {
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
        if (process.cancel) {
            munmap(process.cancel, sizeof(CancelPage));
        }
        process = Process{};
    }

    // The worker failed its job: ends it, answers the job and counts a strike.
    void lose(Process &process, Failure failure)
    {
        std::shared_ptr<Job> job = std::move(process.job);
        end(process);
        if (job) {
            if (failure != Failure::Canceled) {
                strike(*job);
            }
            fail(job, failure);
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
            if (send(process.socket, encode(Load{source->key, source->password, source->bytes})) != IoResult::Ok) {
                return false;
            }
            process.loaded.insert(source->key);
        }
        if (job->caches != 0) {
            process.loaded.insert(job->caches);
        }
        process.seq = nextSeq++;
        const quint32 ordinal = ++ordinals[job->kind];
        process.deadline = Clock::now() + job->limit;
        process.cancelAsked.reset();
        process.job = job;
        return send(process.socket, process.job->request, process.seq, ordinal) == IoResult::Ok;
    }

    std::shared_ptr<Job> takeNext()
    {
        const std::lock_guard lock(mutex);
        if (queue.empty()) {
            return nullptr;
        }
        std::shared_ptr<Job> job = std::move(queue.front());
        queue.pop_front();
        return job;
    }

    void dispatch()
    {
        for (;;) {
            Process *idle = nullptr;
            for (Process &process : processes) {
                if (process.pid > 0 && !process.job) {
                    idle = &process;
                    break;
                }
            }
            if (!idle) {
                for (Process &process : processes) {
                    if (process.pid <= 0) {
                        idle = &process;
                        break;
                    }
                }
            }
            if (!idle) {
                return;
            }
            std::shared_ptr<Job> job = takeNext();
            if (!job) {
                return;
            }
            if (job->cancel.isCanceled()) {
                fail(job, Failure::Canceled);
                continue;
            }
            if (refused(*job)) {
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
                if (process.cancel) {
                    process.cancel->cancelSeq.store(process.seq);
                }
            } else if (now - *process.cancelAsked >= cancelGrace) {
                lose(process, Failure::Canceled);
            }
        }
    }

    void readAnswer(Process &process)
    {
        Message message;
        const IoResult got = receive(process.socket, message);
        if (got != IoResult::Ok || !process.job || message.seq != process.seq
            || (message.type != process.job->replyType && message.type != Type::Failed)) {
            closeAll(message.fds);
            // A worker that dies between jobs takes no job with it.
            lose(process, Failure::Crashed);
            return;
        }
        if (process.job->cancel.isCanceled()) {
            // Whoever cancelled no longer wants the answer, however far it got.
            std::shared_ptr<Job> job = std::move(process.job);
            process.job.reset();
            fail(job, Failure::Canceled);
        } else if (process.job->answered && !process.job->answered(message)) {
            lose(process, Failure::Crashed);
        } else {
            process.job.reset();
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
            if (!gone.empty()) {
                for (Process &process : processes) {
                    if (process.pid > 0 && !process.job && !sendEvictions(process, gone)) {
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
            int timeout = busy ? watchIntervalMs : -1;
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
        const Clock::time_point until = Clock::now() + quitGrace;
        for (Process &process : processes) {
            while (process.pid > 0 && Clock::now() < until) {
                int status = 0;
                if (waitpid(process.pid, &status, WNOHANG) == process.pid) {
                    // A worker leaves with 0; anything else (a sanitizer's report
                    // among them) is worth a line in the log.
                    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
                        qWarning("engine worker %d ended with status %d", int(process.pid), status);
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

WorkerPool::WorkerPool(Options options) : m_state(std::make_unique<State>()), m_options(std::move(options))
{
    m_options.workers = std::clamp(m_options.workers, 1, 64);
    m_state->options = m_options;
    m_state->available = isAvailable();
    m_state->wakeFd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    {
        const std::lock_guard lock(m_state->evictions->mutex);
        m_state->evictions->wakeFd = m_state->wakeFd;
    }
    m_state->processes.resize(size_t(m_options.workers));
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

std::shared_ptr<const WorkerSource> WorkerPool::source(SharedBytes bytes, std::optional<QString> password)
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
    const QString chosen = qEnvironmentVariable("TAMSEL_ENGINE_WORKER");
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
