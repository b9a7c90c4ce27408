#include "views/SplitSheet.h"

#include "app/ShellFixture.h"
#include "helpers/OutputFixtures.h"
#include "look/SegmentedChoice.h"
#include "look/ThemeButton.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include <poppler-qt6.h>

using Mode = SplitSheet::Mode;
using Range = PageRanges::Range;
using Ranges = QList<Range>;

Q_DECLARE_METATYPE(std::optional<Ranges>)

class TestSplitSheet : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void rangesPerMode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("every");
        QTest::addColumn<int>("count");
        QTest::addColumn<std::optional<Ranges>>("ranges");
        QTest::newRow("typed ranges in typed order")
            << int(Mode::Ranges) << "5, 1-3" << 2 << 10 << std::optional(Ranges{{5, 5}, {1, 3}});
        QTest::newRow("typed range past the end")
            << int(Mode::Ranges) << "8-11" << 2 << 10 << std::optional<Ranges>();
        QTest::newRow("blank text")
            << int(Mode::Ranges) << "  \t" << 2 << 10 << std::optional<Ranges>();
        QTest::newRow("every two of five")
            << int(Mode::Every) << "" << 2 << 5 << std::optional(Ranges{{1, 2}, {3, 4}, {5, 5}});
        QTest::newRow("every five of three")
            << int(Mode::Every) << "" << 5 << 3 << std::optional(Ranges{{1, 3}});
        QTest::newRow("every two of one page")
            << int(Mode::Every) << "" << 2 << 1 << std::optional(Ranges{{1, 1}});
        QTest::newRow("page by page")
            << int(Mode::Each) << "x" << 2 << 3 << std::optional(Ranges{{1, 1}, {2, 2}, {3, 3}});
    }

    void rangesPerMode()
    {
        QFETCH(int, mode);
        QFETCH(QString, text);
        QFETCH(int, every);
        QFETCH(int, count);
        QFETCH(std::optional<Ranges>, ranges);
        QCOMPARE(SplitSheet::ranges(Mode(mode), text, every, count), ranges);
    }

    void theSelectionSeedsTheField_data()
    {
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("pages 1, 2, 3 and 5") << QList<int>{1, 2, 3, 5} << "1-3, 5" << true;
        QTest::newRow("nothing selected") << QList<int>{} << "" << false;
    }

    void theSelectionSeedsTheField()
    {
        QFETCH(QList<int>, selected);
        QFETCH(QString, text);
        QFETCH(bool, enabled);
        ShellFixture shell;
        OpenFile *file = shell.open({shell.pdf(QStringLiteral("Report.pdf"), 6)});
        QSet<QUuid> ids;
        for (int number : selected) {
            ids.insert(file->pages().at(number - 1).id);
        }
        file->setSelection(ids);
        SplitSheet sheet(shell.model.get(), file, nullptr);
        QCOMPARE(sheet.mode(), Mode::Ranges);
        QCOMPARE(sheet.findChild<QLineEdit *>(QStringLiteral("rangesField"))->text(), text);
        QCOMPARE(sheet.findChild<QWidget *>(QStringLiteral("summary"))->isVisibleTo(&sheet),
                 enabled);
        QCOMPARE(sheet.actionButton()->isEnabled(), enabled);
    }

    void theSummaryFollowsEveryChange()
    {
        ShellFixture shell;
        OpenFile *file = shell.open({shell.pdf(QStringLiteral("Report.pdf"), 9)});
        SplitSheet sheet(shell.model.get(), file, nullptr);
        auto *summary = sheet.findChild<QWidget *>(QStringLiteral("summary"));
        auto *text = sheet.findChild<QLabel *>(QStringLiteral("summaryText"));
        auto *field = sheet.findChild<QLineEdit *>(QStringLiteral("rangesField"));

        QTest::keyClicks(field, QStringLiteral("2-4, 12"));
        QVERIFY(summary->isVisibleTo(&sheet));
        QCOMPARE(text->text(), QStringLiteral("Use page numbers from 1 to 9, like 1-3, 5."));
        QVERIFY(!sheet.actionButton()->isEnabled());

        // Another mode hides the red line; coming back shows it again.
        sheet.findChild<SegmentedChoice *>(QStringLiteral("modePicker"))
            ->setCurrentIndex(int(Mode::Each));
        QCOMPARE(sheet.mode(), Mode::Each);
        QCOMPARE(text->text(), QStringLiteral("Makes 9 files: 1, 2, 3, 4, 5, 6…"));
        QVERIFY(sheet.actionButton()->isEnabled());
        sheet.setMode(Mode::Ranges);
        QCOMPARE(text->text(), QStringLiteral("Use page numbers from 1 to 9, like 1-3, 5."));
        QCOMPARE(field->text(), QStringLiteral("2-4, 12"));

        QTest::keyClick(field, Qt::Key_Backspace);
        QCOMPARE(text->text(), QStringLiteral("Makes 2 files: 2-4, 1"));
        sheet.setMode(Mode::Every);
        sheet.findChild<QSpinBox *>(QStringLiteral("everyStepper"))->setValue(4);
        QCOMPARE(text->text(), QStringLiteral("Makes 3 files: 1-4, 5-8, 9"));
        QCOMPARE(sheet.findChild<QLabel *>(QStringLiteral("everyLabel"))->text(),
                 QStringLiteral("A new file every 4 pages"));
    }

    void theStepperStaysWithinThePages()
    {
        ShellFixture shell;
        OpenFile *file = shell.open({shell.pdf(QStringLiteral("Note.pdf"), 1)});
        SplitSheet sheet(shell.model.get(), file, nullptr);
        auto *stepper = sheet.findChild<QSpinBox *>(QStringLiteral("everyStepper"));
        QCOMPARE(stepper->minimum(), 1);
        QCOMPARE(stepper->maximum(), 1);
        sheet.setMode(Mode::Every);
        QCOMPARE(sheet.ranges(), std::optional(Ranges{{1, 1}}));
    }

    void splittingWritesOnePdfPerRange()
    {
        ShellFixture shell;
        const QUrl source = shell.pdf(QStringLiteral("Report.pdf"), 5);
        OpenFile *file = shell.open({source});
        shell.model->turn(file, {file->pages().at(4).id}, true);
        QTRY_COMPARE(file->pages().at(4).turn, 90);
        const QString out = shell.folder.filePath(QStringLiteral("parts"));
        QVERIFY(QDir().mkpath(out));
        QVERIFY(Fixtures::writeNumberedPdf(QDir(out).filePath(QStringLiteral("Report 5.pdf")), 1));
        shell.panels.folderAnswers.enqueue(QUrl::fromLocalFile(out));

        SplitSheet sheet(shell.model.get(), file, nullptr);
        sheet.setRangesText(QStringLiteral("1-3, 5"));
        const QList<PageItem> before = file->pages();
        sheet.actionButton()->click();
        QCOMPARE(sheet.result(), int(QDialog::Accepted));
        QTRY_COMPARE(shell.panels.folderCalls.size(), 1);
        QCOMPARE(shell.panels.folderCalls.first().second, QStringLiteral("Split Here"));
        QTRY_VERIFY_WITH_TIMEOUT(!shell.model->busy() && shell.model->toast(), 30000);
        QCOMPARE(shell.model->toast()->text, QStringLiteral("Saved 2 files"));
        QVERIFY(!shell.model->errorMessage());
        QCOMPARE(file->pages(), before); // the open document is left as it was

        // A taken name gets the next number; each part holds its own pages.
        const auto first = Fixtures::popplerOpen(
            Fixtures::readAll(QDir(out).filePath(QStringLiteral("Report 1-3.pdf"))));
        QVERIFY(first);
        QCOMPARE(first->numPages(), 3);
        QCOMPARE(Fixtures::popplerText(*first, 2).trimmed(), QStringLiteral("Page 3"));
        const auto last = Fixtures::popplerOpen(
            Fixtures::readAll(QDir(out).filePath(QStringLiteral("Report 5 2.pdf"))));
        QVERIFY(last);
        QCOMPARE(last->numPages(), 1);
        QCOMPARE(Fixtures::popplerText(*last, 0).trimmed(), QStringLiteral("Page 5"));
        QCOMPARE(last->page(0)->orientation(), Poppler::Page::Landscape);
    }

    void aProtectedDocumentGivesProtectedParts()
    {
        ShellFixture shell;
        const QString path = shell.folder.filePath(QStringLiteral("Secret.pdf"));
        QVERIFY(Fixtures::writeNumberedPdf(path, 2, {QStringLiteral("pw"), QString()}));
        shell.model->setPasswordRequest(std::nullopt);
        const QFuture<void> opening = shell.model->open({QUrl::fromLocalFile(path)});
        QTRY_VERIFY(shell.model->passwordRequest());
        shell.model->answerPassword(QStringLiteral("pw"));
        QVERIFY(TestUtil::waitFor(opening));
        OpenFile *file = shell.model->files().last();
        shell.panels.folderAnswers.enqueue(QUrl::fromLocalFile(shell.folder.path()));

        SplitSheet sheet(shell.model.get(), file, nullptr);
        sheet.setMode(Mode::Each);
        sheet.actionButton()->click();
        QTRY_VERIFY_WITH_TIMEOUT(!shell.model->busy() && shell.model->toast(), 30000);
        const QByteArray part =
            Fixtures::readAll(shell.folder.filePath(QStringLiteral("Secret 2.pdf")));
        QVERIFY(!Fixtures::popplerOpen(part));
        const auto unlocked = Fixtures::popplerOpen(part, QStringLiteral("pw"));
        QVERIFY(unlocked);
        QCOMPARE(unlocked->numPages(), 1);
    }
};

QTEST_MAIN(TestSplitSheet)
#include "tst_SplitSheet.moc"
