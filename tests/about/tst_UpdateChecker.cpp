#include "about/UpdateChecker.h"

#include "FeedServer.h"
#include "helpers/TestUtil.h"

#include <QTest>

using UpdateChecker::Result;

namespace {

const QString Unavailable =
    QStringLiteral("The update information isn't available right now. Try again later.");
const QString NotInFormat = QStringLiteral("Couldn't check for updates: The data couldn't be read "
                                           "because it isn't in the correct format.");
const QString Missing =
    QStringLiteral("Couldn't check for updates: The data couldn't be read because it is missing.");

QByteArray feed(qint64 build, const QByteArray &rest = {})
{
    return "{\"version\": \"2.0\", \"build\": " + QByteArray::number(build) + rest + "}";
}

} // namespace

class TestUpdateChecker : public QObject
{
    Q_OBJECT

private:
    Result checkAgainst(FeedServer &server, bool trusted = true, int timeoutMs = 15000)
    {
        UpdateChecker::setEndpointForTesting(server.endpoint(trusted, timeoutMs));
        return TestUtil::await(UpdateChecker::check(), 30000);
    }

private slots:
    void cleanup() { UpdateChecker::setEndpointForTesting(std::nullopt); }

    void feeds_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("failure"); // empty: no failure
        QTest::addColumn<bool>("available");

        const qint64 build = UpdateChecker::currentBuild();
        QTest::newRow("same build is up to date whatever the version says")
            << 200 << feed(build, ", \"version\": \"99.0\"") << QString() << false;
        QTest::newRow("lower build is up to date") << 200 << feed(build - 1) << QString() << false;
        QTest::newRow("higher build is offered") << 200 << feed(build + 1) << QString() << true;
        QTest::newRow("null and absent optional fields")
            << 200 << feed(build + 1, ", \"url\": null, \"sha256\": null") << QString() << true;
        QTest::newRow("not found, even with a valid feed")
            << 404 << feed(build + 1) << Unavailable << false;
        QTest::newRow("not JSON") << 200 << QByteArray("<html>maintenance</html>") << NotInFormat
                                  << false;
        QTest::newRow("build as text")
            << 200 << QByteArray("{\"version\": \"2.0\", \"build\": \"42\"}") << NotInFormat
            << false;
        QTest::newRow("build with a fraction") << 200 << feed(build, ".5") << NotInFormat << false;
        QTest::newRow("version missing") << 200 << QByteArray("{\"build\": 7}") << Missing << false;
        QTest::newRow("size of nothing")
            << 200 << feed(build + 1, ", \"size\": 0") << NotInFormat << false;
        QTest::newRow("size with a fraction")
            << 200 << feed(build + 1, ", \"size\": 10.5") << NotInFormat << false;
        QTest::newRow("signature as a number")
            << 200 << feed(build + 1, ", \"signature\": 7") << NotInFormat << false;
        QTest::newRow("page address that is no address")
            << 200 << feed(build + 1, ", \"url\": \"https://exa mple.com/\"") << NotInFormat
            << false;
        // Valid JSON that would decode if it were read whole.
        QTest::newRow("ten megabytes")
            << 200 << feed(build + 1, ", \"pad\": \"" + QByteArray(10 * 1024 * 1024, 'x') + "\"")
            << "Couldn't check for updates: The update information is too large." << false;
    }

    void feeds()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(QString, failure);
        QFETCH(bool, available);

        FeedServer server;
        QVERIFY(server.isReady());
        server.setAnswer(status, body);
        const Result result = checkAgainst(server);
        QCOMPARE(server.requests(), 1);
        if (!failure.isEmpty()) {
            QVERIFY(result.isFailed());
            QCOMPARE(result.message(), failure);
        } else if (available) {
            QVERIFY(result.isAvailable());
            QCOMPARE(result.release().version, QStringLiteral("2.0"));
            QCOMPARE(result.release().build, UpdateChecker::currentBuild() + 1);
        } else {
            QVERIFY(result.isUpToDate());
        }
    }

    void releaseFieldsAreKept()
    {
        FeedServer server;
        server.setAnswer(
            200, feed(UpdateChecker::currentBuild() + 5,
                      ", \"url\": \"http://127.0.0.1/notes\", \"dmg\": \"https://elsewhere.example/"
                      "downloads/T.dmg\", \"sha256\": \"ABCD\", \"signature\": \"c2ln\", "
                      "\"size\": 123456789012"));
        const Result result = checkAgainst(server);
        QVERIFY(result.isAvailable());
        const UpdateChecker::Release &release = result.release();
        QCOMPARE(release.url, std::optional<QUrl>(QUrl("http://127.0.0.1/notes")));
        QCOMPARE(release.dmg,
                 std::optional<QUrl>(QUrl("https://elsewhere.example/downloads/T.dmg")));
        QCOMPARE(release.sha256, std::optional<QString>("ABCD"));
        QCOMPARE(release.signature, std::optional<QString>("c2ln"));
        QCOMPARE(release.size, std::optional<qint64>(123456789012));
        // The check takes addresses as they come; the page shown to the user is guarded.
        QCOMPARE(release.downloadURL(), UpdateChecker::pageURL());
    }

    // The site may move its feed within itself; the check follows it there only.
    void redirectsStayOnTheSite()
    {
        FeedServer server;
        const QUrl moved = server.url(QStringLiteral("/tamsel-linux/moved.json"));
        server.setRoute("/tamsel-linux/version.json",
                        {301, {}, FeedServer::Behaviour::Answer, moved.toEncoded()});
        server.setRoute("/tamsel-linux/moved.json", {200, feed(UpdateChecker::currentBuild() + 1)});
        QVERIFY(checkAgainst(server).isAvailable());
        QCOMPARE(server.requests(), 2);
    }

    void transportFailures_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QString>("message"); // empty: any description after the prefix
        QTest::newRow("server never answers")
            << "silent"
            << "Couldn't check for updates: The request timed out.";
        QTest::newRow("certificate not trusted") << "untrusted" << QString();
        QTest::newRow("nobody listening") << "closed" << QString();
    }

    void transportFailures()
    {
        QFETCH(QString, situation);
        QFETCH(QString, message);
        FeedServer server;
        server.setAnswer(200, feed(UpdateChecker::currentBuild() + 1));
        if (situation == "silent") {
            server.setBehaviour(FeedServer::Behaviour::Silent);
        }
        UpdateChecker::Endpoint endpoint = server.endpoint(situation != "untrusted", 1000);
        if (situation == "closed") {
            endpoint.feed.setPort(1); // nothing listens there
        }
        UpdateChecker::setEndpointForTesting(endpoint);
        const Result result = TestUtil::await(UpdateChecker::check(), 10000);
        QVERIFY(result.isFailed());
        if (message.isEmpty()) {
            const QString prefix = QStringLiteral("Couldn't check for updates: ");
            QVERIFY2(result.message().startsWith(prefix) && result.message().size() > prefix.size(),
                     qPrintable(result.message()));
        } else {
            QCOMPARE(result.message(), message);
        }
        QCOMPARE(server.requests(), situation == "silent" ? 1 : 0);
    }

    // Nothing of one check is kept for the next: no cookie goes back, no cached copy
    // stands in for the server.
    void everyCheckAsksAfresh()
    {
        FeedServer server;
        server.setAnswer(200, feed(UpdateChecker::currentBuild()));
        QVERIFY(checkAgainst(server).isUpToDate());
        server.setAnswer(200, feed(UpdateChecker::currentBuild() + 1));
        QVERIFY(checkAgainst(server).isAvailable());
        QCOMPARE(server.requests(), 2);
        for (const QByteArray &head : server.requestHeads()) {
            QVERIFY2(head.startsWith("GET /tamsel-linux/version.json HTTP/1.1\r\n"),
                     head.constData());
            QVERIFY2(!head.toLower().contains("\r\ncookie:"), head.constData());
        }
    }

    void downloadAddress_data()
    {
        QTest::addColumn<QString>("url"); // empty: none
        QTest::addColumn<bool>("own");

        const QString host = UpdateChecker::pageURL().host();
        QTest::newRow("HTTPS on the maker's site")
            << "https://" + host + "/tamsel-linux/2.0" << true;
        QTest::newRow("plain HTTP on the maker's site")
            << "http://" + host + "/tamsel-linux/2.0" << false;
        QTest::newRow("HTTPS elsewhere")
            << QStringLiteral("https://elsewhere.example/tamsel-linux/") << false;
        QTest::newRow("look-alike host") << "https://" + host + ".elsewhere.example/" << false;
        QTest::newRow("none") << QString() << false;
    }

    void downloadAddress()
    {
        QFETCH(QString, url);
        QFETCH(bool, own);
        UpdateChecker::Release release;
        if (!url.isEmpty()) {
            release.url = QUrl(url);
        }
        QCOMPARE(release.downloadURL(), own ? QUrl(url) : UpdateChecker::pageURL());
    }

    void buildNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("number");
        QTest::newRow("plain") << "42" << qint64(42);
        QTest::newRow("plus sign") << "+7" << qint64(7);
        QTest::newRow("minus sign") << "-3" << qint64(-3);
        QTest::newRow("dotted version") << "1.2" << qint64(0);
        QTest::newRow("empty") << "" << qint64(0);
        QTest::newRow("space before") << " 4" << qint64(0);
        QTest::newRow("one past the largest") << "9223372036854775808" << qint64(0);
        QTest::newRow("smallest") << "-9223372036854775808" << std::numeric_limits<qint64>::min();
    }

    void buildNumbers()
    {
        QFETCH(QString, text);
        QFETCH(qint64, number);
        QCOMPARE(UpdateChecker::buildNumber(text), number);
    }
};

QTEST_GUILESS_MAIN(TestUpdateChecker)
#include "tst_UpdateChecker.moc"
