// Time of the app model's Save As of a 1,000-page document with turned pages,
// and of merging ten 100-page files, each from the confirmed panel to the file
// on disk, next to `qpdf --empty --pages` of the same files.
// Inputs are made into the folder given as the first argument (default: a
// folder in the temporary directory) and reused by later runs.

#include "document/OpenFile.h"
#include "engine/PDFEngine.h"
#include "helpers/FakeFilePanels.h"
#include "helpers/PdfFixtures.h"
#include "helpers/TestUtil.h"
#include "model/AppModel.h"
#include "model/MergeModel.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>

#include <cstdio>

namespace {

constexpr int runs = 3;

double bestOf(const std::function<void()> &work)
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

void qpdf(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral("qpdf"), arguments);
    if (!process.waitForFinished(600000) || process.exitCode() > 3) { // 3: warnings
        std::fprintf(stderr, "qpdf failed: %s\n", process.readAllStandardError().constData());
    }
}

QString sizeOf(const QString &path)
{
    return QString::number(QFileInfo(path).size() / 1024.0 / 1024.0, 'f', 2) +
           QStringLiteral(" MB");
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                    : QDir::temp().filePath(QStringLiteral("tamsel-bench-save"));
    QDir().mkpath(folder);
    const QDir dir(folder);

    const QString big = dir.filePath(QStringLiteral("thousand.pdf"));
    if (!QFileInfo::exists(big)) {
        Fixtures::writeNumberedPdf(big, 1000);
    }
    QStringList parts;
    for (int i = 1; i <= 10; ++i) {
        const QString part = dir.filePath(QStringLiteral("part %1.pdf").arg(i));
        if (!QFileInfo::exists(part)) {
            Fixtures::writeNumberedPdf(part, 100);
        }
        parts.append(part);
    }

    PDFEngine engine;
    FakeFilePanels panels;
    AppModel model(
        AppModel::Services{&engine, nullptr, &panels, dir.filePath(QStringLiteral("stamps"))});

    // Save As: every third page turned a quarter, one in five a half.
    TestUtil::waitFor(model.open({QUrl::fromLocalFile(big)}), 600000);
    OpenFile *file = model.files().last();
    QSet<QUuid> quarter;
    QSet<QUuid> half;
    for (int i = 0; i < file->pages().size(); ++i) {
        if (i % 3 == 0) {
            quarter.insert(file->pages()[i].id);
        } else if (i % 5 == 0) {
            half.insert(file->pages()[i].id);
        }
    }
    TestUtil::waitFor(model.turn(file, quarter, true));
    TestUtil::waitFor(model.turn(file, half, true));
    TestUtil::waitFor(model.turn(file, half, true));
    const QString saved = dir.filePath(QStringLiteral("saved.pdf"));
    const double saveAs = bestOf([&] {
        panels.saveAnswers.enqueue(QUrl::fromLocalFile(saved));
        TestUtil::waitFor(model.saveAs(file), 600000);
    });
    const QString qpdfSaved = dir.filePath(QStringLiteral("qpdf-saved.pdf"));
    const double qpdfSave = bestOf([&] {
        qpdf({QStringLiteral("--empty"), QStringLiteral("--pages"), big, QStringLiteral("--"),
              QStringLiteral("--rotate=+90:1-z"), qpdfSaved});
    });

    // Merge: ten 100-page files in list order.
    QList<QUrl> urls;
    for (const QString &part : parts) {
        urls.append(QUrl::fromLocalFile(part));
    }
    TestUtil::waitFor(model.addToMerge(urls), 600000);
    const QString merged = dir.filePath(QStringLiteral("merged.pdf"));
    const double merge = bestOf([&] {
        panels.saveAnswers.enqueue(QUrl::fromLocalFile(merged));
        TestUtil::waitFor(model.mergeFiles(), 600000);
    });
    const QString qpdfMerged = dir.filePath(QStringLiteral("qpdf-merged.pdf"));
    const double qpdfMerge = bestOf([&] {
        QStringList arguments{QStringLiteral("--empty"), QStringLiteral("--pages")};
        arguments += parts;
        arguments += {QStringLiteral("--"), qpdfMerged};
        qpdf(arguments);
    });

    if (model.errorMessage()) {
        std::fprintf(stderr, "error: %s\n", qPrintable(*model.errorMessage()));
        return 1;
    }
    std::printf("best of %d runs\n", runs);
    std::printf("Save As, 1,000 pages with turns: %.3f s (%s); qpdf --empty --pages: %.3f s (%s)\n",
                saveAs, qPrintable(sizeOf(saved)), qpdfSave, qPrintable(sizeOf(qpdfSaved)));
    std::printf("Merge, ten 100-page files:       %.3f s (%s); qpdf --empty --pages: %.3f s (%s)\n",
                merge, qPrintable(sizeOf(merged)), qpdfMerge, qPrintable(sizeOf(qpdfMerged)));
    return 0;
}
