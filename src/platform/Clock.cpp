#include "platform/Clock.h"

#include <QPromise>
#include <QTimer>

#include <memory>

SystemClock::SystemClock(QObject *parent)
    : QObject(parent)
{}

QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTimeUtc();
}

QFuture<void> SystemClock::sleep(std::chrono::milliseconds duration)
{
    auto promise = std::make_shared<QPromise<void>>();
    promise->start();
    QFuture<void> future = promise->future();
    // The timer is the clock's child: when the clock goes first, the timer and
    // with it the promise are dropped unfinished, and the waiting side sees a
    // cancelled future.
    auto *timer = new QTimer(this);
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, timer, [promise, timer] {
        promise->finish();
        timer->deleteLater();
    });
    timer->start(duration);
    return future;
}
