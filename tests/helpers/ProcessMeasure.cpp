#include "helpers/ProcessMeasure.h"

#include <QElapsedTimer>
#include <QTemporaryFile>

#include <vector>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char **environ;

MeasuredRun measureRun(const QStringList &command)
{
    MeasuredRun result;
    if (command.isEmpty()) {
        return result;
    }
    QList<QByteArray> storage;
    for (const QString &part : command) {
        storage.append(part.toLocal8Bit());
    }
    std::vector<char *> argv;
    for (QByteArray &item : storage) {
        argv.push_back(item.data());
    }
    argv.push_back(nullptr);
    QTemporaryFile printed;
    if (!printed.open()) {
        return result;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, printed.handle(), 1);
    QElapsedTimer timer;
    timer.start();
    pid_t child = 0;
    const int spawned = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        return result;
    }
    result.started = true;
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    result.seconds = timer.nsecsElapsed() / 1e9;
    result.peakMiB = usage.ru_maxrss / 1024.0;
    result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    printed.seek(0);
    result.output = QString::fromLocal8Bit(printed.readAll()).trimmed();
    return result;
}
