#include "model/SourceHolds.h"

SourceHolds::Hold::Hold(std::weak_ptr<Counts> counts, QUrl url)
    : m_counts(std::move(counts))
    , m_url(std::move(url))
{
    if (const std::shared_ptr<Counts> held = m_counts.lock()) {
        ++(*held)[m_url];
    }
}

SourceHolds::Hold::Hold(Hold &&other) noexcept
    : m_counts(std::exchange(other.m_counts, {}))
    , m_url(std::move(other.m_url))
{}

SourceHolds::Hold::~Hold()
{
    const std::shared_ptr<Counts> held = m_counts.lock();
    if (!held) {
        return;
    }
    const auto it = held->find(m_url);
    if (it != held->end() && --it.value() <= 0) {
        held->erase(it);
    }
}
