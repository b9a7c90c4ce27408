#include "about/ProcessRunner.h"

#include "helpers/TestUtil.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using namespace std::chrono_literals;
using ProcessRunner::Output;
using Environment = QHash<QString, QString>;

Q_DECLARE_METATYPE(Output)

namespace {

const QString Tool = QStringLiteral(RUNNER_TOOL);
// Smaller than the program's, so that the stops and floods below are not waited out.
constexpr std::chrono::milliseconds KillGrace = 600ms;
constexpr std::chrono::milliseconds Drain = 400ms;
constexpr qsizetype StreamBytes = 4 * 1024 * 1024;

Result<Output> runTool(const QStringList &arguments, std::chrono::milliseconds timeout = 30s,
                       const QHash<QString, QString> &extra = {}, CancelToken cancel = {})
{
    return TestUtil::await(ProcessRunner::run(Tool, arguments, timeout, extra, cancel), 60000);
}

// A process as /proc shows it: its id and start time, so that an id handed to a new
// process later does not count as the old one.
struct Proc
{
    qint64 pid = 0;
    QByteArray startTime;

    static QList<QByteArray> fields(qint64 pid)
    {
        QFile file(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!file.open(QIODevice::ReadOnly)) {
            return {};
        }
        const QByteArray stat = file.readAll();
        // Fields after the name, which ends at the last ')': state is [0], start time [19].
        return stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    }

    static Proc of(qint64 pid)
    {
        const QList<QByteArray> f = fields(pid);
        return Proc{pid, f.size() > 19 ? f[19] : QByteArray()};
    }

    // Still there and not merely waiting to be reaped.
    bool running() const
    {
        const QList<QByteArray> f = fields(pid);
        return f.size() > 19 && f[19] == startTime && f[0] != "Z" && f[0] != "X";
    }

    // Gone from the process table altogether (reaped, not a zombie).
    bool reaped() const
    {
        const QList<QByteArray> f = fields(pid);
        return f.size() <= 19 || f[19] != startTime;
    }
};

// The ids the stand-in tool writes once its child is started.
QPair<Proc, Proc> waitForTree(const QString &pidFile)
{
    QFile file(pidFile);
    // The tool writes the file in one go and renames it into place.
    if (!QTest::qWaitFor([&] { return file.exists(); }, 10000) || !file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QList<QByteArray> ids = file.readAll().trimmed().split(' ');
    return {Proc::of(ids.value(0).toLongLong()), Proc::of(ids.value(1).toLongLong())};
}

} // namespace

class TestProcessRunner : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Set before the first run, so the runner's one look at the environment sees them.
        qputenv("LD_TAMSEL_PROBE", "loader");
        qputenv("TAMSEL_EARLY", "early");
        ProcessRunner::setSettings({KillGrace, Drain, StreamBytes});
    }

    void outcomes_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("standardOutput");
        QTest::addColumn<QString>("message");

        QTest::newRow("silent failure gives the exit code")
            << "/bin/sh" << QStringList{"-c", "exit 3"} << 3 << QString() << "Exit code 3";
        QTest::newRow("reason only on standard output")
            << Tool << QStringList{"say", "\n  disk is full \n", " \t\n", "1"} << 1
            << "\n  disk is full \n"
            << "disk is full";
        QTest::newRow("standard error wins over standard output")
            << Tool << QStringList{"say", "short", "a much longer reason on standard error\n", "2"}
            << 2 << "short"
            << "a much longer reason on standard error";
        QTest::newRow("invalid UTF-8 is repaired")
            << Tool << QStringList{"hex", "6f6bff20e282ac20c3"} << 0
            << QString::fromUtf8("ok\uFFFD \u20AC \uFFFD")
            << QString::fromUtf8("ok\uFFFD \u20AC \uFFFD");
        QTest::newRow("killed by a signal reports the signal")
            << "/bin/sh" << QStringList{"-c", "kill -9 $$"} << 9 << QString() << "Exit code 9";
    }

    void outcomes()
    {
        QFETCH(QString, tool);
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, standardOutput);
        QFETCH(QString, message);

        const Result<Output> result = TestUtil::await(ProcessRunner::run(tool, arguments, 30s));
        QVERIFY2(result.ok(), qPrintable(result.error().message));
        QCOMPARE(result->status, status);
        QCOMPARE(result->standardOutput, standardOutput);
        QVERIFY(!result->timedOut);
        QCOMPARE(result->errorMessage(), message);
    }

    void timeOutFarAwayIsNoTimeOut()
    {
        const auto result = runTool({"say", "fine", "", "0"}, std::chrono::milliseconds::max());
        QVERIFY(result.ok());
        QVERIFY(!result->timedOut);
        QCOMPARE(result->standardOutput, QStringLiteral("fine"));
    }

    void messages_data()
    {
        QTest::addColumn<Output>("output");
        QTest::addColumn<QString>("message");

        const QString flag =
            QString::fromUtf8("\U0001F1E9\U0001F1EA"); // one character, four code units
        QTest::newRow("long reason cut at 300 characters, not code units")
            << Output{1, QString(), flag.repeated(400), false} << flag.repeated(300);
        QTest::newRow("combining marks stay with their letter")
            << Output{1, QString(), QString(299, u'a') + QString::fromUtf8("e\u0301xyz"), false}
            << QString(299, u'a') + QString::fromUtf8("e\u0301");
        QTest::newRow("time-out wins over what the tool said")
            << Output{15, "out", "err", true} << "The tool didn't answer in time.";
    }

    void messages()
    {
        QFETCH(Output, output);
        QFETCH(QString, message);
        QCOMPARE(output.errorMessage(), message);
    }

    void outputBeyondTheCapIsReadAndDropped()
    {
        const Result<Output> result = runTool({"print", QString::number(3 * StreamBytes), "out"});
        QVERIFY(result.ok());
        QCOMPARE(result->status, 0); // the tool was never left blocked on a full pipe
        QCOMPARE(result->standardOutput.size(), StreamBytes);
        QVERIFY(result->standardError.isEmpty());
    }

    void endlessOutputStillTimesOut()
    {
        QElapsedTimer clock;
        clock.start();
        const Result<Output> result =
            TestUtil::await(ProcessRunner::run("/usr/bin/yes", {}, 1s), 20000);
        QVERIFY(result.ok());
        QVERIFY(result->timedOut);
        QCOMPARE(result->status, SIGTERM);
        QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
    }

    // Neither stream may wait for the other to finish: the tool would block on the
    // one nobody reads.
    void bothStreamsAtOnce()
    {
        const qsizetype size = 4 * 1024 * 1024;
        const Result<Output> result = runTool({"print", QString::number(size), "both"}, 20s);
        QVERIFY(result.ok());
        QVERIFY(!result->timedOut);
        QCOMPARE(result->status, 0);
        QCOMPARE(result->standardOutput.size(), size);
        QCOMPARE(result->standardError.size(), size);
    }

    void environment_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<Environment>("extra");
        QTest::addColumn<QString>("value");

        QTest::newRow("fixed search path")
            << "PATH" << Environment{} << "/usr/bin:/bin:/usr/sbin:/sbin";
        QTest::newRow("loader variables removed")
            << "LD_TAMSEL_PROBE" << Environment{} << "(unset)";
        QTest::newRow("the rest is passed on") << "TAMSEL_EARLY" << Environment{} << "early";
        QTest::newRow("extra search path replaces it for one run")
            << "PATH" << Environment{{"PATH", "/opt/tool/bin"}} << "/opt/tool/bin";
        QTest::newRow("extra entries win even over removed names")
            << "LD_TAMSEL_PROBE" << Environment{{"LD_TAMSEL_PROBE", "given"}} << "given";
        QTest::newRow("set after the first run is not seen")
            << "TAMSEL_LATE" << Environment{} << "(unset)";
        QTest::newRow("one run's extras are not kept")
            << "PATH" << Environment{} << "/usr/bin:/bin:/usr/sbin:/sbin";
    }

    void environment()
    {
        QFETCH(QString, name);
        QFETCH(Environment, extra);
        QFETCH(QString, value);
        QVERIFY(runTool({"say", "", "", "0"}).ok()); // the environment is taken by now
        qputenv("TAMSEL_LATE", "late");
        const Result<Output> result = runTool({"env", name}, 30s, extra);
        QVERIFY(result.ok());
        QCOMPARE(result->standardOutput, value);
    }

    void launchFailures_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing file") << "/nonexistent/tamsel-tool" << qt_error_string(ENOENT);
        QTest::newRow("not executable") << "plain" << qt_error_string(EACCES);
    }

    void launchFailures()
    {
        QFETCH(QString, tool);
        QFETCH(QString, message);
        QTemporaryDir dir;
        if (tool == "plain") {
            tool = dir.filePath("plain");
            QFile file(tool);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("#!/bin/sh\nexit 0\n");
            file.close();
            QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
        }
        const Result<Output> result = TestUtil::await(ProcessRunner::run(tool, {}, 5s));
        QVERIFY(!result.ok());
        QCOMPARE(result.error().code, int(ProcessRunner::Failure::Launch));
        QCOMPARE(result.error().message, message);
    }

    void timeOutStopsTheWholeTree_data()
    {
        QTest::addColumn<QStringList>("child");
        QTest::newRow("child in the tool's group") << QStringList{};
        QTest::newRow("child in a session of its own") << QStringList{"session"};
    }

    // The tool and its child ignore SIGTERM: both are killed a grace period after
    // the time-out, and the tool is reaped.
    void timeOutStopsTheWholeTree()
    {
        QFETCH(QStringList, child);
        QTemporaryDir dir;
        const QString pidFile = dir.filePath("pids");
        QElapsedTimer clock;
        clock.start();
        auto future =
            ProcessRunner::run(Tool, QStringList{"tree", pidFile, "ignore", "stay"} + child, 1s);
        const auto [tool, below] = waitForTree(pidFile);
        QVERIFY(tool.running() && below.running());

        const Result<Output> result = TestUtil::await(future);
        const qint64 elapsed = clock.elapsed();
        QVERIFY(result.ok());
        QVERIFY(result->timedOut);
        QCOMPARE(result->status, SIGKILL);
        QCOMPARE(result->errorMessage(), QStringLiteral("The tool didn't answer in time."));
        // The time-out and the grace, then at most the drain for the streams.
        const qint64 least = (1s + KillGrace).count();
        QVERIFY2(elapsed >= least && elapsed < least + 4000, qPrintable(QString::number(elapsed)));
        QTRY_VERIFY_WITH_TIMEOUT(!below.running(), 2000);
        QTRY_VERIFY_WITH_TIMEOUT(tool.reaped(), 2000);
    }

    void childHoldingTheStreams_data()
    {
        QTest::addColumn<QString>("termination");
        QTest::addColumn<int>("goneWithin");
        QTest::newRow("child that obeys SIGTERM") << "obey" << 1000;
        QTest::newRow("child that ignores SIGTERM") << "ignore" << 3000;
    }

    // The tool ends at once but its child keeps the streams: the run returns once
    // the drain period is over, and the child is stopped.
    void childHoldingTheStreams()
    {
        QFETCH(QString, termination);
        QFETCH(int, goneWithin);
        QTemporaryDir dir;
        const QString pidFile = dir.filePath("pids");
        QElapsedTimer clock;
        clock.start();
        auto future = ProcessRunner::run(Tool, {"tree", pidFile, termination, "exit"}, 60s);
        const auto [tool, child] = waitForTree(pidFile);
        const Result<Output> result = TestUtil::await(future);
        const qint64 elapsed = clock.elapsed();
        QVERIFY(result.ok());
        QCOMPARE(result->status, 0);
        QVERIFY(!result->timedOut);
        QVERIFY2(elapsed >= Drain.count() && elapsed < 4000, qPrintable(QString::number(elapsed)));
        QTRY_VERIFY_WITH_TIMEOUT(!child.running(), goneWithin);
        QTRY_VERIFY_WITH_TIMEOUT(tool.reaped(), 2000);
    }

    void cancellation_data()
    {
        QTest::addColumn<bool>("before");
        QTest::newRow("cancelled while running") << false;
        QTest::newRow("cancelled before the start") << true;
    }

    void cancellation()
    {
        QFETCH(bool, before);
        QTemporaryDir dir;
        const QString pidFile = dir.filePath("pids");
        const CancelToken cancel = CancelToken::make();
        if (before) {
            cancel.cancel();
        }
        auto future = ProcessRunner::run(Tool, {"tree", pidFile, "obey", "stay"}, 60s, {}, cancel);
        QPair<Proc, Proc> tree;
        if (!before) {
            tree = waitForTree(pidFile);
            QVERIFY(tree.first.running() && tree.second.running());
            cancel.cancel();
        }
        const Result<Output> result = TestUtil::await(future, 5000);
        QVERIFY(result.ok());
        QVERIFY(!result->timedOut);
        QCOMPARE(result->status, SIGTERM);
        QTRY_VERIFY_WITH_TIMEOUT(!tree.second.running(), 2000);
        QTRY_VERIFY_WITH_TIMEOUT(tree.first.reaped(), 2000);
    }
};

QTEST_GUILESS_MAIN(TestProcessRunner)
#include "tst_ProcessRunner.moc"
