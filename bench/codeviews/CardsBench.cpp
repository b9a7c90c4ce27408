// How long the QR Codes screen takes to show the codes of a long read (one code
// per page of a large PDF), and to draw itself scrolled into the middle.
//   bench_codeviews [count ...]      (default 100 1000)

#include "codes/CodesModel.h"
#include "codeviews/CodesView.h"
#include "engine/PDFEngine.h"
#include "look/Theme.h"
#include "model/AppModel.h"

#include <QApplication>
#include <QScrollBar>
#include <QTemporaryDir>

#include <ctime>

namespace {

// CPU time of the main thread, which does all of this work: steadier than the
// wall clock on a busy machine.
double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

QList<FoundCode> codes(int count)
{
    const QStringList payloads{
        QStringLiteral("http://paypal.com-secure-login.example.net/verify?id=88213"),
        QStringLiteral("WIFI:T:WPA;S:Cafe Central Guest;P:espresso-2026;;"),
        QStringLiteral("BEGIN:VCARD\nVERSION:3.0\nFN:Jane Doe\nTEL:+44 20 7946 0958\nEND:VCARD"),
        QStringLiteral("4006381333931"),
    };
    QList<FoundCode> list;
    for (int i = 0; i < count; ++i) {
        list.append(FoundCode{QUuid::createUuid(), payloads[i % payloads.size()],
                              i % 4 == 3 ? CodeSymbology::EAN13 : CodeSymbology::QR,
                              QStringLiteral("Tickets.pdf"), i + 1});
    }
    return list;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    Theme::apply(app);
    QList<int> counts;
    for (int i = 1; i < argc; ++i) {
        counts.append(QString::fromLocal8Bit(argv[i]).toInt());
    }
    if (counts.isEmpty()) {
        counts = {100, 1000};
    }

    QTemporaryDir folder;
    PDFEngine engine;
    AppModel model(
        AppModel::Services{&engine, nullptr, nullptr, folder.filePath(QStringLiteral("stamps"))});
    CodesView view(&model);
    view.resize(900, 700);
    view.show();
    QCoreApplication::processEvents();

    for (const int count : counts) {
        model.codes()->setFound({});
        QCoreApplication::processEvents();
        const QList<FoundCode> list = codes(count);

        double start = cpuMs();
        model.codes()->setFound(list);
        QCoreApplication::processEvents();
        const double first = cpuMs() - start;
        QCoreApplication::processEvents();
        const qsizetype unscrolled = view.cards().size();
        while (view.cards().size() < count) {
            view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum());
            QCoreApplication::processEvents();
        }
        const double all = cpuMs() - start;

        view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum() / 2);
        start = cpuMs();
        const int frames = 20;
        for (int i = 0; i < frames; ++i) {
            view.verticalScrollBar()->setValue(view.verticalScrollBar()->value() + 40);
            view.viewport()->repaint();
        }
        const double perFrame = (cpuMs() - start) / frames;

        // A newer read of one code on top of the rest.
        start = cpuMs();
        model.codes()->setFound(codes(1) + model.codes()->found());
        while (view.cards().size() < count + 1) {
            view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum());
            QCoreApplication::processEvents();
        }
        QCoreApplication::processEvents();
        const double oneMore = cpuMs() - start;

        printf("%5d codes: first cards %.0f ms (%lld made before scrolling), all made by scrolling "
               "to the end"
               " %.0f ms, scrolled frame %.1f ms, one more read %.0f ms (main-thread CPU)\n",
               count, first, static_cast<long long>(unscrolled), all, perFrame, oneMore);
    }
    return 0;
}
