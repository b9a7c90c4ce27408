// A stamp on the page: where it and its handles lie, and what the three
// drags report.

#include "StampPictures.h"
#include "app/ShellFixture.h"
#include "stamps/StampLibrary.h"
#include "stampviews/PlacedStamp.h"

#include <QSignalSpy>
#include <QTest>

namespace {

const QSizeF pageSize(600, 800);

StampPlacement placement(QUuid stamp, QPointF centre = {0.5, 0.5}, double width = 0.5,
                         double rotation = 0)
{
    return StampPlacement{QUuid::createUuid(), stamp, centre, width, rotation};
}

bool near(QPointF a, QPointF b)
{
    return std::abs(a.x() - b.x()) < 1e-6 && std::abs(a.y() - b.y()) < 1e-6;
}

} // namespace

class tst_PlacedStamp : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void angles_data();
    void angles();
    void aspect_data();
    void aspect();
    void moving_data();
    void moving();
    void resizing_data();
    void resizing();
    void turningByDrag();

    void handlesTurnWithTheStamp();
    void missingPictureTakesNoClicks();
    void pressOnPictureSelectsWithoutChange();
    void pressOnTurnHandleStraightens();
    void draggingReportsEveryStep();
    void pressesBesideTheStampPassThrough();
};

void tst_PlacedStamp::angles_data()
{
    QTest::addColumn<double>("in");
    QTest::addColumn<double>("out");
    QTest::newRow("near straight") << 3.0 << 0.0;
    QTest::newRow("half turn") << 180.0 << -180.0;
    QTest::newRow("just short of a half turn") << 178.0 << 180.0;
    QTest::newRow("past a half turn") << 200.0 << -160.0;
    QTest::newRow("four degrees off stays") << 176.0 << 176.0;
    QTest::newRow("just inside minus half turn") << -176.5 << -180.0;
    QTest::newRow("minus four degrees off stays") << -176.0 << -176.0;
    QTest::newRow("near a quarter") << 92.5 << 90.0;
    QTest::newRow("near minus a quarter") << -87.0 << -90.0;
    QTest::newRow("full turn and a bit") << 362.0 << 0.0;
    QTest::newRow("free angle") << 33.3 << 33.3;
}

void tst_PlacedStamp::angles()
{
    QFETCH(double, in);
    QFETCH(double, out);
    QCOMPARE(PlacedStamp::normalisedAngle(in), out);
}

void tst_PlacedStamp::aspect_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<double>("aspect");
    QTest::newRow("wide") << QSize(400, 100) << 4.0;
    QTest::newRow("one pixel high counts as one") << QSize(300, 1) << 300.0;
    QTest::newRow("no height counts as one") << QSize(300, 0) << 300.0;
    QTest::newRow("a hair of a picture") << QSize(1, 5000) << 0.001;
}

void tst_PlacedStamp::aspect()
{
    QFETCH(QSize, picture);
    QFETCH(double, aspect);
    QCOMPARE(PlacedStamp::aspect(picture), aspect);
}

void tst_PlacedStamp::moving_data()
{
    QTest::addColumn<QPointF>("start");
    QTest::addColumn<QPointF>("translation");
    QTest::addColumn<QPointF>("centre"); // none when nothing is reported
    QTest::newRow("within the page") << QPointF(0.5, 0.5) << QPointF(60, -80) << QPointF(0.6, 0.4);
    QTest::newRow("past the right edge") << QPointF(0.9, 0.5) << QPointF(300, 0) << QPointF(1, 0.5);
    QTest::newRow("past the top") << QPointF(0.5, 0.1) << QPointF(0, -400) << QPointF(0.5, 0);
    QTest::newRow("no movement") << QPointF(0.5, 0.5) << QPointF(0, 0) << QPointF();
}

void tst_PlacedStamp::moving()
{
    QFETCH(QPointF, start);
    QFETCH(QPointF, translation);
    QFETCH(QPointF, centre);
    const StampPlacement s = placement(QUuid::createUuid(), start);
    const auto next = PlacedStamp::moved(s, s, translation, pageSize);
    QCOMPARE(next.has_value(), !centre.isNull());
    if (next) {
        QVERIFY(near(next->center, centre));
        QCOMPARE(next->width, s.width);
        QCOMPARE(next->id, s.id);
    }
}

void tst_PlacedStamp::resizing_data()
{
    QTest::addColumn<QPointF>("from");
    QTest::addColumn<QPointF>("to");
    QTest::addColumn<double>("width"); // 0 when nothing is reported
    // The stamp's centre lies at (300, 400).
    QTest::newRow("twice as far") << QPointF(400, 400) << QPointF(500, 400) << 1.0;
    QTest::newRow("half as far") << QPointF(400, 400) << QPointF(350, 400) << 0.25;
    QTest::newRow("not above 1.2") << QPointF(310, 400) << QPointF(600, 400) << 1.2;
    QTest::newRow("not below 0.03") << QPointF(400, 400) << QPointF(301, 400) << 0.03;
    QTest::newRow("starting on the centre") << QPointF(300.5, 400.5) << QPointF(500, 400) << 0.0;
}

void tst_PlacedStamp::resizing()
{
    QFETCH(QPointF, from);
    QFETCH(QPointF, to);
    QFETCH(double, width);
    const StampPlacement s = placement(QUuid::createUuid());
    const auto next = PlacedStamp::resized(s, s, from, to, pageSize);
    QCOMPARE(next.has_value(), width > 0);
    if (next) {
        QCOMPARE(next->width, width);
        QCOMPARE(next->center, s.center);
    }
}

void tst_PlacedStamp::turningByDrag()
{
    const StampPlacement s = placement(QUuid::createUuid(), {0.5, 0.5}, 0.5, 10);
    // From above the centre to its right: a quarter turn clockwise.
    const StampPlacement next =
        PlacedStamp::rotated(s, s, QPointF(300, 300), QPointF(400, 400), pageSize);
    QCOMPARE(next.rotation, 100.0);
    QCOMPARE(next.center, s.center);
}

void tst_PlacedStamp::handlesTurnWithTheStamp()
{
    ShellFixture shell;
    const auto record =
        shell.model->stamps()->add(StampPictures::stamp(QSize(300, 100)), "S", QUuid::createUuid());
    QWidget page;
    page.resize(pageSize.toSize());
    PlacedStamp stamp(shell.model.get(), placement(record->id, {0.5, 0.5}, 0.5, 90), pageSize, true,
                      &page);
    QCOMPARE(stamp.stampSize(), QSizeF(300, 100));
    // At 90 degrees the turn handle lies to the right, the resize handle at the bottom-left.
    QVERIFY(near(stamp.turnHandleCentre(), QPointF(300 + 50 + 4 + 30, 400)));
    QVERIFY(near(stamp.resizeHandleCentre(), QPointF(300 - 54, 400 + 154)));
    QCOMPARE(stamp.partAt(QPointF(300, 540)),
             PlacedStamp::Part::Picture); // along the turned length
    QCOMPARE(stamp.partAt(QPointF(440, 400)), PlacedStamp::Part::None);
    QCOMPARE(stamp.partAt(stamp.turnHandleCentre() + QPointF(15, 0)),
             PlacedStamp::Part::TurnHandle);
}

void tst_PlacedStamp::missingPictureTakesNoClicks()
{
    ShellFixture shell;
    QWidget page;
    page.resize(pageSize.toSize());
    PlacedStamp stamp(shell.model.get(), placement(QUuid::createUuid()), pageSize, true, &page);
    QSignalSpy select(&stamp, &PlacedStamp::selectRequested);
    QVERIFY(stamp.testAttribute(Qt::WA_TransparentForMouseEvents));
    QCOMPARE(stamp.partAt(QPointF(300, 400)), PlacedStamp::Part::None);
}

void tst_PlacedStamp::pressOnPictureSelectsWithoutChange()
{
    ShellFixture shell;
    const auto record =
        shell.model->stamps()->add(StampPictures::stamp(QSize(300, 100)), "S", QUuid::createUuid());
    QWidget page;
    page.resize(pageSize.toSize());
    PlacedStamp stamp(shell.model.get(), placement(record->id), pageSize, false, &page);
    page.show();
    QSignalSpy select(&stamp, &PlacedStamp::selectRequested);
    QSignalSpy changed(&stamp, &PlacedStamp::changed);
    QTest::mousePress(&stamp, Qt::LeftButton, {}, QPoint(320, 410));
    QTest::mouseRelease(&stamp, Qt::LeftButton, {}, QPoint(320, 410));
    QCOMPARE(select.size(), 1);
    QCOMPARE(changed.size(), 0);
}

void tst_PlacedStamp::pressOnTurnHandleStraightens()
{
    ShellFixture shell;
    const auto record =
        shell.model->stamps()->add(StampPictures::stamp(QSize(300, 100)), "S", QUuid::createUuid());
    QWidget page;
    page.resize(pageSize.toSize());
    PlacedStamp stamp(shell.model.get(), placement(record->id, {0.5, 0.5}, 0.5, 3), pageSize, true,
                      &page);
    page.show();
    QSignalSpy select(&stamp, &PlacedStamp::selectRequested);
    QSignalSpy changed(&stamp, &PlacedStamp::changed);
    const QPoint handle = stamp.turnHandleCentre().toPoint();
    QTest::mousePress(&stamp, Qt::LeftButton, {}, handle);
    QTest::mouseRelease(&stamp, Qt::LeftButton, {}, handle);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.first().first().value<StampPlacement>().rotation, 0.0);
    QCOMPARE(select.size(), 0);
}

void tst_PlacedStamp::draggingReportsEveryStep()
{
    ShellFixture shell;
    const auto record =
        shell.model->stamps()->add(StampPictures::stamp(QSize(300, 100)), "S", QUuid::createUuid());
    QWidget page;
    page.resize(pageSize.toSize());
    PlacedStamp stamp(shell.model.get(), placement(record->id), pageSize, true, &page);
    page.show();
    QSignalSpy changed(&stamp, &PlacedStamp::changed);
    // The screen stores each value and hands it back, as the real one does.
    connect(&stamp, &PlacedStamp::changed, &stamp, &PlacedStamp::setPlacement);
    QTest::mousePress(&stamp, Qt::LeftButton, {}, QPoint(300, 400));
    QTest::mouseMove(&stamp, QPoint(360, 400));
    QTest::mouseMove(&stamp, QPoint(360, 480));
    QTest::mouseRelease(&stamp, Qt::LeftButton, {}, QPoint(360, 480));
    QCOMPARE(changed.size(), 2);
    QVERIFY(near(stamp.placement().center, QPointF(0.6, 0.6)));

    // The resize handle scales from the centre, which stays.
    const QPointF corner = stamp.resizeHandleCentre();
    const QPointF centre = stamp.centre();
    QTest::mousePress(&stamp, Qt::LeftButton, {}, corner.toPoint());
    QTest::mouseMove(&stamp, (centre + (corner - centre) * 0.5).toPoint());
    QTest::mouseRelease(&stamp, Qt::LeftButton, {}, (centre + (corner - centre) * 0.5).toPoint());
    QVERIFY(std::abs(stamp.placement().width - 0.25) < 0.01);
    QVERIFY(near(stamp.placement().center, QPointF(0.6, 0.6)));
}

void tst_PlacedStamp::pressesBesideTheStampPassThrough()
{
    ShellFixture shell;
    const auto record =
        shell.model->stamps()->add(StampPictures::stamp(QSize(300, 100)), "S", QUuid::createUuid());
    QWidget page;
    page.resize(pageSize.toSize());
    PlacedStamp stamp(shell.model.get(), placement(record->id), pageSize, false, &page);
    page.show();
    // The widget covers the page, yet only the stamp is its own.
    QCOMPARE(stamp.geometry(), QRect(QPoint(0, 0), pageSize.toSize()));
    QVERIFY(!stamp.mask().contains(QPoint(50, 50)));
    QVERIFY(stamp.mask().contains(QPoint(300, 400)));
    QCOMPARE(page.childAt(50, 50), nullptr);
    QCOMPARE(page.childAt(300, 400), &stamp);
}

QTEST_MAIN(tst_PlacedStamp)
#include "tst_PlacedStamp.moc"
