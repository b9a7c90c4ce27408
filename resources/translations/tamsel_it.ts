<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AboutView</name>
    <message>
        <source>About Tamsel</source>
        <translation>Informazioni su Tamsel</translation>
    </message>
    <message>
        <source>Tamsel for Linux</source>
        <translation>Tamsel per Linux</translation>
    </message>
    <message>
        <source>Version %1 (%2) · by Vornel Apps</source>
        <translation>Versione %1 (%2) · di Vornel Apps</translation>
    </message>
    <message>
        <source>Help &amp; legal</source>
        <translation>Aiuto e note legali</translation>
    </message>
    <message>
        <source>Follow us</source>
        <translation>Seguici</translation>
    </message>
    <message>
        <source>More from Vornel Apps</source>
        <translation>Altro da Vornel Apps</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Aggiornamenti</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Controlla aggiornamenti</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Same as system</source>
        <translation>Come il sistema</translation>
    </message>
    <message>
        <source>Restart Tamsel</source>
        <translation>Riavvia Tamsel</translation>
    </message>
    <message>
        <source>Free, with optional support</source>
        <translation>Gratuito, con supporto facoltativo</translation>
    </message>
    <message>
        <source>No ads, no tracking, no account, no subscription. Everything runs on your computer. If Tamsel helps, you can support the developer with crypto.</source>
        <translation>Niente pubblicità, niente tracciamento, niente account, niente abbonamento. Tutto funziona sul tuo computer. Se Tamsel ti è utile, puoi sostenere lo sviluppatore con criptovalute.</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Sostieni</translation>
    </message>
    <message>
        <source>Tell a friend</source>
        <translation>Consiglialo a un amico</translation>
    </message>
    <message>
        <source>Tamsel spends nothing on ads, so people telling people is how it grows. Share a link to its page; nothing is sent unless you choose where.</source>
        <translation>Tamsel non spende nulla in pubblicità: cresce grazie al passaparola. Condividi un link alla sua pagina; non viene inviato nulla finché non scegli dove.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Condividi</translation>
    </message>
    <message>
        <source>Write to Support</source>
        <translation>Scrivi all’assistenza</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>Informativa sulla privacy</translation>
    </message>
    <message>
        <source>Terms of Use</source>
        <translation>Condizioni d’uso</translation>
    </message>
    <message>
        <source>X (developer)</source>
        <comment>Link to the developer&apos;s account on X</comment>
        <translation>X (sviluppatore)</translation>
    </message>
    <message>
        <source>Our other apps</source>
        <translation>Le nostre altre app</translation>
    </message>
    <message>
        <source>Tamsel checks only when you ask. It reads one file on %1 and sends nothing about your computer.</source>
        <translation>Tamsel controlla solo quando lo chiedi. Legge un solo file su %1 e non invia nulla sul tuo computer.</translation>
    </message>
    <message>
        <source>You have the latest version.</source>
        <translation>Hai la versione più recente.</translation>
    </message>
    <message>
        <source>Version %1 is available.</source>
        <translation>È disponibile la versione %1.</translation>
    </message>
    <message>
        <source>Downloading and checking the update…</source>
        <translation>Download e verifica dell’aggiornamento…</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Scarica</translation>
    </message>
    <message>
        <source>Tamsel switches to the new language after a restart. Save or close the files with changes first.</source>
        <translation>Tamsel passerà alla nuova lingua dopo il riavvio. Prima salva o chiudi i file con modifiche.</translation>
    </message>
    <message>
        <source>Tamsel switches to the new language after a restart.</source>
        <translation>Tamsel passerà alla nuova lingua dopo il riavvio.</translation>
    </message>
    <message>
        <source>Install and Relaunch</source>
        <translation>Installa e riavvia</translation>
    </message>
    <message>
        <source>Save or close the files with changes first: Tamsel restarts to finish the update.</source>
        <translation>Prima salva o chiudi i file con modifiche: Tamsel si riavvia per completare l’aggiornamento.</translation>
    </message>
</context>
<context>
    <name>AppModel</name>
    <message>
        <source>There&apos;s no picture on the clipboard. Copy a screenshot or an image first.</source>
        <translation>Negli appunti non c’è nessuna immagine. Copia prima uno screenshot o un’immagine.</translation>
    </message>
    <message>
        <source>A file needs at least one page. To get rid of it, close the file.</source>
        <translation>Un file deve avere almeno una pagina. Per eliminarlo, chiudi il file.</translation>
    </message>
    <message>
        <source>Tamsel opens PDFs and images.</source>
        <translation>Tamsel apre PDF e immagini.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be opened.</source>
        <translation>Impossibile aprire “%1”.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be opened. It may be damaged or not a PDF.</source>
        <translation>Impossibile aprire “%1”. Potrebbe essere danneggiato o non essere un PDF.</translation>
    </message>
    <message>
        <source>Choose PDFs or images</source>
        <translation>Scegli PDF o immagini</translation>
    </message>
    <message>
        <source>Saved “%1”</source>
        <translation>“%1” salvato</translation>
    </message>
    <message>
        <source>“%1” is open in Tamsel, so it can&apos;t be replaced. Save under another name.</source>
        <translation>“%1” è aperto in Tamsel, quindi non può essere sostituito. Salva con un altro nome.</translation>
    </message>
    <message>
        <source>“%1” wasn&apos;t saved because another task was still running. Try again when it has finished.</source>
        <translation>“%1” non è stato salvato perché un’altra operazione era ancora in corso. Riprova quando sarà terminata.</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Salvataggio…</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be used as a file name.</source>
        <translation>“%1” non può essere usato come nome file.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because the name is too long.</source>
        <translation>Impossibile salvare “%1” perché il nome è troppo lungo.</translation>
    </message>
    <message>
        <source>Merging…</source>
        <translation>Unione…</translation>
    </message>
    <message>
        <source>%1 (pages %2)</source>
        <extracomment>The name offered for a file of some pages: %1 the document&apos;s name, %2 the page numbers (&quot;1-3, 5&quot;).</extracomment>
        <translation>%1 (pagine %2)</translation>
    </message>
    <message>
        <source>%1 (merged)</source>
        <extracomment>The name offered for the merged file: %1 the first file&apos;s name.</extracomment>
        <translation>%1 (unito)</translation>
    </message>
    <message>
        <source>%1 (signed)</source>
        <extracomment>The name offered when saving: %1 the document&apos;s name.</extracomment>
        <translation>%1 (firmato)</translation>
    </message>
    <message>
        <source>%1 (edited)</source>
        <translation>%1 (modificato)</translation>
    </message>
    <message numerus="yes">
        <source>Added to all %n pages</source>
        <translation>
            <numerusform>Aggiunto a %n pagina</numerusform>
            <numerusform>Aggiunto a tutte le %n pagine</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Saved %n files</source>
        <translation>
            <numerusform>%n file salvato</numerusform>
            <numerusform>%n file salvati</numerusform>
        </translation>
    </message>
    <message>
        <source>The update is installed. Save your files, then quit and open Tamsel again to use it.</source>
        <translation>L’aggiornamento è installato. Salva i tuoi file, poi esci e riapri Tamsel per usarlo.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be opened. %2</source>
        <translation>Impossibile aprire “%1”. %2</translation>
    </message>
</context>
<context>
    <name>BusyOverlay</name>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
        <translation>Contatto</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefono</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Email</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Luogo</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Libro</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Prodotto</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>%1, page %2</source>
        <translation>%1, pagina %2</translation>
    </message>
    <message>
        <source>Not encrypted: the address starts with http, not https.</source>
        <translation>Non cifrato: l’indirizzo inizia con http, non https.</translation>
    </message>
    <message>
        <source>A bare number instead of a site name.</source>
        <translation>Un semplice numero invece del nome di un sito.</translation>
    </message>
    <message>
        <source>“%1” is not the site. The real site is %2.</source>
        <translation>“%1” non è il sito. Il sito reale è %2.</translation>
    </message>
    <message>
        <source>Letters from different alphabets: this address can imitate another site.</source>
        <translation>Lettere di alfabeti diversi: questo indirizzo può imitare un altro sito.</translation>
    </message>
    <message>
        <source>Special characters in the name can imitate another site.</source>
        <translation>I caratteri speciali nel nome possono imitare un altro sito.</translation>
    </message>
    <message>
        <source>Looks like %1, but the real site is %2.</source>
        <translation>Sembra %1, ma il sito reale è %2.</translation>
    </message>
    <message>
        <source>The real site is %1, not %2.</source>
        <translation>Il sito reale è %1, non %2.</translation>
    </message>
    <message>
        <source>A short link hides where it leads.</source>
        <translation>Un link abbreviato nasconde dove porta.</translation>
    </message>
    <message>
        <source>Real site: %1</source>
        <translation>Sito reale: %1</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>Apri nel browser</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Copia link</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Rete</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Copy Network Name</source>
        <translation>Copia nome rete</translation>
    </message>
    <message>
        <source>Copy Password</source>
        <translation>Copia password</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copiato</translation>
    </message>
</context>
<context>
    <name>CodeReading</name>
    <message>
        <source>Pasted image</source>
        <translation>Immagine incollata</translation>
    </message>
    <message>
        <source>No codes found in “%1”.</source>
        <translation>Nessun codice trovato in “%1”.</translation>
    </message>
    <message>
        <source>No codes found.</source>
        <translation>Nessun codice trovato.</translation>
    </message>
</context>
<context>
    <name>CodeSymbology</name>
    <message>
        <source>Barcode</source>
        <extracomment>Card title of a code whose kind is unknown</extracomment>
        <translation>Codice a barre</translation>
    </message>
</context>
<context>
    <name>CodesDropZone</name>
    <message>
        <source>Drop a picture or PDF here</source>
        <translation>Trascina qui un’immagine o un PDF</translation>
    </message>
    <message>
        <source>Or copy a screenshot (Print Screen) and paste it with Ctrl+V.</source>
        <translation>Oppure fai uno screenshot (Stamp) e incollalo con Ctrl+V.</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Apri…</translation>
    </message>
</context>
<context>
    <name>CodesView</name>
    <message>
        <source>QR Codes</source>
        <translation>Codici QR</translation>
    </message>
    <message>
        <source>Read QR codes and barcodes from pictures, screenshots and every page of a PDF. Everything is read on this computer.</source>
        <translation>Leggi codici QR e codici a barre da immagini, screenshot e ogni pagina di un PDF. Tutto viene letto su questo computer.</translation>
    </message>
    <message>
        <source>Reading…</source>
        <translation>Lettura…</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Interrompi</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Trovati</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>%1 Try a sharper or larger picture.</source>
        <extracomment>%1 says why no code was found in the picture.</extracomment>
        <translation>%1 Prova con un’immagine più nitida o più grande.</translation>
    </message>
</context>
<context>
    <name>CompressSheet</name>
    <message>
        <source>Compress “%1”</source>
        <translation>Comprimi “%1”</translation>
    </message>
    <message>
        <source>Sizes are measured on this computer: the file you save is exactly this size.</source>
        <translation>Le dimensioni sono misurate su questo computer: il file che salvi avrà esattamente questa dimensione.</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Originale</translation>
    </message>
    <message>
        <source>As it is now</source>
        <translation>Così com’è</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Sharp text, fits most email</source>
        <translation>Testo nitido, adatta alla maggior parte delle email</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Piccola</translation>
    </message>
    <message>
        <source>The smallest readable file</source>
        <translation>Il file leggibile più piccolo</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>Salva…</translation>
    </message>
    <message>
        <source>For websites and forms with a size limit</source>
        <translation>Per siti web e moduli con un limite di dimensione</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Limite</translation>
    </message>
    <message>
        <source>To fit, the pages became pictures: text in this copy can&apos;t be selected or searched. The original keeps its text.</source>
        <translation>Per rientrare, le pagine sono diventate immagini: il testo di questa copia non può essere selezionato né cercato. L’originale mantiene il testo.</translation>
    </message>
    <message>
        <source>Up to %1</source>
        <translation>Fino a %1</translation>
    </message>
    <message>
        <source>Can&apos;t get under %1. The smallest Tamsel can make is %2.</source>
        <translation>Impossibile scendere sotto %1. Il minimo che Tamsel riesce a ottenere è %2.</translation>
    </message>
    <message>
        <source>Pictures in this PDF can&apos;t get much smaller while it keeps its text. Up to %1 can turn the pages into pictures when that&apos;s the only way to fit.</source>
        <translation>Le immagini di questo PDF non possono ridursi molto mantenendo il testo. “Fino a %1” può trasformare le pagine in immagini quando è l’unico modo per rientrare.</translation>
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
        <translation>Firma e timbra</translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>Comprimi</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Dividi</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Insert, extract, export as images, merge</source>
        <translation>Inserisci, estrai, esporta come immagini, unisci</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Altro</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Salva con nome…</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Ruota a sinistra</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>Ruota a sinistra</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>Ruota a destra</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>Ruota a destra</translation>
    </message>
    <message>
        <source>Delete Pages</source>
        <translation>Elimina pagine</translation>
    </message>
    <message>
        <source>Delete the selected pages</source>
        <translation>Elimina le pagine selezionate</translation>
    </message>
    <message>
        <source>Drag to reorder. Drop PDFs or images to add pages. Save As… makes a new file; the original stays as it is.</source>
        <translation>Trascina per riordinare. Rilascia PDF o immagini per aggiungere pagine. “Salva con nome…” crea un nuovo file; l’originale resta com’è.</translation>
    </message>
    <message>
        <source>1 page</source>
        <translation>1 pagina</translation>
    </message>
    <message numerus="yes">
        <source>%n pages</source>
        <translation>
            <numerusform>%n pagina</numerusform>
            <numerusform>%n pagine</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n selected</source>
        <translation>
            <numerusform>%n selezionata</numerusform>
            <numerusform>%n selezionate</numerusform>
        </translation>
    </message>
    <message>
        <source>password</source>
        <translation>password</translation>
    </message>
    <message>
        <source>not saved</source>
        <translation>non salvato</translation>
    </message>
    <message>
        <source>Insert Pages from Files…</source>
        <translation>Inserisci pagine da file…</translation>
    </message>
    <message>
        <source>Extract All Pages…</source>
        <translation>Estrai tutte le pagine…</translation>
    </message>
    <message>
        <source>Extract Selected Pages…</source>
        <translation>Estrai le pagine selezionate…</translation>
    </message>
    <message>
        <source>Export Pages as Images…</source>
        <translation>Esporta pagine come immagini…</translation>
    </message>
    <message>
        <source>Add to Merge</source>
        <translation>Aggiungi all’unione</translation>
    </message>
</context>
<context>
    <name>DrawingPad</name>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Nero</translation>
    </message>
    <message>
        <source>Ink</source>
        <translation>Inchiostro</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Use This Signature</source>
        <translation>Usa questa firma</translation>
    </message>
</context>
<context>
    <name>DropZone</name>
    <message>
        <source>Drop PDFs or images here</source>
        <translation>Trascina qui PDF o immagini</translation>
    </message>
    <message>
        <source>or click to open. Images become pages of a new PDF.</source>
        <translation>oppure fai clic per aprire. Le immagini diventano pagine di un nuovo PDF.</translation>
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
        <translation>Esporta pagine come immagini</translation>
    </message>
    <message>
        <source>The selected page.</source>
        <translation>La pagina selezionata.</translation>
    </message>
    <message numerus="yes">
        <source>The %n selected pages.</source>
        <translation>
            <numerusform>La %n pagina selezionata.</numerusform>
            <numerusform>Le %n pagine selezionate.</numerusform>
        </translation>
    </message>
    <message>
        <source>The one page.</source>
        <translation>L’unica pagina.</translation>
    </message>
    <message numerus="yes">
        <source>All %n pages.</source>
        <translation>
            <numerusform>La %n pagina.</numerusform>
            <numerusform>Tutte le %n pagine.</numerusform>
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
        <translation>Formato</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Risoluzione</translation>
    </message>
    <message>
        <source>Screen (100 dpi)</source>
        <translation>Schermo (100 dpi)</translation>
    </message>
    <message>
        <source>Good (200 dpi)</source>
        <translation>Buona (200 dpi)</translation>
    </message>
    <message>
        <source>Print (300 dpi)</source>
        <translation>Stampa (300 dpi)</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Esporta…</translation>
    </message>
    <message>
        <source>Export Here</source>
        <translation>Esporta qui</translation>
    </message>
    <message>
        <source>Exporting…</source>
        <translation>Esportazione…</translation>
    </message>
</context>
<context>
    <name>FilePanels</name>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>PDFs and pictures (%1)</source>
        <translation>PDF e immagini (%1)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
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
        <translation>Non salvato</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>FileWriting</name>
    <message>
        <source>“%1” couldn&apos;t be saved because the disk is full.</source>
        <translation>Impossibile salvare “%1” perché il disco è pieno.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because it is too large for that disk.</source>
        <translation>Impossibile salvare “%1” perché è troppo grande per quel disco.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because you don&apos;t have permission to write in that folder.</source>
        <translation>Impossibile salvare “%1” perché non hai il permesso di scrivere in quella cartella.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because that disk is read-only.</source>
        <translation>Impossibile salvare “%1” perché quel disco è di sola lettura.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because the name is too long.</source>
        <translation>Impossibile salvare “%1” perché il nome è troppo lungo.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because its folder doesn&apos;t exist.</source>
        <translation>Impossibile salvare “%1” perché la sua cartella non esiste.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because a folder of that name is in the way.</source>
        <translation>Impossibile salvare “%1” perché una cartella con quel nome è d’intralcio.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved (%2).</source>
        <translation>Impossibile salvare “%1” (%2).</translation>
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
        <translation>Tamsel per Linux</translation>
    </message>
    <message>
        <source>PDF tools, signatures and stamps, QR codes. Private by design · 100% on-device.</source>
        <translation>Strumenti PDF, firme e timbri, codici QR. Privato per progettazione · 100% sul dispositivo.</translation>
    </message>
    <message>
        <source>Sign &amp; Stamp</source>
        <translation>Firma e timbra</translation>
    </message>
    <message>
        <source>Put your signature, initials or a company seal on any page, or on all of them.</source>
        <translation>Metti la tua firma, le iniziali o il timbro aziendale su qualsiasi pagina, o su tutte.</translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>Comprimi</translation>
    </message>
    <message>
        <source>Original, Medium, Small, or up to the size a website or email asks for.</source>
        <translation>Originale, Media, Piccola o fino alla dimensione richiesta da un sito o da un’email.</translation>
    </message>
    <message>
        <source>Merge PDFs</source>
        <translation>Unisci PDF</translation>
    </message>
    <message>
        <source>Join PDFs and images in the order you set.</source>
        <translation>Combina PDF e immagini nell’ordine che scegli.</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Dividi</translation>
    </message>
    <message>
        <source>By page ranges like 1-3, 5, 8-10, every few pages or page by page.</source>
        <translation>Per intervalli come 1-3, 5, 8-10, ogni tot pagine o pagina per pagina.</translation>
    </message>
    <message>
        <source>Read QR Codes</source>
        <translation>Leggi codici QR</translation>
    </message>
    <message>
        <source>From pictures, screenshots and every page of a PDF.</source>
        <translation>Da immagini, screenshot e ogni pagina di un PDF.</translation>
    </message>
    <message>
        <source>Images to PDF</source>
        <translation>Immagini in PDF</translation>
    </message>
    <message>
        <source>Photos and scans as pages of one PDF, in name order.</source>
        <translation>Foto e scansioni come pagine di un unico PDF, in ordine di nome.</translation>
    </message>
    <message>
        <source>No ads. No tracking. No account.</source>
        <translation>Niente pubblicità. Niente tracciamento. Niente account.</translation>
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
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Apri…</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Salva con nome…</translation>
    </message>
    <message>
        <source>Close File</source>
        <translation>Chiudi file</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>About Tamsel</source>
        <translation>Informazioni su Tamsel</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Controlla aggiornamenti…</translation>
    </message>
    <message>
        <source>Support the Developer…</source>
        <translation>Sostieni lo sviluppatore…</translation>
    </message>
    <message>
        <source>Changes in %1 aren&apos;t saved. Use Save As… to keep them.</source>
        <translation>Le modifiche in %1 non sono salvate. Usa “Salva con nome…” per conservarle.</translation>
    </message>
    <message>
        <source>Stop and quit?</source>
        <translation>Interrompere e uscire?</translation>
    </message>
    <message>
        <source>Tamsel is still working (%1). Quitting stops that work; nothing half-written is kept.</source>
        <translation>Tamsel sta ancora lavorando (%1). Uscendo il lavoro si interrompe; non resta nulla di scritto a metà.</translation>
    </message>
    <message>
        <source>Quit without saving?</source>
        <translation>Uscire senza salvare?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Quit Anyway</source>
        <translation>Esci comunque</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
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
            <numerusform>%n pagine</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 file</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n file</numerusform>
            <numerusform>%n file</numerusform>
        </translation>
    </message>
    <message>
        <source>Drag to reorder</source>
        <translation>Trascina per riordinare</translation>
    </message>
    <message>
        <source>Remove from the list</source>
        <translation>Rimuovi dall’elenco</translation>
    </message>
    <message>
        <source>Merge PDFs</source>
        <translation>Unisci PDF</translation>
    </message>
    <message>
        <source>Drop PDFs and images here, drag them into order, then Merge. Open files join as they are now, with their turns, removed pages and stamps.</source>
        <translation>Rilascia qui PDF e immagini, trascinali nell’ordine giusto, poi unisci. I file aperti si uniscono così come sono ora, con rotazioni, pagine rimosse e timbri.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Drop files to merge</source>
        <translation>Rilascia i file da unire</translation>
    </message>
    <message>
        <source>Two or more PDFs or images</source>
        <translation>Due o più PDF o immagini</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Merge…</source>
        <translation>Unisci…</translation>
    </message>
    <message>
        <source>Add Files…</source>
        <translation>Aggiungi file…</translation>
    </message>
</context>
<context>
    <name>NewStampMenu</name>
    <message>
        <source>From an Image File…</source>
        <translation>Da un file immagine…</translation>
    </message>
    <message>
        <source>Draw with Trackpad or Mouse…</source>
        <translation>Disegna con trackpad o mouse…</translation>
    </message>
    <message>
        <source>Ready Stamps…</source>
        <translation>Timbri pronti…</translation>
    </message>
    <message>
        <source>New Signature or Stamp</source>
        <translation>Nuova firma o timbro</translation>
    </message>
    <message>
        <source>Choose a photo or scan of your signature or stamp</source>
        <translation>Scegli una foto o una scansione della tua firma o del tuo timbro</translation>
    </message>
</context>
<context>
    <name>NewStampSheet</name>
    <message>
        <source>Draw Your Signature</source>
        <translation>Disegna la tua firma</translation>
    </message>
    <message>
        <source>Ready Stamps</source>
        <translation>Timbri pronti</translation>
    </message>
    <message>
        <source>New Signature or Stamp</source>
        <translation>Nuova firma o timbro</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>The checkerboard is what stays transparent on the page.</source>
        <translation>La scacchiera indica ciò che resta trasparente sulla pagina.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Removing the paper…</source>
        <translation>Rimozione della carta…</translation>
    </message>
    <message>
        <source>The signature or stamp couldn&apos;t be saved. Try again.</source>
        <translation>Impossibile salvare la firma o il timbro. Riprova.</translation>
    </message>
</context>
<context>
    <name>PDFEngine</name>
    <message>
        <source>A page of this file can&apos;t be read anymore. Open the file again.</source>
        <translation>Una pagina di questo file non è più leggibile. Riapri il file.</translation>
    </message>
    <message>
        <source>The PDF couldn&apos;t be made. Try again.</source>
        <translation>Impossibile creare il PDF. Riprova.</translation>
    </message>
    <message>
        <source>The pages of this file are damaged in a way that stops them being copied. It can only be saved as pictures of its pages.</source>
        <translation>Le pagine di questo file sono danneggiate in modo tale da non poter essere copiate. Può essere salvato solo come immagini delle sue pagine.</translation>
    </message>
    <message>
        <source>Reading the PDF took too long and was stopped. A page of the file may be damaged.</source>
        <translation>La lettura del PDF ha richiesto troppo tempo ed è stata interrotta. Una pagina del file potrebbe essere danneggiata.</translation>
    </message>
    <message>
        <source>Reading the PDF failed because a part of the file is damaged.</source>
        <translation>Impossibile leggere il PDF perché una parte del file è danneggiata.</translation>
    </message>
    <message>
        <source>The PDF needs more memory than Tamsel may use for one file.</source>
        <translation>Il PDF richiede più memoria di quella che Tamsel può usare per un file.</translation>
    </message>
    <message>
        <source>This PDF failed to be read several times, so Tamsel doesn&apos;t try again.</source>
        <translation>La lettura di questo PDF non è riuscita più volte, quindi Tamsel non riprova.</translation>
    </message>
    <message>
        <source>Tamsel&apos;s PDF reader can&apos;t be started. Install Tamsel again.</source>
        <translation>Impossibile avviare il lettore PDF di Tamsel. Reinstalla Tamsel.</translation>
    </message>
    <message>
        <source>A page is too large for a picture at this resolution. Choose a lower resolution.</source>
        <translation>Una pagina è troppo grande per un&apos;immagine a questa risoluzione. Scegli una risoluzione più bassa.</translation>
    </message>
    <message>
        <source>It was moved or deleted.</source>
        <translation>È stato spostato o eliminato.</translation>
    </message>
</context>
<context>
    <name>PageGrid</name>
    <message>
        <source>Has signatures or stamps</source>
        <translation>Contiene firme o timbri</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Ruota a sinistra</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>Ruota a destra</translation>
    </message>
    <message>
        <source>Sign &amp; Stamp</source>
        <translation>Firma e timbra</translation>
    </message>
    <message>
        <source>Extract…</source>
        <translation>Estrai…</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
</context>
<context>
    <name>PageImage</name>
    <message>
        <source>Can&apos;t be shown</source>
        <translation>Impossibile mostrare</translation>
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
        <translation>“%1” è protetto</translation>
    </message>
    <message>
        <source>That password didn&apos;t open it. Try again.</source>
        <translation>Quella password non lo ha aperto. Riprova.</translation>
    </message>
    <message>
        <source>Enter its password to open it. The password stays on this computer.</source>
        <translation>Inserisci la password per aprirlo. La password resta su questo computer.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
</context>
<context>
    <name>PasswordSheet</name>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>“%1” is protected with a password. Save a copy that opens without it, or a copy with a new one.</source>
        <translation>“%1” è protetto da password. Salva una copia che si apre senza, oppure una copia con una nuova password.</translation>
    </message>
    <message>
        <source>Save a Copy without Password…</source>
        <translation>Salva una copia senza password…</translation>
    </message>
    <message>
        <source>Save a copy that asks for this password to open. Keep it somewhere safe: it can&apos;t be recovered.</source>
        <translation>Salva una copia che chiede questa password all’apertura. Conservala in un posto sicuro: non può essere recuperata.</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Nuova password</translation>
    </message>
    <message>
        <source>Repeat password</source>
        <translation>Ripeti la password</translation>
    </message>
    <message>
        <source>The passwords don&apos;t match.</source>
        <translation>Le password non corrispondono.</translation>
    </message>
    <message>
        <source>Save Protected Copy…</source>
        <translation>Salva copia protetta…</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Salvataggio…</translation>
    </message>
    <message>
        <source>%1 (protected)</source>
        <extracomment>The name offered for the copy: %1 the document&apos;s name.</extracomment>
        <translation>%1 (protetto)</translation>
    </message>
    <message>
        <source>%1 (no password)</source>
        <translation>%1 (senza password)</translation>
    </message>
</context>
<context>
    <name>PlacedStamp</name>
    <message>
        <source>Drag to turn</source>
        <translation>Trascina per ruotare</translation>
    </message>
    <message>
        <source>Drag to resize</source>
        <translation>Trascina per ridimensionare</translation>
    </message>
</context>
<context>
    <name>ProcessRunner</name>
    <message>
        <source>The tool didn&apos;t answer in time.</source>
        <extracomment>Error when a command-line tool times out</extracomment>
        <translation>Lo strumento non ha risposto in tempo.</translation>
    </message>
    <message>
        <source>Exit code %1</source>
        <extracomment>Error of a command-line tool that gave no message</extracomment>
        <translation>Codice di uscita %1</translation>
    </message>
</context>
<context>
    <name>ReadyStamp</name>
    <message>
        <source>APPROVED</source>
        <translation>APPROVATO</translation>
    </message>
    <message>
        <source>PAID</source>
        <translation>PAGATO</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>COPIA</translation>
    </message>
    <message>
        <source>CONFIDENTIAL</source>
        <translation>RISERVATO</translation>
    </message>
    <message>
        <source>DRAFT</source>
        <translation>BOZZA</translation>
    </message>
    <message>
        <source>RECEIVED</source>
        <translation>RICEVUTO</translation>
    </message>
</context>
<context>
    <name>ReadyStampsPicker</name>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Nero</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Add today&apos;s date</source>
        <translation>Aggiungi la data di oggi</translation>
    </message>
    <message>
        <source>Your own word, like PAID IN CASH</source>
        <translation>Una parola tua, come PAGATO IN CONTANTI</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
</context>
<context>
    <name>RootView</name>
    <message>
        <source>Support Tamsel</source>
        <translation>Sostieni Tamsel</translation>
    </message>
    <message>
        <source>Support the developer</source>
        <translation>Sostieni lo sviluppatore</translation>
    </message>
    <message>
        <source>About Tamsel</source>
        <translation>Informazioni su Tamsel</translation>
    </message>
    <message>
        <source>About, updates, privacy and support</source>
        <translation>Informazioni, aggiornamenti, privacy e supporto</translation>
    </message>
    <message>
        <source>Something went wrong</source>
        <translation>Qualcosa è andato storto</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save changes to “%1”?</source>
        <translation>Salvare le modifiche a “%1”?</translation>
    </message>
    <message>
        <source>Your changes will be lost if you close it without saving. The original file stays as it was.</source>
        <translation>Le modifiche andranno perse se lo chiudi senza salvare. Il file originale resta com’era.</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Salva con nome…</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Non salvare</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Save as Pictures</source>
        <translation>Salva come immagini</translation>
    </message>
    <message>
        <source>Hide Sidebar</source>
        <translation>Nascondi barra laterale</translation>
    </message>
    <message>
        <source>Show Sidebar</source>
        <translation>Mostra barra laterale</translation>
    </message>
</context>
<context>
    <name>Sharing</name>
    <message>
        <source>Email…</source>
        <translation>Email…</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Copia link</translation>
    </message>
    <message>
        <source>Link copied</source>
        <translation>Link copiato</translation>
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
        <translation>di Vornel Apps</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Apri…</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Strumenti</translation>
    </message>
    <message>
        <source>Merge PDFs</source>
        <translation>Unisci PDF</translation>
    </message>
    <message>
        <source>Signatures &amp; Stamps</source>
        <translation>Firme e timbri</translation>
    </message>
    <message>
        <source>QR Codes</source>
        <translation>Codici QR</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Salva con nome…</translation>
    </message>
    <message>
        <source>Add to Merge</source>
        <translation>Aggiungi all’unione</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>SignView</name>
    <message>
        <source>Pages</source>
        <translation>Pagine</translation>
    </message>
    <message>
        <source>Back to all pages</source>
        <translation>Torna a tutte le pagine</translation>
    </message>
    <message>
        <source>Sign &amp; Stamp</source>
        <translation>Firma e timbra</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Salva con nome…</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Pagina precedente</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Pagina successiva</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 di %2</translation>
    </message>
</context>
<context>
    <name>SplitSheet</name>
    <message>
        <source>Split “%1”</source>
        <translation>Dividi “%1”</translation>
    </message>
    <message>
        <source>By page ranges</source>
        <translation>Per intervalli di pagine</translation>
    </message>
    <message>
        <source>Every few pages</source>
        <translation>Ogni tot pagine</translation>
    </message>
    <message>
        <source>Page by page</source>
        <translation>Pagina per pagina</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Dividi</translation>
    </message>
    <message>
        <source>For example: 1-3, 5, 8-10</source>
        <translation>Per esempio: 1-3, 5, 8-10</translation>
    </message>
    <message>
        <source>Each range becomes its own PDF. Pages 1 to %1.</source>
        <translation>Ogni intervallo diventa un PDF a sé. Pagine da 1 a %1.</translation>
    </message>
    <message>
        <source>Pages per file</source>
        <translation>Pagine per file</translation>
    </message>
    <message numerus="yes">
        <source>Each of the %n pages becomes its own PDF.</source>
        <translation>
            <numerusform>La %n pagina diventa un PDF a sé.</numerusform>
            <numerusform>Ognuna delle %n pagine diventa un PDF a sé.</numerusform>
        </translation>
    </message>
    <message>
        <source>Split…</source>
        <translation>Dividi…</translation>
    </message>
    <message numerus="yes">
        <source>A new file every %n pages</source>
        <translation>
            <numerusform>Un nuovo file ogni %n pagina</numerusform>
            <numerusform>Un nuovo file ogni %n pagine</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Makes %n files: %1</source>
        <translation>
            <numerusform>Crea %n file: %1</numerusform>
            <numerusform>Crea %n file: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Use page numbers from 1 to %1, like 1-3, 5.</source>
        <translation>Usa numeri di pagina da 1 a %1, come 1-3, 5.</translation>
    </message>
    <message>
        <source>Split Here</source>
        <translation>Dividi qui</translation>
    </message>
    <message>
        <source>Splitting…</source>
        <translation>Divisione…</translation>
    </message>
</context>
<context>
    <name>StampLibrary</name>
    <message>
        <source>Signature</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>Stamp</source>
        <translation>Timbro</translation>
    </message>
    <message>
        <source>The signature or stamp couldn&apos;t be saved. Try again.</source>
        <translation>Impossibile salvare la firma o il timbro. Riprova.</translation>
    </message>
    <message>
        <source>The change couldn&apos;t be saved. Try again.</source>
        <translation>Impossibile salvare la modifica. Riprova.</translation>
    </message>
</context>
<context>
    <name>StampLibraryPanel</name>
    <message>
        <source>Put on this page</source>
        <translation>Metti su questa pagina</translation>
    </message>
    <message>
        <source>Signatures &amp; Stamps</source>
        <translation>Firme e timbri</translation>
    </message>
    <message>
        <source>Add your signature or a company seal once; it stays in Tamsel on this computer for every document.</source>
        <translation>Aggiungi la tua firma o un timbro aziendale una volta sola: resta in Tamsel su questo computer per ogni documento.</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Angolo</translation>
    </message>
    <message>
        <source>Add to All Pages</source>
        <translation>Aggiungi a tutte le pagine</translation>
    </message>
    <message>
        <source>Remove from Page</source>
        <translation>Rimuovi dalla pagina</translation>
    </message>
    <message>
        <source>Or paste a photo or scan with Ctrl+V, or drop one here.</source>
        <translation>Oppure incolla una foto o una scansione con Ctrl+V, o trascinala qui.</translation>
    </message>
</context>
<context>
    <name>StampMaker</name>
    <message>
        <source>This image can&apos;t be read.</source>
        <translation>Impossibile leggere questa immagine.</translation>
    </message>
    <message>
        <source>No signature or stamp found. Try a photo of it on white paper.</source>
        <translation>Nessuna firma o timbro trovato. Prova con una foto su carta bianca.</translation>
    </message>
</context>
<context>
    <name>StampsView</name>
    <message>
        <source>Rename or delete</source>
        <translation>Rinomina o elimina</translation>
    </message>
    <message>
        <source>Rename or delete “%1”</source>
        <translation>Rinomina o elimina “%1”</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>Rinomina…</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>Elimina…</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Signatures &amp; Stamps</source>
        <translation>Firme e timbri</translation>
    </message>
    <message>
        <source>Your signature, initials or a company seal, with the paper removed automatically. They stay only on this computer. Tamsel puts your own images on documents; it doesn&apos;t make a signature legally binding by itself.</source>
        <translation>La tua firma, le iniziali o un timbro aziendale, con la carta rimossa automaticamente. Restano solo su questo computer. Tamsel mette le tue immagini sui documenti; questo da solo non rende una firma legalmente vincolante.</translation>
    </message>
    <message>
        <source>No signatures or stamps yet</source>
        <translation>Ancora nessuna firma o timbro</translation>
    </message>
    <message>
        <source>Sign a white sheet of paper or stamp it, then take a photo of it and choose the photo or a scan. You can also draw with the trackpad or pick a ready stamp like PAID or APPROVED.</source>
        <translation>Firma o timbra un foglio di carta bianca, scatta una foto e scegli la foto o una scansione. Puoi anche disegnare con il trackpad o scegliere un timbro pronto come PAGATO o APPROVATO.</translation>
    </message>
    <message>
        <source>Tamsel</source>
        <translation>Tamsel</translation>
    </message>
    <message>
        <source>Delete “%1”?</source>
        <translation>Eliminare “%1”?</translation>
    </message>
    <message>
        <source>It also leaves pages open in Tamsel. Files you already saved keep it.</source>
        <translation>Sparisce anche dalle pagine aperte in Tamsel. I file già salvati lo mantengono.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
</context>
<context>
    <name>SupportView</name>
    <message>
        <source>Done! Support Tamsel?</source>
        <translation>Fatto! Sostieni Tamsel?</translation>
    </message>
    <message>
        <source>Support Tamsel</source>
        <translation>Sostieni Tamsel</translation>
    </message>
    <message>
        <source>Tamsel is free: no ads, no tracking, no subscription. If it saved you time, you can thank the developer with crypto. Any amount helps keep it free.</source>
        <translation>Tamsel è gratuito: niente pubblicità, niente tracciamento, niente abbonamento. Se ti ha fatto risparmiare tempo, puoi ringraziare lo sviluppatore con criptovalute. Qualsiasi importo aiuta a mantenerlo gratuito.</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Rete</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Invia</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Indirizzo</translation>
    </message>
    <message>
        <source>Send only on the networks listed above. Coins sent on another network can&apos;t be recovered.</source>
        <translation>Invia solo sulle reti elencate sopra. Le monete inviate su un’altra rete non possono essere recuperate.</translation>
    </message>
    <message>
        <source>The same addresses are on %1/donate.</source>
        <translation>Gli stessi indirizzi sono su %1/donate.</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Non ora</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>QR code of the %1 address</source>
        <translation>Codice QR dell’indirizzo %1</translation>
    </message>
    <message>
        <source>Address copied</source>
        <translation>Indirizzo copiato</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copiato</translation>
    </message>
    <message>
        <source>Copy Address</source>
        <translation>Copia indirizzo</translation>
    </message>
    <message>
        <source>This copy of Tamsel was built without donation addresses. The developer&apos;s are on %1/donate.</source>
        <translation>Questa copia di Tamsel è stata compilata senza indirizzi per le donazioni. Quelli dello sviluppatore sono su %1/donate.</translation>
    </message>
</context>
<context>
    <name>TellAFriendView</name>
    <message>
        <source>Tell a friend</source>
        <translation>Consiglialo a un amico</translation>
    </message>
    <message>
        <source>Like Tamsel? Tell a friend.</source>
        <translation>Ti piace Tamsel? Consiglialo a un amico.</translation>
    </message>
    <message>
        <source>Tamsel is free: no ads, no tracking. We don&apos;t buy ads, so friends telling friends is how people find it.</source>
        <translation>Tamsel è gratuito: niente pubblicità, niente tracciamento. Non compriamo pubblicità, quindi le persone lo scoprono grazie agli amici che ne parlano.</translation>
    </message>
    <message>
        <source>Your friend gets this message:</source>
        <translation>Il tuo amico riceverà questo messaggio:</translation>
    </message>
    <message>
        <source>You choose the app and the friend; we never see who.</source>
        <translation>Scegli tu l’app e l’amico; noi non vediamo mai a chi.</translation>
    </message>
    <message>
        <source>Share…</source>
        <translation>Condividi…</translation>
    </message>
    <message>
        <source>Tamsel for Linux: free PDF tools, signatures and stamps, QR codes. Everything stays on your computer.</source>
        <comment>The message shared with a friend, followed by the link to the app&apos;s page.</comment>
        <translation>Tamsel per Linux: strumenti PDF gratuiti, firme e timbri, codici QR. Tutto resta sul tuo computer.</translation>
    </message>
    <message>
        <source>Message copied</source>
        <translation>Messaggio copiato</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copiato</translation>
    </message>
    <message>
        <source>Copy Message</source>
        <translation>Copia messaggio</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Non ora</translation>
    </message>
</context>
<context>
    <name>ToastView</name>
    <message>
        <source>Show in Folder</source>
        <translation>Mostra nella cartella</translation>
    </message>
</context>
<context>
    <name>ToolSheetFrame</name>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>The update information isn&apos;t available right now. Try again later.</source>
        <extracomment>Check for Updates error</extracomment>
        <translation>Le informazioni sugli aggiornamenti non sono disponibili al momento. Riprova più tardi.</translation>
    </message>
    <message>
        <source>Couldn&apos;t check for updates: %1</source>
        <extracomment>Check for Updates error. The placeholder is the system&apos;s error message.</extracomment>
        <translation>Impossibile controllare gli aggiornamenti: %1</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation>Impossibile leggere i dati perché non sono nel formato corretto.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation>Impossibile leggere i dati perché mancano.</translation>
    </message>
    <message>
        <source>The update information is too large.</source>
        <translation>Le informazioni sugli aggiornamenti sono troppo grandi.</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>La richiesta è scaduta.</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>The request timed out.</source>
        <translation>La richiesta è scaduta.</translation>
    </message>
    <message>
        <source>moved permanently</source>
        <translation>spostato in modo permanente</translation>
    </message>
    <message>
        <source>found</source>
        <translation>trovato</translation>
    </message>
    <message>
        <source>not modified</source>
        <translation>non modificato</translation>
    </message>
    <message>
        <source>bad request</source>
        <translation>richiesta non valida</translation>
    </message>
    <message>
        <source>unauthorized</source>
        <translation>non autorizzato</translation>
    </message>
    <message>
        <source>forbidden</source>
        <translation>vietato</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>non trovato</translation>
    </message>
    <message>
        <source>method not allowed</source>
        <translation>metodo non consentito</translation>
    </message>
    <message>
        <source>request timed out</source>
        <translation>richiesta scaduta</translation>
    </message>
    <message>
        <source>no longer exists</source>
        <translation>non esiste più</translation>
    </message>
    <message>
        <source>too many requests</source>
        <translation>troppe richieste</translation>
    </message>
    <message>
        <source>internal server error</source>
        <translation>errore interno del server</translation>
    </message>
    <message>
        <source>unimplemented</source>
        <translation>non implementato</translation>
    </message>
    <message>
        <source>bad gateway</source>
        <translation>gateway non valido</translation>
    </message>
    <message>
        <source>service unavailable</source>
        <translation>servizio non disponibile</translation>
    </message>
    <message>
        <source>gateway timed out</source>
        <translation>timeout del gateway</translation>
    </message>
    <message>
        <source>informational</source>
        <translation>informativo</translation>
    </message>
    <message>
        <source>success</source>
        <translation>successo</translation>
    </message>
    <message>
        <source>redirected</source>
        <translation>reindirizzato</translation>
    </message>
    <message>
        <source>client error</source>
        <translation>errore del client</translation>
    </message>
    <message>
        <source>server error</source>
        <translation>errore del server</translation>
    </message>
    <message>
        <source>Couldn&apos;t install the update (%1). This copy is now “%2” in the same folder: rename it back to Tamsel.</source>
        <extracomment>Install and Relaunch error when the old copy couldn&apos;t get its name back. Placeholders: the system&apos;s message, the app&apos;s current file name.</extracomment>
        <translation>Impossibile installare l’aggiornamento (%1). Questa copia ora si chiama “%2” nella stessa cartella: rinominala di nuovo Tamsel.</translation>
    </message>
    <message>
        <source>Couldn&apos;t install the update (%1). This copy wasn&apos;t changed.</source>
        <extracomment>Install and Relaunch error. The placeholder is the system&apos;s or a tool&apos;s message.</extracomment>
        <translation>Impossibile installare l’aggiornamento (%1). Questa copia non è stata modificata.</translation>
    </message>
    <message>
        <source>The downloaded update didn&apos;t pass the check. This copy wasn&apos;t changed.</source>
        <extracomment>Install and Relaunch error</extracomment>
        <translation>L’aggiornamento scaricato non ha superato la verifica. Questa copia non è stata modificata.</translation>
    </message>
    <message>
        <source>The download is larger than expected.</source>
        <extracomment>Install and Relaunch error, inside &quot;Couldn&apos;t install the update (…)&quot;: the server sent more than the update&apos;s size.</extracomment>
        <translation>Il download è più grande del previsto.</translation>
    </message>
    <message>
        <source>There isn&apos;t enough free space for the update.</source>
        <extracomment>Install and Relaunch error, inside &quot;Couldn&apos;t install the update (…)&quot;.</extracomment>
        <translation>Non c’è abbastanza spazio libero per l’aggiornamento.</translation>
    </message>
</context>
</TS>
