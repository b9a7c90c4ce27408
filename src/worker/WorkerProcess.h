#pragma once

// The worker side of the engine: the request loop of a process started by the
// engine, which reads, draws and builds PDFs and answers over its socket. It
// runs no Qt event loop; one request at a time, on the main thread.

#include "engine/WorkerProtocol.h"
#include "platform/Sandbox.h"

#include <functional>

namespace WorkerProcess {

// The descriptor number of the engine's socket in a worker.
constexpr int socketFd = Sandbox::channelFd;

struct JobInfo
{
    WorkerProtocol::JobKind kind;
    quint32 ordinal = 0; // among the engine's requests of this kind, from 1
    int pageIndex = -1;  // the page of a render
    quint64 seq = 0;     // the request's, for an answer of the hook's own
    int file = -1;       // the file an output goes into, if any
};

// Called before each request is carried out; the test worker uses it to fail
// at a chosen request, or to answer it itself on socketFd (then it returns true).
using BeforeJob = std::function<bool(const JobInfo &)>;

// Confines the process (Sandbox::enter), applies the memory limit given
// as "--memory=<bytes>", and serves requests until the engine closes the socket.
// Returns the process's exit code.
int run(int argc, char **argv, const BeforeJob &beforeJob = {});

} // namespace WorkerProcess
