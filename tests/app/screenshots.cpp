// Renders the shell's screens to PNG files so their look can be checked by eye.
// Run through tools/screenshots.sh (or `make screenshots`), which starts it on a
// virtual X display; the first argument is the folder the pictures go to.

#include "app/HomeView.h"
#include "app/MainWindow.h"
#include "app/PasswordPrompt.h"
#include "app/SidebarView.h"
#include "document/OpenFile.h"
#include "engine/PDFEngine.h"
#include "helpers/PdfFixtures.h"
#include "helpers/TestUtil.h"
#include "look/BrandMark.h"
#include "look/NoteBanner.h"
#include "look/Panel.h"
#include "look/Theme.h"
#include "look/ThemeButton.h"
#include "model/AppModel.h"
#include "views/AlertSheet.h"

#include "helpers/Screenshots.h"
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QLabel>
#include <QSplitter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QVBoxLayout>

namespace {

using Screenshots::backdrop;
using Screenshots::save;
using Screenshots::saveImage;

bool controls()
{
    auto *content = new QWidget;
    auto *column = new QVBoxLayout(content);
    column->setSpacing(18);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(16);
    buttons->addWidget(new ThemeButton("Save PDF", ThemeButton::Style::Primary));
    auto *disabled = new ThemeButton("Disabled", ThemeButton::Style::Primary);
    disabled->setEnabled(false);
    buttons->addWidget(disabled);
    auto *destructive = new ThemeButton("Delete", ThemeButton::Style::Primary);
    destructive->setDestructive(true);
    buttons->addWidget(destructive);
    buttons->addWidget(new ThemeButton("Choose…", ThemeButton::Style::Secondary));
    buttons->addWidget(new ThemeButton("Compress", ThemeButton::Style::Tool));
    buttons->addStretch();
    column->addLayout(buttons);

    auto *panel = new Panel(18);
    auto *panelTitle = new QLabel("A panel holds related settings.");
    panelTitle->setFont(Theme::font(15, QFont::DemiBold));
    panel->addWidget(panelTitle);
    panel->addWidget(new QLabel("Its content sits 18 points from every edge."));
    panel->addWidget(new NoteBanner(
        QString("A banner inside a panel takes the panel's width and wraps. ").repeated(3),
        NoteBanner::Tone::Info));
    panel->addWidget(new ThemeButton("Apply", ThemeButton::Style::Secondary));
    column->addWidget(panel);

    column->addWidget(
        new NoteBanner("Pages are kept as they are; only pictures inside them get smaller.",
                       NoteBanner::Tone::Info));
    column->addWidget(new NoteBanner(
        QString("This file is large and the website's limit is small, so the pictures "
                "will look softer. ")
            .repeated(2),
        NoteBanner::Tone::Warning));
    column->addWidget(new NoteBanner("The file could not be read.", NoteBanner::Tone::Danger));

    auto *marks = new QHBoxLayout;
    marks->setSpacing(24);
    marks->addWidget(new BrandMark(100));
    marks->addWidget(new BrandMark(56));
    marks->addWidget(new BrandMark(22));
    marks->addStretch();
    column->addLayout(marks);
    column->addStretch();

    QWidget *window = backdrop(content);
    window->resize(760, 640);
    window->show();
    const bool ok = save(window, QStringLiteral("controls"));
    delete window;
    return ok;
}

bool passwordPrompts()
{
    bool ok = true;
    for (const bool wrong : {false, true}) {
        PasswordPrompt prompt(PasswordRequest{QUuid::createUuid(),
                                              QStringLiteral("Lease agreement “final”.pdf"), wrong},
                              [](std::optional<QString>) {});
        prompt.show();
        ok = save(&prompt, wrong ? QStringLiteral("password-wrong") : QStringLiteral("password")) &&
             ok;
    }
    return ok;
}

bool homeAndSidebar()
{
    QTemporaryDir files;
    const QString report = files.filePath(QStringLiteral("Annual report 2025.pdf"));
    const QString contract = files.filePath(
        QStringLiteral("Tenancy agreement for the flat on the second floor, signed copy.pdf"));
    const QString scan1 = files.filePath(QStringLiteral("receipt-1.png"));
    const QString scan2 = files.filePath(QStringLiteral("receipt-2.png"));
    Fixtures::writeNumberedPdf(report, 40);
    Fixtures::writeNumberedPdf(contract, 3);
    Fixtures::writePicture(scan1, QSize(600, 800));
    Fixtures::writePicture(scan2, QSize(600, 800));

    PDFEngine engine;
    AppModel model(
        AppModel::Services{&engine, nullptr, nullptr, files.filePath(QStringLiteral("stamps"))});
    bool ok = true;

    // The home screen at three widths: three, two and one tile columns.
    for (const auto &[width, name] : {std::pair{1040, "home-wide"}, std::pair{700, "home-medium"},
                                      std::pair{440, "home-narrow"}}) {
        HomeView home(&model);
        home.resize(width, 820);
        home.show();
        ok = save(&home, QString::fromLatin1(name)) && ok;
    }

    TestUtil::waitFor(model.open({QUrl::fromLocalFile(report)}));
    TestUtil::waitFor(model.open({QUrl::fromLocalFile(contract)}));
    TestUtil::waitFor(model.open({QUrl::fromLocalFile(scan1), QUrl::fromLocalFile(scan2)}));
    model.setDestination(Destination::file(model.files().first()->id()));

    SidebarView sidebar(&model);
    QPalette palette = sidebar.palette();
    palette.setColor(QPalette::Window, Theme::background());
    sidebar.setPalette(palette);
    sidebar.setAutoFillBackground(true);
    sidebar.resize(250, 560);
    sidebar.show();
    ok = save(&sidebar, QStringLiteral("sidebar")) && ok;

    // The real window: home with the open files, then a save under way.
    MainWindow window(&model);
    window.resize(1200, 780);
    model.setDestination(Destination::home());
    window.show();
    QCoreApplication::processEvents();
    ok = save(&window, QStringLiteral("window")) && ok;
    // A document at the default size with pages selected and not saved: the
    // status line must read whole.
    OpenFile *document = model.files().first();
    model.setDestination(Destination::file(document->id()));
    document->setSelection(
        {document->pages().at(1).id, document->pages().at(2).id, document->pages().at(4).id});
    document->setEdited(true);
    QElapsedTimer rendering;
    rendering.start();
    while (rendering.elapsed() < 1500) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    ok = save(&window, QStringLiteral("window-document")) && ok;
    document->setSelection({});
    model.setBusy(BusyState{QStringLiteral("Saving…"), CancelToken::make()});
    model.setToast(
        Toast{QStringLiteral("Saved “Annual report 2025 copy.pdf”"), QUrl::fromLocalFile(report)});
    // Let the toast finish sliding in.
    QElapsedTimer sliding;
    sliding.start();
    while (sliding.elapsed() < 400) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    ok = save(&window, QStringLiteral("window-busy")) && ok;
    model.setBusy(std::nullopt);
    ok = save(&window, QStringLiteral("window-toast")) && ok;
    model.setBusy(std::nullopt);
    model.setToast(std::nullopt);

    // The alert and the two questions, each on its own.
    const auto shootAlert = [&](const char *name, const QString &file) {
        for (int turn = 0; turn < 20 && !window.findChild<AlertSheet *>(QString::fromLatin1(name));
             ++turn) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        AlertSheet *alert = window.findChild<AlertSheet *>(QString::fromLatin1(name));
        if (!alert) {
            std::fprintf(stderr, "FAILED: no %s\n", name);
            ok = false;
            return;
        }
        ok = save(alert, file) && ok;
        alert->reject();
        QCoreApplication::processEvents();
    };
    model.setErrorMessage(
        QStringLiteral("“Scan 14.pdf” couldn't be opened. It may be damaged or not a PDF."));
    shootAlert("errorAlert", QStringLiteral("alert-error"));
    model.setClosingFile(document);
    shootAlert("closingQuestion", QStringLiteral("alert-unsaved"));
    window.requestQuit();
    shootAlert("quitQuestion", QStringLiteral("alert-quit"));
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    Theme::apply(app);
    Screenshots::setUp(argc, argv, QStringLiteral("screenshots"));

    bool ok = controls();
    ok = passwordPrompts() && ok;
    ok = homeAndSidebar() && ok;
    return ok ? 0 : 1;
}
