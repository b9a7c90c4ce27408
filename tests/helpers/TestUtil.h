#pragma once

// Small waiting helpers for tests. Tests may spin an event loop; the program never does.

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFuture>
#include <QTest>

namespace TestUtil {

// Processes events until `future` is finished or `ms` pass; true when finished.
template<typename T>
bool waitFor(const QFuture<T> &future, int ms = 30000)
{
    QDeadlineTimer deadline(ms);
    while (!future.isFinished() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QTest::qWait(1);
    }
    // One more round so continuations queued to the main thread have run.
    QCoreApplication::processEvents();
    return future.isFinished();
}

// The result of `future` once finished; fails the calling test when it times out.
template<typename T>
T await(const QFuture<T> &future, int ms = 30000)
{
    if (!waitFor(future, ms)) {
        qFatal("timed out waiting for a future");
    }
    return future.result();
}

} // namespace TestUtil
