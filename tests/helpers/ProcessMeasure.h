#pragma once

// For benchmarks: one program run to its end, timed, with its peak memory.

#include <QString>
#include <QStringList>

struct MeasuredRun
{
    bool started = false;
    int exitStatus = -1; // the program's exit code; -1 when it didn't end normally
    double seconds = 0;
    // Processor time of the child and of every descendant it waited for: steadier
    // than wall time on a machine shared with other work.
    double cpuSeconds = 0;
    // The child's peak resident memory, or that of a process it waited for if
    // larger (the kernel's ru_maxrss of a reaped child).
    double peakMiB = 0;
    // With `sampleTree`: the peak of the memory that the child and all its
    // descendants use together, sampled every 25 ms: their proportional set
    // sizes (a page shared between processes, such as a library's, counted once
    // over all of them) without shared memory, plus every memory file any of
    // them holds, each counted once at its allocated size, mapped or not.
    double treePeakMiB = 0;
    QString output; // what it printed on standard output, trimmed
};

// Runs `command` (program and arguments, looked up in PATH) with posix_spawn, so
// the child holds none of this process's memory, and waits for it. Sampling the
// tree's memory slows it (reading a process's memory use holds its memory
// lock), so time a run without it.
MeasuredRun measureRun(const QStringList &command, bool sampleTree = false);
