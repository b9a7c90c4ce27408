// The new-stamp sheet: from a picture, picture data, a drawing or a ready
// stamp to a library entry, and every way of leaving it.

#include "StampPictures.h"
#include "app/ShellFixture.h"
#include "stamps/StampLibrary.h"
#include "stampviews/DrawingPad.h"
#include "stampviews/NewStampSheet.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

namespace {

using Stage = NewStampSheet::Stage;

QUrl savePicture(ShellFixture &shell, const QString &name, const QImage &image)
{
    const QString path = shell.folder.filePath(name);
    if (!image.save(path)) {
        qFatal("could not write %s", qPrintable(path));
    }
    return QUrl::fromLocalFile(path);
}

// Waits until the sheet's stamp is shown, failed or dropped.
void waitForMaking(const NewStampSheet &sheet)
{
    if (!TestUtil::waitFor(sheet.making())) {
        qFatal("the stamp was not made");
    }
}

QPushButton *button(QWidget &sheet, const char *name)
{
    return sheet.findChild<QPushButton *>(name);
}

} // namespace

class tst_NewStampSheet : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void titles_data();
    void titles();
    void pictureFileBecomesAStamp();
    void samePictureTwiceGivesTwoEntries();
    void clearedNameTakesTheSuggestion();
    void returnSavesAndEscapeCancels();
    void pictureDataBecomesAStamp();
    void unusablePictures_data();
    void unusablePictures();
    void drawingGoesThroughTheMaker();
    void cancelledWhileMakingStoresNothing();
    void readyStampClosesTheSheet();
    void failedSaveKeepsTheSheetOpen();
    void presenterKeysSheetsBySource();
};

void tst_NewStampSheet::titles_data()
{
    QTest::addColumn<StampSource>("source");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("stage");
    QTest::newRow("drawing") << StampSource::drawing() << "Draw Your Signature"
                             << int(Stage::Drawing);
    QTest::newRow("ready") << StampSource::ready() << "Ready Stamps" << int(Stage::Ready);
    QTest::newRow("file") << StampSource::file(QUrl::fromLocalFile("/nonexistent/a.png"))
                          << "New Signature or Stamp" << int(Stage::Working);
}

void tst_NewStampSheet::titles()
{
    QFETCH(StampSource, source);
    QFETCH(QString, title);
    QFETCH(int, stage);
    ShellFixture shell;
    NewStampSheet sheet(shell.model.get(), source);
    QCOMPARE(sheet.findChild<QLabel *>("sheetTitle")->text(), title);
    QCOMPARE(int(sheet.stage()), stage);
    QCOMPARE(sheet.width(), 560);
    QVERIFY(!button(sheet, "saveButton")->isVisibleTo(&sheet));
    waitForMaking(sheet);
}

void tst_NewStampSheet::pictureFileBecomesAStamp()
{
    ShellFixture shell;
    const QUrl url = savePicture(shell, "signature.jpg", StampPictures::signatureOnPaper());
    NewStampSheet sheet(shell.model.get(), StampSource::file(url));
    QSignalSpy saved(&sheet, &NewStampSheet::saved);
    QVERIFY(sheet.findChild<QWidget *>("progressLine"));
    QTRY_COMPARE(sheet.stage(), Stage::Preview);
    QVERIFY(button(sheet, "saveButton")->isVisibleTo(&sheet));
    QCOMPARE(sheet.findChild<QLineEdit *>("nameField")->text(), QStringLiteral("Signature"));
    QVERIFY(shell.model->stamps()->stamps().isEmpty()); // nothing stored before Save

    button(sheet, "saveButton")->click();
    QCOMPARE(saved.size(), 1);
    QCOMPARE(sheet.result(), int(QDialog::Accepted));
    const auto record = saved.first().first().value<StampRecord>();
    QCOMPARE(record.name, QStringLiteral("Signature"));
    QCOMPARE(shell.model->stamps()->stamps(), QList<StampRecord>{record});
    QVERIFY(shell.model->stamps()->images().contains(record.id));
}

void tst_NewStampSheet::samePictureTwiceGivesTwoEntries()
{
    ShellFixture shell;
    const QUrl url = savePicture(shell, "signature.png", StampPictures::signatureOnPaper());
    QList<QUuid> ids;
    for (int i = 0; i < 2; ++i) {
        NewStampSheet sheet(shell.model.get(), StampSource::file(url));
        QSignalSpy saved(&sheet, &NewStampSheet::saved);
        QTRY_COMPARE(sheet.stage(), Stage::Preview);
        button(sheet, "saveButton")->click();
        QCOMPARE(saved.size(), 1);
        ids.append(saved.first().first().value<StampRecord>().id);
    }
    QVERIFY(ids.at(0) != ids.at(1));
    QCOMPARE(shell.model->stamps()->stamps().size(), 2);
    QCOMPARE(shell.model->stamps()->stamps().at(1).name, QStringLiteral("Signature 2"));
}

void tst_NewStampSheet::clearedNameTakesTheSuggestion()
{
    ShellFixture shell;
    QVERIFY(shell.model->stamps()->add(StampPictures::stamp(QSize(400, 100)), "Signature",
                                       QUuid::createUuid()));
    const QUrl url = savePicture(shell, "signature.png", StampPictures::signatureOnPaper());
    NewStampSheet sheet(shell.model.get(), StampSource::file(url));
    QSignalSpy saved(&sheet, &NewStampSheet::saved);
    QTRY_COMPARE(sheet.stage(), Stage::Preview);
    sheet.findChild<QLineEdit *>("nameField")->clear();
    button(sheet, "saveButton")->click();
    QCOMPARE(saved.size(), 1);
    QCOMPARE(saved.first().first().value<StampRecord>().name, QStringLiteral("Signature 2"));
}

void tst_NewStampSheet::returnSavesAndEscapeCancels()
{
    ShellFixture shell;
    const QUrl url = savePicture(shell, "signature.png", StampPictures::signatureOnPaper());
    {
        NewStampSheet sheet(shell.model.get(), StampSource::file(url));
        QSignalSpy saved(&sheet, &NewStampSheet::saved);
        sheet.show();
        QTRY_COMPARE(sheet.stage(), Stage::Preview);
        auto *name = sheet.findChild<QLineEdit *>("nameField");
        name->setText("  Mine ");
        QTest::keyClick(name, Qt::Key_Return);
        QCOMPARE(saved.size(), 1);
        QCOMPARE(saved.first().first().value<StampRecord>().name, QStringLiteral("Mine"));
    }
    {
        NewStampSheet sheet(shell.model.get(), StampSource::file(url));
        QSignalSpy saved(&sheet, &NewStampSheet::saved);
        sheet.show();
        QTRY_COMPARE(sheet.stage(), Stage::Preview);
        QTest::keyClick(sheet.findChild<QLineEdit *>("nameField"), Qt::Key_Escape);
        QVERIFY(!sheet.isVisible());
        QCOMPARE(sheet.result(), int(QDialog::Rejected));
        QCOMPARE(saved.size(), 0);
    }
    QCOMPARE(shell.model->stamps()->stamps().size(), 1);
}

void tst_NewStampSheet::pictureDataBecomesAStamp()
{
    ShellFixture shell;
    const QByteArray bytes = StampPictures::png(StampPictures::signatureOnPaper(QSize(300, 600)));
    NewStampSheet sheet(shell.model.get(), StampSource::data(bytes));
    QTRY_COMPARE(sheet.stage(), Stage::Preview);
    QVERIFY(sheet.madeStamp()->pixelHeight > sheet.madeStamp()->pixelWidth);
    QCOMPARE(sheet.name(), QStringLiteral("Stamp"));
}

void tst_NewStampSheet::unusablePictures_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QImage blank(400, 300, QImage::Format_RGB32);
    blank.fill(Qt::white);
    QTest::newRow("not a picture") << QByteArray("%PDF-1.4 nothing") << "This image can't be read.";
    // Claims 2.7 GB of pixels: the worker refuses it, the program is not touched.
    QTest::newRow("30000 x 30000")
        << QByteArray("P6 30000 30000 255\n\xff\xff\xff") << "This image can't be read.";
    QTest::newRow("blank paper")
        << StampPictures::png(blank)
        << "No signature or stamp found. Try a photo of it on white paper.";
}

void tst_NewStampSheet::unusablePictures()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    ShellFixture shell;
    NewStampSheet sheet(shell.model.get(), StampSource::data(bytes));
    QTRY_COMPARE(sheet.stage(), Stage::Failed);
    auto *banner = sheet.findChild<QWidget *>("errorBanner");
    QVERIFY(banner);
    QVERIFY(banner->findChildren<QLabel *>().size() > 0);
    bool shown = false;
    for (QLabel *label : banner->findChildren<QLabel *>()) {
        shown = shown || label->text() == message;
    }
    QVERIFY(shown);
    QVERIFY(!button(sheet, "saveButton")->isVisibleTo(&sheet));
}

void tst_NewStampSheet::drawingGoesThroughTheMaker()
{
    ShellFixture shell;
    NewStampSheet sheet(shell.model.get(), StampSource::drawing());
    auto *pad = sheet.findChild<DrawingPad *>();
    QVERIFY(pad);
    QCOMPARE(pad->padSize(), QSize(512, 220));
    pad->beginStroke({QPointF(60, 150)});
    for (int x = 70; x <= 460; x += 10) {
        pad->extendStroke({QPointF(x, 150 - 60 * std::sin(x / 40.0))});
    }
    pad->endStroke();
    QVERIFY(!button(sheet, "saveButton")->isVisibleTo(&sheet));
    button(*pad, "useSignatureButton")->click();
    QCOMPARE(sheet.stage(), Stage::Working);
    QTRY_COMPARE(sheet.stage(), Stage::Preview);
    QVERIFY(!sheet.findChild<DrawingPad *>() ||
            !sheet.findChild<DrawingPad *>()->isVisibleTo(&sheet));
    QVERIFY(sheet.madeStamp()->pixelWidth > sheet.madeStamp()->pixelHeight);
    QCOMPARE(sheet.name(), QStringLiteral("Signature"));
}

void tst_NewStampSheet::cancelledWhileMakingStoresNothing()
{
    ShellFixture shell;
    const QUrl url =
        savePicture(shell, "signature.png", StampPictures::signatureOnPaper(QSize(1800, 800)));
    NewStampSheet sheet(shell.model.get(), StampSource::file(url));
    QSignalSpy saved(&sheet, &NewStampSheet::saved);
    button(sheet, "cancelButton")->click();
    QCOMPARE(sheet.result(), int(QDialog::Rejected));
    waitForMaking(sheet);
    QCOMPARE(sheet.stage(), Stage::Working);
    QVERIFY(!sheet.madeStamp());
    QCOMPARE(saved.size(), 0);
    QVERIFY(shell.model->stamps()->stamps().isEmpty());
}

void tst_NewStampSheet::readyStampClosesTheSheet()
{
    ShellFixture shell;
    const std::optional<QString> word = QStringLiteral("APPROVED");
    const QUuid id = ReadyStampRenderer::stampID(word, std::nullopt, StampInk::Red);
    QVERIFY(shell.model->stamps()->add(StampPictures::stamp(QSize(300, 120)), "Approved", id));
    QSettings().remove("readyStamps.ink");
    QSettings().remove("readyStamps.addDate");

    NewStampSheet sheet(shell.model.get(), StampSource::ready());
    QSignalSpy saved(&sheet, &NewStampSheet::saved);
    sheet.findChild<QAbstractButton *>("readyStampTile_approved")->click();
    QTRY_COMPARE(saved.size(), 1);
    QCOMPARE(saved.first().first().value<StampRecord>().id, id);
    QCOMPARE(sheet.result(), int(QDialog::Accepted));
    QCOMPARE(shell.model->stamps()->stamps().size(), 1);
}

void tst_NewStampSheet::failedSaveKeepsTheSheetOpen()
{
    ShellFixture shell;
    const QUrl url = savePicture(shell, "signature.png", StampPictures::signatureOnPaper());
    NewStampSheet sheet(shell.model.get(), StampSource::file(url));
    QSignalSpy saved(&sheet, &NewStampSheet::saved);
    sheet.show();
    QTRY_COMPARE(sheet.stage(), Stage::Preview);
    QFile blocker(shell.model->stamps()->folder());
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    button(sheet, "saveButton")->click();
    QCOMPARE(saved.size(), 0);
    QVERIFY(sheet.isVisible());
    QCOMPARE(sheet.stage(), Stage::Preview);
    QVERIFY(sheet.findChild<QWidget *>("saveErrorBanner")->isVisible());

    QVERIFY(blocker.remove());
    button(sheet, "saveButton")->click(); // trying again works
    QCOMPARE(saved.size(), 1);
}

void tst_NewStampSheet::presenterKeysSheetsBySource()
{
    ShellFixture shell;
    QWidget screen;
    screen.show();
    NewStampPresenter presenter(shell.model.get(), &screen);
    presenter.present(StampSource::drawing());
    QPointer<NewStampSheet> first = presenter.sheet();
    QVERIFY(first && first->isVisible());
    presenter.present(StampSource::drawing());
    QCOMPARE(presenter.sheet(), first.data());

    presenter.present(StampSource::ready());
    QVERIFY(presenter.sheet() != first.data());
    QTRY_VERIFY(!first); // the replaced sheet is gone
    QCOMPARE(presenter.sheet()->source().id(), QStringLiteral("ready"));
}

QTEST_MAIN(tst_NewStampSheet)
#include "tst_NewStampSheet.moc"
