#include "platform/Sandbox.h"

#include <QByteArray>
#include <QFile>
#include <QLoggingCategory>

#include <fcntl.h>
#include <linux/landlock.h>
#include <poll.h>
#include <seccomp.h>
#include <signal.h>
#include <spawn.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <future>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

extern char **environ;

Q_LOGGING_CATEGORY(lcSandbox, "tamsel.sandbox")

namespace {

// The child learns its parent's process id from this variable, to notice a
// parent that died before the child asked to die with it.
constexpr char parentVariable[] = "TAMSEL_SANDBOX_PARENT";

// What the libraries of a helper read from the environment: the language, the
// time zone, where fonts and their caches are, Qt's own switches and the
// sanitizers' options. Nothing that leads to the user's display, session bus,
// agents or terminal.
bool isKept(const char *entry)
{
    static const char *const names[] = {"HOME",
                                        "LANG",
                                        "LANGUAGE",
                                        "TZ",
                                        "LD_LIBRARY_PATH",
                                        "XDG_CACHE_HOME",
                                        "XDG_CONFIG_HOME",
                                        "XDG_DATA_HOME",
                                        "XDG_DATA_DIRS",
                                        "XDG_CONFIG_DIRS"};
    static const char *const prefixes[] = {"LC_", "FONTCONFIG_", "QT_", "ASAN_", "UBSAN_", "LSAN_"};
    const char *equals = std::strchr(entry, '=');
    if (!equals) {
        return false;
    }
    const std::string_view name(entry, size_t(equals - entry));
    for (const char *kept : names) {
        if (name == kept) {
            return true;
        }
    }
    for (const char *prefix : prefixes) {
        if (name.starts_with(prefix)) {
            return true;
        }
    }
    return false;
}

// A descriptor numbered above the ones a child's file actions assign, so that
// no action overwrites another's source.
int above(int fd)
{
    const int moved = fcntl(fd, F_DUPFD_CLOEXEC, 10);
    ::close(fd);
    return moved;
}

// The thread that starts every helper and reads their standard error into the
// program's log, a line at a time. It lives as long as the program, so a
// helper, which dies with the thread that started it, dies with the program.
class Helpers
{
public:
    static Helpers &instance()
    {
        // Never destroyed: its thread may still be reading while the program exits.
        static Helpers *helpers = new Helpers;
        return *helpers;
    }

    // Runs `start` on the helpers' thread; it returns the child's process id
    // and the descriptor its standard error can be read from, or -1.
    pid_t run(const std::function<std::pair<pid_t, int>()> &start)
    {
        std::packaged_task<pid_t()> task([this, &start] {
            const auto [pid, errors] = start();
            if (pid > 0 && errors >= 0) {
                m_sources[errors] = Source{pid, {}};
            } else if (errors >= 0) {
                ::close(errors);
            }
            return pid;
        });
        std::future<pid_t> started = task.get_future();
        {
            const std::lock_guard lock(m_mutex);
            m_tasks.push_back(std::move(task));
        }
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t n = ::write(m_wake, &one, sizeof one);
        return started.get();
    }

private:
    struct Source
    {
        pid_t pid;
        std::string pending;
    };

    Helpers()
        : m_wake(eventfd(0, EFD_CLOEXEC))
    {
        std::thread([this] { loop(); }).detach();
    }

    void loop()
    {
        std::vector<pollfd> polled;
        for (;;) {
            polled.assign(1, pollfd{m_wake, POLLIN, 0});
            for (const auto &[fd, source] : m_sources) {
                polled.push_back(pollfd{fd, POLLIN, 0});
            }
            if (::poll(polled.data(), polled.size(), -1) < 0) {
                continue;
            }
            for (size_t i = 1; i < polled.size(); ++i) {
                if (polled[i].revents) {
                    readFrom(polled[i].fd);
                }
            }
            if (polled[0].revents) {
                std::uint64_t count = 0;
                [[maybe_unused]] const ssize_t n = ::read(m_wake, &count, sizeof count);
                std::vector<std::packaged_task<pid_t()>> tasks;
                {
                    const std::lock_guard lock(m_mutex);
                    tasks.swap(m_tasks);
                }
                for (auto &task : tasks) {
                    task();
                }
            }
        }
    }

    void readFrom(int fd)
    {
        Source &source = m_sources[fd];
        char buffer[4096];
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            return;
        }
        if (n > 0) {
            source.pending.append(buffer, size_t(n));
        }
        size_t start = 0;
        for (size_t end; (end = source.pending.find('\n', start)) != std::string::npos;
             start = end + 1) {
            qCInfo(lcSandbox).noquote()
                << QStringLiteral("[%1]").arg(source.pid)
                << QString::fromUtf8(source.pending.data() + start, qsizetype(end - start));
        }
        source.pending.erase(0, start);
        if (n <= 0) {
            if (!source.pending.empty()) {
                qCInfo(lcSandbox).noquote() << QStringLiteral("[%1]").arg(source.pid)
                                            << QString::fromStdString(source.pending);
            }
            ::close(fd);
            m_sources.erase(fd);
        }
    }

    const int m_wake;
    std::mutex m_mutex;
    std::vector<std::packaged_task<pid_t()>> m_tasks;
    std::map<int, Source> m_sources; // the thread's own
};

// Landlock as the kernel numbers it, including what newer kernels added after
// the system's headers.
namespace Landlock {
constexpr std::uint64_t execute = 1ULL << 0;
constexpr std::uint64_t readFile = 1ULL << 2;
constexpr std::uint64_t readDir = 1ULL << 3;
constexpr std::uint64_t fsRightsAbi1 = (1ULL << 13) - 1;
constexpr std::uint64_t refer = 1ULL << 13;             // ABI 2
constexpr std::uint64_t truncate = 1ULL << 14;          // ABI 3
constexpr std::uint64_t ioctlDev = 1ULL << 15;          // ABI 5
constexpr std::uint64_t bindTcp = 1ULL << 0;            // ABI 4
constexpr std::uint64_t connectTcp = 1ULL << 1;         // ABI 4
constexpr std::uint64_t abstractUnixSocket = 1ULL << 0; // ABI 6
constexpr std::uint64_t signal = 1ULL << 1;             // ABI 6

struct Attributes
{
    std::uint64_t fs = 0;
    std::uint64_t net = 0;
    std::uint64_t scoped = 0;
};
} // namespace Landlock

// The folders and files a helper may read: the system's libraries, plugins and
// data (Poppler's, Qt's, the time zones), the fonts with their configuration
// and caches, the user's own fonts, and the process's own /proc entries.
std::vector<std::string> readableRoots()
{
    std::vector<std::string> roots{"/usr",
                                   "/lib",
                                   "/lib64",
                                   "/etc/ld.so.cache",
                                   "/etc/fonts",
                                   "/etc/localtime",
                                   "/var/cache/fontconfig",
                                   "/proc/self",
                                   "/sys/devices/system/cpu",
                                   "/dev/null",
                                   "/dev/urandom"};
    const auto fromEnvironment = [](const char *name, const char *fallback) -> std::string {
        const char *value = std::getenv(name);
        if (value && value[0] == '/') {
            return value;
        }
        const char *home = std::getenv("HOME");
        return home && home[0] == '/' ? std::string(home) + "/" + fallback : std::string();
    };
    // A sanitizer build reads its suppressions when its leak check starts, at
    // exit; without them it ends there and checks nothing.
    if (Sandbox::addressSanitizer) {
        constexpr QByteArrayView key = "suppressions=";
        for (const char *name : {"ASAN_OPTIONS", "LSAN_OPTIONS", "UBSAN_OPTIONS"}) {
            for (const QByteArray &option : qgetenv(name).replace(' ', ':').split(':')) {
                if (option.startsWith(key)) {
                    roots.push_back(option.mid(key.size()).toStdString());
                }
            }
        }
    }
    for (const auto &[base, sub] :
         {std::pair{fromEnvironment("XDG_DATA_HOME", ".local/share"), "/fonts"},
          std::pair{fromEnvironment("XDG_CACHE_HOME", ".cache"), "/fontconfig"},
          std::pair{fromEnvironment("XDG_CONFIG_HOME", ".config"), "/fontconfig"},
          std::pair{fromEnvironment("HOME", ""), "/.fonts"}}) {
        if (!base.empty()) {
            roots.push_back(base + sub);
        }
    }
    return roots;
}

enum class Applied { Yes, Unsupported, Failed };

Applied restrictFiles(QStringList &missing)
{
#ifdef SYS_landlock_create_ruleset
    const long abi =
        syscall(SYS_landlock_create_ruleset, nullptr, 0, LANDLOCK_CREATE_RULESET_VERSION);
    if (abi < 1) {
        if (errno != ENOSYS && errno != EOPNOTSUPP) {
            return Applied::Failed;
        }
        missing << QStringLiteral("Landlock");
        return Applied::Unsupported;
    }
    // Every right the kernel knows is handled, so only the rules below grant any.
    Landlock::Attributes attributes;
    attributes.fs = Landlock::fsRightsAbi1;
    if (abi >= 2) {
        attributes.fs |= Landlock::refer;
    }
    if (abi >= 3) {
        attributes.fs |= Landlock::truncate;
    }
    if (abi >= 5) {
        attributes.fs |= Landlock::ioctlDev;
    }
    size_t size = sizeof(std::uint64_t);
    if (abi >= 4) {
        attributes.net = Landlock::bindTcp | Landlock::connectTcp;
        size = 2 * sizeof(std::uint64_t);
    } else {
        missing << QStringLiteral("Landlock network rules");
    }
    if (abi >= 6) {
        attributes.scoped = Landlock::abstractUnixSocket | Landlock::signal;
        size = sizeof attributes;
    } else {
        missing << QStringLiteral("Landlock scopes");
    }
    const int ruleset = int(syscall(SYS_landlock_create_ruleset, &attributes, size, 0));
    if (ruleset < 0) {
        return Applied::Failed;
    }
    for (const std::string &root : readableRoots()) {
        const int fd = ::open(root.c_str(), O_PATH | O_CLOEXEC);
        if (fd < 0) {
            continue; // not on this system
        }
        struct stat info
        {
        };
        if (fstat(fd, &info) == 0) {
            landlock_path_beneath_attr rule{};
            rule.allowed_access =
                S_ISDIR(info.st_mode) ? Landlock::readFile | Landlock::readDir : Landlock::readFile;
            rule.parent_fd = fd;
            syscall(SYS_landlock_add_rule, ruleset, LANDLOCK_RULE_PATH_BENEATH, &rule, 0);
        }
        ::close(fd);
    }
    const long applied = syscall(SYS_landlock_restrict_self, ruleset, 0);
    ::close(ruleset);
    return applied == 0 ? Applied::Yes : Applied::Failed;
#else
    missing << QStringLiteral("Landlock");
    return Applied::Unsupported;
#endif
}

// The terminal requests that change a terminal or type into it, by type and
// number (the low 16 bits); the ones that only ask (a window size, whether it
// is a terminal) stay.
constexpr unsigned terminalCommands[] = {TCSETS,
                                         TCSETSW,
                                         TCSETSF,
                                         TCSETA,
                                         TCSETAW,
                                         TCSETAF,
                                         TCSBRK,
                                         TCSBRKP,
                                         TCXONC,
                                         TCFLSH,
                                         TIOCEXCL,
                                         TIOCNXCL,
                                         TIOCSCTTY,
                                         TIOCSPGRP,
                                         TIOCSTI,
                                         TIOCSWINSZ,
                                         TIOCMBIS,
                                         TIOCMBIC,
                                         TIOCMSET,
                                         TIOCSSOFTCAR,
                                         TIOCLINUX,
                                         TIOCCONS,
                                         TIOCSSERIAL,
                                         TIOCPKT,
                                         TIOCNOTTY,
                                         TIOCSETD,
                                         TIOCSBRK,
                                         TIOCCBRK,
                                         TIOCVHANGUP,
                                         TIOCSLCKTRMIOS,
                                         0x542B /* TCSETS2 */,
                                         0x542C /* TCSETSW2 */,
                                         0x542D /* TCSETSF2 */,
                                         0x5431 /* TIOCSPTLCK */,
                                         0x5436 /* TIOCSIG */,
                                         0x5441 /* TIOCGPTPEER */};

Applied restrictCalls(QStringList &missing)
{
    scmp_filter_ctx filter = seccomp_init(SCMP_ACT_ALLOW);
    if (!filter) {
        return Applied::Failed;
    }
    // Threads a library started before this call get the filter too.
    seccomp_attr_set(filter, SCMP_FLTATR_CTL_TSYNC, 1);
    const uint32_t refuse = SCMP_ACT_ERRNO(EPERM);
    const scmp_datum_t self = scmp_datum_t(getpid());
    bool ok = true;
    const auto add = [&](int call, unsigned count = 0, const scmp_arg_cmp *compare = nullptr) {
        if (call != __NR_SCMP_ERROR && call >= 0) {
            ok = seccomp_rule_add_array(filter, refuse, call, count, compare) == 0 && ok;
        }
    };
    const auto named = [](const char *name) { return seccomp_syscall_resolve_name(name); };

    // No new socket of any family, no use of one it could get otherwise, and
    // no asynchronous ring through which a socket could be made past this filter.
    for (const char *name : {"socket", "socketpair", "connect", "bind", "listen", "accept",
                             "accept4", "io_uring_setup", "io_uring_enter", "io_uring_register"}) {
        add(named(name));
    }
    // Nothing else's memory, no program started, no file's mode or owner changed.
    for (const char *name : {"process_vm_readv", "process_vm_writev", "pidfd_open", "pidfd_getfd",
                             "pidfd_send_signal", "tkill", "execve", "execveat", "chmod", "fchmod",
                             "fchmodat", "chown", "fchown", "lchown", "fchownat"}) {
        add(named(name));
    }
    // Newer than this libseccomp; the number is the same on every architecture.
    constexpr int fchmodat2 = 452;
    add(named("fchmodat2") != __NR_SCMP_ERROR ? named("fchmodat2") : fchmodat2);
    // The leak checker of a sanitizer build stops the process's threads by
    // tracing them; release builds trace nothing.
    if (!Sandbox::addressSanitizer) {
        add(named("ptrace"));
    }
    // Signals only to itself.
    const scmp_arg_cmp other = SCMP_A0(SCMP_CMP_NE, self);
    for (const char *name : {"kill", "tgkill", "rt_sigqueueinfo", "rt_tgsigqueueinfo"}) {
        add(named(name), 1, &other);
    }
    // Only the command's type and number are compared: the kernel ignores the
    // register's upper half, and the size bits don't make another request.
    for (const unsigned command : terminalCommands) {
        const scmp_arg_cmp isCommand = SCMP_A1(SCMP_CMP_MASKED_EQ, 0xFFFFu, command & 0xFFFFu);
        add(named("ioctl"), 1, &isCommand);
    }

    Applied result = Applied::Failed;
    if (ok) {
        const int loaded = seccomp_load(filter);
        if (loaded == 0) {
            result = Applied::Yes;
        } else if (loaded == -EINVAL && prctl(PR_GET_SECCOMP) < 0 && errno == EINVAL) {
            missing << QStringLiteral("seccomp");
            result = Applied::Unsupported;
        }
    }
    seccomp_release(filter);
    return result;
}

} // namespace

namespace Sandbox {

pid_t spawn(const QString &program, const QStringList &arguments, int channel, Errors errors,
            const QList<QByteArray> &variables)
{
    int errorPipe[2] = {-1, -1};
    if (errors == Errors::Log) {
        if (pipe2(errorPipe, O_CLOEXEC) != 0) {
            return -1;
        }
        errorPipe[0] = above(errorPipe[0]);
        errorPipe[1] = above(errorPipe[1]);
    }
    const int movedChannel = fcntl(channel, F_DUPFD_CLOEXEC, 10);
    const auto closeAll = [&] {
        for (const int fd : {errorPipe[0], errorPipe[1], movedChannel}) {
            if (fd >= 0) {
                ::close(fd);
            }
        }
    };
    if (movedChannel < 0 || (errors == Errors::Log && (errorPipe[0] < 0 || errorPipe[1] < 0))) {
        closeAll();
        return -1;
    }

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    if (errors == Errors::Log) {
        posix_spawn_file_actions_adddup2(&actions, errorPipe[1], STDERR_FILENO);
    } else {
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    }
    // A dup2 clears close-on-exec on the copy; the originals, all above 9, close.
    posix_spawn_file_actions_adddup2(&actions, movedChannel, channelFd);

    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none;
    sigemptyset(&none);
    sigset_t all;
    sigfillset(&all);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &all);
    posix_spawnattr_setflags(&attributes,
                             POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

    std::vector<QByteArray> environment;
    for (char **entry = environ; *entry; ++entry) {
        if (isKept(*entry)) {
            environment.emplace_back(*entry);
        }
    }
    environment.insert(environment.end(), variables.begin(), variables.end());
    environment.push_back(QByteArray(parentVariable) + '=' + QByteArray::number(getpid()));
    std::vector<char *> envp;
    for (QByteArray &entry : environment) {
        envp.push_back(entry.data());
    }
    envp.push_back(nullptr);

    const QByteArray path = QFile::encodeName(program);
    std::vector<QByteArray> args{path};
    for (const QString &argument : arguments) {
        args.push_back(argument.toLocal8Bit());
    }
    std::vector<char *> argv;
    for (QByteArray &arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);

    const pid_t pid = Helpers::instance().run([&]() -> std::pair<pid_t, int> {
        pid_t child = -1;
        const int spawned =
            posix_spawn(&child, path.constData(), &actions, &attributes, argv.data(), envp.data());
        return {spawned == 0 ? child : -1, errorPipe[0]};
    });
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    ::close(movedChannel);
    if (errorPipe[1] >= 0) {
        ::close(errorPipe[1]);
    }
    return pid;
}

Confinement enter()
{
    Confinement confinement;
    // Dies with the thread that started it. A parent gone before this call
    // left it to another one: then it leaves by itself.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    const char *parent = std::getenv(parentVariable);
    if (!parent || std::strtoll(parent, nullptr, 10) != getppid()) {
        return confinement;
    }
    unsetenv(parentVariable);
    // Nobody of the same user attaches to it or reads its memory through /proc.
    prctl(PR_SET_DUMPABLE, 0);
    if (getsid(0) != getpid()) {
        setsid();
    }
    if (::close_range(channelFd + 1, UINT_MAX, 0) != 0) {
        const long limit = sysconf(_SC_OPEN_MAX);
        for (long fd = channelFd + 1; fd < (limit > 0 ? limit : 4096); ++fd) {
            ::close(int(fd));
        }
    }
    if (prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0) {
        return confinement;
    }
    if (restrictFiles(confinement.missing) == Applied::Failed ||
        restrictCalls(confinement.missing) == Applied::Failed) {
        return confinement;
    }
    if (!confinement.missing.isEmpty()) {
        qCInfo(lcSandbox) << "this kernel lacks" << confinement.missing.join(QStringLiteral(", "))
                          << "; the other restrictions apply";
    }
    confinement.ok = true;
    return confinement;
}

} // namespace Sandbox
