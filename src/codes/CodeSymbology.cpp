#include "codes/CodeSymbology.h"

#include <QCoreApplication>
#include <QHash>

namespace {

struct Entry
{
    CodeSymbology symbology;
    const char *raw;
    const char *title;
};

constexpr Entry entries[] = {
    {CodeSymbology::QR, "qr", "QR"},
    {CodeSymbology::MicroQR, "microQR", "Micro QR"},
    {CodeSymbology::Aztec, "aztec", "Aztec"},
    {CodeSymbology::DataMatrix, "dataMatrix", "Data Matrix"},
    {CodeSymbology::PDF417, "pdf417", "PDF417"},
    {CodeSymbology::EAN13, "ean13", "EAN-13"},
    {CodeSymbology::EAN8, "ean8", "EAN-8"},
    {CodeSymbology::UPCE, "upce", "UPC-E"},
    {CodeSymbology::Code39, "code39", "Code 39"},
    {CodeSymbology::Code93, "code93", "Code 93"},
    {CodeSymbology::Code128, "code128", "Code 128"},
    {CodeSymbology::ITF14, "itf14", "ITF-14"},
    {CodeSymbology::I2of5, "i2of5", "Interleaved 2 of 5"},
    {CodeSymbology::Codabar, "codabar", "Codabar"},
    {CodeSymbology::GS1DataBar, "gs1DataBar", "GS1 DataBar"},
    {CodeSymbology::MSIPlessey, "msiPlessey", "MSI Plessey"},
    {CodeSymbology::Other, "other", "Barcode"},
};

const Entry &entry(CodeSymbology symbology)
{
    return entries[static_cast<int>(symbology)];
}

} // namespace

namespace Symbology {

QList<CodeSymbology> all()
{
    QList<CodeSymbology> out;
    for (const Entry &e : entries) {
        out.append(e.symbology);
    }
    return out;
}

QString rawValue(CodeSymbology symbology)
{
    return QString::fromLatin1(entry(symbology).raw);
}

std::optional<CodeSymbology> fromRawValue(const QString &raw)
{
    for (const Entry &e : entries) {
        if (raw == QLatin1String(e.raw)) {
            return e.symbology;
        }
    }
    return std::nullopt;
}

QString displayName(CodeSymbology symbology)
{
    if (symbology == CodeSymbology::Other) {
        //: Card title of a code whose kind is unknown
        return QCoreApplication::translate("CodeSymbology", "Barcode");
    }
    return QString::fromLatin1(entry(symbology).title);
}

const QStringList &detectorFormats()
{
    // Function-local statics are built once, safely against concurrent first use.
    // UPC-A is left out on purpose: it then arrives as an EAN-13 with a leading 0,
    // which the content decoding turns into a UPC-A product number.
    static const QStringList formats = {
        QStringLiteral("QRCode"),          QStringLiteral("MicroQRCode"),
        QStringLiteral("Aztec"),           QStringLiteral("DataMatrix"),
        QStringLiteral("PDF417"),          QStringLiteral("EAN-13"),
        QStringLiteral("EAN-8"),           QStringLiteral("UPC-E"),
        QStringLiteral("Code39"),          QStringLiteral("Code93"),
        QStringLiteral("Code128"),         QStringLiteral("ITF"),
        QStringLiteral("Codabar"),         QStringLiteral("DataBar"),
        QStringLiteral("DataBarExpanded"),
    };
    return formats;
}

bool isITF14(const QString &digits)
{
    if (digits.size() != 14) {
        return false;
    }
    int sum = 0;
    for (int i = 0; i < 14; ++i) {
        const QChar c = digits.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return false;
        }
        if (i < 13) {
            // GS1: from the right of the data digits, weights 3, 1, 3, ...
            sum += (c.unicode() - '0') * (i % 2 == 0 ? 3 : 1);
        }
    }
    const int check = (10 - sum % 10) % 10;
    return digits.at(13).unicode() - '0' == check;
}

std::optional<QString> code39FullASCII(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t shift = text[i].unicode();
        if (shift != '$' && shift != '%' && shift != '/' && shift != '+') {
            out.append(text[i]);
            continue;
        }
        if (i + 1 >= text.size()) {
            return std::nullopt;
        }
        const char16_t next = text[++i].unicode();
        if (next < 'A' || next > 'Z') {
            return std::nullopt;
        }
        char16_t c = 0;
        switch (shift) {
        case '+': // lower-case letters
            c = next + 32;
            break;
        case '$': // control characters 1 to 26
            c = next - 64;
            break;
        case '/':
            if (next <= 'O') {
                c = next - 32; // "!" to "/"
            } else if (next == 'Z') {
                c = ':';
            } else {
                return std::nullopt;
            }
            break;
        default: // '%'
            if (next <= 'E') {
                c = next - 38; // ESC to US
            } else if (next <= 'J') {
                c = next - 11; // ";" to "?"
            } else if (next <= 'O') {
                c = next + 16; // "[" to "_"
            } else if (next <= 'T') {
                c = next + 43; // "{" to DEL
            } else if (next == 'U') {
                c = 0;
            } else if (next == 'V') {
                c = '@';
            } else if (next == 'W') {
                c = '`';
            } else {
                c = 127;
            }
            break;
        }
        out.append(QChar(c));
    }
    return out;
}

CodeSymbology fromDetector(const QString &formatName, const QString &text)
{
    static const QHash<QString, CodeSymbology> byName = {
        {QStringLiteral("QRCode"), CodeSymbology::QR},
        {QStringLiteral("MicroQRCode"), CodeSymbology::MicroQR},
        {QStringLiteral("Aztec"), CodeSymbology::Aztec},
        {QStringLiteral("DataMatrix"), CodeSymbology::DataMatrix},
        {QStringLiteral("PDF417"), CodeSymbology::PDF417},
        {QStringLiteral("EAN-13"), CodeSymbology::EAN13},
        {QStringLiteral("EAN-8"), CodeSymbology::EAN8},
        {QStringLiteral("UPC-E"), CodeSymbology::UPCE},
        {QStringLiteral("Code39"), CodeSymbology::Code39},
        {QStringLiteral("Code93"), CodeSymbology::Code93},
        {QStringLiteral("Code128"), CodeSymbology::Code128},
        {QStringLiteral("Codabar"), CodeSymbology::Codabar},
        {QStringLiteral("DataBar"), CodeSymbology::GS1DataBar},
        {QStringLiteral("DataBarExpanded"), CodeSymbology::GS1DataBar},
    };
    if (formatName == QLatin1String("ITF")) {
        return isITF14(text) ? CodeSymbology::ITF14 : CodeSymbology::I2of5;
    }
    return byName.value(formatName, CodeSymbology::Other);
}

} // namespace Symbology
