#include "CodePictures.h"

#include "codes/CodeReading.h"
#include "helpers/TestUtil.h"

#include <QSignalSpy>
#include <QTest>
#include <QThreadPool>

Q_DECLARE_METATYPE(std::optional<QString>)

namespace {

FoundCode code(const QString &payload)
{
    return FoundCode{QUuid::createUuid(), payload, CodeSymbology::QR, "a.pdf", 1};
}

QStringList payloads(const QList<FoundCode> &codes)
{
    QStringList out;
    for (const FoundCode &c : codes) {
        out.append(c.payload);
    }
    return out;
}

} // namespace

// Only an upper bound: on a loaded machine the detector may get a sliver of a core,
// and the reads of one test queue behind each other.
constexpr int ReadTimeoutMs = 120000;

class TestCodeReading : public QObject
{
    Q_OBJECT

private slots:
    void modelNotifiesOnlyRealChanges()
    {
        CodesModel model;
        QSignalSpy found(&model, &CodesModel::foundChanged);
        QSignalSpy reading(&model, &CodesModel::isReadingChanged);
        QSignalSpy note(&model, &CodesModel::emptyMessageChanged);
        const QList<FoundCode> list = {code("a")};
        model.setFound(list);
        model.setFound(list);
        model.setReading(false);
        model.setReading(true);
        model.setReading(true);
        model.setEmptyMessage(std::nullopt);
        model.setEmptyMessage(QString("x"));
        model.setEmptyMessage(QString("x"));
        QCOMPARE(found.count(), 1);
        QCOMPARE(reading.count(), 1);
        QCOMPARE(note.count(), 1);
    }

    void onlyTheNewestReadClearsIsReading()
    {
        CodesModel model;
        const CodesModel::Read first = model.startRead();
        model.setReading(true);
        const CodesModel::Read second = model.startRead();
        QVERIFY(first.token.isCanceled());
        QVERIFY(!second.token.isCanceled());
        model.finishRead(first.number); // the cancelled read ends late
        QVERIFY(model.isReading());
        model.finishRead(second.number);
        QVERIFY(!model.isReading());
        model.stop();
        QVERIFY(model.task().isCanceled());
    }

    void publishing_data()
    {
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<std::optional<QString>>("name");
        QTest::addColumn<bool>("canceled");
        QTest::addColumn<QStringList>("expectedFound");
        QTest::addColumn<std::optional<QString>>("expectedNote");
        QTest::addColumn<int>("offers");
        QTest::newRow("codes go above the earlier ones")
            << QStringList{"new1", "new2"} << std::optional<QString>() << false
            << QStringList{"new1", "new2", "old"} << std::optional<QString>() << 1;
        QTest::newRow("nothing in one named file")
            << QStringList{} << std::optional<QString>("scan.pdf") << false << QStringList{"old"}
            << std::optional<QString>("No codes found in “scan.pdf”.") << 0;
        QTest::newRow("nothing in several files")
            << QStringList{} << std::optional<QString>() << false << QStringList{"old"}
            << std::optional<QString>("No codes found.") << 0;
        QTest::newRow("a cancelled read publishes nothing")
            << QStringList{"new"} << std::optional<QString>() << true << QStringList{"old"}
            << std::optional<QString>() << 0;
    }

    void publishing()
    {
        QFETCH(QStringList, list);
        QFETCH(std::optional<QString>, name);
        QFETCH(bool, canceled);
        QFETCH(QStringList, expectedFound);
        QFETCH(std::optional<QString>, expectedNote);
        QFETCH(int, offers);
        CodesModel model;
        model.setFound({code("old")});
        int offered = 0;
        CodeReadingHooks hooks;
        hooks.offerSupportOnce = [&offered] { ++offered; };
        QList<FoundCode> codes;
        for (const QString &p : list) {
            codes.append(code(p));
        }
        CancelToken token = CancelToken::make();
        if (canceled) {
            token.cancel();
        }
        CodeReading::publish(&model, token, codes, name, hooks);
        QCOMPARE(payloads(model.found()), expectedFound);
        QCOMPARE(model.emptyMessage(), expectedNote);
        QCOMPARE(offered, offers);
    }

    void pastedPictureWithTwoCodes()
    {
        CodesModel model;
        model.setEmptyMessage(QString("No codes found."));
        int offered = 0;
        const QImage picture =
            CodePictures::canvas({900, 500}, {{CodePictures::qr("right"), QPoint(520, 100)},
                                              {CodePictures::qr("left"), QPoint(60, 104)}});
        CodeReading::readImage(&model, picture, {{}, {}, [&offered] { ++offered; }});
        QVERIFY(model.isReading());
        QVERIFY(!model.emptyMessage());
        QTRY_VERIFY_WITH_TIMEOUT(!model.isReading(), ReadTimeoutMs);
        QCOMPARE(payloads(model.found()), (QStringList{"left", "right"}));
        for (const FoundCode &c : model.found()) {
            QCOMPARE(c.origin, QString("Pasted image"));
            QVERIFY(!c.page);
        }
        QCOMPARE(offered, 1);
    }

    void pasteWithoutCodesNamesThePaste()
    {
        CodesModel model;
        QImage blank(300, 300, QImage::Format_RGB32);
        blank.fill(Qt::white);
        CodeReading::readImage(&model, blank, {});
        QTRY_VERIFY_WITH_TIMEOUT(!model.isReading(), ReadTimeoutMs);
        QCOMPARE(model.emptyMessage(), std::optional<QString>("No codes found in “Pasted image”."));
    }

    void stoppedPasteShowsNothing()
    {
        CodesModel model;
        CodeReading::readImage(
            &model, CodePictures::canvas({400, 400}, {{CodePictures::qr("x"), QPoint(50, 50)}}),
            {});
        model.stop();
        QTRY_VERIFY_WITH_TIMEOUT(!model.isReading(), ReadTimeoutMs);
        QVERIFY(model.found().isEmpty());
        QVERIFY(!model.emptyMessage());
    }

    void newerPasteReplacesTheRunningOne()
    {
        CodesModel model;
        CodeReading::readImage(
            &model, CodePictures::canvas({400, 400}, {{CodePictures::qr("old"), QPoint(50, 50)}}),
            {});
        CodeReading::readImage(
            &model, CodePictures::canvas({400, 400}, {{CodePictures::qr("new"), QPoint(50, 50)}}),
            {});
        QTRY_VERIFY_WITH_TIMEOUT(model.found().size() == 1 && !model.isReading(), ReadTimeoutMs);
        // Let the replaced read end too: it must publish nothing.
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::processEvents();
        QCOMPARE(payloads(model.found()), QStringList{"new"});
        QVERIFY(!model.isReading());
    }
};

QTEST_MAIN(TestCodeReading)
#include "tst_CodeReading.moc"
