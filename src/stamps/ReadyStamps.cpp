#include "stamps/ReadyStamps.h"

#include "stamps/StampLibrary.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDate>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QImageWriter>
#include <QLocale>
#include <QPainter>
#include <QRegularExpression>
#include <QtConcurrent/QtConcurrentRun>

#include <cmath>

namespace {

struct ReadyStampInfo
{
    ReadyStamp stamp;
    const char *raw;
    const char *word; // a translation key; none for the date-only stamp
};

const ReadyStampInfo readyStamps[] = {
    {ReadyStamp::Approved, "approved", QT_TRANSLATE_NOOP("ReadyStamp", "APPROVED")},
    {ReadyStamp::Paid, "paid", QT_TRANSLATE_NOOP("ReadyStamp", "PAID")},
    {ReadyStamp::Copy, "copy", QT_TRANSLATE_NOOP("ReadyStamp", "COPY")},
    {ReadyStamp::Confidential, "confidential", QT_TRANSLATE_NOOP("ReadyStamp", "CONFIDENTIAL")},
    {ReadyStamp::Draft, "draft", QT_TRANSLATE_NOOP("ReadyStamp", "DRAFT")},
    {ReadyStamp::Received, "received", QT_TRANSLATE_NOOP("ReadyStamp", "RECEIVED")},
    {ReadyStamp::Date, "date", nullptr},
};

struct InkInfo
{
    StampInk ink;
    const char *raw;
    float red, green, blue;
};

const InkInfo inks[] = {
    {StampInk::Red, "red", 0.8f, 0.07f, 0.09f},
    {StampInk::Blue, "blue", 0.1f, 0.23f, 0.7f},
    {StampInk::Black, "black", 0.08f, 0.08f, 0.09f},
};

const ReadyStampInfo &info(ReadyStamp stamp)
{
    return readyStamps[int(stamp)];
}

const InkInfo &info(StampInk ink)
{
    return inks[int(ink)];
}

QFont stampFont(int pixelSize)
{
    // The interface font of the desktop; the generic bold sans where it is missing.
    QFont font;
    font.setFamilies({QStringLiteral("Inter"), QStringLiteral("Helvetica")});
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(QFont::Bold);
    font.setPixelSize(pixelSize);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.06 * pixelSize);
    return font;
}

} // namespace

QList<ReadyStamp> allReadyStamps()
{
    QList<ReadyStamp> out;
    for (const ReadyStampInfo &entry : readyStamps) {
        out.append(entry.stamp);
    }
    return out;
}

QString rawValue(ReadyStamp stamp)
{
    return QString::fromLatin1(info(stamp).raw);
}

std::optional<ReadyStamp> readyStampFromRawValue(const QString &raw)
{
    for (const ReadyStampInfo &entry : readyStamps) {
        if (raw == QLatin1String(entry.raw)) {
            return entry.stamp;
        }
    }
    return std::nullopt;
}

std::optional<QString> word(ReadyStamp stamp)
{
    const char *key = info(stamp).word;
    if (!key) {
        return std::nullopt;
    }
    return QCoreApplication::translate("ReadyStamp", key);
}

QList<StampInk> allStampInks()
{
    return {StampInk::Red, StampInk::Blue, StampInk::Black};
}

QString rawValue(StampInk ink)
{
    return QString::fromLatin1(info(ink).raw);
}

std::optional<StampInk> stampInkFromRawValue(const QString &raw)
{
    for (const InkInfo &entry : inks) {
        if (raw == QLatin1String(entry.raw)) {
            return entry.ink;
        }
    }
    return std::nullopt;
}

StampInk stampInkFromSetting(const QString &raw)
{
    return stampInkFromRawValue(raw).value_or(StampInk::Red);
}

QColor inkColor(StampInk ink)
{
    const InkInfo &entry = info(ink);
    return QColor::fromRgbF(entry.red, entry.green, entry.blue, 0.92f);
}

namespace ReadyStampRenderer {

QUuid stampID(const std::optional<QString> &word, const std::optional<QString> &date, StampInk ink)
{
    const QByteArray text = "ready|" + word.value_or(QString()).toUtf8() + '|' +
                            date.value_or(QString()).toUtf8() + '|' + rawValue(ink).toUtf8();
    QByteArray bytes = QCryptographicHash::hash(text, QCryptographicHash::Sha256).left(16);
    // A name-based UUID layout (version 5, RFC 4122 variant) over a SHA-256 digest.
    bytes[6] = char((uchar(bytes[6]) & 0x0F) | 0x50);
    bytes[8] = char((uchar(bytes[8]) & 0x3F) | 0x80);
    return QUuid::fromRfc4122(bytes);
}

std::optional<StampMaker::Stamp> render(const std::optional<QString> &word,
                                        const std::optional<QString> &date, StampInk ink)
{
    struct Line
    {
        QString text;
        QFont font;
        qreal width = 0;
        qreal ascent = 0;
        qreal descent = 0;
    };
    QList<Line> lines;
    for (const std::optional<QString> &text : {word, date}) {
        if (text && !text->isEmpty()) {
            lines.append(Line{*text, QFont()});
        }
    }
    if (lines.isEmpty()) {
        return std::nullopt;
    }
    qreal widest = 0;
    qreal tall = 26.0 * (lines.size() - 1);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        Line &line = lines[i];
        const int size = word ? (i == 0 ? 150 : 78) : 120;
        line.font = stampFont(size);
        const QFontMetricsF metrics(line.font);
        line.width = metrics.horizontalAdvance(line.text);
        line.ascent = metrics.ascent();
        line.descent = metrics.descent();
        widest = std::max(widest, line.width);
        tall += line.ascent + line.descent;
    }
    const int width = int(std::ceil(widest + 140));
    const int height = int(std::ceil(tall + 112));
    if (width < 1 || height < 1) {
        return std::nullopt;
    }
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) {
        return std::nullopt;
    }
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        const QColor color = inkColor(ink);
        const QRectF canvas(0, 0, width, height);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(color, 14));
        painter.drawRoundedRect(canvas.adjusted(10, 10, -10, -10), 34, 34);
        painter.setPen(QPen(color, 5));
        painter.drawRoundedRect(canvas.adjusted(32, 32, -32, -32), 20, 20);
        painter.setPen(color);
        qreal top = 56;
        for (const Line &line : std::as_const(lines)) {
            const qreal baseline = top + line.ascent;
            painter.setFont(line.font);
            painter.drawText(QPointF((width - line.width) / 2, baseline), line.text);
            top = baseline + line.descent + 26;
        }
    }
    StampMaker::Stamp stamp;
    QBuffer buffer(&stamp.png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image)) {
        return std::nullopt;
    }
    stamp.pixelWidth = width;
    stamp.pixelHeight = height;
    return stamp;
}

QString today()
{
    // The locale's long date without the weekday and with the month abbreviated:
    // "Dec 9, 2026", "9. Dez. 2026".
    const QLocale locale;
    QString format = locale.dateFormat(QLocale::LongFormat);
    static const QRegularExpression weekday(QStringLiteral("d{4}[,.]?\\s*|\\s*[,.]?\\s*d{4}"));
    format.remove(weekday);
    format.replace(QStringLiteral("MMMM"), QStringLiteral("MMM"));
    return locale.toString(QDate::currentDate(), format.trimmed());
}

QString storedName(const std::optional<QString> &word, const std::optional<QString> &date)
{
    QStringList parts;
    for (const std::optional<QString> &part : {word, date}) {
        if (part) {
            parts.append(*part);
        }
    }
    return parts.join(QStringLiteral(" \u00B7 "));
}

QString previewKey(const std::optional<QString> &word, const std::optional<QString> &date,
                   StampInk ink)
{
    return word.value_or(QString()) + QLatin1Char('|') + date.value_or(QString()) +
           QLatin1Char('|') + rawValue(ink);
}

std::optional<QString> ownWord(const QString &typed)
{
    QString text = typed.trimmed().toUpper();
    if (text.size() > 40) {
        // Never leave half of a character pair behind.
        text.truncate(text.at(39).isHighSurrogate() ? 39 : 40);
    }
    if (text.isEmpty()) {
        return std::nullopt;
    }
    return text;
}

QFuture<std::optional<StampRecord>> choose(StampLibrary *library, std::optional<QString> word,
                                           std::optional<QString> date, StampInk ink)
{
    // Everything the drawing needs is settled before the first suspension; the
    // frame then holds only plain values.
    const QUuid id = stampID(word, date, ink);
    const QString name = storedName(word, date);
    const std::optional<StampRecord> stored = library->record(id);
    if (stored) {
        co_return stored;
    }
    QFuture<std::optional<StampMaker::Stamp>> drawing =
        QtConcurrent::run([word, date, ink] { return render(word, date, ink); });
    const std::optional<StampMaker::Stamp> stamp = co_await drawing;
    if (!stamp) {
        co_return std::nullopt;
    }
    // A second choice made while this one was drawing finds the first's record here.
    const std::optional<StampRecord> added = library->add(*stamp, name, id);
    co_return added;
}

} // namespace ReadyStampRenderer
