// Ready stamps: the remembered ink and date setting, previews per setting,
// and choosing, which stores each word, date and ink once.

#include "app/ShellFixture.h"
#include "look/SegmentedChoice.h"
#include "stamps/StampLibrary.h"
#include "stampviews/ReadyStampsPicker.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

class tst_ReadyStampsPicker : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { QSettings().clear(); }

    void storedInk_data();
    void storedInk();
    void settingsAreRemembered();
    void previewsAreDrawnPerSetting();
    void choosingTwiceStoresOnce();
    void datedStampsAreNamedWithTheDate();
    void ownWord_data();
    void ownWord();
    void blankOwnWordDoesNothing();
    void failedStoreIsReported();
};

void tst_ReadyStampsPicker::storedInk_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<StampInk>("ink");
    QTest::addColumn<int>("segment");
    QTest::newRow("nothing stored") << QVariant() << StampInk::Red << 0;
    QTest::newRow("blue") << QVariant("blue") << StampInk::Blue << 1;
    QTest::newRow("black") << QVariant("black") << StampInk::Black << 2;
    QTest::newRow("unknown colour") << QVariant("green") << StampInk::Red << -1;
}

void tst_ReadyStampsPicker::storedInk()
{
    QFETCH(QVariant, stored);
    QFETCH(StampInk, ink);
    QFETCH(int, segment);
    if (stored.isValid()) {
        QSettings().setValue("readyStamps.ink", stored);
    }
    ShellFixture shell;
    ReadyStampsPicker picker(shell.model.get());
    QCOMPARE(picker.ink(), ink);
    QCOMPARE(picker.findChild<SegmentedChoice *>("colorPicker")->currentIndex(), segment);
    QVERIFY(picker.keyFor(ReadyStamp::Paid).endsWith('|' + rawValue(ink)));
}

void tst_ReadyStampsPicker::settingsAreRemembered()
{
    ShellFixture shell;
    {
        ReadyStampsPicker picker(shell.model.get());
        QCOMPARE(picker.keyFor(ReadyStamp::Paid), QStringLiteral("PAID||red"));
        const QString dateKey = picker.keyFor(ReadyStamp::Date);
        QCOMPARE(dateKey, "|" + ReadyStampRenderer::today() + "|red");

        picker.findChild<QCheckBox *>("addDateToggle")->setChecked(true);
        picker.findChild<SegmentedChoice *>("colorPicker")->setCurrentIndex(2);
        QCOMPARE(picker.keyFor(ReadyStamp::Paid), "PAID|" + ReadyStampRenderer::today() + "|black");
        // The date-only stamp carries the date either way.
        QCOMPARE(picker.keyFor(ReadyStamp::Date), "|" + ReadyStampRenderer::today() + "|black");
    }
    QCOMPARE(QSettings().value("readyStamps.ink").toString(), QStringLiteral("black"));
    QCOMPARE(QSettings().value("readyStamps.addDate").toBool(), true);
    ReadyStampsPicker again(shell.model.get());
    QCOMPARE(again.ink(), StampInk::Black);
    QVERIFY(again.addsDate());
    QVERIFY(again.findChild<QCheckBox *>("addDateToggle")->isChecked());
}

void tst_ReadyStampsPicker::previewsAreDrawnPerSetting()
{
    ShellFixture shell;
    ReadyStampsPicker picker(shell.model.get());
    const QString red = picker.keyFor(ReadyStamp::Approved);
    QTRY_VERIFY(!picker.preview(red).isNull());
    picker.findChild<SegmentedChoice *>("colorPicker")->setCurrentIndex(1);
    const QString blue = picker.keyFor(ReadyStamp::Approved);
    QVERIFY(blue != red);
    QTRY_VERIFY(!picker.preview(blue).isNull());
    QVERIFY(!picker.preview(red).isNull());             // kept for going back
    QVERIFY(shell.model->stamps()->stamps().isEmpty()); // previews store nothing
}

void tst_ReadyStampsPicker::choosingTwiceStoresOnce()
{
    ShellFixture shell;
    ReadyStampsPicker picker(shell.model.get());
    QSignalSpy chosen(&picker, &ReadyStampsPicker::chosen);
    auto *paid = picker.findChild<QAbstractButton *>("readyStampTile_paid");
    QVERIFY(paid);
    paid->click();
    QTRY_COMPARE(chosen.size(), 1);
    paid->click();
    QTRY_COMPARE(chosen.size(), 2);
    const auto first = chosen.at(0).first().value<StampRecord>();
    QCOMPARE(chosen.at(1).first().value<StampRecord>(), first);
    QCOMPARE(first.id,
             ReadyStampRenderer::stampID(QStringLiteral("PAID"), std::nullopt, StampInk::Red));
    QCOMPARE(first.name, QStringLiteral("PAID"));
    QCOMPARE(shell.model->stamps()->stamps().size(), 1);

    // Another ink is another stamp.
    picker.findChild<SegmentedChoice *>("colorPicker")->setCurrentIndex(1);
    paid->click();
    QTRY_COMPARE(chosen.size(), 3);
    QVERIFY(chosen.at(2).first().value<StampRecord>().id != first.id);
    QCOMPARE(shell.model->stamps()->stamps().size(), 2);
}

void tst_ReadyStampsPicker::datedStampsAreNamedWithTheDate()
{
    ShellFixture shell;
    ReadyStampsPicker picker(shell.model.get());
    QSignalSpy chosen(&picker, &ReadyStampsPicker::chosen);
    picker.findChild<QAbstractButton *>("readyStampTile_date")->click();
    QTRY_COMPARE(chosen.size(), 1);
    QCOMPARE(chosen.at(0).first().value<StampRecord>().name, ReadyStampRenderer::today());

    picker.findChild<QCheckBox *>("addDateToggle")->setChecked(true);
    picker.findChild<QAbstractButton *>("readyStampTile_copy")->click();
    QTRY_COMPARE(chosen.size(), 2);
    QCOMPARE(chosen.at(1).first().value<StampRecord>().name,
             QStringLiteral("COPY \u00B7 ") + ReadyStampRenderer::today());
}

void tst_ReadyStampsPicker::ownWord_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::newRow("lower case with spaces around") << "  paid in cash \n"
                                                   << "PAID IN CASH";
    QTest::newRow("fifty characters") << QString(50, 'a') << QString(40, 'A');
    QTest::newRow("the word of a ready tile") << "paid"
                                              << "PAID";
}

void tst_ReadyStampsPicker::ownWord()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    ShellFixture shell;
    ReadyStampsPicker picker(shell.model.get());
    QSignalSpy chosen(&picker, &ReadyStampsPicker::chosen);
    auto *field = picker.findChild<QLineEdit *>("customWordField");
    field->setText(typed);
    QTest::keyClick(field, Qt::Key_Return);
    QTRY_COMPARE(chosen.size(), 1);
    const auto record = chosen.first().first().value<StampRecord>();
    QCOMPARE(record.name, stored);
    QCOMPARE(record.id, ReadyStampRenderer::stampID(stored, std::nullopt, StampInk::Red));
    QCOMPARE(field->text(), typed); // the field keeps its text
}

void tst_ReadyStampsPicker::blankOwnWordDoesNothing()
{
    ShellFixture shell;
    ReadyStampsPicker picker(shell.model.get());
    QSignalSpy chosen(&picker, &ReadyStampsPicker::chosen);
    auto *field = picker.findChild<QLineEdit *>("customWordField");
    auto *add = picker.findChild<QAbstractButton *>("addCustomButton");
    QVERIFY(!add->isEnabled());
    field->setText("   ");
    QVERIFY(!add->isEnabled());
    QTest::keyClick(field, Qt::Key_Return);
    QCoreApplication::processEvents();
    QCOMPARE(chosen.size(), 0);
    field->setText("ok");
    QVERIFY(add->isEnabled());
}

void tst_ReadyStampsPicker::failedStoreIsReported()
{
    ShellFixture shell;
    // A file where the library's folder should be: nothing can be stored.
    QFile blocker(shell.model->stamps()->folder());
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ReadyStampsPicker picker(shell.model.get());
    QSignalSpy chosen(&picker, &ReadyStampsPicker::chosen);
    QSignalSpy failed(&picker, &ReadyStampsPicker::failed);
    picker.findChild<QAbstractButton *>("readyStampTile_draft")->click();
    QTRY_COMPARE(failed.size(), 1);
    QCOMPARE(failed.first().first().toString(),
             QStringLiteral("The signature or stamp couldn't be saved. Try again."));
    QCOMPARE(chosen.size(), 0);
}

QTEST_MAIN(tst_ReadyStampsPicker)
#include "tst_ReadyStampsPicker.moc"
