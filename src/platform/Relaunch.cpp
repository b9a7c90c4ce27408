#include "platform/Relaunch.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QThread>

#include <chrono>

namespace {

// Set for the new copy only: the process id of the copy it replaces.
constexpr char predecessorVariable[] = "TAMSEL_RELAUNCHED_FROM";
constexpr auto predecessorWait = std::chrono::seconds(10);

// True while the process exists and has not ended; a zombie waiting for its
// parent to collect it has ended.
bool isRunning(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray line = stat.readAll();
    // The state follows the command name, which is in parentheses and may hold any character.
    const qsizetype close = line.lastIndexOf(')');
    if (close < 0 || close + 2 >= line.size()) {
        return false;
    }
    const char state = line.at(close + 2);
    return state != 'Z' && state != 'X';
}

} // namespace

namespace Relaunch {

bool startSuccessor(const QString &program)
{
    QProcess process;
    process.setProgram(program);
    process.setWorkingDirectory(QDir::currentPath());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(predecessorVariable),
                       QString::number(QCoreApplication::applicationPid()));
    process.setProcessEnvironment(environment);
    return process.startDetached();
}

void waitForPredecessor()
{
    const QByteArray value = qgetenv(predecessorVariable);
    if (value.isEmpty()) {
        return;
    }
    // Not passed on to programs this copy starts.
    qunsetenv(predecessorVariable);
    bool ok = false;
    const qint64 pid = value.toLongLong(&ok);
    if (!ok || pid <= 1 || pid == QCoreApplication::applicationPid()) {
        return;
    }
    // Bounded: if the old copy stays (its quit was refused), this one hands itself
    // over to it as any second launch does.
    const QDeadlineTimer deadline(predecessorWait);
    while (isRunning(pid) && !deadline.hasExpired()) {
        QThread::msleep(50);
    }
}

} // namespace Relaunch
