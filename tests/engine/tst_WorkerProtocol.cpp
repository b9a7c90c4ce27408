#include "engine/WorkerProtocol.h"

#include <QTest>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

// Every message between the engine and its workers, written on one side of a
// socket pair and read on the other; and each of them refused when its payload
// is cut short or grown, or when it comes with a descriptor too many or too few.
using namespace WorkerProtocol;

namespace {

struct SocketPair
{
    int ends[2] = {-1, -1};
    SocketPair() { ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends); }
    ~SocketPair()
    {
        ::close(ends[0]);
        ::close(ends[1]);
    }
};

Message duplicate(const Message &message)
{
    Message copy = message;
    for (int &fd : copy.fds) {
        fd = fcntl(fd, F_DUPFD_CLOEXEC, 0);
    }
    return copy;
}

// A descriptor of a fresh memory file, sealed like the ones the two sides send.
int sealedFile()
{
    SharedBytes::Writer writer;
    writer.write("unrelated");
    const std::optional<SharedBytes> bytes = writer.finish();
    return bytes ? fcntl(bytes->fd(), F_DUPFD_CLOEXEC, 0) : -1;
}

ino_t inodeOf(int fd)
{
    struct stat info
    {
    };
    return fstat(fd, &info) == 0 ? info.st_ino : 0;
}

template<typename M> bool decodes(const Message &message)
{
    Message copy = duplicate(message);
    const bool decoded = decode<M>(copy).has_value();
    closeAll(copy.fds);
    return decoded;
}

// Sends `sent` through a socket pair, checks what arrives with `check`, then
// every way of breaking it.
template<typename M, typename Check> void roundTrip(const M &sent, Check check)
{
    SocketPair pair;
    const Outgoing outgoing = encode(sent);
    QCOMPARE(send(pair.ends[0], outgoing, 42, 7), IoResult::Ok);
    Message received;
    QCOMPARE(receive(pair.ends[1], received), IoResult::Ok);
    QCOMPARE(received.type, M::type);
    QCOMPARE(received.seq, quint64(42));
    QCOMPARE(received.ordinal, quint32(7));
    QCOMPARE(received.fds.size(), outgoing.fds.size());

    {
        Message copy = duplicate(received);
        const std::optional<M> got = decode<M>(copy);
        QVERIFY(got);
        check(*got);
        closeAll(copy.fds);
    }
    if (QTest::currentTestFailed()) {
        closeAll(received.fds);
        return;
    }

    for (qsizetype length = 0; length < received.payload.size(); ++length) {
        Message cut = duplicate(received);
        cut.payload.truncate(length);
        const bool decoded = decodes<M>(cut);
        closeAll(cut.fds);
        QVERIFY2(
            !decoded,
            qPrintable(
                QStringLiteral("cut to %1 of %2 bytes").arg(length).arg(received.payload.size())));
    }
    Message grown = duplicate(received);
    grown.payload.append('\0');
    QVERIFY(!decodes<M>(grown));
    closeAll(grown.fds);

    Message extra = duplicate(received);
    extra.fds.push_back(sealedFile());
    QVERIFY(!decodes<M>(extra));
    closeAll(extra.fds);

    if (!received.fds.empty()) {
        Message missing = duplicate(received);
        ::close(missing.fds.back());
        missing.fds.pop_back();
        QVERIFY(!decodes<M>(missing));
        closeAll(missing.fds);
    }

    Message other = duplicate(received);
    other.type = M::type == Type::Evict ? Type::Load : Type::Evict;
    QVERIFY(!decodes<M>(other));
    closeAll(other.fds);
    closeAll(received.fds);
}

BuildPlan samplePlan()
{
    BuildPlan plan;
    const QUuid stampID = QUuid::createUuid();
    StampPlacement stamp{QUuid::createUuid(), stampID, QPointF(0.25, 0.75), 0.3, -12.5};
    plan.pages.append(
        PageItem{QUuid::createUuid(), PageSource{keyUrl(3), 4, 0}, 90, {stamp, stamp}});
    plan.pages.append(PageItem{QUuid::createUuid(), PageSource{keyUrl(5), 0, 0}, 0, {}});
    plan.stampFiles.insert(stampID, QUrl::fromLocalFile(QStringLiteral("/stamps/a.png")));
    plan.password = QStringLiteral("sésame");
    plan.quality = CompressionStep{1'500'000, 0.6, true};
    return plan;
}

void comparePlans(const BuildPlan &got, const BuildPlan &sent)
{
    QCOMPARE(got.pages, sent.pages);
    QCOMPARE(got.stampFiles, sent.stampFiles);
    QCOMPARE(got.password, sent.password);
    QCOMPARE(got.quality, sent.quality);
}

QByteArray pattern(qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i) {
        bytes[i] = char(i * 31 % 251);
    }
    return bytes;
}

} // namespace

class TestWorkerProtocol : public QObject
{
    Q_OBJECT

private slots:
    void everyRequestRoundTrips()
    {
        SocketPair cancel;
        roundTrip(Hello{cancel.ends[1]}, [&](const Hello &got) {
            QCOMPARE(inodeOf(got.cancelSocket), inodeOf(cancel.ends[1]));
        });
        roundTrip(Cancel{12}, [](const Cancel &got) { QCOMPARE(got.seq, quint64(12)); });

        // Small bytes inline, big ones as a memory file.
        const SharedBytes small = SharedBytes::copyOf("%PDF-1.7 small");
        const SharedBytes big = SharedBytes::copyOf(pattern(300'000));
        roundTrip(Load{7, QStringLiteral("pw"), small}, [&](const Load &got) {
            QCOMPARE(got.key, quint64(7));
            QCOMPARE(got.password, std::optional<QString>(QStringLiteral("pw")));
            QCOMPARE(got.bytes.view(), small.view());
        });
        roundTrip(Evict{{1, 2, 99}}, [](const Evict &got) {
            QCOMPARE(got.keys, (QList<quint64>{1, 2, 99}));
        });
        roundTrip(Open{5, std::nullopt, false, QString(), big}, [&](const Open &got) {
            QCOMPARE(got.key, quint64(5));
            QVERIFY(!got.password);
            QVERIFY(!got.isPicture);
            QCOMPARE(got.bytes.view(), big.view());
        });
        roundTrip(Open{6, std::nullopt, true, QStringLiteral("/pictures/a b.png"), small},
                  [&](const Open &got) {
                      QVERIFY(got.isPicture);
                      QCOMPARE(got.path, QStringLiteral("/pictures/a b.png"));
                      QCOMPARE(got.bytes.view(), small.view());
                  });
        roundTrip(Render{9, 3, 270, 1200.5}, [](const Render &got) {
            QCOMPARE(got.key, quint64(9));
            QCOMPARE(got.index, 3);
            QCOMPARE(got.turn, 270);
            QCOMPARE(got.longSide, 1200.5);
        });

        const BuildPlan plan = samplePlan();
        const int file = sealedFile();
        StampPictures stamps;
        stamps.insert(plan.stampFiles.begin().value(), big);
        roundTrip(Build{plan, file, stamps}, [&](const Build &got) {
            comparePlans(got.plan, plan);
            QCOMPARE(got.stamps.size(), 1);
            QCOMPARE(got.stamps.value(plan.stampFiles.begin().value()).view(), big.view());
            QCOMPARE(inodeOf(got.file), inodeOf(file));
        });
        roundTrip(Build{plan, -1, {}}, [](const Build &got) { QCOMPARE(got.file, -1); });
        roundTrip(ExportPicture{plan, 150, true, {}}, [&](const ExportPicture &got) {
            comparePlans(got.plan, plan);
            QCOMPARE(got.dpi, 150.0);
            QVERIFY(got.jpeg);
        });
        roundTrip(JpegPage{plan, {}}, [&](const JpegPage &got) { comparePlans(got.plan, plan); });
        roundTrip(
            Assemble{
                QStringLiteral("pw"), {QSizeF(595, 842), QSizeF(842, 595)}, {100, 250}, big, file},
            [&](const Assemble &got) {
                QCOMPARE(got.password, std::optional<QString>(QStringLiteral("pw")));
                QCOMPARE(got.points, (QList<QSizeF>{QSizeF(595, 842), QSizeF(842, 595)}));
                QCOMPARE(got.ends, (QList<qint64>{100, 250}));
                QCOMPARE(got.pictures.view(), big.view());
                QCOMPARE(inodeOf(got.file), inodeOf(file));
            });
        ::close(file);
    }

    void everyReplyRoundTrips()
    {
        const SharedBytes made = SharedBytes::copyOf("%PDF-1.7 made of a picture");
        const QList<QSizeF> sizes{QSizeF(595, 842), QSizeF()}; // the second page has no box
        roundTrip(OpenReply{OpenStatus::Opened, 2, QStringLiteral("pw"), sizes, made},
                  [&](const OpenReply &got) {
                      QCOMPARE(got.status, OpenStatus::Opened);
                      QCOMPARE(got.pageCount, 2);
                      QCOMPARE(got.password, std::optional<QString>(QStringLiteral("pw")));
                      QCOMPARE(got.sizes, sizes);
                      QCOMPARE(got.made.view(), made.view());
                  });
        roundTrip(OpenReply{OpenStatus::NeedsPassword, 0, std::nullopt, {}, {}},
                  [](const OpenReply &got) {
                      QCOMPARE(got.status, OpenStatus::NeedsPassword);
                      QVERIFY(got.made.isEmpty());
                  });

        QImage picture(300, 200, QImage::Format_ARGB32);
        picture.fill(QColor(10, 200, 30, 128));
        picture.setPixelColor(7, 9, Qt::red);
        roundTrip(RenderReply{picture},
                  [&](const RenderReply &got) { QCOMPARE(got.image, picture); });
        roundTrip(RenderReply{QImage()},
                  [](const RenderReply &got) { QVERIFY(got.image.isNull()); });

        roundTrip(OutputReply{made},
                  [&](const OutputReply &got) { QCOMPARE(got.bytes.view(), made.view()); });
        roundTrip(OutputReply{}, [](const OutputReply &got) { QVERIFY(got.bytes.isEmpty()); });
        roundTrip(JpegPageReply{made, QSizeF(300, 400)}, [&](const JpegPageReply &got) {
            QCOMPARE(got.jpeg.view(), made.view());
            QCOMPARE(got.points, QSizeF(300, 400));
        });
        roundTrip(Failed{Fault::WriteFailed, ENOSPC, false}, [](const Failed &got) {
            QCOMPARE(got.fault, Fault::WriteFailed);
            QCOMPARE(got.systemError, ENOSPC);
            QVERIFY(!got.canceled);
        });
        roundTrip(Failed::of(faultError(Fault::TooLarge)),
                  [](const Failed &got) { QCOMPARE(got.fault, Fault::TooLarge); });
    }

    // The worker sends codes, never words; a code or status the program doesn't
    // know is a broken reply, not a failure to show.
    void unknownCodesAreRefused()
    {
        const Failed worded =
            Failed::of(Error{QStringLiteral("words of the worker's"), 1234, false, 0});
        QCOMPARE(worded.fault, Fault::WriteFailed);
        QCOMPARE(Failed::of(Error::cancellation()).canceled, true);

        const auto message = [](Type type, const std::function<void(Writer &)> &write) {
            Writer out;
            write(out);
            Message made;
            made.type = type;
            made.payload = out.payload;
            return made;
        };
        QVERIFY(!decodes<Failed>(
            message(Type::Failed, [](Writer &out) { out << quint16(99) << qint32(0) << false; })));
        QVERIFY(decodes<Failed>(
            message(Type::Failed, [](Writer &out) { out << quint16(0) << qint32(0) << true; })));
        const auto opened = [&](quint8 status, qint32 pageCount, QList<QSizeF> sizes) {
            return message(Type::OpenReply, [&](Writer &out) {
                out << status << pageCount;
                out.password(std::nullopt);
                out << sizes << false;
            });
        };
        QVERIFY(decodes<OpenReply>(opened(quint8(OpenStatus::Opened), 1, {QSizeF(595, 842)})));
        QVERIFY(!decodes<OpenReply>(opened(7, 1, {QSizeF(595, 842)})));
        QVERIFY(!decodes<OpenReply>(
            opened(quint8(OpenStatus::Opened), 2'147'483'647, {QSizeF(595, 842)})));
        QVERIFY(!decodes<OpenReply>(opened(quint8(OpenStatus::Opened), 0, {})));
        QVERIFY(
            !decodes<OpenReply>(opened(quint8(OpenStatus::NeedsPassword), 1, {QSizeF(595, 842)})));
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const double inf = std::numeric_limits<double>::infinity();
        QVERIFY(!decodes<OpenReply>(opened(quint8(OpenStatus::Opened), 1, {QSizeF(nan, 842)})));
        QVERIFY(!decodes<OpenReply>(opened(quint8(OpenStatus::Opened), 1, {QSizeF(595, inf)})));
        QVERIFY(!decodes<OpenReply>(opened(quint8(OpenStatus::Opened), 1, {QSizeF(-1, 842)})));
        // A list claiming more entries than there are bytes is refused before
        // anything is allocated for them.
        QVERIFY(!decodes<Evict>(
            message(Type::Evict, [](Writer &out) { out << quint32(0xfffffff0) << quint64(1); })));
        // A picture whose pixels are fewer than its size needs.
        QVERIFY(!decodes<RenderReply>(message(Type::RenderReply, [](Writer &out) {
            out << qint32(100) << qint32(100) << qint32(QImage::Format_ARGB32) << qint64(400);
            out.bytes(QByteArrayView("short"));
        })));
    }

    // A memory file is taken only when it is sealed, no bigger than the reply
    // can be, and really holds the bytes it claims (a 1 TiB file maps for free
    // but would be copied at a terabyte's cost).
    void memoryFilesAreCheckedBeforeUse()
    {
        const auto replyWith = [](int fd) {
            Writer out;
            out << true << quint8(1);
            out.descriptor(fd);
            Message message;
            message.type = Type::OutputReply;
            message.payload = out.payload;
            message.fds = {fd};
            const bool decoded = decode<OutputReply>(message).has_value();
            closeAll(message.fds);
            return decoded;
        };
        const auto file = [](qint64 size, bool seal, bool fill) {
            const int fd = memfd_create("test", MFD_CLOEXEC | MFD_ALLOW_SEALING);
            if (fill) {
                const QByteArray bytes(size, 'x');
                [[maybe_unused]] const ssize_t n = ::write(fd, bytes.constData(), size_t(size));
            } else {
                [[maybe_unused]] const int r = ftruncate(fd, size);
            }
            if (seal) {
                fcntl(fd, F_ADD_SEALS, F_SEAL_WRITE | F_SEAL_SHRINK | F_SEAL_GROW | F_SEAL_SEAL);
            }
            return fd;
        };
        QVERIFY(replyWith(file(10'000, true, true)));
        QVERIFY(!replyWith(file(10'000, false, true)));
        QVERIFY(!replyWith(file(qint64(1) << 40, true, false)));
        QVERIFY(!replyWith(file(1 << 20, true, false)));
    }

    // A reply's whole frame has a deadline: a worker that sends a byte now and
    // then can't hold the supervisor.
    void aFrameThatStopsComingIsRefusedAtItsDeadline()
    {
        SocketPair pair;
        const Outgoing reply = encode(Failed{});
        Header header;
        header.type = quint16(reply.type);
        header.length = quint32(reply.payload.size());
        QCOMPARE(::send(pair.ends[0], &header, 10, 0), ssize_t(10));
        Message message;
        QCOMPARE(receive(pair.ends[1], message,
                         std::chrono::steady_clock::now() + std::chrono::milliseconds(50)),
                 IoResult::Failed);
    }

    // A frame whose header doesn't fit the protocol is refused before its payload
    // is read, and its descriptors are closed.
    void brokenFramesAreRefused()
    {
        const auto frameWith = [](auto change) {
            SocketPair pair;
            Header header;
            header.type = quint16(Type::Evict);
            change(header);
            if (::send(pair.ends[0], &header, sizeof header, 0) != ssize_t(sizeof header)) {
                return IoResult::Failed;
            }
            ::shutdown(pair.ends[0], SHUT_WR);
            Message message;
            const IoResult got = receive(pair.ends[1], message);
            closeAll(message.fds);
            return got;
        };
        QCOMPARE(frameWith([](Header &) {}), IoResult::Ok);
        QCOMPARE(frameWith([](Header &h) { h.version = version - 1; }), IoResult::Failed);
        QCOMPARE(frameWith([](Header &h) { h.magic = 0; }), IoResult::Failed);
        QCOMPARE(frameWith([](Header &h) { h.length = maxPayload + 1; }), IoResult::Failed);
        QCOMPARE(frameWith([](Header &h) { h.fdCount = 1; }), IoResult::Failed);
        // Announced, never sent.
        QCOMPARE(frameWith([](Header &h) { h.length = 10; }), IoResult::Closed);
    }
};

QTEST_GUILESS_MAIN(TestWorkerProtocol)
#include "tst_WorkerProtocol.moc"
