#include "document/OpenFile.h"
#include "helpers/ModelFixture.h"
#include "model/AppModel.h"

#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

#include "helpers/InMemoryDocument.h"

// Deleting and reordering pages in memory. Pages are named by their 1-based
// position in the document as it was made.
class TestPageEdits : public QObject
{
    Q_OBJECT

    std::unique_ptr<ModelFixture> m_fixture;
    AppModel *m_model = nullptr;
    OpenFile *m_file = nullptr;

    void makeDocument(int pages)
    {
        m_fixture = std::make_unique<ModelFixture>(ModelFixture::Engine::None);
        m_model = m_fixture->model.get();
        m_file = addInMemoryDocument(*m_model, pages);
    }

    QList<int> order() const
    {
        QList<int> numbers;
        for (const PageItem &page : m_file->pages()) {
            numbers.append(page.source.index + 1);
        }
        return numbers;
    }

    QList<QUuid> ids(const QList<int> &numbers) const
    {
        QList<QUuid> out;
        for (int n : numbers) {
            // A number past the end stands for an id that names no page.
            out.append(n <= m_file->pages().size() ? m_file->pages()[n - 1].id
                                                   : QUuid::createUuid());
        }
        return out;
    }

    QSet<QUuid> idSet(const QList<int> &numbers) const
    {
        const QList<QUuid> list = ids(numbers);
        return QSet<QUuid>(list.cbegin(), list.cend());
    }

    static const QString refusal()
    {
        return QStringLiteral("A file needs at least one page. To get rid of it, close the file.");
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void deletePages_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<int>>("remove");
        QTest::addColumn<QList<int>>("remaining");
        QTest::addColumn<bool>("refused");
        QTest::newRow("nothing") << 3 << QList<int>{} << QList<int>{1, 2, 3} << false;
        QTest::newRow("two of three") << 3 << QList<int>{1, 3} << QList<int>{2} << false;
        QTest::newRow("all three") << 3 << QList<int>{1, 2, 3} << QList<int>{1, 2, 3} << true;
        QTest::newRow("four ids, one stale, in three pages")
            << 3 << QList<int>{1, 2, 3, 9} << QList<int>{1, 2, 3} << true;
        QTest::newRow("a stale id beside a real one")
            << 3 << QList<int>{2, 9} << QList<int>{1, 3} << false;
    }

    void deletePages()
    {
        QFETCH(int, count);
        QFETCH(QList<int>, remove);
        QFETCH(QList<int>, remaining);
        QFETCH(bool, refused);
        makeDocument(count);
        m_file->setSelection(idSet({1, 2}));
        const QUuid keptSelected = m_file->pages()[0].id;
        m_model->deletePages(m_file, idSet(remove));
        QCOMPARE(order(), remaining);
        QCOMPARE(m_model->errorMessage(),
                 refused ? std::optional<QString>(refusal()) : std::nullopt);
        const bool changed = !refused && !remove.isEmpty();
        QCOMPARE(m_file->isEdited(), changed);
        if (changed) {
            // Deleted ids leave the selection; the others stay selected.
            for (const QUuid &id : m_file->selection()) {
                QVERIFY(std::any_of(m_file->pages().cbegin(), m_file->pages().cend(),
                                    [&](const PageItem &p) { return p.id == id; }));
            }
            QCOMPARE(m_file->selection().contains(keptSelected), !remove.contains(1));
        } else {
            QCOMPARE(m_file->selection().size(), 2);
        }
    }

    void move_data()
    {
        QTest::addColumn<QList<int>>("moving");
        QTest::addColumn<int>("before"); // 0: no target
        QTest::addColumn<QList<int>>("result");
        QTest::addColumn<bool>("edited");
        QTest::newRow("4 and 2 before 1")
            << QList<int>{4, 2} << 1 << QList<int>{2, 4, 1, 3, 5} << true;
        QTest::newRow("4 and 2 to the end")
            << QList<int>{4, 2} << 0 << QList<int>{1, 3, 5, 2, 4} << true;
        QTest::newRow("before itself") << QList<int>{3} << 3 << QList<int>{1, 2, 3, 4, 5} << false;
        QTest::newRow("before another dragged page")
            << QList<int>{2, 4} << 4 << QList<int>{1, 2, 3, 4, 5} << false;
        QTest::newRow("already in place")
            << QList<int>{3} << 4 << QList<int>{1, 2, 3, 4, 5} << false;
        QTest::newRow("target names no page")
            << QList<int>{1} << 9 << QList<int>{2, 3, 4, 5, 1} << true;
        QTest::newRow("no id names a page")
            << QList<int>{9} << 1 << QList<int>{1, 2, 3, 4, 5} << false;
    }

    void move()
    {
        QFETCH(QList<int>, moving);
        QFETCH(int, before);
        QFETCH(QList<int>, result);
        QFETCH(bool, edited);
        makeDocument(5);
        const QSet<QUuid> selected = idSet({5});
        m_file->setSelection(selected);
        std::optional<QUuid> target;
        if (before > 0) {
            target = ids({before}).first();
        }
        QSignalSpy spy(m_file, &OpenFile::pagesChanged);
        m_model->move(m_file, ids(moving), target);
        QCOMPARE(order(), result);
        QCOMPARE(m_file->isEdited(), edited);
        QCOMPARE(spy.count(), edited ? 1 : 0);
        QCOMPARE(m_file->selection(), selected);
    }
};

QTEST_GUILESS_MAIN(TestPageEdits)
#include "tst_PageEdits.moc"
