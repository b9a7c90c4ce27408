#pragma once

#include <QHash>
#include <QUrl>

#include <memory>

// The sources that an open, load or insert is bringing in, each counted for as
// long as a Hold on it lives, so that a close meanwhile does not make the engine
// drop what is being opened. Main thread only.
class SourceHolds
{
    using Counts = QHash<QUrl, int>;

public:
    class Hold
    {
    public:
        Hold(std::weak_ptr<Counts> counts, QUrl url);
        Hold(Hold &&other) noexcept;
        Hold(const Hold &) = delete;
        Hold &operator=(const Hold &) = delete;
        Hold &operator=(Hold &&) = delete;
        // Outliving the SourceHolds is harmless.
        ~Hold();

    private:
        std::weak_ptr<Counts> m_counts;
        QUrl m_url;
    };

    Hold hold(const QUrl &url) { return Hold(m_counts, url); }
    bool contains(const QUrl &url) const { return m_counts->contains(url); }

private:
    std::shared_ptr<Counts> m_counts = std::make_shared<Counts>();
};
