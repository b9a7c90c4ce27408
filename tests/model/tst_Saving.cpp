#include "SavingHarness.h"

#include "model/MergeModel.h"
#include "model/Thumbnails.h"

#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

// Save As, extracting, ready bytes and several files into a folder, with real
// files read back after writing.
class TestSaving : public QObject
{
    Q_OBJECT

    std::unique_ptr<SavingHarness> h;

    AppModel &model() { return *h->model; }

    void waitFor(const QFuture<void> &future) { QVERIFY(TestUtil::waitFor(future)); }

    // The colour at a point of a page of a written file, given as fractions of
    // the page as displayed.
    QColor colourAt(const QUrl &url, int index, QPointF at)
    {
        PDFEngine reader;
        const auto opened = TestUtil::await(reader.open(url, std::nullopt));
        if (opened.status != PDFEngine::OpenStatus::Opened) {
            return {};
        }
        const QImage image = TestUtil::await(reader.image(PageSource{url, index}, 0, 400));
        return image.pixelColor(int(at.x() * image.width()), int(at.y() * image.height()));
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init()
    {
        QSettings().clear();
        h = std::make_unique<SavingHarness>();
    }

    void cleanup()
    {
        h.reset();
        QSettings().clear();
    }

    void saveAsWritesPagesTurnsAndStamps()
    {
        OpenFile *file = h->open({h->pdf("Name.pdf", 3)});
        QVERIFY(file);
        const StampRecord stamp = h->libraryStamp(Qt::red);
        const std::optional<StampPlacement> placed =
            model().place(stamp, file, file->pages()[0].id);
        QVERIFY(placed);
        waitFor(model().turn(file, {file->pages()[1].id}, true));
        QVERIFY(file->isEdited());

        const QUrl target = h->path("out/Name (signed).pdf");
        QVERIFY(QDir().mkpath(h->folder.filePath("out")));
        h->panels.saveAnswers.enqueue(target);
        QSignalSpy busy(&model(), &AppModel::busyChanged);
        waitFor(model().saveAs(file));

        QCOMPARE(h->panels.saveCalls.size(), 1);
        QCOMPARE(h->panels.saveCalls[0].first, QStringLiteral("Name (signed).pdf"));
        QCOMPARE(h->panels.saveCalls[0].second, std::optional<QUrl>(file->url()));
        QCOMPARE(busy.size(), 2); // set, then cleared
        QVERIFY(!model().busy());
        QVERIFY(!model().errorMessage());

        QCOMPARE(SavingHarness::pageTexts(target), SavingHarness::numbered({1, 2, 3}));
        PDFEngine reader;
        QCOMPARE(TestUtil::await(reader.open(target, std::nullopt)).pageCount, 3);
        QCOMPARE(TestUtil::await(reader.displaySize(PageSource{target, 1}, 0)), QSizeF(842, 595));
        QCOMPARE(TestUtil::await(reader.displaySize(PageSource{target, 0}, 0)), QSizeF(595, 842));
        const QColor inStamp = colourAt(target, 0, placed->center);
        QVERIFY2(inStamp.red() > 200 && inStamp.green() < 60, qPrintable(inStamp.name()));
        QCOMPARE(colourAt(target, 2, placed->center), QColor(Qt::white));

        QVERIFY(!file->isEdited());
        QCOMPARE(model().toast(),
                 std::optional<Toast>(Toast{QStringLiteral("Saved “Name (signed).pdf”"), target}));
        QCOMPARE(QSettings().value("friend.savedFiles").toInt(), 1);
    }

    void proposedNames_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<bool>("stamped");
        QTest::addColumn<QString>("proposed");
        QTest::newRow("PDF without stamps") << "Name.pdf" << false << "Name (edited).pdf";
        QTest::newRow("PDF with a stamp") << "Name.pdf" << true << "Name (signed).pdf";
        QTest::newRow("pictures, even stamped") << "Photo.png" << true << "Photo.pdf";
        QTest::newRow("upper-case extension kept") << "Report.PDF.png" << false << "Report.PDF.pdf";
    }

    void proposedNames()
    {
        QFETCH(QString, source);
        QFETCH(bool, stamped);
        QFETCH(QString, proposed);
        QUrl url = h->path(source);
        if (source.endsWith(".png")) {
            Fixtures::writePicture(url.toLocalFile(), QSize(40, 30));
        } else {
            url = h->pdf(source, 1);
        }
        OpenFile *file = h->open({url});
        QVERIFY(file);
        if (stamped) {
            QVERIFY(model().place(h->libraryStamp(Qt::blue), file, file->pages()[0].id));
        }
        waitFor(model().saveAs(file)); // the panel is cancelled
        QCOMPARE(h->panels.saveCalls.size(), 1);
        QCOMPARE(h->panels.saveCalls[0].first, proposed);
        QVERIFY(!model().busy());
        QVERIFY(!model().errorMessage());
        QVERIFY(!model().toast());
    }

    void refusesTargetsThatPagesReadFrom_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("the open file itself") << "same";
        QTest::newRow("through a symbolic link") << "link";
        QTest::newRow("through a linked folder") << "folder link";
        QTest::newRow("through a non-standard path") << "dots";
        QTest::newRow("a file only a merge entry reads") << "merge";
    }

    void refusesTargetsThatPagesReadFrom()
    {
        QFETCH(QString, how);
        const QUrl source = h->pdf("Source.pdf", 2);
        const QByteArray before = Fixtures::readAll(source.toLocalFile());
        OpenFile *file = h->open({h->pdf("Other.pdf", 1)});
        QVERIFY(file);
        if (how == "merge") {
            model().merge()->add(source, 2);
        } else {
            QVERIFY(TestUtil::waitFor(model().open({source})));
            file = model().files().last();
        }
        QUrl target = source;
        if (how == "link") {
            QVERIFY(QFile::link(source.toLocalFile(), h->folder.filePath("Link.pdf")));
            target = h->path("Link.pdf");
        } else if (how == "folder link") {
            QVERIFY(QFile::link(h->folder.path(), h->folder.filePath("linked")));
            target = h->path("linked/Source.pdf");
        } else if (how == "dots") {
            QVERIFY(QDir().mkpath(h->folder.filePath("sub")));
            target = QUrl::fromLocalFile(h->folder.path() + "/sub/../Source.pdf");
        }
        QVERIFY(model().isInUse(target));
        h->panels.saveAnswers.enqueue(target);
        QSignalSpy busy(&model(), &AppModel::busyChanged);
        waitFor(model().saveAs(file));
        QCOMPARE(
            model().errorMessage(),
            std::optional<QString>(
                QStringLiteral(
                    "“%1” is open in Tamsel, so it can't be replaced. Save under another name.")
                    .arg(QFileInfo(target.path()).fileName())));
        QCOMPARE(busy.size(), 0);
        QCOMPARE(Fixtures::readAll(source.toLocalFile()), before);
        QVERIFY(!model().toast());
    }

    void replacedFileIsReadAnew()
    {
        // A file the engine and the thumbnails still hold, though no page reads from it.
        const QUrl old = h->pdf("Old.pdf", 2);
        QCOMPARE(TestUtil::await(h->engine->open(old, std::nullopt)).pageCount, 2);
        const Thumbnails::Key key{PageSource{old, 0}, 0, 100};
        waitFor(model().thumbnails()->load(key));
        QVERIFY(!model().thumbnails()->image(key).isNull());
        QVERIFY(!model().isInUse(old));

        OpenFile *file = h->open({h->pdf("New.pdf", 5)});
        h->panels.saveAnswers.enqueue(old);
        waitFor(model().saveAs(file));
        QVERIFY(!model().errorMessage());
        QCOMPARE(SavingHarness::pageTexts(old), SavingHarness::numbered({1, 2, 3, 4, 5}));
        QCOMPARE(TestUtil::await(h->engine->open(old, std::nullopt)).pageCount, 5);
        QVERIFY(model().thumbnails()->image(key).isNull());
    }

    void fileChangedOnDiskKeepsTheOpenDocumentsPages()
    {
        OpenFile *file = h->open({h->pdf("Shared.pdf", 3)});
        QVERIFY(file);
        // Another program rewrites the file; adding it to the merge list reads the
        // new content, while the open document keeps what it showed.
        QVERIFY(Fixtures::writeNumberedPdf(h->path("Shared.pdf").toLocalFile(), 1));
        waitFor(model().addToMerge({h->path("Shared.pdf")}));
        QCOMPARE(model().merge()->items().size(), 1);
        QCOMPARE(model().merge()->items()[0].pages.size(), 1);

        const QUrl target = h->path("Kept.pdf");
        h->panels.saveAnswers.enqueue(target);
        file->setEdited(true);
        waitFor(model().saveAs(file));
        QVERIFY(!model().errorMessage());
        QCOMPARE(SavingHarness::pageTexts(target), SavingHarness::numbered({1, 2, 3}));
    }

    void editsDuringTheSaveKeepTheEditedMark()
    {
        OpenFile *file = h->open({h->pdf("Name.pdf", 3)});
        file->setEdited(true);
        const QUrl target = h->path("Saved.pdf");
        h->panels.saveAnswers.enqueue(target);
        const QFuture<void> saving = model().saveAs(file);
        QVERIFY(model().busy());
        model().deletePages(file, {file->pages()[0].id});
        waitFor(saving);
        QCOMPARE(SavingHarness::pageTexts(target), SavingHarness::numbered({1, 2, 3}));
        QVERIFY(file->isEdited());
    }

    void cancelledBuildLeavesNothing()
    {
        OpenFile *file = h->open({h->pdf("Long.pdf", 50)});
        file->setEdited(true);
        const QUrl target = h->path("Long (edited).pdf");
        h->panels.saveAnswers.enqueue(target);
        const QFuture<void> saving = model().saveAs(file);
        QVERIFY(model().busy());
        QCOMPARE(model().busy()->title, QStringLiteral("Saving…"));
        model().busy()->task.cancel();
        waitFor(saving);
        QVERIFY(!QFile::exists(target.toLocalFile()));
        QCOMPARE(SavingHarness::namesIn(h->folder.path()), QStringList{"Long.pdf"});
        QVERIFY(!model().errorMessage());
        QVERIFY(!model().busy());
        QVERIFY(!model().toast());
        QVERIFY(file->isEdited());
        QCOMPARE(QSettings().value("friend.savedFiles", 0).toInt(), 0);
    }

    void nothingStartsWhileBusy()
    {
        OpenFile *file = h->open({h->pdf("Name.pdf", 2)});
        QPromise<Result<void>> other;
        other.start();
        const QFuture<void> running =
            model().run("Merging…", [&](CancelToken) { return other.future(); });
        QVERIFY(model().busy());

        // No panel is shown, so nothing can be confirmed and lost.
        h->panels.saveAnswers.enqueue(h->path("Second.pdf"));
        h->panels.folderAnswers.enqueue(QUrl::fromLocalFile(h->folder.path()));
        waitFor(model().saveAs(file));
        waitFor(model().extract(file));
        waitFor(model().writeFiles(
            {{"Scan", "pdf"}}, std::nullopt, "Export", "Exporting…",
            [](int, CancelToken) { return Async::ready(Result<QByteArray>(QByteArray("x"))); }));
        QVERIFY(h->panels.saveCalls.isEmpty());
        QVERIFY(h->panels.folderCalls.isEmpty());
        QCOMPARE(model().busy()->title, QStringLiteral("Merging…"));

        other.addResult(Result<void>());
        other.finish();
        waitFor(running);
        QVERIFY(!model().busy());
        QVERIFY(!QFile::exists(h->folder.filePath("Second.pdf")));
    }

    void saveConfirmedWhileBusyIsReported()
    {
        // A panel the test answers later, while another operation has started.
        struct HeldPanels : FakeFilePanels
        {
            QPromise<std::optional<QUrl>> answer;
            QFuture<std::optional<QUrl>> chooseSaveUrl(QString, std::optional<QUrl>) override
            {
                answer.start();
                return answer.future();
            }
        } panels;
        model().setPanels(&panels);
        const QFuture<void> saving = model().save("%PDF-1.4 ready", "Ready", std::nullopt);
        QPromise<Result<void>> other;
        other.start();
        const QFuture<void> running =
            model().run("Exporting…", [&](CancelToken) { return other.future(); });
        panels.answer.addResult(h->path("Ready.pdf"));
        panels.answer.finish();
        waitFor(saving);
        QCOMPARE(model().errorMessage(),
                 std::optional<QString>("“Ready.pdf” wasn't saved because another task was still "
                                        "running. Try again when it has finished."));
        QVERIFY(!QFile::exists(h->folder.filePath("Ready.pdf")));
        other.addResult(Result<void>());
        other.finish();
        waitFor(running);
        model().setPanels(&h->panels);
    }

    void writeFilesTakesFreeNames_data()
    {
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("written");
        QTest::newRow("Scan and Scan 2 taken") << QStringList{"Scan.pdf", "Scan 2.pdf"}
                                               << QStringList{"Scan"} << QStringList{"Scan 3.pdf"};
        QTest::newRow("two entries named alike") << QStringList{} << QStringList{"Scan", "Scan"}
                                                 << QStringList{"Scan.pdf", "Scan 2.pdf"};
        QTest::newRow("a folder holds the name")
            << QStringList{"Scan.pdf/"} << QStringList{"Scan", "Other"}
            << QStringList{"Scan 2.pdf", "Other.pdf"};
    }

    void writeFilesTakesFreeNames()
    {
        QFETCH(QStringList, present);
        QFETCH(QStringList, names);
        QFETCH(QStringList, written);
        const QString folder = h->folder.filePath("out");
        QVERIFY(QDir().mkpath(folder));
        for (const QString &name : present) {
            if (name.endsWith('/')) {
                QVERIFY(QDir(folder).mkdir(name.chopped(1)));
            } else {
                QVERIFY(Fixtures::writeAll(QDir(folder).filePath(name), "before"));
            }
        }
        QList<AppModel::OutputName> items;
        for (const QString &name : names) {
            items.append({name, "pdf"});
        }
        h->panels.folderAnswers.enqueue(QUrl::fromLocalFile(folder));
        waitFor(model().writeFiles(
            items, h->path("Name.pdf"), "Export", "Exporting…", [](int i, CancelToken) {
                return Async::ready(Result<QByteArray>(QByteArray::number(i)));
            }));
        QCOMPARE(h->panels.folderCalls.size(), 1);
        QCOMPARE(h->panels.folderCalls[0].second, QStringLiteral("Export"));
        QVERIFY(!model().errorMessage());
        for (qsizetype i = 0; i < written.size(); ++i) {
            QCOMPARE(Fixtures::readAll(QDir(folder).filePath(written[i])), QByteArray::number(i));
        }
        for (const QString &name : present) {
            if (!name.endsWith('/')) {
                QCOMPARE(Fixtures::readAll(QDir(folder).filePath(name)), QByteArray("before"));
            }
        }
        const QString text = written.size() == 1
                                 ? QStringLiteral("Saved “%1”").arg(written[0])
                                 : QStringLiteral("Saved %1 files").arg(written.size());
        QCOMPARE(model().toast(),
                 std::optional<Toast>(
                     Toast{text, QUrl::fromLocalFile(QDir(folder).filePath(written[0]))}));
        QCOMPARE(QSettings().value("friend.savedFiles").toInt(), written.size());
    }

    void writeFilesStopsAtAFailure_data()
    {
        QTest::addColumn<bool>("cancel");
        QTest::newRow("the second file can't be made") << false;
        QTest::newRow("cancelled after the first file") << true;
    }

    void writeFilesStopsAtAFailure()
    {
        QFETCH(bool, cancel);
        const QString folder = h->folder.filePath("out");
        QVERIFY(QDir().mkpath(folder));
        h->panels.folderAnswers.enqueue(QUrl::fromLocalFile(folder));
        const auto make = [cancel](int i, CancelToken task) {
            if (i == 0) {
                if (cancel) {
                    task.cancel();
                }
                return Async::ready(Result<QByteArray>(QByteArray("first")));
            }
            return Async::ready(Result<QByteArray>(Error{"The page couldn't be drawn."}));
        };
        waitFor(model().writeFiles({{"A", "png"}, {"B", "png"}, {"C", "png"}}, std::nullopt,
                                   "Export", "Exporting…", make));
        QCOMPARE(SavingHarness::namesIn(folder), QStringList{"A.png"});
        QCOMPARE(model().errorMessage(),
                 cancel ? std::optional<QString>()
                        : std::optional<QString>("The page couldn't be drawn."));
        QVERIFY(!model().toast());
        QVERIFY(!model().busy());
        QCOMPARE(QSettings().value("friend.savedFiles", 0).toInt(), 0);
    }

    void extractLeavesTheDocumentAlone()
    {
        OpenFile *file = h->open({h->pdf("Contract.pdf", 7)});
        const QList<PageItem> pages = file->pages();
        const QSet<QUuid> selection{pages[1].id, pages[2].id, pages[3].id, pages[6].id};
        file->setSelection(selection);
        const QUrl target = h->path("Contract (pages 2-4, 7).pdf");
        h->panels.saveAnswers.enqueue(target);
        waitFor(model().extract(file));
        QCOMPARE(h->panels.saveCalls[0].first, QStringLiteral("Contract (pages 2-4, 7).pdf"));
        QCOMPARE(SavingHarness::pageTexts(target), SavingHarness::numbered({2, 3, 4, 7}));
        QCOMPARE(file->pages(), pages);
        QCOMPARE(file->selection(), selection);
        QVERIFY(!file->isEdited());
        QCOMPARE(model().toast()->text, QStringLiteral("Saved “Contract (pages 2-4, 7).pdf”"));

        // With nothing selected the whole document is taken.
        file->setSelection({});
        waitFor(model().extract(file));
        QCOMPARE(h->panels.saveCalls[1].first, QStringLiteral("Contract (pages 1-7).pdf"));
    }
};

QTEST_MAIN(TestSaving)
#include "tst_Saving.moc"
