#pragma once

// Small text tools shared by the payload decoding and the link check. Each is
// strict where the payload grammars need it: nothing is guessed.

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace TextPieces {

// Splits at `separator`, dropping empty pieces; an empty piece does not count
// towards `maxSplits` (negative: no limit). After the last allowed split the
// rest, separators included, is the final piece. So with one split allowed,
// "::a:b" gives "a" and "b", and "a::b" gives "a" and ":b".
QStringList split(QStringView text, QChar separator, int maxSplits = -1);
// The first piece of split(text, separator), or nothing when all pieces are empty.
std::optional<QString> firstPiece(QStringView text, QChar separator);

// Decodes %XX escapes; nothing when a "%" is not followed by two hex digits or
// the decoded bytes are not UTF-8.
std::optional<QString> percentDecoded(QStringView text);

// A floating-point number spelled over the whole text, without blanks.
std::optional<double> number(QStringView text);

// The text without its first `count` user-perceived characters.
QString droppingFirst(const QString &text, int count);

// Trims spaces and tabs (not line breaks) from both ends.
QString trimmedBlanks(const QString &text);

bool isLineBreak(char32_t c);

struct QueryItem
{
    QString name;
    std::optional<QString> value; // absent for an item without "="
};

// The parts of an RFC 3986 URI reference: nothing when the text is not one
// (blanks, stray "%", characters outside the grammar).
struct UrlParts
{
    QString path;                          // percent-decoded
    QString encodedPath;                   // as written, escapes kept
    std::optional<QList<QueryItem>> query; // names and values percent-decoded, in order
};
std::optional<UrlParts> urlParts(const QString &text);

// The value of the first query item whose name matches `name` (case-insensitive
// when `ignoringCase`).
std::optional<QString> queryValue(const std::optional<QList<QueryItem>> &items, const QString &name,
                                  bool ignoringCase);

} // namespace TextPieces
