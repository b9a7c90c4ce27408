#pragma once

// Time as the models see it: the current date and waits that end later on the
// main thread. Delays of the user interface (toasts, prompts) go through a
// Clock so that tests can run them on a clock of their own.

#include <QDateTime>
#include <QFuture>
#include <QObject>

#include <chrono>

class Clock
{
public:
    virtual ~Clock() = default;

    virtual QDateTime now() const = 0;
    // A future that finishes on the main thread once `duration` has passed.
    // When the clock is destroyed first, the future is cancelled instead.
    virtual QFuture<void> sleep(std::chrono::milliseconds duration) = 0;
};

// The wall clock and QTimer. Lives on the main thread.
class SystemClock
    : public QObject
    , public Clock
{
    Q_OBJECT

public:
    explicit SystemClock(QObject *parent = nullptr);

    QDateTime now() const override;
    QFuture<void> sleep(std::chrono::milliseconds duration) override;
};
