#include "worker/WorkerProcess.h"

#include "worker/BuildErrors.h"
#include "worker/EngineWorker.h"
#include "worker/PageExport.h"
#include "worker/PdfBuilder.h"
#include "worker/PicturePage.h"
#include "platform/Sandbox.h"

#include <QCoreApplication>
#include <QImageReader>

#include <poppler/qt6/poppler-qt6.h>
#include <qpdf/QPDF.hh>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <chrono>
#include <cstring>
#include <mutex>
#include <new>
#include <thread>
#include <type_traits>

using namespace WorkerProtocol;

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool addressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool addressSanitizer = true;
#else
constexpr bool addressSanitizer = false;
#endif
#else
constexpr bool addressSanitizer = false;
#endif

void ignorePopplerMessage(const QString &, const QVariant &) {}

// Turns the engine's cancel request for the running job into its CancelToken.
class CancelWatch
{
public:
    ~CancelWatch()
    {
        m_stop = true;
        if (m_thread.joinable()) {
            m_thread.join();
        }
    }

    // Maps the page; the descriptor stays the caller's.
    void watch(int fd)
    {
        void *p = mmap(nullptr, sizeof(CancelPage), PROT_READ, MAP_SHARED, fd, 0);
        if (p == MAP_FAILED || m_page) {
            return;
        }
        m_page = static_cast<const CancelPage *>(p);
        m_thread = std::thread([this] { poll(); });
    }

    CancelToken begin(quint64 seq)
    {
        const std::lock_guard lock(m_mutex);
        m_seq = seq;
        m_token = CancelToken::make();
        return m_token;
    }

private:
    void poll()
    {
        while (!m_stop) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            const quint64 asked = m_page->cancelSeq.load(std::memory_order_relaxed);
            const std::lock_guard lock(m_mutex);
            if (asked != 0 && asked == m_seq) {
                m_token.cancel();
            }
        }
    }

    const CancelPage *m_page = nullptr;
    std::thread m_thread;
    std::atomic_bool m_stop{false};
    std::mutex m_mutex;
    quint64 m_seq = 0;
    CancelToken m_token;
};

class Server
{
public:
    Server(int socket, WorkerProcess::BeforeJob beforeJob) : m_socket(socket), m_beforeJob(std::move(beforeJob)) {}

    int serve()
    {
        for (;;) {
            Message message;
            const IoResult got = receive(m_socket, message);
            if (got == IoResult::Closed) {
                return 0;
            }
            if (got != IoResult::Ok) {
                return 2;
            }
            if (!handle(message)) {
                return 3;
            }
            closeAll(message.fds);
        }
    }

private:
    void before(JobKind kind, quint32 ordinal, int page = -1)
    {
        if (m_beforeJob) {
            m_beforeJob(WorkerProcess::JobInfo{kind, ordinal, page});
        }
    }

    bool handle(Message &message)
    {
        switch (message.type) {
        case Type::Hello:
            return take<Hello>(message, [this](const Hello &hello) {
                if (hello.cancelPage >= 0) {
                    m_cancel.watch(hello.cancelPage);
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
            return answer<Open>(message, [this](const Open &open, quint64) { return this->open(open); });
        case Type::Render:
            return answer<Render>(message, [this](const Render &render, quint64) {
                return encode(RenderReply{
                    m_worker.image(PageSource{keyUrl(render.key), render.index}, render.turn, render.longSide)});
            });
        case Type::Decode:
            return answer<Decode>(message, [](const Decode &decode, quint64) {
                return encode(RenderReply{PicturePage::decode(decode.bytes.view(), decode.longSide)});
            });
        case Type::Build:
            return answer<Build>(message, [this](const Build &build, quint64 seq) { return this->build(build, seq); });
        case Type::ExportPicture:
            return answer<ExportPicture>(message, [this](const ExportPicture &picture, quint64 seq) {
                return exportPicture(picture, seq);
            });
        case Type::JpegPage:
            return answer<JpegPage>(message, [this](const JpegPage &page, quint64 seq) { return jpegPage(page, seq); });
        case Type::Assemble:
            return answer<Assemble>(message, [this](const Assemble &assemble, quint64) { return this->assemble(assemble); });
        default:
            return false;
        }
    }

    // A message that gets no answer.
    template<typename M, typename F>
    static bool take(Message &message, F &&carryOut)
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
    template<typename R, typename F>
    bool answer(Message &message, F &&carryOut)
    {
        const std::optional<R> request = decode<R>(message);
        if (!request) {
            return false;
        }
        int page = -1;
        if constexpr (std::is_same_v<R, Render>) {
            page = request->index;
        }
        before(R::kind, message.ordinal, page);
        Outgoing reply;
        try {
            reply = carryOut(*request, message.seq);
        } catch (const std::bad_alloc &) {
            reply = encode(Failed{Fault::OutOfMemory});
        }
        const bool sent = send(m_socket, reply, message.seq) == IoResult::Ok;
        // Freed while the engine already has the answer.
        m_released.clear();
        return sent;
    }

    Outgoing open(const Open &request)
    {
        SharedBytes bytes = request.bytes;
        if (request.isPicture) {
            const QImage picture = PicturePage::read(request.path);
            if (!picture.isNull()) {
                bytes = SharedBytes::copyOf(PicturePage::makePdf(picture));
            }
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
            [this](const QUrl &url) { return m_worker.structure(url); }, m_worker.stamps, m_cancel.begin(seq),
            [this](const PageSource &source, int turn, double longSide) {
                return m_worker.image(source, turn, longSide);
            },
            [this](const PageSource &source, int turn) { return m_worker.displaySize(source, turn); },
            [this](std::unique_ptr<QPDF> output) { m_released.push_back(std::move(output)); }};
        context.file = file;
        context.doneWith = [this](const QUrl &url) { m_worker.dropStructure(url); };
        return context;
    }

    // A failed build may leave qpdf's objects half-changed; the next one starts
    // from the bytes again.
    template<typename T>
    void afterFailure(const Result<T> &made, const BuildPlan &plan)
    {
        if (!made && !made.isCanceled()) {
            m_worker.dropStructures(plan);
        }
    }

    Outgoing build(const Build &request, quint64 seq)
    {
        Result<SharedBytes> made = PdfBuilder::build(request.plan, context(seq, request.file));
        afterFailure(made, request.plan);
        return output(made, request.file >= 0);
    }

    Outgoing exportPicture(const ExportPicture &request, quint64 seq)
    {
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
        const auto pages = PageExport::pagesAsJpeg(request.plan, *request.plan.quality, context(seq, -1));
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

void limitMemory(int argc, char **argv)
{
    // Results are written to memory files, which a file size limit of the
    // starting process would cut short.
    rlimit files{};
    if (getrlimit(RLIMIT_FSIZE, &files) == 0 && files.rlim_cur != files.rlim_max) {
        files.rlim_cur = files.rlim_max;
        setrlimit(RLIMIT_FSIZE, &files);
    }
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--memory=", 9) == 0) {
            const unsigned long long bytes = std::strtoull(argv[i] + 9, nullptr, 10);
            // The sanitizer's shadow memory needs terabytes of address space; the
            // engine watches such a worker's resident memory instead.
            if (bytes > 0 && !addressSanitizer) {
                const rlimit limit{rlim_t(bytes), rlim_t(bytes)};
                setrlimit(RLIMIT_AS, &limit);
            }
        }
    }
}

} // namespace

namespace WorkerProcess {

int run(int argc, char **argv, const BeforeJob &beforeJob)
{
    // Whatever the starting process left open (files, sockets, a display
    // connection) is no business of a worker's.
    Sandbox::closeDescriptorsFrom(socketFd + 1);
    if (fcntl(socketFd, F_GETFD) < 0) {
        return 1; // not started by the engine
    }
    limitMemory(argc, argv);
    if (!Sandbox::forbidNewPrivileges() || Sandbox::forbidWritingFiles() == Sandbox::Restriction::Failed) {
        return 1;
    }
    QCoreApplication application(argc, argv);
    Poppler::setDebugErrorFunction(ignorePopplerMessage, QVariant());
    QImageReader::setAllocationLimit(PicturePage::allocationLimitMB);
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
