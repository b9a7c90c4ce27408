#include "ShellFixture.h"

#include "app/AppDelegate.h"
#include "app/MainWindow.h"
#include "app/RootView.h"
#include "app/TamselApp.h"

#include "views/AlertSheet.h"
#include <QPushButton>
#include <QSignalSpy>
#include <QToolBar>
#include <QUuid>

class TestAppEntry : public QObject
{
    Q_OBJECT

    static TamselApp::Options optionsFor(ShellFixture &f, QStringList arguments,
                                         const QString &channel)
    {
        return {std::move(arguments), f.folder.path(), channel,
                f.services(QStringLiteral("app-stamps"))};
    }

    static QString uniqueChannel()
    {
        return QDir::tempPath() + QStringLiteral("/tamsel-test-") +
               QUuid::createUuid().toString(QUuid::Id128);
    }

    static QStringList namesAndPages(AppModel *model)
    {
        QStringList out;
        for (OpenFile *file : model->files()) {
            out << QStringLiteral("%1:%2").arg(file->name()).arg(file->pages().size());
        }
        return out;
    }

    // The quit question on screen, once the window has opened it.
    static AlertSheet *question(MainWindow &window, const char *name)
    {
        QCoreApplication::processEvents();
        for (AlertSheet *box : window.findChildren<AlertSheet *>(name)) {
            if (box->isVisible()) {
                return box;
            }
        }
        return nullptr;
    }

    // A shown window over a real model, and the program's end as it announces it.
    struct QuitFixture
    {
        ShellFixture f;
        MainWindow window{f.model.get()};
        QSignalSpy quit{&window, &MainWindow::quitConfirmed};

        QuitFixture() { window.show(); }
    };

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void commandLineFilesOpenAndALaterLaunchHandsItsFilesOver()
    {
        ShellFixture f;
        f.pdf("a.pdf", 3);
        f.picture("b.png");
        f.picture("c.png");
        const QString channel = uniqueChannel();
        TamselApp first(optionsFor(f, {"a.pdf", "b.png", "c.png"}, channel));
        QVERIFY(first.start());
        QVERIFY(first.window()->isVisible());
        // They wait for the window, then open in one call: the pictures together.
        QTRY_COMPARE(namesAndPages(first.model()), (QStringList{"a:3", "b:2"}));

        const QUrl d = f.pdf("d.pdf", 1);
        TamselApp second(optionsFor(f, {d.toLocalFile()}, channel));
        QVERIFY(!second.start());
        QVERIFY(!second.window());
        QTRY_COMPARE(namesAndPages(first.model()), (QStringList{"a:3", "b:2", "d:1"}));
        QCOMPARE(first.model()->destination(),
                 Destination::file(first.model()->files().last()->id()));
    }

    void filesThatArriveEarlyOpenTogether()
    {
        ShellFixture f;
        AppDelegate delegate;
        delegate.openFiles({f.picture("p1.png")});
        delegate.openFiles({f.picture("p2.png"), f.picture("p3.png")});
        QCOMPARE(delegate.pending().size(), 3);
        QVERIFY(f.model->files().isEmpty());
        delegate.setModel(f.model.get());
        QVERIFY(delegate.pending().isEmpty());
        QTRY_COMPARE(namesAndPages(f.model.get()), QStringList{"p1:3"});
        // Once the model is there, each delivery is a call of its own.
        delegate.openFiles({f.picture("q.png")});
        QTRY_COMPARE(namesAndPages(f.model.get()), (QStringList{"p1:3", "q:1"}));
    }

    void quitAsksOnlyWhenSomethingWouldBeLost()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        ShellFixture f;
        {
            // Nothing open: no question.
            MainWindow window(f.model.get());
            QSignalSpy quit(&window, &MainWindow::quitConfirmed);
            window.requestQuit();
            QCOMPARE(quit.count(), 1);
        }
        MainWindow window(f.model.get());
        window.show();
        QSignalSpy quit(&window, &MainWindow::quitConfirmed);
        OpenFile *a = f.open({f.pdf("A.pdf")});
        OpenFile *b = f.open({f.pdf("B.pdf")});
        f.open({f.pdf("C.pdf")}); // unedited: not named
        a->setEdited(true);
        b->setEdited(true);
        window.requestQuit();
        AlertSheet *box = question(window, "quitQuestion");
        QVERIFY(box);
        QCOMPARE(box->text(), QStringLiteral("Quit without saving?"));
        QCOMPARE(box->informativeText(),
                 QStringLiteral("Changes in A and B aren't saved. Use Save As… to keep them."));
        QCOMPARE(box->windowModality(), Qt::WindowModal);
        auto *cancel = box->findChild<QPushButton *>("quitCancel");
        QCOMPARE(box->defaultButton(), cancel);
        QCOMPARE(box->escapeButton(), cancel);
        QCOMPARE(box->focusWidget(), cancel);
        QCOMPARE(cancel->text(), QStringLiteral("Cancel"));
        QCOMPARE(box->findChild<QPushButton *>("quitAnyway")->text(),
                 QStringLiteral("Quit Anyway"));
        // A second request while the question is up asks nothing more.
        window.requestQuit();
        QCoreApplication::processEvents();
        QCOMPARE(window.findChildren<AlertSheet *>("quitQuestion").size(), 1);
        QTest::keyClick(box, Qt::Key_Return); // the default answer keeps the app running
        QCoreApplication::processEvents();
        QCOMPARE(quit.count(), 0);
        QCOMPARE(f.model->files().size(), 3);

        window.requestQuit();
        question(window, "quitQuestion")->findChild<QPushButton *>("quitAnyway")->click();
        QCOMPARE(quit.count(), 1);
    }

    void closingTheWindowIsQuitting()
    {
        QuitFixture q;
        auto &[f, window, quit] = q;
        OpenFile *a = f.open({f.pdf("A.pdf")});
        a->setEdited(true);
        window.close();
        QVERIFY(window.isVisible()); // it asks first
        AlertSheet *box = question(window, "quitQuestion");
        QVERIFY(box);
        QTest::keyClick(box, Qt::Key_Escape);
        QCoreApplication::processEvents();
        QVERIFY(window.isVisible());
        QCOMPARE(quit.count(), 0);

        a->setEdited(false);
        window.close();
        QCOMPARE(quit.count(), 1);
    }

    void quitWhileWorkRunsWaitsForItsEnd()
    {
        QuitFixture q;
        auto &[f, window, quit] = q;
        OpenFile *a = f.open({f.pdf("A.pdf")});
        a->setEdited(true);
        const CancelToken task = CancelToken::make();
        f.model->setBusy(BusyState{QStringLiteral("Saving…"), task});

        window.requestQuit();
        AlertSheet *busy = question(window, "quitWhileBusyQuestion");
        QVERIFY(busy);
        QVERIFY(busy->informativeText().contains(QStringLiteral("Saving…")));
        busy->findChild<QPushButton *>("quitCancel")->click();
        QCoreApplication::processEvents();
        QVERIFY(!task.isCanceled());

        window.requestQuit();
        question(window, "quitWhileBusyQuestion")->findChild<QPushButton *>("quitAnyway")->click();
        // The unsaved file is asked about next; the work is not stopped before both answers.
        AlertSheet *unsaved = question(window, "quitQuestion");
        QVERIFY(unsaved);
        QVERIFY(!task.isCanceled());
        unsaved->findChild<QPushButton *>("quitAnyway")->click();
        QVERIFY(task.isCanceled());
        QCOMPARE(quit.count(), 0); // not while the write may still be finishing
        window.close();
        QCOMPARE(quit.count(), 0);
        f.model->setBusy(std::nullopt);
        QCOMPARE(quit.count(), 1);
    }

    void noQuitWhileAnUpdateIsPutInPlace()
    {
        QuitFixture q;
        auto &[f, window, quit] = q;
        f.model->setInstallingUpdate(true);
        window.requestQuit();
        QCoreApplication::processEvents();
        QCOMPARE(quit.count(), 0);
        QVERIFY(!window.findChild<AlertSheet *>());

        // Once the new copy runs, the model's request quits without a question.
        f.model->setInstallingUpdate(false);
        emit f.model->quitRequested();
        QCoreApplication::processEvents();
        QCOMPARE(quit.count(), 1);
        QVERIFY(!window.findChild<AlertSheet *>());
    }

    void toolbarButtonsOpenSupportAndAbout()
    {
        ShellFixture f;
        MainWindow window(f.model.get());
        window.show();
        auto *bar = window.findChild<QToolBar *>("mainToolBar");
        QVERIFY(bar && bar->isVisible());
        // In the window's bar, so the busy overlay of the detail area never covers them.
        QVERIFY(!window.rootView()->detailArea()->isAncestorOf(bar));
        auto *support = window.findChild<QAction *>("supportButton");
        auto *about = window.findChild<QAction *>("aboutButton");
        QVERIFY(bar->actions().contains(support) && bar->actions().contains(about));
        QCOMPARE(support->toolTip(), QStringLiteral("Support the developer"));
        QSignalSpy supportChanged(f.model.get(), &AppModel::supportChanged);
        support->trigger();
        support->trigger();
        QCOMPARE(f.model->support(), SupportPrompt::Manual);
        QCOMPARE(supportChanged.count(), 1);
        about->trigger();
        QCOMPARE(f.model->destination(), Destination::about());
    }
};

QTEST_MAIN(TestAppEntry)
#include "tst_AppEntry.moc"
