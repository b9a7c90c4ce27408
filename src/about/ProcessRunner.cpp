#include "about/ProcessRunner.h"

#include <QCoreApplication>
#include <QPromise>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <atomic>
#include <map>
#include <thread>
#include <vector>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace ProcessRunner {

namespace {

std::atomic<qint64> s_killGraceMs{Settings{}.killGrace.count()};
std::atomic<qint64> s_drainMs{Settings{}.drain.count()};
std::atomic<qsizetype> s_streamBytes{Settings{}.streamBytes};
constexpr int TickMs = 50;

// Milliseconds on a clock that keeps counting while the computer sleeps.
qint64 nowMs()
{
    timespec ts{};
    clock_gettime(CLOCK_BOOTTIME, &ts);
    return qint64(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

using Environment = std::map<QByteArray, QByteArray>;

// Taken once, at the first run: what the program's environment was then is what
// every tool sees, whatever is set later.
const Environment &baseEnvironment()
{
    static const Environment environment = [] {
        Environment out;
        for (char **entry = environ; entry && *entry; ++entry) {
            const QByteArray line(*entry);
            const qsizetype equals = line.indexOf('=');
            if (equals <= 0) {
                continue;
            }
            const QByteArray name = line.left(equals);
            if (name.startsWith("DYLD_") || name.startsWith("LD_")) {
                continue;
            }
            out[name] = line.mid(equals + 1);
        }
        out["PATH"] = "/usr/bin:/bin:/usr/sbin:/sbin";
        return out;
    }();
    return environment;
}

int openPidFd(pid_t pid)
{
#ifdef SYS_pidfd_open
    return int(syscall(SYS_pidfd_open, pid, 0));
#else
    Q_UNUSED(pid);
    return -1;
#endif
}

// Whether the tool has ended, without reaping it: while it stays a zombie its process
// id, and with it the id of its process group, cannot go to anyone else, so signals
// sent to either can only reach what the tool started.
std::optional<qint32> endedStatus(pid_t pid)
{
    siginfo_t info{};
    if (waitid(P_PID, id_t(pid), &info, WEXITED | WNOHANG | WNOWAIT) != 0 || info.si_pid != pid) {
        return std::nullopt;
    }
    return qint32(info.si_status);
}

struct ProcStat
{
    long pid = 0;
    char state = 0;
    long parent = 0;
    long group = 0;
    unsigned long long startTime = 0;

    bool ended() const { return state == 'Z' || state == 'X'; }
};

std::optional<ProcStat> readStat(long pid)
{
    char path[64];
    std::snprintf(path, sizeof path, "/proc/%ld/stat", pid);
    const int fd = open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    char buffer[1024];
    const ssize_t n = read(fd, buffer, sizeof buffer - 1);
    close(fd);
    if (n <= 0) {
        return std::nullopt;
    }
    buffer[n] = '\0';
    // The name may hold anything, spaces and parentheses included; the fields after
    // it start at the last ')'.
    const char *rest = std::strrchr(buffer, ')');
    ProcStat stat;
    stat.pid = pid;
    if (!rest ||
        std::sscanf(
            rest + 1,
            " %c %ld %ld %*s %*s %*s %*s %*s %*s %*s %*s %*s %*s %*s %*s %*s %*s %*s %*s %llu",
            &stat.state, &stat.parent, &stat.group, &stat.startTime) != 4) {
        return std::nullopt;
    }
    return stat;
}

std::vector<ProcStat> allProcesses()
{
    std::vector<ProcStat> out;
    DIR *proc = opendir("/proc");
    if (!proc) {
        return out;
    }
    while (dirent *entry = readdir(proc)) {
        char *end = nullptr;
        const long pid = std::strtol(entry->d_name, &end, 10);
        if (pid > 0 && *end == '\0') {
            if (const std::optional<ProcStat> stat = readStat(pid)) {
                out.push_back(*stat);
            }
        }
    }
    closedir(proc);
    return out;
}

// Every process below `pid`, each after all of its own descendants.
void collectDescendants(const std::vector<ProcStat> &all, long pid, std::vector<ProcStat> &out,
                        int depth = 0)
{
    if (depth > 256) {
        return;
    }
    for (const ProcStat &stat : all) {
        if (stat.parent == pid && stat.pid != pid) {
            collectDescendants(all, stat.pid, out, depth + 1);
            out.push_back(stat);
        }
    }
}

int pidFdSignal(int pidFd, int signal)
{
#ifdef SYS_pidfd_send_signal
    return int(syscall(SYS_pidfd_send_signal, pidFd, signal, nullptr, 0));
#else
    Q_UNUSED(pidFd);
    Q_UNUSED(signal);
    errno = ENOSYS;
    return -1;
#endif
}

// Stops the tool and what it started. The tool stays unreaped until the stop is over,
// so its own id and its group's id cannot pass to another process meanwhile. The
// processes below it are held by process descriptors taken when the stop begins and
// checked against their start times: a process that ends is never confused with a
// newcomer that inherits its id. Together this reaches children that left the group
// and those the tool starts after the stop began.
class TreeStopper
{
public:
    explicit TreeStopper(pid_t leader)
        : m_leader(leader)
    {}
    TreeStopper(const TreeStopper &) = delete;
    TreeStopper &operator=(const TreeStopper &) = delete;
    ~TreeStopper()
    {
        for (int fd : m_held) {
            close(fd);
        }
    }

    void terminate()
    {
        if (!m_taken) {
            m_taken = true;
            std::vector<ProcStat> below;
            collectDescendants(allProcesses(), m_leader, below);
            for (const ProcStat &stat : below) {
                const int fd = openPidFd(pid_t(stat.pid));
                if (fd < 0) {
                    continue;
                }
                const std::optional<ProcStat> now = readStat(stat.pid);
                if (now && now->startTime == stat.startTime) {
                    m_held.push_back(fd);
                } else {
                    close(fd);
                }
            }
        }
        send(SIGTERM);
    }

    void kill() { send(SIGKILL); }

    // Whether anything besides the ended tool may still run.
    bool othersRunning() const
    {
        for (int fd : m_held) {
            pollfd ended{fd, POLLIN, 0};
            if (poll(&ended, 1, 0) == 0) {
                return true;
            }
        }
        for (const ProcStat &stat : allProcesses()) {
            if (stat.group == m_leader && stat.pid != m_leader && !stat.ended()) {
                return true;
            }
        }
        return false;
    }

private:
    void send(int signal)
    {
        ::kill(m_leader, signal);
        for (int fd : m_held) {
            pidFdSignal(fd, signal);
        }
        ::kill(-m_leader, signal);
    }

    pid_t m_leader;
    bool m_taken = false;
    std::vector<int> m_held;
};

struct Stream
{
    int fd = -1;
    qsizetype cap = MaxStreamBytes;
    QByteArray bytes;

    bool open() const { return fd >= 0; }

    void finish()
    {
        if (fd >= 0) {
            close(fd);
            fd = -1;
        }
    }

    // Reads what is there now, at most a few chunks so that a tool that never stops
    // writing cannot keep the time-out and cancellation from being looked at; beyond
    // the cap it is read and dropped.
    void readAvailable()
    {
        char chunk[65536];
        for (int chunks = 0; fd >= 0 && chunks < 16; ++chunks) {
            const ssize_t n = read(fd, chunk, sizeof chunk);
            if (n > 0) {
                const qsizetype room = cap - bytes.size();
                if (room > 0) {
                    bytes.append(chunk, std::min<qsizetype>(room, n));
                }
            } else if (n < 0 && errno == EINTR) {
                continue;
            } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
                return;
            } else {
                finish();
            }
        }
    }
};

struct Launch
{
    pid_t pid = -1;
    int error = 0;
    Stream out;
    Stream err;
};

bool makePipe(int fds[2])
{
    if (pipe2(fds, O_CLOEXEC) != 0) {
        return false;
    }
    // Only our end stops blocking; the tool keeps ordinary blocking output.
    fcntl(fds[0], F_SETFL, fcntl(fds[0], F_GETFL) | O_NONBLOCK);
    return true;
}

Launch launch(const QString &tool, const QStringList &arguments,
              const QHash<QString, QString> &extra)
{
    Launch result;

    Environment environment = baseEnvironment();
    for (auto it = extra.cbegin(); it != extra.cend(); ++it) {
        environment[it.key().toLocal8Bit()] = it.value().toLocal8Bit();
    }
    std::vector<QByteArray> envLines;
    envLines.reserve(environment.size());
    for (const auto &[name, value] : environment) {
        envLines.push_back(name + '=' + value);
    }
    std::vector<char *> envp;
    for (QByteArray &line : envLines) {
        envp.push_back(line.data());
    }
    envp.push_back(nullptr);

    const QByteArray path = tool.toLocal8Bit();
    std::vector<QByteArray> argLines{path};
    for (const QString &argument : arguments) {
        argLines.push_back(argument.toLocal8Bit());
    }
    std::vector<char *> argv;
    for (QByteArray &line : argLines) {
        argv.push_back(line.data());
    }
    argv.push_back(nullptr);

    int outPipe[2] = {-1, -1};
    int errPipe[2] = {-1, -1};
    if (!makePipe(outPipe) || !makePipe(errPipe)) {
        result.error = errno;
        for (int fd : {outPipe[0], outPipe[1]}) {
            if (fd >= 0) {
                close(fd);
            }
        }
        return result;
    }

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, outPipe[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, errPipe[1], STDERR_FILENO);
    posix_spawn_file_actions_addclosefrom_np(&actions, STDERR_FILENO + 1);

    // Its own process group, so that stopping it reaches what it starts; default
    // signal handling and an empty mask whatever this program has set for itself.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none;
    sigset_t all;
    sigemptyset(&none);
    sigfillset(&all);
    posix_spawnattr_setpgroup(&attributes, 0);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &all);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK |
                                              POSIX_SPAWN_SETSIGDEF);

    pid_t pid = -1;
    const int error =
        posix_spawn(&pid, path.constData(), &actions, &attributes, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    close(outPipe[1]);
    close(errPipe[1]);
    if (error != 0) {
        close(outPipe[0]);
        close(errPipe[0]);
        result.error = error;
        return result;
    }
    result.pid = pid;
    result.out.fd = outPipe[0];
    result.err.fd = errPipe[0];
    return result;
}

// Follows one launched tool to its end on a thread of its own, then clears up what
// it left behind after the result is out.
void supervise(Launch tool, qint64 timeoutMs, CancelToken cancel, QPromise<Result<Output>> promise)
{
    const pid_t pid = tool.pid;
    const int pidFd = openPidFd(pid);
    // Bounded so that "practically never" cannot overflow the clock arithmetic.
    const qint64 deadline = nowMs() + std::clamp<qint64>(timeoutMs, 0, qint64(1) << 40);
    const qint64 killGraceMs = s_killGraceMs.load();
    const qint64 drainMs = s_drainMs.load();
    tool.out.cap = tool.err.cap = s_streamBytes.load();

    std::optional<qint32> status;
    qint64 drainEnd = -1;
    qint64 killAt = -1;
    bool stopped = false;
    bool timedOut = false;

    TreeStopper tree(pid);
    auto stop = [&] {
        tree.terminate();
        stopped = true;
        killAt = nowMs() + killGraceMs;
    };

    for (;;) {
        if (!status) {
            status = endedStatus(pid);
        }
        const qint64 now = nowMs();
        if (status) {
            if (drainEnd < 0) {
                drainEnd = now + drainMs;
            }
            if ((!tool.out.open() && !tool.err.open()) || now >= drainEnd) {
                break;
            }
        } else {
            if (now >= deadline) {
                // A tool still running at its time-out has timed out, even when a
                // cancellation already asked it to stop.
                if (!timedOut) {
                    timedOut = true;
                    if (!stopped) {
                        stop();
                    }
                }
            } else if (!stopped && cancel.isCanceled()) {
                stop();
            }
        }
        if (killAt >= 0 && now >= killAt) {
            tree.kill();
            killAt = -1;
        }

        qint64 wait = TickMs;
        for (qint64 moment : {status ? drainEnd : deadline, killAt}) {
            if (moment >= 0) {
                wait = std::min(wait, std::max<qint64>(0, moment - now));
            }
        }
        pollfd fds[3];
        nfds_t count = 0;
        for (int fd : {tool.out.fd, tool.err.fd, status ? -1 : pidFd}) {
            if (fd >= 0) {
                fds[count++] = pollfd{fd, POLLIN, 0};
            }
        }
        poll(fds, count, int(wait));
        tool.out.readAvailable();
        tool.err.readAvailable();
    }

    const bool streamsHeld = tool.out.open() || tool.err.open();
    tool.out.finish();
    tool.err.finish();

    Output output;
    output.status = *status;
    output.standardOutput = QString::fromUtf8(tool.out.bytes);
    output.standardError = QString::fromUtf8(tool.err.bytes);
    output.timedOut = timedOut;
    promise.addResult(Result<Output>(std::move(output)));
    promise.finish();

    // Whatever still held the streams after the tool ended is stopped like the tool
    // would have been; a stop already under way gets its forceful end on time.
    if (streamsHeld && !stopped) {
        stop();
    }
    while (killAt >= 0 && nowMs() < killAt && tree.othersRunning()) {
        usleep(TickMs * 1000);
    }
    if (killAt >= 0) {
        tree.kill();
    }
    if (pidFd >= 0) {
        close(pidFd);
    }
    // Only now may the id go back to the system.
    waitpid(pid, nullptr, 0);
}

} // namespace

Settings settings()
{
    return Settings{std::chrono::milliseconds(s_killGraceMs.load()),
                    std::chrono::milliseconds(s_drainMs.load()), s_streamBytes.load()};
}

void setSettings(Settings settings)
{
    s_killGraceMs.store(std::max<qint64>(0, settings.killGrace.count()));
    s_drainMs.store(std::max<qint64>(0, settings.drain.count()));
    s_streamBytes.store(std::max<qsizetype>(0, settings.streamBytes));
}

QFuture<Result<Output>> run(QString tool, QStringList arguments, std::chrono::milliseconds timeout,
                            QHash<QString, QString> extraEnvironment, CancelToken cancel)
{
    QPromise<Result<Output>> promise;
    promise.start();
    QFuture<Result<Output>> future = promise.future();

    Launch launched = launch(tool, arguments, extraEnvironment);
    if (launched.pid < 0) {
        promise.addResult(
            Result<Output>(Error{qt_error_string(launched.error), int(Failure::Launch)}));
        promise.finish();
        return future;
    }
    std::thread(supervise, std::move(launched), qint64(timeout.count()), std::move(cancel),
                std::move(promise))
        .detach();
    return future;
}

QString Output::errorMessage() const
{
    if (timedOut) {
        //: Error when a command-line tool times out
        return QCoreApplication::translate("ProcessRunner", "The tool didn't answer in time.");
    }
    QString text = standardError.trimmed();
    if (text.isEmpty()) {
        text = standardOutput.trimmed();
    }
    if (!text.isEmpty()) {
        // Cut after 300 characters as a reader counts them, never inside one.
        QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
        int count = 0;
        while (count < 300 && finder.toNextBoundary() >= 0) {
            ++count;
        }
        return finder.position() >= 0 ? text.left(finder.position()) : text;
    }
    //: Error of a command-line tool that gave no message
    return QCoreApplication::translate("ProcessRunner", "Exit code %1").arg(status);
}

} // namespace ProcessRunner
