#pragma once

// A clock for tests: time stands still until the test moves it on, and every
// wait that the code under test starts is recorded with its duration.

#include "platform/Clock.h"

#include <QList>
#include <QPromise>

#include <memory>

class FakeClock : public Clock
{
public:
    FakeClock();
    ~FakeClock() override;

    QDateTime now() const override { return m_now; }
    QFuture<void> sleep(std::chrono::milliseconds duration) override;

    void setNow(const QDateTime &now) { m_now = now; }
    // Moves time on by `step`, ends every wait that is due by then in the order
    // of their ends, and lets the resumed coroutines run.
    void advance(std::chrono::milliseconds step);

    // The durations of all waits started so far, in order.
    const QList<std::chrono::milliseconds> &requested() const { return m_requested; }
    int pendingCount() const { return int(m_pending.size()); }

private:
    struct Sleeper
    {
        QDateTime due;
        std::shared_ptr<QPromise<void>> promise;
    };

    QDateTime m_now;
    QList<Sleeper> m_pending;
    QList<std::chrono::milliseconds> m_requested;
};
