// Opens a generated document in the page grid and measures what the user waits
// for: the grid's first paint, the first screenful of page pictures, and a
// scroll from the top to the bottom until the last screenful is painted; then
// a read through the whole document one screenful at a time, and the peak
// memory after each.
//
//   bench_pagegrid [pages] [width] [height]     (defaults: 1000 pages, 1280 x 800)
//
// Run it on a real display or under xvfb-run; the offscreen platform works too.

#include "document/OpenFile.h"
#include "engine/PDFEngine.h"
#include "helpers/PdfFixtures.h"
#include "helpers/TestUtil.h"
#include "look/Theme.h"
#include "model/AppModel.h"
#include "model/Thumbnails.h"
#include "views/DocumentView.h"
#include "views/PageCell.h"
#include "views/PageGrid.h"
#include "views/PageImage.h"
#include "views/PageListModel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <cstdio>

namespace {

// Paints the grid now, as the window system would on the next frame.
void paintNow(PageGrid *grid)
{
    grid->viewport()->repaint();
}

bool screenfulCached(const AppModel &model, PageGrid *grid)
{
    const auto [first, last] = grid->visibleRows();
    for (int row = first; row <= last; ++row) {
        const auto key = PageImage::key(grid->pages()->page(row), PageCell::thumbnailLongSide);
        if (model.thumbnails()->image(key).isNull()) {
            return false;
        }
    }
    return first <= last;
}

// Runs the event loop until the screenful on view is cached, then paints it.
void waitForScreenful(const AppModel &model, PageGrid *grid)
{
    while (!screenfulCached(model, grid)) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    paintNow(grid);
}

long peakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    Theme::apply(app);
    const int pages = argc > 1 ? std::atoi(argv[1]) : 1000;
    const int width = argc > 2 ? std::atoi(argv[2]) : 1280;
    const int height = argc > 3 ? std::atoi(argv[3]) : 800;

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("long.pdf"));
    if (!Fixtures::writeNumberedPdf(path, pages)) {
        std::fprintf(stderr, "could not write the document\n");
        return 1;
    }

    PDFEngine engine;
    AppModel model(
        AppModel::Services{&engine, nullptr, nullptr, folder.filePath(QStringLiteral("stamps"))});

    QElapsedTimer clock;
    clock.start();
    TestUtil::waitFor(model.open({QUrl::fromLocalFile(path)}));
    OpenFile *file = model.files().value(0);
    if (!file) {
        std::fprintf(stderr, "could not open the document\n");
        return 1;
    }
    const qint64 opened = clock.elapsed();

    clock.restart();
    DocumentView view(&model, file);
    view.resize(width, height);
    view.show();
    PageGrid *grid = view.grid();
    paintNow(grid);
    const qint64 shown = clock.elapsed();
    waitForScreenful(model, grid);
    const qint64 firstScreenful = clock.elapsed();
    const auto [first, last] = grid->visibleRows();
    QElapsedTimer paintClock;
    paintClock.start();
    const int paints = 20;
    for (int i = 0; i < paints; ++i) {
        paintNow(grid);
    }
    const double paintMs = double(paintClock.nsecsElapsed()) / 1e6 / paints;

    // The scroll bar dragged from top to bottom in 60 steps of one frame each:
    // each step scrolls, and the event loop paints what scrolled into view.
    clock.restart();
    QScrollBar *bar = grid->verticalScrollBar();
    const int steps = 60;
    for (int step = 1; step <= steps; ++step) {
        bar->setValue(bar->maximum() * step / steps);
        QCoreApplication::processEvents();
    }
    const qint64 scrolled = clock.elapsed();
    waitForScreenful(model, grid);
    const qint64 lastScreenful = clock.elapsed();

    const long peakAfterFastScroll = peakKilobytes();

    // Then the reader's way: back to the top and down one screenful at a time,
    // each painted before the next, so every page passes through the cache.
    bar->setValue(0);
    waitForScreenful(model, grid);
    clock.restart();
    int screens = 1;
    while (bar->value() < bar->maximum()) {
        bar->setValue(bar->value() + bar->pageStep());
        waitForScreenful(model, grid);
        ++screens;
    }
    const qint64 readThrough = clock.elapsed();

    std::printf("pages %d, window %d x %d, %d columns, %d cells on screen\n", pages, width, height,
                grid->columnCount(), last - first + 1);
    std::printf("open document (model)           %6lld ms\n", static_cast<long long>(opened));
    std::printf("grid shown, first paint         %6lld ms\n", static_cast<long long>(shown));
    std::printf("first screenful of pictures     %6lld ms\n",
                static_cast<long long>(firstScreenful));
    std::printf("one paint of a full screenful   %6.1f ms\n", paintMs);
    std::printf("scroll top to bottom (%d steps) %6lld ms\n", steps,
                static_cast<long long>(scrolled));
    std::printf("last screenful painted          %6lld ms after the scroll began\n",
                static_cast<long long>(lastScreenful));
    std::printf("peak RSS after the fast scroll  %6ld MB\n", peakAfterFastScroll / 1024);
    std::printf("read through, %3d screenfuls    %6lld ms (%.1f ms a page)\n", screens,
                static_cast<long long>(readThrough), double(readThrough) / pages);
    std::printf("peak RSS after reading through  %6ld MB\n", peakKilobytes() / 1024);
    return 0;
}
