<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>AboutView</name>
    <message>
        <source>About Tamsel</source>
        <translation>O programie Tamsel</translation>
    </message>
    <message>
        <source>Tamsel for Linux</source>
        <translation>Tamsel dla Linuksa</translation>
    </message>
    <message>
        <source>Version %1 (%2) · by Vornel Apps</source>
        <translation>Wersja %1 (%2) · Vornel Apps</translation>
    </message>
    <message>
        <source>Help &amp; legal</source>
        <translation>Pomoc i informacje prawne</translation>
    </message>
    <message>
        <source>Follow us</source>
        <translation>Obserwuj nas</translation>
    </message>
    <message>
        <source>More from Vornel Apps</source>
        <translation>Więcej od Vornel Apps</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Aktualizacje</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Sprawdź aktualizacje</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>Same as system</source>
        <translation>Taki jak w systemie</translation>
    </message>
    <message>
        <source>Restart Tamsel</source>
        <translation>Uruchom ponownie Tamsel</translation>
    </message>
    <message>
        <source>Free, with optional support</source>
        <translation>Za darmo, wsparcie dobrowolne</translation>
    </message>
    <message>
        <source>No ads, no tracking, no account, no subscription. Everything runs on your computer. If Tamsel helps, you can support the developer with crypto.</source>
        <translation>Bez reklam, bez śledzenia, bez konta, bez subskrypcji. Wszystko działa na Twoim komputerze. Jeśli Tamsel Ci pomaga, możesz wesprzeć twórcę kryptowalutą.</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Wesprzyj</translation>
    </message>
    <message>
        <source>Tell a friend</source>
        <translation>Poleć znajomemu</translation>
    </message>
    <message>
        <source>Tamsel spends nothing on ads, so people telling people is how it grows. Share a link to its page; nothing is sent unless you choose where.</source>
        <translation>Tamsel nie wydaje nic na reklamy: rośnie dzięki temu, że ludzie polecają go sobie nawzajem. Udostępnij link do jego strony; nic nie zostanie wysłane, dopóki nie wybierzesz, dokąd.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Udostępnij</translation>
    </message>
    <message>
        <source>Write to Support</source>
        <translation>Napisz do pomocy technicznej</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>Polityka prywatności</translation>
    </message>
    <message>
        <source>Terms of Use</source>
        <translation>Warunki korzystania</translation>
    </message>
    <message>
        <source>X (developer)</source>
        <comment>Link to the developer&apos;s account on X</comment>
        <translation>X (twórca)</translation>
    </message>
    <message>
        <source>Our other apps</source>
        <translation>Nasze inne aplikacje</translation>
    </message>
    <message>
        <source>Tamsel checks only when you ask. It reads one file on %1 and sends nothing about your computer.</source>
        <translation>Tamsel sprawdza tylko wtedy, gdy o to poprosisz. Odczytuje jeden plik z %1 i nie wysyła żadnych informacji o Twoim komputerze.</translation>
    </message>
    <message>
        <source>You have the latest version.</source>
        <translation>Masz najnowszą wersję.</translation>
    </message>
    <message>
        <source>Version %1 is available.</source>
        <translation>Dostępna jest wersja %1.</translation>
    </message>
    <message>
        <source>Downloading and checking the update…</source>
        <translation>Pobieranie i sprawdzanie aktualizacji…</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Pobierz</translation>
    </message>
    <message>
        <source>Tamsel switches to the new language after a restart. Save or close the files with changes first.</source>
        <translation>Tamsel przełączy się na nowy język po ponownym uruchomieniu. Najpierw zapisz lub zamknij zmienione pliki.</translation>
    </message>
    <message>
        <source>Tamsel switches to the new language after a restart.</source>
        <translation>Tamsel przełączy się na nowy język po ponownym uruchomieniu.</translation>
    </message>
    <message>
        <source>Install and Relaunch</source>
        <translation>Zainstaluj i uruchom ponownie</translation>
    </message>
    <message>
        <source>Save or close the files with changes first: Tamsel restarts to finish the update.</source>
        <translation>Najpierw zapisz lub zamknij zmienione pliki: Tamsel uruchomi się ponownie, aby dokończyć aktualizację.</translation>
    </message>
</context>
<context>
    <name>AppModel</name>
    <message>
        <source>There&apos;s no picture on the clipboard. Copy a screenshot or an image first.</source>
        <translation>W schowku nie ma obrazu. Najpierw skopiuj zrzut ekranu lub obraz.</translation>
    </message>
    <message>
        <source>A file needs at least one page. To get rid of it, close the file.</source>
        <translation>Plik musi mieć co najmniej jedną stronę. Aby się go pozbyć, zamknij plik.</translation>
    </message>
    <message>
        <source>Tamsel opens PDFs and images.</source>
        <translation>Tamsel otwiera pliki PDF i obrazy.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be opened.</source>
        <translation>Nie można otworzyć „%1”.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be opened. It may be damaged or not a PDF.</source>
        <translation>Nie można otworzyć „%1”. Plik może być uszkodzony lub nie jest plikiem PDF.</translation>
    </message>
    <message>
        <source>Choose PDFs or images</source>
        <translation>Wybierz pliki PDF lub obrazy</translation>
    </message>
    <message>
        <source>Saved “%1”</source>
        <translation>Zapisano „%1”</translation>
    </message>
    <message>
        <source>“%1” is open in Tamsel, so it can&apos;t be replaced. Save under another name.</source>
        <translation>Plik „%1” jest otwarty w Tamsel, więc nie można go zastąpić. Zapisz go pod inną nazwą.</translation>
    </message>
    <message>
        <source>“%1” wasn&apos;t saved because another task was still running. Try again when it has finished.</source>
        <translation>Nie zapisano „%1”, bo trwało jeszcze inne zadanie. Spróbuj ponownie, gdy się zakończy.</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Zapisywanie…</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be used as a file name.</source>
        <translation>„%1” nie może być nazwą pliku.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because the name is too long.</source>
        <translation>Nie można zapisać „%1”, bo nazwa jest za długa.</translation>
    </message>
    <message>
        <source>Merging…</source>
        <translation>Scalanie…</translation>
    </message>
    <message>
        <source>%1 (pages %2)</source>
        <extracomment>The name offered for a file of some pages: %1 the document&apos;s name, %2 the page numbers (&quot;1-3, 5&quot;).</extracomment>
        <translation>%1 (strony %2)</translation>
    </message>
    <message>
        <source>%1 (merged)</source>
        <extracomment>The name offered for the merged file: %1 the first file&apos;s name.</extracomment>
        <translation>%1 (scalony)</translation>
    </message>
    <message>
        <source>%1 (signed)</source>
        <extracomment>The name offered when saving: %1 the document&apos;s name.</extracomment>
        <translation>%1 (podpisany)</translation>
    </message>
    <message>
        <source>%1 (edited)</source>
        <translation>%1 (edytowany)</translation>
    </message>
    <message numerus="yes">
        <source>Added to all %n pages</source>
        <translation>
            <numerusform>Dodano do %n strony</numerusform>
            <numerusform>Dodano do wszystkich %n stron</numerusform>
            <numerusform>Dodano do wszystkich %n stron</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Saved %n files</source>
        <translation>
            <numerusform>Zapisano %n plik</numerusform>
            <numerusform>Zapisano %n pliki</numerusform>
            <numerusform>Zapisano %n plików</numerusform>
        </translation>
    </message>
    <message>
        <source>The update is installed. Save your files, then quit and open Tamsel again to use it.</source>
        <translation>Aktualizacja jest zainstalowana. Zapisz pliki, a potem zamknij i ponownie otwórz Tamsel, aby z niej korzystać.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be opened. %2</source>
        <translation>Nie można otworzyć „%1”. %2</translation>
    </message>
</context>
<context>
    <name>BusyOverlay</name>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
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
        <translation>Wi-Fi</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Wydarzenie</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Wiadomość</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lokalizacja</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Książka</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Produkt</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>%1, page %2</source>
        <translation>%1, strona %2</translation>
    </message>
    <message>
        <source>Not encrypted: the address starts with http, not https.</source>
        <translation>Brak szyfrowania: adres zaczyna się od http, a nie https.</translation>
    </message>
    <message>
        <source>A bare number instead of a site name.</source>
        <translation>Sam numer zamiast nazwy witryny.</translation>
    </message>
    <message>
        <source>“%1” is not the site. The real site is %2.</source>
        <translation>„%1” to nie ta witryna. Prawdziwa witryna to %2.</translation>
    </message>
    <message>
        <source>Letters from different alphabets: this address can imitate another site.</source>
        <translation>Litery z różnych alfabetów: ten adres może podszywać się pod inną witrynę.</translation>
    </message>
    <message>
        <source>Special characters in the name can imitate another site.</source>
        <translation>Znaki specjalne w nazwie mogą naśladować inną witrynę.</translation>
    </message>
    <message>
        <source>Looks like %1, but the real site is %2.</source>
        <translation>Wygląda jak %1, ale prawdziwa witryna to %2.</translation>
    </message>
    <message>
        <source>The real site is %1, not %2.</source>
        <translation>Prawdziwa witryna to %1, a nie %2.</translation>
    </message>
    <message>
        <source>A short link hides where it leads.</source>
        <translation>Skrócony link ukrywa, dokąd prowadzi.</translation>
    </message>
    <message>
        <source>Real site: %1</source>
        <translation>Prawdziwa witryna: %1</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>Otwórz w przeglądarce</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Kopiuj link</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Sieć</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
    <message>
        <source>Copy Network Name</source>
        <translation>Kopiuj nazwę sieci</translation>
    </message>
    <message>
        <source>Copy Password</source>
        <translation>Kopiuj hasło</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Skopiowano</translation>
    </message>
</context>
<context>
    <name>CodeReading</name>
    <message>
        <source>Pasted image</source>
        <translation>Wklejony obraz</translation>
    </message>
    <message>
        <source>No codes found in “%1”.</source>
        <translation>Nie znaleziono kodów w „%1”.</translation>
    </message>
    <message>
        <source>No codes found.</source>
        <translation>Nie znaleziono kodów.</translation>
    </message>
</context>
<context>
    <name>CodeSymbology</name>
    <message>
        <source>Barcode</source>
        <extracomment>Card title of a code whose kind is unknown</extracomment>
        <translation>Kod kreskowy</translation>
    </message>
</context>
<context>
    <name>CodesDropZone</name>
    <message>
        <source>Drop a picture or PDF here</source>
        <translation>Upuść tutaj obraz lub plik PDF</translation>
    </message>
    <message>
        <source>Or copy a screenshot (Print Screen) and paste it with Ctrl+V.</source>
        <translation>Albo zrób zrzut ekranu (Print Screen) i wklej go skrótem Ctrl+V.</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Wklej</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Otwórz…</translation>
    </message>
</context>
<context>
    <name>CodesView</name>
    <message>
        <source>QR Codes</source>
        <translation>Kody QR</translation>
    </message>
    <message>
        <source>Read QR codes and barcodes from pictures, screenshots and every page of a PDF. Everything is read on this computer.</source>
        <translation>Odczytuj kody QR i kody kreskowe z obrazów, zrzutów ekranu i każdej strony pliku PDF. Wszystko jest odczytywane na tym komputerze.</translation>
    </message>
    <message>
        <source>Reading…</source>
        <translation>Odczytywanie…</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Znalezione</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>%1 Try a sharper or larger picture.</source>
        <extracomment>%1 says why no code was found in the picture.</extracomment>
        <translation>%1 Spróbuj z ostrzejszym lub większym obrazem.</translation>
    </message>
</context>
<context>
    <name>CompressSheet</name>
    <message>
        <source>Compress “%1”</source>
        <translation>Kompresuj „%1”</translation>
    </message>
    <message>
        <source>Sizes are measured on this computer: the file you save is exactly this size.</source>
        <translation>Rozmiary są mierzone na tym komputerze: zapisany plik będzie miał dokładnie taki rozmiar.</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Oryginał</translation>
    </message>
    <message>
        <source>As it is now</source>
        <translation>Bez zmian</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Średni</translation>
    </message>
    <message>
        <source>Sharp text, fits most email</source>
        <translation>Ostry tekst, zmieści się w większości e-maili</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Mały</translation>
    </message>
    <message>
        <source>The smallest readable file</source>
        <translation>Najmniejszy czytelny plik</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>Zapisz…</translation>
    </message>
    <message>
        <source>For websites and forms with a size limit</source>
        <translation>Dla stron i formularzy z limitem rozmiaru</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Limit</translation>
    </message>
    <message>
        <source>To fit, the pages became pictures: text in this copy can&apos;t be selected or searched. The original keeps its text.</source>
        <translation>Aby się zmieścić, strony zamieniono w obrazy: tekstu w tej kopii nie można zaznaczać ani przeszukiwać. Oryginał zachowuje swój tekst.</translation>
    </message>
    <message>
        <source>Up to %1</source>
        <translation>Do %1</translation>
    </message>
    <message>
        <source>Can&apos;t get under %1. The smallest Tamsel can make is %2.</source>
        <translation>Nie da się zejść poniżej %1. Najmniej, ile potrafi Tamsel, to %2.</translation>
    </message>
    <message>
        <source>Pictures in this PDF can&apos;t get much smaller while it keeps its text. Up to %1 can turn the pages into pictures when that&apos;s the only way to fit.</source>
        <translation>Obrazów w tym pliku PDF nie da się wiele zmniejszyć bez utraty tekstu. Opcja „Do %1” może zamienić strony w obrazy, gdy tylko tak da się zmieścić.</translation>
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
        <translation>Podpisz i opieczętuj</translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>Kompresuj</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Podziel</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
    <message>
        <source>Insert, extract, export as images, merge</source>
        <translation>Wstaw, wyodrębnij, eksportuj jako obrazy, scal</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Więcej</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Zapisz jako…</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Obróć w lewo</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>Obróć w lewo</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>Obróć w prawo</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>Obróć w prawo</translation>
    </message>
    <message>
        <source>Delete Pages</source>
        <translation>Usuń strony</translation>
    </message>
    <message>
        <source>Delete the selected pages</source>
        <translation>Usuń zaznaczone strony</translation>
    </message>
    <message>
        <source>Drag to reorder. Drop PDFs or images to add pages. Save As… makes a new file; the original stays as it is.</source>
        <translation>Przeciągnij, by zmienić kolejność. Upuść pliki PDF lub obrazy, by dodać strony. „Zapisz jako…” tworzy nowy plik; oryginał zostaje.</translation>
    </message>
    <message>
        <source>1 page</source>
        <translation>1 strona</translation>
    </message>
    <message numerus="yes">
        <source>%n pages</source>
        <translation>
            <numerusform>%n strona</numerusform>
            <numerusform>%n strony</numerusform>
            <numerusform>%n stron</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n selected</source>
        <translation>
            <numerusform>%n zaznaczona</numerusform>
            <numerusform>%n zaznaczone</numerusform>
            <numerusform>%n zaznaczonych</numerusform>
        </translation>
    </message>
    <message>
        <source>password</source>
        <translation>hasło</translation>
    </message>
    <message>
        <source>not saved</source>
        <translation>niezapisany</translation>
    </message>
    <message>
        <source>Insert Pages from Files…</source>
        <translation>Wstaw strony z plików…</translation>
    </message>
    <message>
        <source>Extract All Pages…</source>
        <translation>Wyodrębnij wszystkie strony…</translation>
    </message>
    <message>
        <source>Extract Selected Pages…</source>
        <translation>Wyodrębnij zaznaczone strony…</translation>
    </message>
    <message>
        <source>Export Pages as Images…</source>
        <translation>Eksportuj strony jako obrazy…</translation>
    </message>
    <message>
        <source>Add to Merge</source>
        <translation>Dodaj do scalania</translation>
    </message>
</context>
<context>
    <name>DrawingPad</name>
    <message>
        <source>Blue</source>
        <translation>Niebieski</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Czarny</translation>
    </message>
    <message>
        <source>Ink</source>
        <translation>Tusz</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Use This Signature</source>
        <translation>Użyj tego podpisu</translation>
    </message>
</context>
<context>
    <name>DropZone</name>
    <message>
        <source>Drop PDFs or images here</source>
        <translation>Upuść tutaj pliki PDF lub obrazy</translation>
    </message>
    <message>
        <source>or click to open. Images become pages of a new PDF.</source>
        <translation>albo kliknij, aby otworzyć. Obrazy stają się stronami nowego pliku PDF.</translation>
    </message>
</context>
<context>
    <name>ExportImagesSheet</name>
    <message>
        <source>%1 page %2</source>
        <extracomment>The name of one exported picture: %1 the document&apos;s name, %2 the page number.</extracomment>
        <translation>%1 strona %2</translation>
    </message>
    <message>
        <source>Export Pages as Images</source>
        <translation>Eksportuj strony jako obrazy</translation>
    </message>
    <message>
        <source>The selected page.</source>
        <translation>Zaznaczona strona.</translation>
    </message>
    <message numerus="yes">
        <source>The %n selected pages.</source>
        <translation>
            <numerusform>%n zaznaczona strona.</numerusform>
            <numerusform>%n zaznaczone strony.</numerusform>
            <numerusform>%n zaznaczonych stron.</numerusform>
        </translation>
    </message>
    <message>
        <source>The one page.</source>
        <translation>Jedyna strona.</translation>
    </message>
    <message numerus="yes">
        <source>All %n pages.</source>
        <translation>
            <numerusform>%n strona.</numerusform>
            <numerusform>Wszystkie %n strony.</numerusform>
            <numerusform>Wszystkie %n stron.</numerusform>
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
        <translation>Rozdzielczość</translation>
    </message>
    <message>
        <source>Screen (100 dpi)</source>
        <translation>Ekran (100 dpi)</translation>
    </message>
    <message>
        <source>Good (200 dpi)</source>
        <translation>Dobra (200 dpi)</translation>
    </message>
    <message>
        <source>Print (300 dpi)</source>
        <translation>Druk (300 dpi)</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Eksportuj…</translation>
    </message>
    <message>
        <source>Export Here</source>
        <translation>Eksportuj tutaj</translation>
    </message>
    <message>
        <source>Exporting…</source>
        <translation>Eksportowanie…</translation>
    </message>
</context>
<context>
    <name>FilePanels</name>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>PDFs and pictures (%1)</source>
        <translation>Pliki PDF i obrazy (%1)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
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
        <translation>Niezapisany</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>FileWriting</name>
    <message>
        <source>“%1” couldn&apos;t be saved because the disk is full.</source>
        <translation>Nie można zapisać „%1”, bo dysk jest pełny.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because it is too large for that disk.</source>
        <translation>Nie można zapisać „%1”, bo plik jest za duży dla tego dysku.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because you don&apos;t have permission to write in that folder.</source>
        <translation>Nie można zapisać „%1”, bo nie masz uprawnień do zapisu w tym folderze.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because that disk is read-only.</source>
        <translation>Nie można zapisać „%1”, bo ten dysk jest tylko do odczytu.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because the name is too long.</source>
        <translation>Nie można zapisać „%1”, bo nazwa jest za długa.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because its folder doesn&apos;t exist.</source>
        <translation>Nie można zapisać „%1”, bo jego folder nie istnieje.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because a folder of that name is in the way.</source>
        <translation>Nie można zapisać „%1”, bo przeszkadza folder o tej nazwie.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved (%2).</source>
        <translation>Nie można zapisać „%1” (%2).</translation>
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
        <translation>Tamsel dla Linuksa</translation>
    </message>
    <message>
        <source>PDF tools, signatures and stamps, QR codes. Private by design · 100% on-device.</source>
        <translation>Narzędzia PDF, podpisy i pieczątki, kody QR. Prywatność w założeniu · 100% na urządzeniu.</translation>
    </message>
    <message>
        <source>Sign &amp; Stamp</source>
        <translation>Podpisz i opieczętuj</translation>
    </message>
    <message>
        <source>Put your signature, initials or a company seal on any page, or on all of them.</source>
        <translation>Umieść swój podpis, parafę lub pieczątkę firmy na dowolnej stronie albo na wszystkich.</translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>Kompresuj</translation>
    </message>
    <message>
        <source>Original, Medium, Small, or up to the size a website or email asks for.</source>
        <translation>Oryginał, Średni, Mały albo do rozmiaru, jakiego wymaga strona lub e-mail.</translation>
    </message>
    <message>
        <source>Merge PDFs</source>
        <translation>Scal pliki PDF</translation>
    </message>
    <message>
        <source>Join PDFs and images in the order you set.</source>
        <translation>Połącz pliki PDF i obrazy w wybranej kolejności.</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Podziel</translation>
    </message>
    <message>
        <source>By page ranges like 1-3, 5, 8-10, every few pages or page by page.</source>
        <translation>Według zakresów stron, np. 1-3, 5, 8-10, co kilka stron lub strona po stronie.</translation>
    </message>
    <message>
        <source>Read QR Codes</source>
        <translation>Odczytaj kody QR</translation>
    </message>
    <message>
        <source>From pictures, screenshots and every page of a PDF.</source>
        <translation>Z obrazów, zrzutów ekranu i każdej strony pliku PDF.</translation>
    </message>
    <message>
        <source>Images to PDF</source>
        <translation>Obrazy do PDF</translation>
    </message>
    <message>
        <source>Photos and scans as pages of one PDF, in name order.</source>
        <translation>Zdjęcia i skany jako strony jednego pliku PDF, w kolejności nazw.</translation>
    </message>
    <message>
        <source>No ads. No tracking. No account.</source>
        <translation>Bez reklam. Bez śledzenia. Bez konta.</translation>
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
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Otwórz…</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Zapisz jako…</translation>
    </message>
    <message>
        <source>Close File</source>
        <translation>Zamknij plik</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Po&amp;moc</translation>
    </message>
    <message>
        <source>About Tamsel</source>
        <translation>O programie Tamsel</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Sprawdź aktualizacje…</translation>
    </message>
    <message>
        <source>Support the Developer…</source>
        <translation>Wesprzyj twórcę…</translation>
    </message>
    <message>
        <source>Changes in %1 aren&apos;t saved. Use Save As… to keep them.</source>
        <translation>Zmiany w %1 nie są zapisane. Użyj „Zapisz jako…”, aby je zachować.</translation>
    </message>
    <message>
        <source>Stop and quit?</source>
        <translation>Przerwać i zakończyć?</translation>
    </message>
    <message>
        <source>Tamsel is still working (%1). Quitting stops that work; nothing half-written is kept.</source>
        <translation>Tamsel wciąż pracuje (%1). Zakończenie przerwie tę pracę; nic niedokończonego nie zostanie zachowane.</translation>
    </message>
    <message>
        <source>Quit without saving?</source>
        <translation>Zakończyć bez zapisywania?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Quit Anyway</source>
        <translation>Zakończ mimo to</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
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
        <translation>1 strona</translation>
    </message>
    <message numerus="yes">
        <source>%n pages</source>
        <translation>
            <numerusform>%n strona</numerusform>
            <numerusform>%n strony</numerusform>
            <numerusform>%n stron</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 plik</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n plik</numerusform>
            <numerusform>%n pliki</numerusform>
            <numerusform>%n plików</numerusform>
        </translation>
    </message>
    <message>
        <source>Drag to reorder</source>
        <translation>Przeciągnij, aby zmienić kolejność</translation>
    </message>
    <message>
        <source>Remove from the list</source>
        <translation>Usuń z listy</translation>
    </message>
    <message>
        <source>Merge PDFs</source>
        <translation>Scal pliki PDF</translation>
    </message>
    <message>
        <source>Drop PDFs and images here, drag them into order, then Merge. Open files join as they are now, with their turns, removed pages and stamps.</source>
        <translation>Upuść tutaj pliki PDF i obrazy, ułóż je w kolejności i scal. Otwarte pliki dołączają w obecnym stanie, z obrotami, usuniętymi stronami i pieczątkami.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Drop files to merge</source>
        <translation>Upuść pliki do scalenia</translation>
    </message>
    <message>
        <source>Two or more PDFs or images</source>
        <translation>Dwa lub więcej plików PDF lub obrazów</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Merge…</source>
        <translation>Scal…</translation>
    </message>
    <message>
        <source>Add Files…</source>
        <translation>Dodaj pliki…</translation>
    </message>
</context>
<context>
    <name>NewStampMenu</name>
    <message>
        <source>From an Image File…</source>
        <translation>Z pliku obrazu…</translation>
    </message>
    <message>
        <source>Draw with Trackpad or Mouse…</source>
        <translation>Narysuj gładzikiem lub myszą…</translation>
    </message>
    <message>
        <source>Ready Stamps…</source>
        <translation>Gotowe pieczątki…</translation>
    </message>
    <message>
        <source>New Signature or Stamp</source>
        <translation>Nowy podpis lub pieczątka</translation>
    </message>
    <message>
        <source>Choose a photo or scan of your signature or stamp</source>
        <translation>Wybierz zdjęcie lub skan podpisu albo pieczątki</translation>
    </message>
</context>
<context>
    <name>NewStampSheet</name>
    <message>
        <source>Draw Your Signature</source>
        <translation>Narysuj podpis</translation>
    </message>
    <message>
        <source>Ready Stamps</source>
        <translation>Gotowe pieczątki</translation>
    </message>
    <message>
        <source>New Signature or Stamp</source>
        <translation>Nowy podpis lub pieczątka</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>The checkerboard is what stays transparent on the page.</source>
        <translation>Szachownica oznacza to, co na stronie pozostanie przezroczyste.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Removing the paper…</source>
        <translation>Usuwanie tła papieru…</translation>
    </message>
    <message>
        <source>The signature or stamp couldn&apos;t be saved. Try again.</source>
        <translation>Nie można zapisać podpisu lub pieczątki. Spróbuj ponownie.</translation>
    </message>
</context>
<context>
    <name>PDFEngine</name>
    <message>
        <source>A page of this file can&apos;t be read anymore. Open the file again.</source>
        <translation>Nie można już odczytać strony tego pliku. Otwórz plik ponownie.</translation>
    </message>
    <message>
        <source>The PDF couldn&apos;t be made. Try again.</source>
        <translation>Nie można utworzyć pliku PDF. Spróbuj ponownie.</translation>
    </message>
    <message>
        <source>The pages of this file are damaged in a way that stops them being copied. It can only be saved as pictures of its pages.</source>
        <translation>Strony tego pliku są uszkodzone w sposób uniemożliwiający ich skopiowanie. Można go zapisać tylko jako obrazy stron.</translation>
    </message>
    <message>
        <source>Reading the PDF took too long and was stopped. A page of the file may be damaged.</source>
        <translation>Odczyt pliku PDF trwał zbyt długo i został przerwany. Strona pliku może być uszkodzona.</translation>
    </message>
    <message>
        <source>Reading the PDF failed because a part of the file is damaged.</source>
        <translation>Nie można odczytać pliku PDF, bo część pliku jest uszkodzona.</translation>
    </message>
    <message>
        <source>The PDF needs more memory than Tamsel may use for one file.</source>
        <translation>Plik PDF wymaga więcej pamięci, niż Tamsel może użyć na jeden plik.</translation>
    </message>
    <message>
        <source>This PDF failed to be read several times, so Tamsel doesn&apos;t try again.</source>
        <translation>Odczyt tego pliku PDF kilka razy się nie powiódł, więc Tamsel nie próbuje ponownie.</translation>
    </message>
    <message>
        <source>Tamsel&apos;s PDF reader can&apos;t be started. Install Tamsel again.</source>
        <translation>Nie można uruchomić czytnika PDF programu Tamsel. Zainstaluj Tamsel ponownie.</translation>
    </message>
    <message>
        <source>A page is too large for a picture at this resolution. Choose a lower resolution.</source>
        <translation>Strona jest zbyt duża na obraz w tej rozdzielczości. Wybierz niższą rozdzielczość.</translation>
    </message>
    <message>
        <source>It was moved or deleted.</source>
        <translation>Plik został przeniesiony lub usunięty.</translation>
    </message>
</context>
<context>
    <name>PageGrid</name>
    <message>
        <source>Has signatures or stamps</source>
        <translation>Zawiera podpisy lub pieczątki</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Obróć w lewo</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>Obróć w prawo</translation>
    </message>
    <message>
        <source>Sign &amp; Stamp</source>
        <translation>Podpisz i opieczętuj</translation>
    </message>
    <message>
        <source>Extract…</source>
        <translation>Wyodrębnij…</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
</context>
<context>
    <name>PageImage</name>
    <message>
        <source>Can&apos;t be shown</source>
        <translation>Nie można wyświetlić</translation>
    </message>
</context>
<context>
    <name>PageListModel</name>
    <message>
        <source>Page %1</source>
        <translation>Strona %1</translation>
    </message>
</context>
<context>
    <name>PasswordPrompt</name>
    <message>
        <source>“%1” is locked</source>
        <translation>„%1” jest zablokowany</translation>
    </message>
    <message>
        <source>That password didn&apos;t open it. Try again.</source>
        <translation>To hasło go nie otworzyło. Spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Enter its password to open it. The password stays on this computer.</source>
        <translation>Wpisz hasło, aby go otworzyć. Hasło pozostaje na tym komputerze.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
</context>
<context>
    <name>PasswordSheet</name>
    <message>
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
    <message>
        <source>“%1” is protected with a password. Save a copy that opens without it, or a copy with a new one.</source>
        <translation>„%1” jest chroniony hasłem. Zapisz kopię, która otwiera się bez hasła, albo kopię z nowym hasłem.</translation>
    </message>
    <message>
        <source>Save a Copy without Password…</source>
        <translation>Zapisz kopię bez hasła…</translation>
    </message>
    <message>
        <source>Save a copy that asks for this password to open. Keep it somewhere safe: it can&apos;t be recovered.</source>
        <translation>Zapisz kopię, która przy otwieraniu prosi o to hasło. Przechowuj je w bezpiecznym miejscu: nie da się go odzyskać.</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Nowe hasło</translation>
    </message>
    <message>
        <source>Repeat password</source>
        <translation>Powtórz hasło</translation>
    </message>
    <message>
        <source>The passwords don&apos;t match.</source>
        <translation>Hasła nie są zgodne.</translation>
    </message>
    <message>
        <source>Save Protected Copy…</source>
        <translation>Zapisz chronioną kopię…</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Zapisywanie…</translation>
    </message>
    <message>
        <source>%1 (protected)</source>
        <extracomment>The name offered for the copy: %1 the document&apos;s name.</extracomment>
        <translation>%1 (chroniony)</translation>
    </message>
    <message>
        <source>%1 (no password)</source>
        <translation>%1 (bez hasła)</translation>
    </message>
</context>
<context>
    <name>PlacedStamp</name>
    <message>
        <source>Drag to turn</source>
        <translation>Przeciągnij, aby obrócić</translation>
    </message>
    <message>
        <source>Drag to resize</source>
        <translation>Przeciągnij, aby zmienić rozmiar</translation>
    </message>
</context>
<context>
    <name>ProcessRunner</name>
    <message>
        <source>The tool didn&apos;t answer in time.</source>
        <extracomment>Error when a command-line tool times out</extracomment>
        <translation>Narzędzie nie odpowiedziało na czas.</translation>
    </message>
    <message>
        <source>Exit code %1</source>
        <extracomment>Error of a command-line tool that gave no message</extracomment>
        <translation>Kod wyjścia %1</translation>
    </message>
</context>
<context>
    <name>ReadyStamp</name>
    <message>
        <source>APPROVED</source>
        <translation>ZATWIERDZONO</translation>
    </message>
    <message>
        <source>PAID</source>
        <translation>ZAPŁACONO</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>KOPIA</translation>
    </message>
    <message>
        <source>CONFIDENTIAL</source>
        <translation>POUFNE</translation>
    </message>
    <message>
        <source>DRAFT</source>
        <translation>SZKIC</translation>
    </message>
    <message>
        <source>RECEIVED</source>
        <translation>OTRZYMANO</translation>
    </message>
</context>
<context>
    <name>ReadyStampsPicker</name>
    <message>
        <source>Red</source>
        <translation>Czerwony</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Niebieski</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Czarny</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Kolor</translation>
    </message>
    <message>
        <source>Add today&apos;s date</source>
        <translation>Dodaj dzisiejszą datę</translation>
    </message>
    <message>
        <source>Your own word, like PAID IN CASH</source>
        <translation>Własne słowo, np. ZAPŁACONO GOTÓWKĄ</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
</context>
<context>
    <name>RootView</name>
    <message>
        <source>Support Tamsel</source>
        <translation>Wesprzyj Tamsel</translation>
    </message>
    <message>
        <source>Support the developer</source>
        <translation>Wesprzyj twórcę</translation>
    </message>
    <message>
        <source>About Tamsel</source>
        <translation>O programie Tamsel</translation>
    </message>
    <message>
        <source>About, updates, privacy and support</source>
        <translation>Informacje, aktualizacje, prywatność i wsparcie</translation>
    </message>
    <message>
        <source>Something went wrong</source>
        <translation>Coś poszło nie tak</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save changes to “%1”?</source>
        <translation>Zapisać zmiany w „%1”?</translation>
    </message>
    <message>
        <source>Your changes will be lost if you close it without saving. The original file stays as it was.</source>
        <translation>Jeśli zamkniesz bez zapisywania, zmiany zostaną utracone. Oryginalny plik pozostanie bez zmian.</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Zapisz jako…</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Nie zapisuj</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Save as Pictures</source>
        <translation>Zapisz jako obrazy</translation>
    </message>
    <message>
        <source>Hide Sidebar</source>
        <translation>Ukryj pasek boczny</translation>
    </message>
    <message>
        <source>Show Sidebar</source>
        <translation>Pokaż pasek boczny</translation>
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
        <translation>Kopiuj link</translation>
    </message>
    <message>
        <source>Link copied</source>
        <translation>Skopiowano link</translation>
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
        <translation>od Vornel Apps</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Pliki</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Otwórz…</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Narzędzia</translation>
    </message>
    <message>
        <source>Merge PDFs</source>
        <translation>Scal pliki PDF</translation>
    </message>
    <message>
        <source>Signatures &amp; Stamps</source>
        <translation>Podpisy i pieczątki</translation>
    </message>
    <message>
        <source>QR Codes</source>
        <translation>Kody QR</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Zapisz jako…</translation>
    </message>
    <message>
        <source>Add to Merge</source>
        <translation>Dodaj do scalania</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>SignView</name>
    <message>
        <source>Pages</source>
        <translation>Strony</translation>
    </message>
    <message>
        <source>Back to all pages</source>
        <translation>Wróć do wszystkich stron</translation>
    </message>
    <message>
        <source>Sign &amp; Stamp</source>
        <translation>Podpisz i opieczętuj</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Zapisz jako…</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Poprzednia strona</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Następna strona</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Strona %1 z %2</translation>
    </message>
</context>
<context>
    <name>SplitSheet</name>
    <message>
        <source>Split “%1”</source>
        <translation>Podziel „%1”</translation>
    </message>
    <message>
        <source>By page ranges</source>
        <translation>Według zakresów stron</translation>
    </message>
    <message>
        <source>Every few pages</source>
        <translation>Co kilka stron</translation>
    </message>
    <message>
        <source>Page by page</source>
        <translation>Strona po stronie</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Podziel</translation>
    </message>
    <message>
        <source>For example: 1-3, 5, 8-10</source>
        <translation>Na przykład: 1-3, 5, 8-10</translation>
    </message>
    <message>
        <source>Each range becomes its own PDF. Pages 1 to %1.</source>
        <translation>Każdy zakres staje się osobnym plikiem PDF. Strony od 1 do %1.</translation>
    </message>
    <message>
        <source>Pages per file</source>
        <translation>Stron na plik</translation>
    </message>
    <message numerus="yes">
        <source>Each of the %n pages becomes its own PDF.</source>
        <translation>
            <numerusform>%n strona staje się osobnym plikiem PDF.</numerusform>
            <numerusform>Każda z %n stron staje się osobnym plikiem PDF.</numerusform>
            <numerusform>Każda z %n stron staje się osobnym plikiem PDF.</numerusform>
        </translation>
    </message>
    <message>
        <source>Split…</source>
        <translation>Podziel…</translation>
    </message>
    <message numerus="yes">
        <source>A new file every %n pages</source>
        <translation>
            <numerusform>Nowy plik co %n stronę</numerusform>
            <numerusform>Nowy plik co %n strony</numerusform>
            <numerusform>Nowy plik co %n stron</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Makes %n files: %1</source>
        <translation>
            <numerusform>Powstanie %n plik: %1</numerusform>
            <numerusform>Powstaną %n pliki: %1</numerusform>
            <numerusform>Powstanie %n plików: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Use page numbers from 1 to %1, like 1-3, 5.</source>
        <translation>Użyj numerów stron od 1 do %1, np. 1-3, 5.</translation>
    </message>
    <message>
        <source>Split Here</source>
        <translation>Podziel tutaj</translation>
    </message>
    <message>
        <source>Splitting…</source>
        <translation>Dzielenie…</translation>
    </message>
</context>
<context>
    <name>StampLibrary</name>
    <message>
        <source>Signature</source>
        <translation>Podpis</translation>
    </message>
    <message>
        <source>Stamp</source>
        <translation>Pieczątka</translation>
    </message>
    <message>
        <source>The signature or stamp couldn&apos;t be saved. Try again.</source>
        <translation>Nie można zapisać podpisu lub pieczątki. Spróbuj ponownie.</translation>
    </message>
    <message>
        <source>The change couldn&apos;t be saved. Try again.</source>
        <translation>Nie można zapisać zmiany. Spróbuj ponownie.</translation>
    </message>
</context>
<context>
    <name>StampLibraryPanel</name>
    <message>
        <source>Put on this page</source>
        <translation>Umieść na tej stronie</translation>
    </message>
    <message>
        <source>Signatures &amp; Stamps</source>
        <translation>Podpisy i pieczątki</translation>
    </message>
    <message>
        <source>Add your signature or a company seal once; it stays in Tamsel on this computer for every document.</source>
        <translation>Dodaj swój podpis lub pieczątkę firmy raz; zostanie w Tamsel na tym komputerze dla każdego dokumentu.</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Kąt</translation>
    </message>
    <message>
        <source>Add to All Pages</source>
        <translation>Dodaj do wszystkich stron</translation>
    </message>
    <message>
        <source>Remove from Page</source>
        <translation>Usuń ze strony</translation>
    </message>
    <message>
        <source>Or paste a photo or scan with Ctrl+V, or drop one here.</source>
        <translation>Albo wklej zdjęcie lub skan skrótem Ctrl+V, albo upuść go tutaj.</translation>
    </message>
</context>
<context>
    <name>StampMaker</name>
    <message>
        <source>This image can&apos;t be read.</source>
        <translation>Nie można odczytać tego obrazu.</translation>
    </message>
    <message>
        <source>No signature or stamp found. Try a photo of it on white paper.</source>
        <translation>Nie znaleziono podpisu ani pieczątki. Spróbuj ze zdjęciem na białym papierze.</translation>
    </message>
</context>
<context>
    <name>StampsView</name>
    <message>
        <source>Rename or delete</source>
        <translation>Zmień nazwę lub usuń</translation>
    </message>
    <message>
        <source>Rename or delete “%1”</source>
        <translation>Zmień nazwę lub usuń „%1”</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>Zmień nazwę…</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>Usuń…</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Zmień nazwę</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Signatures &amp; Stamps</source>
        <translation>Podpisy i pieczątki</translation>
    </message>
    <message>
        <source>Your signature, initials or a company seal, with the paper removed automatically. They stay only on this computer. Tamsel puts your own images on documents; it doesn&apos;t make a signature legally binding by itself.</source>
        <translation>Twój podpis, parafa lub pieczątka firmy, z automatycznie usuniętym tłem papieru. Pozostają tylko na tym komputerze. Tamsel umieszcza Twoje własne obrazy na dokumentach; samo to nie czyni podpisu prawnie wiążącym.</translation>
    </message>
    <message>
        <source>No signatures or stamps yet</source>
        <translation>Nie ma jeszcze podpisów ani pieczątek</translation>
    </message>
    <message>
        <source>Sign a white sheet of paper or stamp it, then take a photo of it and choose the photo or a scan. You can also draw with the trackpad or pick a ready stamp like PAID or APPROVED.</source>
        <translation>Podpisz lub opieczętuj białą kartkę papieru, zrób jej zdjęcie i wybierz zdjęcie lub skan. Możesz też narysować podpis gładzikiem albo wybrać gotową pieczątkę, np. ZAPŁACONO lub ZATWIERDZONO.</translation>
    </message>
    <message>
        <source>Tamsel</source>
        <translation>Tamsel</translation>
    </message>
    <message>
        <source>Delete “%1”?</source>
        <translation>Usunąć „%1”?</translation>
    </message>
    <message>
        <source>It also leaves pages open in Tamsel. Files you already saved keep it.</source>
        <translation>Zniknie też ze stron otwartych w Tamsel. Pliki, które już zapisano, go zachowają.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
</context>
<context>
    <name>SupportView</name>
    <message>
        <source>Done! Support Tamsel?</source>
        <translation>Gotowe! Wesprzesz Tamsel?</translation>
    </message>
    <message>
        <source>Support Tamsel</source>
        <translation>Wesprzyj Tamsel</translation>
    </message>
    <message>
        <source>Tamsel is free: no ads, no tracking, no subscription. If it saved you time, you can thank the developer with crypto. Any amount helps keep it free.</source>
        <translation>Tamsel jest darmowy: bez reklam, bez śledzenia, bez subskrypcji. Jeśli zaoszczędził Ci czas, możesz podziękować twórcy kryptowalutą. Każda kwota pomaga utrzymać go za darmo.</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Sieć</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Wysyłaj</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Send only on the networks listed above. Coins sent on another network can&apos;t be recovered.</source>
        <translation>Wysyłaj tylko w sieciach wymienionych powyżej. Monet wysłanych w innej sieci nie da się odzyskać.</translation>
    </message>
    <message>
        <source>The same addresses are on %1/donate.</source>
        <translation>Te same adresy są na %1/donate.</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Nie teraz</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>QR code of the %1 address</source>
        <translation>Kod QR adresu %1</translation>
    </message>
    <message>
        <source>Address copied</source>
        <translation>Skopiowano adres</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Skopiowano</translation>
    </message>
    <message>
        <source>Copy Address</source>
        <translation>Kopiuj adres</translation>
    </message>
    <message>
        <source>This copy of Tamsel was built without donation addresses. The developer&apos;s are on %1/donate.</source>
        <translation>Ta kopia Tamsel została zbudowana bez adresów do darowizn. Adresy dewelopera są na %1/donate.</translation>
    </message>
</context>
<context>
    <name>TellAFriendView</name>
    <message>
        <source>Tell a friend</source>
        <translation>Poleć znajomemu</translation>
    </message>
    <message>
        <source>Like Tamsel? Tell a friend.</source>
        <translation>Lubisz Tamsel? Poleć go znajomemu.</translation>
    </message>
    <message>
        <source>Tamsel is free: no ads, no tracking. We don&apos;t buy ads, so friends telling friends is how people find it.</source>
        <translation>Tamsel jest darmowy: bez reklam, bez śledzenia. Nie kupujemy reklam, więc ludzie poznają go dzięki temu, że znajomi polecają go znajomym.</translation>
    </message>
    <message>
        <source>Your friend gets this message:</source>
        <translation>Twój znajomy dostanie taką wiadomość:</translation>
    </message>
    <message>
        <source>You choose the app and the friend; we never see who.</source>
        <translation>To Ty wybierasz aplikację i znajomego; my nigdy nie widzimy, kogo.</translation>
    </message>
    <message>
        <source>Share…</source>
        <translation>Udostępnij…</translation>
    </message>
    <message>
        <source>Tamsel for Linux: free PDF tools, signatures and stamps, QR codes. Everything stays on your computer.</source>
        <comment>The message shared with a friend, followed by the link to the app&apos;s page.</comment>
        <translation>Tamsel dla Linuksa: darmowe narzędzia PDF, podpisy i pieczątki, kody QR. Wszystko zostaje na Twoim komputerze.</translation>
    </message>
    <message>
        <source>Message copied</source>
        <translation>Skopiowano wiadomość</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Skopiowano</translation>
    </message>
    <message>
        <source>Copy Message</source>
        <translation>Kopiuj wiadomość</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Nie teraz</translation>
    </message>
</context>
<context>
    <name>ToastView</name>
    <message>
        <source>Show in Folder</source>
        <translation>Pokaż w folderze</translation>
    </message>
</context>
<context>
    <name>ToolSheetFrame</name>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>The update information isn&apos;t available right now. Try again later.</source>
        <extracomment>Check for Updates error</extracomment>
        <translation>Informacje o aktualizacji są teraz niedostępne. Spróbuj później.</translation>
    </message>
    <message>
        <source>Couldn&apos;t check for updates: %1</source>
        <extracomment>Check for Updates error. The placeholder is the system&apos;s error message.</extracomment>
        <translation>Nie można sprawdzić aktualizacji: %1</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation>Nie można odczytać danych, bo mają nieprawidłowy format.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation>Nie można odczytać danych, bo ich brakuje.</translation>
    </message>
    <message>
        <source>The update information is too large.</source>
        <translation>Informacje o aktualizacji są za duże.</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>Upłynął limit czasu żądania.</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>The request timed out.</source>
        <translation>Upłynął limit czasu żądania.</translation>
    </message>
    <message>
        <source>moved permanently</source>
        <translation>przeniesiono na stałe</translation>
    </message>
    <message>
        <source>found</source>
        <translation>znaleziono</translation>
    </message>
    <message>
        <source>not modified</source>
        <translation>nie zmodyfikowano</translation>
    </message>
    <message>
        <source>bad request</source>
        <translation>nieprawidłowe żądanie</translation>
    </message>
    <message>
        <source>unauthorized</source>
        <translation>brak autoryzacji</translation>
    </message>
    <message>
        <source>forbidden</source>
        <translation>zabronione</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>nie znaleziono</translation>
    </message>
    <message>
        <source>method not allowed</source>
        <translation>niedozwolona metoda</translation>
    </message>
    <message>
        <source>request timed out</source>
        <translation>przekroczono czas żądania</translation>
    </message>
    <message>
        <source>no longer exists</source>
        <translation>już nie istnieje</translation>
    </message>
    <message>
        <source>too many requests</source>
        <translation>zbyt wiele żądań</translation>
    </message>
    <message>
        <source>internal server error</source>
        <translation>wewnętrzny błąd serwera</translation>
    </message>
    <message>
        <source>unimplemented</source>
        <translation>nie zaimplementowano</translation>
    </message>
    <message>
        <source>bad gateway</source>
        <translation>nieprawidłowa brama</translation>
    </message>
    <message>
        <source>service unavailable</source>
        <translation>usługa niedostępna</translation>
    </message>
    <message>
        <source>gateway timed out</source>
        <translation>przekroczono czas bramy</translation>
    </message>
    <message>
        <source>informational</source>
        <translation>informacyjny</translation>
    </message>
    <message>
        <source>success</source>
        <translation>sukces</translation>
    </message>
    <message>
        <source>redirected</source>
        <translation>przekierowano</translation>
    </message>
    <message>
        <source>client error</source>
        <translation>błąd klienta</translation>
    </message>
    <message>
        <source>server error</source>
        <translation>błąd serwera</translation>
    </message>
    <message>
        <source>Couldn&apos;t install the update (%1). This copy is now “%2” in the same folder: rename it back to Tamsel.</source>
        <extracomment>Install and Relaunch error when the old copy couldn&apos;t get its name back. Placeholders: the system&apos;s message, the app&apos;s current file name.</extracomment>
        <translation>Nie można zainstalować aktualizacji (%1). Ta kopia nazywa się teraz „%2” w tym samym folderze: zmień jej nazwę z powrotem na Tamsel.</translation>
    </message>
    <message>
        <source>Couldn&apos;t install the update (%1). This copy wasn&apos;t changed.</source>
        <extracomment>Install and Relaunch error. The placeholder is the system&apos;s or a tool&apos;s message.</extracomment>
        <translation>Nie można zainstalować aktualizacji (%1). Ta kopia nie została zmieniona.</translation>
    </message>
    <message>
        <source>The downloaded update didn&apos;t pass the check. This copy wasn&apos;t changed.</source>
        <extracomment>Install and Relaunch error</extracomment>
        <translation>Pobrana aktualizacja nie przeszła weryfikacji. Ta kopia nie została zmieniona.</translation>
    </message>
    <message>
        <source>The download is larger than expected.</source>
        <extracomment>Install and Relaunch error, inside &quot;Couldn&apos;t install the update (…)&quot;: the server sent more than the update&apos;s size.</extracomment>
        <translation>Pobierany plik jest większy, niż oczekiwano.</translation>
    </message>
    <message>
        <source>There isn&apos;t enough free space for the update.</source>
        <extracomment>Install and Relaunch error, inside &quot;Couldn&apos;t install the update (…)&quot;.</extracomment>
        <translation>Za mało wolnego miejsca na aktualizację.</translation>
    </message>
</context>
</TS>
