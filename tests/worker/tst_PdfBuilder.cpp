#include "engine/PDFEngine.h"
#include "worker/PdfBuilder.h"
#include "worker/StampDrawing.h"

#include "helpers/OutputFixtures.h"
#include "helpers/PdfFixtures.h"

#include <QTemporaryDir>
#include <QTest>

#include <poppler-qt6.h>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFWriter.hh>

Q_DECLARE_METATYPE(std::optional<QString>)

namespace {

PageItem item(const QString &path, int index, int turn = 0)
{
    return PageItem{QUuid::createUuid(), PageSource{QUrl::fromLocalFile(path), index}, turn, {}};
}

std::unique_ptr<QPDF> reopen(const QByteArray &pdf, const QString &password = {})
{
    auto q = std::make_unique<QPDF>();
    q->setSuppressWarnings(true);
    q->processMemoryFile("output", pdf.constData(), size_t(pdf.size()),
                         password.isEmpty() ? nullptr : password.toUtf8().constData());
    return q;
}

int rotateOf(QPDF &pdf, int page)
{
    QPDFObjectHandle rotate =
        QPDFObjectHandle(pdf.getAllPages().at(size_t(page))).getKey("/Rotate");
    return rotate.isInteger() ? rotate.getIntValueAsInt() : 0;
}

} // namespace

class TestPdfBuilder : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    StampCache m_stamps;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    Result<QByteArray> build(const BuildPlan &plan, Fixtures::OpenedSources &sources,
                             CancelToken cancel = {})
    {
        return Fixtures::copied(
            PdfBuilder::build(plan, BuildContext{sources.lookup(), m_stamps, cancel}));
    }

private slots:
    void pagesComeInPlanOrderWithTheirTurns_data()
    {
        QTest::addColumn<int>("sourceRotation");
        QTest::addColumn<int>("turn");
        QTest::addColumn<int>("expected");
        QTest::newRow("upright, not turned") << 0 << 0 << 0;
        QTest::newRow("upright, turned 90") << 0 << 90 << 90;
        QTest::newRow("rotated 270, turned 180") << 270 << 180 << 90;
        QTest::newRow("rotated 90, turned 270") << 90 << 270 << 0;
        QTest::newRow("rotated 180, not turned") << 180 << 0 << 180;
    }

    void pagesComeInPlanOrderWithTheirTurns()
    {
        QFETCH(int, sourceRotation);
        QFETCH(int, turn);
        QFETCH(int, expected);
        const QString file = path("order.pdf");
        QVERIFY(Fixtures::writePdf(
            file, {{{595, 842}, sourceRotation, "Alpha"}, {{595, 842}, 0, "Beta"}}));
        Fixtures::OpenedSources sources;
        QVERIFY(sources.open(file));

        const auto built =
            build(BuildPlan{{item(file, 1), item(file, 0, turn)}, {}, {}, {}}, sources);
        QVERIFY(built.ok());
        QCOMPARE(Fixtures::qpdfCheckFailure(*built), QString());
        auto out = reopen(*built);
        QCOMPARE(out->getAllPages().size(), size_t(2));
        QCOMPARE(rotateOf(*out, 0), 0);
        QCOMPARE(rotateOf(*out, 1), expected);

        auto document = Fixtures::popplerOpen(*built);
        QVERIFY(document);
        QCOMPARE(Fixtures::popplerText(*document, 0), QStringLiteral("Beta"));
        QCOMPARE(Fixtures::popplerText(*document, 1), QStringLiteral("Alpha"));
    }

    void samePageTwiceMakesTwoPagesSharingTheirContent()
    {
        const QString file = path("twice.pdf");
        QVERIFY(Fixtures::writeNumberedPdf(file, 3));
        Fixtures::OpenedSources sources;
        QVERIFY(sources.open(file));

        const auto built = build(
            BuildPlan{{item(file, 2), item(file, 2, 90), item(file, 0)}, {}, {}, {}}, sources);
        QVERIFY(built.ok());
        QCOMPARE(Fixtures::qpdfCheckFailure(*built), QString());
        auto out = reopen(*built);
        std::vector<QPDFObjectHandle> pages = out->getAllPages();
        QCOMPARE(pages.size(), size_t(3));
        QVERIFY(pages[0].getObjGen() != pages[1].getObjGen());
        QCOMPARE(rotateOf(*out, 0), 0);
        QCOMPARE(rotateOf(*out, 1), 90);
        QCOMPARE(pages[0].getKey("/Contents").getObjGen(),
                 pages[1].getKey("/Contents").getObjGen());
        // The font all pages use is stored once.
        const auto font = [&pages](int i) {
            return pages[size_t(i)].getKey("/Resources").getKey("/Font").getKey("/F1").getObjGen();
        };
        QCOMPARE(font(0), font(2));

        auto document = Fixtures::popplerOpen(*built);
        QVERIFY(document);
        QCOMPARE(Fixtures::popplerText(*document, 1), QStringLiteral("Page 3"));
    }

    void inheritedAttributesGoWithTheCopiedPage()
    {
        // Box and rotation only on the page tree's root, as many writers do it.
        const QString plain = path("plain.pdf");
        QVERIFY(Fixtures::writePdf(plain, {{{400, 300}, 0, "Wide"}, {{400, 300}, 0, "Other"}}));
        const QString file = path("inherited.pdf");
        {
            QPDF pdf;
            pdf.processFile(plain.toLocal8Bit().constData());
            QPDFObjectHandle root = pdf.getRoot().getKey("/Pages");
            root.replaceKey("/MediaBox", QPDFObjectHandle::parse("[0 0 400 300]"));
            root.replaceKey("/Rotate", QPDFObjectHandle::newInteger(90));
            for (QPDFObjectHandle page : pdf.getAllPages()) {
                page.removeKey("/MediaBox");
            }
            // QPDFWriter keeps the name's pointer until it writes.
            const QByteArray fileName = file.toLocal8Bit();
            QPDFWriter writer(pdf, fileName.constData());
            writer.write();
        }
        Fixtures::OpenedSources sources;
        QVERIFY(sources.open(file));

        const auto built = build(BuildPlan{{item(file, 1, 90)}, {}, {}, {}}, sources);
        QVERIFY(built.ok());
        QCOMPARE(Fixtures::qpdfCheckFailure(*built), QString());
        auto out = reopen(*built);
        QPDFObjectHandle page = out->getAllPages().at(0);
        const auto box = page.getKey("/MediaBox").getArrayAsRectangle();
        QCOMPARE(QRectF(box.llx, box.lly, box.urx - box.llx, box.ury - box.lly),
                 QRectF(0, 0, 400, 300));
        QCOMPARE(rotateOf(*out, 0), 180);
        auto document = Fixtures::popplerOpen(*built);
        QVERIFY(document);
        QCOMPARE(Fixtures::popplerText(*document, 0), QStringLiteral("Other"));
    }

    void anExtractedPageLeavesTheOthersBehind()
    {
        const QString file = path("long.pdf");
        QVERIFY(Fixtures::writeNumberedPdf(file, 300));
        const QString single = path("single.pdf");
        QVERIFY(Fixtures::writeNumberedPdf(single, 1));
        Fixtures::OpenedSources sources;
        QVERIFY(sources.open(file));

        const auto built = build(BuildPlan{{item(file, 150)}, {}, {}, {}}, sources);
        QVERIFY(built.ok());
        QVERIFY2(built->size() < 2 * Fixtures::readAll(single).size(),
                 qPrintable(QString::number(built->size())));
        auto document = Fixtures::popplerOpen(*built);
        QVERIFY(document);
        QCOMPARE(document->numPages(), 1);
        QCOMPARE(Fixtures::popplerText(*document, 0), QStringLiteral("Page 151"));
    }

    void aPageThatIsGoneFailsTheBuild_data()
    {
        QTest::addColumn<bool>("open");
        QTest::addColumn<int>("index");
        QTest::newRow("source not open") << false << 0;
        QTest::newRow("negative index") << true << -1;
    }

    void aPageThatIsGoneFailsTheBuild()
    {
        QFETCH(bool, open);
        QFETCH(int, index);
        const QString file = path("gone.pdf");
        QVERIFY(Fixtures::writeNumberedPdf(file, 2));
        Fixtures::OpenedSources sources;
        if (open) {
            QVERIFY(sources.open(file));
        }
        const auto built =
            build(BuildPlan{{item(file, 0), item(file, index)}, {}, {}, {}}, sources);
        QVERIFY(!built.ok());
        QVERIFY(!built.isCanceled());
        QCOMPARE(built.error().code, int(PDFEngine::EngineError::MissingPage));
        QVERIFY(built.error().message.isEmpty()); // only the program words it
    }

    void aPasswordProtectsTheOutput_data()
    {
        QTest::addColumn<std::optional<QString>>("password");
        QTest::addColumn<bool>("protectedOutput");
        QTest::newRow("password x") << std::optional<QString>(QStringLiteral("x")) << true;
        QTest::newRow("non-ASCII password")
            << std::optional<QString>(QStringLiteral("Grüße €")) << true;
        QTest::newRow("empty password") << std::optional<QString>(QString()) << false;
        QTest::newRow("no password") << std::optional<QString>() << false;
    }

    void aPasswordProtectsTheOutput()
    {
        QFETCH(std::optional<QString>, password);
        QFETCH(bool, protectedOutput);
        const QString file = path("protect.pdf");
        QVERIFY(Fixtures::writeNumberedPdf(file, 3));
        Fixtures::OpenedSources sources;
        QVERIFY(sources.open(file));

        BuildPlan plan{{item(file, 0), item(file, 1), item(file, 2)}, {}, password, {}};
        const auto built = build(plan, sources);
        QVERIFY(built.ok());
        const QString secret = password.value_or(QString());
        QCOMPARE(Fixtures::qpdfCheckFailure(*built, secret), QString());

        auto withPassword = Fixtures::popplerOpen(*built, secret);
        QVERIFY(withPassword);
        QCOMPARE(withPassword->numPages(), 3);
        QCOMPARE(Fixtures::popplerText(*withPassword, 2), QStringLiteral("Page 3"));
        QCOMPARE(Fixtures::popplerOpen(*built) == nullptr, protectedOutput);

        auto out = reopen(*built, secret);
        QCOMPARE(out->isEncrypted(), protectedOutput);
        if (protectedOutput) {
            int r = 0;
            int p = 0;
            int v = 0;
            QPDF::encryption_method_e streams = QPDF::e_none;
            QPDF::encryption_method_e strings = QPDF::e_none;
            QPDF::encryption_method_e files = QPDF::e_none;
            QVERIFY(out->isEncrypted(r, p, v, streams, strings, files));
            QCOMPARE(r, 6);
            QCOMPARE(streams, QPDF::e_aesv3);
            // The owner password is the same, never empty: it opens the file too.
            QVERIFY(out->ownerPasswordMatched());
            QVERIFY_THROWS_EXCEPTION(std::exception, reopen(*built, QStringLiteral("wrong")));
        }
    }

    void damagedSourcesAreCopiedAsTheyAre_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::newRow("content stream not decodable") << QStringLiteral("content");
        QTest::newRow("missing font resource") << QStringLiteral("resource");
        QTest::newRow("image stream not decodable") << QStringLiteral("image");
    }

    void damagedSourcesAreCopiedAsTheyAre()
    {
        QFETCH(QString, damage);
        const QString sound = path("sound.pdf");
        QVERIFY(Fixtures::writeImagePdf(
            sound, {{{300, 200}, Fixtures::ImageKind::Broken, 90, {595, 842}}}));
        const QString file = path("damaged.pdf");
        const QString good = path("good.pdf");
        QVERIFY(Fixtures::writeNumberedPdf(good, 1));
        std::string damagedData;
        {
            QPDF pdf;
            pdf.processFile(sound.toLocal8Bit().constData());
            QPDFObjectHandle page = pdf.getAllPages().at(0);
            if (damage == QStringLiteral("content")) {
                damagedData = "this is not flate data";
                page.getKey("/Contents")
                    .replaceStreamData(damagedData, QPDFObjectHandle::newName("/FlateDecode"),
                                       QPDFObjectHandle::newNull());
            } else if (damage == QStringLiteral("resource")) {
                damagedData = "BT /F9 24 Tf 50 700 Td (Lost) Tj ET\n";
                page.getKey("/Contents")
                    .replaceStreamData(damagedData, QPDFObjectHandle::newNull(),
                                       QPDFObjectHandle::newNull());
            }
            // QPDFWriter keeps the name's pointer until it writes.
            const QByteArray fileName = file.toLocal8Bit();
            QPDFWriter writer(pdf, fileName.constData());
            writer.setDecodeLevel(qpdf_dl_none);
            writer.setCompressStreams(false);
            writer.write();
        }
        Fixtures::OpenedSources sources;
        QVERIFY(sources.open(file));
        QVERIFY(sources.open(good));

        for (const auto &quality :
             {std::optional<CompressionStep>(), std::optional(CompressionStep{100, 0.5, false})}) {
            const auto built =
                build(BuildPlan{{item(file, 0), item(good, 0)}, {}, {}, quality}, sources);
            QVERIFY(built.ok());
            auto out = reopen(*built);
            QPDFObjectHandle page = out->getAllPages().at(0);
            if (!damagedData.empty()) {
                // Stored exactly as it was: the undecodable one raw, the other decoded.
                const auto raw = damage == QStringLiteral("content")
                                     ? page.getKey("/Contents").getRawStreamData()
                                     : page.getKey("/Contents").getStreamData();
                QCOMPARE(
                    std::string(reinterpret_cast<const char *>(raw->getBuffer()), raw->getSize()),
                    damagedData);
            } else {
                QPDFObjectHandle image =
                    page.getKey("/Resources").getKey("/XObject").getKey("/Im0");
                QCOMPARE(image.getRawStreamData()->getSize(), size_t(4096));
                QCOMPARE(image.getDict().getKey("/Width").getIntValue(), 300);
            }
            auto document = Fixtures::popplerOpen(*built);
            QVERIFY(document);
            QCOMPARE(document->numPages(), 2);
            QCOMPARE(Fixtures::popplerText(*document, 1), QStringLiteral("Page 1"));
        }
    }
};

QTEST_MAIN(TestPdfBuilder)
#include "tst_PdfBuilder.moc"
