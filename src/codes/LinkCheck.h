#pragma once

// The local safety check of one link found in a code: the host as a person
// should read it, the site that really owns it, and the warning signs, in the
// order the code card shows them. Computed from the link alone, the public-suffix
// rules shipped with the program and two built-in lists; nothing goes over the
// network and nothing fails.

#include <QList>
#include <QSet>
#include <QString>
#include <QUrl>

#include <optional>

class LinkCheck
{
public:
    struct Warning
    {
        enum class Kind {
            PlainHTTP,
            IPAddress,
            UserInfo, // userName
            MixedScripts,
            InternationalName,
            Lookalike,      // brand
            BrandInAddress, // brand, realSite
            Shortener,
        };
        Kind kind = Kind::PlainHTTP;
        QString userName;
        QString brand; // a key of the brand list
        QString realSite;

        static Warning plain(Kind kind) { return Warning{kind, {}, {}, {}}; }
        static Warning userInfo(const QString &name)
        {
            return Warning{Kind::UserInfo, name, {}, {}};
        }
        static Warning lookalike(const QString &brand)
        {
            return Warning{Kind::Lookalike, {}, brand, {}};
        }
        static Warning brandInAddress(const QString &brand, const QString &site)
        {
            return Warning{Kind::BrandInAddress, {}, brand, site};
        }

        friend bool operator==(const Warning &, const Warning &) = default;
    };

    // `rawText` is the code's text when at hand: a host written there in its own
    // script is what the user saw, so it is shown that way.
    LinkCheck(const QUrl &url, const std::optional<QString> &rawText);

    QUrl url;
    QString displayAddress; // the link with its host shown as `host`
    QString host;           // lower-case, international labels in their own script
    QString realSite;       // the registrable domain of the link's host; an IP address itself
    QList<Warning> warnings;

    friend bool operator==(const LinkCheck &, const LinkCheck &) = default;

    // The registrable domain of `host` under the shipped rules: the longest
    // public suffix plus one label. A host with one label, or any host when the
    // rules are missing, is returned unchanged.
    static QString registrableDomain(const QString &host);
    static QString registrableDomain(const QString &host, const QSet<QString> &rules);

    // The display name of a brand key ("wellsfargo" is "Wells Fargo").
    static QString brandName(const QString &key);

    // RFC 3492 decoding of one label without its "xn--"; nothing for a label
    // longer than 59 bytes, a non-ASCII basic part, a bad digit, a truncated
    // number, an overflow, or a result that is not a Unicode scalar.
    static std::optional<QString> decodePunycode(const QString &label);

    // Which rules of a public-suffix file to take: all of them, or only those
    // of its private part (suffixes that companies let anyone register under,
    // such as github.io), which name no one's own site.
    enum class Rules { All, Private };
    // The rules of a public-suffix file: one per line, comments and blanks
    // dropped, lower-cased. Empty when the bytes are not UTF-8.
    static QSet<QString> parseSuffixRules(const QByteArray &data, Rules which = Rules::All);
    // The shipped rules, read once per run; empty when the resource is missing.
    static const QSet<QString> &suffixRules(Rules which = Rules::All);

    // Unicode's confusable skeleton of a text: texts that look alike have the
    // same skeleton ("аррӏе" in Cyrillic and "apple" in Latin).
    static QString skeleton(const QString &text);

    static const QSet<QString> &shorteners();
    static const QStringList &brands();
};
