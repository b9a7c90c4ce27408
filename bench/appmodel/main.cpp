// Page edits of the app model on a generated 1,000-page PDF: opening it, placing
// a stamp on every page, turning every stamped page (each measured on the
// engine), reordering half of the pages, deleting half, and closing.
//
//   bench_appmodel [pages] [runs]     (defaults: 1000 pages, 3 runs; the best run counts)

#include "document/OpenFile.h"
#include "engine/PDFEngine.h"
#include "helpers/FakeClock.h"
#include "helpers/PdfFixtures.h"
#include "helpers/TestUtil.h"
#include "model/AppModel.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>
#include <map>

namespace {

using Times = std::map<QString, double>;

void measure(Times &best, const QString &step, QElapsedTimer &timer)
{
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    if (!best.count(step) || ms < best[step]) {
        best[step] = ms;
    }
    timer.restart();
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    const int pages = argc > 1 ? QString(argv[1]).toInt() : 1000;
    const int runs = argc > 2 ? QString(argv[2]).toInt() : 3;

    QTemporaryDir dir;
    const QUrl url = QUrl::fromLocalFile(dir.filePath("long.pdf"));
    if (!Fixtures::writeNumberedPdf(url.toLocalFile(), pages)) {
        std::fprintf(stderr, "could not write the document\n");
        return 1;
    }

    Times best;
    for (int run = 0; run < runs; ++run) {
        PDFEngine engine;
        FakeClock clock;
        AppModel model(AppModel::Services{&engine, &clock, nullptr, dir.filePath("stamps")});
        QElapsedTimer timer;
        timer.start();

        TestUtil::waitFor(model.open({url}));
        measure(best, "open", timer);
        OpenFile *file = model.files().first();

        const StampRecord stamp{QUuid::createUuid(), "Stamp", 0, 400, 200};
        for (const PageItem &page : QList<PageItem>(file->pages())) {
            model.place(stamp, file, page.id);
        }
        measure(best, "place a stamp on every page", timer);

        QSet<QUuid> all;
        for (const PageItem &page : file->pages()) {
            all.insert(page.id);
        }
        TestUtil::waitFor(model.turn(file, all, true));
        measure(best, "turn every stamped page", timer);

        QList<QUuid> odd;
        for (int i = 1; i < file->pages().size(); i += 2) {
            odd.append(file->pages()[i].id);
        }
        model.move(file, odd, file->pages().first().id);
        measure(best, "move half the pages to the front", timer);

        model.deletePages(file, QSet<QUuid>(odd.cbegin(), odd.cend()));
        measure(best, "delete half the pages", timer);

        model.close(file);
        TestUtil::await(engine.cachedDocumentCount());
        measure(best, "close and release", timer);
    }

    std::printf("%d pages, best of %d runs\n", pages, runs);
    for (const auto &[step, ms] : best) {
        std::printf("  %-36s %9.2f ms\n", qPrintable(step), ms);
    }
    return 0;
}
