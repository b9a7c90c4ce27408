#include "engine/PDFEngine.h"
#include "worker/PageDrawing.h"

#include "helpers/HandMadePdf.h"
#include "helpers/PdfFixtures.h"
#include "helpers/TestUtil.h"

#include <poppler/qt6/poppler-qt6.h>

#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

// The worker draws pages with Poppler's core renderer, one device per document;
// what it draws must stay what Poppler's Qt binding draws with a fresh device per
// page, whatever pages came before on the same device. Both draw in this process:
// another process may smooth turned glyphs a few levels differently, depending on
// what it drew before.
class TestEngineDrawing : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    // Text in an embedded font, shapes and a picture, different on every page.
    static bool writeWithEmbeddedFonts(const QString &file)
    {
        QImage picture(64, 48, QImage::Format_RGB32);
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                picture.setPixel(x, y, qRgb(x * 4, y * 5, 128));
            }
        }
        return Fixtures::writePaintedPdf(file, 3, [&picture](QPainter &painter, int page) {
            painter.setFont(QFont("Inter", 18 + page * 6));
            painter.drawText(QRectF(40, 40, 500, 200), Qt::TextWordWrap,
                             QStringLiteral("Page %1: the quick brown fox jumps over the lazy dog")
                                 .arg(page + 1));
            painter.setPen(QPen(QColor(200, 40, 40), 1.5 + page));
            painter.drawEllipse(QPointF(300, 500), 120 - page * 30, 80);
            painter.drawImage(QRectF(60, 600 + page * 40, 160, 120), picture);
        });
    }

    // One page with text, an annotation drawn from its own appearance and one
    // whose appearance Poppler makes.
    static QByteArray annotatedPdf()
    {
        const QByteArray content =
            "BT /F1 24 Tf 20 150 Td (Annotated) Tj ET 0 0 1 rg 20 20 80 40 re f";
        const QByteArray appearance = "1 0.5 0 rg 0 0 100 50 re f";
        return Fixtures::handMadePdf({
            "<< /Type /Catalog /Pages 2 0 R >>",
            "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
            "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 300 200] /Contents 4 0 R"
            " /Resources << /Font << /F1 5 0 R >> >> /Annots [6 0 R 7 0 R] >>",
            "<< /Length " + QByteArray::number(content.size()) + " >>\nstream\n" + content +
                "\nendstream",
            "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>",
            "<< /Type /Annot /Subtype /Square /Rect [150 20 280 120] /C [1 0 0] /IC [0 1 0]"
            " /BS << /W 4 >> /F 4 >>",
            "<< /Type /Annot /Subtype /Stamp /Rect [180 140 280 190] /F 4 /AP << /N 8 0 R >> >>",
            "<< /Type /XObject /Subtype /Form /BBox [0 0 100 50] /Length " +
                QByteArray::number(appearance.size()) + " >>\nstream\n" + appearance +
                "\nendstream",
        });
    }

    // What the Qt binding draws for the page with the engine's settings.
    static QImage reference(Poppler::Page &page, double dpi, int turn, QSize pixels)
    {
        return page.renderToImage(dpi, dpi, 0, 0, pixels.width(), pixels.height(),
                                  static_cast<Poppler::Page::Rotation>(turn / 90));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(writeWithEmbeddedFonts(path("fonts.pdf")));
        QVERIFY(Fixtures::writePdf(path("shapes.pdf"), {
                                                           {{595, 842}, 0, "AAAA", {}},
                                                           {{595, 842}, 90, "BBBB", {}},
                                                           {{842, 595}, 270, "CCCC", {}},
                                                           {{595, 842}, 0, "DDDD", {100, 50}},
                                                       }));
        QVERIFY(Fixtures::writeAll(path("annotated.pdf"), annotatedPdf()));
        QVERIFY(Fixtures::writePdf(path("locked.pdf"),
                                   {{{595, 842}, 0, "LOCK", {}}, {{300, 300}, 0, "ED", {}}},
                                   {"secret", "owner"}));
        QVERIFY(Fixtures::writeNumberedPdf(path("plain-for-legacy.pdf"), 2));
        QVERIFY(Fixtures::writeLegacyProtectedPdf(path("plain-for-legacy.pdf"), path("legacy.pdf"),
                                                  QString("grüße").toLatin1()));
    }

    void samePixelsAsPopplerQt_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QByteArray>("popplerPassword");

        QTest::newRow("embedded fonts") << "fonts.pdf" << QString() << QByteArray();
        QTest::newRow("rotated and cropped") << "shapes.pdf" << QString() << QByteArray();
        QTest::newRow("annotations") << "annotated.pdf" << QString() << QByteArray();
        QTest::newRow("password") << "locked.pdf"
                                  << "secret" << QByteArray("secret");
        QTest::newRow("Latin-1 password") << "legacy.pdf"
                                          << "grüße" << QString("grüße").toLatin1();
    }

    void samePixelsAsPopplerQt()
    {
        QFETCH(QString, file);
        QFETCH(QString, password);
        QFETCH(QByteArray, popplerPassword);

        const std::unique_ptr<Poppler::Document> document =
            Poppler::Document::load(path(file), popplerPassword, popplerPassword);
        QVERIFY(document && !document->isLocked());
        document->setRenderBackend(Poppler::Document::SplashBackend);
        document->setRenderHint(Poppler::Document::Antialiasing, true);
        document->setRenderHint(Poppler::Document::TextAntialiasing, true);
        document->setPaperColor(Qt::white);

        // One worker, so every page goes through the same device in this order:
        // pages revisited, turned, and sizes that repeat and change.
        PDFEngine::Options options = PDFEngine::Options::standard();
        options.workers = 1;
        PDFEngine engine(options);
        const QUrl url = QUrl::fromLocalFile(path(file));
        const auto opened = TestUtil::await(
            engine.open(url, password.isNull() ? std::nullopt : std::optional<QString>(password)));
        QCOMPARE(opened.status, PDFEngine::OpenStatus::Opened);
        const int pages = opened.pageCount;
        QCOMPARE(pages, document->numPages());
        struct Draw
        {
            int index;
            int turn;
            double longSide;
        };
        QList<Draw> draws;
        for (int index = 0; index < pages; ++index) {
            draws.append({index, 0, 256});
        }
        draws.append({pages - 1, 90, 256});
        draws.append({0, 180, 256});
        draws.append({0, 270, 700.5});
        draws.append({pages - 1, 0, 1200});
        draws.append({0, 0, 256});

        const QByteArray bytes = Fixtures::readAll(path(file));
        PageDrawing drawing(bytes, popplerPassword.isNull() ? std::nullopt
                                                            : std::optional(popplerPassword));
        for (const Draw &draw : draws) {
            // The engine's picture gives the pixel size; the drawing here, the pixels.
            const QImage engineImage =
                TestUtil::await(engine.image({url, draw.index}, draw.turn, draw.longSide));
            QVERIFY(!engineImage.isNull());
            QCOMPARE(engineImage.format(), QImage::Format_RGB32);
            const std::unique_ptr<Poppler::Page> page(document->page(draw.index));
            const QSizeF size = page->pageSizeF();
            const double dpi = 72.0 * draw.longSide / std::max(size.width(), size.height());
            const QImage drawn = drawing.draw(draw.index, dpi, draw.turn, engineImage.size());
            const QImage expected = reference(*page, dpi, draw.turn, engineImage.size());
            QCOMPARE(drawn.format(), expected.format());
            if (drawn != expected) {
                QFAIL(qPrintable(QString("page %1 turned %2 at %3 px differs")
                                     .arg(draw.index + 1)
                                     .arg(draw.turn)
                                     .arg(draw.longSide)));
            }
        }
        QVERIFY(drawing.draw(pages, 72, 0, QSize(10, 10)).isNull());
    }
};

QTEST_MAIN(TestEngineDrawing)
#include "tst_EngineDrawing.moc"
