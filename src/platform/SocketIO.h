#pragma once

// Whole transfers over a stream socket, for the program's own child processes
// (the PDF workers, the code detector). Blocking; call off the main thread.

#include <cstddef>

namespace SocketIO {

enum class Transfer { Ok, Closed, Failed };

// Sends every byte. A peer that has gone answers Closed instead of raising
// SIGPIPE, which would take this process with it.
Transfer sendAll(int fd, const void *data, std::size_t size);

// Receives exactly `size` bytes. With `timeoutMs` >= 0 each piece waits at most
// that long (Failed when it runs out); otherwise the socket's own receive
// time-out, if any, applies.
Transfer receiveAll(int fd, void *data, std::size_t size, int timeoutMs = -1);

} // namespace SocketIO
