#include "document/PageRanges.h"

#include <algorithm>
#include <limits>

namespace PageRanges {
namespace {

bool isBlank(QChar c)
{
    // Unicode whitespace without line breaks.
    if (c == u'\n' || c == u'\r' || c == QChar(0x0B) || c == QChar(0x0C) || c == QChar(0x85) ||
        c == QChar(0x2028) || c == QChar(0x2029)) {
        return false;
    }
    return c.isSpace();
}

QString trimBlanks(const QString &text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && isBlank(text.at(start))) {
        ++start;
    }
    while (end > start && isBlank(text.at(end - 1))) {
        --end;
    }
    return text.mid(start, end - start);
}

// Splits at any of `separators`, dropping empty pieces.
QStringList split(const QString &text, const QString &separators)
{
    QStringList pieces;
    QString current;
    for (const QChar c : text) {
        if (separators.contains(c)) {
            if (!current.isEmpty()) {
                pieces.append(current);
            }
            current.clear();
        } else {
            current.append(c);
        }
    }
    if (!current.isEmpty()) {
        pieces.append(current);
    }
    return pieces;
}

// An optional sign and one or more ASCII digits, fitting a signed 64-bit integer.
std::optional<qint64> strictInteger(const QString &text)
{
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text.at(i) == u'+' || text.at(i) == u'-')) {
        negative = text.at(i) == u'-';
        ++i;
    }
    if (i == text.size()) {
        return std::nullopt;
    }
    quint64 magnitude = 0;
    const quint64 limit = negative ? quint64(std::numeric_limits<qint64>::max()) + 1
                                   : quint64(std::numeric_limits<qint64>::max());
    for (; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < u'0' || c > u'9') {
            return std::nullopt;
        }
        const quint64 digit = c - u'0';
        if (magnitude > (limit - digit) / 10) {
            return std::nullopt;
        }
        magnitude = magnitude * 10 + digit;
    }
    if (negative) {
        return magnitude == quint64(std::numeric_limits<qint64>::max()) + 1
                   ? std::numeric_limits<qint64>::min()
                   : -qint64(magnitude);
    }
    return qint64(magnitude);
}

} // namespace

std::optional<QList<Range>> parse(const QString &text, int count)
{
    QStringList pieces;
    for (const QString &piece : split(text, QStringLiteral(",;"))) {
        const QString trimmed = trimBlanks(piece);
        if (!trimmed.isEmpty()) {
            pieces.append(trimmed);
        }
    }
    if (pieces.isEmpty()) {
        return std::nullopt;
    }
    QList<Range> ranges;
    for (const QString &piece : pieces) {
        const QStringList parts = split(piece, QStringLiteral("-\u2013\u2014"));
        if (parts.isEmpty() || parts.size() > 2) {
            return std::nullopt;
        }
        const auto first = strictInteger(trimBlanks(parts.at(0)));
        const auto last = parts.size() == 2 ? strictInteger(trimBlanks(parts.at(1))) : first;
        if (!first || !last) {
            return std::nullopt;
        }
        if (*first < 1 || *last > count || *last < *first) {
            return std::nullopt;
        }
        ranges.append(Range{int(*first), int(*last)});
    }
    return ranges;
}

QString describe(const QList<int> &numbers)
{
    QList<int> sorted = numbers;
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    QStringList runs;
    for (qsizetype i = 0; i < sorted.size();) {
        qsizetype j = i;
        while (j + 1 < sorted.size() && qint64(sorted.at(j + 1)) == qint64(sorted.at(j)) + 1) {
            ++j;
        }
        runs.append(j == i ? QString::number(sorted.at(i))
                           : QString::number(sorted.at(i)) + u'-' + QString::number(sorted.at(j)));
        i = j + 1;
    }
    return runs.join(QStringLiteral(", "));
}

} // namespace PageRanges
