// Turns clean code pictures into the bench's sample set: each code as printed,
// as a phone photo would show it (turned, blurred, noisy, JPEG), shrunk, placed
// off-centre on a page among lines of text, and for a few kinds light on dark.
//
//     make_code_samples <folder of clean PNGs> <output folder>
//
// Each clean picture is named <kind>.png, with the code's text in <kind>.txt
// beside it; the output is <kind>/<variant>.<ext>, each with a copy of the text
// as <kind>/<variant>.txt, as public sample sets are laid out.

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTransform>

#include <cstdio>

namespace {

QImage onWhite(const QImage &code, int margin)
{
    QImage out(code.width() + 2 * margin, code.height() + 2 * margin, QImage::Format_RGB32);
    out.fill(Qt::white);
    QPainter p(&out);
    p.drawImage(margin, margin, code);
    return out;
}

QImage photo(const QImage &clean, QRandomGenerator &random)
{
    QImage tilted =
        onWhite(clean, 40).transformed(QTransform().rotate(7), Qt::SmoothTransformation);
    QImage paper(tilted.size(), QImage::Format_RGB32);
    paper.fill(QColor(235, 232, 225));
    QPainter p(&paper);
    p.drawImage(0, 0, tilted);
    p.end();
    // Out of focus: down and up again.
    QImage soft = paper.scaled(paper.size() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                      .scaled(paper.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    for (int y = 0; y < soft.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(soft.scanLine(y));
        for (int x = 0; x < soft.width(); ++x) {
            // Washed-out ink, uneven light from left to right, sensor noise.
            const double light = 0.85 + 0.15 * x / soft.width();
            const int noise = int(random.bounded(31)) - 15;
            auto shade = [&](int c) {
                return std::clamp(int((60 + c * 0.7) * light) + noise, 0, 255);
            };
            line[x] = qRgb(shade(qRed(line[x])), shade(qGreen(line[x])), shade(qBlue(line[x])));
        }
    }
    return soft;
}

QImage page(const QImage &clean, QRandomGenerator &random)
{
    QImage out(1240, 1754, QImage::Format_RGB32); // A4 at 150 dpi
    out.fill(Qt::white);
    QPainter p(&out);
    p.setPen(Qt::black);
    QFont font;
    font.setPixelSize(22);
    p.setFont(font);
    for (int line = 0; line < 30; ++line) {
        p.drawText(110, 150 + line * 36,
                   QStringLiteral("Invoice line %1 of the order, quantity %2, see the code below")
                       .arg(line + 1)
                       .arg(random.bounded(90) + 10));
    }
    const QImage code =
        clean.width() > 520 ? clean.scaledToWidth(520, Qt::SmoothTransformation) : clean;
    p.drawImage(out.width() - code.width() - 110, out.height() - code.height() - 130, code);
    return out;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_code_samples <clean folder> <output folder>\n");
        return 2;
    }
    const QDir in(QString::fromLocal8Bit(argv[1]));
    QDir out(QString::fromLocal8Bit(argv[2]));
    out.mkpath(QStringLiteral("."));
    QRandomGenerator random(20261209);
    const QStringList inverted = {"qr", "datamatrix", "aztec", "code128"};
    for (const QString &name : in.entryList({"*.png"}, QDir::Files, QDir::Name)) {
        const QString kind = QFileInfo(name).completeBaseName();
        const QImage clean = QImage(in.filePath(name)).convertToFormat(QImage::Format_RGB32);
        out.mkpath(kind);
        const QDir folder(out.filePath(kind));
        auto save = [&](const QImage &picture, const QString &variant, const char *format,
                        int quality = -1) {
            picture.save(
                folder.filePath(variant + (qstrcmp(format, "JPEG") == 0 ? ".jpg" : ".png")), format,
                quality);
            QFile::remove(folder.filePath(variant + ".txt"));
            QFile::copy(in.filePath(kind + ".txt"), folder.filePath(variant + ".txt"));
        };
        save(onWhite(clean, 30).convertToFormat(QImage::Format_Grayscale8), "printed", "PNG");
        save(photo(clean, random), "photo", "JPEG", 55);
        save(onWhite(
                 clean.scaled(clean.size() * 0.6, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
                 20),
             "small", "JPEG", 70);
        save(page(clean, random).convertToFormat(QImage::Format_Grayscale8), "page", "PNG");
        if (inverted.contains(kind)) {
            QImage dark = onWhite(clean, 30);
            dark.invertPixels();
            save(dark.convertToFormat(QImage::Format_Grayscale8), "inverted", "PNG");
        }
    }
    return 0;
}
