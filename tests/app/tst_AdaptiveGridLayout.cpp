#include "app/AdaptiveGridLayout.h"

#include <QLabel>
#include <QTest>

class TestAdaptiveGridLayout : public QObject
{
    Q_OBJECT

private slots:
    void columnsFollowWidth_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("columns");
        QTest::newRow("the 900 cap") << 844 << 3;
        QTest::newRow("three just fit") << 778 << 3;
        QTest::newRow("one short of three") << 777 << 2;
        QTest::newRow("two just fit") << 514 << 2;
        QTest::newRow("one short of two") << 513 << 1;
        QTest::newRow("narrower than one column") << 120 << 1;
        QTest::newRow("zero") << 0 << 1;
    }

    void columnsFollowWidth()
    {
        QFETCH(int, width);
        QFETCH(int, columns);
        QWidget grid;
        auto *layout = new AdaptiveGridLayout(250, 14, &grid);
        for (int i = 0; i < 6; ++i) {
            layout->addWidget(new QLabel(QString::number(i)));
        }
        QCOMPARE(layout->columnsForWidth(width), columns);

        layout->setGeometry(QRect(0, 0, width, layout->heightForWidth(width)));
        QSet<int> lefts;
        for (int i = 0; i < layout->count(); ++i) {
            const QRect cell = layout->itemAt(i)->geometry();
            lefts.insert(cell.left());
            QVERIFY(cell.right() < std::max(width, 250));
        }
        QCOMPARE(int(lefts.size()), columns);
    }

    void rowIsAsTallAsItsTallestItem()
    {
        QWidget grid;
        auto *layout = new AdaptiveGridLayout(250, 14, &grid);
        auto *shortOne = new QLabel("short");
        shortOne->setFixedHeight(96);
        auto *wrapping = new QLabel(QString("words that wrap onto several lines ").repeated(10));
        wrapping->setWordWrap(true);
        wrapping->setMinimumHeight(96);
        auto *next = new QLabel("next row");
        next->setFixedHeight(96);
        layout->addWidget(shortOne);
        layout->addWidget(wrapping);
        layout->addWidget(next);

        const int width = 514; // two columns of 250
        const int height = layout->heightForWidth(width);
        layout->setGeometry(QRect(0, 0, width, height));
        const QRect tall = wrapping->geometry();
        QVERIFY2(tall.height() > 96, "a long text is cut instead of growing its cell");
        QCOMPARE(tall.height(), std::max(96, wrapping->heightForWidth(250)));
        // The short item sits in the middle of the row; the next row starts below the tall one.
        QCOMPARE(shortOne->geometry().center().y(), tall.center().y());
        QCOMPARE(next->geometry().top(), tall.bottom() + 1 + 14);
        QCOMPARE(height, tall.height() + 14 + 96);
    }
};

QTEST_MAIN(TestAdaptiveGridLayout)
#include "tst_AdaptiveGridLayout.moc"
