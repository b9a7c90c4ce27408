#include "views/ExportImagesSheet.h"

#include "app/ShellFixture.h"
#include "look/SegmentedChoice.h"
#include "look/ThemeButton.h"

#include <QComboBox>
#include <QImageReader>
#include <QLabel>
#include <QSettings>

class TestExportImagesSheet : public QObject
{
    Q_OBJECT

private:
    static QStringList written(const QString &folder)
    {
        QStringList names = QDir(folder).entryList(QDir::Files, QDir::Name);
        return names;
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        Theme::apply(*qApp);
    }

    void init() { QSettings().clear(); }

    void pagesAreNamedByTheirPlaceInTheDocument_data()
    {
        QTest::addColumn<QList<int>>("selected"); // 0-based positions
        QTest::addColumn<bool>("jpeg");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("nothing selected: every page")
            << QList<int>{} << false << "All 3 pages."
            << QStringList{"Scan page 1.png", "Scan page 2.png", "Scan page 3.png"};
        QTest::newRow("third and first selected, in document order")
            << QList<int>{2, 0} << false << "The 2 selected pages."
            << QStringList{"Scan page 1.png", "Scan page 3.png"};
        QTest::newRow("one page as JPEG")
            << QList<int>{1} << true << "The selected page." << QStringList{"Scan page 2.jpg"};
    }

    void pagesAreNamedByTheirPlaceInTheDocument()
    {
        QFETCH(QList<int>, selected);
        QFETCH(bool, jpeg);
        QFETCH(QString, line);
        QFETCH(QStringList, files);
        ShellFixture shell;
        OpenFile *file = shell.open({shell.pdf("Scan.pdf", 3)});
        QSet<QUuid> selection;
        for (int index : selected) {
            selection.insert(file->pages().at(index).id);
        }
        file->setSelection(selection);
        QSettings().setValue("export.jpeg", jpeg);
        QSettings().setValue("export.dpi", 100);

        ExportImagesSheet sheet(shell.model.get(), file);
        QCOMPARE(sheet.findChild<QLabel *>("pagesLine")->text(), line);
        sheet.show();
        QDir().mkpath(shell.folder.filePath("out"));
        shell.panels.folderAnswers.enqueue(QUrl::fromLocalFile(shell.folder.filePath("out")));
        sheet.findChild<QAbstractButton *>("actionButton")->click();
        QVERIFY(!sheet.isVisible());
        QTRY_VERIFY(!shell.panels.folderCalls.isEmpty() && !shell.model->busy());
        QCOMPARE(shell.panels.folderCalls.first().second, "Export Here");
        QCOMPARE(written(shell.folder.filePath("out")), files);
        for (const QString &name : files) {
            QImageReader reader(shell.folder.filePath("out/" + name));
            QCOMPARE(reader.format(), jpeg ? QByteArray("jpeg") : QByteArray("png"));
            // A4 at 100 dpi.
            QVERIFY(qAbs(reader.size().width() - 595 * 100 / 72.0) <= 1);
            QVERIFY(qAbs(reader.size().height() - 842 * 100 / 72.0) <= 1);
        }
    }

    void choicesAreRememberedAlsoWhenCancelled()
    {
        ShellFixture shell;
        OpenFile *file = shell.open({shell.pdf("Scan.pdf", 1)});
        ExportImagesSheet sheet(shell.model.get(), file);
        auto *format = sheet.findChild<SegmentedChoice *>("formatPicker");
        auto *resolution = sheet.findChild<QComboBox *>("resolutionPicker");
        QCOMPARE(format->currentIndex(), 0);
        QCOMPARE(resolution->currentData().toInt(), 200);
        format->setCurrentIndex(1);
        resolution->setCurrentIndex(2);
        sheet.reject();
        QCOMPARE(QSettings().value("export.jpeg").toBool(), true);
        QCOMPARE(QSettings().value("export.dpi").toInt(), 300);
        QVERIFY(shell.panels.folderCalls.isEmpty());

        ExportImagesSheet again(shell.model.get(), file);
        QCOMPARE(again.findChild<SegmentedChoice *>("formatPicker")->currentIndex(), 1);
        QCOMPARE(again.findChild<QComboBox *>("resolutionPicker")->currentData().toInt(), 300);
    }

    void storedResolution_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<int>("shownIndex");
        QTest::addColumn<int>("usedDpi");
        QTest::newRow("unset: good") << QVariant() << 1 << 200;
        QTest::newRow("written elsewhere: used as it is") << QVariant(150) << -1 << 150;
        QTest::newRow("zero: good") << QVariant(0) << 1 << 200;
        QTest::newRow("not a number: good") << QVariant("fine") << 1 << 200;
    }

    void storedResolution()
    {
        QFETCH(QVariant, stored);
        QFETCH(int, shownIndex);
        QFETCH(int, usedDpi);
        if (stored.isValid()) {
            QSettings().setValue("export.dpi", stored);
        }
        ShellFixture shell;
        OpenFile *file = shell.open({shell.pdf("Scan.pdf", 1)});
        ExportImagesSheet sheet(shell.model.get(), file);
        QCOMPARE(sheet.findChild<QComboBox *>("resolutionPicker")->currentIndex(), shownIndex);
        sheet.show();
        shell.panels.folderAnswers.enqueue(QUrl::fromLocalFile(shell.folder.path()));
        sheet.findChild<QAbstractButton *>("actionButton")->click();
        QTRY_VERIFY(QFileInfo::exists(shell.folder.filePath("Scan page 1.png")) &&
                    !shell.model->busy());
        const int width = QImageReader(shell.folder.filePath("Scan page 1.png")).size().width();
        QVERIFY2(qAbs(width - 595 * usedDpi / 72.0) <= 1, qPrintable(QString::number(width)));
    }

    void cancelledFolderRendersNothing()
    {
        ShellFixture shell;
        OpenFile *file = shell.open({shell.pdf("Scan.pdf", 2)});
        ExportImagesSheet sheet(shell.model.get(), file);
        sheet.show();
        sheet.findChild<QAbstractButton *>("actionButton")->click();
        QTRY_COMPARE(shell.panels.folderCalls.size(), 1);
        QCoreApplication::processEvents();
        QVERIFY(!shell.model->busy());
        QCOMPARE(written(shell.folder.path()), QStringList{"Scan.pdf"});
    }
};

QTEST_MAIN(TestExportImagesSheet)
#include "tst_ExportImagesSheet.moc"
