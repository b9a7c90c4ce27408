#include "engine/PDFEngine.h"

#include "helpers/HandMadePdf.h"
#include "helpers/PdfFixtures.h"
#include "helpers/TestUtil.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using OpenStatus = PDFEngine::OpenStatus;
Q_DECLARE_METATYPE(PDFEngine::OpenStatus)

namespace {

const QByteArray catalog = "<< /Type /Catalog /Pages 2 0 R >>";
const QByteArray page = "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] /Contents 4 0 R >>";
const QByteArray content = "<< /Length 20 >>\nstream\n0 0 m 100 100 l S\n\nendstream";

} // namespace

class TestEngineBadInput : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QByteArray m_goodPdf;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        const QString good = m_dir.filePath("good.pdf");
        QVERIFY(Fixtures::writeNumberedPdf(good, 3));
        m_goodPdf = Fixtures::readAll(good);
        QVERIFY(m_goodPdf.size() > 1000);
    }

    // Every row must answer without crashing, hanging or leaking; the statuses are
    // the only ones a user can act on for such a file.
    void badFilesAreRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QList<OpenStatus>>("allowed");

        const QList<OpenStatus> unreadable{OpenStatus::Unreadable};
        QTest::newRow("zero bytes") << "empty.pdf" << QByteArray() << unreadable;
        QTest::newRow("text named .pdf")
            << "notes.pdf" << QByteArray("Dear diary,\n") << unreadable;
        QTest::newRow("header only") << "header.pdf" << m_goodPdf.left(20) << unreadable;

        QByteArray noise(64 * 1024, Qt::Uninitialized);
        QRandomGenerator generator(7);
        generator.fillRange(reinterpret_cast<quint32 *>(noise.data()), noise.size() / 4);
        QTest::newRow("random bytes") << "noise.pdf" << noise << unreadable;
        QTest::newRow("random bytes after a header")
            << "noisy.pdf" << QByteArray("%PDF-1.7\n") + noise << unreadable;

        QTest::newRow("page tree claims two billion pages")
            << "huge.pdf"
            << Fixtures::handMadePdf(
                   {catalog, "<< /Type /Pages /Kids [3 0 R] /Count 2000000000 >>", page, content})
            << QList<OpenStatus>{OpenStatus::Opened, OpenStatus::Unreadable};
        QTest::newRow("page tree claims three pages for one")
            << "overcount.pdf"
            << Fixtures::handMadePdf(
                   {catalog, "<< /Type /Pages /Kids [3 0 R] /Count 3 >>", page, content})
            << QList<OpenStatus>{OpenStatus::Opened, OpenStatus::Unreadable};
        QTest::newRow("page tree that loops")
            << "loop.pdf"
            << Fixtures::handMadePdf(
                   {catalog, "<< /Type /Pages /Kids [2 0 R 3 0 R] /Count 2 >>", page, content})
            << QList<OpenStatus>{OpenStatus::Opened, OpenStatus::Unreadable};
        QTest::newRow("no page tree")
            << "nopages.pdf" << Fixtures::handMadePdf({"<< /Type /Catalog >>"}) << unreadable;
        QTest::newRow("page tree of nothing")
            << "nokids.pdf"
            << Fixtures::handMadePdf({catalog, "<< /Type /Pages /Kids [] /Count 0 >>"})
            << unreadable;
        QTest::newRow("unknown security handler")
            << "sealed.pdf"
            << Fixtures::handMadePdf({catalog, "<< /Type /Pages /Kids [3 0 R] /Count 1 >>", page,
                                      content,
                                      "<< /Filter /MadeUpHandler /V 4 /R 4 /Length 128 /P -4 >>"},
                                     "/Encrypt 5 0 R /ID [<00112233445566778899AABBCCDDEEFF> "
                                     "<00112233445566778899AABBCCDDEEFF>]")
            << unreadable;
        QTest::newRow("picture that isn't one")
            << "photo.jpg" << QByteArray("\xff\xd8\xff\xe0 not really") << unreadable;
        QTest::newRow("picture claiming 20000 x 20000 pixels")
            << "vast.png" << Fixtures::pngClaiming(20000, 20000) << unreadable;
        QTest::newRow("picture claiming 100000 x 100000 pixels")
            << "vaster.png" << Fixtures::pngClaiming(100000, 100000) << unreadable;
    }

    void badFilesAreRefused()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QList<OpenStatus>, allowed);

        const QString file = m_dir.filePath(name);
        QVERIFY(Fixtures::writeAll(file, bytes));
        const QUrl url = QUrl::fromLocalFile(file);
        PDFEngine engine;
        for (const std::optional<QString> &password :
             {std::optional<QString>(), std::optional<QString>("guess")}) {
            const auto result = TestUtil::await(engine.open(url, password));
            QVERIFY2(allowed.contains(result.status),
                     qPrintable(QString::number(int(result.status))));
            if (result.status == OpenStatus::Opened) {
                // Whatever a damaged file claims, every page it reports can be asked for.
                // Only pages that really are there count.
                QCOMPARE(result.pageCount, 1);
                QCOMPARE(TestUtil::await(engine.image({url, 0}, 0, 64)).size(), QSize(45, 64));
            }
        }
    }

    void pipesAndFoldersAreNotRead_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("pipe named .pdf") << "pipe.pdf";
        QTest::newRow("pipe named .png") << "pipe.png";
        QTest::newRow("folder named .pdf") << "folder.pdf";
    }

    void pipesAndFoldersAreNotRead()
    {
        QFETCH(QString, name);
        const QString file = m_dir.filePath(name);
        if (name.startsWith("pipe")) {
            QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
        } else {
            QVERIFY(QDir().mkpath(file));
        }
        PDFEngine engine;
        // Reading a pipe nobody writes to would block the engine for good.
        const auto result =
            TestUtil::await(engine.open(QUrl::fromLocalFile(file), std::nullopt), 10000);
        QCOMPARE(result.status, OpenStatus::Unreadable);
    }

    // The page opens, but nothing about it can be measured: the size it is said
    // to have is the one of a page that can't be read at all.
    void pageWithoutAreaHasTheFallbackSize_data()
    {
        QTest::addColumn<QByteArray>("box");
        QTest::newRow("a point") << QByteArray("[0 1 0 1]");
        QTest::newRow("a line") << QByteArray("[0 0 595 0]");
    }

    void pageWithoutAreaHasTheFallbackSize()
    {
        QFETCH(QByteArray, box);
        QByteArray flat = page;
        flat.replace("[0 0 595 842]", box);
        const QString file = m_dir.filePath("flat.pdf");
        QVERIFY(Fixtures::writeAll(
            file, Fixtures::handMadePdf(
                      {catalog, "<< /Type /Pages /Kids [3 0 R] /Count 1 >>", flat, content})));
        const QUrl url = QUrl::fromLocalFile(file);
        PDFEngine engine;
        QCOMPARE(TestUtil::await(engine.open(url, std::nullopt)).status, OpenStatus::Opened);
        QCOMPARE(TestUtil::await(engine.displaySize({url, 0}, 0)), QSizeF(595, 842));
        QCOMPARE(TestUtil::await(engine.displaySize({url, 0}, 90)), QSizeF(595, 842));
    }

    void truncatedAndDamagedPdfsNeverCrash_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        for (const int percent : {10, 50, 90, 99}) {
            QTest::addRow("cut at %d%%", percent)
                << m_goodPdf.left(m_goodPdf.size() * percent / 100);
        }
        QByteArray noXref = m_goodPdf;
        noXref.replace("xref", "jref");
        QTest::newRow("cross-reference table renamed") << noXref;
        QByteArray shifted = m_goodPdf;
        shifted.insert(40, QByteArray(37, ' '));
        QTest::newRow("objects moved from their offsets") << shifted;
        QByteArray scribbled = m_goodPdf;
        for (qsizetype i = scribbled.size() / 3; i < scribbled.size() / 3 + 200; ++i) {
            scribbled[i] = char(i * 31);
        }
        QTest::newRow("middle scribbled over") << scribbled;
    }

    void truncatedAndDamagedPdfsNeverCrash()
    {
        QFETCH(QByteArray, bytes);
        const QString file = m_dir.filePath("damaged.pdf");
        QVERIFY(Fixtures::writeAll(file, bytes));
        const QUrl url = QUrl::fromLocalFile(file);
        PDFEngine engine;
        const auto result = TestUtil::await(engine.open(url, std::nullopt));
        QVERIFY(result.status != OpenStatus::NeedsPassword);
        QVERIFY(result.pageCount <= 3);
        for (int index = 0; index < result.pageCount; ++index) {
            TestUtil::await(engine.image({url, index}, 90, 128));
        }
    }
};

QTEST_GUILESS_MAIN(TestEngineBadInput)
#include "tst_EngineBadInput.moc"
