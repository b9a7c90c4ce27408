// Codes read right, read wrong and missed, folder by folder, on the same pictures
// read two ways through the program, beside zbarimg in the same run, with the
// time each takes: as pasted pictures (their bytes, as a clipboard offers them)
// and as files opened for reading codes. A picture counts when a text file of
// the same name lies beside it ("12.png" and "12.txt"), as public barcode
// sample sets are laid out; bench/README.md says where to get one. Fetches
// nothing; needs zbarimg (zbar-tools) and the engine's worker program.
//
//     bench_codes [-v] [folder]    (default: bench/data/codes)
//
// -v lists every picture that a reader got wrong or missed.

#include "codes/FileCodeReading.h"
#include "engine/PDFEngine.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFutureWatcher>
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

    void add(Verdict v)
    {
        ++(v == Verdict::Correct ? correct : v == Verdict::Wrong ? wrong : missed);
    }
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
            const bool base64 =
                xml.attributes().value(QLatin1String("format")) == QLatin1String("base64");
            const QString text = xml.readElementText();
            out[source].append(base64 ? QString::fromUtf8(QByteArray::fromBase64(text.toLatin1()))
                                      : text);
        }
    }
    return out;
}

// The future's result, or `otherwise` when it ends without one.
template<typename T> T await(QFuture<T> future, T otherwise)
{
    if (!future.isFinished()) {
        QEventLoop loop;
        QFutureWatcher<T> watcher;
        QObject::connect(&watcher, &QFutureWatcher<T>::finished, &loop, &QEventLoop::quit);
        watcher.setFuture(future);
        if (!future.isFinished()) {
            loop.exec();
        }
    }
    return future.isCanceled() || future.resultCount() == 0 ? otherwise : future.result();
}

QStringList texts(const QList<FoundCode> &codes)
{
    QStringList out;
    for (const FoundCode &code : codes) {
        out.append(code.payload);
    }
    return out;
}

// A paste: the picture's bytes as a program offers them on the clipboard.
QStringList pasted(PDFEngine &engine, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return texts(await(CodeReading::pastedCodes(&engine, file.readAll()), QList<FoundCode>()));
}

// The picture opened as a file on the QR Codes screen.
QStringList opened(PDFEngine &engine, const QString &path)
{
    const QUrl url = QUrl::fromLocalFile(path);
    const auto found = await(CodeReading::pictureCodes(&engine, url, url.fileName(), CancelToken()),
                             Result<QList<FoundCode>>(Error{}));
    return found.ok() ? texts(found.value()) : QStringList();
}

QString loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readLine()).section(' ', 0, 2)
                                          : QString("?");
}

QString line(const QString &folder, const QString &pictures, const QList<QStringList> &columns)
{
    QString out = QStringLiteral("%1 %2").arg(folder, -24).arg(pictures, 8);
    for (const QStringList &c : columns) {
        out += QStringLiteral(" | %1 %2 %3").arg(c[0], 5).arg(c[1], 5).arg(c[2], 6);
    }
    return out + QLatin1Char('\n');
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
    static const QStringList pictureNames = {"*.png", "*.jpg", "*.jpeg", "*.gif",
                                             "*.bmp", "*.tif", "*.tiff", "*.webp"};
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
        std::fprintf(stderr, "no pictures with a .txt beside them under %s\n",
                     qPrintable(root.path()));
        return 1;
    }

    QTextStream out(stdout);
    PDFEngine engine;
    const QString loadBefore = loadAverage();
    // One picture first, so that no reader pays for its first start in the figures.
    const QString first = folders.first().first();
    pasted(engine, first);
    opened(engine, first);
    zbarimg({first});

    enum Reader { Pasted, Opened, Zbar, Readers };
    static const char *readerNames[] = {"pasted", "opened", "zbarimg"};
    Tally all[Readers];
    qint64 ns[Readers] = {};
    QStringList misses;
    const QStringList heads = {"right", "wrong", "missed"};
    out << line(QString(), QString(),
                {{QString(), "pasted", QString()},
                 {QString(), "opened", QString()},
                 {QString(), "zbarimg", QString()}});
    out << line("folder", "pictures", {heads, heads, heads});
    for (auto f = folders.begin(); f != folders.end(); ++f) {
        QStringList &pictures = f.value();
        pictures.sort();
        QElapsedTimer timer;
        timer.start();
        const QMap<QString, QStringList> zbar = zbarimg(pictures);
        ns[Zbar] += timer.nsecsElapsed();

        Tally tally[Readers];
        for (const QString &path : pictures) {
            const QFileInfo info(path);
            QFile textFile(info.dir().filePath(info.completeBaseName() + ".txt"));
            textFile.open(QIODevice::ReadOnly);
            // Sample sets end their files with a line feed or not; the code's own text never does.
            QString expected = QString::fromUtf8(textFile.readAll());
            while (expected.endsWith('\n') || expected.endsWith('\r')) {
                expected.chop(1);
            }

            QStringList read[Readers];
            timer.restart();
            read[Pasted] = pasted(engine, path);
            ns[Pasted] += timer.nsecsElapsed();
            timer.restart();
            read[Opened] = opened(engine, path);
            ns[Opened] += timer.nsecsElapsed();
            read[Zbar] = zbar.value(path);

            Verdict verdicts[Readers];
            bool allRight = true;
            for (int r = 0; r < Readers; ++r) {
                verdicts[r] = judge(read[r], expected);
                tally[r].add(verdicts[r]);
                allRight = allRight && verdicts[r] == Verdict::Correct;
            }
            if (verbose && !allRight) {
                static const char *names[] = {"right", "wrong", "missed"};
                QString entry = root.relativeFilePath(path) + QLatin1Char(':');
                for (int r = 0; r < Readers; ++r) {
                    entry += QStringLiteral(" %1 %2 [%3],")
                                 .arg(readerNames[r], names[int(verdicts[r])], read[r].join(" | "));
                }
                misses.append(entry + QStringLiteral(" expected [%1]").arg(expected));
            }
        }
        QList<QStringList> columns;
        for (int r = 0; r < Readers; ++r) {
            all[r].add(tally[r]);
            columns.append(counts(tally[r]));
        }
        out << line(root.relativeFilePath(f.key()), QString::number(pictures.size()), columns);
    }
    const int n = all[Pasted].total();
    out << line("all", QString::number(n),
                {counts(all[Pasted]), counts(all[Opened]), counts(all[Zbar])});
    if (!misses.isEmpty()) {
        out << "\n" << misses.join('\n') << "\n";
    }
    out << "\n";
    for (int r = 0; r < Readers; ++r) {
        out << QStringLiteral("%1 read right %2, wrong %3, ms per picture %4\n")
                   .arg(readerNames[r], -8)
                   .arg(percent(all[r].correct, n), 7)
                   .arg(percent(all[r].wrong, n), 7)
                   .arg(QString::number(ns[r] / 1e6 / n, 'f', 1));
    }
    out << "(pasted and opened: decoded by the worker and read, one picture at a time; zbarimg: "
           "one run per "
           "folder)\n";
    if (unlabelled > 0) {
        out << "pictures without a .txt, not counted: " << unlabelled << "\n";
    }
    out << "cores: " << QThread::idealThreadCount() << ", load average before: " << loadBefore
        << ", after: " << loadAverage() << "\n";
    return 0;
}
