<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutView</name>
    <message>
        <source>About Tamsel</source>
        <translation>Acerca de Tamsel</translation>
    </message>
    <message>
        <source>Tamsel for Linux</source>
        <translation>Tamsel para Linux</translation>
    </message>
    <message>
        <source>Version %1 (%2) · by Vornel Apps</source>
        <translation>Versión %1 (%2) · por Vornel Apps</translation>
    </message>
    <message>
        <source>Help &amp; legal</source>
        <translation>Ayuda y aspectos legales</translation>
    </message>
    <message>
        <source>Follow us</source>
        <translation>Síguenos</translation>
    </message>
    <message>
        <source>More from Vornel Apps</source>
        <translation>Más de Vornel Apps</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Actualizaciones</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Same as system</source>
        <translation>Igual que el sistema</translation>
    </message>
    <message>
        <source>Restart Tamsel</source>
        <translation>Reiniciar Tamsel</translation>
    </message>
    <message>
        <source>Free, with optional support</source>
        <translation>Gratis, con apoyo opcional</translation>
    </message>
    <message>
        <source>No ads, no tracking, no account, no subscription. Everything runs on your computer. If Tamsel helps, you can support the developer with crypto.</source>
        <translation>Sin anuncios, sin rastreo, sin cuenta, sin suscripción. Todo funciona en tu ordenador. Si Tamsel te ayuda, puedes apoyar al desarrollador con criptomonedas.</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Apoyar</translation>
    </message>
    <message>
        <source>Tell a friend</source>
        <translation>Recomendar a un amigo</translation>
    </message>
    <message>
        <source>Tamsel spends nothing on ads, so people telling people is how it grows. Share a link to its page; nothing is sent unless you choose where.</source>
        <translation>Tamsel no gasta nada en publicidad: crece porque la gente se lo recomienda. Comparte un enlace a su página; no se envía nada a menos que elijas adónde.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Compartir</translation>
    </message>
    <message>
        <source>Write to Support</source>
        <translation>Escribir a soporte</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>Política de privacidad</translation>
    </message>
    <message>
        <source>Terms of Use</source>
        <translation>Condiciones de uso</translation>
    </message>
    <message>
        <source>X (developer)</source>
        <comment>Link to the developer&apos;s account on X</comment>
        <translation>X (desarrollador)</translation>
    </message>
    <message>
        <source>Our other apps</source>
        <translation>Nuestras otras apps</translation>
    </message>
    <message>
        <source>Tamsel checks only when you ask. It reads one file on %1 and sends nothing about your computer.</source>
        <translation>Tamsel solo comprueba cuando se lo pides. Lee un archivo en %1 y no envía nada sobre tu ordenador.</translation>
    </message>
    <message>
        <source>You have the latest version.</source>
        <translation>Tienes la versión más reciente.</translation>
    </message>
    <message>
        <source>Version %1 is available.</source>
        <translation>La versión %1 está disponible.</translation>
    </message>
    <message>
        <source>Downloading and checking the update…</source>
        <translation>Descargando y comprobando la actualización…</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>Tamsel switches to the new language after a restart. Save or close the files with changes first.</source>
        <translation>Tamsel cambiará al nuevo idioma tras reiniciarse. Primero guarda o cierra los archivos con cambios.</translation>
    </message>
    <message>
        <source>Tamsel switches to the new language after a restart.</source>
        <translation>Tamsel cambiará al nuevo idioma tras reiniciarse.</translation>
    </message>
    <message>
        <source>Install and Relaunch</source>
        <translation>Instalar y reiniciar</translation>
    </message>
    <message>
        <source>Save or close the files with changes first: Tamsel restarts to finish the update.</source>
        <translation>Primero guarda o cierra los archivos con cambios: Tamsel se reinicia para terminar la actualización.</translation>
    </message>
</context>
<context>
    <name>AppModel</name>
    <message>
        <source>There&apos;s no picture on the clipboard. Copy a screenshot or an image first.</source>
        <translation>No hay ninguna imagen en el portapapeles. Copia primero una captura de pantalla o una imagen.</translation>
    </message>
    <message>
        <source>A file needs at least one page. To get rid of it, close the file.</source>
        <translation>Un archivo necesita al menos una página. Para quitarlo, cierra el archivo.</translation>
    </message>
    <message>
        <source>Tamsel opens PDFs and images.</source>
        <translation>Tamsel abre PDF e imágenes.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be opened.</source>
        <translation>No se puede abrir «%1».</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be opened. It may be damaged or not a PDF.</source>
        <translation>No se puede abrir «%1». Puede estar dañado o no ser un PDF.</translation>
    </message>
    <message>
        <source>Choose PDFs or images</source>
        <translation>Elige PDF o imágenes</translation>
    </message>
    <message>
        <source>Saved “%1”</source>
        <translation>«%1» guardado</translation>
    </message>
    <message>
        <source>“%1” is open in Tamsel, so it can&apos;t be replaced. Save under another name.</source>
        <translation>«%1» está abierto en Tamsel, así que no se puede reemplazar. Guárdalo con otro nombre.</translation>
    </message>
    <message>
        <source>“%1” wasn&apos;t saved because another task was still running. Try again when it has finished.</source>
        <translation>«%1» no se guardó porque otra tarea seguía en curso. Inténtalo de nuevo cuando haya terminado.</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Guardando…</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be used as a file name.</source>
        <translation>«%1» no se puede usar como nombre de archivo.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because the name is too long.</source>
        <translation>No se pudo guardar «%1» porque el nombre es demasiado largo.</translation>
    </message>
    <message>
        <source>Merging…</source>
        <translation>Combinando…</translation>
    </message>
    <message>
        <source>%1 (pages %2)</source>
        <extracomment>The name offered for a file of some pages: %1 the document&apos;s name, %2 the page numbers (&quot;1-3, 5&quot;).</extracomment>
        <translation>%1 (páginas %2)</translation>
    </message>
    <message>
        <source>%1 (merged)</source>
        <extracomment>The name offered for the merged file: %1 the first file&apos;s name.</extracomment>
        <translation>%1 (combinado)</translation>
    </message>
    <message>
        <source>%1 (signed)</source>
        <extracomment>The name offered when saving: %1 the document&apos;s name.</extracomment>
        <translation>%1 (firmado)</translation>
    </message>
    <message>
        <source>%1 (edited)</source>
        <translation>%1 (editado)</translation>
    </message>
    <message numerus="yes">
        <source>Added to all %n pages</source>
        <translation>
            <numerusform>Añadido a %n página</numerusform>
            <numerusform>Añadido a las %n páginas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Saved %n files</source>
        <translation>
            <numerusform>%n archivo guardado</numerusform>
            <numerusform>%n archivos guardados</numerusform>
        </translation>
    </message>
    <message>
        <source>The update is installed. Save your files, then quit and open Tamsel again to use it.</source>
        <translation>La actualización está instalada. Guarda tus archivos, cierra Tamsel y vuelve a abrirlo para usarla.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be opened. %2</source>
        <translation>No se puede abrir «%1». %2</translation>
    </message>
</context>
<context>
    <name>BusyOverlay</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>CodeCard</name>
    <message>
        <source>Link</source>
        <translation>Enlace</translation>
    </message>
    <message>
        <source>Wi-Fi</source>
        <translation>Wi-Fi</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contacto</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Libro</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Producto</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>%1, page %2</source>
        <translation>%1, página %2</translation>
    </message>
    <message>
        <source>Not encrypted: the address starts with http, not https.</source>
        <translation>Sin cifrar: la dirección empieza por http, no por https.</translation>
    </message>
    <message>
        <source>A bare number instead of a site name.</source>
        <translation>Un número en lugar del nombre de un sitio.</translation>
    </message>
    <message>
        <source>“%1” is not the site. The real site is %2.</source>
        <translation>«%1» no es el sitio. El sitio real es %2.</translation>
    </message>
    <message>
        <source>Letters from different alphabets: this address can imitate another site.</source>
        <translation>Letras de alfabetos distintos: esta dirección puede imitar a otro sitio.</translation>
    </message>
    <message>
        <source>Special characters in the name can imitate another site.</source>
        <translation>Los caracteres especiales del nombre pueden imitar a otro sitio.</translation>
    </message>
    <message>
        <source>Looks like %1, but the real site is %2.</source>
        <translation>Parece %1, pero el sitio real es %2.</translation>
    </message>
    <message>
        <source>The real site is %1, not %2.</source>
        <translation>El sitio real es %1, no %2.</translation>
    </message>
    <message>
        <source>A short link hides where it leads.</source>
        <translation>Un enlace acortado oculta adónde lleva.</translation>
    </message>
    <message>
        <source>Real site: %1</source>
        <translation>Sitio real: %1</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>Abrir en el navegador</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Copiar enlace</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Copy Network Name</source>
        <translation>Copiar nombre de red</translation>
    </message>
    <message>
        <source>Copy Password</source>
        <translation>Copiar contraseña</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copiado</translation>
    </message>
</context>
<context>
    <name>CodeReading</name>
    <message>
        <source>Pasted image</source>
        <translation>Imagen pegada</translation>
    </message>
    <message>
        <source>No codes found in “%1”.</source>
        <translation>No se encontraron códigos en «%1».</translation>
    </message>
    <message>
        <source>No codes found.</source>
        <translation>No se encontraron códigos.</translation>
    </message>
</context>
<context>
    <name>CodeSymbology</name>
    <message>
        <source>Barcode</source>
        <extracomment>Card title of a code whose kind is unknown</extracomment>
        <translation>Código de barras</translation>
    </message>
</context>
<context>
    <name>CodesDropZone</name>
    <message>
        <source>Drop a picture or PDF here</source>
        <translation>Suelta aquí una imagen o un PDF</translation>
    </message>
    <message>
        <source>Or copy a screenshot (Print Screen) and paste it with Ctrl+V.</source>
        <translation>O haz una captura de pantalla (Impr Pant) y pégala con Ctrl+V.</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Abrir…</translation>
    </message>
</context>
<context>
    <name>CodesView</name>
    <message>
        <source>QR Codes</source>
        <translation>Códigos QR</translation>
    </message>
    <message>
        <source>Read QR codes and barcodes from pictures, screenshots and every page of a PDF. Everything is read on this computer.</source>
        <translation>Lee códigos QR y de barras de imágenes, capturas de pantalla y cada página de un PDF. Todo se lee en este ordenador.</translation>
    </message>
    <message>
        <source>Reading…</source>
        <translation>Leyendo…</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Encontrados</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>%1 Try a sharper or larger picture.</source>
        <extracomment>%1 says why no code was found in the picture.</extracomment>
        <translation>%1 Prueba con una imagen más nítida o más grande.</translation>
    </message>
</context>
<context>
    <name>CompressSheet</name>
    <message>
        <source>Compress “%1”</source>
        <translation>Comprimir «%1»</translation>
    </message>
    <message>
        <source>Sizes are measured on this computer: the file you save is exactly this size.</source>
        <translation>Los tamaños se miden en este ordenador: el archivo que guardes tendrá exactamente este tamaño.</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>As it is now</source>
        <translation>Tal como está</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Sharp text, fits most email</source>
        <translation>Texto nítido, cabe en la mayoría de correos</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Pequeño</translation>
    </message>
    <message>
        <source>The smallest readable file</source>
        <translation>El archivo legible más pequeño</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>Guardar…</translation>
    </message>
    <message>
        <source>For websites and forms with a size limit</source>
        <translation>Para webs y formularios con límite de tamaño</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Límite</translation>
    </message>
    <message>
        <source>To fit, the pages became pictures: text in this copy can&apos;t be selected or searched. The original keeps its text.</source>
        <translation>Para que quepa, las páginas se convirtieron en imágenes: el texto de esta copia no se puede seleccionar ni buscar. El original conserva su texto.</translation>
    </message>
    <message>
        <source>Up to %1</source>
        <translation>Hasta %1</translation>
    </message>
    <message>
        <source>Can&apos;t get under %1. The smallest Tamsel can make is %2.</source>
        <translation>No baja de %1. Lo más pequeño que Tamsel puede lograr es %2.</translation>
    </message>
    <message>
        <source>Pictures in this PDF can&apos;t get much smaller while it keeps its text. Up to %1 can turn the pages into pictures when that&apos;s the only way to fit.</source>
        <translation>Las imágenes de este PDF apenas pueden reducirse sin perder el texto. «Hasta %1» puede convertir las páginas en imágenes cuando es la única forma de que quepa.</translation>
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
        <translation>Firmar y sellar</translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>Comprimir</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Dividir</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Insert, extract, export as images, merge</source>
        <translation>Insertar, extraer, exportar como imágenes, combinar</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Más</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Guardar como…</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Girar a la izquierda</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>Girar a la izquierda</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>Girar a la derecha</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>Girar a la derecha</translation>
    </message>
    <message>
        <source>Delete Pages</source>
        <translation>Eliminar páginas</translation>
    </message>
    <message>
        <source>Delete the selected pages</source>
        <translation>Eliminar las páginas seleccionadas</translation>
    </message>
    <message>
        <source>Drag to reorder. Drop PDFs or images to add pages. Save As… makes a new file; the original stays as it is.</source>
        <translation>Arrastra para reordenar. Suelta PDF o imágenes para añadir páginas. «Guardar como…» crea un archivo nuevo; el original queda como está.</translation>
    </message>
    <message>
        <source>1 page</source>
        <translation>1 página</translation>
    </message>
    <message numerus="yes">
        <source>%n pages</source>
        <translation>
            <numerusform>%n página</numerusform>
            <numerusform>%n páginas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n selected</source>
        <translation>
            <numerusform>%n seleccionada</numerusform>
            <numerusform>%n seleccionadas</numerusform>
        </translation>
    </message>
    <message>
        <source>password</source>
        <translation>contraseña</translation>
    </message>
    <message>
        <source>not saved</source>
        <translation>sin guardar</translation>
    </message>
    <message>
        <source>Insert Pages from Files…</source>
        <translation>Insertar páginas de archivos…</translation>
    </message>
    <message>
        <source>Extract All Pages…</source>
        <translation>Extraer todas las páginas…</translation>
    </message>
    <message>
        <source>Extract Selected Pages…</source>
        <translation>Extraer páginas seleccionadas…</translation>
    </message>
    <message>
        <source>Export Pages as Images…</source>
        <translation>Exportar páginas como imágenes…</translation>
    </message>
    <message>
        <source>Add to Merge</source>
        <translation>Añadir a combinar</translation>
    </message>
</context>
<context>
    <name>DrawingPad</name>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Ink</source>
        <translation>Tinta</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Use This Signature</source>
        <translation>Usar esta firma</translation>
    </message>
</context>
<context>
    <name>DropZone</name>
    <message>
        <source>Drop PDFs or images here</source>
        <translation>Suelta aquí PDF o imágenes</translation>
    </message>
    <message>
        <source>or click to open. Images become pages of a new PDF.</source>
        <translation>o haz clic para abrir. Las imágenes se convierten en páginas de un PDF nuevo.</translation>
    </message>
</context>
<context>
    <name>ExportImagesSheet</name>
    <message>
        <source>%1 page %2</source>
        <extracomment>The name of one exported picture: %1 the document&apos;s name, %2 the page number.</extracomment>
        <translation>%1 página %2</translation>
    </message>
    <message>
        <source>Export Pages as Images</source>
        <translation>Exportar páginas como imágenes</translation>
    </message>
    <message>
        <source>The selected page.</source>
        <translation>La página seleccionada.</translation>
    </message>
    <message numerus="yes">
        <source>The %n selected pages.</source>
        <translation>
            <numerusform>La %n página seleccionada.</numerusform>
            <numerusform>Las %n páginas seleccionadas.</numerusform>
        </translation>
    </message>
    <message>
        <source>The one page.</source>
        <translation>La única página.</translation>
    </message>
    <message numerus="yes">
        <source>All %n pages.</source>
        <translation>
            <numerusform>La %n página.</numerusform>
            <numerusform>Las %n páginas.</numerusform>
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
        <translation>Resolución</translation>
    </message>
    <message>
        <source>Screen (100 dpi)</source>
        <translation>Pantalla (100 ppp)</translation>
    </message>
    <message>
        <source>Good (200 dpi)</source>
        <translation>Buena (200 ppp)</translation>
    </message>
    <message>
        <source>Print (300 dpi)</source>
        <translation>Impresión (300 ppp)</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportar…</translation>
    </message>
    <message>
        <source>Export Here</source>
        <translation>Exportar aquí</translation>
    </message>
    <message>
        <source>Exporting…</source>
        <translation>Exportando…</translation>
    </message>
</context>
<context>
    <name>FilePanels</name>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>PDFs and pictures (%1)</source>
        <translation>PDF e imágenes (%1)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
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
        <translation>Sin guardar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>FileWriting</name>
    <message>
        <source>“%1” couldn&apos;t be saved because the disk is full.</source>
        <translation>No se pudo guardar «%1» porque el disco está lleno.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because it is too large for that disk.</source>
        <translation>No se pudo guardar «%1» porque es demasiado grande para ese disco.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because you don&apos;t have permission to write in that folder.</source>
        <translation>No se pudo guardar «%1» porque no tienes permiso para escribir en esa carpeta.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because that disk is read-only.</source>
        <translation>No se pudo guardar «%1» porque ese disco es de solo lectura.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because the name is too long.</source>
        <translation>No se pudo guardar «%1» porque el nombre es demasiado largo.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because its folder doesn&apos;t exist.</source>
        <translation>No se pudo guardar «%1» porque su carpeta no existe.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because a folder of that name is in the way.</source>
        <translation>No se pudo guardar «%1» porque hay una carpeta con ese nombre.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved (%2).</source>
        <translation>No se pudo guardar «%1» (%2).</translation>
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
        <translation>Tamsel para Linux</translation>
    </message>
    <message>
        <source>PDF tools, signatures and stamps, QR codes. Private by design · 100% on-device.</source>
        <translation>Herramientas PDF, firmas y sellos, códigos QR. Privado por diseño · 100 % en el dispositivo.</translation>
    </message>
    <message>
        <source>Sign &amp; Stamp</source>
        <translation>Firmar y sellar</translation>
    </message>
    <message>
        <source>Put your signature, initials or a company seal on any page, or on all of them.</source>
        <translation>Pon tu firma, tus iniciales o el sello de tu empresa en cualquier página, o en todas.</translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>Comprimir</translation>
    </message>
    <message>
        <source>Original, Medium, Small, or up to the size a website or email asks for.</source>
        <translation>Original, Medio, Pequeño o hasta el tamaño que pida una web o un correo.</translation>
    </message>
    <message>
        <source>Merge PDFs</source>
        <translation>Combinar PDF</translation>
    </message>
    <message>
        <source>Join PDFs and images in the order you set.</source>
        <translation>Une PDF e imágenes en el orden que elijas.</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Dividir</translation>
    </message>
    <message>
        <source>By page ranges like 1-3, 5, 8-10, every few pages or page by page.</source>
        <translation>Por intervalos como 1-3, 5, 8-10, cada pocas páginas o página a página.</translation>
    </message>
    <message>
        <source>Read QR Codes</source>
        <translation>Leer códigos QR</translation>
    </message>
    <message>
        <source>From pictures, screenshots and every page of a PDF.</source>
        <translation>De imágenes, capturas de pantalla y cada página de un PDF.</translation>
    </message>
    <message>
        <source>Images to PDF</source>
        <translation>Imágenes a PDF</translation>
    </message>
    <message>
        <source>Photos and scans as pages of one PDF, in name order.</source>
        <translation>Fotos y escaneos como páginas de un solo PDF, por orden de nombre.</translation>
    </message>
    <message>
        <source>No ads. No tracking. No account.</source>
        <translation>Sin anuncios. Sin rastreo. Sin cuenta.</translation>
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
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Abrir…</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Guardar como…</translation>
    </message>
    <message>
        <source>Close File</source>
        <translation>Cerrar archivo</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>About Tamsel</source>
        <translation>Acerca de Tamsel</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Buscar actualizaciones…</translation>
    </message>
    <message>
        <source>Support the Developer…</source>
        <translation>Apoyar al desarrollador…</translation>
    </message>
    <message>
        <source>Changes in %1 aren&apos;t saved. Use Save As… to keep them.</source>
        <translation>Los cambios en %1 no están guardados. Usa «Guardar como…» para conservarlos.</translation>
    </message>
    <message>
        <source>Stop and quit?</source>
        <translation>¿Detener y salir?</translation>
    </message>
    <message>
        <source>Tamsel is still working (%1). Quitting stops that work; nothing half-written is kept.</source>
        <translation>Tamsel sigue trabajando (%1). Al salir se detiene ese trabajo; no se conserva nada a medio escribir.</translation>
    </message>
    <message>
        <source>Quit without saving?</source>
        <translation>¿Salir sin guardar?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Quit Anyway</source>
        <translation>Salir de todos modos</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
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
        <translation>1 página</translation>
    </message>
    <message numerus="yes">
        <source>%n pages</source>
        <translation>
            <numerusform>%n página</numerusform>
            <numerusform>%n páginas</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 archivo</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n archivo</numerusform>
            <numerusform>%n archivos</numerusform>
        </translation>
    </message>
    <message>
        <source>Drag to reorder</source>
        <translation>Arrastra para reordenar</translation>
    </message>
    <message>
        <source>Remove from the list</source>
        <translation>Quitar de la lista</translation>
    </message>
    <message>
        <source>Merge PDFs</source>
        <translation>Combinar PDF</translation>
    </message>
    <message>
        <source>Drop PDFs and images here, drag them into order, then Merge. Open files join as they are now, with their turns, removed pages and stamps.</source>
        <translation>Suelta aquí PDF e imágenes, arrástralos para ordenarlos y luego combina. Los archivos abiertos se unen tal como están ahora, con sus giros, páginas eliminadas y sellos.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Drop files to merge</source>
        <translation>Suelta archivos para combinar</translation>
    </message>
    <message>
        <source>Two or more PDFs or images</source>
        <translation>Dos o más PDF o imágenes</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Merge…</source>
        <translation>Combinar…</translation>
    </message>
    <message>
        <source>Add Files…</source>
        <translation>Añadir archivos…</translation>
    </message>
</context>
<context>
    <name>NewStampMenu</name>
    <message>
        <source>From an Image File…</source>
        <translation>Desde un archivo de imagen…</translation>
    </message>
    <message>
        <source>Draw with Trackpad or Mouse…</source>
        <translation>Dibujar con el trackpad o el ratón…</translation>
    </message>
    <message>
        <source>Ready Stamps…</source>
        <translation>Sellos predefinidos…</translation>
    </message>
    <message>
        <source>New Signature or Stamp</source>
        <translation>Nueva firma o sello</translation>
    </message>
    <message>
        <source>Choose a photo or scan of your signature or stamp</source>
        <translation>Elige una foto o un escaneo de tu firma o sello</translation>
    </message>
</context>
<context>
    <name>NewStampSheet</name>
    <message>
        <source>Draw Your Signature</source>
        <translation>Dibuja tu firma</translation>
    </message>
    <message>
        <source>Ready Stamps</source>
        <translation>Sellos predefinidos</translation>
    </message>
    <message>
        <source>New Signature or Stamp</source>
        <translation>Nueva firma o sello</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>The checkerboard is what stays transparent on the page.</source>
        <translation>El damero es lo que queda transparente en la página.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Removing the paper…</source>
        <translation>Quitando el papel…</translation>
    </message>
    <message>
        <source>The signature or stamp couldn&apos;t be saved. Try again.</source>
        <translation>No se pudo guardar la firma o el sello. Inténtalo de nuevo.</translation>
    </message>
</context>
<context>
    <name>PDFEngine</name>
    <message>
        <source>A page of this file can&apos;t be read anymore. Open the file again.</source>
        <translation>Ya no se puede leer una página de este archivo. Vuelve a abrir el archivo.</translation>
    </message>
    <message>
        <source>The PDF couldn&apos;t be made. Try again.</source>
        <translation>No se pudo crear el PDF. Inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>The pages of this file are damaged in a way that stops them being copied. It can only be saved as pictures of its pages.</source>
        <translation>Las páginas de este archivo están dañadas de un modo que impide copiarlas. Solo se puede guardar como imágenes de sus páginas.</translation>
    </message>
    <message>
        <source>Reading the PDF took too long and was stopped. A page of the file may be damaged.</source>
        <translation>La lectura del PDF tardó demasiado y se detuvo. Puede que una página del archivo esté dañada.</translation>
    </message>
    <message>
        <source>Reading the PDF failed because a part of the file is damaged.</source>
        <translation>No se pudo leer el PDF porque una parte del archivo está dañada.</translation>
    </message>
    <message>
        <source>The PDF needs more memory than Tamsel may use for one file.</source>
        <translation>El PDF necesita más memoria de la que Tamsel puede usar para un archivo.</translation>
    </message>
    <message>
        <source>This PDF failed to be read several times, so Tamsel doesn&apos;t try again.</source>
        <translation>Este PDF no se pudo leer varias veces, así que Tamsel no lo vuelve a intentar.</translation>
    </message>
    <message>
        <source>Tamsel&apos;s PDF reader can&apos;t be started. Install Tamsel again.</source>
        <translation>No se puede iniciar el lector de PDF de Tamsel. Vuelve a instalar Tamsel.</translation>
    </message>
    <message>
        <source>A page is too large for a picture at this resolution. Choose a lower resolution.</source>
        <translation>Una página es demasiado grande para una imagen con esta resolución. Elige una resolución más baja.</translation>
    </message>
    <message>
        <source>It was moved or deleted.</source>
        <translation>Se movió o se eliminó.</translation>
    </message>
</context>
<context>
    <name>PageGrid</name>
    <message>
        <source>Has signatures or stamps</source>
        <translation>Tiene firmas o sellos</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Girar a la izquierda</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>Girar a la derecha</translation>
    </message>
    <message>
        <source>Sign &amp; Stamp</source>
        <translation>Firmar y sellar</translation>
    </message>
    <message>
        <source>Extract…</source>
        <translation>Extraer…</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
</context>
<context>
    <name>PageImage</name>
    <message>
        <source>Can&apos;t be shown</source>
        <translation>No se puede mostrar</translation>
    </message>
</context>
<context>
    <name>PageListModel</name>
    <message>
        <source>Page %1</source>
        <translation>Página %1</translation>
    </message>
</context>
<context>
    <name>PasswordPrompt</name>
    <message>
        <source>“%1” is locked</source>
        <translation>«%1» está bloqueado</translation>
    </message>
    <message>
        <source>That password didn&apos;t open it. Try again.</source>
        <translation>Esa contraseña no lo abrió. Inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>Enter its password to open it. The password stays on this computer.</source>
        <translation>Escribe su contraseña para abrirlo. La contraseña no sale de este ordenador.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
</context>
<context>
    <name>PasswordSheet</name>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>“%1” is protected with a password. Save a copy that opens without it, or a copy with a new one.</source>
        <translation>«%1» está protegido con contraseña. Guarda una copia que se abra sin ella o una copia con una nueva.</translation>
    </message>
    <message>
        <source>Save a Copy without Password…</source>
        <translation>Guardar una copia sin contraseña…</translation>
    </message>
    <message>
        <source>Save a copy that asks for this password to open. Keep it somewhere safe: it can&apos;t be recovered.</source>
        <translation>Guarda una copia que pida esta contraseña al abrirse. Guárdala en un lugar seguro: no se puede recuperar.</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Nueva contraseña</translation>
    </message>
    <message>
        <source>Repeat password</source>
        <translation>Repite la contraseña</translation>
    </message>
    <message>
        <source>The passwords don&apos;t match.</source>
        <translation>Las contraseñas no coinciden.</translation>
    </message>
    <message>
        <source>Save Protected Copy…</source>
        <translation>Guardar copia protegida…</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Guardando…</translation>
    </message>
    <message>
        <source>%1 (protected)</source>
        <extracomment>The name offered for the copy: %1 the document&apos;s name.</extracomment>
        <translation>%1 (protegido)</translation>
    </message>
    <message>
        <source>%1 (no password)</source>
        <translation>%1 (sin contraseña)</translation>
    </message>
</context>
<context>
    <name>PlacedStamp</name>
    <message>
        <source>Drag to turn</source>
        <translation>Arrastra para girar</translation>
    </message>
    <message>
        <source>Drag to resize</source>
        <translation>Arrastra para cambiar el tamaño</translation>
    </message>
</context>
<context>
    <name>ProcessRunner</name>
    <message>
        <source>The tool didn&apos;t answer in time.</source>
        <extracomment>Error when a command-line tool times out</extracomment>
        <translation>La herramienta no respondió a tiempo.</translation>
    </message>
    <message>
        <source>Exit code %1</source>
        <extracomment>Error of a command-line tool that gave no message</extracomment>
        <translation>Código de salida %1</translation>
    </message>
</context>
<context>
    <name>ReadyStamp</name>
    <message>
        <source>APPROVED</source>
        <translation>APROBADO</translation>
    </message>
    <message>
        <source>PAID</source>
        <translation>PAGADO</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>COPIA</translation>
    </message>
    <message>
        <source>CONFIDENTIAL</source>
        <translation>CONFIDENCIAL</translation>
    </message>
    <message>
        <source>DRAFT</source>
        <translation>BORRADOR</translation>
    </message>
    <message>
        <source>RECEIVED</source>
        <translation>RECIBIDO</translation>
    </message>
</context>
<context>
    <name>ReadyStampsPicker</name>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Add today&apos;s date</source>
        <translation>Añadir la fecha de hoy</translation>
    </message>
    <message>
        <source>Your own word, like PAID IN CASH</source>
        <translation>Tu propia palabra, como PAGADO EN EFECTIVO</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
</context>
<context>
    <name>RootView</name>
    <message>
        <source>Support Tamsel</source>
        <translation>Apoyar Tamsel</translation>
    </message>
    <message>
        <source>Support the developer</source>
        <translation>Apoyar al desarrollador</translation>
    </message>
    <message>
        <source>About Tamsel</source>
        <translation>Acerca de Tamsel</translation>
    </message>
    <message>
        <source>About, updates, privacy and support</source>
        <translation>Acerca de, actualizaciones, privacidad y apoyo</translation>
    </message>
    <message>
        <source>Something went wrong</source>
        <translation>Algo salió mal</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Save changes to “%1”?</source>
        <translation>¿Guardar los cambios en «%1»?</translation>
    </message>
    <message>
        <source>Your changes will be lost if you close it without saving. The original file stays as it was.</source>
        <translation>Tus cambios se perderán si lo cierras sin guardar. El archivo original queda como estaba.</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Guardar como…</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>No guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save as Pictures</source>
        <translation>Guardar como imágenes</translation>
    </message>
    <message>
        <source>Hide Sidebar</source>
        <translation>Ocultar barra lateral</translation>
    </message>
    <message>
        <source>Show Sidebar</source>
        <translation>Mostrar barra lateral</translation>
    </message>
</context>
<context>
    <name>Sharing</name>
    <message>
        <source>Email…</source>
        <translation>Correo…</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Copiar enlace</translation>
    </message>
    <message>
        <source>Link copied</source>
        <translation>Enlace copiado</translation>
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
        <translation>por Vornel Apps</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Abrir…</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>Merge PDFs</source>
        <translation>Combinar PDF</translation>
    </message>
    <message>
        <source>Signatures &amp; Stamps</source>
        <translation>Firmas y sellos</translation>
    </message>
    <message>
        <source>QR Codes</source>
        <translation>Códigos QR</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Guardar como…</translation>
    </message>
    <message>
        <source>Add to Merge</source>
        <translation>Añadir a combinar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>SignView</name>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>Back to all pages</source>
        <translation>Volver a todas las páginas</translation>
    </message>
    <message>
        <source>Sign &amp; Stamp</source>
        <translation>Firmar y sellar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Guardar como…</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Página siguiente</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
</context>
<context>
    <name>SplitSheet</name>
    <message>
        <source>Split “%1”</source>
        <translation>Dividir «%1»</translation>
    </message>
    <message>
        <source>By page ranges</source>
        <translation>Por intervalos de páginas</translation>
    </message>
    <message>
        <source>Every few pages</source>
        <translation>Cada pocas páginas</translation>
    </message>
    <message>
        <source>Page by page</source>
        <translation>Página a página</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Dividir</translation>
    </message>
    <message>
        <source>For example: 1-3, 5, 8-10</source>
        <translation>Por ejemplo: 1-3, 5, 8-10</translation>
    </message>
    <message>
        <source>Each range becomes its own PDF. Pages 1 to %1.</source>
        <translation>Cada intervalo se convierte en su propio PDF. Páginas 1 a %1.</translation>
    </message>
    <message>
        <source>Pages per file</source>
        <translation>Páginas por archivo</translation>
    </message>
    <message numerus="yes">
        <source>Each of the %n pages becomes its own PDF.</source>
        <translation>
            <numerusform>La %n página se convierte en su propio PDF.</numerusform>
            <numerusform>Cada una de las %n páginas se convierte en su propio PDF.</numerusform>
        </translation>
    </message>
    <message>
        <source>Split…</source>
        <translation>Dividir…</translation>
    </message>
    <message numerus="yes">
        <source>A new file every %n pages</source>
        <translation>
            <numerusform>Un archivo nuevo cada %n página</numerusform>
            <numerusform>Un archivo nuevo cada %n páginas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Makes %n files: %1</source>
        <translation>
            <numerusform>Crea %n archivo: %1</numerusform>
            <numerusform>Crea %n archivos: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Use page numbers from 1 to %1, like 1-3, 5.</source>
        <translation>Usa números de página del 1 al %1, como 1-3, 5.</translation>
    </message>
    <message>
        <source>Split Here</source>
        <translation>Dividir aquí</translation>
    </message>
    <message>
        <source>Splitting…</source>
        <translation>Dividiendo…</translation>
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
        <translation>Sello</translation>
    </message>
    <message>
        <source>The signature or stamp couldn&apos;t be saved. Try again.</source>
        <translation>No se pudo guardar la firma o el sello. Inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>The change couldn&apos;t be saved. Try again.</source>
        <translation>No se pudo guardar el cambio. Inténtalo de nuevo.</translation>
    </message>
</context>
<context>
    <name>StampLibraryPanel</name>
    <message>
        <source>Put on this page</source>
        <translation>Poner en esta página</translation>
    </message>
    <message>
        <source>Signatures &amp; Stamps</source>
        <translation>Firmas y sellos</translation>
    </message>
    <message>
        <source>Add your signature or a company seal once; it stays in Tamsel on this computer for every document.</source>
        <translation>Añade tu firma o el sello de tu empresa una vez; se queda en Tamsel en este ordenador para todos tus documentos.</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Ángulo</translation>
    </message>
    <message>
        <source>Add to All Pages</source>
        <translation>Añadir a todas las páginas</translation>
    </message>
    <message>
        <source>Remove from Page</source>
        <translation>Quitar de la página</translation>
    </message>
    <message>
        <source>Or paste a photo or scan with Ctrl+V, or drop one here.</source>
        <translation>O pega una foto o un escaneo con Ctrl+V, o suéltalo aquí.</translation>
    </message>
</context>
<context>
    <name>StampMaker</name>
    <message>
        <source>This image can&apos;t be read.</source>
        <translation>No se puede leer esta imagen.</translation>
    </message>
    <message>
        <source>No signature or stamp found. Try a photo of it on white paper.</source>
        <translation>No se encontró ninguna firma ni sello. Prueba con una foto sobre papel blanco.</translation>
    </message>
</context>
<context>
    <name>StampsView</name>
    <message>
        <source>Rename or delete</source>
        <translation>Renombrar o eliminar</translation>
    </message>
    <message>
        <source>Rename or delete “%1”</source>
        <translation>Renombrar o eliminar «%1»</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>Renombrar…</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>Eliminar…</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renombrar</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Signatures &amp; Stamps</source>
        <translation>Firmas y sellos</translation>
    </message>
    <message>
        <source>Your signature, initials or a company seal, with the paper removed automatically. They stay only on this computer. Tamsel puts your own images on documents; it doesn&apos;t make a signature legally binding by itself.</source>
        <translation>Tu firma, tus iniciales o el sello de tu empresa, sin el papel, que se quita automáticamente. Solo se guardan en este ordenador. Tamsel pone tus propias imágenes en documentos; por sí solo no hace que una firma sea legalmente vinculante.</translation>
    </message>
    <message>
        <source>No signatures or stamps yet</source>
        <translation>Aún no hay firmas ni sellos</translation>
    </message>
    <message>
        <source>Sign a white sheet of paper or stamp it, then take a photo of it and choose the photo or a scan. You can also draw with the trackpad or pick a ready stamp like PAID or APPROVED.</source>
        <translation>Firma o sella una hoja de papel blanco, hazle una foto y elige la foto o un escaneo. También puedes dibujar con el trackpad o elegir un sello predefinido como PAGADO o APROBADO.</translation>
    </message>
    <message>
        <source>Tamsel</source>
        <translation>Tamsel</translation>
    </message>
    <message>
        <source>Delete “%1”?</source>
        <translation>¿Eliminar «%1»?</translation>
    </message>
    <message>
        <source>It also leaves pages open in Tamsel. Files you already saved keep it.</source>
        <translation>También desaparece de las páginas abiertas en Tamsel. Los archivos que ya guardaste lo conservan.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
</context>
<context>
    <name>SupportView</name>
    <message>
        <source>Done! Support Tamsel?</source>
        <translation>¡Hecho! ¿Apoyas Tamsel?</translation>
    </message>
    <message>
        <source>Support Tamsel</source>
        <translation>Apoyar Tamsel</translation>
    </message>
    <message>
        <source>Tamsel is free: no ads, no tracking, no subscription. If it saved you time, you can thank the developer with crypto. Any amount helps keep it free.</source>
        <translation>Tamsel es gratis: sin anuncios, sin rastreo, sin suscripción. Si te ha ahorrado tiempo, puedes dar las gracias al desarrollador con criptomonedas. Cualquier cantidad ayuda a que siga siendo gratis.</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Monedas</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Send only on the networks listed above. Coins sent on another network can&apos;t be recovered.</source>
        <translation>Envía solo por las redes indicadas arriba. Las monedas enviadas por otra red no se pueden recuperar.</translation>
    </message>
    <message>
        <source>The same addresses are on %1/donate.</source>
        <translation>Las mismas direcciones están en %1/donate.</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Ahora no</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>QR code of the %1 address</source>
        <translation>Código QR de la dirección de %1</translation>
    </message>
    <message>
        <source>Address copied</source>
        <translation>Dirección copiada</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copiado</translation>
    </message>
    <message>
        <source>Copy Address</source>
        <translation>Copiar dirección</translation>
    </message>
    <message>
        <source>This copy of Tamsel was built without donation addresses. The developer&apos;s are on %1/donate.</source>
        <translation>Esta copia de Tamsel se compiló sin direcciones de donación. Las del desarrollador están en %1/donate.</translation>
    </message>
</context>
<context>
    <name>TellAFriendView</name>
    <message>
        <source>Tell a friend</source>
        <translation>Recomendar a un amigo</translation>
    </message>
    <message>
        <source>Like Tamsel? Tell a friend.</source>
        <translation>¿Te gusta Tamsel? Recomiéndalo.</translation>
    </message>
    <message>
        <source>Tamsel is free: no ads, no tracking. We don&apos;t buy ads, so friends telling friends is how people find it.</source>
        <translation>Tamsel es gratis: sin anuncios, sin rastreo. No compramos publicidad, así que la gente lo descubre porque unos amigos se lo cuentan a otros.</translation>
    </message>
    <message>
        <source>Your friend gets this message:</source>
        <translation>Tu amigo recibirá este mensaje:</translation>
    </message>
    <message>
        <source>You choose the app and the friend; we never see who.</source>
        <translation>Tú eliges la app y el amigo; nosotros nunca vemos a quién.</translation>
    </message>
    <message>
        <source>Share…</source>
        <translation>Compartir…</translation>
    </message>
    <message>
        <source>Tamsel for Linux: free PDF tools, signatures and stamps, QR codes. Everything stays on your computer.</source>
        <comment>The message shared with a friend, followed by the link to the app&apos;s page.</comment>
        <translation>Tamsel para Linux: herramientas PDF gratuitas, firmas y sellos, códigos QR. Todo se queda en tu ordenador.</translation>
    </message>
    <message>
        <source>Message copied</source>
        <translation>Mensaje copiado</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copiado</translation>
    </message>
    <message>
        <source>Copy Message</source>
        <translation>Copiar mensaje</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Ahora no</translation>
    </message>
</context>
<context>
    <name>ToastView</name>
    <message>
        <source>Show in Folder</source>
        <translation>Mostrar en la carpeta</translation>
    </message>
</context>
<context>
    <name>ToolSheetFrame</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>The update information isn&apos;t available right now. Try again later.</source>
        <extracomment>Check for Updates error</extracomment>
        <translation>La información de actualización no está disponible ahora. Inténtalo más tarde.</translation>
    </message>
    <message>
        <source>Couldn&apos;t check for updates: %1</source>
        <extracomment>Check for Updates error. The placeholder is the system&apos;s error message.</extracomment>
        <translation>No se pudo buscar actualizaciones: %1</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation>No se pudieron leer los datos porque no tienen el formato correcto.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation>No se pudieron leer los datos porque faltan.</translation>
    </message>
    <message>
        <source>The update information is too large.</source>
        <translation>La información de actualización es demasiado grande.</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>Se agotó el tiempo de espera de la solicitud.</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>The request timed out.</source>
        <translation>Se agotó el tiempo de espera de la solicitud.</translation>
    </message>
    <message>
        <source>moved permanently</source>
        <translation>movido permanentemente</translation>
    </message>
    <message>
        <source>found</source>
        <translation>encontrado</translation>
    </message>
    <message>
        <source>not modified</source>
        <translation>no modificado</translation>
    </message>
    <message>
        <source>bad request</source>
        <translation>solicitud incorrecta</translation>
    </message>
    <message>
        <source>unauthorized</source>
        <translation>no autorizado</translation>
    </message>
    <message>
        <source>forbidden</source>
        <translation>prohibido</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>no encontrado</translation>
    </message>
    <message>
        <source>method not allowed</source>
        <translation>método no permitido</translation>
    </message>
    <message>
        <source>request timed out</source>
        <translation>tiempo de espera de la solicitud agotado</translation>
    </message>
    <message>
        <source>no longer exists</source>
        <translation>ya no existe</translation>
    </message>
    <message>
        <source>too many requests</source>
        <translation>demasiadas solicitudes</translation>
    </message>
    <message>
        <source>internal server error</source>
        <translation>error interno del servidor</translation>
    </message>
    <message>
        <source>unimplemented</source>
        <translation>no implementado</translation>
    </message>
    <message>
        <source>bad gateway</source>
        <translation>puerta de enlace incorrecta</translation>
    </message>
    <message>
        <source>service unavailable</source>
        <translation>servicio no disponible</translation>
    </message>
    <message>
        <source>gateway timed out</source>
        <translation>tiempo de espera de la puerta de enlace agotado</translation>
    </message>
    <message>
        <source>informational</source>
        <translation>informativo</translation>
    </message>
    <message>
        <source>success</source>
        <translation>éxito</translation>
    </message>
    <message>
        <source>redirected</source>
        <translation>redirigido</translation>
    </message>
    <message>
        <source>client error</source>
        <translation>error del cliente</translation>
    </message>
    <message>
        <source>server error</source>
        <translation>error del servidor</translation>
    </message>
    <message>
        <source>Couldn&apos;t install the update (%1). This copy is now “%2” in the same folder: rename it back to Tamsel.</source>
        <extracomment>Install and Relaunch error when the old copy couldn&apos;t get its name back. Placeholders: the system&apos;s message, the app&apos;s current file name.</extracomment>
        <translation>No se pudo instalar la actualización (%1). Esta copia se llama ahora «%2» en la misma carpeta: vuelve a llamarla Tamsel.</translation>
    </message>
    <message>
        <source>Couldn&apos;t install the update (%1). This copy wasn&apos;t changed.</source>
        <extracomment>Install and Relaunch error. The placeholder is the system&apos;s or a tool&apos;s message.</extracomment>
        <translation>No se pudo instalar la actualización (%1). Esta copia no se ha modificado.</translation>
    </message>
    <message>
        <source>The downloaded update didn&apos;t pass the check. This copy wasn&apos;t changed.</source>
        <extracomment>Install and Relaunch error</extracomment>
        <translation>La actualización descargada no superó la comprobación. Esta copia no se ha modificado.</translation>
    </message>
    <message>
        <source>The download is larger than expected.</source>
        <extracomment>Install and Relaunch error, inside &quot;Couldn&apos;t install the update (…)&quot;: the server sent more than the update&apos;s size.</extracomment>
        <translation>La descarga es más grande de lo esperado.</translation>
    </message>
    <message>
        <source>There isn&apos;t enough free space for the update.</source>
        <extracomment>Install and Relaunch error, inside &quot;Couldn&apos;t install the update (…)&quot;.</extracomment>
        <translation>No hay suficiente espacio libre para la actualización.</translation>
    </message>
</context>
</TS>
