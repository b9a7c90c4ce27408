<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutView</name>
    <message>
        <source>About Tamsel</source>
        <translation>Über Tamsel</translation>
    </message>
    <message>
        <source>Tamsel for Linux</source>
        <translation>Tamsel für Linux</translation>
    </message>
    <message>
        <source>Version %1 (%2) · by Vornel Apps</source>
        <translation>Version %1 (%2) · von Vornel Apps</translation>
    </message>
    <message>
        <source>Help &amp; legal</source>
        <translation>Hilfe &amp; Rechtliches</translation>
    </message>
    <message>
        <source>Follow us</source>
        <translation>Folge uns</translation>
    </message>
    <message>
        <source>More from Vornel Apps</source>
        <translation>Mehr von Vornel Apps</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Updates</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Same as system</source>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>Restart Tamsel</source>
        <translation>Tamsel neu starten</translation>
    </message>
    <message>
        <source>Free, with optional support</source>
        <translation>Kostenlos, mit freiwilliger Unterstützung</translation>
    </message>
    <message>
        <source>No ads, no tracking, no account, no subscription. Everything runs on your computer. If Tamsel helps, you can support the developer with crypto.</source>
        <translation>Keine Werbung, kein Tracking, kein Konto, kein Abo. Alles läuft auf deinem Computer. Wenn dir Tamsel hilft, kannst du den Entwickler mit Krypto unterstützen.</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Unterstützen</translation>
    </message>
    <message>
        <source>Tell a friend</source>
        <translation>Einem Freund empfehlen</translation>
    </message>
    <message>
        <source>Tamsel spends nothing on ads, so people telling people is how it grows. Share a link to its page; nothing is sent unless you choose where.</source>
        <translation>Tamsel gibt nichts für Werbung aus: Es wächst, weil Menschen es weiterempfehlen. Teile einen Link zu seiner Seite; gesendet wird nur, wohin du es wählst.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>Write to Support</source>
        <translation>An den Support schreiben</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>Datenschutzerklärung</translation>
    </message>
    <message>
        <source>Terms of Use</source>
        <translation>Nutzungsbedingungen</translation>
    </message>
    <message>
        <source>X (developer)</source>
        <comment>Link to the developer&apos;s account on X</comment>
        <translation>X (Entwickler)</translation>
    </message>
    <message>
        <source>Our other apps</source>
        <translation>Unsere anderen Apps</translation>
    </message>
    <message>
        <source>Tamsel checks only when you ask. It reads one file on %1 and sends nothing about your computer.</source>
        <translation>Tamsel sucht nur, wenn du es verlangst. Es liest eine Datei auf %1 und sendet nichts über deinen Computer.</translation>
    </message>
    <message>
        <source>You have the latest version.</source>
        <translation>Du hast die neueste Version.</translation>
    </message>
    <message>
        <source>Version %1 is available.</source>
        <translation>Version %1 ist verfügbar.</translation>
    </message>
    <message>
        <source>Downloading and checking the update…</source>
        <translation>Update wird geladen und geprüft …</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>Tamsel switches to the new language after a restart. Save or close the files with changes first.</source>
        <translation>Tamsel wechselt nach einem Neustart zur neuen Sprache. Speichere oder schließe zuerst die geänderten Dateien.</translation>
    </message>
    <message>
        <source>Tamsel switches to the new language after a restart.</source>
        <translation>Tamsel wechselt nach einem Neustart zur neuen Sprache.</translation>
    </message>
    <message>
        <source>Install and Relaunch</source>
        <translation>Installieren und neu starten</translation>
    </message>
    <message>
        <source>Save or close the files with changes first: Tamsel restarts to finish the update.</source>
        <translation>Speichere oder schließe zuerst die geänderten Dateien: Tamsel startet neu, um das Update abzuschließen.</translation>
    </message>
</context>
<context>
    <name>AppModel</name>
    <message>
        <source>There&apos;s no picture on the clipboard. Copy a screenshot or an image first.</source>
        <translation>In der Zwischenablage ist kein Bild. Kopiere zuerst einen Screenshot oder ein Bild.</translation>
    </message>
    <message>
        <source>A file needs at least one page. To get rid of it, close the file.</source>
        <translation>Eine Datei braucht mindestens eine Seite. Um sie loszuwerden, schließe die Datei.</translation>
    </message>
    <message>
        <source>Tamsel opens PDFs and images.</source>
        <translation>Tamsel öffnet PDFs und Bilder.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be opened.</source>
        <translation>„%1“ kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be opened. It may be damaged or not a PDF.</source>
        <translation>„%1“ kann nicht geöffnet werden. Die Datei ist vielleicht beschädigt oder kein PDF.</translation>
    </message>
    <message>
        <source>Choose PDFs or images</source>
        <translation>PDFs oder Bilder auswählen</translation>
    </message>
    <message>
        <source>Saved “%1”</source>
        <translation>„%1“ gespeichert</translation>
    </message>
    <message>
        <source>“%1” is open in Tamsel, so it can&apos;t be replaced. Save under another name.</source>
        <translation>„%1“ ist in Tamsel geöffnet und kann daher nicht ersetzt werden. Speichere unter einem anderen Namen.</translation>
    </message>
    <message>
        <source>“%1” wasn&apos;t saved because another task was still running. Try again when it has finished.</source>
        <translation>„%1“ wurde nicht gespeichert, weil noch eine andere Aufgabe lief. Versuche es erneut, wenn sie fertig ist.</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Wird gespeichert …</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be used as a file name.</source>
        <translation>„%1“ kann nicht als Dateiname verwendet werden.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because the name is too long.</source>
        <translation>„%1“ konnte nicht gespeichert werden, weil der Name zu lang ist.</translation>
    </message>
    <message>
        <source>Merging…</source>
        <translation>Wird zusammengefügt …</translation>
    </message>
    <message>
        <source>%1 (pages %2)</source>
        <extracomment>The name offered for a file of some pages: %1 the document&apos;s name, %2 the page numbers (&quot;1-3, 5&quot;).</extracomment>
        <translation>%1 (Seiten %2)</translation>
    </message>
    <message>
        <source>%1 (merged)</source>
        <extracomment>The name offered for the merged file: %1 the first file&apos;s name.</extracomment>
        <translation>%1 (zusammengefügt)</translation>
    </message>
    <message>
        <source>%1 (signed)</source>
        <extracomment>The name offered when saving: %1 the document&apos;s name.</extracomment>
        <translation>%1 (unterschrieben)</translation>
    </message>
    <message>
        <source>%1 (edited)</source>
        <translation>%1 (bearbeitet)</translation>
    </message>
    <message numerus="yes">
        <source>Added to all %n pages</source>
        <translation>
            <numerusform>Zu %n Seite hinzugefügt</numerusform>
            <numerusform>Zu allen %n Seiten hinzugefügt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Saved %n files</source>
        <translation>
            <numerusform>%n Datei gespeichert</numerusform>
            <numerusform>%n Dateien gespeichert</numerusform>
        </translation>
    </message>
    <message>
        <source>The update is installed. Save your files, then quit and open Tamsel again to use it.</source>
        <translation>Das Update ist installiert. Speichere deine Dateien, beende Tamsel und öffne es erneut, um es zu verwenden.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be opened. %2</source>
        <translation>„%1“ kann nicht geöffnet werden. %2</translation>
    </message>
</context>
<context>
    <name>BusyOverlay</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CodeCard</name>
    <message>
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Wi-Fi</source>
        <translation>WLAN</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Termin</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Nachricht</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Buch</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Produkt</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>%1, page %2</source>
        <translation>%1, Seite %2</translation>
    </message>
    <message>
        <source>Not encrypted: the address starts with http, not https.</source>
        <translation>Nicht verschlüsselt: Die Adresse beginnt mit http, nicht mit https.</translation>
    </message>
    <message>
        <source>A bare number instead of a site name.</source>
        <translation>Eine bloße Zahl statt eines Website-Namens.</translation>
    </message>
    <message>
        <source>“%1” is not the site. The real site is %2.</source>
        <translation>„%1“ ist nicht die Website. Die echte Website ist %2.</translation>
    </message>
    <message>
        <source>Letters from different alphabets: this address can imitate another site.</source>
        <translation>Buchstaben aus verschiedenen Alphabeten: Diese Adresse kann eine andere Website nachahmen.</translation>
    </message>
    <message>
        <source>Special characters in the name can imitate another site.</source>
        <translation>Sonderzeichen im Namen können eine andere Website nachahmen.</translation>
    </message>
    <message>
        <source>Looks like %1, but the real site is %2.</source>
        <translation>Sieht aus wie %1, aber die echte Website ist %2.</translation>
    </message>
    <message>
        <source>The real site is %1, not %2.</source>
        <translation>Die echte Website ist %1, nicht %2.</translation>
    </message>
    <message>
        <source>A short link hides where it leads.</source>
        <translation>Ein Kurzlink verbirgt, wohin er führt.</translation>
    </message>
    <message>
        <source>Real site: %1</source>
        <translation>Echte Website: %1</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>Im Browser öffnen</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Link kopieren</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Copy Network Name</source>
        <translation>Netzwerknamen kopieren</translation>
    </message>
    <message>
        <source>Copy Password</source>
        <translation>Passwort kopieren</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Kopiert</translation>
    </message>
</context>
<context>
    <name>CodeReading</name>
    <message>
        <source>Pasted image</source>
        <translation>Eingefügtes Bild</translation>
    </message>
    <message>
        <source>No codes found in “%1”.</source>
        <translation>Keine Codes in „%1“ gefunden.</translation>
    </message>
    <message>
        <source>No codes found.</source>
        <translation>Keine Codes gefunden.</translation>
    </message>
</context>
<context>
    <name>CodeSymbology</name>
    <message>
        <source>Barcode</source>
        <extracomment>Card title of a code whose kind is unknown</extracomment>
        <translation>Strichcode</translation>
    </message>
</context>
<context>
    <name>CodesDropZone</name>
    <message>
        <source>Drop a picture or PDF here</source>
        <translation>Bild oder PDF hierher ziehen</translation>
    </message>
    <message>
        <source>Or copy a screenshot (Print Screen) and paste it with Ctrl+V.</source>
        <translation>Oder mache einen Screenshot (Druck) und füge ihn mit Strg+V ein.</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Öffnen …</translation>
    </message>
</context>
<context>
    <name>CodesView</name>
    <message>
        <source>QR Codes</source>
        <translation>QR-Codes</translation>
    </message>
    <message>
        <source>Read QR codes and barcodes from pictures, screenshots and every page of a PDF. Everything is read on this computer.</source>
        <translation>QR-Codes und Strichcodes aus Bildern, Screenshots und jeder Seite eines PDFs lesen. Alles wird auf diesem Computer gelesen.</translation>
    </message>
    <message>
        <source>Reading…</source>
        <translation>Wird gelesen …</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Gefunden</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>%1 Try a sharper or larger picture.</source>
        <extracomment>%1 says why no code was found in the picture.</extracomment>
        <translation>%1 Versuche es mit einem schärferen oder größeren Bild.</translation>
    </message>
</context>
<context>
    <name>CompressSheet</name>
    <message>
        <source>Compress “%1”</source>
        <translation>„%1“ komprimieren</translation>
    </message>
    <message>
        <source>Sizes are measured on this computer: the file you save is exactly this size.</source>
        <translation>Die Größen werden auf diesem Computer gemessen: Die gespeicherte Datei ist genau so groß.</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>As it is now</source>
        <translation>Unverändert</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Sharp text, fits most email</source>
        <translation>Scharfer Text, passt in die meisten E-Mails</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Klein</translation>
    </message>
    <message>
        <source>The smallest readable file</source>
        <translation>Die kleinste noch lesbare Datei</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>Speichern …</translation>
    </message>
    <message>
        <source>For websites and forms with a size limit</source>
        <translation>Für Websites und Formulare mit Größenlimit</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Limit</translation>
    </message>
    <message>
        <source>To fit, the pages became pictures: text in this copy can&apos;t be selected or searched. The original keeps its text.</source>
        <translation>Damit es passt, wurden die Seiten zu Bildern: Der Text dieser Kopie lässt sich nicht auswählen oder durchsuchen. Das Original behält seinen Text.</translation>
    </message>
    <message>
        <source>Up to %1</source>
        <translation>Bis %1</translation>
    </message>
    <message>
        <source>Can&apos;t get under %1. The smallest Tamsel can make is %2.</source>
        <translation>Unter %1 geht es nicht. Das Kleinste, was Tamsel erreicht, ist %2.</translation>
    </message>
    <message>
        <source>Pictures in this PDF can&apos;t get much smaller while it keeps its text. Up to %1 can turn the pages into pictures when that&apos;s the only way to fit.</source>
        <translation>Die Bilder in diesem PDF werden kaum kleiner, solange der Text erhalten bleibt. „Bis %1“ kann die Seiten in Bilder umwandeln, wenn es nur so passt.</translation>
    </message>
</context>
<context>
    <name>Compression</name>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
</context>
<context>
    <name>DocumentView</name>
    <message>
        <source>Sign &amp; Stamp</source>
        <translation>Unterschreiben &amp; Stempeln</translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>Komprimieren</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Aufteilen</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Insert, extract, export as images, merge</source>
        <translation>Einfügen, extrahieren, als Bilder exportieren, zusammenfügen</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Mehr</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Speichern unter …</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Nach links drehen</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>Nach links drehen</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>Nach rechts drehen</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>Nach rechts drehen</translation>
    </message>
    <message>
        <source>Delete Pages</source>
        <translation>Seiten löschen</translation>
    </message>
    <message>
        <source>Delete the selected pages</source>
        <translation>Ausgewählte Seiten löschen</translation>
    </message>
    <message>
        <source>Drag to reorder. Drop PDFs or images to add pages. Save As… makes a new file; the original stays as it is.</source>
        <translation>Zum Umsortieren ziehen. PDFs oder Bilder hier ablegen, um Seiten hinzuzufügen. „Speichern unter …“ erstellt eine neue Datei; das Original bleibt unverändert.</translation>
    </message>
    <message>
        <source>1 page</source>
        <translation>1 Seite</translation>
    </message>
    <message numerus="yes">
        <source>%n pages</source>
        <translation>
            <numerusform>%n Seite</numerusform>
            <numerusform>%n Seiten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n selected</source>
        <translation>
            <numerusform>%n ausgewählt</numerusform>
            <numerusform>%n ausgewählt</numerusform>
        </translation>
    </message>
    <message>
        <source>password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>not saved</source>
        <translation>nicht gespeichert</translation>
    </message>
    <message>
        <source>Insert Pages from Files…</source>
        <translation>Seiten aus Dateien einfügen …</translation>
    </message>
    <message>
        <source>Extract All Pages…</source>
        <translation>Alle Seiten extrahieren …</translation>
    </message>
    <message>
        <source>Extract Selected Pages…</source>
        <translation>Ausgewählte Seiten extrahieren …</translation>
    </message>
    <message>
        <source>Export Pages as Images…</source>
        <translation>Seiten als Bilder exportieren …</translation>
    </message>
    <message>
        <source>Add to Merge</source>
        <translation>Zum Zusammenfügen hinzufügen</translation>
    </message>
</context>
<context>
    <name>DrawingPad</name>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Ink</source>
        <translation>Tinte</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Use This Signature</source>
        <translation>Diese Unterschrift verwenden</translation>
    </message>
</context>
<context>
    <name>DropZone</name>
    <message>
        <source>Drop PDFs or images here</source>
        <translation>PDFs oder Bilder hierher ziehen</translation>
    </message>
    <message>
        <source>or click to open. Images become pages of a new PDF.</source>
        <translation>oder klicken, um sie zu öffnen. Bilder werden zu Seiten eines neuen PDFs.</translation>
    </message>
</context>
<context>
    <name>ExportImagesSheet</name>
    <message>
        <source>%1 page %2</source>
        <extracomment>The name of one exported picture: %1 the document&apos;s name, %2 the page number.</extracomment>
        <translation>%1 Seite %2</translation>
    </message>
    <message>
        <source>Export Pages as Images</source>
        <translation>Seiten als Bilder exportieren</translation>
    </message>
    <message>
        <source>The selected page.</source>
        <translation>Die ausgewählte Seite.</translation>
    </message>
    <message numerus="yes">
        <source>The %n selected pages.</source>
        <translation>
            <numerusform>Die %n ausgewählte Seite.</numerusform>
            <numerusform>Die %n ausgewählten Seiten.</numerusform>
        </translation>
    </message>
    <message>
        <source>The one page.</source>
        <translation>Die eine Seite.</translation>
    </message>
    <message numerus="yes">
        <source>All %n pages.</source>
        <translation>
            <numerusform>Die %n Seite.</numerusform>
            <numerusform>Alle %n Seiten.</numerusform>
        </translation>
    </message>
    <message>
        <source>PNG</source>
        <translation>PNG</translation>
    </message>
    <message>
        <source>JPEG</source>
        <translation>JPEG</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Auflösung</translation>
    </message>
    <message>
        <source>Screen (100 dpi)</source>
        <translation>Bildschirm (100 dpi)</translation>
    </message>
    <message>
        <source>Good (200 dpi)</source>
        <translation>Gut (200 dpi)</translation>
    </message>
    <message>
        <source>Print (300 dpi)</source>
        <translation>Druck (300 dpi)</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportieren …</translation>
    </message>
    <message>
        <source>Export Here</source>
        <translation>Hier exportieren</translation>
    </message>
    <message>
        <source>Exporting…</source>
        <translation>Wird exportiert …</translation>
    </message>
</context>
<context>
    <name>FilePanels</name>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>PDFs and pictures (%1)</source>
        <translation>PDFs und Bilder (%1)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>FileRow</name>
    <message>
        <source>Not saved</source>
        <translation>Nicht gespeichert</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>FileWriting</name>
    <message>
        <source>“%1” couldn&apos;t be saved because the disk is full.</source>
        <translation>„%1“ konnte nicht gespeichert werden, weil der Datenträger voll ist.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because it is too large for that disk.</source>
        <translation>„%1“ konnte nicht gespeichert werden, weil die Datei für diesen Datenträger zu groß ist.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because you don&apos;t have permission to write in that folder.</source>
        <translation>„%1“ konnte nicht gespeichert werden, weil du in diesem Ordner keine Schreibrechte hast.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because that disk is read-only.</source>
        <translation>„%1“ konnte nicht gespeichert werden, weil der Datenträger schreibgeschützt ist.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because the name is too long.</source>
        <translation>„%1“ konnte nicht gespeichert werden, weil der Name zu lang ist.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because its folder doesn&apos;t exist.</source>
        <translation>„%1“ konnte nicht gespeichert werden, weil sein Ordner nicht existiert.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because a folder of that name is in the way.</source>
        <translation>„%1“ konnte nicht gespeichert werden, weil ein Ordner mit diesem Namen im Weg ist.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved (%2).</source>
        <translation>„%1“ konnte nicht gespeichert werden (%2).</translation>
    </message>
</context>
<context>
    <name>HomeView</name>
    <message>
        <source>Tamsel</source>
        <translation>Tamsel</translation>
    </message>
    <message>
        <source>Tamsel for Linux</source>
        <translation>Tamsel für Linux</translation>
    </message>
    <message>
        <source>PDF tools, signatures and stamps, QR codes. Private by design · 100% on-device.</source>
        <translation>PDF-Werkzeuge, Unterschriften und Stempel, QR-Codes. Privat von Grund auf · 100 % auf dem Gerät.</translation>
    </message>
    <message>
        <source>Sign &amp; Stamp</source>
        <translation>Unterschreiben &amp; Stempeln</translation>
    </message>
    <message>
        <source>Put your signature, initials or a company seal on any page, or on all of them.</source>
        <translation>Setze deine Unterschrift, dein Kürzel oder einen Firmenstempel auf eine Seite oder auf alle.</translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>Komprimieren</translation>
    </message>
    <message>
        <source>Original, Medium, Small, or up to the size a website or email asks for.</source>
        <translation>Original, Mittel, Klein oder bis zu der Größe, die eine Website oder E-Mail verlangt.</translation>
    </message>
    <message>
        <source>Merge PDFs</source>
        <translation>PDFs zusammenfügen</translation>
    </message>
    <message>
        <source>Join PDFs and images in the order you set.</source>
        <translation>PDFs und Bilder in der gewünschten Reihenfolge verbinden.</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Aufteilen</translation>
    </message>
    <message>
        <source>By page ranges like 1-3, 5, 8-10, every few pages or page by page.</source>
        <translation>Nach Seitenbereichen wie 1-3, 5, 8-10, alle paar Seiten oder Seite für Seite.</translation>
    </message>
    <message>
        <source>Read QR Codes</source>
        <translation>QR-Codes lesen</translation>
    </message>
    <message>
        <source>From pictures, screenshots and every page of a PDF.</source>
        <translation>Aus Bildern, Screenshots und jeder Seite eines PDFs.</translation>
    </message>
    <message>
        <source>Images to PDF</source>
        <translation>Bilder zu PDF</translation>
    </message>
    <message>
        <source>Photos and scans as pages of one PDF, in name order.</source>
        <translation>Fotos und Scans als Seiten eines PDFs, nach Namen sortiert.</translation>
    </message>
    <message>
        <source>No ads. No tracking. No account.</source>
        <translation>Keine Werbung. Kein Tracking. Kein Konto.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Tamsel</source>
        <translation>Tamsel</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Öffnen …</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Speichern unter …</translation>
    </message>
    <message>
        <source>Close File</source>
        <translation>Datei schließen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>About Tamsel</source>
        <translation>Über Tamsel</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Nach Updates suchen …</translation>
    </message>
    <message>
        <source>Support the Developer…</source>
        <translation>Den Entwickler unterstützen …</translation>
    </message>
    <message>
        <source>Changes in %1 aren&apos;t saved. Use Save As… to keep them.</source>
        <translation>Die Änderungen in %1 sind nicht gespeichert. Mit „Speichern unter …“ behältst du sie.</translation>
    </message>
    <message>
        <source>Stop and quit?</source>
        <translation>Anhalten und beenden?</translation>
    </message>
    <message>
        <source>Tamsel is still working (%1). Quitting stops that work; nothing half-written is kept.</source>
        <translation>Tamsel arbeitet noch (%1). Beenden hält diese Arbeit an; nichts halb Geschriebenes bleibt zurück.</translation>
    </message>
    <message>
        <source>Quit without saving?</source>
        <translation>Ohne Speichern beenden?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Quit Anyway</source>
        <translation>Trotzdem beenden</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>%1 — Tamsel</source>
        <translation>%1 — Tamsel</translation>
    </message>
</context>
<context>
    <name>MergeView</name>
    <message>
        <source>1 page</source>
        <translation>1 Seite</translation>
    </message>
    <message numerus="yes">
        <source>%n pages</source>
        <translation>
            <numerusform>%n Seite</numerusform>
            <numerusform>%n Seiten</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 Datei</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n Datei</numerusform>
            <numerusform>%n Dateien</numerusform>
        </translation>
    </message>
    <message>
        <source>Drag to reorder</source>
        <translation>Zum Umsortieren ziehen</translation>
    </message>
    <message>
        <source>Remove from the list</source>
        <translation>Aus der Liste entfernen</translation>
    </message>
    <message>
        <source>Merge PDFs</source>
        <translation>PDFs zusammenfügen</translation>
    </message>
    <message>
        <source>Drop PDFs and images here, drag them into order, then Merge. Open files join as they are now, with their turns, removed pages and stamps.</source>
        <translation>PDFs und Bilder hier ablegen, in die richtige Reihenfolge ziehen, dann zusammenfügen. Geöffnete Dateien kommen so hinzu, wie sie jetzt sind – mit Drehungen, entfernten Seiten und Stempeln.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Drop files to merge</source>
        <translation>Dateien zum Zusammenfügen ablegen</translation>
    </message>
    <message>
        <source>Two or more PDFs or images</source>
        <translation>Zwei oder mehr PDFs oder Bilder</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Merge…</source>
        <translation>Zusammenfügen …</translation>
    </message>
    <message>
        <source>Add Files…</source>
        <translation>Dateien hinzufügen …</translation>
    </message>
</context>
<context>
    <name>NewStampMenu</name>
    <message>
        <source>From an Image File…</source>
        <translation>Aus einer Bilddatei …</translation>
    </message>
    <message>
        <source>Draw with Trackpad or Mouse…</source>
        <translation>Mit Trackpad oder Maus zeichnen …</translation>
    </message>
    <message>
        <source>Ready Stamps…</source>
        <translation>Fertige Stempel …</translation>
    </message>
    <message>
        <source>New Signature or Stamp</source>
        <translation>Neue Unterschrift oder neuer Stempel</translation>
    </message>
    <message>
        <source>Choose a photo or scan of your signature or stamp</source>
        <translation>Wähle ein Foto oder einen Scan deiner Unterschrift oder deines Stempels</translation>
    </message>
</context>
<context>
    <name>NewStampSheet</name>
    <message>
        <source>Draw Your Signature</source>
        <translation>Unterschrift zeichnen</translation>
    </message>
    <message>
        <source>Ready Stamps</source>
        <translation>Fertige Stempel</translation>
    </message>
    <message>
        <source>New Signature or Stamp</source>
        <translation>Neue Unterschrift oder neuer Stempel</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>The checkerboard is what stays transparent on the page.</source>
        <translation>Was kariert ist, bleibt auf der Seite durchsichtig.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Removing the paper…</source>
        <translation>Papier wird entfernt …</translation>
    </message>
    <message>
        <source>The signature or stamp couldn&apos;t be saved. Try again.</source>
        <translation>Die Unterschrift oder der Stempel konnte nicht gespeichert werden. Versuche es erneut.</translation>
    </message>
</context>
<context>
    <name>PDFEngine</name>
    <message>
        <source>A page of this file can&apos;t be read anymore. Open the file again.</source>
        <translation>Eine Seite dieser Datei kann nicht mehr gelesen werden. Öffne die Datei erneut.</translation>
    </message>
    <message>
        <source>The PDF couldn&apos;t be made. Try again.</source>
        <translation>Das PDF konnte nicht erstellt werden. Versuche es erneut.</translation>
    </message>
    <message>
        <source>The pages of this file are damaged in a way that stops them being copied. It can only be saved as pictures of its pages.</source>
        <translation>Die Seiten dieser Datei sind so beschädigt, dass sie sich nicht kopieren lassen. Sie kann nur als Bilder ihrer Seiten gespeichert werden.</translation>
    </message>
    <message>
        <source>Reading the PDF took too long and was stopped. A page of the file may be damaged.</source>
        <translation>Das Lesen des PDFs hat zu lange gedauert und wurde abgebrochen. Eine Seite der Datei ist vielleicht beschädigt.</translation>
    </message>
    <message>
        <source>Reading the PDF failed because a part of the file is damaged.</source>
        <translation>Das PDF konnte nicht gelesen werden, weil ein Teil der Datei beschädigt ist.</translation>
    </message>
    <message>
        <source>The PDF needs more memory than Tamsel may use for one file.</source>
        <translation>Das PDF braucht mehr Arbeitsspeicher, als Tamsel für eine Datei verwenden darf.</translation>
    </message>
    <message>
        <source>This PDF failed to be read several times, so Tamsel doesn&apos;t try again.</source>
        <translation>Dieses PDF konnte mehrmals nicht gelesen werden, deshalb versucht Tamsel es nicht erneut.</translation>
    </message>
    <message>
        <source>Tamsel&apos;s PDF reader can&apos;t be started. Install Tamsel again.</source>
        <translation>Der PDF-Leser von Tamsel kann nicht gestartet werden. Installiere Tamsel erneut.</translation>
    </message>
    <message>
        <source>A page is too large for a picture at this resolution. Choose a lower resolution.</source>
        <translation>Eine Seite ist für ein Bild in dieser Auflösung zu groß. Wähle eine niedrigere Auflösung.</translation>
    </message>
    <message>
        <source>It was moved or deleted.</source>
        <translation>Die Datei wurde verschoben oder gelöscht.</translation>
    </message>
</context>
<context>
    <name>PageGrid</name>
    <message>
        <source>Has signatures or stamps</source>
        <translation>Hat Unterschriften oder Stempel</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Nach links drehen</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>Nach rechts drehen</translation>
    </message>
    <message>
        <source>Sign &amp; Stamp</source>
        <translation>Unterschreiben &amp; Stempeln</translation>
    </message>
    <message>
        <source>Extract…</source>
        <translation>Extrahieren …</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>PageImage</name>
    <message>
        <source>Can&apos;t be shown</source>
        <translation>Kann nicht angezeigt werden</translation>
    </message>
</context>
<context>
    <name>PageListModel</name>
    <message>
        <source>Page %1</source>
        <translation>Seite %1</translation>
    </message>
</context>
<context>
    <name>PasswordPrompt</name>
    <message>
        <source>“%1” is locked</source>
        <translation>„%1“ ist geschützt</translation>
    </message>
    <message>
        <source>That password didn&apos;t open it. Try again.</source>
        <translation>Mit diesem Passwort ließ sich die Datei nicht öffnen. Versuche es erneut.</translation>
    </message>
    <message>
        <source>Enter its password to open it. The password stays on this computer.</source>
        <translation>Gib das Passwort ein, um die Datei zu öffnen. Das Passwort bleibt auf diesem Computer.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
</context>
<context>
    <name>PasswordSheet</name>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>“%1” is protected with a password. Save a copy that opens without it, or a copy with a new one.</source>
        <translation>„%1“ ist mit einem Passwort geschützt. Speichere eine Kopie, die sich ohne Passwort öffnet, oder eine mit einem neuen.</translation>
    </message>
    <message>
        <source>Save a Copy without Password…</source>
        <translation>Kopie ohne Passwort speichern …</translation>
    </message>
    <message>
        <source>Save a copy that asks for this password to open. Keep it somewhere safe: it can&apos;t be recovered.</source>
        <translation>Speichere eine Kopie, die zum Öffnen nach diesem Passwort fragt. Bewahre es sicher auf: Es kann nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Neues Passwort</translation>
    </message>
    <message>
        <source>Repeat password</source>
        <translation>Passwort wiederholen</translation>
    </message>
    <message>
        <source>The passwords don&apos;t match.</source>
        <translation>Die Passwörter stimmen nicht überein.</translation>
    </message>
    <message>
        <source>Save Protected Copy…</source>
        <translation>Geschützte Kopie speichern …</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Wird gespeichert …</translation>
    </message>
    <message>
        <source>%1 (protected)</source>
        <extracomment>The name offered for the copy: %1 the document&apos;s name.</extracomment>
        <translation>%1 (geschützt)</translation>
    </message>
    <message>
        <source>%1 (no password)</source>
        <translation>%1 (ohne Passwort)</translation>
    </message>
</context>
<context>
    <name>PlacedStamp</name>
    <message>
        <source>Drag to turn</source>
        <translation>Zum Drehen ziehen</translation>
    </message>
    <message>
        <source>Drag to resize</source>
        <translation>Zum Ändern der Größe ziehen</translation>
    </message>
</context>
<context>
    <name>ProcessRunner</name>
    <message>
        <source>The tool didn&apos;t answer in time.</source>
        <extracomment>Error when a command-line tool times out</extracomment>
        <translation>Das Programm hat nicht rechtzeitig geantwortet.</translation>
    </message>
    <message>
        <source>Exit code %1</source>
        <extracomment>Error of a command-line tool that gave no message</extracomment>
        <translation>Exit-Code %1</translation>
    </message>
</context>
<context>
    <name>ReadyStamp</name>
    <message>
        <source>APPROVED</source>
        <translation>GENEHMIGT</translation>
    </message>
    <message>
        <source>PAID</source>
        <translation>BEZAHLT</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>KOPIE</translation>
    </message>
    <message>
        <source>CONFIDENTIAL</source>
        <translation>VERTRAULICH</translation>
    </message>
    <message>
        <source>DRAFT</source>
        <translation>ENTWURF</translation>
    </message>
    <message>
        <source>RECEIVED</source>
        <translation>EINGEGANGEN</translation>
    </message>
</context>
<context>
    <name>ReadyStampsPicker</name>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Add today&apos;s date</source>
        <translation>Heutiges Datum hinzufügen</translation>
    </message>
    <message>
        <source>Your own word, like PAID IN CASH</source>
        <translation>Dein eigenes Wort, etwa BAR BEZAHLT</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
</context>
<context>
    <name>RootView</name>
    <message>
        <source>Support Tamsel</source>
        <translation>Tamsel unterstützen</translation>
    </message>
    <message>
        <source>Support the developer</source>
        <translation>Den Entwickler unterstützen</translation>
    </message>
    <message>
        <source>About Tamsel</source>
        <translation>Über Tamsel</translation>
    </message>
    <message>
        <source>About, updates, privacy and support</source>
        <translation>Info, Updates, Datenschutz und Unterstützung</translation>
    </message>
    <message>
        <source>Something went wrong</source>
        <translation>Etwas ist schiefgelaufen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save changes to “%1”?</source>
        <translation>Änderungen an „%1“ speichern?</translation>
    </message>
    <message>
        <source>Your changes will be lost if you close it without saving. The original file stays as it was.</source>
        <translation>Deine Änderungen gehen verloren, wenn du ohne Speichern schließt. Die Originaldatei bleibt, wie sie war.</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Speichern unter …</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Nicht speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save as Pictures</source>
        <translation>Als Bilder speichern</translation>
    </message>
    <message>
        <source>Hide Sidebar</source>
        <translation>Seitenleiste ausblenden</translation>
    </message>
    <message>
        <source>Show Sidebar</source>
        <translation>Seitenleiste einblenden</translation>
    </message>
</context>
<context>
    <name>Sharing</name>
    <message>
        <source>Email…</source>
        <translation>E-Mail …</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Link kopieren</translation>
    </message>
    <message>
        <source>Link copied</source>
        <translation>Link kopiert</translation>
    </message>
</context>
<context>
    <name>SidebarView</name>
    <message>
        <source>Tamsel</source>
        <translation>Tamsel</translation>
    </message>
    <message>
        <source>by Vornel Apps</source>
        <translation>von Vornel Apps</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Öffnen …</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>Merge PDFs</source>
        <translation>PDFs zusammenfügen</translation>
    </message>
    <message>
        <source>Signatures &amp; Stamps</source>
        <translation>Unterschriften &amp; Stempel</translation>
    </message>
    <message>
        <source>QR Codes</source>
        <translation>QR-Codes</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Speichern unter …</translation>
    </message>
    <message>
        <source>Add to Merge</source>
        <translation>Zum Zusammenfügen hinzufügen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>SignView</name>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Back to all pages</source>
        <translation>Zurück zu allen Seiten</translation>
    </message>
    <message>
        <source>Sign &amp; Stamp</source>
        <translation>Unterschreiben &amp; Stempeln</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Speichern unter …</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Vorherige Seite</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Nächste Seite</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
</context>
<context>
    <name>SplitSheet</name>
    <message>
        <source>Split “%1”</source>
        <translation>„%1“ aufteilen</translation>
    </message>
    <message>
        <source>By page ranges</source>
        <translation>Nach Seitenbereichen</translation>
    </message>
    <message>
        <source>Every few pages</source>
        <translation>Alle paar Seiten</translation>
    </message>
    <message>
        <source>Page by page</source>
        <translation>Seite für Seite</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Aufteilen</translation>
    </message>
    <message>
        <source>For example: 1-3, 5, 8-10</source>
        <translation>Zum Beispiel: 1-3, 5, 8-10</translation>
    </message>
    <message>
        <source>Each range becomes its own PDF. Pages 1 to %1.</source>
        <translation>Jeder Bereich wird ein eigenes PDF. Seiten 1 bis %1.</translation>
    </message>
    <message>
        <source>Pages per file</source>
        <translation>Seiten pro Datei</translation>
    </message>
    <message numerus="yes">
        <source>Each of the %n pages becomes its own PDF.</source>
        <translation>
            <numerusform>Die %n Seite wird ein eigenes PDF.</numerusform>
            <numerusform>Jede der %n Seiten wird ein eigenes PDF.</numerusform>
        </translation>
    </message>
    <message>
        <source>Split…</source>
        <translation>Aufteilen …</translation>
    </message>
    <message numerus="yes">
        <source>A new file every %n pages</source>
        <translation>
            <numerusform>Eine neue Datei nach je %n Seite</numerusform>
            <numerusform>Eine neue Datei alle %n Seiten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Makes %n files: %1</source>
        <translation>
            <numerusform>Ergibt %n Datei: %1</numerusform>
            <numerusform>Ergibt %n Dateien: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Use page numbers from 1 to %1, like 1-3, 5.</source>
        <translation>Verwende Seitenzahlen von 1 bis %1, etwa 1-3, 5.</translation>
    </message>
    <message>
        <source>Split Here</source>
        <translation>Hier aufteilen</translation>
    </message>
    <message>
        <source>Splitting…</source>
        <translation>Wird aufgeteilt …</translation>
    </message>
</context>
<context>
    <name>StampLibrary</name>
    <message>
        <source>Signature</source>
        <translation>Unterschrift</translation>
    </message>
    <message>
        <source>Stamp</source>
        <translation>Stempel</translation>
    </message>
    <message>
        <source>The signature or stamp couldn&apos;t be saved. Try again.</source>
        <translation>Die Unterschrift oder der Stempel konnte nicht gespeichert werden. Versuche es erneut.</translation>
    </message>
    <message>
        <source>The change couldn&apos;t be saved. Try again.</source>
        <translation>Die Änderung konnte nicht gespeichert werden. Versuche es erneut.</translation>
    </message>
</context>
<context>
    <name>StampLibraryPanel</name>
    <message>
        <source>Put on this page</source>
        <translation>Auf diese Seite setzen</translation>
    </message>
    <message>
        <source>Signatures &amp; Stamps</source>
        <translation>Unterschriften &amp; Stempel</translation>
    </message>
    <message>
        <source>Add your signature or a company seal once; it stays in Tamsel on this computer for every document.</source>
        <translation>Füge deine Unterschrift oder einen Firmenstempel einmal hinzu; sie bleibt in Tamsel auf diesem Computer, für jedes Dokument.</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Winkel</translation>
    </message>
    <message>
        <source>Add to All Pages</source>
        <translation>Allen Seiten hinzufügen</translation>
    </message>
    <message>
        <source>Remove from Page</source>
        <translation>Von der Seite entfernen</translation>
    </message>
    <message>
        <source>Or paste a photo or scan with Ctrl+V, or drop one here.</source>
        <translation>Oder füge ein Foto oder einen Scan mit Strg+V ein oder zieh ihn hierher.</translation>
    </message>
</context>
<context>
    <name>StampMaker</name>
    <message>
        <source>This image can&apos;t be read.</source>
        <translation>Dieses Bild kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>No signature or stamp found. Try a photo of it on white paper.</source>
        <translation>Keine Unterschrift und kein Stempel gefunden. Versuche es mit einem Foto auf weißem Papier.</translation>
    </message>
</context>
<context>
    <name>StampsView</name>
    <message>
        <source>Rename or delete</source>
        <translation>Umbenennen oder löschen</translation>
    </message>
    <message>
        <source>Rename or delete “%1”</source>
        <translation>„%1“ umbenennen oder löschen</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>Umbenennen …</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>Löschen …</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Signatures &amp; Stamps</source>
        <translation>Unterschriften &amp; Stempel</translation>
    </message>
    <message>
        <source>Your signature, initials or a company seal, with the paper removed automatically. They stay only on this computer. Tamsel puts your own images on documents; it doesn&apos;t make a signature legally binding by itself.</source>
        <translation>Deine Unterschrift, dein Kürzel oder ein Firmenstempel, das Papier automatisch entfernt. Sie bleiben nur auf diesem Computer. Tamsel setzt deine eigenen Bilder auf Dokumente; rechtsverbindlich wird eine Unterschrift dadurch allein nicht.</translation>
    </message>
    <message>
        <source>No signatures or stamps yet</source>
        <translation>Noch keine Unterschriften oder Stempel</translation>
    </message>
    <message>
        <source>Sign a white sheet of paper or stamp it, then take a photo of it and choose the photo or a scan. You can also draw with the trackpad or pick a ready stamp like PAID or APPROVED.</source>
        <translation>Unterschreibe oder stemple ein weißes Blatt Papier, fotografiere es und wähle das Foto oder einen Scan. Du kannst auch mit dem Trackpad zeichnen oder einen fertigen Stempel wie BEZAHLT oder GENEHMIGT wählen.</translation>
    </message>
    <message>
        <source>Tamsel</source>
        <translation>Tamsel</translation>
    </message>
    <message>
        <source>Delete “%1”?</source>
        <translation>„%1“ löschen?</translation>
    </message>
    <message>
        <source>It also leaves pages open in Tamsel. Files you already saved keep it.</source>
        <translation>Das Element verschwindet auch von Seiten, die in Tamsel geöffnet sind. Bereits gespeicherte Dateien behalten es.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>SupportView</name>
    <message>
        <source>Done! Support Tamsel?</source>
        <translation>Fertig! Tamsel unterstützen?</translation>
    </message>
    <message>
        <source>Support Tamsel</source>
        <translation>Tamsel unterstützen</translation>
    </message>
    <message>
        <source>Tamsel is free: no ads, no tracking, no subscription. If it saved you time, you can thank the developer with crypto. Any amount helps keep it free.</source>
        <translation>Tamsel ist kostenlos: keine Werbung, kein Tracking, kein Abo. Wenn es dir Zeit gespart hat, kannst du dem Entwickler mit Krypto danken. Jeder Betrag hilft, es kostenlos zu halten.</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Send only on the networks listed above. Coins sent on another network can&apos;t be recovered.</source>
        <translation>Sende nur über die oben genannten Netzwerke. Über ein anderes Netzwerk gesendete Coins lassen sich nicht zurückholen.</translation>
    </message>
    <message>
        <source>The same addresses are on %1/donate.</source>
        <translation>Dieselben Adressen stehen auf %1/donate.</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Nicht jetzt</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>QR code of the %1 address</source>
        <translation>QR-Code der %1-Adresse</translation>
    </message>
    <message>
        <source>Address copied</source>
        <translation>Adresse kopiert</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Kopiert</translation>
    </message>
    <message>
        <source>Copy Address</source>
        <translation>Adresse kopieren</translation>
    </message>
    <message>
        <source>This copy of Tamsel was built without donation addresses. The developer&apos;s are on %1/donate.</source>
        <translation>Diese Tamsel-Version wurde ohne Spendenadressen erstellt. Die des Entwicklers stehen auf %1/donate.</translation>
    </message>
</context>
<context>
    <name>TellAFriendView</name>
    <message>
        <source>Tell a friend</source>
        <translation>Einem Freund empfehlen</translation>
    </message>
    <message>
        <source>Like Tamsel? Tell a friend.</source>
        <translation>Gefällt dir Tamsel? Empfiehl es weiter.</translation>
    </message>
    <message>
        <source>Tamsel is free: no ads, no tracking. We don&apos;t buy ads, so friends telling friends is how people find it.</source>
        <translation>Tamsel ist kostenlos: keine Werbung, kein Tracking. Wir kaufen keine Werbung – Menschen finden es, weil Freunde es Freunden erzählen.</translation>
    </message>
    <message>
        <source>Your friend gets this message:</source>
        <translation>Dein Freund erhält diese Nachricht:</translation>
    </message>
    <message>
        <source>You choose the app and the friend; we never see who.</source>
        <translation>Du wählst die App und den Freund; wir sehen nie, wen.</translation>
    </message>
    <message>
        <source>Share…</source>
        <translation>Teilen …</translation>
    </message>
    <message>
        <source>Tamsel for Linux: free PDF tools, signatures and stamps, QR codes. Everything stays on your computer.</source>
        <comment>The message shared with a friend, followed by the link to the app&apos;s page.</comment>
        <translation>Tamsel für Linux: kostenlose PDF-Werkzeuge, Unterschriften und Stempel, QR-Codes. Alles bleibt auf deinem Computer.</translation>
    </message>
    <message>
        <source>Message copied</source>
        <translation>Nachricht kopiert</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Kopiert</translation>
    </message>
    <message>
        <source>Copy Message</source>
        <translation>Nachricht kopieren</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Nicht jetzt</translation>
    </message>
</context>
<context>
    <name>ToastView</name>
    <message>
        <source>Show in Folder</source>
        <translation>Im Ordner zeigen</translation>
    </message>
</context>
<context>
    <name>ToolSheetFrame</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>The update information isn&apos;t available right now. Try again later.</source>
        <extracomment>Check for Updates error</extracomment>
        <translation>Die Update-Informationen sind gerade nicht verfügbar. Versuche es später erneut.</translation>
    </message>
    <message>
        <source>Couldn&apos;t check for updates: %1</source>
        <extracomment>Check for Updates error. The placeholder is the system&apos;s error message.</extracomment>
        <translation>Suche nach Updates fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation>Die Daten konnten nicht gelesen werden, weil sie nicht das richtige Format haben.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation>Die Daten konnten nicht gelesen werden, weil sie fehlen.</translation>
    </message>
    <message>
        <source>The update information is too large.</source>
        <translation>Die Update-Informationen sind zu groß.</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>Zeitüberschreitung bei der Anfrage.</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>The request timed out.</source>
        <translation>Zeitüberschreitung bei der Anfrage.</translation>
    </message>
    <message>
        <source>moved permanently</source>
        <translation>dauerhaft verschoben</translation>
    </message>
    <message>
        <source>found</source>
        <translation>gefunden</translation>
    </message>
    <message>
        <source>not modified</source>
        <translation>nicht geändert</translation>
    </message>
    <message>
        <source>bad request</source>
        <translation>ungültige Anfrage</translation>
    </message>
    <message>
        <source>unauthorized</source>
        <translation>nicht autorisiert</translation>
    </message>
    <message>
        <source>forbidden</source>
        <translation>verboten</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>nicht gefunden</translation>
    </message>
    <message>
        <source>method not allowed</source>
        <translation>Methode nicht erlaubt</translation>
    </message>
    <message>
        <source>request timed out</source>
        <translation>Zeitüberschreitung der Anfrage</translation>
    </message>
    <message>
        <source>no longer exists</source>
        <translation>existiert nicht mehr</translation>
    </message>
    <message>
        <source>too many requests</source>
        <translation>zu viele Anfragen</translation>
    </message>
    <message>
        <source>internal server error</source>
        <translation>interner Serverfehler</translation>
    </message>
    <message>
        <source>unimplemented</source>
        <translation>nicht implementiert</translation>
    </message>
    <message>
        <source>bad gateway</source>
        <translation>fehlerhaftes Gateway</translation>
    </message>
    <message>
        <source>service unavailable</source>
        <translation>Dienst nicht verfügbar</translation>
    </message>
    <message>
        <source>gateway timed out</source>
        <translation>Zeitüberschreitung am Gateway</translation>
    </message>
    <message>
        <source>informational</source>
        <translation>informativ</translation>
    </message>
    <message>
        <source>success</source>
        <translation>Erfolg</translation>
    </message>
    <message>
        <source>redirected</source>
        <translation>umgeleitet</translation>
    </message>
    <message>
        <source>client error</source>
        <translation>Client-Fehler</translation>
    </message>
    <message>
        <source>server error</source>
        <translation>Serverfehler</translation>
    </message>
    <message>
        <source>Couldn&apos;t install the update (%1). This copy is now “%2” in the same folder: rename it back to Tamsel.</source>
        <extracomment>Install and Relaunch error when the old copy couldn&apos;t get its name back. Placeholders: the system&apos;s message, the app&apos;s current file name.</extracomment>
        <translation>Das Update konnte nicht installiert werden (%1). Diese Kopie heißt jetzt „%2“ im selben Ordner: Benenne sie wieder in Tamsel um.</translation>
    </message>
    <message>
        <source>Couldn&apos;t install the update (%1). This copy wasn&apos;t changed.</source>
        <extracomment>Install and Relaunch error. The placeholder is the system&apos;s or a tool&apos;s message.</extracomment>
        <translation>Das Update konnte nicht installiert werden (%1). Diese Kopie wurde nicht verändert.</translation>
    </message>
    <message>
        <source>The downloaded update didn&apos;t pass the check. This copy wasn&apos;t changed.</source>
        <extracomment>Install and Relaunch error</extracomment>
        <translation>Das geladene Update hat die Prüfung nicht bestanden. Diese Kopie wurde nicht verändert.</translation>
    </message>
    <message>
        <source>The download is larger than expected.</source>
        <extracomment>Install and Relaunch error, inside &quot;Couldn&apos;t install the update (…)&quot;: the server sent more than the update&apos;s size.</extracomment>
        <translation>Der Download ist größer als erwartet.</translation>
    </message>
    <message>
        <source>There isn&apos;t enough free space for the update.</source>
        <extracomment>Install and Relaunch error, inside &quot;Couldn&apos;t install the update (…)&quot;.</extracomment>
        <translation>Für das Update ist nicht genug freier Speicherplatz vorhanden.</translation>
    </message>
</context>
</TS>
