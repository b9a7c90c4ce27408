#include "helpers/OutputFixtures.h"
#include "helpers/PdfFixtures.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include <openjpeg.h>

#include <poppler-qt6.h>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFWriter.hh>

namespace Fixtures {

QImage photoLike(QSize size, int seed)
{
    QImage image(size, QImage::Format_RGB32);
    QRandomGenerator random(quint32(seed) * 7919u + 17u);
    QPainter painter(&image);
    QLinearGradient sky(0, 0, size.width(), size.height());
    sky.setColorAt(0, QColor::fromHsv(random.bounded(360), 120, 230));
    sky.setColorAt(1, QColor::fromHsv(random.bounded(360), 180, 90));
    painter.fillRect(image.rect(), sky);
    painter.setPen(Qt::NoPen);
    const int side = std::max(size.width(), size.height());
    for (int i = 0; i < 60; ++i) {
        const QPointF centre(random.bounded(size.width()), random.bounded(size.height()));
        const double radius = side * (0.02 + random.bounded(0.15));
        QRadialGradient blob(centre, radius);
        blob.setColorAt(0,
                        QColor::fromHsv(random.bounded(360), 160, 40 + random.bounded(200), 220));
        blob.setColorAt(1, QColor(0, 0, 0, 0));
        painter.setBrush(blob);
        painter.drawEllipse(centre, radius, radius);
    }
    painter.end();
    // Grain, as a sensor leaves it: what makes photographs expensive to store.
    for (int y = 0; y < size.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const int n = int(random.bounded(13)) - 6;
            line[x] =
                qRgb(std::clamp(qRed(line[x]) + n, 0, 255), std::clamp(qGreen(line[x]) + n, 0, 255),
                     std::clamp(qBlue(line[x]) + n, 0, 255));
        }
    }
    return image;
}

namespace {

QByteArray jpegOf(const QImage &image, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(quality);
    writer.write(image);
    return bytes;
}

// A JP2 file of `image`'s RGB colours, made with OpenJPEG at a compression ratio of 12.
QByteArray jpxOf(const QImage &image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    const int w = rgb.width();
    const int h = rgb.height();
    opj_image_cmptparm_t parameters[3];
    for (opj_image_cmptparm_t &component : parameters) {
        component = opj_image_cmptparm_t{};
        component.dx = 1;
        component.dy = 1;
        component.w = OPJ_UINT32(w);
        component.h = OPJ_UINT32(h);
        component.prec = 8;
    }
    opj_image_t *picture = opj_image_create(3, parameters, OPJ_CLRSPC_SRGB);
    picture->x1 = OPJ_UINT32(w);
    picture->y1 = OPJ_UINT32(h);
    for (int y = 0; y < h; ++y) {
        const uchar *line = rgb.constScanLine(y);
        for (int x = 0; x < w; ++x) {
            for (int c = 0; c < 3; ++c) {
                picture->comps[c].data[qsizetype(y) * w + x] = line[x * 3 + c];
            }
        }
    }
    opj_cparameters_t settings;
    opj_set_default_encoder_parameters(&settings);
    settings.tcp_numlayers = 1;
    settings.tcp_rates[0] = 12;
    settings.cp_disto_alloc = 1;
    settings.irreversible = 1;
    QTemporaryDir dir;
    const QByteArray path = dir.filePath(QStringLiteral("picture.jp2")).toLocal8Bit();
    opj_codec_t *codec = opj_create_compress(OPJ_CODEC_JP2);
    opj_stream_t *stream = opj_stream_create_default_file_stream(path.constData(), OPJ_FALSE);
    const bool made = opj_setup_encoder(codec, &settings, picture) &&
                      opj_start_compress(codec, picture, stream) && opj_encode(codec, stream) &&
                      opj_end_compress(codec, stream);
    opj_stream_destroy(stream);
    opj_destroy_codec(codec);
    opj_image_destroy(picture);
    return made ? readAll(QString::fromLocal8Bit(path)) : QByteArray();
}

QPDFObjectHandle imageObject(QPDF &pdf, const ImagePage &spec, int seed)
{
    const int w = spec.pixels.width();
    const int h = spec.pixels.height();
    QPDFObjectHandle dict = QPDFObjectHandle::newDictionary();
    dict.replaceKey("/Type", QPDFObjectHandle::newName("/XObject"));
    dict.replaceKey("/Subtype", QPDFObjectHandle::newName("/Image"));
    dict.replaceKey("/Width", QPDFObjectHandle::newInteger(w));
    dict.replaceKey("/Height", QPDFObjectHandle::newInteger(h));
    dict.replaceKey("/BitsPerComponent", QPDFObjectHandle::newInteger(8));
    QPDFObjectHandle stream = QPDFObjectHandle::newStream(&pdf);
    QImage photo = photoLike(spec.pixels, seed);
    const auto vignette = [&](int x, int y) {
        const double dx = 2.0 * x / w - 1;
        const double dy = 2.0 * y / h - 1;
        return std::clamp(int(255 * (1.2 - dx * dx - dy * dy)), 0, 255);
    };
    if (spec.matte) {
        // Blended towards white by the mask's opacity, as the matte says.
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const int a = vignette(x, y);
                const QRgb p = photo.pixel(x, y);
                auto blend = [a](int c) { return 255 + (c - 255) * a / 255; };
                photo.setPixel(x, y, qRgb(blend(qRed(p)), blend(qGreen(p)), blend(qBlue(p))));
            }
        }
    }
    std::string data;
    QPDFObjectHandle filter = QPDFObjectHandle::newNull();
    switch (spec.kind) {
    case ImageKind::Jpeg:
        dict.replaceKey("/ColorSpace", QPDFObjectHandle::newName("/DeviceRGB"));
        data = jpegOf(photo, spec.jpegQuality).toStdString();
        filter = QPDFObjectHandle::newName("/DCTDecode");
        break;
    case ImageKind::JpegGray:
        dict.replaceKey("/ColorSpace", QPDFObjectHandle::newName("/DeviceGray"));
        data = jpegOf(photo.convertToFormat(QImage::Format_Grayscale8), spec.jpegQuality)
                   .toStdString();
        filter = QPDFObjectHandle::newName("/DCTDecode");
        break;
    case ImageKind::Flate: {
        dict.replaceKey("/ColorSpace", QPDFObjectHandle::newName("/DeviceRGB"));
        const QImage rgb = photo.convertToFormat(QImage::Format_RGB888);
        for (int y = 0; y < h; ++y) {
            data.append(reinterpret_cast<const char *>(rgb.constScanLine(y)), size_t(w) * 3);
        }
        break;
    }
    case ImageKind::ImageMask: {
        dict.replaceKey("/ImageMask", QPDFObjectHandle::newBool(true));
        dict.replaceKey("/BitsPerComponent", QPDFObjectHandle::newInteger(1));
        const int rowBytes = (w + 7) / 8;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < rowBytes; ++x) {
                data += char((y / 8 + x) % 2 ? 0xF0 : 0x0F);
            }
        }
        break;
    }
    case ImageKind::Cmyk:
        dict.replaceKey("/ColorSpace", QPDFObjectHandle::newName("/DeviceCMYK"));
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const QRgb p = photo.pixel(x, y);
                data += char(255 - qRed(p));
                data += char(255 - qGreen(p));
                data += char(255 - qBlue(p));
                data += char(0);
            }
        }
        break;
    case ImageKind::Palette: {
        const QImage indexed = photo.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
        std::string lookup;
        for (int i = 0; i < 256; ++i) {
            const QRgb c = i < indexed.colorCount() ? indexed.color(i) : 0;
            lookup += char(qRed(c));
            lookup += char(qGreen(c));
            lookup += char(qBlue(c));
        }
        dict.replaceKey("/ColorSpace", QPDFObjectHandle::parse("[/Indexed /DeviceRGB 255 <>]"));
        dict.getKey("/ColorSpace").setArrayItem(3, QPDFObjectHandle::newString(lookup));
        for (int y = 0; y < h; ++y) {
            data.append(reinterpret_cast<const char *>(indexed.constScanLine(y)), size_t(w));
        }
        break;
    }
    case ImageKind::Rgb16:
        dict.replaceKey("/ColorSpace", QPDFObjectHandle::newName("/DeviceRGB"));
        dict.replaceKey("/BitsPerComponent", QPDFObjectHandle::newInteger(16));
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const QRgb p = photo.pixel(x, y);
                for (int c : {qRed(p), qGreen(p), qBlue(p)}) {
                    // High byte the colour, low byte a fine grain of its own.
                    data += char(c);
                    data += char((x * 31 + y * 17 + c) & 0xFF);
                }
            }
        }
        break;
    case ImageKind::Jpx:
        dict.removeKey("/BitsPerComponent");
        data = jpxOf(photo).toStdString();
        filter = QPDFObjectHandle::newName("/JPXDecode");
        break;
    case ImageKind::Bilevel: {
        dict.replaceKey("/ColorSpace", QPDFObjectHandle::newName("/DeviceGray"));
        dict.replaceKey("/BitsPerComponent", QPDFObjectHandle::newInteger(1));
        const QImage mono = photo.convertToFormat(QImage::Format_Mono);
        for (int y = 0; y < h; ++y) {
            data.append(reinterpret_cast<const char *>(mono.constScanLine(y)), size_t((w + 7) / 8));
        }
        break;
    }
    case ImageKind::Gray4: {
        dict.replaceKey("/ColorSpace", QPDFObjectHandle::newName("/DeviceGray"));
        dict.replaceKey("/BitsPerComponent", QPDFObjectHandle::newInteger(4));
        const QImage grey = photo.convertToFormat(QImage::Format_Grayscale8);
        for (int y = 0; y < h; ++y) {
            const uchar *line = grey.constScanLine(y);
            for (int x = 0; x < w; x += 2) {
                data += char((line[x] & 0xF0) | (x + 1 < w ? line[x + 1] >> 4 : 0));
            }
        }
        break;
    }
    case ImageKind::PngPredicted: {
        dict.replaceKey("/ColorSpace", QPDFObjectHandle::newName("/DeviceRGB"));
        dict.replaceKey("/DecodeParms",
                        QPDFObjectHandle::parse("<< /Predictor 15 /Colors 3 /Columns " +
                                                std::to_string(w) + " >>"));
        const QImage rgb = photo.convertToFormat(QImage::Format_RGB888);
        const int rowBytes = w * 3;
        QByteArray filtered;
        for (int y = 0; y < h; ++y) {
            const uchar *row = rgb.constScanLine(y);
            const uchar *above = y > 0 ? rgb.constScanLine(y - 1) : nullptr;
            const int type = y % 5; // none, sub, up, average, Paeth in turn
            filtered += char(type);
            for (int i = 0; i < rowBytes; ++i) {
                const int a = i >= 3 ? row[i - 3] : 0;
                const int b = above ? above[i] : 0;
                const int c = above && i >= 3 ? above[i - 3] : 0;
                const int p = a + b - c;
                const int paeth =
                    std::abs(p - a) <= std::abs(p - b) && std::abs(p - a) <= std::abs(p - c)
                        ? a
                        : (std::abs(p - b) <= std::abs(p - c) ? b : c);
                const int predicted[] = {0, a, b, (a + b) / 2, paeth};
                filtered += char(row[i] - predicted[type]);
            }
        }
        data = qCompress(filtered).mid(4).toStdString(); // zlib data without Qt's length
        filter = QPDFObjectHandle::newName("/FlateDecode");
        break;
    }
    case ImageKind::Broken:
        dict.replaceKey("/ColorSpace", QPDFObjectHandle::newName("/DeviceRGB"));
        data = std::string(size_t(4096), 'x');
        filter = QPDFObjectHandle::newName("/DCTDecode");
        break;
    case ImageKind::SameAsPrevious:
        break;
    }
    if (!spec.extraKeys.empty()) {
        QPDFObjectHandle extra = QPDFObjectHandle::parse(spec.extraKeys);
        for (const std::string &key : extra.getKeys()) {
            dict.replaceKey(key, extra.getKey(key));
        }
        // An ICC profile has to be a stream: its dictionary is given, its data made up.
        QPDFObjectHandle space = dict.getKey("/ColorSpace");
        if (space.isArray() && space.getArrayNItems() == 2 &&
            space.getArrayItem(1).isDictionary()) {
            QPDFObjectHandle profile = QPDFObjectHandle::newStream(&pdf, std::string(128, '\0'));
            profile.replaceDict(space.getArrayItem(1));
            space.setArrayItem(1, profile);
        }
    }
    if (spec.softMask) {
        std::string opacity(size_t(w) * h, '\0');
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                opacity[size_t(y) * w + x] = char(vignette(x, y));
            }
        }
        QPDFObjectHandle mask = QPDFObjectHandle::newStream(&pdf, opacity);
        QPDFObjectHandle maskDict = mask.getDict();
        maskDict.replaceKey("/Type", QPDFObjectHandle::newName("/XObject"));
        maskDict.replaceKey("/Subtype", QPDFObjectHandle::newName("/Image"));
        maskDict.replaceKey("/Width", QPDFObjectHandle::newInteger(w));
        maskDict.replaceKey("/Height", QPDFObjectHandle::newInteger(h));
        maskDict.replaceKey("/ColorSpace", QPDFObjectHandle::newName("/DeviceGray"));
        maskDict.replaceKey("/BitsPerComponent", QPDFObjectHandle::newInteger(8));
        if (spec.matte) {
            maskDict.replaceKey("/Matte", QPDFObjectHandle::parse("[1 1 1]"));
        }
        dict.replaceKey("/SMask", mask);
    }
    QPDFObjectHandle parms = dict.getKey("/DecodeParms");
    stream.replaceDict(dict);
    stream.replaceStreamData(data, filter, parms);
    return stream;
}

} // namespace

bool writeImagePdf(const QString &path, const QList<ImagePage> &pages)
{
    try {
        QPDF pdf;
        pdf.emptyPDF();
        QPDFObjectHandle previous;
        int seed = 0;
        for (const ImagePage &spec : pages) {
            QPDFObjectHandle image = spec.kind == ImageKind::SameAsPrevious && previous.isStream()
                                         ? previous
                                         : imageObject(pdf, spec, ++seed);
            previous = image;
            const double w = spec.size.width();
            const double h = spec.size.height();
            QPDFObjectHandle xobjects = QPDFObjectHandle::newDictionary();
            xobjects.replaceKey("/Im0", image);
            QPDFObjectHandle resources = QPDFObjectHandle::newDictionary();
            resources.replaceKey("/XObject", xobjects);
            std::string text;
            if (!spec.text.isEmpty()) {
                resources.replaceKey(
                    "/Font",
                    QPDFObjectHandle::parse(
                        "<< /F1 << /Type /Font /Subtype /Type1 /BaseFont /Helvetica >> >>"));
                text = "BT /F1 24 Tf 40 " + std::to_string(h - 60) + " Td (" +
                       spec.text.toStdString() + ") Tj ET\n";
            }
            QPDFObjectHandle page = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
            page.replaceKey("/Type", QPDFObjectHandle::newName("/Page"));
            page.replaceKey("/MediaBox",
                            QPDFObjectHandle::newArray(QPDFObjectHandle::Rectangle(0, 0, w, h)));
            page.replaceKey("/Resources", resources);
            const std::string content = "q " + std::to_string(w) + " 0 0 " + std::to_string(h) +
                                        " 0 0 cm /Im0 Do Q\n" + text;
            page.replaceKey("/Contents", QPDFObjectHandle::newStream(&pdf, content));
            pdf.addPage(page, false);
        }
        // QPDFWriter keeps the name's pointer until it writes.
        const QByteArray pathName = path.toLocal8Bit();
        QPDFWriter writer(pdf, pathName.constData());
        writer.setDecodeLevel(
            qpdf_dl_none); // filtered streams stay exactly as made (row predictors too)
        writer.write();
        return true;
    } catch (const std::exception &) {
        return false;
    }
}

bool writeProtectedCopy(const QString &input, const QString &output, const QString &password)
{
    try {
        QPDF pdf;
        pdf.processFile(input.toLocal8Bit().constData());
        // QPDFWriter keeps the name's pointer until it writes.
        const QByteArray outputName = output.toLocal8Bit();
        QPDFWriter writer(pdf, outputName.constData());
        const QByteArray secret = password.toUtf8();
        writer.setR6EncryptionParameters(secret.constData(), secret.constData(), true, true, true,
                                         true, true, true, qpdf_r3p_full, true);
        writer.write();
        return true;
    } catch (const std::exception &) {
        return false;
    }
}

OpenedSources::OpenedSources() = default;
OpenedSources::~OpenedSources() = default;

bool OpenedSources::open(const QString &path, const QString &password)
{
    try {
        auto pdf = std::make_unique<QPDF>();
        pdf->setSuppressWarnings(true);
        pdf->processFile(path.toLocal8Bit().constData(),
                         password.isEmpty() ? nullptr : password.toUtf8().constData());
        m_sources[QUrl::fromLocalFile(path)] = std::move(pdf);
        return true;
    } catch (const std::exception &) {
        return false;
    }
}

void OpenedSources::close(const QString &path)
{
    m_sources.erase(QUrl::fromLocalFile(path));
}

std::function<QPDF *(const QUrl &)> OpenedSources::lookup()
{
    return [this](const QUrl &url) -> QPDF * {
        const auto found = m_sources.find(url);
        return found == m_sources.end() ? nullptr : found->second.get();
    };
}

QString qpdfCheckFailure(const QByteArray &pdf, const QString &password)
{
    QTemporaryFile file;
    if (!file.open() || file.write(pdf) != pdf.size() || !file.flush()) {
        return QStringLiteral("could not write a temporary file");
    }
    QStringList arguments{QStringLiteral("--check")};
    if (!password.isEmpty()) {
        arguments << QStringLiteral("--password=") + password;
    }
    arguments << file.fileName();
    QProcess qpdf;
    qpdf.start(QStringLiteral("qpdf"), arguments);
    if (!qpdf.waitForFinished(60000)) {
        return QStringLiteral("qpdf did not finish");
    }
    if (qpdf.exitStatus() == QProcess::NormalExit && qpdf.exitCode() == 0) {
        return {};
    }
    return QString::fromLocal8Bit(qpdf.readAllStandardOutput() + qpdf.readAllStandardError());
}

std::unique_ptr<Poppler::Document> popplerOpen(const QByteArray &pdf, const QString &password)
{
    std::unique_ptr<Poppler::Document> document =
        Poppler::Document::loadFromData(pdf, password.toUtf8(), password.toUtf8());
    if (!document || document->isLocked()) {
        return nullptr;
    }
    return document;
}

QString popplerText(Poppler::Document &document, int page)
{
    std::unique_ptr<Poppler::Page> p(document.page(page));
    if (!p) {
        return {};
    }
    // Word by word: the text of a whole rotated page comes back empty otherwise.
    QStringList words;
    for (const std::unique_ptr<Poppler::TextBox> &box : p->textList()) {
        words.append(box->text());
    }
    return words.join(QLatin1Char(' '));
}

} // namespace Fixtures
