// Renders the compress and split sheets to PNG files so their look can be
// checked by eye, over a real document of photographs so that the sizes on the
// compress sheet are real. Not a test: run it on a virtual X display,
//   xvfb-run -a build/tests/tamsel_shots_tool_sheets <folder>

#include "app/ShellFixture.h"
#include "helpers/OutputFixtures.h"
#include "views/CompressSheet.h"
#include "views/SplitSheet.h"

#include "helpers/Screenshots.h"
#include <QAbstractButton>
#include <QDir>
#include <QSettings>

namespace {

using Screenshots::backdrop;
using Screenshots::save;
using Screenshots::saveImage;
using Screenshots::waitUntil;

OpenFile *openPhotos(ShellFixture &shell, const QString &name, QList<Fixtures::ImagePage> pages)
{
    const QString path = shell.folder.filePath(name);
    if (!Fixtures::writeImagePdf(path, pages)) {
        qFatal("could not write %s", qPrintable(path));
    }
    return shell.open({QUrl::fromLocalFile(path)});
}

bool compressSheets(ShellFixture &shell)
{
    bool ok = true;
    OpenFile *holiday =
        openPhotos(shell, QStringLiteral("Holiday photos.pdf"),
                   QList<Fixtures::ImagePage>(6, Fixtures::ImagePage{QSize(3000, 2000)}));
    {
        CompressSheet sheet(shell.model.get(), holiday, nullptr);
        sheet.show();
        ok &= save(&sheet, QStringLiteral("compress-measuring"));
        waitUntil([&] { return sheet.measured(Compression::Choice::Small).has_value(); });
        ok &= save(&sheet, QStringLiteral("compress-presets"));
        sheet.setChoice(Compression::Choice::UpTo);
        sheet.setLimitIndex(1);
        waitUntil([&] { return sheet.fit().has_value(); });
        ok &= save(&sheet, QStringLiteral("compress-up-to"));
    }
    {
        // Colour-keyed pictures keep their size unless the pages become pictures.
        Fixtures::ImagePage keyed{QSize(1600, 1200), Fixtures::ImageKind::Flate};
        keyed.extraKeys = "<< /Mask [0 10 0 10 0 10] >>";
        OpenFile *scan = openPhotos(shell, QStringLiteral("Poster scan.pdf"), {keyed, keyed});
        CompressSheet sheet(shell.model.get(), scan, nullptr);
        sheet.show();
        sheet.setChoice(Compression::Choice::UpTo);
        sheet.setLimitIndex(0);
        waitUntil(
            [&] { return sheet.fit().has_value() && sheet.measured(Compression::Choice::Small); });
        ok &= save(&sheet, QStringLiteral("compress-up-to-pictures"));
    }
    {
        OpenFile *album =
            openPhotos(shell, QStringLiteral("Wedding album.pdf"),
                       QList<Fixtures::ImagePage>(24, Fixtures::ImagePage{QSize(2400, 1800)}));
        CompressSheet sheet(shell.model.get(), album, nullptr);
        sheet.show();
        sheet.setChoice(Compression::Choice::UpTo);
        sheet.setLimitIndex(0);
        waitUntil(
            [&] { return sheet.fit().has_value() && sheet.measured(Compression::Choice::Small); });
        ok &= save(&sheet, QStringLiteral("compress-not-reached"));
    }
    {
        OpenFile *letter = shell.open({shell.pdf(QStringLiteral("Letter to the council.pdf"), 4)});
        CompressSheet sheet(shell.model.get(), letter, nullptr);
        sheet.show();
        waitUntil([&] { return sheet.measured(Compression::Choice::Small).has_value(); });
        ok &= save(&sheet, QStringLiteral("compress-mostly-text"));
        sheet.setLimitIndex(10); // the note names the limit as it is now
        ok &= save(&sheet, QStringLiteral("compress-mostly-text-7.5"));
    }
    return ok;
}

bool splitSheets(ShellFixture &shell)
{
    bool ok = true;
    OpenFile *report = shell.open({shell.pdf(QStringLiteral("Annual report 2026.pdf"), 24)});
    QSet<QUuid> selected;
    for (const int index : {0, 1, 2, 4, 7, 8, 9}) {
        selected.insert(report->pages().at(index).id);
    }
    report->setSelection(selected);
    {
        SplitSheet sheet(shell.model.get(), report, nullptr);
        sheet.show();
        ok &= save(&sheet, QStringLiteral("split-ranges"));
        sheet.setRangesText(QStringLiteral("1-3, 30"));
        ok &= save(&sheet, QStringLiteral("split-ranges-invalid"));
        sheet.setMode(SplitSheet::Mode::Every);
        sheet.setEvery(5);
        ok &= save(&sheet, QStringLiteral("split-every"));
        sheet.setMode(SplitSheet::Mode::Each);
        ok &= save(&sheet, QStringLiteral("split-each"));
    }
    report->setSelection({});
    {
        SplitSheet sheet(shell.model.get(), report, nullptr);
        sheet.show();
        ok &= save(&sheet, QStringLiteral("split-empty"));
    }
    return ok;
}

} // namespace

int main(int argc, char **argv)
{
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tamsel"));
    QApplication::setApplicationName(QStringLiteral("Tamsel"));
    Theme::apply(app);
    QSettings().clear();
    Screenshots::setUp(argc, argv, QDir::currentPath());

    ShellFixture shell;
    bool ok = splitSheets(shell);
    ok &= compressSheets(shell);
    return ok ? 0 : 1;
}
