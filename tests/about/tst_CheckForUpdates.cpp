#include "model/AppModel.h"

#include "FeedServer.h"
#include "helpers/ModelFixture.h"

#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

class TestCheckForUpdates : public QObject
{
    Q_OBJECT

    FeedServer m_server;

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_server.isReady());
        UpdateChecker::setEndpointForTesting(m_server.endpoint());
        m_server.setAnswer(200, "{\"version\": \"3.0\", \"build\": " +
                                    QByteArray::number(UpdateChecker::currentBuild() + 1) + "}");
    }

    void cleanupTestCase() { UpdateChecker::setEndpointForTesting(std::nullopt); }

    void aSecondCallWhileCheckingAsksNothing()
    {
        ModelFixture fixture(ModelFixture::Engine::None);
        AppModel &model = *fixture.model;
        model.setUpdateInstallError(QStringLiteral("The last install failed."));
        model.setUpdateResult(UpdateChecker::Result::upToDate());
        QSignalSpy checking(&model, &AppModel::isCheckingForUpdatesChanged);
        QSignalSpy results(&model, &AppModel::updateResultChanged);
        const int before = m_server.requests();

        model.checkForUpdates();
        QVERIFY(model.isCheckingForUpdates());
        QVERIFY(!model.updateResult());
        QVERIFY(!model.updateInstallError());
        model.checkForUpdates();

        QTRY_VERIFY(!model.isCheckingForUpdates());
        QCOMPARE(m_server.requests() - before, 1);
        QCOMPARE(checking.count(), 2);
        QCOMPARE(results.count(), 2); // cleared, then the outcome
        QVERIFY(model.updateResult() && model.updateResult()->isAvailable());
        QCOMPARE(model.updateResult()->release().version, QStringLiteral("3.0"));
    }

    void nothingWhileAnInstallRuns()
    {
        ModelFixture fixture(ModelFixture::Engine::None);
        AppModel &model = *fixture.model;
        model.setInstallingUpdate(true);
        model.setUpdateInstallError(QStringLiteral("Still installing."));
        model.setUpdateResult(UpdateChecker::Result::failed(QStringLiteral("earlier")));
        QSignalSpy checking(&model, &AppModel::isCheckingForUpdatesChanged);
        QSignalSpy results(&model, &AppModel::updateResultChanged);
        const int before = m_server.requests();

        model.checkForUpdates();
        QCoreApplication::processEvents();
        QVERIFY(!model.isCheckingForUpdates());
        QCOMPARE(checking.count(), 0);
        QCOMPARE(results.count(), 0);
        QCOMPARE(model.updateResult()->message(), QStringLiteral("earlier"));
        QCOMPARE(model.updateInstallError(), std::optional<QString>("Still installing."));
        QCOMPARE(m_server.requests(), before);
    }

    // The model may go while the check is out; the answer then writes nowhere.
    void modelGoneBeforeTheAnswer()
    {
        m_server.setBehaviour(FeedServer::Behaviour::Silent);
        UpdateChecker::setEndpointForTesting(m_server.endpoint(true, 300));
        const int before = m_server.requests();
        {
            ModelFixture fixture(ModelFixture::Engine::None);
            AppModel &model = *fixture.model;
            model.checkForUpdates();
            QTRY_COMPARE(m_server.requests(), before + 1);
        }
        // The check times out after its model is gone, and gives up the connection.
        QTRY_COMPARE(m_server.unanswered(), 0);
        m_server.setBehaviour(FeedServer::Behaviour::Answer);
        UpdateChecker::setEndpointForTesting(m_server.endpoint());
    }
};

QTEST_GUILESS_MAIN(TestCheckForUpdates)
#include "tst_CheckForUpdates.moc"
