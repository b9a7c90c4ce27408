#pragma once

#include "model/Thumbnails.h"

#include <QFuture>
#include <QList>
#include <QObject>
#include <QSet>

// Asks the thumbnail cache only for what is on screen now. The cache renders
// one page after the other and cannot take a request back, so handing it every
// page that scrolls past would make the last screenful wait for all of them;
// instead a few renders run at a time, and each free slot goes to the first
// wanted picture that is still missing.
class ThumbnailRequests : public QObject
{
    Q_OBJECT

public:
    explicit ThumbnailRequests(Thumbnails *cache, QObject *parent = nullptr);

    // How many renders are handed to the cache at once: enough to keep every
    // engine worker busy while a finished picture travels back, and no more, so
    // that the pages nearest the screen are drawn first.
    int maxRunning() const { return m_cache->parallelism() + 1; }

    // Replaces what is wanted, most wanted first; keys no longer wanted are not
    // started (those already running finish and are cached).
    void setWanted(const QList<Thumbnails::Key> &keys);

private:
    void startNext();
    QFuture<void> run(Thumbnails::Key key);

    Thumbnails *m_cache;
    QList<Thumbnails::Key> m_wanted;
    QSet<Thumbnails::Key> m_running;
};
