#include "codes/TextPieces.h"

#include <QStringDecoder>
#include <QTextBoundaryFinder>
#include <QUrl>

#include <cmath>

namespace TextPieces {

QStringList split(QStringView text, QChar separator, int maxSplits)
{
    QStringList pieces;
    qsizetype start = 0;
    int splits = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (maxSplits >= 0 && splits >= maxSplits) {
            break;
        }
        if (text[i] != separator) {
            continue;
        }
        if (i > start) {
            pieces.append(text.mid(start, i - start).toString());
            ++splits;
        }
        start = i + 1;
    }
    if (start < text.size()) {
        pieces.append(text.mid(start).toString());
    }
    return pieces;
}

std::optional<QString> firstPiece(QStringView text, QChar separator)
{
    const QStringList pieces = split(text, separator, 1);
    if (pieces.isEmpty()) {
        return std::nullopt;
    }
    return pieces.first();
}

std::optional<QString> percentDecoded(QStringView text)
{
    if (!text.contains(QLatin1Char('%'))) {
        return text.toString();
    }
    QByteArray bytes;
    const QByteArray utf8 = text.toUtf8();
    for (qsizetype i = 0; i < utf8.size(); ++i) {
        const char c = utf8[i];
        if (c != '%') {
            bytes.append(c);
            continue;
        }
        if (i + 2 >= utf8.size() || !std::isxdigit(static_cast<unsigned char>(utf8[i + 1])) ||
            !std::isxdigit(static_cast<unsigned char>(utf8[i + 2]))) {
            return std::nullopt;
        }
        bytes.append(char(QByteArray(utf8.constData() + i + 1, 2).toInt(nullptr, 16)));
        i += 2;
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    QString decoded = decoder(bytes);
    if (decoder.hasError()) {
        return std::nullopt;
    }
    return decoded;
}

std::optional<double> number(QStringView text)
{
    if (text.isEmpty()) {
        return std::nullopt;
    }
    for (const QChar c : text) {
        if (c.isSpace()) {
            return std::nullopt;
        }
    }
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok) {
        return std::nullopt;
    }
    return value;
}

QString droppingFirst(const QString &text, int count)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype position = 0;
    for (int i = 0; i < count && position >= 0 && position < text.size(); ++i) {
        position = finder.toNextBoundary();
    }
    if (position < 0 || position >= text.size()) {
        return QString();
    }
    return text.mid(position);
}

QString trimmedBlanks(const QString &text)
{
    auto isBlank = [](QChar c) {
        return c == QLatin1Char('\t') || c.category() == QChar::Separator_Space;
    };
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && isBlank(text[end - 1])) {
        --end;
    }
    return text.mid(begin, end - begin);
}

bool isLineBreak(char32_t c)
{
    return c == 0x0A || c == 0x0B || c == 0x0C || c == 0x0D || c == 0x85 || c == 0x2028 ||
           c == 0x2029;
}

std::optional<UrlParts> urlParts(const QString &text)
{
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid()) {
        return std::nullopt;
    }
    UrlParts parts;
    parts.path = url.path(QUrl::FullyDecoded);
    parts.encodedPath = url.path(QUrl::FullyEncoded);
    if (url.hasQuery()) {
        QList<QueryItem> items;
        const QString query = url.query(QUrl::FullyEncoded);
        for (const QString &item : query.split(QLatin1Char('&'))) {
            const qsizetype equals = item.indexOf(QLatin1Char('='));
            QueryItem decoded;
            const QString name = equals < 0 ? item : item.left(equals);
            decoded.name = percentDecoded(name).value_or(name);
            if (equals >= 0) {
                const QString value = item.mid(equals + 1);
                decoded.value = percentDecoded(value).value_or(value);
            }
            items.append(decoded);
        }
        parts.query = items;
    }
    return parts;
}

std::optional<QString> queryValue(const std::optional<QList<QueryItem>> &items, const QString &name,
                                  bool ignoringCase)
{
    if (!items) {
        return std::nullopt;
    }
    const Qt::CaseSensitivity cs = ignoringCase ? Qt::CaseInsensitive : Qt::CaseSensitive;
    for (const QueryItem &item : *items) {
        if (item.name.compare(name, cs) == 0) {
            return item.value;
        }
    }
    return std::nullopt;
}

} // namespace TextPieces
