<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>AboutView</name>
    <message>
        <source>About Tamsel</source>
        <translation>Over Tamsel</translation>
    </message>
    <message>
        <source>Tamsel for Linux</source>
        <translation>Tamsel voor Linux</translation>
    </message>
    <message>
        <source>Version %1 (%2) · by Vornel Apps</source>
        <translation>Versie %1 (%2) · door Vornel Apps</translation>
    </message>
    <message>
        <source>Help &amp; legal</source>
        <translation>Hulp en juridisch</translation>
    </message>
    <message>
        <source>Follow us</source>
        <translation>Volg ons</translation>
    </message>
    <message>
        <source>More from Vornel Apps</source>
        <translation>Meer van Vornel Apps</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Updates</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Zoek naar updates</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>Same as system</source>
        <translation>Zelfde als systeem</translation>
    </message>
    <message>
        <source>Restart Tamsel</source>
        <translation>Herstart Tamsel</translation>
    </message>
    <message>
        <source>Free, with optional support</source>
        <translation>Gratis, met vrijwillige steun</translation>
    </message>
    <message>
        <source>No ads, no tracking, no account, no subscription. Everything runs on your computer. If Tamsel helps, you can support the developer with crypto.</source>
        <translation>Geen advertenties, geen tracking, geen account, geen abonnement. Alles draait op je computer. Helpt Tamsel je, dan kun je de ontwikkelaar steunen met crypto.</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Steunen</translation>
    </message>
    <message>
        <source>Tell a friend</source>
        <translation>Vertel het een vriend</translation>
    </message>
    <message>
        <source>Tamsel spends nothing on ads, so people telling people is how it grows. Share a link to its page; nothing is sent unless you choose where.</source>
        <translation>Tamsel geeft niets uit aan advertenties: het groeit doordat mensen het elkaar vertellen. Deel een link naar de pagina; er wordt niets verstuurd tenzij je kiest waarheen.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Deel</translation>
    </message>
    <message>
        <source>Write to Support</source>
        <translation>Schrijf naar support</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>Privacybeleid</translation>
    </message>
    <message>
        <source>Terms of Use</source>
        <translation>Gebruiksvoorwaarden</translation>
    </message>
    <message>
        <source>X (developer)</source>
        <comment>Link to the developer&apos;s account on X</comment>
        <translation>X (ontwikkelaar)</translation>
    </message>
    <message>
        <source>Our other apps</source>
        <translation>Onze andere apps</translation>
    </message>
    <message>
        <source>Tamsel checks only when you ask. It reads one file on %1 and sends nothing about your computer.</source>
        <translation>Tamsel zoekt alleen als je erom vraagt. Het leest één bestand op %1 en stuurt niets over je computer.</translation>
    </message>
    <message>
        <source>You have the latest version.</source>
        <translation>Je hebt de nieuwste versie.</translation>
    </message>
    <message>
        <source>Version %1 is available.</source>
        <translation>Versie %1 is beschikbaar.</translation>
    </message>
    <message>
        <source>Downloading and checking the update…</source>
        <translation>Update downloaden en controleren…</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Tamsel switches to the new language after a restart. Save or close the files with changes first.</source>
        <translation>Tamsel schakelt na een herstart over op de nieuwe taal. Bewaar of sluit eerst de gewijzigde bestanden.</translation>
    </message>
    <message>
        <source>Tamsel switches to the new language after a restart.</source>
        <translation>Tamsel schakelt na een herstart over op de nieuwe taal.</translation>
    </message>
    <message>
        <source>Install and Relaunch</source>
        <translation>Installeer en herstart</translation>
    </message>
    <message>
        <source>Save or close the files with changes first: Tamsel restarts to finish the update.</source>
        <translation>Bewaar of sluit eerst de gewijzigde bestanden: Tamsel herstart om de update af te ronden.</translation>
    </message>
</context>
<context>
    <name>AppModel</name>
    <message>
        <source>There&apos;s no picture on the clipboard. Copy a screenshot or an image first.</source>
        <translation>Er staat geen afbeelding op het klembord. Kopieer eerst een schermafbeelding of een afbeelding.</translation>
    </message>
    <message>
        <source>A file needs at least one page. To get rid of it, close the file.</source>
        <translation>Een bestand heeft minstens één pagina nodig. Sluit het bestand om ervan af te komen.</translation>
    </message>
    <message>
        <source>Tamsel opens PDFs and images.</source>
        <translation>Tamsel opent pdf&apos;s en afbeeldingen.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be opened.</source>
        <translation>‘%1’ kan niet worden geopend.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be opened. It may be damaged or not a PDF.</source>
        <translation>‘%1’ kan niet worden geopend. Het is misschien beschadigd of geen pdf.</translation>
    </message>
    <message>
        <source>Choose PDFs or images</source>
        <translation>Kies pdf&apos;s of afbeeldingen</translation>
    </message>
    <message>
        <source>Saved “%1”</source>
        <translation>‘%1’ bewaard</translation>
    </message>
    <message>
        <source>“%1” is open in Tamsel, so it can&apos;t be replaced. Save under another name.</source>
        <translation>‘%1’ is geopend in Tamsel en kan dus niet worden vervangen. Bewaar onder een andere naam.</translation>
    </message>
    <message>
        <source>“%1” wasn&apos;t saved because another task was still running. Try again when it has finished.</source>
        <translation>‘%1’ is niet bewaard omdat er nog een andere taak bezig was. Probeer het opnieuw als die klaar is.</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Bewaren…</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be used as a file name.</source>
        <translation>‘%1’ kan niet als bestandsnaam worden gebruikt.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because the name is too long.</source>
        <translation>‘%1’ kon niet worden bewaard omdat de naam te lang is.</translation>
    </message>
    <message>
        <source>Merging…</source>
        <translation>Samenvoegen…</translation>
    </message>
    <message>
        <source>%1 (pages %2)</source>
        <extracomment>The name offered for a file of some pages: %1 the document&apos;s name, %2 the page numbers (&quot;1-3, 5&quot;).</extracomment>
        <translation>%1 (pagina&apos;s %2)</translation>
    </message>
    <message>
        <source>%1 (merged)</source>
        <extracomment>The name offered for the merged file: %1 the first file&apos;s name.</extracomment>
        <translation>%1 (samengevoegd)</translation>
    </message>
    <message>
        <source>%1 (signed)</source>
        <extracomment>The name offered when saving: %1 the document&apos;s name.</extracomment>
        <translation>%1 (ondertekend)</translation>
    </message>
    <message>
        <source>%1 (edited)</source>
        <translation>%1 (bewerkt)</translation>
    </message>
    <message numerus="yes">
        <source>Added to all %n pages</source>
        <translation>
            <numerusform>Toegevoegd aan %n pagina</numerusform>
            <numerusform>Toegevoegd aan alle %n pagina&apos;s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Saved %n files</source>
        <translation>
            <numerusform>%n bestand bewaard</numerusform>
            <numerusform>%n bestanden bewaard</numerusform>
        </translation>
    </message>
    <message>
        <source>The update is installed. Save your files, then quit and open Tamsel again to use it.</source>
        <translation>De update is geïnstalleerd. Bewaar je bestanden, sluit Tamsel af en open het opnieuw om de update te gebruiken.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be opened. %2</source>
        <translation>‘%1’ kan niet worden geopend. %2</translation>
    </message>
</context>
<context>
    <name>BusyOverlay</name>
    <message>
        <source>Cancel</source>
        <translation>Annuleer</translation>
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
        <translation>Wifi</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Afspraak</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefoon</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Locatie</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Boek</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Product</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>%1, page %2</source>
        <translation>%1, pagina %2</translation>
    </message>
    <message>
        <source>Not encrypted: the address starts with http, not https.</source>
        <translation>Niet versleuteld: het adres begint met http, niet met https.</translation>
    </message>
    <message>
        <source>A bare number instead of a site name.</source>
        <translation>Een kaal nummer in plaats van een sitenaam.</translation>
    </message>
    <message>
        <source>“%1” is not the site. The real site is %2.</source>
        <translation>‘%1’ is niet de site. De echte site is %2.</translation>
    </message>
    <message>
        <source>Letters from different alphabets: this address can imitate another site.</source>
        <translation>Letters uit verschillende alfabetten: dit adres kan een andere site nabootsen.</translation>
    </message>
    <message>
        <source>Special characters in the name can imitate another site.</source>
        <translation>Speciale tekens in de naam kunnen een andere site nabootsen.</translation>
    </message>
    <message>
        <source>Looks like %1, but the real site is %2.</source>
        <translation>Lijkt op %1, maar de echte site is %2.</translation>
    </message>
    <message>
        <source>The real site is %1, not %2.</source>
        <translation>De echte site is %1, niet %2.</translation>
    </message>
    <message>
        <source>A short link hides where it leads.</source>
        <translation>Een verkorte link verbergt waar hij naartoe leidt.</translation>
    </message>
    <message>
        <source>Real site: %1</source>
        <translation>Echte site: %1</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>Open in browser</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Kopieer link</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netwerk</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Wachtwoord</translation>
    </message>
    <message>
        <source>Copy Network Name</source>
        <translation>Kopieer netwerknaam</translation>
    </message>
    <message>
        <source>Copy Password</source>
        <translation>Kopieer wachtwoord</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieer</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Gekopieerd</translation>
    </message>
</context>
<context>
    <name>CodeReading</name>
    <message>
        <source>Pasted image</source>
        <translation>Geplakte afbeelding</translation>
    </message>
    <message>
        <source>No codes found in “%1”.</source>
        <translation>Geen codes gevonden in ‘%1’.</translation>
    </message>
    <message>
        <source>No codes found.</source>
        <translation>Geen codes gevonden.</translation>
    </message>
</context>
<context>
    <name>CodeSymbology</name>
    <message>
        <source>Barcode</source>
        <extracomment>Card title of a code whose kind is unknown</extracomment>
        <translation>Streepjescode</translation>
    </message>
</context>
<context>
    <name>CodesDropZone</name>
    <message>
        <source>Drop a picture or PDF here</source>
        <translation>Sleep hier een afbeelding of pdf naartoe</translation>
    </message>
    <message>
        <source>Or copy a screenshot (Print Screen) and paste it with Ctrl+V.</source>
        <translation>Of maak een schermafbeelding (Print Screen) en plak die met Ctrl+V.</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Plak</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Open…</translation>
    </message>
</context>
<context>
    <name>CodesView</name>
    <message>
        <source>QR Codes</source>
        <translation>QR-codes</translation>
    </message>
    <message>
        <source>Read QR codes and barcodes from pictures, screenshots and every page of a PDF. Everything is read on this computer.</source>
        <translation>Lees QR-codes en streepjescodes uit afbeeldingen, schermafbeeldingen en elke pagina van een pdf. Alles wordt op deze computer gelezen.</translation>
    </message>
    <message>
        <source>Reading…</source>
        <translation>Lezen…</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Gevonden</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wis</translation>
    </message>
    <message>
        <source>%1 Try a sharper or larger picture.</source>
        <extracomment>%1 says why no code was found in the picture.</extracomment>
        <translation>%1 Probeer een scherpere of grotere afbeelding.</translation>
    </message>
</context>
<context>
    <name>CompressSheet</name>
    <message>
        <source>Compress “%1”</source>
        <translation>Comprimeer ‘%1’</translation>
    </message>
    <message>
        <source>Sizes are measured on this computer: the file you save is exactly this size.</source>
        <translation>De groottes zijn op deze computer gemeten: het bestand dat je bewaart is precies zo groot.</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Origineel</translation>
    </message>
    <message>
        <source>As it is now</source>
        <translation>Zoals het nu is</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Middel</translation>
    </message>
    <message>
        <source>Sharp text, fits most email</source>
        <translation>Scherpe tekst, past in de meeste e-mails</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Klein</translation>
    </message>
    <message>
        <source>The smallest readable file</source>
        <translation>Het kleinste leesbare bestand</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>Bewaar…</translation>
    </message>
    <message>
        <source>For websites and forms with a size limit</source>
        <translation>Voor websites en formulieren met een maximale grootte</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Limiet</translation>
    </message>
    <message>
        <source>To fit, the pages became pictures: text in this copy can&apos;t be selected or searched. The original keeps its text.</source>
        <translation>Om te passen zijn de pagina&apos;s afbeeldingen geworden: tekst in deze kopie kan niet worden geselecteerd of doorzocht. Het origineel houdt zijn tekst.</translation>
    </message>
    <message>
        <source>Up to %1</source>
        <translation>Tot %1</translation>
    </message>
    <message>
        <source>Can&apos;t get under %1. The smallest Tamsel can make is %2.</source>
        <translation>Kleiner dan %1 lukt niet. Het kleinste wat Tamsel kan maken is %2.</translation>
    </message>
    <message>
        <source>Pictures in this PDF can&apos;t get much smaller while it keeps its text. Up to %1 can turn the pages into pictures when that&apos;s the only way to fit.</source>
        <translation>Afbeeldingen in deze pdf worden nauwelijks kleiner zolang de tekst blijft. ‘Tot %1’ kan de pagina&apos;s omzetten in afbeeldingen als dat de enige manier is om te passen.</translation>
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
        <translation>Onderteken en stempel</translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>Comprimeer</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Splits</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Wachtwoord</translation>
    </message>
    <message>
        <source>Insert, extract, export as images, merge</source>
        <translation>Invoegen, uitnemen, als afbeeldingen exporteren, samenvoegen</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Meer</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Bewaar als…</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Draai naar links</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>Draai naar links</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>Draai naar rechts</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>Draai naar rechts</translation>
    </message>
    <message>
        <source>Delete Pages</source>
        <translation>Verwijder pagina&apos;s</translation>
    </message>
    <message>
        <source>Delete the selected pages</source>
        <translation>Verwijder de geselecteerde pagina&apos;s</translation>
    </message>
    <message>
        <source>Drag to reorder. Drop PDFs or images to add pages. Save As… makes a new file; the original stays as it is.</source>
        <translation>Sleep om te ordenen. Sleep pdf&apos;s of afbeeldingen hierheen om pagina&apos;s toe te voegen. ‘Bewaar als…’ maakt een nieuw bestand.</translation>
    </message>
    <message>
        <source>1 page</source>
        <translation>1 pagina</translation>
    </message>
    <message numerus="yes">
        <source>%n pages</source>
        <translation>
            <numerusform>%n pagina</numerusform>
            <numerusform>%n pagina&apos;s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n selected</source>
        <translation>
            <numerusform>%n geselecteerd</numerusform>
            <numerusform>%n geselecteerd</numerusform>
        </translation>
    </message>
    <message>
        <source>password</source>
        <translation>wachtwoord</translation>
    </message>
    <message>
        <source>not saved</source>
        <translation>niet bewaard</translation>
    </message>
    <message>
        <source>Insert Pages from Files…</source>
        <translation>Voeg pagina&apos;s uit bestanden in…</translation>
    </message>
    <message>
        <source>Extract All Pages…</source>
        <translation>Neem alle pagina&apos;s uit…</translation>
    </message>
    <message>
        <source>Extract Selected Pages…</source>
        <translation>Neem geselecteerde pagina&apos;s uit…</translation>
    </message>
    <message>
        <source>Export Pages as Images…</source>
        <translation>Exporteer pagina&apos;s als afbeeldingen…</translation>
    </message>
    <message>
        <source>Add to Merge</source>
        <translation>Voeg toe aan samenvoegen</translation>
    </message>
</context>
<context>
    <name>DrawingPad</name>
    <message>
        <source>Blue</source>
        <translation>Blauw</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Zwart</translation>
    </message>
    <message>
        <source>Ink</source>
        <translation>Inkt</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wis</translation>
    </message>
    <message>
        <source>Use This Signature</source>
        <translation>Gebruik deze handtekening</translation>
    </message>
</context>
<context>
    <name>DropZone</name>
    <message>
        <source>Drop PDFs or images here</source>
        <translation>Sleep pdf&apos;s of afbeeldingen hierheen</translation>
    </message>
    <message>
        <source>or click to open. Images become pages of a new PDF.</source>
        <translation>of klik om te openen. Afbeeldingen worden pagina&apos;s van een nieuwe pdf.</translation>
    </message>
</context>
<context>
    <name>ExportImagesSheet</name>
    <message>
        <source>%1 page %2</source>
        <extracomment>The name of one exported picture: %1 the document&apos;s name, %2 the page number.</extracomment>
        <translation>%1 pagina %2</translation>
    </message>
    <message>
        <source>Export Pages as Images</source>
        <translation>Exporteer pagina&apos;s als afbeeldingen</translation>
    </message>
    <message>
        <source>The selected page.</source>
        <translation>De geselecteerde pagina.</translation>
    </message>
    <message numerus="yes">
        <source>The %n selected pages.</source>
        <translation>
            <numerusform>De %n geselecteerde pagina.</numerusform>
            <numerusform>De %n geselecteerde pagina&apos;s.</numerusform>
        </translation>
    </message>
    <message>
        <source>The one page.</source>
        <translation>De enige pagina.</translation>
    </message>
    <message numerus="yes">
        <source>All %n pages.</source>
        <translation>
            <numerusform>De %n pagina.</numerusform>
            <numerusform>Alle %n pagina&apos;s.</numerusform>
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
        <translation>Formaat</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolutie</translation>
    </message>
    <message>
        <source>Screen (100 dpi)</source>
        <translation>Scherm (100 dpi)</translation>
    </message>
    <message>
        <source>Good (200 dpi)</source>
        <translation>Goed (200 dpi)</translation>
    </message>
    <message>
        <source>Print (300 dpi)</source>
        <translation>Afdrukken (300 dpi)</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exporteer…</translation>
    </message>
    <message>
        <source>Export Here</source>
        <translation>Exporteer hier</translation>
    </message>
    <message>
        <source>Exporting…</source>
        <translation>Exporteren…</translation>
    </message>
</context>
<context>
    <name>FilePanels</name>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>PDFs and pictures (%1)</source>
        <translation>Pdf&apos;s en afbeeldingen (%1)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Bewaar</translation>
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
        <translation>Niet bewaard</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluit</translation>
    </message>
</context>
<context>
    <name>FileWriting</name>
    <message>
        <source>“%1” couldn&apos;t be saved because the disk is full.</source>
        <translation>‘%1’ kon niet worden bewaard omdat de schijf vol is.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because it is too large for that disk.</source>
        <translation>‘%1’ kon niet worden bewaard omdat het te groot is voor die schijf.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because you don&apos;t have permission to write in that folder.</source>
        <translation>‘%1’ kon niet worden bewaard omdat je geen toestemming hebt om in die map te schrijven.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because that disk is read-only.</source>
        <translation>‘%1’ kon niet worden bewaard omdat die schijf alleen-lezen is.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because the name is too long.</source>
        <translation>‘%1’ kon niet worden bewaard omdat de naam te lang is.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because its folder doesn&apos;t exist.</source>
        <translation>‘%1’ kon niet worden bewaard omdat de map niet bestaat.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because a folder of that name is in the way.</source>
        <translation>‘%1’ kon niet worden bewaard omdat er een map met die naam in de weg staat.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved (%2).</source>
        <translation>‘%1’ kon niet worden bewaard (%2).</translation>
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
        <translation>Tamsel voor Linux</translation>
    </message>
    <message>
        <source>PDF tools, signatures and stamps, QR codes. Private by design · 100% on-device.</source>
        <translation>Pdf-gereedschap, handtekeningen en stempels, QR-codes. Privé vanaf het ontwerp · 100% op het apparaat.</translation>
    </message>
    <message>
        <source>Sign &amp; Stamp</source>
        <translation>Onderteken en stempel</translation>
    </message>
    <message>
        <source>Put your signature, initials or a company seal on any page, or on all of them.</source>
        <translation>Zet je handtekening, paraaf of bedrijfsstempel op elke pagina, of op allemaal.</translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>Comprimeer</translation>
    </message>
    <message>
        <source>Original, Medium, Small, or up to the size a website or email asks for.</source>
        <translation>Origineel, Middel, Klein, of tot de grootte die een website of e-mail vraagt.</translation>
    </message>
    <message>
        <source>Merge PDFs</source>
        <translation>Voeg pdf&apos;s samen</translation>
    </message>
    <message>
        <source>Join PDFs and images in the order you set.</source>
        <translation>Voeg pdf&apos;s en afbeeldingen samen in de volgorde die jij kiest.</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Splits</translation>
    </message>
    <message>
        <source>By page ranges like 1-3, 5, 8-10, every few pages or page by page.</source>
        <translation>Op paginabereiken zoals 1-3, 5, 8-10, om de paar pagina&apos;s of per pagina.</translation>
    </message>
    <message>
        <source>Read QR Codes</source>
        <translation>Lees QR-codes</translation>
    </message>
    <message>
        <source>From pictures, screenshots and every page of a PDF.</source>
        <translation>Uit afbeeldingen, schermafbeeldingen en elke pagina van een pdf.</translation>
    </message>
    <message>
        <source>Images to PDF</source>
        <translation>Afbeeldingen naar pdf</translation>
    </message>
    <message>
        <source>Photos and scans as pages of one PDF, in name order.</source>
        <translation>Foto&apos;s en scans als pagina&apos;s van één pdf, op naamvolgorde.</translation>
    </message>
    <message>
        <source>No ads. No tracking. No account.</source>
        <translation>Geen advertenties. Geen tracking. Geen account.</translation>
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
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Open…</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Bewaar als…</translation>
    </message>
    <message>
        <source>Close File</source>
        <translation>Sluit bestand</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hulp</translation>
    </message>
    <message>
        <source>About Tamsel</source>
        <translation>Over Tamsel</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Zoek naar updates…</translation>
    </message>
    <message>
        <source>Support the Developer…</source>
        <translation>Steun de ontwikkelaar…</translation>
    </message>
    <message>
        <source>Changes in %1 aren&apos;t saved. Use Save As… to keep them.</source>
        <translation>Wijzigingen in %1 zijn niet bewaard. Gebruik ‘Bewaar als…’ om ze te houden.</translation>
    </message>
    <message>
        <source>Stop and quit?</source>
        <translation>Stoppen en afsluiten?</translation>
    </message>
    <message>
        <source>Tamsel is still working (%1). Quitting stops that work; nothing half-written is kept.</source>
        <translation>Tamsel is nog bezig (%1). Afsluiten stopt dat werk; niets wat half geschreven is blijft bewaard.</translation>
    </message>
    <message>
        <source>Quit without saving?</source>
        <translation>Afsluiten zonder bewaren?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleer</translation>
    </message>
    <message>
        <source>Quit Anyway</source>
        <translation>Toch afsluiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Beel&amp;d</translation>
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
        <translation>1 pagina</translation>
    </message>
    <message numerus="yes">
        <source>%n pages</source>
        <translation>
            <numerusform>%n pagina</numerusform>
            <numerusform>%n pagina&apos;s</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 bestand</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n bestand</numerusform>
            <numerusform>%n bestanden</numerusform>
        </translation>
    </message>
    <message>
        <source>Drag to reorder</source>
        <translation>Sleep om de volgorde te wijzigen</translation>
    </message>
    <message>
        <source>Remove from the list</source>
        <translation>Verwijder uit de lijst</translation>
    </message>
    <message>
        <source>Merge PDFs</source>
        <translation>Voeg pdf&apos;s samen</translation>
    </message>
    <message>
        <source>Drop PDFs and images here, drag them into order, then Merge. Open files join as they are now, with their turns, removed pages and stamps.</source>
        <translation>Sleep pdf&apos;s en afbeeldingen hierheen, zet ze op volgorde en voeg ze samen. Geopende bestanden komen erbij zoals ze nu zijn, met hun draaiingen, verwijderde pagina&apos;s en stempels.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Voeg toe</translation>
    </message>
    <message>
        <source>Drop files to merge</source>
        <translation>Sleep bestanden hierheen om samen te voegen</translation>
    </message>
    <message>
        <source>Two or more PDFs or images</source>
        <translation>Twee of meer pdf&apos;s of afbeeldingen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wis</translation>
    </message>
    <message>
        <source>Merge…</source>
        <translation>Voeg samen…</translation>
    </message>
    <message>
        <source>Add Files…</source>
        <translation>Voeg bestanden toe…</translation>
    </message>
</context>
<context>
    <name>NewStampMenu</name>
    <message>
        <source>From an Image File…</source>
        <translation>Uit een afbeeldingsbestand…</translation>
    </message>
    <message>
        <source>Draw with Trackpad or Mouse…</source>
        <translation>Teken met trackpad of muis…</translation>
    </message>
    <message>
        <source>Ready Stamps…</source>
        <translation>Kant-en-klare stempels…</translation>
    </message>
    <message>
        <source>New Signature or Stamp</source>
        <translation>Nieuwe handtekening of stempel</translation>
    </message>
    <message>
        <source>Choose a photo or scan of your signature or stamp</source>
        <translation>Kies een foto of scan van je handtekening of stempel</translation>
    </message>
</context>
<context>
    <name>NewStampSheet</name>
    <message>
        <source>Draw Your Signature</source>
        <translation>Teken je handtekening</translation>
    </message>
    <message>
        <source>Ready Stamps</source>
        <translation>Kant-en-klare stempels</translation>
    </message>
    <message>
        <source>New Signature or Stamp</source>
        <translation>Nieuwe handtekening of stempel</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleer</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Bewaar</translation>
    </message>
    <message>
        <source>The checkerboard is what stays transparent on the page.</source>
        <translation>Het dambordpatroon is wat transparant blijft op de pagina.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Removing the paper…</source>
        <translation>Papier verwijderen…</translation>
    </message>
    <message>
        <source>The signature or stamp couldn&apos;t be saved. Try again.</source>
        <translation>De handtekening of stempel kon niet worden bewaard. Probeer het opnieuw.</translation>
    </message>
</context>
<context>
    <name>PDFEngine</name>
    <message>
        <source>A page of this file can&apos;t be read anymore. Open the file again.</source>
        <translation>Een pagina van dit bestand kan niet meer worden gelezen. Open het bestand opnieuw.</translation>
    </message>
    <message>
        <source>The PDF couldn&apos;t be made. Try again.</source>
        <translation>De pdf kon niet worden gemaakt. Probeer het opnieuw.</translation>
    </message>
    <message>
        <source>The pages of this file are damaged in a way that stops them being copied. It can only be saved as pictures of its pages.</source>
        <translation>De pagina&apos;s van dit bestand zijn zo beschadigd dat ze niet gekopieerd kunnen worden. Het kan alleen worden bewaard als afbeeldingen van de pagina&apos;s.</translation>
    </message>
    <message>
        <source>Reading the PDF took too long and was stopped. A page of the file may be damaged.</source>
        <translation>Het lezen van de pdf duurde te lang en is gestopt. Een pagina van het bestand is misschien beschadigd.</translation>
    </message>
    <message>
        <source>Reading the PDF failed because a part of the file is damaged.</source>
        <translation>De pdf kon niet worden gelezen omdat een deel van het bestand beschadigd is.</translation>
    </message>
    <message>
        <source>The PDF needs more memory than Tamsel may use for one file.</source>
        <translation>De pdf heeft meer geheugen nodig dan Tamsel voor één bestand mag gebruiken.</translation>
    </message>
    <message>
        <source>This PDF failed to be read several times, so Tamsel doesn&apos;t try again.</source>
        <translation>Deze pdf kon meerdere keren niet worden gelezen, dus Tamsel probeert het niet opnieuw.</translation>
    </message>
    <message>
        <source>Tamsel&apos;s PDF reader can&apos;t be started. Install Tamsel again.</source>
        <translation>De pdf-lezer van Tamsel kan niet worden gestart. Installeer Tamsel opnieuw.</translation>
    </message>
    <message>
        <source>A page is too large for a picture at this resolution. Choose a lower resolution.</source>
        <translation>Een pagina is te groot voor een afbeelding met deze resolutie. Kies een lagere resolutie.</translation>
    </message>
    <message>
        <source>It was moved or deleted.</source>
        <translation>Het is verplaatst of verwijderd.</translation>
    </message>
</context>
<context>
    <name>PageGrid</name>
    <message>
        <source>Has signatures or stamps</source>
        <translation>Heeft handtekeningen of stempels</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Draai naar links</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>Draai naar rechts</translation>
    </message>
    <message>
        <source>Sign &amp; Stamp</source>
        <translation>Onderteken en stempel</translation>
    </message>
    <message>
        <source>Extract…</source>
        <translation>Neem uit…</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijder</translation>
    </message>
</context>
<context>
    <name>PageImage</name>
    <message>
        <source>Can&apos;t be shown</source>
        <translation>Kan niet worden getoond</translation>
    </message>
</context>
<context>
    <name>PageListModel</name>
    <message>
        <source>Page %1</source>
        <translation>Pagina %1</translation>
    </message>
</context>
<context>
    <name>PasswordPrompt</name>
    <message>
        <source>“%1” is locked</source>
        <translation>‘%1’ is vergrendeld</translation>
    </message>
    <message>
        <source>That password didn&apos;t open it. Try again.</source>
        <translation>Met dat wachtwoord ging het niet open. Probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Enter its password to open it. The password stays on this computer.</source>
        <translation>Voer het wachtwoord in om het te openen. Het wachtwoord blijft op deze computer.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Wachtwoord</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleer</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
</context>
<context>
    <name>PasswordSheet</name>
    <message>
        <source>Password</source>
        <translation>Wachtwoord</translation>
    </message>
    <message>
        <source>“%1” is protected with a password. Save a copy that opens without it, or a copy with a new one.</source>
        <translation>‘%1’ is beveiligd met een wachtwoord. Bewaar een kopie die zonder wachtwoord opent, of een kopie met een nieuw wachtwoord.</translation>
    </message>
    <message>
        <source>Save a Copy without Password…</source>
        <translation>Bewaar een kopie zonder wachtwoord…</translation>
    </message>
    <message>
        <source>Save a copy that asks for this password to open. Keep it somewhere safe: it can&apos;t be recovered.</source>
        <translation>Bewaar een kopie die bij het openen om dit wachtwoord vraagt. Bewaar het op een veilige plek: het kan niet worden hersteld.</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Nieuw wachtwoord</translation>
    </message>
    <message>
        <source>Repeat password</source>
        <translation>Herhaal wachtwoord</translation>
    </message>
    <message>
        <source>The passwords don&apos;t match.</source>
        <translation>De wachtwoorden komen niet overeen.</translation>
    </message>
    <message>
        <source>Save Protected Copy…</source>
        <translation>Bewaar beveiligde kopie…</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Bewaren…</translation>
    </message>
    <message>
        <source>%1 (protected)</source>
        <extracomment>The name offered for the copy: %1 the document&apos;s name.</extracomment>
        <translation>%1 (beveiligd)</translation>
    </message>
    <message>
        <source>%1 (no password)</source>
        <translation>%1 (zonder wachtwoord)</translation>
    </message>
</context>
<context>
    <name>PlacedStamp</name>
    <message>
        <source>Drag to turn</source>
        <translation>Sleep om te draaien</translation>
    </message>
    <message>
        <source>Drag to resize</source>
        <translation>Sleep om het formaat te wijzigen</translation>
    </message>
</context>
<context>
    <name>ProcessRunner</name>
    <message>
        <source>The tool didn&apos;t answer in time.</source>
        <extracomment>Error when a command-line tool times out</extracomment>
        <translation>Het programma reageerde niet op tijd.</translation>
    </message>
    <message>
        <source>Exit code %1</source>
        <extracomment>Error of a command-line tool that gave no message</extracomment>
        <translation>Afsluitcode %1</translation>
    </message>
</context>
<context>
    <name>ReadyStamp</name>
    <message>
        <source>APPROVED</source>
        <translation>GOEDGEKEURD</translation>
    </message>
    <message>
        <source>PAID</source>
        <translation>BETAALD</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>KOPIE</translation>
    </message>
    <message>
        <source>CONFIDENTIAL</source>
        <translation>VERTROUWELIJK</translation>
    </message>
    <message>
        <source>DRAFT</source>
        <translation>CONCEPT</translation>
    </message>
    <message>
        <source>RECEIVED</source>
        <translation>ONTVANGEN</translation>
    </message>
</context>
<context>
    <name>ReadyStampsPicker</name>
    <message>
        <source>Red</source>
        <translation>Rood</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blauw</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Zwart</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Kleur</translation>
    </message>
    <message>
        <source>Add today&apos;s date</source>
        <translation>Voeg de datum van vandaag toe</translation>
    </message>
    <message>
        <source>Your own word, like PAID IN CASH</source>
        <translation>Je eigen woord, zoals CONTANT BETAALD</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Voeg toe</translation>
    </message>
</context>
<context>
    <name>RootView</name>
    <message>
        <source>Support Tamsel</source>
        <translation>Steun Tamsel</translation>
    </message>
    <message>
        <source>Support the developer</source>
        <translation>Steun de ontwikkelaar</translation>
    </message>
    <message>
        <source>About Tamsel</source>
        <translation>Over Tamsel</translation>
    </message>
    <message>
        <source>About, updates, privacy and support</source>
        <translation>Over, updates, privacy en steun</translation>
    </message>
    <message>
        <source>Something went wrong</source>
        <translation>Er is iets misgegaan</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save changes to “%1”?</source>
        <translation>Wijzigingen in ‘%1’ bewaren?</translation>
    </message>
    <message>
        <source>Your changes will be lost if you close it without saving. The original file stays as it was.</source>
        <translation>Je wijzigingen gaan verloren als je het sluit zonder te bewaren. Het originele bestand blijft zoals het was.</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Bewaar als…</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Niet bewaren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleer</translation>
    </message>
    <message>
        <source>Save as Pictures</source>
        <translation>Bewaar als afbeeldingen</translation>
    </message>
    <message>
        <source>Hide Sidebar</source>
        <translation>Zijbalk verbergen</translation>
    </message>
    <message>
        <source>Show Sidebar</source>
        <translation>Zijbalk tonen</translation>
    </message>
</context>
<context>
    <name>Sharing</name>
    <message>
        <source>Email…</source>
        <translation>E-mail…</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Kopieer link</translation>
    </message>
    <message>
        <source>Link copied</source>
        <translation>Link gekopieerd</translation>
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
        <translation>door Vornel Apps</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Bestanden</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Open…</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Gereedschap</translation>
    </message>
    <message>
        <source>Merge PDFs</source>
        <translation>Voeg pdf&apos;s samen</translation>
    </message>
    <message>
        <source>Signatures &amp; Stamps</source>
        <translation>Handtekeningen en stempels</translation>
    </message>
    <message>
        <source>QR Codes</source>
        <translation>QR-codes</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Bewaar als…</translation>
    </message>
    <message>
        <source>Add to Merge</source>
        <translation>Voeg toe aan samenvoegen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluit</translation>
    </message>
</context>
<context>
    <name>SignView</name>
    <message>
        <source>Pages</source>
        <translation>Pagina&apos;s</translation>
    </message>
    <message>
        <source>Back to all pages</source>
        <translation>Terug naar alle pagina&apos;s</translation>
    </message>
    <message>
        <source>Sign &amp; Stamp</source>
        <translation>Onderteken en stempel</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klaar</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Bewaar als…</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Vorige pagina</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Volgende pagina</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 van %2</translation>
    </message>
</context>
<context>
    <name>SplitSheet</name>
    <message>
        <source>Split “%1”</source>
        <translation>Splits ‘%1’</translation>
    </message>
    <message>
        <source>By page ranges</source>
        <translation>Op paginabereik</translation>
    </message>
    <message>
        <source>Every few pages</source>
        <translation>Om de paar pagina&apos;s</translation>
    </message>
    <message>
        <source>Page by page</source>
        <translation>Per pagina</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Splits</translation>
    </message>
    <message>
        <source>For example: 1-3, 5, 8-10</source>
        <translation>Bijvoorbeeld: 1-3, 5, 8-10</translation>
    </message>
    <message>
        <source>Each range becomes its own PDF. Pages 1 to %1.</source>
        <translation>Elk bereik wordt een eigen pdf. Pagina&apos;s 1 tot en met %1.</translation>
    </message>
    <message>
        <source>Pages per file</source>
        <translation>Pagina&apos;s per bestand</translation>
    </message>
    <message numerus="yes">
        <source>Each of the %n pages becomes its own PDF.</source>
        <translation>
            <numerusform>De %n pagina wordt een eigen pdf.</numerusform>
            <numerusform>Elk van de %n pagina&apos;s wordt een eigen pdf.</numerusform>
        </translation>
    </message>
    <message>
        <source>Split…</source>
        <translation>Splits…</translation>
    </message>
    <message numerus="yes">
        <source>A new file every %n pages</source>
        <translation>
            <numerusform>Een nieuw bestand elke %n pagina</numerusform>
            <numerusform>Een nieuw bestand om de %n pagina&apos;s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Makes %n files: %1</source>
        <translation>
            <numerusform>Maakt %n bestand: %1</numerusform>
            <numerusform>Maakt %n bestanden: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Use page numbers from 1 to %1, like 1-3, 5.</source>
        <translation>Gebruik paginanummers van 1 tot en met %1, zoals 1-3, 5.</translation>
    </message>
    <message>
        <source>Split Here</source>
        <translation>Splits hier</translation>
    </message>
    <message>
        <source>Splitting…</source>
        <translation>Splitsen…</translation>
    </message>
</context>
<context>
    <name>StampLibrary</name>
    <message>
        <source>Signature</source>
        <translation>Handtekening</translation>
    </message>
    <message>
        <source>Stamp</source>
        <translation>Stempel</translation>
    </message>
    <message>
        <source>The signature or stamp couldn&apos;t be saved. Try again.</source>
        <translation>De handtekening of stempel kon niet worden bewaard. Probeer het opnieuw.</translation>
    </message>
    <message>
        <source>The change couldn&apos;t be saved. Try again.</source>
        <translation>De wijziging kon niet worden bewaard. Probeer het opnieuw.</translation>
    </message>
</context>
<context>
    <name>StampLibraryPanel</name>
    <message>
        <source>Put on this page</source>
        <translation>Zet op deze pagina</translation>
    </message>
    <message>
        <source>Signatures &amp; Stamps</source>
        <translation>Handtekeningen en stempels</translation>
    </message>
    <message>
        <source>Add your signature or a company seal once; it stays in Tamsel on this computer for every document.</source>
        <translation>Voeg je handtekening of een bedrijfsstempel één keer toe; die blijft in Tamsel op deze computer voor elk document.</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Hoek</translation>
    </message>
    <message>
        <source>Add to All Pages</source>
        <translation>Voeg toe aan alle pagina&apos;s</translation>
    </message>
    <message>
        <source>Remove from Page</source>
        <translation>Verwijder van pagina</translation>
    </message>
    <message>
        <source>Or paste a photo or scan with Ctrl+V, or drop one here.</source>
        <translation>Of plak een foto of scan met Ctrl+V, of sleep er een hierheen.</translation>
    </message>
</context>
<context>
    <name>StampMaker</name>
    <message>
        <source>This image can&apos;t be read.</source>
        <translation>Deze afbeelding kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>No signature or stamp found. Try a photo of it on white paper.</source>
        <translation>Geen handtekening of stempel gevonden. Probeer een foto op wit papier.</translation>
    </message>
</context>
<context>
    <name>StampsView</name>
    <message>
        <source>Rename or delete</source>
        <translation>Wijzig naam of verwijder</translation>
    </message>
    <message>
        <source>Rename or delete “%1”</source>
        <translation>Wijzig naam van of verwijder ‘%1’</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>Wijzig naam…</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>Verwijder…</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Wijzig naam</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleer</translation>
    </message>
    <message>
        <source>Signatures &amp; Stamps</source>
        <translation>Handtekeningen en stempels</translation>
    </message>
    <message>
        <source>Your signature, initials or a company seal, with the paper removed automatically. They stay only on this computer. Tamsel puts your own images on documents; it doesn&apos;t make a signature legally binding by itself.</source>
        <translation>Je handtekening, paraaf of bedrijfsstempel, met het papier automatisch verwijderd. Ze blijven alleen op deze computer. Tamsel zet je eigen afbeeldingen op documenten; dat maakt een handtekening op zich niet juridisch bindend.</translation>
    </message>
    <message>
        <source>No signatures or stamps yet</source>
        <translation>Nog geen handtekeningen of stempels</translation>
    </message>
    <message>
        <source>Sign a white sheet of paper or stamp it, then take a photo of it and choose the photo or a scan. You can also draw with the trackpad or pick a ready stamp like PAID or APPROVED.</source>
        <translation>Onderteken of stempel een wit vel papier, maak er een foto van en kies de foto of een scan. Je kunt ook tekenen met het trackpad of een kant-en-klare stempel kiezen, zoals BETAALD of GOEDGEKEURD.</translation>
    </message>
    <message>
        <source>Tamsel</source>
        <translation>Tamsel</translation>
    </message>
    <message>
        <source>Delete “%1”?</source>
        <translation>‘%1’ verwijderen?</translation>
    </message>
    <message>
        <source>It also leaves pages open in Tamsel. Files you already saved keep it.</source>
        <translation>Hij verdwijnt ook van pagina&apos;s die in Tamsel geopend zijn. Bestanden die je al hebt bewaard, houden hem.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijder</translation>
    </message>
</context>
<context>
    <name>SupportView</name>
    <message>
        <source>Done! Support Tamsel?</source>
        <translation>Klaar! Tamsel steunen?</translation>
    </message>
    <message>
        <source>Support Tamsel</source>
        <translation>Steun Tamsel</translation>
    </message>
    <message>
        <source>Tamsel is free: no ads, no tracking, no subscription. If it saved you time, you can thank the developer with crypto. Any amount helps keep it free.</source>
        <translation>Tamsel is gratis: geen advertenties, geen tracking, geen abonnement. Heeft het je tijd bespaard, dan kun je de ontwikkelaar bedanken met crypto. Elk bedrag helpt om het gratis te houden.</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netwerk</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Verstuur</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Send only on the networks listed above. Coins sent on another network can&apos;t be recovered.</source>
        <translation>Verstuur alleen via de netwerken hierboven. Munten die via een ander netwerk zijn verstuurd, zijn niet terug te halen.</translation>
    </message>
    <message>
        <source>The same addresses are on %1/donate.</source>
        <translation>Dezelfde adressen staan op %1/donate.</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Niet nu</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klaar</translation>
    </message>
    <message>
        <source>QR code of the %1 address</source>
        <translation>QR-code van het %1-adres</translation>
    </message>
    <message>
        <source>Address copied</source>
        <translation>Adres gekopieerd</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Gekopieerd</translation>
    </message>
    <message>
        <source>Copy Address</source>
        <translation>Kopieer adres</translation>
    </message>
    <message>
        <source>This copy of Tamsel was built without donation addresses. The developer&apos;s are on %1/donate.</source>
        <translation>Deze versie van Tamsel is gebouwd zonder donatieadressen. Die van de ontwikkelaar staan op %1/donate.</translation>
    </message>
</context>
<context>
    <name>TellAFriendView</name>
    <message>
        <source>Tell a friend</source>
        <translation>Vertel het een vriend</translation>
    </message>
    <message>
        <source>Like Tamsel? Tell a friend.</source>
        <translation>Vind je Tamsel goed? Vertel het een vriend.</translation>
    </message>
    <message>
        <source>Tamsel is free: no ads, no tracking. We don&apos;t buy ads, so friends telling friends is how people find it.</source>
        <translation>Tamsel is gratis: geen advertenties, geen tracking. We kopen geen advertenties, dus mensen vinden het doordat vrienden het aan vrienden vertellen.</translation>
    </message>
    <message>
        <source>Your friend gets this message:</source>
        <translation>Je vriend krijgt dit bericht:</translation>
    </message>
    <message>
        <source>You choose the app and the friend; we never see who.</source>
        <translation>Jij kiest de app en de vriend; wij zien nooit wie.</translation>
    </message>
    <message>
        <source>Share…</source>
        <translation>Deel…</translation>
    </message>
    <message>
        <source>Tamsel for Linux: free PDF tools, signatures and stamps, QR codes. Everything stays on your computer.</source>
        <comment>The message shared with a friend, followed by the link to the app&apos;s page.</comment>
        <translation>Tamsel voor Linux: gratis pdf-gereedschap, handtekeningen en stempels, QR-codes. Alles blijft op je computer.</translation>
    </message>
    <message>
        <source>Message copied</source>
        <translation>Bericht gekopieerd</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Gekopieerd</translation>
    </message>
    <message>
        <source>Copy Message</source>
        <translation>Kopieer bericht</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klaar</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Niet nu</translation>
    </message>
</context>
<context>
    <name>ToastView</name>
    <message>
        <source>Show in Folder</source>
        <translation>Toon in map</translation>
    </message>
</context>
<context>
    <name>ToolSheetFrame</name>
    <message>
        <source>Cancel</source>
        <translation>Annuleer</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>The update information isn&apos;t available right now. Try again later.</source>
        <extracomment>Check for Updates error</extracomment>
        <translation>De update-informatie is nu niet beschikbaar. Probeer het later opnieuw.</translation>
    </message>
    <message>
        <source>Couldn&apos;t check for updates: %1</source>
        <extracomment>Check for Updates error. The placeholder is the system&apos;s error message.</extracomment>
        <translation>Kon niet zoeken naar updates: %1</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation>De gegevens konden niet worden gelezen omdat ze niet de juiste indeling hebben.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation>De gegevens konden niet worden gelezen omdat ze ontbreken.</translation>
    </message>
    <message>
        <source>The update information is too large.</source>
        <translation>De update-informatie is te groot.</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>Er is een time-out opgetreden voor het verzoek.</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>The request timed out.</source>
        <translation>Er is een time-out opgetreden voor het verzoek.</translation>
    </message>
    <message>
        <source>moved permanently</source>
        <translation>permanent verplaatst</translation>
    </message>
    <message>
        <source>found</source>
        <translation>gevonden</translation>
    </message>
    <message>
        <source>not modified</source>
        <translation>niet gewijzigd</translation>
    </message>
    <message>
        <source>bad request</source>
        <translation>ongeldig verzoek</translation>
    </message>
    <message>
        <source>unauthorized</source>
        <translation>niet geautoriseerd</translation>
    </message>
    <message>
        <source>forbidden</source>
        <translation>verboden</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>niet gevonden</translation>
    </message>
    <message>
        <source>method not allowed</source>
        <translation>methode niet toegestaan</translation>
    </message>
    <message>
        <source>request timed out</source>
        <translation>time-out van verzoek</translation>
    </message>
    <message>
        <source>no longer exists</source>
        <translation>bestaat niet meer</translation>
    </message>
    <message>
        <source>too many requests</source>
        <translation>te veel verzoeken</translation>
    </message>
    <message>
        <source>internal server error</source>
        <translation>interne serverfout</translation>
    </message>
    <message>
        <source>unimplemented</source>
        <translation>niet geïmplementeerd</translation>
    </message>
    <message>
        <source>bad gateway</source>
        <translation>ongeldige gateway</translation>
    </message>
    <message>
        <source>service unavailable</source>
        <translation>service niet beschikbaar</translation>
    </message>
    <message>
        <source>gateway timed out</source>
        <translation>time-out van gateway</translation>
    </message>
    <message>
        <source>informational</source>
        <translation>informatief</translation>
    </message>
    <message>
        <source>success</source>
        <translation>geslaagd</translation>
    </message>
    <message>
        <source>redirected</source>
        <translation>omgeleid</translation>
    </message>
    <message>
        <source>client error</source>
        <translation>clientfout</translation>
    </message>
    <message>
        <source>server error</source>
        <translation>serverfout</translation>
    </message>
    <message>
        <source>Couldn&apos;t install the update (%1). This copy is now “%2” in the same folder: rename it back to Tamsel.</source>
        <extracomment>Install and Relaunch error when the old copy couldn&apos;t get its name back. Placeholders: the system&apos;s message, the app&apos;s current file name.</extracomment>
        <translation>Kon de update niet installeren (%1). Deze kopie heet nu ‘%2’ in dezelfde map: wijzig de naam terug in Tamsel.</translation>
    </message>
    <message>
        <source>Couldn&apos;t install the update (%1). This copy wasn&apos;t changed.</source>
        <extracomment>Install and Relaunch error. The placeholder is the system&apos;s or a tool&apos;s message.</extracomment>
        <translation>Kon de update niet installeren (%1). Deze kopie is niet gewijzigd.</translation>
    </message>
    <message>
        <source>The downloaded update didn&apos;t pass the check. This copy wasn&apos;t changed.</source>
        <extracomment>Install and Relaunch error</extracomment>
        <translation>De gedownloade update is niet door de controle gekomen. Deze kopie is niet gewijzigd.</translation>
    </message>
    <message>
        <source>The download is larger than expected.</source>
        <extracomment>Install and Relaunch error, inside &quot;Couldn&apos;t install the update (…)&quot;: the server sent more than the update&apos;s size.</extracomment>
        <translation>De download is groter dan verwacht.</translation>
    </message>
    <message>
        <source>There isn&apos;t enough free space for the update.</source>
        <extracomment>Install and Relaunch error, inside &quot;Couldn&apos;t install the update (…)&quot;.</extracomment>
        <translation>Er is niet genoeg vrije ruimte voor de update.</translation>
    </message>
</context>
</TS>
