// Renders the document screen to PNG files so its look can be checked by eye:
// a 12-page PDF with pages selected, one turned and one stamped, and a document
// of two pictures, each in a wide and a narrow window. The first argument is
// the folder the pictures go to; run it on a virtual X display.

#include "document/OpenFile.h"
#include "engine/PDFEngine.h"
#include "helpers/PdfFixtures.h"
#include "helpers/TestUtil.h"
#include "look/Icons.h"
#include "look/Theme.h"
#include "model/AppModel.h"
#include "model/Thumbnails.h"
#include "stamps/ReadyStamps.h"
#include "stamps/StampLibrary.h"
#include "views/DocumentView.h"
#include "views/PageCell.h"
#include "views/PageGrid.h"
#include "views/PageImage.h"
#include "views/PageListModel.h"

#include "helpers/Screenshots.h"
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

using Screenshots::backdrop;
using Screenshots::save;
using Screenshots::saveImage;

void settle(const AppModel &model, PageGrid *grid)
{
    QDeadlineTimer deadline(15000);
    while (!deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        const auto [first, last] = grid->visibleRows();
        bool done = true;
        for (int row = first; row <= last; ++row) {
            const auto key = PageImage::key(grid->pages()->page(row), PageCell::thumbnailLongSide);
            done = done && !model.thumbnails()->image(key).isNull();
        }
        if (done) {
            break;
        }
    }
    QCoreApplication::processEvents();
}

bool shoot(AppModel &model, OpenFile *file, const QString &name)
{
    DocumentView view(&model, file);
    bool ok = true;
    for (const QSize size : {QSize(1180, 760), QSize(760, 640)}) {
        view.resize(size);
        view.show();
        settle(model, view.grid());
        ok = save(&view, QStringLiteral("%1-%2").arg(name).arg(size.width())) && ok;
    }
    return ok;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    Theme::apply(app);
    Screenshots::setUp(argc, argv, QDir::currentPath());

    QTemporaryDir folder;
    PDFEngine engine;
    AppModel model(
        AppModel::Services{&engine, nullptr, nullptr, folder.filePath(QStringLiteral("stamps"))});

    const QString report = folder.filePath(QStringLiteral("Quarterly report 2026.pdf"));
    Fixtures::writeNumberedPdf(report, 12);
    TestUtil::waitFor(model.open({QUrl::fromLocalFile(report)}));
    OpenFile *pdf = model.files().value(0);
    if (!pdf) {
        return 1;
    }
    QSet<QUuid> selected{pdf->pages().at(2).id, pdf->pages().at(3).id, pdf->pages().at(4).id};
    pdf->setSelection(selected);
    TestUtil::waitFor(model.turn(pdf, {pdf->pages().at(1).id}, true));
    const QUuid stampID =
        ReadyStampRenderer::stampID(QStringLiteral("APPROVED"), std::nullopt, StampInk::Red);
    if (const auto stamp =
            ReadyStampRenderer::render(QStringLiteral("APPROVED"), std::nullopt, StampInk::Red)) {
        if (const auto record = model.stamps()->add(*stamp, QStringLiteral("Approved"), stampID)) {
            model.place(*record, pdf, pdf->pages().at(3).id);
        }
    }

    const QString first = folder.filePath(QStringLiteral("scan-1.png"));
    const QString second = folder.filePath(QStringLiteral("scan-2.jpg"));
    Fixtures::writePicture(first, QSize(900, 1200));
    Fixtures::writePicture(second, QSize(1600, 1000), QColor(230, 210, 180));
    TestUtil::waitFor(model.open({QUrl::fromLocalFile(first), QUrl::fromLocalFile(second)}));
    OpenFile *pictures = model.files().value(1);
    if (!pictures) {
        return 1;
    }
    pictures->setSelection({pictures->pages().at(1).id});

    bool ok = shoot(model, pdf, QStringLiteral("document-pdf"));
    ok = shoot(model, pictures, QStringLiteral("document-pictures")) && ok;
    return ok ? 0 : 1;
}
