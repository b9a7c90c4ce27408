#include "codes/CodesModel.h"
#include "document/OpenFile.h"
#include "helpers/ModelFixture.h"
#include "model/AppModel.h"
#include "model/MergeModel.h"

#include "stamps/StampLibrary.h"

#include <QBuffer>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

#include <functional>

using Assign = std::function<void(AppModel &)>;
using Signal = void (AppModel::*)();
Q_DECLARE_METATYPE(Assign)
Q_DECLARE_METATYPE(Signal)

class TestAppModelState : public QObject
{
    Q_OBJECT

    // A fresh model for every test; none of them needs an engine.
    std::unique_ptr<ModelFixture> m_fixture;

    static OpenFile *document(const QString &name, int pages)
    {
        const QUrl url = QUrl::fromLocalFile(QStringLiteral("/tmp/%1.pdf").arg(name));
        QList<PageItem> items;
        for (int i = 0; i < pages; ++i) {
            items.append(PageItem{QUuid::createUuid(), PageSource{url, i}, 0, {}});
        }
        return new OpenFile(url, name, true, items, std::nullopt);
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init()
    {
        m_fixture = std::make_unique<ModelFixture>(ModelFixture::Engine::None);
        QVERIFY(m_fixture->folder.isValid());
    }

    void cleanup() { m_fixture.reset(); }

    void freshModelShowsHome()
    {
        AppModel &model = *m_fixture->model;
        QCOMPARE(model.destination(), std::optional<Destination>(Destination::home()));
        QVERIFY(model.files().isEmpty());
        QVERIFY(model.merge() && model.merge()->items().isEmpty());
        QVERIFY(!model.support() && !model.sheet() && !model.toast() && !model.errorMessage());
        QVERIFY(!model.busy() && !model.signingFileID() && !model.signingStartPage());
        QVERIFY(!model.closingFile() && !model.passwordRequest());
        QVERIFY(!model.isCheckingForUpdates() && !model.isInstallingUpdate());
        QVERIFY(!model.updateInstallError());
        QVERIFY(!model.updateResult());
        QVERIFY(model.stamps() && model.stamps()->stamps().isEmpty());
    }

    void libraryLoadsTheStampFolder()
    {
        const QString folder = m_fixture->folder.filePath("filled");
        StampLibrary writer(folder);
        QImage picture(16, 8, QImage::Format_ARGB32);
        picture.fill(Qt::red);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        picture.save(&buffer, "PNG");
        const QUuid id = QUuid::createUuid();
        QVERIFY(writer.add(StampMaker::Stamp{png, 16, 8}, "Mine", id));

        AppModel model(m_fixture->services("filled"));
        QCOMPARE(model.stampsFolder(), folder);
        QCOMPARE(model.stamps()->folder(), folder);
        QCOMPARE(model.stamps()->stamps().size(), 1);
        QCOMPARE(model.stamps()->stamps().first().id, id);
        QVERIFY(model.stamps()->images().contains(id));
    }

    void standardStampFolder()
    {
        const QString folder = AppModel::standardStampsFolder();
        QVERIFY(folder.endsWith(QStringLiteral("/Tamsel/Stamps")));
        QVERIFY(folder.startsWith(
            QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)));
        AppModel::Services standard = m_fixture->services();
        standard.stampsFolder.clear();
        AppModel model(standard);
        QCOMPARE(model.stampsFolder(), folder);
    }

    // Each row assigns `first`, then the same value again, then `other`.
    void notifications_data()
    {
        QTest::addColumn<Signal>("signal");
        QTest::addColumn<Assign>("first");
        QTest::addColumn<Assign>("other");
        QTest::addColumn<int>("repeatNotifies");

        const QUuid a = QUuid::createUuid();
        const QUuid b = QUuid::createUuid();
        QTest::newRow("destination")
            << &AppModel::destinationChanged
            << Assign([](AppModel &m) { m.setDestination(Destination::merge()); })
            << Assign([a](AppModel &m) { m.setDestination(Destination::file(a)); }) << 0;
        QTest::newRow("destination absent")
            << &AppModel::destinationChanged
            << Assign([](AppModel &m) { m.setDestination(std::nullopt); })
            << Assign([](AppModel &m) { m.setDestination(Destination::home()); }) << 0;
        QTest::newRow("support") << &AppModel::supportChanged << Assign([](AppModel &m) {
            m.setSupport(SupportPrompt::Manual);
        }) << Assign([](AppModel &m) { m.setSupport(SupportPrompt::TellAFriend); })
                                 << 0;
        QTest::newRow("sheet of another kind for the same document")
            << &AppModel::sheetChanged << Assign([a](AppModel &m) {
                   m.setSheet(FileSheet{FileSheet::Kind::Split, a});
               })
            << Assign([a](AppModel &m) {
                   m.setSheet(FileSheet{FileSheet::Kind::Compress, a});
               })
            << 0;
        QTest::newRow("sheet of another document")
            << &AppModel::sheetChanged << Assign([a](AppModel &m) {
                   m.setSheet(FileSheet{FileSheet::Kind::Split, a});
               })
            << Assign([b](AppModel &m) {
                   m.setSheet(FileSheet{FileSheet::Kind::Split, b});
               })
            << 0;
        QTest::newRow("toast with the same text and reveal")
            << &AppModel::toastChanged << Assign([](AppModel &m) {
                   m.setToast(Toast{"Saved", QUrl::fromLocalFile("/tmp/x.pdf")});
               })
            << Assign([](AppModel &m) {
                   m.setToast(Toast{"Saved", std::nullopt});
               })
            << 0;
        QTest::newRow("error message")
            << &AppModel::errorMessageChanged
            << Assign([](AppModel &m) { m.setErrorMessage(QStringLiteral("It failed.")); })
            << Assign([](AppModel &m) { m.setErrorMessage(QStringLiteral("It failed again.")); })
            << 0;
        QTest::newRow("busy always") << &AppModel::busyChanged << Assign([](AppModel &m) {
            m.setBusy(BusyState{"Saving…", {}});
        }) << Assign([](AppModel &m) { m.setBusy(std::nullopt); })
                                     << 1;
        QTest::newRow("signing file")
            << &AppModel::signingFileIDChanged
            << Assign([a](AppModel &m) { m.setSigningFileID(a); })
            << Assign([](AppModel &m) { m.setSigningFileID(std::nullopt); }) << 0;
        QTest::newRow("signing start page")
            << &AppModel::signingStartPageChanged
            << Assign([a](AppModel &m) { m.setSigningStartPage(a); })
            << Assign([b](AppModel &m) { m.setSigningStartPage(b); }) << 0;
        QTest::newRow("password request always, even with equal fields")
            << &AppModel::passwordRequestChanged << Assign([a](AppModel &m) {
                   m.setPasswordRequest(PasswordRequest{a, "a.pdf", false});
               })
            << Assign([](AppModel &m) { m.setPasswordRequest(std::nullopt); }) << 1;
        QTest::newRow("checking for updates")
            << &AppModel::isCheckingForUpdatesChanged
            << Assign([](AppModel &m) { m.setCheckingForUpdates(true); })
            << Assign([](AppModel &m) { m.setCheckingForUpdates(false); }) << 0;
        QTest::newRow("update result always")
            << &AppModel::updateResultChanged
            << Assign([](AppModel &m) { m.setUpdateResult(UpdateChecker::Result::upToDate()); })
            << Assign([](AppModel &m) { m.setUpdateResult(std::nullopt); }) << 1;
        QTest::newRow("installing update")
            << &AppModel::isInstallingUpdateChanged
            << Assign([](AppModel &m) { m.setInstallingUpdate(true); })
            << Assign([](AppModel &m) { m.setInstallingUpdate(false); }) << 0;
        QTest::newRow("update install error")
            << &AppModel::updateInstallErrorChanged << Assign([](AppModel &m) {
                   m.setUpdateInstallError(QStringLiteral("Open it again."));
               })
            << Assign([](AppModel &m) { m.setUpdateInstallError(std::nullopt); }) << 0;
    }

    void notifications()
    {
        QFETCH(Signal, signal);
        QFETCH(Assign, first);
        QFETCH(Assign, other);
        QFETCH(int, repeatNotifies);

        AppModel &model = *m_fixture->model;
        QSignalSpy spy(&model, signal);
        first(model);
        QCOMPARE(spy.count(), 1);
        first(model);
        QCOMPARE(spy.count(), 1 + repeatNotifies);
        other(model);
        QCOMPARE(spy.count(), 2 + repeatNotifies);
    }

    void filesAlwaysNotify()
    {
        AppModel &model = *m_fixture->model;
        OpenFile *a = document("a", 1);
        QSignalSpy spy(&model, &AppModel::filesChanged);
        model.setFiles({a});
        model.setFiles({a});
        QCOMPARE(spy.count(), 2);
        QCOMPARE(a->parent(), &model);
    }

    void closingFileAlwaysNotifies()
    {
        AppModel &model = *m_fixture->model;
        OpenFile *a = document("a", 1);
        model.setFiles({a});
        QSignalSpy spy(&model, &AppModel::closingFileChanged);
        model.setClosingFile(a);
        model.setClosingFile(a);
        QCOMPARE(spy.count(), 2);
        QCOMPARE(model.closingFile(), a);
    }

    void mergeNotifiesOnlyForAnotherObject()
    {
        AppModel &model = *m_fixture->model;
        QSignalSpy spy(&model, &AppModel::mergeChanged);
        model.setMerge(model.merge());
        QCOMPARE(spy.count(), 0);
        auto *other = new MergeModel;
        model.setMerge(other);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(model.merge(), other);
        QCOMPARE(other->parent(), &model);
    }

    void codesNotifyOnlyForAnotherObject()
    {
        AppModel &model = *m_fixture->model;
        QVERIFY(model.codes() && model.codes()->found().isEmpty() && !model.codes()->isReading());
        QSignalSpy spy(&model, &AppModel::codesChanged);
        model.setCodes(model.codes());
        QCOMPARE(spy.count(), 0);
        auto *other = new CodesModel;
        model.setCodes(other);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(model.codes(), other);
    }

    void fileLooksUpById()
    {
        AppModel &model = *m_fixture->model;
        OpenFile *a = document("a", 1);
        OpenFile *b = document("b", 2);
        model.setFiles({a, b});
        QCOMPARE(model.file(b->id()), b);
        const QUuid gone = a->id();
        model.setFiles({b});
        QCOMPARE(model.file(gone), nullptr);
        delete a;
    }
};

QTEST_GUILESS_MAIN(TestAppModelState)
#include "tst_AppModelState.moc"
