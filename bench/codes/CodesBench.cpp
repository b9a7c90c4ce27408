// Share of codes read and time per picture: our reader beside zbarimg on the
// pictures of bench/data/codes. Fetches nothing; needs zbarimg (zbar-tools).
//
//     bench_codes [folder]

#include "codes/CodeReader.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QMap>
#include <QProcess>
#include <QTextStream>

#include <cstdio>

namespace {

struct Outcome
{
    bool ours = false;
    bool zbar = false;
};

bool contains(const QStringList &readings, const QString &expected)
{
    for (const QString &r : readings) {
        if (r.contains(expected)) {
            return true;
        }
    }
    return false;
}

QStringList zbarimg(const QStringList &files)
{
    QProcess process;
    process.start(QStringLiteral("zbarimg"), QStringList{"-q", "--raw", "--nodbus"} + files);
    process.waitForFinished(120000);
    return QString::fromUtf8(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(TAMSEL_BENCH_DATA));

    QMap<QString, QString> expected;
    QFile table(folder.filePath("expected.tsv"));
    if (!table.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "no expected.tsv in %s\n", qPrintable(folder.path()));
        return 1;
    }
    for (const QString &line : QString::fromUtf8(table.readAll()).split('\n', Qt::SkipEmptyParts)) {
        if (!line.startsWith('#')) {
            expected.insert(line.section('\t', 0, 0), line.section('\t', 1));
        }
    }

    const QStringList pictures = folder.entryList({"*.png", "*.jpg"}, QDir::Files, QDir::Name);
    // One picture first, so that neither side pays for its first start in the figures.
    CodeReader::codes(QImage(folder.filePath(pictures.value(0))));
    zbarimg({folder.filePath(pictures.value(0))});

    QMap<QString, QMap<QString, Outcome>> results; // kind -> variant -> outcome
    qint64 oursNs = 0, zbarNs = 0;
    int oursRead = 0, zbarRead = 0;
    for (const QString &name : pictures) {
        const QString base = QFileInfo(name).completeBaseName();
        const QString kind = base.section('-', 0, 0);
        const QString variant = base.section('-', 1);
        const QString want = expected.value(kind);
        const QString path = folder.filePath(name);

        QElapsedTimer timer;
        timer.start();
        QStringList ours;
        for (const CodeReader::Reading &r : CodeReader::codes(QImage(path))) {
            ours.append(r.payload);
        }
        oursNs += timer.nsecsElapsed();

        timer.restart();
        const QStringList zbar = zbarimg({path});
        zbarNs += timer.nsecsElapsed();

        Outcome &o = results[kind][variant];
        o.ours = contains(ours, want);
        o.zbar = contains(zbar, want);
        oursRead += o.ours;
        zbarRead += o.zbar;
    }

    // zbarimg once over every picture: its start-up spread over the set.
    QStringList paths;
    for (const QString &name : pictures) {
        paths.append(folder.filePath(name));
    }
    QElapsedTimer batch;
    batch.start();
    zbarimg(paths);
    const double zbarBatchMs = batch.nsecsElapsed() / 1e6 / pictures.size();

    QTextStream out(stdout);
    out << "kind              variants: ours / zbarimg (read of all)\n";
    for (auto k = results.cbegin(); k != results.cend(); ++k) {
        int ours = 0, zbar = 0;
        QStringList missed;
        for (auto v = k.value().cbegin(); v != k.value().cend(); ++v) {
            ours += v.value().ours;
            zbar += v.value().zbar;
            if (!v.value().ours) {
                missed.append(v.key());
            }
        }
        out << qSetFieldWidth(18) << Qt::left << k.key() << qSetFieldWidth(0) << ours << " / " << zbar << " of "
            << k.value().size();
        if (!missed.isEmpty()) {
            out << "   (ours missed: " << missed.join(", ") << ")";
        }
        out << "\n";
    }
    const int n = int(pictures.size());
    out << "\npictures: " << n << "\n";
    out << "read, ours:    " << oursRead << " (" << QString::number(100.0 * oursRead / n, 'f', 1) << " %)\n";
    out << "read, zbarimg: " << zbarRead << " (" << QString::number(100.0 * zbarRead / n, 'f', 1) << " %)\n";
    out << "ms per picture, ours (load + read, in process):  " << QString::number(oursNs / 1e6 / n, 'f', 1) << "\n";
    out << "ms per picture, zbarimg (one run per picture):    " << QString::number(zbarNs / 1e6 / n, 'f', 1) << "\n";
    out << "ms per picture, zbarimg (one run for all):        " << QString::number(zbarBatchMs, 'f', 1) << "\n";
    return 0;
}
