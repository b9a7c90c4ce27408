#include "ShellFixture.h"

#include "app/MainWindow.h"
#include "app/RootView.h"
#include "look/Spinner.h"
#include "look/ThemeButton.h"
#include "platform/FileRevealer.h"

#include "views/AlertSheet.h"
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>

class RecordingRevealer : public FileRevealer
{
public:
    void reveal(const QUrl &file) override { revealed << file; }
    QList<QUrl> revealed;
};

class TestRootView : public QObject
{
    Q_OBJECT

    struct Shown
    {
        ShellFixture f;
        RecordingRevealer revealer;
        QWidget window;
        RootView *root = new RootView(f.model.get(), &revealer, &window);

        Shown()
        {
            window.resize(1000, 660);
            root->resize(1000, 660);
            window.show();
            QCoreApplication::processEvents();
        }

        QString screen() const
        {
            return root->currentScreen() ? root->currentScreen()->objectName() : QString();
        }

        // The modal on screen once the deferred presentation has run.
        template<typename T = QDialog> T *modal(const char *name)
        {
            QCoreApplication::processEvents();
            QDialog *d = root->currentModal();
            return d && d->objectName() == QLatin1String(name) && d->isVisible()
                       ? qobject_cast<T *>(d)
                       : nullptr;
        }
    };

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        qRegisterMetaType<OpenFile *>();
    }

    void routing_data()
    {
        QTest::addColumn<QString>("target");  // which file the destination names
        QTest::addColumn<QString>("signing"); // which file signingFileID names
        QTest::addColumn<QString>("screen");
        QTest::newRow("nothing shows home") << "none"
                                            << ""
                                            << "homeView";
        QTest::newRow("file shows its pages") << "a"
                                              << ""
                                              << "documentView";
        QTest::newRow("signing that file shows sign") << "a"
                                                      << "a"
                                                      << "signView";
        QTest::newRow("signing another file keeps the pages") << "a"
                                                              << "b"
                                                              << "documentView";
        QTest::newRow("unknown file shows home") << "unknown"
                                                 << ""
                                                 << "homeView";
    }

    void routing()
    {
        QFETCH(QString, target);
        QFETCH(QString, signing);
        QFETCH(QString, screen);
        Shown s;
        OpenFile *a = s.f.open({s.f.pdf("a.pdf")});
        OpenFile *b = s.f.open({s.f.pdf("b.pdf")});
        QVERIFY(a && b);
        auto idOf = [&](const QString &which) -> std::optional<QUuid> {
            if (which == "a")
                return a->id();
            if (which == "b")
                return b->id();
            if (which == "unknown")
                return QUuid::createUuid();
            return std::nullopt;
        };
        const auto sign = idOf(signing);
        s.f.model->setSigningFileID(sign);
        const auto dest = idOf(target);
        s.f.model->setDestination(dest ? std::optional(Destination::file(*dest)) : std::nullopt);
        QCOMPARE(s.screen(), screen);
    }

    void everyToolHasItsScreen()
    {
        Shown s;
        const QList<std::pair<Destination, QString>> expected{{Destination::merge(), "mergeView"},
                                                              {Destination::stamps(), "stampsView"},
                                                              {Destination::codes(), "codesView"},
                                                              {Destination::about(), "aboutView"},
                                                              {Destination::home(), "homeView"}};
        for (const auto &[destination, screen] : expected) {
            s.f.model->setDestination(destination);
            QCOMPARE(s.screen(), screen);
        }
    }

    void closingTheShownFileReturnsHome()
    {
        Shown s;
        OpenFile *a = s.f.open({s.f.pdf("a.pdf")});
        QCOMPARE(s.screen(), QStringLiteral("documentView"));
        s.f.model->close(a);
        QCOMPARE(s.screen(), QStringLiteral("homeView"));
    }

    void errorAlert_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("OK") << QStringLiteral("OK");
        QTest::newRow("Return") << QStringLiteral("Return");
        QTest::newRow("Escape") << QStringLiteral("Escape");
        QTest::newRow("window closed") << QStringLiteral("close");
    }

    // The model's sentence as it stands, under the one title; every way out is
    // the OK of the alert and clears the message, and a later one shows again.
    void errorAlert()
    {
        QFETCH(QString, how);
        Shown s;
        const QString message = QStringLiteral("“x.pdf” couldn't be opened <b>as</b> a PDF.");
        s.f.model->setErrorMessage(message);
        QPointer<AlertSheet> alert = s.modal<AlertSheet>("errorAlert");
        QVERIFY(alert);
        QCOMPARE(alert->text(), QStringLiteral("Something went wrong"));
        QCOMPARE(alert->informativeText(), message);
        QCOMPARE(alert->findChild<QLabel *>("alertMessage")->textFormat(), Qt::PlainText);
        auto *ok = alert->findChild<QPushButton *>("errorOK");
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QCOMPARE(alert->findChildren<QPushButton *>().size(), 1);
        QCOMPARE(alert->defaultButton(), ok);
        QCOMPARE(alert->escapeButton(), ok);
        // A later failure replaces the text on screen.
        s.f.model->setErrorMessage(QStringLiteral("Second."));
        QCOMPARE(s.modal<AlertSheet>("errorAlert"), alert.data());
        QCOMPARE(alert->informativeText(), QStringLiteral("Second."));

        if (how == QLatin1String("OK")) {
            ok->click();
        } else if (how == QLatin1String("Return")) {
            QTest::keyClick(alert, Qt::Key_Return);
        } else if (how == QLatin1String("Escape")) {
            QTest::keyClick(alert, Qt::Key_Escape);
        } else {
            alert->close();
        }
        QCOMPARE(alert->clickedButton(), ok);
        QCoreApplication::processEvents();
        QVERIFY(!s.f.model->errorMessage());
        QVERIFY(!s.root->currentModal());
        QTRY_VERIFY(alert.isNull());
        s.f.model->setErrorMessage(QStringLiteral("Again."));
        QVERIFY(s.modal("errorAlert"));
    }

    void unsavedChangesQuestion_data()
    {
        QTest::addColumn<QString>("answer"); // a button's name, or a key
        QTest::addColumn<bool>("closed");
        QTest::addColumn<bool>("saveAsAsked");
        QTest::newRow("save as keeps the file and starts saving")
            << "closingSaveAs" << false << true;
        QTest::newRow("Return is Save As") << "Return" << false << true;
        QTest::newRow("don't save closes the file") << "closingDontSave" << true << false;
        QTest::newRow("cancel leaves everything") << "closingCancel" << false << false;
        QTest::newRow("Escape is Cancel") << "Escape" << false << false;
    }

    void unsavedChangesQuestion()
    {
        QFETCH(QString, answer);
        QFETCH(bool, closed);
        QFETCH(bool, saveAsAsked);
        Shown s;
        QSignalSpy saveAs(s.root, &RootView::saveAsRequested);
        OpenFile *a = s.f.open({s.f.pdf("Report.pdf")});
        a->setEdited(true);
        s.f.model->setClosingFile(a);
        auto *question = s.modal<AlertSheet>("closingQuestion");
        QVERIFY(question);
        QCOMPARE(question->text(), QStringLiteral("Save changes to “Report”?"));
        QCOMPARE(
            question->informativeText(),
            QStringLiteral(
                "Your changes will be lost if you close it without saving. The original file stays "
                "as it was."));
        QStringList buttons;
        for (const char *name : {"closingSaveAs", "closingDontSave", "closingCancel"}) {
            buttons << question->findChild<QPushButton *>(name)->text();
        }
        QCOMPARE(buttons, (QStringList{"Save As…", "Don't Save", "Cancel"}));
        QCOMPARE(question->defaultButton(), question->findChild<QPushButton *>("closingSaveAs"));
        QCOMPARE(question->escapeButton(), question->findChild<QPushButton *>("closingCancel"));
        QCOMPARE(question->focusWidget(), question->defaultButton());
        if (answer == QLatin1String("Return")) {
            QTest::keyClick(question, Qt::Key_Return);
        } else if (answer == QLatin1String("Escape")) {
            QTest::keyClick(question, Qt::Key_Escape);
        } else {
            question->findChild<QPushButton *>(answer)->click();
        }
        QCoreApplication::processEvents();
        QVERIFY(!s.f.model->closingFile());
        QCOMPARE(s.f.model->files().isEmpty(), closed);
        QCOMPARE(saveAs.count(), saveAsAsked ? 1 : 0);
        QVERIFY(!s.root->currentModal());
    }

    void modalsWaitTheirTurn()
    {
        Shown s;
        OpenFile *a = s.f.open({s.f.pdf("a.pdf")});
        s.f.model->setClosingFile(a);
        s.f.model->setErrorMessage(QStringLiteral("Broken."));
        // The error comes first; the question waits until it is dismissed.
        auto *alert = s.modal<AlertSheet>("errorAlert");
        QVERIFY(alert);
        alert->findChild<QPushButton *>("errorOK")->click();
        QVERIFY(s.modal("closingQuestion"));
        QCOMPARE(s.f.model->closingFile(), a);
    }

    void aModelClearedModalGoesWithoutAnswering()
    {
        Shown s;
        s.f.model->setSupport(SupportPrompt::Manual);
        QVERIFY(s.modal("supportView"));
        s.f.model->setErrorMessage(QStringLiteral("Broken."));
        s.f.model->setSupport(std::nullopt);
        QVERIFY(s.modal("errorAlert"));
        QVERIFY(s.f.model->errorMessage());
    }

    void busyOverlayCoversTheDetailAreaAndCancels()
    {
        Shown s;
        const CancelToken task = CancelToken::make();
        s.f.model->setBusy(BusyState{QStringLiteral("Saving…"), task});
        auto *overlay = s.root->findChild<QWidget *>("busyOverlay");
        QVERIFY(overlay && overlay->isVisible());
        QCOMPARE(overlay->geometry(), s.root->detailArea()->rect());
        QCOMPARE(overlay->findChild<QLabel *>("busyTitle")->text(), QStringLiteral("Saving…"));
        QVERIFY(overlay->findChild<Spinner *>("busySpinner")->isSpinning());
        QVERIFY(qobject_cast<ThemeButton *>(overlay->findChild<QPushButton *>("busyCancel")));
        QVERIFY(!s.root->currentScreen()->isEnabled());
        // The sidebar stays usable.
        QVERIFY(s.root->findChild<QWidget *>("sidebarList")->isEnabled());
        s.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&s.window));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(task.isCanceled());
        s.f.model->setBusy(std::nullopt);
        QVERIFY(!overlay->isVisible());
        QVERIFY(s.root->currentScreen()->isEnabled());
    }

    // The overlay takes the keys while the work runs and hands them back to
    // the page grid: Select All works right after a Save As, without a click.
    void keysReturnToTheGridAfterBusyWork()
    {
        Shown s;
        OpenFile *file = s.f.open({s.f.pdf("doc.pdf", 3)});
        QVERIFY(file);
        s.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&s.window));
        auto *grid = s.root->currentScreen()->findChild<QWidget *>("pageGrid");
        QTRY_COMPARE(QApplication::focusWidget(), grid);

        const QString copy = s.f.folder.filePath("copy.pdf");
        s.f.panels.saveAnswers.enqueue(QUrl::fromLocalFile(copy));
        QSignalSpy busy(s.f.model.get(), &AppModel::busyChanged);
        QTest::keyClick(grid, Qt::Key_S, Qt::ControlModifier);
        QTRY_VERIFY(busy.count() >= 2 && !s.f.model->busy());
        QVERIFY(QFile::exists(copy));
        QVERIFY(!s.root->findChild<QWidget *>("busyOverlay")->isVisible());

        QCOMPARE(QApplication::focusWidget(), grid);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(file->selection().size(), 3);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(file->selection().isEmpty());
    }

    void toastRevealsAndStays()
    {
        Shown s;
        const QUrl file = QUrl::fromLocalFile(s.f.folder.filePath("out.pdf"));
        s.f.model->setToast(Toast{QStringLiteral("Saved “out.pdf”"), file});
        auto *toast = s.root->findChild<QWidget *>("toast");
        QVERIFY(toast->isVisible());
        // It slides up to float 28 points above the bottom edge, centred.
        auto toastBottom = [&] {
            return toast->mapTo(s.root->detailArea(), QPoint(0, toast->height())).y();
        };
        QTRY_COMPARE(toastBottom(), s.root->detailArea()->height() - 28);
        const int left = toast->mapTo(s.root->detailArea(), QPoint(0, 0)).x();
        QVERIFY(qAbs(2 * left + toast->width() - s.root->detailArea()->width()) <= 1);
        auto *reveal = toast->findChild<QPushButton *>("showInFolder");
        QVERIFY(reveal->isVisible());
        reveal->click();
        QCOMPARE(s.revealer.revealed, QList<QUrl>{file});
        QVERIFY(s.f.model->toast());
        s.f.model->setToast(Toast{QStringLiteral("Copied"), std::nullopt});
        QVERIFY(!reveal->isVisible());
        s.f.model->setToast(std::nullopt);
        QTRY_VERIFY(!toast->isVisible()); // once it has slid away
    }

    void quitQuestionNamesEditedFiles()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(MainWindow::unsavedChangesText({"A", "B"}),
                 QStringLiteral("Changes in A and B aren't saved. Use Save As… to keep them."));
    }

    void menuCommandsFollowTheCurrentFile()
    {
        ShellFixture f;
        MainWindow window(f.model.get());
        auto *saveAs = window.findChild<QAction *>("saveAsAction");
        auto *close = window.findChild<QAction *>("closeFileAction");
        QVERIFY(!saveAs->isEnabled() && !close->isEnabled());
        OpenFile *a = f.open({f.pdf("a.pdf")});
        QVERIFY(saveAs->isEnabled() && close->isEnabled());
        f.model->setBusy(BusyState{QStringLiteral("Saving…"), {}});
        QVERIFY(!saveAs->isEnabled());
        QVERIFY(close->isEnabled());
        f.model->setBusy(std::nullopt);
        a->setEdited(true);
        close->trigger();
        QCOMPARE(f.model->closingFile(), a);
        QCOMPARE(f.model->files().size(), 1);
    }
};

QTEST_MAIN(TestRootView)
#include "tst_RootView.moc"
