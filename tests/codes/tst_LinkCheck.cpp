#include "codes/CodeContent.h"
#include "codes/LinkCheck.h"

#include <QTest>

using Warning = LinkCheck::Warning;
using WKind = LinkCheck::Warning::Kind;
Q_DECLARE_METATYPE(QList<LinkCheck::Warning>)
Q_DECLARE_METATYPE(std::optional<QString>)

namespace {

Warning plain(WKind kind)
{
    return Warning::plain(kind);
}

// The link as the content decoding hands it over, with the code's own text.
LinkCheck checkOf(const QString &raw)
{
    const CodeContent content = CodeContent::parse(raw, CodeSymbology::QR);
    const auto *link = content.as<CodeContent::Link>();
    if (!link) {
        qFatal("not a link: %s", qPrintable(raw));
    }
    return LinkCheck(link->url, raw);
}

QStringList kinds(const QList<Warning> &warnings)
{
    static const char *names[] = {"plainHTTP",      "ipAddress",         "userInfo",
                                  "mixedScripts",   "internationalName", "lookalike",
                                  "brandInAddress", "shortener"};
    QStringList out;
    for (const Warning &w : warnings) {
        out.append(QString::fromLatin1(names[int(w.kind)]));
    }
    return out;
}

} // namespace

class TestLinkCheck : public QObject
{
    Q_OBJECT

private slots:
    void check_data()
    {
        QTest::addColumn<QString>("raw");
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("realSite");
        QTest::addColumn<QList<Warning>>("warnings");

        QTest::newRow("plain https to an ordinary site") << "https://www.example.com/a"
                                                         << "www.example.com"
                                                         << "example.com" << QList<Warning>{};
        QTest::newRow("http to a user at an ip address")
            << "http://user@192.168.0.1/"
            << "192.168.0.1"
            << "192.168.0.1"
            << QList<Warning>{plain(WKind::PlainHTTP), plain(WKind::IPAddress),
                              Warning::userInfo("user")};
        QTest::newRow("quad with 256 is no address") << "https://1.2.3.256/"
                                                     << "1.2.3.256"
                                                     << "3.256" << QList<Warning>{};
        QTest::newRow("bracketed ipv6 is an address")
            << "https://[::1]/x"
            << "::1"
            << "::1" << QList<Warning>{plain(WKind::IPAddress)};
        QTest::newRow("two labels before a two-label suffix")
            << "https://a.b.example.co.uk/"
            << "a.b.example.co.uk"
            << "example.co.uk" << QList<Warning>{};
        QTest::newRow("cyrillic letter inside paypal")
            << "https://p\u0430ypal.com/"
            << "xn--pypal-4ve.com"
            << "xn--pypal-4ve.com"
            << QList<Warning>{plain(WKind::MixedScripts), Warning::lookalike("paypal")};
        QTest::newRow("punycode of one script")
            << "https://xn--e1afmkfd.xn--p1ai/"
            << "\u043f\u0440\u0438\u043c\u0435\u0440.\u0440\u0444"
            << "\u043f\u0440\u0438\u043c\u0435\u0440.\u0440\u0444"
            << QList<Warning>{plain(WKind::InternationalName)};
        QTest::newRow("punycode mixing latin and cyrillic")
            << "https://xn--pypal-4ve.com/"
            << "xn--pypal-4ve.com"
            << "xn--pypal-4ve.com"
            << QList<Warning>{plain(WKind::MixedScripts), Warning::lookalike("paypal")};
        // Wholly of one script, so nothing mixes: only their shapes give them away.
        QTest::newRow("apple all in cyrillic")
            << "https://\u0430\u0440\u0440\u04CF\u0435.com/"
            << "xn--80ak6aa92e.com"
            << "xn--80ak6aa92e.com"
            << QList<Warning>{plain(WKind::InternationalName), Warning::lookalike("apple")};
        QTest::newRow("paypal all in cyrillic, as punycode")
            << "https://xn--80aa0cbo65f.com/"
            << "xn--80aa0cbo65f.com"
            << "xn--80aa0cbo65f.com"
            << QList<Warning>{plain(WKind::InternationalName), Warning::lookalike("paypal")};
        QTest::newRow("look-alike in a hyphenated piece")
            << "https://login-\u0430\u0440\u0440\u04CF\u0435.example.com/"
            << "xn--login--8nf4b7fa78m.example.com"
            << "example.com"
            << QList<Warning>{plain(WKind::MixedScripts), Warning::lookalike("apple")};
        QTest::newRow("brand's own site") << "https://paypal.com/"
                                          << "paypal.com"
                                          << "paypal.com" << QList<Warning>{};
        QTest::newRow("brand's own site too") << "https://apple.com/"
                                              << "apple.com"
                                              << "apple.com" << QList<Warning>{};
        QTest::newRow("brand's site in another country") << "https://www.paypal.de/"
                                                         << "www.paypal.de"
                                                         << "paypal.de" << QList<Warning>{};
        // Anyone can take a name under these suffixes.
        QTest::newRow("brand under a suffix anyone registers under")
            << "https://paypal.github.io/login"
            << "paypal.github.io"
            << "paypal.github.io"
            << QList<Warning>{Warning::brandInAddress("paypal", "paypal.github.io")};
        QTest::newRow("brand under a blog host")
            << "https://www.apple.blogspot.com/"
            << "www.apple.blogspot.com"
            << "apple.blogspot.com"
            << QList<Warning>{Warning::brandInAddress("apple", "apple.blogspot.com")};
        QTest::newRow("digit one for the letter l")
            << "https://paypa1.com/login"
            << "paypa1.com"
            << "paypa1.com" << QList<Warning>{Warning::lookalike("paypal")};
        QTest::newRow("rn for m") << "https://arnazon.com/"
                                  << "arnazon.com"
                                  << "arnazon.com" << QList<Warning>{Warning::lookalike("amazon")};
        QTest::newRow("brand as a hyphenated piece")
            << "https://secure-paypal.example.com/"
            << "secure-paypal.example.com"
            << "example.com" << QList<Warning>{Warning::brandInAddress("paypal", "example.com")};
        QTest::newRow("earlier brand of the list wins")
            << "https://apple-paypal.evil.example/"
            << "apple-paypal.evil.example"
            << "evil.example" << QList<Warning>{Warning::brandInAddress("paypal", "evil.example")};
        QTest::newRow("brand's own site with other brands in it")
            << "https://apple.paypal.com/"
            << "apple.paypal.com"
            << "paypal.com" << QList<Warning>{};
        QTest::newRow("shortener") << "https://bit.ly/3abc"
                                   << "bit.ly"
                                   << "bit.ly" << QList<Warning>{plain(WKind::Shortener)};
        QTest::newRow("subdomain of a shortener")
            << "http://go.bit.ly/3abc"
            << "go.bit.ly"
            << "bit.ly" << QList<Warning>{plain(WKind::PlainHTTP), plain(WKind::Shortener)};
        QTest::newRow("ideographic dot hides the real site")
            << "https://paypal.com\u3002top/"
            << "paypal.com.top"
            << "com.top" << QList<Warning>{Warning::brandInAddress("paypal", "com.top")};
        QTest::newRow("full-width dot in a unicode host")
            << "https://p\u0430ypal\uFF0Ecom/"
            << "xn--pypal-4ve.com"
            << "xn--pypal-4ve.com"
            << QList<Warning>{plain(WKind::MixedScripts), Warning::lookalike("paypal")};
        QTest::newRow("one-label host") << "http://intranet/"
                                        << "intranet"
                                        << "intranet" << QList<Warning>{plain(WKind::PlainHTTP)};
        QTest::newRow("password alone adds nothing") << "https://:secret@example.com/"
                                                     << "example.com"
                                                     << "example.com" << QList<Warning>{};
    }

    void check()
    {
        QFETCH(QString, raw);
        QFETCH(QString, host);
        QFETCH(QString, realSite);
        QFETCH(QList<Warning>, warnings);
        const LinkCheck check = checkOf(raw);
        QCOMPARE(check.host, host);
        QCOMPARE(check.realSite, realSite);
        QCOMPARE(kinds(check.warnings), kinds(warnings));
        QVERIFY(check.warnings == warnings);
    }

    void displayAddressShowsTheHostAsWritten()
    {
        const LinkCheck check =
            checkOf("https://\u043f\u0440\u0438\u043c\u0435\u0440.\u0440\u0444/path?q=1");
        QCOMPARE(check.displayAddress,
                 QString("https://\u043f\u0440\u0438\u043c\u0435\u0440.\u0440\u0444/path?q=1"));
        // Without the raw text the decoded form is shown just the same.
        const LinkCheck noRaw(QUrl("https://xn--e1afmkfd.xn--p1ai/"), std::nullopt);
        QCOMPARE(noRaw.host, QString("\u043f\u0440\u0438\u043c\u0435\u0440.\u0440\u0444"));
        const LinkCheck umlaut = checkOf("https://m\u00fcnchen.de/karte");
        QCOMPARE(umlaut.displayAddress, QString("https://m\u00fcnchen.de/karte"));
        QCOMPARE(umlaut.realSite, QString("m\u00fcnchen.de"));
    }

    // A look-alike is shown the way browsers show it: nothing of the address or
    // the real site may still read as the brand.
    void lookalikeIsShownInASCII()
    {
        const LinkCheck check = checkOf("https://\u0430\u0440\u0440\u04CF\u0435.com/signin");
        QCOMPARE(check.displayAddress, QString("https://xn--80ak6aa92e.com/signin"));
        QCOMPARE(check.host, QString("xn--80ak6aa92e.com"));
        QCOMPARE(check.realSite, QString("xn--80ak6aa92e.com"));
    }

    void registrableDomain_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("expected");
        QTest::newRow("host that is a public suffix") << "co.uk"
                                                      << "co.uk";
        QTest::newRow("wildcard rule") << "a.b.ck"
                                       << "a.b.ck";
        QTest::newRow("exception rule") << "x.www.ck"
                                        << "www.ck";
        QTest::newRow("unlisted top-level domain") << "a.b.unlisted"
                                                   << "b.unlisted";
        QTest::newRow("international suffix")
            << "a.\u043f\u0440\u0438\u043c\u0435\u0440.\u0440\u0444"
            << "\u043f\u0440\u0438\u043c\u0435\u0440.\u0440\u0444";
        QTest::newRow("one label") << "localhost"
                                   << "localhost";
    }

    void registrableDomain()
    {
        QFETCH(QString, host);
        QFETCH(QString, expected);
        QCOMPARE(LinkCheck::registrableDomain(host), expected);
    }

    void withoutRulesEveryHostIsItsOwnSite()
    {
        QCOMPARE(LinkCheck::registrableDomain("a.b.example.co.uk", {}),
                 QString("a.b.example.co.uk"));
        QVERIFY(LinkCheck::parseSuffixRules(QByteArray("com\n\xff\xfe bad\n")).isEmpty());
        const QSet<QString> rules =
            LinkCheck::parseSuffixRules("// comment\n\n  UK \nco.uk\r\n*.ck\n!www.ck\n");
        QCOMPARE(rules, (QSet<QString>{"uk", "co.uk", "*.ck", "!www.ck"}));
        QVERIFY(LinkCheck::suffixRules().size() > 5000); // the shipped list is found
        const QByteArray parts = "// ===BEGIN ICANN DOMAINS===\ncom\n// ===END ICANN DOMAINS===\n"
                                 "// ===BEGIN PRIVATE DOMAINS===\ngithub.io\n*.Compute.example\n"
                                 "// ===END PRIVATE DOMAINS===\nlater.example\n";
        QCOMPARE(LinkCheck::parseSuffixRules(parts, LinkCheck::Rules::Private),
                 (QSet<QString>{"github.io", "*.compute.example"}));
        QCOMPARE(LinkCheck::parseSuffixRules(parts).size(), 4);
        QVERIFY(LinkCheck::suffixRules(LinkCheck::Rules::Private).contains("blogspot.com"));
        QVERIFY(!LinkCheck::suffixRules(LinkCheck::Rules::Private).contains("co.uk"));
    }

    void punycode_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<std::optional<QString>>("expected");
        QTest::newRow("basic part and one insertion")
            << "bcher-kva" << std::optional<QString>("b\u00fccher");
        QTest::newRow("no basic part")
            << "ihqwcrb4cv8a8dqg056pqjye"
            << std::optional<QString>("\u4ed6\u4eec\u4e3a\u4ec0\u4e48\u4e0d\u8bf4\u4e2d\u6587");
        QTest::newRow("capitals keep their case")
            << "BCHER-KVA" << std::optional<QString>("B\u00fcCHER");
        QTest::newRow("label ends inside a number") << "bcher-kv" << std::optional<QString>();
        QTest::newRow("character that is no digit") << "bcher-k!a" << std::optional<QString>();
        QTest::newRow("non-ascii basic part") << "b\u00fccher-kva" << std::optional<QString>();
        QTest::newRow("overflowing number")
            << "99999999999999999999999999" << std::optional<QString>();
        QTest::newRow("beyond the last code point") << "a-99999999" << std::optional<QString>();
        QTest::newRow("longer than 59 bytes")
            << QString(60, 'a') + "-a" << std::optional<QString>();
    }

    void punycode()
    {
        QFETCH(QString, label);
        QFETCH(std::optional<QString>, expected);
        QCOMPARE(LinkCheck::decodePunycode(label), expected);
    }

    void brandNames()
    {
        QCOMPARE(LinkCheck::brandName("wellsfargo"), QString("Wells Fargo"));
        QCOMPARE(LinkCheck::brandName("netflix"), QString("Netflix"));
        QCOMPARE(LinkCheck::brands().size(), 50);
        QCOMPARE(LinkCheck::shorteners().size(), 30);
    }
};

QTEST_GUILESS_MAIN(TestLinkCheck)
#include "tst_LinkCheck.moc"
