<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutView</name>
    <message>
        <source>About Tamsel</source>
        <translation>Sobre o Tamsel</translation>
    </message>
    <message>
        <source>Tamsel for Linux</source>
        <translation>Tamsel para Linux</translation>
    </message>
    <message>
        <source>Version %1 (%2) · by Vornel Apps</source>
        <translation>Versão %1 (%2) · por Vornel Apps</translation>
    </message>
    <message>
        <source>Help &amp; legal</source>
        <translation>Ajuda e informações legais</translation>
    </message>
    <message>
        <source>Follow us</source>
        <translation>Siga-nos</translation>
    </message>
    <message>
        <source>More from Vornel Apps</source>
        <translation>Mais da Vornel Apps</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Atualizações</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Verificar atualizações</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Same as system</source>
        <translation>Igual ao sistema</translation>
    </message>
    <message>
        <source>Restart Tamsel</source>
        <translation>Reiniciar o Tamsel</translation>
    </message>
    <message>
        <source>Free, with optional support</source>
        <translation>Grátis, com apoio opcional</translation>
    </message>
    <message>
        <source>No ads, no tracking, no account, no subscription. Everything runs on your computer. If Tamsel helps, you can support the developer with crypto.</source>
        <translation>Sem anúncios, sem rastreamento, sem conta, sem assinatura. Tudo roda no seu computador. Se o Tamsel ajuda você, dá para apoiar o desenvolvedor com cripto.</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Apoiar</translation>
    </message>
    <message>
        <source>Tell a friend</source>
        <translation>Indicar a um amigo</translation>
    </message>
    <message>
        <source>Tamsel spends nothing on ads, so people telling people is how it grows. Share a link to its page; nothing is sent unless you choose where.</source>
        <translation>O Tamsel não gasta nada com anúncios: ele cresce porque as pessoas indicam umas às outras. Compartilhe um link para a página dele; nada é enviado até você escolher para onde.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Compartilhar</translation>
    </message>
    <message>
        <source>Write to Support</source>
        <translation>Escrever para o suporte</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>Política de Privacidade</translation>
    </message>
    <message>
        <source>Terms of Use</source>
        <translation>Termos de Uso</translation>
    </message>
    <message>
        <source>X (developer)</source>
        <comment>Link to the developer&apos;s account on X</comment>
        <translation>X (desenvolvedor)</translation>
    </message>
    <message>
        <source>Our other apps</source>
        <translation>Nossos outros apps</translation>
    </message>
    <message>
        <source>Tamsel checks only when you ask. It reads one file on %1 and sends nothing about your computer.</source>
        <translation>O Tamsel só verifica quando você pede. Ele lê um arquivo em %1 e não envia nada sobre o seu computador.</translation>
    </message>
    <message>
        <source>You have the latest version.</source>
        <translation>Você tem a versão mais recente.</translation>
    </message>
    <message>
        <source>Version %1 is available.</source>
        <translation>A versão %1 está disponível.</translation>
    </message>
    <message>
        <source>Downloading and checking the update…</source>
        <translation>Baixando e verificando a atualização…</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Baixar</translation>
    </message>
    <message>
        <source>Tamsel switches to the new language after a restart. Save or close the files with changes first.</source>
        <translation>O Tamsel muda para o novo idioma depois de reiniciar. Salve ou feche antes os arquivos com alterações.</translation>
    </message>
    <message>
        <source>Tamsel switches to the new language after a restart.</source>
        <translation>O Tamsel muda para o novo idioma depois de reiniciar.</translation>
    </message>
    <message>
        <source>Install and Relaunch</source>
        <translation>Instalar e reabrir</translation>
    </message>
    <message>
        <source>Save or close the files with changes first: Tamsel restarts to finish the update.</source>
        <translation>Salve ou feche antes os arquivos com alterações: o Tamsel reinicia para concluir a atualização.</translation>
    </message>
</context>
<context>
    <name>AppModel</name>
    <message>
        <source>There&apos;s no picture on the clipboard. Copy a screenshot or an image first.</source>
        <translation>Não há imagem na área de transferência. Copie antes uma captura de tela ou uma imagem.</translation>
    </message>
    <message>
        <source>A file needs at least one page. To get rid of it, close the file.</source>
        <translation>Um arquivo precisa de pelo menos uma página. Para se livrar dele, feche o arquivo.</translation>
    </message>
    <message>
        <source>Tamsel opens PDFs and images.</source>
        <translation>O Tamsel abre PDFs e imagens.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be opened.</source>
        <translation>Não é possível abrir “%1”.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be opened. It may be damaged or not a PDF.</source>
        <translation>Não é possível abrir “%1”. Ele pode estar danificado ou não ser um PDF.</translation>
    </message>
    <message>
        <source>Choose PDFs or images</source>
        <translation>Escolha PDFs ou imagens</translation>
    </message>
    <message>
        <source>Saved “%1”</source>
        <translation>“%1” salvo</translation>
    </message>
    <message>
        <source>“%1” is open in Tamsel, so it can&apos;t be replaced. Save under another name.</source>
        <translation>“%1” está aberto no Tamsel, por isso não pode ser substituído. Salve com outro nome.</translation>
    </message>
    <message>
        <source>“%1” wasn&apos;t saved because another task was still running. Try again when it has finished.</source>
        <translation>“%1” não foi salvo porque outra tarefa ainda estava em andamento. Tente de novo quando ela terminar.</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Salvando…</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be used as a file name.</source>
        <translation>“%1” não pode ser usado como nome de arquivo.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because the name is too long.</source>
        <translation>Não foi possível salvar “%1” porque o nome é longo demais.</translation>
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
        <translation>%1 (assinado)</translation>
    </message>
    <message>
        <source>%1 (edited)</source>
        <translation>%1 (editado)</translation>
    </message>
    <message numerus="yes">
        <source>Added to all %n pages</source>
        <translation>
            <numerusform>Adicionado a %n página</numerusform>
            <numerusform>Adicionado a todas as %n páginas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Saved %n files</source>
        <translation>
            <numerusform>%n arquivo salvo</numerusform>
            <numerusform>%n arquivos salvos</numerusform>
        </translation>
    </message>
    <message>
        <source>The update is installed. Save your files, then quit and open Tamsel again to use it.</source>
        <translation>A atualização foi instalada. Salve seus arquivos, depois saia e abra o Tamsel de novo para usá-la.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be opened. %2</source>
        <translation>Não é possível abrir “%1”. %2</translation>
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
        <translation>Link</translation>
    </message>
    <message>
        <source>Wi-Fi</source>
        <translation>Wi-Fi</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contato</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefone</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensagem</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Livro</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Produto</translation>
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
        <translation>Sem criptografia: o endereço começa com http, não https.</translation>
    </message>
    <message>
        <source>A bare number instead of a site name.</source>
        <translation>Um número puro em vez do nome de um site.</translation>
    </message>
    <message>
        <source>“%1” is not the site. The real site is %2.</source>
        <translation>“%1” não é o site. O site real é %2.</translation>
    </message>
    <message>
        <source>Letters from different alphabets: this address can imitate another site.</source>
        <translation>Letras de alfabetos diferentes: este endereço pode imitar outro site.</translation>
    </message>
    <message>
        <source>Special characters in the name can imitate another site.</source>
        <translation>Caracteres especiais no nome podem imitar outro site.</translation>
    </message>
    <message>
        <source>Looks like %1, but the real site is %2.</source>
        <translation>Parece %1, mas o site real é %2.</translation>
    </message>
    <message>
        <source>The real site is %1, not %2.</source>
        <translation>O site real é %1, não %2.</translation>
    </message>
    <message>
        <source>A short link hides where it leads.</source>
        <translation>Um link encurtado esconde para onde leva.</translation>
    </message>
    <message>
        <source>Real site: %1</source>
        <translation>Site real: %1</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>Abrir no navegador</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Copiar link</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Rede</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>Copy Network Name</source>
        <translation>Copiar nome da rede</translation>
    </message>
    <message>
        <source>Copy Password</source>
        <translation>Copiar senha</translation>
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
        <translation>Imagem colada</translation>
    </message>
    <message>
        <source>No codes found in “%1”.</source>
        <translation>Nenhum código encontrado em “%1”.</translation>
    </message>
    <message>
        <source>No codes found.</source>
        <translation>Nenhum código encontrado.</translation>
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
        <translation>Solte uma imagem ou PDF aqui</translation>
    </message>
    <message>
        <source>Or copy a screenshot (Print Screen) and paste it with Ctrl+V.</source>
        <translation>Ou tire uma captura de tela (Print Screen) e cole com Ctrl+V.</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Colar</translation>
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
        <translation>Leia códigos QR e de barras de imagens, capturas de tela e todas as páginas de um PDF. Tudo é lido neste computador.</translation>
    </message>
    <message>
        <source>Reading…</source>
        <translation>Lendo…</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Encontrados</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>%1 Try a sharper or larger picture.</source>
        <extracomment>%1 says why no code was found in the picture.</extracomment>
        <translation>%1 Tente uma imagem mais nítida ou maior.</translation>
    </message>
</context>
<context>
    <name>CompressSheet</name>
    <message>
        <source>Compress “%1”</source>
        <translation>Comprimir “%1”</translation>
    </message>
    <message>
        <source>Sizes are measured on this computer: the file you save is exactly this size.</source>
        <translation>Os tamanhos são medidos neste computador: o arquivo que você salvar terá exatamente este tamanho.</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>As it is now</source>
        <translation>Como está agora</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Médio</translation>
    </message>
    <message>
        <source>Sharp text, fits most email</source>
        <translation>Texto nítido, cabe na maioria dos e-mails</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Pequeno</translation>
    </message>
    <message>
        <source>The smallest readable file</source>
        <translation>O menor arquivo legível</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>Salvar…</translation>
    </message>
    <message>
        <source>For websites and forms with a size limit</source>
        <translation>Para sites e formulários com limite de tamanho</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Limite</translation>
    </message>
    <message>
        <source>To fit, the pages became pictures: text in this copy can&apos;t be selected or searched. The original keeps its text.</source>
        <translation>Para caber, as páginas viraram imagens: o texto desta cópia não pode ser selecionado nem pesquisado. O original mantém o texto.</translation>
    </message>
    <message>
        <source>Up to %1</source>
        <translation>Até %1</translation>
    </message>
    <message>
        <source>Can&apos;t get under %1. The smallest Tamsel can make is %2.</source>
        <translation>Não dá para ficar abaixo de %1. O menor que o Tamsel consegue é %2.</translation>
    </message>
    <message>
        <source>Pictures in this PDF can&apos;t get much smaller while it keeps its text. Up to %1 can turn the pages into pictures when that&apos;s the only way to fit.</source>
        <translation>As imagens deste PDF não ficam muito menores sem perder o texto. “Até %1” pode transformar as páginas em imagens quando essa for a única forma de caber.</translation>
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
        <translation>Assinar e carimbar</translation>
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
        <translation>Senha</translation>
    </message>
    <message>
        <source>Insert, extract, export as images, merge</source>
        <translation>Inserir, extrair, exportar como imagens, combinar</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Mais</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Salvar como…</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Girar para a esquerda</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>Girar para a esquerda</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>Girar para a direita</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>Girar para a direita</translation>
    </message>
    <message>
        <source>Delete Pages</source>
        <translation>Apagar páginas</translation>
    </message>
    <message>
        <source>Delete the selected pages</source>
        <translation>Apagar as páginas selecionadas</translation>
    </message>
    <message>
        <source>Drag to reorder. Drop PDFs or images to add pages. Save As… makes a new file; the original stays as it is.</source>
        <translation>Arraste para reordenar. Solte PDFs ou imagens para adicionar páginas. “Salvar como…” cria um arquivo novo; o original fica como está.</translation>
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
            <numerusform>%n selecionada</numerusform>
            <numerusform>%n selecionadas</numerusform>
        </translation>
    </message>
    <message>
        <source>password</source>
        <translation>senha</translation>
    </message>
    <message>
        <source>not saved</source>
        <translation>não salvo</translation>
    </message>
    <message>
        <source>Insert Pages from Files…</source>
        <translation>Inserir páginas de arquivos…</translation>
    </message>
    <message>
        <source>Extract All Pages…</source>
        <translation>Extrair todas as páginas…</translation>
    </message>
    <message>
        <source>Extract Selected Pages…</source>
        <translation>Extrair páginas selecionadas…</translation>
    </message>
    <message>
        <source>Export Pages as Images…</source>
        <translation>Exportar páginas como imagens…</translation>
    </message>
    <message>
        <source>Add to Merge</source>
        <translation>Adicionar à combinação</translation>
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
        <translation>Preto</translation>
    </message>
    <message>
        <source>Ink</source>
        <translation>Tinta</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Use This Signature</source>
        <translation>Usar esta assinatura</translation>
    </message>
</context>
<context>
    <name>DropZone</name>
    <message>
        <source>Drop PDFs or images here</source>
        <translation>Solte PDFs ou imagens aqui</translation>
    </message>
    <message>
        <source>or click to open. Images become pages of a new PDF.</source>
        <translation>ou clique para abrir. Imagens viram páginas de um novo PDF.</translation>
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
        <translation>Exportar páginas como imagens</translation>
    </message>
    <message>
        <source>The selected page.</source>
        <translation>A página selecionada.</translation>
    </message>
    <message numerus="yes">
        <source>The %n selected pages.</source>
        <translation>
            <numerusform>A %n página selecionada.</numerusform>
            <numerusform>As %n páginas selecionadas.</numerusform>
        </translation>
    </message>
    <message>
        <source>The one page.</source>
        <translation>A única página.</translation>
    </message>
    <message numerus="yes">
        <source>All %n pages.</source>
        <translation>
            <numerusform>A %n página.</numerusform>
            <numerusform>Todas as %n páginas.</numerusform>
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
        <translation>Resolução</translation>
    </message>
    <message>
        <source>Screen (100 dpi)</source>
        <translation>Tela (100 dpi)</translation>
    </message>
    <message>
        <source>Good (200 dpi)</source>
        <translation>Boa (200 dpi)</translation>
    </message>
    <message>
        <source>Print (300 dpi)</source>
        <translation>Impressão (300 dpi)</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportar…</translation>
    </message>
    <message>
        <source>Export Here</source>
        <translation>Exportar aqui</translation>
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
        <translation>PDFs e imagens (%1)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
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
        <translation>Não salvo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>FileWriting</name>
    <message>
        <source>“%1” couldn&apos;t be saved because the disk is full.</source>
        <translation>Não foi possível salvar “%1” porque o disco está cheio.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because it is too large for that disk.</source>
        <translation>Não foi possível salvar “%1” porque ele é grande demais para esse disco.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because you don&apos;t have permission to write in that folder.</source>
        <translation>Não foi possível salvar “%1” porque você não tem permissão para gravar nessa pasta.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because that disk is read-only.</source>
        <translation>Não foi possível salvar “%1” porque esse disco é somente leitura.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because the name is too long.</source>
        <translation>Não foi possível salvar “%1” porque o nome é longo demais.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because its folder doesn&apos;t exist.</source>
        <translation>Não foi possível salvar “%1” porque a pasta dele não existe.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because a folder of that name is in the way.</source>
        <translation>Não foi possível salvar “%1” porque há uma pasta com esse nome no caminho.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved (%2).</source>
        <translation>Não foi possível salvar “%1” (%2).</translation>
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
        <translation>Ferramentas de PDF, assinaturas e carimbos, códigos QR. Privado por design · 100% no dispositivo.</translation>
    </message>
    <message>
        <source>Sign &amp; Stamp</source>
        <translation>Assinar e carimbar</translation>
    </message>
    <message>
        <source>Put your signature, initials or a company seal on any page, or on all of them.</source>
        <translation>Coloque sua assinatura, rubrica ou carimbo da empresa em qualquer página, ou em todas.</translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>Comprimir</translation>
    </message>
    <message>
        <source>Original, Medium, Small, or up to the size a website or email asks for.</source>
        <translation>Original, Médio, Pequeno ou até o tamanho que um site ou e-mail pede.</translation>
    </message>
    <message>
        <source>Merge PDFs</source>
        <translation>Combinar PDFs</translation>
    </message>
    <message>
        <source>Join PDFs and images in the order you set.</source>
        <translation>Junte PDFs e imagens na ordem que você definir.</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Dividir</translation>
    </message>
    <message>
        <source>By page ranges like 1-3, 5, 8-10, every few pages or page by page.</source>
        <translation>Por intervalos como 1-3, 5, 8-10, a cada tantas páginas ou página por página.</translation>
    </message>
    <message>
        <source>Read QR Codes</source>
        <translation>Ler códigos QR</translation>
    </message>
    <message>
        <source>From pictures, screenshots and every page of a PDF.</source>
        <translation>De imagens, capturas de tela e todas as páginas de um PDF.</translation>
    </message>
    <message>
        <source>Images to PDF</source>
        <translation>Imagens para PDF</translation>
    </message>
    <message>
        <source>Photos and scans as pages of one PDF, in name order.</source>
        <translation>Fotos e digitalizações como páginas de um único PDF, em ordem de nome.</translation>
    </message>
    <message>
        <source>No ads. No tracking. No account.</source>
        <translation>Sem anúncios. Sem rastreamento. Sem conta.</translation>
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
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Abrir…</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Salvar como…</translation>
    </message>
    <message>
        <source>Close File</source>
        <translation>Fechar arquivo</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>About Tamsel</source>
        <translation>Sobre o Tamsel</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Verificar atualizações…</translation>
    </message>
    <message>
        <source>Support the Developer…</source>
        <translation>Apoiar o desenvolvedor…</translation>
    </message>
    <message>
        <source>Changes in %1 aren&apos;t saved. Use Save As… to keep them.</source>
        <translation>As alterações em %1 não foram salvas. Use “Salvar como…” para mantê-las.</translation>
    </message>
    <message>
        <source>Stop and quit?</source>
        <translation>Parar e sair?</translation>
    </message>
    <message>
        <source>Tamsel is still working (%1). Quitting stops that work; nothing half-written is kept.</source>
        <translation>O Tamsel ainda está trabalhando (%1). Sair interrompe esse trabalho; nada escrito pela metade é mantido.</translation>
    </message>
    <message>
        <source>Quit without saving?</source>
        <translation>Sair sem salvar?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Quit Anyway</source>
        <translation>Sair mesmo assim</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Exibir</translation>
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
        <translation>1 arquivo</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n arquivo</numerusform>
            <numerusform>%n arquivos</numerusform>
        </translation>
    </message>
    <message>
        <source>Drag to reorder</source>
        <translation>Arraste para reordenar</translation>
    </message>
    <message>
        <source>Remove from the list</source>
        <translation>Remover da lista</translation>
    </message>
    <message>
        <source>Merge PDFs</source>
        <translation>Combinar PDFs</translation>
    </message>
    <message>
        <source>Drop PDFs and images here, drag them into order, then Merge. Open files join as they are now, with their turns, removed pages and stamps.</source>
        <translation>Solte PDFs e imagens aqui, arraste-os na ordem certa e combine. Arquivos abertos entram como estão agora, com giros, páginas removidas e carimbos.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Drop files to merge</source>
        <translation>Solte arquivos para combinar</translation>
    </message>
    <message>
        <source>Two or more PDFs or images</source>
        <translation>Dois ou mais PDFs ou imagens</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Merge…</source>
        <translation>Combinar…</translation>
    </message>
    <message>
        <source>Add Files…</source>
        <translation>Adicionar arquivos…</translation>
    </message>
</context>
<context>
    <name>NewStampMenu</name>
    <message>
        <source>From an Image File…</source>
        <translation>De um arquivo de imagem…</translation>
    </message>
    <message>
        <source>Draw with Trackpad or Mouse…</source>
        <translation>Desenhar com trackpad ou mouse…</translation>
    </message>
    <message>
        <source>Ready Stamps…</source>
        <translation>Carimbos prontos…</translation>
    </message>
    <message>
        <source>New Signature or Stamp</source>
        <translation>Nova assinatura ou carimbo</translation>
    </message>
    <message>
        <source>Choose a photo or scan of your signature or stamp</source>
        <translation>Escolha uma foto ou digitalização da sua assinatura ou carimbo</translation>
    </message>
</context>
<context>
    <name>NewStampSheet</name>
    <message>
        <source>Draw Your Signature</source>
        <translation>Desenhe sua assinatura</translation>
    </message>
    <message>
        <source>Ready Stamps</source>
        <translation>Carimbos prontos</translation>
    </message>
    <message>
        <source>New Signature or Stamp</source>
        <translation>Nova assinatura ou carimbo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>The checkerboard is what stays transparent on the page.</source>
        <translation>O quadriculado é o que fica transparente na página.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Removing the paper…</source>
        <translation>Removendo o papel…</translation>
    </message>
    <message>
        <source>The signature or stamp couldn&apos;t be saved. Try again.</source>
        <translation>Não foi possível salvar a assinatura ou o carimbo. Tente de novo.</translation>
    </message>
</context>
<context>
    <name>PDFEngine</name>
    <message>
        <source>A page of this file can&apos;t be read anymore. Open the file again.</source>
        <translation>Uma página deste arquivo não pode mais ser lida. Abra o arquivo de novo.</translation>
    </message>
    <message>
        <source>The PDF couldn&apos;t be made. Try again.</source>
        <translation>Não foi possível criar o PDF. Tente de novo.</translation>
    </message>
    <message>
        <source>The pages of this file are damaged in a way that stops them being copied. It can only be saved as pictures of its pages.</source>
        <translation>As páginas deste arquivo estão danificadas de um jeito que impede copiá-las. Ele só pode ser salvo como imagens das páginas.</translation>
    </message>
    <message>
        <source>Reading the PDF took too long and was stopped. A page of the file may be damaged.</source>
        <translation>A leitura do PDF demorou demais e foi interrompida. Uma página do arquivo pode estar danificada.</translation>
    </message>
    <message>
        <source>Reading the PDF failed because a part of the file is damaged.</source>
        <translation>Não foi possível ler o PDF porque uma parte do arquivo está danificada.</translation>
    </message>
    <message>
        <source>The PDF needs more memory than Tamsel may use for one file.</source>
        <translation>O PDF precisa de mais memória do que o Tamsel pode usar para um arquivo.</translation>
    </message>
    <message>
        <source>This PDF failed to be read several times, so Tamsel doesn&apos;t try again.</source>
        <translation>A leitura deste PDF falhou várias vezes, então o Tamsel não tenta de novo.</translation>
    </message>
    <message>
        <source>Tamsel&apos;s PDF reader can&apos;t be started. Install Tamsel again.</source>
        <translation>Não foi possível iniciar o leitor de PDF do Tamsel. Instale o Tamsel de novo.</translation>
    </message>
    <message>
        <source>A page is too large for a picture at this resolution. Choose a lower resolution.</source>
        <translation>Uma página é grande demais para uma imagem nesta resolução. Escolha uma resolução menor.</translation>
    </message>
    <message>
        <source>It was moved or deleted.</source>
        <translation>Ele foi movido ou apagado.</translation>
    </message>
</context>
<context>
    <name>PageGrid</name>
    <message>
        <source>Has signatures or stamps</source>
        <translation>Tem assinaturas ou carimbos</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Girar para a esquerda</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>Girar para a direita</translation>
    </message>
    <message>
        <source>Sign &amp; Stamp</source>
        <translation>Assinar e carimbar</translation>
    </message>
    <message>
        <source>Extract…</source>
        <translation>Extrair…</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Apagar</translation>
    </message>
</context>
<context>
    <name>PageImage</name>
    <message>
        <source>Can&apos;t be shown</source>
        <translation>Não é possível exibir</translation>
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
        <translation>“%1” está bloqueado</translation>
    </message>
    <message>
        <source>That password didn&apos;t open it. Try again.</source>
        <translation>Essa senha não abriu o arquivo. Tente de novo.</translation>
    </message>
    <message>
        <source>Enter its password to open it. The password stays on this computer.</source>
        <translation>Digite a senha para abri-lo. A senha fica neste computador.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
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
        <translation>Senha</translation>
    </message>
    <message>
        <source>“%1” is protected with a password. Save a copy that opens without it, or a copy with a new one.</source>
        <translation>“%1” está protegido por senha. Salve uma cópia que abra sem ela ou uma cópia com uma nova senha.</translation>
    </message>
    <message>
        <source>Save a Copy without Password…</source>
        <translation>Salvar uma cópia sem senha…</translation>
    </message>
    <message>
        <source>Save a copy that asks for this password to open. Keep it somewhere safe: it can&apos;t be recovered.</source>
        <translation>Salve uma cópia que pede esta senha para abrir. Guarde-a em local seguro: ela não pode ser recuperada.</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Nova senha</translation>
    </message>
    <message>
        <source>Repeat password</source>
        <translation>Repita a senha</translation>
    </message>
    <message>
        <source>The passwords don&apos;t match.</source>
        <translation>As senhas não coincidem.</translation>
    </message>
    <message>
        <source>Save Protected Copy…</source>
        <translation>Salvar cópia protegida…</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Salvando…</translation>
    </message>
    <message>
        <source>%1 (protected)</source>
        <extracomment>The name offered for the copy: %1 the document&apos;s name.</extracomment>
        <translation>%1 (protegido)</translation>
    </message>
    <message>
        <source>%1 (no password)</source>
        <translation>%1 (sem senha)</translation>
    </message>
</context>
<context>
    <name>PlacedStamp</name>
    <message>
        <source>Drag to turn</source>
        <translation>Arraste para girar</translation>
    </message>
    <message>
        <source>Drag to resize</source>
        <translation>Arraste para redimensionar</translation>
    </message>
</context>
<context>
    <name>ProcessRunner</name>
    <message>
        <source>The tool didn&apos;t answer in time.</source>
        <extracomment>Error when a command-line tool times out</extracomment>
        <translation>A ferramenta não respondeu a tempo.</translation>
    </message>
    <message>
        <source>Exit code %1</source>
        <extracomment>Error of a command-line tool that gave no message</extracomment>
        <translation>Código de saída %1</translation>
    </message>
</context>
<context>
    <name>ReadyStamp</name>
    <message>
        <source>APPROVED</source>
        <translation>APROVADO</translation>
    </message>
    <message>
        <source>PAID</source>
        <translation>PAGO</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>CÓPIA</translation>
    </message>
    <message>
        <source>CONFIDENTIAL</source>
        <translation>CONFIDENCIAL</translation>
    </message>
    <message>
        <source>DRAFT</source>
        <translation>RASCUNHO</translation>
    </message>
    <message>
        <source>RECEIVED</source>
        <translation>RECEBIDO</translation>
    </message>
</context>
<context>
    <name>ReadyStampsPicker</name>
    <message>
        <source>Red</source>
        <translation>Vermelho</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Preto</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Add today&apos;s date</source>
        <translation>Adicionar a data de hoje</translation>
    </message>
    <message>
        <source>Your own word, like PAID IN CASH</source>
        <translation>Sua própria palavra, como PAGO EM DINHEIRO</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
</context>
<context>
    <name>RootView</name>
    <message>
        <source>Support Tamsel</source>
        <translation>Apoiar o Tamsel</translation>
    </message>
    <message>
        <source>Support the developer</source>
        <translation>Apoiar o desenvolvedor</translation>
    </message>
    <message>
        <source>About Tamsel</source>
        <translation>Sobre o Tamsel</translation>
    </message>
    <message>
        <source>About, updates, privacy and support</source>
        <translation>Sobre, atualizações, privacidade e apoio</translation>
    </message>
    <message>
        <source>Something went wrong</source>
        <translation>Algo deu errado</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save changes to “%1”?</source>
        <translation>Salvar as alterações em “%1”?</translation>
    </message>
    <message>
        <source>Your changes will be lost if you close it without saving. The original file stays as it was.</source>
        <translation>Suas alterações serão perdidas se você fechar sem salvar. O arquivo original fica como estava.</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Salvar como…</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Não salvar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save as Pictures</source>
        <translation>Salvar como imagens</translation>
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
        <translation>E-mail…</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Copiar link</translation>
    </message>
    <message>
        <source>Link copied</source>
        <translation>Link copiado</translation>
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
        <translation>Início</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Arquivos</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Abrir…</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Ferramentas</translation>
    </message>
    <message>
        <source>Merge PDFs</source>
        <translation>Combinar PDFs</translation>
    </message>
    <message>
        <source>Signatures &amp; Stamps</source>
        <translation>Assinaturas e carimbos</translation>
    </message>
    <message>
        <source>QR Codes</source>
        <translation>Códigos QR</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Salvar como…</translation>
    </message>
    <message>
        <source>Add to Merge</source>
        <translation>Adicionar à combinação</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
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
        <translation>Voltar para todas as páginas</translation>
    </message>
    <message>
        <source>Sign &amp; Stamp</source>
        <translation>Assinar e carimbar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Salvar como…</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Próxima página</translation>
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
        <translation>Dividir “%1”</translation>
    </message>
    <message>
        <source>By page ranges</source>
        <translation>Por intervalos de páginas</translation>
    </message>
    <message>
        <source>Every few pages</source>
        <translation>A cada tantas páginas</translation>
    </message>
    <message>
        <source>Page by page</source>
        <translation>Página por página</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Dividir</translation>
    </message>
    <message>
        <source>For example: 1-3, 5, 8-10</source>
        <translation>Por exemplo: 1-3, 5, 8-10</translation>
    </message>
    <message>
        <source>Each range becomes its own PDF. Pages 1 to %1.</source>
        <translation>Cada intervalo vira um PDF próprio. Páginas 1 a %1.</translation>
    </message>
    <message>
        <source>Pages per file</source>
        <translation>Páginas por arquivo</translation>
    </message>
    <message numerus="yes">
        <source>Each of the %n pages becomes its own PDF.</source>
        <translation>
            <numerusform>A %n página vira um PDF próprio.</numerusform>
            <numerusform>Cada uma das %n páginas vira um PDF próprio.</numerusform>
        </translation>
    </message>
    <message>
        <source>Split…</source>
        <translation>Dividir…</translation>
    </message>
    <message numerus="yes">
        <source>A new file every %n pages</source>
        <translation>
            <numerusform>Um novo arquivo a cada %n página</numerusform>
            <numerusform>Um novo arquivo a cada %n páginas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Makes %n files: %1</source>
        <translation>
            <numerusform>Cria %n arquivo: %1</numerusform>
            <numerusform>Cria %n arquivos: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Use page numbers from 1 to %1, like 1-3, 5.</source>
        <translation>Use números de página de 1 a %1, como 1-3, 5.</translation>
    </message>
    <message>
        <source>Split Here</source>
        <translation>Dividir aqui</translation>
    </message>
    <message>
        <source>Splitting…</source>
        <translation>Dividindo…</translation>
    </message>
</context>
<context>
    <name>StampLibrary</name>
    <message>
        <source>Signature</source>
        <translation>Assinatura</translation>
    </message>
    <message>
        <source>Stamp</source>
        <translation>Carimbo</translation>
    </message>
    <message>
        <source>The signature or stamp couldn&apos;t be saved. Try again.</source>
        <translation>Não foi possível salvar a assinatura ou o carimbo. Tente de novo.</translation>
    </message>
    <message>
        <source>The change couldn&apos;t be saved. Try again.</source>
        <translation>Não foi possível salvar a alteração. Tente de novo.</translation>
    </message>
</context>
<context>
    <name>StampLibraryPanel</name>
    <message>
        <source>Put on this page</source>
        <translation>Colocar nesta página</translation>
    </message>
    <message>
        <source>Signatures &amp; Stamps</source>
        <translation>Assinaturas e carimbos</translation>
    </message>
    <message>
        <source>Add your signature or a company seal once; it stays in Tamsel on this computer for every document.</source>
        <translation>Adicione sua assinatura ou o carimbo da empresa uma vez; ela fica no Tamsel neste computador para todos os documentos.</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Ângulo</translation>
    </message>
    <message>
        <source>Add to All Pages</source>
        <translation>Adicionar a todas as páginas</translation>
    </message>
    <message>
        <source>Remove from Page</source>
        <translation>Remover da página</translation>
    </message>
    <message>
        <source>Or paste a photo or scan with Ctrl+V, or drop one here.</source>
        <translation>Ou cole uma foto ou digitalização com Ctrl+V, ou solte aqui.</translation>
    </message>
</context>
<context>
    <name>StampMaker</name>
    <message>
        <source>This image can&apos;t be read.</source>
        <translation>Esta imagem não pode ser lida.</translation>
    </message>
    <message>
        <source>No signature or stamp found. Try a photo of it on white paper.</source>
        <translation>Nenhuma assinatura ou carimbo encontrado. Tente uma foto sobre papel branco.</translation>
    </message>
</context>
<context>
    <name>StampsView</name>
    <message>
        <source>Rename or delete</source>
        <translation>Renomear ou apagar</translation>
    </message>
    <message>
        <source>Rename or delete “%1”</source>
        <translation>Renomear ou apagar “%1”</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>Renomear…</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>Apagar…</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renomear</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Signatures &amp; Stamps</source>
        <translation>Assinaturas e carimbos</translation>
    </message>
    <message>
        <source>Your signature, initials or a company seal, with the paper removed automatically. They stay only on this computer. Tamsel puts your own images on documents; it doesn&apos;t make a signature legally binding by itself.</source>
        <translation>Sua assinatura, rubrica ou carimbo da empresa, com o papel removido automaticamente. Eles ficam só neste computador. O Tamsel coloca suas próprias imagens em documentos; isso, por si só, não torna uma assinatura juridicamente válida.</translation>
    </message>
    <message>
        <source>No signatures or stamps yet</source>
        <translation>Nenhuma assinatura ou carimbo ainda</translation>
    </message>
    <message>
        <source>Sign a white sheet of paper or stamp it, then take a photo of it and choose the photo or a scan. You can also draw with the trackpad or pick a ready stamp like PAID or APPROVED.</source>
        <translation>Assine ou carimbe uma folha de papel branco, tire uma foto e escolha a foto ou uma digitalização. Você também pode desenhar com o trackpad ou escolher um carimbo pronto como PAGO ou APROVADO.</translation>
    </message>
    <message>
        <source>Tamsel</source>
        <translation>Tamsel</translation>
    </message>
    <message>
        <source>Delete “%1”?</source>
        <translation>Apagar “%1”?</translation>
    </message>
    <message>
        <source>It also leaves pages open in Tamsel. Files you already saved keep it.</source>
        <translation>Ele também sai das páginas abertas no Tamsel. Arquivos que você já salvou o mantêm.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Apagar</translation>
    </message>
</context>
<context>
    <name>SupportView</name>
    <message>
        <source>Done! Support Tamsel?</source>
        <translation>Pronto! Apoiar o Tamsel?</translation>
    </message>
    <message>
        <source>Support Tamsel</source>
        <translation>Apoiar o Tamsel</translation>
    </message>
    <message>
        <source>Tamsel is free: no ads, no tracking, no subscription. If it saved you time, you can thank the developer with crypto. Any amount helps keep it free.</source>
        <translation>O Tamsel é grátis: sem anúncios, sem rastreamento, sem assinatura. Se ele economizou seu tempo, você pode agradecer ao desenvolvedor com cripto. Qualquer valor ajuda a mantê-lo grátis.</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Rede</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Endereço</translation>
    </message>
    <message>
        <source>Send only on the networks listed above. Coins sent on another network can&apos;t be recovered.</source>
        <translation>Envie apenas pelas redes listadas acima. Moedas enviadas por outra rede não podem ser recuperadas.</translation>
    </message>
    <message>
        <source>The same addresses are on %1/donate.</source>
        <translation>Os mesmos endereços estão em %1/donate.</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Agora não</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>QR code of the %1 address</source>
        <translation>Código QR do endereço %1</translation>
    </message>
    <message>
        <source>Address copied</source>
        <translation>Endereço copiado</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copiado</translation>
    </message>
    <message>
        <source>Copy Address</source>
        <translation>Copiar endereço</translation>
    </message>
    <message>
        <source>This copy of Tamsel was built without donation addresses. The developer&apos;s are on %1/donate.</source>
        <translation>Esta cópia do Tamsel foi compilada sem endereços de doação. Os do desenvolvedor estão em %1/donate.</translation>
    </message>
</context>
<context>
    <name>TellAFriendView</name>
    <message>
        <source>Tell a friend</source>
        <translation>Indicar a um amigo</translation>
    </message>
    <message>
        <source>Like Tamsel? Tell a friend.</source>
        <translation>Gostou do Tamsel? Indique a um amigo.</translation>
    </message>
    <message>
        <source>Tamsel is free: no ads, no tracking. We don&apos;t buy ads, so friends telling friends is how people find it.</source>
        <translation>O Tamsel é grátis: sem anúncios, sem rastreamento. Não compramos anúncios, então as pessoas o conhecem porque amigos contam para amigos.</translation>
    </message>
    <message>
        <source>Your friend gets this message:</source>
        <translation>Seu amigo vai receber esta mensagem:</translation>
    </message>
    <message>
        <source>You choose the app and the friend; we never see who.</source>
        <translation>Você escolhe o app e o amigo; nós nunca vemos quem.</translation>
    </message>
    <message>
        <source>Share…</source>
        <translation>Compartilhar…</translation>
    </message>
    <message>
        <source>Tamsel for Linux: free PDF tools, signatures and stamps, QR codes. Everything stays on your computer.</source>
        <comment>The message shared with a friend, followed by the link to the app&apos;s page.</comment>
        <translation>Tamsel para Linux: ferramentas de PDF grátis, assinaturas e carimbos, códigos QR. Tudo fica no seu computador.</translation>
    </message>
    <message>
        <source>Message copied</source>
        <translation>Mensagem copiada</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copiado</translation>
    </message>
    <message>
        <source>Copy Message</source>
        <translation>Copiar mensagem</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Agora não</translation>
    </message>
</context>
<context>
    <name>ToastView</name>
    <message>
        <source>Show in Folder</source>
        <translation>Mostrar na pasta</translation>
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
        <translation>As informações de atualização não estão disponíveis agora. Tente mais tarde.</translation>
    </message>
    <message>
        <source>Couldn&apos;t check for updates: %1</source>
        <extracomment>Check for Updates error. The placeholder is the system&apos;s error message.</extracomment>
        <translation>Não foi possível verificar atualizações: %1</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation>Não foi possível ler os dados porque eles não estão no formato correto.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation>Não foi possível ler os dados porque eles estão faltando.</translation>
    </message>
    <message>
        <source>The update information is too large.</source>
        <translation>As informações de atualização são grandes demais.</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>A solicitação expirou.</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>The request timed out.</source>
        <translation>A solicitação expirou.</translation>
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
        <translation>não modificado</translation>
    </message>
    <message>
        <source>bad request</source>
        <translation>solicitação inválida</translation>
    </message>
    <message>
        <source>unauthorized</source>
        <translation>não autorizado</translation>
    </message>
    <message>
        <source>forbidden</source>
        <translation>proibido</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>não encontrado</translation>
    </message>
    <message>
        <source>method not allowed</source>
        <translation>método não permitido</translation>
    </message>
    <message>
        <source>request timed out</source>
        <translation>tempo da solicitação esgotado</translation>
    </message>
    <message>
        <source>no longer exists</source>
        <translation>não existe mais</translation>
    </message>
    <message>
        <source>too many requests</source>
        <translation>solicitações demais</translation>
    </message>
    <message>
        <source>internal server error</source>
        <translation>erro interno do servidor</translation>
    </message>
    <message>
        <source>unimplemented</source>
        <translation>não implementado</translation>
    </message>
    <message>
        <source>bad gateway</source>
        <translation>gateway inválido</translation>
    </message>
    <message>
        <source>service unavailable</source>
        <translation>serviço indisponível</translation>
    </message>
    <message>
        <source>gateway timed out</source>
        <translation>tempo do gateway esgotado</translation>
    </message>
    <message>
        <source>informational</source>
        <translation>informativo</translation>
    </message>
    <message>
        <source>success</source>
        <translation>sucesso</translation>
    </message>
    <message>
        <source>redirected</source>
        <translation>redirecionado</translation>
    </message>
    <message>
        <source>client error</source>
        <translation>erro do cliente</translation>
    </message>
    <message>
        <source>server error</source>
        <translation>erro do servidor</translation>
    </message>
    <message>
        <source>Couldn&apos;t install the update (%1). This copy is now “%2” in the same folder: rename it back to Tamsel.</source>
        <extracomment>Install and Relaunch error when the old copy couldn&apos;t get its name back. Placeholders: the system&apos;s message, the app&apos;s current file name.</extracomment>
        <translation>Não foi possível instalar a atualização (%1). Esta cópia agora se chama “%2” na mesma pasta: renomeie-a de volta para Tamsel.</translation>
    </message>
    <message>
        <source>Couldn&apos;t install the update (%1). This copy wasn&apos;t changed.</source>
        <extracomment>Install and Relaunch error. The placeholder is the system&apos;s or a tool&apos;s message.</extracomment>
        <translation>Não foi possível instalar a atualização (%1). Esta cópia não foi alterada.</translation>
    </message>
    <message>
        <source>The downloaded update didn&apos;t pass the check. This copy wasn&apos;t changed.</source>
        <extracomment>Install and Relaunch error</extracomment>
        <translation>A atualização baixada não passou na verificação. Esta cópia não foi alterada.</translation>
    </message>
    <message>
        <source>The download is larger than expected.</source>
        <extracomment>Install and Relaunch error, inside &quot;Couldn&apos;t install the update (…)&quot;: the server sent more than the update&apos;s size.</extracomment>
        <translation>O download é maior do que o esperado.</translation>
    </message>
    <message>
        <source>There isn&apos;t enough free space for the update.</source>
        <extracomment>Install and Relaunch error, inside &quot;Couldn&apos;t install the update (…)&quot;.</extracomment>
        <translation>Não há espaço livre suficiente para a atualização.</translation>
    </message>
</context>
</TS>
