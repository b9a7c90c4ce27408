#include "ShellFixture.h"

#include "app/HomeView.h"

#include <QDragEnterEvent>
#include <QMimeData>
#include <QSignalSpy>

class TestHomeView : public QObject
{
    Q_OBJECT

    static void click(HomeView &home, const char *name)
    {
        auto *button = home.findChild<QAbstractButton *>(QString::fromLatin1(name));
        QVERIFY2(button, name);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, 8));
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        Theme::apply(*qApp);
    }

    void columnsFollowGridWidth_data()
    {
        QTest::addColumn<int>("viewWidth");
        QTest::addColumn<int>("gridWidth");
        QTest::addColumn<int>("columns");
        QTest::newRow("wide window, column held at 900") << 1300 << 844 << 3;
        QTest::newRow("three from 778") << 778 + 56 << 778 << 3;
        QTest::newRow("two just below") << 777 + 56 << 777 << 2;
        QTest::newRow("two from 514") << 514 + 56 << 514 << 2;
        QTest::newRow("one just below") << 513 + 56 << 513 << 1;
    }

    void columnsFollowGridWidth()
    {
        QFETCH(int, viewWidth);
        QFETCH(int, gridWidth);
        QFETCH(int, columns);
        ShellFixture f;
        HomeView home(f.model.get());
        home.resize(viewWidth, 1600); // tall enough for one column without a scroll bar
        home.show();
        QVERIFY(QTest::qWaitForWindowExposed(&home));
        auto *grid = home.findChild<QWidget *>("toolGrid");
        QTRY_COMPARE(grid->width(), gridWidth);
        QCOMPARE(home.toolColumns(), columns);

        // The six tiles fill the columns row by row, each at least 96 high.
        QSet<int> lefts;
        QSet<int> rows;
        for (const char *name :
             {"signTile", "compressTile", "mergeTile", "splitTile", "codesTile", "imagesTile"}) {
            auto *tile = home.findChild<QWidget *>(QString::fromLatin1(name));
            lefts.insert(tile->x());
            rows.insert(tile->geometry().center().y());
            QVERIFY(tile->height() >= 96);
            QVERIFY(tile->geometry().right() < grid->width());
        }
        QCOMPARE(int(lefts.size()), columns);
        QCOMPARE(int(rows.size()), (6 + columns - 1) / columns);
    }

    void longDetailGrowsTile()
    {
        ShellFixture f;
        HomeView home(f.model.get());
        home.resize(513 + 56, 1600); // one column of 513
        home.show();
        QVERIFY(QTest::qWaitForWindowExposed(&home));
        auto *tile = home.findChild<QWidget *>("signTile");
        auto *merge = home.findChild<QWidget *>("mergeTile");
        QTRY_COMPARE(merge->height(), 96); // short text: the minimum
        home.resize(300, 1600);            // narrower than a column: the text wraps more

        QTRY_VERIFY(tile->height() > 96);
        auto *detail = tile->findChild<QWidget *>("tileDetail");
        QTRY_VERIFY2(detail->geometry().bottom() < tile->height() - 15, "the detail is cut off");
    }

    void droppedPdfHighlightsThenOpens()
    {
        ShellFixture f;
        const QUrl url = f.pdf("Dropped report.pdf", 3);
        HomeView home(f.model.get());
        home.resize(900, 800);
        home.show();
        QVERIFY(QTest::qWaitForWindowExposed(&home));
        auto *zone = home.findChild<DropZone *>("dropZone");
        QVERIFY(zone);

        QMimeData data;
        data.setUrls({url, QUrl("https://example.org/page.pdf")});
        QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(zone, &enter);
        QVERIFY(enter.isAccepted());
        QVERIFY(zone->isTargeted());

        QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(zone, &drop);
        QVERIFY(drop.isAccepted());
        QVERIFY(!zone->isTargeted());
        QTRY_COMPARE(f.model->files().size(), 1);
        OpenFile *file = f.model->files().first();
        QCOMPARE(file->name(), QStringLiteral("Dropped report"));
        QCOMPARE(file->pages().size(), 3);
        QCOMPARE(f.model->destination(), std::optional(Destination::file(file->id())));
    }

    void dragThatLeavesOrCarriesNoFile()
    {
        ShellFixture f;
        HomeView home(f.model.get());
        auto *zone = home.findChild<DropZone *>("dropZone");
        QSignalSpy targeted(zone, &DropZone::targetedChanged);

        QMimeData web;
        web.setUrls({QUrl("https://example.org/")});
        QDragEnterEvent webEnter(QPoint(5, 5), Qt::CopyAction, &web, Qt::LeftButton,
                                 Qt::NoModifier);
        QApplication::sendEvent(zone, &webEnter);
        QVERIFY(!webEnter.isAccepted());
        QVERIFY(!zone->isTargeted());

        QMimeData file;
        file.setUrls({QUrl::fromLocalFile("/tmp/a.pdf")});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &file, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(zone, &enter);
        QVERIFY(zone->isTargeted());
        QDragLeaveEvent leave;
        QApplication::sendEvent(zone, &leave);
        QVERIFY(!zone->isTargeted());
        QCOMPARE(targeted.count(), 2);
        QVERIFY(f.model->files().isEmpty());
    }

    void cancelledChooserStartsNothing_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("multiple");
        QTest::addColumn<QList<FileKind>>("kinds");
        const QList<FileKind> pdf{FileKind::Pdf};
        const QList<FileKind> both{FileKind::Pdf, FileKind::Picture};
        QTest::newRow("Sign & Stamp") << "signTile" << false << pdf;
        QTest::newRow("Compress") << "compressTile" << false << pdf;
        QTest::newRow("Split") << "splitTile" << false << pdf;
        QTest::newRow("Images to PDF")
            << "imagesTile" << true << QList<FileKind>{FileKind::Picture};
        QTest::newRow("drop zone click") << "dropZone" << true << both;
    }

    void cancelledChooserStartsNothing()
    {
        QFETCH(QString, button);
        QFETCH(bool, multiple);
        QFETCH(QList<FileKind>, kinds);
        ShellFixture f;
        HomeView home(f.model.get());
        home.resize(900, 800);
        home.show();
        QVERIFY(QTest::qWaitForWindowExposed(&home));
        QSignalSpy destination(f.model.get(), &AppModel::destinationChanged);
        QSignalSpy sheet(f.model.get(), &AppModel::sheetChanged);

        click(home, qPrintable(button));
        QTRY_COMPARE(f.panels.openCalls.size(), 1);
        QCOMPARE(f.panels.openCalls.first().multiple, multiple);
        QCOMPARE(f.panels.openCalls.first().kinds, kinds);
        QCoreApplication::processEvents();
        QVERIFY(f.model->files().isEmpty());
        QCOMPARE(destination.count(), 0);
        QCOMPARE(sheet.count(), 0);
        QVERIFY(!f.model->signingFileID());
        QVERIFY(!f.model->errorMessage());
    }

    void chosenFileStartsItsTool_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<std::optional<FileSheet::Kind>>("sheet");
        QTest::addColumn<bool>("signs");
        QTest::newRow("Sign & Stamp") << "signTile" << std::optional<FileSheet::Kind>() << true;
        QTest::newRow("Compress") << "compressTile" << std::optional(FileSheet::Kind::Compress)
                                  << false;
        QTest::newRow("Split") << "splitTile" << std::optional(FileSheet::Kind::Split) << false;
        QTest::newRow("drop zone click") << "dropZone" << std::optional<FileSheet::Kind>() << false;
    }

    void chosenFileStartsItsTool()
    {
        QFETCH(QString, button);
        QFETCH(std::optional<FileSheet::Kind>, sheet);
        QFETCH(bool, signs);
        ShellFixture f;
        f.panels.fileAnswers.enqueue({f.pdf("Contract.pdf")});
        HomeView home(f.model.get());
        home.resize(900, 800);
        home.show();
        QVERIFY(QTest::qWaitForWindowExposed(&home));

        click(home, qPrintable(button));
        QTRY_COMPARE(f.model->files().size(), 1);
        const QUuid id = f.model->files().first()->id();
        QCOMPARE(f.model->destination(), std::optional(Destination::file(id)));
        QTRY_COMPARE(f.model->signingFileID(), signs ? std::optional(id) : std::nullopt);
        if (sheet) {
            QTRY_COMPARE(f.model->sheet(), std::optional(FileSheet{*sheet, id}));
        } else {
            QVERIFY(!f.model->sheet());
        }
    }

    void toolScreensSwitchAtOnce_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<Destination>("destination");
        QTest::newRow("Merge PDFs") << "mergeTile" << Destination::merge();
        QTest::newRow("Read QR Codes") << "codesTile" << Destination::codes();
    }

    void toolScreensSwitchAtOnce()
    {
        QFETCH(QString, button);
        QFETCH(Destination, destination);
        ShellFixture f;
        HomeView home(f.model.get());
        home.resize(900, 800);
        home.show();
        QVERIFY(QTest::qWaitForWindowExposed(&home));
        click(home, qPrintable(button));
        QCOMPARE(f.model->destination(), std::optional(destination));
        QVERIFY(f.panels.openCalls.isEmpty());
    }
};

QTEST_MAIN(TestHomeView)
#include "tst_HomeView.moc"
