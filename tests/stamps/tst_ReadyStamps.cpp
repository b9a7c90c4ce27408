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

    static QByteArray readAll(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void stampIdsAreFixed()
    {
        const Text approved = word(ReadyStamp::Approved);
        QCOMPARE(approved, Text(QStringLiteral("APPROVED")));
        QCOMPARE(ReadyStampRenderer::stampID(approved, std::nullopt, StampInk::Red),
                 QUuid::fromString(QStringLiteral("B12A52D5-2D74-5BB8-BF34-9A69460CD189")));

        const QList<QUuid> ids{
            ReadyStampRenderer::stampID(approved, std::nullopt, StampInk::Red),
            ReadyStampRenderer::stampID(approved, std::nullopt, StampInk::Blue),
            ReadyStampRenderer::stampID(approved, QStringLiteral("Dec 9, 2026"), StampInk::Red),
            ReadyStampRenderer::stampID(word(ReadyStamp::Paid), std::nullopt, StampInk::Red),
            ReadyStampRenderer::stampID(std::nullopt, QStringLiteral("Dec 9, 2026"), StampInk::Red),
        };
        for (qsizetype i = 0; i < ids.size(); ++i) {
            QCOMPARE(ids[i].version(), QUuid::Sha1); // version nibble 5
            QCOMPARE(ids[i].variant(), QUuid::DCE);
            QCOMPARE(ids.count(ids[i]), 1);
        }
    }

    void render_data()
    {
        QTest::addColumn<Text>("word");
        QTest::addColumn<Text>("date");
        QTest::addColumn<qreal>("textHeight"); // lines plus gaps; negative: nothing drawn
        QTest::newRow("nothing") << Text() << Text() << -1.0;
        QTest::newRow("empty word alone") << Text("") << Text() << -1.0;
        QTest::newRow("word alone") << Text("PAID") << Text() << lineHeight(150);
        QTest::newRow("empty word with a date") << Text("") << Text("Dec 9, 2026") << lineHeight(150);
        QTest::newRow("date alone") << Text() << Text("Dec 9, 2026") << lineHeight(120);
        QTest::newRow("word over date") << Text("PAID") << Text("Dec 9, 2026")
                                        << lineHeight(150) + 26 + lineHeight(78);
    }

    void render()
    {
        QFETCH(Text, word);
        QFETCH(Text, date);
        QFETCH(qreal, textHeight);
        const auto stamp = ReadyStampRenderer::render(word, date, StampInk::Blue);
        if (textHeight < 0) {
            QVERIFY(!stamp);
            return;
        }
        QVERIFY(stamp);
        QCOMPARE(stamp->pixelHeight, int(std::ceil(textHeight + 112)));
        const QImage image = QImage::fromData(stamp->png, "PNG");
        QCOMPARE(image.size(), QSize(stamp->pixelWidth, stamp->pixelHeight));
        QVERIFY(image.hasAlphaChannel());
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(image.width() / 2, 23)), 0); // between the rings
        // The middle of the outer ring, in the blue ink at 0.92 alpha.
        const QColor ring = image.pixelColor(image.width() / 2, 10);
        QCOMPARE(ring.alpha(), 235);
        QVERIFY(qAbs(ring.blue() - 179) <= 1);
        QVERIFY(ring.red() < 30);
    }

    void wordFitsItsCanvas()
    {
        const auto short_ = ReadyStampRenderer::render(QStringLiteral("PAID"), std::nullopt, StampInk::Red);
        const auto long_ = ReadyStampRenderer::render(QStringLiteral("CONFIDENTIAL"), std::nullopt,
                                                      StampInk::Red);
        QVERIFY(short_ && long_);
        QVERIFY(long_->pixelWidth > 2 * short_->pixelWidth);
        QCOMPARE(long_->pixelHeight, short_->pixelHeight);
    }

    void choosingTwiceStoresOnce()
    {
        QTemporaryDir dir;
        StampLibrary library(dir.path());
        const Text paid = word(ReadyStamp::Paid);
        const Text date = ReadyStampRenderer::today();
        // Two choices before the first has been drawn, then a third afterwards.
        const auto first = ReadyStampRenderer::choose(&library, paid, date, StampInk::Black);
        const auto second = ReadyStampRenderer::choose(&library, paid, date, StampInk::Black);
        const std::optional<StampRecord> a = TestUtil::await(first);
        const std::optional<StampRecord> b = TestUtil::await(second);
        QVERIFY(a && b);
        QCOMPARE(*a, *b);
        QCOMPARE(a->id, ReadyStampRenderer::stampID(paid, date, StampInk::Black));
        QCOMPARE(a->name, QStringLiteral("PAID \u00B7 ") + *date);
        const QByteArray index = readAll(library.indexFile());
        const auto third = TestUtil::await(ReadyStampRenderer::choose(&library, paid, date, StampInk::Black));
        QCOMPARE(third, a);
        QCOMPARE(readAll(library.indexFile()), index);
        QCOMPARE(library.stamps().size(), 1);

        const auto dateOnly = TestUtil::await(ReadyStampRenderer::choose(&library, std::nullopt, date,
                                                                          StampInk::Black));
        QVERIFY(dateOnly);
        QCOMPARE(dateOnly->name, *date);
        QCOMPARE(library.stamps().size(), 2);
    }

    void pickerInputs()
    {
        QCOMPARE(stampInkFromSetting(QStringLiteral("blue")), StampInk::Blue);
        QCOMPARE(stampInkFromSetting(QStringLiteral("purple")), StampInk::Red);
        QCOMPARE(stampInkFromSetting(QString()), StampInk::Red);
        QCOMPARE(ReadyStampRenderer::previewKey(QStringLiteral("PAID"), std::nullopt,
                                                stampInkFromSetting(QStringLiteral("x"))),
                 QStringLiteral("PAID||red"));
        QCOMPARE(ReadyStampRenderer::ownWord(QStringLiteral("  paid in cash \n")), Text("PAID IN CASH"));
        QCOMPARE(ReadyStampRenderer::ownWord(QString(41, QLatin1Char('a'))), Text(QString(40, 'A')));
        QCOMPARE(ReadyStampRenderer::ownWord(QStringLiteral(" \t\n")), Text());
        QVERIFY(!ReadyStampRenderer::today().isEmpty());
        QVERIFY(ReadyStampRenderer::today().contains(QString::number(QDate::currentDate().year())));
        QCOMPARE(readyStampFromRawValue(QStringLiteral("confidential")), ReadyStamp::Confidential);
        QVERIFY(!readyStampFromRawValue(QStringLiteral("Confidential")));
        QVERIFY(!word(ReadyStamp::Date));
    }
};

QTEST_MAIN(TestReadyStamps)
#include "tst_ReadyStamps.moc"
