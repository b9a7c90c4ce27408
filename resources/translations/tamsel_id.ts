<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id_ID">
<context>
    <name>AboutView</name>
    <message>
        <source>About Tamsel</source>
        <translation>Tentang Tamsel</translation>
    </message>
    <message>
        <source>Tamsel for Linux</source>
        <translation>Tamsel untuk Linux</translation>
    </message>
    <message>
        <source>Version %1 (%2) · by Vornel Apps</source>
        <translation>Versi %1 (%2) · oleh Vornel Apps</translation>
    </message>
    <message>
        <source>Help &amp; legal</source>
        <translation>Bantuan &amp; legal</translation>
    </message>
    <message>
        <source>Follow us</source>
        <translation>Ikuti kami</translation>
    </message>
    <message>
        <source>More from Vornel Apps</source>
        <translation>Lainnya dari Vornel Apps</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Pembaruan</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Periksa Pembaruan</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Bahasa</translation>
    </message>
    <message>
        <source>Same as system</source>
        <translation>Sama dengan sistem</translation>
    </message>
    <message>
        <source>Restart Tamsel</source>
        <translation>Mulai Ulang Tamsel</translation>
    </message>
    <message>
        <source>Free, with optional support</source>
        <translation>Gratis, dukungan opsional</translation>
    </message>
    <message>
        <source>No ads, no tracking, no account, no subscription. Everything runs on your computer. If Tamsel helps, you can support the developer with crypto.</source>
        <translation>Tanpa iklan, tanpa pelacakan, tanpa akun, tanpa langganan. Semuanya berjalan di komputer Anda. Jika Tamsel membantu, Anda bisa mendukung pengembangnya dengan kripto.</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Dukung</translation>
    </message>
    <message>
        <source>Tell a friend</source>
        <translation>Beri tahu teman</translation>
    </message>
    <message>
        <source>Tamsel spends nothing on ads, so people telling people is how it grows. Share a link to its page; nothing is sent unless you choose where.</source>
        <translation>Tamsel tidak mengeluarkan uang untuk iklan, jadi Tamsel tumbuh dari orang yang saling bercerita. Bagikan tautan ke halamannya; tidak ada yang dikirim kecuali Anda memilih tujuannya.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Bagikan</translation>
    </message>
    <message>
        <source>Write to Support</source>
        <translation>Tulis ke Dukungan</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>Kebijakan Privasi</translation>
    </message>
    <message>
        <source>Terms of Use</source>
        <translation>Ketentuan Penggunaan</translation>
    </message>
    <message>
        <source>X (developer)</source>
        <comment>Link to the developer&apos;s account on X</comment>
        <translation>X (pengembang)</translation>
    </message>
    <message>
        <source>Our other apps</source>
        <translation>Aplikasi kami yang lain</translation>
    </message>
    <message>
        <source>Tamsel checks only when you ask. It reads one file on %1 and sends nothing about your computer.</source>
        <translation>Tamsel hanya memeriksa saat Anda memintanya. Tamsel membaca satu file di %1 dan tidak mengirim apa pun tentang komputer Anda.</translation>
    </message>
    <message>
        <source>You have the latest version.</source>
        <translation>Anda sudah memakai versi terbaru.</translation>
    </message>
    <message>
        <source>Version %1 is available.</source>
        <translation>Versi %1 tersedia.</translation>
    </message>
    <message>
        <source>Downloading and checking the update…</source>
        <translation>Mengunduh dan memeriksa pembaruan…</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Unduh</translation>
    </message>
    <message>
        <source>Tamsel switches to the new language after a restart. Save or close the files with changes first.</source>
        <translation>Tamsel beralih ke bahasa baru setelah dimulai ulang. Simpan atau tutup dulu file yang berubah.</translation>
    </message>
    <message>
        <source>Tamsel switches to the new language after a restart.</source>
        <translation>Tamsel beralih ke bahasa baru setelah dimulai ulang.</translation>
    </message>
    <message>
        <source>Install and Relaunch</source>
        <translation>Instal dan Buka Ulang</translation>
    </message>
    <message>
        <source>Save or close the files with changes first: Tamsel restarts to finish the update.</source>
        <translation>Simpan atau tutup dulu file yang berubah: Tamsel dimulai ulang untuk menyelesaikan pembaruan.</translation>
    </message>
</context>
<context>
    <name>AppModel</name>
    <message>
        <source>There&apos;s no picture on the clipboard. Copy a screenshot or an image first.</source>
        <translation>Tidak ada gambar di papan klip. Salin dulu tangkapan layar atau gambar.</translation>
    </message>
    <message>
        <source>A file needs at least one page. To get rid of it, close the file.</source>
        <translation>File perlu setidaknya satu halaman. Untuk menyingkirkannya, tutup file tersebut.</translation>
    </message>
    <message>
        <source>Tamsel opens PDFs and images.</source>
        <translation>Tamsel membuka PDF dan gambar.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be opened.</source>
        <translation>“%1” tidak dapat dibuka.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be opened. It may be damaged or not a PDF.</source>
        <translation>“%1” tidak dapat dibuka. File mungkin rusak atau bukan PDF.</translation>
    </message>
    <message>
        <source>Choose PDFs or images</source>
        <translation>Pilih PDF atau gambar</translation>
    </message>
    <message>
        <source>Saved “%1”</source>
        <translation>“%1” disimpan</translation>
    </message>
    <message>
        <source>“%1” is open in Tamsel, so it can&apos;t be replaced. Save under another name.</source>
        <translation>“%1” sedang terbuka di Tamsel, jadi tidak dapat diganti. Simpan dengan nama lain.</translation>
    </message>
    <message>
        <source>“%1” wasn&apos;t saved because another task was still running. Try again when it has finished.</source>
        <translation>“%1” tidak disimpan karena tugas lain masih berjalan. Coba lagi setelah tugas itu selesai.</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Menyimpan…</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be used as a file name.</source>
        <translation>“%1” tidak dapat dipakai sebagai nama file.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because the name is too long.</source>
        <translation>“%1” tidak dapat disimpan karena namanya terlalu panjang.</translation>
    </message>
    <message>
        <source>Merging…</source>
        <translation>Menggabungkan…</translation>
    </message>
    <message>
        <source>%1 (pages %2)</source>
        <extracomment>The name offered for a file of some pages: %1 the document&apos;s name, %2 the page numbers (&quot;1-3, 5&quot;).</extracomment>
        <translation>%1 (halaman %2)</translation>
    </message>
    <message>
        <source>%1 (merged)</source>
        <extracomment>The name offered for the merged file: %1 the first file&apos;s name.</extracomment>
        <translation>%1 (digabung)</translation>
    </message>
    <message>
        <source>%1 (signed)</source>
        <extracomment>The name offered when saving: %1 the document&apos;s name.</extracomment>
        <translation>%1 (ditandatangani)</translation>
    </message>
    <message>
        <source>%1 (edited)</source>
        <translation>%1 (diedit)</translation>
    </message>
    <message numerus="yes">
        <source>Added to all %n pages</source>
        <translation>
            <numerusform>Ditambahkan ke semua %n halaman</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Saved %n files</source>
        <translation>
            <numerusform>%n file disimpan</numerusform>
        </translation>
    </message>
    <message>
        <source>The update is installed. Save your files, then quit and open Tamsel again to use it.</source>
        <translation>Pembaruan sudah terinstal. Simpan file Anda, lalu keluar dan buka Tamsel lagi untuk memakainya.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be opened. %2</source>
        <translation>“%1” tidak dapat dibuka. %2</translation>
    </message>
</context>
<context>
    <name>BusyOverlay</name>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
</context>
<context>
    <name>CodeCard</name>
    <message>
        <source>Link</source>
        <translation>Tautan</translation>
    </message>
    <message>
        <source>Wi-Fi</source>
        <translation>Wi-Fi</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Kontak</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Acara</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telepon</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Pesan</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Email</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lokasi</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Buku</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Produk</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Teks</translation>
    </message>
    <message>
        <source>%1, page %2</source>
        <translation>%1, halaman %2</translation>
    </message>
    <message>
        <source>Not encrypted: the address starts with http, not https.</source>
        <translation>Tidak terenkripsi: alamat diawali http, bukan https.</translation>
    </message>
    <message>
        <source>A bare number instead of a site name.</source>
        <translation>Hanya angka, bukan nama situs.</translation>
    </message>
    <message>
        <source>“%1” is not the site. The real site is %2.</source>
        <translation>“%1” bukan situsnya. Situs sebenarnya adalah %2.</translation>
    </message>
    <message>
        <source>Letters from different alphabets: this address can imitate another site.</source>
        <translation>Huruf dari alfabet berbeda: alamat ini bisa meniru situs lain.</translation>
    </message>
    <message>
        <source>Special characters in the name can imitate another site.</source>
        <translation>Karakter khusus dalam nama bisa meniru situs lain.</translation>
    </message>
    <message>
        <source>Looks like %1, but the real site is %2.</source>
        <translation>Tampak seperti %1, tetapi situs sebenarnya adalah %2.</translation>
    </message>
    <message>
        <source>The real site is %1, not %2.</source>
        <translation>Situs sebenarnya adalah %1, bukan %2.</translation>
    </message>
    <message>
        <source>A short link hides where it leads.</source>
        <translation>Tautan pendek menyembunyikan ke mana tujuannya.</translation>
    </message>
    <message>
        <source>Real site: %1</source>
        <translation>Situs sebenarnya: %1</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>Buka di Browser</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Salin Tautan</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Jaringan</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Kata Sandi</translation>
    </message>
    <message>
        <source>Copy Network Name</source>
        <translation>Salin Nama Jaringan</translation>
    </message>
    <message>
        <source>Copy Password</source>
        <translation>Salin Kata Sandi</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Salin</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Disalin</translation>
    </message>
</context>
<context>
    <name>CodeReading</name>
    <message>
        <source>Pasted image</source>
        <translation>Gambar yang ditempel</translation>
    </message>
    <message>
        <source>No codes found in “%1”.</source>
        <translation>Tidak ada kode di “%1”.</translation>
    </message>
    <message>
        <source>No codes found.</source>
        <translation>Tidak ada kode yang ditemukan.</translation>
    </message>
</context>
<context>
    <name>CodeSymbology</name>
    <message>
        <source>Barcode</source>
        <extracomment>Card title of a code whose kind is unknown</extracomment>
        <translation>Kode batang</translation>
    </message>
</context>
<context>
    <name>CodesDropZone</name>
    <message>
        <source>Drop a picture or PDF here</source>
        <translation>Letakkan gambar atau PDF di sini</translation>
    </message>
    <message>
        <source>Or copy a screenshot (Print Screen) and paste it with Ctrl+V.</source>
        <translation>Atau ambil tangkapan layar (Print Screen) lalu tempel dengan Ctrl+V.</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Tempel</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Buka…</translation>
    </message>
</context>
<context>
    <name>CodesView</name>
    <message>
        <source>QR Codes</source>
        <translation>Kode QR</translation>
    </message>
    <message>
        <source>Read QR codes and barcodes from pictures, screenshots and every page of a PDF. Everything is read on this computer.</source>
        <translation>Baca kode QR dan kode batang dari gambar, tangkapan layar, dan setiap halaman PDF. Semuanya dibaca di komputer ini.</translation>
    </message>
    <message>
        <source>Reading…</source>
        <translation>Membaca…</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Hentikan</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Ditemukan</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Bersihkan</translation>
    </message>
    <message>
        <source>%1 Try a sharper or larger picture.</source>
        <extracomment>%1 says why no code was found in the picture.</extracomment>
        <translation>%1 Coba gambar yang lebih tajam atau lebih besar.</translation>
    </message>
</context>
<context>
    <name>CompressSheet</name>
    <message>
        <source>Compress “%1”</source>
        <translation>Kompres “%1”</translation>
    </message>
    <message>
        <source>Sizes are measured on this computer: the file you save is exactly this size.</source>
        <translation>Ukuran diukur di komputer ini: file yang Anda simpan berukuran persis seperti ini.</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Asli</translation>
    </message>
    <message>
        <source>As it is now</source>
        <translation>Seperti sekarang</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Sedang</translation>
    </message>
    <message>
        <source>Sharp text, fits most email</source>
        <translation>Teks tajam, muat di kebanyakan email</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Kecil</translation>
    </message>
    <message>
        <source>The smallest readable file</source>
        <translation>File terkecil yang masih terbaca</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>Simpan…</translation>
    </message>
    <message>
        <source>For websites and forms with a size limit</source>
        <translation>Untuk situs web dan formulir dengan batas ukuran</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Batas</translation>
    </message>
    <message>
        <source>To fit, the pages became pictures: text in this copy can&apos;t be selected or searched. The original keeps its text.</source>
        <translation>Agar muat, halaman diubah menjadi gambar: teks dalam salinan ini tidak dapat dipilih atau dicari. File asli tetap menyimpan teksnya.</translation>
    </message>
    <message>
        <source>Up to %1</source>
        <translation>Hingga %1</translation>
    </message>
    <message>
        <source>Can&apos;t get under %1. The smallest Tamsel can make is %2.</source>
        <translation>Tidak bisa di bawah %1. Ukuran terkecil yang bisa dibuat Tamsel adalah %2.</translation>
    </message>
    <message>
        <source>Pictures in this PDF can&apos;t get much smaller while it keeps its text. Up to %1 can turn the pages into pictures when that&apos;s the only way to fit.</source>
        <translation>Gambar dalam PDF ini tidak bisa diperkecil banyak selama teksnya dipertahankan. “Hingga %1” bisa mengubah halaman menjadi gambar jika hanya itu cara agar muat.</translation>
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
        <translation>Tanda Tangan &amp; Stempel</translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>Kompres</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Pisahkan</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Kata Sandi</translation>
    </message>
    <message>
        <source>Insert, extract, export as images, merge</source>
        <translation>Sisipkan, ekstrak, ekspor sebagai gambar, gabungkan</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Lainnya</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Simpan Sebagai…</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Putar ke Kiri</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>Putar ke kiri</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>Putar ke Kanan</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>Putar ke kanan</translation>
    </message>
    <message>
        <source>Delete Pages</source>
        <translation>Hapus Halaman</translation>
    </message>
    <message>
        <source>Delete the selected pages</source>
        <translation>Hapus halaman yang dipilih</translation>
    </message>
    <message>
        <source>Drag to reorder. Drop PDFs or images to add pages. Save As… makes a new file; the original stays as it is.</source>
        <translation>Seret untuk mengurutkan. Letakkan PDF atau gambar untuk menambah halaman. Simpan Sebagai… membuat file baru; file asli tetap seperti semula.</translation>
    </message>
    <message>
        <source>1 page</source>
        <translation>1 halaman</translation>
    </message>
    <message numerus="yes">
        <source>%n pages</source>
        <translation>
            <numerusform>%n halaman</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n selected</source>
        <translation>
            <numerusform>%n dipilih</numerusform>
        </translation>
    </message>
    <message>
        <source>password</source>
        <translation>kata sandi</translation>
    </message>
    <message>
        <source>not saved</source>
        <translation>belum disimpan</translation>
    </message>
    <message>
        <source>Insert Pages from Files…</source>
        <translation>Sisipkan Halaman dari File…</translation>
    </message>
    <message>
        <source>Extract All Pages…</source>
        <translation>Ekstrak Semua Halaman…</translation>
    </message>
    <message>
        <source>Extract Selected Pages…</source>
        <translation>Ekstrak Halaman yang Dipilih…</translation>
    </message>
    <message>
        <source>Export Pages as Images…</source>
        <translation>Ekspor Halaman sebagai Gambar…</translation>
    </message>
    <message>
        <source>Add to Merge</source>
        <translation>Tambahkan ke Gabungan</translation>
    </message>
</context>
<context>
    <name>DrawingPad</name>
    <message>
        <source>Blue</source>
        <translation>Biru</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Hitam</translation>
    </message>
    <message>
        <source>Ink</source>
        <translation>Tinta</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Bersihkan</translation>
    </message>
    <message>
        <source>Use This Signature</source>
        <translation>Pakai Tanda Tangan Ini</translation>
    </message>
</context>
<context>
    <name>DropZone</name>
    <message>
        <source>Drop PDFs or images here</source>
        <translation>Letakkan PDF atau gambar di sini</translation>
    </message>
    <message>
        <source>or click to open. Images become pages of a new PDF.</source>
        <translation>atau klik untuk membuka. Gambar menjadi halaman PDF baru.</translation>
    </message>
</context>
<context>
    <name>ExportImagesSheet</name>
    <message>
        <source>%1 page %2</source>
        <extracomment>The name of one exported picture: %1 the document&apos;s name, %2 the page number.</extracomment>
        <translation>%1 halaman %2</translation>
    </message>
    <message>
        <source>Export Pages as Images</source>
        <translation>Ekspor Halaman sebagai Gambar</translation>
    </message>
    <message>
        <source>The selected page.</source>
        <translation>Halaman yang dipilih.</translation>
    </message>
    <message numerus="yes">
        <source>The %n selected pages.</source>
        <translation>
            <numerusform>%n halaman yang dipilih.</numerusform>
        </translation>
    </message>
    <message>
        <source>The one page.</source>
        <translation>Satu-satunya halaman.</translation>
    </message>
    <message numerus="yes">
        <source>All %n pages.</source>
        <translation>
            <numerusform>Semua %n halaman.</numerusform>
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
        <translation>Resolusi</translation>
    </message>
    <message>
        <source>Screen (100 dpi)</source>
        <translation>Layar (100 dpi)</translation>
    </message>
    <message>
        <source>Good (200 dpi)</source>
        <translation>Baik (200 dpi)</translation>
    </message>
    <message>
        <source>Print (300 dpi)</source>
        <translation>Cetak (300 dpi)</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Ekspor…</translation>
    </message>
    <message>
        <source>Export Here</source>
        <translation>Ekspor di Sini</translation>
    </message>
    <message>
        <source>Exporting…</source>
        <translation>Mengekspor…</translation>
    </message>
</context>
<context>
    <name>FilePanels</name>
    <message>
        <source>Open</source>
        <translation>Buka</translation>
    </message>
    <message>
        <source>PDFs and pictures (%1)</source>
        <translation>PDF dan gambar (%1)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Simpan</translation>
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
        <translation>Belum disimpan</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
</context>
<context>
    <name>FileWriting</name>
    <message>
        <source>“%1” couldn&apos;t be saved because the disk is full.</source>
        <translation>“%1” tidak dapat disimpan karena disk penuh.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because it is too large for that disk.</source>
        <translation>“%1” tidak dapat disimpan karena terlalu besar untuk disk itu.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because you don&apos;t have permission to write in that folder.</source>
        <translation>“%1” tidak dapat disimpan karena Anda tidak punya izin menulis di folder itu.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because that disk is read-only.</source>
        <translation>“%1” tidak dapat disimpan karena disk itu hanya-baca.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because the name is too long.</source>
        <translation>“%1” tidak dapat disimpan karena namanya terlalu panjang.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because its folder doesn&apos;t exist.</source>
        <translation>“%1” tidak dapat disimpan karena foldernya tidak ada.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because a folder of that name is in the way.</source>
        <translation>“%1” tidak dapat disimpan karena ada folder dengan nama yang sama.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved (%2).</source>
        <translation>“%1” tidak dapat disimpan (%2).</translation>
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
        <translation>Tamsel untuk Linux</translation>
    </message>
    <message>
        <source>PDF tools, signatures and stamps, QR codes. Private by design · 100% on-device.</source>
        <translation>Alat PDF, tanda tangan dan stempel, kode QR. Privat sejak dirancang · 100% di perangkat.</translation>
    </message>
    <message>
        <source>Sign &amp; Stamp</source>
        <translation>Tanda Tangan &amp; Stempel</translation>
    </message>
    <message>
        <source>Put your signature, initials or a company seal on any page, or on all of them.</source>
        <translation>Bubuhkan tanda tangan, paraf, atau stempel perusahaan di halaman mana pun, atau di semuanya.</translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>Kompres</translation>
    </message>
    <message>
        <source>Original, Medium, Small, or up to the size a website or email asks for.</source>
        <translation>Asli, Sedang, Kecil, atau hingga ukuran yang diminta situs web atau email.</translation>
    </message>
    <message>
        <source>Merge PDFs</source>
        <translation>Gabungkan PDF</translation>
    </message>
    <message>
        <source>Join PDFs and images in the order you set.</source>
        <translation>Satukan PDF dan gambar dalam urutan yang Anda tentukan.</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Pisahkan</translation>
    </message>
    <message>
        <source>By page ranges like 1-3, 5, 8-10, every few pages or page by page.</source>
        <translation>Berdasarkan rentang halaman seperti 1-3, 5, 8-10, setiap beberapa halaman, atau per halaman.</translation>
    </message>
    <message>
        <source>Read QR Codes</source>
        <translation>Baca Kode QR</translation>
    </message>
    <message>
        <source>From pictures, screenshots and every page of a PDF.</source>
        <translation>Dari gambar, tangkapan layar, dan setiap halaman PDF.</translation>
    </message>
    <message>
        <source>Images to PDF</source>
        <translation>Gambar ke PDF</translation>
    </message>
    <message>
        <source>Photos and scans as pages of one PDF, in name order.</source>
        <translation>Foto dan hasil pindaian sebagai halaman satu PDF, urut nama.</translation>
    </message>
    <message>
        <source>No ads. No tracking. No account.</source>
        <translation>Tanpa iklan. Tanpa pelacakan. Tanpa akun.</translation>
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
        <translation>Buka…</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Simpan Sebagai…</translation>
    </message>
    <message>
        <source>Close File</source>
        <translation>Tutup File</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Keluar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Bantuan</translation>
    </message>
    <message>
        <source>About Tamsel</source>
        <translation>Tentang Tamsel</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Periksa Pembaruan…</translation>
    </message>
    <message>
        <source>Support the Developer…</source>
        <translation>Dukung Pengembang…</translation>
    </message>
    <message>
        <source>Changes in %1 aren&apos;t saved. Use Save As… to keep them.</source>
        <translation>Perubahan di %1 belum disimpan. Gunakan Simpan Sebagai… untuk menyimpannya.</translation>
    </message>
    <message>
        <source>Stop and quit?</source>
        <translation>Hentikan dan keluar?</translation>
    </message>
    <message>
        <source>Tamsel is still working (%1). Quitting stops that work; nothing half-written is kept.</source>
        <translation>Tamsel masih bekerja (%1). Keluar akan menghentikan pekerjaan itu; tidak ada yang setengah tertulis yang disimpan.</translation>
    </message>
    <message>
        <source>Quit without saving?</source>
        <translation>Keluar tanpa menyimpan?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Quit Anyway</source>
        <translation>Tetap Keluar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Tampilan</translation>
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
        <translation>1 halaman</translation>
    </message>
    <message numerus="yes">
        <source>%n pages</source>
        <translation>
            <numerusform>%n halaman</numerusform>
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
        </translation>
    </message>
    <message>
        <source>Drag to reorder</source>
        <translation>Seret untuk mengurutkan</translation>
    </message>
    <message>
        <source>Remove from the list</source>
        <translation>Hapus dari daftar</translation>
    </message>
    <message>
        <source>Merge PDFs</source>
        <translation>Gabungkan PDF</translation>
    </message>
    <message>
        <source>Drop PDFs and images here, drag them into order, then Merge. Open files join as they are now, with their turns, removed pages and stamps.</source>
        <translation>Letakkan PDF dan gambar di sini, seret sesuai urutan, lalu Gabungkan. File yang terbuka ikut apa adanya saat ini, dengan putaran, halaman yang dihapus, dan stempelnya.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Tambah</translation>
    </message>
    <message>
        <source>Drop files to merge</source>
        <translation>Letakkan file untuk digabung</translation>
    </message>
    <message>
        <source>Two or more PDFs or images</source>
        <translation>Dua atau lebih PDF atau gambar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Bersihkan</translation>
    </message>
    <message>
        <source>Merge…</source>
        <translation>Gabungkan…</translation>
    </message>
    <message>
        <source>Add Files…</source>
        <translation>Tambah File…</translation>
    </message>
</context>
<context>
    <name>NewStampMenu</name>
    <message>
        <source>From an Image File…</source>
        <translation>Dari File Gambar…</translation>
    </message>
    <message>
        <source>Draw with Trackpad or Mouse…</source>
        <translation>Gambar dengan Trackpad atau Mouse…</translation>
    </message>
    <message>
        <source>Ready Stamps…</source>
        <translation>Stempel Siap Pakai…</translation>
    </message>
    <message>
        <source>New Signature or Stamp</source>
        <translation>Tanda Tangan atau Stempel Baru</translation>
    </message>
    <message>
        <source>Choose a photo or scan of your signature or stamp</source>
        <translation>Pilih foto atau hasil pindaian tanda tangan atau stempel Anda</translation>
    </message>
</context>
<context>
    <name>NewStampSheet</name>
    <message>
        <source>Draw Your Signature</source>
        <translation>Gambar Tanda Tangan Anda</translation>
    </message>
    <message>
        <source>Ready Stamps</source>
        <translation>Stempel Siap Pakai</translation>
    </message>
    <message>
        <source>New Signature or Stamp</source>
        <translation>Tanda Tangan atau Stempel Baru</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Simpan</translation>
    </message>
    <message>
        <source>The checkerboard is what stays transparent on the page.</source>
        <translation>Pola papan catur adalah bagian yang tetap transparan di halaman.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nama</translation>
    </message>
    <message>
        <source>Removing the paper…</source>
        <translation>Menghapus kertas…</translation>
    </message>
    <message>
        <source>The signature or stamp couldn&apos;t be saved. Try again.</source>
        <translation>Tanda tangan atau stempel tidak dapat disimpan. Coba lagi.</translation>
    </message>
</context>
<context>
    <name>PDFEngine</name>
    <message>
        <source>A page of this file can&apos;t be read anymore. Open the file again.</source>
        <translation>Halaman file ini tidak dapat dibaca lagi. Buka file itu lagi.</translation>
    </message>
    <message>
        <source>The PDF couldn&apos;t be made. Try again.</source>
        <translation>PDF tidak dapat dibuat. Coba lagi.</translation>
    </message>
    <message>
        <source>The pages of this file are damaged in a way that stops them being copied. It can only be saved as pictures of its pages.</source>
        <translation>Halaman file ini rusak sehingga tidak dapat disalin. File hanya dapat disimpan sebagai gambar halamannya.</translation>
    </message>
    <message>
        <source>Reading the PDF took too long and was stopped. A page of the file may be damaged.</source>
        <translation>Membaca PDF terlalu lama sehingga dihentikan. Mungkin ada halaman file yang rusak.</translation>
    </message>
    <message>
        <source>Reading the PDF failed because a part of the file is damaged.</source>
        <translation>PDF gagal dibaca karena sebagian file rusak.</translation>
    </message>
    <message>
        <source>The PDF needs more memory than Tamsel may use for one file.</source>
        <translation>PDF ini membutuhkan memori lebih banyak daripada yang boleh dipakai Tamsel untuk satu file.</translation>
    </message>
    <message>
        <source>This PDF failed to be read several times, so Tamsel doesn&apos;t try again.</source>
        <translation>PDF ini beberapa kali gagal dibaca, jadi Tamsel tidak mencoba lagi.</translation>
    </message>
    <message>
        <source>Tamsel&apos;s PDF reader can&apos;t be started. Install Tamsel again.</source>
        <translation>Pembaca PDF Tamsel tidak dapat dijalankan. Instal ulang Tamsel.</translation>
    </message>
    <message>
        <source>A page is too large for a picture at this resolution. Choose a lower resolution.</source>
        <translation>Sebuah halaman terlalu besar untuk gambar pada resolusi ini. Pilih resolusi yang lebih rendah.</translation>
    </message>
    <message>
        <source>It was moved or deleted.</source>
        <translation>File telah dipindahkan atau dihapus.</translation>
    </message>
</context>
<context>
    <name>PageGrid</name>
    <message>
        <source>Has signatures or stamps</source>
        <translation>Memiliki tanda tangan atau stempel</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Putar ke Kiri</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>Putar ke Kanan</translation>
    </message>
    <message>
        <source>Sign &amp; Stamp</source>
        <translation>Tanda Tangan &amp; Stempel</translation>
    </message>
    <message>
        <source>Extract…</source>
        <translation>Ekstrak…</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Hapus</translation>
    </message>
</context>
<context>
    <name>PageImage</name>
    <message>
        <source>Can&apos;t be shown</source>
        <translation>Tidak dapat ditampilkan</translation>
    </message>
</context>
<context>
    <name>PageListModel</name>
    <message>
        <source>Page %1</source>
        <translation>Halaman %1</translation>
    </message>
</context>
<context>
    <name>PasswordPrompt</name>
    <message>
        <source>“%1” is locked</source>
        <translation>“%1” terkunci</translation>
    </message>
    <message>
        <source>That password didn&apos;t open it. Try again.</source>
        <translation>Kata sandi itu tidak bisa membukanya. Coba lagi.</translation>
    </message>
    <message>
        <source>Enter its password to open it. The password stays on this computer.</source>
        <translation>Masukkan kata sandinya untuk membuka. Kata sandi tetap di komputer ini.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Kata Sandi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Buka</translation>
    </message>
</context>
<context>
    <name>PasswordSheet</name>
    <message>
        <source>Password</source>
        <translation>Kata Sandi</translation>
    </message>
    <message>
        <source>“%1” is protected with a password. Save a copy that opens without it, or a copy with a new one.</source>
        <translation>“%1” dilindungi kata sandi. Simpan salinan yang terbuka tanpa kata sandi, atau salinan dengan kata sandi baru.</translation>
    </message>
    <message>
        <source>Save a Copy without Password…</source>
        <translation>Simpan Salinan tanpa Kata Sandi…</translation>
    </message>
    <message>
        <source>Save a copy that asks for this password to open. Keep it somewhere safe: it can&apos;t be recovered.</source>
        <translation>Simpan salinan yang meminta kata sandi ini saat dibuka. Simpan kata sandinya di tempat aman: kata sandi tidak dapat dipulihkan.</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Kata sandi baru</translation>
    </message>
    <message>
        <source>Repeat password</source>
        <translation>Ulangi kata sandi</translation>
    </message>
    <message>
        <source>The passwords don&apos;t match.</source>
        <translation>Kata sandi tidak cocok.</translation>
    </message>
    <message>
        <source>Save Protected Copy…</source>
        <translation>Simpan Salinan Terlindungi…</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Menyimpan…</translation>
    </message>
    <message>
        <source>%1 (protected)</source>
        <extracomment>The name offered for the copy: %1 the document&apos;s name.</extracomment>
        <translation>%1 (terlindungi)</translation>
    </message>
    <message>
        <source>%1 (no password)</source>
        <translation>%1 (tanpa kata sandi)</translation>
    </message>
</context>
<context>
    <name>PlacedStamp</name>
    <message>
        <source>Drag to turn</source>
        <translation>Seret untuk memutar</translation>
    </message>
    <message>
        <source>Drag to resize</source>
        <translation>Seret untuk mengubah ukuran</translation>
    </message>
</context>
<context>
    <name>ProcessRunner</name>
    <message>
        <source>The tool didn&apos;t answer in time.</source>
        <extracomment>Error when a command-line tool times out</extracomment>
        <translation>Alat tidak menjawab tepat waktu.</translation>
    </message>
    <message>
        <source>Exit code %1</source>
        <extracomment>Error of a command-line tool that gave no message</extracomment>
        <translation>Kode keluar %1</translation>
    </message>
</context>
<context>
    <name>ReadyStamp</name>
    <message>
        <source>APPROVED</source>
        <translation>DISETUJUI</translation>
    </message>
    <message>
        <source>PAID</source>
        <translation>LUNAS</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>SALINAN</translation>
    </message>
    <message>
        <source>CONFIDENTIAL</source>
        <translation>RAHASIA</translation>
    </message>
    <message>
        <source>DRAFT</source>
        <translation>DRAF</translation>
    </message>
    <message>
        <source>RECEIVED</source>
        <translation>DITERIMA</translation>
    </message>
</context>
<context>
    <name>ReadyStampsPicker</name>
    <message>
        <source>Red</source>
        <translation>Merah</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Biru</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Hitam</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Warna</translation>
    </message>
    <message>
        <source>Add today&apos;s date</source>
        <translation>Tambahkan tanggal hari ini</translation>
    </message>
    <message>
        <source>Your own word, like PAID IN CASH</source>
        <translation>Kata Anda sendiri, seperti LUNAS TUNAI</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Tambah</translation>
    </message>
</context>
<context>
    <name>RootView</name>
    <message>
        <source>Support Tamsel</source>
        <translation>Dukung Tamsel</translation>
    </message>
    <message>
        <source>Support the developer</source>
        <translation>Dukung pengembang</translation>
    </message>
    <message>
        <source>About Tamsel</source>
        <translation>Tentang Tamsel</translation>
    </message>
    <message>
        <source>About, updates, privacy and support</source>
        <translation>Tentang, pembaruan, privasi, dan dukungan</translation>
    </message>
    <message>
        <source>Something went wrong</source>
        <translation>Terjadi kesalahan</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save changes to “%1”?</source>
        <translation>Simpan perubahan pada “%1”?</translation>
    </message>
    <message>
        <source>Your changes will be lost if you close it without saving. The original file stays as it was.</source>
        <translation>Perubahan Anda akan hilang jika ditutup tanpa disimpan. File asli tetap seperti semula.</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Simpan Sebagai…</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Jangan Simpan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Save as Pictures</source>
        <translation>Simpan sebagai Gambar</translation>
    </message>
    <message>
        <source>Hide Sidebar</source>
        <translation>Sembunyikan Bilah Samping</translation>
    </message>
    <message>
        <source>Show Sidebar</source>
        <translation>Tampilkan Bilah Samping</translation>
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
        <translation>Salin Tautan</translation>
    </message>
    <message>
        <source>Link copied</source>
        <translation>Tautan disalin</translation>
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
        <translation>oleh Vornel Apps</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Beranda</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Buka…</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Alat</translation>
    </message>
    <message>
        <source>Merge PDFs</source>
        <translation>Gabungkan PDF</translation>
    </message>
    <message>
        <source>Signatures &amp; Stamps</source>
        <translation>Tanda Tangan &amp; Stempel</translation>
    </message>
    <message>
        <source>QR Codes</source>
        <translation>Kode QR</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Simpan Sebagai…</translation>
    </message>
    <message>
        <source>Add to Merge</source>
        <translation>Tambahkan ke Gabungan</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
</context>
<context>
    <name>SignView</name>
    <message>
        <source>Pages</source>
        <translation>Halaman</translation>
    </message>
    <message>
        <source>Back to all pages</source>
        <translation>Kembali ke semua halaman</translation>
    </message>
    <message>
        <source>Sign &amp; Stamp</source>
        <translation>Tanda Tangan &amp; Stempel</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Selesai</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Simpan Sebagai…</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Halaman Sebelumnya</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Halaman Berikutnya</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Halaman %1 dari %2</translation>
    </message>
</context>
<context>
    <name>SplitSheet</name>
    <message>
        <source>Split “%1”</source>
        <translation>Pisahkan “%1”</translation>
    </message>
    <message>
        <source>By page ranges</source>
        <translation>Berdasarkan rentang halaman</translation>
    </message>
    <message>
        <source>Every few pages</source>
        <translation>Setiap beberapa halaman</translation>
    </message>
    <message>
        <source>Page by page</source>
        <translation>Per halaman</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Pisahkan</translation>
    </message>
    <message>
        <source>For example: 1-3, 5, 8-10</source>
        <translation>Contoh: 1-3, 5, 8-10</translation>
    </message>
    <message>
        <source>Each range becomes its own PDF. Pages 1 to %1.</source>
        <translation>Setiap rentang menjadi PDF tersendiri. Halaman 1 sampai %1.</translation>
    </message>
    <message>
        <source>Pages per file</source>
        <translation>Halaman per file</translation>
    </message>
    <message numerus="yes">
        <source>Each of the %n pages becomes its own PDF.</source>
        <translation>
            <numerusform>Setiap %n halaman menjadi PDF tersendiri.</numerusform>
        </translation>
    </message>
    <message>
        <source>Split…</source>
        <translation>Pisahkan…</translation>
    </message>
    <message numerus="yes">
        <source>A new file every %n pages</source>
        <translation>
            <numerusform>File baru setiap %n halaman</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Makes %n files: %1</source>
        <translation>
            <numerusform>Membuat %n file: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Use page numbers from 1 to %1, like 1-3, 5.</source>
        <translation>Gunakan nomor halaman 1 sampai %1, seperti 1-3, 5.</translation>
    </message>
    <message>
        <source>Split Here</source>
        <translation>Pisahkan di Sini</translation>
    </message>
    <message>
        <source>Splitting…</source>
        <translation>Memisahkan…</translation>
    </message>
</context>
<context>
    <name>StampLibrary</name>
    <message>
        <source>Signature</source>
        <translation>Tanda tangan</translation>
    </message>
    <message>
        <source>Stamp</source>
        <translation>Stempel</translation>
    </message>
    <message>
        <source>The signature or stamp couldn&apos;t be saved. Try again.</source>
        <translation>Tanda tangan atau stempel tidak dapat disimpan. Coba lagi.</translation>
    </message>
    <message>
        <source>The change couldn&apos;t be saved. Try again.</source>
        <translation>Perubahan tidak dapat disimpan. Coba lagi.</translation>
    </message>
</context>
<context>
    <name>StampLibraryPanel</name>
    <message>
        <source>Put on this page</source>
        <translation>Taruh di halaman ini</translation>
    </message>
    <message>
        <source>Signatures &amp; Stamps</source>
        <translation>Tanda Tangan &amp; Stempel</translation>
    </message>
    <message>
        <source>Add your signature or a company seal once; it stays in Tamsel on this computer for every document.</source>
        <translation>Tambahkan tanda tangan atau stempel perusahaan sekali saja; itu tetap ada di Tamsel di komputer ini untuk setiap dokumen.</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Sudut</translation>
    </message>
    <message>
        <source>Add to All Pages</source>
        <translation>Tambahkan ke Semua Halaman</translation>
    </message>
    <message>
        <source>Remove from Page</source>
        <translation>Hapus dari Halaman</translation>
    </message>
    <message>
        <source>Or paste a photo or scan with Ctrl+V, or drop one here.</source>
        <translation>Atau tempel foto atau hasil pindaian dengan Ctrl+V, atau letakkan di sini.</translation>
    </message>
</context>
<context>
    <name>StampMaker</name>
    <message>
        <source>This image can&apos;t be read.</source>
        <translation>Gambar ini tidak dapat dibaca.</translation>
    </message>
    <message>
        <source>No signature or stamp found. Try a photo of it on white paper.</source>
        <translation>Tidak ada tanda tangan atau stempel yang ditemukan. Coba foto di atas kertas putih.</translation>
    </message>
</context>
<context>
    <name>StampsView</name>
    <message>
        <source>Rename or delete</source>
        <translation>Ganti nama atau hapus</translation>
    </message>
    <message>
        <source>Rename or delete “%1”</source>
        <translation>Ganti nama atau hapus “%1”</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>Ganti Nama…</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>Hapus…</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Ganti Nama</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nama</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Signatures &amp; Stamps</source>
        <translation>Tanda Tangan &amp; Stempel</translation>
    </message>
    <message>
        <source>Your signature, initials or a company seal, with the paper removed automatically. They stay only on this computer. Tamsel puts your own images on documents; it doesn&apos;t make a signature legally binding by itself.</source>
        <translation>Tanda tangan, paraf, atau stempel perusahaan Anda, dengan kertas yang dihapus otomatis. Semuanya hanya tersimpan di komputer ini. Tamsel menaruh gambar Anda sendiri pada dokumen; itu saja tidak membuat tanda tangan mengikat secara hukum.</translation>
    </message>
    <message>
        <source>No signatures or stamps yet</source>
        <translation>Belum ada tanda tangan atau stempel</translation>
    </message>
    <message>
        <source>Sign a white sheet of paper or stamp it, then take a photo of it and choose the photo or a scan. You can also draw with the trackpad or pick a ready stamp like PAID or APPROVED.</source>
        <translation>Tanda tangani atau stempel selembar kertas putih, lalu foto dan pilih fotonya atau hasil pindaian. Anda juga bisa menggambar dengan trackpad atau memilih stempel siap pakai seperti LUNAS atau DISETUJUI.</translation>
    </message>
    <message>
        <source>Tamsel</source>
        <translation>Tamsel</translation>
    </message>
    <message>
        <source>Delete “%1”?</source>
        <translation>Hapus “%1”?</translation>
    </message>
    <message>
        <source>It also leaves pages open in Tamsel. Files you already saved keep it.</source>
        <translation>Item ini juga hilang dari halaman yang terbuka di Tamsel. File yang sudah Anda simpan tetap memilikinya.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Hapus</translation>
    </message>
</context>
<context>
    <name>SupportView</name>
    <message>
        <source>Done! Support Tamsel?</source>
        <translation>Selesai! Dukung Tamsel?</translation>
    </message>
    <message>
        <source>Support Tamsel</source>
        <translation>Dukung Tamsel</translation>
    </message>
    <message>
        <source>Tamsel is free: no ads, no tracking, no subscription. If it saved you time, you can thank the developer with crypto. Any amount helps keep it free.</source>
        <translation>Tamsel gratis: tanpa iklan, tanpa pelacakan, tanpa langganan. Jika Tamsel menghemat waktu Anda, Anda bisa berterima kasih kepada pengembangnya dengan kripto. Berapa pun jumlahnya membantu Tamsel tetap gratis.</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Jaringan</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Kirim</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Alamat</translation>
    </message>
    <message>
        <source>Send only on the networks listed above. Coins sent on another network can&apos;t be recovered.</source>
        <translation>Kirim hanya di jaringan yang tercantum di atas. Koin yang dikirim di jaringan lain tidak dapat dipulihkan.</translation>
    </message>
    <message>
        <source>The same addresses are on %1/donate.</source>
        <translation>Alamat yang sama ada di %1/donate.</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Nanti Saja</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Selesai</translation>
    </message>
    <message>
        <source>QR code of the %1 address</source>
        <translation>Kode QR alamat %1</translation>
    </message>
    <message>
        <source>Address copied</source>
        <translation>Alamat disalin</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Disalin</translation>
    </message>
    <message>
        <source>Copy Address</source>
        <translation>Salin Alamat</translation>
    </message>
    <message>
        <source>This copy of Tamsel was built without donation addresses. The developer&apos;s are on %1/donate.</source>
        <translation>Salinan Tamsel ini dibuat tanpa alamat donasi. Alamat pengembang ada di %1/donate.</translation>
    </message>
</context>
<context>
    <name>TellAFriendView</name>
    <message>
        <source>Tell a friend</source>
        <translation>Beri tahu teman</translation>
    </message>
    <message>
        <source>Like Tamsel? Tell a friend.</source>
        <translation>Suka Tamsel? Beri tahu teman.</translation>
    </message>
    <message>
        <source>Tamsel is free: no ads, no tracking. We don&apos;t buy ads, so friends telling friends is how people find it.</source>
        <translation>Tamsel gratis: tanpa iklan, tanpa pelacakan. Kami tidak membeli iklan, jadi orang menemukannya karena teman bercerita ke teman.</translation>
    </message>
    <message>
        <source>Your friend gets this message:</source>
        <translation>Teman Anda akan menerima pesan ini:</translation>
    </message>
    <message>
        <source>You choose the app and the friend; we never see who.</source>
        <translation>Anda yang memilih aplikasi dan temannya; kami tidak pernah tahu siapa.</translation>
    </message>
    <message>
        <source>Share…</source>
        <translation>Bagikan…</translation>
    </message>
    <message>
        <source>Tamsel for Linux: free PDF tools, signatures and stamps, QR codes. Everything stays on your computer.</source>
        <comment>The message shared with a friend, followed by the link to the app&apos;s page.</comment>
        <translation>Tamsel untuk Linux: alat PDF gratis, tanda tangan dan stempel, kode QR. Semuanya tetap di komputer Anda.</translation>
    </message>
    <message>
        <source>Message copied</source>
        <translation>Pesan disalin</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Disalin</translation>
    </message>
    <message>
        <source>Copy Message</source>
        <translation>Salin Pesan</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Selesai</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Nanti Saja</translation>
    </message>
</context>
<context>
    <name>ToastView</name>
    <message>
        <source>Show in Folder</source>
        <translation>Tampilkan di Folder</translation>
    </message>
</context>
<context>
    <name>ToolSheetFrame</name>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>The update information isn&apos;t available right now. Try again later.</source>
        <extracomment>Check for Updates error</extracomment>
        <translation>Informasi pembaruan sedang tidak tersedia. Coba lagi nanti.</translation>
    </message>
    <message>
        <source>Couldn&apos;t check for updates: %1</source>
        <extracomment>Check for Updates error. The placeholder is the system&apos;s error message.</extracomment>
        <translation>Tidak dapat memeriksa pembaruan: %1</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation>Data tidak dapat dibaca karena formatnya tidak benar.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation>Data tidak dapat dibaca karena tidak ada.</translation>
    </message>
    <message>
        <source>The update information is too large.</source>
        <translation>Informasi pembaruan terlalu besar.</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>Waktu permintaan habis.</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>The request timed out.</source>
        <translation>Waktu permintaan habis.</translation>
    </message>
    <message>
        <source>moved permanently</source>
        <translation>dipindahkan permanen</translation>
    </message>
    <message>
        <source>found</source>
        <translation>ditemukan</translation>
    </message>
    <message>
        <source>not modified</source>
        <translation>tidak diubah</translation>
    </message>
    <message>
        <source>bad request</source>
        <translation>permintaan tidak valid</translation>
    </message>
    <message>
        <source>unauthorized</source>
        <translation>tidak diotorisasi</translation>
    </message>
    <message>
        <source>forbidden</source>
        <translation>dilarang</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>tidak ditemukan</translation>
    </message>
    <message>
        <source>method not allowed</source>
        <translation>metode tidak diizinkan</translation>
    </message>
    <message>
        <source>request timed out</source>
        <translation>waktu permintaan habis</translation>
    </message>
    <message>
        <source>no longer exists</source>
        <translation>sudah tidak ada</translation>
    </message>
    <message>
        <source>too many requests</source>
        <translation>terlalu banyak permintaan</translation>
    </message>
    <message>
        <source>internal server error</source>
        <translation>kesalahan server internal</translation>
    </message>
    <message>
        <source>unimplemented</source>
        <translation>tidak diimplementasikan</translation>
    </message>
    <message>
        <source>bad gateway</source>
        <translation>gateway tidak valid</translation>
    </message>
    <message>
        <source>service unavailable</source>
        <translation>layanan tidak tersedia</translation>
    </message>
    <message>
        <source>gateway timed out</source>
        <translation>waktu gateway habis</translation>
    </message>
    <message>
        <source>informational</source>
        <translation>informasional</translation>
    </message>
    <message>
        <source>success</source>
        <translation>berhasil</translation>
    </message>
    <message>
        <source>redirected</source>
        <translation>dialihkan</translation>
    </message>
    <message>
        <source>client error</source>
        <translation>kesalahan klien</translation>
    </message>
    <message>
        <source>server error</source>
        <translation>kesalahan server</translation>
    </message>
    <message>
        <source>Couldn&apos;t install the update (%1). This copy is now “%2” in the same folder: rename it back to Tamsel.</source>
        <extracomment>Install and Relaunch error when the old copy couldn&apos;t get its name back. Placeholders: the system&apos;s message, the app&apos;s current file name.</extracomment>
        <translation>Pembaruan tidak dapat diinstal (%1). Salinan ini sekarang bernama “%2” di folder yang sama: ganti namanya kembali menjadi Tamsel.</translation>
    </message>
    <message>
        <source>Couldn&apos;t install the update (%1). This copy wasn&apos;t changed.</source>
        <extracomment>Install and Relaunch error. The placeholder is the system&apos;s or a tool&apos;s message.</extracomment>
        <translation>Pembaruan tidak dapat diinstal (%1). Salinan ini tidak diubah.</translation>
    </message>
    <message>
        <source>The downloaded update didn&apos;t pass the check. This copy wasn&apos;t changed.</source>
        <extracomment>Install and Relaunch error</extracomment>
        <translation>Pembaruan yang diunduh tidak lolos pemeriksaan. Salinan ini tidak diubah.</translation>
    </message>
    <message>
        <source>The download is larger than expected.</source>
        <extracomment>Install and Relaunch error, inside &quot;Couldn&apos;t install the update (…)&quot;: the server sent more than the update&apos;s size.</extracomment>
        <translation>Unduhan lebih besar dari yang diharapkan.</translation>
    </message>
    <message>
        <source>There isn&apos;t enough free space for the update.</source>
        <extracomment>Install and Relaunch error, inside &quot;Couldn&apos;t install the update (…)&quot;.</extracomment>
        <translation>Ruang kosong tidak cukup untuk pembaruan.</translation>
    </message>
</context>
</TS>
