// The Sign & Stamp screen over a real model and engine: which page it shows,
// how it moves between pages, and how its stamps and keys reach the document.

#include "StampPictures.h"
#include "app/ShellFixture.h"
#include "stamps/StampLibrary.h"
#include "stampviews/NewStampMenu.h"
#include "stampviews/NewStampSheet.h"
#include "stampviews/PlacedStamp.h"
#include "stampviews/SignPageArea.h"
#include "stampviews/SignPageStrip.h"
#include "stampviews/SignView.h"
#include "stampviews/StampLibraryPanel.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QSlider>
#include <QTest>

namespace {

// A document of `pages` pages, opened and shown on the Sign & Stamp screen.
struct Screen
{
    ShellFixture f;
    OpenFile *file = nullptr;
    std::unique_ptr<SignView> view;

    explicit Screen(int pages) { file = f.open({f.pdf(QStringLiteral("contract.pdf"), pages)}); }

    // Shows the screen as the document screen opens it, starting at `start`.
    void show(const std::optional<QUuid> &start = std::nullopt)
    {
        f.model->setSigningStartPage(start);
        f.model->setSigningFileID(file->id());
        view = std::make_unique<SignView>(f.model.get(), file);
        view->resize(1100, 760);
        view->show();
        view->activateWindow();
        if (!QTest::qWaitForWindowActive(view.get())) {
            qFatal("screen not shown");
        }
    }

    QUuid id(int number) const { return file->pages().at(number - 1).id; }

    StampRecord addStamp(QSize size = QSize(300, 100))
    {
        return *f.model->stamps()->add(StampPictures::stamp(size), QStringLiteral("Seal"),
                                       QUuid::createUuid());
    }

    QAbstractButton *button(const char *name) const
    {
        auto *found = view->findChild<QAbstractButton *>(QString::fromLatin1(name));
        if (!found) {
            qFatal("no button %s", name);
        }
        return found;
    }

    QString counter() const { return view->findChild<QLabel *>("pageCounter")->text(); }

    // A click as the window gets it, so that it lands on whatever lies at that point.
    void click(QWidget *on, QPoint at) const
    {
        QTest::mouseClick(view->windowHandle(), Qt::LeftButton, {}, on->mapTo(view.get(), at));
    }

    bool waitForPicture() const
    {
        return QTest::qWaitFor([this] { return view->pageArea()->isShowingPicture(); }, 20000);
    }
};

} // namespace

class tst_SignView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void startPage_data();
    void startPage();
    void pageKeys_data();
    void pageKeys();
    void keysOnThePage_data();
    void keysOnThePage();
    void deleteAfterTheStampWentElsewhere();
    void addToAllPages();
    void pictureHandedToThePanelLandsOnThePage_data();
    void pictureHandedToThePanelLandsOnThePage();
    void angleSliderTurnsTheStamp();
    void stripClickShowsThePage();
    void leaving_data();
    void leaving();
    void stampsLieOverThePicture();
    void turnedPageIsShownAnew();
};

void tst_SignView::startPage_data()
{
    QTest::addColumn<int>("start"); // 0: none, -1: a page of another document
    QTest::addColumn<int>("shown");
    QTest::newRow("no start page") << 0 << 1;
    QTest::newRow("the second page") << 2 << 2;
    QTest::newRow("a page of another document") << -1 << 1;
}

void tst_SignView::startPage()
{
    QFETCH(int, start);
    QFETCH(int, shown);
    Screen s(3);
    std::optional<QUuid> startID;
    if (start > 0) {
        startID = s.id(start);
    } else if (start < 0) {
        startID = QUuid::createUuid();
    }
    s.show(startID);
    QCOMPARE(s.view->currentIndex(), shown - 1);
    QCOMPARE(s.counter(), QStringLiteral("Page %1 of 3").arg(shown));
    QCOMPARE(s.view->strip()->current(), std::optional<QUuid>(s.id(shown)));
    QCOMPARE(s.view->pageArea()->page()->id, s.id(shown));
    QVERIFY(s.view->pageArea()->hasFocus());
    // The screen only reads where to start.
    QCOMPARE(s.f.model->signingStartPage(), startID);
}

void tst_SignView::pageKeys_data()
{
    QTest::addColumn<int>("pages");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("shown");
    QTest::newRow("one page, down") << 1 << 1 << int(Qt::Key_Down) << 1;
    QTest::newRow("one page, up") << 1 << 1 << int(Qt::Key_Up) << 1;
    QTest::newRow("first page, down") << 3 << 1 << int(Qt::Key_Down) << 2;
    QTest::newRow("first page, up") << 3 << 1 << int(Qt::Key_Up) << 1;
    QTest::newRow("last page, down") << 3 << 3 << int(Qt::Key_Down) << 3;
    QTest::newRow("last page, up") << 3 << 3 << int(Qt::Key_Up) << 2;
}

void tst_SignView::pageKeys()
{
    QFETCH(int, pages);
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(int, shown);
    Screen s(pages);
    s.show(s.id(start));
    const StampRecord record = s.addStamp();
    s.view->place(record);
    QVERIFY(s.view->selectedStamp());

    QTest::keyClick(s.view->pageArea(), Qt::Key(key), Qt::ControlModifier);
    QCOMPARE(s.view->currentIndex(), shown - 1);
    QCOMPARE(s.button("previousPageButton")->isEnabled(), shown > 1);
    QCOMPARE(s.button("nextPageButton")->isEnabled(), shown < pages);
    // A move clears the selection; no move leaves it.
    QCOMPARE(s.view->selectedPlacementID().has_value(), shown == start);
}

void tst_SignView::keysOnThePage_data()
{
    QTest::addColumn<bool>("selected");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("removed");
    QTest::newRow("Delete removes the selected stamp") << true << int(Qt::Key_Delete) << true;
    QTest::newRow("Backspace removes the selected stamp") << true << int(Qt::Key_Backspace) << true;
    QTest::newRow("Escape only deselects") << true << int(Qt::Key_Escape) << false;
    QTest::newRow("Delete with nothing selected") << false << int(Qt::Key_Delete) << false;
    QTest::newRow("Escape with nothing selected") << false << int(Qt::Key_Escape) << false;
}

void tst_SignView::keysOnThePage()
{
    QFETCH(bool, selected);
    QFETCH(int, key);
    QFETCH(bool, removed);
    Screen s(2);
    s.show();
    // Placing selects the new stamp and gives the page the keys at once.
    s.view->place(s.addStamp());
    QCOMPARE(s.file->pages().first().stamps.size(), 1);
    if (!selected) {
        s.view->deselect();
    }
    s.file->setEdited(false);

    QTest::keyClick(s.view->pageArea(), Qt::Key(key));
    QCOMPARE(s.file->pages().first().stamps.isEmpty(), removed);
    QCOMPARE(s.file->isEdited(), removed);
    QVERIFY(!s.view->selectedPlacementID());
    QVERIFY(!s.view->panel()->selected());
}

void tst_SignView::deleteAfterTheStampWentElsewhere()
{
    Screen s(1);
    s.show();
    s.view->place(s.addStamp());
    s.f.model->remove(*s.view->selectedPlacementID(), s.file, s.id(1));
    s.file->setEdited(false);
    QTest::keyClick(s.view->pageArea(), Qt::Key_Delete);
    QVERIFY(!s.file->isEdited());
    QVERIFY(!s.view->selectedPlacementID());
}

void tst_SignView::addToAllPages()
{
    Screen s(3);
    s.show(s.id(2));
    const StampRecord record = s.addStamp();
    s.view->place(record);
    const StampPlacement placed = *s.view->selectedStamp();

    s.view->deselect();
    s.view->addSelectedToAllPages();
    QCOMPARE(s.file->pages().at(0).stamps.size(), 0);

    s.view->select(placed.id);
    s.view->panel()->findChild<QAbstractButton *>("addToAllButton")->click();
    for (const PageItem &page : s.file->pages()) {
        QCOMPARE(page.stamps.size(), 1);
        QCOMPARE(page.stamps.first().center, placed.center);
    }
    QCOMPARE(s.view->selectedStamp(), std::optional<StampPlacement>(placed));
}

void tst_SignView::pictureHandedToThePanelLandsOnThePage_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("pasted") << "paste";
    QTest::newRow("dropped on the panel") << "drop";
    QTest::newRow("chosen in the new-stamp menu") << "menu";
}

// Whichever way the picture comes, it goes through the new-stamp sheet and the
// stamp made of it lands on the page on screen, not on the first one.
void tst_SignView::pictureHandedToThePanelLandsOnThePage()
{
    QFETCH(QString, how);
    Screen s(3);
    s.show(s.id(2));
    StampLibraryPanel *panel = s.view->panel();
    const QString path = s.f.folder.filePath(QStringLiteral("signature.png"));
    QVERIFY(StampPictures::signatureOnPaper().save(path));
    if (how == "paste") {
        auto *data = new QMimeData;
        data->setData(QStringLiteral("image/png"),
                      StampPictures::png(StampPictures::signatureOnPaper()));
        QGuiApplication::clipboard()->setMimeData(data);
        QTest::keyClick(s.view.get(), Qt::Key_V, Qt::ControlModifier);
    } else if (how == "drop") {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(s.f.folder.filePath(QStringLiteral("notes.txt"))),
                      QUrl::fromLocalFile(path)});
        const QPoint at = panel->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(panel, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(panel, &drop);
    } else {
        s.f.panels.fileAnswers.enqueue({QUrl::fromLocalFile(path)});
        panel->findChild<NewStampMenu *>()->fileAction()->trigger();
    }
    NewStampSheet *sheet = nullptr;
    QTRY_VERIFY((sheet = panel->presenter()->sheet()));
    QCOMPARE(sheet->source().kind(),
             how == "paste" ? StampSource::Kind::Data : StampSource::Kind::File);
    QTRY_COMPARE_WITH_TIMEOUT(sheet->stage(), NewStampSheet::Stage::Preview, 30000);
    sheet->findChild<QAbstractButton *>("saveButton")->click();

    QTRY_COMPARE(s.f.model->stamps()->stamps().size(), 1);
    const QUuid made = s.f.model->stamps()->stamps().first().id;
    QTRY_COMPARE(s.file->pages().at(1).stamps.size(), 1);
    QCOMPARE(s.file->pages().at(1).stamps.first().stampID, made);
    QCOMPARE(s.file->pages().at(0).stamps.size(), 0);
    QCOMPARE(s.file->pages().at(2).stamps.size(), 0);
    QCOMPARE(s.view->selectedStamp()->stampID, made);
}

void tst_SignView::angleSliderTurnsTheStamp()
{
    Screen s(1);
    s.show();
    QVERIFY(s.waitForPicture());
    s.view->place(s.addStamp());
    const QUuid id = *s.view->selectedPlacementID();
    s.view->panel()->findChild<QSlider *>("angleSlider")->setValue(-3000);
    QCOMPARE(s.file->pages().first().stamps.first().rotation, -30.0);
    // Stored as given, without snapping, and shown on the page.
    s.view->panel()->findChild<QSlider *>("angleSlider")->setValue(-50);
    QCOMPARE(s.file->pages().first().stamps.first().rotation, -0.5);
    QCOMPARE(s.view->pageArea()->placedStamp(id)->placement().rotation, -0.5);
}

void tst_SignView::stripClickShowsThePage()
{
    Screen s(3);
    s.show();
    s.view->place(s.addStamp());
    SignPageStrip *strip = s.view->strip();
    s.click(strip->widget(), strip->cellRect(2).center());
    QCOMPARE(s.view->currentIndex(), 2);
    QCOMPARE(s.counter(), QStringLiteral("Page 3 of 3"));
    QVERIFY(!s.view->selectedPlacementID());
    // The gap between two cells is no cell.
    s.click(strip->widget(), QPoint(strip->cellRect(0).center().x(), strip->cellRect(1).top() - 4));
    QCOMPARE(s.view->currentIndex(), 2);
}

void tst_SignView::leaving_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("Pages") << "pagesButton";
    QTest::newRow("Done") << "doneButton";
}

void tst_SignView::leaving()
{
    QFETCH(QString, button);
    Screen s(2);
    s.show(s.id(2));
    s.button(qPrintable(button))->click();
    QCOMPARE(s.f.model->signingFileID(), std::nullopt);
    QCOMPARE(s.f.model->signingStartPage(), std::optional<QUuid>(s.id(2)));
}

void tst_SignView::stampsLieOverThePicture()
{
    Screen s(1);
    s.show();
    const StampRecord record = s.addStamp();
    s.view->place(record);
    s.view->place(record);
    // Until the page is there, nothing is placed on it.
    QVERIFY(s.waitForPicture());
    SignPageArea *area = s.view->pageArea();
    QWidget *surface = area->pageSurface();
    QCOMPARE(surface->geometry(), area->pageRect());
    const QList<PlacedStamp *> stamps = area->placedStamps();
    QCOMPARE(stamps.size(), 2);
    for (PlacedStamp *stamp : stamps) {
        QCOMPARE(stamp->parentWidget(), surface);
        QCOMPARE(stamp->pageSize(), QSizeF(surface->size()));
    }
    // The second one, placed last, is selected and lies on top.
    PlacedStamp *second = stamps.last();
    QVERIFY(second->isSelected());
    QVERIFY(!stamps.first()->isSelected());

    // A drag of the picture moves the stamp in the document.
    const QPoint from = second->centre().toPoint();
    const QPoint by(40, 30);
    QTest::mousePress(s.view->windowHandle(), Qt::LeftButton, {},
                      surface->mapTo(s.view.get(), from));
    QTest::mouseMove(s.view->windowHandle(), surface->mapTo(s.view.get(), from + by));
    QTest::mouseRelease(s.view->windowHandle(), Qt::LeftButton, {},
                        surface->mapTo(s.view.get(), from + by));
    const StampPlacement moved = s.file->pages().first().stamps.last();
    QCOMPARE(moved.id, *s.view->selectedPlacementID());
    QVERIFY(std::abs(moved.center.x() * surface->width() - (from + by).x()) < 1.5);
    QVERIFY(std::abs(moved.center.y() * surface->height() - (from + by).y()) < 1.5);
    QCOMPARE(second->placement(), moved);

    // A press on the first stamp selects it; one on the bare page deselects.
    s.click(surface, stamps.first()->centre().toPoint());
    QCOMPARE(s.view->selectedPlacementID(), std::optional<QUuid>(stamps.first()->placement().id));
    s.click(surface, QPoint(10, 10));
    QVERIFY(!s.view->selectedPlacementID());

    // Removed from the document, gone from the page.
    s.f.model->remove(moved.id, s.file, s.file->pages().first().id);
    QCOMPARE(area->placedStamps().size(), 1);
    QTRY_COMPARE(surface->findChildren<PlacedStamp *>().size(), 1);
}

void tst_SignView::turnedPageIsShownAnew()
{
    Screen s(2);
    s.show();
    s.view->place(s.addStamp());
    QVERIFY(s.waitForPicture());
    const QRect upright = s.view->pageArea()->pageRect();
    QVERIFY(TestUtil::waitFor(s.f.model->turn(s.file, {s.id(1)}, true)));
    QVERIFY(s.waitForPicture());
    // A4 on its side: wider than tall now.
    const QRect turned = s.view->pageArea()->pageRect();
    QVERIFY(upright.height() > upright.width());
    QVERIFY(turned.width() > turned.height());
    QCOMPARE(s.view->pageArea()->placedStamps().size(), 1);
}

QTEST_MAIN(tst_SignView)
#include "tst_SignView.moc"
