// Renders every page of a PDF at long side 256 through the engine, with one
// worker and with as many as the machine allows, next to pdftoppm writing PPM as
// one process and as that many processes over page ranges; prints pages per
// second, wall and processor time, the ratios, the time to the first 24
// pictures and peak memory. With `first`, only the first 24 pages (a screenful
// of the page grid, the open included) next to pdftoppm on those pages. With
// `export`, every page exported as a JPEG picture at 100 dpi, with all
// workers and with one, next to `pdftoppm -jpeg -r 100` as one process, at its
// default quality and at the engine's: processor time counts, since the engine
// spreads the pages over its workers.
// Runs with workers started ahead start them a second before the open, as the
// program does at launch: their start counts in processor time, not in wall time.
//
//   bench_render [file.pdf | pages] [runs] [first | export]
//       file.pdf: a real document (see bench/README.md); pages: a generated
//       report of that many pages (default 1000). 3 runs, each side taken in
//       turn; the best run of each counts.

#include "engine/PDFEngine.h"

#include <QUuid>

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFutureWatcher>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <deque>

namespace {

constexpr double longSide = 256;

void writeDocument(const QString &path, int pages)
{
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(72);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter(&writer);
    const QString paragraph = QStringLiteral(
        "The quarterly figures below compare the planned and the actual volumes for every "
        "region, with the differences explained in the notes at the end of each section.");
    for (int page = 0; page < pages; ++page) {
        if (page > 0) {
            writer.newPage();
        }
        painter.setPen(Qt::black);
        painter.setFont(QFont("Inter", 20, QFont::Bold));
        painter.drawText(QRectF(50, 40, 495, 30), QStringLiteral("Section %1").arg(page + 1));
        painter.setFont(QFont("Inter", 10));
        for (int line = 0; line < 12; ++line) {
            painter.drawText(QRectF(50, 90 + line * 36, 495, 34), Qt::TextWordWrap, paragraph);
        }
        // A chart: axes, bars, a curve and a grid.
        painter.setPen(QPen(Qt::darkGray, 0.5));
        for (int x = 0; x <= 10; ++x) {
            painter.drawLine(QPointF(60 + x * 47, 540), QPointF(60 + x * 47, 780));
        }
        for (int y = 0; y <= 6; ++y) {
            painter.drawLine(QPointF(60, 540 + y * 40), QPointF(530, 540 + y * 40));
        }
        for (int bar = 0; bar < 10; ++bar) {
            const double h = 20 + ((page * 7 + bar * 13) % 200);
            painter.fillRect(QRectF(68 + bar * 47, 780 - h, 30, h),
                             QColor::fromHsv((bar * 36) % 360, 160, 220));
        }
        QPainterPath curve(QPointF(60, 700));
        for (int step = 1; step <= 5; ++step) {
            curve.cubicTo(QPointF(60 + step * 94 - 60, 560 + (step * page) % 80),
                          QPointF(60 + step * 94 - 30, 760 - (step * 31) % 120),
                          QPointF(60 + step * 94, 650));
        }
        painter.setPen(QPen(QColor(200, 40, 40), 2));
        painter.drawPath(curve);
        painter.drawEllipse(QPointF(480, 60), 25, 25);
    }
}

qint64 maxRssKiB(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    return usage.ru_maxrss;
}

// The peak resident size since the last reset (or the exec), from the kernel's
// high-water mark.
qint64 highWaterKiB(const QString &process = QStringLiteral("self"))
{
    QFile status("/proc/" + process + "/status");
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("VmHWM:")) {
                return line.mid(6).trimmed().split(' ').first().toLongLong();
            }
        }
    }
    return -1;
}

void resetHighWater()
{
    QFile clear("/proc/self/clear_refs");
    if (clear.open(QIODevice::WriteOnly)) {
        clear.write("5");
    }
}

struct EngineRun
{
    double seconds = -1;
    double first24 = -1; // seconds until the first 24 pages (or all, if fewer) arrived
};

// Waits as the program does: the event loop runs until the future's watcher
// says it finished.
template<typename T> T awaitFuture(const QFuture<T> &future)
{
    QFutureWatcher<T> watcher;
    QEventLoop loop;
    QObject::connect(&watcher, &QFutureWatcherBase::finished, &loop, &QEventLoop::quit);
    watcher.setFuture(future);
    if (!future.isFinished()) {
        loop.exec();
    }
    return future.result();
}

// Opens the file and renders every page in order, keeping a few more renders
// asked for than the engine has workers, as the page grid does.
QFuture<EngineRun> renderAll(PDFEngine *engine, QUrl url, int pages, int upTo)
{
    EngineRun run;
    QElapsedTimer timer;
    timer.start();
    const PDFEngine::OpenResult opened = co_await engine->open(url, std::nullopt);
    if (opened.pageCount != pages) {
        std::fprintf(stderr, "open answered %d pages\n", opened.pageCount);
        co_return run;
    }
    pages = std::min(pages, upTo);
    std::deque<QFuture<QImage>> ahead;
    const size_t window = size_t(engine->workerCount()) + 1;
    int next = 0;
    for (int rendered = 0; rendered < pages; ++rendered) {
        while (next < pages && ahead.size() < window) {
            ahead.push_back(engine->image({url, next++}, 0, longSide));
        }
        const QFuture<QImage> first = ahead.front();
        ahead.pop_front();
        const QImage picture = co_await first;
        if (picture.isNull()) {
            std::fprintf(stderr, "page %d failed\n", rendered + 1);
            co_return run;
        }
        if (rendered + 1 == std::min(pages, 24)) {
            run.first24 = timer.nsecsElapsed() / 1e9;
        }
    }
    run.seconds = timer.nsecsElapsed() / 1e9;
    co_return run;
}

// Processor time of this process and of the children it reaped so far.
double processorSeconds()
{
    double seconds = 0;
    for (const int who : {RUSAGE_SELF, RUSAGE_CHILDREN}) {
        rusage usage{};
        getrusage(who, &usage);
        seconds += usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
                   (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    }
    return seconds;
}

struct Timed
{
    double seconds = -1;
    double cpu = -1; // processor time, workers included (reaped when the engine ends)
    double first24 = -1;
    void keepBest(const Timed &other)
    {
        if (seconds < 0 || (other.seconds >= 0 && other.seconds < seconds)) {
            seconds = other.seconds;
            first24 = other.first24;
        }
        cpu = cpu < 0 ? other.cpu : std::min(cpu, other.cpu);
    }
};

// The time the program gives its workers to start between its launch and the
// first file opened, for runs with workers started ahead.
constexpr unsigned long startAheadMs = 1000;

// With `ahead`, the workers are started first, as the program does at launch,
// and the timing begins a second later; their start still counts in processor time.
Timed renderWithEngine(const QString &path, int pages, int workers, int upTo, bool ahead = false)
{
    const double before = processorSeconds();
    EngineRun run;
    {
        PDFEngine::Options options = PDFEngine::Options::standard();
        options.workers = workers;
        PDFEngine engine(options);
        if (ahead) {
            engine.startWorkers();
            QThread::msleep(startAheadMs);
        }
        run = awaitFuture(renderAll(&engine, QUrl::fromLocalFile(path), pages, upTo));
    }
    return {run.seconds, run.seconds < 0 ? -1 : processorSeconds() - before, run.first24};
}

// The processor time of starting the workers (and the reserve) ahead and
// ending them, without any work: what runs with workers started ahead spend
// before the open.
double startingSeconds(int workers)
{
    const double before = processorSeconds();
    {
        PDFEngine::Options options = PDFEngine::Options::standard();
        options.workers = workers;
        PDFEngine engine(options);
        engine.startWorkers();
        QThread::msleep(startAheadMs);
    }
    return processorSeconds() - before;
}

// A child's ru_maxrss counts the parent's pages it held between fork and exec, so
// pdftoppm's own peak is read from its high-water mark while it runs.
qint64 pdftoppmPeakKiB = 0;

// pdftoppm with `options`, writing to memory-backed files, as `processes`
// processes over consecutive page ranges at once.
Timed runPdftoppm(const QStringList &options, const QString &path, int pages, int processes)
{
    const double before = processorSeconds();
    QTemporaryDir out(QDir("/dev/shm").exists() ? QStringLiteral("/dev/shm/bench-XXXXXX")
                                                : QString());
    std::vector<std::unique_ptr<QProcess>> running;
    QElapsedTimer timer;
    timer.start();
    const int per = (pages + processes - 1) / processes;
    for (int first = 1; first <= pages; first += per) {
        auto process = std::make_unique<QProcess>();
        process->start("pdftoppm",
                       options + QStringList{"-f", QString::number(first), "-l",
                                             QString::number(std::min(pages, first + per - 1)),
                                             path, out.filePath("page")});
        if (!process->waitForStarted()) {
            std::fprintf(stderr, "pdftoppm can't be started\n");
            return {};
        }
        running.push_back(std::move(process));
    }
    for (auto &process : running) {
        const QString pid = QString::number(process->processId());
        while (!process->waitForFinished(5)) {
            pdftoppmPeakKiB = std::max(pdftoppmPeakKiB, highWaterKiB(pid));
        }
        if (process->exitStatus() != QProcess::NormalExit || process->exitCode() != 0) {
            std::fprintf(stderr, "pdftoppm failed: %s\n",
                         process->readAllStandardError().constData());
            return {};
        }
    }
    const double seconds = timer.nsecsElapsed() / 1e9;
    return {seconds, processorSeconds() - before, -1};
}

// pdftoppm -scale-to 256 writing PPM.
Timed renderWithPdftoppm(const QString &path, int pages, int processes)
{
    return runPdftoppm({"-scale-to", QString::number(int(longSide))}, path, pages, processes);
}

constexpr double exportDpi = 100;

// With `ahead`, the workers are started a second before, as in renderWithEngine.
Timed exportWithEngine(const QString &path, int pages, int workers, bool ahead = false)
{
    const double before = processorSeconds();
    QElapsedTimer timer;
    bool ok = false;
    {
        PDFEngine::Options options = PDFEngine::Options::standard();
        options.workers = workers;
        PDFEngine engine(options);
        if (ahead) {
            engine.startWorkers();
            QThread::msleep(startAheadMs);
        }
        timer.start();
        const QUrl url = QUrl::fromLocalFile(path);
        if (awaitFuture(engine.open(url, std::nullopt)).pageCount == pages) {
            BuildPlan plan;
            for (int i = 0; i < pages; ++i) {
                plan.pages.append(PageItem{QUuid::createUuid(), PageSource{url, i}, 0, {}});
            }
            const Result<QList<QByteArray>> pictures =
                awaitFuture(engine.pictures(plan, exportDpi, true, {}));
            ok = pictures.ok() && pictures->size() == pages;
        }
    }
    if (!ok) {
        std::fprintf(stderr, "the engine's export failed\n");
        return {};
    }
    const double seconds = timer.nsecsElapsed() / 1e9;
    return {seconds, processorSeconds() - before, -1};
}

// The quality the engine's JPEG pictures have; pdftoppm's own default is 75.
constexpr int exportQuality = 85;

// pdftoppm at its default quality, or at `quality`, as `processes` processes
// over consecutive page ranges at once.
Timed exportWithPdftoppm(const QString &path, int pages, int quality = 0, int processes = 1)
{
    QStringList options{"-jpeg", "-r", QString::number(exportDpi)};
    if (quality > 0) {
        options << "-jpegopt" << QStringLiteral("quality=%1").arg(quality);
    }
    return runPdftoppm(options, path, pages, processes);
}

int pageCountOf(const QString &path)
{
    PDFEngine engine;
    return awaitFuture(engine.open(QUrl::fromLocalFile(path), std::nullopt)).pageCount;
}

} // namespace

QString loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()).section(' ', 0, 2)
                                          : QString();
}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    const QString input = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const int runs = argc > 2 ? std::max(1, atoi(argv[2])) : 3;
    const bool firstOnly = argc > 3 && QByteArray(argv[3]) == "first";

    QTemporaryDir dir;
    QString path = input;
    int pages = 0;
    if (input.isEmpty() || !QFileInfo(input).isFile()) {
        pages = input.isEmpty() ? 1000 : std::max(1, input.toInt());
        path = dir.filePath("report.pdf");
        writeDocument(path, pages);
    } else {
        pages = pageCountOf(path);
        if (pages < 1) {
            std::fprintf(stderr, "%s can't be opened\n", qPrintable(path));
            return 1;
        }
    }
    const int workers = PDFEngine::Options::standard().workers;
    std::printf("document: %s, %d pages, %.1f MB; %d cores, %d workers; load %s\n",
                qPrintable(QFileInfo(path).fileName()), pages, QFileInfo(path).size() / 1e6,
                QThread::idealThreadCount(), workers, qPrintable(loadAverage()));

    if (argc > 3 && QByteArray(argv[3]) == "export") {
        // All workers against one pdftoppm process inflates processor time:
        // every page costs more when all cores draw at once (shared caches and
        // memory, processes starting together). One worker against one
        // process, and all workers against as many processes, compare the work done.
        Timed ours, ahead, single, peer, peerAlike, peers;
        for (int run = 0; run < runs; ++run) {
            const Timed a = exportWithEngine(path, pages, workers);
            const Timed b = exportWithPdftoppm(path, pages);
            const Timed c = exportWithEngine(path, pages, 1);
            const Timed d = exportWithPdftoppm(path, pages, exportQuality);
            const Timed e = exportWithPdftoppm(path, pages, exportQuality, workers);
            const Timed f = exportWithEngine(path, pages, workers, true);
            if (a.seconds < 0 || b.seconds < 0 || c.seconds < 0 || d.seconds < 0 || e.seconds < 0 ||
                f.seconds < 0) {
                return 1;
            }
            std::printf("run %d: engine JPEG export, %d workers %.2f s (cpu %.2f s), started "
                        "ahead %.2f s (cpu %.2f s), 1 worker %.2f s (cpu %.2f s); pdftoppm -jpeg "
                        "-r %.0f %.2f s (cpu %.2f s), at quality %d %.2f s (cpu %.2f s), as %d "
                        "processes %.2f s (cpu %.2f s)\n",
                        run + 1, workers, a.seconds, a.cpu, f.seconds, f.cpu, c.seconds, c.cpu,
                        exportDpi, b.seconds, b.cpu, exportQuality, d.seconds, d.cpu, workers,
                        e.seconds, e.cpu);
            ours.keepBest(a);
            ahead.keepBest(f);
            single.keepBest(c);
            peer.keepBest(b);
            peerAlike.keepBest(d);
            peers.keepBest(e);
        }
        const double starting = startingSeconds(workers);
        std::printf("\nbest of %d, %d pages as JPEG at %.0f dpi, processor time (wall):\n", runs,
                    pages, exportDpi);
        std::printf("  engine, %d workers %.2f s (%.2f s), started ahead %.2f s (%.2f s), of "
                    "which %.2f s their start; 1 worker %.2f s (%.2f s)\n",
                    workers, ours.cpu, ours.seconds, ahead.cpu, ahead.seconds, starting, single.cpu,
                    single.seconds);
        std::printf("  pdftoppm %.2f s (%.2f s), at quality %d %.2f s (%.2f s), as %d processes "
                    "%.2f s (%.2f s)\n",
                    peer.cpu, peer.seconds, exportQuality, peerAlike.cpu, peerAlike.seconds,
                    workers, peers.cpu, peers.seconds);
        std::printf("  over pdftoppm: %d workers %.2fx (wall %.2fx), 1 worker %.2fx; at the same "
                    "quality %.2fx and %.2fx\n",
                    workers, ours.cpu / peer.cpu, ours.seconds / peer.seconds,
                    single.cpu / peer.cpu, ours.cpu / peerAlike.cpu, single.cpu / peerAlike.cpu);
        std::printf("  %d workers over %d processes: %.2fx (wall %.2fx); started ahead %.2fx with "
                    "their start, %.2fx without (wall %.2fx) (load %s)\n",
                    workers, workers, ours.cpu / peers.cpu, ours.seconds / peers.seconds,
                    ahead.cpu / peers.cpu, (ahead.cpu - starting) / peers.cpu,
                    ahead.seconds / peers.seconds, qPrintable(loadAverage()));
        return 0;
    }
    if (firstOnly) {
        const int upTo = std::min(pages, 24);
        Timed ours, ahead, peer;
        for (int run = 0; run < runs; ++run) {
            const Timed a = renderWithEngine(path, pages, workers, upTo);
            const Timed b = renderWithPdftoppm(path, upTo, 1);
            const Timed c = renderWithEngine(path, pages, workers, upTo, true);
            if (a.seconds < 0 || b.seconds < 0 || c.seconds < 0) {
                return 1;
            }
            std::printf("run %d: engine open + first %d: %.3f s (cpu %.3f s), workers started "
                        "ahead %.3f s (cpu %.3f s); pdftoppm -f 1 -l %d: %.3f s (cpu %.3f s)\n",
                        run + 1, upTo, a.seconds, a.cpu, c.seconds, c.cpu, upTo, b.seconds, b.cpu);
            ours.keepBest(a);
            ahead.keepBest(c);
            peer.keepBest(b);
        }
        const double starting = startingSeconds(workers);
        std::printf("\nbest of %d, first %d pages: pdftoppm %.3f s; engine %.3f s: %.2fx wall, "
                    "%.2fx processor time; workers started ahead %.3f s: %.2fx wall, %.2fx "
                    "processor time (load %s)\n",
                    runs, upTo, peer.seconds, ours.seconds, ours.seconds / peer.seconds,
                    ours.cpu / peer.cpu, ahead.seconds, ahead.seconds / peer.seconds,
                    ahead.cpu / peer.cpu, qPrintable(loadAverage()));
        std::printf("starting %d workers and the reserve alone: %.2f s of processor time; "
                    "without it, started ahead: %.2fx processor time\n",
                    workers, starting, (ahead.cpu - starting) / peer.cpu);
        return 0;
    }

    const qint64 baseline = maxRssKiB(RUSAGE_SELF);
    resetHighWater();
    Timed one, many, manyAhead, ppmOne, ppmMany;
    for (int run = 0; run < runs; ++run) {
        const Timed a = renderWithEngine(path, pages, 1, pages);
        const Timed c = renderWithPdftoppm(path, pages, 1);
        const Timed b = renderWithEngine(path, pages, workers, pages);
        const Timed d = renderWithPdftoppm(path, pages, workers);
        const Timed e = renderWithEngine(path, pages, workers, pages, true);
        if (a.seconds < 0 || b.seconds < 0 || c.seconds < 0 || d.seconds < 0 || e.seconds < 0) {
            return 1;
        }
        std::printf("run %d: engine 1 worker %.2f s, %d workers %.2f s, started ahead %.2f s; "
                    "pdftoppm 1 process %.2f s, %d processes %.2f s\n",
                    run + 1, a.seconds, workers, b.seconds, e.seconds, c.seconds, workers,
                    d.seconds);
        one.keepBest(a);
        many.keepBest(b);
        manyAhead.keepBest(e);
        ppmOne.keepBest(c);
        ppmMany.keepBest(d);
    }
    const qint64 engineHighWater = highWaterKiB();

    std::printf("\nbest of %d runs, long side %.0f px (engine: open + render):\n", runs, longSide);
    std::printf(
        "  engine, 1 worker:          %7.1f pages/s  %6.2f s  cpu %6.2f s  first 24 in %.2f s\n",
        pages / one.seconds, one.seconds, one.cpu, one.first24);
    std::printf(
        "  engine, %d workers:         %7.1f pages/s  %6.2f s  cpu %6.2f s  first 24 in %.2f s\n",
        workers, pages / many.seconds, many.seconds, many.cpu, many.first24);
    std::printf(
        "  engine, %d started ahead:   %7.1f pages/s  %6.2f s  cpu %6.2f s  first 24 in %.2f s\n",
        workers, pages / manyAhead.seconds, manyAhead.seconds, manyAhead.cpu, manyAhead.first24);
    std::printf("  pdftoppm, 1 process:       %7.1f pages/s  %6.2f s  cpu %6.2f s\n",
                pages / ppmOne.seconds, ppmOne.seconds, ppmOne.cpu);
    std::printf("  pdftoppm, %d processes:     %7.1f pages/s  %6.2f s  cpu %6.2f s\n", workers,
                pages / ppmMany.seconds, ppmMany.seconds, ppmMany.cpu);
    std::printf("  over pdftoppm: 1 worker %.2fx wall, %.2fx processor time; %d workers %.2fx "
                "wall, %.2fx processor "
                "time (load %s)\n",
                one.seconds / ppmOne.seconds, one.cpu / ppmOne.cpu, workers,
                many.seconds / ppmMany.seconds, many.cpu / ppmMany.cpu, qPrintable(loadAverage()));
    const double starting = startingSeconds(workers);
    std::printf("  started ahead: %d workers %.2fx wall, %.2fx processor time with their start "
                "(%.2f s alone), %.2fx without\n",
                workers, manyAhead.seconds / ppmMany.seconds, manyAhead.cpu / ppmMany.cpu, starting,
                (manyAhead.cpu - starting) / ppmMany.cpu);
    std::printf("peak memory:\n");
    std::printf(
        "  this process: %.1f MB (%.1f MB before rendering; %.1f MB high-water while rendering)\n",
        maxRssKiB(RUSAGE_SELF) / 1024.0, baseline / 1024.0, engineHighWater / 1024.0);
    std::printf("  workers (largest): %.1f MB; pdftoppm: %.1f MB (high-water)\n",
                maxRssKiB(RUSAGE_CHILDREN) / 1024.0, pdftoppmPeakKiB / 1024.0);
    return 0;
}
