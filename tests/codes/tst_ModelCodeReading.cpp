#include "CodePictures.h"

#include "codes/CodesModel.h"
#include "engine/PDFEngine.h"
#include "helpers/ModelFixture.h"
#include "helpers/PdfFixtures.h"
#include "helpers/TestUtil.h"
#include "model/AppModel.h"

#include <QBuffer>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

using namespace std::chrono_literals;

// The app model's reading operations: its password questions, its alerts, the
// clipboard, and the support offer after the first result.
class TestModelCodeReading : public QObject
{
    Q_OBJECT

    std::unique_ptr<ModelFixture> m_fixture;

    AppModel *model() const { return m_fixture->model.get(); }

    QUrl qrPdf(const QString &name, const QString &payload, const QString &password = {})
    {
        const QString plain = m_fixture->folder.filePath("plain-" + name);
        CodePictures::writePdf(plain, {{{CodePictures::qr(payload), QPoint(100, 100)}}});
        const QString path = m_fixture->folder.filePath(name);
        if (password.isEmpty()) {
            QFile::rename(plain, path);
        } else {
            // Locked with qpdf, as the fixtures lock their files.
            QProcess qpdf;
            qpdf.start("qpdf", {"--encrypt", password, password, "256", "--", plain, path});
            qpdf.waitForFinished();
        }
        return QUrl::fromLocalFile(path);
    }

    bool waitForQuestion()
    {
        return QTest::qWaitFor([this] { return model()->passwordRequest().has_value(); }, 10000);
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init()
    {
        QSettings().clear();
        m_fixture = std::make_unique<ModelFixture>();
    }

    void cleanup() { m_fixture.reset(); }

    void lockedPdfIsReadAfterItsPassword()
    {
        const QUrl url = qrPdf("locked.pdf", "behind a password", "pw");
        model()->readCodes({url});
        QVERIFY(waitForQuestion());
        QCOMPARE(model()->passwordRequest()->fileName, QString("locked.pdf"));
        model()->answerPassword(QString("pw"));
        QTRY_VERIFY_WITH_TIMEOUT(!model()->codes()->isReading(), 30000);
        QCOMPARE(model()->codes()->found().size(), 1);
        QCOMPARE(model()->codes()->found().first().payload, QString("behind a password"));
        QVERIFY(!model()->errorMessage());
        // The first result of the installation brings the support offer.
        m_fixture->clock.advance(900ms);
        QCOMPARE(model()->support(), std::optional<SupportPrompt>(SupportPrompt::AfterFirstResult));
        // Read and not open: the engine lets go of it.
        QTRY_COMPARE(TestUtil::await(m_fixture->engine->cachedDocumentCount()), 0);
    }

    void dismissedPasswordIsSilent()
    {
        const QUrl url = qrPdf("locked.pdf", "x", "pw");
        model()->readCodes({url});
        QVERIFY(waitForQuestion());
        model()->answerPassword(std::nullopt);
        QTRY_VERIFY_WITH_TIMEOUT(!model()->codes()->isReading(), 30000);
        QVERIFY(!model()->errorMessage());
        QCOMPARE(model()->codes()->emptyMessage(),
                 std::optional<QString>("No codes found in “locked.pdf”."));
    }

    void damagedPdfAlertsAndNamesTheFile()
    {
        const QString path = m_fixture->folder.filePath("damaged.pdf");
        Fixtures::writeAll(path, "%PDF-1.4\ngarbage");
        model()->readCodes({QUrl::fromLocalFile(path)});
        QTRY_VERIFY_WITH_TIMEOUT(!model()->codes()->isReading(), 30000);
        QVERIFY(model()->errorMessage().has_value());
        QCOMPARE(model()->codes()->emptyMessage(),
                 std::optional<QString>("No codes found in “damaged.pdf”."));
    }

    void clipboardWithoutPictureAlertsAndLeavesTheReadAlone()
    {
        const QUrl url = qrPdf("running.pdf", "still read");
        model()->readCodes({url});
        model()->readCodesFromClipboard();
        QCOMPARE(model()->errorMessage(),
                 std::optional<QString>(
                     "There's no picture on the clipboard. Copy a screenshot or an image first."));
        QTRY_VERIFY_WITH_TIMEOUT(!model()->codes()->isReading(), 30000);
        QCOMPARE(model()->codes()->found().size(), 1);
    }

    void clipboardPicture_data()
    {
        QTest::addColumn<bool>("asBytes");
        QTest::newRow("encoded bytes, decoded by the worker") << true;
        QTest::newRow("a picture without bytes") << false;
    }

    void clipboardPicture()
    {
        QFETCH(bool, asBytes);
        const QImage picture =
            CodePictures::canvas({600, 400}, {{CodePictures::qr("pasted"), QPoint(50, 50)}});
        if (asBytes) {
            QBuffer buffer(&m_fixture->clipboard.encoded);
            buffer.open(QIODevice::WriteOnly);
            QVERIFY(picture.save(&buffer, "PNG"));
        } else {
            m_fixture->clipboard.picture = picture;
        }
        model()->readCodesFromClipboard();
        QTRY_VERIFY_WITH_TIMEOUT(!model()->codes()->isReading(), 30000);
        QCOMPARE(model()->codes()->found().size(), 1);
        QCOMPARE(model()->codes()->found().first().origin, QString("Pasted image"));
        QVERIFY(!model()->errorMessage());
    }

    void openDocumentStaysInTheEngine()
    {
        const QUrl url = qrPdf("open.pdf", "open");
        TestUtil::waitFor(model()->open({url}));
        QCOMPARE(model()->files().size(), 1);
        model()->readCodes({url});
        QTRY_VERIFY_WITH_TIMEOUT(!model()->codes()->isReading(), 30000);
        QCOMPARE(model()->codes()->found().size(), 1);
        QCOMPARE(TestUtil::await(m_fixture->engine->cachedDocumentCount()), 1);
    }
};

QTEST_MAIN(TestModelCodeReading)
#include "tst_ModelCodeReading.moc"
