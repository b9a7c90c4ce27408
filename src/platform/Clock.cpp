#include "platform/Clock.h"

#include <QPromise>
#include <QTimer>

#include <memory>

SystemClock::SystemClock(QObject *parent) : QObject(parent) {}

QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTimeUtc();
}

QFuture<void> SystemClock::sleep(std::chrono::milliseconds duration)
{
    auto promise = std::make_shared<QPromise<void>>();
    promise->start();
    QFuture<void> future = promise->future();
    // The timer is bound to the clock: when the clock goes first, the promise is
    // dropped unfinished and the waiting side sees a cancelled future.
    QTimer::singleShot(duration, this, [promise] { promise->finish(); });
    return future;
}
