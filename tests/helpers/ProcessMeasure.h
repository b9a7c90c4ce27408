#pragma once

// For benchmarks: one program run to its end, timed, with its peak memory.

#include <QString>
#include <QStringList>

struct MeasuredRun
{
    bool started = false;
    int exitStatus = -1; // the program's exit code; -1 when it didn't end normally
    double seconds = 0;
    // The child's peak resident memory, or that of a process it waited for if
    // larger (the kernel's ru_maxrss of a reaped child).
    double peakMiB = 0;
    QString output; // what it printed on standard output, trimmed
};

// Runs `command` (program and arguments, looked up in PATH) with posix_spawn, so
// the child holds none of this process's memory, and waits for it.
MeasuredRun measureRun(const QStringList &command);
