// Renders the merge screen and the password and export sheets to PNG files so
// their look can be checked by eye:
//   xvfb-run -a build/tests/tamsel_shots_merge [output folder]

#include "document/OpenFile.h"
#include "engine/PDFEngine.h"
#include "helpers/PdfFixtures.h"
#include "helpers/TestUtil.h"
#include "look/Theme.h"
#include "model/AppModel.h"
#include "model/MergeModel.h"
#include "views/ExportImagesSheet.h"
#include "views/MergeView.h"
#include "views/PasswordSheet.h"

#include "helpers/Screenshots.h"
#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

using Screenshots::backdrop;
using Screenshots::save;
using Screenshots::saveImage;

void settle(int ms = 300)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
}

// As it looks while files are dragged over it.
bool saveTargeted(QWidget *view, const QString &name, const QUrl &file)
{
    QMimeData data;
    data.setUrls({file});
    const QPoint at(view->width() / 2, view->height() / 2);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view, &enter);
    const bool ok = save(view, name);
    QDragLeaveEvent leave;
    QCoreApplication::sendEvent(view, &leave);
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    Theme::apply(app);
    Screenshots::setUp(argc, argv, QStringLiteral("screenshots"));

    QTemporaryDir files;
    const auto pdf = [&files](const QString &name, int pages, const QString &password = {}) {
        const QString path = files.filePath(name);
        Fixtures::writeNumberedPdf(path, pages, Fixtures::Protection{password, {}});
        return QUrl::fromLocalFile(path);
    };
    const QUrl report = pdf(QStringLiteral("Annual report 2025.pdf"), 12);
    const QUrl contract = pdf(
        QStringLiteral("Tenancy agreement for the flat on the second floor, signed copy.pdf"), 3);
    const QString scanPath = files.filePath(QStringLiteral("receipt.png"));
    Fixtures::writePicture(scanPath, QSize(600, 800));
    const QUrl lease = pdf(QStringLiteral("Lease.pdf"), 2, QStringLiteral("tenant"));

    PDFEngine engine;
    AppModel model(
        AppModel::Services{&engine, nullptr, nullptr, files.filePath(QStringLiteral("stamps"))});
    QObject::connect(&model, &AppModel::passwordRequestChanged, &model, [&model] {
        if (model.passwordRequest()) {
            model.answerPassword(QStringLiteral("tenant"));
        }
    });
    bool ok = true;

    {
        MergeView view(&model);
        view.resize(900, 640);
        view.show();
        ok = save(&view, QStringLiteral("merge-empty")) && ok;
        ok = saveTargeted(&view, QStringLiteral("merge-empty-targeted"), report) && ok;
    }

    TestUtil::waitFor(model.open({report}));
    TestUtil::waitFor(model.open({contract}));
    TestUtil::waitFor(model.open({lease}));
    TestUtil::waitFor(model.addToMerge({report, contract, QUrl::fromLocalFile(scanPath)}));
    OpenFile *edited = model.files().first();
    QList<PageItem> pages = edited->pages();
    pages.first().turn = 90;
    edited->setPages(pages);
    model.merge()->add(*edited);
    {
        MergeView view(&model);
        view.resize(900, 640);
        view.show();
        settle(1500); // thumbnails
        ok = save(&view, QStringLiteral("merge-list")) && ok;
        view.resize(640, 520);
        ok = save(&view, QStringLiteral("merge-narrow")) && ok;
        ok = saveTargeted(&view, QStringLiteral("merge-narrow-targeted"), report) && ok;
        emit view.addMenu()->aboutToShow();
        view.addMenu()->popup(view.mapToGlobal(QPoint(400, 60)));
        ok = save(view.addMenu(), QStringLiteral("merge-add-menu")) && ok;
        view.addMenu()->hide();
    }

    {
        PasswordSheet sheet(&model, model.files().at(1));
        sheet.show();
        ok = save(&sheet, QStringLiteral("password-sheet")) && ok;
    }
    {
        PasswordSheet sheet(&model, model.files().at(2));
        sheet.show();
        sheet.findChild<QLineEdit *>(QStringLiteral("passwordField"))
            ->setText(QStringLiteral("secret"));
        sheet.findChild<QLineEdit *>(QStringLiteral("repeatField"))
            ->setText(QStringLiteral("secrte"));
        ok = save(&sheet, QStringLiteral("password-sheet-protected")) && ok;
    }
    {
        OpenFile *file = model.files().first();
        file->setSelection({file->pages().at(0).id, file->pages().at(3).id});
        ExportImagesSheet sheet(&model, file);
        sheet.show();
        ok = save(&sheet, QStringLiteral("export-sheet")) && ok;
    }
    return ok ? 0 : 1;
}
