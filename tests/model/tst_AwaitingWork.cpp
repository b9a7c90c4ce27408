#include "helpers/TestUtil.h"
#include "platform/Async.h"

#include <QTest>
#include <QThreadPool>
#include <QtConcurrent>

// Coroutines that await much quick work: the futures often finish just as the
// coroutine starts to wait, which must neither deadlock nor resume twice.
class TestAwaitingWork : public QObject
{
    Q_OBJECT

    QThreadPool m_pool;

    QFuture<int> quick(int value)
    {
        return QtConcurrent::run(&m_pool,
                                 [value](QPromise<int> &promise) { promise.addResult(value); });
    }

    QFuture<qint64> sumOneByOne(int count)
    {
        qint64 sum = 0;
        for (int i = 0; i < count; ++i) {
            const int value = co_await quick(i);
            sum += value;
        }
        co_return sum;
    }

    QFuture<qint64> sumAllAtOnce(int count)
    {
        QList<QFuture<int>> asked;
        for (int i = 0; i < count; ++i) {
            asked.append(quick(i));
        }
        qint64 sum = 0;
        for (const QFuture<int> &future : asked) {
            const int value = co_await future;
            sum += value;
        }
        co_return sum;
    }

    QFuture<int> alreadyFinished()
    {
        const int value = co_await Async::ready(7);
        co_return value;
    }

private slots:
    void initTestCase() { m_pool.setMaxThreadCount(1); }

    void manyAwaits_data()
    {
        QTest::addColumn<bool>("allAtOnce");
        QTest::newRow("one after the other") << false;
        QTest::newRow("all asked first") << true;
    }

    void manyAwaits()
    {
        QFETCH(bool, allAtOnce);
        for (int round = 0; round < 5; ++round) {
            const QFuture<qint64> sum = allAtOnce ? sumAllAtOnce(2000) : sumOneByOne(2000);
            QCOMPARE(TestUtil::await(sum, 60000), qint64(1999) * 2000 / 2);
        }
    }

    void finishedFutureResumesAtOnce()
    {
        const QFuture<int> value = alreadyFinished();
        QVERIFY(value.isFinished());
        QCOMPARE(value.result(), 7);
    }
};

QTEST_GUILESS_MAIN(TestAwaitingWork)
#include "tst_AwaitingWork.moc"
