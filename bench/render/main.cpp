// Renders every page of a generated 1,000-page PDF at long side 256 through the
// engine, and the same file with pdftoppm, and prints speed and peak memory.
//
//   bench_render [pages] [runs]     (defaults: 1000 pages, 3 runs; the best run counts)

#include "engine/PDFEngine.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

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
            painter.fillRect(QRectF(68 + bar * 47, 780 - h, 30, h), QColor::fromHsv((bar * 36) % 360, 160, 220));
        }
        QPainterPath curve(QPointF(60, 700));
        for (int step = 1; step <= 5; ++step) {
            curve.cubicTo(QPointF(60 + step * 94 - 60, 560 + (step * page) % 80),
                          QPointF(60 + step * 94 - 30, 760 - (step * 31) % 120), QPointF(60 + step * 94, 650));
        }
        painter.setPen(QPen(QColor(200, 40, 40), 2));
        painter.drawPath(curve);
        painter.drawEllipse(QPointF(480, 60), 25, 25);
    }
}

double cpuSeconds(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
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

double renderWithEngine(const QString &path, int pages)
{
    PDFEngine engine;
    const QUrl url = QUrl::fromLocalFile(path);
    QElapsedTimer timer;
    timer.start();
    QFuture<PDFEngine::OpenResult> opened = engine.open(url, std::nullopt);
    opened.waitForFinished();
    if (opened.result().pageCount != pages) {
        std::fprintf(stderr, "open answered %d pages\n", opened.result().pageCount);
        return -1;
    }
    std::printf("  open: %.3f s\n", timer.nsecsElapsed() / 1e9);
    // A few renders ahead keep the worker busy without holding every picture.
    std::deque<QFuture<QImage>> ahead;
    int next = 0;
    int rendered = 0;
    while (rendered < pages) {
        while (next < pages && ahead.size() < 4) {
            ahead.push_back(engine.image({url, next++}, 0, longSide));
        }
        ahead.front().waitForFinished();
        if (ahead.front().result().isNull()) {
            std::fprintf(stderr, "page %d failed\n", rendered);
            return -1;
        }
        ahead.pop_front();
        ++rendered;
    }
    return timer.nsecsElapsed() / 1e9;
}

// A child's ru_maxrss counts the parent's pages it held between fork and exec, so
// pdftoppm's own peak is read from its high-water mark while it runs.
qint64 pdftoppmPeakKiB = 0;

double renderWithPdftoppm(const QString &path, const QStringList &format)
{
    // Memory-backed output where there is one, so that disk writes weigh little.
    QTemporaryDir out(QDir("/dev/shm").exists() ? QStringLiteral("/dev/shm/bench-XXXXXX") : QString());
    QProcess process;
    QElapsedTimer timer;
    timer.start();
    process.start("pdftoppm", QStringList{"-scale-to", QString::number(int(longSide))} + format
                                  + QStringList{path, out.filePath("page")});
    if (!process.waitForStarted()) {
        std::fprintf(stderr, "pdftoppm can't be started\n");
        return -1;
    }
    const QString pid = QString::number(process.processId());
    while (!process.waitForFinished(5)) {
        pdftoppmPeakKiB = std::max(pdftoppmPeakKiB, highWaterKiB(pid));
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        std::fprintf(stderr, "pdftoppm failed: %s\n", process.readAllStandardError().constData());
        return -1;
    }
    return timer.nsecsElapsed() / 1e9;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    const int pages = argc > 1 ? std::max(1, atoi(argv[1])) : 1000;
    const int runs = argc > 2 ? std::max(1, atoi(argv[2])) : 3;

    QTemporaryDir dir;
    const QString path = dir.filePath("report.pdf");
    writeDocument(path, pages);
    std::printf("document: %d pages, %.1f MB\n", pages, QFileInfo(path).size() / 1e6);

    const qint64 baseline = maxRssKiB(RUSAGE_SELF);
    resetHighWater();
    // Wall time is what a user waits; CPU time is steadier on a busy machine.
    double engineBest = 1e9, pngBest = 1e9, ppmBest = 1e9;
    double engineCpu = 1e9, pngCpu = 1e9, ppmCpu = 1e9;
    for (int run = 0; run < runs; ++run) {
        double cpu = cpuSeconds(RUSAGE_SELF);
        const double engine = renderWithEngine(path, pages);
        engineCpu = std::min(engineCpu, cpuSeconds(RUSAGE_SELF) - cpu);
        cpu = cpuSeconds(RUSAGE_CHILDREN);
        const double png = renderWithPdftoppm(path, {"-png"});
        pngCpu = std::min(pngCpu, cpuSeconds(RUSAGE_CHILDREN) - cpu);
        cpu = cpuSeconds(RUSAGE_CHILDREN);
        const double ppm = renderWithPdftoppm(path, {});
        ppmCpu = std::min(ppmCpu, cpuSeconds(RUSAGE_CHILDREN) - cpu);
        if (engine < 0 || png < 0 || ppm < 0) {
            return 1;
        }
        std::printf("run %d: engine %.2f s, pdftoppm -png %.2f s, pdftoppm (ppm) %.2f s\n", run + 1, engine,
                    png, ppm);
        engineBest = std::min(engineBest, engine);
        pngBest = std::min(pngBest, png);
        ppmBest = std::min(ppmBest, ppm);
    }
    const qint64 engineHighWater = highWaterKiB();

    std::printf("\nbest of %d runs, long side %.0f px:\n", runs, longSide);
    std::printf("                            wall                     CPU\n");
    std::printf("  engine (open + render):   %7.1f pages/s  %5.2f s   %5.2f s\n", pages / engineBest, engineBest,
                engineCpu);
    std::printf("  pdftoppm -png:            %7.1f pages/s  %5.2f s   %5.2f s\n", pages / pngBest, pngBest, pngCpu);
    std::printf("  pdftoppm (ppm output):    %7.1f pages/s  %5.2f s   %5.2f s\n", pages / ppmBest, ppmBest, ppmCpu);
    std::printf("  engine over pdftoppm (ppm): wall %+.1f %%, CPU %+.1f %%\n", (engineBest / ppmBest - 1) * 100,
                (engineCpu / ppmCpu - 1) * 100);
    std::printf("peak memory (ru_maxrss):\n");
    std::printf("  this process: %.1f MB (%.1f MB before rendering; %.1f MB high-water while rendering)\n",
                maxRssKiB(RUSAGE_SELF) / 1024.0, baseline / 1024.0, engineHighWater / 1024.0);
    std::printf("  pdftoppm:     %.1f MB (high-water)\n", pdftoppmPeakKiB / 1024.0);
    return 0;
}
