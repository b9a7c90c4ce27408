#include "app/AdaptiveGridLayout.h"

#include <QLabel>
#include <QTest>

class TestAdaptiveGridLayout : public QObject
{
    Q_OBJECT

private slots:
    void rowIsAsTallAsItsTallestItem()
    {
        QWidget grid;
        auto *layout = new AdaptiveGridLayout(250, 14, &grid);
        auto *shortOne = new QLabel("short");
        shortOne->setFixedHeight(96);
        auto *wrapping = new QLabel(QString("words that wrap onto several lines ").repeated(10));
        wrapping->setWordWrap(true);
        wrapping->setMinimumHeight(96);
        auto *growing = new QLabel("grows");
        growing->setMinimumHeight(96);
        auto *next = new QLabel("next row");
        next->setFixedHeight(96);
        layout->addWidget(shortOne);
        layout->addWidget(wrapping);
        layout->addWidget(growing);
        layout->addWidget(next);

        const int width = 778; // three columns of 250
        const int height = layout->heightForWidth(width);
        layout->setGeometry(QRect(0, 0, width, height));
        const QRect tall = wrapping->geometry();
        QVERIFY2(tall.height() > 96, "a long text is cut instead of growing its cell");
        QCOMPARE(tall.height(), std::max(96, wrapping->heightForWidth(250)));
        // The row lines up at the top: an item that can grow is as tall as the
        // row, a fixed one keeps its height; the next row starts below the tall one.
        QCOMPARE(growing->geometry().top(), tall.top());
        QCOMPARE(growing->geometry().height(), tall.height());
        QCOMPARE(shortOne->geometry().top(), tall.top());
        QCOMPARE(shortOne->geometry().height(), 96);
        QCOMPARE(next->geometry().top(), tall.bottom() + 1 + 14);
        QCOMPARE(height, tall.height() + 14 + 96);
    }
};

QTEST_MAIN(TestAdaptiveGridLayout)
#include "tst_AdaptiveGridLayout.moc"
