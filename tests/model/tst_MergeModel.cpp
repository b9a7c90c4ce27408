#include "document/OpenFile.h"
#include "model/MergeModel.h"

#include <QSignalSpy>
#include <QTest>

class TestMergeModel : public QObject
{
    Q_OBJECT

private:
    static QStringList names(const MergeModel &model)
    {
        QStringList out;
        for (const MergeItem &item : model.items()) {
            out.append(item.name);
        }
        return out;
    }

private slots:
    void addingAFileMakesUntouchedPages()
    {
        MergeModel model;
        const QUrl url = QUrl::fromLocalFile("/tmp/Annual.report.pdf");
        model.add(url, 3);
        QCOMPARE(model.items().size(), 1);
        const MergeItem &item = model.items().first();
        QCOMPARE(item.name, QStringLiteral("Annual.report"));
        QCOMPARE(item.pages.size(), 3);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(item.pages[i].source, (PageSource{url, i}));
            QCOMPARE(item.pages[i].turn, 0);
            QVERIFY(item.pages[i].stamps.isEmpty());
        }
    }

    void openDocumentIsASnapshot()
    {
        const QUrl url = QUrl::fromLocalFile("/tmp/a.pdf");
        OpenFile file(url, "a", true,
                      {PageItem{QUuid::createUuid(),
                                {url, 0},
                                90,
                                {StampPlacement{
                                    QUuid::createUuid(), QUuid::createUuid(), {0.5, 0.5}, 0.3, 0}}},
                       PageItem{QUuid::createUuid(), {url, 1}, 0, {}}},
                      std::nullopt);
        MergeModel model;
        model.add(file);
        model.add(file);
        QCOMPARE(model.items().size(), 2);
        QVERIFY(model.items()[0].id != model.items()[1].id);
        QVERIFY(model.items()[0].pages[0].id != model.items()[1].pages[0].id);
        QVERIFY(model.items()[0].pages[0].id != file.pages()[0].id);
        QVERIFY(model.items()[0].pages[0].stamps[0].id != file.pages()[0].stamps[0].id);
        QCOMPARE(model.items()[0].pages[0].turn, 90);

        file.setPages({file.pages()[1]});
        QCOMPARE(model.items()[0].pages.size(), 2);
        QCOMPARE(model.pageCount(), 4);
    }

    void move_data()
    {
        QTest::addColumn<QList<int>>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QStringList>("result");
        QTest::newRow("first to end") << QList<int>{0} << 3 << QStringList{"B", "C", "A"};
        QTest::newRow("last to front") << QList<int>{2} << 0 << QStringList{"C", "A", "B"};
        QTest::newRow("block keeps order") << QList<int>{2, 0} << 2 << QStringList{"B", "A", "C"};
        QTest::newRow("onto itself") << QList<int>{1} << 1 << QStringList{"A", "B", "C"};
    }

    void move()
    {
        QFETCH(QList<int>, from);
        QFETCH(int, to);
        QFETCH(QStringList, result);
        MergeModel model;
        for (const char *name : {"A", "B", "C"}) {
            model.add(QUrl::fromLocalFile(QStringLiteral("/tmp/%1.pdf").arg(name)), 1);
        }
        QSignalSpy spy(&model, &MergeModel::itemsChanged);
        model.move(QSet<int>(from.cbegin(), from.cend()), to);
        QCOMPARE(names(model), result);
        QCOMPARE(spy.count(), 1);
    }

    void equalAssignmentIsSilent()
    {
        MergeModel model;
        model.add(QUrl::fromLocalFile("/tmp/a.pdf"), 2);
        model.add(QUrl::fromLocalFile("/tmp/b.pdf"), 5);
        QCOMPARE(model.pageCount(), 7);
        QSignalSpy spy(&model, &MergeModel::itemsChanged);
        model.setItems(QList<MergeItem>(model.items()));
        QCOMPARE(spy.count(), 0);
        model.setItems({});
        QCOMPARE(spy.count(), 1);
        QCOMPARE(model.pageCount(), 0);
    }
};

QTEST_GUILESS_MAIN(TestMergeModel)
#include "tst_MergeModel.moc"
