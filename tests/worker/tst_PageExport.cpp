#include "worker/PageExport.h"
#include "worker/PdfBuilder.h"
#include "worker/StampDrawing.h"

#include "helpers/OutputFixtures.h"
#include "helpers/PdfFixtures.h"

#include <QBuffer>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

#include <poppler-qt6.h>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>

Q_DECLARE_METATYPE(std::optional<QString>)

namespace {

PageItem item(const QString &path, int index, int turn = 0)
{
    return PageItem{QUuid::createUuid(), PageSource{QUrl::fromLocalFile(path), index}, turn, {}};
}

} // namespace

class TestPageExport : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    StampCache m_stamps;

private slots:
    void picturesHaveTheSizeOfTheResolution_data()
    {
        QTest::addColumn<int>("turn");
        QTest::addColumn<double>("dpi");
        QTest::addColumn<bool>("jpeg");
        QTest::addColumn<QSize>("first");
        QTest::addColumn<QSize>("second");
        QTest::newRow("A4 at 200 dpi as PNG") << 0 << 200.0 << false << QSize(1653, 2339) << QSize(556, 278);
        QTest::newRow("A4 turned 90 at 100 dpi as JPEG") << 90 << 100.0 << true << QSize(1169, 826) << QSize(278, 139);
        QTest::newRow("A4 at 300 dpi as JPEG") << 180 << 300.0 << true << QSize(2479, 3508) << QSize(833, 417);
    }

    void picturesHaveTheSizeOfTheResolution()
    {
        QFETCH(int, turn);
        QFETCH(double, dpi);
        QFETCH(bool, jpeg);
        QFETCH(QSize, first);
        QFETCH(QSize, second);
        const QString file = m_dir.filePath("pages.pdf");
        QVERIFY(Fixtures::writePdf(file, {{{595, 842}, 0, "First"}, {{200, 100}, 0, {}}}));
        Fixtures::OpenedSources sources;
        QVERIFY(sources.open(file));

        const BuildPlan plan{{item(file, 0, turn), item(file, 1)}, {}, QStringLiteral("ignored"), {}};
        const auto pictures = PageExport::pictures(plan, dpi, jpeg, BuildContext{sources.lookup(), m_stamps, {}});
        QVERIFY(pictures.ok());
        QCOMPARE(pictures->size(), 2);
        const QList<QSize> expected{first, second};
        for (int i = 0; i < 2; ++i) {
            QByteArray bytes = pictures->at(i);
            QBuffer buffer(&bytes);
            QImageReader reader(&buffer);
            QCOMPARE(reader.format(), jpeg ? QByteArray("jpeg") : QByteArray("png"));
            const QImage image = reader.read();
            QCOMPARE(image.size(), expected[i]);
            // Compressed for real: a page of white paper takes a fraction of its pixels.
            QVERIFY2(bytes.size() < qsizetype(image.width()) * image.height() / 4,
                     qPrintable(QString::number(bytes.size())));
            QVERIFY(!image.hasAlphaChannel());
            // Rendered on white: a corner of the page is paper.
            QVERIFY(qGray(image.pixel(image.width() - 3, 2)) > 240);
        }
    }

    void pagesAsPicturesMakeOneJpegPerPage_data()
    {
        QTest::addColumn<std::optional<QString>>("password");
        QTest::newRow("no password") << std::optional<QString>();
        QTest::newRow("password kept") << std::optional<QString>(QStringLiteral("x"));
    }

    void pagesAsPicturesMakeOneJpegPerPage()
    {
        QFETCH(std::optional<QString>, password);
        const QString file = m_dir.filePath("flatten.pdf");
        QVERIFY(Fixtures::writePdf(file, {{{595, 842}, 0, "Big"}, {{200, 100}, 90, {}}}));
        Fixtures::OpenedSources sources;
        QVERIFY(sources.open(file));

        const BuildPlan plan{{item(file, 0, 90), item(file, 1)}, {}, password, CompressionStep{1000, 0.5, true}};
        const auto built = Fixtures::copied(PdfBuilder::build(plan, BuildContext{sources.lookup(), m_stamps, {}}));
        QVERIFY(built.ok());
        const QString secret = password.value_or(QString());
        QCOMPARE(Fixtures::qpdfCheckFailure(*built, secret), QString());
        QCOMPARE(Fixtures::popplerOpen(*built) == nullptr, password.has_value());

        QPDF out;
        out.processMemoryFile("out", built->constData(), size_t(built->size()),
                              secret.isEmpty() ? nullptr : secret.toUtf8().constData());
        QCOMPARE(out.getTrailer().getKey("/Info").getKey("/Creator").getUTF8Value(), std::string("Tamsel"));
        const std::vector<QPDFObjectHandle> pages = out.getAllPages();
        QCOMPARE(pages.size(), size_t(2));
        // Page boxes of the displayed sizes; pictures with a long side of 1000 pixels,
        // also for the small page.
        const QList<QSizeF> boxes{{842, 595}, {100, 200}};
        const QList<QSize> pixels{{1000, 707}, {500, 1000}};
        for (size_t i = 0; i < pages.size(); ++i) {
            QPDFObjectHandle page = pages[i];
            const auto box = page.getKey("/MediaBox").getArrayAsRectangle();
            QCOMPARE(QSizeF(box.urx - box.llx, box.ury - box.lly), boxes[qsizetype(i)]);
            QVERIFY(!page.getKey("/Rotate").isInteger() || page.getKey("/Rotate").getIntValue() == 0);
            QPDFObjectHandle xobjects = page.getKey("/Resources").getKey("/XObject");
            QCOMPARE(xobjects.getKeys().size(), size_t(1));
            QPDFObjectHandle image = xobjects.getKey(*xobjects.getKeys().begin()).getDict();
            QCOMPARE(image.getKey("/Filter").getName(), std::string("/DCTDecode"));
            QCOMPARE(QSize(image.getKey("/Width").getIntValueAsInt(), image.getKey("/Height").getIntValueAsInt()),
                     pixels[qsizetype(i)]);
        }
    }
};

QTEST_MAIN(TestPageExport)
#include "tst_PageExport.moc"
