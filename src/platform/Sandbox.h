#pragma once

// Helper processes that read untrusted bytes (the PDF workers, the code
// detector): how the program starts them, and how they take their rights away.
//
// A helper inherits nothing: its standard input and output are /dev/null, its
// errors go to the program's log, it runs in a session of its own (no
// controlling terminal), with the environment cut to what the libraries read,
// and with one descriptor from the program, its channel, as descriptor 3.
// Once confined it dies with the thread that started it, can't be traced or
// dumped, reads only the system's files (libraries, fonts, their data) and what
// it is handed as descriptors, writes, creates and runs no file, changes no
// file's mode or owner, opens no socket, signals no other process and gives no
// terminal any command.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <sys/types.h>

namespace Sandbox {

// Whether this is an AddressSanitizer build, whose leak checker traces the
// process's own threads and whose shadow memory needs terabytes of address space.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool addressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool addressSanitizer = true;
#else
inline constexpr bool addressSanitizer = false;
#endif
#else
inline constexpr bool addressSanitizer = false;
#endif

// The descriptor number of a helper's channel to the program.
constexpr int channelFd = 3;

enum class Errors {
    Log,     // each line the helper writes to its standard error goes to the program's log
    Discard, // to /dev/null
};

// Starts `program` with `arguments` (after its own name), `channel` as its
// descriptor 3, and `variables` ("NAME=value") in its environment besides the
// ones kept. Returns the child's process id, or -1 when it can't be started.
// Safe on any thread. The caller reaps the child; the child dies with the
// program once it has entered its sandbox.
pid_t spawn(const QString &program, const QStringList &arguments, int channel,
            Errors errors = Errors::Log, const QList<QByteArray> &variables = {});

struct Confinement
{
    bool ok = false;     // false: leave at once (the parent is gone, or a restriction failed)
    QStringList missing; // what this kernel doesn't offer, as the log names it
};

// For a helper started by spawn(), first thing in main(), before any thread
// starts: closes every descriptor above channelFd and confines the process as
// described above. What the kernel lacks is logged and left out; everything
// else still applies.
Confinement enter();

} // namespace Sandbox
