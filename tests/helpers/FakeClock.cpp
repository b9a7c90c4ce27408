#include "helpers/FakeClock.h"

#include <QCoreApplication>
#include <QTimeZone>

#include <algorithm>

FakeClock::FakeClock()
    : m_now(QDate(2026, 3, 1), QTime(9, 0), QTimeZone::utc())
{}

FakeClock::~FakeClock() = default;

QFuture<void> FakeClock::sleep(std::chrono::milliseconds duration)
{
    auto promise = std::make_shared<QPromise<void>>();
    promise->start();
    m_requested.append(duration);
    m_pending.append(Sleeper{m_now.addMSecs(duration.count()), promise});
    return promise->future();
}

void FakeClock::advance(std::chrono::milliseconds step)
{
    const QDateTime end = m_now.addMSecs(step.count());
    for (;;) {
        // Woken sleepers may start new waits; those count from the time they start.
        const auto next =
            std::min_element(m_pending.begin(), m_pending.end(),
                             [](const Sleeper &a, const Sleeper &b) { return a.due < b.due; });
        if (next == m_pending.end() || next->due > end) {
            break;
        }
        m_now = next->due;
        const std::shared_ptr<QPromise<void>> promise = next->promise;
        m_pending.erase(next);
        promise->finish();
        for (int i = 0; i < 5; ++i) {
            QCoreApplication::processEvents();
        }
    }
    m_now = end;
}
