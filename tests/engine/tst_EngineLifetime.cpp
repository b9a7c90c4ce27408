#include "engine/PDFEngine.h"

#include "helpers/PdfFixtures.h"
#include "helpers/TestUtil.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

// The worker processes this test started.
QList<int> workerPids()
{
    QList<int> pids;
    const QString tasks = QStringLiteral("/proc/%1/task").arg(::getpid());
    for (const QString &task : QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile children(tasks + QLatin1Char('/') + task + QStringLiteral("/children"));
        if (children.open(QIODevice::ReadOnly)) {
            for (const QByteArray &pid : children.readAll().split(' ')) {
                if (!pid.trimmed().isEmpty()) {
                    pids.append(pid.trimmed().toInt());
                }
            }
        }
    }
    return pids;
}

// How many documents' bytes (memory files) a process holds.
int heldBytes(int pid)
{
    const QString fds = QStringLiteral("/proc/%1/fd").arg(pid);
    int count = 0;
    for (const QString &fd :
         QDir(fds).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        char target[64];
        const ssize_t length = ::readlink(
            QFile::encodeName(fds + QLatin1Char('/') + fd).constData(), target, sizeof target);
        if (length > 0 && QByteArrayView(target, length).startsWith("/memfd:tamsel-bytes")) {
            ++count;
        }
    }
    return count;
}

} // namespace

// Closing files and quitting while renders are still queued.
class TestEngineLifetime : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QUrl m_file;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        const QString path = m_dir.filePath("twenty.pdf");
        QVERIFY(Fixtures::writeNumberedPdf(path, 20));
        m_file = QUrl::fromLocalFile(path);
    }

    void forgetBetweenQueuedRenders()
    {
        PDFEngine engine;
        QCOMPARE(TestUtil::await(engine.open(m_file, std::nullopt)).pageCount, 20);
        QList<QFuture<QImage>> before;
        for (int i = 0; i < 20; ++i) {
            before.append(engine.image({m_file, i}, 0, 300));
        }
        const QFuture<void> forgotten = engine.forget(m_file);
        QList<QFuture<QImage>> after;
        for (int i = 0; i < 20; ++i) {
            after.append(engine.image({m_file, i}, 90, 300));
        }
        // Work runs in the order it was asked for: what was queued before the file
        // was closed still gets its picture, nothing after it does.
        for (const auto &future : before) {
            QVERIFY(!TestUtil::await(future).isNull());
        }
        QVERIFY(TestUtil::waitFor(forgotten));
        for (const auto &future : after) {
            QVERIFY(TestUtil::await(future).isNull());
        }
        QCOMPARE(TestUtil::await(engine.cachedDocumentCount()), 0);
    }

    void closedDocumentLeavesTheWorkerThatOpenedIt()
    {
        PDFEngine::Options options = PDFEngine::Options::standard();
        options.workers = 1;
        PDFEngine engine(options);
        const QUrl other = QUrl::fromLocalFile(m_dir.filePath("two.pdf"));
        QVERIFY(Fixtures::writeNumberedPdf(other.toLocalFile(), 2));
        QCOMPARE(TestUtil::await(engine.open(m_file, std::nullopt)).pageCount, 20);
        QCOMPARE(TestUtil::await(engine.open(other, std::nullopt)).pageCount, 2);
        const QList<int> workers = workerPids();
        QCOMPARE(workers.size(), 1);
        QCOMPARE(heldBytes(workers.first()), 2);

        QVERIFY(TestUtil::waitFor(engine.forget(m_file)));
        // The worker hears of the close before its next job.
        QVERIFY(!TestUtil::await(engine.image({other, 0}, 0, 100)).isNull());
        QCOMPARE(heldBytes(workers.first()), 1);
    }

    // Idle workers leave with 0 when the engine goes, a sanitizer build's after
    // its leak check: anything else is a report the log would hold.
    void idleWorkersLeaveCleanly()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral("ended with status")));
        PDFEngine engine;
        QCOMPARE(TestUtil::await(engine.open(m_file, std::nullopt)).pageCount, 20);
        QVERIFY(!TestUtil::await(engine.image({m_file, 0}, 0, 100)).isNull());
    }

    void destroyWithRendersQueued()
    {
        QList<QFuture<QImage>> renders;
        QFuture<bool> codes;
        bool visitedAfterDestruction = false;
        {
            auto engine = std::make_unique<PDFEngine>();
            QCOMPARE(TestUtil::await(engine->open(m_file, std::nullopt)).pageCount, 20);
            for (int i = 0; i < 200; ++i) {
                renders.append(engine->image({m_file, i % 20}, 0, 800));
            }
            auto destroyed = std::make_shared<std::atomic_bool>(false);
            codes = engine->forEachCodeImage(m_file, 20, CancelToken(),
                                             [&, destroyed](int, const QImage &, bool) {
                                                 if (destroyed->load()) {
                                                     visitedAfterDestruction = true;
                                                 }
                                                 return true; // asking for sharper drawings too
                                             });
            engine.reset(); // waits for the one render under way, drops the rest
            destroyed->store(true);
        }
        QVERIFY(!visitedAfterDestruction);
        int finished = 0;
        int dropped = 0;
        for (const auto &future : renders) {
            QVERIFY(future.isFinished());
            if (future.isCanceled()) {
                ++dropped;
            } else {
                QVERIFY(future.resultCount() == 1);
                ++finished;
            }
        }
        QVERIFY(codes.isFinished());
        QVERIFY(dropped > 0);
        QCOMPARE(finished + dropped, 200);
    }
};

QTEST_GUILESS_MAIN(TestEngineLifetime)
#include "tst_EngineLifetime.moc"
