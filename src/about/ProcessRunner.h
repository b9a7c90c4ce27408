#pragma once

// Runs one command-line tool as a child process: a clean environment, no input,
// both output streams captured in memory, a time-out, and cancellation. When the
// time runs out or the caller cancels, the tool and everything it started are
// stopped, politely first and by force a grace period later (five seconds unless
// set otherwise).

#include "platform/Async.h"

#include <QFuture>
#include <QHash>
#include <QString>
#include <QStringList>

#include <chrono>

namespace ProcessRunner {

// What is kept of each stream unless set otherwise; the rest is read and dropped so
// the tool never blocks on a full pipe.
constexpr qsizetype MaxStreamBytes = 64 * 1024 * 1024;

struct Output
{
    // The exit code, or the number of the signal that ended the tool.
    qint32 status = 0;
    // Decoded as UTF-8; invalid sequences come back as U+FFFD.
    QString standardOutput;
    QString standardError;
    // True when the time-out stopped a tool that was still running.
    bool timedOut = false;

    // The user's sentence for a run that failed: the time-out, else what the tool
    // said (standard error first), else its exit code.
    QString errorMessage() const;
};

enum class Failure { Launch = 1 };

// How long a tool asked to stop gets before it is killed, how long its streams are
// still read once it has ended, and how much of each stream is kept. Runs already
// under way keep the settings they started with.
struct Settings
{
    std::chrono::milliseconds killGrace{5000};
    std::chrono::milliseconds drain{2000};
    qsizetype streamBytes = MaxStreamBytes;
};
Settings settings();
// Safe from any thread; tests make them small so they need not wait them out.
void setSettings(Settings settings);

// Runs `tool` (an absolute path; no shell, no search path) with `arguments`. The
// environment is the program's own as it was at the first run, without loader
// variables and with a fixed system search path; `extraEnvironment` is laid over it
// as given. The result is an error (code Failure::Launch, the system's reason as the
// message) only when the tool cannot be started; a non-zero status, a time-out or a
// cancellation is an Output. The future finishes once the tool has ended and its
// output is read (at most the drain period more when something it left behind still holds
// the streams; that straggler is then stopped too). Safe to call from any thread; the
// waiting happens on a worker thread of its own.
QFuture<Result<Output>> run(QString tool, QStringList arguments, std::chrono::milliseconds timeout,
                            QHash<QString, QString> extraEnvironment = {}, CancelToken cancel = {});

} // namespace ProcessRunner
