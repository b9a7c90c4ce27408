#include "worker/WorkerProcess.h"

#include "platform/Sandbox.h"
#include "worker/BuildErrors.h"
#include "worker/EngineWorker.h"
#include "worker/PageExport.h"
#include "worker/PdfBuilder.h"
#include "worker/PicturePage.h"
#include "worker/WorkerLog.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>

#include <poppler/qt6/poppler-qt6.h>
#include <qpdf/QPDF.hh>

#include <fcntl.h>
#include <malloc.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <limits>
#include <mutex>
#include <new>
#include <thread>
#include <type_traits>

using namespace WorkerProtocol;

namespace {

constexpr bool addressSanitizer = Sandbox::addressSanitizer;

void ignorePopplerMessage(const QString &, const QVariant &) {}

// Turns the engine's Cancel messages into the running request's CancelToken. Its
// thread sleeps in a read until one comes: an idle worker never wakes.
class CancelWatch
{
public:
    ~CancelWatch()
    {
        if (m_socket >= 0) {
            ::shutdown(m_socket, SHUT_RDWR);
        }
        if (m_thread.joinable()) {
            m_thread.join();
        }
        if (m_socket >= 0) {
            ::close(m_socket);
        }
    }

    // Listens on a copy of `socket`, which stays the caller's.
    void listen(int socket)
    {
        if (m_socket >= 0) {
            return;
        }
        m_socket = fcntl(socket, F_DUPFD_CLOEXEC, 0);
        if (m_socket >= 0) {
            m_thread = std::thread([this] { run(); });
        }
    }

    CancelToken begin(quint64 seq)
    {
        const std::lock_guard lock(m_mutex);
        m_seq = seq;
        m_token = CancelToken::make();
        if (m_asked == seq) {
            m_token.cancel(); // asked before the request got here
        }
        return m_token;
    }

private:
    void run()
    {
        for (;;) {
            Message message;
            if (receive(m_socket, message) != IoResult::Ok) {
                return;
            }
            const std::optional<Cancel> cancel = decode<Cancel>(message);
            closeAll(message.fds);
            if (!cancel) {
                return;
            }
            const std::lock_guard lock(m_mutex);
            m_asked = cancel->seq;
            if (cancel->seq == m_seq) {
                m_token.cancel();
            }
        }
    }

    int m_socket = -1;
    std::thread m_thread;
    std::mutex m_mutex;
    quint64 m_seq = 0;
    quint64 m_asked = 0;
    CancelToken m_token;
};

class Server
{
public:
    Server(int socket, WorkerProcess::BeforeJob beforeJob)
        : m_socket(socket)
        , m_beforeJob(std::move(beforeJob))
    {}

    int serve()
    {
        for (;;) {
            Message message;
            const IoResult got = receive(m_socket, message);
            if (got == IoResult::Closed) {
                return 0;
            }
            if (got != IoResult::Ok) {
                qCWarning(lcWorker, "worker %d: a request could not be read; leaving",
                          int(getpid()));
                return 2;
            }
            if (!handle(message)) {
                qCWarning(lcWorker, "worker %d: a request could not be answered; leaving",
                          int(getpid()));
                return 3;
            }
            closeAll(message.fds);
        }
    }

private:
    // Whether the hook answered the request itself.
    bool before(const WorkerProcess::JobInfo &job) { return m_beforeJob && m_beforeJob(job); }

    bool handle(Message &message)
    {
        switch (message.type) {
        case Type::Hello:
            return take<Hello>(message, [this](const Hello &hello) {
                if (hello.cancelSocket >= 0) {
                    m_cancel.listen(hello.cancelSocket);
                }
            });
        case Type::Load:
            return take<Load>(message, [this](const Load &load) {
                if (!load.bytes.isEmpty()) {
                    m_worker.load(keyUrl(load.key), load.bytes, load.password);
                }
            });
        case Type::Evict:
            return take<Evict>(message, [this](const Evict &evict) {
                for (quint64 key : evict.keys) {
                    m_worker.forget(keyUrl(key));
                }
            });
        case Type::Open:
            return answer<Open>(message,
                                [this](const Open &open, quint64) { return this->open(open); });
        case Type::Render:
            return answer<Render>(message, [this](const Render &render, quint64) {
                return encode(RenderReply{m_worker.image(
                    PageSource{keyUrl(render.key), render.index}, render.turn, render.longSide)});
            });
        case Type::Decode:
            return answer<Decode>(message, [](const Decode &decode, quint64) {
                return encode(
                    RenderReply{PicturePage::decode(decode.bytes.view(), decode.longSide)});
            });
        case Type::Build:
            return answer<Build>(message, [this](const Build &build, quint64 seq) {
                return this->build(build, seq);
            });
        case Type::ExportPicture:
            return answer<ExportPicture>(message,
                                         [this](const ExportPicture &picture, quint64 seq) {
                                             return exportPicture(picture, seq);
                                         });
        case Type::JpegPage:
            return answer<JpegPage>(
                message, [this](const JpegPage &page, quint64 seq) { return jpegPage(page, seq); });
        case Type::Assemble:
            return answer<Assemble>(message, [this](const Assemble &assemble, quint64) {
                return this->assemble(assemble);
            });
        default:
            return false;
        }
    }

    // A message that gets no answer.
    template<typename M, typename F> static bool take(Message &message, F &&carryOut)
    {
        const std::optional<M> decoded = decode<M>(message);
        if (!decoded) {
            return false;
        }
        try {
            carryOut(*decoded);
        } catch (const std::bad_alloc &) {
            // Not cached: the requests that need it answer as for a missing page.
        }
        return true;
    }

    // A request, carried out and answered.
    template<typename R, typename F> bool answer(Message &message, F &&carryOut)
    {
        const std::optional<R> request = decode<R>(message);
        if (!request) {
            return false;
        }
        WorkerProcess::JobInfo job{R::kind, message.ordinal, -1, message.seq, -1};
        if constexpr (std::is_same_v<R, Render>) {
            job.pageIndex = request->index;
        }
        if constexpr (std::is_same_v<R, Build> || std::is_same_v<R, Assemble>) {
            job.file = request->file;
        }
        if (before(job)) {
            return true;
        }
        Outgoing reply;
        try {
            reply = carryOut(*request, message.seq);
        } catch (const std::bad_alloc &) {
            reply = encode(Failed{Fault::OutOfMemory});
        }
        const bool sent = send(m_socket, reply, message.seq) == IoResult::Ok;
        // Freed while the engine already has the answer.
        m_released.clear();
        m_worker.stamps.files.clear();
        return sent;
    }

    Outgoing open(const Open &request)
    {
        SharedBytes bytes = request.bytes;
        if (request.isPicture) {
            const QImage picture =
                PicturePage::read(bytes, QFileInfo(request.path).suffix().toLatin1());
            bytes = picture.isNull() ? SharedBytes()
                                     : SharedBytes::copyOf(PicturePage::makePdf(picture));
        }
        QList<QSizeF> sizes;
        OpenReply reply = m_worker.load(keyUrl(request.key), bytes, request.password, &sizes);
        reply.sizes = sizes;
        if (request.isPicture && reply.status == OpenStatus::Opened) {
            reply.made = bytes;
        }
        return encode(reply);
    }

    BuildContext context(quint64 seq, int file)
    {
        BuildContext context{
            [this](const QUrl &url) { return m_worker.structure(url); },
            m_worker.stamps,
            m_cancel.begin(seq),
            [this](const PageSource &source, int turn, double longSide) {
                return m_worker.image(source, turn, longSide);
            },
            [this](const PageSource &source, int turn) {
                return m_worker.displaySize(source, turn);
            },
            [this](std::unique_ptr<QPDF> output) { m_released.push_back(std::move(output)); }};
        context.file = file;
        context.doneWith = [this](const QUrl &url) { m_worker.dropStructure(url); };
        context.draw = [this](const PageSource &source, int turn,
                              const std::function<double(QSizeF)> &scaleFor, QSizeF &points) {
            return m_worker.image(source, turn, scaleFor, points);
        };
        return context;
    }

    // A failed build may leave qpdf's objects half-changed; the next one starts
    // from the bytes again.
    template<typename T> void afterFailure(const Result<T> &made, const BuildPlan &plan)
    {
        if (!made && !made.isCanceled()) {
            m_worker.dropStructures(plan);
        }
    }

    Outgoing build(const Build &request, quint64 seq)
    {
        m_worker.stamps.files = request.stamps;
        Result<SharedBytes> made = PdfBuilder::build(request.plan, context(seq, request.file));
        afterFailure(made, request.plan);
        return output(made, request.file >= 0);
    }

    Outgoing exportPicture(const ExportPicture &request, quint64 seq)
    {
        m_worker.stamps.files = request.stamps;
        const Result<QList<QByteArray>> pictures =
            PageExport::pictures(request.plan, request.dpi, request.jpeg, context(seq, -1));
        afterFailure(pictures, request.plan);
        if (!pictures) {
            return encode(Failed::of(pictures.error()));
        }
        if (pictures->size() != 1) {
            return encode(Failed{});
        }
        Result<SharedBytes> made = SharedBytes::copyOf(pictures->first());
        return output(made, false);
    }

    Outgoing jpegPage(const JpegPage &request, quint64 seq)
    {
        if (!request.plan.quality) {
            return encode(Failed{});
        }
        m_worker.stamps.files = request.stamps;
        const auto pages =
            PageExport::pagesAsJpeg(request.plan, *request.plan.quality, context(seq, -1));
        afterFailure(pages, request.plan);
        if (!pages) {
            return encode(Failed::of(pages.error()));
        }
        if (pages->size() != 1) {
            return encode(Failed{});
        }
        JpegPageReply reply{SharedBytes::copyOf(pages->front().encoded), pages->front().points};
        if (reply.jpeg.isEmpty()) {
            return encode(Failed{}); // no memory for the copy
        }
        return encode(reply);
    }

    Outgoing assemble(const Assemble &request)
    {
        Result<SharedBytes> made = BuildErrors::writeFailed();
        if (request.points.size() == request.ends.size() && !request.points.isEmpty()) {
            const QByteArrayView all = request.pictures.view();
            std::vector<std::pair<QSizeF, QByteArrayView>> pages;
            qint64 start = 0;
            for (qsizetype i = 0; i < request.ends.size(); ++i) {
                if (request.ends[i] <= start || request.ends[i] > all.size()) {
                    pages.clear();
                    break;
                }
                pages.emplace_back(request.points[i], all.sliced(start, request.ends[i] - start));
                start = request.ends[i];
            }
            if (!pages.empty()) {
                made = PageExport::assemble(pages, request.password, request.file);
            }
        }
        return output(made, request.file >= 0);
    }

    // An output written into a file is answered without bytes.
    static Outgoing output(const Result<SharedBytes> &made, bool intoFile)
    {
        if (!made) {
            return encode(Failed::of(made.error()));
        }
        if (!intoFile && made.value().isEmpty()) {
            return encode(Failed{}); // no memory for the copy
        }
        return encode(OutputReply{intoFile ? SharedBytes() : made.value()});
    }

    int m_socket;
    WorkerProcess::BeforeJob m_beforeJob;
    EngineWorker m_worker;
    std::vector<std::unique_ptr<QPDF>> m_released;
    CancelWatch m_cancel;
};

// Bounds the process's memory as the engine asked; answers that bound (0: none).
qint64 limitMemory(int argc, char **argv)
{
    // Results are written to memory files, which a file size limit of the
    // starting process would cut short.
    rlimit files{};
    if (getrlimit(RLIMIT_FSIZE, &files) == 0 && files.rlim_cur != files.rlim_max) {
        files.rlim_cur = files.rlim_max;
        setrlimit(RLIMIT_FSIZE, &files);
    }
    qint64 bound = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--memory=", 9) == 0) {
            const unsigned long long bytes = std::strtoull(argv[i] + 9, nullptr, 10);
            bound = qint64(std::min<unsigned long long>(bytes, std::numeric_limits<qint64>::max()));
            // The sanitizer's shadow memory needs terabytes of address space; the
            // engine watches such a worker's resident memory instead.
            if (bytes > 0 && !addressSanitizer) {
                const rlimit limit{rlim_t(bytes), rlim_t(bytes)};
                setrlimit(RLIMIT_AS, &limit);
            }
        }
    }
    return bound;
}

// Pages are drawn one after another into bitmaps of a few megabytes. By
// default each is mapped afresh and handed back once freed, so the system maps
// and zeroes every page's memory again; kept in the heap instead (up to the
// sizes of large drawings, which still go back at once), the next page reuses
// memory already there.
void keepFreedMemory()
{
#ifdef __GLIBC__
    constexpr int mib = 1 << 20;
    mallopt(M_MMAP_THRESHOLD, 32 * mib);
    mallopt(M_TRIM_THRESHOLD, 64 * mib);
#endif
}

} // namespace

namespace WorkerProcess {

int run(int argc, char **argv, const BeforeJob &beforeJob)
{
    if (!Sandbox::enter().ok || fcntl(socketFd, F_GETFD) < 0) {
        qCWarning(
            lcWorker,
            "worker %d: not started by the engine, no longer wanted, or not confined; not starting",
            int(getpid()));
        return 1;
    }
    const qint64 memoryBound = limitMemory(argc, argv);
    keepFreedMemory();
    QCoreApplication application(argc, argv);
    Poppler::setDebugErrorFunction(ignorePopplerMessage, QVariant());
    QImageReader::setAllocationLimit(PicturePage::allocationLimitMB(memoryBound));
    Server server(socketFd, beforeJob);
    const int status = server.serve();
    if (!addressSanitizer) {
        // The cached documents' parsed objects are many, and freeing them one
        // by one only delays the engine's own exit; the system takes them back
        // at once. A sanitizer build frees everything, so its leak check sees it.
        std::fflush(nullptr);
        ::_exit(status);
    }
    return status;
}

} // namespace WorkerProcess
