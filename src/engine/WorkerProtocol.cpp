#include "engine/WorkerProtocol.h"

#include <QUrl>

#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace WorkerProtocol {

namespace {

// Smaller pieces go inline: a memory file costs a few system calls.
constexpr qsizetype inlineLimit = 64 * 1024;

} // namespace

IoResult send(int socket, Type type, quint64 seq, quint32 ordinal, const QByteArray &payload,
              const std::vector<int> &fds)
{
    if (fds.size() > size_t(maxFds) || quint64(payload.size()) > maxPayload) {
        return IoResult::Failed;
    }
    Header header;
    header.type = quint16(type);
    header.length = quint32(payload.size());
    header.fdCount = quint32(fds.size());
    header.seq = seq;
    header.ordinal = ordinal;

    iovec part{&header, sizeof header};
    msghdr message{};
    message.msg_iov = &part;
    message.msg_iovlen = 1;
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(int) * maxFds)] = {};
    if (!fds.empty()) {
        message.msg_control = control;
        message.msg_controllen = CMSG_SPACE(sizeof(int) * fds.size());
        cmsghdr *cmsg = CMSG_FIRSTHDR(&message);
        cmsg->cmsg_level = SOL_SOCKET;
        cmsg->cmsg_type = SCM_RIGHTS;
        cmsg->cmsg_len = CMSG_LEN(sizeof(int) * fds.size());
        std::memcpy(CMSG_DATA(cmsg), fds.data(), sizeof(int) * fds.size());
    }
    // The descriptors ride on the header's first byte, so they arrive with it.
    ssize_t sent;
    do {
        sent = ::sendmsg(socket, &message, MSG_NOSIGNAL);
    } while (sent < 0 && errno == EINTR);
    if (sent < 0) {
        return errno == EPIPE || errno == ECONNRESET ? IoResult::Closed : IoResult::Failed;
    }
    const IoResult rest = SocketIO::sendAll(socket, reinterpret_cast<const char *>(&header) + sent,
                                     sizeof header - size_t(sent));
    if (rest != IoResult::Ok) {
        return rest;
    }
    return SocketIO::sendAll(socket, payload.constData(), size_t(payload.size()));
}

IoResult receive(int socket, Message &out)
{
    Header header;
    iovec part{&header, sizeof header};
    msghdr message{};
    message.msg_iov = &part;
    message.msg_iovlen = 1;
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(int) * maxFds)] = {};
    message.msg_control = control;
    message.msg_controllen = sizeof control;
    ssize_t got;
    do {
        got = ::recvmsg(socket, &message, MSG_CMSG_CLOEXEC);
    } while (got < 0 && errno == EINTR);
    out.fds.clear();
    for (cmsghdr *cmsg = CMSG_FIRSTHDR(&message); cmsg; cmsg = CMSG_NXTHDR(&message, cmsg)) {
        if (cmsg->cmsg_level == SOL_SOCKET && cmsg->cmsg_type == SCM_RIGHTS) {
            const size_t count = (cmsg->cmsg_len - CMSG_LEN(0)) / sizeof(int);
            const size_t before = out.fds.size();
            out.fds.resize(before + count);
            std::memcpy(out.fds.data() + before, CMSG_DATA(cmsg), count * sizeof(int));
        }
    }
    if (got == 0) {
        closeAll(out.fds);
        return IoResult::Closed;
    }
    if (got < 0 || (message.msg_flags & MSG_CTRUNC)) {
        closeAll(out.fds);
        return IoResult::Failed;
    }
    IoResult rest = SocketIO::receiveAll(socket, reinterpret_cast<char *>(&header) + got, sizeof header - size_t(got));
    if (rest != IoResult::Ok) {
        closeAll(out.fds);
        return rest;
    }
    if (header.magic != magic || header.version != version || header.length > maxPayload
        || header.fdCount != out.fds.size()) {
        closeAll(out.fds);
        return IoResult::Failed;
    }
    out.type = Type(header.type);
    out.seq = header.seq;
    out.ordinal = header.ordinal;
    out.payload.resize(qsizetype(header.length));
    rest = SocketIO::receiveAll(socket, out.payload.data(), size_t(header.length));
    if (rest != IoResult::Ok) {
        closeAll(out.fds);
    }
    return rest;
}

void closeAll(std::vector<int> &fds)
{
    for (int &fd : fds) {
        if (fd >= 0) {
            ::close(fd);
            fd = -1;
        }
    }
}

QDataStream &prepare(QDataStream &stream)
{
    stream.setVersion(QDataStream::Qt_6_4);
    return stream;
}

void write(QDataStream &out, const BuildPlan &plan)
{
    out << qint32(plan.pages.size());
    for (const PageItem &page : plan.pages) {
        out << page.id << page.source.url << qint32(page.source.index) << qint32(page.turn)
            << qint32(page.stamps.size());
        for (const StampPlacement &stamp : page.stamps) {
            out << stamp.id << stamp.stampID << stamp.center << stamp.width << stamp.rotation;
        }
    }
    out << plan.stampFiles;
    out << bool(plan.password);
    if (plan.password) {
        out << *plan.password;
    }
    out << bool(plan.quality);
    if (plan.quality) {
        out << qint32(plan.quality->maxPixels) << plan.quality->jpegQuality << plan.quality->pagesAsPictures;
    }
}

void read(QDataStream &in, BuildPlan &plan)
{
    qint32 pageCount = 0;
    in >> pageCount;
    for (qint32 i = 0; i < pageCount && in.status() == QDataStream::Ok; ++i) {
        PageItem page;
        qint32 index = 0;
        qint32 turn = 0;
        qint32 stampCount = 0;
        in >> page.id >> page.source.url >> index >> turn >> stampCount;
        page.source.index = index;
        page.turn = turn;
        for (qint32 s = 0; s < stampCount && in.status() == QDataStream::Ok; ++s) {
            StampPlacement stamp;
            in >> stamp.id >> stamp.stampID >> stamp.center >> stamp.width >> stamp.rotation;
            page.stamps.append(stamp);
        }
        plan.pages.append(page);
    }
    in >> plan.stampFiles;
    bool has = false;
    in >> has;
    if (has) {
        QString password;
        in >> password;
        plan.password = password;
    }
    in >> has;
    if (has) {
        CompressionStep step;
        qint32 maxPixels = 0;
        in >> maxPixels >> step.jpegQuality >> step.pagesAsPictures;
        step.maxPixels = maxPixels;
        plan.quality = step;
    }
}

void write(QDataStream &out, const Error &error)
{
    out << error.message << qint32(error.code) << error.canceled << qint32(error.systemError);
}

void read(QDataStream &in, Error &error)
{
    qint32 code = 0;
    qint32 systemError = 0;
    in >> error.message >> code >> error.canceled >> systemError;
    error.code = code;
    error.systemError = systemError;
}

void writeShared(QDataStream &out, const SharedBytes &bytes, std::vector<SharedBytes> &keep)
{
    out << quint8(1) << qint32(keep.size());
    keep.push_back(bytes);
}

void writeBytes(QDataStream &out, QByteArrayView bytes, std::vector<SharedBytes> &keep)
{
    if (bytes.size() <= inlineLimit) {
        out << quint8(0);
        out.writeBytes(bytes.data(), qsizetype(bytes.size()));
        return;
    }
    writeShared(out, SharedBytes::copyOf(bytes), keep);
}

void writeBytes(QDataStream &out, const SharedBytes &bytes, std::vector<SharedBytes> &keep)
{
    if (bytes.size() <= inlineLimit) {
        writeBytes(out, bytes.view(), keep);
        return;
    }
    writeShared(out, bytes, keep);
}

namespace {

// Bytes as they came: inline in the payload, or in a memory file.
struct Received
{
    QByteArray inlined;
    std::optional<SharedBytes> shared;

    QByteArrayView view() const { return shared ? shared->view() : QByteArrayView(inlined); }
};

std::optional<Received> receiveBytes(QDataStream &in, std::vector<int> &fds)
{
    quint8 kind = 0;
    in >> kind;
    Received received;
    if (kind == 0) {
        in >> received.inlined;
        if (in.status() != QDataStream::Ok) {
            return std::nullopt;
        }
        return received;
    }
    qint32 index = -1;
    in >> index;
    if (in.status() != QDataStream::Ok || index < 0 || size_t(index) >= fds.size() || fds[size_t(index)] < 0) {
        return std::nullopt;
    }
    const int fd = std::exchange(fds[size_t(index)], -1);
    received.shared = SharedBytes::adopt(fd);
    if (!received.shared) {
        ::close(fd);
        return std::nullopt;
    }
    return received;
}

} // namespace

std::optional<SharedBytes> readBytes(QDataStream &in, std::vector<int> &fds)
{
    std::optional<Received> received = receiveBytes(in, fds);
    if (!received) {
        return std::nullopt;
    }
    if (received->shared) {
        return received->shared;
    }
    return SharedBytes::copyOf(received->inlined);
}

std::optional<QByteArray> readByteArray(QDataStream &in, std::vector<int> &fds)
{
    std::optional<Received> received = receiveBytes(in, fds);
    if (!received) {
        return std::nullopt;
    }
    if (received->shared) {
        return received->shared->view().toByteArray();
    }
    return received->inlined;
}

void writeImage(QDataStream &out, const QImage &image, std::vector<SharedBytes> &keep)
{
    out << qint32(image.width()) << qint32(image.height()) << qint32(image.format())
        << qint64(image.bytesPerLine());
    if (image.isNull()) {
        return;
    }
    writeBytes(out, QByteArrayView(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes()), keep);
}

QImage readImage(QDataStream &in, std::vector<int> &fds)
{
    qint32 width = 0;
    qint32 height = 0;
    qint32 format = 0;
    qint64 bytesPerLine = 0;
    in >> width >> height >> format >> bytesPerLine;
    if (in.status() != QDataStream::Ok || width <= 0 || height <= 0 || format <= QImage::Format_Invalid
        || format >= QImage::NImageFormats || bytesPerLine <= 0) {
        return {};
    }
    const std::optional<Received> pixels = receiveBytes(in, fds);
    if (!pixels || bytesPerLine > std::numeric_limits<qsizetype>::max() / height
        || pixels->view().size() < bytesPerLine * height
        || bytesPerLine * 8 < qint64(width) * QImage::toPixelFormat(QImage::Format(format)).bitsPerPixel()) {
        return {};
    }
    // The picture reads straight from what was received, which lives as long as it does.
    auto *hold = new Received(*pixels);
    return QImage(reinterpret_cast<const uchar *>(hold->view().data()), width, height, qsizetype(bytesPerLine),
                  QImage::Format(format), [](void *p) { delete static_cast<Received *>(p); }, hold);
}

QUrl keyUrl(quint64 key)
{
    return QUrl(QStringLiteral("tamsel-source:%1").arg(key));
}

QDataStream &writePassword(QDataStream &out, const std::optional<QString> &password)
{
    out << bool(password);
    if (password) {
        out << *password;
    }
    return out;
}

std::optional<QString> readPassword(QDataStream &in)
{
    bool has = false;
    in >> has;
    if (!has) {
        return std::nullopt;
    }
    QString password;
    in >> password;
    return password;
}

} // namespace WorkerProtocol
