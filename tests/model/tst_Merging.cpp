#include "SavingHarness.h"

#include "model/MergeModel.h"

#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

// Filling the merge list from chosen files and writing it as one PDF.
class TestMerging : public QObject
{
    Q_OBJECT

    std::unique_ptr<SavingHarness> h;

    AppModel &model() { return *h->model; }
    MergeModel &merge() { return *h->model->merge(); }

    QStringList entryNames()
    {
        QStringList names;
        for (const MergeItem &item : merge().items()) {
            names.append(QStringLiteral("%1:%2").arg(item.name).arg(item.pages.size()));
        }
        return names;
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

    void mergesEntriesInListOrder()
    {
        QVERIFY(TestUtil::waitFor(model().addToMerge({h->pdf("Report.pdf", 2), h->pdf("Annex.pdf", 3)})));
        QCOMPARE(entryNames(), QStringList({"Report:2", "Annex:3"}));
        const QList<MergeItem> entries = merge().items();

        const QUrl target = h->path("out.pdf");
        h->panels.saveAnswers.enqueue(target);
        QSignalSpy busy(&model(), &AppModel::busyChanged);
        QString title;
        connect(&model(), &AppModel::busyChanged, this, [&] {
            if (model().busy()) {
                title = model().busy()->title;
            }
        });
        QVERIFY(TestUtil::waitFor(model().mergeFiles()));
        QCOMPARE(title, QStringLiteral("Merging…"));
        QCOMPARE(h->panels.saveCalls[0].first, QStringLiteral("Report (merged).pdf"));
        QCOMPARE(h->panels.saveCalls[0].second, std::optional<QUrl>(h->path("Report.pdf")));
        QVERIFY(!model().errorMessage());
        QVERIFY(!model().busy());
        QStringList expected = SavingHarness::numbered({1, 2});
        expected += SavingHarness::numbered({1, 2, 3});
        QCOMPARE(SavingHarness::pageTexts(target), expected);
        QCOMPARE(model().toast(), std::optional<Toast>(Toast{"Saved “out.pdf”", target}));
        QCOMPARE(QSettings().value("friend.savedFiles").toInt(), 1);

        // The list stays, and merging again proposes the same name.
        QCOMPARE(merge().items(), entries);
        QVERIFY(TestUtil::waitFor(model().mergeFiles()));
        QCOMPARE(h->panels.saveCalls[1].first, QStringLiteral("Report (merged).pdf"));
    }

    void addsWhatCanBeRead_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("message");
        QTest::newRow("three pictures, in the given order")
            << QStringList{"c.png", "a.jpg", "b.png"} << QStringList{"c:1", "a:1", "b:1"} << QString();
        QTest::newRow("other kinds only") << QStringList{"notes.txt", "data.csv"} << QStringList{} << QString();
        QTest::newRow("a damaged PDF among good ones")
            << QStringList{"One.pdf", "Broken.pdf", "Two.pdf"} << QStringList{"One:2", "Two:2"}
            << "“Broken.pdf” can't be opened. It may be damaged or not a PDF.";
        QTest::newRow("a damaged picture is passed over")
            << QStringList{"bad.png", "One.pdf"} << QStringList{"One:2"} << QString();
    }

    void addsWhatCanBeRead()
    {
        QFETCH(QStringList, files);
        QFETCH(QStringList, entries);
        QFETCH(QString, message);
        QList<QUrl> urls;
        for (const QString &name : files) {
            const QUrl url = h->path(name);
            if (name.startsWith("Broken") || name.startsWith("bad") || name.endsWith(".txt") || name.endsWith(".csv")) {
                QVERIFY(Fixtures::writeAll(url.toLocalFile(), "not what the name says"));
            } else if (name.endsWith(".pdf")) {
                h->pdf(name, 2);
            } else {
                QVERIFY(Fixtures::writePicture(url.toLocalFile(), QSize(30, 20)));
            }
            urls.append(url);
        }
        QVERIFY(TestUtil::waitFor(model().addToMerge(urls)));
        QCOMPARE(entryNames(), entries);
        QCOMPARE(model().errorMessage().value_or(QString()), message);
    }

    void lockedFileIsMergedWithoutPassword()
    {
        const QUrl locked = h->pdf("Locked.pdf", 2, {"secret", {}});
        connect(&model(), &AppModel::passwordRequestChanged, this, [&] {
            if (model().passwordRequest()) {
                model().answerPassword(QStringLiteral("secret"));
            }
        });
        QVERIFY(TestUtil::waitFor(model().addToMerge({locked, h->pdf("Plain.pdf", 1)})));
        QCOMPARE(entryNames(), QStringList({"Locked:2", "Plain:1"}));
        const QUrl target = h->path("Joined.pdf");
        h->panels.saveAnswers.enqueue(target);
        QVERIFY(TestUtil::waitFor(model().mergeFiles()));
        QVERIFY(!model().errorMessage());
        QCOMPARE(SavingHarness::pageTexts(target), SavingHarness::numbered({1, 2, 1}));
    }

    void mergeIsRefused_data()
    {
        QTest::addColumn<int>("entries");
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("panels");
        QTest::addColumn<QString>("message");
        QTest::newRow("a single entry") << 1 << "out.pdf" << 0 << QString();
        QTest::newRow("the target is an entry's source")
            << 2 << "A.pdf" << 1 << "“A.pdf” is open in Tamsel, so it can't be replaced. Save under another name.";
    }

    void mergeIsRefused()
    {
        QFETCH(int, entries);
        QFETCH(QString, target);
        QFETCH(int, panels);
        QFETCH(QString, message);
        QList<QUrl> urls{h->pdf("A.pdf", 1), h->pdf("B.pdf", 1)};
        QVERIFY(TestUtil::waitFor(model().addToMerge(urls.mid(0, entries))));
        const QByteArray before = Fixtures::readAll(h->path("A.pdf").toLocalFile());
        h->panels.saveAnswers.enqueue(h->path(target));
        QSignalSpy busy(&model(), &AppModel::busyChanged);
        QVERIFY(TestUtil::waitFor(model().mergeFiles()));
        QCOMPARE(h->panels.saveCalls.size(), panels);
        QCOMPARE(model().errorMessage().value_or(QString()), message);
        QCOMPARE(busy.size(), 0);
        QVERIFY(!QFile::exists(h->dir.filePath("out.pdf")));
        QCOMPARE(Fixtures::readAll(h->path("A.pdf").toLocalFile()), before);
    }

    void entryKeepsThePagesItWasAddedWith()
    {
        OpenFile *file = h->open({h->pdf("Doc.pdf", 3)});
        merge().add(*file);
        merge().add(*file);
        model().deletePages(file, {file->pages()[0].id});
        const QUrl target = h->path("Twice.pdf");
        h->panels.saveAnswers.enqueue(target);
        QVERIFY(TestUtil::waitFor(model().mergeFiles()));
        QCOMPARE(SavingHarness::pageTexts(target), SavingHarness::numbered({1, 2, 3, 1, 2, 3}));
        QCOMPARE(file->pages().size(), 2);
    }
};

QTEST_MAIN(TestMerging)
#include "tst_Merging.moc"
