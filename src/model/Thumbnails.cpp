#include "model/Thumbnails.h"

#include "engine/PDFEngine.h"

#include <QPointer>

#include <algorithm>

Thumbnails::Thumbnails(QObject *parent)
    : Thumbnails(PDFEngine::shared(), parent)
{}

Thumbnails::Thumbnails(PDFEngine &engine, QObject *parent)
    : Thumbnails(
          [engine = &engine](const PageSource &source, int turn, double longSide) {
              return engine->image(source, turn, longSide);
          },
          parent)
{
    m_parallelism = engine.workerCount();
}

Thumbnails::Thumbnails(Render render, QObject *parent)
    : QObject(parent)
    , m_render(std::move(render))
{}

namespace {

// Takes a key off the loading list however the load ends, including when the
// render is dropped (the engine went away) and the waiting load is dropped with it;
// otherwise that key could never be loaded again.
struct LoadingMark
{
    QPointer<QObject> owner;
    QSet<Thumbnails::Key> *loading;
    Thumbnails::Key key;

    ~LoadingMark()
    {
        if (owner) {
            loading->remove(key);
        }
    }
};

} // namespace

QFuture<void> Thumbnails::load(Key key)
{
    if (m_images.contains(key) || m_loading.contains(key) || m_failed.contains(key)) {
        co_return;
    }
    m_loading.insert(key);
    const LoadingMark mark{this, &m_loading, key};

    const QImage rendered = co_await m_render(key.source, key.turn, double(key.longSide));
    if (!rendered.isNull()) {
        store(key, rendered);
    } else {
        // The engine answered: the page can't be drawn (a damaged page, or one past
        // the engine's limits). Views show that instead of waiting for ever.
        m_failed.insert(key);
        emit imagesChanged(key);
    }
}

void Thumbnails::store(const Key &key, const QImage &image)
{
    m_images.insert(key, image);
    m_order.append(key);
    emit imagesChanged(key);

    const auto isLarge = [](const Key &k) { return k.longSide > largeAbove; };
    if (std::count_if(m_order.cbegin(), m_order.cend(), isLarge) > maxLarge) {
        evict(*std::find_if(m_order.cbegin(), m_order.cend(), isLarge));
    }
    if (m_order.size() > maxCount) {
        evict(m_order.first());
    }
}

void Thumbnails::evict(Key key)
{
    m_images.remove(key);
    m_order.removeAll(key);
    emit imagesChanged(key);
}

void Thumbnails::drop(const std::function<bool(const QUrl &source)> &matches)
{
    QHash<QUrl, bool> answers; // many pages share a source
    const QList<Key> keys = m_order;
    for (const Key &key : keys) {
        auto answer = answers.constFind(key.source.url);
        if (answer == answers.cend()) {
            answer = answers.insert(key.source.url, matches(key.source.url));
        }
        if (*answer) {
            evict(key);
        }
    }
    const QSet<Key> failed = m_failed;
    for (const Key &key : failed) {
        if (matches(key.source.url)) {
            m_failed.remove(key);
            emit imagesChanged(key);
        }
    }
}
