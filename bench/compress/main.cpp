// Compression of a real document, next to Ghostscript on the same file in the
// same run: time, peak memory and size of the Medium and Small settings beside
// gs -dPDFSETTINGS=/ebook and /screen, ours and theirs alternating for several
// pairs, then the fit "Up to" a quarter of the file's size. Every measurement
// runs in a process of its own, so each peak is that job's alone.
//
//   bench_compress FILE.pdf [OUTPUT-FOLDER] [PAIRS]
//   bench_compress --make-scan OUT.pdf [PAGES]
//
// The second form writes a scan to measure on: pages of 2480 x 3508 photographs
// (A4 at 300 dpi) stored as JPEG. bench/README.md says where to get a real manual.

#include "document/Compression.h"
#include "engine/PDFEngine.h"
#include "helpers/OutputFixtures.h"
#include "helpers/ProcessMeasure.h"
#include "helpers/TestUtil.h"
#include "views/CompressSheet.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <sys/wait.h>

namespace {

using Measured = MeasuredRun;

// Runs a program to its end; its wall time and its peak resident memory.
Measured measure(const QString &program, const QStringList &arguments)
{
    const Measured result = measureRun(QStringList{program} + arguments);
    if (!result.started) {
        std::fprintf(stderr, "could not start %s\n", qPrintable(program));
    } else if (result.exitStatus != 0) {
        std::fprintf(stderr, "%s ended with status %d\n", qPrintable(program), result.exitStatus);
    }
    return result;
}

BuildPlan planOf(const QUrl &url, int pages)
{
    BuildPlan plan;
    for (int i = 0; i < pages; ++i) {
        plan.pages.append(PageItem{QUuid::createUuid(), PageSource{url, i}, 0, {}});
    }
    return plan;
}

// The peak of this process, or of a worker process it waited for if larger.
double ownPeakMiB()
{
    rusage self{};
    rusage children{};
    getrusage(RUSAGE_SELF, &self);
    getrusage(RUSAGE_CHILDREN, &children);
    return std::max(self.ru_maxrss, children.ru_maxrss) / 1024.0;
}

// In a child: opens the file, builds it with one step (none: as it is) and writes it out.
int buildOnce(const QString &input, const QString &step, const QString &output)
{
    PDFEngine engine;
    const QUrl url = QUrl::fromLocalFile(input);
    const auto opened = TestUtil::await(engine.open(url, std::nullopt), 600000);
    BuildPlan plan = planOf(url, opened.pageCount);
    const QStringList parts = step.split(QLatin1Char(','));
    if (parts.size() == 3) {
        plan.quality =
            CompressionStep{parts[0].toInt(), parts[1].toDouble(), parts[2] == QLatin1String("1")};
    }
    const auto built = TestUtil::await(engine.build(plan, {}), 3600000);
    if (!built) {
        std::fprintf(stderr, "build failed: %s\n", qPrintable(built.error().message));
        return 1;
    }
    QFile file(output);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(built->bytes());
    std::printf("%.1f\n", ownPeakMiB());
    return 0;
}

// In a child: the sheet's fit of the file to `limit` bytes, with the sheet's ladders.
int fitOnce(const QString &input, qint64 limit, const QString &output)
{
    PDFEngine engine;
    const QUrl url = QUrl::fromLocalFile(input);
    const auto opened = TestUtil::await(engine.open(url, std::nullopt), 600000);
    const BuildPlan base = planOf(url, opened.pageCount);
    QStringList builds;
    const Compression::BuildFunction build = [&](std::optional<CompressionStep> step) {
        builds.append(step ? QStringLiteral("%1/%2%3")
                                 .arg(step->maxPixels)
                                 .arg(step->jpegQuality)
                                 .arg(step->pagesAsPictures ? "p" : "")
                           : QStringLiteral("as is"));
        BuildPlan plan = base;
        plan.quality = step;
        return engine.buildBytes(plan, {});
    };
    const QFuture<Result<Compression::Fit>> fitting =
        Compression::fit(CompressSheet::textLadder(), CompressSheet::picturesLadder(), limit, build,
                         CancelToken::make());
    const auto fit = TestUtil::await(fitting, 3600000);
    if (!fit) {
        std::fprintf(stderr, "fit failed: %s\n", qPrintable(fit.error().message));
        return 1;
    }
    QFile file(output);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(fit->data);
    std::printf("%.1f %s %s %s\n", ownPeakMiB(), fit->reached ? "reached" : "not-reached",
                fit->pagesAsPictures ? "pictures" : "text",
                qPrintable(builds.join(QLatin1Char(' '))));
    return 0;
}

double megabytes(const QString &path)
{
    return QFileInfo(path).size() / 1e6;
}

QString loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readLine()).section(u' ', 0, 2)
                                          : QStringLiteral("?");
}

int makeScan(const QString &output, int pages)
{
    QList<Fixtures::ImagePage> scan;
    for (int i = 0; i < pages; ++i) {
        scan.append(Fixtures::ImagePage{{2480, 3508}, Fixtures::ImageKind::Jpeg, 85});
    }
    if (!Fixtures::writeImagePdf(output, scan)) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(output));
        return 1;
    }
    std::printf("%s: %d pages, %.2f MB\n", qPrintable(output), pages, megabytes(output));
    return 0;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 5 && args[1] == QLatin1String("--build")) {
        return buildOnce(args[2], args[3], args[4]);
    }
    if (args.size() == 5 && args[1] == QLatin1String("--fit")) {
        return fitOnce(args[2], args[3].toLongLong(), args[4]);
    }
    if (args.size() >= 3 && args[1] == QLatin1String("--make-scan")) {
        return makeScan(args[2], args.size() > 3 ? args[3].toInt() : 24);
    }
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: bench_compress FILE.pdf [OUTPUT-FOLDER] [PAIRS]\n"
                             "       bench_compress --make-scan OUT.pdf [PAGES]\n");
        return 2;
    }
    const QString input = QFileInfo(args[1]).absoluteFilePath();
    const QDir out(
        args.size() > 2 ? args[2] : QDir::temp().filePath(QStringLiteral("tamsel-bench-compress")));
    const int pairs = std::max(args.size() > 3 ? args[3].toInt() : 3, 1);
    QDir().mkpath(out.path());
    const QString self = QCoreApplication::applicationFilePath();
    std::printf("%s: %.2f MB; %d cores; load %s\n", qPrintable(QFileInfo(input).fileName()),
                megabytes(input), QThread::idealThreadCount(), qPrintable(loadAverage()));
    std::printf("%-28s %9s %9s %11s %9s\n", "", "time", "cpu", "peak", "size");

    auto show = [](const char *name, const Measured &m, const QString &path) {
        std::printf("%-28s %7.2f s %7.2f s %7.0f MiB %6.2f MB\n", name, m.seconds, m.cpuSeconds,
                    m.peakMiB, megabytes(path));
    };
    auto ours = [&](const char *name, const QString &step, const QString &file) {
        Measured m = measure(self, {QStringLiteral("--build"), input, step, out.filePath(file)});
        m.peakMiB = std::max(m.peakMiB, m.output.toDouble());
        show(name, m, out.filePath(file));
        return m;
    };
    auto gs = [&](const char *name, const char *setting, const QString &file) {
        const Measured m = measure(
            QStringLiteral("gs"),
            {QStringLiteral("-sDEVICE=pdfwrite"), QStringLiteral("-dPDFSETTINGS=") + setting,
             QStringLiteral("-dNOPAUSE"), QStringLiteral("-dBATCH"), QStringLiteral("-dQUIET"),
             QStringLiteral("-sOutputFile=") + out.filePath(file), input});
        show(name, m, out.filePath(file));
        return m;
    };
    ours("ours, as it is", QString(), QStringLiteral("original.pdf"));

    // Ours and Ghostscript's take turns, so a change in the machine's load
    // falls on both alike; each ratio is the median of its pairs.
    std::vector<double> mediumTimes, smallTimes, mediumCpu, smallCpu;
    double mediumPeak = 0;
    double smallPeak = 0;
    for (int pair = 0; pair < pairs; ++pair) {
        std::printf("pair %d of %d, load %s\n", pair + 1, pairs, qPrintable(loadAverage()));
        const Measured medium = ours("ours, Medium (2000, 0.70)", QStringLiteral("2000,0.70,0"),
                                     QStringLiteral("medium.pdf"));
        const Measured ebook = gs("gs /ebook", "/ebook", QStringLiteral("gs-ebook.pdf"));
        const Measured small = ours("ours, Small (1300, 0.55)", QStringLiteral("1300,0.55,0"),
                                    QStringLiteral("small.pdf"));
        const Measured screen = gs("gs /screen", "/screen", QStringLiteral("gs-screen.pdf"));
        mediumTimes.push_back(medium.seconds / ebook.seconds);
        mediumCpu.push_back(medium.cpuSeconds / ebook.cpuSeconds);
        smallTimes.push_back(small.seconds / screen.seconds);
        smallCpu.push_back(small.cpuSeconds / screen.cpuSeconds);
        mediumPeak = std::max(mediumPeak, medium.peakMiB);
        smallPeak = std::max(smallPeak, small.peakMiB);
    }
    std::printf("Medium vs /ebook: %.2fx the time, %.2fx the processor time, %.2fx the size; peak "
                "%.0f MiB\n",
                median(mediumTimes), median(mediumCpu),
                megabytes(out.filePath("medium.pdf")) / megabytes(out.filePath("gs-ebook.pdf")),
                mediumPeak);
    std::printf("Small vs /screen: %.2fx the time, %.2fx the processor time, %.2fx the size; peak "
                "%.0f MiB\n",
                median(smallTimes), median(smallCpu),
                megabytes(out.filePath("small.pdf")) / megabytes(out.filePath("gs-screen.pdf")),
                smallPeak);

    const qint64 limit = QFileInfo(input).size() / 4;
    Measured fit = measure(
        self, {QStringLiteral("--fit"), input, QString::number(limit), out.filePath("upto.pdf")});
    const QStringList words = fit.output.split(QLatin1Char(' '));
    std::printf(
        "\nUp to %.2f MB (a quarter): %.2f s, peak %.0f MiB, %.2f MB, %s, %s\n  builds: %s\n",
        limit / 1e6, fit.seconds, std::max(fit.peakMiB, words.value(0).toDouble()),
        megabytes(out.filePath("upto.pdf")), qPrintable(words.value(1)), qPrintable(words.value(2)),
        qPrintable(words.mid(3).join(' ')));
    std::printf("load at the end %s\n", qPrintable(loadAverage()));
    return 0;
}
