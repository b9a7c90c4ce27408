#include "helpers/ModelFixture.h"
#include "model/AppModel.h"

#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

using namespace std::chrono_literals;

// Toasts and the offers after a result, on a clock the test moves by hand.
class TestPrompts : public QObject
{
    Q_OBJECT

    std::unique_ptr<ModelFixture> m_fixture;
    AppModel *m_model = nullptr;
    FakeClock *m_clock = nullptr;

    // The program started again: a new model on the same settings and clock.
    void newRun()
    {
        m_fixture->model.reset();
        m_fixture->model = std::make_unique<AppModel>(m_fixture->services());
        m_model = m_fixture->model.get();
    }

    static QList<QUrl> files(int count)
    {
        QList<QUrl> urls;
        for (int i = 0; i < count; ++i) {
            urls.append(QUrl::fromLocalFile(QStringLiteral("/tmp/out %1.pdf").arg(i + 1)));
        }
        return urls;
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("Tamsel"));
        QCoreApplication::setApplicationName(QStringLiteral("Tamsel"));
    }

    void init()
    {
        QSettings().clear();
        m_fixture = std::make_unique<ModelFixture>(ModelFixture::Engine::None);
        m_model = m_fixture->model.get();
        m_clock = &m_fixture->clock;
    }

    void cleanup()
    {
        m_fixture.reset();
        m_model = nullptr;
        m_clock = nullptr;
        QSettings().clear();
    }

    void toastLifetime_data()
    {
        QTest::addColumn<bool>("withReveal");
        QTest::addColumn<int>("lifetime");
        QTest::newRow("plain") << false << 2500;
        QTest::newRow("with a file to reveal") << true << 6000;
    }

    void toastLifetime()
    {
        QFETCH(bool, withReveal);
        QFETCH(int, lifetime);
        const std::optional<QUrl> reveal =
            withReveal ? std::optional<QUrl>(QUrl::fromLocalFile("/tmp/a.pdf")) : std::nullopt;
        m_model->showToast(QStringLiteral("Done"), reveal);
        QCOMPARE(m_model->toast(), std::optional<Toast>(Toast{QStringLiteral("Done"), reveal}));
        m_clock->advance(std::chrono::milliseconds(lifetime - 1));
        QVERIFY(m_model->toast());
        m_clock->advance(1ms);
        QVERIFY(!m_model->toast());
    }

    void newerToastOutlivesOlderTimer()
    {
        m_model->showToast(QStringLiteral("First"));
        m_clock->advance(1000ms);
        m_model->showToast(QStringLiteral("Second"));
        QCOMPARE(m_model->toast()->text, QStringLiteral("Second"));
        m_clock->advance(1500ms); // the first toast's time is up
        QCOMPARE(m_model->toast()->text, QStringLiteral("Second"));
        m_clock->advance(999ms);
        QVERIFY(m_model->toast());
        m_clock->advance(1ms);
        QVERIFY(!m_model->toast());
    }

    void savedToastText_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("text");
        QTest::newRow("one file") << 1 << QStringLiteral("Saved “out 1.pdf”");
        QTest::newRow("three files") << 3 << QStringLiteral("Saved 3 files");
    }

    void savedToastText()
    {
        QFETCH(int, count);
        QFETCH(QString, text);
        m_model->saved(files(count));
        QCOMPARE(m_model->toast(), std::optional<Toast>(Toast{text, files(count).first()}));
        QCOMPARE(QSettings().value("friend.savedFiles").toInt(), count);
        m_model->saved({});
        QCOMPARE(QSettings().value("friend.savedFiles").toInt(), count);
    }

    void supportOfferedOnceAfterFirstResult()
    {
        m_model->saved(files(1));
        QVERIFY(QSettings().value("support.offeredAfterFirstResult").toBool());
        m_clock->advance(899ms);
        QVERIFY(!m_model->support());
        m_clock->advance(1ms);
        QCOMPARE(m_model->support(), std::optional<SupportPrompt>(SupportPrompt::AfterFirstResult));

        m_model->setSupport(std::nullopt);
        newRun();
        m_model->offerSupportOnce();
        m_clock->advance(5000ms);
        QVERIFY(!m_model->support());
    }

    void supportOfferLostToAnOpenPanel()
    {
        m_model->offerSupportOnce();
        m_model->setSupport(SupportPrompt::Manual);
        m_clock->advance(900ms);
        QCOMPARE(m_model->support(), std::optional<SupportPrompt>(SupportPrompt::Manual));
        QVERIFY(QSettings().value("support.offeredAfterFirstResult").toBool());
    }

    void tellAFriendWaitsForALaterRun()
    {
        // Three files in the first run: the support offer uses up this run.
        m_model->saved(files(1));
        m_model->saved(files(2));
        m_clock->advance(5000ms);
        QCOMPARE(m_model->support(), std::optional<SupportPrompt>(SupportPrompt::AfterFirstResult));
        QVERIFY(!QSettings().contains("friend.state"));

        newRun();
        const QDateTime firstAsk = m_clock->now();
        m_model->saved(files(1));
        QCOMPARE(QSettings().value("friend.state").toString(), QStringLiteral("later"));
        QCOMPARE(QSettings().value("friend.askedAt").toDateTime(), firstAsk);
        m_clock->advance(900ms);
        QCOMPARE(m_model->support(), std::optional<SupportPrompt>(SupportPrompt::TellAFriend));
    }

    void tellAFriendAgainAfterThirtyDays_data()
    {
        QTest::addColumn<qint64>("secondsLater");
        QTest::addColumn<QString>("state");
        QTest::addColumn<bool>("offered");
        QTest::newRow("29 days") << qint64(29) * 86400 << QStringLiteral("later") << false;
        QTest::newRow("one second short")
            << qint64(30) * 86400 - 1 << QStringLiteral("later") << false;
        QTest::newRow("30 days") << qint64(30) * 86400 << QStringLiteral("done") << true;
    }

    void tellAFriendAgainAfterThirtyDays()
    {
        QFETCH(qint64, secondsLater);
        QFETCH(QString, state);
        QFETCH(bool, offered);
        QSettings settings;
        settings.setValue("support.offeredAfterFirstResult", true);
        settings.setValue("friend.savedFiles", 3);
        settings.setValue("friend.state", "later");
        const QDateTime askedAt = m_clock->now();
        settings.setValue("friend.askedAt", askedAt);
        settings.sync();
        m_clock->setNow(askedAt.addSecs(secondsLater));

        m_model->saved(files(1));
        QCOMPARE(QSettings().value("friend.state").toString(), state);
        QCOMPARE(QSettings().value("friend.askedAt").toDateTime(),
                 offered ? m_clock->now() : askedAt);
        m_clock->advance(900ms);
        QCOMPARE(m_model->support().has_value(), offered);

        if (!offered) {
            return;
        }
        // After "done" nothing is offered any more.
        m_model->setSupport(std::nullopt);
        m_clock->setNow(m_clock->now().addDays(400));
        m_model->saved(files(1));
        m_clock->advance(900ms);
        QCOMPARE(m_model->support().has_value(), false);
    }

    void askedAtThatIsNotADateStopsAsking()
    {
        QSettings settings;
        settings.setValue("support.offeredAfterFirstResult", true);
        settings.setValue("friend.savedFiles", 10);
        settings.setValue("friend.state", "later");
        settings.setValue("friend.askedAt", "last spring");
        m_model->saved(files(1));
        m_clock->advance(900ms);
        QVERIFY(!m_model->support());
        QCOMPARE(QSettings().value("friend.state").toString(), QStringLiteral("later"));
    }
};

QTEST_GUILESS_MAIN(TestPrompts)
#include "tst_Prompts.moc"
