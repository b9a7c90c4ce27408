#include "codes/CodeSymbology.h"

#include <QTest>

Q_DECLARE_METATYPE(CodeSymbology)

class TestCodeSymbology : public QObject
{
    Q_OBJECT

private slots:
    void rawValuesRoundTripAndAreCaseSensitive()
    {
        const QList<CodeSymbology> all = Symbology::all();
        QCOMPARE(all.size(), 17);
        for (const CodeSymbology s : all) {
            QCOMPARE(Symbology::fromRawValue(Symbology::rawValue(s)), s);
        }
        QCOMPARE(Symbology::fromRawValue("qr"), CodeSymbology::QR);
        QVERIFY(!Symbology::fromRawValue("QR"));
        QCOMPARE(Symbology::displayName(CodeSymbology::I2of5), QString("Interleaved 2 of 5"));
        QCOMPARE(Symbology::displayName(CodeSymbology::Other), QString("Barcode"));
    }

    void fromDetector_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("text");
        QTest::addColumn<CodeSymbology>("expected");
        QTest::newRow("expanded databar is databar") << "DataBarExpanded"
                                                     << "(01)123" << CodeSymbology::GS1DataBar;
        QTest::newRow("itf-14 with its check digit") << "ITF"
                                                     << "00012345678905" << CodeSymbology::ITF14;
        QTest::newRow("itf of 14 digits, wrong check digit")
            << "ITF"
            << "00012345678906" << CodeSymbology::I2of5;
        QTest::newRow("itf of other length") << "ITF"
                                             << "0001234567890" << CodeSymbology::I2of5;
        QTest::newRow("a kind the table lacks") << "MaxiCode"
                                                << "x" << CodeSymbology::Other;
        QTest::newRow("unknown name") << "SomethingNew"
                                      << "x" << CodeSymbology::Other;
    }

    void fromDetector()
    {
        QFETCH(QString, format);
        QFETCH(QString, text);
        QFETCH(CodeSymbology, expected);
        QCOMPARE(Symbology::fromDetector(format, text), expected);
    }
};

QTEST_GUILESS_MAIN(TestCodeSymbology)
#include "tst_CodeSymbology.moc"
