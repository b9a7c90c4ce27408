#include "document/OpenFile.h"
#include "engine/PDFEngine.h"
#include "helpers/ModelFixture.h"
#include "helpers/PdfFixtures.h"
#include "helpers/TestUtil.h"
#include "model/AppModel.h"

#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// Locked PDFs: the questions, their answers, and loads that ask at the same time.
class TestPasswordLoop : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<ModelFixture> m_fixture;
    PDFEngine *m_engine = nullptr;
    AppModel *m_model = nullptr;

    QUrl locked(const QString &name, const QString &password, int pages = 2)
    {
        const QUrl url = QUrl::fromLocalFile(m_dir.filePath(name));
        if (!QFile::exists(url.toLocalFile())) {
            Fixtures::writeNumberedPdf(url.toLocalFile(), pages, {password, {}});
        }
        return url;
    }

    // Waits for the next question and checks it.
    bool asked(const QString &fileName, bool wasWrong)
    {
        const bool askedAtAll =
            QTest::qWaitFor([&] { return m_model->passwordRequest().has_value(); }, 10000);
        const std::optional<PasswordRequest> &request = m_model->passwordRequest();
        if (!askedAtAll || !request) {
            qWarning("no question asked");
            return false;
        }
        if (request->fileName != fileName || request->wasWrong != wasWrong) {
            qWarning() << "asked" << request->fileName << request->wasWrong;
            return false;
        }
        return true;
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_dir.isValid());
    }

    void init()
    {
        m_fixture = std::make_unique<ModelFixture>();
        m_engine = m_fixture->engine.get();
        m_model = m_fixture->model.get();
    }

    void cleanup() { m_fixture.reset(); }

    void wrongThenRight()
    {
        const QUrl url = locked("Contract.pdf", "right");
        QSignalSpy requests(m_model, &AppModel::passwordRequestChanged);
        QFuture<void> opening = m_model->open({url});
        QVERIFY(asked("Contract.pdf", false));
        const QUuid firstQuestion = m_model->passwordRequest()->id;
        m_model->answerPassword(QStringLiteral("wrong"));
        QVERIFY(!m_model->passwordRequest());
        QVERIFY(asked("Contract.pdf", true));
        QVERIFY(m_model->passwordRequest()->id != firstQuestion);
        m_model->answerPassword(QStringLiteral("right"));
        QVERIFY(TestUtil::waitFor(opening));

        QCOMPARE(m_model->files().size(), 1);
        const OpenFile *file = m_model->files().first();
        QCOMPARE(file->password(), std::optional<QString>(QStringLiteral("right")));
        QCOMPARE(file->pages().size(), 2);
        QVERIFY(!m_model->errorMessage());
        QCOMPARE(requests.count(), 4); // asked, answered, asked again, answered
    }

    void cancelOpensNothing()
    {
        m_model->setDestination(Destination::merge());
        QFuture<void> opening = m_model->open({locked("Locked.pdf", "pw")});
        QVERIFY(asked("Locked.pdf", false));
        m_model->answerPassword(std::nullopt);
        QVERIFY(TestUtil::waitFor(opening));
        QVERIFY(m_model->files().isEmpty());
        QVERIFY(!m_model->errorMessage());
        QVERIFY(!m_model->passwordRequest());
        QCOMPARE(m_model->destination(), std::optional<Destination>(Destination::merge()));
        // A late second answer to the same question does nothing.
        m_model->answerPassword(QStringLiteral("pw"));
        QVERIFY(m_model->files().isEmpty());
    }

    void loadReportsThePassword()
    {
        const QUrl url = locked("Load.pdf", "pw", 3);
        QFuture<std::optional<AppModel::Loaded>> loading = m_model->load(url);
        QVERIFY(asked("Load.pdf", false));
        m_model->answerPassword(QStringLiteral("pw"));
        const std::optional<AppModel::Loaded> loaded = TestUtil::await(loading);
        QVERIFY(loaded);
        QCOMPARE(loaded->pageCount, 3);
        QCOMPARE(loaded->password, std::optional<QString>(QStringLiteral("pw")));

        // The engine keeps the unlocked document; a second load needs no question
        // and still knows the password, so a save keeps the protection.
        const std::optional<AppModel::Loaded> again = TestUtil::await(m_model->load(url));
        QVERIFY(again);
        QCOMPARE(again->password, std::optional<QString>(QStringLiteral("pw")));
    }

    void secondLockedFileWaitsItsTurn()
    {
        const QUrl first = locked("First.pdf", "one");
        const QUrl second = locked("Second.pdf", "two");
        QFuture<void> openingFirst = m_model->open({first});
        QVERIFY(asked("First.pdf", false));
        // Dropped while the first prompt is up.
        const QSignalSpy questions(m_model, &AppModel::passwordRequestChanged);
        QFuture<void> openingSecond = m_model->open({second});
        // Once the engine has read the second file too, its load waits for the turn.
        QTRY_COMPARE(TestUtil::await(m_engine->cachedDocumentCount()), 2);
        QCoreApplication::processEvents();
        QCOMPARE(questions.count(), 0);
        QCOMPARE(m_model->passwordRequest()->fileName, QStringLiteral("First.pdf"));

        // A wrong answer keeps the turn with the first file.
        m_model->answerPassword(QStringLiteral("nope"));
        QVERIFY(asked("First.pdf", true));
        m_model->answerPassword(QStringLiteral("one"));
        QVERIFY(asked("Second.pdf", false));
        QVERIFY(TestUtil::waitFor(openingFirst));
        m_model->answerPassword(QStringLiteral("two"));
        QVERIFY(TestUtil::waitFor(openingSecond));

        QCOMPARE(m_model->files().size(), 2);
        QCOMPARE(m_model->files()[0]->password(), std::optional<QString>(QStringLiteral("one")));
        QCOMPARE(m_model->files()[1]->password(), std::optional<QString>(QStringLiteral("two")));
        QVERIFY(!m_model->passwordRequest());
    }

    void cancelledFirstLetsTheNextAsk()
    {
        QFuture<void> openingFirst = m_model->open({locked("A.pdf", "a")});
        QVERIFY(asked("A.pdf", false));
        QFuture<void> openingSecond = m_model->open({locked("B.pdf", "b")});
        m_model->answerPassword(std::nullopt);
        QVERIFY(asked("B.pdf", false));
        m_model->answerPassword(QStringLiteral("b"));
        QVERIFY(TestUtil::waitFor(openingFirst));
        QVERIFY(TestUtil::waitFor(openingSecond));
        QCOMPARE(m_model->files().size(), 1);
        QCOMPARE(m_model->files().first()->name(), QStringLiteral("B"));
    }
};

QTEST_MAIN(TestPasswordLoop)
#include "tst_PasswordLoop.moc"
