#include "helpers/TestUtil.h"
#include "model/NameOrder.h"
#include "platform/Clock.h"
#include "platform/FileKinds.h"

#include <QTest>

using namespace std::chrono_literals;

// What the opening code leans on from the platform layer: which files count as
// PDFs or pictures, the file manager's name order, and the real clock's waits.
class TestFileNamesAndClock : public QObject
{
    Q_OBJECT

private slots:
    void fileKinds_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("kind"); // -1: ignored
        QTest::newRow("pdf") << "Report.pdf" << int(FileKind::Pdf);
        QTest::newRow("upper-case extension") << "SCAN.PDF" << int(FileKind::Pdf);
        QTest::newRow("png") << "a.png" << int(FileKind::Picture);
        QTest::newRow("jpeg") << "photo.JPEG" << int(FileKind::Picture);
        QTest::newRow("heic") << "phone.heic" << int(FileKind::Picture);
        QTest::newRow("tiff") << "fax.tif" << int(FileKind::Picture);
        QTest::newRow("text") << "notes.txt" << -1;
        QTest::newRow("no extension") << "README" << -1;
        QTest::newRow("unknown extension") << "data.qqqzz" << -1;
        QTest::newRow("pdf-looking folder name, text file") << "x.pdf/notes.txt" << -1;
    }

    void fileKinds()
    {
        QFETCH(QString, name);
        QFETCH(int, kind);
        const std::optional<FileKind> found = fileKindOf(QUrl::fromLocalFile("/tmp/" + name));
        QCOMPARE(found ? int(*found) : -1, kind);
    }

    void nameOrder_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("order");
        QTest::newRow("digits by value") << "a2.png"
                                         << "a10.png" << -1;
        QTest::newRow("scan numbers") << "Scan 2.png"
                                      << "Scan 10.png" << -1;
        QTest::newRow("letters before later letters") << "a10.png"
                                                      << "b.jpg" << -1;
        QTest::newRow("case does not decide first") << "B.png"
                                                    << "a.png" << 1;
        QTest::newRow("longer digit runs than any integer")
            << "x99999999999999999999999.png"
            << "x100000000000000000000000.png" << -1;
        QTest::newRow("shorter digit run") << "v1.png"
                                           << "v1a.png" << -1;
        QTest::newRow("same name") << "same.png"
                                   << "same.png" << 0;
    }

    void nameOrder()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, order);
        QCOMPARE(compareNames(a, b), order);
        QCOMPARE(compareNames(b, a), -order);
    }

    void systemClockWaits()
    {
        SystemClock clock;
        const QDateTime before = clock.now();
        QFuture<void> wait = clock.sleep(30ms);
        QVERIFY(!wait.isFinished());
        QVERIFY(TestUtil::waitFor(wait, 5000));
        QVERIFY(!wait.isCanceled());
        QVERIFY(before.msecsTo(clock.now()) >= 25);
    }

    void waitsEndWithTheClock()
    {
        QFuture<void> wait;
        {
            SystemClock clock;
            wait = clock.sleep(10s);
        }
        QVERIFY(wait.isFinished());
        QVERIFY(wait.isCanceled());
    }
};

QTEST_GUILESS_MAIN(TestFileNamesAndClock)
#include "tst_FileNamesAndClock.moc"
