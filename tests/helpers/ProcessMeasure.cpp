#include "helpers/ProcessMeasure.h"

#include <QElapsedTimer>
#include <QTemporaryFile>

#include <QDir>
#include <QFile>

#include <chrono>
#include <set>
#include <thread>
#include <utility>
#include <vector>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

// `pid` and every process below it.
void collectTree(pid_t pid, std::vector<pid_t> &into)
{
    into.push_back(pid);
    const QString taskDir = QStringLiteral("/proc/%1/task").arg(pid);
    for (const QString &task : QDir(taskDir).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile children(taskDir + QLatin1Char('/') + task + QStringLiteral("/children"));
        if (!children.open(QIODevice::ReadOnly)) {
            continue;
        }
        for (const QByteArray &child : children.readAll().split(' ')) {
            bool ok = false;
            const int id = child.trimmed().toInt(&ok);
            if (ok && id > 0) {
                collectTree(pid_t(id), into);
            }
        }
    }
}

// Kilobytes of a "Name:   123 kB" line of a /proc file.
qint64 kilobytes(const QByteArray &text, const QByteArray &name)
{
    const qsizetype at = text.indexOf("\n" + name + ':');
    if (at < 0) {
        return 0;
    }
    const qsizetype start = at + name.size() + 2;
    const qsizetype end = text.indexOf('\n', start);
    return text.mid(start, end - start).replace("kB", "").trimmed().toLongLong();
}

// What the tree of `root` uses now, in bytes (see MeasuredRun::treePeakMiB).
qint64 treeBytes(pid_t root)
{
    std::vector<pid_t> tree;
    collectTree(root, tree);
    qint64 total = 0;
    std::set<std::pair<dev_t, ino_t>> memoryFiles;
    for (pid_t pid : tree) {
        QFile rollup(QStringLiteral("/proc/%1/smaps_rollup").arg(pid));
        if (rollup.open(QIODevice::ReadOnly)) {
            const QByteArray text = '\n' + rollup.readAll();
            total += 1024 * (kilobytes(text, "Pss_Anon") + kilobytes(text, "Pss_File"));
        }
        const QString fdDir = QStringLiteral("/proc/%1/fd").arg(pid);
        for (const QString &fd :
             QDir(fdDir).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
            const QByteArray path = QFile::encodeName(fdDir + QLatin1Char('/') + fd);
            char target[64];
            const ssize_t length = ::readlink(path.constData(), target, sizeof target);
            struct stat info;
            if (length > 7 && QByteArrayView(target, length).startsWith("/memfd:") &&
                ::stat(path.constData(), &info) == 0 &&
                memoryFiles.insert({info.st_dev, info.st_ino}).second) {
                total += qint64(info.st_blocks) * 512;
            }
        }
    }
    return total;
}

} // namespace

MeasuredRun measureRun(const QStringList &command, bool sampleTree)
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
    qint64 treePeak = 0;
    while (sampleTree && wait4(child, &status, WNOHANG, &usage) == 0) {
        treePeak = std::max(treePeak, treeBytes(child));
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
    if (!sampleTree) {
        wait4(child, &status, 0, &usage);
    }
    result.seconds = timer.nsecsElapsed() / 1e9;
    result.peakMiB = usage.ru_maxrss / 1024.0;
    result.cpuSeconds = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                        double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    result.treePeakMiB = double(treePeak) / (1024.0 * 1024.0);
    result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    printed.seek(0);
    result.output = QString::fromLocal8Bit(printed.readAll()).trimmed();
    return result;
}
