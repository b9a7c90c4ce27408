#include "platform/SocketIO.h"

#include <cerrno>

#include <poll.h>
#include <sys/socket.h>

namespace SocketIO {

Transfer sendAll(int fd, const void *data, std::size_t size)
{
    const char *bytes = static_cast<const char *>(data);
    while (size > 0) {
        const ssize_t n = ::send(fd, bytes, size, MSG_NOSIGNAL);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno == EPIPE || errno == ECONNRESET ? Transfer::Closed : Transfer::Failed;
        }
        bytes += n;
        size -= std::size_t(n);
    }
    return Transfer::Ok;
}

Transfer receiveAll(int fd, void *data, std::size_t size, int timeoutMs)
{
    char *bytes = static_cast<char *>(data);
    while (size > 0) {
        if (timeoutMs >= 0) {
            pollfd p{fd, POLLIN, 0};
            const int ready = ::poll(&p, 1, timeoutMs);
            if (ready < 0 && errno == EINTR) {
                continue;
            }
            if (ready <= 0) {
                return Transfer::Failed;
            }
        }
        const ssize_t n = ::recv(fd, bytes, size, 0);
        if (n == 0) {
            return Transfer::Closed;
        }
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return Transfer::Failed;
        }
        bytes += n;
        size -= std::size_t(n);
    }
    return Transfer::Ok;
}

} // namespace SocketIO
