#include "platform/SharedBytes.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/sendfile.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

constexpr int requiredSeals = F_SEAL_WRITE | F_SEAL_SHRINK | F_SEAL_GROW | F_SEAL_SEAL;

int newMemfd()
{
    return memfd_create("tamsel-bytes", MFD_CLOEXEC | MFD_ALLOW_SEALING);
}

} // namespace

struct SharedBytes::Mapping
{
    int fd = -1;
    const char *data = nullptr;
    qsizetype size = 0;

    ~Mapping()
    {
        if (data && size > 0) {
            munmap(const_cast<char *>(data), size_t(size));
        }
        if (fd >= 0) {
            ::close(fd);
        }
    }
};

SharedBytes::SharedBytes() = default;

qsizetype SharedBytes::size() const
{
    return m_map ? m_map->size : 0;
}

QByteArrayView SharedBytes::view() const
{
    if (!m_map || m_map->size == 0) {
        return {};
    }
    return QByteArrayView(m_map->data, m_map->size);
}

QByteArray SharedBytes::bytes() const
{
    const QByteArrayView v = view();
    return v.isEmpty() ? QByteArray() : QByteArray::fromRawData(v.data(), v.size());
}

int SharedBytes::fd() const
{
    return m_map ? m_map->fd : -1;
}

std::optional<SharedBytes> SharedBytes::adopt(int fd)
{
    if (fd < 0) {
        return std::nullopt;
    }
    auto map = std::make_shared<Mapping>();
    map->fd = fd;
    const int seals = fcntl(fd, F_GET_SEALS);
    struct stat st
    {
    };
    if (seals < 0 || (seals & requiredSeals) != requiredSeals || fstat(fd, &st) != 0) {
        return std::nullopt;
    }
    map->size = qsizetype(st.st_size);
    if (map->size > 0) {
        void *p = mmap(nullptr, size_t(map->size), PROT_READ, MAP_SHARED, fd, 0);
        if (p == MAP_FAILED) {
            map->size = 0;
            return std::nullopt;
        }
        map->data = static_cast<const char *>(p);
    }
    SharedBytes out;
    out.m_map = std::move(map);
    return out;
}

SharedBytes SharedBytes::copyOf(QByteArrayView bytes)
{
    Writer writer;
    if (!writer.isValid() || !writer.write(bytes)) {
        return {};
    }
    return writer.finish().value_or(SharedBytes());
}

SharedBytes::Writer::Writer()
    : m_fd(newMemfd())
{}

SharedBytes::Writer::~Writer()
{
    if (m_fd >= 0) {
        ::close(m_fd);
    }
}

SharedBytes::Writer::Writer(Writer &&other) noexcept
    : m_fd(std::exchange(other.m_fd, -1))
{}

SharedBytes::Writer &SharedBytes::Writer::operator=(Writer &&other) noexcept
{
    if (this != &other) {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
        m_fd = std::exchange(other.m_fd, -1);
    }
    return *this;
}

bool SharedBytes::Writer::write(QByteArrayView bytes)
{
    const char *p = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(m_fd, p, size_t(left));
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        p += n;
        left -= n;
    }
    return true;
}

bool SharedBytes::Writer::copyFrom(int file)
{
    for (;;) {
        const ssize_t n = ::sendfile(m_fd, file, nullptr, size_t(1) << 30);
        if (n > 0) {
            continue;
        }
        if (n == 0) {
            return true;
        }
        if (errno == EINTR) {
            continue;
        }
        if (errno != EINVAL && errno != ENOSYS) {
            return false;
        }
        break; // a file the kernel can't send from: read it through a buffer
    }
    char chunk[1 << 16];
    for (;;) {
        const ssize_t n = ::read(file, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return n == 0;
        }
        if (!write(QByteArrayView(chunk, n))) {
            return false;
        }
    }
}

std::optional<SharedBytes> SharedBytes::Writer::finish()
{
    if (m_fd < 0 || fcntl(m_fd, F_ADD_SEALS, requiredSeals) != 0) {
        return std::nullopt;
    }
    return adopt(std::exchange(m_fd, -1));
}
