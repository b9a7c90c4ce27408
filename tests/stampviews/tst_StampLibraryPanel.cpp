// The Sign & Stamp screen's library panel: the stamps it offers, the selected
// stamp's section, and the angle slider that follows the stamp both ways.

#include "StampPictures.h"
#include "app/ShellFixture.h"
#include "stamps/StampLibrary.h"
#include "stampviews/NewStampSheet.h"
#include "stampviews/StampLibraryPanel.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>

class tst_StampLibraryPanel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void angleReadout_data();
    void angleReadout();
    void tilesFollowTheLibrary();
    void selectionSection();
    void sliderFollowsWithoutEcho();
    void newStampLandsOnThePage();
};

void tst_StampLibraryPanel::angleReadout_data()
{
    QTest::addColumn<double>("degrees");
    QTest::addColumn<QString>("text");
    QTest::newRow("half up") << 44.5 << "45°";
    QTest::newRow("half down") << -44.5 << "-45°";
    QTest::newRow("straight") << 0.0 << "0°";
    QTest::newRow("a fraction") << 12.3 << "12°";
    QTest::newRow("upside down") << -180.0 << "-180°";
}

void tst_StampLibraryPanel::angleReadout()
{
    QFETCH(double, degrees);
    QFETCH(QString, text);
    QCOMPARE(StampLibraryPanel::angleText(degrees), text);
}

void tst_StampLibraryPanel::tilesFollowTheLibrary()
{
    ShellFixture shell;
    StampLibraryPanel panel(shell.model.get());
    panel.resize(280, 600);
    panel.show();
    auto *note = panel.findChild<QLabel *>("emptyLibraryNote");
    QVERIFY(note->isVisible());
    QSignalSpy place(&panel, &StampLibraryPanel::placeRequested);

    const auto first = shell.model->stamps()->add(StampPictures::stamp(QSize(300, 100)), "One",
                                                  QUuid::createUuid());
    const auto second = shell.model->stamps()->add(StampPictures::stamp(QSize(100, 100)), "Two",
                                                   QUuid::createUuid());
    QVERIFY(!note->isVisible());
    auto *tile = panel.findChild<QAbstractButton *>("libraryStamp_" +
                                                    second->id.toString(QUuid::WithoutBraces));
    QVERIFY(tile);
    QCOMPARE(tile->toolTip(), QStringLiteral("Put on this page"));
    tile->click();
    QCOMPARE(place.size(), 1);
    QCOMPARE(place.first().first().value<StampRecord>(), *second);

    shell.model->stamps()->remove(first->id);
    shell.model->stamps()->remove(second->id);
    QTRY_VERIFY(
        panel.findChildren<QAbstractButton *>(QRegularExpression("^libraryStamp_")).isEmpty());
    QVERIFY(note->isVisible());
}

void tst_StampLibraryPanel::selectionSection()
{
    ShellFixture shell;
    const auto record = shell.model->stamps()->add(StampPictures::stamp(QSize(300, 100)), "Seal",
                                                   QUuid::createUuid());
    StampLibraryPanel panel(shell.model.get());
    panel.show();
    auto *section = panel.findChild<QWidget *>("selectionSection");
    QVERIFY(!section->isVisible());

    QSignalSpy all(&panel, &StampLibraryPanel::addToAllRequested);
    QSignalSpy remove(&panel, &StampLibraryPanel::removeSelectedRequested);
    panel.setSelected(StampPlacement{QUuid::createUuid(), record->id, {0.5, 0.5}, 0.3, 44.5});
    QVERIFY(section->isVisible());
    QCOMPARE(panel.findChild<QLabel *>("selectedName")->text(), QStringLiteral("Seal"));
    QCOMPARE(panel.findChild<QLabel *>("angleReadout")->text(), QStringLiteral("45°"));
    panel.findChild<QAbstractButton *>("addToAllButton")->click();
    panel.findChild<QAbstractButton *>("removeFromPageButton")->click();
    QCOMPARE(all.size(), 1);
    QCOMPARE(remove.size(), 1);

    // A stamp no longer in the library: no name, the rest still works.
    panel.setSelected(StampPlacement{QUuid::createUuid(), QUuid::createUuid(), {0.5, 0.5}, 0.3, 0});
    QCOMPARE(panel.findChild<QLabel *>("selectedName")->text(), QString());
    panel.setSelected(std::nullopt);
    QVERIFY(!section->isVisible());
}

void tst_StampLibraryPanel::sliderFollowsWithoutEcho()
{
    ShellFixture shell;
    StampLibraryPanel panel(shell.model.get());
    QSignalSpy rotate(&panel, &StampLibraryPanel::rotateRequested);
    auto *slider = panel.findChild<QSlider *>("angleSlider");
    StampPlacement placement{QUuid::createUuid(), QUuid::createUuid(), {0.5, 0.5}, 0.3, 0};
    panel.setSelected(placement);
    // Turned on the page with the handle: the slider follows, nothing is sent back.
    placement.rotation = 90;
    panel.setSelected(placement);
    QCOMPARE(slider->value(), 90 * 100);
    placement.rotation = 33.333;
    panel.setSelected(placement);
    QCOMPARE(rotate.size(), 0);

    slider->setValue(-45 * 100);
    QCOMPARE(rotate.size(), 1);
    QCOMPARE(rotate.first().first().toDouble(), -45.0);
}

void tst_StampLibraryPanel::newStampLandsOnThePage()
{
    ShellFixture shell;
    QSettings().remove("readyStamps.ink");
    QSettings().remove("readyStamps.addDate");
    QWidget window;
    auto *panel = new StampLibraryPanel(shell.model.get(), &window);
    window.show();
    QSignalSpy place(panel, &StampLibraryPanel::placeRequested);
    auto *menu = panel->findChild<QMenu *>("newStampMenu");
    QVERIFY(menu);
    menu->actions().at(2)->trigger(); // Ready Stamps…
    auto *sheet = panel->findChild<NewStampPresenter *>()->sheet();
    QVERIFY(sheet && sheet->isVisible());
    sheet->findChild<QAbstractButton *>("readyStampTile_received")->click();
    QTRY_COMPARE(place.size(), 1);
    QCOMPARE(place.first().first().value<StampRecord>().name, QStringLiteral("RECEIVED"));
    QTRY_VERIFY(!panel->findChild<NewStampPresenter *>()->sheet());
}

QTEST_MAIN(tst_StampLibraryPanel)
#include "tst_StampLibraryPanel.moc"
