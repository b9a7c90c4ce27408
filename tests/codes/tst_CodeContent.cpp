#include "codes/CodeContent.h"

#include <QTest>
#include <QTimeZone>

Q_DECLARE_METATYPE(CodeContent)
Q_DECLARE_METATYPE(CodeSymbology)

namespace {

using C = CodeContent;
using Kind = CodeContent::ProductKind;

C text(const QString &t)
{
    return C(C::Text{t});
}
C link(const QString &url)
{
    return C(C::Link{QUrl(url, QUrl::TolerantMode)});
}
C product(const QString &number, Kind kind)
{
    return C(C::Product{number, kind});
}

QDateTime utc(int y, int m, int d, int h, int min)
{
    return QDateTime(QDate(y, m, d), QTime(h, min), QTimeZone::utc());
}
QDateTime local(int y, int m, int d, int h = 0, int min = 0)
{
    return QDateTime(QDate(y, m, d), QTime(h, min));
}

} // namespace

class TestCodeContent : public QObject
{
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("payload");
        QTest::addColumn<CodeSymbology>("symbology");
        QTest::addColumn<CodeContent>("expected");
        const auto qr = CodeSymbology::QR;

        // Links
        QTest::newRow("link with blanks around it") << " \thttps://example.com/a\n"
                                                    << qr << link("https://example.com/a");
        QTest::newRow("www in any case gets https")
            << "WWW.Example.com/x" << qr << link("https://WWW.Example.com/x");
        QTest::newRow("bare domain is text") << "example.com" << qr << text("example.com");
        QTest::newRow("blank inside a link is text")
            << "https://exa mple.com" << qr << text("https://exa mple.com");
        QTest::newRow("other scheme is text")
            << "ftp://example.com/f" << qr << text("ftp://example.com/f");
        QTest::newRow("scheme without host is text") << "https://" << qr << text("https://");
        QTest::newRow("markup inside a link stays a link")
            << "https://example.com/<b>" << qr << link("https://example.com/<b>");
        QTest::newRow("html payload is text") << "<a href=\"https://evil.example\">Win</a>" << qr
                                              << text("<a href=\"https://evil.example\">Win</a>");

        // Product numbers
        QTest::newRow("isbn from ean-13")
            << "9780306406157" << CodeSymbology::EAN13 << product("9780306406157", Kind::ISBN);
        QTest::newRow("upc-a from ean-13 with leading zero")
            << "0036000291452" << CodeSymbology::EAN13 << product("036000291452", Kind::UPCA);
        QTest::newRow("plain ean-13")
            << "4006381333931" << CodeSymbology::EAN13 << product("4006381333931", Kind::EAN13);
        QTest::newRow("isbn digits in a qr code are text")
            << "9780306406157" << qr << text("9780306406157");
        QTest::newRow("ean-8") << "96385074" << CodeSymbology::EAN8
                               << product("96385074", Kind::EAN8);
        QTest::newRow("upc-e six digits")
            << "123456" << CodeSymbology::UPCE << product("123456", Kind::UPCE);
        QTest::newRow("upc-e eight digits")
            << "01234565" << CodeSymbology::UPCE << product("01234565", Kind::UPCE);
        QTest::newRow("upc-e seven digits is text")
            << "1234567" << CodeSymbology::UPCE << text("1234567");
        QTest::newRow("letter among digits is never a product")
            << "40063813A3931" << CodeSymbology::EAN13 << text("40063813A3931");
        QTest::newRow("itf-14 digits are text")
            << "15400141288763" << CodeSymbology::ITF14 << text("15400141288763");

        // Wi-Fi
        QTest::newRow("wifi with escapes")
            << "WIFI:T:WPA;S:Home Net;P:pa\\;ss\\\\word;;" << qr
            << C(C::WiFi{"Home Net", QString("pa;ss\\word"), "WPA", false});
        QTest::newRow("wifi hidden in any case without password")
            << "wifi:S:Cafe;H:TRUE;" << qr << C(C::WiFi{"Cafe", std::nullopt, "", true});
        QTest::newRow("wifi empty password is kept")
            << "WIFI:S:Open;P:;;" << qr << C(C::WiFi{"Open", QString(""), "", false});
        QTest::newRow("wifi without network name falls through")
            << "WIFI:T:WEP;P:x;;" << qr << text("WIFI:T:WEP;P:x;;");

        // Contacts
        QTest::newRow("mecard builds its vcard")
            << "MECARD:N:Doe,John;TEL:+1 555 0100;;" << qr
            << C(C::Contact{"BEGIN:VCARD\r\nVERSION:3.0\r\nFN:John Doe\r\nN:Doe;John;;;\r\nTEL:+1 "
                            "555 0100\r\nEND:VCARD",
                            QString("John Doe"),
                            {"+1 555 0100"},
                            {},
                            std::nullopt});
        QTest::newRow("mecard repeated field and name without comma")
            << "MECARD:N:Prince;TEL:1;TEL:2;ORG:Band;ADR:Main St;;" << qr
            << C(C::Contact{"BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Prince\r\nN:Prince;;;;\r\nORG:"
                            "Band\r\nTEL:1\r\nTEL:2\r\n"
                            "ADR:;;Main St;;;;\r\nEND:VCARD",
                            QString("Prince"),
                            {"1", "2"},
                            {},
                            QString("Band")});
        QTest::newRow("mecard with only an address is text")
            << "MECARD:ADR:Main St 1;;" << qr << text("MECARD:ADR:Main St 1;;");
        const QString folded =
            "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Jane\r\n  Roe\r\nTEL;TYPE=CELL:+44 20\r\n"
            "item1.EMAIL:x@y.z\r\nORG:Acme;Labs\r\nEND:VCARD";
        QTest::newRow("folded vcard with parameters and a group")
            << folded << qr
            << C(C::Contact{
                   folded, QString("Jane Roe"), {"+44 20"}, {"x@y.z"}, QString("Acme Labs")});
        const QString fromN = "BEGIN:VCARD\nFN:\nN:Doe;John;;;\nEMAIL:j@d.example\nEND:VCARD";
        QTest::newRow("vcard name from N when FN is empty")
            << fromN << qr
            << C(C::Contact{fromN, QString("John Doe"), {}, {"j@d.example"}, std::nullopt});
        QTest::newRow("vcard without name or number is text")
            << "BEGIN:VCARD\nVERSION:3.0\nEND:VCARD" << qr
            << text("BEGIN:VCARD\nVERSION:3.0\nEND:VCARD");

        // Events
        QTest::newRow("all-day event without summary")
            << "BEGIN:VEVENT\nDTSTART;VALUE=DATE:20240501\nEND:VEVENT" << qr
            << C(C::Event{std::nullopt, local(2024, 5, 1), std::nullopt, std::nullopt, true});
        QTest::newRow("event inside a calendar, utc start and local end")
            << "BEGIN:VCALENDAR\nBEGIN:VEVENT\nSUMMARY:Launch\\, party\nDTSTART:20240501T090000Z\n"
               "DTEND:20240501T100000\nLOCATION:Hall \\n "
               "2\nEND:VEVENT\nBEGIN:VEVENT\nSUMMARY:Other\nEND:VEVENT\n"
               "END:VCALENDAR"
            << qr
            << C(C::Event{QString("Launch, party"), utc(2024, 5, 1, 9, 0), local(2024, 5, 1, 10, 0),
                          QString("Hall \\n 2"), false});
        QTest::newRow("event with only location and end is text")
            << "BEGIN:VEVENT\nLOCATION:X\nDTEND:20240101\nEND:VEVENT" << qr
            << text("BEGIN:VEVENT\nLOCATION:X\nDTEND:20240101\nEND:VEVENT");

        // Phone, SMS, e-mail
        QTest::newRow("tel keeps the number as written")
            << "tel:+1 555 0100" << qr << C(C::Phone{"+1 555 0100"});
        QTest::newRow("smsto empty number, colons in message")
            << "SMSTO::Hello:World" << qr << C(C::SMS{"Hello", QString("World")});
        QTest::newRow("smsto number only") << "SMSTO:+123" << qr << C(C::SMS{"+123", std::nullopt});
        QTest::newRow("smsto body keeps its colons")
            << "smsto:+123:Meet at 10:30" << qr << C(C::SMS{"+123", QString("Meet at 10:30")});
        QTest::newRow("sms uri with escaped body")
            << "SMS:+123?BODY=Hi%20there" << qr << C(C::SMS{"+123", QString("Hi there")});
        QTest::newRow("mailto with subject and body")
            << "mailto:a%40b.com?Subject=Hello%20you&BODY=Hi" << qr
            << C(C::Email{"a@b.com", QString("Hello you"), QString("Hi")});
        QTest::newRow("mailto that is no uri keeps the rest")
            << "MAILTO:John Doe <a@b.com>" << qr
            << C(C::Email{"John Doe <a@b.com>", std::nullopt, std::nullopt});
        QTest::newRow("matmsg") << "MATMSG:TO:a@b.com;SUB:Hi;BODY:See you;;" << qr
                                << C(C::Email{"a@b.com", QString("Hi"), QString("See you")});
        QTest::newRow("matmsg without recipient")
            << "MATMSG:SUB:Hi;;" << qr << C(C::Email{"", QString("Hi"), std::nullopt});

        // Places
        QTest::newRow("geo with query") << "geo:48.85,2.35?q=Caf%C3%A9%20Fl" << qr
                                        << C(C::Location{48.85, 2.35, QString("Café Fl")});
        QTest::newRow("geo latitude 91 is text") << "geo:91,0" << qr << text("geo:91,0");
        QTest::newRow("geo parameters after semicolons")
            << "GEO:10;crs=wgs84,20;u=5" << qr << C(C::Location{10, 20, std::nullopt});
        QTest::newRow("geo skips a piece that is no number")
            << "geo:abc,1,2,300" << qr << C(C::Location{1, 2, std::nullopt});
        QTest::newRow("geo query name is case-sensitive")
            << "geo:1,2?Q=x" << qr << C(C::Location{1, 2, std::nullopt});
    }

    // Texts as phones and calendars really write them, which a literal reading
    // of the grammars would get wrong.
    void parseAsWritten_data()
    {
        QTest::addColumn<QString>("payload");
        QTest::addColumn<CodeSymbology>("symbology");
        QTest::addColumn<CodeContent>("expected");
        const auto qr = CodeSymbology::QR;
        auto event = [](const QString &start) {
            return QStringLiteral("BEGIN:VEVENT\nSUMMARY:Call\nDTSTART") + start +
                   QStringLiteral("\nEND:VEVENT");
        };
        auto call = [](const QDateTime &start) {
            return C(C::Event{QString("Call"), start, std::nullopt, std::nullopt, false});
        };

        QTest::newRow("event in a named zone")
            << event(";TZID=Europe/Berlin:20240131T093000") << qr << call(utc(2024, 1, 31, 8, 30));
        QTest::newRow("event zone quoted, named the Windows way")
            << event(";TZID=\"W. Europe Standard Time\":20240701T093000") << qr
            << call(utc(2024, 7, 1, 7, 30));
        QTest::newRow("event in a zone nobody knows is local")
            << event(";TZID=Mars/Olympus:20240131T093000") << qr << call(local(2024, 1, 31, 9, 30));
        QTest::newRow("utc time ignores the zone")
            << event(";TZID=Europe/Berlin:20240131T093000Z") << qr << call(utc(2024, 1, 31, 9, 30));

        const QString grouped = "BEGIN:VCARD\nVERSION:3.0\nitem1.TEL:+1 555 "
                                "0100\nitem2.EMAIL;type=INTERNET:a@b.example\n"
                                "item2.X-ABLabel:work\nEND:VCARD";
        QTest::newRow("vcard lines with a group")
            << grouped << qr
            << C(C::Contact{grouped, std::nullopt, {"+1 555 0100"}, {"a@b.example"}, std::nullopt});
        const QString telUri =
            "BEGIN:VCARD\nVERSION:4.0\nFN:Ann\nTEL;VALUE=uri;TYPE=cell:tel:+1-555-0100\nEND:VCARD";
        QTest::newRow("vcard 4 number as a tel uri")
            << telUri << qr
            << C(C::Contact{telUri, QString("Ann"), {"+1-555-0100"}, {}, std::nullopt});

        QTest::newRow("wifi name and password in quotes")
            << "WIFI:T:WPA;S:\"Home Net\";P:\"12345678\";;" << qr
            << C(C::WiFi{"Home Net", QString("12345678"), "WPA", false});
        QTest::newRow("wifi lone quote stays")
            << "WIFI:S:\"Cafe;P:\";;" << qr << C(C::WiFi{"\"Cafe", QString("\""), "", false});

        QTest::newRow("sms number colon message")
            << "SMS:+15550100:Late: 10 min" << qr
            << C(C::SMS{"+15550100", QString("Late: 10 min")});
        QTest::newRow("sms uri with a colon in its body")
            << "sms:+1?body=at%2010:30" << qr << C(C::SMS{"+1", QString("at 10:30")});

        QTest::newRow("mailto whose escapes are no utf-8 stays as written")
            << "mailto:%E0%A4@x.example" << qr
            << C(C::Email{"%E0%A4@x.example", std::nullopt, std::nullopt});

        // Upper-cased, these would be "SMSTO:" and "WIFI:" one character longer.
        QTest::newRow("ligature st is no smsto")
            << "SM\uFB06O:+15550100:Hi" << qr << text("SM\uFB06O:+15550100:Hi");
        QTest::newRow("ligature fi is no wifi")
            << "WI\uFB01:S:home;;" << qr << text("WI\uFB01:S:home;;");
        QTest::newRow("long s folds to s letter for letter")
            << "\u017Fmsto:+1:Hi" << qr << C(C::SMS{"+1", QString("Hi")});
    }

    void parseAsWritten() { parse(); }

    void parse()
    {
        QFETCH(QString, payload);
        QFETCH(CodeSymbology, symbology);
        QFETCH(CodeContent, expected);
        const CodeContent actual = CodeContent::parse(payload, symbology);
        QCOMPARE(int(actual.kind()), int(expected.kind()));
        QVERIFY(actual == expected);
    }

    void largeBinaryPayloadIsText()
    {
        QString payload;
        for (int i = 0; i < 4096; ++i) {
            payload.append(QChar(char16_t((i * 37) % 256)));
        }
        const CodeContent content = CodeContent::parse(payload, CodeSymbology::QR);
        QCOMPARE(content.kind(), CodeContent::Kind::Text);
    }

    void productKindRawValues()
    {
        for (const auto kind : {Kind::EAN13, Kind::EAN8, Kind::UPCA, Kind::UPCE, Kind::ISBN}) {
            QCOMPARE(CodeContent::productKind(CodeContent::rawValue(kind)), kind);
        }
        QVERIFY(!CodeContent::productKind("UPCA"));
    }
};

QTEST_GUILESS_MAIN(TestCodeContent)
#include "tst_CodeContent.moc"
