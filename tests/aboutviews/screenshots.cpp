// Renders the about, support and tell-a-friend panels to PNG files so their
// look can be checked by eye. Run on a virtual X display:
//   xvfb-run -a build/tests/tamsel_about_screenshots <folder>

#include "aboutviews/AboutView.h"
#include "aboutviews/AboutWidgets.h"
#include "aboutviews/AppLanguage.h"
#include "aboutviews/SupportView.h"
#include "aboutviews/TellAFriendView.h"

#include "AboutFixture.h"
#include "SampleNetworks.h"
#include "about/UpdateChecker.h"
#ifdef TAMSEL_TEST_SEAMS
#include "about/UpdateFixture.h"
#endif

#include "helpers/Screenshots.h"
#include <QAbstractButton>
#include <QDir>
#include <QScrollBar>

namespace {

using Screenshots::backdrop;
using Screenshots::save;
using Screenshots::saveImage;

void click(QWidget &view, const char *name)
{
    if (auto *button = view.findChild<QAbstractButton *>(QString::fromLatin1(name))) {
        button->click();
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Screenshots::setUp(argc, argv, QStringLiteral("."));
    AboutFixture::setUpApplication();
    bool ok = true;

    {
        AboutFixture f;
        AboutView about(f.model.get());
        about.resize(1000, 1500);
        about.show();
        ok = save(&about, QStringLiteral("about")) && ok;

        f.model->setCheckingForUpdates(true);
        about.resize(1000, 420);
        ok = save(&about, QStringLiteral("about-checking")) && ok;
        f.model->setCheckingForUpdates(false);

        f.model->setUpdateResult(UpdateChecker::Result::upToDate());
        ok = save(&about, QStringLiteral("about-up-to-date")) && ok;

        UpdateChecker::Release release;
        release.version = QStringLiteral("1.4.0");
        release.build = UpdateChecker::currentBuild() + 3;
        f.model->setUpdateResult(UpdateChecker::Result::available(release));
        AppLanguage::choose(QStringLiteral("de"));
        AboutView later(f.model.get());
        later.resize(820, 640);
        later.show();
        ok = save(&later, QStringLiteral("about-available-language")) && ok;

        f.model->setUpdateResult(UpdateChecker::Result::failed(
            QStringLiteral("Couldn't check for updates: Host tamsel.example not found")));
        ok = save(&later, QStringLiteral("about-failed")) && ok;
        AppLanguage::choose(std::nullopt);
    }
#ifdef TAMSEL_TEST_SEAMS
    {
        // The release row for a signed writable install folder, one under /usr and
        // an unsigned one, and while an install runs.
        AboutFixture f;
        const QString bundle = f.folder.filePath(QStringLiteral("apps/Tamsel"));
        const QByteArray key =
            UpdateFixture::makeSignedFolder(bundle, f.folder.filePath(QStringLiteral("maker.pem")));
        UpdateChecker::Release release;
        release.version = QStringLiteral("1.0.1");
        release.build = UpdateChecker::currentBuild() + 1;
        release.dmg = QUrl(QStringLiteral("https://%1/downloads/Tamsel-1.0.1.tar.gz")
                               .arg(UpdateChecker::pageURL().host()));
        release.sha256 = QString(64, QLatin1Char('0'));
        const struct
        {
            QString name;
            QString bundle;
        } shots[] = {{QStringLiteral("about-install-signed"), bundle},
                     {QStringLiteral("about-download-usr"), QStringLiteral("/usr/lib/tamsel")},
                     {QStringLiteral("about-download-unsigned"), QString()}};
        for (const auto &shot : shots) {
            if (shot.bundle.isEmpty()) {
                QDir(bundle + QStringLiteral("/Signature")).removeRecursively();
            }
            Updater::setInstallationForTesting(
                Updater::Installation{shot.bundle.isEmpty() ? bundle : shot.bundle, key});
            f.model->setUpdateResult(UpdateChecker::Result::available(release));
            AboutView about(f.model.get());
            about.resize(820, 420);
            about.show();
            ok = save(&about, shot.name) && ok;
        }
        Updater::setInstallationForTesting(std::nullopt);
        f.model->setInstallingUpdate(true);
        AboutView installing(f.model.get());
        installing.resize(820, 420);
        installing.show();
        ok = save(&installing, QStringLiteral("about-installing")) && ok;
    }
#endif
    for (const bool afterResult : {false, true}) {
        AboutFixture f;
        SupportView support(f.model.get(), afterResult, sampleNetworks());
        support.show();
        const QString name =
            afterResult ? QStringLiteral("support-after-result") : QStringLiteral("support");
        ok = save(&support, name) && ok;
        if (!afterResult) {
            click(support, "copyButton");
            ok = save(&support, name + QStringLiteral("-copied")) && ok;
            support.findChild<AboutWidgets::SegmentedPicker *>()->segment(4)->click();
            ok = save(&support, name + QStringLiteral("-bitcoin")) && ok;
            support.findChild<AboutWidgets::SegmentedPicker *>()->segment(2)->click();
            ok = save(&support, name + QStringLiteral("-no-address")) && ok;
        }
    }
    {
        AboutFixture f;
        TellAFriendView friendView(f.model.get());
        friendView.show();
        ok = save(&friendView, QStringLiteral("tell-a-friend")) && ok;
        click(friendView, "copyButton");
        ok = save(&friendView, QStringLiteral("tell-a-friend-copied")) && ok;
    }
    {
        // The same panel as a copy started in German shows it.
        AppLanguage::installTranslations(app, QStringLiteral("de"));
        AboutFixture f;
        AboutView about(f.model.get());
        about.resize(820, 1100);
        about.show();
        ok = save(&about, QStringLiteral("about-de")) && ok;
        AppLanguage::installTranslations(app, std::nullopt);
    }
    return ok ? 0 : 1;
}
