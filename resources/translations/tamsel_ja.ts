<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AboutView</name>
    <message>
        <source>About Tamsel</source>
        <translation>Tamselについて</translation>
    </message>
    <message>
        <source>Tamsel for Linux</source>
        <translation>Tamsel for Linux</translation>
    </message>
    <message>
        <source>Version %1 (%2) · by Vornel Apps</source>
        <translation>バージョン %1 (%2) · Vornel Apps</translation>
    </message>
    <message>
        <source>Help &amp; legal</source>
        <translation>ヘルプと法的情報</translation>
    </message>
    <message>
        <source>Follow us</source>
        <translation>フォローする</translation>
    </message>
    <message>
        <source>More from Vornel Apps</source>
        <translation>Vornel Appsのその他のアプリ</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>アップデート</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>アップデートを確認</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Same as system</source>
        <translation>システムと同じ</translation>
    </message>
    <message>
        <source>Restart Tamsel</source>
        <translation>Tamselを再起動</translation>
    </message>
    <message>
        <source>Free, with optional support</source>
        <translation>無料、サポートは任意です</translation>
    </message>
    <message>
        <source>No ads, no tracking, no account, no subscription. Everything runs on your computer. If Tamsel helps, you can support the developer with crypto.</source>
        <translation>広告なし、トラッキングなし、アカウント不要、サブスクリプションなし。すべてこのコンピュータ上で動作します。Tamselが役に立ったら、暗号資産で開発者を支援できます。</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>サポート</translation>
    </message>
    <message>
        <source>Tell a friend</source>
        <translation>友だちに教える</translation>
    </message>
    <message>
        <source>Tamsel spends nothing on ads, so people telling people is how it grows. Share a link to its page; nothing is sent unless you choose where.</source>
        <translation>Tamselは広告に一切お金をかけていません。人から人へ伝わることで広がっています。ページへのリンクを共有してください。送信先を選ばない限り、何も送信されません。</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>共有</translation>
    </message>
    <message>
        <source>Write to Support</source>
        <translation>サポートに問い合わせる</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>プライバシーポリシー</translation>
    </message>
    <message>
        <source>Terms of Use</source>
        <translation>利用規約</translation>
    </message>
    <message>
        <source>X (developer)</source>
        <comment>Link to the developer&apos;s account on X</comment>
        <translation>X（開発者）</translation>
    </message>
    <message>
        <source>Our other apps</source>
        <translation>ほかのアプリ</translation>
    </message>
    <message>
        <source>Tamsel checks only when you ask. It reads one file on %1 and sends nothing about your computer.</source>
        <translation>Tamselは確認を求められたときだけ確認します。%1 のファイルを1つ読み込むだけで、このコンピュータについての情報は何も送信しません。</translation>
    </message>
    <message>
        <source>You have the latest version.</source>
        <translation>最新バージョンを使用しています。</translation>
    </message>
    <message>
        <source>Version %1 is available.</source>
        <translation>バージョン %1 が利用可能です。</translation>
    </message>
    <message>
        <source>Downloading and checking the update…</source>
        <translation>アップデートをダウンロードして確認しています…</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>Tamsel switches to the new language after a restart. Save or close the files with changes first.</source>
        <translation>再起動後にTamselが新しい言語に切り替わります。先に変更のあるファイルを保存するか閉じてください。</translation>
    </message>
    <message>
        <source>Tamsel switches to the new language after a restart.</source>
        <translation>再起動後にTamselが新しい言語に切り替わります。</translation>
    </message>
    <message>
        <source>Install and Relaunch</source>
        <translation>インストールして再起動</translation>
    </message>
    <message>
        <source>Save or close the files with changes first: Tamsel restarts to finish the update.</source>
        <translation>先に変更のあるファイルを保存するか閉じてください。アップデートを完了するためにTamselが再起動します。</translation>
    </message>
</context>
<context>
    <name>AppModel</name>
    <message>
        <source>There&apos;s no picture on the clipboard. Copy a screenshot or an image first.</source>
        <translation>クリップボードに画像がありません。先にスクリーンショットや画像をコピーしてください。</translation>
    </message>
    <message>
        <source>A file needs at least one page. To get rid of it, close the file.</source>
        <translation>ファイルには少なくとも1ページが必要です。ファイルを消したい場合は、ファイルを閉じてください。</translation>
    </message>
    <message>
        <source>Tamsel opens PDFs and images.</source>
        <translation>TamselはPDFと画像を開けます。</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be opened.</source>
        <translation>「%1」を開けません。</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be opened. It may be damaged or not a PDF.</source>
        <translation>「%1」を開けません。ファイルが壊れているか、PDFではない可能性があります。</translation>
    </message>
    <message>
        <source>Choose PDFs or images</source>
        <translation>PDFまたは画像を選択</translation>
    </message>
    <message>
        <source>Saved “%1”</source>
        <translation>「%1」を保存しました</translation>
    </message>
    <message>
        <source>“%1” is open in Tamsel, so it can&apos;t be replaced. Save under another name.</source>
        <translation>「%1」はTamselで開いているため置き換えられません。別の名前で保存してください。</translation>
    </message>
    <message>
        <source>“%1” wasn&apos;t saved because another task was still running. Try again when it has finished.</source>
        <translation>別の処理が実行中だったため、「%1」は保存されませんでした。処理が終わってからもう一度お試しください。</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>保存中…</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be used as a file name.</source>
        <translation>「%1」はファイル名として使用できません。</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because the name is too long.</source>
        <translation>名前が長すぎるため、「%1」を保存できませんでした。</translation>
    </message>
    <message>
        <source>Merging…</source>
        <translation>結合中…</translation>
    </message>
    <message>
        <source>%1 (pages %2)</source>
        <extracomment>The name offered for a file of some pages: %1 the document&apos;s name, %2 the page numbers (&quot;1-3, 5&quot;).</extracomment>
        <translation>%1（%2ページ）</translation>
    </message>
    <message>
        <source>%1 (merged)</source>
        <extracomment>The name offered for the merged file: %1 the first file&apos;s name.</extracomment>
        <translation>%1（結合）</translation>
    </message>
    <message>
        <source>%1 (signed)</source>
        <extracomment>The name offered when saving: %1 the document&apos;s name.</extracomment>
        <translation>%1（署名済み）</translation>
    </message>
    <message>
        <source>%1 (edited)</source>
        <translation>%1（編集済み）</translation>
    </message>
    <message numerus="yes">
        <source>Added to all %n pages</source>
        <translation>
            <numerusform>全%nページに追加しました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Saved %n files</source>
        <translation>
            <numerusform>%n個のファイルを保存しました</numerusform>
        </translation>
    </message>
    <message>
        <source>The update is installed. Save your files, then quit and open Tamsel again to use it.</source>
        <translation>アップデートはインストール済みです。使用するには、ファイルを保存してからTamselを終了し、もう一度開いてください。</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be opened. %2</source>
        <translation>「%1」を開けません。%2</translation>
    </message>
</context>
<context>
    <name>BusyOverlay</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>CodeCard</name>
    <message>
        <source>Link</source>
        <translation>リンク</translation>
    </message>
    <message>
        <source>Wi-Fi</source>
        <translation>Wi-Fi</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>連絡先</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>イベント</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>電話</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>メッセージ</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>メール</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>場所</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>書籍</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>商品</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>%1, page %2</source>
        <translation>%1、%2ページ</translation>
    </message>
    <message>
        <source>Not encrypted: the address starts with http, not https.</source>
        <translation>暗号化されていません：アドレスがhttpsではなくhttpで始まっています。</translation>
    </message>
    <message>
        <source>A bare number instead of a site name.</source>
        <translation>サイト名ではなく数字だけのアドレスです。</translation>
    </message>
    <message>
        <source>“%1” is not the site. The real site is %2.</source>
        <translation>「%1」は本当のサイトではありません。本当のサイトは %2 です。</translation>
    </message>
    <message>
        <source>Letters from different alphabets: this address can imitate another site.</source>
        <translation>異なる文字体系の文字が混在しています：このアドレスは別のサイトを装っている可能性があります。</translation>
    </message>
    <message>
        <source>Special characters in the name can imitate another site.</source>
        <translation>名前に含まれる特殊文字で別のサイトを装っている可能性があります。</translation>
    </message>
    <message>
        <source>Looks like %1, but the real site is %2.</source>
        <translation>%1 のように見えますが、本当のサイトは %2 です。</translation>
    </message>
    <message>
        <source>The real site is %1, not %2.</source>
        <translation>本当のサイトは %2 ではなく %1 です。</translation>
    </message>
    <message>
        <source>A short link hides where it leads.</source>
        <translation>短縮リンクは行き先を隠します。</translation>
    </message>
    <message>
        <source>Real site: %1</source>
        <translation>本当のサイト：%1</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>ブラウザで開く</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>リンクをコピー</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>ネットワーク</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>Copy Network Name</source>
        <translation>ネットワーク名をコピー</translation>
    </message>
    <message>
        <source>Copy Password</source>
        <translation>パスワードをコピー</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>コピーしました</translation>
    </message>
</context>
<context>
    <name>CodeReading</name>
    <message>
        <source>Pasted image</source>
        <translation>貼り付けた画像</translation>
    </message>
    <message>
        <source>No codes found in “%1”.</source>
        <translation>「%1」にコードが見つかりませんでした。</translation>
    </message>
    <message>
        <source>No codes found.</source>
        <translation>コードが見つかりませんでした。</translation>
    </message>
</context>
<context>
    <name>CodeSymbology</name>
    <message>
        <source>Barcode</source>
        <extracomment>Card title of a code whose kind is unknown</extracomment>
        <translation>バーコード</translation>
    </message>
</context>
<context>
    <name>CodesDropZone</name>
    <message>
        <source>Drop a picture or PDF here</source>
        <translation>画像またはPDFをここにドロップ</translation>
    </message>
    <message>
        <source>Or copy a screenshot (Print Screen) and paste it with Ctrl+V.</source>
        <translation>または、スクリーンショットを撮って（Print Screen）Ctrl+Vで貼り付けます。</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>開く…</translation>
    </message>
</context>
<context>
    <name>CodesView</name>
    <message>
        <source>QR Codes</source>
        <translation>QRコード</translation>
    </message>
    <message>
        <source>Read QR codes and barcodes from pictures, screenshots and every page of a PDF. Everything is read on this computer.</source>
        <translation>画像、スクリーンショット、PDFの全ページからQRコードとバーコードを読み取ります。読み取りはすべてこのコンピュータ上で行われます。</translation>
    </message>
    <message>
        <source>Reading…</source>
        <translation>読み取り中…</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>見つかったコード</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>%1 Try a sharper or larger picture.</source>
        <extracomment>%1 says why no code was found in the picture.</extracomment>
        <translation>%1 もっと鮮明な画像か大きな画像でお試しください。</translation>
    </message>
</context>
<context>
    <name>CompressSheet</name>
    <message>
        <source>Compress “%1”</source>
        <translation>「%1」を圧縮</translation>
    </message>
    <message>
        <source>Sizes are measured on this computer: the file you save is exactly this size.</source>
        <translation>サイズはこのコンピュータで実際に計測しています。保存されるファイルはちょうどこのサイズです。</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>オリジナル</translation>
    </message>
    <message>
        <source>As it is now</source>
        <translation>現在のまま</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>中</translation>
    </message>
    <message>
        <source>Sharp text, fits most email</source>
        <translation>文字は鮮明、たいていのメールに添付可能</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>小</translation>
    </message>
    <message>
        <source>The smallest readable file</source>
        <translation>読める範囲で最小のファイル</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>保存…</translation>
    </message>
    <message>
        <source>For websites and forms with a size limit</source>
        <translation>サイズ制限のあるWebサイトやフォーム向け</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>上限</translation>
    </message>
    <message>
        <source>To fit, the pages became pictures: text in this copy can&apos;t be selected or searched. The original keeps its text.</source>
        <translation>サイズに収めるため、ページを画像にしました。このコピーのテキストは選択や検索ができません。元のファイルのテキストはそのままです。</translation>
    </message>
    <message>
        <source>Up to %1</source>
        <translation>%1まで</translation>
    </message>
    <message>
        <source>Can&apos;t get under %1. The smallest Tamsel can make is %2.</source>
        <translation>%1未満にはできません。Tamselで作れる最小サイズは%2です。</translation>
    </message>
    <message>
        <source>Pictures in this PDF can&apos;t get much smaller while it keeps its text. Up to %1 can turn the pages into pictures when that&apos;s the only way to fit.</source>
        <translation>このPDFの画像は、テキストを保ったままではあまり小さくできません。「%1まで」を選ぶと、それ以外に収める方法がない場合にページを画像に変換することがあります。</translation>
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
        <translation>署名とスタンプ</translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>圧縮</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>分割</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>Insert, extract, export as images, merge</source>
        <translation>挿入、抽出、画像として書き出し、結合</translation>
    </message>
    <message>
        <source>More</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>別名で保存…</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>左に回転</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>左に回転</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>右に回転</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>右に回転</translation>
    </message>
    <message>
        <source>Delete Pages</source>
        <translation>ページを削除</translation>
    </message>
    <message>
        <source>Delete the selected pages</source>
        <translation>選択したページを削除</translation>
    </message>
    <message>
        <source>Drag to reorder. Drop PDFs or images to add pages. Save As… makes a new file; the original stays as it is.</source>
        <translation>ドラッグで並べ替えます。PDFや画像をドロップするとページを追加できます。「別名で保存…」で新しいファイルを作成し、元のファイルはそのまま残ります。</translation>
    </message>
    <message>
        <source>1 page</source>
        <translation>1ページ</translation>
    </message>
    <message numerus="yes">
        <source>%n pages</source>
        <translation>
            <numerusform>%nページ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n selected</source>
        <translation>
            <numerusform>%n件選択</numerusform>
        </translation>
    </message>
    <message>
        <source>password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>not saved</source>
        <translation>未保存</translation>
    </message>
    <message>
        <source>Insert Pages from Files…</source>
        <translation>ファイルからページを挿入…</translation>
    </message>
    <message>
        <source>Extract All Pages…</source>
        <translation>すべてのページを抽出…</translation>
    </message>
    <message>
        <source>Extract Selected Pages…</source>
        <translation>選択したページを抽出…</translation>
    </message>
    <message>
        <source>Export Pages as Images…</source>
        <translation>ページを画像として書き出す…</translation>
    </message>
    <message>
        <source>Add to Merge</source>
        <translation>結合に追加</translation>
    </message>
</context>
<context>
    <name>DrawingPad</name>
    <message>
        <source>Blue</source>
        <translation>青</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>黒</translation>
    </message>
    <message>
        <source>Ink</source>
        <translation>インク</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>消去</translation>
    </message>
    <message>
        <source>Use This Signature</source>
        <translation>この署名を使用</translation>
    </message>
</context>
<context>
    <name>DropZone</name>
    <message>
        <source>Drop PDFs or images here</source>
        <translation>PDFまたは画像をここにドロップ</translation>
    </message>
    <message>
        <source>or click to open. Images become pages of a new PDF.</source>
        <translation>またはクリックして開きます。画像は新しいPDFのページになります。</translation>
    </message>
</context>
<context>
    <name>ExportImagesSheet</name>
    <message>
        <source>%1 page %2</source>
        <extracomment>The name of one exported picture: %1 the document&apos;s name, %2 the page number.</extracomment>
        <translation>%1 %2ページ</translation>
    </message>
    <message>
        <source>Export Pages as Images</source>
        <translation>ページを画像として書き出す</translation>
    </message>
    <message>
        <source>The selected page.</source>
        <translation>選択したページ。</translation>
    </message>
    <message numerus="yes">
        <source>The %n selected pages.</source>
        <translation>
            <numerusform>選択した%nページ。</numerusform>
        </translation>
    </message>
    <message>
        <source>The one page.</source>
        <translation>1ページのみ。</translation>
    </message>
    <message numerus="yes">
        <source>All %n pages.</source>
        <translation>
            <numerusform>全%nページ。</numerusform>
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
        <translation>形式</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>解像度</translation>
    </message>
    <message>
        <source>Screen (100 dpi)</source>
        <translation>画面用（100 dpi）</translation>
    </message>
    <message>
        <source>Good (200 dpi)</source>
        <translation>高画質（200 dpi）</translation>
    </message>
    <message>
        <source>Print (300 dpi)</source>
        <translation>印刷用（300 dpi）</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>書き出す…</translation>
    </message>
    <message>
        <source>Export Here</source>
        <translation>ここに書き出す</translation>
    </message>
    <message>
        <source>Exporting…</source>
        <translation>書き出し中…</translation>
    </message>
</context>
<context>
    <name>FilePanels</name>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>PDFs and pictures (%1)</source>
        <translation>PDFと画像（%1）</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
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
        <translation>未保存</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>FileWriting</name>
    <message>
        <source>“%1” couldn&apos;t be saved because the disk is full.</source>
        <translation>ディスクがいっぱいのため、「%1」を保存できませんでした。</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because it is too large for that disk.</source>
        <translation>ファイルがそのディスクには大きすぎるため、「%1」を保存できませんでした。</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because you don&apos;t have permission to write in that folder.</source>
        <translation>そのフォルダへの書き込み権限がないため、「%1」を保存できませんでした。</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because that disk is read-only.</source>
        <translation>そのディスクは読み出し専用のため、「%1」を保存できませんでした。</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because the name is too long.</source>
        <translation>名前が長すぎるため、「%1」を保存できませんでした。</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because its folder doesn&apos;t exist.</source>
        <translation>保存先のフォルダが存在しないため、「%1」を保存できませんでした。</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because a folder of that name is in the way.</source>
        <translation>同じ名前のフォルダがあるため、「%1」を保存できませんでした。</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved (%2).</source>
        <translation>「%1」を保存できませんでした（%2）。</translation>
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
        <translation>Tamsel for Linux</translation>
    </message>
    <message>
        <source>PDF tools, signatures and stamps, QR codes. Private by design · 100% on-device.</source>
        <translation>PDFツール、署名とスタンプ、QRコード。プライバシー重視の設計 · 100%デバイス上で処理。</translation>
    </message>
    <message>
        <source>Sign &amp; Stamp</source>
        <translation>署名とスタンプ</translation>
    </message>
    <message>
        <source>Put your signature, initials or a company seal on any page, or on all of them.</source>
        <translation>署名、イニシャル、社印を任意のページに、または全ページにまとめて配置できます。</translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>圧縮</translation>
    </message>
    <message>
        <source>Original, Medium, Small, or up to the size a website or email asks for.</source>
        <translation>オリジナル、中、小、またはWebサイトやメールが求めるサイズまで。</translation>
    </message>
    <message>
        <source>Merge PDFs</source>
        <translation>PDFを結合</translation>
    </message>
    <message>
        <source>Join PDFs and images in the order you set.</source>
        <translation>PDFと画像を指定した順序でひとつにまとめます。</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>分割</translation>
    </message>
    <message>
        <source>By page ranges like 1-3, 5, 8-10, every few pages or page by page.</source>
        <translation>1-3, 5, 8-10 のようなページ範囲で、数ページごとに、または1ページずつ。</translation>
    </message>
    <message>
        <source>Read QR Codes</source>
        <translation>QRコードを読み取る</translation>
    </message>
    <message>
        <source>From pictures, screenshots and every page of a PDF.</source>
        <translation>画像、スクリーンショット、PDFの全ページから。</translation>
    </message>
    <message>
        <source>Images to PDF</source>
        <translation>画像をPDFに</translation>
    </message>
    <message>
        <source>Photos and scans as pages of one PDF, in name order.</source>
        <translation>写真やスキャンを名前順に1つのPDFのページにします。</translation>
    </message>
    <message>
        <source>No ads. No tracking. No account.</source>
        <translation>広告なし。トラッキングなし。アカウント不要。</translation>
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
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>開く…</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>別名で保存…</translation>
    </message>
    <message>
        <source>Close File</source>
        <translation>ファイルを閉じる</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>About Tamsel</source>
        <translation>Tamselについて</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>アップデートを確認…</translation>
    </message>
    <message>
        <source>Support the Developer…</source>
        <translation>開発者を支援…</translation>
    </message>
    <message>
        <source>Changes in %1 aren&apos;t saved. Use Save As… to keep them.</source>
        <translation>%1 の変更は保存されていません。残すには「別名で保存…」を使用してください。</translation>
    </message>
    <message>
        <source>Stop and quit?</source>
        <translation>中止して終了しますか？</translation>
    </message>
    <message>
        <source>Tamsel is still working (%1). Quitting stops that work; nothing half-written is kept.</source>
        <translation>Tamselはまだ処理中です（%1）。終了するとその処理は中止され、書きかけのものは残りません。</translation>
    </message>
    <message>
        <source>Quit without saving?</source>
        <translation>保存せずに終了しますか？</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Quit Anyway</source>
        <translation>終了する</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
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
        <translation>1ページ</translation>
    </message>
    <message numerus="yes">
        <source>%n pages</source>
        <translation>
            <numerusform>%nページ</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1個のファイル</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n個のファイル</numerusform>
        </translation>
    </message>
    <message>
        <source>Drag to reorder</source>
        <translation>ドラッグで並べ替え</translation>
    </message>
    <message>
        <source>Remove from the list</source>
        <translation>リストから削除</translation>
    </message>
    <message>
        <source>Merge PDFs</source>
        <translation>PDFを結合</translation>
    </message>
    <message>
        <source>Drop PDFs and images here, drag them into order, then Merge. Open files join as they are now, with their turns, removed pages and stamps.</source>
        <translation>PDFや画像をここにドロップし、ドラッグで並べ替えてから結合します。開いているファイルは、回転、削除したページ、スタンプを含めて現在の状態で結合されます。</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Drop files to merge</source>
        <translation>結合するファイルをドロップ</translation>
    </message>
    <message>
        <source>Two or more PDFs or images</source>
        <translation>2つ以上のPDFまたは画像</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Merge…</source>
        <translation>結合…</translation>
    </message>
    <message>
        <source>Add Files…</source>
        <translation>ファイルを追加…</translation>
    </message>
</context>
<context>
    <name>NewStampMenu</name>
    <message>
        <source>From an Image File…</source>
        <translation>画像ファイルから…</translation>
    </message>
    <message>
        <source>Draw with Trackpad or Mouse…</source>
        <translation>トラックパッドかマウスで描く…</translation>
    </message>
    <message>
        <source>Ready Stamps…</source>
        <translation>既製のスタンプ…</translation>
    </message>
    <message>
        <source>New Signature or Stamp</source>
        <translation>新しい署名またはスタンプ</translation>
    </message>
    <message>
        <source>Choose a photo or scan of your signature or stamp</source>
        <translation>署名またはスタンプの写真かスキャンを選んでください</translation>
    </message>
</context>
<context>
    <name>NewStampSheet</name>
    <message>
        <source>Draw Your Signature</source>
        <translation>署名を描く</translation>
    </message>
    <message>
        <source>Ready Stamps</source>
        <translation>既製のスタンプ</translation>
    </message>
    <message>
        <source>New Signature or Stamp</source>
        <translation>新しい署名またはスタンプ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>The checkerboard is what stays transparent on the page.</source>
        <translation>市松模様の部分はページ上で透明になります。</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Removing the paper…</source>
        <translation>紙の背景を取り除いています…</translation>
    </message>
    <message>
        <source>The signature or stamp couldn&apos;t be saved. Try again.</source>
        <translation>署名またはスタンプを保存できませんでした。もう一度お試しください。</translation>
    </message>
</context>
<context>
    <name>PDFEngine</name>
    <message>
        <source>A page of this file can&apos;t be read anymore. Open the file again.</source>
        <translation>このファイルのページを読み込めなくなりました。ファイルを開き直してください。</translation>
    </message>
    <message>
        <source>The PDF couldn&apos;t be made. Try again.</source>
        <translation>PDFを作成できませんでした。もう一度お試しください。</translation>
    </message>
    <message>
        <source>The pages of this file are damaged in a way that stops them being copied. It can only be saved as pictures of its pages.</source>
        <translation>このファイルのページはコピーできないほど壊れています。ページの画像としてのみ保存できます。</translation>
    </message>
    <message>
        <source>Reading the PDF took too long and was stopped. A page of the file may be damaged.</source>
        <translation>PDFの読み込みに時間がかかりすぎたため中止しました。ファイルのページが壊れている可能性があります。</translation>
    </message>
    <message>
        <source>Reading the PDF failed because a part of the file is damaged.</source>
        <translation>ファイルの一部が壊れているため、PDFを読み込めませんでした。</translation>
    </message>
    <message>
        <source>The PDF needs more memory than Tamsel may use for one file.</source>
        <translation>このPDFには、Tamselが1つのファイルに使用できる以上のメモリが必要です。</translation>
    </message>
    <message>
        <source>This PDF failed to be read several times, so Tamsel doesn&apos;t try again.</source>
        <translation>このPDFは何度も読み込みに失敗したため、Tamselは再試行しません。</translation>
    </message>
    <message>
        <source>Tamsel&apos;s PDF reader can&apos;t be started. Install Tamsel again.</source>
        <translation>TamselのPDF読み込み機能を起動できません。Tamselを再インストールしてください。</translation>
    </message>
    <message>
        <source>A page is too large for a picture at this resolution. Choose a lower resolution.</source>
        <translation>この解像度ではページが大きすぎて画像にできません。解像度を下げてください。</translation>
    </message>
    <message>
        <source>It was moved or deleted.</source>
        <translation>移動されたか削除されています。</translation>
    </message>
</context>
<context>
    <name>PageGrid</name>
    <message>
        <source>Has signatures or stamps</source>
        <translation>署名またはスタンプあり</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>左に回転</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>右に回転</translation>
    </message>
    <message>
        <source>Sign &amp; Stamp</source>
        <translation>署名とスタンプ</translation>
    </message>
    <message>
        <source>Extract…</source>
        <translation>抽出…</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
</context>
<context>
    <name>PageImage</name>
    <message>
        <source>Can&apos;t be shown</source>
        <translation>表示できません</translation>
    </message>
</context>
<context>
    <name>PageListModel</name>
    <message>
        <source>Page %1</source>
        <translation>%1ページ</translation>
    </message>
</context>
<context>
    <name>PasswordPrompt</name>
    <message>
        <source>“%1” is locked</source>
        <translation>「%1」はロックされています</translation>
    </message>
    <message>
        <source>That password didn&apos;t open it. Try again.</source>
        <translation>そのパスワードでは開けませんでした。もう一度お試しください。</translation>
    </message>
    <message>
        <source>Enter its password to open it. The password stays on this computer.</source>
        <translation>開くにはパスワードを入力してください。パスワードはこのコンピュータの外には出ません。</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
</context>
<context>
    <name>PasswordSheet</name>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>“%1” is protected with a password. Save a copy that opens without it, or a copy with a new one.</source>
        <translation>「%1」はパスワードで保護されています。パスワードなしで開けるコピーか、新しいパスワードを付けたコピーを保存できます。</translation>
    </message>
    <message>
        <source>Save a Copy without Password…</source>
        <translation>パスワードなしでコピーを保存…</translation>
    </message>
    <message>
        <source>Save a copy that asks for this password to open. Keep it somewhere safe: it can&apos;t be recovered.</source>
        <translation>開くときにこのパスワードを求めるコピーを保存します。パスワードは復元できないので、安全な場所に保管してください。</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>新しいパスワード</translation>
    </message>
    <message>
        <source>Repeat password</source>
        <translation>パスワードを再入力</translation>
    </message>
    <message>
        <source>The passwords don&apos;t match.</source>
        <translation>パスワードが一致しません。</translation>
    </message>
    <message>
        <source>Save Protected Copy…</source>
        <translation>保護されたコピーを保存…</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>保存中…</translation>
    </message>
    <message>
        <source>%1 (protected)</source>
        <extracomment>The name offered for the copy: %1 the document&apos;s name.</extracomment>
        <translation>%1（保護）</translation>
    </message>
    <message>
        <source>%1 (no password)</source>
        <translation>%1（パスワードなし）</translation>
    </message>
</context>
<context>
    <name>PlacedStamp</name>
    <message>
        <source>Drag to turn</source>
        <translation>ドラッグで回転</translation>
    </message>
    <message>
        <source>Drag to resize</source>
        <translation>ドラッグでサイズ変更</translation>
    </message>
</context>
<context>
    <name>ProcessRunner</name>
    <message>
        <source>The tool didn&apos;t answer in time.</source>
        <extracomment>Error when a command-line tool times out</extracomment>
        <translation>ツールが時間内に応答しませんでした。</translation>
    </message>
    <message>
        <source>Exit code %1</source>
        <extracomment>Error of a command-line tool that gave no message</extracomment>
        <translation>終了コード %1</translation>
    </message>
</context>
<context>
    <name>ReadyStamp</name>
    <message>
        <source>APPROVED</source>
        <translation>承認</translation>
    </message>
    <message>
        <source>PAID</source>
        <translation>支払済</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>写し</translation>
    </message>
    <message>
        <source>CONFIDENTIAL</source>
        <translation>社外秘</translation>
    </message>
    <message>
        <source>DRAFT</source>
        <translation>下書き</translation>
    </message>
    <message>
        <source>RECEIVED</source>
        <translation>受領</translation>
    </message>
</context>
<context>
    <name>ReadyStampsPicker</name>
    <message>
        <source>Red</source>
        <translation>赤</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>青</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>黒</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>色</translation>
    </message>
    <message>
        <source>Add today&apos;s date</source>
        <translation>今日の日付を追加</translation>
    </message>
    <message>
        <source>Your own word, like PAID IN CASH</source>
        <translation>独自の文言（例：現金払い）</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
</context>
<context>
    <name>RootView</name>
    <message>
        <source>Support Tamsel</source>
        <translation>Tamselを支援</translation>
    </message>
    <message>
        <source>Support the developer</source>
        <translation>開発者を支援</translation>
    </message>
    <message>
        <source>About Tamsel</source>
        <translation>Tamselについて</translation>
    </message>
    <message>
        <source>About, updates, privacy and support</source>
        <translation>情報、アップデート、プライバシー、サポート</translation>
    </message>
    <message>
        <source>Something went wrong</source>
        <translation>問題が発生しました</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save changes to “%1”?</source>
        <translation>「%1」への変更を保存しますか？</translation>
    </message>
    <message>
        <source>Your changes will be lost if you close it without saving. The original file stays as it was.</source>
        <translation>保存せずに閉じると変更は失われます。元のファイルはそのまま残ります。</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>別名で保存…</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>保存しない</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Save as Pictures</source>
        <translation>画像として保存</translation>
    </message>
    <message>
        <source>Hide Sidebar</source>
        <translation>サイドバーを隠す</translation>
    </message>
    <message>
        <source>Show Sidebar</source>
        <translation>サイドバーを表示</translation>
    </message>
</context>
<context>
    <name>Sharing</name>
    <message>
        <source>Email…</source>
        <translation>メール…</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>リンクをコピー</translation>
    </message>
    <message>
        <source>Link copied</source>
        <translation>リンクをコピーしました</translation>
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
        <translation>ホーム</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>開く…</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>ツール</translation>
    </message>
    <message>
        <source>Merge PDFs</source>
        <translation>PDFを結合</translation>
    </message>
    <message>
        <source>Signatures &amp; Stamps</source>
        <translation>署名とスタンプ</translation>
    </message>
    <message>
        <source>QR Codes</source>
        <translation>QRコード</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>別名で保存…</translation>
    </message>
    <message>
        <source>Add to Merge</source>
        <translation>結合に追加</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>SignView</name>
    <message>
        <source>Pages</source>
        <translation>ページ</translation>
    </message>
    <message>
        <source>Back to all pages</source>
        <translation>すべてのページに戻る</translation>
    </message>
    <message>
        <source>Sign &amp; Stamp</source>
        <translation>署名とスタンプ</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>別名で保存…</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>前のページ</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>次のページ</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>%1 / %2ページ</translation>
    </message>
</context>
<context>
    <name>SplitSheet</name>
    <message>
        <source>Split “%1”</source>
        <translation>「%1」を分割</translation>
    </message>
    <message>
        <source>By page ranges</source>
        <translation>ページ範囲で</translation>
    </message>
    <message>
        <source>Every few pages</source>
        <translation>数ページごと</translation>
    </message>
    <message>
        <source>Page by page</source>
        <translation>1ページずつ</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>分割</translation>
    </message>
    <message>
        <source>For example: 1-3, 5, 8-10</source>
        <translation>例：1-3, 5, 8-10</translation>
    </message>
    <message>
        <source>Each range becomes its own PDF. Pages 1 to %1.</source>
        <translation>範囲ごとに別々のPDFになります。ページは1〜%1です。</translation>
    </message>
    <message>
        <source>Pages per file</source>
        <translation>ファイルあたりのページ数</translation>
    </message>
    <message numerus="yes">
        <source>Each of the %n pages becomes its own PDF.</source>
        <translation>
            <numerusform>%nページのそれぞれが別々のPDFになります。</numerusform>
        </translation>
    </message>
    <message>
        <source>Split…</source>
        <translation>分割…</translation>
    </message>
    <message numerus="yes">
        <source>A new file every %n pages</source>
        <translation>
            <numerusform>%nページごとに新しいファイル</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Makes %n files: %1</source>
        <translation>
            <numerusform>%n個のファイルを作成：%1</numerusform>
        </translation>
    </message>
    <message>
        <source>Use page numbers from 1 to %1, like 1-3, 5.</source>
        <translation>1-3, 5 のように、1〜%1のページ番号を使ってください。</translation>
    </message>
    <message>
        <source>Split Here</source>
        <translation>ここに分割</translation>
    </message>
    <message>
        <source>Splitting…</source>
        <translation>分割中…</translation>
    </message>
</context>
<context>
    <name>StampLibrary</name>
    <message>
        <source>Signature</source>
        <translation>署名</translation>
    </message>
    <message>
        <source>Stamp</source>
        <translation>スタンプ</translation>
    </message>
    <message>
        <source>The signature or stamp couldn&apos;t be saved. Try again.</source>
        <translation>署名またはスタンプを保存できませんでした。もう一度お試しください。</translation>
    </message>
    <message>
        <source>The change couldn&apos;t be saved. Try again.</source>
        <translation>変更を保存できませんでした。もう一度お試しください。</translation>
    </message>
</context>
<context>
    <name>StampLibraryPanel</name>
    <message>
        <source>Put on this page</source>
        <translation>このページに配置</translation>
    </message>
    <message>
        <source>Signatures &amp; Stamps</source>
        <translation>署名とスタンプ</translation>
    </message>
    <message>
        <source>Add your signature or a company seal once; it stays in Tamsel on this computer for every document.</source>
        <translation>署名や社印を一度追加すれば、このコンピュータのTamselに保存され、どの書類でも使えます。</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>角度</translation>
    </message>
    <message>
        <source>Add to All Pages</source>
        <translation>全ページに追加</translation>
    </message>
    <message>
        <source>Remove from Page</source>
        <translation>ページから削除</translation>
    </message>
    <message>
        <source>Or paste a photo or scan with Ctrl+V, or drop one here.</source>
        <translation>または、写真やスキャンをCtrl+Vで貼り付けるか、ここにドロップします。</translation>
    </message>
</context>
<context>
    <name>StampMaker</name>
    <message>
        <source>This image can&apos;t be read.</source>
        <translation>この画像は読み込めません。</translation>
    </message>
    <message>
        <source>No signature or stamp found. Try a photo of it on white paper.</source>
        <translation>署名またはスタンプが見つかりません。白い紙の上で撮った写真でお試しください。</translation>
    </message>
</context>
<context>
    <name>StampsView</name>
    <message>
        <source>Rename or delete</source>
        <translation>名前を変更または削除</translation>
    </message>
    <message>
        <source>Rename or delete “%1”</source>
        <translation>「%1」の名前を変更または削除</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>名前を変更…</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>削除…</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>名前を変更</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Signatures &amp; Stamps</source>
        <translation>署名とスタンプ</translation>
    </message>
    <message>
        <source>Your signature, initials or a company seal, with the paper removed automatically. They stay only on this computer. Tamsel puts your own images on documents; it doesn&apos;t make a signature legally binding by itself.</source>
        <translation>署名、イニシャル、社印を、紙の背景を自動で取り除いて登録できます。データはこのコンピュータにのみ保存されます。Tamselはあなた自身の画像を書類に配置するだけで、それだけで署名に法的拘束力が生じるわけではありません。</translation>
    </message>
    <message>
        <source>No signatures or stamps yet</source>
        <translation>署名やスタンプはまだありません</translation>
    </message>
    <message>
        <source>Sign a white sheet of paper or stamp it, then take a photo of it and choose the photo or a scan. You can also draw with the trackpad or pick a ready stamp like PAID or APPROVED.</source>
        <translation>白い紙に署名するかスタンプを押して写真を撮り、その写真かスキャンを選んでください。トラックパッドで描いたり、「支払済」や「承認」などの既製のスタンプを選んだりすることもできます。</translation>
    </message>
    <message>
        <source>Tamsel</source>
        <translation>Tamsel</translation>
    </message>
    <message>
        <source>Delete “%1”?</source>
        <translation>「%1」を削除しますか？</translation>
    </message>
    <message>
        <source>It also leaves pages open in Tamsel. Files you already saved keep it.</source>
        <translation>Tamselで開いているページからも削除されます。保存済みのファイルには残ります。</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
</context>
<context>
    <name>SupportView</name>
    <message>
        <source>Done! Support Tamsel?</source>
        <translation>完了しました！Tamselを支援しませんか？</translation>
    </message>
    <message>
        <source>Support Tamsel</source>
        <translation>Tamselを支援</translation>
    </message>
    <message>
        <source>Tamsel is free: no ads, no tracking, no subscription. If it saved you time, you can thank the developer with crypto. Any amount helps keep it free.</source>
        <translation>Tamselは無料です。広告もトラッキングもサブスクリプションもありません。時間の節約になったら、暗号資産で開発者に感謝を伝えられます。金額を問わず、無料で続けるための助けになります。</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>ネットワーク</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>送金できる通貨</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>アドレス</translation>
    </message>
    <message>
        <source>Send only on the networks listed above. Coins sent on another network can&apos;t be recovered.</source>
        <translation>上に記載されたネットワークでのみ送金してください。別のネットワークで送ったコインは取り戻せません。</translation>
    </message>
    <message>
        <source>The same addresses are on %1/donate.</source>
        <translation>同じアドレスは %1/donate にも掲載しています。</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>今はしない</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>QR code of the %1 address</source>
        <translation>%1 アドレスのQRコード</translation>
    </message>
    <message>
        <source>Address copied</source>
        <translation>アドレスをコピーしました</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>コピーしました</translation>
    </message>
    <message>
        <source>Copy Address</source>
        <translation>アドレスをコピー</translation>
    </message>
    <message>
        <source>This copy of Tamsel was built without donation addresses. The developer&apos;s are on %1/donate.</source>
        <translation>この Tamsel は寄付用アドレスなしでビルドされています。開発者のアドレスは %1/donate にあります。</translation>
    </message>
</context>
<context>
    <name>TellAFriendView</name>
    <message>
        <source>Tell a friend</source>
        <translation>友だちに教える</translation>
    </message>
    <message>
        <source>Like Tamsel? Tell a friend.</source>
        <translation>Tamselを気に入りましたか？友だちに教えてください。</translation>
    </message>
    <message>
        <source>Tamsel is free: no ads, no tracking. We don&apos;t buy ads, so friends telling friends is how people find it.</source>
        <translation>Tamselは無料です。広告もトラッキングもありません。広告を出していないので、友だちから友だちへの口コミで広まっています。</translation>
    </message>
    <message>
        <source>Your friend gets this message:</source>
        <translation>友だちには次のメッセージが届きます：</translation>
    </message>
    <message>
        <source>You choose the app and the friend; we never see who.</source>
        <translation>アプリと相手を選ぶのはあなたです。誰に送ったかを私たちが知ることはありません。</translation>
    </message>
    <message>
        <source>Share…</source>
        <translation>共有…</translation>
    </message>
    <message>
        <source>Tamsel for Linux: free PDF tools, signatures and stamps, QR codes. Everything stays on your computer.</source>
        <comment>The message shared with a friend, followed by the link to the app&apos;s page.</comment>
        <translation>Tamsel for Linux：無料のPDFツール、署名とスタンプ、QRコード。すべてあなたのコンピュータの中で完結します。</translation>
    </message>
    <message>
        <source>Message copied</source>
        <translation>メッセージをコピーしました</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>コピーしました</translation>
    </message>
    <message>
        <source>Copy Message</source>
        <translation>メッセージをコピー</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>今はしない</translation>
    </message>
</context>
<context>
    <name>ToastView</name>
    <message>
        <source>Show in Folder</source>
        <translation>フォルダに表示</translation>
    </message>
</context>
<context>
    <name>ToolSheetFrame</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>The update information isn&apos;t available right now. Try again later.</source>
        <extracomment>Check for Updates error</extracomment>
        <translation>現在アップデート情報を取得できません。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>Couldn&apos;t check for updates: %1</source>
        <extracomment>Check for Updates error. The placeholder is the system&apos;s error message.</extracomment>
        <translation>アップデートを確認できませんでした：%1</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation>データの形式が正しくないため、読み込めませんでした。</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation>データがないため、読み込めませんでした。</translation>
    </message>
    <message>
        <source>The update information is too large.</source>
        <translation>アップデート情報が大きすぎます。</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>要求がタイムアウトしました。</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>The request timed out.</source>
        <translation>要求がタイムアウトしました。</translation>
    </message>
    <message>
        <source>moved permanently</source>
        <translation>恒久的に移動</translation>
    </message>
    <message>
        <source>found</source>
        <translation>検出</translation>
    </message>
    <message>
        <source>not modified</source>
        <translation>未変更</translation>
    </message>
    <message>
        <source>bad request</source>
        <translation>不正なリクエスト</translation>
    </message>
    <message>
        <source>unauthorized</source>
        <translation>認証が必要</translation>
    </message>
    <message>
        <source>forbidden</source>
        <translation>アクセス禁止</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>見つかりません</translation>
    </message>
    <message>
        <source>method not allowed</source>
        <translation>許可されていないメソッド</translation>
    </message>
    <message>
        <source>request timed out</source>
        <translation>リクエストがタイムアウト</translation>
    </message>
    <message>
        <source>no longer exists</source>
        <translation>すでに存在しません</translation>
    </message>
    <message>
        <source>too many requests</source>
        <translation>リクエストが多すぎます</translation>
    </message>
    <message>
        <source>internal server error</source>
        <translation>サーバ内部エラー</translation>
    </message>
    <message>
        <source>unimplemented</source>
        <translation>未実装</translation>
    </message>
    <message>
        <source>bad gateway</source>
        <translation>不正なゲートウェイ</translation>
    </message>
    <message>
        <source>service unavailable</source>
        <translation>サービス利用不可</translation>
    </message>
    <message>
        <source>gateway timed out</source>
        <translation>ゲートウェイがタイムアウト</translation>
    </message>
    <message>
        <source>informational</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>success</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>redirected</source>
        <translation>リダイレクト</translation>
    </message>
    <message>
        <source>client error</source>
        <translation>クライアントエラー</translation>
    </message>
    <message>
        <source>server error</source>
        <translation>サーバエラー</translation>
    </message>
    <message>
        <source>Couldn&apos;t install the update (%1). This copy is now “%2” in the same folder: rename it back to Tamsel.</source>
        <extracomment>Install and Relaunch error when the old copy couldn&apos;t get its name back. Placeholders: the system&apos;s message, the app&apos;s current file name.</extracomment>
        <translation>アップデートをインストールできませんでした（%1）。このコピーは同じフォルダ内で「%2」という名前になっています。名前をTamselに戻してください。</translation>
    </message>
    <message>
        <source>Couldn&apos;t install the update (%1). This copy wasn&apos;t changed.</source>
        <extracomment>Install and Relaunch error. The placeholder is the system&apos;s or a tool&apos;s message.</extracomment>
        <translation>アップデートをインストールできませんでした（%1）。このコピーは変更されていません。</translation>
    </message>
    <message>
        <source>The downloaded update didn&apos;t pass the check. This copy wasn&apos;t changed.</source>
        <extracomment>Install and Relaunch error</extracomment>
        <translation>ダウンロードしたアップデートは検証に合格しませんでした。このコピーは変更されていません。</translation>
    </message>
    <message>
        <source>The download is larger than expected.</source>
        <extracomment>Install and Relaunch error, inside &quot;Couldn&apos;t install the update (…)&quot;: the server sent more than the update&apos;s size.</extracomment>
        <translation>ダウンロードが想定より大きいです。</translation>
    </message>
    <message>
        <source>There isn&apos;t enough free space for the update.</source>
        <extracomment>Install and Relaunch error, inside &quot;Couldn&apos;t install the update (…)&quot;.</extracomment>
        <translation>アップデートに必要な空き容量が足りません。</translation>
    </message>
</context>
</TS>
