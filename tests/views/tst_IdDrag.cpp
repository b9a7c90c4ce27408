#include "views/IdDrag.h"

#include <QMimeData>
#include <QTest>

#include <memory>

class TestIdDrag : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip()
    {
        const QUuid id = QUuid::createUuid();
        std::unique_ptr<QMimeData> data(IdDrag::mimeData(id));
        QCOMPARE(IdDrag::id(data.get()), id);
    }

    void foreignTextIsRefused_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("plain words") << "page 3";
        QTest::newRow("braced id") << QUuid::createUuid().toString();
        QTest::newRow("two ids") << QUuid::createUuid().toString(QUuid::WithoutBraces) + " " +
                                        QUuid::createUuid().toString(QUuid::WithoutBraces);
        QTest::newRow("null id") << QUuid().toString(QUuid::WithoutBraces);
        QTest::newRow("empty") << "";
    }

    void foreignTextIsRefused()
    {
        QFETCH(QString, text);
        QMimeData data;
        data.setText(text);
        QVERIFY(!IdDrag::id(&data));
        QVERIFY(!IdDrag::id(nullptr));
    }
};

QTEST_MAIN(TestIdDrag)
#include "tst_IdDrag.moc"
