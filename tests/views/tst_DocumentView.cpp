#include "DocumentFixture.h"

#include "look/ThemeButton.h"
#include "model/MergeModel.h"
#include "views/DocumentView.h"
#include "views/PageGrid.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>

// The document screen's top bar, menus and keyboard shortcut over a real model.
class TestDocumentView : public QObject
{
    Q_OBJECT

    struct Screen : DocumentFixture
    {
        std::unique_ptr<DocumentView> view;

        explicit Screen(int pages, int width = 1200)
            : DocumentFixture(pages, QStringLiteral("report.pdf"))
        {
            view = std::make_unique<DocumentView>(f.model.get(), file);
            view->resize(width, 700);
            view->show();
            if (!QTest::qWaitForWindowExposed(view.get())) {
                qFatal("view not shown");
            }
        }

        QAbstractButton *button(const char *name) const
        {
            auto *found = view->findChild<QAbstractButton *>(QString::fromLatin1(name));
            if (!found) {
                qFatal("no button %s", name);
            }
            return found;
        }
        QAction *moreAction(const char *name) const
        {
            emit view->moreMenu()->aboutToShow();
            return view->moreMenu()->findChild<QAction *>(QString::fromLatin1(name));
        }
    };

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        Theme::apply(*qApp);
    }

    void statusLine_data()
    {
        QTest::addColumn<int>("pages");
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<bool>("edited");
        QTest::addColumn<QString>("status");
        QTest::newRow("only the count") << 3 << QList<int>{} << false << "3 pages";
        QTest::newRow("one page") << 1 << QList<int>{} << false << "1 page";
        QTest::newRow("selected and not saved")
            << 4 << QList<int>{1, 3} << true << "4 pages · 2 selected · not saved";
    }

    void statusLine()
    {
        QFETCH(int, pages);
        QFETCH(QList<int>, selected);
        QFETCH(bool, edited);
        QFETCH(QString, status);
        Screen s(pages);
        s.file->setSelection(s.ids(selected));
        s.file->setEdited(edited);
        QCOMPARE(s.view->statusLine(), status);
        QCOMPARE(s.view->findChild<QLabel *>("statusLine")->text(), status);
        QCOMPARE(s.view->findChild<QLabel *>("fileName")->text(), QStringLiteral("report"));
    }

    void statusNamesThePassword()
    {
        ShellFixture f;
        const QString path = f.folder.filePath(QStringLiteral("locked.pdf"));
        QVERIFY(
            Fixtures::writeNumberedPdf(path, 2, Fixtures::Protection{QStringLiteral("pw"), {}}));
        const QFuture<void> opening = f.model->open({QUrl::fromLocalFile(path)});
        QTRY_VERIFY(f.model->passwordRequest().has_value());
        f.model->answerPassword(QStringLiteral("pw"));
        QVERIFY(TestUtil::waitFor(opening));
        OpenFile *file = f.model->files().last();
        DocumentView view(f.model.get(), file);
        file->setSelection({file->pages().first().id});
        file->setEdited(true);
        QCOMPARE(view.statusLine(), QStringLiteral("2 pages · 1 selected · password · not saved"));
    }

    void pageControlsActOnSelectionOrAll()
    {
        Screen s(3);
        QAbstractButton *remove = s.button("deletePagesButton");
        QVERIFY(!remove->isEnabled());
        s.button("rotateRightButton")->click();
        QTRY_COMPARE(s.file->pages().at(2).turn, 90);
        QCOMPARE(s.file->pages().at(0).turn, 90);

        s.file->setSelection(s.ids({2}));
        QVERIFY(remove->isEnabled());
        s.button("rotateLeftButton")->click();
        QTRY_COMPARE(s.file->pages().at(1).turn, 0);
        QCOMPARE(s.file->pages().at(0).turn, 90);
        remove->click();
        QCOMPARE(s.file->pages().size(), 2);
        QVERIFY(!remove->isEnabled());

        // Clicking the bar's controls leaves the keys with the grid.
        QTest::mouseClick(s.button("rotateLeftButton"), Qt::LeftButton);
        QTest::mouseClick(s.button("splitButton"), Qt::LeftButton);
        QVERIFY(s.view->grid()->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(s.file->selection().size(), 2);
    }

    void toolButtonsOpenSheetsAndSigning()
    {
        Screen s(4);
        s.button("compressButton")->click();
        QCOMPARE(s.f.model->sheet(),
                 (std::optional<FileSheet>(FileSheet{FileSheet::Kind::Compress, s.file->id()})));
        s.button("splitButton")->click();
        QCOMPARE(s.f.model->sheet()->kind, FileSheet::Kind::Split);
        s.button("passwordButton")->click();
        QCOMPARE(s.f.model->sheet()->kind, FileSheet::Kind::Password);
        s.moreAction("exportAction")->trigger();
        QCOMPARE(s.f.model->sheet(), (std::optional<FileSheet>(
                                         FileSheet{FileSheet::Kind::ExportImages, s.file->id()})));

        // Signing starts at the selected page that comes first in the file,
        // whichever was selected first; without a selection, at no page.
        s.file->setSelection(s.ids({4}));
        s.file->setSelection(s.ids({4, 2}));
        s.button("signButton")->click();
        QCOMPARE(s.f.model->signingStartPage(), std::optional<QUuid>(s.id(2)));
        QCOMPARE(s.f.model->signingFileID(), std::optional<QUuid>(s.file->id()));
        s.f.model->setSigningFileID(std::nullopt);
        s.file->setSelection({});
        s.button("signButton")->click();
        QCOMPARE(s.f.model->signingStartPage(), std::nullopt);
        QCOMPARE(s.f.model->signingFileID(), std::optional<QUuid>(s.file->id()));
    }

    void moreMenu()
    {
        Screen s(3);
        QCOMPARE(s.moreAction("extractAction")->text(), QStringLiteral("Extract All Pages…"));
        s.file->setSelection(s.ids({2}));
        QCOMPARE(s.moreAction("extractAction")->text(), QStringLiteral("Extract Selected Pages…"));

        // Insert: the chosen files' pages go behind the selected page.
        s.f.panels.fileAnswers.enqueue({s.f.picture(QStringLiteral("photo.png"))});
        s.moreAction("insertAction")->trigger();
        QTRY_COMPARE(s.file->pages().size(), 4);
        QCOMPARE(s.f.panels.openCalls.size(), 1);
        QVERIFY(s.f.panels.openCalls.first().multiple);
        QCOMPARE(s.file->pages().at(2).source.url.fileName(), QStringLiteral("photo.png"));

        // A cancelled panel inserts nothing.
        s.moreAction("insertAction")->trigger();
        QTRY_COMPARE(s.f.panels.openCalls.size(), 2);
        QCOMPARE(s.file->pages().size(), 4);

        s.moreAction("addToMergeAction")->trigger();
        QCOMPARE(s.f.model->merge()->items().size(), 1);
        QCOMPARE(s.f.model->merge()->items().first().pages.size(), 4);
        QCOMPARE(s.f.model->destination(), std::optional<Destination>(Destination::merge()));
    }

    void ctrlSRunsSaveAs()
    {
        Screen s(2);
        QVERIFY(s.view->grid()->hasFocus());
        QTest::keyClick(s.view->grid(), Qt::Key_S, Qt::ControlModifier);
        QTRY_COMPARE(s.f.panels.saveCalls.size(), 1);
        QCOMPARE(s.f.panels.saveCalls.first().first, QStringLiteral("report (edited).pdf"));
    }

    // The status line stays whole, however long it grows. At the window's
    // default size it takes a second line under the name so that the tool
    // buttons keep their titles; they lose them only where the width runs out.
    void statusLineStaysWhole()
    {
        Screen s(40, 960);
        auto *status = s.view->findChild<QLabel *>("statusLine");
        const auto whole = [&] {
            const QStringList lines = s.view->statusLines();
            for (const QString &line : lines) {
                if (status->width() < status->fontMetrics().horizontalAdvance(line)) {
                    return false;
                }
            }
            return lines.join(QStringLiteral(" · ")) == s.view->statusLine();
        };
        QVERIFY(!s.view->toolButtonsCompact());
        QVERIFY(whole());
        QCOMPARE(s.view->statusLines().size(), 1);

        s.file->setSelection(s.ids({1, 2, 3}));
        s.file->setEdited(true);
        QCOMPARE(status->text(), QStringLiteral("40 pages · 3 selected · not saved"));
        QTRY_VERIFY(whole());
        QVERIFY(!s.view->toolButtonsCompact());
        QCOMPARE(s.view->statusLines().size(), 2);
        QVERIFY(s.button("saveAsButton")->geometry().right() < s.view->width());

        s.view->resize(820, 700);
        QTRY_VERIFY(s.view->toolButtonsCompact());
        QTRY_VERIFY(whole());
        QVERIFY(s.button("saveAsButton")->geometry().right() < s.view->width());

        s.view->resize(960, 700);
        s.file->setSelection({});
        s.file->setEdited(false);
        QTRY_VERIFY(!s.view->toolButtonsCompact());
        QTRY_COMPARE(s.view->statusLines().size(), 1);
        QVERIFY(whole());
    }

    void narrowWindowShowsToolSymbolsOnly()
    {
        Screen s(2, 1400);
        QVERIFY(!s.view->toolButtonsCompact());
        QCOMPARE(s.button("splitButton")->text(), QStringLiteral("Split"));
        s.view->resize(820, 700);
        QTRY_VERIFY(s.view->toolButtonsCompact());
        QVERIFY(s.button("splitButton")->text().isEmpty());
        QCOMPARE(s.button("splitButton")->toolTip(), QStringLiteral("Split"));
        // Nothing spills off the bar: Save As… stays fully inside it.
        auto *save = s.button("saveAsButton");
        QVERIFY(save->geometry().right() < s.view->width());
        s.view->resize(1400, 700);
        QTRY_VERIFY(!s.view->toolButtonsCompact());
    }
};

QTEST_MAIN(TestDocumentView)
#include "tst_DocumentView.moc"
