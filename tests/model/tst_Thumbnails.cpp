#include "model/Thumbnails.h"

#include "engine/PDFEngine.h"
#include "helpers/PdfFixtures.h"
#include "helpers/TestUtil.h"

#include <QPromise>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using Key = Thumbnails::Key;

namespace {

// Renders on demand: each call is counted and answered when the test says so.
struct ManualRender
{
    QList<Key> calls;
    QList<std::shared_ptr<QPromise<QImage>>> pending;

    Thumbnails::Render function()
    {
        return [this](const PageSource &source, int turn, double longSide) {
            calls.append(Key{source, turn, int(longSide)});
            auto promise = std::make_shared<QPromise<QImage>>();
            promise->start();
            pending.append(promise);
            return promise->future();
        };
    }

    void answer(int call, const QImage &image)
    {
        pending[call]->addResult(image);
        pending[call]->finish();
    }
};

// Answers at once with a small picture, counting renders per key.
struct InstantRender
{
    QHash<Key, int> renders;

    Thumbnails::Render function()
    {
        return [this](const PageSource &source, int turn, double longSide) {
            ++renders[Key{source, turn, int(longSide)}];
            return Async::ready(QImage(4, 4, QImage::Format_RGB32));
        };
    }
};

Key key(int index, int longSide = 100, int turn = 0)
{
    return Key{{QUrl::fromLocalFile("/docs/a.pdf"), index}, turn, longSide};
}

} // namespace

class TestThumbnails : public QObject
{
    Q_OBJECT

private slots:
    void overlappingLoadsOfOneKeyRenderOnce()
    {
        ManualRender render;
        Thumbnails cache(render.function());
        QSignalSpy changed(&cache, &Thumbnails::imagesChanged);

        const QFuture<void> first = cache.load(key(0));
        const QFuture<void> second = cache.load(key(0));
        QCOMPARE(render.calls.size(), 1);
        QVERIFY(cache.image(key(0)).isNull());

        render.answer(0, QImage(70, 100, QImage::Format_RGB32));
        QVERIFY(TestUtil::waitFor(first));
        QVERIFY(TestUtil::waitFor(second));
        QCOMPARE(cache.image(key(0)).size(), QSize(70, 100));
        QCOMPARE(changed.size(), 1);

        QVERIFY(TestUtil::waitFor(cache.load(key(0)))); // cached: no render
        QCOMPARE(render.calls.size(), 1);
    }

    void keysDifferingInTurnOrSizeAreSeparatePictures()
    {
        InstantRender render;
        Thumbnails cache(render.function());
        for (const Key &k : {key(0), key(0, 100, 90), key(0, 200), key(1)}) {
            QVERIFY(TestUtil::waitFor(cache.load(k)));
            QVERIFY(!cache.image(k).isNull());
        }
        QCOMPARE(render.renders.size(), 4);
        QCOMPARE(render.renders.value(key(0, 100, 90)), 1);
    }

    void failedRenderIsRememberedUntilItsSourceIsDropped()
    {
        ManualRender render;
        Thumbnails cache(render.function());
        QSignalSpy changed(&cache, &Thumbnails::imagesChanged);

        const QFuture<void> failing = cache.load(key(3));
        render.answer(0, QImage());
        QVERIFY(TestUtil::waitFor(failing));
        QVERIFY(cache.image(key(3)).isNull());
        // Announced, so that a view stops waiting and shows the page can't be shown.
        QVERIFY(cache.hasFailed(key(3)));
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed.at(0).at(0).value<Key>(), key(3));

        // A view asking again doesn't make the engine draw it again …
        QVERIFY(TestUtil::waitFor(cache.load(key(3))));
        QCOMPARE(render.calls.size(), 1);
        QVERIFY(!cache.hasFailed(key(4)));

        // … until the source is let go, when it is tried afresh.
        cache.drop([](const QUrl &) { return true; });
        QVERIFY(!cache.hasFailed(key(3)));
        cache.load(key(3));
        QCOMPARE(render.calls.size(), 2);
    }

    void droppedRenderDoesNotBlockTheKey()
    {
        ManualRender render;
        Thumbnails cache(render.function());
        const QFuture<void> load = cache.load(key(5));
        render.pending[0].reset(); // the engine went away: the render ends cancelled
        QVERIFY(TestUtil::waitFor(load));
        cache.load(key(5));
        QCOMPARE(render.calls.size(), 2);
    }

    void cacheDestroyedWhileALoadWaits()
    {
        ManualRender render;
        auto cache = std::make_unique<Thumbnails>(render.function());
        const QFuture<void> load = cache->load(key(1));
        cache.reset();
        render.answer(0, QImage(8, 8, QImage::Format_RGB32));
        QVERIFY(TestUtil::waitFor(load));
        QVERIFY(load.isCanceled());
    }

    // Loads keys 0..n-1 with the given long sides, one after the other, and checks
    // which of them are still cached.
    void bounds_data()
    {
        QTest::addColumn<QList<int>>("longSides");
        QTest::addColumn<QList<int>>("evicted");

        QTest::newRow("six large pictures stay") << QList<int>(6, 601) << QList<int>();
        QList<int> smallThenLarge{100, 100};
        smallThenLarge += QList<int>(7, 601);
        QTest::newRow("seventh large evicts the oldest large, not older small ones")
            << smallThenLarge << QList<int>{2};
        QTest::newRow("600 pixels is not large") << QList<int>(7, 600) << QList<int>();
        QList<int> mixed{601, 1000, 100, 601, 601, 601, 601, 2400, 601};
        QTest::newRow("each large load beyond six evicts one") << mixed << QList<int>{0, 1};
        QTest::newRow("800 pictures stay") << QList<int>(800, 100) << QList<int>();
        QTest::newRow("801st evicts the oldest of all") << QList<int>(801, 100) << QList<int>{0};
        QTest::newRow("802nd evicts the next oldest") << QList<int>(802, 100) << QList<int>{0, 1};
        QList<int> fullWithLarge(794, 100);
        fullWithLarge += QList<int>(7, 601);
        QTest::newRow("evicting a large one makes room for the 801st")
            << fullWithLarge << QList<int>{794};
        QList<int> largeFirst(6, 601);
        largeFirst += QList<int>(795, 100);
        QTest::newRow("the oldest of all may be large") << largeFirst << QList<int>{0};
    }

    void bounds()
    {
        QFETCH(QList<int>, longSides);
        QFETCH(QList<int>, evicted);

        InstantRender render;
        Thumbnails cache(render.function());
        for (int i = 0; i < longSides.size(); ++i) {
            QVERIFY(TestUtil::waitFor(cache.load(key(i, longSides[i]))));
        }
        int cached = 0;
        int large = 0;
        for (int i = 0; i < longSides.size(); ++i) {
            const bool present = !cache.image(key(i, longSides[i])).isNull();
            QVERIFY2(present != evicted.contains(i), qPrintable(QString::number(i)));
            cached += present;
            large += present && longSides[i] > 600;
        }
        QVERIFY(cached <= 800);
        QVERIFY(large <= 6);
    }

    void evictedKeyRendersAgainAndBecomesNewest()
    {
        InstantRender render;
        Thumbnails cache(render.function());
        QSignalSpy changed(&cache, &Thumbnails::imagesChanged);
        for (int i = 0; i <= 800; ++i) {
            cache.load(key(i));
        }
        QVERIFY(cache.image(key(0)).isNull());
        QCOMPARE(changed.size(), 802); // 801 arrivals and one eviction
        QCOMPARE(changed.last().first().value<Key>(), key(0));

        cache.load(key(0)); // evicts key 1, the oldest now
        QCOMPARE(render.renders.value(key(0)), 2);
        QVERIFY(!cache.image(key(0)).isNull());
        QVERIFY(cache.image(key(1)).isNull());

        cache.load(key(801)); // evicts key 2; key 0 stands at the end, not the start
        QVERIFY(!cache.image(key(0)).isNull());
        QVERIFY(cache.image(key(2)).isNull());
    }

    void rendersOnTheEngine()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("pages.pdf");
        QVERIFY(Fixtures::writeNumberedPdf(path, 2));
        const QUrl url = QUrl::fromLocalFile(path);
        PDFEngine engine;
        QCOMPARE(TestUtil::await(engine.open(url, std::nullopt)).pageCount, 2);

        Thumbnails cache(engine);
        const Key page{{url, 1}, 90, 360};
        QVERIFY(TestUtil::waitFor(cache.load(page)));
        QCOMPARE(cache.image(page).size(), QSize(360, 254));

        const Key missing{{url, 2}, 0, 360};
        QVERIFY(TestUtil::waitFor(cache.load(missing)));
        QVERIFY(cache.image(missing).isNull());
    }
};

QTEST_GUILESS_MAIN(TestThumbnails)
#include "tst_Thumbnails.moc"
