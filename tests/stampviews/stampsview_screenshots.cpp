// Renders the library screen of signatures and stamps to PNG files so its look
// can be checked by eye; needs a real display for the prompts:
//   xvfb-run -a -s "-screen 0 1600x1200x24" build/tests/tamsel_stampsview_screenshots <folder>

#include "StampPictures.h"
#include "engine/PDFEngine.h"
#include "helpers/FakeFilePanels.h"
#include "helpers/TestUtil.h"
#include "look/Theme.h"
#include "model/AppModel.h"
#include "stamps/ReadyStamps.h"
#include "stamps/StampLibrary.h"
#include "stampviews/StampsView.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

QString outputFolder;

void settle(int ms = 300)
{
    QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
}

// The window as it is on the display, prompts over it included.
bool save(QWidget *window, const QString &name)
{
    settle();
    QImage image = window->screen()->grabWindow(0).toImage();
    if (image.isNull() || image.width() < window->width()) {
        image = window->grab().toImage(); // no display: the window alone
    } else {
        image = image.copy(window->geometry());
    }
    const QString path = QDir(outputFolder).filePath(name + QStringLiteral(".png"));
    const bool ok = image.save(path);
    fprintf(stderr, "%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

QWidget *screen(AppModel &model)
{
    auto *view = new StampsView(&model);
    view->resize(1000, 700);
    view->move(40, 40);
    view->show();
    return view;
}

bool fill(AppModel &model)
{
    const auto signature =
        TestUtil::await(StampMaker::shared().makeStamp(StampPictures::signatureOnPaper()));
    if (!signature) {
        fprintf(stderr, "the maker failed: %s\n", qPrintable(signature.error().message));
        return false;
    }
    StampLibrary *library = model.stamps();
    library->add(signature.value(), QString(), QUuid::createUuid());
    const QString today = ReadyStampRenderer::today();
    const struct
    {
        std::optional<QString> word;
        std::optional<QString> date;
        StampInk ink;
        QString name;
    } ready[] = {
        {QStringLiteral("PAID"), today, StampInk::Blue, QStringLiteral("PAID")},
        {QStringLiteral("APPROVED"), std::nullopt, StampInk::Red, QStringLiteral("APPROVED")},
        {QStringLiteral("CONFIDENTIAL"), today, StampInk::Black,
         QStringLiteral("Confidential, for the board and the auditors only")},
        {std::nullopt, today, StampInk::Red, QStringLiteral("Date")},
    };
    for (const auto &r : ready) {
        const auto stamp = ReadyStampRenderer::render(r.word, r.date, r.ink);
        if (!stamp || !library->add(*stamp, r.name, QUuid::createUuid())) {
            return false;
        }
    }
    return library->stamps().size() == 5;
}

} // namespace

int main(int argc, char *argv[])
{
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    Theme::apply(app);
    outputFolder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QDir().mkpath(outputFolder);

    QTemporaryDir folder;
    FakeFilePanels panels;
    PDFEngine engine;
    bool ok = true;
    {
        AppModel model(AppModel::Services{&engine, nullptr, &panels,
                                          folder.filePath(QStringLiteral("empty"))});
        QWidget *view = screen(model);
        ok = save(view, QStringLiteral("stamps-empty")) && ok;
        delete view;
    }
    {
        AppModel model(
            AppModel::Services{&engine, nullptr, &panels, folder.filePath(QStringLiteral("full"))});
        ok = fill(model) && ok;
        auto *view = static_cast<StampsView *>(screen(model));
        ok = save(view, QStringLiteral("stamps-library")) && ok;

        view->beginRename(model.stamps()->stamps().at(1));
        view->renameDialog()->findChild<QLineEdit *>()->setText(QStringLiteral("PAID (blue)"));
        ok = save(view, QStringLiteral("stamps-renaming")) && ok;
        view->renameDialog()->reject();

        view->beginDelete(model.stamps()->stamps().at(2));
        ok = save(view, QStringLiteral("stamps-deleting")) && ok;
        view->deleteConfirmation()->reject();

        view->resize(560, 700);
        ok = save(view, QStringLiteral("stamps-narrow")) && ok;
        delete view;
    }
    return ok ? 0 : 1;
}
