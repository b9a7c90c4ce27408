#include "DocumentFixture.h"

#include "model/Thumbnails.h"
#include "views/IdDrag.h"
#include "views/PageCell.h"
#include "views/PageGrid.h"
#include "views/PageImage.h"
#include "views/PageListModel.h"

#include <QAbstractItemModelTester>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>
#include <QSignalSpy>

// The page grid over a real model and engine. Pages are named by their
// 1-based position in the document as it was opened.
class TestPageGrid : public QObject
{
    Q_OBJECT

    struct Screen : DocumentFixture
    {
        std::unique_ptr<PageGrid> grid;

        explicit Screen(int pages, QSize size = QSize(900, 700))
            : DocumentFixture(pages)
        {
            grid = std::make_unique<PageGrid>(f.model.get(), file);
            grid->resize(size);
            grid->show();
            if (!QTest::qWaitForWindowExposed(grid.get())) {
                qFatal("grid not shown");
            }
        }

        QPoint cellCenter(int number) const
        {
            return grid->visualRect(grid->pages()->index(number - 1)).center();
        }
        void click(int number, Qt::KeyboardModifiers modifiers = {})
        {
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, modifiers, cellCenter(number));
        }
    };

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        Theme::apply(*qApp);
    }

    // Each click is (page number, modifiers); 0 stands for the ground between cells.
    void clicks_data()
    {
        using Click = QPair<int, int>;
        QTest::addColumn<QList<Click>>("clicks");
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<int>("anchor");
        const int ctrl = Qt::ControlModifier;
        const int shift = Qt::ShiftModifier;
        QTest::newRow("plain click selects one")
            << QList<Click>{{2, 0}, {4, 0}} << QList<int>{4} << 4;
        QTest::newRow("ctrl adds and removes")
            << QList<Click>{{2, 0}, {5, ctrl}, {2, ctrl}} << QList<int>{5} << 2;
        QTest::newRow("ctrl on the only selected page leaves none")
            << QList<Click>{{3, 0}, {3, ctrl}} << QList<int>{} << 3;
        QTest::newRow("shift without anchor acts as a plain click")
            << QList<Click>{{4, shift}} << QList<int>{4} << 4;
        QTest::newRow("shift selects forward from the anchor")
            << QList<Click>{{2, 0}, {5, shift}} << QList<int>{2, 3, 4, 5} << 2;
        QTest::newRow("shift selects backward and replaces")
            << QList<Click>{{5, 0}, {7, ctrl}, {3, shift}} << QList<int>{3, 4, 5, 6, 7} << 7;
        QTest::newRow("second shift measures from the same anchor")
            << QList<Click>{{4, 0}, {6, shift}, {2, shift}} << QList<int>{2, 3, 4} << 4;
        QTest::newRow("ctrl and shift together act as ctrl")
            << QList<Click>{{2, 0}, {5, ctrl | shift}} << QList<int>{2, 5} << 5;
        QTest::newRow("ground click clears, anchor stays")
            << QList<Click>{{3, 0}, {0, 0}, {5, shift}} << QList<int>{3, 4, 5} << 3;
    }

    void clicks()
    {
        using Click = QPair<int, int>;
        QFETCH(QList<Click>, clicks);
        QFETCH(QList<int>, selected);
        QFETCH(int, anchor);
        Screen s(8);
        for (const Click &click : clicks) {
            const auto modifiers = Qt::KeyboardModifiers(click.second);
            if (click.first == 0) {
                // Left of the first cell, inside the inset.
                QTest::mouseClick(s.grid->viewport(), Qt::LeftButton, modifiers, QPoint(4, 40));
            } else {
                s.click(click.first, modifiers);
            }
        }
        QCOMPARE(s.selected(), selected);
        QCOMPARE(s.grid->anchor(), std::optional<QUuid>(s.id(anchor)));
        // The view's own selection follows the document's.
        QCOMPARE(s.grid->selectionModel()->selectedIndexes().size(), selected.size());
    }

    void shiftFromDeletedAnchorActsAsPlainClick()
    {
        Screen s(6);
        s.click(2);
        s.click(4, Qt::ControlModifier); // anchor on 4
        s.f.model->deletePages(s.file, {s.id(4)});
        s.click(5, Qt::ShiftModifier); // page 6 as opened, now at position 5
        QCOMPARE(s.selected(), QList<int>{6});
        QCOMPARE(s.grid->anchor(), std::optional<QUuid>(s.id(5)));
    }

    void doubleClickSelectsThenSigns()
    {
        Screen s(4);
        QSignalSpy startSet(s.f.model.get(), &AppModel::signingStartPageChanged);
        QTest::mouseClick(s.grid->viewport(), Qt::LeftButton, {}, s.cellCenter(3));
        QTest::mouseDClick(s.grid->viewport(), Qt::LeftButton, {}, s.cellCenter(3));
        QCOMPARE(s.selected(), QList<int>{3});
        QCOMPARE(s.f.model->signingStartPage(), std::optional<QUuid>(s.id(3)));
        QCOMPARE(s.f.model->signingFileID(), std::optional<QUuid>(s.file->id()));
        QCOMPARE(startSet.count(), 1);
    }

    void dropPages_data()
    {
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<QString>("dragged"); // a page number, or text that is no id
        QTest::addColumn<int>("target");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QList<int>>("order");
        QTest::newRow("unselected page moves alone")
            << QList<int>{2, 3} << "5" << 1 << true << QList<int>{5, 1, 2, 3, 4, 6};
        QTest::newRow("selected page takes the selection along, in page order")
            << QList<int>{5, 2} << "5" << 4 << true << QList<int>{1, 3, 2, 5, 4, 6};
        QTest::newRow("onto one of the moved pages changes nothing")
            << QList<int>{2, 3} << "3" << 2 << true << QList<int>{1, 2, 3, 4, 5, 6};
        QTest::newRow("text that is no page id is refused")
            << QList<int>{} << "page 3" << 1 << false << QList<int>{1, 2, 3, 4, 5, 6};
    }

    void dropPages()
    {
        QFETCH(QList<int>, selected);
        QFETCH(QString, dragged);
        QFETCH(int, target);
        QFETCH(bool, accepted);
        QFETCH(QList<int>, order);
        Screen s(6);
        const QSet<QUuid> chosen = s.ids(selected);
        s.file->setSelection(chosen);
        bool isNumber = false;
        const int number = dragged.toInt(&isNumber);
        const QString text = isNumber ? s.id(number).toString(QUuid::WithoutBraces) : dragged;
        QCOMPARE(s.grid->dropPages({text, QStringLiteral("ignored")}, s.id(target)), accepted);
        QCOMPARE(s.order(), order);
        QCOMPARE(s.file->selection(), chosen); // a move leaves the selection alone
        QVERIFY(!s.grid->dropPages({}, s.id(target)));
    }

    void keyboardCommands()
    {
        Screen s(5);
        s.click(2);
        QVERIFY(s.grid->hasFocus());
        QTest::keySequence(s.grid.get(), QKeySequence::SelectAll);
        QCOMPARE(s.selected(), (QList<int>{1, 2, 3, 4, 5}));
        QTest::keyClick(s.grid.get(), Qt::Key_Escape);
        QCOMPARE(s.selected(), QList<int>{});
        s.click(2);
        s.click(4, Qt::ControlModifier);
        QTest::keyClick(s.grid.get(), Qt::Key_Delete);
        QCOMPARE(s.order(), (QList<int>{1, 3, 5}));
        QVERIFY(s.file->isEdited());
    }

    void contextMenuTargets_data()
    {
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QList<int>>("order");
        QTest::addColumn<QList<int>>("selectedAfter");
        QTest::newRow("delete a page outside the selection")
            << QList<int>{1, 2} << 4 << "Delete" << QList<int>{1, 2, 3, 5} << QList<int>{1, 2};
        QTest::newRow("delete the selection through one of it")
            << QList<int>{1, 2} << 2 << "Delete" << QList<int>{3, 4, 5} << QList<int>{};
    }

    void contextMenuTargets()
    {
        QFETCH(QList<int>, selected);
        QFETCH(int, page);
        QFETCH(QString, action);
        QFETCH(QList<int>, order);
        QFETCH(QList<int>, selectedAfter);
        Screen s(5);
        s.file->setSelection(s.ids(selected));
        std::unique_ptr<QMenu> menu(s.grid->pageMenu(s.file->pages().at(page - 1)));
        QStringList texts;
        for (QAction *item : menu->actions()) {
            // As the menu shows it: "&&" draws one "&", a lone "&" marks a mnemonic.
            texts.append(item->isSeparator() ? QStringLiteral("-") : item->iconText());
        }
        QCOMPARE(texts, (QStringList{"Rotate Left", "Rotate Right", "Sign & Stamp", "Extract…", "-",
                                     "Delete"}));
        for (QAction *item : menu->actions()) {
            if (item->iconText() == action) {
                item->trigger();
            }
        }
        QCOMPARE(s.order(), order);
        QCOMPARE(s.selected(), selectedAfter);
    }

    void contextMenuTurnsAndExtracts()
    {
        Screen s(4);
        s.file->setSelection(s.ids({1, 2}));
        std::unique_ptr<QMenu> menu(s.grid->pageMenu(s.file->pages().at(3)));
        menu->actions().at(1)->trigger(); // Rotate Right, on page 4 alone
        QTRY_COMPARE(s.file->pages().at(3).turn, 90);
        QCOMPARE(s.file->pages().at(0).turn, 0);
        QCOMPARE(s.selected(), (QList<int>{1, 2}));

        menu->actions().at(2)->trigger(); // Sign & Stamp at the clicked page
        QCOMPARE(s.f.model->signingStartPage(), std::optional<QUuid>(s.id(4)));
        QCOMPARE(s.f.model->signingFileID(), std::optional<QUuid>(s.file->id()));

        menu->actions().at(3)->trigger(); // Extract…: selects the page, then asks where to save
        QCOMPARE(s.selected(), QList<int>{4});
        QTRY_COMPARE(s.f.panels.saveCalls.size(), 1);
        QVERIFY(s.f.panels.saveCalls.first().first.startsWith(QStringLiteral("doc (")));
    }

    void filesDroppedOnTheGridInsertPages()
    {
        Screen s(3);
        s.file->setSelection(s.ids({1}));
        const QUrl other = s.f.pdf(QStringLiteral("other.pdf"), 2);
        QMimeData data;
        data.setUrls({other, QUrl(QStringLiteral("https://example.com/x.pdf"))});
        const QPoint at(4, 40); // on the ground: files may land anywhere

        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(s.grid->viewport(), &enter);
        QVERIFY(enter.isAccepted());
        QVERIFY(s.grid->isTargeted());
        QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(s.grid->viewport(), &drop);
        QVERIFY(drop.isAccepted());
        QVERIFY(!s.grid->isTargeted());
        QTRY_COMPARE(s.file->pages().size(), 5);
        QCOMPARE(s.file->pages().at(1).source.url, other);
        QCOMPARE(s.grid->pages()->rowCount(), 5);
    }

    void pageDropOnTheGroundIsRefused()
    {
        Screen s(3);
        std::unique_ptr<QMimeData> data(IdDrag::mimeData(s.id(3)));
        const QPoint ground(4, 40);
        QDragEnterEvent enter(ground, Qt::MoveAction, data.get(), Qt::LeftButton, {});
        QCoreApplication::sendEvent(s.grid->viewport(), &enter);
        QDragMoveEvent move(ground, Qt::MoveAction, data.get(), Qt::LeftButton, {});
        QCoreApplication::sendEvent(s.grid->viewport(), &move);
        QVERIFY(!move.isAccepted());
        QVERIFY(!s.grid->isTargeted());

        QDragMoveEvent overCell(s.cellCenter(1), Qt::MoveAction, data.get(), Qt::LeftButton, {});
        QCoreApplication::sendEvent(s.grid->viewport(), &overCell);
        QVERIFY(overCell.isAccepted());
        QDropEvent drop(QPointF(s.cellCenter(1)), Qt::MoveAction, data.get(), Qt::LeftButton, {});
        QCoreApplication::sendEvent(s.grid->viewport(), &drop);
        QCOMPARE(s.order(), (QList<int>{3, 1, 2}));
    }

    void columnsFollowTheWidth_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("cellWidth");
        // The viewport is the width less the scroll bar; the numbers below are
        // for the grid's viewport.
        QTest::newRow("one narrow column") << 250 << 1 << 202;
        QTest::newRow("two columns") << 400 << 2 << 167;
        QTest::newRow("six columns") << 1200 << 6 << 177;
        QTest::newRow("one column capped at its widest") << 300 << 1 << 210;
    }

    void columnsFollowTheWidth()
    {
        QFETCH(int, width);
        QFETCH(int, columns);
        QFETCH(int, cellWidth);
        Screen s(20);
        s.grid->resize(width + s.grid->verticalScrollBar()->sizeHint().width(), 600);
        QTRY_COMPARE(s.grid->viewport()->width(), width);
        QCOMPARE(s.grid->columnCount(), columns);
        QCOMPARE(s.grid->cellWidth(), cellWidth);
        // The first cell sits at the inset, cells of a row side by side.
        const QRect first = s.grid->visualRect(s.grid->pages()->index(0));
        QCOMPARE(first.top(), PageGrid::inset);
        QVERIFY(first.left() >= PageGrid::inset);
        QCOMPARE(first.size(), QSize(cellWidth, PageCell::height));
        if (columns > 1) {
            const QRect second = s.grid->visualRect(s.grid->pages()->index(1));
            QCOMPARE(second.top(), first.top());
            QVERIFY(second.left() - first.right() > PageGrid::columnSpacing);
        }
        const QRect below = s.grid->visualRect(s.grid->pages()->index(columns));
        QCOMPARE(below.top() - first.bottom() - 1, PageGrid::rowSpacing);
    }

    void picturesAreAskedForOnlyOnScreen()
    {
        Screen s(120, QSize(900, 600));
        Thumbnails *cache = s.f.model->thumbnails();
        const auto keyOf = [&](int row) {
            return PageImage::key(s.file->pages().at(row), PageCell::thumbnailLongSide);
        };
        const auto [first, last] = s.grid->visibleRows();
        QCOMPARE(first, 0);
        QVERIFY(last > 0 && last < 40);
        for (int row = first; row <= last; ++row) {
            QTRY_VERIFY(!cache->image(keyOf(row)).isNull());
        }
        for (int row = last + 1; row < 120; ++row) {
            QVERIFY2(cache->image(keyOf(row)).isNull(), qPrintable(QString::number(row)));
        }

        // Straight to the end: the middle is never rendered.
        s.grid->verticalScrollBar()->setValue(s.grid->verticalScrollBar()->maximum());
        const auto [endFirst, endLast] = s.grid->visibleRows();
        QCOMPARE(endLast, 119);
        for (int row = endFirst; row <= endLast; ++row) {
            QTRY_VERIFY(!cache->image(keyOf(row)).isNull());
        }
        QVERIFY(cache->image(keyOf(60)).isNull());

        // A turned page is another picture; it is asked for at once.
        s.f.model->turn(s.file, {s.file->pages().at(endLast).id}, true);
        QTRY_COMPARE(s.file->pages().at(endLast).turn, 90);
        QTRY_VERIFY(!cache->image(keyOf(endLast)).isNull());
    }

    void rowsFollowTheDocument()
    {
        Screen s(40, QSize(700, 500));
        QScrollBar *bar = s.grid->verticalScrollBar();
        bar->setValue(bar->maximum() / 2);
        const int scrolled = bar->value();
        QAbstractItemModelTester tester(s.grid->pages(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy reset(s.grid->pages(), &QAbstractItemModel::modelReset);
        QSignalSpy changed(s.grid->pages(), &QAbstractItemModel::dataChanged);
        s.f.model->turn(s.file, {s.id(2)}, true);
        QTRY_COMPARE(changed.count(), 1);
        QCOMPARE(changed.first().at(0).value<QModelIndex>().row(), 1);
        QCOMPARE(reset.count(), 0);
        s.f.model->move(s.file, {s.id(4)}, s.id(1));
        QCOMPARE(reset.count(), 1);
        QCOMPARE(bar->value(), scrolled); // a reorder keeps the place in the document
        QCOMPARE(s.grid->pages()->page(0).id, s.file->pages().at(0).id);
        QCOMPARE(
            s.grid->pages()->data(s.grid->pages()->index(0), PageListModel::PageIdRole).toUuid(),
            s.file->pages().at(0).id);
    }
};

QTEST_MAIN(TestPageGrid)
#include "tst_PageGrid.moc"
