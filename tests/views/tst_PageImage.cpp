#include "app/ShellFixture.h"

#include "model/Thumbnails.h"
#include "stamps/StampLibrary.h"
#include "stamps/StampMaker.h"
#include "views/PageImage.h"

#include <QBuffer>
#include <QPainter>

// Page pictures: the stamp drawn over a cached page, the placeholder while
// the page is missing, and the widget that asks the cache for itself.
class TestPageImage : public QObject
{
    Q_OBJECT

    static StampMaker::Stamp solidStamp(QSize size, QColor color)
    {
        QImage image(size, QImage::Format_ARGB32);
        image.fill(color);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        return StampMaker::Stamp{png, size.width(), size.height()};
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        Theme::apply(*qApp);
    }

    void stampSize_data()
    {
        QTest::addColumn<QSizeF>("picture");
        QTest::addColumn<QSizeF>("expected");
        // A placement half the width of a 200 x 300 page.
        QTest::newRow("wide picture keeps its aspect") << QSizeF(100, 50) << QSizeF(100, 50);
        QTest::newRow("no height counts as one point") << QSizeF(100, 0) << QSizeF(100, 1);
        QTest::newRow("no width stays finite") << QSizeF(0, 50) << QSizeF(100, 100000);
    }

    void stampSize()
    {
        QFETCH(QSizeF, picture);
        QFETCH(QSizeF, expected);
        StampPlacement placement{QUuid::createUuid(), QUuid::createUuid(), QPointF(0.5, 0.5), 0.5,
                                 0};
        const QSizeF size = StampImage::size(placement, QSizeF(200, 300), picture);
        QCOMPARE(size, expected);
    }

    void stampIsDrawnWhereItIsPlaced()
    {
        ShellFixture f;
        OpenFile *file = f.open({f.pdf(QStringLiteral("doc.pdf"), 1)});
        const auto record = f.model->stamps()->add(solidStamp(QSize(40, 20), Qt::red),
                                                   QStringLiteral("Red"), QUuid::createUuid());
        QVERIFY(record);
        // Turned a quarter: the stamp is placed on the page as displayed.
        QVERIFY(TestUtil::waitFor(f.model->turn(file, {file->pages().first().id}, true)));
        const auto placement = f.model->place(*record, file, file->pages().first().id);
        QVERIFY(placement);
        StampPlacement moved = *placement;
        moved.center = QPointF(0.25, 0.75);
        f.model->update(moved, file, file->pages().first().id);
        const PageItem page = file->pages().first();

        QVERIFY(TestUtil::waitFor(f.model->thumbnails()->load(PageImage::key(page, 360))));
        QImage canvas(420, 420, QImage::Format_ARGB32);
        canvas.fill(Qt::transparent);
        QPainter painter(&canvas);
        bool cached = false;
        const QRectF shown = PageImage::paint(painter, QRectF(10, 10, 400, 400), page, 360, true,
                                              *f.model, 0, &cached);
        painter.end();
        QVERIFY(cached);
        QVERIFY(shown.width() > shown.height()); // landscape once turned
        const QPoint at(int(shown.left() + 0.25 * shown.width()),
                        int(shown.top() + 0.75 * shown.height()));
        QCOMPARE(canvas.pixelColor(at), QColor(Qt::red));
        const QPoint elsewhere(int(shown.left() + 0.75 * shown.width()),
                               int(shown.top() + 0.25 * shown.height()));
        QVERIFY(canvas.pixelColor(elsewhere) != QColor(Qt::red));

        // Without stamps, or with the stamp gone from the library, nothing is drawn there.
        for (const bool showsStamps : {false, true}) {
            if (showsStamps) {
                f.model->deleteStamp(record->id);
            }
            canvas.fill(Qt::transparent);
            QPainter again(&canvas);
            PageImage::paint(again, QRectF(10, 10, 400, 400), page, 360, showsStamps, *f.model, 0);
            again.end();
            QVERIFY(canvas.pixelColor(at) != QColor(Qt::red));
        }
    }

    void placeholderUntilCached()
    {
        ShellFixture f;
        OpenFile *file = f.open({f.pdf(QStringLiteral("doc.pdf"), 2)});
        QImage canvas(200, 200, QImage::Format_ARGB32);
        QPainter painter(&canvas);
        bool cached = true;
        const QRectF shown =
            PageImage::paint(painter, QRectF(0, 0, 200, 200), file->pages().first(), 360, true,
                             *f.model, 0.3, &cached);
        QVERIFY(!cached);
        QCOMPARE(qRound(shown.width() * 1000 / shown.height()), 707);
        QCOMPARE(shown.height(), 200.0);
    }

    void viewAsksForItsOwnPicture()
    {
        ShellFixture f;
        OpenFile *file = f.open({f.pdf(QStringLiteral("doc.pdf"), 2)});
        PageImageView view(f.model.get(), 120, false);
        view.resize(100, 140);
        view.setPage(file->pages().at(1));
        QVERIFY(!view.isShowingPicture());
        view.show();
        // However long a loaded machine takes to draw it.
        QTRY_VERIFY_WITH_TIMEOUT(view.isShowingPicture(), 60000);
        const QImage upright =
            f.model->thumbnails()->image(PageImage::key(file->pages().at(1), 120));
        QVERIFY(!upright.isNull());

        // The turned page is a picture of its own, never the upright one. (How soon
        // it shows depends on the engine: a picture it has at hand may come at once.)
        PageItem turned = file->pages().at(1);
        turned.turn = 180;
        view.setPage(turned);
        QTRY_VERIFY_WITH_TIMEOUT(view.isShowingPicture(), 60000);
        const QImage upsideDown = f.model->thumbnails()->image(PageImage::key(turned, 120));
        QVERIFY(!upsideDown.isNull());
        QVERIFY(upsideDown != upright);
    }
};

QTEST_MAIN(TestPageImage)
#include "tst_PageImage.moc"
