#include "codes/LinkCheck.h"

#include "codes/TextPieces.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QStringDecoder>

#include <algorithm>
#include <limits>

#include <unicode/uspoof.h>

using TextPieces::split;

namespace {

bool isASCII(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() > 127) {
            return false;
        }
    }
    return true;
}

// The ideographic and full-width full stops that URL parsing treats as dots.
QString withPlainDots(QString host)
{
    for (QChar &c : host) {
        if (c == QChar(0x3002) || c == QChar(0xFF0E) || c == QChar(0xFF61)) {
            c = QLatin1Char('.');
        }
    }
    return host;
}

// The host as written after "://": after the last "@", before any port; taken
// as it stands, without decoding.
std::optional<QString> rawHost(const QString &text)
{
    const qsizetype start = text.indexOf(QLatin1String("://"));
    if (start < 0) {
        return std::nullopt;
    }
    QString authority = text.mid(start + 3);
    const qsizetype end = authority.indexOf(QRegularExpression(QStringLiteral("[/?#]")));
    if (end >= 0) {
        authority.truncate(end);
    }
    const QStringList atPieces = split(authority, QLatin1Char('@'));
    const QString afterAt = atPieces.isEmpty() ? authority : atPieces.last();
    auto host = TextPieces::firstPiece(afterAt, QLatin1Char(':'));
    if (!host || host->isEmpty()) {
        return std::nullopt;
    }
    return host;
}

bool isIPAddress(const QString &host)
{
    if (host.startsWith(QLatin1Char('[')) || host.contains(QLatin1Char(':'))) {
        return true;
    }
    const QStringList parts = split(host, QLatin1Char('.'));
    if (parts.size() != 4) {
        return false;
    }
    for (const QString &part : parts) {
        if (part.size() > 10) {
            return false;
        }
        for (const QChar c : part) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
                return false;
            }
        }
        if (part.toLongLong() > 255) {
            return false;
        }
    }
    return true;
}

bool hasMixedScripts(const QString &host)
{
    for (const QString &label : split(host, QLatin1Char('.'))) {
        bool latin = false, cyrillic = false, greek = false;
        for (const char32_t c : label.toUcs4()) {
            if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) {
                latin = true;
            } else if (c >= 0x0400 && c <= 0x04FF) {
                cyrillic = true;
            } else if (c >= 0x0370 && c <= 0x03FF) {
                greek = true;
            }
        }
        if (int(latin) + int(cyrillic) + int(greek) >= 2) {
            return true;
        }
    }
    return false;
}

// True when the public suffix of `realSite` is one that anyone can register
// under: a name there belongs to whoever took it, whatever it spells.
bool isUnderPrivateSuffix(const QStringList &siteLabels)
{
    if (siteLabels.size() < 2) {
        return false;
    }
    const QSet<QString> &rules = LinkCheck::suffixRules(LinkCheck::Rules::Private);
    const QString suffix = siteLabels.mid(1).join(QLatin1Char('.'));
    return rules.contains(suffix) ||
           (siteLabels.size() > 2 &&
            rules.contains(QStringLiteral("*.") + siteLabels.mid(2).join(QLatin1Char('.'))));
}

std::optional<LinkCheck::Warning> brandWarning(const QString &host, const QString &realSite)
{
    const QStringList siteLabels = split(realSite, QLatin1Char('.'));
    const QString siteLabel = siteLabels.isEmpty() ? realSite : siteLabels.first();
    const QStringList &brands = LinkCheck::brands();
    if (brands.contains(siteLabel) && !isUnderPrivateSuffix(siteLabels)) {
        return std::nullopt;
    }
    QStringList pieces;
    for (const QString &label : split(host, QLatin1Char('.'))) {
        pieces += split(label, QLatin1Char('-'));
    }
    for (const QString &brand : brands) {
        if (pieces.contains(brand)) {
            return LinkCheck::Warning::brandInAddress(brand, realSite);
        }
    }
    QString normalized = siteLabel;
    normalized.replace(QLatin1String("rn"), QLatin1String("m"));
    normalized.replace(QLatin1String("vv"), QLatin1String("w"));
    normalized.replace(QLatin1Char('0'), QLatin1Char('o'));
    normalized.replace(QLatin1Char('1'), QLatin1Char('l'));
    normalized.replace(QLatin1Char('3'), QLatin1Char('e'));
    normalized.replace(QLatin1Char('5'), QLatin1Char('s'));
    normalized.replace(QLatin1Char('$'), QLatin1Char('s'));
    if (normalized != siteLabel && brands.contains(normalized)) {
        return LinkCheck::Warning::lookalike(normalized);
    }
    // Letters of other scripts that look like Latin ones ("аррӏе" in Cyrillic)
    // escape the replacements above; their skeletons give them away. Unicode's
    // data takes the Cyrillic palochka for an "i", where most fonts draw an "l",
    // so in pieces of other scripts the two count as one letter.
    auto key = [](const QString &text, bool foreign) {
        QString k = LinkCheck::skeleton(text);
        return foreign ? k.replace(QLatin1Char('i'), QLatin1Char('l')) : k;
    };
    // The brands' keys, as Latin pieces and as pieces of other scripts see them.
    static const std::pair<QStringList, QStringList> brandKeys = [&key, &brands] {
        std::pair<QStringList, QStringList> made;
        for (const QString &brand : brands) {
            made.first.append(key(brand, false));
            made.second.append(key(brand, true));
        }
        return made;
    }();
    QList<std::pair<QString, bool>> keys; // the piece's key, and whether it is foreign
    for (const QString &piece : pieces) {
        const bool foreign = !isASCII(piece);
        keys.append({key(piece, foreign), foreign});
    }
    for (qsizetype i = 0; i < brands.size(); ++i) {
        for (const auto &[pieceKey, foreign] : keys) {
            if (pieceKey == (foreign ? brandKeys.second : brandKeys.first).at(i)) {
                return LinkCheck::Warning::lookalike(brands.at(i));
            }
        }
    }
    return std::nullopt;
}

} // namespace

LinkCheck::LinkCheck(const QUrl &link, const std::optional<QString> &rawText)
    : url(link)
{
    const QString asciiHost = link.host(QUrl::EncodeUnicode).toLower();
    const QStringList asciiLabels = split(asciiHost, QLatin1Char('.'));

    QStringList labels;
    bool punycode = false;
    for (const QString &label : asciiLabels) {
        if (label.startsWith(QLatin1String("xn--"))) {
            punycode = true;
            labels.append(decodePunycode(label.mid(4)).value_or(label));
        } else {
            labels.append(label);
        }
    }
    // The link's own host decides the real site and the brand test; the raw text
    // only changes how the host is shown, since its dots may not be ASCII dots.
    const QString linkHost = labels.join(QLatin1Char('.'));

    host = linkHost;
    if (rawText) {
        if (const auto raw = rawHost(*rawText)) {
            const QString written = withPlainDots(raw->toLower());
            if (!isASCII(written)) {
                host = written;
            }
        }
    }

    const bool ip = isIPAddress(asciiHost);
    realSite = ip ? linkHost : registrableDomain(linkHost);

    displayAddress = QString::fromUtf8(link.toEncoded());
    if (!asciiHost.isEmpty()) {
        const qsizetype at = displayAddress.indexOf(asciiHost, 0, Qt::CaseInsensitive);
        if (at >= 0) {
            displayAddress.replace(at, asciiHost.size(), host);
        }
    }

    if (link.scheme().toLower() == QLatin1String("http")) {
        warnings.append(Warning::plain(Warning::Kind::PlainHTTP));
    }
    if (ip) {
        warnings.append(Warning::plain(Warning::Kind::IPAddress));
    }
    const QString user = link.userName(QUrl::FullyDecoded);
    if (!user.isEmpty()) {
        warnings.append(Warning::userInfo(user));
    }
    if (punycode || !isASCII(host)) {
        warnings.append(Warning::plain(hasMixedScripts(linkHost)
                                           ? Warning::Kind::MixedScripts
                                           : Warning::Kind::InternationalName));
    }
    if (shorteners().contains(realSite)) {
        warnings.append(Warning::plain(Warning::Kind::Shortener));
    }
    if (!ip) {
        if (const auto brand = brandWarning(linkHost, realSite)) {
            warnings.append(*brand);
        }
    }
    // A name that imitates another reads as that other in its own script, so it
    // is shown in its ASCII form, as browsers do; honest international names
    // keep their script.
    const bool imitates = std::any_of(warnings.cbegin(), warnings.cend(), [](const Warning &w) {
        return w.kind == Warning::Kind::MixedScripts || w.kind == Warning::Kind::Lookalike;
    });
    if (imitates && !isASCII(host)) {
        const auto ascii = [](const QString &name) {
            const QString ace = QString::fromLatin1(QUrl::toAce(name));
            return ace.isEmpty() ? name : ace;
        };
        host = asciiHost;
        realSite = ascii(realSite);
        for (Warning &warning : warnings) {
            if (!warning.realSite.isEmpty()) {
                warning.realSite = ascii(warning.realSite);
            }
        }
        displayAddress = QString::fromUtf8(link.toEncoded());
    }
}

QString LinkCheck::registrableDomain(const QString &host)
{
    return registrableDomain(host, suffixRules());
}

QString LinkCheck::registrableDomain(const QString &host, const QSet<QString> &rules)
{
    const QStringList labels = split(host, QLatin1Char('.'));
    const qsizetype n = labels.size();
    if (n <= 1 || rules.isEmpty()) {
        return host;
    }
    auto joined = [&labels, n](qsizetype from) {
        return labels.mid(from, n - from).join(QLatin1Char('.'));
    };
    qsizetype best = 1;
    for (qsizetype i = 0; i < n; ++i) {
        QString candidate = joined(i);
        if (rules.contains(QLatin1Char('!') + candidate)) {
            return candidate;
        }
        if (rules.contains(candidate)) {
            best = std::max(best, n - i);
        }
        if (i + 1 < n && rules.contains(QStringLiteral("*.") + joined(i + 1))) {
            best = std::max(best, n - i);
        }
    }
    return joined(n - std::min(best + 1, n));
}

QString LinkCheck::brandName(const QString &key)
{
    static const QHash<QString, QString> names = {
        {QStringLiteral("paypal"), QStringLiteral("PayPal")},
        {QStringLiteral("icloud"), QStringLiteral("iCloud")},
        {QStringLiteral("whatsapp"), QStringLiteral("WhatsApp")},
        {QStringLiteral("tiktok"), QStringLiteral("TikTok")},
        {QStringLiteral("linkedin"), QStringLiteral("LinkedIn")},
        {QStringLiteral("office365"), QStringLiteral("Office 365")},
        {QStringLiteral("ebay"), QStringLiteral("eBay")},
        {QStringLiteral("mercadolibre"), QStringLiteral("Mercado Libre")},
        {QStringLiteral("mercadopago"), QStringLiteral("Mercado Pago")},
        {QStringLiteral("dhl"), QStringLiteral("DHL")},
        {QStringLiteral("fedex"), QStringLiteral("FedEx")},
        {QStringLiteral("ups"), QStringLiteral("UPS")},
        {QStringLiteral("usps"), QStringLiteral("USPS")},
        {QStringLiteral("bbva"), QStringLiteral("BBVA")},
        {QStringLiteral("ing"), QStringLiteral("ING")},
        {QStringLiteral("hsbc"), QStringLiteral("HSBC")},
        {QStringLiteral("caixabank"), QStringLiteral("CaixaBank")},
        {QStringLiteral("wellsfargo"), QStringLiteral("Wells Fargo")},
        {QStringLiteral("bankofamerica"), QStringLiteral("Bank of America")},
    };
    const auto it = names.constFind(key);
    if (it != names.constEnd()) {
        return *it;
    }
    if (key.isEmpty()) {
        return key;
    }
    return key.left(1).toUpper() + key.mid(1);
}

std::optional<QString> LinkCheck::decodePunycode(const QString &label)
{
    constexpr qint64 base = 36, tmin = 1, tmax = 26, skew = 38, damp = 700;
    constexpr qint64 maxValue = std::numeric_limits<qint64>::max();
    if (label.toUtf8().size() > 59) {
        return std::nullopt;
    }
    QList<char32_t> output;
    const qsizetype dash = label.lastIndexOf(QLatin1Char('-'));
    qsizetype position = 0;
    if (dash >= 0) {
        for (qsizetype i = 0; i < dash; ++i) {
            if (label[i].unicode() > 127) {
                return std::nullopt;
            }
            output.append(label[i].unicode());
        }
        position = dash + 1;
    }
    auto digitValue = [](QChar c) -> qint64 {
        const char16_t u = c.unicode();
        if (u >= '0' && u <= '9') {
            return u - '0' + 26;
        }
        if (u >= 'a' && u <= 'z') {
            return u - 'a';
        }
        if (u >= 'A' && u <= 'Z') {
            return u - 'A';
        }
        return -1;
    };
    auto adapt = [](qint64 delta, qint64 points, bool first) {
        delta = first ? delta / damp : delta / 2;
        delta += delta / points;
        qint64 k = 0;
        while (delta > ((base - tmin) * tmax) / 2) {
            delta /= base - tmin;
            k += base;
        }
        return k + (base - tmin + 1) * delta / (delta + skew);
    };

    qint64 n = 128;
    qint64 i = 0;
    qint64 bias = 72;
    while (position < label.size()) {
        const qint64 oldI = i;
        qint64 w = 1;
        for (qint64 k = base;; k += base) {
            if (position >= label.size()) {
                return std::nullopt; // ends in the middle of a number
            }
            const qint64 digit = digitValue(label[position++]);
            if (digit < 0) {
                return std::nullopt;
            }
            if (digit > (maxValue - i) / w) {
                return std::nullopt;
            }
            i += digit * w;
            const qint64 t = k <= bias ? tmin : (k >= bias + tmax ? tmax : k - bias);
            if (digit < t) {
                break;
            }
            if (w > maxValue / (base - t)) {
                return std::nullopt;
            }
            w *= base - t;
        }
        const qint64 points = output.size() + 1;
        bias = adapt(i - oldI, points, oldI == 0);
        if (i / points > maxValue - n) {
            return std::nullopt;
        }
        n += i / points;
        i %= points;
        if (n > 0x10FFFF || (n >= 0xD800 && n <= 0xDFFF)) {
            return std::nullopt;
        }
        output.insert(i, char32_t(n));
        ++i;
    }
    return QString::fromUcs4(output.constData(), output.size());
}

QSet<QString> LinkCheck::parseSuffixRules(const QByteArray &data, Rules which)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    const QString text = decoder(data);
    if (decoder.hasError()) {
        return {};
    }
    QSet<QString> rules;
    bool inPrivatePart = false;
    for (const QString &line : split(text, QLatin1Char('\n'))) {
        const QString rule = line.trimmed();
        if (rule.startsWith(QLatin1String("//"))) {
            if (rule.contains(QLatin1String("===BEGIN PRIVATE DOMAINS==="))) {
                inPrivatePart = true;
            } else if (rule.contains(QLatin1String("===END PRIVATE DOMAINS==="))) {
                inPrivatePart = false;
            }
            continue;
        }
        if (rule.isEmpty() || (which == Rules::Private && !inPrivatePart)) {
            continue;
        }
        rules.insert(rule.toLower());
    }
    return rules;
}

const QSet<QString> &LinkCheck::suffixRules(Rules which)
{
    struct Shipped
    {
        QSet<QString> all;
        QSet<QString> privatePart;
    };
    static const Shipped shipped = [] {
        QFile file(QStringLiteral(":/codes/public_suffix_list.dat"));
        if (!file.open(QIODevice::ReadOnly)) {
            return Shipped();
        }
        const QByteArray data = file.readAll();
        return Shipped{parseSuffixRules(data, Rules::All), parseSuffixRules(data, Rules::Private)};
    }();
    return which == Rules::Private ? shipped.privatePart : shipped.all;
}

QString LinkCheck::skeleton(const QString &text)
{
    // Checking texts against a checker that is never changed is safe from any thread.
    static USpoofChecker *const checker = [] {
        UErrorCode status = U_ZERO_ERROR;
        USpoofChecker *opened = uspoof_open(&status);
        return U_SUCCESS(status) ? opened : nullptr;
    }();
    if (!checker || text.isEmpty()) {
        return text;
    }
    const auto *source = reinterpret_cast<const UChar *>(text.utf16());
    QString out(text.size() * 2, Qt::Uninitialized);
    for (int attempt = 0; attempt < 2; ++attempt) {
        UErrorCode status = U_ZERO_ERROR;
        const int32_t length =
            uspoof_getSkeleton(checker, 0, source, int32_t(text.size()),
                               reinterpret_cast<UChar *>(out.data()), int32_t(out.size()), &status);
        if (status == U_BUFFER_OVERFLOW_ERROR) {
            out.resize(length);
            continue;
        }
        if (U_FAILURE(status)) {
            return text;
        }
        out.resize(length);
        return out;
    }
    return text;
}

const QSet<QString> &LinkCheck::shorteners()
{
    static const QSet<QString> names = {
        QStringLiteral("bit.ly"),   QStringLiteral("tinyurl.com"), QStringLiteral("t.co"),
        QStringLiteral("goo.gl"),   QStringLiteral("ow.ly"),       QStringLiteral("is.gd"),
        QStringLiteral("v.gd"),     QStringLiteral("buff.ly"),     QStringLiteral("rebrand.ly"),
        QStringLiteral("cutt.ly"),  QStringLiteral("shorturl.at"), QStringLiteral("rb.gy"),
        QStringLiteral("t.ly"),     QStringLiteral("tiny.cc"),     QStringLiteral("bl.ink"),
        QStringLiteral("lnkd.in"),  QStringLiteral("s.id"),        QStringLiteral("bit.do"),
        QStringLiteral("adf.ly"),   QStringLiteral("shorte.st"),   QStringLiteral("amzn.to"),
        QStringLiteral("fb.me"),    QStringLiteral("youtu.be"),    QStringLiteral("clck.ru"),
        QStringLiteral("qrco.de"),  QStringLiteral("surl.li"),     QStringLiteral("urlz.fr"),
        QStringLiteral("tiny.one"), QStringLiteral("dub.sh"),      QStringLiteral("kutt.it"),
    };
    return names;
}

const QStringList &LinkCheck::brands()
{
    static const QStringList list = {
        QStringLiteral("paypal"),       QStringLiteral("apple"),
        QStringLiteral("icloud"),       QStringLiteral("google"),
        QStringLiteral("gmail"),        QStringLiteral("microsoft"),
        QStringLiteral("outlook"),      QStringLiteral("office365"),
        QStringLiteral("amazon"),       QStringLiteral("netflix"),
        QStringLiteral("facebook"),     QStringLiteral("instagram"),
        QStringLiteral("whatsapp"),     QStringLiteral("telegram"),
        QStringLiteral("tiktok"),       QStringLiteral("linkedin"),
        QStringLiteral("twitter"),      QStringLiteral("spotify"),
        QStringLiteral("adobe"),        QStringLiteral("dropbox"),
        QStringLiteral("ebay"),         QStringLiteral("walmart"),
        QStringLiteral("mercadolibre"), QStringLiteral("mercadopago"),
        QStringLiteral("dhl"),          QStringLiteral("fedex"),
        QStringLiteral("ups"),          QStringLiteral("usps"),
        QStringLiteral("correos"),      QStringLiteral("santander"),
        QStringLiteral("bbva"),         QStringLiteral("caixabank"),
        QStringLiteral("sabadell"),     QStringLiteral("bankinter"),
        QStringLiteral("ing"),          QStringLiteral("chase"),
        QStringLiteral("wellsfargo"),   QStringLiteral("bankofamerica"),
        QStringLiteral("citibank"),     QStringLiteral("hsbc"),
        QStringLiteral("barclays"),     QStringLiteral("revolut"),
        QStringLiteral("wise"),         QStringLiteral("coinbase"),
        QStringLiteral("binance"),      QStringLiteral("steam"),
        QStringLiteral("banorte"),      QStringLiteral("banamex"),
        QStringLiteral("bancomer"),     QStringLiteral("hacienda"),
    };
    return list;
}
