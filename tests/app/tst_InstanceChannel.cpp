#include "app/InstanceChannel.h"

#include <QSignalSpy>
#include <QTest>
#include <QUuid>

class TestInstanceChannel : public QObject
{
    Q_OBJECT

private slots:
    void argumentsBecomeAbsoluteFileUrls()
    {
        const QList<QUrl> urls = InstanceChannel::urlsFromArguments(
            {"a.pdf", "../b c.png", "/tmp/d.pdf", "file:///tmp/e.pdf", "--flag"}, "/home/u/docs");
        QCOMPARE(urls, (QList<QUrl>{QUrl::fromLocalFile("/home/u/docs/a.pdf"), QUrl::fromLocalFile("/home/u/b c.png"),
                                    QUrl::fromLocalFile("/tmp/d.pdf"), QUrl::fromLocalFile("/tmp/e.pdf")}));
    }

    void aSecondLaunchHandsItsFilesOver()
    {
        const QString name = QStringLiteral("tamsel-test-") + QUuid::createUuid().toString(QUuid::Id128);
        InstanceChannel first(name);
        InstanceChannel second(name);
        QVERIFY(!second.sendToRunning({QUrl::fromLocalFile("/tmp/x.pdf")})); // nobody runs yet
        QVERIFY(first.listen());
        QSignalSpy received(&first, &InstanceChannel::filesReceived);
        const QList<QUrl> files{QUrl::fromLocalFile("/tmp/d é.pdf"), QUrl::fromLocalFile("/tmp/e.png")};
        QVERIFY(second.sendToRunning(files));
        QVERIFY(received.wait(5000));
        QCOMPARE(received.first().first().value<QList<QUrl>>(), files);
    }
};

QTEST_MAIN(TestInstanceChannel)
#include "tst_InstanceChannel.moc"
