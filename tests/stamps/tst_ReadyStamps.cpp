#include "helpers/TestUtil.h"
#include "stamps/ReadyStamps.h"
#include "stamps/StampLibrary.h"

#include <QFile>
#include <QFontMetricsF>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using Text = std::optional<QString>;
Q_DECLARE_METATYPE(Text)

class TestReadyStamps : public QObject
{
    Q_OBJECT

private:
    static qreal lineHeight(int pixelSize)
    {
        QFont font;
        font.setFamilies({QStringLiteral("Inter"), QStringLiteral("Helvetica")});
        font.setWeight(QFont::Bold);
        font.setPixelSize(pixelSize);
        const QFontMetricsF metrics(font);
        return metrics.ascent() + metrics.descent();
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void stampIdsAreFixed()
    {
        const Text approved = word(ReadyStamp::Approved);
        QCOMPARE(ReadyStampRenderer::stampID(approved, std::nullopt, StampInk::Red),
                 QUuid(QStringLiteral("B12A52D5-2D74-5BB8-BF34-9A69460CD189")));
        const Text date = QStringLiteral("Dec 9, 2026");
        const QList<QUuid> ids{ReadyStampRenderer::stampID(approved, std::nullopt, StampInk::Red),
                               ReadyStampRenderer::stampID(approved, std::nullopt, StampInk::Blue),
                               ReadyStampRenderer::stampID(approved, date, StampInk::Red),
                               ReadyStampRenderer::stampID(std::nullopt, date, StampInk::Red)};
        for (const QUuid &id : ids) {
            QCOMPARE(ids.count(id), 1);
        }
    }

    void render_data()
    {
        QTest::addColumn<Text>("word");
        QTest::addColumn<Text>("date");
        QTest::addColumn<qreal>("textHeight"); // lines plus gaps; negative: nothing drawn
        const Text date = QStringLiteral("Dec 9, 2026");
        QTest::newRow("nothing") << Text() << Text() << -1.0;
        QTest::newRow("empty word alone") << Text("") << Text() << -1.0;
        QTest::newRow("empty word with a date") << Text("") << date << lineHeight(150);
        QTest::newRow("date alone") << Text() << date << lineHeight(120);
        QTest::newRow("word over date")
            << Text("PAID") << date << lineHeight(150) + 26 + lineHeight(78);
    }

    void render()
    {
        QFETCH(Text, word);
        QFETCH(Text, date);
        QFETCH(qreal, textHeight);
        const auto stamp = ReadyStampRenderer::render(word, date, StampInk::Blue);
        QCOMPARE(stamp.has_value(), textHeight >= 0);
        if (!stamp) {
            return;
        }
        QCOMPARE(stamp->pixelHeight, int(std::ceil(textHeight + 112)));
        const QImage image = QImage::fromData(stamp->png, "PNG");
        QCOMPARE(image.size(), QSize(stamp->pixelWidth, stamp->pixelHeight));
        QCOMPARE(qAlpha(image.pixel(image.width() / 2, 23)), 0);        // between the two rings
        QCOMPARE(image.pixelColor(image.width() / 2, 10).alpha(), 235); // the ink's 0.92
    }

    void choosingTwiceStoresOnce()
    {
        QTemporaryDir dir;
        StampLibrary library(dir.path());
        const Text paid = word(ReadyStamp::Paid);
        const Text date = ReadyStampRenderer::today();
        QVERIFY(date->contains(QString::number(QDate::currentDate().year())));
        // Two choices before the first is drawn, then one more afterwards.
        const auto first = ReadyStampRenderer::choose(&library, paid, date, StampInk::Black);
        const auto second = ReadyStampRenderer::choose(&library, paid, date, StampInk::Black);
        const std::optional<StampRecord> a = TestUtil::await(first);
        QVERIFY(a);
        QCOMPARE(TestUtil::await(second), a);
        QCOMPARE(a->id, ReadyStampRenderer::stampID(paid, date, StampInk::Black));
        QCOMPARE(a->name, QStringLiteral("PAID \u00B7 ") + *date);
        QFile index(library.indexFile());
        const QDateTime written = QFileInfo(index).lastModified();
        QCOMPARE(TestUtil::await(ReadyStampRenderer::choose(&library, paid, date, StampInk::Black)),
                 a);
        QCOMPARE(QFileInfo(index).lastModified(), written);
        QCOMPARE(library.stamps().size(), 1);
        const auto dateOnly =
            TestUtil::await(ReadyStampRenderer::choose(&library, {}, date, StampInk::Red));
        QCOMPARE(dateOnly->name, *date);
    }
};

QTEST_MAIN(TestReadyStamps)
#include "tst_ReadyStamps.moc"
