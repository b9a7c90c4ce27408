#include "look/DropLoader.h"

#include <QDir>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>

class TestDropLoader : public QObject
{
    Q_OBJECT

private slots:
    void keepsFileUrlsInDropOrder_data()
    {
        QTest::addColumn<QList<QUrl>>("dropped");
        QTest::addColumn<QList<QUrl>>("expected");

        const QUrl a = QUrl::fromLocalFile("/tmp/a.pdf");
        const QUrl b = QUrl::fromLocalFile("/tmp/b b.png");
        const QUrl c = QUrl::fromLocalFile("/tmp/c.PDF");
        const QUrl web("https://example.org/report.pdf");

        QTest::newRow("nothing") << QList<QUrl>{} << QList<QUrl>{};
        QTest::newRow("three files in order") << QList<QUrl>{c, a, b} << QList<QUrl>{c, a, b};
        QTest::newRow("a web address among files") << QList<QUrl>{a, web, b} << QList<QUrl>{a, b};
        QTest::newRow("only web addresses")
            << QList<QUrl>{web, QUrl("ftp://host/x.pdf")} << QList<QUrl>{};
        QTest::newRow("the same file twice") << QList<QUrl>{a, a} << QList<QUrl>{a, a};
        QTest::newRow("a folder is a file url") << QList<QUrl>{QUrl::fromLocalFile("/tmp/")}
                                                << QList<QUrl>{QUrl::fromLocalFile("/tmp/")};
        QTest::newRow("a vanished file stays for opening to report")
            << QList<QUrl>{QUrl::fromLocalFile("/nonexistent/gone.pdf")}
            << QList<QUrl>{QUrl::fromLocalFile("/nonexistent/gone.pdf")};
    }

    void keepsFileUrlsInDropOrder()
    {
        QFETCH(QList<QUrl>, dropped);
        QFETCH(QList<QUrl>, expected);
        QMimeData data;
        data.setUrls(dropped);
        QCOMPARE(DropLoader::urls(&data), expected);
    }

    void textAndNullGiveNothing()
    {
        QMimeData text;
        text.setText(QStringLiteral("/tmp/a.pdf"));
        QVERIFY(DropLoader::urls(&text).isEmpty());
        QVERIFY(DropLoader::urls(nullptr).isEmpty());
    }

    void fiveHundredFilesAllArrive()
    {
        QList<QUrl> dropped;
        for (int i = 0; i < 500; ++i) {
            dropped.append(QUrl::fromLocalFile(QStringLiteral("/tmp/scan %1.jpg").arg(i)));
        }
        QMimeData data;
        data.setUrls(dropped);
        QCOMPARE(DropLoader::urls(&data), dropped);
    }

    void uriListWithOddEntriesIsReadSafely()
    {
        // What a file manager writes: CRLF lines, a comment, a blank line.
        QMimeData data;
        data.setData(QStringLiteral("text/uri-list"),
                     "# from a file manager\r\nfile:///tmp/%C3%BCber.pdf\r\n\r\nhttp://x.org/\r\n");
        const QList<QUrl> urls = DropLoader::urls(&data);
        QCOMPARE(urls.size(), 1);
        QCOMPARE(urls.first().toLocalFile(), QStringLiteral("/tmp/über.pdf"));
    }
};

QTEST_MAIN(TestDropLoader)
#include "tst_DropLoader.moc"
