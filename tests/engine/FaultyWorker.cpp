// The engine's worker program with faults on demand, for the supervisor's tests:
//   --fault=<hang|crash|allocate>:<open|render|build|picture>:<n>
// fails the engine's n-th request of that kind (counted over every worker the
// engine started), or for renders every render of page index n.

#include "worker/WorkerProcess.h"

#include <QByteArray>
#include <QList>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace {

struct Fault
{
    QByteArray action;
    WorkerProtocol::JobKind kind;
    int number = 0;
};

QList<Fault> faultsOf(int argc, char **argv)
{
    QList<Fault> faults;
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
            faults.append(Fault{parts[0], WorkerProtocol::JobKind(kind), parts[2].toInt()});
        }
    }
    return faults;
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
    const QList<Fault> faults = faultsOf(argc, argv);
    return WorkerProcess::run(argc, argv, [faults](const WorkerProcess::JobInfo &job) {
        for (const Fault &fault : faults) {
            const int number = job.kind == WorkerProtocol::JobKind::Render ? job.pageIndex : int(job.ordinal);
            if (fault.kind == job.kind && fault.number == number) {
                fail(fault.action);
            }
        }
    });
}
