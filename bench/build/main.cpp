// Speed and size of the engine's output next to the command-line tools that do
// the same jobs, on the same inputs, in one run:
//   - building a 1,000-page plan with turns, next to qpdf --empty --pages;
//   - 10 scanned pages as PNG at 200 dpi, next to pdftoppm;
//   - compressing a photo-heavy PDF, next to Ghostscript's ebook and screen settings.
// Inputs are made once into the folder given as the first argument (default:
// a folder in the temporary directory) and reused by later runs.

#include "engine/PDFEngine.h"

#include "helpers/OutputFixtures.h"
#include "helpers/PdfFixtures.h"
#include "helpers/TestUtil.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QThreadPool>

#include <cstdio>

namespace {

double secondsOf(const std::function<void()> &work, int runs = 1)
{
    double best = 1e9;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = std::min(best, timer.nsecsElapsed() / 1e9);
    }
    return best;
}

void run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(-1) || process.exitCode() != 0) {
        std::fprintf(stderr, "%s failed: %s\n", qPrintable(program),
                     process.readAllStandardError().constData());
    }
}

BuildPlan planOf(const QUrl &url, int pages, bool turned)
{
    BuildPlan plan;
    for (int i = 0; i < pages; ++i) {
        plan.pages.append(
            PageItem{QUuid::createUuid(), PageSource{url, i}, turned ? (i % 4) * 90 : 0, {}});
    }
    return plan;
}

void save(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(bytes);
}

double megabytes(qint64 bytes)
{
    return bytes / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QString folder =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::temp().filePath("tamsel-bench-output");
    QDir().mkpath(folder);
    const QDir dir(folder);
    std::printf("cores: %d\n", QThreadPool::globalInstance()->maxThreadCount());

    PDFEngine engine;

    // 1. Building 1,000 pages.
    {
        const QString input = dir.filePath("thousand.pdf");
        if (!QFile::exists(input)) {
            Fixtures::writeNumberedPdf(input, 1000);
        }
        const QString qpdfOut = dir.filePath("thousand-qpdf.pdf");
        const double qpdfTime = secondsOf(
            [&] {
                run("qpdf", {"--empty", "--pages", input, "1-z", "--", qpdfOut});
            },
            3);

        const QUrl url = QUrl::fromLocalFile(input);
        const double openAndBuild = secondsOf(
            [&] {
                PDFEngine fresh;
                TestUtil::await(fresh.open(url, std::nullopt), 600000);
                const auto built =
                    TestUtil::await(fresh.build(planOf(url, 1000, true), {}), 600000);
                save(dir.filePath("thousand-ours.pdf"), built.value().bytes());
            },
            3);
        TestUtil::await(engine.open(url, std::nullopt), 600000);
        TestUtil::await(engine.build(planOf(url, 1, false), {}),
                        600000); // qpdf structure opened once
        qint64 size = 0;
        const double buildOnly = secondsOf(
            [&] {
                const auto built =
                    TestUtil::await(engine.build(planOf(url, 1000, true), {}), 600000);
                size = built->size();
            },
            3);
        std::printf("\n1,000-page build with turns (best of 3)\n");
        std::printf("  qpdf --empty --pages      %7.3f s  %6.2f MB\n", qpdfTime,
                    megabytes(QFileInfo(qpdfOut).size()));
        std::printf("  ours, open + build + save %7.3f s  (%.2fx qpdf)\n", openAndBuild,
                    openAndBuild / qpdfTime);
        std::printf("  ours, build of cached     %7.3f s  %6.2f MB  (%.2fx qpdf)\n", buildOnly,
                    megabytes(size), buildOnly / qpdfTime);
    }

    // 2. Ten scanned pages as PNG at 200 dpi.
    {
        const QString input = dir.filePath("scans.pdf");
        if (!QFile::exists(input)) {
            QList<Fixtures::ImagePage> pages;
            for (int i = 0; i < 10; ++i) {
                pages.append({{2480, 3508}, Fixtures::ImageKind::Jpeg, 85, {595, 842}});
            }
            Fixtures::writeImagePdf(input, pages);
        }
        const QString popplerDir = dir.filePath("pdftoppm");
        QDir().mkpath(popplerDir);
        const double popplerTime = secondsOf([&] {
            run("pdftoppm", {"-r", "200", "-png", input, QDir(popplerDir).filePath("page")});
        });
        qint64 popplerBytes = 0;
        for (const QFileInfo &file : QDir(popplerDir).entryInfoList(QDir::Files)) {
            popplerBytes += file.size();
        }
        const QUrl url = QUrl::fromLocalFile(input);
        TestUtil::await(engine.open(url, std::nullopt), 600000);
        const QString oursDir = dir.filePath("ours-png");
        QDir().mkpath(oursDir);
        qint64 oursBytes = 0;
        const double oursTime = secondsOf([&] {
            const auto pictures =
                TestUtil::await(engine.pictures(planOf(url, 10, false), 200, false, {}), 600000);
            oursBytes = 0;
            for (int i = 0; i < pictures->size(); ++i) {
                save(QDir(oursDir).filePath(QStringLiteral("page-%1.png").arg(i + 1)),
                     pictures->at(i));
                oursBytes += pictures->at(i).size();
            }
        });
        std::printf("\n10 scan pages at 200 dpi as PNG\n");
        std::printf("  pdftoppm -r 200 -png      %7.3f s  %6.2f MB\n", popplerTime,
                    megabytes(popplerBytes));
        std::printf("  ours (pictures + save)    %7.3f s  %6.2f MB  (%.2fx pdftoppm)\n", oursTime,
                    megabytes(oursBytes), oursTime / popplerTime);
    }

    // 3. Compressing a photo-heavy PDF.
    {
        const QString input = dir.filePath("photos.pdf");
        if (!QFile::exists(input)) {
            QList<Fixtures::ImagePage> pages;
            for (int i = 0; i < 20; ++i) {
                pages.append({{3000, 4000}, Fixtures::ImageKind::Jpeg, 92, {595, 842}});
            }
            Fixtures::writeImagePdf(input, pages);
        }
        const qint64 inputSize = QFileInfo(input).size();
        const QUrl url = QUrl::fromLocalFile(input);
        TestUtil::await(engine.open(url, std::nullopt), 600000);
        std::printf("\nCompressing 20 photo pages (%.2f MB)\n", megabytes(inputSize));
        const struct
        {
            const char *setting;
            CompressionStep step;
        } pairs[] = {{"/ebook", {1600, 0.55, false}}, {"/screen", {1000, 0.4, false}}};
        for (const auto &pair : pairs) {
            const QString gsOut =
                dir.filePath(QStringLiteral("photos-gs-%1.pdf").arg(QString(pair.setting).mid(1)));
            const double gsTime = secondsOf([&] {
                run("gs", {"-sDEVICE=pdfwrite", QStringLiteral("-dPDFSETTINGS=") + pair.setting,
                           "-dNOPAUSE", "-dBATCH", "-dQUIET", "-sOutputFile=" + gsOut, input});
            });
            BuildPlan plan = planOf(url, 20, false);
            plan.quality = pair.step;
            qint64 size = 0;
            const double oursTime = secondsOf([&] {
                const auto built = TestUtil::await(engine.build(plan, {}), 600000);
                size = built->size();
            });
            std::printf("  gs %-8s                %7.3f s  %6.2f MB\n", pair.setting, gsTime,
                        megabytes(QFileInfo(gsOut).size()));
            std::printf(
                "  ours (%d, %.2f)          %7.3f s  %6.2f MB  (%.1fx faster, %.2fx the size)\n",
                pair.step.maxPixels, pair.step.jpegQuality, oursTime, megabytes(size),
                gsTime / oursTime, double(size) / QFileInfo(gsOut).size());
        }
    }
    return 0;
}
