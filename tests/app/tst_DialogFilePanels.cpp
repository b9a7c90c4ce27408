#include "app/DialogFilePanels.h"

#include "helpers/PdfFixtures.h"
#include "helpers/TestUtil.h"

#include <QApplication>
#include <QFileDialog>
#include <QFutureWatcher>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The panel the window shows now, once its deferred showing has run.
QFileDialog *shownPanel(QWidget *window)
{
    QCoreApplication::processEvents();
    auto *dialog = window->findChild<QFileDialog *>();
    return dialog && dialog->isVisible() ? dialog : nullptr;
}

QLineEdit *nameField(QFileDialog *dialog)
{
    return dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
}

// One question to the panel named "files", "save" or "folder", with a count of
// how often its future reports finishing: a panel must answer exactly once.
struct Asked
{
    bool isFiles;
    QFuture<QList<QUrl>> files;
    QFuture<std::optional<QUrl>> url;
    QFutureWatcher<void> watcher;
    QSignalSpy finishes{&watcher, &QFutureWatcherBase::finished};

    Asked(DialogFilePanels &panels, const QString &panel, const QUrl &near)
        : isFiles(panel == QLatin1String("files"))
    {
        if (isFiles) {
            files = panels.chooseFiles(true, {FileKind::Pdf}, QString());
        } else if (panel == QLatin1String("save")) {
            url = panels.chooseSaveUrl(QStringLiteral("near (edited)"), near);
        } else {
            url = panels.chooseFolder(near, QStringLiteral("Export"));
        }
        watcher.setFuture(isFiles ? QFuture<void>(files) : QFuture<void>(url));
    }

    bool isFinished() const { return isFiles ? files.isFinished() : url.isFinished(); }

    // Waits for the answer; true when it came once, not cancelled, and said "nothing".
    bool answeredNothingOnce()
    {
        const bool finished =
            isFiles ? TestUtil::waitFor(files, 5000) : TestUtil::waitFor(url, 5000);
        QCoreApplication::processEvents();
        if (!finished || finishes.count() != 1) {
            return false;
        }
        return isFiles ? !files.isCanceled() && files.result().isEmpty()
                       : !url.isCanceled() && !url.result();
    }
};

} // namespace

class TestDialogFilePanels : public QObject
{
    Q_OBJECT

    struct Shown
    {
        QTemporaryDir folder;
        QWidget window;
        DialogFilePanels panels{&window};

        Shown()
        {
            window.resize(800, 600);
            window.show();
            QCoreApplication::processEvents();
        }

        QString pdf(const QString &name)
        {
            const QString path = folder.filePath(name);
            if (!Fixtures::writeNumberedPdf(path, 1)) {
                qFatal("could not write %s", qPrintable(path));
            }
            return path;
        }
    };

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void chosenFilesInTheOrderGiven_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::newRow("one file") << QStringList{QStringLiteral("a.pdf")};
        QTest::newRow("two files, later name first")
            << QStringList{QStringLiteral("b.pdf"), QStringLiteral("a.pdf")};
        QTest::newRow("names with blanks and quotes") << QStringList{
            QStringLiteral("Q3 “final”.pdf"), QStringLiteral("b.pdf"), QStringLiteral("a.pdf")};
    }

    void chosenFilesInTheOrderGiven()
    {
        QFETCH(QStringList, typed);
        Shown s;
        QList<QUrl> expected;
        QStringList quoted;
        for (const QString &name : typed) {
            expected << QUrl::fromLocalFile(s.pdf(name));
            quoted << QLatin1Char('"') + name + QLatin1Char('"');
        }
        s.pdf(QStringLiteral("not chosen.pdf"));

        const QFuture<QList<QUrl>> chosen = s.panels.chooseFiles(true, {FileKind::Pdf}, QString());
        QFileDialog *dialog = shownPanel(&s.window);
        QVERIFY(dialog);
        QCOMPARE(dialog->fileMode(), QFileDialog::ExistingFiles);
        dialog->setDirectory(s.folder.path());
        nameField(dialog)->setText(typed.size() == 1 ? typed.first()
                                                     : quoted.join(QLatin1Char(' ')));
        static_cast<QDialog *>(dialog)
            ->accept(); // the panel checks the choice as its OK button does

        QVERIFY(TestUtil::waitFor(chosen));
        QCOMPARE(chosen.result(), expected);
    }

    void singleChoiceOffersOneFile()
    {
        Shown s;
        const QString only = s.pdf(QStringLiteral("only.pdf"));
        const QFuture<QList<QUrl>> chosen =
            s.panels.chooseFiles(false, {FileKind::Pdf, FileKind::Picture}, QString());
        QFileDialog *dialog = shownPanel(&s.window);
        QVERIFY(dialog);
        QCOMPARE(dialog->fileMode(), QFileDialog::ExistingFile);
        QVERIFY(dialog->nameFilters().first().contains(QLatin1String("*.pdf")));
        QVERIFY(dialog->nameFilters().first().contains(QLatin1String("*.png")));
        dialog->setDirectory(s.folder.path());
        nameField(dialog)->setText(QStringLiteral("only.pdf"));
        static_cast<QDialog *>(dialog)
            ->accept(); // the panel checks the choice as its OK button does
        QVERIFY(TestUtil::waitFor(chosen));
        QCOMPARE(chosen.result(), QList<QUrl>{QUrl::fromLocalFile(only)});
    }

    // Every panel: shown window-modally over the window, answering "nothing"
    // when dismissed, gone afterwards, and answering once.
    void dismissedPanelAnswersNothingOnce_data()
    {
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("how");
        for (const char *panel : {"files", "save", "folder"}) {
            QTest::addRow("%s panel, Cancel", panel)
                << QString::fromLatin1(panel) << QStringLiteral("reject");
            QTest::addRow("%s panel, Escape", panel)
                << QString::fromLatin1(panel) << QStringLiteral("escape");
            QTest::addRow("%s panel, closed", panel)
                << QString::fromLatin1(panel) << QStringLiteral("close");
        }
    }

    void dismissedPanelAnswersNothingOnce()
    {
        QFETCH(QString, panel);
        QFETCH(QString, how);
        Shown s;
        Asked asked(s.panels, panel, QUrl::fromLocalFile(s.pdf(QStringLiteral("near.pdf"))));
        QPointer<QFileDialog> dialog = shownPanel(&s.window);
        QVERIFY(dialog);
        QCOMPARE(dialog->parentWidget(), &s.window);
        QCOMPARE(dialog->windowModality(), Qt::WindowModal);
        QVERIFY(!asked.isFinished());

        if (how == QLatin1String("reject")) {
            dialog->reject();
        } else if (how == QLatin1String("escape")) {
            QTest::keyClick(dialog, Qt::Key_Escape);
        } else {
            dialog->close();
        }
        QTRY_VERIFY(dialog.isNull());
        QVERIFY(asked.answeredNothingOnce());
        QVERIFY(!s.window.findChild<QFileDialog *>());
    }

    void saveTarget_data()
    {
        QTest::addColumn<QString>("proposed");
        QTest::addColumn<QString>("typed"); // empty: the proposed name is kept
        QTest::addColumn<QString>("field"); // what the name field shows first
        QTest::addColumn<QString>("saved");
        QTest::newRow("proposed name gets the extension")
            << QStringLiteral("Report (edited)") << QString()
            << QStringLiteral("Report (edited).pdf") << QStringLiteral("Report (edited).pdf");
        QTest::newRow("proposed name with a dot in it")
            << QStringLiteral("Minutes v1.2 (pages 1-3)") << QString()
            << QStringLiteral("Minutes v1.2 (pages 1-3).pdf")
            << QStringLiteral("Minutes v1.2 (pages 1-3).pdf");
        QTest::newRow("proposed name ending in .pdf is kept")
            << QStringLiteral("Merged.pdf") << QString() << QStringLiteral("Merged.pdf")
            << QStringLiteral("Merged.pdf");
        QTest::newRow("proposed name ending in .PDF is kept")
            << QStringLiteral("SCAN.PDF") << QString() << QStringLiteral("SCAN.PDF")
            << QStringLiteral("SCAN.PDF");
        QTest::newRow("typed without the extension")
            << QStringLiteral("Report") << QStringLiteral("Budget") << QStringLiteral("Report.pdf")
            << QStringLiteral("Budget.pdf");
        QTest::newRow("typed with the extension")
            << QStringLiteral("Report") << QStringLiteral("Budget.pdf")
            << QStringLiteral("Report.pdf") << QStringLiteral("Budget.pdf");
        QTest::newRow("typed with the extension in capitals")
            << QStringLiteral("Report") << QStringLiteral("Budget.PDF")
            << QStringLiteral("Report.pdf") << QStringLiteral("Budget.PDF");
        QTest::newRow("typed with a dot in it")
            << QStringLiteral("Report") << QStringLiteral("v1.2 (edited)")
            << QStringLiteral("Report.pdf") << QStringLiteral("v1.2 (edited).pdf");
        QTest::newRow("typed with a date in it")
            << QStringLiteral("Report") << QStringLiteral("Scan 03.05")
            << QStringLiteral("Report.pdf") << QStringLiteral("Scan 03.05.pdf");
    }

    void saveTarget()
    {
        QFETCH(QString, proposed);
        QFETCH(QString, typed);
        QFETCH(QString, field);
        QFETCH(QString, saved);
        Shown s;
        QTemporaryDir elsewhere;
        const QString sub = s.folder.filePath(QStringLiteral("in here"));
        QVERIFY(QDir().mkpath(sub));
        const QUrl near = QUrl::fromLocalFile(sub + QStringLiteral("/source.pdf"));

        const QFuture<std::optional<QUrl>> target = s.panels.chooseSaveUrl(proposed, near);
        QFileDialog *dialog = shownPanel(&s.window);
        QVERIFY(dialog);
        QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
        QCOMPARE(QDir(dialog->directory()).canonicalPath(), QDir(sub).canonicalPath());
        QCOMPARE(nameField(dialog)->text(), field);
        if (!typed.isEmpty()) {
            nameField(dialog)->setText(typed);
        }
        static_cast<QDialog *>(dialog)
            ->accept(); // the panel checks the choice as its OK button does

        QVERIFY(TestUtil::waitFor(target));
        QVERIFY(target.result().has_value());
        QCOMPARE(QFileInfo(target.result()->toLocalFile()).fileName(), saved);
        QCOMPARE(QFileInfo(target.result()->toLocalFile()).dir().canonicalPath(),
                 QDir(sub).canonicalPath());
        QVERIFY(!QFileInfo::exists(target.result()->toLocalFile())); // choosing writes nothing
    }

    void saveWithoutNearStartsAtHome()
    {
        Shown s;
        const QFuture<std::optional<QUrl>> target =
            s.panels.chooseSaveUrl(QStringLiteral("x"), std::nullopt);
        QFileDialog *dialog = shownPanel(&s.window);
        QVERIFY(dialog);
        QCOMPARE(QDir(dialog->directory()).canonicalPath(), QDir::home().canonicalPath());
        dialog->reject();
        QVERIFY(TestUtil::waitFor(target));
        QCOMPARE(target.result(), std::optional<QUrl>());
    }

    void chosenFolder()
    {
        Shown s;
        const QString start = s.folder.filePath(QStringLiteral("start"));
        const QString chosen = s.folder.filePath(QStringLiteral("start/out put"));
        QVERIFY(QDir().mkpath(chosen));
        const QFuture<std::optional<QUrl>> folder = s.panels.chooseFolder(
            QUrl::fromLocalFile(start + QStringLiteral("/a.pdf")), QStringLiteral("Export Here"));
        QFileDialog *dialog = shownPanel(&s.window);
        QVERIFY(dialog);
        QCOMPARE(dialog->fileMode(), QFileDialog::Directory);
        QCOMPARE(dialog->labelText(QFileDialog::Accept), QStringLiteral("Export Here"));
        QCOMPARE(QDir(dialog->directory()).canonicalPath(), QDir(start).canonicalPath());
        dialog->setDirectory(chosen);
        static_cast<QDialog *>(dialog)
            ->accept(); // the panel checks the choice as its OK button does
        QVERIFY(TestUtil::waitFor(folder));
        QVERIFY(folder.result().has_value());
        QCOMPARE(QDir(folder.result()->toLocalFile()).canonicalPath(),
                 QDir(chosen).canonicalPath());
    }

    // The window going away under an open panel is not an answer the caller
    // can wait for forever: the future ends, with "nothing", exactly once.
    void windowDestroyedUnderAnOpenPanel_data()
    {
        QTest::addColumn<QString>("panel");
        QTest::newRow("files") << QStringLiteral("files");
        QTest::newRow("save") << QStringLiteral("save");
        QTest::newRow("folder") << QStringLiteral("folder");
    }

    void windowDestroyedUnderAnOpenPanel()
    {
        QFETCH(QString, panel);
        QTemporaryDir folder;
        auto window = std::make_unique<QWidget>();
        window->show();
        DialogFilePanels panels(window.get());
        Asked asked(panels, panel, QUrl::fromLocalFile(folder.filePath(QStringLiteral("a.pdf"))));
        QPointer<QFileDialog> dialog = shownPanel(window.get());
        QVERIFY(dialog);

        window.reset();
        QVERIFY(dialog.isNull());
        QVERIFY(asked.answeredNothingOnce());
        // A panel asked for after the window went has no dead window as parent,
        // and still answers.
        const QFuture<std::optional<QUrl>> later = panels.chooseFolder(std::nullopt, QString());
        QFileDialog *orphan = nullptr;
        QTRY_VERIFY((orphan = [] {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                if (auto *d = qobject_cast<QFileDialog *>(w); d && d->isVisible()) {
                    return d;
                }
            }
            return static_cast<QFileDialog *>(nullptr);
        }()));
        QVERIFY(!orphan->parentWidget());
        orphan->reject();
        QVERIFY(TestUtil::waitFor(later));
        QCOMPARE(later.result(), std::optional<QUrl>());
    }

    // Closing (hiding) the window is not an answer: the panel stays up and
    // answers once, when the user dismisses it.
    void windowClosedUnderAnOpenPanel()
    {
        Shown s;
        Asked asked(s.panels, QStringLiteral("save"),
                    QUrl::fromLocalFile(s.folder.filePath(QStringLiteral("a.pdf"))));
        QPointer<QFileDialog> dialog = shownPanel(&s.window);
        QVERIFY(dialog);
        s.window.close();
        QCoreApplication::processEvents();
        QVERIFY(dialog && dialog->isVisible());
        QVERIFY(!asked.isFinished());
        dialog->reject();
        QVERIFY(asked.answeredNothingOnce());
        QTRY_VERIFY(dialog.isNull());
    }
};

QTEST_MAIN(TestDialogFilePanels)
#include "tst_DialogFilePanels.moc"
