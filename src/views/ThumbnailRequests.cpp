#include "views/ThumbnailRequests.h"

ThumbnailRequests::ThumbnailRequests(Thumbnails *cache, QObject *parent)
    : QObject(parent)
    , m_cache(cache)
{}

void ThumbnailRequests::setWanted(const QList<Thumbnails::Key> &keys)
{
    m_wanted = keys;
    startNext();
}

void ThumbnailRequests::startNext()
{
    // A copy: a load that ends at once (its key already loading elsewhere)
    // comes back here and changes the list.
    const QList<Thumbnails::Key> wanted = m_wanted;
    for (const Thumbnails::Key &key : wanted) {
        if (m_running.size() >= maxRunning()) {
            return;
        }
        if (m_running.contains(key) || !m_cache->image(key).isNull()) {
            continue;
        }
        run(key);
    }
}

QFuture<void> ThumbnailRequests::run(Thumbnails::Key key)
{
    m_running.insert(key);
    const QFuture<void> loaded = m_cache->load(key);
    co_await loaded;
    m_running.remove(key);
    // A page that can't be rendered stays missing; it is not asked for again
    // until it is wanted anew, so a broken page can't keep the slots busy.
    m_wanted.removeAll(key);
    startNext();
}
