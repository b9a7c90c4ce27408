// The small pieces every stamp screen shares: where a new stamp comes from,
// the menu that chooses it, the checkerboard and the library tile.

#include "StampPictures.h"
#include "app/ShellFixture.h"
#include "stamps/StampLibrary.h"
#include "stampviews/Checkerboard.h"
#include "stampviews/NewStampMenu.h"
#include "stampviews/PictureBox.h"
#include "stampviews/StampSource.h"
#include "stampviews/StampTile.h"

#include <QPainter>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

class tst_StampPieces : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void sourceIds_data();
    void sourceIds();
    void dataIdsFollowTheBytes();

    void checkerboard_data();
    void checkerboard();

    void menuChoosesAFile();
    void menuCancelledChoosesNothing();
    void menuOffersDrawingAndReadyStamps();

    void tileFollowsTheLibrary();
    void pictureFits_data();
    void pictureFits();
};

void tst_StampPieces::sourceIds_data()
{
    QTest::addColumn<StampSource>("source");
    QTest::addColumn<QString>("id");
    QTest::newRow("file in tmp") << StampSource::file(QUrl::fromLocalFile("/tmp/sig.png"))
                                 << "file-/tmp/sig.png";
    QTest::newRow("file with spaces")
        << StampSource::file(QUrl::fromLocalFile("/home/a/My Sig.png"))
        << "file-/home/a/My Sig.png";
    QTest::newRow("drawing") << StampSource::drawing() << "drawing";
    QTest::newRow("ready") << StampSource::ready() << "ready";
}

void tst_StampPieces::sourceIds()
{
    QFETCH(StampSource, source);
    QFETCH(QString, id);
    QCOMPARE(source.id(), id);
}

void tst_StampPieces::dataIdsFollowTheBytes()
{
    const QByteArray bytes = StampPictures::png(StampPictures::signatureOnPaper(QSize(90, 40)));
    const QString id = StampSource::data(bytes).id();
    QVERIFY(QRegularExpression(QStringLiteral("^data-%1--?\\d+$").arg(bytes.size()))
                .match(id)
                .hasMatch());
    QCOMPARE(StampSource::data(QByteArray(bytes)).id(), id);
    QVERIFY(StampSource::data(bytes + 'x').id() != id);
}

void tst_StampPieces::checkerboard_data()
{
    // A 20 by 10 canvas: grey squares at (0,0), (16,0) cut to 4 wide and (8,8)
    // cut to 2 high.
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<bool>("grey");
    QTest::newRow("top-left square") << QPoint(0, 0) << true;
    QTest::newRow("end of the first square") << QPoint(7, 7) << true;
    QTest::newRow("second square") << QPoint(8, 0) << false;
    QTest::newRow("third square, cut") << QPoint(19, 0) << true;
    QTest::newRow("second row, first") << QPoint(0, 8) << false;
    QTest::newRow("second row, second, cut") << QPoint(9, 9) << true;
    QTest::newRow("second row, third") << QPoint(17, 9) << false;
}

void tst_StampPieces::checkerboard()
{
    QFETCH(QPoint, pixel);
    QFETCH(bool, grey);
    QImage canvas(20, 10, QImage::Format_ARGB32);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    Checkerboard::paint(painter, QRectF(0, 0, 20, 10));
    painter.end();
    QCOMPARE(canvas.pixelColor(pixel), grey ? QColor(237, 237, 237) : QColor(Qt::white));
}

void tst_StampPieces::menuChoosesAFile()
{
    ShellFixture shell;
    const QUrl picture = shell.picture("sig.png");
    shell.panels.fileAnswers.enqueue({picture});
    NewStampMenu menu(shell.model.get());
    QSignalSpy chosen(&menu, &NewStampMenu::sourceChosen);
    menu.fileAction()->trigger();
    QTRY_COMPARE(chosen.size(), 1);
    const auto source = chosen.first().first().value<StampSource>();
    QCOMPARE(source.kind(), StampSource::Kind::File);
    QCOMPARE(source.url(), picture);
    QCOMPARE(shell.panels.openCalls.size(), 1);
    QCOMPARE(shell.panels.openCalls.first().multiple, false);
    QCOMPARE(shell.panels.openCalls.first().kinds, QList<FileKind>{FileKind::Picture});
    QCOMPARE(shell.panels.openCalls.first().message,
             QStringLiteral("Choose a photo or scan of your signature or stamp"));
}

void tst_StampPieces::menuCancelledChoosesNothing()
{
    ShellFixture shell;
    NewStampMenu menu(shell.model.get());
    QSignalSpy chosen(&menu, &NewStampMenu::sourceChosen);
    menu.fileAction()->trigger(); // no answer prepared: the panel is cancelled
    QTRY_COMPARE(shell.panels.openCalls.size(), 1);
    QCoreApplication::processEvents();
    QCOMPARE(chosen.size(), 0);
}

void tst_StampPieces::menuOffersDrawingAndReadyStamps()
{
    ShellFixture shell;
    NewStampMenu menu(shell.model.get());
    QCOMPARE(menu.title(), QStringLiteral("New Signature or Stamp"));
    QStringList items;
    for (QAction *action : menu.actions()) {
        items.append(action->text());
    }
    QCOMPARE(items,
             (QStringList{"From an Image File…", "Draw with Trackpad or Mouse…", "Ready Stamps…"}));
    QSignalSpy chosen(&menu, &NewStampMenu::sourceChosen);
    menu.drawingAction()->trigger();
    menu.readyAction()->trigger();
    QCOMPARE(chosen.size(), 2);
    QCOMPARE(chosen.at(0).first().value<StampSource>().id(), QStringLiteral("drawing"));
    QCOMPARE(chosen.at(1).first().value<StampSource>().id(), QStringLiteral("ready"));
    QVERIFY(shell.panels.openCalls.isEmpty());
}

void tst_StampPieces::tileFollowsTheLibrary()
{
    ShellFixture shell;
    StampLibrary *library = shell.model->stamps();
    const std::optional<StampRecord> record =
        library->add(StampPictures::stamp(QSize(300, 100)), "Mine", QUuid::createUuid());
    QVERIFY(record);
    StampTile tile(shell.model.get(), *record, 90);
    QCOMPARE(tile.height(), 90);
    QVERIFY(tile.showsPicture());

    library->remove(record->id);
    QVERIFY(!tile.showsPicture());

    // A tile made for a stamp whose picture is not there shows the backdrop alone.
    StampTile orphan(shell.model.get(), *record, 90);
    QVERIFY(!orphan.showsPicture());
}

void tst_StampPieces::pictureFits_data()
{
    QTest::addColumn<QSizeF>("picture");
    QTest::addColumn<QSizeF>("box");
    QTest::addColumn<qreal>("padding");
    QTest::addColumn<QRectF>("expected");
    QTest::newRow("wide signature in a tall tile")
        << QSizeF(400, 100) << QSizeF(116, 200) << 8.0 << QRectF(8, 87.5, 100, 25);
    QTest::newRow("tall stamp in a wide tile")
        << QSizeF(100, 200) << QSizeF(300, 116) << 8.0 << QRectF(125, 8, 50, 100);
    QTest::newRow("small picture grows to fill")
        << QSizeF(10, 10) << QSizeF(52, 52) << 16.0 << QRectF(16, 16, 20, 20);
    QTest::newRow("no room left") << QSizeF(10, 10) << QSizeF(20, 20) << 10.0 << QRectF();
}

void tst_StampPieces::pictureFits()
{
    QFETCH(QSizeF, picture);
    QFETCH(QSizeF, box);
    QFETCH(qreal, padding);
    QFETCH(QRectF, expected);
    QCOMPARE(PictureBox::fittedRect(picture, box, padding), expected);
}

QTEST_MAIN(tst_StampPieces)
#include "tst_StampPieces.moc"
