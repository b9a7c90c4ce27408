#include "engine/WorkerProtocol.h"

#include <QIODevice>
#include <QUrl>

#include <algorithm>

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <limits>

namespace WorkerProtocol {

namespace {

// Smaller pieces go inline: a memory file costs a few system calls.
constexpr qsizetype inlineLimit = 64 * 1024;

} // namespace

IoResult send(int socket, const Outgoing &message, quint64 seq, quint32 ordinal)
{
    return send(socket, message.type, seq, ordinal, message.payload, message.fds);
}

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

namespace {

using Deadline = std::optional<std::chrono::steady_clock::time_point>;

// Whether the socket has something to read before the deadline.
bool readable(int socket, const Deadline &deadline)
{
    if (!deadline) {
        return true; // the read itself blocks
    }
    for (;;) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(
            *deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            return false;
        }
        pollfd wanted{socket, POLLIN, 0};
        const int ready = ::poll(&wanted, 1, int(std::min<qint64>(left.count(), 60'000)));
        if (ready > 0) {
            return true;
        }
        if (ready < 0 && errno != EINTR) {
            return false;
        }
    }
}

IoResult receiveExactly(int socket, char *data, size_t size, const Deadline &deadline)
{
    while (size > 0) {
        if (!readable(socket, deadline)) {
            return IoResult::Failed;
        }
        const ssize_t got = ::recv(socket, data, size, deadline ? MSG_DONTWAIT : 0);
        if (got == 0) {
            return IoResult::Closed;
        }
        if (got < 0) {
            if (errno == EINTR || errno == EAGAIN) {
                continue;
            }
            return errno == ECONNRESET ? IoResult::Closed : IoResult::Failed;
        }
        data += got;
        size -= size_t(got);
    }
    return IoResult::Ok;
}

} // namespace

IoResult receive(int socket, Message &out, Deadline deadline)
{
    out.fds.clear();
    if (!readable(socket, deadline)) {
        return IoResult::Failed;
    }
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
        got = ::recvmsg(socket, &message, MSG_CMSG_CLOEXEC | (deadline ? MSG_DONTWAIT : 0));
    } while (got < 0 && errno == EINTR);
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
    IoResult rest = receiveExactly(socket, reinterpret_cast<char *>(&header) + got,
                                   sizeof header - size_t(got), deadline);
    if (rest != IoResult::Ok) {
        closeAll(out.fds);
        return rest;
    }
    if (header.magic != magic || header.version != version || header.length > maxPayload ||
        header.fdCount != out.fds.size()) {
        closeAll(out.fds);
        return IoResult::Failed;
    }
    out.type = Type(header.type);
    out.seq = header.seq;
    out.ordinal = header.ordinal;
    // Grown as the bytes come, so that a header's claim alone costs no memory.
    constexpr qsizetype step = 1 << 20;
    out.payload.clear();
    while (rest == IoResult::Ok && out.payload.size() < qsizetype(header.length)) {
        const qsizetype had = out.payload.size();
        const qsizetype piece = std::min(step, qsizetype(header.length) - had);
        out.payload.resize(had + piece);
        rest = receiveExactly(socket, out.payload.data() + had, size_t(piece), deadline);
    }
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

// ---- Payloads ----

namespace {

QDataStream &prepare(QDataStream &stream)
{
    stream.setVersion(QDataStream::Qt_6_4);
    return stream;
}

} // namespace

Writer::Writer()
    : m_out(&payload, QIODevice::WriteOnly)
{
    prepare(m_out);
}

Reader::Reader(Message &message)
    : m_in(message.payload)
    , m_fds(message.fds)
    , m_used(message.fds.size(), false)
{
    prepare(m_in);
}

bool Reader::finish()
{
    if (!ok() || !m_in.atEnd()) {
        return false;
    }
    return std::all_of(m_used.begin(), m_used.end(), [](bool used) { return used; });
}

// A descriptor travels as its place among the frame's descriptors.
void Writer::descriptor(int fd)
{
    if (fd < 0) {
        m_out << qint32(-1);
        return;
    }
    m_out << qint32(fds.size());
    fds.push_back(fd);
}

int Reader::takeIndex(bool adopt, bool optional)
{
    qint32 index = -1;
    m_in >> index;
    if (!ok()) {
        return -1;
    }
    if (optional && index == -1) {
        return -1;
    }
    if (index < 0 || size_t(index) >= m_fds.size() || m_used[size_t(index)] ||
        m_fds[size_t(index)] < 0) {
        fail();
        return -1;
    }
    m_used[size_t(index)] = true;
    return adopt ? std::exchange(m_fds[size_t(index)], -1) : m_fds[size_t(index)];
}

int Reader::descriptor()
{
    return takeIndex(false, true);
}

void Writer::password(const std::optional<QString> &password)
{
    m_out << bool(password);
    if (password) {
        m_out << *password;
    }
}

std::optional<QString> Reader::password()
{
    bool has = false;
    m_in >> has;
    if (!has) {
        return std::nullopt;
    }
    QString password;
    m_in >> password;
    return password;
}

void Writer::shared(const SharedBytes &bytes)
{
    m_out << quint8(1);
    descriptor(bytes.fd());
    keep.push_back(bytes);
}

void Writer::bytes(QByteArrayView bytes)
{
    if (bytes.size() <= inlineLimit) {
        m_out << quint8(0);
        m_out.writeBytes(bytes.data(), qsizetype(bytes.size()));
        return;
    }
    shared(SharedBytes::copyOf(bytes));
}

void Writer::bytes(const SharedBytes &bytes)
{
    if (bytes.size() <= inlineLimit) {
        this->bytes(bytes.view());
        return;
    }
    shared(bytes);
}

qint64 Reader::bytesLeft() const
{
    return m_in.device() ? m_in.device()->bytesAvailable() : 0;
}

std::optional<Reader::Received> Reader::received(qint64 maxSize)
{
    quint8 kind = 0;
    m_in >> kind;
    Received received;
    if (!ok()) {
        return std::nullopt;
    }
    if (kind == 0) {
        m_in >> received.inlined;
        if (received.inlined.size() > maxSize) {
            fail();
        }
        return ok() ? std::optional(received) : std::nullopt;
    }
    if (kind != 1) {
        fail();
        return std::nullopt;
    }
    const int fd = takeIndex(true, false);
    if (fd < 0) {
        return std::nullopt;
    }
    struct stat info
    {
    };
    if (fstat(fd, &info) != 0 || info.st_size > maxSize ||
        qint64(info.st_blocks) * 512 < qint64(info.st_size)) {
        ::close(fd);
        fail();
        return std::nullopt;
    }
    received.shared = SharedBytes::adopt(fd); // closes it when it refuses it
    if (!received.shared) {
        fail();
        return std::nullopt;
    }
    return received;
}

SharedBytes Reader::bytes(qint64 maxSize)
{
    std::optional<Received> got = received(maxSize);
    if (!got) {
        return {};
    }
    if (got->shared) {
        return *got->shared;
    }
    SharedBytes copy = SharedBytes::copyOf(got->inlined);
    if (copy.size() != got->inlined.size()) {
        fail(); // no memory for the copy
    }
    return copy;
}

QByteArray Reader::byteArray()
{
    std::optional<Received> got = received(std::numeric_limits<qint64>::max());
    if (!got) {
        return {};
    }
    return got->shared ? got->shared->view().toByteArray() : got->inlined;
}

void Writer::image(const QImage &image)
{
    m_out << qint32(image.width()) << qint32(image.height()) << qint32(image.format())
          << qint64(image.bytesPerLine());
    if (image.isNull()) {
        return;
    }
    bytes(QByteArrayView(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes()));
}

QImage Reader::image()
{
    qint32 width = 0;
    qint32 height = 0;
    qint32 format = 0;
    qint64 bytesPerLine = 0;
    m_in >> width >> height >> format >> bytesPerLine;
    if (!ok()) {
        return {};
    }
    if (width == 0 && height == 0 && format == QImage::Format_Invalid && bytesPerLine == 0) {
        return {}; // a null picture, as sent
    }
    if (width <= 0 || height <= 0 || format <= QImage::Format_Invalid ||
        format >= QImage::NImageFormats || bytesPerLine <= 0) {
        fail();
        return {};
    }
    if (bytesPerLine > std::numeric_limits<qint64>::max() / height) {
        fail();
        return {};
    }
    std::optional<Received> pixels = received(bytesPerLine * height);
    if (!pixels || pixels->view().size() != bytesPerLine * height ||
        bytesPerLine * 8 <
            qint64(width) * QImage::toPixelFormat(QImage::Format(format)).bitsPerPixel()) {
        fail();
        return {};
    }
    // The picture reads straight from what was received, which lives as long as it does.
    auto *hold = new Received(std::move(*pixels));
    return QImage(
        reinterpret_cast<const uchar *>(hold->view().data()), width, height,
        qsizetype(bytesPerLine), QImage::Format(format),
        [](void *p) { delete static_cast<Received *>(p); }, hold);
}

void Writer::plan(const BuildPlan &plan)
{
    m_out << qint32(plan.pages.size());
    for (const PageItem &page : plan.pages) {
        m_out << page.id << page.source.url << qint32(page.source.index) << qint32(page.turn)
              << qint32(page.stamps.size());
        for (const StampPlacement &stamp : page.stamps) {
            m_out << stamp.id << stamp.stampID << stamp.center << stamp.width << stamp.rotation;
        }
    }
    m_out << plan.stampFiles;
    password(plan.password);
    m_out << bool(plan.quality);
    if (plan.quality) {
        m_out << qint32(plan.quality->maxPixels) << plan.quality->jpegQuality
              << plan.quality->pagesAsPictures;
    }
}

void Writer::stamps(const StampPictures &stamps)
{
    m_out << qint32(stamps.size());
    for (auto it = stamps.cbegin(); it != stamps.cend(); ++it) {
        m_out << it.key();
        bytes(it.value());
    }
}

StampPictures Reader::stamps(const BuildPlan &plan)
{
    StampPictures stamps;
    qint32 count = 0;
    m_in >> count;
    if (count < 0 || count > plan.stampFiles.size()) {
        fail();
        return stamps;
    }
    for (qint32 i = 0; i < count && ok(); ++i) {
        QUrl url;
        m_in >> url;
        SharedBytes picture = bytes();
        if (!plan.stampFiles.values().contains(url) || stamps.contains(url)) {
            fail();
        }
        stamps.emplace(url, std::move(picture));
    }
    return stamps;
}

BuildPlan Reader::plan()
{
    BuildPlan plan;
    qint32 pageCount = 0;
    m_in >> pageCount;
    // Each page takes well over a byte, so a count beyond the bytes left is a lie.
    if (pageCount < 0 || pageCount > m_in.device()->bytesAvailable()) {
        fail();
        return plan;
    }
    for (qint32 i = 0; i < pageCount && ok(); ++i) {
        PageItem page;
        qint32 index = 0;
        qint32 turn = 0;
        qint32 stampCount = 0;
        m_in >> page.id >> page.source.url >> index >> turn >> stampCount;
        if (stampCount < 0 || stampCount > m_in.device()->bytesAvailable()) {
            fail();
            return plan;
        }
        page.source.index = index;
        page.turn = turn;
        for (qint32 s = 0; s < stampCount && ok(); ++s) {
            StampPlacement stamp;
            m_in >> stamp.id >> stamp.stampID >> stamp.center >> stamp.width >> stamp.rotation;
            page.stamps.append(stamp);
        }
        plan.pages.append(page);
    }
    m_in >> plan.stampFiles;
    plan.password = password();
    bool hasQuality = false;
    m_in >> hasQuality;
    if (hasQuality) {
        CompressionStep step;
        qint32 maxPixels = 0;
        m_in >> maxPixels >> step.jpegQuality >> step.pagesAsPictures;
        step.maxPixels = maxPixels;
        plan.quality = step;
    }
    return plan;
}

QSize renderPixelSize(QSizeF pageSize, double longSide)
{
    const double w = pageSize.width();
    const double h = pageSize.height();
    const double s = longSide / std::max({w, h, 1.0});
    return QSize(int(std::max(std::round(w * s), 1.0)), int(std::max(std::round(h * s), 1.0)));
}

QUrl keyUrl(quint64 key)
{
    return QUrl(QStringLiteral("tamsel-source:%1").arg(key));
}

// ---- The table: each message's write, then its read ----

Failed Failed::of(const Error &error)
{
    Failed failed;
    failed.canceled = error.canceled;
    switch (Fault(error.code)) {
    case Fault::MissingPage:
    case Fault::WriteFailed:
    case Fault::OnlyAsPictures:
    case Fault::OutOfMemory:
    case Fault::TooLarge:
        failed.fault = Fault(error.code);
        break;
    default:
        failed.fault = Fault::WriteFailed;
    }
    failed.systemError = error.systemError;
    return failed;
}

void Failed::write(Writer &out) const
{
    out << quint16(fault) << systemError << canceled;
}

void Failed::read(Reader &in)
{
    quint16 code = 0;
    in >> code >> systemError >> canceled;
    fault = Fault(code);
    switch (fault) {
    case Fault::MissingPage:
    case Fault::WriteFailed:
    case Fault::OnlyAsPictures:
    case Fault::OutOfMemory:
    case Fault::TooLarge:
        return;
    }
    if (!canceled) {
        in.fail();
    }
}

void Hello::write(Writer &out) const
{
    out.descriptor(cancelSocket);
}

void Hello::read(Reader &in)
{
    cancelSocket = in.descriptor();
}

void Cancel::write(Writer &out) const
{
    out << seq;
}

void Cancel::read(Reader &in)
{
    in >> seq;
}

void Load::write(Writer &out) const
{
    out << key;
    out.password(password);
    out.bytes(bytes);
}

void Load::read(Reader &in)
{
    in >> key;
    password = in.password();
    bytes = in.bytes();
}

void Evict::write(Writer &out) const
{
    out << keys;
}

void Evict::read(Reader &in)
{
    in >> keys;
}

void Open::write(Writer &out) const
{
    out << key;
    out.password(password);
    out << isPicture << path;
    out.bytes(bytes);
}

void Open::read(Reader &in)
{
    in >> key;
    password = in.password();
    in >> isPicture >> path;
    bytes = in.bytes();
}

void OpenReply::write(Writer &out) const
{
    out << quint8(status) << pageCount;
    out.password(password);
    out << sizes << !made.isEmpty();
    if (!made.isEmpty()) {
        out.bytes(made);
    }
}

void OpenReply::read(Reader &in)
{
    quint8 code = 0;
    bool hasMade = false;
    in >> code >> pageCount;
    password = in.password();
    in >> sizes >> hasMade;
    if (hasMade) {
        made = in.bytes(maxPictureBytes);
    }
    status = OpenStatus(code);
    const bool opened = status == OpenStatus::Opened;
    if (code > quint8(OpenStatus::Unreadable) ||
        (opened && (pageCount < 1 || sizes.size() != pageCount)) ||
        (!opened && (pageCount != 0 || !sizes.isEmpty() || hasMade))) {
        in.fail();
    }
    for (const QSizeF &size : std::as_const(sizes)) {
        const bool measured = size.width() >= 0 && size.width() <= maxPagePoints &&
                              size.height() >= 0 && size.height() <= maxPagePoints;
        // QSizeF() stands for a page without a box.
        if (!measured && size != QSizeF()) {
            in.fail();
        }
    }
}

void Render::write(Writer &out) const
{
    out << key << index << turn << longSide;
}

void Render::read(Reader &in)
{
    in >> key >> index >> turn >> longSide;
}

void RenderReply::write(Writer &out) const
{
    out.image(image);
}

void RenderReply::read(Reader &in)
{
    image = in.image();
}

void Decode::write(Writer &out) const
{
    out << longSide;
    out.shared(bytes);
}

void Decode::read(Reader &in)
{
    in >> longSide;
    bytes = in.bytes();
}

void OutputReply::write(Writer &out) const
{
    out << !bytes.isEmpty();
    if (!bytes.isEmpty()) {
        out.shared(bytes);
    }
}

void OutputReply::read(Reader &in)
{
    bool has = false;
    in >> has;
    if (has) {
        bytes = in.bytes(maxOutputBytes);
    }
}

void Build::write(Writer &out) const
{
    out.plan(plan);
    out.stamps(stamps);
    out.descriptor(file);
}

void Build::read(Reader &in)
{
    plan = in.plan();
    stamps = in.stamps(plan);
    file = in.descriptor();
}

void ExportPicture::write(Writer &out) const
{
    out.plan(plan);
    out.stamps(stamps);
    out << dpi << jpeg;
}

void ExportPicture::read(Reader &in)
{
    plan = in.plan();
    stamps = in.stamps(plan);
    in >> dpi >> jpeg;
}

void JpegPage::write(Writer &out) const
{
    out.plan(plan);
    out.stamps(stamps);
}

void JpegPage::read(Reader &in)
{
    plan = in.plan();
    stamps = in.stamps(plan);
}

void JpegPageReply::write(Writer &out) const
{
    out.shared(jpeg);
    out << points;
}

void JpegPageReply::read(Reader &in)
{
    jpeg = in.bytes(maxPictureBytes);
    in >> points;
    if (!(points.width() > 0 && points.width() <= maxPagePoints && points.height() > 0 &&
          points.height() <= maxPagePoints)) {
        in.fail();
    }
}

void Assemble::write(Writer &out) const
{
    out.password(password);
    out << points << ends;
    out.shared(pictures);
    out.descriptor(file);
}

void Assemble::read(Reader &in)
{
    password = in.password();
    in >> points >> ends;
    pictures = in.bytes();
    file = in.descriptor();
}

} // namespace WorkerProtocol
