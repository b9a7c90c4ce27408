#include "stamps/PictureImport.h"

#include <QBuffer>
#include <QImage>
#include <QMimeData>
#include <QTest>

class TestPictureImport : public QObject
{
    Q_OBJECT

private slots:
    void picksTheFirstPicture_data()
    {
        QTest::addColumn<QStringList>("formats");
        QTest::addColumn<QList<QByteArray>>("payloads");
        QTest::addColumn<QByteArray>("expected"); // empty: nothing
        QTest::newRow("nothing offered") << QStringList{} << QList<QByteArray>{} << QByteArray();
        QTest::newRow("text only") << QStringList{"text/plain"} << QList<QByteArray>{"hello"} << QByteArray();
        QTest::newRow("text before a picture")
            << QStringList{"text/plain", "image/jpeg"} << QList<QByteArray>{"hello", "jpeg bytes"}
            << QByteArray("jpeg bytes");
        QTest::newRow("first of two pictures")
            << QStringList{"image/png", "image/jpeg"} << QList<QByteArray>{"png bytes", "jpeg bytes"}
            << QByteArray("png bytes");
        QTest::newRow("empty picture is skipped")
            << QStringList{"image/png", "image/heic"} << QList<QByteArray>{"", "heic bytes"}
            << QByteArray("heic bytes");
    }

    void picksTheFirstPicture()
    {
        QFETCH(QStringList, formats);
        QFETCH(QList<QByteArray>, payloads);
        QFETCH(QByteArray, expected);
        QMimeData data;
        for (qsizetype i = 0; i < formats.size(); ++i) {
            data.setData(formats[i], payloads[i]);
        }
        const std::optional<QByteArray> bytes = PictureImport::imageData(data);
        QCOMPARE(bytes.has_value(), !expected.isEmpty());
        if (bytes) {
            QCOMPARE(*bytes, expected);
        }
    }

    void imageWithoutBytesBecomesPng()
    {
        QImage image(30, 20, QImage::Format_ARGB32);
        image.fill(QColor(10, 20, 30, 128));
        QMimeData data;
        data.setImageData(image);
        const std::optional<QByteArray> bytes = PictureImport::imageData(data);
        QVERIFY(bytes);
        QVERIFY(bytes->startsWith("\x89PNG"));
        const QImage back = QImage::fromData(*bytes, "PNG").convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(back, image);
    }
};

QTEST_MAIN(TestPictureImport)
#include "tst_PictureImport.moc"
