// Codes read right, read wrong and missed, folder by folder, by our reader and by
// zbarimg on the same pictures in one run, with the time each takes. A picture
// counts when a text file of the same name lies beside it ("12.png" and
// "12.txt"), as public barcode sample sets are laid out; bench/README.md says
// where to get one. Fetches nothing; needs zbarimg (zbar-tools).
//
//     bench_codes [-v] [folder]    (default: bench/data/codes)
//
// -v lists every picture that either reader got wrong or missed.

#include "codes/CodeReader.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTextStream>
#include <QThread>
#include <QXmlStreamReader>

#include <cstdio>

namespace {

enum class Verdict { Correct, Wrong, Missed };

struct Tally
{
    int correct = 0;
    int wrong = 0;
    int missed = 0;

    void add(Verdict v) { ++(v == Verdict::Correct ? correct : v == Verdict::Wrong ? wrong : missed); }
    void add(const Tally &t)
    {
        correct += t.correct;
        wrong += t.wrong;
        missed += t.missed;
    }
    int total() const { return correct + wrong + missed; }
};

// The spellings of one content that readers differ on, made alike: GS1 element
// strings with or without parentheses and group separators, DataBar without its
// implied "01", UPC-A as 12 digits or as EAN-13 with a leading 0, UPC-E as its
// 8 digits or spelt out as UPC-A, and Codabar with or without its start and
// stop letters.
// The UPC-A number that an 8-digit UPC-E number stands for.
QString upcA(const QString &e)
{
    const QString d = e.mid(1, 6);
    const QChar last = d[5];
    QString body;
    if (last <= QLatin1Char('2')) {
        body = d.left(2) + last + QStringLiteral("0000") + d.mid(2, 3);
    } else if (last == QLatin1Char('3')) {
        body = d.left(3) + QStringLiteral("00000") + d.mid(3, 2);
    } else if (last == QLatin1Char('4')) {
        body = d.left(4) + QStringLiteral("00000") + d[4];
    } else {
        body = d.left(5) + QStringLiteral("0000") + last;
    }
    return e[0] + body + e[7];
}

QString canonical(QString text)
{
    static const QRegularExpression gs1(QStringLiteral("^\\((\\d{2,4})\\)"));
    if (gs1.match(text).hasMatch()) {
        text.remove(QLatin1Char('(')).remove(QLatin1Char(')'));
    }
    text.remove(QChar(0x1D));
    static const QRegularExpression digits(QStringLiteral("^\\d+$"));
    if (digits.match(text).hasMatch()) {
        if (text.size() == 16 && text.startsWith(QLatin1String("01"))) {
            text = text.mid(2);
        }
        if (text.size() == 13 && text.startsWith(QLatin1Char('0'))) {
            text = text.mid(1);
        }
        if (text.size() == 8 && (text[0] == QLatin1Char('0') || text[0] == QLatin1Char('1'))) {
            text = upcA(text);
        }
        return text;
    }
    static const QRegularExpression codabar(QStringLiteral("^[ABCDTNE*]([0-9$:/.+-]+)[ABCDTNE*]$"));
    if (const auto m = codabar.match(text); m.hasMatch()) {
        return m.captured(1);
    }
    return text;
}

Verdict judge(const QStringList &readings, const QString &expected)
{
    if (readings.isEmpty()) {
        return Verdict::Missed;
    }
    const QString want = canonical(expected);
    // An 8-digit Codabar without its start and stop letters is no UPC-E number.
    static const QRegularExpression codabar(QStringLiteral("^[ABCD]([0-9$:/.+-]+)[ABCD]$"));
    const auto bare = codabar.match(expected);
    for (const QString &r : readings) {
        if (r == expected || canonical(r) == want || (bare.hasMatch() && r == bare.captured(1))) {
            return Verdict::Correct;
        }
    }
    return Verdict::Wrong;
}

// zbarimg over all `files` at once; what it read, by file.
QMap<QString, QStringList> zbarimg(const QStringList &files)
{
    QProcess process;
    process.start(QStringLiteral("zbarimg"), QStringList{"-q", "--xml", "--nodbus"} + files);
    if (!process.waitForFinished(600000)) {
        process.kill();
        process.waitForFinished();
    }
    QMap<QString, QStringList> out;
    QXmlStreamReader xml(process.readAllStandardOutput());
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == QLatin1String("source")) {
            source = xml.attributes().value(QLatin1String("href")).toString();
        } else if (xml.name() == QLatin1String("data")) {
            const bool base64 = xml.attributes().value(QLatin1String("format")) == QLatin1String("base64");
            const QString text = xml.readElementText();
            out[source].append(base64 ? QString::fromUtf8(QByteArray::fromBase64(text.toLatin1())) : text);
        }
    }
    return out;
}

QString loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readLine()).section(' ', 0, 2) : QString("?");
}

QString line(const QString &folder, const QString &pictures, const QStringList &ours, const QStringList &zbar)
{
    return QStringLiteral("%1 %2 | %3 %4 %5 | %6 %7 %8\n")
        .arg(folder, -24)
        .arg(pictures, 8)
        .arg(ours[0], 5)
        .arg(ours[1], 5)
        .arg(ours[2], 6)
        .arg(zbar[0], 5)
        .arg(zbar[1], 5)
        .arg(zbar[2], 6);
}

QStringList counts(const Tally &t)
{
    return {QString::number(t.correct), QString::number(t.wrong), QString::number(t.missed)};
}

QString percent(int part, int whole)
{
    return QString::number(whole > 0 ? 100.0 * part / whole : 0.0, 'f', 1) + QStringLiteral(" %");
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool verbose = args.removeAll(QStringLiteral("-v")) > 0;
    const QDir root(args.value(0, QStringLiteral(TAMSEL_BENCH_DATA)));

    // Pictures with their expected text, by folder.
    static const QStringList pictureNames = {"*.png", "*.jpg", "*.jpeg", "*.gif", "*.bmp", "*.tif", "*.tiff", "*.webp"};
    QMap<QString, QStringList> folders;
    int unlabelled = 0;
    QDirIterator it(root.path(), pictureNames, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo picture(it.next());
        if (QFileInfo::exists(picture.dir().filePath(picture.completeBaseName() + ".txt"))) {
            folders[picture.path()].append(picture.filePath());
        } else {
            ++unlabelled;
        }
    }
    if (folders.isEmpty()) {
        std::fprintf(stderr, "no pictures with a .txt beside them under %s\n", qPrintable(root.path()));
        return 1;
    }

    QTextStream out(stdout);
    const QString loadBefore = loadAverage();
    // One picture first, so that neither side pays for its first start in the figures.
    const QString first = folders.first().first();
    CodeReader::codes(QImage(first));
    zbarimg({first});

    Tally oursAll, zbarAll;
    qint64 oursNs = 0, zbarNs = 0;
    QStringList misses;
    const QStringList heads = {"right", "wrong", "missed"};
    out << line(QString(), QString(), {QString(), "ours", QString()}, {QString(), "zbarimg", QString()});
    out << line("folder", "pictures", heads, heads);
    for (auto f = folders.begin(); f != folders.end(); ++f) {
        QStringList &pictures = f.value();
        pictures.sort();
        QElapsedTimer timer;
        timer.start();
        const QMap<QString, QStringList> zbar = zbarimg(pictures);
        zbarNs += timer.nsecsElapsed();

        Tally ours, theirs;
        for (const QString &path : pictures) {
            const QFileInfo info(path);
            QFile textFile(info.dir().filePath(info.completeBaseName() + ".txt"));
            textFile.open(QIODevice::ReadOnly);
            // Sample sets end their files with a line feed or not; the code's own text never does.
            QString expected = QString::fromUtf8(textFile.readAll());
            while (expected.endsWith('\n') || expected.endsWith('\r')) {
                expected.chop(1);
            }

            timer.restart();
            QStringList read;
            for (const CodeReader::Reading &r : CodeReader::codes(QImage(path))) {
                read.append(r.payload);
            }
            oursNs += timer.nsecsElapsed();

            const Verdict mine = judge(read, expected);
            const Verdict other = judge(zbar.value(path), expected);
            ours.add(mine);
            theirs.add(other);
            if (verbose && (mine != Verdict::Correct || other != Verdict::Correct)) {
                static const char *names[] = {"right", "wrong", "missed"};
                misses.append(QStringLiteral("%1: ours %2 [%3], zbarimg %4 [%5], expected [%6]")
                                  .arg(root.relativeFilePath(path), names[int(mine)], read.join(" | "),
                                       names[int(other)], zbar.value(path).join(" | "), expected));
            }
        }
        oursAll.add(ours);
        zbarAll.add(theirs);
        out << line(root.relativeFilePath(f.key()), QString::number(pictures.size()), counts(ours), counts(theirs));
    }
    const int n = oursAll.total();
    out << line("all", QString::number(n), counts(oursAll), counts(zbarAll));
    if (!misses.isEmpty()) {
        out << "\n" << misses.join('\n') << "\n";
    }
    out << "\nread right, ours:    " << percent(oursAll.correct, n) << "   wrong " << percent(oursAll.wrong, n)
        << "\nread right, zbarimg: " << percent(zbarAll.correct, n) << "   wrong " << percent(zbarAll.wrong, n) << "\n";
    out << "ms per picture, ours (load + read, in process):   " << QString::number(oursNs / 1e6 / n, 'f', 1) << "\n";
    out << "ms per picture, zbarimg (one run per folder):      " << QString::number(zbarNs / 1e6 / n, 'f', 1) << "\n";
    out << "time ours / zbarimg: " << QString::number(double(oursNs) / double(std::max<qint64>(zbarNs, 1)), 'f', 2)
        << "\n";
    if (unlabelled > 0) {
        out << "pictures without a .txt, not counted: " << unlabelled << "\n";
    }
    out << "cores: " << QThread::idealThreadCount() << ", load average before: " << loadBefore
        << ", after: " << loadAverage() << "\n";
    return 0;
}
