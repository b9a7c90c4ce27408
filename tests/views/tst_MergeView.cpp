#include "views/MergeView.h"

#include "app/ShellFixture.h"
#include "helpers/OutputFixtures.h"
#include "look/ThemeButton.h"
#include "model/MergeModel.h"
#include "views/IdDrag.h"

#include <poppler-qt6.h>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedLayout>

class TestMergeView : public QObject
{
    Q_OBJECT

private:
    static QList<QString> names(const MergeModel *merge)
    {
        QList<QString> result;
        for (const MergeItem &item : merge->items()) {
            result.append(item.name);
        }
        return result;
    }

    static QList<QWidget *> rows(MergeView &view)
    {
        QList<QWidget *> result;
        for (QWidget *row : view.findChildren<QWidget *>(QStringLiteral("mergeRow"))) {
            if (!row->isHidden()) {
                result.append(row);
            }
        }
        std::sort(result.begin(), result.end(),
                  [](QWidget *a, QWidget *b) { return a->y() < b->y(); });
        return result;
    }

    static void addEntries(ShellFixture &shell, const QStringList &entryNames)
    {
        for (const QString &name : entryNames) {
            shell.model->merge()->add(QUrl::fromLocalFile(shell.folder.filePath(name + ".pdf")), 1);
        }
    }

    static void dropText(QWidget *target, const QMimeData &data, bool *accepted)
    {
        const QPointF at = QRectF(target->rect()).center();
        QDragEnterEvent enter(at.toPoint(), Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        QDropEvent drop(at, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &drop);
        *accepted = drop.isAccepted();
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        Theme::apply(*qApp);
    }

    void footerFollowsTheList_data()
    {
        QTest::addColumn<int>("entries");
        QTest::addColumn<bool>("busy");
        QTest::addColumn<QString>("summary");
        QTest::addColumn<bool>("clearShown");
        QTest::addColumn<bool>("mergeEnabled");
        QTest::newRow("empty list") << 0 << false << "" << false << false;
        QTest::newRow("one entry") << 1 << false << "1 file · 1 page" << true << false;
        QTest::newRow("two entries") << 2 << false << "2 files · 2 pages" << true << true;
        QTest::newRow("two entries while another operation runs")
            << 2 << true << "2 files · 2 pages" << true << false;
    }

    void footerFollowsTheList()
    {
        QFETCH(int, entries);
        QFETCH(bool, busy);
        QFETCH(QString, summary);
        QFETCH(bool, clearShown);
        QFETCH(bool, mergeEnabled);
        ShellFixture shell;
        MergeView view(shell.model.get());
        QStringList entryNames;
        for (int i = 0; i < entries; ++i) {
            entryNames.append(QStringLiteral("Entry %1").arg(i + 1));
        }
        addEntries(shell, entryNames);
        if (busy) {
            shell.model->setBusy(BusyState{QStringLiteral("Saving…"), CancelToken::make()});
        }
        QCOMPARE(view.findChild<QLabel *>("mergeSummary")->text(), summary);
        QCOMPARE(!view.findChild<ThemeButton *>("clearButton")->isHidden(), clearShown);
        QCOMPARE(view.findChild<ThemeButton *>("mergeButton")->isEnabled(), mergeEnabled);
        QCOMPARE(rows(view).size(), entries);
        auto *emptyState = view.findChild<QWidget *>("emptyState");
        QCOMPARE(!emptyState->isHidden(), entries == 0);
        // The end of a busy operation enables Merge again.
        shell.model->setBusy(std::nullopt);
        QCOMPARE(view.findChild<ThemeButton *>("mergeButton")->isEnabled(), entries >= 2);
    }

    void rowDropMovesTheEntry_data()
    {
        QTest::addColumn<QString>("dragged");
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("first on last") << "A"
                                       << "C" << true << QStringList{"B", "C", "A"};
        QTest::newRow("last on first") << "C"
                                       << "A" << true << QStringList{"C", "A", "B"};
        QTest::newRow("second on first") << "B"
                                         << "A" << true << QStringList{"B", "A", "C"};
        QTest::newRow("on itself") << "B"
                                   << "B" << false << QStringList{"A", "B", "C"};
        QTest::newRow("an id of no entry") << "stale"
                                           << "A" << false << QStringList{"A", "B", "C"};
        QTest::newRow("text that is no id") << "text"
                                            << "A" << false << QStringList{"A", "B", "C"};
    }

    // Through the rows as the user drops on them: the drop decides, the rows follow.
    void rowDropMovesTheEntry()
    {
        QFETCH(QString, dragged);
        QFETCH(QString, target);
        QFETCH(bool, accepted);
        QFETCH(QStringList, order);
        ShellFixture shell;
        MergeView view(shell.model.get());
        view.resize(700, 600);
        view.show();
        addEntries(shell, {"A", "B", "C"});
        QCoreApplication::processEvents();

        const QList<MergeItem> items = shell.model->merge()->items();
        const auto idOf = [&items](const QString &name) {
            for (const MergeItem &item : items) {
                if (item.name == name) {
                    return item.id;
                }
            }
            return QUuid::createUuid();
        };
        std::unique_ptr<QMimeData> data(IdDrag::mimeData(idOf(dragged)));
        if (dragged == "text") {
            data->setText(QStringLiteral("A"));
        }
        const QList<QWidget *> before = rows(view);
        QWidget *targetRow = before.at(QStringList({"A", "B", "C"}).indexOf(target));
        bool wasAccepted = false;
        dropText(targetRow, *data, &wasAccepted);
        QCOMPARE(wasAccepted, accepted);
        QCOMPARE(names(shell.model->merge()), order);
        QCoreApplication::processEvents();
        QStringList shown;
        QStringList numbers;
        for (QWidget *row : rows(view)) {
            shown.append(static_cast<QWidget *>(row->findChild<QWidget *>("rowName"))->toolTip());
            numbers.append(row->findChild<QLabel *>("rowNumber")->text());
        }
        QCOMPARE(shown, order);
        QCOMPARE(numbers, (QStringList{"1", "2", "3"}));
    }

    void dragNearTheBottomScrollsTheList()
    {
        ShellFixture shell;
        MergeView view(shell.model.get());
        view.resize(600, 420);
        view.show();
        QStringList many;
        for (int i = 0; i < 20; ++i) {
            many.append(QStringLiteral("Entry %1").arg(i + 1));
        }
        addEntries(shell, many);
        QCoreApplication::processEvents();
        auto *scroll = view.findChild<QScrollArea *>("mergeScroll");
        QCOMPARE(scroll->verticalScrollBar()->value(), 0);
        // Just above the lower edge of what shows.
        const QPoint nearBottom(40, scroll->viewport()->height() - 10);
        QWidget *lowest = nullptr;
        for (QWidget *row : rows(view)) {
            if (row->rect().contains(row->mapFrom(scroll->viewport(), nearBottom))) {
                lowest = row;
            }
        }
        QVERIFY(lowest);
        std::unique_ptr<QMimeData> data(IdDrag::mimeData(shell.model->merge()->items().first().id));
        const QPoint at = lowest->mapFrom(scroll->viewport(), nearBottom);
        QDragEnterEvent enter(at, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(lowest, &enter);
        QDragMoveEvent move(at, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(lowest, &move);
        QVERIFY(scroll->verticalScrollBar()->value() > 0);
    }

    void removeAndClear()
    {
        ShellFixture shell;
        OpenFile *file = shell.open({shell.pdf("Report.pdf", 3)});
        QVERIFY(file);
        MergeView view(shell.model.get());
        view.show();
        // The same document twice: two entries that are removed one by one.
        shell.model->merge()->add(*file);
        shell.model->merge()->add(*file);
        const QUuid second = shell.model->merge()->items().at(1).id;
        QCOMPARE(view.findChild<QLabel *>("mergeSummary")->text(), "2 files · 6 pages");
        rows(view).first()->findChild<QAbstractButton *>("removeButton")->click();
        QCOMPARE(shell.model->merge()->items().size(), 1);
        QCOMPARE(shell.model->merge()->items().first().id, second);
        QTRY_COMPARE(rows(view).size(), 1);
        view.findChild<ThemeButton *>("clearButton")->click();
        QVERIFY(shell.model->merge()->items().isEmpty());
        QTRY_COMPARE(rows(view).size(), 0);
    }

    void addMenuOffersOpenFiles()
    {
        ShellFixture shell;
        MergeView view(shell.model.get());
        emit view.addMenu()->aboutToShow();
        QCOMPARE(view.addMenu()->actions().size(), 1); // "Add Files…" alone
        OpenFile *contract = shell.open({shell.pdf("Contract & annex.pdf", 2)});
        OpenFile *report = shell.open({shell.pdf("Report.pdf", 1)});
        QVERIFY(contract && report);
        emit view.addMenu()->aboutToShow();
        QStringList titles;
        for (QAction *action : view.addMenu()->actions()) {
            titles.append(action->isSeparator() ? QStringLiteral("|") : action->text());
        }
        QCOMPARE(titles, (QStringList{"Add Files…", "|", "Contract && annex", "Report"}));
        // Chosen twice: two entries with their own ids.
        view.addMenu()->actions().at(2)->trigger();
        view.addMenu()->actions().at(2)->trigger();
        const QList<MergeItem> items = shell.model->merge()->items();
        QCOMPARE(items.size(), 2);
        QCOMPARE(items[0].name, "Contract & annex");
        QCOMPARE(items[1].name, "Contract & annex");
        QVERIFY(items[0].id != items[1].id);
    }

    void filesJoinFromPanelAndDrop()
    {
        ShellFixture shell;
        MergeView view(shell.model.get());
        view.resize(700, 600);
        view.show();
        const QUrl first = shell.pdf("First.pdf", 2);
        const QUrl picture = shell.picture("Scan.png");
        shell.panels.fileAnswers.enqueue({first, picture});
        emit view.addMenu()->aboutToShow();
        view.addMenu()->actions().first()->trigger();
        QTRY_COMPARE(names(shell.model->merge()), (QStringList{"First", "Scan"}));
        QCOMPARE(shell.panels.openCalls.size(), 1);
        QVERIFY(shell.panels.openCalls.first().multiple);

        // Dropped anywhere on the screen, the list included.
        QMimeData data;
        data.setUrls(
            {shell.pdf("Second.pdf", 4), QUrl(QStringLiteral("https://example.com/x.pdf"))});
        const QPoint at(350, 300);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&view, &enter);
        QVERIFY(enter.isAccepted());
        QVERIFY(view.isTargeted());
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&view, &drop);
        QVERIFY(!view.isTargeted());
        QTRY_COMPARE(names(shell.model->merge()), (QStringList{"First", "Scan", "Second"}));
        QCOMPARE(shell.model->merge()->pageCount(), 7);
    }

    void mergeButtonWritesOnePdf()
    {
        ShellFixture shell;
        MergeView view(shell.model.get());
        TestUtil::waitFor(
            shell.model->addToMerge({shell.pdf("Report.pdf", 2), shell.pdf("Annex.pdf", 3)}));
        QCOMPARE(shell.model->merge()->items().size(), 2);
        const QString target = shell.folder.filePath("Joined.pdf");
        shell.panels.saveAnswers.enqueue(QUrl::fromLocalFile(target));
        view.findChild<ThemeButton *>("mergeButton")->click();
        QTRY_VERIFY(QFileInfo::exists(target) && !shell.model->busy());
        QCOMPARE(shell.panels.saveCalls.first().first, "Report (merged).pdf");
        auto merged = Fixtures::popplerOpen(Fixtures::readAll(target));
        QVERIFY(merged);
        QCOMPARE(merged->numPages(), 5);
    }
};

QTEST_MAIN(TestMergeView)
#include "tst_MergeView.moc"
