#pragma once

// The worker side of the engine: the request loop of a process started by the
// engine, which reads, draws and builds PDFs and answers over its socket. It
// runs no Qt event loop; one request at a time, on the main thread.

#include "engine/WorkerProtocol.h"

#include <functional>

namespace WorkerProcess {

// The descriptor number of the engine's socket in a worker.
constexpr int socketFd = 3;

struct JobInfo
{
    WorkerProtocol::JobKind kind;
    quint32 ordinal = 0; // among the engine's requests of this kind, from 1
    int pageIndex = -1;  // the page of a render
};

// Called before each request is carried out; the test worker uses it to fail
// at a chosen request.
using BeforeJob = std::function<void(const JobInfo &)>;

// Takes the process's rights away (see Sandbox), applies the memory limit given
// as "--memory=<bytes>", and serves requests until the engine closes the socket.
// Returns the process's exit code.
int run(int argc, char **argv, const BeforeJob &beforeJob = {});

} // namespace WorkerProcess
