// The library screen of signatures and stamps: the grid follows the library,
// renaming and deleting through their prompts, and dropped files starting the
// new-stamp sheet.

#include "StampPictures.h"
#include "app/ShellFixture.h"
#include "document/OpenFile.h"
#include "look/NoteBanner.h"
#include "stamps/StampLibrary.h"
#include "stampviews/NewStampSheet.h"
#include "stampviews/PictureIntake.h"
#include "stampviews/StampsView.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

QWidget *cellOf(const StampsView &view, const QUuid &id)
{
    return view.findChild<QWidget *>(QStringLiteral("stampCell_") +
                                     id.toString(QUuid::WithoutBraces));
}

QList<QWidget *> cells(const StampsView &view)
{
    QList<QWidget *> shown;
    for (QWidget *cell :
         view.findChildren<QWidget *>(QRegularExpression(QStringLiteral("^stampCell_")))) {
        if (cell->isVisible()) {
            shown << cell;
        }
    }
    return shown;
}

QMimeData *fileDrop(const QList<QUrl> &urls)
{
    auto *data = new QMimeData;
    data->setUrls(urls);
    return data;
}

} // namespace

class tst_StampsView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void gridFollowsTheLibrary();
    void firstPicture_data();
    void firstPicture();
    void dropStartsTheSheet_data();
    void dropStartsTheSheet();
    void droppedPictureBytesStartTheSheet();
    void pastedPictureStartsTheSheet();
    void rename_data();
    void rename();
    void renamePromptStartsFromTheName();
    void deleteAsksFirst();
    void deleteTakesPlacementsOffOpenPages();
    void failedChangeIsShown();
};

void tst_StampsView::gridFollowsTheLibrary()
{
    ShellFixture shell;
    StampsView view(shell.model.get());
    view.resize(900, 700);
    view.show();
    auto *empty = view.findChild<QWidget *>("emptyState");
    QVERIFY(empty->isVisible());
    QVERIFY(cells(view).isEmpty());

    StampLibrary *library = shell.model->stamps();
    const auto first =
        library->add(StampPictures::stamp(QSize(300, 100)), "Signature", QUuid::createUuid());
    QVERIFY(first);
    QTRY_COMPARE(cells(view).size(), 1);
    QVERIFY(!empty->isVisible());
    const auto second =
        library->add(StampPictures::stamp(QSize(120, 120)), "Seal", QUuid::createUuid());
    QTRY_COMPARE(cells(view).size(), 2);
    QVERIFY(cellOf(view, second->id));

    library->remove(first->id);
    library->remove(second->id);
    QTRY_VERIFY(cells(view).isEmpty());
    QVERIFY(empty->isVisible());
}

void tst_StampsView::firstPicture_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("expected");

    QTest::newRow("a PDF, then a PNG") << QStringList{"a.pdf", "b.png"} << "b.png";
    QTest::newRow("only a PDF") << QStringList{"a.pdf"} << "";
    QTest::newRow("upper-case JPG") << QStringList{"SCAN.JPG"} << "SCAN.JPG";
    QTest::newRow("upper-case PNG after a text")
        << QStringList{"notes.txt", "Seal.PNG"} << "Seal.PNG";
    QTest::newRow("a folder that looks like a picture")
        << QStringList{"album.png/", "c.jpeg"} << "c.jpeg";
    QTest::newRow("no extension") << QStringList{"signature"} << "";
    QTest::newRow("the first of two pictures") << QStringList{"one.png", "two.png"} << "one.png";
    QTest::newRow("nothing") << QStringList{} << "";
}

void tst_StampsView::firstPicture()
{
    QFETCH(QStringList, names);
    QFETCH(QString, expected);
    QTemporaryDir folder;
    QList<QUrl> urls;
    for (QString name : names) {
        if (name.endsWith('/')) {
            name.chop(1);
            QVERIFY(QDir(folder.path()).mkdir(name));
        }
        urls << QUrl::fromLocalFile(folder.filePath(name));
    }
    const std::optional<QUrl> picture = PictureIntake::firstPicture(urls);
    if (expected.isEmpty()) {
        QVERIFY(!picture);
    } else {
        QVERIFY(picture);
        QCOMPARE(picture->fileName(), expected);
    }
}

void tst_StampsView::dropStartsTheSheet_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("sheetFor");

    QTest::newRow("a PDF and a PNG") << QStringList{"doc.pdf", "sig.png"} << "sig.png";
    QTest::newRow("only a PDF") << QStringList{"doc.pdf"} << "";
}

void tst_StampsView::dropStartsTheSheet()
{
    QFETCH(QStringList, names);
    QFETCH(QString, sheetFor);
    ShellFixture shell;
    QWidget window;
    auto *view = new StampsView(shell.model.get(), &window);
    window.show();
    QList<QUrl> urls;
    for (const QString &name : names) {
        urls << (name.endsWith(".pdf") ? shell.pdf(name) : shell.picture(name));
    }
    const std::unique_ptr<QMimeData> data(fileDrop(urls));
    QCOMPARE(view->takeDrop(data.get()), !sheetFor.isEmpty());
    NewStampSheet *sheet = view->presenter()->sheet();
    if (sheetFor.isEmpty()) {
        QVERIFY(!sheet);
    } else {
        QVERIFY(sheet && sheet->isVisible());
        QCOMPARE(sheet->source().kind(), StampSource::Kind::File);
        QCOMPARE(sheet->source().url().fileName(), sheetFor);
        sheet->reject();
    }
}

void tst_StampsView::droppedPictureBytesStartTheSheet()
{
    ShellFixture shell;
    QWidget window;
    auto *view = new StampsView(shell.model.get(), &window);
    window.show();
    // As a browser hands over a picture: a web address and the bytes.
    QMimeData data;
    data.setUrls({QUrl(QStringLiteral("https://example.com/seal.png"))});
    const QByteArray png = StampPictures::png(StampPictures::signatureOnPaper(QSize(300, 120)));
    data.setData(QStringLiteral("image/png"), png);
    QVERIFY(view->takeDrop(&data));
    NewStampSheet *sheet = view->presenter()->sheet();
    QVERIFY(sheet && sheet->isVisible());
    QCOMPARE(sheet->source().kind(), StampSource::Kind::Data);
    QCOMPARE(sheet->source().bytes(), png);
    sheet->reject();
}

void tst_StampsView::pastedPictureStartsTheSheet()
{
    ShellFixture shell;
    StampsView view(shell.model.get());
    view.show();
    view.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&view));
    // Text on the clipboard is no picture: nothing opens.
    QGuiApplication::clipboard()->setText(QStringLiteral("signature"));
    QTest::keyClick(&view, Qt::Key_V, Qt::ControlModifier);
    QVERIFY(!view.presenter()->sheet());
    const QImage picture = StampPictures::signatureOnPaper(QSize(300, 120));
    QGuiApplication::clipboard()->setImage(picture);
    QTest::keyClick(&view, Qt::Key_V, Qt::ControlModifier);
    NewStampSheet *sheet = view.presenter()->sheet();
    QVERIFY(sheet && sheet->isVisible());
    QCOMPARE(sheet->source().kind(), StampSource::Kind::Data);
    QCOMPARE(QImage::fromData(sheet->source().bytes()).convertToFormat(QImage::Format_RGB32),
             picture.convertToFormat(QImage::Format_RGB32));
    sheet->reject();
}

void tst_StampsView::rename_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<QString>("stored");

    QTest::newRow("a new name") << "Initials" << true << "Initials";
    QTest::newRow("spaces around it are dropped") << "  Company seal \n" << true << "Company seal";
    QTest::newRow("empty keeps the old name") << "" << true << "Signature";
    QTest::newRow("blanks keep the old name") << "   " << true << "Signature";
    QTest::newRow("cancelled") << "Other" << false << "Signature";
}

void tst_StampsView::rename()
{
    QFETCH(QString, typed);
    QFETCH(bool, confirm);
    QFETCH(QString, stored);
    ShellFixture shell;
    const auto record = shell.model->stamps()->add(StampPictures::stamp(QSize(300, 100)),
                                                   "Signature", QUuid::createUuid());
    QWidget window;
    auto *view = new StampsView(shell.model.get(), &window);
    window.show();

    // Through the tile's own menu, as the user gets there.
    auto *menu = cellOf(*view, record->id)->findChild<QMenu *>("stampMenu");
    menu->findChild<QAction *>("renameAction")->trigger();
    QTRY_VERIFY(view->renameDialog() && view->renameDialog()->isVisible());
    QDialog *dialog = view->renameDialog();
    QCOMPARE(dialog->windowModality(), Qt::WindowModal);
    auto *field = dialog->findChild<QLineEdit *>("renameField");
    QCOMPARE(field->placeholderText(), QStringLiteral("Name"));
    field->setText(typed);
    dialog->findChild<QAbstractButton *>(confirm ? "renameButton" : "cancelButton")->click();

    QCOMPARE(shell.model->stamps()->record(record->id)->name, stored);
    QVERIFY(!view->renaming());
    QTRY_VERIFY(cellOf(*view, record->id) && cellOf(*view, record->id)->isVisible());
    QCOMPARE(cellOf(*view, record->id)->findChild<QWidget *>("stampName")->toolTip(), stored);
}

void tst_StampsView::renamePromptStartsFromTheName()
{
    ShellFixture shell;
    const auto record = shell.model->stamps()->add(StampPictures::stamp(QSize(300, 100)),
                                                   "Signature", QUuid::createUuid());
    QWidget window;
    auto *view = new StampsView(shell.model.get(), &window);
    window.show();

    view->beginRename(*record);
    view->renameDialog()->findChild<QLineEdit *>("renameField")->setText("Half-typed");
    view->renameDialog()->reject();
    view->beginRename(*record);
    QCOMPARE(view->renameDialog()->findChild<QLineEdit *>("renameField")->text(),
             QStringLiteral("Signature"));
    QCOMPARE(view->renaming()->id, record->id);
    view->renameDialog()->reject();
}

void tst_StampsView::deleteAsksFirst()
{
    ShellFixture shell;
    const auto record = shell.model->stamps()->add(StampPictures::stamp(QSize(300, 100)), "Seal",
                                                   QUuid::createUuid());
    QWidget window;
    auto *view = new StampsView(shell.model.get(), &window);
    window.show();

    view->beginDelete(*record);
    QMessageBox *box = view->deleteConfirmation();
    QVERIFY(box && box->isVisible());
    QCOMPARE(box->windowModality(), Qt::WindowModal);
    QCOMPARE(box->text(), QStringLiteral("Delete “Seal”?"));
    // Return answers with Cancel: a slip of the key deletes nothing.
    QCOMPARE(box->defaultButton()->objectName(), QStringLiteral("cancelButton"));
    box->defaultButton()->click();
    QVERIFY(shell.model->stamps()->record(record->id));
    QVERIFY(!view->deleting());

    view->beginDelete(*record);
    view->deleteConfirmation()->findChild<QAbstractButton *>("deleteButton")->click();
    QVERIFY(!shell.model->stamps()->record(record->id));
    QTRY_VERIFY(cells(*view).isEmpty());
    QVERIFY(view->findChild<QWidget *>("emptyState")->isVisible());
}

void tst_StampsView::deleteTakesPlacementsOffOpenPages()
{
    ShellFixture shell;
    const auto record = shell.model->stamps()->add(StampPictures::stamp(QSize(300, 100)), "Seal",
                                                   QUuid::createUuid());
    const auto other = shell.model->stamps()->add(StampPictures::stamp(QSize(90, 90)), "Other",
                                                  QUuid::createUuid());
    OpenFile *file = shell.open({shell.pdf("contract.pdf", 2)});
    QVERIFY(file);
    const QUuid page = file->pages().first().id;
    QVERIFY(shell.model->place(*record, file, page));
    QVERIFY(shell.model->place(*other, file, page));
    file->setEdited(false); // as if saved

    QWidget window;
    auto *view = new StampsView(shell.model.get(), &window);
    window.show();
    view->beginDelete(*record);
    view->deleteConfirmation()->findChild<QAbstractButton *>("deleteButton")->click();

    QVERIFY(file->isEdited());
    const QList<StampPlacement> left = file->pages().first().stamps;
    QCOMPARE(left.size(), 1);
    QCOMPARE(left.first().stampID, other->id);
}

void tst_StampsView::failedChangeIsShown()
{
    ShellFixture shell;
    StampLibrary *library = shell.model->stamps();
    const auto record =
        library->add(StampPictures::stamp(QSize(300, 100)), "Seal", QUuid::createUuid());
    QWidget window;
    auto *view = new StampsView(shell.model.get(), &window);
    window.resize(900, 700);
    window.show();
    auto *banner = view->findChild<NoteBanner *>("libraryError");
    QVERIFY(!banner->isVisible());

    // The index can't be replaced while a folder stands in its place.
    QVERIFY(QFile::remove(library->indexFile()));
    QVERIFY(QDir().mkdir(library->indexFile()));
    view->beginRename(*record);
    view->renameDialog()->findChild<QLineEdit *>("renameField")->setText("Company seal");
    view->renameDialog()->findChild<QAbstractButton *>("renameButton")->click();
    QCOMPARE(library->record(record->id)->name, QStringLiteral("Seal"));
    QVERIFY(banner->isVisible());
    QCOMPARE(banner->text(), QStringLiteral("The change couldn't be saved. Try again."));

    view->beginDelete(*record);
    view->deleteConfirmation()->findChild<QAbstractButton *>("deleteButton")->click();
    QVERIFY(library->record(record->id));
    QVERIFY(banner->isVisible());

    // Once the library can write again, the next change clears the message.
    QVERIFY(QDir().rmdir(library->indexFile()));
    view->beginRename(*record);
    view->renameDialog()->findChild<QLineEdit *>("renameField")->setText("Company seal");
    view->renameDialog()->findChild<QAbstractButton *>("renameButton")->click();
    QCOMPARE(library->record(record->id)->name, QStringLiteral("Company seal"));
    QVERIFY(!banner->isVisible());
}

QTEST_MAIN(tst_StampsView)
#include "tst_StampsView.moc"
