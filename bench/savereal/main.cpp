// Saving a real PDF next to qpdf on the same input, in one run: merging ten
// copies of it (time and peak memory) and protecting it with AES-256 (time,
// peak memory and size). Each side runs as a process of its own, so that the
// peak memory measured is that side's alone.
//
//   bench_save_real <input.pdf> [work folder]
//
// See README.md for a real input.

#include "document/OpenFile.h"
#include "engine/PDFEngine.h"
#include "helpers/FakeFilePanels.h"
#include "helpers/ProcessMeasure.h"
#include "helpers/TestUtil.h"
#include "model/AppModel.h"
#include "model/MergeModel.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStandardPaths>

#include <cstdio>
#include <cstring>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Run
{
    double seconds = 0;
    double cpuSeconds = 0;
    double peakMiB = 0;
    bool ok = false;
};

// Ours and the standard tool's command, run in turn three times each, so that
// both meet the same moments of a busy machine: the best wall and processor
// times of each, and the peak memory of a fourth run of each, sampled (see
// MeasuredRun::treePeakMiB).
std::pair<Run, Run> bestOf(const QStringList &ours, const QStringList &theirs)
{
    std::pair<Run, Run> best;
    for (Run *run : {&best.first, &best.second}) {
        run->seconds = run->cpuSeconds = 1e9;
        run->ok = true;
    }
    const std::pair<const QStringList *, Run *> sides[] = {{&ours, &best.first},
                                                           {&theirs, &best.second}};
    for (int i = 0; i < 3; ++i) {
        for (const auto &[command, run] : sides) {
            const MeasuredRun measured = measureRun(*command, false);
            // qpdf ends with 3 when it only warned.
            run->ok = run->ok && (measured.exitStatus == 0 || measured.exitStatus == 3);
            run->seconds = std::min(run->seconds, measured.seconds);
            run->cpuSeconds = std::min(run->cpuSeconds, measured.cpuSeconds);
        }
    }
    for (const auto &[command, run] : sides) {
        const MeasuredRun sampled = measureRun(*command, true);
        run->ok = run->ok && (sampled.exitStatus == 0 || sampled.exitStatus == 3);
        run->peakMiB = sampled.treePeakMiB;
    }
    return best;
}

double megabytes(const QString &path)
{
    return QFileInfo(path).size() / 1e6;
}

// The program's own side, in a child process: the app model's merge of the
// given files, or its Save As of the first, with a password ("protect") or
// without ("save"), into `target`.
int ownSide(const QString &mode, const QString &target, const QStringList &inputs)
{
    PDFEngine engine;
    FakeFilePanels panels;
    const QString stamps = QDir::temp().filePath(QStringLiteral("tamsel-bench-stamps"));
    AppModel model(AppModel::Services{&engine, nullptr, &panels, stamps});
    if (mode == QLatin1String("merge")) {
        QList<QUrl> urls;
        for (const QString &input : inputs) {
            urls.append(QUrl::fromLocalFile(input));
        }
        TestUtil::waitFor(model.addToMerge(urls), 600000);
        panels.saveAnswers.enqueue(QUrl::fromLocalFile(target));
        TestUtil::waitFor(model.mergeFiles(), 600000);
    } else {
        TestUtil::waitFor(model.open({QUrl::fromLocalFile(inputs.first())}), 600000);
        OpenFile *file = model.files().last();
        const std::optional<QString> password = mode == QLatin1String("protect")
                                                    ? std::optional(QStringLiteral("bench-secret"))
                                                    : std::nullopt;
        BuildPlan plan{file->pages(), {}, password, std::nullopt};
        TestUtil::waitFor(
            model.write(plan, QUrl::fromLocalFile(target), QStringLiteral("Saving…"), {}), 600000);
    }
    if (model.errorMessage()) {
        std::fprintf(stderr, "error: %s\n", qPrintable(*model.errorMessage()));
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 2 && std::strcmp(argv[1], "--own") == 0) {
        QGuiApplication app(argc, argv);
        QStandardPaths::setTestModeEnabled(true);
        const QStringList args = app.arguments().mid(2);
        return ownSide(args.value(0), args.value(1), args.mid(2));
    }
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <input.pdf> [work folder]\n", argv[0]);
        return 2;
    }
    QCoreApplication app(argc, argv);
    const QString input = QFileInfo(app.arguments().at(1)).absoluteFilePath();
    const QString folder = argc > 2
                               ? app.arguments().at(2)
                               : QDir::temp().filePath(QStringLiteral("tamsel-bench-save-real"));
    QDir().mkpath(folder);
    const QDir dir(folder);
    const QString self = QCoreApplication::applicationFilePath();

    QStringList copies;
    for (int i = 1; i <= 10; ++i) {
        const QString copy = dir.filePath(QStringLiteral("copy %1.pdf").arg(i));
        if (!QFileInfo::exists(copy)) {
            QFile::copy(input, copy);
        }
        copies.append(copy);
    }

    const QString ownMerged = dir.filePath(QStringLiteral("merged-own.pdf"));
    const QString qpdfMerged = dir.filePath(QStringLiteral("merged-qpdf.pdf"));
    const auto [ownMerge, qpdfMerge] = bestOf(
        QStringList{self, QStringLiteral("--own"), QStringLiteral("merge"), ownMerged} + copies,
        QStringList{QStringLiteral("qpdf"), QStringLiteral("--empty"), QStringLiteral("--pages")} +
            copies + QStringList{QStringLiteral("--"), qpdfMerged});

    const QString ownLocked = dir.filePath(QStringLiteral("aes-own.pdf"));
    const QString qpdfLocked = dir.filePath(QStringLiteral("aes-qpdf.pdf"));
    const auto [ownAes, qpdfAes] =
        bestOf({self, QStringLiteral("--own"), QStringLiteral("protect"), ownLocked, input},
               {QStringLiteral("qpdf"), QStringLiteral("--encrypt"), QStringLiteral("bench-secret"),
                QStringLiteral("bench-secret"), QStringLiteral("256"), QStringLiteral("--"), input,
                qpdfLocked});

    const QString ownSaved = dir.filePath(QStringLiteral("saved-own.pdf"));
    const QString qpdfSaved = dir.filePath(QStringLiteral("saved-qpdf.pdf"));
    const auto [ownSave, qpdfSave] = bestOf(
        {self, QStringLiteral("--own"), QStringLiteral("save"), ownSaved, input},
        {QStringLiteral("qpdf"), QStringLiteral("--object-streams=generate"), input, qpdfSaved});

    if (!ownMerge.ok || !qpdfMerge.ok || !ownAes.ok || !qpdfAes.ok || !ownSave.ok || !qpdfSave.ok) {
        std::fprintf(stderr, "a run failed\n");
        return 1;
    }
    QFile loadAverage(QStringLiteral("/proc/loadavg"));
    const QByteArray load =
        loadAverage.open(QIODevice::ReadOnly) ? loadAverage.readAll().trimmed() : QByteArray();
    std::printf(
        "input: %s, %.2f MB; best of 3 runs taken in turn with the other tool's, peak memory of a "
        "4th (all processes); %ld cores, load %s\n",
        qPrintable(QFileInfo(input).fileName()), megabytes(input), sysconf(_SC_NPROCESSORS_ONLN),
        load.constData());
    const auto line = [](const char *name, const Run &ours, const QString &oursFile,
                         const char *tool, const Run &theirs, const QString &theirsFile) {
        std::printf(
            "%s\n  ours: %.2f s (%.2f s processor), %.0f MiB, %.2f MB\n  %s: %.2f s (%.2f s "
            "processor), "
            "%.0f MiB, %.2f MB\n  ratio: time %.2fx (processor %.2fx), memory %.2fx, size %.4fx\n",
            name, ours.seconds, ours.cpuSeconds, ours.peakMiB, megabytes(oursFile), tool,
            theirs.seconds, theirs.cpuSeconds, theirs.peakMiB, megabytes(theirsFile),
            ours.seconds / theirs.seconds, ours.cpuSeconds / theirs.cpuSeconds,
            ours.peakMiB / theirs.peakMiB, megabytes(oursFile) / megabytes(theirsFile));
    };
    line("merge of 10 copies", ownMerge, ownMerged, "qpdf --empty --pages", qpdfMerge, qpdfMerged);
    line("AES-256", ownAes, ownLocked, "qpdf --encrypt 256", qpdfAes, qpdfLocked);
    line("Save As, unedited", ownSave, ownSaved, "qpdf --object-streams=generate", qpdfSave,
         qpdfSaved);
    std::printf("unedited Save As: %.4fx the input\n", megabytes(ownSaved) / megabytes(input));
    return 0;
}
