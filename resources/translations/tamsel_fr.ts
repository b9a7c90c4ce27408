<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutView</name>
    <message>
        <source>About Tamsel</source>
        <translation>À propos de Tamsel</translation>
    </message>
    <message>
        <source>Tamsel for Linux</source>
        <translation>Tamsel pour Linux</translation>
    </message>
    <message>
        <source>Version %1 (%2) · by Vornel Apps</source>
        <translation>Version %1 (%2) · par Vornel Apps</translation>
    </message>
    <message>
        <source>Help &amp; legal</source>
        <translation>Aide et mentions légales</translation>
    </message>
    <message>
        <source>Follow us</source>
        <translation>Suivez-nous</translation>
    </message>
    <message>
        <source>More from Vornel Apps</source>
        <translation>Plus de Vornel Apps</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Mises à jour</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Same as system</source>
        <translation>Comme le système</translation>
    </message>
    <message>
        <source>Restart Tamsel</source>
        <translation>Redémarrer Tamsel</translation>
    </message>
    <message>
        <source>Free, with optional support</source>
        <translation>Gratuit, soutien facultatif</translation>
    </message>
    <message>
        <source>No ads, no tracking, no account, no subscription. Everything runs on your computer. If Tamsel helps, you can support the developer with crypto.</source>
        <translation>Pas de publicité, pas de pistage, pas de compte, pas d’abonnement. Tout fonctionne sur votre ordinateur. Si Tamsel vous aide, vous pouvez soutenir le développeur en crypto.</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Soutenir</translation>
    </message>
    <message>
        <source>Tell a friend</source>
        <translation>En parler à un ami</translation>
    </message>
    <message>
        <source>Tamsel spends nothing on ads, so people telling people is how it grows. Share a link to its page; nothing is sent unless you choose where.</source>
        <translation>Tamsel ne dépense rien en publicité&#xa0;: il se fait connaître grâce au bouche-à-oreille. Partagez un lien vers sa page&#xa0;; rien n’est envoyé tant que vous ne choisissez pas où.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Partager</translation>
    </message>
    <message>
        <source>Write to Support</source>
        <translation>Écrire à l’assistance</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>Politique de confidentialité</translation>
    </message>
    <message>
        <source>Terms of Use</source>
        <translation>Conditions d’utilisation</translation>
    </message>
    <message>
        <source>X (developer)</source>
        <comment>Link to the developer&apos;s account on X</comment>
        <translation>X (développeur)</translation>
    </message>
    <message>
        <source>Our other apps</source>
        <translation>Nos autres apps</translation>
    </message>
    <message>
        <source>Tamsel checks only when you ask. It reads one file on %1 and sends nothing about your computer.</source>
        <translation>Tamsel ne vérifie que lorsque vous le demandez. Il lit un seul fichier sur %1 et n’envoie rien sur votre ordinateur.</translation>
    </message>
    <message>
        <source>You have the latest version.</source>
        <translation>Vous avez la dernière version.</translation>
    </message>
    <message>
        <source>Version %1 is available.</source>
        <translation>La version %1 est disponible.</translation>
    </message>
    <message>
        <source>Downloading and checking the update…</source>
        <translation>Téléchargement et vérification de la mise à jour…</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>Tamsel switches to the new language after a restart. Save or close the files with changes first.</source>
        <translation>Tamsel passera à la nouvelle langue après un redémarrage. Enregistrez ou fermez d’abord les fichiers modifiés.</translation>
    </message>
    <message>
        <source>Tamsel switches to the new language after a restart.</source>
        <translation>Tamsel passera à la nouvelle langue après un redémarrage.</translation>
    </message>
    <message>
        <source>Install and Relaunch</source>
        <translation>Installer et relancer</translation>
    </message>
    <message>
        <source>Save or close the files with changes first: Tamsel restarts to finish the update.</source>
        <translation>Enregistrez ou fermez d’abord les fichiers modifiés&#xa0;: Tamsel redémarre pour terminer la mise à jour.</translation>
    </message>
</context>
<context>
    <name>AppModel</name>
    <message>
        <source>There&apos;s no picture on the clipboard. Copy a screenshot or an image first.</source>
        <translation>Il n’y a pas d’image dans le presse-papiers. Copiez d’abord une capture d’écran ou une image.</translation>
    </message>
    <message>
        <source>A file needs at least one page. To get rid of it, close the file.</source>
        <translation>Un fichier doit avoir au moins une page. Pour vous en débarrasser, fermez le fichier.</translation>
    </message>
    <message>
        <source>Tamsel opens PDFs and images.</source>
        <translation>Tamsel ouvre les PDF et les images.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be opened.</source>
        <translation>Impossible d’ouvrir «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be opened. It may be damaged or not a PDF.</source>
        <translation>Impossible d’ouvrir «&#xa0;%1&#xa0;». Il est peut-être endommagé ou ce n’est pas un PDF.</translation>
    </message>
    <message>
        <source>Choose PDFs or images</source>
        <translation>Choisir des PDF ou des images</translation>
    </message>
    <message>
        <source>Saved “%1”</source>
        <translation>«&#xa0;%1&#xa0;» enregistré</translation>
    </message>
    <message>
        <source>“%1” is open in Tamsel, so it can&apos;t be replaced. Save under another name.</source>
        <translation>«&#xa0;%1&#xa0;» est ouvert dans Tamsel et ne peut donc pas être remplacé. Enregistrez-le sous un autre nom.</translation>
    </message>
    <message>
        <source>“%1” wasn&apos;t saved because another task was still running. Try again when it has finished.</source>
        <translation>«&#xa0;%1&#xa0;» n’a pas été enregistré, car une autre tâche était encore en cours. Réessayez une fois celle-ci terminée.</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Enregistrement…</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be used as a file name.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas servir de nom de fichier.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because the name is too long.</source>
        <translation>Impossible d’enregistrer «&#xa0;%1&#xa0;», car le nom est trop long.</translation>
    </message>
    <message>
        <source>Merging…</source>
        <translation>Fusion…</translation>
    </message>
    <message>
        <source>%1 (pages %2)</source>
        <extracomment>The name offered for a file of some pages: %1 the document&apos;s name, %2 the page numbers (&quot;1-3, 5&quot;).</extracomment>
        <translation>%1 (pages %2)</translation>
    </message>
    <message>
        <source>%1 (merged)</source>
        <extracomment>The name offered for the merged file: %1 the first file&apos;s name.</extracomment>
        <translation>%1 (fusionné)</translation>
    </message>
    <message>
        <source>%1 (signed)</source>
        <extracomment>The name offered when saving: %1 the document&apos;s name.</extracomment>
        <translation>%1 (signé)</translation>
    </message>
    <message>
        <source>%1 (edited)</source>
        <translation>%1 (modifié)</translation>
    </message>
    <message numerus="yes">
        <source>Added to all %n pages</source>
        <translation>
            <numerusform>Ajouté à la %n page</numerusform>
            <numerusform>Ajouté aux %n pages</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Saved %n files</source>
        <translation>
            <numerusform>%n fichier enregistré</numerusform>
            <numerusform>%n fichiers enregistrés</numerusform>
        </translation>
    </message>
    <message>
        <source>The update is installed. Save your files, then quit and open Tamsel again to use it.</source>
        <translation>La mise à jour est installée. Enregistrez vos fichiers, puis quittez et rouvrez Tamsel pour l’utiliser.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be opened. %2</source>
        <translation>Impossible d’ouvrir «&#xa0;%1&#xa0;». %2</translation>
    </message>
</context>
<context>
    <name>BusyOverlay</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>CodeCard</name>
    <message>
        <source>Link</source>
        <translation>Lien</translation>
    </message>
    <message>
        <source>Wi-Fi</source>
        <translation>Wi-Fi</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Événement</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lieu</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Livre</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Produit</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>%1, page %2</source>
        <translation>%1, page %2</translation>
    </message>
    <message>
        <source>Not encrypted: the address starts with http, not https.</source>
        <translation>Non chiffré&#xa0;: l’adresse commence par http, pas https.</translation>
    </message>
    <message>
        <source>A bare number instead of a site name.</source>
        <translation>Un simple numéro au lieu d’un nom de site.</translation>
    </message>
    <message>
        <source>“%1” is not the site. The real site is %2.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas le site. Le vrai site est %2.</translation>
    </message>
    <message>
        <source>Letters from different alphabets: this address can imitate another site.</source>
        <translation>Lettres d’alphabets différents&#xa0;: cette adresse peut imiter un autre site.</translation>
    </message>
    <message>
        <source>Special characters in the name can imitate another site.</source>
        <translation>Des caractères spéciaux dans le nom peuvent imiter un autre site.</translation>
    </message>
    <message>
        <source>Looks like %1, but the real site is %2.</source>
        <translation>Ressemble à %1, mais le vrai site est %2.</translation>
    </message>
    <message>
        <source>The real site is %1, not %2.</source>
        <translation>Le vrai site est %1, pas %2.</translation>
    </message>
    <message>
        <source>A short link hides where it leads.</source>
        <translation>Un lien raccourci cache sa destination.</translation>
    </message>
    <message>
        <source>Real site: %1</source>
        <translation>Vrai site&#xa0;: %1</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>Ouvrir dans le navigateur</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Copier le lien</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Copy Network Name</source>
        <translation>Copier le nom du réseau</translation>
    </message>
    <message>
        <source>Copy Password</source>
        <translation>Copier le mot de passe</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copié</translation>
    </message>
</context>
<context>
    <name>CodeReading</name>
    <message>
        <source>Pasted image</source>
        <translation>Image collée</translation>
    </message>
    <message>
        <source>No codes found in “%1”.</source>
        <translation>Aucun code trouvé dans «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>No codes found.</source>
        <translation>Aucun code trouvé.</translation>
    </message>
</context>
<context>
    <name>CodeSymbology</name>
    <message>
        <source>Barcode</source>
        <extracomment>Card title of a code whose kind is unknown</extracomment>
        <translation>Code-barres</translation>
    </message>
</context>
<context>
    <name>CodesDropZone</name>
    <message>
        <source>Drop a picture or PDF here</source>
        <translation>Déposez une image ou un PDF ici</translation>
    </message>
    <message>
        <source>Or copy a screenshot (Print Screen) and paste it with Ctrl+V.</source>
        <translation>Ou faites une capture d’écran (Impr. écran) et collez-la avec Ctrl+V.</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Ouvrir…</translation>
    </message>
</context>
<context>
    <name>CodesView</name>
    <message>
        <source>QR Codes</source>
        <translation>Codes QR</translation>
    </message>
    <message>
        <source>Read QR codes and barcodes from pictures, screenshots and every page of a PDF. Everything is read on this computer.</source>
        <translation>Lisez les codes QR et les codes-barres d’images, de captures d’écran et de chaque page d’un PDF. Tout est lu sur cet ordinateur.</translation>
    </message>
    <message>
        <source>Reading…</source>
        <translation>Lecture…</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Trouvés</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>%1 Try a sharper or larger picture.</source>
        <extracomment>%1 says why no code was found in the picture.</extracomment>
        <translation>%1 Essayez une image plus nette ou plus grande.</translation>
    </message>
</context>
<context>
    <name>CompressSheet</name>
    <message>
        <source>Compress “%1”</source>
        <translation>Compresser «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Sizes are measured on this computer: the file you save is exactly this size.</source>
        <translation>Les tailles sont mesurées sur cet ordinateur&#xa0;: le fichier enregistré fera exactement cette taille.</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>As it is now</source>
        <translation>Tel quel</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Sharp text, fits most email</source>
        <translation>Texte net, passe dans la plupart des e-mails</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Petit</translation>
    </message>
    <message>
        <source>The smallest readable file</source>
        <translation>Le plus petit fichier lisible</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>Enregistrer…</translation>
    </message>
    <message>
        <source>For websites and forms with a size limit</source>
        <translation>Pour les sites et formulaires avec une limite de taille</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Limite</translation>
    </message>
    <message>
        <source>To fit, the pages became pictures: text in this copy can&apos;t be selected or searched. The original keeps its text.</source>
        <translation>Pour tenir, les pages sont devenues des images&#xa0;: le texte de cette copie ne peut être ni sélectionné ni recherché. L’original garde son texte.</translation>
    </message>
    <message>
        <source>Up to %1</source>
        <translation>Jusqu’à %1</translation>
    </message>
    <message>
        <source>Can&apos;t get under %1. The smallest Tamsel can make is %2.</source>
        <translation>Impossible de descendre sous %1. Le plus petit que Tamsel puisse faire est %2.</translation>
    </message>
    <message>
        <source>Pictures in this PDF can&apos;t get much smaller while it keeps its text. Up to %1 can turn the pages into pictures when that&apos;s the only way to fit.</source>
        <translation>Les images de ce PDF ne peuvent guère rétrécir sans perdre le texte. «&#xa0;Jusqu’à %1&#xa0;» peut transformer les pages en images quand c’est le seul moyen de tenir.</translation>
    </message>
</context>
<context>
    <name>Compression</name>
    <message>
        <source>%1 MB</source>
        <translation>%1 Mo</translation>
    </message>
</context>
<context>
    <name>DocumentView</name>
    <message>
        <source>Sign &amp; Stamp</source>
        <translation>Signer et tamponner</translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>Compresser</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Diviser</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Insert, extract, export as images, merge</source>
        <translation>Insérer, extraire, exporter en images, fusionner</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Enregistrer sous…</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Pivoter à gauche</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>Pivoter à gauche</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>Pivoter à droite</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>Pivoter à droite</translation>
    </message>
    <message>
        <source>Delete Pages</source>
        <translation>Supprimer les pages</translation>
    </message>
    <message>
        <source>Delete the selected pages</source>
        <translation>Supprimer les pages sélectionnées</translation>
    </message>
    <message>
        <source>Drag to reorder. Drop PDFs or images to add pages. Save As… makes a new file; the original stays as it is.</source>
        <translation>Faites glisser pour réordonner, déposez des PDF ou des images pour ajouter des pages. «&#xa0;Enregistrer sous…&#xa0;» crée un nouveau fichier.</translation>
    </message>
    <message>
        <source>1 page</source>
        <translation>1 page</translation>
    </message>
    <message numerus="yes">
        <source>%n pages</source>
        <translation>
            <numerusform>%n page</numerusform>
            <numerusform>%n pages</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n selected</source>
        <translation>
            <numerusform>%n sélectionnée</numerusform>
            <numerusform>%n sélectionnées</numerusform>
        </translation>
    </message>
    <message>
        <source>password</source>
        <translation>mot de passe</translation>
    </message>
    <message>
        <source>not saved</source>
        <translation>non enregistré</translation>
    </message>
    <message>
        <source>Insert Pages from Files…</source>
        <translation>Insérer des pages depuis des fichiers…</translation>
    </message>
    <message>
        <source>Extract All Pages…</source>
        <translation>Extraire toutes les pages…</translation>
    </message>
    <message>
        <source>Extract Selected Pages…</source>
        <translation>Extraire les pages sélectionnées…</translation>
    </message>
    <message>
        <source>Export Pages as Images…</source>
        <translation>Exporter les pages en images…</translation>
    </message>
    <message>
        <source>Add to Merge</source>
        <translation>Ajouter à la fusion</translation>
    </message>
</context>
<context>
    <name>DrawingPad</name>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Ink</source>
        <translation>Encre</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Use This Signature</source>
        <translation>Utiliser cette signature</translation>
    </message>
</context>
<context>
    <name>DropZone</name>
    <message>
        <source>Drop PDFs or images here</source>
        <translation>Déposez des PDF ou des images ici</translation>
    </message>
    <message>
        <source>or click to open. Images become pages of a new PDF.</source>
        <translation>ou cliquez pour ouvrir. Les images deviennent les pages d’un nouveau PDF.</translation>
    </message>
</context>
<context>
    <name>ExportImagesSheet</name>
    <message>
        <source>%1 page %2</source>
        <extracomment>The name of one exported picture: %1 the document&apos;s name, %2 the page number.</extracomment>
        <translation>%1 page %2</translation>
    </message>
    <message>
        <source>Export Pages as Images</source>
        <translation>Exporter les pages en images</translation>
    </message>
    <message>
        <source>The selected page.</source>
        <translation>La page sélectionnée.</translation>
    </message>
    <message numerus="yes">
        <source>The %n selected pages.</source>
        <translation>
            <numerusform>La %n page sélectionnée.</numerusform>
            <numerusform>Les %n pages sélectionnées.</numerusform>
        </translation>
    </message>
    <message>
        <source>The one page.</source>
        <translation>L’unique page.</translation>
    </message>
    <message numerus="yes">
        <source>All %n pages.</source>
        <translation>
            <numerusform>La %n page.</numerusform>
            <numerusform>Les %n pages.</numerusform>
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
        <translation>Résolution</translation>
    </message>
    <message>
        <source>Screen (100 dpi)</source>
        <translation>Écran (100 ppp)</translation>
    </message>
    <message>
        <source>Good (200 dpi)</source>
        <translation>Bonne (200 ppp)</translation>
    </message>
    <message>
        <source>Print (300 dpi)</source>
        <translation>Impression (300 ppp)</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exporter…</translation>
    </message>
    <message>
        <source>Export Here</source>
        <translation>Exporter ici</translation>
    </message>
    <message>
        <source>Exporting…</source>
        <translation>Exportation…</translation>
    </message>
</context>
<context>
    <name>FilePanels</name>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>PDFs and pictures (%1)</source>
        <translation>PDF et images (%1)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
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
        <translation>Non enregistré</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>FileWriting</name>
    <message>
        <source>“%1” couldn&apos;t be saved because the disk is full.</source>
        <translation>Impossible d’enregistrer «&#xa0;%1&#xa0;», car le disque est plein.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because it is too large for that disk.</source>
        <translation>Impossible d’enregistrer «&#xa0;%1&#xa0;», car il est trop volumineux pour ce disque.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because you don&apos;t have permission to write in that folder.</source>
        <translation>Impossible d’enregistrer «&#xa0;%1&#xa0;», car vous n’avez pas le droit d’écrire dans ce dossier.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because that disk is read-only.</source>
        <translation>Impossible d’enregistrer «&#xa0;%1&#xa0;», car ce disque est en lecture seule.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because the name is too long.</source>
        <translation>Impossible d’enregistrer «&#xa0;%1&#xa0;», car le nom est trop long.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because its folder doesn&apos;t exist.</source>
        <translation>Impossible d’enregistrer «&#xa0;%1&#xa0;», car son dossier n’existe pas.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because a folder of that name is in the way.</source>
        <translation>Impossible d’enregistrer «&#xa0;%1&#xa0;», car un dossier de ce nom gêne.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved (%2).</source>
        <translation>Impossible d’enregistrer «&#xa0;%1&#xa0;» (%2).</translation>
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
        <translation>Tamsel pour Linux</translation>
    </message>
    <message>
        <source>PDF tools, signatures and stamps, QR codes. Private by design · 100% on-device.</source>
        <translation>Outils PDF, signatures et tampons, codes QR. Confidentiel par conception · 100 % sur l’appareil.</translation>
    </message>
    <message>
        <source>Sign &amp; Stamp</source>
        <translation>Signer et tamponner</translation>
    </message>
    <message>
        <source>Put your signature, initials or a company seal on any page, or on all of them.</source>
        <translation>Apposez votre signature, vos initiales ou le cachet de votre entreprise sur une page, ou sur toutes.</translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>Compresser</translation>
    </message>
    <message>
        <source>Original, Medium, Small, or up to the size a website or email asks for.</source>
        <translation>Original, Moyen, Petit, ou jusqu’à la taille demandée par un site ou un e-mail.</translation>
    </message>
    <message>
        <source>Merge PDFs</source>
        <translation>Fusionner des PDF</translation>
    </message>
    <message>
        <source>Join PDFs and images in the order you set.</source>
        <translation>Assemblez PDF et images dans l’ordre de votre choix.</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Diviser</translation>
    </message>
    <message>
        <source>By page ranges like 1-3, 5, 8-10, every few pages or page by page.</source>
        <translation>Par plages comme 1-3, 5, 8-10, toutes les quelques pages ou page par page.</translation>
    </message>
    <message>
        <source>Read QR Codes</source>
        <translation>Lire des codes QR</translation>
    </message>
    <message>
        <source>From pictures, screenshots and every page of a PDF.</source>
        <translation>Depuis des images, des captures d’écran et chaque page d’un PDF.</translation>
    </message>
    <message>
        <source>Images to PDF</source>
        <translation>Images en PDF</translation>
    </message>
    <message>
        <source>Photos and scans as pages of one PDF, in name order.</source>
        <translation>Photos et numérisations en pages d’un seul PDF, par ordre de nom.</translation>
    </message>
    <message>
        <source>No ads. No tracking. No account.</source>
        <translation>Pas de publicité. Pas de pistage. Pas de compte.</translation>
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
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Ouvrir…</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Enregistrer sous…</translation>
    </message>
    <message>
        <source>Close File</source>
        <translation>Fermer le fichier</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>About Tamsel</source>
        <translation>À propos de Tamsel</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Rechercher des mises à jour…</translation>
    </message>
    <message>
        <source>Support the Developer…</source>
        <translation>Soutenir le développeur…</translation>
    </message>
    <message>
        <source>Changes in %1 aren&apos;t saved. Use Save As… to keep them.</source>
        <translation>Les modifications de %1 ne sont pas enregistrées. Utilisez «&#xa0;Enregistrer sous…&#xa0;» pour les conserver.</translation>
    </message>
    <message>
        <source>Stop and quit?</source>
        <translation>Arrêter et quitter&#xa0;?</translation>
    </message>
    <message>
        <source>Tamsel is still working (%1). Quitting stops that work; nothing half-written is kept.</source>
        <translation>Tamsel travaille encore (%1). Quitter arrête ce travail&#xa0;; rien d’écrit à moitié n’est conservé.</translation>
    </message>
    <message>
        <source>Quit without saving?</source>
        <translation>Quitter sans enregistrer&#xa0;?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Quit Anyway</source>
        <translation>Quitter quand même</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
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
        <translation>1 page</translation>
    </message>
    <message numerus="yes">
        <source>%n pages</source>
        <translation>
            <numerusform>%n page</numerusform>
            <numerusform>%n pages</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 fichier</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n fichier</numerusform>
            <numerusform>%n fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>Drag to reorder</source>
        <translation>Faites glisser pour réordonner</translation>
    </message>
    <message>
        <source>Remove from the list</source>
        <translation>Retirer de la liste</translation>
    </message>
    <message>
        <source>Merge PDFs</source>
        <translation>Fusionner des PDF</translation>
    </message>
    <message>
        <source>Drop PDFs and images here, drag them into order, then Merge. Open files join as they are now, with their turns, removed pages and stamps.</source>
        <translation>Déposez des PDF et des images ici, mettez-les dans l’ordre, puis fusionnez. Les fichiers ouverts sont ajoutés tels qu’ils sont maintenant, avec leurs rotations, pages supprimées et tampons.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Drop files to merge</source>
        <translation>Déposez des fichiers à fusionner</translation>
    </message>
    <message>
        <source>Two or more PDFs or images</source>
        <translation>Deux PDF ou images ou plus</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Merge…</source>
        <translation>Fusionner…</translation>
    </message>
    <message>
        <source>Add Files…</source>
        <translation>Ajouter des fichiers…</translation>
    </message>
</context>
<context>
    <name>NewStampMenu</name>
    <message>
        <source>From an Image File…</source>
        <translation>À partir d’un fichier image…</translation>
    </message>
    <message>
        <source>Draw with Trackpad or Mouse…</source>
        <translation>Dessiner au pavé tactile ou à la souris…</translation>
    </message>
    <message>
        <source>Ready Stamps…</source>
        <translation>Tampons prêts à l’emploi…</translation>
    </message>
    <message>
        <source>New Signature or Stamp</source>
        <translation>Nouvelle signature ou nouveau tampon</translation>
    </message>
    <message>
        <source>Choose a photo or scan of your signature or stamp</source>
        <translation>Choisissez une photo ou un scan de votre signature ou de votre tampon</translation>
    </message>
</context>
<context>
    <name>NewStampSheet</name>
    <message>
        <source>Draw Your Signature</source>
        <translation>Dessinez votre signature</translation>
    </message>
    <message>
        <source>Ready Stamps</source>
        <translation>Tampons prêts à l’emploi</translation>
    </message>
    <message>
        <source>New Signature or Stamp</source>
        <translation>Nouvelle signature ou nouveau tampon</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>The checkerboard is what stays transparent on the page.</source>
        <translation>Le damier indique ce qui reste transparent sur la page.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Removing the paper…</source>
        <translation>Suppression du papier…</translation>
    </message>
    <message>
        <source>The signature or stamp couldn&apos;t be saved. Try again.</source>
        <translation>Impossible d’enregistrer la signature ou le tampon. Réessayez.</translation>
    </message>
</context>
<context>
    <name>PDFEngine</name>
    <message>
        <source>A page of this file can&apos;t be read anymore. Open the file again.</source>
        <translation>Une page de ce fichier ne peut plus être lue. Rouvrez le fichier.</translation>
    </message>
    <message>
        <source>The PDF couldn&apos;t be made. Try again.</source>
        <translation>Impossible de créer le PDF. Réessayez.</translation>
    </message>
    <message>
        <source>The pages of this file are damaged in a way that stops them being copied. It can only be saved as pictures of its pages.</source>
        <translation>Les pages de ce fichier sont endommagées d’une manière qui empêche de les copier. Il ne peut être enregistré que sous forme d’images de ses pages.</translation>
    </message>
    <message>
        <source>Reading the PDF took too long and was stopped. A page of the file may be damaged.</source>
        <translation>La lecture du PDF a pris trop de temps et a été arrêtée. Une page du fichier est peut-être endommagée.</translation>
    </message>
    <message>
        <source>Reading the PDF failed because a part of the file is damaged.</source>
        <translation>La lecture du PDF a échoué, car une partie du fichier est endommagée.</translation>
    </message>
    <message>
        <source>The PDF needs more memory than Tamsel may use for one file.</source>
        <translation>Le PDF nécessite plus de mémoire que Tamsel ne peut en utiliser pour un fichier.</translation>
    </message>
    <message>
        <source>This PDF failed to be read several times, so Tamsel doesn&apos;t try again.</source>
        <translation>La lecture de ce PDF a échoué plusieurs fois, Tamsel ne réessaie donc pas.</translation>
    </message>
    <message>
        <source>Tamsel&apos;s PDF reader can&apos;t be started. Install Tamsel again.</source>
        <translation>Le lecteur PDF de Tamsel ne peut pas démarrer. Réinstallez Tamsel.</translation>
    </message>
    <message>
        <source>A page is too large for a picture at this resolution. Choose a lower resolution.</source>
        <translation>Une page est trop grande pour une image à cette résolution. Choisissez une résolution plus basse.</translation>
    </message>
    <message>
        <source>It was moved or deleted.</source>
        <translation>Il a été déplacé ou supprimé.</translation>
    </message>
</context>
<context>
    <name>PageGrid</name>
    <message>
        <source>Has signatures or stamps</source>
        <translation>Contient des signatures ou des tampons</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Pivoter à gauche</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>Pivoter à droite</translation>
    </message>
    <message>
        <source>Sign &amp; Stamp</source>
        <translation>Signer et tamponner</translation>
    </message>
    <message>
        <source>Extract…</source>
        <translation>Extraire…</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
</context>
<context>
    <name>PageImage</name>
    <message>
        <source>Can&apos;t be shown</source>
        <translation>Affichage impossible</translation>
    </message>
</context>
<context>
    <name>PageListModel</name>
    <message>
        <source>Page %1</source>
        <translation>Page %1</translation>
    </message>
</context>
<context>
    <name>PasswordPrompt</name>
    <message>
        <source>“%1” is locked</source>
        <translation>«&#xa0;%1&#xa0;» est verrouillé</translation>
    </message>
    <message>
        <source>That password didn&apos;t open it. Try again.</source>
        <translation>Ce mot de passe ne l’a pas ouvert. Réessayez.</translation>
    </message>
    <message>
        <source>Enter its password to open it. The password stays on this computer.</source>
        <translation>Saisissez son mot de passe pour l’ouvrir. Le mot de passe reste sur cet ordinateur.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
</context>
<context>
    <name>PasswordSheet</name>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>“%1” is protected with a password. Save a copy that opens without it, or a copy with a new one.</source>
        <translation>«&#xa0;%1&#xa0;» est protégé par un mot de passe. Enregistrez une copie qui s’ouvre sans, ou une copie avec un nouveau mot de passe.</translation>
    </message>
    <message>
        <source>Save a Copy without Password…</source>
        <translation>Enregistrer une copie sans mot de passe…</translation>
    </message>
    <message>
        <source>Save a copy that asks for this password to open. Keep it somewhere safe: it can&apos;t be recovered.</source>
        <translation>Enregistrez une copie qui demande ce mot de passe à l’ouverture. Conservez-le en lieu sûr&#xa0;: il ne peut pas être récupéré.</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Nouveau mot de passe</translation>
    </message>
    <message>
        <source>Repeat password</source>
        <translation>Confirmer le mot de passe</translation>
    </message>
    <message>
        <source>The passwords don&apos;t match.</source>
        <translation>Les mots de passe ne correspondent pas.</translation>
    </message>
    <message>
        <source>Save Protected Copy…</source>
        <translation>Enregistrer une copie protégée…</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Enregistrement…</translation>
    </message>
    <message>
        <source>%1 (protected)</source>
        <extracomment>The name offered for the copy: %1 the document&apos;s name.</extracomment>
        <translation>%1 (protégé)</translation>
    </message>
    <message>
        <source>%1 (no password)</source>
        <translation>%1 (sans mot de passe)</translation>
    </message>
</context>
<context>
    <name>PlacedStamp</name>
    <message>
        <source>Drag to turn</source>
        <translation>Faites glisser pour tourner</translation>
    </message>
    <message>
        <source>Drag to resize</source>
        <translation>Faites glisser pour redimensionner</translation>
    </message>
</context>
<context>
    <name>ProcessRunner</name>
    <message>
        <source>The tool didn&apos;t answer in time.</source>
        <extracomment>Error when a command-line tool times out</extracomment>
        <translation>L’outil n’a pas répondu à temps.</translation>
    </message>
    <message>
        <source>Exit code %1</source>
        <extracomment>Error of a command-line tool that gave no message</extracomment>
        <translation>Code de sortie %1</translation>
    </message>
</context>
<context>
    <name>ReadyStamp</name>
    <message>
        <source>APPROVED</source>
        <translation>APPROUVÉ</translation>
    </message>
    <message>
        <source>PAID</source>
        <translation>PAYÉ</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>COPIE</translation>
    </message>
    <message>
        <source>CONFIDENTIAL</source>
        <translation>CONFIDENTIEL</translation>
    </message>
    <message>
        <source>DRAFT</source>
        <translation>BROUILLON</translation>
    </message>
    <message>
        <source>RECEIVED</source>
        <translation>REÇU</translation>
    </message>
</context>
<context>
    <name>ReadyStampsPicker</name>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Add today&apos;s date</source>
        <translation>Ajouter la date du jour</translation>
    </message>
    <message>
        <source>Your own word, like PAID IN CASH</source>
        <translation>Votre propre mot, comme PAYÉ EN ESPÈCES</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
</context>
<context>
    <name>RootView</name>
    <message>
        <source>Support Tamsel</source>
        <translation>Soutenir Tamsel</translation>
    </message>
    <message>
        <source>Support the developer</source>
        <translation>Soutenir le développeur</translation>
    </message>
    <message>
        <source>About Tamsel</source>
        <translation>À propos de Tamsel</translation>
    </message>
    <message>
        <source>About, updates, privacy and support</source>
        <translation>À propos, mises à jour, confidentialité et soutien</translation>
    </message>
    <message>
        <source>Something went wrong</source>
        <translation>Un problème est survenu</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save changes to “%1”?</source>
        <translation>Enregistrer les modifications de «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>Your changes will be lost if you close it without saving. The original file stays as it was.</source>
        <translation>Vos modifications seront perdues si vous le fermez sans enregistrer. Le fichier d’origine reste tel qu’il était.</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Enregistrer sous…</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Ne pas enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Save as Pictures</source>
        <translation>Enregistrer en images</translation>
    </message>
    <message>
        <source>Hide Sidebar</source>
        <translation>Masquer la barre latérale</translation>
    </message>
    <message>
        <source>Show Sidebar</source>
        <translation>Afficher la barre latérale</translation>
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
        <translation>Copier le lien</translation>
    </message>
    <message>
        <source>Link copied</source>
        <translation>Lien copié</translation>
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
        <translation>par Vornel Apps</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Ouvrir…</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Merge PDFs</source>
        <translation>Fusionner des PDF</translation>
    </message>
    <message>
        <source>Signatures &amp; Stamps</source>
        <translation>Signatures et tampons</translation>
    </message>
    <message>
        <source>QR Codes</source>
        <translation>Codes QR</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Enregistrer sous…</translation>
    </message>
    <message>
        <source>Add to Merge</source>
        <translation>Ajouter à la fusion</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>SignView</name>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Back to all pages</source>
        <translation>Retour à toutes les pages</translation>
    </message>
    <message>
        <source>Sign &amp; Stamp</source>
        <translation>Signer et tamponner</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Enregistrer sous…</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
</context>
<context>
    <name>SplitSheet</name>
    <message>
        <source>Split “%1”</source>
        <translation>Diviser «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>By page ranges</source>
        <translation>Par plages de pages</translation>
    </message>
    <message>
        <source>Every few pages</source>
        <translation>Toutes les quelques pages</translation>
    </message>
    <message>
        <source>Page by page</source>
        <translation>Page par page</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Diviser</translation>
    </message>
    <message>
        <source>For example: 1-3, 5, 8-10</source>
        <translation>Par exemple&#xa0;: 1-3, 5, 8-10</translation>
    </message>
    <message>
        <source>Each range becomes its own PDF. Pages 1 to %1.</source>
        <translation>Chaque plage devient un PDF distinct. Pages 1 à %1.</translation>
    </message>
    <message>
        <source>Pages per file</source>
        <translation>Pages par fichier</translation>
    </message>
    <message numerus="yes">
        <source>Each of the %n pages becomes its own PDF.</source>
        <translation>
            <numerusform>La %n page devient un PDF distinct.</numerusform>
            <numerusform>Chacune des %n pages devient un PDF distinct.</numerusform>
        </translation>
    </message>
    <message>
        <source>Split…</source>
        <translation>Diviser…</translation>
    </message>
    <message numerus="yes">
        <source>A new file every %n pages</source>
        <translation>
            <numerusform>Un nouveau fichier toutes les %n page</numerusform>
            <numerusform>Un nouveau fichier toutes les %n pages</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Makes %n files: %1</source>
        <translation>
            <numerusform>Crée %n fichier&#xa0;: %1</numerusform>
            <numerusform>Crée %n fichiers&#xa0;: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Use page numbers from 1 to %1, like 1-3, 5.</source>
        <translation>Utilisez des numéros de page de 1 à %1, comme 1-3, 5.</translation>
    </message>
    <message>
        <source>Split Here</source>
        <translation>Diviser ici</translation>
    </message>
    <message>
        <source>Splitting…</source>
        <translation>Division…</translation>
    </message>
</context>
<context>
    <name>StampLibrary</name>
    <message>
        <source>Signature</source>
        <translation>Signature</translation>
    </message>
    <message>
        <source>Stamp</source>
        <translation>Tampon</translation>
    </message>
    <message>
        <source>The signature or stamp couldn&apos;t be saved. Try again.</source>
        <translation>Impossible d’enregistrer la signature ou le tampon. Réessayez.</translation>
    </message>
    <message>
        <source>The change couldn&apos;t be saved. Try again.</source>
        <translation>Impossible d’enregistrer la modification. Réessayez.</translation>
    </message>
</context>
<context>
    <name>StampLibraryPanel</name>
    <message>
        <source>Put on this page</source>
        <translation>Placer sur cette page</translation>
    </message>
    <message>
        <source>Signatures &amp; Stamps</source>
        <translation>Signatures et tampons</translation>
    </message>
    <message>
        <source>Add your signature or a company seal once; it stays in Tamsel on this computer for every document.</source>
        <translation>Ajoutez votre signature ou le cachet de votre entreprise une fois&#xa0;; il reste dans Tamsel sur cet ordinateur pour tous vos documents.</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>Add to All Pages</source>
        <translation>Ajouter à toutes les pages</translation>
    </message>
    <message>
        <source>Remove from Page</source>
        <translation>Retirer de la page</translation>
    </message>
    <message>
        <source>Or paste a photo or scan with Ctrl+V, or drop one here.</source>
        <translation>Ou collez une photo ou un scan avec Ctrl+V, ou déposez-le ici.</translation>
    </message>
</context>
<context>
    <name>StampMaker</name>
    <message>
        <source>This image can&apos;t be read.</source>
        <translation>Impossible de lire cette image.</translation>
    </message>
    <message>
        <source>No signature or stamp found. Try a photo of it on white paper.</source>
        <translation>Aucune signature ni aucun tampon trouvé. Essayez une photo sur papier blanc.</translation>
    </message>
</context>
<context>
    <name>StampsView</name>
    <message>
        <source>Rename or delete</source>
        <translation>Renommer ou supprimer</translation>
    </message>
    <message>
        <source>Rename or delete “%1”</source>
        <translation>Renommer ou supprimer «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>Renommer…</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>Supprimer…</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Signatures &amp; Stamps</source>
        <translation>Signatures et tampons</translation>
    </message>
    <message>
        <source>Your signature, initials or a company seal, with the paper removed automatically. They stay only on this computer. Tamsel puts your own images on documents; it doesn&apos;t make a signature legally binding by itself.</source>
        <translation>Votre signature, vos initiales ou le cachet de votre entreprise, le papier retiré automatiquement. Ils restent uniquement sur cet ordinateur. Tamsel place vos propres images sur des documents&#xa0;; cela ne rend pas à lui seul une signature juridiquement contraignante.</translation>
    </message>
    <message>
        <source>No signatures or stamps yet</source>
        <translation>Aucune signature ni aucun tampon pour l’instant</translation>
    </message>
    <message>
        <source>Sign a white sheet of paper or stamp it, then take a photo of it and choose the photo or a scan. You can also draw with the trackpad or pick a ready stamp like PAID or APPROVED.</source>
        <translation>Signez ou tamponnez une feuille de papier blanc, prenez-la en photo, puis choisissez la photo ou un scan. Vous pouvez aussi dessiner au pavé tactile ou choisir un tampon prêt à l’emploi comme PAYÉ ou APPROUVÉ.</translation>
    </message>
    <message>
        <source>Tamsel</source>
        <translation>Tamsel</translation>
    </message>
    <message>
        <source>Delete “%1”?</source>
        <translation>Supprimer «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>It also leaves pages open in Tamsel. Files you already saved keep it.</source>
        <translation>Il disparaît aussi des pages ouvertes dans Tamsel. Les fichiers déjà enregistrés le conservent.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
</context>
<context>
    <name>SupportView</name>
    <message>
        <source>Done! Support Tamsel?</source>
        <translation>Terminé&#xa0;! Soutenir Tamsel&#xa0;?</translation>
    </message>
    <message>
        <source>Support Tamsel</source>
        <translation>Soutenir Tamsel</translation>
    </message>
    <message>
        <source>Tamsel is free: no ads, no tracking, no subscription. If it saved you time, you can thank the developer with crypto. Any amount helps keep it free.</source>
        <translation>Tamsel est gratuit&#xa0;: pas de publicité, pas de pistage, pas d’abonnement. S’il vous a fait gagner du temps, vous pouvez remercier le développeur en crypto. Chaque montant aide à le garder gratuit.</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Send only on the networks listed above. Coins sent on another network can&apos;t be recovered.</source>
        <translation>N’envoyez que sur les réseaux indiqués ci-dessus. Les cryptos envoyées sur un autre réseau ne peuvent pas être récupérées.</translation>
    </message>
    <message>
        <source>The same addresses are on %1/donate.</source>
        <translation>Les mêmes adresses figurent sur %1/donate.</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Plus tard</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>QR code of the %1 address</source>
        <translation>Code QR de l’adresse %1</translation>
    </message>
    <message>
        <source>Address copied</source>
        <translation>Adresse copiée</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copié</translation>
    </message>
    <message>
        <source>Copy Address</source>
        <translation>Copier l’adresse</translation>
    </message>
    <message>
        <source>This copy of Tamsel was built without donation addresses. The developer&apos;s are on %1/donate.</source>
        <translation>Cette copie de Tamsel a été compilée sans adresses de don. Celles du développeur sont sur %1/donate.</translation>
    </message>
</context>
<context>
    <name>TellAFriendView</name>
    <message>
        <source>Tell a friend</source>
        <translation>En parler à un ami</translation>
    </message>
    <message>
        <source>Like Tamsel? Tell a friend.</source>
        <translation>Vous aimez Tamsel&#xa0;? Parlez-en à un ami.</translation>
    </message>
    <message>
        <source>Tamsel is free: no ads, no tracking. We don&apos;t buy ads, so friends telling friends is how people find it.</source>
        <translation>Tamsel est gratuit&#xa0;: pas de publicité, pas de pistage. Nous n’achetons pas de publicité&#xa0;: on le découvre parce que des amis en parlent à leurs amis.</translation>
    </message>
    <message>
        <source>Your friend gets this message:</source>
        <translation>Votre ami recevra ce message&#xa0;:</translation>
    </message>
    <message>
        <source>You choose the app and the friend; we never see who.</source>
        <translation>Vous choisissez l’app et l’ami&#xa0;; nous ne voyons jamais à qui.</translation>
    </message>
    <message>
        <source>Share…</source>
        <translation>Partager…</translation>
    </message>
    <message>
        <source>Tamsel for Linux: free PDF tools, signatures and stamps, QR codes. Everything stays on your computer.</source>
        <comment>The message shared with a friend, followed by the link to the app&apos;s page.</comment>
        <translation>Tamsel pour Linux&#xa0;: outils PDF gratuits, signatures et tampons, codes QR. Tout reste sur votre ordinateur.</translation>
    </message>
    <message>
        <source>Message copied</source>
        <translation>Message copié</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copié</translation>
    </message>
    <message>
        <source>Copy Message</source>
        <translation>Copier le message</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Plus tard</translation>
    </message>
</context>
<context>
    <name>ToastView</name>
    <message>
        <source>Show in Folder</source>
        <translation>Afficher dans le dossier</translation>
    </message>
</context>
<context>
    <name>ToolSheetFrame</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>The update information isn&apos;t available right now. Try again later.</source>
        <extracomment>Check for Updates error</extracomment>
        <translation>Les informations de mise à jour ne sont pas disponibles pour le moment. Réessayez plus tard.</translation>
    </message>
    <message>
        <source>Couldn&apos;t check for updates: %1</source>
        <extracomment>Check for Updates error. The placeholder is the system&apos;s error message.</extracomment>
        <translation>Impossible de rechercher des mises à jour&#xa0;: %1</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation>Impossible de lire les données, car elles ne sont pas au bon format.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation>Impossible de lire les données, car elles sont manquantes.</translation>
    </message>
    <message>
        <source>The update information is too large.</source>
        <translation>Les informations de mise à jour sont trop volumineuses.</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>Le délai de la requête a expiré.</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>The request timed out.</source>
        <translation>Le délai de la requête a expiré.</translation>
    </message>
    <message>
        <source>moved permanently</source>
        <translation>déplacé de façon permanente</translation>
    </message>
    <message>
        <source>found</source>
        <translation>trouvé</translation>
    </message>
    <message>
        <source>not modified</source>
        <translation>non modifié</translation>
    </message>
    <message>
        <source>bad request</source>
        <translation>requête incorrecte</translation>
    </message>
    <message>
        <source>unauthorized</source>
        <translation>non autorisé</translation>
    </message>
    <message>
        <source>forbidden</source>
        <translation>interdit</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>introuvable</translation>
    </message>
    <message>
        <source>method not allowed</source>
        <translation>méthode non autorisée</translation>
    </message>
    <message>
        <source>request timed out</source>
        <translation>délai de requête dépassé</translation>
    </message>
    <message>
        <source>no longer exists</source>
        <translation>n’existe plus</translation>
    </message>
    <message>
        <source>too many requests</source>
        <translation>trop de requêtes</translation>
    </message>
    <message>
        <source>internal server error</source>
        <translation>erreur interne du serveur</translation>
    </message>
    <message>
        <source>unimplemented</source>
        <translation>non implémenté</translation>
    </message>
    <message>
        <source>bad gateway</source>
        <translation>passerelle incorrecte</translation>
    </message>
    <message>
        <source>service unavailable</source>
        <translation>service indisponible</translation>
    </message>
    <message>
        <source>gateway timed out</source>
        <translation>délai de la passerelle dépassé</translation>
    </message>
    <message>
        <source>informational</source>
        <translation>information</translation>
    </message>
    <message>
        <source>success</source>
        <translation>succès</translation>
    </message>
    <message>
        <source>redirected</source>
        <translation>redirigé</translation>
    </message>
    <message>
        <source>client error</source>
        <translation>erreur du client</translation>
    </message>
    <message>
        <source>server error</source>
        <translation>erreur du serveur</translation>
    </message>
    <message>
        <source>Couldn&apos;t install the update (%1). This copy is now “%2” in the same folder: rename it back to Tamsel.</source>
        <extracomment>Install and Relaunch error when the old copy couldn&apos;t get its name back. Placeholders: the system&apos;s message, the app&apos;s current file name.</extracomment>
        <translation>Impossible d’installer la mise à jour (%1). Cette copie s’appelle désormais «&#xa0;%2&#xa0;» dans le même dossier&#xa0;: renommez-la en Tamsel.</translation>
    </message>
    <message>
        <source>Couldn&apos;t install the update (%1). This copy wasn&apos;t changed.</source>
        <extracomment>Install and Relaunch error. The placeholder is the system&apos;s or a tool&apos;s message.</extracomment>
        <translation>Impossible d’installer la mise à jour (%1). Cette copie n’a pas été modifiée.</translation>
    </message>
    <message>
        <source>The downloaded update didn&apos;t pass the check. This copy wasn&apos;t changed.</source>
        <extracomment>Install and Relaunch error</extracomment>
        <translation>La mise à jour téléchargée n’a pas passé la vérification. Cette copie n’a pas été modifiée.</translation>
    </message>
    <message>
        <source>The download is larger than expected.</source>
        <extracomment>Install and Relaunch error, inside &quot;Couldn&apos;t install the update (…)&quot;: the server sent more than the update&apos;s size.</extracomment>
        <translation>Le téléchargement est plus volumineux que prévu.</translation>
    </message>
    <message>
        <source>There isn&apos;t enough free space for the update.</source>
        <extracomment>Install and Relaunch error, inside &quot;Couldn&apos;t install the update (…)&quot;.</extracomment>
        <translation>Il n’y a pas assez d’espace libre pour la mise à jour.</translation>
    </message>
</context>
</TS>
