// The engine's worker program with faults on demand, for the supervisor's tests:
//   --fault=<action>:<open|render|build|picture>:<n>
// fails the engine's n-th request of that kind (counted over every worker the
// engine started), or for renders every render of page index n. The actions:
// hang, crash, allocate; or a reply that breaks the protocol: unsealed (a memory
// file that could still shrink), huge (a sealed, empty 1 TiB memory file),
// status (an unknown open status), pages (2,147,483,647 pages), nan and inf
// (page sizes), trickle (a reply one byte every 3 s), oversized (a picture far
// bigger than asked); or keep (the worker keeps the output file's descriptor
// and writes into it after its answer).
//   --try-escapes --secret=<file> --scratch=<folder> --port=<n> --abstract=<name>
// confines itself as every worker does, takes a terminal and a file of the user's
// from its channel, tries what a taken-over worker would and writes one line per
// attempt to its channel: "<attempt> refused|allowed|unsupported[ detail]", where
// unsupported means it was allowed because this kernel lacks what refuses it.

#include "platform/Sandbox.h"
#include "worker/WorkerProcess.h"

#include <QByteArray>
#include <QList>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/ioctl.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/ptrace.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <thread>

using namespace WorkerProtocol;

namespace {

using WorkerProcess::JobInfo;

struct Planned
{
    QByteArray action;
    JobKind kind;
    int number = 0;
};

QList<Planned> faultsOf(int argc, char **argv)
{
    QList<Planned> faults;
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (!arg.startsWith("--fault=")) {
            continue;
        }
        const QList<QByteArray> parts = arg.mid(8).split(':');
        if (parts.size() != 3) {
            continue;
        }
        static const QList<QByteArray> kinds{"open", "render", "build", "picture"};
        const auto kind = kinds.indexOf(parts[1]);
        if (kind >= 0) {
            faults.append(Planned{parts[0], JobKind(kind), parts[2].toInt()});
        }
    }
    return faults;
}

// A memory file of `size` bytes holding nothing, sealed or not.
int memoryFile(qint64 size, bool sealed)
{
    const int fd = memfd_create("lie", MFD_CLOEXEC | MFD_ALLOW_SEALING);
    if (fd < 0 || ftruncate(fd, size) != 0) {
        std::abort();
    }
    if (sealed) {
        fcntl(fd, F_ADD_SEALS, F_SEAL_WRITE | F_SEAL_SHRINK | F_SEAL_GROW | F_SEAL_SEAL);
    }
    return fd;
}

void sendRaw(const JobInfo &job, Type type, const QByteArray &payload,
             const std::vector<int> &fds = {})
{
    send(WorkerProcess::socketFd, type, job.seq, 0, payload, fds);
}

// Answers the request with a reply that breaks the protocol; false for an
// action that isn't a lie.
bool lie(const QByteArray &action, const JobInfo &job)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const auto opened = [&](qint32 pageCount, QList<QSizeF> sizes) {
        Writer out;
        out << quint8(OpenStatus::Opened) << pageCount;
        out.password(std::nullopt);
        out << sizes << false;
        sendRaw(job, Type::OpenReply, out.payload);
    };
    const auto bytesReply = [&](int fd) {
        Writer out;
        out << true << quint8(1);
        out.descriptor(fd);
        const Type type = job.kind == JobKind::Render ? Type::RenderReply : Type::OutputReply;
        sendRaw(job, type, out.payload, out.fds);
        ::close(fd);
    };
    if (action == "unsealed") {
        bytesReply(memoryFile(4096, false));
    } else if (action == "huge") {
        bytesReply(memoryFile(qint64(1) << 40, true));
    } else if (action == "status") {
        Writer out;
        out << quint8(7) << qint32(1);
        out.password(std::nullopt);
        out << QList<QSizeF>{QSizeF(595, 842)} << false;
        sendRaw(job, Type::OpenReply, out.payload);
    } else if (action == "pages") {
        opened(std::numeric_limits<qint32>::max(), {QSizeF(595, 842)});
    } else if (action == "nan") {
        opened(1, {QSizeF(nan, 842)});
    } else if (action == "inf") {
        opened(1, {QSizeF(595, inf)});
    } else if (action == "oversized") {
        QImage big(8000, 8000, QImage::Format_RGB32);
        big.fill(Qt::white);
        Outgoing reply = encode(RenderReply{big});
        send(WorkerProcess::socketFd, reply, job.seq);
    } else if (action == "trickle") {
        const Outgoing reply = encode(Failed{});
        Header header;
        header.type = quint16(reply.type);
        header.length = quint32(reply.payload.size());
        header.seq = job.seq;
        const QByteArray frame =
            QByteArray(reinterpret_cast<const char *>(&header), sizeof header) + reply.payload;
        for (char byte : frame) {
            ::send(WorkerProcess::socketFd, &byte, 1, MSG_NOSIGNAL);
            std::this_thread::sleep_for(std::chrono::seconds(3));
        }
    } else {
        return false;
    }
    return true;
}

[[noreturn]] void fail(const QByteArray &action)
{
    if (action == "crash") {
        std::signal(SIGSEGV, SIG_DFL);
        std::raise(SIGSEGV);
    } else if (action == "allocate") {
        // Touched, so that it is really used, until someone stops it.
        for (;;) {
            constexpr size_t block = 32u << 20;
            if (char *p = static_cast<char *>(std::malloc(block))) {
                std::memset(p, 1, block);
            } else {
                std::abort();
            }
        }
    }
    for (;;) {
        pause();
    }
}

QByteArray option(int argc, char **argv, const char *name)
{
    const QByteArray prefix = QByteArray("--") + name + '=';
    for (int i = 1; i < argc; ++i) {
        if (QByteArray(argv[i]).startsWith(prefix)) {
            return QByteArray(argv[i]).mid(prefix.size());
        }
    }
    return {};
}

// The descriptors the test hands over: a terminal and a file of the user's.
std::vector<int> receiveDescriptors(int channel)
{
    char byte = 0;
    iovec data{&byte, 1};
    alignas(cmsghdr) char control[CMSG_SPACE(2 * sizeof(int))];
    msghdr message{};
    message.msg_iov = &data;
    message.msg_iovlen = 1;
    message.msg_control = control;
    message.msg_controllen = sizeof control;
    std::vector<int> fds;
    if (recvmsg(channel, &message, MSG_CMSG_CLOEXEC) <= 0) {
        return fds;
    }
    for (cmsghdr *c = CMSG_FIRSTHDR(&message); c; c = CMSG_NXTHDR(&message, c)) {
        if (c->cmsg_level == SOL_SOCKET && c->cmsg_type == SCM_RIGHTS) {
            const size_t count = (c->cmsg_len - CMSG_LEN(0)) / sizeof(int);
            for (size_t i = 0; i < count; ++i) {
                int fd = -1;
                std::memcpy(&fd, CMSG_DATA(c) + i * sizeof(int), sizeof fd);
                fds.push_back(fd);
            }
        }
    }
    return fds;
}

bool connectTo(int domain, int type, const sockaddr *address, socklen_t length, bool datagram)
{
    const int s = ::socket(domain, type | SOCK_CLOEXEC, 0);
    if (s < 0) {
        return false;
    }
    const bool reached = datagram ? ::sendto(s, "x", 1, 0, address, length) == 1
                                  : ::connect(s, address, length) == 0;
    ::close(s);
    return reached;
}

int tryEscapes(int argc, char **argv)
{
    const Sandbox::Confinement confinement = Sandbox::enter();
    if (!confinement.ok) {
        return 1;
    }
    const int channel = Sandbox::channelFd;
    const std::vector<int> handed = receiveDescriptors(channel);
    const int terminal = handed.size() > 0 ? handed[0] : -1;
    const int userFile = handed.size() > 1 ? handed[1] : -1;
    const QByteArray secret = option(argc, argv, "secret");
    const QByteArray scratch = option(argc, argv, "scratch");
    const QByteArray existing = scratch + "/existing";

    const auto write = [channel](QByteArray line) {
        line += '\n';
        [[maybe_unused]] const ssize_t n = ::write(channel, line.constData(), size_t(line.size()));
    };
    const auto report = [&](const char *attempt, bool succeeded, const char *refusedBy) {
        const bool lacking = confinement.missing.contains(QString::fromLatin1(refusedBy));
        write(QByteArray(attempt) + (!succeeded ? " refused"
                                     : lacking  ? " unsupported"
                                                : " allowed"));
    };
    const auto keeps = [&](const char *need, bool works) {
        write(QByteArray(need) + (works ? " works" : " fails"));
    };
    const auto opens = [](const QByteArray &path, int flags) {
        const int fd = ::open(path.constData(), flags | O_CLOEXEC, 0600);
        if (fd >= 0) {
            ::close(fd);
        }
        return fd >= 0;
    };

    // What a worker needs keeps working.
    char byte = 0;
    keeps("readHandedFile", userFile >= 0 && ::pread(userFile, &byte, 1, 0) == 1);
    keeps("readSystemFile",
          opens("/etc/fonts/fonts.conf", O_RDONLY) || opens("/usr/lib/os-release", O_RDONLY));
    const int memory = memfd_create("check", MFD_CLOEXEC);
    keeps("reopenMemoryFile", memory >= 0 && ::write(memory, "x", 1) == 1 &&
                                  opens("/proc/self/fd/" + QByteArray::number(memory), O_RDONLY));

    // What a taken-over worker would try.
    report("readHomeFile", opens(secret, O_RDONLY), "Landlock");
    report("listHome", opens(qgetenv("HOME"), O_RDONLY | O_DIRECTORY), "Landlock");
    report("createFile", opens(scratch + "/created", O_WRONLY | O_CREAT), "Landlock");
    report("writeFile", opens(existing, O_WRONLY), "Landlock");
    report("chmodFile", ::chmod(existing.constData(), 0777) == 0, "seccomp");

    sockaddr_in loopback{};
    loopback.sin_family = AF_INET;
    loopback.sin_port = htons(quint16(option(argc, argv, "port").toUInt()));
    loopback.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const auto *inet = reinterpret_cast<const sockaddr *>(&loopback);
    report("sendUdp", connectTo(AF_INET, SOCK_DGRAM, inet, sizeof loopback, true), "seccomp");
    report("connectTcp", connectTo(AF_INET, SOCK_STREAM, inet, sizeof loopback, false), "seccomp");
    sockaddr_un abstract{};
    abstract.sun_family = AF_UNIX;
    const QByteArray name = option(argc, argv, "abstract");
    std::memcpy(abstract.sun_path + 1, name.constData(), size_t(name.size()));
    report("connectAbstractSocket",
           connectTo(AF_UNIX, SOCK_STREAM, reinterpret_cast<const sockaddr *>(&abstract),
                     socklen_t(offsetof(sockaddr_un, sun_path) + 1 + size_t(name.size())), false),
           "seccomp");

    const char typed = 'x';
    report("typeIntoTerminal", terminal >= 0 && ::ioctl(terminal, TIOCSTI, &typed) == 0, "seccomp");
    report("openTerminal", opens("/dev/tty", O_RDWR), "");
    report("signalParent", ::kill(getppid(), SIGCONT) == 0, "seccomp");
    char stolen[16];
    iovec local{stolen, sizeof stolen};
    iovec remote{reinterpret_cast<void *>(&stolen), sizeof stolen}; // any address will do
    // A wrong address is a fault, not a refusal: the call got through.
    const bool readMemory =
        process_vm_readv(getppid(), &local, 1, &remote, 1, 0) >= 0 || errno == EFAULT;
    report("readParentMemory", readMemory, "seccomp");
    if (Sandbox::addressSanitizer) {
        write("traceParent unsupported"); // the leak checker traces its own threads
    } else {
        // Seized, not attached: if it worked, the parent is not stopped.
        report("traceParent", ::ptrace(PTRACE_SEIZE, getppid(), nullptr, nullptr) == 0, "seccomp");
    }
    bool inherited = false;
    for (const char *name : {"DISPLAY", "XAUTHORITY", "WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS",
                             "SSH_AUTH_SOCK"}) {
        inherited = inherited || std::getenv(name);
    }
    report("inheritSession", inherited, "");
    report("beDumped", prctl(PR_GET_DUMPABLE) != 0, "");
    int deathSignal = 0;
    report("outliveParent", prctl(PR_GET_PDEATHSIG, &deathSignal) != 0 || deathSignal != SIGKILL,
           "");

    // Last: if it works, nothing after it runs.
    char *const program[] = {const_cast<char *>("/bin/true"), nullptr};
    report("execute", ::execve(program[0], program, environ) == 0, "seccomp");
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--try-escapes") == 0) {
            return tryEscapes(argc, argv);
        }
    }
    const QList<Planned> faults = faultsOf(argc, argv);
    return WorkerProcess::run(argc, argv, [faults](const JobInfo &job) {
        for (const Planned &fault : faults) {
            const int number = job.kind == JobKind::Render ? job.pageIndex : int(job.ordinal);
            if (fault.kind != job.kind || fault.number != number) {
                continue;
            }
            if (fault.action == "keep" && job.file >= 0) {
                // Once the job is over (its descriptor closed), goes on writing
                // into the user's file for as long as it lives.
                const int kept = fcntl(job.file, F_DUPFD_CLOEXEC, 0);
                std::thread([kept, original = job.file] {
                    while (fcntl(original, F_GETFD) >= 0) {
                        std::this_thread::sleep_for(std::chrono::milliseconds(1));
                    }
                    for (;;) {
                        [[maybe_unused]] const ssize_t n = ::write(kept, "overwritten", 11);
                        std::this_thread::sleep_for(std::chrono::milliseconds(1));
                    }
                }).detach();
                return false;
            }
            if (lie(fault.action, job)) {
                return true;
            }
            fail(fault.action);
        }
        return false;
    });
}
