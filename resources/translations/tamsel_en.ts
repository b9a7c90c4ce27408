<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AboutView</name>
    <message>
        <source>About Tamsel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tamsel for Linux</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1 (%2) · by Vornel Apps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help &amp; legal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Follow us</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More from Vornel Apps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Same as system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restart Tamsel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free, with optional support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No ads, no tracking, no account, no subscription. Everything runs on your computer. If Tamsel helps, you can support the developer with crypto.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tell a friend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tamsel spends nothing on ads, so people telling people is how it grows. Share a link to its page; nothing is sent unless you choose where.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write to Support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Terms of Use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X (developer)</source>
        <comment>Link to the developer&apos;s account on X</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Our other apps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tamsel checks only when you ask. It reads one file on %1 and sends nothing about your computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have the latest version.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1 is available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading and checking the update…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tamsel switches to the new language after a restart. Save or close the files with changes first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tamsel switches to the new language after a restart.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install and Relaunch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save or close the files with changes first: Tamsel restarts to finish the update.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AppModel</name>
    <message>
        <source>There&apos;s no picture on the clipboard. Copy a screenshot or an image first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A file needs at least one page. To get rid of it, close the file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tamsel opens PDFs and images.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” can&apos;t be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” can&apos;t be opened. It may be damaged or not a PDF.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose PDFs or images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved “%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is open in Tamsel, so it can&apos;t be replaced. Save under another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” wasn&apos;t saved because another task was still running. Try again when it has finished.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” can&apos;t be used as a file name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because the name is too long.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Merging…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (pages %2)</source>
        <extracomment>The name offered for a file of some pages: %1 the document&apos;s name, %2 the page numbers (&quot;1-3, 5&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (merged)</source>
        <extracomment>The name offered for the merged file: %1 the first file&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (signed)</source>
        <extracomment>The name offered when saving: %1 the document&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (edited)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Added to all %n pages</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Saved %n files</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The update is installed. Save your files, then quit and open Tamsel again to use it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” can&apos;t be opened. %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BusyOverlay</name>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CodeCard</name>
    <message>
        <source>Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wi-Fi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Product</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, page %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not encrypted: the address starts with http, not https.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A bare number instead of a site name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is not the site. The real site is %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letters from different alphabets: this address can imitate another site.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Special characters in the name can imitate another site.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Looks like %1, but the real site is %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The real site is %1, not %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A short link hides where it leads.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Real site: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Network Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copied</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CodeReading</name>
    <message>
        <source>Pasted image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No codes found in “%1”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No codes found.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CodeSymbology</name>
    <message>
        <source>Barcode</source>
        <extracomment>Card title of a code whose kind is unknown</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CodesDropZone</name>
    <message>
        <source>Drop a picture or PDF here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Or copy a screenshot (Print Screen) and paste it with Ctrl+V.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CodesView</name>
    <message>
        <source>QR Codes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read QR codes and barcodes from pictures, screenshots and every page of a PDF. Everything is read on this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Try a sharper or larger picture.</source>
        <extracomment>%1 says why no code was found in the picture.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CompressSheet</name>
    <message>
        <source>Compress “%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sizes are measured on this computer: the file you save is exactly this size.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Original</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As it is now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sharp text, fits most email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Small</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The smallest readable file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For websites and forms with a size limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To fit, the pages became pictures: text in this copy can&apos;t be selected or searched. The original keeps its text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t get under %1. The smallest Tamsel can make is %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures in this PDF can&apos;t get much smaller while it keeps its text. Up to %1 can turn the pages into pictures when that&apos;s the only way to fit.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Compression</name>
    <message>
        <source>%1 MB</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DocumentView</name>
    <message>
        <source>Sign &amp; Stamp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert, extract, export as images, merge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the selected pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag to reorder. Drop PDFs or images to add pages. Save As… makes a new file; the original stays as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 page</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n pages</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n selected</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Pages from Files…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extract All Pages…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extract Selected Pages…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Pages as Images…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to Merge</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DrawingPad</name>
    <message>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ink</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use This Signature</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DropZone</name>
    <message>
        <source>Drop PDFs or images here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>or click to open. Images become pages of a new PDF.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExportImagesSheet</name>
    <message>
        <source>%1 page %2</source>
        <extracomment>The name of one exported picture: %1 the document&apos;s name, %2 the page number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Pages as Images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The selected page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The %n selected pages.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The one page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>All %n pages.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>PNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JPEG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screen (100 dpi)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good (200 dpi)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print (300 dpi)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exporting…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FilePanels</name>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDFs and pictures (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileRow</name>
    <message>
        <source>Not saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileWriting</name>
    <message>
        <source>“%1” couldn&apos;t be saved because the disk is full.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because it is too large for that disk.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because you don&apos;t have permission to write in that folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because that disk is read-only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because the name is too long.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because its folder doesn&apos;t exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because a folder of that name is in the way.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved (%2).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HomeView</name>
    <message>
        <source>Tamsel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tamsel for Linux</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF tools, signatures and stamps, QR codes. Private by design · 100% on-device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign &amp; Stamp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put your signature, initials or a company seal on any page, or on all of them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Original, Medium, Small, or up to the size a website or email asks for.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Merge PDFs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Join PDFs and images in the order you set.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By page ranges like 1-3, 5, 8-10, every few pages or page by page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read QR Codes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From pictures, screenshots and every page of a PDF.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Images to PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Photos and scans as pages of one PDF, in name order.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No ads. No tracking. No account.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Tamsel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Tamsel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Support the Developer…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changes in %1 aren&apos;t saved. Use Save As… to keep them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop and quit?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tamsel is still working (%1). Quitting stops that work; nothing half-written is kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit without saving?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit Anyway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 — Tamsel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MergeView</name>
    <message>
        <source>1 page</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n pages</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>1 file</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Drag to reorder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove from the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Merge PDFs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drop PDFs and images here, drag them into order, then Merge. Open files join as they are now, with their turns, removed pages and stamps.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drop files to merge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two or more PDFs or images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Merge…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Files…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NewStampMenu</name>
    <message>
        <source>From an Image File…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw with Trackpad or Mouse…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready Stamps…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Signature or Stamp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a photo or scan of your signature or stamp</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NewStampSheet</name>
    <message>
        <source>Draw Your Signature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready Stamps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Signature or Stamp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The checkerboard is what stays transparent on the page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removing the paper…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The signature or stamp couldn&apos;t be saved. Try again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PDFEngine</name>
    <message>
        <source>A page of this file can&apos;t be read anymore. Open the file again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PDF couldn&apos;t be made. Try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pages of this file are damaged in a way that stops them being copied. It can only be saved as pictures of its pages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the PDF took too long and was stopped. A page of the file may be damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the PDF failed because a part of the file is damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PDF needs more memory than Tamsel may use for one file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This PDF failed to be read several times, so Tamsel doesn&apos;t try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tamsel&apos;s PDF reader can&apos;t be started. Install Tamsel again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A page is too large for a picture at this resolution. Choose a lower resolution.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It was moved or deleted.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageGrid</name>
    <message>
        <source>Has signatures or stamps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign &amp; Stamp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extract…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageImage</name>
    <message>
        <source>Can&apos;t be shown</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageListModel</name>
    <message>
        <source>Page %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PasswordPrompt</name>
    <message>
        <source>“%1” is locked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That password didn&apos;t open it. Try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter its password to open it. The password stays on this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PasswordSheet</name>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is protected with a password. Save a copy that opens without it, or a copy with a new one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save a Copy without Password…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save a copy that asks for this password to open. Keep it somewhere safe: it can&apos;t be recovered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeat password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The passwords don&apos;t match.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Protected Copy…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (protected)</source>
        <extracomment>The name offered for the copy: %1 the document&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (no password)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlacedStamp</name>
    <message>
        <source>Drag to turn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag to resize</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProcessRunner</name>
    <message>
        <source>The tool didn&apos;t answer in time.</source>
        <extracomment>Error when a command-line tool times out</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit code %1</source>
        <extracomment>Error of a command-line tool that gave no message</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReadyStamp</name>
    <message>
        <source>APPROVED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PAID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COPY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CONFIDENTIAL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DRAFT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RECEIVED</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReadyStampsPicker</name>
    <message>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add today&apos;s date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your own word, like PAID IN CASH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RootView</name>
    <message>
        <source>Support Tamsel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Support the developer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Tamsel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About, updates, privacy and support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Something went wrong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes to “%1”?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your changes will be lost if you close it without saving. The original file stays as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as Pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide Sidebar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Sidebar</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Sharing</name>
    <message>
        <source>Email…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link copied</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SidebarView</name>
    <message>
        <source>Tamsel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>by Vornel Apps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Merge PDFs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signatures &amp; Stamps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QR Codes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to Merge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SignView</name>
    <message>
        <source>Pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back to all pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign &amp; Stamp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SplitSheet</name>
    <message>
        <source>Split “%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By page ranges</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every few pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page by page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For example: 1-3, 5, 8-10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each range becomes its own PDF. Pages 1 to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pages per file</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Each of the %n pages becomes its own PDF.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Split…</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>A new file every %n pages</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Makes %n files: %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Use page numbers from 1 to %1, like 1-3, 5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split Here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Splitting…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StampLibrary</name>
    <message>
        <source>Signature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stamp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The signature or stamp couldn&apos;t be saved. Try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The change couldn&apos;t be saved. Try again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StampLibraryPanel</name>
    <message>
        <source>Put on this page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signatures &amp; Stamps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add your signature or a company seal once; it stays in Tamsel on this computer for every document.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to All Pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove from Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Or paste a photo or scan with Ctrl+V, or drop one here.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StampMaker</name>
    <message>
        <source>This image can&apos;t be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No signature or stamp found. Try a photo of it on white paper.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StampsView</name>
    <message>
        <source>Rename or delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename or delete “%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signatures &amp; Stamps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your signature, initials or a company seal, with the paper removed automatically. They stay only on this computer. Tamsel puts your own images on documents; it doesn&apos;t make a signature legally binding by itself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No signatures or stamps yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign a white sheet of paper or stamp it, then take a photo of it and choose the photo or a scan. You can also draw with the trackpad or pick a ready stamp like PAID or APPROVED.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tamsel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete “%1”?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It also leaves pages open in Tamsel. Files you already saved keep it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SupportView</name>
    <message>
        <source>Done! Support Tamsel?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Support Tamsel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tamsel is free: no ads, no tracking, no subscription. If it saved you time, you can thank the developer with crypto. Any amount helps keep it free.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send only on the networks listed above. Coins sent on another network can&apos;t be recovered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The same addresses are on %1/donate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QR code of the %1 address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address copied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This copy of Tamsel was built without donation addresses. The developer&apos;s are on %1/donate.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TellAFriendView</name>
    <message>
        <source>Tell a friend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Like Tamsel? Tell a friend.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tamsel is free: no ads, no tracking. We don&apos;t buy ads, so friends telling friends is how people find it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your friend gets this message:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You choose the app and the friend; we never see who.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tamsel for Linux: free PDF tools, signatures and stamps, QR codes. Everything stays on your computer.</source>
        <comment>The message shared with a friend, followed by the link to the app&apos;s page.</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message copied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ToastView</name>
    <message>
        <source>Show in Folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ToolSheetFrame</name>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>The update information isn&apos;t available right now. Try again later.</source>
        <extracomment>Check for Updates error</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couldn&apos;t check for updates: %1</source>
        <extracomment>Check for Updates error. The placeholder is the system&apos;s error message.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The update information is too large.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>The request timed out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>moved permanently</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not modified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bad request</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unauthorized</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>forbidden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>method not allowed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>request timed out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no longer exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too many requests</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>internal server error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unimplemented</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bad gateway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>service unavailable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gateway timed out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>informational</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>success</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>redirected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>client error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>server error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couldn&apos;t install the update (%1). This copy is now “%2” in the same folder: rename it back to Tamsel.</source>
        <extracomment>Install and Relaunch error when the old copy couldn&apos;t get its name back. Placeholders: the system&apos;s message, the app&apos;s current file name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couldn&apos;t install the update (%1). This copy wasn&apos;t changed.</source>
        <extracomment>Install and Relaunch error. The placeholder is the system&apos;s or a tool&apos;s message.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The downloaded update didn&apos;t pass the check. This copy wasn&apos;t changed.</source>
        <extracomment>Install and Relaunch error</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The download is larger than expected.</source>
        <extracomment>Install and Relaunch error, inside &quot;Couldn&apos;t install the update (…)&quot;: the server sent more than the update&apos;s size.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There isn&apos;t enough free space for the update.</source>
        <extracomment>Install and Relaunch error, inside &quot;Couldn&apos;t install the update (…)&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
