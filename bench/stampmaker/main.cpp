// Times the stamp maker on a photo-like picture: a 4,000 x 3,000 JPEG of a
// signature on unevenly lit, slightly noisy paper. Prints the median of several
// runs of the decoding on a worker, of the maker's pipeline on the decoded
// picture (paper estimate, ink, crop, PNG), and of the paper estimate alone on
// the 2,000-pixel working picture.

#include "engine/PDFEngine.h"
#include "helpers/TestUtil.h"
#include "stamps/StampMaker.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

QImage photo(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < height; ++y) {
        QRgb *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            // Light falling from the upper right, darker towards the lower left.
            const double light =
                0.72 + 0.22 * (double(x) / width) + 0.06 * (1.0 - double(y) / height);
            const int noise = int(random.bounded(9)) - 4;
            const int v = std::clamp(int(255 * light) + noise, 0, 255);
            row[x] = qRgb(v, v, std::max(0, v - 8));
        }
    }
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(25, 35, 90), 14, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath path(QPointF(1000, 1700));
    for (int i = 0; i < 12; ++i) {
        const double x = 1000 + i * 170;
        path.cubicTo(x + 40, 1200, x + 120, 1900, x + 170, 1500 + (i % 3) * 80);
    }
    painter.drawPath(path);
    painter.drawLine(900, 1950, 3200, 1900);
    return image;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QByteArray jpeg;
    {
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "jpeg");
        writer.setQuality(90);
        writer.write(photo(4000, 3000));
    }
    const int runs = 7;
    PDFEngine engine;
    std::vector<double> decoding;
    std::vector<double> whole;
    std::vector<double> paperOnly;
    StampMaker::Stamp last;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        const QImage picture =
            TestUtil::await(engine.decodePicture(jpeg, StampMaker::decodeLongSide));
        decoding.push_back(timer.nsecsElapsed() / 1e6);
        timer.restart();
        const Result<StampMaker::Stamp> stamp = StampMaker::run(picture, CancelToken());
        whole.push_back(timer.nsecsElapsed() / 1e6);
        if (!stamp.ok()) {
            std::fprintf(stderr, "failed: %s\n", qPrintable(stamp.error().message));
            return 1;
        }
        last = stamp.value();
    }
    const QImage working = StampMaker::bitmap(
        photo(4000, 3000).scaled(2000, 1500, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        const QImage paper = StampMaker::paper(working);
        paperOnly.push_back(timer.nsecsElapsed() / 1e6);
        if (paper.isNull()) {
            return 1;
        }
    }
    std::printf("decoding a 4000x3000 JPEG (%lld bytes) on a worker: median %.1f ms over %d runs\n",
                static_cast<long long>(jpeg.size()), median(decoding), runs);
    std::printf("makeStamp on the decoded picture -> %dx%d stamp: median %.1f ms\n",
                last.pixelWidth, last.pixelHeight, median(whole));
    std::printf("paper estimate on 2000x1500: median %.1f ms\n", median(paperOnly));
    return 0;
}
