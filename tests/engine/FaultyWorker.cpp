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

#include "worker/WorkerProcess.h"

#include <QByteArray>
#include <QList>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/socket.h>

#include <cmath>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <thread>
#include <unistd.h>

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

void sendRaw(const JobInfo &job, Type type, const QByteArray &payload, const std::vector<int> &fds = {})
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
        const QByteArray frame = QByteArray(reinterpret_cast<const char *>(&header), sizeof header) + reply.payload;
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

} // namespace

int main(int argc, char **argv)
{
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
