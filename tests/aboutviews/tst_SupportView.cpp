#include "about/UpdateChecker.h"
#include "aboutviews/AboutWidgets.h"
#include "aboutviews/QRImage.h"
#include "aboutviews/SupportView.h"

#include "AboutFixture.h"
#include "SampleNetworks.h"
#include "codes/CodeReader.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <qrencode.h>

class TestSupportView : public QObject
{
    Q_OBJECT

    template<typename T> static T *child(QWidget &view, const char *name)
    {
        auto *found = view.findChild<T *>(QString::fromLatin1(name));
        if (!found) {
            qFatal("no %s", name);
        }
        return found;
    }

    static void pick(SupportView &view, int index)
    {
        auto *segment = child<AboutWidgets::SegmentedPicker>(view, "networkPicker")->segment(index);
        QTest::mouseClick(segment, Qt::LeftButton);
    }

private slots:
    void initTestCase() { AboutFixture::setUpApplication(); }

    void variantsDifferOnlyInTitleAndClosingButton_data()
    {
        QTest::addColumn<bool>("afterResult");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("closing");
        QTest::newRow("asked for by the user") << false << "Support Tamsel"
                                               << "Done";
        QTest::newRow("offered after a first result") << true << "Done! Support Tamsel?"
                                                      << "Not Now";
    }

    void variantsDifferOnlyInTitleAndClosingButton()
    {
        QFETCH(bool, afterResult);
        QFETCH(QString, title);
        QFETCH(QString, closing);
        AboutFixture f;
        SupportView view(f.model.get(), afterResult, sampleNetworks());
        QCOMPARE(child<QLabel>(view, "supportTitle")->text(), title);
        QCOMPARE(child<QPushButton>(view, "closeButton")->text(), closing);
        // Every opening starts on the first network, ready to copy.
        QCOMPARE(view.network().id, QStringLiteral("evm"));
        QCOMPARE(child<QLabel>(view, "networksValue")->text(),
                 QStringLiteral("Ethereum, Arbitrum, BNB Chain"));
        QCOMPARE(child<QLabel>(view, "coinsValue")->text(), QStringLiteral("USDT, USDC, ETH, BNB"));
        QCOMPARE(child<QPushButton>(view, "copyButton")->text(), QStringLiteral("Copy Address"));
        QVERIFY(child<QLabel>(view, "footerNote")->text().endsWith(QStringLiteral("/donate.")));
    }

    void copyPutsTheStoredAddressUntilAnotherNetworkIsPicked()
    {
        AboutFixture f;
        SupportView view(f.model.get(), false, sampleNetworks());
        view.show();
        auto *copy = child<QPushButton>(view, "copyButton");

        pick(view, 3); // Bitcoin: the network without an address is not listed
        QCOMPARE(view.network().id, QStringLiteral("btc"));
        QCOMPARE(child<QLabel>(view, "addressText")->text().count(QLatin1Char('\n')), 1);
        QTest::mouseClick(copy, Qt::LeftButton);
        // Whole, never the split form shown on screen.
        QCOMPARE(f.clipboard.copiedTexts, QList<QString>{sampleNetworks()[4].address});
        QCOMPARE(copy->text(), QStringLiteral("Copied"));
        QVERIFY(f.model->toast());
        QTest::mouseClick(copy, Qt::LeftButton);
        QCOMPARE(copy->text(), QStringLiteral("Copied"));

        pick(view, 3); // the same network again changes nothing
        QCOMPARE(copy->text(), QStringLiteral("Copied"));
        pick(view, 1);
        QCOMPARE(copy->text(), QStringLiteral("Copy Address"));
        QCOMPARE(f.clipboard.copiedTexts.size(), 2);
        QCOMPARE(child<QLabel>(view, "addressText")->text(), sampleNetworks()[1].address);
    }

    // Nobody is asked to send coins where the build has no address.
    void onlyNetworksWithAnAddressAreListed()
    {
        AboutFixture f;
        SupportView view(f.model.get(), false, sampleNetworks());
        view.show();
        QStringList ids;
        for (const DonationNetwork &network : view.networks()) {
            ids << network.id;
        }
        QCOMPARE(ids, (QStringList{"evm", "tron", "ton", "btc"}));
        auto *picker = child<AboutWidgets::SegmentedPicker>(view, "networkPicker");
        QVERIFY(picker->segment(3) && !picker->segment(4));
        for (int i = 0; i < 4; ++i) {
            pick(view, i);
            QVERIFY(child<QWidget>(view, "qrCode")->isVisible());
            QVERIFY(child<QWidget>(view, "copyButton")->isVisible());
            QVERIFY(!child<QWidget>(view, "missingAddress")->isVisible());
        }
    }

    void aBuildWithoutAddressesOnlySaysWhereTheyAre()
    {
        AboutFixture f;
        QList<DonationNetwork> none = DonationNetwork::all();
        for (DonationNetwork &network : none) {
            network.address.clear();
        }
        SupportView view(f.model.get(), false, none);
        view.show();
        QVERIFY(view.networks().isEmpty());
        for (const char *part :
             {"networkPicker", "qrCode", "copyButton", "addressText", "footerNote"}) {
            QVERIFY2(!child<QWidget>(view, part)->isVisible(), part);
        }
        QVERIFY(child<QLabel>(view, "missingAddress")->isVisible());
        QVERIFY(child<QLabel>(view, "missingAddress")
                    ->text()
                    .contains(UpdateChecker::pageURL().host() + "/donate"));
        QTest::mouseClick(child<QPushButton>(view, "closeButton"), Qt::LeftButton);
        QVERIFY(!view.isVisible());
    }

    void returnAndEscapeClose_data()
    {
        QTest::addColumn<bool>("afterResult");
        QTest::addColumn<int>("key");
        QTest::newRow("Return, manual") << false << int(Qt::Key_Return);
        QTest::newRow("Return, after a result") << true << int(Qt::Key_Return);
        QTest::newRow("Escape") << false << int(Qt::Key_Escape);
    }

    void returnAndEscapeClose()
    {
        QFETCH(bool, afterResult);
        QFETCH(int, key);
        AboutFixture f;
        SupportView view(f.model.get(), afterResult, sampleNetworks());
        QSignalSpy finished(&view, &QDialog::finished);
        view.open();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        // Even with the copy button focused, Return closes rather than copies.
        child<QPushButton>(view, "copyButton")->setFocus();
        QTest::keyClick(&view, Qt::Key(key));
        QCOMPARE(finished.count(), 1);
        QVERIFY(!view.isVisible());
        QVERIFY(f.clipboard.copiedTexts.isEmpty());
    }

    void displayedSplitsLongAddresses_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("shown");
        const QString a52(52, QLatin1Char('a'));
        QTest::newRow("52 stay on one line") << a52 << a52;
        QTest::newRow("53: the first line takes the extra one")
            << QString(53, QLatin1Char('b'))
            << QString(27, QLatin1Char('b')) + "\n" + QString(26, QLatin1Char('b'));
        QTest::newRow("54: halves")
            << QString(54, QLatin1Char('c'))
            << QString(27, QLatin1Char('c')) + "\n" + QString(27, QLatin1Char('c'));
        // A letter with a combining accent is one character to the reader and is never cut.
        const QString accented = QStringLiteral("e\u0301");
        QTest::newRow("combining marks count once")
            << accented.repeated(53) << accented.repeated(27) + "\n" + accented.repeated(26);
        QTest::newRow("emoji outside the basic plane count once")
            << QStringLiteral("😀").repeated(52) << QStringLiteral("😀").repeated(52);
    }

    void displayedSplitsLongAddresses()
    {
        QFETCH(QString, address);
        QFETCH(QString, shown);
        QCOMPARE(SupportView::displayed(address), shown);
    }

    void qrCodeReadsBackAsItsText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("an EVM address") << sampleNetworks()[0].address;
        QTest::newRow("a long bech32 address") << sampleNetworks()[4].address;
        QTest::newRow("non-ASCII text as UTF-8") << QStringLiteral("Grüße, 東京 ✓");
    }

    void qrCodeReadsBackAsItsText()
    {
        QFETCH(QString, text);
        const QImage picture = QRImage::image(text, 168);
        QVERIFY(!picture.isNull());
        QCOMPARE(picture.deviceIndependentSize(), QSizeF(168, 168));
        const QList<CodeReader::Reading> readings = CodeReader::codes(picture);
        QCOMPARE(readings.size(), 1);
        QCOMPARE(readings.first().payload, text);
        QCOMPARE(readings.first().symbology, CodeSymbology::QR);
    }

    void qrModulesAreWholePixelsAtAboutTwiceTheSize_data()
    {
        QTest::addColumn<qreal>("size");
        QTest::newRow("the panel's 168") << 168.0;
        QTest::newRow("smaller than the symbol: one pixel per module") << 10.0;
    }

    void qrModulesAreWholePixelsAtAboutTwiceTheSize()
    {
        QFETCH(qreal, size);
        const QString text = sampleNetworks()[0].address;
        const QByteArray bytes = text.toUtf8();
        QRcode *code = QRcode_encodeData(int(bytes.size()),
                                         reinterpret_cast<const unsigned char *>(bytes.data()), 0,
                                         QR_ECLEVEL_M);
        QVERIFY(code);
        const int width = code->width + 4; // with the quiet zone
        QRcode_free(code);
        const int scale = std::max(1, int(2 * size / width));
        const QImage picture = QRImage::image(text, size);
        QCOMPARE(picture.width(), width * scale);
        QCOMPARE(picture.deviceIndependentSize(), QSizeF(size, size));
        QCOMPARE(QRImage::image(text, size), picture); // the same text, the same picture
    }

    void noPictureForWhatNoCodeHolds()
    {
        QVERIFY(QRImage::image(QString(), 168).isNull());
        QVERIFY(QRImage::image(QString(4000, QLatin1Char('x')), 168).isNull());
    }
};

QTEST_MAIN(TestSupportView)
#include "tst_SupportView.moc"
