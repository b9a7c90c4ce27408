#include "document/PageRanges.h"

#include <QTest>

using Ranges = QList<PageRanges::Range>;
Q_DECLARE_METATYPE(std::optional<Ranges>)

class TestPageRanges : public QObject
{
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("count");
        QTest::addColumn<std::optional<Ranges>>("expected");
        const std::optional<Ranges> invalid;
        QTest::newRow("runs and singles")
            << "1-3, 5, 8-10" << 10 << std::optional<Ranges>(Ranges{{1, 3}, {5, 5}, {8, 10}});
        QTest::newRow("past the end") << "1-3, 5, 8-10" << 9 << invalid;
        QTest::newRow("semicolon") << "2;4" << 5 << std::optional<Ranges>(Ranges{{2, 2}, {4, 4}});
        QTest::newRow("doubled comma")
            << "2,,4" << 5 << std::optional<Ranges>(Ranges{{2, 2}, {4, 4}});
        QTest::newRow("outer commas")
            << ",2,4," << 5 << std::optional<Ranges>(Ranges{{2, 2}, {4, 4}});
        QTest::newRow("kept as typed")
            << "5, 1-3, 2" << 10 << std::optional<Ranges>(Ranges{{5, 5}, {1, 3}, {2, 2}});
        QTest::newRow("empty") << "" << 5 << invalid;
        QTest::newRow("blanks") << "   " << 5 << invalid;
        QTest::newRow("only separators") << ", ;" << 5 << invalid;
        QTest::newRow("zero") << "0" << 5 << invalid;
        QTest::newRow("backwards") << "5-3" << 5 << invalid;
        QTest::newRow("to zero") << "3-0" << 5 << invalid;
        QTest::newRow("plus sign") << "+4" << 5 << std::optional<Ranges>(Ranges{{4, 4}});
        QTest::newRow("spaced hyphen") << "4 - 6" << 6 << std::optional<Ranges>(Ranges{{4, 6}});
        QTest::newRow("tabbed en dash")
            << QStringLiteral("4\t\u2013\t6") << 6 << std::optional<Ranges>(Ranges{{4, 6}});
        QTest::newRow("em dash") << QStringLiteral("2\u20143") << 6
                                 << std::optional<Ranges>(Ranges{{2, 3}});
        QTest::newRow("leading dash") << "-3" << 5 << std::optional<Ranges>(Ranges{{3, 3}});
        QTest::newRow("trailing dash") << "3-" << 5 << std::optional<Ranges>(Ranges{{3, 3}});
        QTest::newRow("doubled dash") << "3--5" << 5 << std::optional<Ranges>(Ranges{{3, 5}});
        QTest::newRow("three parts") << "1-2-3" << 5 << invalid;
        QTest::newRow("blank part") << "3 - -" << 5 << invalid;
        QTest::newRow("blank inside number") << "1 2" << 20 << invalid;
        QTest::newRow("decimal") << "1.5" << 5 << invalid;
        QTest::newRow("line break") << "2\n3" << 50 << invalid;
        QTest::newRow("arabic digits") << QStringLiteral("\u0663") << 5 << invalid;
        QTest::newRow("overflow") << "99999999999999999999" << 5 << invalid;
    }

    void parse()
    {
        QFETCH(QString, text);
        QFETCH(int, count);
        QFETCH(std::optional<Ranges>, expected);
        QCOMPARE(PageRanges::parse(text, count), expected);
    }

    void describe_data()
    {
        QTest::addColumn<QList<int>>("numbers");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QList<int>{} << "";
        QTest::newRow("one") << QList<int>{7} << "7";
        QTest::newRow("one run") << QList<int>{1, 2, 3, 4} << "1-4";
        QTest::newRow("pair") << QList<int>{5, 4} << "4-5";
        QTest::newRow("gaps") << QList<int>{1, 3, 5} << "1, 3, 5";
        QTest::newRow("unsorted with repeats") << QList<int>{8, 2, 1, 3, 5, 2} << "1-3, 5, 8";
    }

    void describe()
    {
        QFETCH(QList<int>, numbers);
        QFETCH(QString, text);
        QCOMPARE(PageRanges::describe(numbers), text);
    }

    void describeThenParseGivesTheRuns()
    {
        const auto ranges = PageRanges::parse(PageRanges::describe({9, 2, 3, 4, 7, 12}), 12);
        QCOMPARE(ranges, std::optional<Ranges>(Ranges{{2, 4}, {7, 7}, {9, 9}, {12, 12}}));
    }
};

QTEST_GUILESS_MAIN(TestPageRanges)
#include "tst_PageRanges.moc"
