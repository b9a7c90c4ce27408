#include "engine/PDFEngine.h"

#include "helpers/HandMadePdf.h"
#include "helpers/PdfFixtures.h"
#include "helpers/TestUtil.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QtEndian>

#include <zlib.h>

#include <atomic>

// The engine's supervision of its workers: jobs that hang, crash or grow are
// ended and answered, and everything else carries on. The faults are the test
// worker's (see FaultyWorker.cpp); the hostile files are real.
namespace {

using EngineError = PDFEngine::EngineError;

PDFEngine::Options faulty(const QStringList &faults, int workers = 2)
{
    PDFEngine::Options options = PDFEngine::Options::standard();
    options.workerExecutable = QStringLiteral(TAMSEL_FAULTY_WORKER);
    options.workerArguments = faults;
    options.workers = workers;
    return options;
}

// The engine's warnings that a worker it started is gone, counted from any thread.
std::atomic<int> workersGone{0};
QtMessageHandler previousHandler = nullptr;

void countWorkersGone(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (text.contains(QLatin1String("ended before its first request")) ||
        text.contains(QLatin1String("died or broke the protocol between jobs"))) {
        ++workersGone;
    }
    previousHandler(type, context, text);
}

BuildPlan planOf(const QUrl &url, QList<int> indices)
{
    BuildPlan plan;
    for (int index : indices) {
        plan.pages.append(PageItem{QUuid::createUuid(), PageSource{url, index}, 0, {}});
    }
    return plan;
}

qint64 residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) {
        return 0;
    }
    return statm.readAll().split(' ').value(1).toLongLong() * 4096;
}

// The most this process's resident memory reached while `future` ran.
template<typename T> qint64 peakWhile(const QFuture<T> &future)
{
    qint64 peak = residentBytes();
    QTimer sampler;
    QObject::connect(&sampler, &QTimer::timeout, [&] { peak = std::max(peak, residentBytes()); });
    sampler.start(20);
    TestUtil::waitFor(future, 60000);
    return std::max(peak, residentBytes());
}

// `chunk` repeated `repeats` times, deflated. Every repeat is flushed whole, which
// leaves the compressor as it started, so all repeats after the first compress
// to the same bytes: the stream is put together from those, and a gigabyte
// costs no more to make than two chunks.
QByteArray deflated(const QByteArray &chunk, int repeats)
{
    z_stream z{};
    deflateInit(&z, 9);
    const auto compress = [&z](const QByteArray &in, int flush) {
        QByteArray out;
        QByteArray buffer(1 << 16, Qt::Uninitialized);
        z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(in.constData()));
        z.avail_in = uInt(in.size());
        do {
            z.next_out = reinterpret_cast<Bytef *>(buffer.data());
            z.avail_out = uInt(buffer.size());
            deflate(&z, flush);
            out.append(buffer.constData(), buffer.size() - qsizetype(z.avail_out));
        } while (z.avail_out == 0);
        return out;
    };
    QByteArray out = compress(chunk, Z_FULL_FLUSH);
    const QByteArray again = repeats > 1 ? compress(chunk, Z_FULL_FLUSH) : QByteArray();
    QByteArray end = compress({}, Z_FINISH);
    deflateEnd(&z);
    out.reserve(out.size() + again.size() * (repeats - 1) + end.size());
    for (int i = 1; i < repeats; ++i) {
        out.append(again);
    }
    // The stream ends with the checksum of everything, not of the two chunks.
    const uLong none = adler32(0, nullptr, 0);
    const uLong one =
        adler32(none, reinterpret_cast<const Bytef *>(chunk.constData()), uInt(chunk.size()));
    uLong sum = none;
    for (int i = 0; i < repeats; ++i) {
        sum = adler32_combine(sum, one, chunk.size());
    }
    qToBigEndian<quint32>(quint32(sum), end.data() + end.size() - 4);
    return out + end;
}

// The bytes `deflated` makes, inflated again.
QByteArray inflated(const QByteArray &stream)
{
    z_stream z{};
    inflateInit(&z);
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(stream.constData()));
    z.avail_in = uInt(stream.size());
    QByteArray out;
    QByteArray buffer(1 << 16, Qt::Uninitialized);
    int status = Z_OK;
    while (status == Z_OK) {
        z.next_out = reinterpret_cast<Bytef *>(buffer.data());
        z.avail_out = uInt(buffer.size());
        status = inflate(&z, Z_NO_FLUSH);
        out.append(buffer.constData(), buffer.size() - qsizetype(z.avail_out));
    }
    inflateEnd(&z);
    return status == Z_STREAM_END && z.avail_in == 0 ? out : QByteArray();
}

QByteArray streamObject(const QByteArray &dictionary, const QByteArray &data)
{
    return "<< " + dictionary + " /Length " + QByteArray::number(data.size()) + " >>\nstream\n" +
           data + "\nendstream";
}

// One 200 x 200 pt page drawing `content` with the resources given.
QByteArray onePage(const QByteArray &content, const QByteArray &resources,
                   const QList<QByteArray> &extra = {})
{
    QList<QByteArray> objects{"<< /Type /Catalog /Pages 2 0 R >>",
                              "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
                              "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 200 200] /Resources " +
                                  resources + " /Contents 4 0 R >>",
                              streamObject("/Filter /FlateDecode", deflated(content, 1))};
    return Fixtures::handMadePdf(objects + extra);
}

} // namespace

class TestEngineSupervision : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QUrl m_five;
    QUrl m_other;

    QUrl write(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(name);
        return Fixtures::writeAll(path, bytes) ? QUrl::fromLocalFile(path) : QUrl();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(Fixtures::writeNumberedPdf(m_dir.filePath("five.pdf"), 5));
        QVERIFY(Fixtures::writeNumberedPdf(m_dir.filePath("other.pdf"), 3));
        m_five = QUrl::fromLocalFile(m_dir.filePath("five.pdf"));
        m_other = QUrl::fromLocalFile(m_dir.filePath("other.pdf"));
    }

    void hangingPageIsAnsweredWhileEverythingElseGoesOn()
    {
        // Three workers: the page hangs on two at once, so one time limit brings both
        // strikes, and the third serves everything else meanwhile.
        PDFEngine::Options options = faulty({"--fault=hang:render:1"}, 3);
        options.renderSeconds = 2;
        auto engine = std::make_unique<PDFEngine>(options);
        QCOMPARE(TestUtil::await(engine->open(m_five, std::nullopt)).pageCount, 5);

        QElapsedTimer clock;
        clock.start();
        const QFuture<QImage> page2 = engine->image({m_five, 1}, 0, 256);
        const QFuture<QImage> page2Again = engine->image({m_five, 1}, 0, 256);
        const QFuture<QImage> page3 = engine->image({m_five, 2}, 0, 256);
        const QFuture<PDFEngine::OpenResult> other = engine->open(m_other, std::nullopt);
        QVERIFY(!TestUtil::await(page3).isNull());
        QCOMPARE(TestUtil::await(other).pageCount, 3);
        const Result<QByteArray> saved =
            TestUtil::await(engine->buildBytes(planOf(m_other, {0, 1, 2}), {}));
        QVERIFY(saved.ok());
        // All of the above while page 2 hangs, unless a loaded machine took longer
        // than the limit for it.
        QVERIFY(!page2.isFinished() || clock.elapsed() >= 2000);

        QVERIFY(TestUtil::await(page2).isNull());
        QVERIFY(TestUtil::await(page2Again).isNull());
        QVERIFY2(clock.elapsed() < 4000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(!TestUtil::await(engine->image({m_five, 3}, 0, 256)).isNull());

        // Twice stopped, the page is not tried a third time.
        const int started = engine->startedWorkerCount();
        clock.restart();
        QVERIFY(TestUtil::await(engine->image({m_five, 1}, 0, 256)).isNull());
        QVERIFY(clock.elapsed() < 500);
        QCOMPARE(engine->startedWorkerCount(), started);
    }

    // Workers started ahead take the first jobs, the reserve among them; none
    // is started twice, nor any more for those jobs.
    void workersStartedAheadTakeTheFirstJobs()
    {
        PDFEngine engine(faulty({}, 3));
        engine.startWorkers();
        QTRY_COMPARE(engine.startedWorkerCount(), engine.workerCount() + 1);
        engine.startWorkers();
        QCOMPARE(TestUtil::await(engine.open(m_five, std::nullopt)).pageCount, 5);
        QList<QFuture<QImage>> pages;
        for (int i = 0; i < 5; ++i) {
            pages.append(engine.image({m_five, i}, 0, 128));
        }
        const QFuture<Result<QByteArray>> saved = engine.buildBytes(planOf(m_five, {0, 4}), {});
        for (const QFuture<QImage> &page : pages) {
            QVERIFY(!TestUtil::await(page).isNull());
        }
        QVERIFY(TestUtil::await(saved).ok());
        QCOMPARE(engine.startedWorkerCount(), engine.workerCount() + 1);
    }

    // Workers started ahead that end as they start are started once each, not
    // again for as long as the others take: only jobs start them again. Once every
    // place's worker is gone, nothing is left that could start one.
    void workersThatEndAtOnceAreStartedOnce()
    {
        workersGone = 0;
        previousHandler = qInstallMessageHandler(countWorkersGone);
        const auto restore = qScopeGuard([] { qInstallMessageHandler(previousHandler); });
        PDFEngine::Options options = faulty({}, 3);
        options.workerExecutable = QStringLiteral("/bin/false");
        PDFEngine engine(options);
        engine.startWorkers();
        QTRY_VERIFY(workersGone >= engine.workerCount() + 1);
        QCOMPARE(engine.startedWorkerCount(), engine.workerCount() + 1);
        QCOMPARE(workersGone.load(), engine.workerCount() + 1);
    }

    // Quitting while a worker hangs doesn't wait for it. The page after the hanging
    // one is handed out after it, so once that is drawn the hanging one is with a
    // worker; the time limit is far away, so only the quitting ends it.
    void quittingDoesNotWaitForAHangingWorker()
    {
        auto engine = std::make_unique<PDFEngine>(faulty({"--fault=hang:render:1"}));
        QCOMPARE(TestUtil::await(engine->open(m_other, std::nullopt)).pageCount, 3);
        const QFuture<QImage> hanging = engine->image({m_other, 1}, 0, 256);
        QVERIFY(!TestUtil::await(engine->image({m_other, 2}, 0, 256)).isNull());
        QVERIFY(!hanging.isFinished());
        QElapsedTimer clock;
        clock.start();
        engine.reset();
        QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(hanging.isCanceled());
    }

    void openAndSaveGoPastDrawingsThatHang()
    {
        // Every drawing of a second page hangs, and more of them are asked for
        // than there are workers: every worker that draws ends up stuck.
        PDFEngine engine(faulty({"--fault=hang:render:1"}));
        QCOMPARE(TestUtil::await(engine.open(m_five, std::nullopt)).pageCount, 5);
        QCOMPARE(TestUtil::await(engine.open(m_other, std::nullopt)).pageCount, 3);
        QCOMPARE(engine.startedWorkerCount(), 1);
        QList<QFuture<QImage>> hanging;
        for (const double longSide : {100, 120, 140}) {
            hanging.append(engine.image({m_five, 1}, 0, longSide));
            hanging.append(engine.image({m_other, 1}, 0, longSide));
        }
        QTRY_COMPARE(engine.startedWorkerCount(), engine.workerCount());

        QElapsedTimer clock;
        clock.start();
        const QString third = m_dir.filePath("third.pdf");
        QVERIFY(Fixtures::writeNumberedPdf(third, 2));
        QCOMPARE(TestUtil::await(engine.open(QUrl::fromLocalFile(third), std::nullopt)).pageCount,
                 2);
        QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(qRound(TestUtil::await(engine.displaySize({m_five, 1}, 90)).width()), 842);
        const Result<QByteArray> saved =
            TestUtil::await(engine.buildBytes(planOf(m_other, {2, 0}), {}));
        QVERIFY(saved.ok());
        QVERIFY2(clock.elapsed() < 3000, qPrintable(QString::number(clock.elapsed())));
        for (const QFuture<QImage> &page : hanging) {
            QVERIFY(!page.isFinished());
        }
    }

    void crashDuringABuildFailsThatSaveOnly()
    {
        PDFEngine engine(faulty({"--fault=crash:build:1"}));
        QCOMPARE(TestUtil::await(engine.open(m_five, std::nullopt)).pageCount, 5);
        const Result<QByteArray> first =
            TestUtil::await(engine.buildBytes(planOf(m_five, {0, 1}), {}));
        QVERIFY(!first.ok());
        QVERIFY(!first.isCanceled());
        QCOMPARE(first.error().code, int(EngineError::WorkerStopped));
        QCOMPARE(first.error().message, PDFEngine::message(EngineError::WorkerStopped));
        QVERIFY(!first.error().message.contains("Try again"));

        const Result<QByteArray> second =
            TestUtil::await(engine.buildBytes(planOf(m_five, {0, 1}), {}));
        QVERIFY(second.ok());
        QVERIFY(second->startsWith("%PDF-"));
        QVERIFY(!TestUtil::await(engine.image({m_five, 4}, 0, 100)).isNull());
    }

    void cancelEndsAWorkerThatDoesNotStop()
    {
        PDFEngine::Options options = faulty({"--fault=hang:build:1"});
        options.cancelGrace = std::chrono::milliseconds(300);
        PDFEngine engine(options);
        QCOMPARE(TestUtil::await(engine.open(m_five, std::nullopt)).pageCount, 5);
        const CancelToken cancel = CancelToken::make();
        const QFuture<Result<QByteArray>> building = engine.buildBytes(planOf(m_five, {0}), cancel);
        // Handed out after the build, so once it is drawn the build is with a worker.
        QVERIFY(!TestUtil::await(engine.image({m_five, 2}, 0, 64)).isNull());
        QElapsedTimer clock;
        clock.start();
        cancel.cancel();
        QVERIFY(TestUtil::await(building).isCanceled());
        // The grace, then the supervisor's next look.
        QVERIFY2(clock.elapsed() < 1300, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(TestUtil::await(engine.buildBytes(planOf(m_five, {0}), {})).ok());
    }

    void workerPastItsMemoryIsStopped()
    {
        PDFEngine::Options options = faulty({"--fault=allocate:render:0"});
        options.workerMemoryBytes = qint64(768) << 20;
        PDFEngine engine(options);
        QCOMPARE(TestUtil::await(engine.open(m_five, std::nullopt)).pageCount, 5);
        const QFuture<QImage> growing = engine.image({m_five, 0}, 0, 256);
        QVERIFY(peakWhile(growing) < qint64(300) << 20);
        QVERIFY(TestUtil::await(growing).isNull());
        QVERIFY(!TestUtil::await(engine.image({m_five, 1}, 0, 256)).isNull());
    }

    // A worker taken over by a hostile file answers with lies (see
    // FaultyWorker.cpp): each one fails its job with the usual sentence, the
    // worker is replaced, and the engine goes on.
    void brokenRepliesFailTheirJobOnly_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::newRow("unsealed memory file") << "unsealed:build:1";
        QTest::newRow("sealed empty 1 TiB memory file") << "huge:build:1";
        QTest::newRow("unknown open status") << "status:open:1";
        QTest::newRow("2,147,483,647 pages") << "pages:open:1";
        QTest::newRow("page size NaN") << "nan:open:1";
        QTest::newRow("page size infinite") << "inf:open:1";
        QTest::newRow("picture bigger than asked") << "oversized:render:0";
        QTest::newRow("reply trickled a byte every 3 s") << "trickle:build:1";
    }

    void brokenRepliesFailTheirJobOnly()
    {
        QFETCH(QString, fault);
        PDFEngine::Options options = faulty({"--fault=" + fault});
        options.replyDeadline = std::chrono::milliseconds(300);
        PDFEngine engine(options);
        const QString kind = fault.section(':', 1, 1);
        const qint64 before = residentBytes();
        if (kind == "open") {
            const PDFEngine::OpenResult opened = TestUtil::await(engine.open(m_five, std::nullopt));
            QCOMPARE(opened.status, PDFEngine::OpenStatus::Unreadable);
            QCOMPARE(opened.problem, PDFEngine::message(EngineError::WorkerStopped));
            QCOMPARE(TestUtil::await(engine.cachedDocumentCount()), 0);
        } else {
            QCOMPARE(TestUtil::await(engine.open(m_five, std::nullopt)).pageCount, 5);
        }
        if (kind == "render") {
            QVERIFY(TestUtil::await(engine.image({m_five, 0}, 0, 256)).isNull());
        }
        if (kind == "build") {
            const Result<QByteArray> built =
                TestUtil::await(engine.buildBytes(planOf(m_five, {0, 1}), {}));
            QVERIFY(!built.ok());
            QCOMPARE(built.error().message, PDFEngine::message(EngineError::WorkerStopped));
        }
        QVERIFY(residentBytes() - before < qint64(200) << 20);
        QCOMPARE(TestUtil::await(engine.open(m_other, std::nullopt)).pageCount, 3);
        // Page index 0 stays faulty in every document.
        QVERIFY(!TestUtil::await(engine.image({m_other, 1}, 0, 256)).isNull());
        QVERIFY(TestUtil::await(engine.buildBytes(planOf(m_other, {1}), {})).ok());
        QVERIFY(engine.startedWorkerCount() >= 2);
    }

    // A worker that keeps the save's descriptor is gone before the save is
    // reported, so nothing changes the file afterwards.
    void aSavesWorkerKeepsNoDescriptor()
    {
        PDFEngine engine(faulty({"--fault=keep:build:1"}, 1));
        QCOMPARE(TestUtil::await(engine.open(m_five, std::nullopt)).pageCount, 5);
        QFile file(m_dir.filePath("kept.pdf"));
        QVERIFY(file.open(QIODevice::ReadWrite | QIODevice::Truncate));
        QVERIFY(TestUtil::await(engine.buildInto(planOf(m_five, {0, 1}), file.handle(), {})).ok());
        const qint64 size = file.size();
        QCOMPARE(engine.startedWorkerCount(), 1);
        // More work for a fresh worker, while the old one, were it alive, would write.
        QVERIFY(!TestUtil::await(engine.image({m_five, 2}, 0, 256)).isNull());
        QVERIFY(TestUtil::await(engine.buildBytes(planOf(m_five, {3}), {})).ok());
        QCOMPARE(engine.startedWorkerCount(), 2);
        QCOMPARE(QFileInfo(file.fileName()).size(), size);
    }

    void missingWorkerAnswersEveryCall()
    {
        PDFEngine::Options options = PDFEngine::Options::standard();
        options.workerExecutable = m_dir.filePath("no-such-worker");
        PDFEngine engine(options);
        QElapsedTimer clock;
        clock.start();
        const PDFEngine::OpenResult opened = TestUtil::await(engine.open(m_five, std::nullopt));
        QCOMPARE(opened.status, PDFEngine::OpenStatus::Unreadable);
        QCOMPARE(opened.problem, PDFEngine::message(EngineError::Unavailable));
        QVERIFY(TestUtil::await(engine.image({m_five, 0}, 0, 100)).isNull());
        const Result<QByteArray> built =
            TestUtil::await(engine.buildBytes(planOf(m_five, {0}), {}));
        QCOMPARE(built.error().code, int(EngineError::MissingPage));
        QVERIFY(clock.elapsed() < 2000);
    }

    // Real files that hurt the libraries: each ends with an answer, and the
    // engine goes on serving other documents.
    void pageTreeThatContainsItself()
    {
        const QUrl looping = write(
            "looping.pdf",
            Fixtures::handMadePdf({"<< /Type /Catalog /Pages 2 0 R >>",
                                   "<< /Type /Pages /Kids [3 0 R 2 0 R] /Count 2 >>",
                                   "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 200 200] >>"}));
        PDFEngine engine;
        const auto opened = TestUtil::await(engine.open(looping, std::nullopt));
        QCOMPARE(TestUtil::await(engine.open(m_other, std::nullopt)).pageCount, 3);
        QCOMPARE(opened.status, PDFEngine::OpenStatus::Opened);
        for (int attempt = 0; attempt < 2; ++attempt) {
            const Result<QByteArray> built =
                TestUtil::await(engine.buildBytes(planOf(looping, {0}), {}));
            // A failure the library reports, never a worker brought down by it.
            QVERIFY(built.ok() || !built.error().message.isEmpty());
            QVERIFY(built.ok() || built.error().code != int(EngineError::WorkerStopped));
        }
        QVERIFY(TestUtil::await(engine.buildBytes(planOf(m_other, {0, 2}), {})).ok());
    }

    void imageThatInflatesWithoutEnd()
    {
        // 1.2 MB of stream for a 20000 x 20000 picture: 1.2 GB once decoded.
        const QByteArray zeros(1 << 20, '\0');
        const QByteArray image =
            streamObject("/Type /XObject /Subtype /Image /Width 20000 /Height 20000 "
                         "/ColorSpace /DeviceRGB /BitsPerComponent 8 /Filter /FlateDecode",
                         deflated(zeros, 1200));
        const QUrl bomb = write("bomb.pdf", onePage("q 200 0 0 200 0 0 cm /Im0 Do Q",
                                                    "<< /XObject << /Im0 5 0 R >> >>", {image}));
        PDFEngine::Options options = PDFEngine::Options::standard();
        options.workerMemoryBytes = qint64(1) << 30;
        // The drawing runs into its time limit long before its memory's.
        options.renderSeconds = 1;
        PDFEngine engine(options);
        QCOMPARE(TestUtil::await(engine.open(bomb, std::nullopt)).status,
                 PDFEngine::OpenStatus::Opened);
        const QFuture<QImage> drawn = engine.image({bomb, 0}, 0, 256);
        QVERIFY(peakWhile(drawn) < qint64(300) << 20);
        QVERIFY(TestUtil::await(engine.open(m_other, std::nullopt)).pageCount == 3);
        QVERIFY(!TestUtil::await(engine.image({m_other, 0}, 0, 256)).isNull());
    }

    void contentOfTensOfMillionsOfOperators()
    {
        const QByteArray operators = QByteArray("q Q ").repeated(1 << 18);
        const QByteArray content = deflated(operators, 80);
        QCOMPARE(inflated(content), operators.repeated(80));
        const QByteArray huge = streamObject("/Filter /FlateDecode", content);
        const QUrl heavy = write(
            "heavy.pdf", Fixtures::handMadePdf({"<< /Type /Catalog /Pages 2 0 R >>",
                                                "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
                                                "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 200 "
                                                "200] /Contents 4 0 R >>",
                                                huge}));
        PDFEngine::Options options = PDFEngine::Options::standard();
        options.renderSeconds = 1;
        PDFEngine engine(options);
        QCOMPARE(TestUtil::await(engine.open(heavy, std::nullopt)).status,
                 PDFEngine::OpenStatus::Opened);
        QElapsedTimer clock;
        clock.start();
        TestUtil::await(engine.image({heavy, 0}, 0, 256));
        QVERIFY2(clock.elapsed() < 2500, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(TestUtil::await(engine.open(m_other, std::nullopt)).pageCount, 3);
        QVERIFY(!TestUtil::await(engine.image({m_other, 0}, 0, 256)).isNull());
    }
};

QTEST_GUILESS_MAIN(TestEngineSupervision)
#include "tst_EngineSupervision.moc"
