#include "look/BrandMark.h"
#include "look/Icons.h"
#include "look/NoteBanner.h"
#include "look/Panel.h"
#include "look/Theme.h"
#include "look/ThemeButton.h"

#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QTest>
#include <QTextLayout>
#include <QVBoxLayout>

namespace {

// Colour distance that tolerates antialiasing and gradient steps.
bool near(QColor a, QColor b, int tolerance = 24)
{
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

} // namespace

class TestTheme : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Theme::apply(*qApp); }

    void primaryLook_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("destructive");
        QTest::addColumn<qreal>("opacity");
        QTest::addColumn<QColor>("shadow");
        QTest::newRow("enabled") << true << false << 1.0
                                 << Theme::withOpacity(Theme::accent(), 0.25);
        QTest::newRow("disabled has no shadow") << false << false << 0.4 << QColor();
        QTest::newRow("destructive casts red")
            << true << true << 1.0 << Theme::withOpacity(Theme::danger(), 0.25);
        QTest::newRow("disabled destructive") << false << true << 0.4 << QColor();
    }

    void primaryLook()
    {
        QFETCH(bool, enabled);
        QFETCH(bool, destructive);
        QFETCH(qreal, opacity);
        QFETCH(QColor, shadow);
        ThemeButton button("Save", ThemeButton::Style::Primary);
        button.setDestructive(destructive);
        button.setEnabled(enabled);
        QCOMPARE(button.bodyOpacity(), opacity);
        if (shadow.isValid()) {
            QCOMPARE(button.shadowColor(), shadow);
        } else {
            QCOMPARE(button.shadowColor().alpha(), 0);
        }
        // Turning it back on brings the shadow back.
        button.setEnabled(true);
        QVERIFY(button.shadowColor().alpha() > 0);
    }

    void primaryFillIsGradientOrDanger()
    {
        ThemeButton plain("Merge", ThemeButton::Style::Primary);
        plain.resize(plain.sizeHint());
        const QImage plainImage = plain.grab().toImage();
        // Inside the padding, left of the text: the gradient's first third.
        const QColor fill = plainImage.pixelColor(8, plainImage.height() / 2);
        QVERIFY2(near(fill, Theme::accent(), 20), qPrintable(fill.name()));

        ThemeButton destructive("Delete", ThemeButton::Style::Primary);
        destructive.setDestructive(true);
        destructive.resize(destructive.sizeHint());
        const QImage image = destructive.grab().toImage();
        // Left of the text, inside the padding: pure fill.
        QVERIFY(near(image.pixelColor(8, image.height() / 2), Theme::danger(), 4));
    }

    void pressedLook_data()
    {
        QTest::addColumn<ThemeButton::Style>("style");
        QTest::addColumn<qreal>("opacity");
        QTest::addColumn<qreal>("scale");
        QTest::newRow("primary shrinks and fades") << ThemeButton::Style::Primary << 0.85 << 0.98;
        QTest::newRow("secondary only fades") << ThemeButton::Style::Secondary << 0.75 << 1.0;
        QTest::newRow("tool only fades") << ThemeButton::Style::Tool << 0.75 << 1.0;
    }

    void pressedLook()
    {
        QFETCH(ThemeButton::Style, style);
        QFETCH(qreal, opacity);
        QFETCH(qreal, scale);
        QWidget window;
        auto *button = new ThemeButton("Go", style, &window);
        button->resize(button->sizeHint());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::mousePress(button, Qt::LeftButton);
        QTRY_COMPARE(button->bodyOpacity(), opacity);
        QTRY_COMPARE(button->bodyScale(), scale);
        QTest::mouseRelease(button, Qt::LeftButton);
        QTRY_COMPARE(button->bodyOpacity(), 1.0);
        QTRY_COMPARE(button->bodyScale(), 1.0);
    }

    void brandMarkIsClippedToRoundedSquare()
    {
        BrandMark mark(100);
        QCOMPARE(mark.size(), QSize(100, 100));
        QCOMPARE(mark.cornerRadius(), 22.37);
        const QImage image = mark.grab().toImage();
        // Outside the rounded corners only the faint shadow shows.
        QVERIFY(image.pixelColor(0, 0).alpha() < 20);
        QVERIFY(image.pixelColor(99, 99).alpha() < 20);
        // Just inside the straight edges: the logo's red field.
        QVERIFY(near(image.pixelColor(50, 1), Theme::accent(), 40));
        QVERIFY(near(image.pixelColor(1, 50), Theme::accent(), 40));
    }

    void longNoteGrowsAndKeepsSymbolAtTop()
    {
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        auto *banner = new NoteBanner(QString("A long explanation of what happened. ").repeated(12),
                                      NoteBanner::Tone::Warning, &window);
        layout->addWidget(banner);
        layout->addStretch();
        window.resize(320, 600);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *text = banner->findChild<QLabel *>("noteText");
        auto *symbol = banner->findChild<QLabel *>("noteSymbol");
        const int lineHeight = text->fontMetrics().height();
        QVERIFY2(text->height() >= 4 * lineHeight, "the text is cut instead of wrapping");
        QVERIFY(banner->height() >= text->height() + 24);
        QCOMPARE(symbol->y(), 12);

        const int tallHeight = banner->height();
        window.resize(780, 600);
        QTRY_VERIFY(banner->height() < tallHeight);
    }

    void panelGivesContentItsWidth()
    {
        Panel panel(18);
        auto *banner = new NoteBanner(QString("Wraps inside the panel. ").repeated(20),
                                      NoteBanner::Tone::Info);
        auto *button = new ThemeButton("Apply", ThemeButton::Style::Secondary);
        panel.addWidget(banner);
        panel.addWidget(button);
        panel.resize(400, 400);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        QTRY_COMPARE(banner->width(), 400 - 36);
        QCOMPARE(banner->x(), 18);
        QCOMPARE(button->x(), 18); // leading edge, not centred
        QCOMPARE(button->size(), button->sizeHint());
        auto *text = banner->findChild<QLabel *>("noteText");
        QVERIFY(text->height() >= text->heightForWidth(text->width()));
    }

    void everySymbolResolves()
    {
        const QColor red = Theme::accent();
        for (int i = 0; i <= int(Symbol::Documents); ++i) {
            const auto symbol = Symbol(i);
            const QIcon icon = Icons::icon(symbol, red);
            QVERIFY2(!icon.isNull(), qPrintable(Icons::source(symbol)));
            const QImage image = icon.pixmap(32, 32).toImage();
            QVERIFY2(!image.isNull(), qPrintable(Icons::source(symbol)));
            // Tinted: every visible pixel carries the accent colour.
            bool sawInk = false;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    const QColor c = image.pixelColor(x, y);
                    if (c.alpha() == 255) {
                        sawInk = true;
                        QVERIFY2(near(c, red, 2), qPrintable(Icons::source(symbol)));
                    }
                }
            }
            QVERIFY2(sawInk, qPrintable(Icons::source(symbol)));
        }
    }

    void fontsRenderLatinAndCjk_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("latin") << QStringLiteral("Report – final.pdf");
        QTest::newRow("simplified chinese") << QStringLiteral("合同扫描件");
        QTest::newRow("japanese") << QStringLiteral("請求書のコピー");
        QTest::newRow("korean") << QStringLiteral("계약서");
    }

    void fontsRenderLatinAndCjk()
    {
        QFETCH(QString, text);
        QTextLayout layout(text, Theme::font(13));
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        for (const QGlyphRun &run : layout.glyphRuns()) {
            for (const quint32 glyph : run.glyphIndexes()) {
                QVERIFY2(glyph != 0, qPrintable(run.rawFont().familyName()));
            }
        }
    }

    void fontSizesAreLayoutPixels()
    {
        QCOMPARE(QFontInfo(Theme::font(14)).pixelSize(), 14);
        QCOMPARE(QFontInfo(Theme::font(26, QFont::Bold)).pixelSize(), 26);
        QCOMPARE(QFontInfo(qApp->font()).family(), QStringLiteral("Inter"));
    }
};

QTEST_MAIN(TestTheme)
#include "tst_Theme.moc"
