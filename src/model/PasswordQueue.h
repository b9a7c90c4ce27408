#pragma once

#include <QFuture>
#include <QList>
#include <QPromise>
#include <QString>

#include <memory>
#include <optional>

// The password questions of loads running at the same time, asked one load after
// the other: a load waits for its turn, asks as often as it needs, and hands the
// turn on when it ends, however it ends. Main thread only.
class PasswordQueue
{
    struct State;

public:
    PasswordQueue();
    ~PasswordQueue();
    PasswordQueue(const PasswordQueue &) = delete;
    PasswordQueue &operator=(const PasswordQueue &) = delete;

    // A load's right to ask, once it has waited for it; handed to the next
    // waiting load when the holder ends. Outliving the queue is harmless.
    class Turn
    {
    public:
        explicit Turn(const PasswordQueue &queue)
            : m_state(queue.m_state)
        {}
        Turn(const Turn &) = delete;
        Turn &operator=(const Turn &) = delete;
        ~Turn();

        bool isHeld() const { return m_held; }
        void setHeld() { m_held = true; }

    private:
        std::weak_ptr<State> m_state;
        bool m_held = false;
    };

    // Finishes when the caller's turn has come: at once when nobody holds it.
    QFuture<void> waitForTurn();

    // The answer to the question the caller is about to show; absent means
    // cancelled. A question still waiting is answered as cancelled first.
    QFuture<std::optional<QString>> ask();
    // Answers the waiting question; false when there was none.
    bool answer(const std::optional<QString> &answer);

private:
    std::shared_ptr<State> m_state;
};
