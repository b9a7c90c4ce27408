#pragma once

// Small waiting helpers for tests. Tests may spin an event loop; the program never does.

#include <QCoreApplication>
#include <QEventLoop>
#include <QFuture>
#include <QFutureWatcher>
#include <QTimer>

namespace TestUtil {

// Processes events until `future` is finished or `ms` pass; true when finished.
template<typename T> bool waitFor(const QFuture<T> &future, int ms = 30000)
{
    if (!future.isFinished()) {
        QEventLoop loop;
        QFutureWatcher<T> watcher;
        QObject::connect(&watcher, &QFutureWatcherBase::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(ms, &loop, &QEventLoop::quit);
        watcher.setFuture(future);
        loop.exec();
    }
    // One more round so continuations queued to the main thread have run.
    QCoreApplication::processEvents();
    return future.isFinished();
}

// The result of `future` once finished; fails the calling test when it times out.
template<typename T> T await(const QFuture<T> &future, int ms = 30000)
{
    if (!waitFor(future, ms)) {
        qFatal("timed out waiting for a future");
    }
    return future.result();
}

} // namespace TestUtil
