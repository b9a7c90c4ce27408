#include "document/Compression.h"

#include "helpers/TestUtil.h"

#include <QPromise>
#include <QTest>

// A build that answers with `sizes[i]` bytes for step i after a turn of the
// event loop, recording the order of the builds.
struct FakeBuilds
{
    QList<int> sizes;
    QList<int> order;
    std::optional<int> failAt;
    std::function<void(int)> onBuild;

    // Steps `from` to `to` - 1 of `sizes`; the build of a step is its index.
    Compression::Ladder ladder(int from = 0, int to = -1) const
    {
        Compression::Ladder steps;
        for (int i = from; i < (to < 0 ? sizes.size() : to); ++i) {
            steps.append(CompressionStep{i, 0.5, false});
        }
        return steps;
    }

    Compression::BuildFunction function()
    {
        return [this](std::optional<CompressionStep> step) {
            const int i = step->maxPixels;
            order.append(i);
            if (onBuild) {
                onBuild(i);
            }
            auto promise = std::make_shared<QPromise<Result<QByteArray>>>();
            promise->start();
            const Result<QByteArray> answer =
                failAt == i ? Result<QByteArray>(Error{"boom"})
                            : Result<QByteArray>(QByteArray(sizes.at(i), 'x'));
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [promise, answer] {
                    promise->addResult(answer);
                    promise->finish();
                },
                Qt::QueuedConnection);
            return promise->future();
        };
    }
};

class TestCompression : public QObject
{
    Q_OBJECT

private slots:
    void searchBuildsFewSteps_data()
    {
        QTest::addColumn<QList<int>>("sizes");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QList<int>>("builds");
        QTest::addColumn<int>("answerSize");
        QTest::addColumn<bool>("reached");
        QTest::newRow("first fits") << QList<int>{4, 3, 2} << 5 << QList<int>{0} << 4 << true;
        QTest::newRow("nothing fits") << QList<int>{9, 8, 7} << 5 << QList<int>{0, 2} << 7 << false;
        QTest::newRow("two steps, last fits")
            << QList<int>{9, 4} << 5 << QList<int>{0, 1} << 4 << true;
        QTest::newRow("binary search")
            << QList<int>{9, 8, 6, 5, 4, 3, 2, 1} << 5 << QList<int>{0, 7, 4, 2, 3} << 5 << true;
        QTest::newRow("one step too big") << QList<int>{9} << 5 << QList<int>{0} << 9 << false;
    }

    void searchBuildsFewSteps()
    {
        QFETCH(QList<int>, sizes);
        QFETCH(int, limit);
        QFETCH(QList<int>, builds);
        QFETCH(int, answerSize);
        QFETCH(bool, reached);
        FakeBuilds fake{sizes, {}, std::nullopt, {}};
        const auto answer = TestUtil::await(
            Compression::search(fake.ladder(), limit, fake.function(), CancelToken::make()));
        QVERIFY(answer.ok());
        QCOMPARE(fake.order, builds);
        QCOMPARE(answer->data.size(), answerSize);
        QCOMPARE(answer->reached, reached);
    }

    // Text-keeping steps 0–2, then pages as pictures 3–5.
    void fitTriesPicturesFromTheirMostCompressedEnd_data()
    {
        QTest::addColumn<QList<int>>("sizes");
        QTest::addColumn<QList<int>>("builds");
        QTest::addColumn<int>("answerSize");
        QTest::addColumn<bool>("reached");
        QTest::addColumn<bool>("pagesAsPictures");
        QTest::newRow("text fits")
            << QList<int>{9, 4, 3, 2, 1, 1} << QList<int>{0, 2, 1} << 4 << true << false;
        QTest::newRow("only the most compressed pictures fit")
            << QList<int>{9, 8, 7, 6, 5, 4} << QList<int>{0, 2, 5, 4} << 4 << true << true;
        QTest::newRow("pictures in between")
            << QList<int>{9, 8, 7, 4, 3, 2} << QList<int>{0, 2, 5, 4, 3} << 4 << true << true;
        // Pictures smaller than the text-keeping copy but still too large are
        // no answer: the smallest copy with its text is offered, not reached.
        QTest::newRow("nothing fits")
            << QList<int>{9, 8, 7, 6, 5, 5} << QList<int>{0, 2, 5} << 7 << false << false;
    }

    void fitTriesPicturesFromTheirMostCompressedEnd()
    {
        QFETCH(QList<int>, sizes);
        QFETCH(QList<int>, builds);
        QFETCH(int, answerSize);
        QFETCH(bool, reached);
        QFETCH(bool, pagesAsPictures);
        FakeBuilds fake{sizes, {}, std::nullopt, {}};
        const auto answer = TestUtil::await(Compression::fit(
            fake.ladder(0, 3), fake.ladder(3, 6), 4, fake.function(), CancelToken::make()));
        QVERIFY(answer.ok());
        QCOMPARE(fake.order, builds);
        QCOMPARE(answer->data.size(), answerSize);
        QCOMPARE(answer->reached, reached);
        QCOMPARE(answer->pagesAsPictures, pagesAsPictures);
    }

    void failedBuildEndsTheSearch()
    {
        FakeBuilds fake{{9, 8, 6, 5, 4, 3, 2, 1}, {}, 4, {}};
        const auto answer = TestUtil::await(
            Compression::search(fake.ladder(), 5, fake.function(), CancelToken::make()));
        QVERIFY(!answer.ok());
        QCOMPARE(answer.error().message, QStringLiteral("boom"));
        QCOMPARE(fake.order, (QList<int>{0, 7, 4}));
    }

    void cancelDuringBuildStopsBeforeTheNext()
    {
        const CancelToken cancel = CancelToken::make();
        FakeBuilds fake{{9, 8, 6, 5, 4, 3, 2, 1}, {}, std::nullopt, [cancel](int i) {
                            if (i == 7) {
                                cancel.cancel();
                            }
                        }};
        const auto answer =
            TestUtil::await(Compression::search(fake.ladder(), 5, fake.function(), cancel));
        QVERIFY(answer.isCanceled());
        QCOMPARE(fake.order, (QList<int>{0, 7}));
    }

    void limitTitles_data()
    {
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<QString>("title");
        QTest::newRow("0.2") << qint64(200'000) << "0.2 MB";
        QTest::newRow("0.75") << qint64(750'000) << "0.75 MB";
        QTest::newRow("1") << qint64(1'000'000) << "1 MB";
        QTest::newRow("1.5") << qint64(1'500'000) << "1.5 MB";
        QTest::newRow("7.5") << qint64(7'500'000) << "7.5 MB";
        QTest::newRow("20") << qint64(20'000'000) << "20 MB";
    }

    void limitTitles()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QFETCH(qint64, bytes);
        QFETCH(QString, title);
        QCOMPARE(Compression::limitTitle(bytes), title);
    }

    void limitsAreAscending()
    {
        const auto &limits = Compression::limits();
        QCOMPARE(limits.size(), 14);
        QVERIFY(std::is_sorted(limits.cbegin(), limits.cend()));
        QCOMPARE(limits.first(), 200'000);
        QCOMPARE(limits.last(), 20'000'000);
    }
};

QTEST_GUILESS_MAIN(TestCompression)
#include "tst_Compression.moc"
