#pragma once

// The messages between the engine and its worker processes, over one stream
// socket per worker: the one header both sides share. A frame is a fixed
// header, a payload written with QDataStream, and up to maxFds descriptors
// passed alongside (SCM_RIGHTS): the bytes of documents and big results travel
// as sealed memory files (SharedBytes), never through the socket.
//
// Every message is one struct below, with its write and read side by side in
// WorkerProtocol.cpp. A request names its reply; the worker answers every
// request but Hello, Load and Evict with exactly that reply or with a Failed,
// under the request's sequence number, one request at a time. Cancel comes on
// a socket of its own, so that a running request hears it. The supervisor
// trusts no reply: reading one checks every field, and a reply that breaks a
// rule fails its job and ends its worker. A new request is a struct here, its
// handler in the worker and its call in the engine.

#include "document/DocumentTypes.h"
#include "platform/Async.h"
#include "platform/SharedBytes.h"
#include "platform/SocketIO.h"

#include <QByteArray>
#include <QDataStream>
#include <QHash>
#include <QImage>
#include <QList>
#include <QSizeF>
#include <QUrl>

#include <chrono>
#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

namespace WorkerProtocol {

constexpr quint32 magic = 0x544d5357; // "TMSW"
constexpr quint16 version = 4;
constexpr int maxFds = 4;
// A payload beyond this is refused: nothing the engine sends is that large, so a
// header claiming more is a broken or hostile peer.
constexpr quint32 maxPayload = 256u << 20;

enum class Type : quint16 {
    // engine -> worker
    Hello = 1,
    Load = 2,
    Evict = 3,
    Cancel = 4, // on the cancel socket, never the request socket
    Open = 10,
    Render = 11,
    Build = 12,
    ExportPicture = 13,
    Assemble = 14,
    JpegPage = 15,
    Decode = 16,
    // worker -> engine
    OpenReply = 100,
    RenderReply = 101,
    OutputReply = 102,
    JpegPageReply = 103,
    Failed = 110,
};

// What a request is, for time limits and for the test worker's faults.
enum class JobKind : quint8 { Open, Render, Build, Picture };

struct Header
{
    quint32 magic = WorkerProtocol::magic;
    quint16 version = WorkerProtocol::version;
    quint16 type = 0;
    quint32 length = 0;
    quint32 fdCount = 0;
    quint64 seq = 0;
    // The request's number among the engine's requests of its kind, counted from
    // 1 over every worker the engine has started.
    quint32 ordinal = 0;
    quint32 reserved = 0;
};
static_assert(sizeof(Header) == 32);

// A frame as received.
struct Message
{
    Type type = Type::Failed;
    quint64 seq = 0;
    quint32 ordinal = 0;
    QByteArray payload;
    std::vector<int> fds; // owned by the receiver: adopt or close them
};

void closeAll(std::vector<int> &fds);

// The bytes of the stamp pictures a plan places, by the URL its stampFiles name:
// workers read no file of the user's.
using StampPictures = QHash<QUrl, SharedBytes>;

// Writes one message's payload and gathers the descriptors that go with it.
class Writer
{
public:
    Writer();

    template<typename T> Writer &operator<<(const T &value)
    {
        m_out << value;
        return *this;
    }
    void password(const std::optional<QString> &password);
    // Inline when small, as a memory file otherwise.
    void bytes(QByteArrayView bytes);
    void bytes(const SharedBytes &bytes);
    // Always as a memory file, however small: the receiver takes it over without
    // writing a file of its own (which a file size limit could cut short).
    void shared(const SharedBytes &bytes);
    // Raw pixels; big ones as a memory file.
    void image(const QImage &image);
    void plan(const BuildPlan &plan);
    void stamps(const StampPictures &stamps);
    // A descriptor of the caller's, which stays open until the message is sent;
    // -1 for none.
    void descriptor(int fd);

    QByteArray payload;
    // The memory files sent, held until the message is.
    std::vector<SharedBytes> keep;
    std::vector<int> fds;

private:
    QDataStream m_out;
};

// Reads one message's payload. Any field that doesn't parse, a descriptor
// that isn't there or is named twice, fails the whole message; finish() also
// fails when bytes or descriptors are left over.
class Reader
{
public:
    explicit Reader(Message &message);

    template<typename T> Reader &operator>>(T &value)
    {
        m_in >> value;
        return *this;
    }
    // A list's count is checked against the bytes left before anything is allocated.
    template<typename T> Reader &operator>>(QList<T> &list)
    {
        quint32 count = 0;
        m_in >> count;
        if (!ok() || count > quint64(bytesLeft())) {
            fail();
            return *this;
        }
        list.clear();
        list.reserve(qsizetype(count));
        for (quint32 i = 0; i < count && ok(); ++i) {
            T value;
            m_in >> value;
            list.append(value);
        }
        return *this;
    }
    std::optional<QString> password();
    // Refuses a memory file larger than `maxSize`, or one with holes (its size
    // claimed, not written): mapping it is free, copying it is not.
    SharedBytes bytes(qint64 maxSize = std::numeric_limits<qint64>::max());
    QByteArray byteArray();
    QImage image();
    BuildPlan plan();
    // Only pictures of the stamp files `plan` names.
    StampPictures stamps(const BuildPlan &plan);
    // The message keeps the descriptor and closes it with its other ones; -1 when
    // the writer sent none.
    int descriptor();

    void fail() { m_failed = true; }
    bool ok() const { return !m_failed && m_in.status() == QDataStream::Ok; }
    bool finish();

private:
    // Bytes as they came: inline in the payload, or in a memory file.
    struct Received
    {
        QByteArray inlined;
        std::optional<SharedBytes> shared;
        QByteArrayView view() const { return shared ? shared->view() : QByteArrayView(inlined); }
    };
    std::optional<Received> received(qint64 maxSize);
    int takeIndex(bool adopt, bool optional);
    qint64 bytesLeft() const;

    QDataStream m_in;
    std::vector<int> &m_fds;
    std::vector<bool> m_used;
    bool m_failed = false;
};

// ---- What both sides know ----

enum class OpenStatus : quint8 { Opened, NeedsPassword, Unreadable };

// Why a worker's job failed. Only the program words these (the worker has no
// translations); the values are PDFEngine::EngineError's.
enum class Fault : quint16 {
    MissingPage = 1,
    WriteFailed = 2,
    OnlyAsPictures = 3,
    OutOfMemory = 6,
    TooLarge = 9,
};

// An Error as the worker makes it: a Fault's code and the system's error, no words.
inline Error faultError(Fault fault, int systemError = 0)
{
    return Error{QString(), int(fault), false, systemError};
}

// The pixel size of a page of `pageSize` points drawn with its longer side
// `longSide` pixels: each side rounded half away from zero and at least 1.
QSize renderPixelSize(QSizeF pageSize, double longSide);

// A page's side in points is at most this (a PDF's largest user space with its
// largest user unit is far below it).
constexpr double maxPagePoints = 1e7;
// The most a reply may carry in one memory file: a picture's PDF or JPEG, and
// any output.
constexpr qint64 maxPictureBytes = qint64(1) << 30;
constexpr qint64 maxOutputBytes = qint64(1) << 36;

// The name under which a worker knows a cached document: the engine's pages
// name their sources by file, but one file may be cached in several versions.
QUrl keyUrl(quint64 key);

// ---- The table ----

// Any request's answer when it failed.
struct Failed
{
    static constexpr Type type = Type::Failed;
    Fault fault = Fault::WriteFailed;
    qint32 systemError = 0;
    bool canceled = false;

    static Failed of(const Error &error);
    void write(Writer &out) const;
    void read(Reader &in);
};

// The first message to a new worker: the socket on which Cancel messages come
// while a request runs.
struct Hello
{
    static constexpr Type type = Type::Hello;
    int cancelSocket = -1;

    void write(Writer &out) const;
    void read(Reader &in);
};

// Asks the worker to stop request `seq` if it still runs it.
struct Cancel
{
    static constexpr Type type = Type::Cancel;
    quint64 seq = 0;

    void write(Writer &out) const;
    void read(Reader &in);
};

// A document the next requests use, under the engine's key.
struct Load
{
    static constexpr Type type = Type::Load;
    quint64 key = 0;
    std::optional<QString> password;
    SharedBytes bytes;

    void write(Writer &out) const;
    void read(Reader &in);
};

// Documents no longer needed.
struct Evict
{
    static constexpr Type type = Type::Evict;
    QList<quint64> keys;

    void write(Writer &out) const;
    void read(Reader &in);
};

struct OpenReply
{
    static constexpr Type type = Type::OpenReply;
    OpenStatus status = OpenStatus::Unreadable;
    qint32 pageCount = 0;
    std::optional<QString> password; // the one that unlocked it
    QList<QSizeF> sizes;             // every page's, as displayed
    SharedBytes made;                // for a picture: the PDF made of it

    void write(Writer &out) const;
    void read(Reader &in);
};

// Reads a document (or a picture, made into one) and caches it under `key`.
struct Open
{
    static constexpr Type type = Type::Open;
    static constexpr JobKind kind = JobKind::Open;
    using Reply = OpenReply;
    quint64 key = 0;
    std::optional<QString> password;
    bool isPicture = false;
    QString path;      // a picture's, for its format
    SharedBytes bytes; // the PDF's or the picture's

    void write(Writer &out) const;
    void read(Reader &in);
};

struct RenderReply
{
    static constexpr Type type = Type::RenderReply;
    QImage image; // null when the page can't be drawn

    void write(Writer &out) const;
    void read(Reader &in);
};

// A cached page drawn with its longer side `longSide` pixels.
struct Render
{
    static constexpr Type type = Type::Render;
    static constexpr JobKind kind = JobKind::Render;
    using Reply = RenderReply;
    quint64 key = 0;
    qint32 index = 0;
    qint32 turn = 0;
    double longSide = 0;

    void write(Writer &out) const;
    void read(Reader &in);
};

// A picture decoded from its encoded bytes, upright, no larger than `longSide`
// on its longer side; answered with its pixels (null when it can't be decoded).
struct Decode
{
    static constexpr Type type = Type::Decode;
    static constexpr JobKind kind = JobKind::Render;
    using Reply = RenderReply;
    qint32 longSide = 0;
    SharedBytes bytes;

    void write(Writer &out) const;
    void read(Reader &in);
};

// The bytes an output request made; none when they went into the request's file.
struct OutputReply
{
    static constexpr Type type = Type::OutputReply;
    SharedBytes bytes;

    void write(Writer &out) const;
    void read(Reader &in);
};

// The PDF of a plan whose pages name their sources by keyUrl(); into `file`
// when one is given, else into memory.
struct Build
{
    static constexpr Type type = Type::Build;
    static constexpr JobKind kind = JobKind::Build;
    using Reply = OutputReply;
    BuildPlan plan;
    int file = -1;
    StampPictures stamps;

    void write(Writer &out) const;
    void read(Reader &in);
};

// The one page of a plan as a picture to export: PNG, or JPEG when `jpeg`.
struct ExportPicture
{
    static constexpr Type type = Type::ExportPicture;
    static constexpr JobKind kind = JobKind::Picture;
    using Reply = OutputReply;
    BuildPlan plan;
    double dpi = 0;
    bool jpeg = false;
    StampPictures stamps;

    void write(Writer &out) const;
    void read(Reader &in);
};

struct JpegPageReply
{
    static constexpr Type type = Type::JpegPageReply;
    SharedBytes jpeg;
    QSizeF points; // the size the page is shown at

    void write(Writer &out) const;
    void read(Reader &in);
};

// The one page of a plan drawn as a page of a PDF made of pictures, at the
// plan's quality.
struct JpegPage
{
    static constexpr Type type = Type::JpegPage;
    static constexpr JobKind kind = JobKind::Picture;
    using Reply = JpegPageReply;
    BuildPlan plan;
    StampPictures stamps;

    void write(Writer &out) const;
    void read(Reader &in);
};

// The PDF whose pages are pictures other workers drew: their sizes in points,
// and where each ends in the one memory file that holds them all.
struct Assemble
{
    static constexpr Type type = Type::Assemble;
    static constexpr JobKind kind = JobKind::Build;
    using Reply = OutputReply;
    std::optional<QString> password;
    QList<QSizeF> points;
    QList<qint64> ends;
    SharedBytes pictures;
    int file = -1;

    void write(Writer &out) const;
    void read(Reader &in);
};

// ---- Frames ----

// One message ready to go: its payload and descriptors.
struct Outgoing
{
    Type type = Type::Failed;
    QByteArray payload;
    std::vector<SharedBytes> keep;
    std::vector<int> fds; // the caller's, open until it is sent
};

template<typename M> Outgoing encode(const M &message)
{
    Writer out;
    message.write(out);
    return Outgoing{M::type, std::move(out.payload), std::move(out.keep), std::move(out.fds)};
}

// The message as an M; none when it is another type or breaks any rule of M.
// Descriptors it names are taken over or left to `message` to close.
template<typename M> std::optional<M> decode(Message &message)
{
    if (message.type != M::type) {
        return std::nullopt;
    }
    Reader in(message);
    M decoded;
    decoded.read(in);
    if (!in.finish()) {
        return std::nullopt;
    }
    return decoded;
}

using IoResult = SocketIO::Transfer;

IoResult send(int socket, const Outgoing &message, quint64 seq = 0, quint32 ordinal = 0);
// Sends one frame; `fds` stay owned by the caller.
IoResult send(int socket, Type type, quint64 seq, quint32 ordinal, const QByteArray &payload,
              const std::vector<int> &fds = {});
// Receives one frame, blocking; with a deadline, the whole frame must have come
// by then (Failed otherwise), however slowly its bytes trickle in.
IoResult receive(int socket, Message &message,
                 std::optional<std::chrono::steady_clock::time_point> deadline = std::nullopt);

} // namespace WorkerProtocol
