#include "views/CompressSheet.h"

#include "app/ShellFixture.h"
#include "helpers/OutputFixtures.h"
#include "look/NoteBanner.h"
#include "views/ByteCount.h"
#include "views/CompressRows.h"

#include <QAbstractButton>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSettings>
#include <QSignalSpy>
#include <QSlider>

#include <poppler-qt6.h>

using Compression::Choice;

namespace {

const QString targetKey = QStringLiteral("compress.targetBytes");

QUrl photoPdf(ShellFixture &shell, const QString &name, QList<Fixtures::ImagePage> pages)
{
    const QString path = shell.folder.filePath(name);
    if (!Fixtures::writeImagePdf(path, pages)) {
        qFatal("could not write %s", qPrintable(path));
    }
    return QUrl::fromLocalFile(path);
}

QList<Fixtures::ImagePage> photos(int count)
{
    return QList<Fixtures::ImagePage>(count, Fixtures::ImagePage{QSize(2400, 1800)});
}

bool allMeasured(const CompressSheet &sheet)
{
    return sheet.measured(Choice::Original) && sheet.measured(Choice::Medium) &&
           sheet.measured(Choice::Small);
}

} // namespace

class TestCompressSheet : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("Tamsel"));
        QCoreApplication::setApplicationName(QStringLiteral("Tamsel"));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void init() { QSettings().clear(); }

    void byteCounts_data()
    {
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("nothing") << qint64(0) << "0 bytes";
        QTest::newRow("bytes") << qint64(999) << "999 bytes";
        QTest::newRow("kilobytes without fraction") << qint64(850'400) << "850 kB";
        QTest::newRow("megabytes with one digit") << qint64(1'234'567) << "1.2 MB";
        QTest::newRow("whole megabytes drop the zero") << qint64(2'000'000) << "2 MB";
        QTest::newRow("rounding up into the next unit") << qint64(999'999) << "1 MB";
        QTest::newRow("gigabytes with two digits") << qint64(1'504'000'000) << "1.5 GB";
    }

    void byteCounts()
    {
        QFETCH(qint64, bytes);
        QFETCH(QString, text);
        QCOMPARE(ByteCount::text(bytes), text);
    }

    void sliderStartsAtTheNearestStoredLimit_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<int>("index");
        QTest::newRow("nothing stored") << QVariant() << 4;
        QTest::newRow("zero") << QVariant(0) << 4;
        QTest::newRow("below zero") << QVariant(-300'000) << 4;
        QTest::newRow("not a number") << QVariant(QStringLiteral("big")) << 4;
        QTest::newRow("a limit itself") << QVariant(750'000) << 3;
        QTest::newRow("equally near two: the lower") << QVariant(400'000) << 1;
        QTest::newRow("above the largest") << QVariant(25'000'000) << 13;
        QTest::newRow("below the smallest") << QVariant(1) << 0;
    }

    void sliderStartsAtTheNearestStoredLimit()
    {
        QFETCH(QVariant, stored);
        QFETCH(int, index);
        if (stored.isValid()) {
            QSettings().setValue(targetKey, stored);
        }
        QCOMPARE(CompressSheet::storedLimitIndex(), index);
    }

    void presetsAreMeasuredAndTheChosenBytesAreSaved()
    {
        ShellFixture shell;
        OpenFile *file = shell.open({photoPdf(shell, QStringLiteral("Holiday.pdf"), photos(2))});
        QVERIFY(file);
        CompressSheet sheet(shell.model.get(), file, nullptr);
        auto *save = sheet.findChild<QPushButton *>(QStringLiteral("actionButton"));
        QVERIFY(save);
        QVERIFY(!save->isEnabled()); // Medium is chosen and not measured yet
        QTRY_VERIFY_WITH_TIMEOUT(allMeasured(sheet), 60000);

        const qint64 original = sheet.measured(Choice::Original)->size();
        const qint64 medium = sheet.measured(Choice::Medium)->size();
        const qint64 small = sheet.measured(Choice::Small)->size();
        QVERIFY2(original > medium && medium > small,
                 qPrintable(QStringLiteral("%1 %2 %3").arg(original).arg(medium).arg(small)));
        QVERIFY(!sheet.mostlyTextNote());
        QVERIFY(
            !sheet.findChild<NoteBanner *>(QStringLiteral("mostlyTextNote"))->isVisibleTo(&sheet));
        QVERIFY(save->isEnabled());
        QCOMPARE(sheet.chosenData(), sheet.measured(Choice::Medium));

        sheet.findChild<QAbstractButton *>(QStringLiteral("smallRow"))->click();
        QCOMPARE(sheet.choice(), Choice::Small);
        const QByteArray chosen = *sheet.chosenData();
        QCOMPARE(chosen, *sheet.measured(Choice::Small));

        const QString target = shell.folder.filePath(QStringLiteral("out.pdf"));
        shell.panels.saveAnswers.enqueue(QUrl::fromLocalFile(target));
        save->click();
        QCOMPARE(sheet.result(), int(QDialog::Accepted));
        QTRY_COMPARE(shell.panels.saveCalls.size(), 1);
        QCOMPARE(shell.panels.saveCalls.first().first,
                 QStringLiteral("Holiday (%1).pdf").arg(ByteCount::text(small)));
        QTRY_VERIFY(QFileInfo::exists(target) && !shell.model->busy());
        QCOMPARE(Fixtures::readAll(target), chosen); // the size shown is the size on disk
    }

    void aMostlyTextFileGetsTheNote()
    {
        ShellFixture shell;
        OpenFile *file = shell.open({shell.pdf(QStringLiteral("Letter.pdf"), 3)});
        CompressSheet sheet(shell.model.get(), file, nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(allMeasured(sheet), 60000);
        QVERIFY(sheet.mostlyTextNote());
        QVERIFY(
            sheet.findChild<NoteBanner *>(QStringLiteral("mostlyTextNote"))->isVisibleTo(&sheet));
        // The note names the limit the "Up to" row offers now.
        QVERIFY2(sheet.mostlyTextNote()->contains(
                     QStringLiteral(" Up to 1 MB can turn the pages into pictures ")),
                 qPrintable(*sheet.mostlyTextNote()));
        sheet.setLimitIndex(10);
        QVERIFY(sheet.mostlyTextNote()->contains(QStringLiteral(" Up to 7.5 MB can turn ")));
    }

    void upToFitsTheChosenLimit_data()
    {
        QTest::addColumn<bool>("keyed");
        QTest::addColumn<int>("limitIndex");
        QTest::addColumn<bool>("reached");
        QTest::addColumn<bool>("pagesAsPictures");
        // 20 MB: the file as it is fits already.
        QTest::newRow("already small enough") << false << 13 << true << false;
        QTest::newRow("pictures recompressed") << false << 0 << true << false;
        // Colour-keyed pictures lose their key as JPEG: only whole pages as
        // pictures get the file small.
        QTest::newRow("pages become pictures") << true << 0 << true << true;
    }

    void upToFitsTheChosenLimit()
    {
        QFETCH(bool, keyed);
        QFETCH(int, limitIndex);
        QFETCH(bool, reached);
        QFETCH(bool, pagesAsPictures);
        ShellFixture shell;
        QList<Fixtures::ImagePage> pages = photos(1);
        if (keyed) {
            pages.first().kind = Fixtures::ImageKind::Flate;
            pages.first().pixels = QSize(1600, 1200);
            pages.first().extraKeys = "<< /Mask [0 10 0 10 0 10] >>";
        }
        OpenFile *file = shell.open({photoPdf(shell, QStringLiteral("Scan.pdf"), pages)});
        QSettings().setValue(targetKey, Compression::limits().at(limitIndex));
        CompressSheet sheet(shell.model.get(), file, nullptr);
        QCOMPARE(sheet.limitIndex(), limitIndex);
        auto *slider = sheet.findChild<QSlider *>(QStringLiteral("limitSlider"));
        QVERIFY(!slider->isVisibleTo(&sheet));

        sheet.findChild<QAbstractButton *>(QStringLiteral("upToRow"))->click();
        QVERIFY(slider->isVisibleTo(&sheet));
        QVERIFY(!sheet.chosenData());
        QTRY_VERIFY_WITH_TIMEOUT(sheet.fit(), 60000);
        const Compression::Fit fit = *sheet.fit();
        QCOMPARE(fit.reached, reached);
        QCOMPARE(fit.pagesAsPictures, pagesAsPictures);
        QVERIFY(fit.data.size() <= Compression::limits().at(limitIndex));
        QCOMPARE(sheet.chosenData(), fit.data);
        QCOMPARE(sheet.findChild<QWidget *>(QStringLiteral("picturesNote"))->isVisibleTo(&sheet),
                 pagesAsPictures);
        QVERIFY(!sheet.findChild<QLabel *>(QStringLiteral("notReached"))->isVisibleTo(&sheet));
        QVERIFY(!sheet.errorText());
    }

    void aLimitOutOfReachOffersTheSmallestAndSaysSo()
    {
        ShellFixture shell;
        // Pictures of pure noise: no JPEG setting gets six of them under 0.2 MB.
        QList<QUrl> noise;
        QRandomGenerator random(7);
        for (int i = 0; i < 6; ++i) {
            QImage image(1000, 750, QImage::Format_RGB32);
            for (int y = 0; y < image.height(); ++y) {
                random.fillRange(reinterpret_cast<quint32 *>(image.scanLine(y)), image.width());
            }
            const QString path = shell.folder.filePath(QStringLiteral("noise %1.png").arg(i));
            QVERIFY(image.save(path));
            noise.append(QUrl::fromLocalFile(path));
        }
        OpenFile *file = shell.open(noise);
        QVERIFY(file);
        QCOMPARE(file->pages().size(), 6);
        QSettings().setValue(targetKey, 200'000);
        CompressSheet sheet(shell.model.get(), file, nullptr);
        sheet.setChoice(Choice::UpTo);
        QTRY_VERIFY_WITH_TIMEOUT(sheet.fit(), 120000);
        QVERIFY(!sheet.fit()->reached);
        QVERIFY(sheet.fit()->data.size() > 200'000);
        // What is offered keeps the text: the smallest text-keeping copy, never
        // a copy of pictures that misses the limit all the same.
        QVERIFY(!sheet.fit()->pagesAsPictures);
        QVERIFY(!sheet.findChild<QWidget *>(QStringLiteral("picturesNote"))->isVisibleTo(&sheet));
        QCOMPARE(sheet.chosenData(), sheet.fit()->data);
        auto *line = sheet.findChild<QLabel *>(QStringLiteral("notReached"));
        QVERIFY(line->isVisibleTo(&sheet));
        QCOMPARE(line->text(),
                 QStringLiteral("Can't get under 0.2 MB. The smallest Tamsel can make is %1.")
                     .arg(ByteCount::text(sheet.fit()->data.size())));
        QVERIFY(sheet.findChild<QPushButton *>(QStringLiteral("actionButton"))->isEnabled());
    }

    void movingTheSliderStoresTheLimitAndFitsAnew()
    {
        ShellFixture shell;
        OpenFile *file = shell.open({photoPdf(shell, QStringLiteral("Card.pdf"), photos(1))});
        CompressSheet sheet(shell.model.get(), file, nullptr);
        QSignalSpy changes(&sheet, &CompressSheet::stateChanged);
        sheet.setChoice(Choice::UpTo);
        auto *slider = sheet.findChild<QSlider *>(QStringLiteral("limitSlider"));
        auto *row = sheet.findChild<QAbstractButton *>(QStringLiteral("upToRow"));
        QCOMPARE(row->accessibleName(), QStringLiteral("Up to 1 MB"));

        // Each step stores at once; the fits of the steps passed over are dropped.
        // A fit against 20 MB would answer with the whole file: it must never show.
        QList<qsizetype> shown;
        connect(&sheet, &CompressSheet::stateChanged, &sheet, [&] {
            if (sheet.fit() && (shown.isEmpty() || shown.last() != sheet.fit()->data.size())) {
                shown.append(sheet.fit()->data.size());
            }
        });
        slider->setValue(13);
        slider->setValue(2);
        slider->setValue(1);
        QCOMPARE(QSettings().value(targetKey).toLongLong(), qint64(300'000));
        QCOMPARE(row->accessibleName(), QStringLiteral("Up to 0.3 MB"));
        QVERIFY(!sheet.fit());
        QTRY_VERIFY_WITH_TIMEOUT(sheet.fit(), 60000);
        QVERIFY(sheet.fit()->data.size() <= 300'000);
        QVERIFY(!sheet.errorText());
        QCOMPARE(shown.size(), 1);

        // Another row keeps the fit; coming back fits anew.
        sheet.setChoice(Choice::Original);
        QVERIFY(sheet.fit());
        QVERIFY(!slider->isVisibleTo(&sheet));
        sheet.setChoice(Choice::UpTo);
        QVERIFY(!sheet.fit());
        QTRY_VERIFY_WITH_TIMEOUT(sheet.fit(), 60000);
        // The dropped fits ended while the sheet waited twice: none of them showed.
        QCoreApplication::processEvents();
        for (const qsizetype size : shown) {
            QVERIFY(size <= 300'000);
        }
    }

    void closingWhileMeasuringIsSilent()
    {
        ShellFixture shell;
        OpenFile *file = shell.open(
            {photoPdf(shell, QStringLiteral("Big.pdf"),
                      QList<Fixtures::ImagePage>(6, Fixtures::ImagePage{QSize(1600, 1200)}))});
        auto sheet = std::make_unique<CompressSheet>(shell.model.get(), file, nullptr);
        sheet->setChoice(Choice::UpTo);
        QCoreApplication::processEvents();
        sheet->reject();
        QVERIFY(!sheet->errorText());
        QCoreApplication::processEvents();
        QVERIFY(!sheet->errorText());
        QVERIFY(!sheet->fit());
        sheet.reset(); // destroyed while the engine is still busy with its builds
        QVERIFY(!shell.model->errorMessage());
        // The engine goes on serving, and the ended builds say nothing.
        QVERIFY(!TestUtil::await(shell.engine->image(file->pages().first().source, 0, 64), 60000)
                     .isNull());
        QVERIFY(!shell.model->errorMessage());
    }

    void aProtectedFileStaysProtected()
    {
        ShellFixture shell;
        const QUrl plain = photoPdf(shell, QStringLiteral("Plain.pdf"), photos(1));
        const QString path = shell.folder.filePath(QStringLiteral("Locked.pdf"));
        QVERIFY(Fixtures::writeProtectedCopy(plain.toLocalFile(), path, QStringLiteral("pw")));
        const QFuture<void> opening = shell.model->open({QUrl::fromLocalFile(path)});
        QTRY_VERIFY(shell.model->passwordRequest());
        shell.model->answerPassword(QStringLiteral("pw"));
        QVERIFY(TestUtil::waitFor(opening));
        CompressSheet sheet(shell.model.get(), shell.model->files().last(), nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(allMeasured(sheet), 60000);
        for (const Choice preset : {Choice::Original, Choice::Small}) {
            const QByteArray pdf = *sheet.measured(preset);
            QVERIFY(!Fixtures::popplerOpen(pdf));
            QVERIFY(Fixtures::popplerOpen(pdf, QStringLiteral("pw")));
        }
    }

    void aClosedDocumentClosesTheSheet()
    {
        ShellFixture shell;
        OpenFile *file = shell.open({shell.pdf(QStringLiteral("Memo.pdf"), 1)});
        CompressSheet sheet(shell.model.get(), file, nullptr);
        sheet.show();
        shell.model->close(file);
        QTRY_VERIFY(!sheet.isVisible());
        QCOMPARE(sheet.result(), int(QDialog::Rejected));
    }

    // A row wraps its title and detail beside the measured size and grows to
    // them, in a language with long words as in a narrow sheet.
    void rowsGrowToTheirText()
    {
        CompressRows::ChoiceRow row(
            QStringLiteral("Bis 7,5 MB"),
            QStringLiteral(
                "Für Websites und Formulare mit einer Größenbeschränkung beim Hochladen"),
            true, nullptr);
        const int wide = row.heightForWidth(900);
        row.setSize(CompressRows::ChoiceRow::Size::Measured, QStringLiteral("7,2 MB"));
        const int narrow = row.heightForWidth(260);
        QVERIFY(narrow > wide);
        QVERIFY(row.sizePolicy().hasHeightForWidth());
        // With room, the size beside the text takes no line of its own.
        QCOMPARE(row.heightForWidth(900), wide);
    }
};

QTEST_MAIN(TestCompressSheet)
#include "tst_CompressSheet.moc"
