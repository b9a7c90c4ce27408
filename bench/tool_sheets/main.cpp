// The compress and split sheets over real documents: how long until each
// compress row shows its size, how long a fit to a limit takes, and the longest
// the main thread went without handling events meanwhile (the sheet must stay
// responsive); then a 1,000-page document split page by page, from the click on
// "Split…" to the last file on disk.
//   bench_tool_sheets [photo pages, default 40] [pages to split, default 1000]

#include "document/OpenFile.h"
#include "engine/PDFEngine.h"
#include "helpers/FakeClock.h"
#include "helpers/FakeFilePanels.h"
#include "helpers/OutputFixtures.h"
#include "helpers/PdfFixtures.h"
#include "helpers/TestUtil.h"
#include "look/ThemeButton.h"
#include "model/AppModel.h"
#include "views/CompressSheet.h"
#include "views/SplitSheet.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

// The longest pause between two turns of the event loop while it is watched.
class StallWatch : public QObject
{
public:
    StallWatch()
    {
        m_timer.setInterval(1);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            m_longest = std::max(m_longest, m_since.nsecsElapsed() / 1e6);
            m_since.restart();
        });
    }
    void start()
    {
        m_longest = 0;
        m_since.start();
        m_timer.start();
    }
    double longestMs() const { return m_longest; }

private:
    QTimer m_timer;
    QElapsedTimer m_since;
    double m_longest = 0;
};

template<typename Predicate> double secondsUntil(Predicate done)
{
    QElapsedTimer timer;
    timer.start();
    QDeadlineTimer deadline(600000);
    while (!done() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return timer.nsecsElapsed() / 1e9;
}

OpenFile *open(AppModel &model, const QString &path)
{
    const QFuture<void> opening = model.open({QUrl::fromLocalFile(path)});
    TestUtil::waitFor(opening, 600000);
    return model.files().isEmpty() ? nullptr : model.files().last();
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tamsel"));
    QApplication::setApplicationName(QStringLiteral("Tamsel"));
    QSettings().clear();
    const int photoPages = argc > 1 ? std::max(1, atoi(argv[1])) : 40;
    const int splitPages = argc > 2 ? std::max(1, atoi(argv[2])) : 1000;

    QTemporaryDir folder;
    FakeClock clock;
    FakeFilePanels panels;
    PDFEngine engine;
    AppModel model(
        AppModel::Services{&engine, &clock, &panels, folder.filePath(QStringLiteral("stamps"))});
    StallWatch watch;

    // Compress: photographs of 2400 x 1800 pixels, one per page.
    const QString photos = folder.filePath(QStringLiteral("Photos.pdf"));
    Fixtures::writeImagePdf(
        photos, QList<Fixtures::ImagePage>(photoPages, Fixtures::ImagePage{QSize(2400, 1800)}));
    OpenFile *album = open(model, photos);
    {
        CompressSheet sheet(&model, album, nullptr);
        watch.start();
        QElapsedTimer timer;
        timer.start();
        for (const auto &[choice, name] : {std::pair{Compression::Choice::Original, "Original"},
                                           std::pair{Compression::Choice::Medium, "Medium"},
                                           std::pair{Compression::Choice::Small, "Small"}}) {
            secondsUntil([&] { return sheet.measured(choice).has_value(); });
            std::printf("compress %d photo pages: %-8s %8.2f s  %10lld bytes\n", photoPages, name,
                        timer.nsecsElapsed() / 1e9, qlonglong(sheet.measured(choice)->size()));
        }
        for (const int index : {4, 0}) {
            sheet.setChoice(Compression::Choice::UpTo);
            sheet.setLimitIndex(index);
            const double fitting = secondsUntil([&] { return sheet.fit().has_value(); });
            std::printf("compress %d photo pages: up to %s %6.2f s  %10lld bytes, %s%s\n",
                        photoPages,
                        qPrintable(Compression::limitTitle(Compression::limits().at(index))),
                        fitting, qlonglong(sheet.fit()->data.size()),
                        sheet.fit()->reached ? "reached" : "not reached",
                        sheet.fit()->pagesAsPictures ? ", pages as pictures" : "");
            sheet.setChoice(Compression::Choice::Original);
        }
        std::printf("compress: longest stall of the main thread %.1f ms\n", watch.longestMs());
    }

    // Split page by page into a fresh folder.
    const QString long_ = folder.filePath(QStringLiteral("Long.pdf"));
    Fixtures::writeNumberedPdf(long_, splitPages);
    OpenFile *document = open(model, long_);
    const QString out = folder.filePath(QStringLiteral("parts"));
    QDir().mkpath(out);
    panels.folderAnswers.enqueue(QUrl::fromLocalFile(out));
    {
        auto *sheet = new SplitSheet(&model, document, nullptr);
        sheet->setMode(SplitSheet::Mode::Each);
        watch.start();
        QElapsedTimer timer;
        timer.start();
        sheet->actionButton()->click();
        const double started = secondsUntil([&] { return model.busy().has_value(); });
        const double written = secondsUntil([&] { return !model.busy().has_value(); });
        std::printf("split %d pages page by page: %.2f s to start, %.2f s to write %lld files "
                    "(longest stall %.1f ms)\n",
                    splitPages, started, started + written,
                    qlonglong(QDir(out).entryList(QDir::Files).size()), watch.longestMs());
        delete sheet;
    }
    return 0;
}
