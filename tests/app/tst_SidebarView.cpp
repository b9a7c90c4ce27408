#include "ShellFixture.h"

#include "app/SidebarView.h"
#include "look/Icons.h"
#include "model/MergeModel.h"

#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QSignalSpy>
#include <QToolButton>

class TestSidebarView : public QObject
{
    Q_OBJECT

    struct Shown
    {
        ShellFixture f;
        SidebarView sidebar{f.model.get()};

        Shown()
        {
            sidebar.resize(260, 600);
            sidebar.show();
        }

        QListWidget *list() const { return sidebar.findChild<QListWidget *>("sidebarList"); }

        QList<FileRow *> rows() const
        {
            QList<FileRow *> out;
            for (int i = 0; i < list()->count(); ++i) {
                if (auto *row = qobject_cast<FileRow *>(list()->itemWidget(list()->item(i)))) {
                    out.append(row);
                }
            }
            return out;
        }

        FileRow *row(const OpenFile *file) const
        {
            for (FileRow *row : rows()) {
                if (row->file() == file) {
                    return row;
                }
            }
            return nullptr;
        }

        QListWidgetItem *item(const QString &text) const
        {
            const auto found = list()->findItems(text, Qt::MatchExactly);
            return found.isEmpty() ? nullptr : found.first();
        }

        QMenu *contextMenu(const OpenFile *file)
        {
            FileRow *r = row(file);
            const QPoint pos = r->mapTo(list()->viewport(), r->rect().center());
            emit list()->customContextMenuRequested(pos);
            const auto menus = sidebar.findChildren<QMenu *>("fileMenu");
            return menus.isEmpty() ? nullptr : menus.last();
        }

        static void trigger(QMenu *menu, const QString &text)
        {
            for (QAction *action : menu->actions()) {
                if (action->text() == text) {
                    QVERIFY(action->isEnabled());
                    action->trigger();
                    menu->close();
                    return;
                }
            }
            QFAIL(qPrintable(QStringLiteral("no menu item ") + text));
        }
    };

    static bool editedMarkShown(const FileRow *row)
    {
        return !row->findChild<QWidget *>("editedMark")->isHidden();
    }

    static int pageCount(const FileRow *row)
    {
        return row->findChild<PageCountLabel *>("pageCount")->count();
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        Theme::apply(*qApp);
    }

    void noFilesShowsOnlyOpenButton()
    {
        Shown s;
        QVERIFY(s.rows().isEmpty());
        QVERIFY(s.sidebar.findChild<QToolButton *>("openButton"));
        QStringList texts;
        for (int i = 0; i < s.list()->count(); ++i) {
            texts.append(s.list()->item(i)->text());
        }
        QCOMPARE(texts, (QStringList{"Home", "Files", "", "Tools", "Merge PDFs",
                                     "Signatures & Stamps", "QR Codes"}));
    }

    void editedMarkFollowsKindAndEdits()
    {
        Shown s;
        OpenFile *pdf = s.f.open({s.f.pdf("Report.pdf", 3)});
        OpenFile *pictures = s.f.open({s.f.picture("b.png"), s.f.picture("a.png")});
        QVERIFY(pdf && pictures);
        QCOMPARE(s.rows().size(), 2);

        FileRow *pdfRow = s.row(pdf);
        FileRow *picturesRow = s.row(pictures);
        QVERIFY(!editedMarkShown(pdfRow));
        QVERIFY(editedMarkShown(picturesRow));
        QCOMPARE(pdfRow->findChild<QLabel *>("fileIcon")->property("symbol").toInt(),
                 int(Symbol::Document));
        QCOMPARE(picturesRow->findChild<QLabel *>("fileIcon")->property("symbol").toInt(),
                 int(Symbol::Pictures));
        QCOMPARE(pageCount(pdfRow), 3);
        QCOMPARE(pageCount(picturesRow), 2);

        // Turning a page marks the document; deleting one updates the count.
        const QUuid first = pdf->pages().first().id;
        TestUtil::waitFor(s.f.model->turn(pdf, {first}, true));
        QTRY_VERIFY(editedMarkShown(pdfRow));
        QCOMPARE(pdfRow->findChild<QWidget *>("editedMark")->toolTip(),
                 QStringLiteral("Not saved"));
        s.f.model->deletePages(pdf, {first});
        QCOMPARE(pageCount(pdfRow), 2);

        // Saved: the mark goes again.
        pdf->setEdited(false);
        QVERIFY(!editedMarkShown(pdfRow));
    }

    void closingAsksOnlyForEditedFiles()
    {
        Shown s;
        OpenFile *clean = s.f.open({s.f.pdf("Clean.pdf")});
        OpenFile *edited = s.f.open({s.f.pdf("Edited.pdf")});
        edited->setEdited(true);

        // The edited one: asked about, left open.
        QSignalSpy asked(s.f.model.get(), &AppModel::closingFileChanged);
        QTest::mouseClick(s.row(edited)->findChild<QToolButton *>("closeButton"), Qt::LeftButton);
        QCOMPARE(asked.count(), 1);
        QCOMPARE(s.f.model->closingFile(), edited);
        QCOMPARE(s.f.model->files().size(), 2);

        // The clean one: gone at once, through the context menu this time.
        s.f.model->setClosingFile(nullptr);
        Shown::trigger(s.contextMenu(clean), "Close");
        QCOMPARE(s.f.model->files(), QList<OpenFile *>{edited});
        QVERIFY(!s.f.model->closingFile());
        QTRY_COMPARE(s.rows().size(), 1);

        // Clicking a row's close button while the list rebuilds under it must not crash.
        edited->setEdited(false);
        QTest::mouseClick(s.row(edited)->findChild<QToolButton *>("closeButton"), Qt::LeftButton);
        QVERIFY(s.f.model->files().isEmpty());
        QTRY_VERIFY(s.rows().isEmpty());
    }

    void addToMergeTwiceMakesTwoEntries()
    {
        Shown s;
        OpenFile *file = s.f.open({s.f.pdf("Invoice.pdf", 2)});
        s.f.model->setDestination(Destination::home());
        Shown::trigger(s.contextMenu(file), "Add to Merge");
        QCOMPARE(s.f.model->destination(), std::optional(Destination::merge()));
        Shown::trigger(s.contextMenu(file), "Add to Merge");
        const QList<MergeItem> items = s.f.model->merge()->items();
        QCOMPARE(items.size(), 2);
        QCOMPARE(items[0].pages.size(), 2);
        QVERIFY(items[0].id != items[1].id);
        // The merge row is the one shown as selected.
        QCOMPARE(s.list()->selectedItems(), QList<QListWidgetItem *>{s.item("Merge PDFs")});
    }

    void contextMenuOrder()
    {
        Shown s;
        OpenFile *file = s.f.open({s.f.pdf("Letter.pdf")});
        QMenu *menu = s.contextMenu(file);
        QVERIFY(menu);
        QStringList texts;
        for (QAction *action : menu->actions()) {
            texts.append(action->isSeparator() ? QStringLiteral("-") : action->text());
        }
        QCOMPARE(texts, (QStringList{"Save As…", "Add to Merge", "-", "Close"}));
        // Save As goes to the model, which asks for a target under the proposed name.
        Shown::trigger(menu, "Save As…");
        QTRY_COMPARE(s.f.panels.saveCalls.size(), 1);
        QCOMPARE(s.f.panels.saveCalls.first().first, QStringLiteral("Letter (edited).pdf"));
        QCOMPARE(s.f.panels.saveCalls.first().second, std::optional<QUrl>(file->url()));
    }

    void selectionIsTheDestination()
    {
        Shown s;
        OpenFile *file = s.f.open({s.f.pdf("Shown.pdf")});
        QCOMPARE(s.list()->selectedItems().size(), 1);
        QCOMPARE(s.list()->selectedItems().first()->data(Qt::UserRole + 1).toUuid(), file->id());

        // Clicking rows writes their tags.
        const auto clickOn = [&](QListWidgetItem *item) {
            QTest::mouseClick(s.list()->viewport(), Qt::LeftButton, {},
                              s.list()->visualItemRect(item).center());
        };
        clickOn(s.item("QR Codes"));
        QCOMPARE(s.f.model->destination(), std::optional(Destination::codes()));
        clickOn(s.item("Signatures & Stamps"));
        QCOMPARE(s.f.model->destination(), std::optional(Destination::stamps()));
        // A section title is no destination: the selection stays.
        clickOn(s.item("Tools"));
        QCOMPARE(s.f.model->destination(), std::optional(Destination::stamps()));
        clickOn(s.item("Home"));
        QCOMPARE(s.f.model->destination(), std::optional(Destination::home()));

        // The model's destination picks the row; about and none pick nothing.
        s.f.model->setDestination(Destination::about());
        QVERIFY(s.list()->selectedItems().isEmpty());
        s.f.model->setDestination(Destination::merge());
        QCOMPARE(s.list()->selectedItems(), QList<QListWidgetItem *>{s.item("Merge PDFs")});

        // Clearing the selection stores no destination.
        s.list()->clearSelection();
        QCOMPARE(s.f.model->destination(), std::nullopt);
    }

    void openButtonPassesWhatWasChosen()
    {
        Shown s;
        QToolButton *open = s.sidebar.findChild<QToolButton *>("openButton");
        QSignalSpy files(s.f.model.get(), &AppModel::filesChanged);
        open->click(); // cancelled: nothing changes
        QTRY_COMPARE(s.f.panels.openCalls.size(), 1);
        QCOMPARE(s.f.panels.openCalls.first().multiple, true);
        QCOMPARE(s.f.panels.openCalls.first().kinds,
                 (QList<FileKind>{FileKind::Pdf, FileKind::Picture}));
        QCoreApplication::processEvents();
        QCOMPARE(files.count(), 0);
        QVERIFY(!s.f.model->errorMessage());

        s.f.panels.fileAnswers.enqueue({s.f.pdf("One.pdf"), s.f.pdf("Two.pdf")});
        s.sidebar.findChild<QToolButton *>("openButton")->click();
        QTRY_COMPARE(s.rows().size(), 2);
    }

    void longNameKeepsBothEnds()
    {
        Shown s;
        const QString name =
            QStringLiteral("Quarterly statement of accounts for the holding company FINAL-v7");
        OpenFile *file = s.f.open({s.f.pdf(name + QStringLiteral(".pdf"))});
        auto *label = s.row(file)->findChild<MiddleElidedLabel *>("fileName");
        QCOMPARE(label->text(), name);
        QTRY_VERIFY(label->width() > 0);
        const QString shown = label->displayedText();
        QVERIFY2(shown.contains(QChar(0x2026)), qPrintable(shown));
        QVERIFY(shown.startsWith(QStringLiteral("Quarterly")));
        QVERIFY(shown.endsWith(QStringLiteral("FINAL-v7")));
    }
};

QTEST_MAIN(TestSidebarView)
#include "tst_SidebarView.moc"
