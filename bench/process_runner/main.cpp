// Cost of running a tool through the process runner: the fixed cost of one short
// run, and how fast a chatty tool's output is taken in (capped at 64 MiB a stream).
//
//     bench_process_runner [runs]

#include "about/ProcessRunner.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace std::chrono_literals;

static Result<ProcessRunner::Output> runOnce(const QString &tool, const QStringList &arguments)
{
    auto future = ProcessRunner::run(tool, arguments, 60s);
    future.waitForFinished();
    return future.result();
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 200;

    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer clock;
        clock.start();
        const auto result = runOnce("/bin/true", {});
        times.push_back(clock.nsecsElapsed() / 1e6);
        if (!result.ok() || result->status != 0) {
            std::fprintf(stderr, "run failed\n");
            return 1;
        }
    }
    std::sort(times.begin(), times.end());
    std::printf("/bin/true, %d runs: median %.2f ms, 95th percentile %.2f ms\n", runs,
                times[times.size() / 2], times[times.size() * 95 / 100]);

    for (const char *size : {"16M", "100M"}) {
        QElapsedTimer clock;
        clock.start();
        const auto result = runOnce("/usr/bin/head", {"-c", size, "/dev/zero"});
        const double ms = clock.nsecsElapsed() / 1e6;
        std::printf("head -c %s /dev/zero: %.1f ms, kept %lld bytes\n", size, ms,
                    static_cast<long long>(result->standardOutput.size()));
    }
    return 0;
}
