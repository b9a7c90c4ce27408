#include "about/Updater.h"
#include "document/OpenFile.h"
#include "model/AppModel.h"

#include "FeedServer.h"
#include "UpdateFixture.h"
#include "helpers/ModelFixture.h"
#include "helpers/TestUtil.h"

#include <QSignalSpy>
#include <QStandardPaths>

using namespace UpdateFixture;
using namespace std::chrono_literals;

namespace {

enum class Bad {
    NoDigest,
    ShortDigest,
    DigestMismatch,
    NoSignature,
    SignatureOfAnotherKey,
    TamperedArchive,
    OpenFoldersRepacked,
    ManifestChanged,
    FileAdded,
    FileRemoved,
    BuildNotNewer,
    BuildAboveFeed,
    ParentEntries,
    LinkToEtc,
    WriteThroughLink,
    OverTwoGigabytes,
    DotSegments,
    EncodedDotSegments,
    PlainHttp,
    OtherHost,
    UpperCaseSuffix,
    NotFound,
    RedirectElsewhere,
    PastTheFeedSize,
    PastTheFeedSizeUnannounced,
    PastTheLimit,
    NoRoom,
    Stall,
    DiskFull,
    FolderStuck,
    NewCopyStuck,
};

QByteArray hexDigest(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

mode_t modeOf(const QString &path)
{
    struct stat info
    {
    };
    return lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
}

// What a server without the maker's key can do to a genuine release: open its
// folders to everyone, which its own manifest does not cover.
void openUnlisted(const QString &folder)
{
    for (const char *name : {"", "/Signature"}) {
        QVERIFY(chmod(QFile::encodeName(folder + name).constData(), 0777) == 0);
    }
    for (const char *name : {"/Signature/manifest", "/Signature/manifest.sig"}) {
        QVERIFY(chmod(QFile::encodeName(folder + name).constData(), 0666) == 0);
    }
}

} // namespace

Q_DECLARE_METATYPE(Bad)

class TestUpdater : public QObject
{
    Q_OBJECT

    QTemporaryDir m_root;
    std::unique_ptr<FeedServer> m_server;
    QString m_key;
    QByteArray m_makerKey;
    QString m_goodArchive; // 1.0.1, one build above the running one
    QString m_tarRan;      // written by the tar the installs run, each time it runs
    int m_case = 0;

    // Per test: the running install folder, its folder, the test's Trash.
    QString m_apps;
    QString m_bundle;
    TestFolderMoves m_moves;
    Updater::Installation m_installation;

    qint64 next() const { return UpdateChecker::currentBuild() + 1; }
    QString path(const QString &name) const { return m_root.filePath(name); }
    QString tmp() const { return path(QStringLiteral("tmp")); }

    // An archive like the good one after `change` to its unpacked contents.
    QString repacked(const QString &name, const std::function<void(const QString &folder)> &change)
    {
        const QString folder = path(QStringLiteral("repack-") + name);
        QDir().mkpath(folder);
        if (!run(QStringLiteral("/bin/tar"), {"-xzf", m_goodArchive, "-C", folder})) {
            return {};
        }
        change(folder + QStringLiteral("/Tamsel"));
        const QString archive = path(name + QStringLiteral(".tar.gz"));
        return run(QStringLiteral("/bin/tar"), {"-czf", archive, "Tamsel"}, folder) ? archive
                                                                                    : QString();
    }

    // Serves `archive` under a path of its own and describes it as the feed would,
    // signed with the maker's key unless a signature is given.
    UpdateChecker::Release serve(const QString &archive, qint64 build,
                                 const QString &signature = {})
    {
        const QByteArray bytes = readFile(archive);
        const QString urlPath =
            QStringLiteral("/downloads/case-%1/Tamsel-1.0.1.tar.gz").arg(++m_case);
        m_server->setRoute(urlPath.toUtf8(), {200, bytes});
        UpdateChecker::Release release;
        release.version = QStringLiteral("1.0.1");
        release.build = build;
        release.dmg = m_server->url(urlPath);
        release.sha256 = QString::fromLatin1(hexDigest(bytes));
        release.signature =
            signature.isEmpty()
                ? QString::fromLatin1(
                      BundleSignature::signArchive(archive, readFile(m_key)).value_or(QByteArray()))
                : signature;
        return release;
    }

    int requestsFor(const QUrl &url) const
    {
        const QByteArray path = url.path(QUrl::FullyEncoded).toUtf8();
        return int(std::count_if(
            m_server->requestHeads().begin(), m_server->requestHeads().end(),
            [&](const QByteArray &head) { return head.split(' ').value(1) == path; }));
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_root.isValid());
        // Working folders go where the test can see that they are gone again.
        QVERIFY(QDir().mkpath(tmp()));
        qputenv("TMPDIR", QFile::encodeName(tmp()));

        m_key = path(QStringLiteral("maker.pem"));
        QVERIFY(
            run(QStringLiteral("openssl"), {"genpkey", "-algorithm", "ed25519", "-out", m_key}));
        m_makerKey = BundleSignature::publicKey(readFile(m_key));
        QCOMPARE(m_makerKey.size(), 32);
        QVERIFY(run(QStringLiteral("openssl"),
                    {"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:P-256",
                     "-nodes", "-days", "2", "-subj", "/CN=127.0.0.1", "-addext",
                     "subjectAltName=IP:127.0.0.1,DNS:localhost", "-keyout", path("tls.key"),
                     "-out", path("tls.crt")}));
        m_server = std::make_unique<FeedServer>(path("tls.crt"), path("tls.key"), QSsl::Ec);
        QVERIFY(m_server->isReady());
        UpdateChecker::Endpoint endpoint{m_server->feedURL(), {m_server->certificate()}};
        endpoint.page = m_server->url(QStringLiteral("/tamsel-linux/"));
        UpdateChecker::setEndpointForTesting(endpoint);

        QVERIFY(makeProgramFolder(path("source-1.0.1"), QStringLiteral("1.0.1")));
        m_goodArchive =
            makeBundle(path("source-1.0.1"), QStringLiteral("1.0.1"), next(), m_key, path("dist"));
        QVERIFY(QFile::exists(m_goodArchive));
        const QByteArray digest = readFile(m_goodArchive + ".sha256").left(64);
        QCOMPARE(digest, hexDigest(readFile(m_goodArchive)));
        // The release tooling signs the archive itself with the maker's key.
        const QString signature = QString::fromLatin1(readFile(m_goodArchive + ".sig").trimmed());
        QVERIFY(BundleSignature::archiveSignatureVerifies(QString::fromLatin1(digest), signature,
                                                          m_makerKey));
        QVERIFY(!BundleSignature::archiveSignatureVerifies(QString::fromLatin1(hexDigest("other")),
                                                           signature, m_makerKey));

        // The tar of every install leaves a mark each time it runs.
        m_tarRan = path(QStringLiteral("tar-ran"));
        QVERIFY(writeFile(path("marking-tar"),
                          "#!/bin/sh\necho >>'" + m_tarRan.toUtf8() + "'\nexec /bin/tar \"$@\"\n",
                          QFile::ReadOwner | QFile::ExeOwner));
    }

    void cleanupTestCase()
    {
        Updater::setInstallationForTesting(std::nullopt);
        UpdateChecker::setEndpointForTesting(std::nullopt);
    }

    // A signed install folder of the running version in a folder of its own.
    void init()
    {
        static int count = 0;
        m_apps = path(QStringLiteral("apps-%1").arg(++count));
        m_bundle = m_apps + QStringLiteral("/Tamsel");
        QVERIFY(makeProgramFolder(m_bundle, UpdateChecker::currentVersion()));
        QVERIFY(writeFile(m_bundle + "/Info.json", infoJson(UpdateChecker::currentVersion(),
                                                            UpdateChecker::currentBuild())));
        QVERIFY(BundleSignature::sign(m_bundle, readFile(m_key)).ok());
        m_moves.trash = path(QStringLiteral("trash-%1").arg(count));
        m_moves.trashed.clear();
        m_moves.refuseFrom.clear();
        QVERIFY(QDir().mkpath(m_moves.trash));
        m_installation = Updater::Installation{m_bundle, m_makerKey, &m_moves};
        m_installation.tarTool = path("marking-tar");
        Updater::setInstallationForTesting(m_installation);
        QFile::remove(m_tarRan);
    }

    // Whether this copy offers to replace itself.
    void whereItReplacesItself_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("offered");
        QTest::newRow("signed and writable") << "" << true;
        QTest::newRow("unsigned") << "unsigned" << false;
        QTest::newRow("signature of another key") << "other key" << false;
        QTest::newRow("developer build without a key") << "no key" << false;
        QTest::newRow("under /usr") << "/usr/lib/tamsel" << false;
        QTest::newRow("in a Flatpak") << "/var/lib/flatpak/app/tamsel" << false;
    }
    void whereItReplacesItself()
    {
        QFETCH(QString, change);
        QFETCH(bool, offered);
        if (change == QLatin1String("unsigned")) {
            QVERIFY(QDir(m_bundle + "/Signature").removeRecursively());
        } else if (change == QLatin1String("other key")) {
            QVERIFY(run(QStringLiteral("openssl"),
                        {"genpkey", "-algorithm", "ed25519", "-out", path("other.pem")}));
            QVERIFY(BundleSignature::sign(m_bundle, readFile(path("other.pem"))).ok());
        } else if (change == QLatin1String("no key")) {
            m_installation.makerKey.clear();
        } else if (!change.isEmpty()) {
            m_installation.bundlePath = change;
        }
        Updater::setInstallationForTesting(m_installation);
        QCOMPARE(Updater::canInstallHere(), offered);
        QCOMPARE(Updater::ownTeam().has_value(), offered);
        if (offered) {
            QCOMPARE(*Updater::ownTeam(), BundleSignature::fingerprint(m_makerKey));
            QVERIFY(Updater::isGenuine(m_bundle, *Updater::ownTeam(),
                                       QStringLiteral("app.belvin.tamsel.mac")));
            QVERIFY(
                !Updater::isGenuine(m_bundle, *Updater::ownTeam(), QStringLiteral("app.other")));
        }
    }

    // The whole way through the model: the check finds 1.0.1 on the local HTTPS
    // server, the install swaps the folders and the new copy is started.
    void installsOverASignedFolder_data()
    {
        QTest::addColumn<bool>("firstNameTaken");
        QTest::addColumn<bool>("editedMeanwhile");
        QTest::addColumn<bool>("openFolders");
        QTest::newRow("relaunches") << false << false << false;
        QTest::newRow("old name taken: hidden name, still trashed") << true << false << false;
        QTest::newRow("file edited meanwhile: no relaunch") << false << true << false;
        QTest::newRow("folders open to all in a signed archive: closed again")
            << false << false << true;
    }
    void installsOverASignedFolder()
    {
        QFETCH(bool, firstNameTaken);
        QFETCH(bool, editedMeanwhile);
        QFETCH(bool, openFolders);
        const QByteArray before = treeHash(m_bundle);
        const QString firstName = QStringLiteral("Tamsel ") + UpdateChecker::currentVersion();
        if (firstNameTaken) {
            QVERIFY(writeFile(m_apps + "/" + firstName + "/keep.txt", "someone else's"));
        }
        const QString archive = openFolders ? repacked("open", openUnlisted) : m_goodArchive;
        const UpdateChecker::Release offered = serve(archive, next());
        m_server->setAnswer(
            200, QStringLiteral("{\"version\": \"1.0.1\", \"build\": %1, \"dmg\": \"%2\", "
                                "\"sha256\": \"%3\", \"signature\": \"%4\", \"size\": %5}")
                     .arg(next())
                     .arg(offered.dmg->toString(), offered.sha256->toUpper(), *offered.signature)
                     .arg(QFileInfo(archive).size())
                     .toUtf8());
        ModelFixture fixture(ModelFixture::Engine::None);
        AppModel &model = *fixture.model;
        const QStringList &started = fixture.startedCopies;
        QSignalSpy quit(&model, &AppModel::quitRequested);

        model.checkForUpdates();
        QTRY_VERIFY_WITH_TIMEOUT(!model.isCheckingForUpdates(), 20000);
        QVERIFY(model.updateResult() && model.updateResult()->isAvailable());
        model.installUpdate(model.updateResult()->release());
        QVERIFY(model.isInstallingUpdate());
        if (editedMeanwhile) {
            auto *file = new OpenFile(QUrl::fromLocalFile(path("a.pdf")), QStringLiteral("a.pdf"),
                                      true, {}, std::nullopt);
            file->setEdited(true);
            model.setFiles({file});
        }
        QTRY_VERIFY_WITH_TIMEOUT(!model.isInstallingUpdate(), 60000);

        // The folder holds 1.0.1, signed, with the new build in its Info.json.
        QCOMPARE(readFile(m_bundle + "/bin/tamsel"), QByteArray("#!/bin/sh\necho 1.0.1\n"));
        QCOMPARE(Updater::build(m_bundle), std::optional<qint64>(next()));
        QCOMPARE(BundleSignature::infoText(m_bundle, "version"), std::optional<QString>("1.0.1"));
        QVERIFY(Updater::isGenuine(m_bundle, BundleSignature::fingerprint(m_makerKey),
                                   QStringLiteral("app.belvin.tamsel.mac")));
        QCOMPARE(modeOf(m_bundle), mode_t(0755));
        QCOMPARE(modeOf(m_bundle + "/Signature"), mode_t(0755));
        QCOMPARE(modeOf(m_bundle + "/Signature/manifest"), mode_t(0644));
        QCOMPARE(modeOf(m_bundle + "/Signature/manifest.sig"), mode_t(0644));
        // The old one went to the Trash whole, under the first free name.
        QCOMPARE(m_moves.trashed.size(), 1);
        QCOMPARE(treeHash(m_moves.trashed.first()), before);
        const QString oldName = QFileInfo(m_moves.trashed.first()).fileName();
        QVERIFY2(firstNameTaken ? oldName.startsWith(".Tamsel-previous-") : oldName == firstName,
                 qPrintable(oldName));
        QCOMPARE(names(m_apps),
                 firstNameTaken ? QStringList({"Tamsel", firstName}) : QStringList({"Tamsel"}));
        // Nothing left in the temporary folder but the model's own scratch folder.
        QCOMPARE(names(tmp()), QStringList{QFileInfo(fixture.folder.path()).fileName()});

        if (editedMeanwhile) {
            QVERIFY(started.isEmpty());
            QCOMPARE(quit.count(), 0);
            QCOMPARE(model.updateInstallError(),
                     std::optional<QString>(
                         "The update is installed. Save your files, then quit and open Tamsel "
                         "again to use it."));
        } else {
            QCOMPARE(started, QStringList{m_bundle + "/bin/tamsel"});
            QCOMPARE(quit.count(), 1);
            QVERIFY(!model.updateInstallError());
        }
    }

    // Nothing starts while an install or a long operation runs or a file has unsaved changes.
    void installWaitsForQuietWork()
    {
        const UpdateChecker::Release release = serve(m_goodArchive, next());
        ModelFixture fixture(ModelFixture::Engine::None);
        AppModel &model = *fixture.model;
        QSignalSpy installing(&model, &AppModel::isInstallingUpdateChanged);
        model.setBusy(BusyState{QStringLiteral("Saving…"), CancelToken::make()});
        model.installUpdate(release);
        model.setBusy(std::nullopt);
        auto *file = new OpenFile(QUrl::fromLocalFile(path("b.pdf")), QStringLiteral("b.pdf"), true,
                                  {}, std::nullopt);
        file->setEdited(true);
        model.setFiles({file});
        model.installUpdate(release);
        QCOMPARE(installing.count(), 0);
        QCoreApplication::processEvents();
        QCOMPARE(requestsFor(*release.dmg), 0);
        QCOMPARE(Updater::build(m_bundle), std::optional<qint64>(UpdateChecker::currentBuild()));
    }

    // Every bad input ends with its sentence and leaves the running copy exactly as it was.
    void badInputLeavesTheCopyAlone_data()
    {
        QTest::addColumn<Bad>("bad");
        QTest::addColumn<QString>("message");
        const QString rejected = Updater::rejectionMessage();
        QTest::newRow("no digest") << Bad::NoDigest << rejected;
        QTest::newRow("63-digit digest") << Bad::ShortDigest << rejected;
        QTest::newRow("digest mismatch") << Bad::DigestMismatch << rejected;
        QTest::newRow("no signature of the archive") << Bad::NoSignature << rejected;
        QTest::newRow("archive signed with another key") << Bad::SignatureOfAnotherKey << rejected;
        QTest::newRow("program changed, the genuine signature") << Bad::TamperedArchive << rejected;
        QTest::newRow("folders opened to all, the genuine signature")
            << Bad::OpenFoldersRepacked << rejected;
        QTest::newRow("manifest changed after signing") << Bad::ManifestChanged << rejected;
        QTest::newRow("file added after signing") << Bad::FileAdded << rejected;
        QTest::newRow("file removed after signing") << Bad::FileRemoved << rejected;
        QTest::newRow("build not newer") << Bad::BuildNotNewer << rejected;
        QTest::newRow("build one above the feed's") << Bad::BuildAboveFeed << rejected;
        QTest::newRow("../ entries") << Bad::ParentEntries << rejected;
        QTest::newRow("link to /etc") << Bad::LinkToEtc << rejected;
        QTest::newRow("file written through a link") << Bad::WriteThroughLink << rejected;
        QTest::newRow("over 2 GB unpacked") << Bad::OverTwoGigabytes << rejected;
        QTest::newRow("/downloads/../ in the address") << Bad::DotSegments << rejected;
        QTest::newRow("encoded dots and slash in the address")
            << Bad::EncodedDotSegments << rejected;
        QTest::newRow("plain HTTP address") << Bad::PlainHttp << rejected;
        QTest::newRow("address on another host") << Bad::OtherHost << rejected;
        QTest::newRow("upper-case .TAR.GZ") << Bad::UpperCaseSuffix << rejected;
        QTest::newRow("HTTP 404") << Bad::NotFound << Updater::failed("not found");
        QTest::newRow("redirected to another host")
            << Bad::RedirectElsewhere << Updater::failed("found");
        const QString tooLarge = Updater::failed("The download is larger than expected.");
        QTest::newRow("longer than the feed's size") << Bad::PastTheFeedSize << tooLarge;
        QTest::newRow("longer than the feed's size, no length announced")
            << Bad::PastTheFeedSizeUnannounced << tooLarge;
        QTest::newRow("past the limit, no size in the feed") << Bad::PastTheLimit << tooLarge;
        QTest::newRow("no room for the feed's size")
            << Bad::NoRoom << Updater::failed("There isn't enough free space for the update.");
        QTest::newRow("server stalls") << Bad::Stall << Updater::failed("The request timed out.");
        QTest::newRow("disk full during the copy")
            << Bad::DiskFull
            << Updater::failed("cp: error writing 'bin/tamsel': No space left on device");
        QTest::newRow("folder can't be renamed")
            << Bad::FolderStuck << Updater::failed("Permission denied");
        QTest::newRow("new copy can't take the name")
            << Bad::NewCopyStuck << Updater::failed("Permission denied");
    }
    void badInputLeavesTheCopyAlone()
    {
        QFETCH(Bad, bad);
        QFETCH(QString, message);
        UpdateChecker::Release release = serve(m_goodArchive, next());
        const int port = release.dmg->port();
        const qint64 archiveSize = QFileInfo(m_goodArchive).size();
        bool downloads = true;
        bool unpacks = true;
        switch (bad) {
        case Bad::NoDigest:
            release.sha256.reset();
            downloads = false;
            break;
        case Bad::ShortDigest:
            release.sha256 = release.sha256->left(63);
            downloads = false;
            break;
        case Bad::DigestMismatch:
            release.sha256 = QString::fromLatin1(hexDigest("something else"));
            unpacks = false;
            break;
        case Bad::NoSignature:
            release.signature.reset();
            downloads = false;
            break;
        case Bad::SignatureOfAnotherKey:
            QVERIFY(run(QStringLiteral("openssl"),
                        {"genpkey", "-algorithm", "ed25519", "-out", path("other.pem")}));
            release.signature = QString::fromLatin1(
                *BundleSignature::signArchive(m_goodArchive, readFile(path("other.pem"))));
            unpacks = false;
            break;
        case Bad::TamperedArchive:
            release = serve(repacked("tampered",
                                     [](const QString &folder) {
                                         QVERIFY(writeFile(folder + "/bin/tamsel",
                                                           "#!/bin/sh\necho taken over\n"));
                                     }),
                            next(), *release.signature);
            unpacks = false;
            break;
        case Bad::OpenFoldersRepacked:
            release = serve(repacked("opened", openUnlisted), next(), *release.signature);
            unpacks = false;
            break;
        case Bad::ManifestChanged:
            release = serve(repacked("manifest",
                                     [](const QString &folder) {
                                         QFile manifest(folder + "/Signature/manifest");
                                         QVERIFY(manifest.open(QIODevice::Append));
                                         manifest.write("file 0644 00 extra\n");
                                     }),
                            next());
            break;
        case Bad::FileAdded:
            release = serve(
                repacked("added",
                         [](const QString &folder) {
                             QVERIFY(writeFile(folder + "/share/tamsel/extra.txt", "not signed"));
                         }),
                next());
            break;
        case Bad::FileRemoved:
            release = serve(repacked("removed",
                                     [](const QString &folder) {
                                         QVERIFY(QFile::remove(folder + "/share/tamsel/notes.txt"));
                                     }),
                            next());
            break;
        case Bad::BuildNotNewer:
            release = serve(makeBundle(path("source-1.0.1"), QStringLiteral("1.0.1"),
                                       UpdateChecker::currentBuild(), m_key, path("dist-same")),
                            UpdateChecker::currentBuild());
            break;
        case Bad::BuildAboveFeed:
            release = serve(makeBundle(path("source-1.0.1"), QStringLiteral("1.0.1"), next() + 1,
                                       m_key, path("dist-above")),
                            next());
            break;
        case Bad::ParentEntries: {
            const QString folder = path("parent");
            QVERIFY(makeProgramFolder(folder + "/Tamsel", "1.0.1"));
            QVERIFY(run("/bin/tar",
                        {"-czf", path("parent.tar.gz"), "-P", "--transform", "s,^Tamsel,../Tamsel,",
                         "Tamsel"},
                        folder));
            release = serve(path("parent.tar.gz"), next());
            break;
        }
        case Bad::LinkToEtc:
            release =
                serve(repacked("etc",
                               [](const QString &folder) {
                                   QVERIFY(QFile::link(QStringLiteral("/etc"), folder + "/etc"));
                               }),
                      next());
            break;
        case Bad::WriteThroughLink: {
            // A link out of the folder, then a file below the link.
            const QString folder = path("through");
            QVERIFY(QDir().mkpath(path("outside")));
            QVERIFY(makeProgramFolder(folder + "/Tamsel", "1.0.1"));
            QVERIFY(QFile::link(path("outside"), folder + "/Tamsel/out"));
            QVERIFY(writeFile(folder + "/payload/planted.txt", "planted"));
            QVERIFY(run("/bin/tar", {"-cf", path("through.tar"), "Tamsel"}, folder));
            QVERIFY(run("/bin/tar",
                        {"-rf", path("through.tar"), "--transform", "s,^payload,Tamsel/out,",
                         "payload/planted.txt"},
                        folder));
            QVERIFY(run("/bin/gzip", {"-f", path("through.tar")}));
            release = serve(path("through.tar.gz"), next());
            break;
        }
        case Bad::OverTwoGigabytes: {
            // Sparse: a few bytes packed, 2.1 GB unpacked.
            const QString folder = path("large");
            QVERIFY(makeProgramFolder(folder + "/Tamsel", "1.0.1"));
            QVERIFY(QFile(folder + "/Tamsel/filler").open(QIODevice::WriteOnly));
            QVERIFY(QFile::resize(folder + "/Tamsel/filler", 2200LL * 1024 * 1024));
            QVERIFY(run("/bin/tar", {"--sparse", "-czf", path("large.tar.gz"), "Tamsel"}, folder));
            QVERIFY(QFile::remove(folder + "/Tamsel/filler"));
            release = serve(path("large.tar.gz"), next());
            break;
        }
        case Bad::DotSegments:
            release.dmg =
                QUrl(QStringLiteral("https://127.0.0.1:%1/downloads/../other/Tamsel-1.0.1.tar.gz")
                         .arg(port));
            downloads = false;
            break;
        case Bad::EncodedDotSegments:
            release.dmg = QUrl(
                QStringLiteral("https://127.0.0.1:%1/downloads/%2e%2E%2Fother/Tamsel-1.0.1.tar.gz")
                    .arg(port));
            downloads = false;
            break;
        case Bad::PlainHttp:
            release.dmg->setScheme(QStringLiteral("http"));
            downloads = false;
            break;
        case Bad::OtherHost:
            release.dmg->setHost(QStringLiteral("localhost"));
            downloads = false;
            break;
        case Bad::UpperCaseSuffix:
            release.dmg->setPath(
                release.dmg->path().replace(QStringLiteral(".tar.gz"), QStringLiteral(".TAR.GZ")));
            downloads = false;
            break;
        case Bad::NotFound:
            m_server->setRoute(release.dmg->path().toUtf8(), {404, "<h1>Not here</h1>"});
            break;
        case Bad::RedirectElsewhere: {
            // The same server under another name, which its certificate also carries;
            // the archive there is genuine.
            QUrl elsewhere = serve(m_goodArchive, next()).dmg.value();
            elsewhere.setHost(QStringLiteral("localhost"));
            m_server->setRoute(release.dmg->path().toUtf8(),
                               {302, {}, FeedServer::Behaviour::Answer, elsewhere.toEncoded()});
            unpacks = false;
            break;
        }
        case Bad::PastTheFeedSize:
            release.size = archiveSize - 1;
            unpacks = false;
            break;
        case Bad::PastTheFeedSizeUnannounced:
            release.size = archiveSize - 1;
            m_server->setRoute(
                release.dmg->path().toUtf8(),
                {200, readFile(m_goodArchive), FeedServer::Behaviour::Answer, {}, false});
            unpacks = false;
            break;
        case Bad::PastTheLimit:
            m_installation.downloadLimit = archiveSize - 1;
            unpacks = false;
            break;
        case Bad::NoRoom:
            release.size = 1LL << 60;
            downloads = false;
            break;
        case Bad::Stall:
            m_server->setRoute(release.dmg->path().toUtf8(),
                               {200, {}, FeedServer::Behaviour::Silent});
            m_installation.stallLimit = 300ms;
            break;
        case Bad::DiskFull:
            // A copy tool that runs out of room half-way.
            QVERIFY(writeFile(
                path("full-disk-cp"),
                "#!/bin/sh\nfor last; do :; done\nmkdir -p \"$last/bin\" && echo half > "
                "\"$last/bin/tamsel\"\n"
                "echo \"cp: error writing 'bin/tamsel': No space left on device\" >&2\nexit 1\n",
                QFile::ReadOwner | QFile::ExeOwner));
            m_installation.copyTool = path("full-disk-cp");
            break;
        case Bad::FolderStuck:
            m_moves.refuseFrom = m_bundle;
            break;
        case Bad::NewCopyStuck:
            m_moves.refuseFrom = QStringLiteral(".Tamsel-update-*");
            break;
        }
        Updater::setInstallationForTesting(m_installation);
        const QByteArray before = treeHash(m_bundle);
        const int requestsBefore = requestsFor(*release.dmg);

        const std::optional<QString> outcome = TestUtil::await(Updater::install(release), 60000);

        QCOMPARE(outcome, std::optional<QString>(message));
        QCOMPARE(treeHash(m_bundle), before);
        QCOMPARE(names(m_apps), QStringList{"Tamsel"});
        QCOMPARE(names(tmp()), QStringList());
        QCOMPARE(m_moves.trashed, QStringList());
        QCOMPARE(names(path("outside")), QStringList());
        if (!downloads) {
            QCOMPARE(requestsFor(*release.dmg), requestsBefore);
        }
        if (!downloads || !unpacks) {
            QVERIFY2(!QFile::exists(m_tarRan), "tar read the archive");
        }
    }
};

QTEST_GUILESS_MAIN(TestUpdater)
#include "tst_Updater.moc"
