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
