// The window around the screens: its title names what it shows, the sidebar
// folds away and comes back, and the document screen keeps its tool titles at
// the window's first size.

#include "ShellFixture.h"

#include "app/MainWindow.h"
#include "app/RootView.h"
#include "views/DocumentView.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QSplitter>
#include <QToolBar>

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        qRegisterMetaType<OpenFile *>();
    }

    void titleNamesTheScreen_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("title");
        QTest::newRow("home") << "home"
                              << "Tamsel";
        QTest::newRow("document") << "document"
                                  << "report — Tamsel";
        QTest::newRow("sign and stamp") << "sign"
                                        << "report — Tamsel";
        QTest::newRow("merge") << "merge"
                               << "Merge PDFs — Tamsel";
        QTest::newRow("stamps") << "stamps"
                                << "Signatures & Stamps — Tamsel";
        QTest::newRow("codes") << "codes"
                               << "QR Codes — Tamsel";
        QTest::newRow("about") << "about"
                               << "About Tamsel";
        QTest::newRow("closed file") << "closed"
                                     << "Tamsel";
    }

    void titleNamesTheScreen()
    {
        QFETCH(QString, screen);
        QFETCH(QString, title);
        ShellFixture f;
        OpenFile *report = f.open({f.pdf(QStringLiteral("report.pdf"))});
        QVERIFY(report);
        MainWindow window(f.model.get());
        window.show();
        AppModel *m = f.model.get();
        // Start elsewhere, so that every row changes the title.
        m->setDestination(screen == QLatin1String("codes") ? Destination::merge()
                                                           : Destination::codes());
        const QString before = window.windowTitle();
        if (screen == QLatin1String("home")) {
            m->setDestination(Destination::home());
        } else if (screen == QLatin1String("document")) {
            m->setDestination(Destination::file(report->id()));
        } else if (screen == QLatin1String("sign")) {
            m->setDestination(Destination::file(report->id()));
            m->setSigningFileID(report->id());
            QVERIFY(window.rootView()->currentScreen()->objectName() == QLatin1String("signView"));
        } else if (screen == QLatin1String("merge")) {
            m->setDestination(Destination::merge());
        } else if (screen == QLatin1String("stamps")) {
            m->setDestination(Destination::stamps());
        } else if (screen == QLatin1String("codes")) {
            m->setDestination(Destination::codes());
        } else if (screen == QLatin1String("about")) {
            m->setDestination(Destination::about());
        } else {
            m->setDestination(Destination::file(QUuid::createUuid()));
        }
        QCOMPARE(window.windowTitle(), title);
        QVERIFY(window.windowTitle() != before);
    }

    void sidebarHidesAndShows()
    {
        ShellFixture f;
        MainWindow window(f.model.get());
        window.resize(MainWindow::firstSize);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        RootView *root = window.rootView();
        auto *splitter = root->findChild<QSplitter *>("rootSplitter");
        QAction *toggle = root->sidebarAction();
        // In the window's own bar and in the View menu, with the usual key.
        QVERIFY(window.findChild<QToolBar *>("mainToolBar")->actions().contains(toggle));
        bool inMenu = false;
        for (QAction *menu : window.menuBar()->actions()) {
            inMenu = inMenu || (menu->menu() && menu->menu()->actions().contains(toggle));
        }
        QVERIFY(inMenu);
        QCOMPARE(toggle->shortcut(), QKeySequence(QStringLiteral("Ctrl+Alt+S")));

        QVERIFY(root->isSidebarShown());
        QCOMPARE(toggle->text(), QStringLiteral("Hide Sidebar"));
        const int shownWidth = splitter->sizes().at(0);
        QVERIFY(shownWidth >= 220 && shownWidth <= 300);
        const int detailShown = root->detailArea()->width();

        toggle->trigger();
        QVERIFY(!root->isSidebarShown());
        QCOMPARE(splitter->sizes().at(0), 0);
        QCOMPARE(toggle->text(), QStringLiteral("Show Sidebar"));
        QTRY_VERIFY(root->detailArea()->width() >= detailShown + shownWidth);

        toggle->trigger();
        QVERIFY(root->isSidebarShown());
        QCOMPARE(splitter->sizes().at(0), shownWidth);
        QCOMPARE(toggle->text(), QStringLiteral("Hide Sidebar"));

        // Dragging the handle past the sidebar's least width folds it too,
        // and the action follows.
        QSplitterHandle *handle = splitter->handle(1);
        const QPoint from = handle->rect().center();
        QTest::mousePress(handle, Qt::LeftButton, {}, from);
        QTest::mouseMove(handle, from - QPoint(shownWidth - 20, 0));
        QTest::mouseRelease(handle, Qt::LeftButton, {}, from - QPoint(shownWidth - 20, 0));
        QTRY_VERIFY(!root->isSidebarShown());
        QCOMPARE(toggle->text(), QStringLiteral("Show Sidebar"));
        toggle->trigger();
        QVERIFY(splitter->sizes().at(0) >= 220);

        // A new window starts with it shown: the choice is not kept.
        toggle->trigger();
        MainWindow next(f.model.get());
        QVERIFY(next.rootView()->isSidebarShown());
    }

    // At the first size, with a longer status line, the tools keep their
    // titles: the status line takes a second line first.
    void documentKeepsToolTitlesAtTheFirstSize()
    {
        ShellFixture f;
        OpenFile *file = f.open({f.pdf(QStringLiteral("Quarterly report.pdf"), 3)});
        QVERIFY(file);
        MainWindow window(f.model.get());
        window.resize(MainWindow::firstSize);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        f.model->setDestination(Destination::file(file->id()));
        auto *view = qobject_cast<DocumentView *>(window.rootView()->currentScreen());
        QVERIFY(view);
        QSet<QUuid> all;
        for (const PageItem &page : file->pages()) {
            all.insert(page.id);
        }
        file->setSelection(all);
        file->setEdited(true);
        QCoreApplication::processEvents();

        QCOMPARE(view->statusLine(), QStringLiteral("3 pages · 3 selected · not saved"));
        QVERIFY(!view->toolButtonsCompact());
        for (const char *name : {"signButton", "compressButton", "splitButton", "passwordButton"}) {
            auto *button = view->findChild<QAbstractButton *>(QString::fromLatin1(name));
            QVERIFY2(!button->text().isEmpty(), name);
            QVERIFY2(button->width() >= button->sizeHint().width(), name);
        }
        // Whole: every piece on one of its lines, none shortened.
        auto *status = view->findChild<QWidget *>("statusLine");
        QCOMPARE(view->statusLines().join(QStringLiteral(" · ")), view->statusLine());
        for (const QString &line : view->statusLines()) {
            QVERIFY2(status->width() >= status->fontMetrics().horizontalAdvance(line),
                     qPrintable(line));
        }
        auto *save = view->findChild<QAbstractButton *>("saveAsButton");
        QVERIFY(save->mapTo(view, QPoint(save->width(), 0)).x() <= view->width());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_MainWindow.moc"
