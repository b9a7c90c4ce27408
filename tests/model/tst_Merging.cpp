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
        QVERIFY(TestUtil::waitFor(
            model().addToMerge({h->pdf("Report.pdf", 2), h->pdf("Annex.pdf", 3)})));
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
            << QStringList{"c.png", "a.jpg", "b.png"} << QStringList{"c:1", "a:1", "b:1"}
            << QString();
        QTest::newRow("other kinds only")
            << QStringList{"notes.txt", "data.csv"} << QStringList{} << QString();
        QTest::newRow("a damaged PDF among good ones")
            << QStringList{"One.pdf", "Broken.pdf", "Two.pdf"} << QStringList{"One:2", "Two:2"}
            << "“Broken.pdf” can't be opened. It may be damaged or not a PDF.";
    }

    void addsWhatCanBeRead()
    {
        QFETCH(QStringList, files);
        QFETCH(QStringList, entries);
        QFETCH(QString, message);
        QList<QUrl> urls;
        for (const QString &name : files) {
            const QUrl url = h->path(name);
            if (name.startsWith("Broken") || name.endsWith(".txt") || name.endsWith(".csv")) {
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

    void lockedFilesAreMergedWithoutPassword()
    {
        // Read at the same time, yet asked one after the other, each with its
        // own name, and listed in the order given.
        const QUrl first = h->pdf("Locked.pdf", 2, {"secret", {}});
        const QUrl second = h->pdf("Sealed.pdf", 3, {"other", {}});
        QStringList asked;
        connect(&model(), &AppModel::passwordRequestChanged, this, [&] {
            if (const auto request = model().passwordRequest()) {
                asked.append(request->fileName);
                model().answerPassword(request->fileName == QStringLiteral("Locked.pdf")
                                           ? QStringLiteral("secret")
                                           : QStringLiteral("other"));
            }
        });
        QVERIFY(TestUtil::waitFor(model().addToMerge({first, h->pdf("Plain.pdf", 1), second})));
        QCOMPARE(entryNames(), QStringList({"Locked:2", "Plain:1", "Sealed:3"}));
        asked.sort();
        QCOMPARE(asked, QStringList({"Locked.pdf", "Sealed.pdf"}));
        const QUrl target = h->path("Joined.pdf");
        h->panels.saveAnswers.enqueue(target);
        QVERIFY(TestUtil::waitFor(model().mergeFiles()));
        QVERIFY(!model().errorMessage());
        QCOMPARE(SavingHarness::pageTexts(target), SavingHarness::numbered({1, 2, 1, 1, 2, 3}));
    }
};

QTEST_MAIN(TestMerging)
#include "tst_Merging.moc"
