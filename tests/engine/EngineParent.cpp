// A program that keeps its one engine worker drawing a page that never ends,
// for the test that kills it:
//   tamsel-engine-parent <worker program> <file.pdf>
// prints the process ids of its children once the drawing is asked for, then
// waits to be killed.

#include "engine/PDFEngine.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QUrl>

#include <unistd.h>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        return 2;
    }
    PDFEngine::Options options = PDFEngine::Options::standard();
    options.workerExecutable = QString::fromLocal8Bit(argv[1]);
    options.workerArguments = {QStringLiteral("--fault=hang:render:0")};
    options.workers = 1;
    PDFEngine engine(options);
    const QUrl url = QUrl::fromLocalFile(QString::fromLocal8Bit(argv[2]));
    engine.open(url, std::nullopt).then(&app, [&](const PDFEngine::OpenResult &) {
        engine.image(PageSource{url, 0}, 0, 256);
        const QString self = QString::number(::getpid());
        for (const QString &pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
            QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
            // After the name in parentheses: the state, then the parent's id.
            if (stat.open(QIODevice::ReadOnly) && QString::fromLatin1(stat.readAll())
                                                          .section(QLatin1Char(')'), -1)
                                                          .split(QLatin1Char(' '))
                                                          .value(2) == self) {
                std::printf("%s\n", qPrintable(pid));
            }
        }
        std::fflush(stdout);
    });
    return app.exec();
}
