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
    double peakMiB = 0;
    bool ok = false;
};

// Runs a program to its end; its wall time, or the peak memory of its process
// tree (see MeasuredRun::treePeakMiB).
Run measure(const QStringList &command, bool sampleMemory)
{
    const MeasuredRun measured = measureRun(command, sampleMemory);
    // qpdf ends with 3 when it only warned.
    return Run{measured.seconds, measured.treePeakMiB, measured.exitStatus == 0 || measured.exitStatus == 3};
}

// The best time of three runs, and the peak memory of a fourth, sampled run.
Run bestOf(const QStringList &command)
{
    Run best;
    best.seconds = 1e9;
    best.ok = true;
    for (int i = 0; i < 3; ++i) {
        const Run run = measure(command, false);
        best.ok = best.ok && run.ok;
        best.seconds = std::min(best.seconds, run.seconds);
    }
    const Run sampled = measure(command, true);
    best.ok = best.ok && sampled.ok;
    best.peakMiB = sampled.peakMiB;
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
    const Run ownMerge = bestOf(
        QStringList{self, QStringLiteral("--own"), QStringLiteral("merge"), ownMerged} + copies);
    const Run qpdfMerge = bestOf(
        QStringList{QStringLiteral("qpdf"), QStringLiteral("--empty"), QStringLiteral("--pages")} +
        copies + QStringList{QStringLiteral("--"), qpdfMerged});

    const QString ownLocked = dir.filePath(QStringLiteral("aes-own.pdf"));
    const QString qpdfLocked = dir.filePath(QStringLiteral("aes-qpdf.pdf"));
    const Run ownAes =
        bestOf({self, QStringLiteral("--own"), QStringLiteral("protect"), ownLocked, input});
    const Run qpdfAes = bestOf({QStringLiteral("qpdf"), QStringLiteral("--encrypt"),
                                QStringLiteral("bench-secret"), QStringLiteral("bench-secret"),
                                QStringLiteral("256"), QStringLiteral("--"), input, qpdfLocked});

    const QString ownSaved = dir.filePath(QStringLiteral("saved-own.pdf"));
    const Run ownSave =
        bestOf({self, QStringLiteral("--own"), QStringLiteral("save"), ownSaved, input});

    if (!ownMerge.ok || !qpdfMerge.ok || !ownAes.ok || !qpdfAes.ok || !ownSave.ok) {
        std::fprintf(stderr, "a run failed\n");
        return 1;
    }
    std::printf("input: %s, %.2f MB; best time of 3 runs, peak memory of a 4th (all processes)\n",
                qPrintable(QFileInfo(input).fileName()), megabytes(input));
    std::printf("merge of 10 copies: %.2f s, %.0f MiB, %.2f MB;  qpdf --empty --pages: %.2f s, "
                "%.0f MiB, %.2f MB;"
                "  time %.2fx, memory %.2fx\n",
                ownMerge.seconds, ownMerge.peakMiB, megabytes(ownMerged), qpdfMerge.seconds,
                qpdfMerge.peakMiB, megabytes(qpdfMerged), ownMerge.seconds / qpdfMerge.seconds,
                ownMerge.peakMiB / qpdfMerge.peakMiB);
    std::printf("AES-256:            %.2f s, %.0f MiB, %.2f MB;  qpdf --encrypt 256:    %.2f s, "
                "%.0f MiB, %.2f MB;"
                "  time %.2fx, size %.4fx\n",
                ownAes.seconds, ownAes.peakMiB, megabytes(ownLocked), qpdfAes.seconds,
                qpdfAes.peakMiB, megabytes(qpdfLocked), ownAes.seconds / qpdfAes.seconds,
                megabytes(ownLocked) / megabytes(qpdfLocked));
    std::printf("Save As, unedited:  %.2f s, %.0f MiB, %.2f MB;  %.4fx the input\n",
                ownSave.seconds, ownSave.peakMiB, megabytes(ownSaved),
                megabytes(ownSaved) / megabytes(input));
    return 0;
}
