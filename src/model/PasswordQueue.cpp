#include "model/PasswordQueue.h"

#include "platform/Async.h"

struct PasswordQueue::State
{
    bool turnTaken = false;
    QList<std::shared_ptr<QPromise<void>>> waiting;
    // The load waiting for the answer to the question shown.
    std::shared_ptr<QPromise<std::optional<QString>>> continuation;

    void passTurn()
    {
        if (waiting.isEmpty()) {
            turnTaken = false;
            return;
        }
        // The turn passes straight on, so no other load can slip in between.
        const std::shared_ptr<QPromise<void>> next = waiting.takeFirst();
        next->finish();
    }
};

PasswordQueue::PasswordQueue()
    : m_state(std::make_shared<State>())
{}

PasswordQueue::~PasswordQueue() = default;

PasswordQueue::Turn::~Turn()
{
    if (const std::shared_ptr<State> state = m_state.lock(); state && m_held) {
        state->passTurn();
    }
}

QFuture<void> PasswordQueue::waitForTurn()
{
    if (!m_state->turnTaken) {
        m_state->turnTaken = true;
        return Async::ready();
    }
    auto waiter = std::make_shared<QPromise<void>>();
    waiter->start();
    m_state->waiting.append(waiter);
    return waiter->future();
}

QFuture<std::optional<QString>> PasswordQueue::ask()
{
    // Only the holder of the turn asks, so the slot is free here; a leftover
    // would otherwise wait for ever, so it is answered as cancelled.
    answer(std::nullopt);
    auto continuation = std::make_shared<QPromise<std::optional<QString>>>();
    continuation->start();
    m_state->continuation = continuation;
    return continuation->future();
}

bool PasswordQueue::answer(const std::optional<QString> &answer)
{
    const auto continuation = std::exchange(m_state->continuation, nullptr);
    if (!continuation) {
        return false;
    }
    continuation->addResult(answer);
    continuation->finish();
    return true;
}
