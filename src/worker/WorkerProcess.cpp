#include "worker/WorkerProcess.h"

#include "engine/BuildErrors.h"
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

    void adopt(int fd)
    {
        void *p = mmap(nullptr, sizeof(CancelPage), PROT_READ, MAP_SHARED, fd, 0);
        ::close(fd);
        if (p == MAP_FAILED || m_page) {
            return;
        }
        m_page = static_cast<const CancelPage *>(p);
        m_thread = std::thread([this] { watch(); });
    }

    CancelToken begin(quint64 seq)
    {
        const std::lock_guard lock(m_mutex);
        m_seq = seq;
        m_token = CancelToken::make();
        return m_token;
    }

private:
    void watch()
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
    bool reply(quint64 seq, const QByteArray &payload, const std::vector<SharedBytes> &keep)
    {
        std::vector<int> fds;
        for (const SharedBytes &bytes : keep) {
            fds.push_back(bytes.fd());
        }
        return send(m_socket, Type::Reply, seq, 0, payload, fds) == IoResult::Ok;
    }

    void before(JobKind kind, quint32 ordinal, int page = -1)
    {
        if (m_beforeJob) {
            m_beforeJob(WorkerProcess::JobInfo{kind, ordinal, page});
        }
    }

    bool handle(Message &message)
    {
        QDataStream in(message.payload);
        prepare(in);
        QByteArray payload;
        QDataStream out(&payload, QIODevice::WriteOnly);
        prepare(out);
        std::vector<SharedBytes> keep;
        try {
            switch (message.type) {
            case Type::Hello:
                if (!message.fds.empty()) {
                    m_cancel.adopt(std::exchange(message.fds[0], -1));
                }
                return true;
            case Type::Load: {
                quint64 key = 0;
                in >> key;
                const std::optional<QString> password = readPassword(in);
                const std::optional<SharedBytes> bytes = readBytes(in, message.fds);
                if (bytes) {
                    m_worker.load(keyUrl(key), *bytes, password);
                }
                return true;
            }
            case Type::Evict: {
                QList<quint64> keys;
                in >> keys;
                for (quint64 key : keys) {
                    m_worker.forget(keyUrl(key));
                }
                return true;
            }
            case Type::Open:
                before(JobKind::Open, message.ordinal);
                open(in, out, message.fds, keep);
                break;
            case Type::Render: {
                quint64 key = 0;
                qint32 index = 0;
                qint32 turn = 0;
                double longSide = 0;
                in >> key >> index >> turn >> longSide;
                before(JobKind::Render, message.ordinal, index);
                writeImage(out, m_worker.image(PageSource{keyUrl(key), index}, turn, longSide), keep);
                break;
            }
            case Type::Build:
            case Type::Picture:
                output(message, in, out, keep);
                break;
            case Type::Assemble:
                assemble(message, in, out, keep);
                break;
            case Type::Decode: {
                qint32 longSide = 0;
                in >> longSide;
                const std::optional<SharedBytes> bytes = readBytes(in, message.fds);
                before(JobKind::Render, message.ordinal);
                writeImage(out, bytes ? PicturePage::decode(bytes->view(), longSide) : QImage(), keep);
                break;
            }
            default:
                return false;
            }
        } catch (const std::bad_alloc &) {
            payload.clear();
            QDataStream failed(&payload, QIODevice::WriteOnly);
            prepare(failed);
            keep.clear();
            failed << false;
            write(failed, Error{PDFEngine::message(PDFEngine::EngineError::OutOfMemory),
                                int(PDFEngine::EngineError::OutOfMemory), false});
        }
        const bool sent = reply(message.seq, payload, keep);
        // Freed while the engine already has the answer.
        m_released.clear();
        return sent;
    }

    void open(QDataStream &in, QDataStream &out, std::vector<int> &fds, std::vector<SharedBytes> &keep)
    {
        quint64 key = 0;
        bool isPicture = false;
        QString path;
        in >> key;
        const std::optional<QString> password = readPassword(in);
        in >> isPicture >> path;
        std::optional<SharedBytes> bytes;
        if (isPicture) {
            const QImage picture = PicturePage::read(path);
            if (!picture.isNull()) {
                bytes = SharedBytes::copyOf(PicturePage::makePdf(picture));
            }
        } else {
            bytes = readBytes(in, fds);
        }
        QList<QSizeF> sizes;
        const PDFEngine::OpenResult result =
            bytes ? m_worker.load(keyUrl(key), *bytes, password, &sizes) : PDFEngine::OpenResult::unreadable();
        out << true << qint32(result.status) << qint32(result.pageCount);
        writePassword(out, result.password);
        out << sizes;
        const bool madeBytes = isPicture && bytes && !bytes->isEmpty();
        out << madeBytes;
        if (madeBytes) {
            writeBytes(out, *bytes, keep);
        }
    }

    void output(const Message &message, QDataStream &in, QDataStream &out, std::vector<SharedBytes> &keep)
    {
        BuildPlan plan;
        read(in, plan);
        const std::optional<int> file = message.type == Type::Build ? outputFile(in, message) : std::optional<int>(-1);
        if (!file) {
            out << false;
            write(out, BuildErrors::writeFailed());
            return;
        }
        const CancelToken cancel = m_cancel.begin(message.seq);
        BuildContext context{
            [this](const QUrl &url) { return m_worker.structure(url); }, m_worker.stamps, cancel,
            [this](const PageSource &source, int turn, double longSide) {
                return m_worker.image(source, turn, longSide);
            },
            [this](const PageSource &source, int turn) { return m_worker.displaySize(source, turn); },
            [this](std::unique_ptr<QPDF> output) { m_released.push_back(std::move(output)); }};
        context.file = *file;
        context.doneWith = [this](const QUrl &url) { m_worker.dropStructure(url); };
        std::optional<Result<SharedBytes>> made;
        std::optional<QSizeF> points;
        if (message.type == Type::Build) {
            before(JobKind::Build, message.ordinal);
            made = PdfBuilder::build(plan, context);
        } else if (plan.quality && plan.quality->pagesAsPictures) {
            // One page of a PDF made of pictures of pages: its JPEG and the size
            // the page is shown at.
            before(JobKind::Picture, message.ordinal);
            const auto pages = PageExport::pagesAsJpeg(plan, *plan.quality, context);
            if (!pages) {
                made = pages.error();
            } else if (pages->size() != 1) {
                made = Result<SharedBytes>(BuildErrors::writeFailed());
            } else {
                made = SharedBytes::copyOf(pages->front().encoded);
                points = pages->front().points;
            }
        } else {
            double dpi = 0;
            bool jpeg = false;
            in >> dpi >> jpeg;
            before(JobKind::Picture, message.ordinal);
            const Result<QList<QByteArray>> pictures = PageExport::pictures(plan, dpi, jpeg, context);
            if (!pictures) {
                made = pictures.error();
            } else if (pictures->size() != 1) {
                made = Result<SharedBytes>(BuildErrors::writeFailed());
            } else {
                made = SharedBytes::copyOf(pictures->first());
            }
        }
        if (!*made && !made->isCanceled()) {
            // A failed build may leave qpdf's objects half-changed; the next one
            // starts from the bytes again.
            m_worker.dropStructures(plan);
        }
        writeOutput(out, *made, keep, *file >= 0);
        if (made->ok() && points) {
            out << *points;
        }
    }

    // The PDF whose pages are the pictures other workers drew: their sizes in
    // points and where each ends in the one memory file that holds them all.
    void assemble(Message &message, QDataStream &in, QDataStream &out, std::vector<SharedBytes> &keep)
    {
        const std::optional<QString> password = readPassword(in);
        QList<QSizeF> points;
        QList<qint64> ends;
        in >> points >> ends;
        const std::optional<SharedBytes> pictures = readBytes(in, message.fds);
        const std::optional<int> file = outputFile(in, message);
        before(JobKind::Build, message.ordinal);
        Result<SharedBytes> made = BuildErrors::writeFailed();
        if (file && pictures && in.status() == QDataStream::Ok && points.size() == ends.size()
            && !points.isEmpty()) {
            const QByteArrayView all = pictures->view();
            std::vector<std::pair<QSizeF, QByteArrayView>> pages;
            qint64 start = 0;
            for (qsizetype i = 0; i < ends.size(); ++i) {
                if (ends[i] <= start || ends[i] > all.size()) {
                    pages.clear();
                    break;
                }
                pages.emplace_back(points[i], all.sliced(start, ends[i] - start));
                start = ends[i];
            }
            if (!pages.empty()) {
                made = PageExport::assemble(pages, password, *file);
            }
        }
        writeOutput(out, made, keep, file.value_or(-1) >= 0);
    }

    // The file the output goes into, -1 for memory; none when the request
    // says a file comes and none came. The file comes last among the descriptors.
    static std::optional<int> outputFile(QDataStream &in, const Message &message)
    {
        bool intoFile = false;
        in >> intoFile;
        if (!intoFile) {
            return -1;
        }
        if (message.fds.empty()) {
            return std::nullopt;
        }
        return message.fds.back();
    }

    // An output written into a file is answered without bytes.
    static void writeOutput(QDataStream &out, Result<SharedBytes> &made, std::vector<SharedBytes> &keep,
                            bool intoFile)
    {
        if (made.ok() && !intoFile && made.value().isEmpty()) {
            made = Result<SharedBytes>(BuildErrors::writeFailed()); // no memory for the copy
        }
        out << made.ok();
        if (made.ok() && !intoFile) {
            writeShared(out, made.value(), keep);
        } else if (!made.ok()) {
            write(out, made.error());
        }
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
