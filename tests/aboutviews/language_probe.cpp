// A stand-in for the program's start: the same settings, the language install,
// then one line each: the launch choice ("-" for none), a translated text, and
// whether the process named in PROBE_PREDECESSOR was still running by then.

#include "aboutviews/AppLanguage.h"

#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("Tamsel"));
    QCoreApplication::setApplicationName(QStringLiteral("Tamsel"));
    const QByteArray predecessor = qgetenv("TAMSEL_RELAUNCHED_FROM");

    AppLanguage::install(app);

    QTextStream out(stdout);
    out << AppLanguage::launchChoice().value_or(QStringLiteral("-")) << '\n'
        << QCoreApplication::translate("AboutView", "Language") << '\n';
    if (!predecessor.isEmpty()) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(QString::fromLatin1(predecessor)));
        const bool running = stat.open(QIODevice::ReadOnly) && !stat.readAll().contains(") Z");
        out << (running ? "running" : "gone") << '\n';
    }
    out << (qEnvironmentVariableIsSet("TAMSEL_RELAUNCHED_FROM") ? "passed on" : "not passed on")
        << '\n';
    return 0;
}
