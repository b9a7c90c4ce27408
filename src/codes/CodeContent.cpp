#include "codes/CodeContent.h"

#include "codes/TextPieces.h"

#include <QHash>
#include <QTimeZone>

using namespace TextPieces;

namespace {

using Fields = QHash<QString, QString>;

bool isNumeric(const QString &text)
{
    for (const char32_t c : text.toUcs4()) {
        if (!QChar::isNumber(c)) {
            return false;
        }
    }
    return true;
}

qsizetype characterCount(const QString &text)
{
    return text.toUcs4().size();
}

std::optional<CodeContent> product(const QString &text, CodeSymbology symbology)
{
    using Kind = CodeContent::ProductKind;
    if (!isNumeric(text)) {
        return std::nullopt;
    }
    const qsizetype length = characterCount(text);
    switch (symbology) {
    case CodeSymbology::EAN13:
        if (length != 13) {
            return std::nullopt;
        }
        if (text.startsWith(QLatin1String("978")) || text.startsWith(QLatin1String("979"))) {
            return CodeContent(CodeContent::Product{text, Kind::ISBN});
        }
        if (text.startsWith(QLatin1Char('0'))) {
            return CodeContent(CodeContent::Product{text.mid(1), Kind::UPCA});
        }
        return CodeContent(CodeContent::Product{text, Kind::EAN13});
    case CodeSymbology::EAN8:
        if (length != 8) {
            return std::nullopt;
        }
        return CodeContent(CodeContent::Product{text, Kind::EAN8});
    case CodeSymbology::UPCE:
        if (length != 6 && length != 8) {
            return std::nullopt;
        }
        return CodeContent(CodeContent::Product{text, Kind::UPCE});
    default:
        return std::nullopt;
    }
}

// Key, colon, value, semicolon, with backslash escapes; a key read twice keeps
// both values, joined by a line feed.
Fields meFields(const QString &text)
{
    Fields fields;
    QString key;
    QString value;
    bool inKey = true;
    bool escaped = false;
    auto finish = [&] {
        const QString name = trimmedBlanks(key).toUpper();
        if (!name.isEmpty()) {
            const auto it = fields.find(name);
            if (it == fields.end()) {
                fields.insert(name, value);
            } else {
                *it += QLatin1Char('\n') + value;
            }
        }
        key.clear();
        value.clear();
        inKey = true;
    };
    for (const QChar c : text) {
        if (escaped) {
            (inKey ? key : value).append(c);
            escaped = false;
        } else if (c == QLatin1Char('\\')) {
            escaped = true;
        } else if (inKey) {
            if (c == QLatin1Char(':')) {
                inKey = false;
            } else {
                key.append(c);
            }
        } else if (c == QLatin1Char(';')) {
            finish();
        } else {
            value.append(c);
        }
    }
    if (!inKey) {
        finish();
    }
    return fields;
}

std::optional<QString> field(const Fields &fields, const QString &key)
{
    const auto it = fields.constFind(key);
    if (it == fields.constEnd()) {
        return std::nullopt;
    }
    return *it;
}

// Network names and passwords that could pass for hexadecimal are written in
// double quotes; the quotes are no part of them.
QString unquoted(const QString &value)
{
    if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) &&
        value.endsWith(QLatin1Char('"'))) {
        return value.mid(1, value.size() - 2);
    }
    return value;
}

std::optional<CodeContent::WiFi> wifi(const QString &text)
{
    const Fields fields = meFields(droppingFirst(text, 5));
    const QString ssid = unquoted(fields.value(QStringLiteral("S")));
    if (ssid.isEmpty()) {
        return std::nullopt;
    }
    CodeContent::WiFi network;
    network.ssid = ssid;
    if (const auto password = field(fields, QStringLiteral("P"))) {
        network.password = unquoted(*password);
    }
    network.security = fields.value(QStringLiteral("T"));
    network.isHidden = fields.value(QStringLiteral("H")).toLower() == QLatin1String("true");
    return network;
}

// Lines with RFC 5545 / RFC 6350 folding undone; every line break counts on its
// own and empty lines are dropped.
QStringList unfoldedLines(const QString &text)
{
    QStringList lines;
    QString current;
    auto take = [&] {
        if (current.isEmpty()) {
            return;
        }
        const QChar first = current.front();
        if ((first == QLatin1Char(' ') || first == QLatin1Char('\t')) && !lines.isEmpty()) {
            lines.last() += current.mid(1);
        } else {
            lines.append(current);
        }
        current.clear();
    };
    for (const QChar c : text) {
        if (isLineBreak(c.unicode())) {
            take();
        } else {
            current.append(c);
        }
    }
    take();
    return lines;
}

struct Property
{
    QString name; // upper-cased, parameters included
    QString value;
    QString written; // the name and parameters as written

    // The value of parameter `key` ("TZID"), without enclosing quotes.
    std::optional<QString> parameter(QLatin1String key) const
    {
        for (const QString &piece : split(written, QLatin1Char(';'))) {
            const qsizetype equals = piece.indexOf(QLatin1Char('='));
            if (equals > 0 && piece.left(equals).trimmed().compare(key, Qt::CaseInsensitive) == 0) {
                return unquoted(piece.mid(equals + 1));
            }
        }
        return std::nullopt;
    }
};

std::optional<Property> property(const QString &line)
{
    const qsizetype colon = line.indexOf(QLatin1Char(':'));
    if (colon < 0) {
        return std::nullopt;
    }
    const QString written = line.left(colon);
    return Property{written.toUpper(),
                    line.mid(colon + 1).replace(QLatin1String("\\,"), QLatin1String(",")), written};
}

std::optional<CodeContent::Contact> contactFromVCard(const QString &text)
{
    QString formatted;
    QString fromN;
    CodeContent::Contact contact;
    for (const QString &line : unfoldedLines(text)) {
        const std::optional<Property> p = property(line);
        if (!p) {
            continue;
        }
        QString name = firstPiece(p->name, QLatin1Char(';')).value_or(p->name);
        // Apple and Google group related lines ("item1.TEL", "item1.X-ABLABEL").
        if (const qsizetype dot = name.indexOf(QLatin1Char('.')); dot > 0) {
            name = name.mid(dot + 1);
        }
        if (name == QLatin1String("FN")) {
            formatted = p->value;
        } else if (name == QLatin1String("N")) {
            const QStringList parts = p->value.split(QLatin1Char(';'));
            QStringList given;
            for (const QString &part : {parts.value(1), parts.value(0)}) {
                if (!part.isEmpty()) {
                    given.append(part);
                }
            }
            fromN = given.join(QLatin1Char(' '));
        } else if (name == QLatin1String("TEL")) {
            // vCard 4 may write the number as a tel: URI.
            const bool uri = p->value.startsWith(QLatin1String("tel:"), Qt::CaseInsensitive);
            contact.phones.append(uri ? p->value.mid(4) : p->value);
        } else if (name == QLatin1String("EMAIL")) {
            contact.emails.append(p->value);
        } else if (name == QLatin1String("ORG")) {
            contact.organization =
                trimmedBlanks(QString(p->value).replace(QLatin1Char(';'), QLatin1Char(' ')));
        }
    }
    if (!formatted.isEmpty()) {
        contact.name = formatted;
    } else if (!fromN.isEmpty()) {
        contact.name = fromN;
    }
    if (!contact.name && contact.phones.isEmpty() && contact.emails.isEmpty()) {
        return std::nullopt;
    }
    contact.vCard = text;
    return contact;
}

std::optional<CodeContent::Contact> contactFromMeCard(const QString &text)
{
    const Fields fields = meFields(droppingFirst(text, 7));
    QStringList nameParts = split(fields.value(QStringLiteral("N")), QLatin1Char(','), 1);
    for (QString &part : nameParts) {
        part = trimmedBlanks(part);
    }
    CodeContent::Contact contact;
    if (nameParts.size() == 2) {
        contact.name = nameParts[1] + QLatin1Char(' ') + nameParts[0];
    } else if (nameParts.size() == 1) {
        contact.name = nameParts[0];
    }
    if (contact.name && contact.name->isEmpty()) {
        contact.name.reset();
    }
    contact.phones = split(fields.value(QStringLiteral("TEL")), QLatin1Char('\n'));
    contact.emails = split(fields.value(QStringLiteral("EMAIL")), QLatin1Char('\n'));
    if (!contact.name && contact.phones.isEmpty() && contact.emails.isEmpty()) {
        return std::nullopt;
    }
    contact.organization = field(fields, QStringLiteral("ORG"));

    QStringList lines = {QStringLiteral("BEGIN:VCARD"), QStringLiteral("VERSION:3.0")};
    if (contact.name) {
        lines.append(QStringLiteral("FN:") + *contact.name);
        lines.append(QStringLiteral("N:") + nameParts.value(0) + QLatin1Char(';') +
                     nameParts.value(1) + QStringLiteral(";;;"));
    }
    if (contact.organization) {
        lines.append(QStringLiteral("ORG:") + *contact.organization);
    }
    for (const QString &phone : contact.phones) {
        lines.append(QStringLiteral("TEL:") + phone);
    }
    for (const QString &email : contact.emails) {
        lines.append(QStringLiteral("EMAIL:") + email);
    }
    if (const auto url = field(fields, QStringLiteral("URL"))) {
        lines.append(QStringLiteral("URL:") + *url);
    }
    if (const auto address = field(fields, QStringLiteral("ADR"))) {
        lines.append(QStringLiteral("ADR:;;") + *address + QStringLiteral(";;;;"));
    }
    if (const auto note = field(fields, QStringLiteral("NOTE"))) {
        lines.append(QStringLiteral("NOTE:") + *note);
    }
    lines.append(QStringLiteral("END:VCARD"));
    contact.vCard = lines.join(QStringLiteral("\r\n"));
    return contact;
}

bool allDigits(QStringView text)
{
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return false;
        }
    }
    return true;
}

// 20240131T093000Z (UTC), 20240131T093000 (in `zone`, local time when it names
// none this system knows), 20240131 (local midnight: a day, not an instant).
std::optional<QDateTime> icsDate(const QString &value,
                                 const std::optional<QString> &zone = std::nullopt)
{
    const qsizetype length = value.size();
    const bool utc = length == 16 && value[15] == QLatin1Char('Z');
    const bool withTime = (length == 15 || utc) && value[8] == QLatin1Char('T');
    if (length != 8 && !withTime) {
        return std::nullopt;
    }
    const QStringView text(value);
    if (!allDigits(text.left(8)) || (withTime && !allDigits(text.mid(9, 6)))) {
        return std::nullopt;
    }
    const QDate date(text.mid(0, 4).toInt(), text.mid(4, 2).toInt(), text.mid(6, 2).toInt());
    if (!date.isValid()) {
        return std::nullopt;
    }
    QTime time(0, 0);
    if (withTime) {
        time = QTime(text.mid(9, 2).toInt(), text.mid(11, 2).toInt(), text.mid(13, 2).toInt());
        if (!time.isValid()) {
            return std::nullopt;
        }
    }
    QDateTime result = utc ? QDateTime(date, time, QTimeZone::utc()) : QDateTime(date, time);
    if (withTime && !utc && zone) {
        QTimeZone named(zone->toUtf8());
        if (!named.isValid()) {
            // Calendars from Windows name their zones the Windows way.
            named = QTimeZone(QTimeZone::windowsIdToDefaultIanaId(zone->toUtf8()));
        }
        if (named.isValid()) {
            result = QDateTime(date, time, named);
        }
    }
    if (!result.isValid()) {
        return std::nullopt;
    }
    return result;
}

std::optional<CodeContent::Event> event(const QString &text)
{
    const QStringList lines = unfoldedLines(text);
    if (lines.isEmpty()) {
        return std::nullopt;
    }
    CodeContent::Event result;
    bool reading = false;
    for (const QString &line : lines) {
        const QString upper = line.toUpper();
        if (!reading) {
            reading = upper.startsWith(QLatin1String("BEGIN:VEVENT"));
            continue;
        }
        if (upper.startsWith(QLatin1String("END:VEVENT"))) {
            break;
        }
        const std::optional<Property> p = property(line);
        if (!p) {
            continue;
        }
        if (p->name.startsWith(QLatin1String("SUMMARY"))) {
            result.title = p->value;
        } else if (p->name.startsWith(QLatin1String("LOCATION"))) {
            result.location = p->value;
        } else if (p->name.startsWith(QLatin1String("DTSTART"))) {
            result.start = icsDate(p->value, p->parameter(QLatin1String("TZID")));
            result.isAllDay =
                p->name.contains(QLatin1String("VALUE=DATE")) || characterCount(p->value) == 8;
        } else if (p->name.startsWith(QLatin1String("DTEND"))) {
            result.end = icsDate(p->value, p->parameter(QLatin1String("TZID")));
        }
    }
    if (!result.title && !result.start) {
        return std::nullopt;
    }
    return result;
}

// The number, then after the first colon the message, colons and all.
CodeContent numberAndMessage(const QString &rest)
{
    const QStringList pieces = split(rest, QLatin1Char(':'), 1);
    return CodeContent(CodeContent::SMS{
        pieces.value(0), pieces.size() == 2 ? std::optional<QString>(pieces[1]) : std::nullopt});
}

CodeContent sms(const QString &text)
{
    if (text.startsWith(QLatin1String("SMSTO:"), Qt::CaseInsensitive)) {
        return numberAndMessage(droppingFirst(text, 6));
    }
    const QString rest = droppingFirst(text, 4);
    // "SMS:number:message" is written as often as the URI form.
    const qsizetype colon = rest.indexOf(QLatin1Char(':'));
    const qsizetype question = rest.indexOf(QLatin1Char('?'));
    if (colon >= 0 && (question < 0 || colon < question)) {
        return numberAndMessage(rest);
    }
    const QString number = firstPiece(rest, QLatin1Char('?')).value_or(rest);
    std::optional<QString> body;
    if (const auto parts = urlParts(QStringLiteral("sms:") + rest)) {
        body = queryValue(parts->query, QStringLiteral("body"), true);
    }
    return CodeContent(CodeContent::SMS{number, body});
}

CodeContent mailto(const QString &text)
{
    QString address;
    std::optional<QList<QueryItem>> items;
    if (const auto parts = urlParts(text)) {
        // Decoded strictly: bytes that are no UTF-8 leave the address as written
        // rather than turning into replacement characters.
        address = percentDecoded(parts->encodedPath).value_or(parts->encodedPath);
        items = parts->query;
    } else {
        address = droppingFirst(text, 7);
    }
    CodeContent::Email email;
    email.subject = queryValue(items, QStringLiteral("subject"), true);
    email.body = queryValue(items, QStringLiteral("body"), true);
    email.address = percentDecoded(address).value_or(address);
    return CodeContent(email);
}

CodeContent matmsg(const QString &text)
{
    const Fields fields = meFields(droppingFirst(text, 7));
    return CodeContent(CodeContent::Email{fields.value(QStringLiteral("TO")),
                                          field(fields, QStringLiteral("SUB")),
                                          field(fields, QStringLiteral("BODY"))});
}

std::optional<CodeContent> geo(const QString &text)
{
    const QString rest = droppingFirst(text, 4);
    const QStringList halves = split(rest, QLatin1Char('?'), 1);
    const QString coordinates = halves.value(0, rest);
    QList<double> numbers;
    for (const QString &piece : split(coordinates, QLatin1Char(','))) {
        if (const auto value = number(firstPiece(piece, QLatin1Char(';')).value_or(QString()))) {
            numbers.append(*value);
        }
    }
    if (numbers.size() < 2) {
        return std::nullopt;
    }
    const double latitude = numbers[0];
    const double longitude = numbers[1];
    if (!(std::abs(latitude) <= 90) || !(std::abs(longitude) <= 180)) {
        return std::nullopt;
    }
    std::optional<QString> query;
    if (const auto parts = urlParts(QStringLiteral("geo:x?") + halves.value(1))) {
        query = queryValue(parts->query, QStringLiteral("q"), false);
    }
    return CodeContent(CodeContent::Location{latitude, longitude, query});
}

std::optional<QUrl> webLink(const QString &text)
{
    for (const QChar c : text) {
        if (c.isSpace()) {
            return std::nullopt;
        }
    }
    const QString lower = text.toLower();
    QString candidate;
    if (lower.startsWith(QLatin1String("http://")) || lower.startsWith(QLatin1String("https://"))) {
        candidate = text;
    } else if (lower.startsWith(QLatin1String("www."))) {
        candidate = QStringLiteral("https://") + text;
    } else {
        return std::nullopt;
    }
    const QUrl url(candidate, QUrl::TolerantMode);
    if (!url.isValid() || url.host(QUrl::FullyDecoded).isEmpty()) {
        return std::nullopt;
    }
    return url;
}

} // namespace

QString CodeContent::rawValue(ProductKind kind)
{
    switch (kind) {
    case ProductKind::EAN13:
        return QStringLiteral("ean13");
    case ProductKind::EAN8:
        return QStringLiteral("ean8");
    case ProductKind::UPCA:
        return QStringLiteral("upcA");
    case ProductKind::UPCE:
        return QStringLiteral("upcE");
    case ProductKind::ISBN:
        return QStringLiteral("isbn");
    }
    return QString();
}

std::optional<CodeContent::ProductKind> CodeContent::productKind(const QString &raw)
{
    for (ProductKind kind : {ProductKind::EAN13, ProductKind::EAN8, ProductKind::UPCA,
                             ProductKind::UPCE, ProductKind::ISBN}) {
        if (rawValue(kind) == raw) {
            return kind;
        }
    }
    return std::nullopt;
}

CodeContent CodeContent::parse(const QString &raw, CodeSymbology symbology)
{
    const QString text = raw.trimmed();
    if (auto content = product(text, symbology)) {
        return *content;
    }
    // Matched on the text itself, not on an upper-cased copy: upper-casing may
    // lengthen it ("ﬆ" becomes "ST"), and the prefix is cut from the text.
    auto has = [&text](const char *prefix) {
        return text.startsWith(QLatin1String(prefix), Qt::CaseInsensitive);
    };

    if (has("WIFI:")) {
        if (auto network = wifi(text)) {
            return CodeContent(*network);
        }
    }
    if (has("BEGIN:VCARD")) {
        if (auto contact = contactFromVCard(text)) {
            return CodeContent(*contact);
        }
    }
    if (has("MECARD:")) {
        if (auto contact = contactFromMeCard(text)) {
            return CodeContent(*contact);
        }
    }
    if (text.contains(QLatin1String("BEGIN:VEVENT"), Qt::CaseInsensitive)) {
        if (auto found = event(text)) {
            return CodeContent(*found);
        }
    }
    if (has("TEL:")) {
        return CodeContent(Phone{droppingFirst(text, 4)});
    }
    if (has("SMSTO:") || has("SMS:")) {
        return sms(text);
    }
    if (has("MAILTO:")) {
        return mailto(text);
    }
    if (has("MATMSG:")) {
        return matmsg(text);
    }
    if (has("GEO:")) {
        if (auto place = geo(text)) {
            return *place;
        }
    }
    if (auto url = webLink(text)) {
        return CodeContent(Link{*url});
    }
    return CodeContent(Text{text});
}
