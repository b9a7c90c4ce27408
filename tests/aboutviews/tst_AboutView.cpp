#include "aboutviews/AboutView.h"
#include "aboutviews/AppLanguage.h"

#include "AboutFixture.h"
#include "about/UpdateChecker.h"
#include "about/Updater.h"
#include "document/OpenFile.h"
#include "look/ThemeButton.h"
#ifdef TAMSEL_TEST_SEAMS
#include "about/UpdateFixture.h"
#endif

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>

class TestAboutView : public QObject
{
    Q_OBJECT

    template<typename T = QWidget> static T *child(QWidget &view, const char *name)
    {
        return view.findChild<T *>(QString::fromLatin1(name));
    }

    static UpdateChecker::Release release(std::optional<QUrl> url = std::nullopt)
    {
        UpdateChecker::Release r;
        r.version = QStringLiteral("3.0");
        r.build = UpdateChecker::currentBuild() + 1;
        r.url = std::move(url);
        return r;
    }

    static void pickLanguage(AboutView &view, const QString &code)
    {
        auto *picker = child<QComboBox>(view, "languagePicker");
        const int index = code.isEmpty() ? 0 : picker->findData(code);
        QVERIFY(index >= 0);
        picker->setCurrentIndex(index);
        emit picker->activated(index); // as the user's pick does
    }

    static bool shown(QWidget &view, const char *name)
    {
        QWidget *widget = child(view, name);
        return widget && widget->isVisibleTo(&view);
    }

private slots:
    void initTestCase()
    {
        AboutFixture::setUpApplication();
        QVERIFY(!AppLanguage::launchChoice());
    }

    void init() { AppLanguage::choose(std::nullopt); }

    void statusFollowsTheModel_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("visible");
        QTest::addColumn<QString>("hidden");
        QTest::newRow("no check yet") << 0 << "privacyNote"
                                      << "releaseRow";
        QTest::newRow("up to date") << 1 << "upToDateNote"
                                    << "privacyNote";
        QTest::newRow("failed") << 2 << "checkFailure"
                                << "privacyNote";
        QTest::newRow("available") << 3 << "downloadButton"
                                   << "installProgress";
        QTest::newRow("available while installing") << 4 << "installProgress"
                                                    << "downloadButton";
        QTest::newRow("available after a failed install") << 5 << "installError"
                                                          << "installProgress";
    }

    void statusFollowsTheModel()
    {
        QFETCH(int, state);
        QFETCH(QString, visible);
        QFETCH(QString, hidden);
        AboutFixture f;
        AboutView view(f.model.get());
        view.resize(900, 1200);
        view.show();
        AppModel &model = *f.model;
        // Set after the panel exists: it follows the model, not a snapshot.
        switch (state) {
        case 1:
            model.setUpdateResult(UpdateChecker::Result::upToDate());
            break;
        case 2:
            model.setUpdateResult(UpdateChecker::Result::failed(QStringLiteral("No connection.")));
            break;
        case 4:
            model.setInstallingUpdate(true);
            model.setUpdateResult(UpdateChecker::Result::available(release()));
            break;
        case 5:
            model.setUpdateInstallError(QStringLiteral("The update couldn't be checked."));
            [[fallthrough]];
        case 3:
            model.setUpdateResult(UpdateChecker::Result::available(release()));
            break;
        }
        QTRY_VERIFY2(shown(view, visible.toLatin1()), qPrintable(visible));
        QVERIFY2(!shown(view, hidden.toLatin1()), qPrintable(hidden));
        if (state == 0) {
            QVERIFY(child<QLabel>(view, "privacyNote")
                        ->text()
                        .contains(UpdateChecker::pageURL().host()));
        }
        if (state == 2) {
            QCOMPARE(child<QLabel>(view, "checkFailure")->text(), QStringLiteral("No connection."));
        }
        if (state >= 3) {
            QVERIFY(child(view, "availableNote"));
        }
        if (state == 5) {
            QVERIFY(shown(view, "downloadButton"));
            QCOMPARE(child<QLabel>(view, "installError")->text(),
                     QStringLiteral("The update couldn't be checked."));
        }

        // A new check clears the result: back to the privacy note.
        model.setUpdateResult(std::nullopt);
        QTRY_VERIFY(shown(view, "privacyNote"));
        QVERIFY(!shown(view, "releaseRow"));
    }

#ifdef TAMSEL_TEST_SEAMS
    // "Install and Relaunch" only where this copy can replace itself, and only
    // usable when nothing would be lost by the restart.
    void installOfferFollowsWhereTheCopyRuns_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<bool>("offered");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("signed writable folder") << "" << true << true;
        QTest::newRow("a long operation runs") << "busy" << true << false;
        QTest::newRow("a file has unsaved changes") << "edited" << true << false;
        QTest::newRow("unsigned folder") << "unsigned" << false << false;
        QTest::newRow("under /usr") << "/usr" << false << false;
        QTest::newRow("no usable archive address") << "no archive" << false << false;
        QTest::newRow("after a failed install") << "failed" << false << false;
    }
    void installOfferFollowsWhereTheCopyRuns()
    {
        QFETCH(QString, state);
        QFETCH(bool, offered);
        QFETCH(bool, enabled);
        AboutFixture f;
        const QString bundle = f.folder.filePath(QStringLiteral("apps/Tamsel"));
        const QByteArray key =
            UpdateFixture::makeSignedFolder(bundle, f.folder.filePath(QStringLiteral("maker.pem")));
        QVERIFY(!key.isEmpty());
        Updater::setInstallationForTesting(Updater::Installation{
            state == QLatin1String("/usr") ? QStringLiteral("/usr/lib/tamsel") : bundle, key});
        if (state == QLatin1String("unsigned")) {
            QVERIFY(QDir(bundle + "/Signature").removeRecursively());
        }
        UpdateChecker::Release offer = release();
        offer.dmg = QUrl(QStringLiteral("https://%1/downloads/Tamsel-3.0.tar.gz")
                             .arg(UpdateChecker::pageURL().host()));
        offer.sha256 = QString(64, QLatin1Char('a'));
        if (state == QLatin1String("no archive")) {
            offer.dmg = QUrl(QStringLiteral("https://%1/other/Tamsel-3.0.tar.gz")
                                 .arg(UpdateChecker::pageURL().host()));
        }
        AppModel &model = *f.model;
        AboutView view(&model);
        view.resize(900, 1200);
        view.show();
        model.setUpdateResult(UpdateChecker::Result::available(offer));
        if (state == QLatin1String("busy")) {
            model.setBusy(BusyState{QStringLiteral("Saving…"), CancelToken::make()});
        } else if (state == QLatin1String("edited")) {
            auto *file = new OpenFile(QUrl::fromLocalFile(f.folder.filePath("a.pdf")), "a.pdf",
                                      true, {}, std::nullopt);
            model.setFiles({file});
            file->setEdited(true);
        } else if (state == QLatin1String("failed")) {
            model.setUpdateInstallError(Updater::rejectionMessage());
        }

        QTRY_VERIFY(shown(view, "downloadButton"));
        QCOMPARE(shown(view, "installButton"), offered);
        QCOMPARE(child<ThemeButton>(view, "downloadButton")->buttonStyle(),
                 offered ? ThemeButton::Style::Secondary : ThemeButton::Style::Primary);
        if (offered) {
            QCOMPARE(child<QPushButton>(view, "installButton")->isEnabled(), enabled);
        }
        QCOMPARE(shown(view, "saveFirstNote"), state == QLatin1String("edited"));
        if (state == QLatin1String("edited")) {
            QCOMPARE(child<QLabel>(view, "saveFirstNote")->text(),
                     QStringLiteral("Save or close the files with changes first: Tamsel restarts "
                                    "to finish the update."));
            // Saved again: the offer is usable and the note goes.
            model.files().first()->setEdited(false);
            QTRY_VERIFY(child<QPushButton>(view, "installButton")->isEnabled());
            QVERIFY(!shown(view, "saveFirstNote"));
        }
        if (state.isEmpty()) {
            // The folder lost its signature since the panel was drawn: the install
            // refuses, and the row falls back to "Download" with the sentence under it.
            QVERIFY(QFile::remove(bundle + "/Signature/manifest.sig"));
            child<QPushButton>(view, "installButton")->click();
            QTRY_VERIFY(shown(view, "installError"));
            QCOMPARE(child<QLabel>(view, "installError")->text(), Updater::rejectionMessage());
            QVERIFY(!shown(view, "installButton"));
            QVERIFY(!model.isInstallingUpdate());
        }
        Updater::setInstallationForTesting(std::nullopt);
    }
#endif

    void downloadOpensOnlyAPageOnTheSite_data()
    {
        QTest::addColumn<QUrl>("releasePage");
        QTest::addColumn<bool>("kept");
        const QString host = UpdateChecker::pageURL().host();
        QTest::newRow("https on the site")
            << QUrl("https://" + host + "/tamsel-linux/3.0/") << true;
        QTest::newRow("plain http on the site")
            << QUrl("http://" + host + "/tamsel-linux/3.0/") << false;
        QTest::newRow("https elsewhere") << QUrl("https://elsewhere.example/tamsel/") << false;
        QTest::newRow("none") << QUrl() << false;
    }

    void downloadOpensOnlyAPageOnTheSite()
    {
        QFETCH(QUrl, releasePage);
        QFETCH(bool, kept);
        AboutFixture f;
        AboutView view(f.model.get());
        view.setUrlOpener(&f.opener);
        view.show();
        f.model->setUpdateResult(UpdateChecker::Result::available(
            release(releasePage.isEmpty() ? std::nullopt : std::optional<QUrl>(releasePage))));
        QTRY_VERIFY(child(view, "downloadButton"));
        QTest::mouseClick(child<QPushButton>(view, "downloadButton"), Qt::LeftButton);
        QCOMPARE(f.opener.opened, QList<QUrl>{kept ? releasePage : UpdateChecker::pageURL()});
    }

#ifdef TAMSEL_TEST_SEAMS
    void checkButtonRunsTheCheckAndShowsItsOutcome()
    {
        AboutFixture f;
        AboutView view(f.model.get());
        view.show();
        // Nothing listens there: the check fails at once, without the network.
        UpdateChecker::setEndpointForTesting(UpdateChecker::Endpoint{
            QUrl(QStringLiteral("https://127.0.0.1:1/version.json")), {}, 5000});
        auto *check = child<QPushButton>(view, "checkButton");
        QVERIFY(!shown(view, "checkProgress"));
        QTest::mouseClick(check, Qt::LeftButton);
        QVERIFY(f.model->isCheckingForUpdates());
        QVERIFY(!check->isEnabled());
        QVERIFY(shown(view, "checkProgress"));
        QTRY_VERIFY(!f.model->isCheckingForUpdates());
        UpdateChecker::setEndpointForTesting(std::nullopt);
        QVERIFY(check->isEnabled());
        QVERIFY(!shown(view, "checkProgress"));
        QTRY_VERIFY(shown(view, "checkFailure"));
        QVERIFY(child<QLabel>(view, "checkFailure")
                    ->text()
                    .startsWith(QStringLiteral("Couldn't check for updates: ")));
    }
#endif

    void restartRowAppearsOnlyForAnotherLanguage()
    {
        AboutFixture f;
        AboutView view(f.model.get());
        view.show();
        QVERIFY(!shown(view, "restartRow"));
        QCOMPARE(child<QComboBox>(view, "languagePicker")->currentIndex(), 0);

        pickLanguage(view, QStringLiteral("pt-BR"));
        QCOMPARE(AppLanguage::chosen(), QStringLiteral("pt-BR"));
        QCOMPARE(view.language(), QStringLiteral("pt-BR"));
        QVERIFY(shown(view, "restartRow"));
        QCOMPARE(child<QLabel>(view, "restartNote")->text(),
                 QStringLiteral("Tamsel switches to the new language after a restart."));
        QVERIFY(child<QPushButton>(view, "restartButton")->isEnabled());

        // Back to what the run started with: nothing to restart for, nothing stored.
        pickLanguage(view, QString());
        QVERIFY(!shown(view, "restartRow"));
        QVERIFY(!AppLanguage::chosen());
        QVERIFY(!QSettings().contains(QStringLiteral("AppleLanguages")));
    }

    void aPanelMadeLaterShowsTheStoredChoice()
    {
        AppLanguage::choose(QStringLiteral("ja"));
        AboutFixture f;
        AboutView view(f.model.get());
        view.show();
        auto *picker = child<QComboBox>(view, "languagePicker");
        QCOMPARE(picker->currentData().toString(), QStringLiteral("ja"));
        QCOMPARE(picker->currentText(), QStringLiteral("日本語"));
        QVERIFY(shown(view, "restartRow"));
    }

    void restartWaitsForSavedFilesAndQuietWork_data()
    {
        QTest::addColumn<bool>("edited");
        QTest::addColumn<bool>("busy");
        QTest::addColumn<bool>("installing");
        QTest::newRow("nothing in the way") << false << false << false;
        QTest::newRow("one edited file among others") << true << false << false;
        QTest::newRow("a long operation runs") << false << true << false;
        QTest::newRow("an update is being installed") << false << false << true;
    }

    void restartWaitsForSavedFilesAndQuietWork()
    {
        QFETCH(bool, edited);
        QFETCH(bool, busy);
        QFETCH(bool, installing);
        AboutFixture f;
        AboutView view(f.model.get());
        int restarts = 0;
        view.setRestartAction([&restarts] { ++restarts; });
        view.show();
        pickLanguage(view, QStringLiteral("de"));

        auto *first =
            new OpenFile(QUrl::fromLocalFile("/tmp/a.pdf"), "a.pdf", true, {}, std::nullopt);
        auto *second =
            new OpenFile(QUrl::fromLocalFile("/tmp/b.pdf"), "b.pdf", true, {}, std::nullopt);
        f.model->setFiles({first, second});
        // Changes after the panel is built reach it too.
        second->setEdited(edited);
        if (busy) {
            f.model->setBusy(BusyState{QStringLiteral("Saving…"), CancelToken::make()});
        }
        f.model->setInstallingUpdate(installing);

        auto *restart = child<QPushButton>(view, "restartButton");
        const bool blocked = edited || busy || installing;
        QCOMPARE(restart->isEnabled(), !blocked);
        QCOMPARE(
            child<QLabel>(view, "restartNote")->text().contains(QStringLiteral("Save or close")),
            edited);
        QTest::mouseClick(restart, Qt::LeftButton);
        QCOMPARE(restarts, blocked ? 0 : 1);

        second->setEdited(false);
        f.model->setBusy(std::nullopt);
        f.model->setInstallingUpdate(false);
        QVERIFY(restart->isEnabled());
        QVERIFY(
            !child<QLabel>(view, "restartNote")->text().contains(QStringLiteral("Save or close")));
    }

    void supportAsksTheWindowForThePanel()
    {
        AboutFixture f;
        AboutView view(f.model.get());
        view.show();
        QTest::mouseClick(child<QPushButton>(view, "supportButton"), Qt::LeftButton);
        QCOMPARE(f.model->support(), std::optional<SupportPrompt>(SupportPrompt::Manual));
    }

    void sharingFromTheAboutPanelRecordsNothing()
    {
        QSettings().remove(QStringLiteral("friend.state"));
        AboutFixture f;
        AboutView view(f.model.get());
        view.setUrlOpener(&f.opener);
        view.show();
        QTest::mouseClick(child<QPushButton>(view, "shareButton"), Qt::LeftButton);
        auto *menu = view.findChild<QMenu *>(QStringLiteral("shareMenu"));
        QVERIFY(menu);
        menu->findChild<QAction *>(QStringLiteral("shareByEmail"))->trigger();
        QCOMPARE(f.opener.opened.size(), 1);
        QCOMPARE(f.opener.opened.first().scheme(), QStringLiteral("mailto"));
        QVERIFY(!QSettings().contains(QStringLiteral("friend.state")));
        QVERIFY(!f.model->support());
    }

    void linksOpenTheirTargets()
    {
        AboutFixture f;
        AboutView view(f.model.get());
        view.setUrlOpener(&f.opener);
        view.show();
        QList<QAbstractButton *> rows;
        for (QAbstractButton *row :
             view.findChildren<QAbstractButton *>(QStringLiteral("linkRow"))) {
            rows.append(row);
        }
        QVERIFY(rows.size() >=
                4); // help and legal, our other apps; the channels when the build names them
        QCOMPARE(rows.first()->text(), QStringLiteral("Write to Support"));
        QTest::mouseClick(rows.first(), Qt::LeftButton);
        QCOMPARE(f.opener.opened.size(), 1);
        const QUrl mail = f.opener.opened.first();
        QCOMPARE(mail.scheme(), QStringLiteral("mailto"));
        QCOMPARE(mail.query(QUrl::FullyDecoded), QStringLiteral("subject=Tamsel for Linux"));

        const QString host = UpdateChecker::pageURL().host();
        const QList<AboutView::Link> help = AboutView::helpLinks();
        QCOMPARE(help.at(1).url, "https://" + host + "/tamsel-linux/privacy/");
        QCOMPARE(help.at(2).url, "https://" + host + "/terms/");
        QCOMPARE(AboutView::moreLinks().first().url, "https://" + host + "/");
        // A channel the build names no address for gets no row.
        int channels = 0;
        for (const AboutView::Link &link : AboutView::followLinks()) {
            channels += link.url.isEmpty() ? 0 : 1;
        }
        QCOMPARE(rows.size(), 4 + channels);
    }

    // The open picker's rows read in every state: the current one, the one
    // under the pointer and the others each show their name against their
    // own background.
    void pickerRowsAreReadable()
    {
        AppLanguage::choose(QStringLiteral("de"));
        AboutFixture f;
        AboutView view(f.model.get());
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        auto *picker = child<QComboBox>(view, "languagePicker");
        picker->showPopup();
        QAbstractItemView *list = picker->view();
        QTRY_VERIFY(list->isVisible());
        const QModelIndex current = picker->model()->index(picker->currentIndex(), 0);
        const QModelIndex hovered =
            picker->model()->index(picker->findData(QStringLiteral("ja")), 0);
        const QModelIndex other = picker->model()->index(picker->findData(QStringLiteral("fr")), 0);
        // The list follows the pointer by moving its current row.
        QTest::mouseMove(list->viewport(), list->visualRect(hovered).center());
        list->setCurrentIndex(hovered);
        QCoreApplication::processEvents();
        const QImage shot = list->viewport()->grab().toImage();
        const auto inked = [&](const QModelIndex &index) {
            // Pixels far from the row's own background: the letters of its name.
            const QRect row = list->visualRect(index);
            const QColor ground = shot.pixelColor(row.left() + 1, row.center().y());
            int ink = 0;
            for (int y = row.top(); y <= row.bottom(); ++y) {
                for (int x = row.left(); x <= row.right(); ++x) {
                    const QColor c = shot.pixelColor(x, y);
                    ink += std::abs(c.red() - ground.red()) + std::abs(c.green() - ground.green()) +
                               std::abs(c.blue() - ground.blue()) >
                           240;
                }
            }
            return ink;
        };
        QVERIFY2(inked(current) > 20, "current row");
        QVERIFY2(inked(hovered) > 20, "row under the pointer");
        QVERIFY2(inked(other) > 20, "another row");
        picker->hidePopup();
    }
};

QTEST_MAIN(TestAboutView)
#include "tst_AboutView.moc"
