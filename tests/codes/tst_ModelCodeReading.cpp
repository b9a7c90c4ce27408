#include "CodePictures.h"

#include "codes/CodesModel.h"
#include "engine/PDFEngine.h"
#include "helpers/FakeClock.h"
#include "helpers/FakeDesktop.h"
#include "helpers/PdfFixtures.h"
#include "helpers/TestUtil.h"
#include "model/AppModel.h"

#include <QBuffer>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace std::chrono_literals;

// The app model's reading operations: its password questions, its alerts, the
// clipboard, and the support offer after the first result.
class TestModelCodeReading : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    FakeClock m_clock;
    FakeClipboard m_clipboard;
    std::unique_ptr<PDFEngine> m_engine;
    std::unique_ptr<AppModel> m_model;

    QUrl qrPdf(const QString &name, const QString &payload, const QString &password = {})
    {
        const QString plain = m_dir.filePath("plain-" + name);
        CodePictures::writePdf(plain, {{{CodePictures::qr(payload), QPoint(100, 100)}}});
        const QString path = m_dir.filePath(name);
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
        return QTest::qWaitFor([this] { return m_model->passwordRequest().has_value(); }, 10000);
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_dir.isValid());
    }

    void init()
    {
        QSettings().clear();
        m_engine = std::make_unique<PDFEngine>();
        AppModel::Services services;
        services.engine = m_engine.get();
        services.clock = &m_clock;
        services.clipboard = &m_clipboard;
        services.stampsFolder = m_dir.filePath("Stamps");
        m_model = std::make_unique<AppModel>(services);
        m_clipboard.picture = QImage();
        m_clipboard.encoded.clear();
    }

    void cleanup()
    {
        m_model.reset();
        m_engine.reset();
    }

    void lockedPdfIsReadAfterItsPassword()
    {
        const QUrl url = qrPdf("locked.pdf", "behind a password", "pw");
        m_model->readCodes({url});
        QVERIFY(waitForQuestion());
        QCOMPARE(m_model->passwordRequest()->fileName, QString("locked.pdf"));
        m_model->answerPassword(QString("pw"));
        QTRY_VERIFY_WITH_TIMEOUT(!m_model->codes()->isReading(), 30000);
        QCOMPARE(m_model->codes()->found().size(), 1);
        QCOMPARE(m_model->codes()->found().first().payload, QString("behind a password"));
        QVERIFY(!m_model->errorMessage());
        // The first result of the installation brings the support offer.
        m_clock.advance(900ms);
        QCOMPARE(m_model->support(), std::optional<SupportPrompt>(SupportPrompt::AfterFirstResult));
        // Read and not open: the engine lets go of it.
        QTRY_COMPARE(TestUtil::await(m_engine->cachedDocumentCount()), 0);
    }

    void dismissedPasswordIsSilent()
    {
        const QUrl url = qrPdf("locked.pdf", "x", "pw");
        m_model->readCodes({url});
        QVERIFY(waitForQuestion());
        m_model->answerPassword(std::nullopt);
        QTRY_VERIFY_WITH_TIMEOUT(!m_model->codes()->isReading(), 30000);
        QVERIFY(!m_model->errorMessage());
        QCOMPARE(m_model->codes()->emptyMessage(),
                 std::optional<QString>("No codes found in “locked.pdf”."));
    }

    void damagedPdfAlertsAndNamesTheFile()
    {
        const QString path = m_dir.filePath("damaged.pdf");
        Fixtures::writeAll(path, "%PDF-1.4\ngarbage");
        m_model->readCodes({QUrl::fromLocalFile(path)});
        QTRY_VERIFY_WITH_TIMEOUT(!m_model->codes()->isReading(), 30000);
        QVERIFY(m_model->errorMessage().has_value());
        QCOMPARE(m_model->codes()->emptyMessage(),
                 std::optional<QString>("No codes found in “damaged.pdf”."));
    }

    void clipboardWithoutPictureAlertsAndLeavesTheReadAlone()
    {
        const QUrl url = qrPdf("running.pdf", "still read");
        m_model->readCodes({url});
        m_model->readCodesFromClipboard();
        QCOMPARE(m_model->errorMessage(),
                 std::optional<QString>(
                     "There's no picture on the clipboard. Copy a screenshot or an image first."));
        QTRY_VERIFY_WITH_TIMEOUT(!m_model->codes()->isReading(), 30000);
        QCOMPARE(m_model->codes()->found().size(), 1);
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
            QBuffer buffer(&m_clipboard.encoded);
            buffer.open(QIODevice::WriteOnly);
            QVERIFY(picture.save(&buffer, "PNG"));
        } else {
            m_clipboard.picture = picture;
        }
        m_model->readCodesFromClipboard();
        QTRY_VERIFY_WITH_TIMEOUT(!m_model->codes()->isReading(), 30000);
        QCOMPARE(m_model->codes()->found().size(), 1);
        QCOMPARE(m_model->codes()->found().first().origin, QString("Pasted image"));
        QVERIFY(!m_model->errorMessage());
    }

    void openDocumentStaysInTheEngine()
    {
        const QUrl url = qrPdf("open.pdf", "open");
        TestUtil::waitFor(m_model->open({url}));
        QCOMPARE(m_model->files().size(), 1);
        m_model->readCodes({url});
        QTRY_VERIFY_WITH_TIMEOUT(!m_model->codes()->isReading(), 30000);
        QCOMPARE(m_model->codes()->found().size(), 1);
        QCOMPARE(TestUtil::await(m_engine->cachedDocumentCount()), 1);
    }
};

QTEST_MAIN(TestModelCodeReading)
#include "tst_ModelCodeReading.moc"
