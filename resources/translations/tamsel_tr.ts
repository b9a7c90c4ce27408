<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>AboutView</name>
    <message>
        <source>About Tamsel</source>
        <translation>Tamsel Hakkında</translation>
    </message>
    <message>
        <source>Tamsel for Linux</source>
        <translation>Linux için Tamsel</translation>
    </message>
    <message>
        <source>Version %1 (%2) · by Vornel Apps</source>
        <translation>Sürüm %1 (%2) · Vornel Apps</translation>
    </message>
    <message>
        <source>Help &amp; legal</source>
        <translation>Yardım ve yasal bilgiler</translation>
    </message>
    <message>
        <source>Follow us</source>
        <translation>Bizi takip edin</translation>
    </message>
    <message>
        <source>More from Vornel Apps</source>
        <translation>Vornel Apps&apos;ten daha fazlası</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Güncellemeler</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Güncellemeleri Denetle</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Dil</translation>
    </message>
    <message>
        <source>Same as system</source>
        <translation>Sistemle aynı</translation>
    </message>
    <message>
        <source>Restart Tamsel</source>
        <translation>Tamsel&apos;i Yeniden Başlat</translation>
    </message>
    <message>
        <source>Free, with optional support</source>
        <translation>Ücretsiz, destek isteğe bağlı</translation>
    </message>
    <message>
        <source>No ads, no tracking, no account, no subscription. Everything runs on your computer. If Tamsel helps, you can support the developer with crypto.</source>
        <translation>Reklam yok, izleme yok, hesap yok, abonelik yok. Her şey bilgisayarınızda çalışır. Tamsel işinize yarıyorsa geliştiriciyi kriptoyla destekleyebilirsiniz.</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Destekle</translation>
    </message>
    <message>
        <source>Tell a friend</source>
        <translation>Bir arkadaşına anlat</translation>
    </message>
    <message>
        <source>Tamsel spends nothing on ads, so people telling people is how it grows. Share a link to its page; nothing is sent unless you choose where.</source>
        <translation>Tamsel reklama hiç para harcamaz; insanlar birbirine anlattıkça büyür. Sayfasının bağlantısını paylaşın; nereye gönderileceğini siz seçmedikçe hiçbir şey gönderilmez.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Paylaş</translation>
    </message>
    <message>
        <source>Write to Support</source>
        <translation>Destek Ekibine Yaz</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>Gizlilik Politikası</translation>
    </message>
    <message>
        <source>Terms of Use</source>
        <translation>Kullanım Koşulları</translation>
    </message>
    <message>
        <source>X (developer)</source>
        <comment>Link to the developer&apos;s account on X</comment>
        <translation>X (geliştirici)</translation>
    </message>
    <message>
        <source>Our other apps</source>
        <translation>Diğer uygulamalarımız</translation>
    </message>
    <message>
        <source>Tamsel checks only when you ask. It reads one file on %1 and sends nothing about your computer.</source>
        <translation>Tamsel yalnızca siz istediğinizde denetler. %1 üzerindeki tek bir dosyayı okur ve bilgisayarınız hakkında hiçbir şey göndermez.</translation>
    </message>
    <message>
        <source>You have the latest version.</source>
        <translation>En son sürümü kullanıyorsunuz.</translation>
    </message>
    <message>
        <source>Version %1 is available.</source>
        <translation>Sürüm %1 kullanılabilir.</translation>
    </message>
    <message>
        <source>Downloading and checking the update…</source>
        <translation>Güncelleme indiriliyor ve denetleniyor…</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>İndir</translation>
    </message>
    <message>
        <source>Tamsel switches to the new language after a restart. Save or close the files with changes first.</source>
        <translation>Tamsel yeniden başlatıldıktan sonra yeni dile geçer. Önce değişiklik içeren dosyaları kaydedin veya kapatın.</translation>
    </message>
    <message>
        <source>Tamsel switches to the new language after a restart.</source>
        <translation>Tamsel yeniden başlatıldıktan sonra yeni dile geçer.</translation>
    </message>
    <message>
        <source>Install and Relaunch</source>
        <translation>Yükle ve Yeniden Başlat</translation>
    </message>
    <message>
        <source>Save or close the files with changes first: Tamsel restarts to finish the update.</source>
        <translation>Önce değişiklik içeren dosyaları kaydedin veya kapatın: Tamsel güncellemeyi bitirmek için yeniden başlar.</translation>
    </message>
</context>
<context>
    <name>AppModel</name>
    <message>
        <source>There&apos;s no picture on the clipboard. Copy a screenshot or an image first.</source>
        <translation>Panoda resim yok. Önce bir ekran görüntüsü veya resim kopyalayın.</translation>
    </message>
    <message>
        <source>A file needs at least one page. To get rid of it, close the file.</source>
        <translation>Bir dosyada en az bir sayfa olmalıdır. Dosyadan kurtulmak için dosyayı kapatın.</translation>
    </message>
    <message>
        <source>Tamsel opens PDFs and images.</source>
        <translation>Tamsel PDF&apos;leri ve resimleri açar.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be opened.</source>
        <translation>“%1” açılamıyor.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be opened. It may be damaged or not a PDF.</source>
        <translation>“%1” açılamıyor. Dosya bozuk olabilir ya da PDF değildir.</translation>
    </message>
    <message>
        <source>Choose PDFs or images</source>
        <translation>PDF veya resim seçin</translation>
    </message>
    <message>
        <source>Saved “%1”</source>
        <translation>“%1” kaydedildi</translation>
    </message>
    <message>
        <source>“%1” is open in Tamsel, so it can&apos;t be replaced. Save under another name.</source>
        <translation>“%1” Tamsel&apos;de açık olduğu için değiştirilemez. Başka bir adla kaydedin.</translation>
    </message>
    <message>
        <source>“%1” wasn&apos;t saved because another task was still running. Try again when it has finished.</source>
        <translation>Başka bir görev hâlâ çalıştığı için “%1” kaydedilmedi. Görev bitince yeniden deneyin.</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Kaydediliyor…</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be used as a file name.</source>
        <translation>“%1” dosya adı olarak kullanılamaz.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because the name is too long.</source>
        <translation>Ad çok uzun olduğu için “%1” kaydedilemedi.</translation>
    </message>
    <message>
        <source>Merging…</source>
        <translation>Birleştiriliyor…</translation>
    </message>
    <message>
        <source>%1 (pages %2)</source>
        <extracomment>The name offered for a file of some pages: %1 the document&apos;s name, %2 the page numbers (&quot;1-3, 5&quot;).</extracomment>
        <translation>%1 (sayfa %2)</translation>
    </message>
    <message>
        <source>%1 (merged)</source>
        <extracomment>The name offered for the merged file: %1 the first file&apos;s name.</extracomment>
        <translation>%1 (birleştirilmiş)</translation>
    </message>
    <message>
        <source>%1 (signed)</source>
        <extracomment>The name offered when saving: %1 the document&apos;s name.</extracomment>
        <translation>%1 (imzalı)</translation>
    </message>
    <message>
        <source>%1 (edited)</source>
        <translation>%1 (düzenlenmiş)</translation>
    </message>
    <message numerus="yes">
        <source>Added to all %n pages</source>
        <translation>
            <numerusform>%n sayfanın tümüne eklendi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Saved %n files</source>
        <translation>
            <numerusform>%n dosya kaydedildi</numerusform>
        </translation>
    </message>
    <message>
        <source>The update is installed. Save your files, then quit and open Tamsel again to use it.</source>
        <translation>Güncelleme yüklendi. Kullanmak için dosyalarınızı kaydedin, sonra Tamsel&apos;den çıkıp yeniden açın.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be opened. %2</source>
        <translation>“%1” açılamıyor. %2</translation>
    </message>
</context>
<context>
    <name>BusyOverlay</name>
    <message>
        <source>Cancel</source>
        <translation>Vazgeç</translation>
    </message>
</context>
<context>
    <name>CodeCard</name>
    <message>
        <source>Link</source>
        <translation>Bağlantı</translation>
    </message>
    <message>
        <source>Wi-Fi</source>
        <translation>Wi-Fi</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Kişi</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Etkinlik</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mesaj</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-posta</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Konum</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Kitap</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Ürün</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Metin</translation>
    </message>
    <message>
        <source>%1, page %2</source>
        <translation>%1, sayfa %2</translation>
    </message>
    <message>
        <source>Not encrypted: the address starts with http, not https.</source>
        <translation>Şifrelenmemiş: adres https ile değil, http ile başlıyor.</translation>
    </message>
    <message>
        <source>A bare number instead of a site name.</source>
        <translation>Site adı yerine çıplak bir numara.</translation>
    </message>
    <message>
        <source>“%1” is not the site. The real site is %2.</source>
        <translation>“%1” asıl site değil. Asıl site %2.</translation>
    </message>
    <message>
        <source>Letters from different alphabets: this address can imitate another site.</source>
        <translation>Farklı alfabelerden harfler: bu adres başka bir siteyi taklit edebilir.</translation>
    </message>
    <message>
        <source>Special characters in the name can imitate another site.</source>
        <translation>Addaki özel karakterler başka bir siteyi taklit edebilir.</translation>
    </message>
    <message>
        <source>Looks like %1, but the real site is %2.</source>
        <translation>%1 gibi görünüyor ama asıl site %2.</translation>
    </message>
    <message>
        <source>The real site is %1, not %2.</source>
        <translation>Asıl site %2 değil, %1.</translation>
    </message>
    <message>
        <source>A short link hides where it leads.</source>
        <translation>Kısaltılmış bağlantı nereye gittiğini gizler.</translation>
    </message>
    <message>
        <source>Real site: %1</source>
        <translation>Asıl site: %1</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>Tarayıcıda Aç</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Bağlantıyı Kopyala</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Ağ</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Parola</translation>
    </message>
    <message>
        <source>Copy Network Name</source>
        <translation>Ağ Adını Kopyala</translation>
    </message>
    <message>
        <source>Copy Password</source>
        <translation>Parolayı Kopyala</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopyala</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Kopyalandı</translation>
    </message>
</context>
<context>
    <name>CodeReading</name>
    <message>
        <source>Pasted image</source>
        <translation>Yapıştırılan resim</translation>
    </message>
    <message>
        <source>No codes found in “%1”.</source>
        <translation>“%1” içinde kod bulunamadı.</translation>
    </message>
    <message>
        <source>No codes found.</source>
        <translation>Kod bulunamadı.</translation>
    </message>
</context>
<context>
    <name>CodeSymbology</name>
    <message>
        <source>Barcode</source>
        <extracomment>Card title of a code whose kind is unknown</extracomment>
        <translation>Barkod</translation>
    </message>
</context>
<context>
    <name>CodesDropZone</name>
    <message>
        <source>Drop a picture or PDF here</source>
        <translation>Resim veya PDF&apos;i buraya bırakın</translation>
    </message>
    <message>
        <source>Or copy a screenshot (Print Screen) and paste it with Ctrl+V.</source>
        <translation>Ya da ekran görüntüsü alın (Print Screen) ve Ctrl+V ile yapıştırın.</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Yapıştır</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Aç…</translation>
    </message>
</context>
<context>
    <name>CodesView</name>
    <message>
        <source>QR Codes</source>
        <translation>QR Kodları</translation>
    </message>
    <message>
        <source>Read QR codes and barcodes from pictures, screenshots and every page of a PDF. Everything is read on this computer.</source>
        <translation>Resimlerden, ekran görüntülerinden ve bir PDF&apos;in her sayfasından QR kodlarını ve barkodları okuyun. Her şey bu bilgisayarda okunur.</translation>
    </message>
    <message>
        <source>Reading…</source>
        <translation>Okunuyor…</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Durdur</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Bulunanlar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Temizle</translation>
    </message>
    <message>
        <source>%1 Try a sharper or larger picture.</source>
        <extracomment>%1 says why no code was found in the picture.</extracomment>
        <translation>%1 Daha net veya daha büyük bir resim deneyin.</translation>
    </message>
</context>
<context>
    <name>CompressSheet</name>
    <message>
        <source>Compress “%1”</source>
        <translation>“%1” dosyasını sıkıştır</translation>
    </message>
    <message>
        <source>Sizes are measured on this computer: the file you save is exactly this size.</source>
        <translation>Boyutlar bu bilgisayarda ölçülür: kaydettiğiniz dosya tam olarak bu boyutta olur.</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Orijinal</translation>
    </message>
    <message>
        <source>As it is now</source>
        <translation>Şu anki hâliyle</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Orta</translation>
    </message>
    <message>
        <source>Sharp text, fits most email</source>
        <translation>Net metin, çoğu e-postaya sığar</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Küçük</translation>
    </message>
    <message>
        <source>The smallest readable file</source>
        <translation>Okunabilir en küçük dosya</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>Kaydet…</translation>
    </message>
    <message>
        <source>For websites and forms with a size limit</source>
        <translation>Boyut sınırı olan web siteleri ve formlar için</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Sınır</translation>
    </message>
    <message>
        <source>To fit, the pages became pictures: text in this copy can&apos;t be selected or searched. The original keeps its text.</source>
        <translation>Sığması için sayfalar resme dönüştürüldü: bu kopyadaki metin seçilemez ve aranamaz. Orijinal metnini korur.</translation>
    </message>
    <message>
        <source>Up to %1</source>
        <translation>%1&apos;a kadar</translation>
    </message>
    <message>
        <source>Can&apos;t get under %1. The smallest Tamsel can make is %2.</source>
        <translation>%1 altına inilemiyor. Tamsel&apos;in yapabileceği en küçük boyut %2.</translation>
    </message>
    <message>
        <source>Pictures in this PDF can&apos;t get much smaller while it keeps its text. Up to %1 can turn the pages into pictures when that&apos;s the only way to fit.</source>
        <translation>Bu PDF&apos;teki resimler metin korunarak pek küçültülemez. “%1&apos;a kadar” seçeneği, sığmanın tek yolu buysa sayfaları resme dönüştürebilir.</translation>
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
        <translation>İmzala ve Damgala</translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>Sıkıştır</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Böl</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Parola</translation>
    </message>
    <message>
        <source>Insert, extract, export as images, merge</source>
        <translation>Ekle, çıkar, resim olarak dışa aktar, birleştir</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Daha Fazla</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Farklı Kaydet…</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Sola Döndür</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>Sola döndür</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>Sağa Döndür</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>Sağa döndür</translation>
    </message>
    <message>
        <source>Delete Pages</source>
        <translation>Sayfaları Sil</translation>
    </message>
    <message>
        <source>Delete the selected pages</source>
        <translation>Seçili sayfaları sil</translation>
    </message>
    <message>
        <source>Drag to reorder. Drop PDFs or images to add pages. Save As… makes a new file; the original stays as it is.</source>
        <translation>Sırayı değiştirmek için sürükleyin. Sayfa eklemek için PDF veya resim bırakın. “Farklı Kaydet…” yeni bir dosya oluşturur; orijinal olduğu gibi kalır.</translation>
    </message>
    <message>
        <source>1 page</source>
        <translation>1 sayfa</translation>
    </message>
    <message numerus="yes">
        <source>%n pages</source>
        <translation>
            <numerusform>%n sayfa</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n selected</source>
        <translation>
            <numerusform>%n seçili</numerusform>
        </translation>
    </message>
    <message>
        <source>password</source>
        <translation>parola</translation>
    </message>
    <message>
        <source>not saved</source>
        <translation>kaydedilmedi</translation>
    </message>
    <message>
        <source>Insert Pages from Files…</source>
        <translation>Dosyalardan Sayfa Ekle…</translation>
    </message>
    <message>
        <source>Extract All Pages…</source>
        <translation>Tüm Sayfaları Çıkar…</translation>
    </message>
    <message>
        <source>Extract Selected Pages…</source>
        <translation>Seçili Sayfaları Çıkar…</translation>
    </message>
    <message>
        <source>Export Pages as Images…</source>
        <translation>Sayfaları Resim Olarak Dışa Aktar…</translation>
    </message>
    <message>
        <source>Add to Merge</source>
        <translation>Birleştirmeye Ekle</translation>
    </message>
</context>
<context>
    <name>DrawingPad</name>
    <message>
        <source>Blue</source>
        <translation>Mavi</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Siyah</translation>
    </message>
    <message>
        <source>Ink</source>
        <translation>Mürekkep</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Temizle</translation>
    </message>
    <message>
        <source>Use This Signature</source>
        <translation>Bu İmzayı Kullan</translation>
    </message>
</context>
<context>
    <name>DropZone</name>
    <message>
        <source>Drop PDFs or images here</source>
        <translation>PDF&apos;leri veya resimleri buraya bırakın</translation>
    </message>
    <message>
        <source>or click to open. Images become pages of a new PDF.</source>
        <translation>ya da açmak için tıklayın. Resimler yeni bir PDF&apos;in sayfaları olur.</translation>
    </message>
</context>
<context>
    <name>ExportImagesSheet</name>
    <message>
        <source>%1 page %2</source>
        <extracomment>The name of one exported picture: %1 the document&apos;s name, %2 the page number.</extracomment>
        <translation>%1 sayfa %2</translation>
    </message>
    <message>
        <source>Export Pages as Images</source>
        <translation>Sayfaları Resim Olarak Dışa Aktar</translation>
    </message>
    <message>
        <source>The selected page.</source>
        <translation>Seçili sayfa.</translation>
    </message>
    <message numerus="yes">
        <source>The %n selected pages.</source>
        <translation>
            <numerusform>Seçili %n sayfa.</numerusform>
        </translation>
    </message>
    <message>
        <source>The one page.</source>
        <translation>Tek sayfa.</translation>
    </message>
    <message numerus="yes">
        <source>All %n pages.</source>
        <translation>
            <numerusform>%n sayfanın tümü.</numerusform>
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
        <translation>Biçim</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Çözünürlük</translation>
    </message>
    <message>
        <source>Screen (100 dpi)</source>
        <translation>Ekran (100 dpi)</translation>
    </message>
    <message>
        <source>Good (200 dpi)</source>
        <translation>İyi (200 dpi)</translation>
    </message>
    <message>
        <source>Print (300 dpi)</source>
        <translation>Baskı (300 dpi)</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Dışa Aktar…</translation>
    </message>
    <message>
        <source>Export Here</source>
        <translation>Buraya Dışa Aktar</translation>
    </message>
    <message>
        <source>Exporting…</source>
        <translation>Dışa aktarılıyor…</translation>
    </message>
</context>
<context>
    <name>FilePanels</name>
    <message>
        <source>Open</source>
        <translation>Aç</translation>
    </message>
    <message>
        <source>PDFs and pictures (%1)</source>
        <translation>PDF&apos;ler ve resimler (%1)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
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
        <translation>Kaydedilmedi</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
</context>
<context>
    <name>FileWriting</name>
    <message>
        <source>“%1” couldn&apos;t be saved because the disk is full.</source>
        <translation>Disk dolu olduğu için “%1” kaydedilemedi.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because it is too large for that disk.</source>
        <translation>O disk için çok büyük olduğu için “%1” kaydedilemedi.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because you don&apos;t have permission to write in that folder.</source>
        <translation>O klasöre yazma izniniz olmadığı için “%1” kaydedilemedi.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because that disk is read-only.</source>
        <translation>O disk salt okunur olduğu için “%1” kaydedilemedi.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because the name is too long.</source>
        <translation>Ad çok uzun olduğu için “%1” kaydedilemedi.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because its folder doesn&apos;t exist.</source>
        <translation>Klasörü mevcut olmadığı için “%1” kaydedilemedi.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because a folder of that name is in the way.</source>
        <translation>Aynı adda bir klasör engel olduğu için “%1” kaydedilemedi.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved (%2).</source>
        <translation>“%1” kaydedilemedi (%2).</translation>
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
        <translation>Linux için Tamsel</translation>
    </message>
    <message>
        <source>PDF tools, signatures and stamps, QR codes. Private by design · 100% on-device.</source>
        <translation>PDF araçları, imzalar ve damgalar, QR kodları. Tasarımı gereği gizli · Yüzde yüz cihazda.</translation>
    </message>
    <message>
        <source>Sign &amp; Stamp</source>
        <translation>İmzala ve Damgala</translation>
    </message>
    <message>
        <source>Put your signature, initials or a company seal on any page, or on all of them.</source>
        <translation>İmzanızı, parafınızı veya şirket mührünüzü istediğiniz sayfaya ya da tüm sayfalara koyun.</translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>Sıkıştır</translation>
    </message>
    <message>
        <source>Original, Medium, Small, or up to the size a website or email asks for.</source>
        <translation>Orijinal, Orta, Küçük ya da bir web sitesinin veya e-postanın istediği boyuta kadar.</translation>
    </message>
    <message>
        <source>Merge PDFs</source>
        <translation>PDF&apos;leri Birleştir</translation>
    </message>
    <message>
        <source>Join PDFs and images in the order you set.</source>
        <translation>PDF&apos;leri ve resimleri belirlediğiniz sırayla birleştirin.</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Böl</translation>
    </message>
    <message>
        <source>By page ranges like 1-3, 5, 8-10, every few pages or page by page.</source>
        <translation>1-3, 5, 8-10 gibi sayfa aralıklarıyla, birkaç sayfada bir ya da sayfa sayfa.</translation>
    </message>
    <message>
        <source>Read QR Codes</source>
        <translation>QR Kodlarını Oku</translation>
    </message>
    <message>
        <source>From pictures, screenshots and every page of a PDF.</source>
        <translation>Resimlerden, ekran görüntülerinden ve bir PDF&apos;in her sayfasından.</translation>
    </message>
    <message>
        <source>Images to PDF</source>
        <translation>Resimlerden PDF</translation>
    </message>
    <message>
        <source>Photos and scans as pages of one PDF, in name order.</source>
        <translation>Fotoğraflar ve taramalar, ad sırasıyla tek bir PDF&apos;in sayfaları olarak.</translation>
    </message>
    <message>
        <source>No ads. No tracking. No account.</source>
        <translation>Reklam yok. İzleme yok. Hesap yok.</translation>
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
        <translation>&amp;Dosya</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Aç…</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Farklı Kaydet…</translation>
    </message>
    <message>
        <source>Close File</source>
        <translation>Dosyayı Kapat</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Çık</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Yardım</translation>
    </message>
    <message>
        <source>About Tamsel</source>
        <translation>Tamsel Hakkında</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Güncellemeleri Denetle…</translation>
    </message>
    <message>
        <source>Support the Developer…</source>
        <translation>Geliştiriciyi Destekle…</translation>
    </message>
    <message>
        <source>Changes in %1 aren&apos;t saved. Use Save As… to keep them.</source>
        <translation>%1 içindeki değişiklikler kaydedilmedi. Korumak için “Farklı Kaydet…” komutunu kullanın.</translation>
    </message>
    <message>
        <source>Stop and quit?</source>
        <translation>Durdurup çıkılsın mı?</translation>
    </message>
    <message>
        <source>Tamsel is still working (%1). Quitting stops that work; nothing half-written is kept.</source>
        <translation>Tamsel hâlâ çalışıyor (%1). Çıkmak bu işi durdurur; yarım yazılmış hiçbir şey saklanmaz.</translation>
    </message>
    <message>
        <source>Quit without saving?</source>
        <translation>Kaydetmeden çıkılsın mı?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Vazgeç</translation>
    </message>
    <message>
        <source>Quit Anyway</source>
        <translation>Yine de Çık</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Görünüm</translation>
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
        <translation>1 sayfa</translation>
    </message>
    <message numerus="yes">
        <source>%n pages</source>
        <translation>
            <numerusform>%n sayfa</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 dosya</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n dosya</numerusform>
        </translation>
    </message>
    <message>
        <source>Drag to reorder</source>
        <translation>Sırayı değiştirmek için sürükleyin</translation>
    </message>
    <message>
        <source>Remove from the list</source>
        <translation>Listeden kaldır</translation>
    </message>
    <message>
        <source>Merge PDFs</source>
        <translation>PDF&apos;leri Birleştir</translation>
    </message>
    <message>
        <source>Drop PDFs and images here, drag them into order, then Merge. Open files join as they are now, with their turns, removed pages and stamps.</source>
        <translation>PDF&apos;leri ve resimleri buraya bırakın, sürükleyerek sıralayın, sonra birleştirin. Açık dosyalar döndürmeleri, silinen sayfaları ve damgalarıyla şu anki hâlleriyle eklenir.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ekle</translation>
    </message>
    <message>
        <source>Drop files to merge</source>
        <translation>Birleştirilecek dosyaları bırakın</translation>
    </message>
    <message>
        <source>Two or more PDFs or images</source>
        <translation>İki veya daha fazla PDF ya da resim</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Temizle</translation>
    </message>
    <message>
        <source>Merge…</source>
        <translation>Birleştir…</translation>
    </message>
    <message>
        <source>Add Files…</source>
        <translation>Dosya Ekle…</translation>
    </message>
</context>
<context>
    <name>NewStampMenu</name>
    <message>
        <source>From an Image File…</source>
        <translation>Bir Resim Dosyasından…</translation>
    </message>
    <message>
        <source>Draw with Trackpad or Mouse…</source>
        <translation>Dokunmatik Yüzey veya Fareyle Çiz…</translation>
    </message>
    <message>
        <source>Ready Stamps…</source>
        <translation>Hazır Damgalar…</translation>
    </message>
    <message>
        <source>New Signature or Stamp</source>
        <translation>Yeni İmza veya Damga</translation>
    </message>
    <message>
        <source>Choose a photo or scan of your signature or stamp</source>
        <translation>İmzanızın veya damganızın bir fotoğrafını ya da taramasını seçin</translation>
    </message>
</context>
<context>
    <name>NewStampSheet</name>
    <message>
        <source>Draw Your Signature</source>
        <translation>İmzanızı Çizin</translation>
    </message>
    <message>
        <source>Ready Stamps</source>
        <translation>Hazır Damgalar</translation>
    </message>
    <message>
        <source>New Signature or Stamp</source>
        <translation>Yeni İmza veya Damga</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Vazgeç</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>The checkerboard is what stays transparent on the page.</source>
        <translation>Dama deseni, sayfada saydam kalacak kısmı gösterir.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Removing the paper…</source>
        <translation>Kâğıt kaldırılıyor…</translation>
    </message>
    <message>
        <source>The signature or stamp couldn&apos;t be saved. Try again.</source>
        <translation>İmza veya damga kaydedilemedi. Yeniden deneyin.</translation>
    </message>
</context>
<context>
    <name>PDFEngine</name>
    <message>
        <source>A page of this file can&apos;t be read anymore. Open the file again.</source>
        <translation>Bu dosyanın bir sayfası artık okunamıyor. Dosyayı yeniden açın.</translation>
    </message>
    <message>
        <source>The PDF couldn&apos;t be made. Try again.</source>
        <translation>PDF oluşturulamadı. Yeniden deneyin.</translation>
    </message>
    <message>
        <source>The pages of this file are damaged in a way that stops them being copied. It can only be saved as pictures of its pages.</source>
        <translation>Bu dosyanın sayfaları kopyalanmalarını engelleyecek biçimde bozuk. Dosya yalnızca sayfalarının resimleri olarak kaydedilebilir.</translation>
    </message>
    <message>
        <source>Reading the PDF took too long and was stopped. A page of the file may be damaged.</source>
        <translation>PDF&apos;in okunması çok uzun sürdü ve durduruldu. Dosyanın bir sayfası bozuk olabilir.</translation>
    </message>
    <message>
        <source>Reading the PDF failed because a part of the file is damaged.</source>
        <translation>Dosyanın bir bölümü bozuk olduğu için PDF okunamadı.</translation>
    </message>
    <message>
        <source>The PDF needs more memory than Tamsel may use for one file.</source>
        <translation>PDF, Tamsel&apos;in tek bir dosya için kullanabileceğinden daha fazla bellek gerektiriyor.</translation>
    </message>
    <message>
        <source>This PDF failed to be read several times, so Tamsel doesn&apos;t try again.</source>
        <translation>Bu PDF birkaç kez okunamadı, bu yüzden Tamsel yeniden denemiyor.</translation>
    </message>
    <message>
        <source>Tamsel&apos;s PDF reader can&apos;t be started. Install Tamsel again.</source>
        <translation>Tamsel&apos;in PDF okuyucusu başlatılamıyor. Tamsel&apos;i yeniden yükleyin.</translation>
    </message>
    <message>
        <source>A page is too large for a picture at this resolution. Choose a lower resolution.</source>
        <translation>Bir sayfa bu çözünürlükte resim için fazla büyük. Daha düşük bir çözünürlük seçin.</translation>
    </message>
    <message>
        <source>It was moved or deleted.</source>
        <translation>Taşınmış ya da silinmiş.</translation>
    </message>
</context>
<context>
    <name>PageGrid</name>
    <message>
        <source>Has signatures or stamps</source>
        <translation>İmza veya damga içeriyor</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Sola Döndür</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>Sağa Döndür</translation>
    </message>
    <message>
        <source>Sign &amp; Stamp</source>
        <translation>İmzala ve Damgala</translation>
    </message>
    <message>
        <source>Extract…</source>
        <translation>Çıkar…</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sil</translation>
    </message>
</context>
<context>
    <name>PageImage</name>
    <message>
        <source>Can&apos;t be shown</source>
        <translation>Gösterilemiyor</translation>
    </message>
</context>
<context>
    <name>PageListModel</name>
    <message>
        <source>Page %1</source>
        <translation>Sayfa %1</translation>
    </message>
</context>
<context>
    <name>PasswordPrompt</name>
    <message>
        <source>“%1” is locked</source>
        <translation>“%1” kilitli</translation>
    </message>
    <message>
        <source>That password didn&apos;t open it. Try again.</source>
        <translation>Bu parola dosyayı açmadı. Yeniden deneyin.</translation>
    </message>
    <message>
        <source>Enter its password to open it. The password stays on this computer.</source>
        <translation>Açmak için parolasını girin. Parola bu bilgisayarda kalır.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Parola</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Vazgeç</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Aç</translation>
    </message>
</context>
<context>
    <name>PasswordSheet</name>
    <message>
        <source>Password</source>
        <translation>Parola</translation>
    </message>
    <message>
        <source>“%1” is protected with a password. Save a copy that opens without it, or a copy with a new one.</source>
        <translation>“%1” parolayla korunuyor. Parolasız açılan bir kopya ya da yeni parolalı bir kopya kaydedin.</translation>
    </message>
    <message>
        <source>Save a Copy without Password…</source>
        <translation>Parolasız Kopya Kaydet…</translation>
    </message>
    <message>
        <source>Save a copy that asks for this password to open. Keep it somewhere safe: it can&apos;t be recovered.</source>
        <translation>Açılırken bu parolayı soran bir kopya kaydedin. Parolayı güvenli bir yerde saklayın: kurtarılamaz.</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Yeni parola</translation>
    </message>
    <message>
        <source>Repeat password</source>
        <translation>Parolayı yineleyin</translation>
    </message>
    <message>
        <source>The passwords don&apos;t match.</source>
        <translation>Parolalar eşleşmiyor.</translation>
    </message>
    <message>
        <source>Save Protected Copy…</source>
        <translation>Korumalı Kopya Kaydet…</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Kaydediliyor…</translation>
    </message>
    <message>
        <source>%1 (protected)</source>
        <extracomment>The name offered for the copy: %1 the document&apos;s name.</extracomment>
        <translation>%1 (korumalı)</translation>
    </message>
    <message>
        <source>%1 (no password)</source>
        <translation>%1 (parolasız)</translation>
    </message>
</context>
<context>
    <name>PlacedStamp</name>
    <message>
        <source>Drag to turn</source>
        <translation>Döndürmek için sürükleyin</translation>
    </message>
    <message>
        <source>Drag to resize</source>
        <translation>Boyutlandırmak için sürükleyin</translation>
    </message>
</context>
<context>
    <name>ProcessRunner</name>
    <message>
        <source>The tool didn&apos;t answer in time.</source>
        <extracomment>Error when a command-line tool times out</extracomment>
        <translation>Araç zamanında yanıt vermedi.</translation>
    </message>
    <message>
        <source>Exit code %1</source>
        <extracomment>Error of a command-line tool that gave no message</extracomment>
        <translation>Çıkış kodu %1</translation>
    </message>
</context>
<context>
    <name>ReadyStamp</name>
    <message>
        <source>APPROVED</source>
        <translation>ONAYLANDI</translation>
    </message>
    <message>
        <source>PAID</source>
        <translation>ÖDENDİ</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>KOPYA</translation>
    </message>
    <message>
        <source>CONFIDENTIAL</source>
        <translation>GİZLİ</translation>
    </message>
    <message>
        <source>DRAFT</source>
        <translation>TASLAK</translation>
    </message>
    <message>
        <source>RECEIVED</source>
        <translation>ALINDI</translation>
    </message>
</context>
<context>
    <name>ReadyStampsPicker</name>
    <message>
        <source>Red</source>
        <translation>Kırmızı</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Mavi</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Siyah</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Renk</translation>
    </message>
    <message>
        <source>Add today&apos;s date</source>
        <translation>Bugünün tarihini ekle</translation>
    </message>
    <message>
        <source>Your own word, like PAID IN CASH</source>
        <translation>Kendi sözcüğünüz, örneğin NAKİT ÖDENDİ</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ekle</translation>
    </message>
</context>
<context>
    <name>RootView</name>
    <message>
        <source>Support Tamsel</source>
        <translation>Tamsel&apos;i Destekle</translation>
    </message>
    <message>
        <source>Support the developer</source>
        <translation>Geliştiriciyi destekle</translation>
    </message>
    <message>
        <source>About Tamsel</source>
        <translation>Tamsel Hakkında</translation>
    </message>
    <message>
        <source>About, updates, privacy and support</source>
        <translation>Hakkında, güncellemeler, gizlilik ve destek</translation>
    </message>
    <message>
        <source>Something went wrong</source>
        <translation>Bir şeyler ters gitti</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Save changes to “%1”?</source>
        <translation>“%1” dosyasındaki değişiklikler kaydedilsin mi?</translation>
    </message>
    <message>
        <source>Your changes will be lost if you close it without saving. The original file stays as it was.</source>
        <translation>Kaydetmeden kapatırsanız değişiklikleriniz kaybolur. Orijinal dosya olduğu gibi kalır.</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Farklı Kaydet…</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Kaydetme</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Vazgeç</translation>
    </message>
    <message>
        <source>Save as Pictures</source>
        <translation>Resim Olarak Kaydet</translation>
    </message>
    <message>
        <source>Hide Sidebar</source>
        <translation>Kenar Çubuğunu Gizle</translation>
    </message>
    <message>
        <source>Show Sidebar</source>
        <translation>Kenar Çubuğunu Göster</translation>
    </message>
</context>
<context>
    <name>Sharing</name>
    <message>
        <source>Email…</source>
        <translation>E-posta…</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Bağlantıyı Kopyala</translation>
    </message>
    <message>
        <source>Link copied</source>
        <translation>Bağlantı kopyalandı</translation>
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
        <translation>Vornel Apps</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Ana Sayfa</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dosyalar</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Aç…</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Araçlar</translation>
    </message>
    <message>
        <source>Merge PDFs</source>
        <translation>PDF&apos;leri Birleştir</translation>
    </message>
    <message>
        <source>Signatures &amp; Stamps</source>
        <translation>İmzalar ve Damgalar</translation>
    </message>
    <message>
        <source>QR Codes</source>
        <translation>QR Kodları</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Farklı Kaydet…</translation>
    </message>
    <message>
        <source>Add to Merge</source>
        <translation>Birleştirmeye Ekle</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
</context>
<context>
    <name>SignView</name>
    <message>
        <source>Pages</source>
        <translation>Sayfalar</translation>
    </message>
    <message>
        <source>Back to all pages</source>
        <translation>Tüm sayfalara dön</translation>
    </message>
    <message>
        <source>Sign &amp; Stamp</source>
        <translation>İmzala ve Damgala</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Bitti</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Farklı Kaydet…</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Önceki Sayfa</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Sonraki Sayfa</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Sayfa %1 / %2</translation>
    </message>
</context>
<context>
    <name>SplitSheet</name>
    <message>
        <source>Split “%1”</source>
        <translation>“%1” dosyasını böl</translation>
    </message>
    <message>
        <source>By page ranges</source>
        <translation>Sayfa aralıklarına göre</translation>
    </message>
    <message>
        <source>Every few pages</source>
        <translation>Birkaç sayfada bir</translation>
    </message>
    <message>
        <source>Page by page</source>
        <translation>Sayfa sayfa</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Böl</translation>
    </message>
    <message>
        <source>For example: 1-3, 5, 8-10</source>
        <translation>Örneğin: 1-3, 5, 8-10</translation>
    </message>
    <message>
        <source>Each range becomes its own PDF. Pages 1 to %1.</source>
        <translation>Her aralık ayrı bir PDF olur. Sayfa 1 ile %1 arası.</translation>
    </message>
    <message>
        <source>Pages per file</source>
        <translation>Dosya başına sayfa</translation>
    </message>
    <message numerus="yes">
        <source>Each of the %n pages becomes its own PDF.</source>
        <translation>
            <numerusform>%n sayfanın her biri ayrı bir PDF olur.</numerusform>
        </translation>
    </message>
    <message>
        <source>Split…</source>
        <translation>Böl…</translation>
    </message>
    <message numerus="yes">
        <source>A new file every %n pages</source>
        <translation>
            <numerusform>Her %n sayfada yeni bir dosya</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Makes %n files: %1</source>
        <translation>
            <numerusform>%n dosya oluşturur: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Use page numbers from 1 to %1, like 1-3, 5.</source>
        <translation>1 ile %1 arasında sayfa numaraları kullanın, örneğin 1-3, 5.</translation>
    </message>
    <message>
        <source>Split Here</source>
        <translation>Buraya Böl</translation>
    </message>
    <message>
        <source>Splitting…</source>
        <translation>Bölünüyor…</translation>
    </message>
</context>
<context>
    <name>StampLibrary</name>
    <message>
        <source>Signature</source>
        <translation>İmza</translation>
    </message>
    <message>
        <source>Stamp</source>
        <translation>Damga</translation>
    </message>
    <message>
        <source>The signature or stamp couldn&apos;t be saved. Try again.</source>
        <translation>İmza veya damga kaydedilemedi. Yeniden deneyin.</translation>
    </message>
    <message>
        <source>The change couldn&apos;t be saved. Try again.</source>
        <translation>Değişiklik kaydedilemedi. Yeniden deneyin.</translation>
    </message>
</context>
<context>
    <name>StampLibraryPanel</name>
    <message>
        <source>Put on this page</source>
        <translation>Bu sayfaya koy</translation>
    </message>
    <message>
        <source>Signatures &amp; Stamps</source>
        <translation>İmzalar ve Damgalar</translation>
    </message>
    <message>
        <source>Add your signature or a company seal once; it stays in Tamsel on this computer for every document.</source>
        <translation>İmzanızı veya şirket mührünüzü bir kez ekleyin; her belge için bu bilgisayarda Tamsel&apos;de kalır.</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Açı</translation>
    </message>
    <message>
        <source>Add to All Pages</source>
        <translation>Tüm Sayfalara Ekle</translation>
    </message>
    <message>
        <source>Remove from Page</source>
        <translation>Sayfadan Kaldır</translation>
    </message>
    <message>
        <source>Or paste a photo or scan with Ctrl+V, or drop one here.</source>
        <translation>Ya da Ctrl+V ile bir fotoğraf veya tarama yapıştırın ya da buraya bırakın.</translation>
    </message>
</context>
<context>
    <name>StampMaker</name>
    <message>
        <source>This image can&apos;t be read.</source>
        <translation>Bu resim okunamıyor.</translation>
    </message>
    <message>
        <source>No signature or stamp found. Try a photo of it on white paper.</source>
        <translation>İmza veya damga bulunamadı. Beyaz kâğıt üzerinde çekilmiş bir fotoğraf deneyin.</translation>
    </message>
</context>
<context>
    <name>StampsView</name>
    <message>
        <source>Rename or delete</source>
        <translation>Yeniden adlandır veya sil</translation>
    </message>
    <message>
        <source>Rename or delete “%1”</source>
        <translation>“%1” öğesini yeniden adlandır veya sil</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>Yeniden Adlandır…</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>Sil…</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Yeniden Adlandır</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Vazgeç</translation>
    </message>
    <message>
        <source>Signatures &amp; Stamps</source>
        <translation>İmzalar ve Damgalar</translation>
    </message>
    <message>
        <source>Your signature, initials or a company seal, with the paper removed automatically. They stay only on this computer. Tamsel puts your own images on documents; it doesn&apos;t make a signature legally binding by itself.</source>
        <translation>İmzanız, parafınız veya şirket mührünüz; kâğıt otomatik olarak kaldırılır. Yalnızca bu bilgisayarda kalırlar. Tamsel kendi resimlerinizi belgelere yerleştirir; bu tek başına bir imzayı yasal olarak bağlayıcı kılmaz.</translation>
    </message>
    <message>
        <source>No signatures or stamps yet</source>
        <translation>Henüz imza veya damga yok</translation>
    </message>
    <message>
        <source>Sign a white sheet of paper or stamp it, then take a photo of it and choose the photo or a scan. You can also draw with the trackpad or pick a ready stamp like PAID or APPROVED.</source>
        <translation>Beyaz bir kâğıdı imzalayın veya damgalayın, fotoğrafını çekin ve fotoğrafı ya da bir taramayı seçin. Dokunmatik yüzeyle çizebilir veya ÖDENDİ ya da ONAYLANDI gibi hazır bir damga da seçebilirsiniz.</translation>
    </message>
    <message>
        <source>Tamsel</source>
        <translation>Tamsel</translation>
    </message>
    <message>
        <source>Delete “%1”?</source>
        <translation>“%1” silinsin mi?</translation>
    </message>
    <message>
        <source>It also leaves pages open in Tamsel. Files you already saved keep it.</source>
        <translation>Tamsel&apos;de açık sayfalardan da kalkar. Önceden kaydettiğiniz dosyalarda kalır.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sil</translation>
    </message>
</context>
<context>
    <name>SupportView</name>
    <message>
        <source>Done! Support Tamsel?</source>
        <translation>Tamamlandı! Tamsel&apos;i desteklemek ister misiniz?</translation>
    </message>
    <message>
        <source>Support Tamsel</source>
        <translation>Tamsel&apos;i Destekle</translation>
    </message>
    <message>
        <source>Tamsel is free: no ads, no tracking, no subscription. If it saved you time, you can thank the developer with crypto. Any amount helps keep it free.</source>
        <translation>Tamsel ücretsizdir: reklam yok, izleme yok, abonelik yok. Size zaman kazandırdıysa geliştiriciye kriptoyla teşekkür edebilirsiniz. Her miktar ücretsiz kalmasına yardımcı olur.</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Ağ</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Gönderilebilir</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Send only on the networks listed above. Coins sent on another network can&apos;t be recovered.</source>
        <translation>Yalnızca yukarıda listelenen ağlarda gönderin. Başka bir ağda gönderilen coinler geri alınamaz.</translation>
    </message>
    <message>
        <source>The same addresses are on %1/donate.</source>
        <translation>Aynı adresler %1/donate sayfasında da var.</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Şimdi Değil</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Bitti</translation>
    </message>
    <message>
        <source>QR code of the %1 address</source>
        <translation>%1 adresinin QR kodu</translation>
    </message>
    <message>
        <source>Address copied</source>
        <translation>Adres kopyalandı</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Kopyalandı</translation>
    </message>
    <message>
        <source>Copy Address</source>
        <translation>Adresi Kopyala</translation>
    </message>
    <message>
        <source>This copy of Tamsel was built without donation addresses. The developer&apos;s are on %1/donate.</source>
        <translation>Bu Tamsel kopyası bağış adresleri olmadan derlendi. Geliştiricinin adresleri %1/donate sayfasında.</translation>
    </message>
</context>
<context>
    <name>TellAFriendView</name>
    <message>
        <source>Tell a friend</source>
        <translation>Bir arkadaşına anlat</translation>
    </message>
    <message>
        <source>Like Tamsel? Tell a friend.</source>
        <translation>Tamsel&apos;i sevdiniz mi? Bir arkadaşınıza anlatın.</translation>
    </message>
    <message>
        <source>Tamsel is free: no ads, no tracking. We don&apos;t buy ads, so friends telling friends is how people find it.</source>
        <translation>Tamsel ücretsizdir: reklam yok, izleme yok. Reklam satın almıyoruz; insanlar onu arkadaşlarından duyarak buluyor.</translation>
    </message>
    <message>
        <source>Your friend gets this message:</source>
        <translation>Arkadaşınız şu mesajı alır:</translation>
    </message>
    <message>
        <source>You choose the app and the friend; we never see who.</source>
        <translation>Uygulamayı ve arkadaşı siz seçersiniz; kime gönderdiğinizi asla görmeyiz.</translation>
    </message>
    <message>
        <source>Share…</source>
        <translation>Paylaş…</translation>
    </message>
    <message>
        <source>Tamsel for Linux: free PDF tools, signatures and stamps, QR codes. Everything stays on your computer.</source>
        <comment>The message shared with a friend, followed by the link to the app&apos;s page.</comment>
        <translation>Linux için Tamsel: ücretsiz PDF araçları, imzalar ve damgalar, QR kodları. Her şey bilgisayarınızda kalır.</translation>
    </message>
    <message>
        <source>Message copied</source>
        <translation>Mesaj kopyalandı</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Kopyalandı</translation>
    </message>
    <message>
        <source>Copy Message</source>
        <translation>Mesajı Kopyala</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Bitti</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Şimdi Değil</translation>
    </message>
</context>
<context>
    <name>ToastView</name>
    <message>
        <source>Show in Folder</source>
        <translation>Klasörde Göster</translation>
    </message>
</context>
<context>
    <name>ToolSheetFrame</name>
    <message>
        <source>Cancel</source>
        <translation>Vazgeç</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>The update information isn&apos;t available right now. Try again later.</source>
        <extracomment>Check for Updates error</extracomment>
        <translation>Güncelleme bilgisi şu anda alınamıyor. Daha sonra yeniden deneyin.</translation>
    </message>
    <message>
        <source>Couldn&apos;t check for updates: %1</source>
        <extracomment>Check for Updates error. The placeholder is the system&apos;s error message.</extracomment>
        <translation>Güncellemeler denetlenemedi: %1</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation>Veriler doğru biçimde olmadığı için okunamadı.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation>Veriler eksik olduğu için okunamadı.</translation>
    </message>
    <message>
        <source>The update information is too large.</source>
        <translation>Güncelleme bilgisi çok büyük.</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>İstek zaman aşımına uğradı.</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>The request timed out.</source>
        <translation>İstek zaman aşımına uğradı.</translation>
    </message>
    <message>
        <source>moved permanently</source>
        <translation>kalıcı olarak taşındı</translation>
    </message>
    <message>
        <source>found</source>
        <translation>bulundu</translation>
    </message>
    <message>
        <source>not modified</source>
        <translation>değiştirilmedi</translation>
    </message>
    <message>
        <source>bad request</source>
        <translation>hatalı istek</translation>
    </message>
    <message>
        <source>unauthorized</source>
        <translation>yetkisiz</translation>
    </message>
    <message>
        <source>forbidden</source>
        <translation>yasak</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>bulunamadı</translation>
    </message>
    <message>
        <source>method not allowed</source>
        <translation>yönteme izin verilmiyor</translation>
    </message>
    <message>
        <source>request timed out</source>
        <translation>istek zaman aşımına uğradı</translation>
    </message>
    <message>
        <source>no longer exists</source>
        <translation>artık mevcut değil</translation>
    </message>
    <message>
        <source>too many requests</source>
        <translation>çok fazla istek</translation>
    </message>
    <message>
        <source>internal server error</source>
        <translation>dahili sunucu hatası</translation>
    </message>
    <message>
        <source>unimplemented</source>
        <translation>uygulanmadı</translation>
    </message>
    <message>
        <source>bad gateway</source>
        <translation>hatalı ağ geçidi</translation>
    </message>
    <message>
        <source>service unavailable</source>
        <translation>hizmet kullanılamıyor</translation>
    </message>
    <message>
        <source>gateway timed out</source>
        <translation>ağ geçidi zaman aşımı</translation>
    </message>
    <message>
        <source>informational</source>
        <translation>bilgilendirme</translation>
    </message>
    <message>
        <source>success</source>
        <translation>başarılı</translation>
    </message>
    <message>
        <source>redirected</source>
        <translation>yönlendirildi</translation>
    </message>
    <message>
        <source>client error</source>
        <translation>istemci hatası</translation>
    </message>
    <message>
        <source>server error</source>
        <translation>sunucu hatası</translation>
    </message>
    <message>
        <source>Couldn&apos;t install the update (%1). This copy is now “%2” in the same folder: rename it back to Tamsel.</source>
        <extracomment>Install and Relaunch error when the old copy couldn&apos;t get its name back. Placeholders: the system&apos;s message, the app&apos;s current file name.</extracomment>
        <translation>Güncelleme yüklenemedi (%1). Bu kopyanın adı artık aynı klasörde “%2”: adını yeniden Tamsel olarak değiştirin.</translation>
    </message>
    <message>
        <source>Couldn&apos;t install the update (%1). This copy wasn&apos;t changed.</source>
        <extracomment>Install and Relaunch error. The placeholder is the system&apos;s or a tool&apos;s message.</extracomment>
        <translation>Güncelleme yüklenemedi (%1). Bu kopya değiştirilmedi.</translation>
    </message>
    <message>
        <source>The downloaded update didn&apos;t pass the check. This copy wasn&apos;t changed.</source>
        <extracomment>Install and Relaunch error</extracomment>
        <translation>İndirilen güncelleme denetimden geçemedi. Bu kopya değiştirilmedi.</translation>
    </message>
    <message>
        <source>The download is larger than expected.</source>
        <extracomment>Install and Relaunch error, inside &quot;Couldn&apos;t install the update (…)&quot;: the server sent more than the update&apos;s size.</extracomment>
        <translation>İndirilen dosya beklenenden büyük.</translation>
    </message>
    <message>
        <source>There isn&apos;t enough free space for the update.</source>
        <extracomment>Install and Relaunch error, inside &quot;Couldn&apos;t install the update (…)&quot;.</extracomment>
        <translation>Güncelleme için yeterli boş alan yok.</translation>
    </message>
</context>
</TS>
