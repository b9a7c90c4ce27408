#pragma once

#include "document/DocumentTypes.h"

#include <QFuture>
#include <QHash>
#include <QImage>
#include <QList>
#include <QObject>
#include <QSet>

#include <functional>

class PDFEngine;

// The one cache of rendered page pictures for every view. Lives on the main thread
// and is only touched there; the renders themselves run on the engine.
//
// Its memory is bounded: at most `maxLarge` pictures whose long side is over
// `largeAbove` pixels, and at most `maxCount` in all, the oldest going first.
class Thumbnails : public QObject
{
    Q_OBJECT

public:
    struct Key
    {
        PageSource source;
        int turn = 0;     // the page's extra clockwise turn, so a turned page is another picture
        int longSide = 0; // pixels

        friend bool operator==(const Key &, const Key &) = default;
        friend size_t qHash(const Key &key, size_t seed = 0) noexcept
        {
            return qHashMulti(seed, key.source, key.turn, key.longSide);
        }
    };

    // Renders a page with an extra turn so that its longer side is `longSide`
    // pixels; a null image when the page can't be rendered.
    using Render =
        std::function<QFuture<QImage>(const PageSource &source, int turn, double longSide)>;

    static constexpr int largeAbove = 600;
    static constexpr int maxLarge = 6;
    static constexpr int maxCount = 800;

    explicit Thumbnails(QObject *parent = nullptr); // renders on PDFEngine::shared()
    explicit Thumbnails(PDFEngine &engine, QObject *parent = nullptr);
    explicit Thumbnails(Render render, QObject *parent = nullptr);

    // The cached picture, or a null image; its size in pixels is the rendered size.
    QImage image(const Key &key) const { return m_images.value(key); }
    // Whether the page of `key` could not be drawn; it is not asked for again
    // until drop() lets its source go.
    bool hasFailed(const Key &key) const { return m_failed.contains(key); }
    // How many renders run at once on the engine (2 for a render function).
    int parallelism() const { return m_parallelism; }

    // Renders the picture of `key` unless it is cached, already being rendered or
    // failed before; finishes once it is stored (or the render failed, which is
    // remembered and announced by imagesChanged).
    // Callers that stop waiting don't stop the render: its picture is still stored.
    QFuture<void> load(Key key);

    // Drops every picture of a page whose source file `matches`, so that a file
    // written anew is rendered again from its new contents.
    void drop(const std::function<bool(const QUrl &source)> &matches);

signals:
    // A picture was stored or dropped; views showing that key redraw (and load it
    // again when it was dropped).
    void imagesChanged(const Thumbnails::Key &key);

private:
    void evict(Key key); // by value: callers pass keys that live in m_order
    void store(const Key &key, const QImage &image);

    Render m_render;
    int m_parallelism = 2;
    QHash<Key, QImage> m_images;
    QList<Key> m_order; // arrival order, oldest first
    QSet<Key> m_loading;
    QSet<Key> m_failed;
};
