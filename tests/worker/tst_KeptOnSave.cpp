// What a build keeps of its sources that the user didn't ask to lose, how small
// it stays, and the files whose pages can't be copied at all.

#include "engine/PDFEngine.h"
#include "worker/PdfBuilder.h"
#include "worker/PdfSyntax.h"
#include "worker/StampDrawing.h"

#include "helpers/HandMadePdf.h"
#include "helpers/OutputFixtures.h"
#include "helpers/PdfFixtures.h"
#include "helpers/TestUtil.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <poppler-qt6.h>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFAcroFormDocumentHelper.hh>
#include <qpdf/QPDFAnnotationObjectHelper.hh>
#include <qpdf/QPDFFormFieldObjectHelper.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFOutlineDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <sys/resource.h>

namespace {

PageItem item(const QString &path, int index, int turn = 0)
{
    return PageItem{QUuid::createUuid(), PageSource{QUrl::fromLocalFile(path), index}, turn, {}};
}

// Edits the PDF at `path` with qpdf and writes it back, packed as modern writers do.
bool rewrite(const QString &path, const std::function<void(QPDF &)> &edit)
{
    try {
        QPDF pdf;
        const QByteArray name = QFile::encodeName(path);
        pdf.processFile(name.constData());
        edit(pdf);
        const QByteArray out = name + ".tmp";
        {
            QPDFWriter writer(pdf, out.constData());
            writer.setObjectStreamMode(qpdf_o_generate);
            writer.setCompressStreams(true);
            writer.write();
        }
        return QFile::remove(path) && QFile::rename(QString::fromLocal8Bit(out), path);
    } catch (const std::exception &) {
        return false;
    }
}

std::unique_ptr<QPDF> reopen(const QByteArray &pdf)
{
    auto q = std::make_unique<QPDF>();
    q->setSuppressWarnings(true);
    q->processMemoryFile("output", pdf.constData(), size_t(pdf.size()));
    return q;
}

// The 1-based output page a bookmark points at; 0 for none.
int pageNumberOf(QPDF &pdf, QPDFOutlineObjectHelper &outline)
{
    QPDFObjectHandle page = outline.getDestPage();
    const auto &pages = pdf.getAllPages();
    for (size_t i = 0; i < pages.size(); ++i) {
        if (QPDFObjectHandle(pages[i]).getObjGen() == page.getObjGen()) {
            return int(i) + 1;
        }
    }
    return 0;
}

} // namespace

class TestKeptOnSave : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    StampCache m_stamps;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    Result<QByteArray> build(const BuildPlan &plan, Fixtures::OpenedSources &sources)
    {
        return Fixtures::copied(
            PdfBuilder::build(plan, BuildContext{sources.lookup(), m_stamps, {}}));
    }

private slots:
    void anUneditedSaveIsNoLargerThanItsSource_data()
    {
        QTest::addColumn<QString>("password");
        QTest::newRow("plain") << QString();
        QTest::newRow("protected") << QStringLiteral("geheim");
    }

    void anUneditedSaveIsNoLargerThanItsSource()
    {
        QFETCH(QString, password);
        const QString file = path("packed.pdf");
        QVERIFY(Fixtures::writeNumberedPdf(file, 60));
        QVERIFY(rewrite(file, [](QPDF &) {}));
        QString source = file;
        if (!password.isEmpty()) {
            source = path("packed-protected.pdf");
            QVERIFY(Fixtures::writeProtectedCopy(file, source, password));
        }
        Fixtures::OpenedSources sources;
        QVERIFY(sources.open(source, password));
        QList<PageItem> pages;
        for (int i = 0; i < 60; ++i) {
            pages.append(item(source, i));
        }
        const auto built = build(
            BuildPlan{pages, {}, password.isEmpty() ? std::nullopt : std::optional(password), {}},
            sources);
        QVERIFY(built.ok());
        const qint64 before = QFileInfo(source).size();
        QVERIFY2(built->size() <= before * 101 / 100,
                 qPrintable(QStringLiteral("%1 bytes from %2").arg(built->size()).arg(before)));
        QCOMPARE(Fixtures::qpdfCheckFailure(*built, password), QString());
    }

    void bookmarksOfKeptPagesPointAtTheirNewPlaces()
    {
        const QString file = path("bookmarks.pdf");
        QVERIFY(Fixtures::writeNumberedPdf(file, 20));
        QVERIFY(rewrite(file, [](QPDF &pdf) {
            const auto &pages = pdf.getAllPages();
            QPDFObjectHandle outlines =
                pdf.makeIndirectObject(QPDFObjectHandle::parse("<< /Type /Outlines >>"));
            std::vector<QPDFObjectHandle> items;
            for (int i = 0; i < 20; ++i) {
                QPDFObjectHandle entry = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
                entry.replaceKey(
                    "/Title", QPDFObjectHandle::newUnicodeString("Page " + std::to_string(i + 1)));
                entry.replaceKey("/Dest",
                                 QPDFObjectHandle::newArray(
                                     {pages[size_t(i)], QPDFObjectHandle::newName("/Fit")}));
                entry.replaceKey("/Parent", outlines);
                items.push_back(entry);
            }
            // Page 5's bookmark holds page 6's and page 7's.
            for (size_t i = 0; i < items.size(); ++i) {
                const bool child = i == 5 || i == 6;
                items[i].replaceKey("/Parent", child ? items[4] : outlines);
            }
            const auto chain = [](std::vector<QPDFObjectHandle> list) {
                for (size_t i = 0; i < list.size(); ++i) {
                    if (i > 0) {
                        list[i].replaceKey("/Prev", list[i - 1]);
                    }
                    if (i + 1 < list.size()) {
                        list[i].replaceKey("/Next", list[i + 1]);
                    }
                }
            };
            std::vector<QPDFObjectHandle> top;
            for (size_t i = 0; i < items.size(); ++i) {
                if (i != 5 && i != 6) {
                    top.push_back(items[i]);
                }
            }
            chain(top);
            chain({items[5], items[6]});
            items[4].replaceKey("/First", items[5]);
            items[4].replaceKey("/Last", items[6]);
            items[4].replaceKey("/Count", QPDFObjectHandle::newInteger(2));
            outlines.replaceKey("/First", top.front());
            outlines.replaceKey("/Last", top.back());
            outlines.replaceKey("/Count", QPDFObjectHandle::newInteger(20));
            pdf.getRoot().replaceKey("/Outlines", outlines);
            QPDFObjectHandle info = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
            info.replaceKey("/Title", QPDFObjectHandle::newUnicodeString("Annual Report"));
            pdf.getTrailer().replaceKey("/Info", info);
        }));
        Fixtures::OpenedSources sources;
        QVERIFY(sources.open(file));
        // Pages 5 and 6 deleted.
        QList<PageItem> kept;
        for (int i = 0; i < 20; ++i) {
            if (i != 4 && i != 5) {
                kept.append(item(file, i));
            }
        }
        const auto built = build(BuildPlan{kept, {}, {}, {}}, sources);
        QVERIFY(built.ok());
        QCOMPARE(Fixtures::qpdfCheckFailure(*built), QString());
        auto out = reopen(*built);
        QCOMPARE(QString::fromStdString(
                     out->getTrailer().getKey("/Info").getKey("/Title").getUTF8Value()),
                 QStringLiteral("Annual Report"));

        QPDFOutlineDocumentHelper outlines(*out);
        QStringList shown;
        for (QPDFOutlineObjectHelper &entry : outlines.getTopLevelOutlines()) {
            shown.append(QStringLiteral("%1>%2")
                             .arg(QString::fromStdString(entry.getTitle()))
                             .arg(pageNumberOf(*out, entry)));
        }
        // Page 7's bookmark moves up into the place of page 5's; page 6's is gone.
        QStringList expected;
        for (int page = 1; page <= 20; ++page) {
            if (page == 5 || page == 6) {
                continue;
            }
            expected.append(QStringLiteral("Page %1>%2").arg(page).arg(page > 6 ? page - 2 : page));
        }
        QCOMPARE(shown, expected);
        QCOMPARE(out->getRoot().getKey("/Outlines").getKey("/Count").getIntValue(), 18);

        // From two sources: no bookmarks and no title to take.
        const QString other = path("other.pdf");
        QVERIFY(Fixtures::writeNumberedPdf(other, 1));
        QVERIFY(sources.open(other));
        const auto merged = build(BuildPlan{{item(file, 0), item(other, 0)}, {}, {}, {}}, sources);
        QVERIFY(merged.ok());
        auto mergedOut = reopen(*merged);
        QVERIFY(!mergedOut->getRoot().hasKey("/Outlines"));
    }

    void formsAndLinksStayLive_data()
    {
        QTest::addColumn<int>("turn");
        QTest::addColumn<bool>("stamped");
        QTest::newRow("turned") << 90 << false;
        QTest::newRow("stamped") << 0 << true;
        QTest::newRow("turned and stamped") << 270 << true;
    }

    void formsAndLinksStayLive()
    {
        QFETCH(int, turn);
        QFETCH(bool, stamped);
        const QString file = path("form.pdf");
        QVERIFY(Fixtures::writeNumberedPdf(file, 2));
        QVERIFY(rewrite(file, [](QPDF &pdf) {
            QPDFObjectHandle page = pdf.getAllPages().at(0);
            QPDFObjectHandle field = pdf.makeIndirectObject(
                QPDFObjectHandle::parse("<< /Type /Annot /Subtype /Widget /FT /Tx /T (name) /V "
                                        "(Ada) /Rect [100 700 300 720] "
                                        "/DA (/Helv 12 Tf 0 g) /F 4 >>"));
            field.replaceKey("/P", page);
            QPDFObjectHandle link = pdf.makeIndirectObject(QPDFObjectHandle::parse(
                "<< /Type /Annot /Subtype /Link /Rect [100 100 200 120] /Border [0 0 0] "
                "/A << /S /URI /URI (https://example.org/) >> >>"));
            page.replaceKey("/Annots", QPDFObjectHandle::newArray({field, link}));
            QPDFObjectHandle form = pdf.makeIndirectObject(QPDFObjectHandle::parse(
                "<< /DA (/Helv 0 Tf 0 g) /DR << /Font << /Helv << /Type /Font /Subtype /Type1 "
                "/BaseFont /Helvetica >> >> >> >>"));
            form.replaceKey("/Fields", QPDFObjectHandle::newArray({field}));
            pdf.getRoot().replaceKey("/AcroForm", form);
        }));
        const QString stampFile = path("stamp.png");
        QVERIFY(Fixtures::writePicture(stampFile, {200, 100}));
        const QUuid stampId = QUuid::createUuid();
        PageItem page = item(file, 0, turn);
        if (stamped) {
            page.stamps = {StampPlacement{QUuid::createUuid(), stampId, {0.5, 0.5}, 0.2, 0}};
        }
        Fixtures::OpenedSources sources;
        QVERIFY(sources.open(file));
        const auto built = build(
            BuildPlan{{page, item(file, 1)}, {{stampId, QUrl::fromLocalFile(stampFile)}}, {}, {}},
            sources);
        QVERIFY(built.ok());
        QCOMPARE(Fixtures::qpdfCheckFailure(*built), QString());

        auto out = reopen(*built);
        QPDFAcroFormDocumentHelper forms(*out);
        QVERIFY(forms.hasAcroForm());
        const auto fields = forms.getFormFields();
        QCOMPARE(fields.size(), size_t(1));
        QCOMPARE(QString::fromStdString(
                     QPDFFormFieldObjectHelper(fields.front()).getFullyQualifiedName()),
                 QStringLiteral("name"));
        QCOMPARE(
            QString::fromStdString(QPDFFormFieldObjectHelper(fields.front()).getValueAsString()),
            QStringLiteral("Ada"));
        QPDFPageObjectHelper first(out->getAllPages().at(0));
        QCOMPARE(forms.getWidgetAnnotationsForPage(first).size(), size_t(1));

        // The link is still there, on the spot where the page shows it.
        QPDFObjectHandle link;
        for (QPDFAnnotationObjectHelper &annotation : first.getAnnotations()) {
            if (annotation.getSubtype() == "/Link") {
                link = annotation.getObjectHandle();
            }
        }
        QVERIFY(link.isDictionary());
        QCOMPARE(QString::fromStdString(link.getKey("/A").getKey("/URI").getStringValue()),
                 QStringLiteral("https://example.org/"));
        auto document = Fixtures::popplerOpen(*built);
        QVERIFY(document);
        std::unique_ptr<Poppler::Page> shown(document->page(0));
        bool found = false;
        for (const std::unique_ptr<Poppler::Link> &each : shown->links()) {
            if (each->linkType() == Poppler::Link::Browse) {
                found = true;
                // Where the unturned link sat, [100 100 200 120] on 595 x 842, seen
                // after the turn, in fractions of the shown page from the top left.
                const QRectF area = each->linkArea().normalized();
                const QRectF unturned(100 / 595.0, (842 - 120) / 842.0, 100 / 595.0, 20 / 842.0);
                QRectF expected = unturned;
                if (turn == 90) {
                    expected = QRectF(1 - unturned.bottom(), unturned.left(), unturned.height(),
                                      unturned.width());
                } else if (turn == 270) {
                    expected = QRectF(unturned.top(), 1 - unturned.right(), unturned.height(),
                                      unturned.width());
                }
                QVERIFY2(std::abs(area.left() - expected.left()) < 0.01 &&
                             std::abs(area.top() - expected.top()) < 0.01 &&
                             std::abs(area.width() - expected.width()) < 0.01,
                         qPrintable(QStringLiteral("%1 %2 %3 %4")
                                        .arg(area.left())
                                        .arg(area.top())
                                        .arg(area.width())
                                        .arg(area.height())));
            }
        }
        QVERIFY(found);
    }

    // Poppler repairs the cut-short page object and shows the page; qpdf reads it
    // as null. Copying the null would write a page tree that points at nothing.
    void aPageQpdfCantReadIsNeverWritten_data()
    {
        QTest::addColumn<QByteArray>("pdf");
        QTest::addColumn<int>("index");
        QTest::newRow("page dictionary cut short")
            << Fixtures::handMadePdf({"<< /Type /Catalog /Pages 2 0 R >>",
                                      "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
                                      "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 200 200]"})
            << 0;
        QTest::newRow("page qpdf doesn't find")
            << Fixtures::handMadePdf({"<< /Type /Catalog /Pages 2 0 R >>",
                                      "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
                                      "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 200 200] >>"})
            << 1;
    }

    void aPageQpdfCantReadIsNeverWritten()
    {
        QFETCH(QByteArray, pdf);
        QFETCH(int, index);
        const QString file = path("damaged.pdf");
        QVERIFY(Fixtures::writeAll(file, pdf));
        Fixtures::OpenedSources sources;
        QVERIFY(sources.open(file));
        const auto built = build(BuildPlan{{item(file, index)}, {}, {}, {}}, sources);
        QVERIFY(!built.ok());
        QVERIFY(!built.isCanceled());
        QCOMPARE(built.error().code, int(PDFEngine::EngineError::OnlyAsPictures));
        QVERIFY(built.error().message.isEmpty()); // only the program words it
    }

    // Shown without a password, but its attachment can only be read with one:
    // the open asks for it, so that the file can be saved.
    void aFileLockedOnlyForSavingAsksForItsPasswordWhenOpened()
    {
        const QString file = path("attachment.pdf");
        const QByteArray pdf = Fixtures::attachmentsOnlyProtectedPdf("pw");
        QVERIFY(!pdf.isEmpty());
        QVERIFY(Fixtures::writeAll(file, pdf));
        QVERIFY(Fixtures::popplerOpen(pdf)); // no password asked for by the reader
        PDFEngine engine;
        const QUrl url = QUrl::fromLocalFile(file);
        QCOMPARE(TestUtil::await(engine.open(url, std::nullopt)).status,
                 PDFEngine::OpenStatus::NeedsPassword);
        QCOMPARE(TestUtil::await(engine.open(url, QStringLiteral("wrong"))).status,
                 PDFEngine::OpenStatus::NeedsPassword);
        const PDFEngine::OpenResult opened =
            TestUtil::await(engine.open(url, QStringLiteral("pw")));
        QCOMPARE(opened.status, PDFEngine::OpenStatus::Opened);
        QCOMPARE(opened.pageCount, 1);
        QCOMPARE(opened.password, std::optional<QString>(QStringLiteral("pw")));
        QCOMPARE(TestUtil::await(engine.open(url, std::nullopt)).status,
                 PDFEngine::OpenStatus::Opened);

        const auto built = TestUtil::await(
            engine.buildBytes(BuildPlan{{item(file, 0)}, {}, opened.password, {}}, {}));
        QVERIFY2(built.ok(), qPrintable(built.error().message));
        QCOMPARE(Fixtures::qpdfCheckFailure(*built, QStringLiteral("pw")), QString());
    }

    void absurdDecodeParametersAreRefusedBeforeDecoding_data()
    {
        QTest::addColumn<QByteArray>("parms");
        QTest::addColumn<bool>("plausible");
        QTest::newRow("none") << QByteArray("null") << true;
        QTest::newRow("a photo's rows")
            << QByteArray("<< /Predictor 15 /Colors 3 /Columns 3000 >>") << true;
        QTest::newRow("16-bit CMYK")
            << QByteArray("<< /Predictor 2 /Colors 4 /BitsPerComponent 16 /Columns 8000 >>")
            << true;
        QTest::newRow("colour bomb") << QByteArray("<< /Predictor 2 /Colors 436870913 >>") << false;
        QTest::newRow("column bomb")
            << QByteArray("<< /Predictor 12 /Columns 2147483647 >>") << false;
        QTest::newRow("bomb in a filter chain")
            << QByteArray("[ null << /Predictor 2 /Colors 3 /BitsPerComponent 300 >> ]") << false;
    }

    void absurdDecodeParametersAreRefusedBeforeDecoding()
    {
        QFETCH(QByteArray, parms);
        QFETCH(bool, plausible);
        QPDF pdf;
        pdf.emptyPDF();
        QPDFObjectHandle stream = QPDFObjectHandle::newStream(&pdf, std::string("x"));
        stream.getDict().replaceKey("/DecodeParms", QPDFObjectHandle::parse(parms.toStdString()));
        QCOMPARE(PdfSyntax::plausibleDecodeParameters(stream), plausible);
    }

    // A content stream whose decode parameters claim rows of 436,870,913 colours:
    // decoding it would take gigabytes. A stamp on its page must not decode it.
    void aStampOnAPredictorBombTakesLittleMemory()
    {
        const QString file = path("bomb.pdf");
        const QByteArray stream = QByteArray::fromHex("789c030000000001"); // nothing, deflated
        QVERIFY(Fixtures::writeAll(
            file,
            Fixtures::handMadePdf(
                {"<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
                 "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 200 200] /Contents 4 0 R >>",
                 QByteArray("<< /Length 8 /Filter /FlateDecode /DecodeParms << /Predictor 2 "
                            "/Colors 436870913 >> >>\nstream\n") +
                     stream + "\nendstream"})));
        const QString stampFile = path("bomb-stamp.png");
        QVERIFY(Fixtures::writePicture(stampFile, {200, 100}));
        const QUuid stampId = QUuid::createUuid();
        PageItem page = item(file, 0);
        page.stamps = {StampPlacement{QUuid::createUuid(), stampId, {0.5, 0.5}, 0.5, 0}};
        Fixtures::OpenedSources sources;
        QVERIFY(sources.open(file));
        const auto built =
            build(BuildPlan{{page}, {{stampId, QUrl::fromLocalFile(stampFile)}}, {}, {}}, sources);
        QVERIFY(built.ok());
        auto out = reopen(*built);
        // The old stream comes along as it was stored, between the turn and the stamp.
        QPDFObjectHandle contents = QPDFObjectHandle(out->getAllPages().at(0)).getKey("/Contents");
        QCOMPARE(contents.getArrayNItems(), 3);
        QCOMPARE(contents.getArrayItem(1)
                     .getDict()
                     .getKey("/DecodeParms")
                     .getKey("/Colors")
                     .getIntValue(),
                 436870913LL);
        rusage usage{};
        QCOMPARE(::getrusage(RUSAGE_SELF, &usage), 0);
        QVERIFY2(usage.ru_maxrss < 300 * 1024, qPrintable(QString::number(usage.ru_maxrss)));
    }
};

QTEST_MAIN(TestKeptOnSave)
#include "tst_KeptOnSave.moc"
