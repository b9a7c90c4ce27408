#pragma once

// The messages between the engine and its worker processes, over one stream
// socket per worker. A frame is a fixed header, a payload written with
// QDataStream, and up to maxFds descriptors passed alongside (SCM_RIGHTS): the
// bytes of documents and big results travel as sealed memory files
// (SharedBytes), never through the socket.
//
// Every request but Load and Evict gets exactly one Reply or Failure with the
// request's sequence number; a worker handles one request at a time.

#include "document/DocumentTypes.h"
#include "platform/Async.h"
#include "platform/SharedBytes.h"
#include "platform/SocketIO.h"

#include <QByteArray>
#include <QDataStream>
#include <QImage>
#include <QList>

#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>

namespace WorkerProtocol {

constexpr quint32 magic = 0x544d5357; // "TMSW"
constexpr quint16 version = 2;
constexpr int maxFds = 4;
// A payload beyond this is refused: nothing the engine sends is that large, so a
// header claiming more is a broken or hostile peer.
constexpr quint32 maxPayload = 256u << 20;

enum class Type : quint16 {
    // engine -> worker
    Hello = 1, // fd: the shared cancel page
    Load = 2,  // a document the next requests use: key, password, isPicture; fd: its bytes
    Evict = 3, // keys of documents no longer needed
    Open = 10,
    Render = 11,
    Build = 12,
    Picture = 13,
    Assemble = 14, // a PDF of pictures of pages; fd: the pictures, one after another
    Decode = 15,   // a picture's pixels: the longest side wanted; fd: its encoded bytes
    // worker -> engine
    Reply = 100,
    Failure = 101,
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

struct Message
{
    Type type = Type::Reply;
    quint64 seq = 0;
    quint32 ordinal = 0;
    QByteArray payload;
    std::vector<int> fds; // owned by the receiver: adopt or close them
};

using IoResult = SocketIO::Transfer;

// Sends one frame; `fds` stay owned by the caller.
IoResult send(int socket, Type type, quint64 seq, quint32 ordinal, const QByteArray &payload,
              const std::vector<int> &fds = {});
// Receives one frame, blocking (bounded by the socket's own receive time-out).
IoResult receive(int socket, Message &message);
void closeAll(std::vector<int> &fds);

// The stream every payload is written with.
QDataStream &prepare(QDataStream &stream);

// The shared page through which the engine asks the running request to stop.
struct CancelPage
{
    std::atomic<quint64> cancelSeq{0};
};

// Values the two sides exchange.
void write(QDataStream &out, const BuildPlan &plan);
void read(QDataStream &in, BuildPlan &plan);
void write(QDataStream &out, const Error &error);
void read(QDataStream &in, Error &error);
QDataStream &writePassword(QDataStream &out, const std::optional<QString> &password);
std::optional<QString> readPassword(QDataStream &in);

// Pictures travel as raw pixels; big ones as a memory file appended to `fds`.
void writeImage(QDataStream &out, const QImage &image, std::vector<SharedBytes> &keep);
QImage readImage(QDataStream &in, std::vector<int> &fds);
// Bytes travel inline when small, as a memory file otherwise.
void writeBytes(QDataStream &out, QByteArrayView bytes, std::vector<SharedBytes> &keep);
void writeBytes(QDataStream &out, const SharedBytes &bytes, std::vector<SharedBytes> &keep);
// Always as a memory file, however small: the receiver takes it over without
// writing a file of its own (which a file size limit could cut short).
void writeShared(QDataStream &out, const SharedBytes &bytes, std::vector<SharedBytes> &keep);
std::optional<SharedBytes> readBytes(QDataStream &in, std::vector<int> &fds);
// The same as a plain array, for bytes that are handed on as one.
std::optional<QByteArray> readByteArray(QDataStream &in, std::vector<int> &fds);

// The name under which a worker knows a cached document: the engine's pages
// name their sources by file, but one file may be cached in several versions.
QUrl keyUrl(quint64 key);

} // namespace WorkerProtocol
