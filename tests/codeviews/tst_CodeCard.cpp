#include "CodesFixture.h"

#include "codeviews/CodeCard.h"
#include "codeviews/SelectableText.h"
#include "look/NoteBanner.h"
#include "look/Theme.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

// The card of one found code: what it says the code is, what it shows of it,
// and where its buttons send the code's text.
class TestCodeCard : public QObject
{
    Q_OBJECT

    std::unique_ptr<CodesFixture> m_fixture;

    std::unique_ptr<CodeCard> card(const QString &payload,
                                   CodeSymbology symbology = CodeSymbology::QR,
                                   std::optional<int> page = std::nullopt)
    {
        auto card = std::make_unique<CodeCard>(
            m_fixture->model.get(), &m_fixture->opener,
            FoundCode{QUuid::createUuid(), payload, symbology, QStringLiteral("scan.pdf"), page});
        card->resize(560, card->heightForWidth(560));
        card->show();
        QCoreApplication::processEvents();
        return card;
    }

    static QStringList buttons(const QWidget *card)
    {
        QStringList names;
        for (const QPushButton *button : card->findChildren<QPushButton *>()) {
            names.append(button->objectName());
        }
        return names;
    }

    static QString label(const QWidget *card, const QString &name)
    {
        const auto *label = card->findChild<QLabel *>(name);
        return label ? label->text() : QString();
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { m_fixture = std::make_unique<CodesFixture>(); }
    void cleanup() { m_fixture.reset(); }

    void showsWhatTheCodeHolds_data()
    {
        QTest::addColumn<QString>("payload");
        QTest::addColumn<CodeSymbology>("symbology");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<QStringList>("buttons");

        const QStringList copyOnly{"copyPayload"};
        QTest::newRow("web link") << "https://example.com/a" << CodeSymbology::QR << "Link"
                                  << ":/tamsel/link.svg"
                                  << QStringList{"openInBrowser", "copyLink"};
        QTest::newRow("wifi with password")
            << "WIFI:T:WPA;S:Home;P:secret;;" << CodeSymbology::QR << "Wi-Fi"
            << "network-wireless-signal-excellent-symbolic"
            << QStringList{"copyNetworkName", "copyPassword"};
        QTest::newRow("wifi with empty password")
            << "WIFI:T:nopass;S:Cafe;P:;;" << CodeSymbology::QR << "Wi-Fi"
            << "network-wireless-signal-excellent-symbolic" << QStringList{"copyNetworkName"};
        QTest::newRow("wifi without password")
            << "WIFI:S:Cafe;;" << CodeSymbology::QR << "Wi-Fi"
            << "network-wireless-signal-excellent-symbolic" << QStringList{"copyNetworkName"};
        QTest::newRow("book number") << "9780306406157" << CodeSymbology::EAN13 << "Book"
                                     << "accessories-dictionary-symbolic" << copyOnly;
        QTest::newRow("product number") << "4006381333931" << CodeSymbology::EAN13 << "Product"
                                        << ":/tamsel/barcode.svg" << copyOnly;
        QTest::newRow("same digits in a QR code") << "4006381333931" << CodeSymbology::QR << "Text"
                                                  << "format-justify-left-symbolic" << copyOnly;
        QTest::newRow("phone") << "TEL:+1 555 0100" << CodeSymbology::QR << "Phone"
                               << "call-start-symbolic" << copyOnly;
        QTest::newRow("contact") << "MECARD:N:Doe,Jane;TEL:5550100;;" << CodeSymbology::QR
                                 << "Contact"
                                 << "avatar-default-symbolic" << copyOnly;
        QTest::newRow("message") << "SMSTO:5550100:Hello" << CodeSymbology::QR << "Message"
                                 << "mail-message-new-symbolic" << copyOnly;
        QTest::newRow("email") << "mailto:a@example.com" << CodeSymbology::QR << "Email"
                               << "mail-unread-symbolic" << copyOnly;
        QTest::newRow("place") << "geo:48.2,16.37" << CodeSymbology::QR << "Location"
                               << "mark-location-symbolic" << copyOnly;
        QTest::newRow("event")
            << "BEGIN:VEVENT\nSUMMARY:Launch\nDTSTART:20260301T090000Z\nEND:VEVENT"
            << CodeSymbology::QR << "Event"
            << "x-office-calendar-symbolic" << copyOnly;
        QTest::newRow("other scheme") << "ftp://example.com" << CodeSymbology::QR << "Text"
                                      << "format-justify-left-symbolic" << copyOnly;
    }

    void showsWhatTheCodeHolds()
    {
        QFETCH(QString, payload);
        QFETCH(CodeSymbology, symbology);
        QFETCH(QString, title);
        QFETCH(QString, symbol);
        QFETCH(QStringList, buttons);

        const auto shown = card(payload, symbology);
        QCOMPARE(label(shown.get(), "kindTitle"), title);
        QCOMPARE(CodeCard::kindSymbol(CodeContent::parse(payload, symbology)), symbol);
        QCOMPARE(label(shown.get(), "symbology"), Symbology::displayName(symbology));
        QCOMPARE(TestCodeCard::buttons(shown.get()), buttons);
        // Only links and networks are taken apart; everything else shows as read.
        if (buttons == QStringList{"copyPayload"}) {
            QCOMPARE(shown->findChild<SelectableText *>("payload")->toPlainText(), payload);
        }
    }

    void saysWhereTheCodeWasRead_data()
    {
        QTest::addColumn<QString>("origin");
        QTest::addColumn<std::optional<int>>("page");
        QTest::addColumn<QString>("line");
        QTest::newRow("page of a PDF") << "scan.pdf" << std::optional<int>(3) << "scan.pdf, page 3";
        QTest::newRow("picture") << "photo.png" << std::optional<int>() << "photo.png";
        QTest::newRow("pasted") << "Pasted image" << std::optional<int>() << "Pasted image";
    }

    void saysWhereTheCodeWasRead()
    {
        QFETCH(QString, origin);
        QFETCH(std::optional<int>, page);
        QFETCH(QString, line);
        CodeCard shown(m_fixture->model.get(), &m_fixture->opener,
                       FoundCode{QUuid::createUuid(), "hello", CodeSymbology::QR, origin, page});
        QCOMPARE(label(&shown, "originLine"), line);
    }

    void wifiShowsItsFields()
    {
        const auto shown = card("WIFI:T:WPA;S:Home net;P:p\\;ss;;");
        const QWidget *network = shown->findChild<QWidget *>("networkField");
        const QWidget *password = shown->findChild<QWidget *>("passwordField");
        QVERIFY(network && password);
        QCOMPARE(network->findChild<QLabel *>("fieldValue")->text(), "Home net");
        QCOMPARE(password->findChild<QLabel *>("fieldValue")->text(), "p;ss");

        QTest::mouseClick(shown->findChild<QPushButton *>("copyPassword"), Qt::LeftButton);
        QTest::mouseClick(shown->findChild<QPushButton *>("copyNetworkName"), Qt::LeftButton);
        QCOMPARE(m_fixture->clipboard.copiedTexts, QStringList({"p;ss", "Home net"}));
        QVERIFY(m_fixture->model->toast());
        QCOMPARE(m_fixture->model->toast()->text, "Copied");
        QVERIFY(!m_fixture->model->toast()->reveal);
    }

    void linkWarningsShowInOrder()
    {
        const auto shown = card("http://alice@example.com/login");
        QStringList texts;
        for (const NoteBanner *banner : shown->findChildren<NoteBanner *>("linkWarning")) {
            QCOMPARE(banner->tone(), NoteBanner::Tone::Warning);
            texts.append(banner->text());
        }
        QCOMPARE(texts, QStringList({"Not encrypted: the address starts with http, not https.",
                                     "“alice” is not the site. The real site is example.com."}));
        QCOMPARE(label(shown.get(), "realSite"), "Real site: example.com");
    }

    // A look-alike in another script must not read as the brand anywhere on
    // the card; an honest international name keeps its own letters.
    void realSiteOfLookalikeIsASCII()
    {
        const auto fake = card("https://\u0430\u0440\u0440\u04CF\u0435.com/");
        QCOMPARE(label(fake.get(), "realSite"), "Real site: xn--80ak6aa92e.com");
        QStringList texts;
        for (const NoteBanner *banner : fake->findChildren<NoteBanner *>("linkWarning")) {
            texts.append(banner->text());
        }
        QVERIFY(texts.contains("Looks like Apple, but the real site is xn--80ak6aa92e.com."));
        const auto honest = card("https://m\u00fcnchen.de/");
        QCOMPARE(label(honest.get(), "realSite"), "Real site: m\u00fcnchen.de");
    }

    void warningTexts_data()
    {
        using W = LinkCheck::Warning;
        QTest::addColumn<LinkCheck::Warning>("warning");
        QTest::addColumn<QString>("site");
        QTest::addColumn<QString>("text");
        QTest::newRow("look-alike brand") << W::lookalike("paypal") << "site.net"
                                          << "Looks like PayPal, but the real site is site.net.";
        QTest::newRow("brand elsewhere in the address")
            << W::brandInAddress("wellsfargo", "secure-login.com") << "site.net"
            << "The real site is secure-login.com, not Wells Fargo.";
        QTest::newRow("user part with a percent sign")
            << W::userInfo("100%1") << "site.net"
            << "“100%1” is not the site. The real site is site.net.";
    }

    void warningTexts()
    {
        QFETCH(LinkCheck::Warning, warning);
        QFETCH(QString, site);
        QFETCH(QString, text);
        QCOMPARE(CodeCard::warningText(warning, site), text);
    }

    void linkButtonsUseTheCheckedAddress()
    {
        // The host as written in the code, not its punycode form, is what the
        // user saw and what "Copy Link" copies.
        const QString payload = QString::fromUtf8("https://b\u00fccher.example/a?b=1");
        const auto shown = card(payload);
        QVERIFY(!shown->findChildren<NoteBanner *>("linkWarning").isEmpty());
        QTest::mouseClick(shown->findChild<QPushButton *>("copyLink"), Qt::LeftButton);
        QCOMPARE(m_fixture->clipboard.copiedTexts, QStringList{payload});
        QCOMPARE(m_fixture->model->toast()->text, "Copied");

        // Opened without a question, warnings or not.
        QTest::mouseClick(shown->findChild<QPushButton *>("openInBrowser"), Qt::LeftButton);
        QCOMPARE(m_fixture->opener.opened.size(), 1);
        QCOMPARE(m_fixture->opener.opened.first().host(), "xn--bcher-kva.example");
    }

    void copyTakesTheWholeText()
    {
        QStringList lines{"BEGIN:VCARD", "VERSION:3.0", "FN:Jane Doe"};
        for (int i = 0; lines.size() < 29; ++i) {
            lines.append(QStringLiteral("NOTE:line %1").arg(i));
        }
        lines.append("END:VCARD");
        const QString payload = lines.join('\n');
        const auto shown = card(payload);

        const auto *text = shown->findChild<SelectableText *>("payload");
        int shownLines = 0;
        for (QTextBlock block = text->document()->begin(); block.isValid(); block = block.next()) {
            shownLines += block.layout()->lineCount();
        }
        QCOMPARE(shownLines, 12);
        QVERIFY(text->toPlainText().endsWith(QString::fromUtf8("\u2026")));
        QCOMPARE(text->fullText(), payload);

        QTest::mouseClick(shown->findChild<QPushButton *>("copyPayload"), Qt::LeftButton);
        QCOMPARE(m_fixture->clipboard.copiedTexts, QStringList{payload});
    }

    void longAddressWrapsInsteadOfWidening()
    {
        const QString payload = "https://example.com/" + QString(400, 'a');
        const auto shown = card(payload);
        QVERIFY(shown->minimumSizeHint().width() < 400);
        const auto *address = shown->findChild<SelectableText *>("address");
        QCOMPARE(address->toPlainText(), payload); // a link is never cut
        QVERIFY(address->document()->begin().layout()->lineCount() > 1);
        QVERIFY(address->height() >= address->document()->size().height());
    }

    void phoneCopiesItsPrefixToo()
    {
        const auto shown = card("TEL:+1 555 0100");
        QTest::mouseClick(shown->findChild<QPushButton *>("copyPayload"), Qt::LeftButton);
        QCOMPARE(m_fixture->clipboard.copiedTexts, QStringList{"TEL:+1 555 0100"});
    }

    void highlightSetsOffTheRealSite_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("realSite");
        QTest::addColumn<QString>("colours"); // per character: s secondary, t text, a accent (bold)

        QTest::newRow("ordinary site") << "https://www.example.com/x"
                                       << "www.example.com"
                                       << "example.com"
                                       << "ssssssssttttaaaaaaaaaaass";
        QTest::newRow("site named twice in the host") << "https://ab.c.ab.c/"
                                                      << "ab.c.ab.c"
                                                      << "ab.c"
                                                      << "sssssssstttttaaaas";
        QTest::newRow("host not in the address") << "https://other.org/"
                                                 << "example.com"
                                                 << "example.com"
                                                 << "ssssssssssssssssss";
        QTest::newRow("site not in the host") << "https://a.b/"
                                              << "a.b"
                                              << "zz.b"
                                              << "ssssssssttts";
    }

    void highlightSetsOffTheRealSite()
    {
        QFETCH(QString, address);
        QFETCH(QString, host);
        QFETCH(QString, realSite);
        QFETCH(QString, colours);
        LinkCheck check(QUrl("https://example.com"), std::nullopt);
        check.displayAddress = address;
        check.host = host;
        check.realSite = realSite;

        QTextDocument document;
        CodeCard::highlight(document, check);
        QCOMPARE(document.toPlainText(), address);
        QString seen;
        for (int i = 0; i < address.size(); ++i) {
            QTextCursor cursor(&document);
            cursor.setPosition(i + 1); // the format of the character before the cursor
            const QTextCharFormat format = cursor.charFormat();
            const QColor colour = format.foreground().color();
            const bool bold = format.fontWeight() >= QFont::Bold;
            seen += colour == Theme::accentDeep() && bold ? 'a'
                    : colour == Theme::text()             ? 't'
                    : colour == Theme::secondaryText()    ? 's'
                                                          : '?';
        }
        QCOMPARE(seen, colours);
    }
};

QTEST_MAIN(TestCodeCard)
#include "tst_CodeCard.moc"
