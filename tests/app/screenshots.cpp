// Renders the shell's screens to PNG files so their look can be checked by eye.
// Run through tools/screenshots.sh (or `make screenshots`), which starts it on a
// virtual X display; the first argument is the folder the pictures go to.

#include "app/BrandMark.h"
#include "app/NoteBanner.h"
#include "app/Panel.h"
#include "app/PasswordPrompt.h"
#include "app/Theme.h"
#include "app/ThemeButton.h"

#include <QApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QString outputFolder;

bool save(QWidget *widget, const QString &name)
{
    QCoreApplication::processEvents();
    const QString path = QDir(outputFolder).filePath(name + QStringLiteral(".png"));
    const bool ok = widget->grab().save(path);
    fprintf(stderr, "%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

QWidget *backdrop(QWidget *content, int margin = 24)
{
    auto *window = new QWidget;
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, Theme::background());
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    auto *layout = new QVBoxLayout(window);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->addWidget(content);
    return window;
}

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
    panel->contentLayout()->addWidget(panelTitle);
    panel->contentLayout()->addWidget(new QLabel("Its content sits 18 points from every edge."));
    column->addWidget(panel);

    column->addWidget(new NoteBanner("Pages are kept as they are; only pictures inside them get smaller.",
                                     NoteBanner::Tone::Info));
    column->addWidget(new NoteBanner(QString("This file is large and the website's limit is small, so the pictures "
                                             "will look softer. ").repeated(2),
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
        PasswordPrompt prompt(PasswordRequest{QUuid::createUuid(), QStringLiteral("Lease agreement “final”.pdf"), wrong},
                              [](std::optional<QString>) {});
        prompt.show();
        ok = save(&prompt, wrong ? QStringLiteral("password-wrong") : QStringLiteral("password")) && ok;
    }
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Theme::apply(app);
    outputFolder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QDir().mkpath(outputFolder);

    bool ok = controls();
    ok = passwordPrompts() && ok;
    return ok ? 0 : 1;
}
