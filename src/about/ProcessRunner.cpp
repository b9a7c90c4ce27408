#include "about/ProcessRunner.h"

#include <QCoreApplication>
#include <QPromise>
#include <QTextBoundaryFinder>

#include <algorithm>
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

constexpr qint64 DrainMs = 2000;
constexpr qint64 KillGraceMs = 5000;
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

// Any process of the group other than its (ended) leader that has not ended yet.
bool groupHasOthers(pid_t group)
{
    DIR *proc = opendir("/proc");
    if (!proc) {
        return false;
    }
    bool found = false;
    while (dirent *entry = readdir(proc)) {
        char *end = nullptr;
        const long pid = std::strtol(entry->d_name, &end, 10);
        if (pid <= 0 || *end != '\0' || pid == group) {
            continue;
        }
        char path[64];
        std::snprintf(path, sizeof path, "/proc/%ld/stat", pid);
        const int fd = open(path, O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            continue;
        }
        char buffer[512];
        const ssize_t n = read(fd, buffer, sizeof buffer - 1);
        close(fd);
        if (n <= 0) {
            continue;
        }
        buffer[n] = '\0';
        // The name may hold anything, spaces and parentheses included; the fields
        // after it start at the last ')'.
        const char *rest = std::strrchr(buffer, ')');
        char state = 0;
        long parent = 0;
        long pgrp = 0;
        if (rest && std::sscanf(rest + 1, " %c %ld %ld", &state, &parent, &pgrp) == 3 && pgrp == group
            && state != 'Z' && state != 'X') {
            found = true;
            break;
        }
    }
    closedir(proc);
    return found;
}

void signalTree(pid_t leader, int signal)
{
    // The leader is signalled on its own too, in case it moved to another group.
    kill(-leader, signal);
    kill(leader, signal);
}

struct Stream
{
    int fd = -1;
    QByteArray bytes;

    bool open() const { return fd >= 0; }

    void finish()
    {
        if (fd >= 0) {
            close(fd);
            fd = -1;
        }
    }

    // Reads what is there now; beyond the cap it is read and dropped.
    void readAvailable()
    {
        char chunk[65536];
        while (fd >= 0) {
            const ssize_t n = read(fd, chunk, sizeof chunk);
            if (n > 0) {
                const qsizetype room = MaxStreamBytes - bytes.size();
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

Launch launch(const QString &tool, const QStringList &arguments, const QHash<QString, QString> &extra)
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
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

    pid_t pid = -1;
    const int error = posix_spawn(&pid, path.constData(), &actions, &attributes, argv.data(), envp.data());
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

QString decode(const QByteArray &bytes)
{
    return QString::fromUtf8(bytes);
}

// Follows one launched tool to its end on a thread of its own, then clears up what
// it left behind after the result is out.
void supervise(Launch tool, qint64 timeoutMs, CancelToken cancel, QPromise<Result<Output>> promise)
{
    const pid_t pid = tool.pid;
    const int pidFd = openPidFd(pid);
    const qint64 deadline = nowMs() + std::max<qint64>(0, timeoutMs);

    std::optional<qint32> status;
    qint64 drainEnd = -1;
    qint64 killAt = -1;
    bool stopped = false;
    bool timedOut = false;

    auto stop = [&] {
        signalTree(pid, SIGTERM);
        stopped = true;
        killAt = nowMs() + KillGraceMs;
    };

    for (;;) {
        if (!status) {
            status = endedStatus(pid);
        }
        const qint64 now = nowMs();
        if (status) {
            if (drainEnd < 0) {
                drainEnd = now + DrainMs;
            }
            if ((!tool.out.open() && !tool.err.open()) || now >= drainEnd) {
                break;
            }
        } else {
            if (now >= deadline) {
                // Stopped again even when a cancellation already asked politely: a
                // tool still running at its time-out counts as timed out.
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
            signalTree(pid, SIGKILL);
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
    output.standardOutput = decode(tool.out.bytes);
    output.standardError = decode(tool.err.bytes);
    output.timedOut = timedOut;
    promise.addResult(Result<Output>(std::move(output)));
    promise.finish();

    // Whatever still held the streams after the tool ended is stopped like the tool
    // would have been; a stop already under way gets its forceful end on time.
    if (streamsHeld && !stopped) {
        stop();
    }
    while (killAt >= 0 && nowMs() < killAt && groupHasOthers(pid)) {
        usleep(TickMs * 1000);
    }
    if (killAt >= 0) {
        signalTree(pid, SIGKILL);
    }
    if (pidFd >= 0) {
        close(pidFd);
    }
    // Only now may the id go back to the system.
    waitpid(pid, nullptr, 0);
}

} // namespace

QFuture<Result<Output>> run(QString tool, QStringList arguments, std::chrono::milliseconds timeout,
                            QHash<QString, QString> extraEnvironment, CancelToken cancel)
{
    QPromise<Result<Output>> promise;
    promise.start();
    QFuture<Result<Output>> future = promise.future();

    Launch launched = launch(tool, arguments, extraEnvironment);
    if (launched.pid < 0) {
        promise.addResult(Result<Output>(Error{qt_error_string(launched.error), int(Failure::Launch)}));
        promise.finish();
        return future;
    }
    std::thread(supervise, std::move(launched), qint64(timeout.count()), std::move(cancel), std::move(promise))
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
