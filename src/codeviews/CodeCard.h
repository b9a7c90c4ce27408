#pragma once

#include "codes/CodeContent.h"
#include "codes/FoundCode.h"
#include "codes/LinkCheck.h"
#include "look/Panel.h"

class AppModel;
class LinkOpener;
class QPainter;
class QTextDocument;
class ThemeButton;

// One found code on the QR Codes screen: what it holds, where it was read, and
// the actions that fit it. A link shows its address with the real site set
// off, the link check's warnings, "Open in Browser" and "Copy Link"; a Wi-Fi
// code its network name and password with a copy button for each; every other
// kind its text as read, with "Copy".
//
// Stores nothing and changes no model state: copies go to the model's clipboard
// with the toast "Copied", links to `opener`. Main thread only; `model` and
// `opener` must outlive the card. Unlike other panels it casts no shadow of its
// own: whatever holds it paints one (paintShadow()).
class CodeCard : public Panel
{
    Q_OBJECT

public:
    CodeCard(AppModel *model, LinkOpener *opener, FoundCode code, QWidget *parent = nullptr);

    const FoundCode &code() const { return m_code; }

    // The title and symbol of a kind of content ("Link", "Book", …).
    static QString kindTitle(const CodeContent &content);
    static QString kindSymbol(const CodeContent &content);
    // Where the code was read: the origin, with ", page n" for a page of a PDF.
    static QString originLine(const FoundCode &code);
    // The sentence a warning of the link check shows.
    static QString warningText(const LinkCheck::Warning &warning, const QString &realSite);
    // The link's display address in the secondary colour, its host in the text
    // colour and, inside the host, the right-most mention of the real site in
    // bold deep accent.
    static void highlight(QTextDocument &document, const LinkCheck &check);
    // The panel's shadow under a card at `geometry`, painted by its holder.
    static void paintShadow(QPainter &painter, const QRect &geometry);

private:
    void addLinkDetails(const LinkCheck &check);
    void addWiFiDetails(const CodeContent::WiFi &wifi);
    void addTextDetails();
    QWidget *field(const QString &name, const QString &label, const QString &value);
    ThemeButton *copyButton(const QString &name, const QString &text, const QString &title);
    void copy(const QString &text);

    AppModel *m_model;
    LinkOpener *m_opener;
    const FoundCode m_code;
};
