<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>AboutView</name>
    <message>
        <source>About Tamsel</source>
        <translation>關於 Tamsel</translation>
    </message>
    <message>
        <source>Tamsel for Linux</source>
        <translation>Tamsel for Linux</translation>
    </message>
    <message>
        <source>Version %1 (%2) · by Vornel Apps</source>
        <translation>版本 %1 (%2) · Vornel Apps 出品</translation>
    </message>
    <message>
        <source>Help &amp; legal</source>
        <translation>說明與法律資訊</translation>
    </message>
    <message>
        <source>Follow us</source>
        <translation>追蹤我們</translation>
    </message>
    <message>
        <source>More from Vornel Apps</source>
        <translation>更多 Vornel Apps 作品</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>檢查更新</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>Same as system</source>
        <translation>與系統相同</translation>
    </message>
    <message>
        <source>Restart Tamsel</source>
        <translation>重新啟動 Tamsel</translation>
    </message>
    <message>
        <source>Free, with optional support</source>
        <translation>免費，可自由贊助</translation>
    </message>
    <message>
        <source>No ads, no tracking, no account, no subscription. Everything runs on your computer. If Tamsel helps, you can support the developer with crypto.</source>
        <translation>沒有廣告、沒有追蹤、不需帳號、不需訂閱。一切都在你的電腦上執行。如果 Tamsel 對你有幫助，可以用加密貨幣贊助開發者。</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>贊助</translation>
    </message>
    <message>
        <source>Tell a friend</source>
        <translation>推薦給朋友</translation>
    </message>
    <message>
        <source>Tamsel spends nothing on ads, so people telling people is how it grows. Share a link to its page; nothing is sent unless you choose where.</source>
        <translation>Tamsel 不花錢打廣告，靠大家口耳相傳成長。分享它的網頁連結吧；除非你選擇要傳到哪裡，否則不會傳送任何內容。</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>分享</translation>
    </message>
    <message>
        <source>Write to Support</source>
        <translation>寫信給客服</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>隱私權政策</translation>
    </message>
    <message>
        <source>Terms of Use</source>
        <translation>使用條款</translation>
    </message>
    <message>
        <source>X (developer)</source>
        <comment>Link to the developer&apos;s account on X</comment>
        <translation>X（開發者）</translation>
    </message>
    <message>
        <source>Our other apps</source>
        <translation>我們的其他 App</translation>
    </message>
    <message>
        <source>Tamsel checks only when you ask. It reads one file on %1 and sends nothing about your computer.</source>
        <translation>Tamsel 只在你要求時檢查。它只會讀取 %1 上的一個檔案，不會傳送任何關於你電腦的資訊。</translation>
    </message>
    <message>
        <source>You have the latest version.</source>
        <translation>你使用的是最新版本。</translation>
    </message>
    <message>
        <source>Version %1 is available.</source>
        <translation>已有版本 %1 可用。</translation>
    </message>
    <message>
        <source>Downloading and checking the update…</source>
        <translation>正在下載並檢查更新…</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下載</translation>
    </message>
    <message>
        <source>Tamsel switches to the new language after a restart. Save or close the files with changes first.</source>
        <translation>重新啟動後，Tamsel 會切換為新語言。請先儲存或關閉有變更的檔案。</translation>
    </message>
    <message>
        <source>Tamsel switches to the new language after a restart.</source>
        <translation>重新啟動後，Tamsel 會切換為新語言。</translation>
    </message>
    <message>
        <source>Install and Relaunch</source>
        <translation>安裝並重新啟動</translation>
    </message>
    <message>
        <source>Save or close the files with changes first: Tamsel restarts to finish the update.</source>
        <translation>請先儲存或關閉有變更的檔案：Tamsel 需要重新啟動以完成更新。</translation>
    </message>
</context>
<context>
    <name>AppModel</name>
    <message>
        <source>There&apos;s no picture on the clipboard. Copy a screenshot or an image first.</source>
        <translation>剪貼簿中沒有圖片。請先複製一張螢幕截圖或圖片。</translation>
    </message>
    <message>
        <source>A file needs at least one page. To get rid of it, close the file.</source>
        <translation>檔案至少需要一頁。若要移除它，請關閉該檔案。</translation>
    </message>
    <message>
        <source>Tamsel opens PDFs and images.</source>
        <translation>Tamsel 可開啟 PDF 和圖片。</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be opened.</source>
        <translation>無法開啟「%1」。</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be opened. It may be damaged or not a PDF.</source>
        <translation>無法開啟「%1」。檔案可能已損毀或不是 PDF。</translation>
    </message>
    <message>
        <source>Choose PDFs or images</source>
        <translation>選擇 PDF 或圖片</translation>
    </message>
    <message>
        <source>Saved “%1”</source>
        <translation>已儲存「%1」</translation>
    </message>
    <message>
        <source>“%1” is open in Tamsel, so it can&apos;t be replaced. Save under another name.</source>
        <translation>「%1」正在 Tamsel 中開啟，因此無法取代。請以其他名稱儲存。</translation>
    </message>
    <message>
        <source>“%1” wasn&apos;t saved because another task was still running. Try again when it has finished.</source>
        <translation>由於另一項工作仍在進行，「%1」未儲存。請在它完成後再試一次。</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>正在儲存…</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be used as a file name.</source>
        <translation>「%1」不能當作檔名。</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because the name is too long.</source>
        <translation>名稱太長，無法儲存「%1」。</translation>
    </message>
    <message>
        <source>Merging…</source>
        <translation>正在合併…</translation>
    </message>
    <message>
        <source>%1 (pages %2)</source>
        <extracomment>The name offered for a file of some pages: %1 the document&apos;s name, %2 the page numbers (&quot;1-3, 5&quot;).</extracomment>
        <translation>%1（第 %2 頁）</translation>
    </message>
    <message>
        <source>%1 (merged)</source>
        <extracomment>The name offered for the merged file: %1 the first file&apos;s name.</extracomment>
        <translation>%1（已合併）</translation>
    </message>
    <message>
        <source>%1 (signed)</source>
        <extracomment>The name offered when saving: %1 the document&apos;s name.</extracomment>
        <translation>%1（已簽名）</translation>
    </message>
    <message>
        <source>%1 (edited)</source>
        <translation>%1（已編輯）</translation>
    </message>
    <message numerus="yes">
        <source>Added to all %n pages</source>
        <translation>
            <numerusform>已加入全部 %n 頁</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Saved %n files</source>
        <translation>
            <numerusform>已儲存 %n 個檔案</numerusform>
        </translation>
    </message>
    <message>
        <source>The update is installed. Save your files, then quit and open Tamsel again to use it.</source>
        <translation>更新已安裝。請儲存你的檔案，然後結束並重新開啟 Tamsel 以使用新版本。</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be opened. %2</source>
        <translation>無法開啟「%1」。%2</translation>
    </message>
</context>
<context>
    <name>BusyOverlay</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>CodeCard</name>
    <message>
        <source>Link</source>
        <translation>連結</translation>
    </message>
    <message>
        <source>Wi-Fi</source>
        <translation>Wi-Fi</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>聯絡人</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>行程</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>電話</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>簡訊</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>電子郵件</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>位置</translation>
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
        <translation>文字</translation>
    </message>
    <message>
        <source>%1, page %2</source>
        <translation>%1，第 %2 頁</translation>
    </message>
    <message>
        <source>Not encrypted: the address starts with http, not https.</source>
        <translation>未加密：網址開頭是 http 而不是 https。</translation>
    </message>
    <message>
        <source>A bare number instead of a site name.</source>
        <translation>用一串數字代替了網站名稱。</translation>
    </message>
    <message>
        <source>“%1” is not the site. The real site is %2.</source>
        <translation>「%1」不是真正的網站。真正的網站是 %2。</translation>
    </message>
    <message>
        <source>Letters from different alphabets: this address can imitate another site.</source>
        <translation>混用了不同字母系統的字母：此網址可能在冒充其他網站。</translation>
    </message>
    <message>
        <source>Special characters in the name can imitate another site.</source>
        <translation>名稱中的特殊字元可能在冒充其他網站。</translation>
    </message>
    <message>
        <source>Looks like %1, but the real site is %2.</source>
        <translation>看起來像 %1，但真正的網站是 %2。</translation>
    </message>
    <message>
        <source>The real site is %1, not %2.</source>
        <translation>真正的網站是 %1，而不是 %2。</translation>
    </message>
    <message>
        <source>A short link hides where it leads.</source>
        <translation>短網址會隱藏它真正連到哪裡。</translation>
    </message>
    <message>
        <source>Real site: %1</source>
        <translation>真正的網站：%1</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>在瀏覽器中開啟</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>複製連結</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>網路</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密碼</translation>
    </message>
    <message>
        <source>Copy Network Name</source>
        <translation>複製網路名稱</translation>
    </message>
    <message>
        <source>Copy Password</source>
        <translation>複製密碼</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>已複製</translation>
    </message>
</context>
<context>
    <name>CodeReading</name>
    <message>
        <source>Pasted image</source>
        <translation>貼上的圖片</translation>
    </message>
    <message>
        <source>No codes found in “%1”.</source>
        <translation>在「%1」中找不到條碼。</translation>
    </message>
    <message>
        <source>No codes found.</source>
        <translation>找不到條碼。</translation>
    </message>
</context>
<context>
    <name>CodeSymbology</name>
    <message>
        <source>Barcode</source>
        <extracomment>Card title of a code whose kind is unknown</extracomment>
        <translation>條碼</translation>
    </message>
</context>
<context>
    <name>CodesDropZone</name>
    <message>
        <source>Drop a picture or PDF here</source>
        <translation>將圖片或 PDF 拖放到這裡</translation>
    </message>
    <message>
        <source>Or copy a screenshot (Print Screen) and paste it with Ctrl+V.</source>
        <translation>或擷取螢幕畫面（Print Screen），再按 Ctrl+V 貼上。</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼上</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>開啟…</translation>
    </message>
</context>
<context>
    <name>CodesView</name>
    <message>
        <source>QR Codes</source>
        <translation>QR 碼</translation>
    </message>
    <message>
        <source>Read QR codes and barcodes from pictures, screenshots and every page of a PDF. Everything is read on this computer.</source>
        <translation>從圖片、螢幕截圖及 PDF 的每一頁讀取 QR 碼和條碼。所有辨識都在這台電腦上完成。</translation>
    </message>
    <message>
        <source>Reading…</source>
        <translation>正在讀取…</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>已找到</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>%1 Try a sharper or larger picture.</source>
        <extracomment>%1 says why no code was found in the picture.</extracomment>
        <translation>%1 請試試更清晰或更大的圖片。</translation>
    </message>
</context>
<context>
    <name>CompressSheet</name>
    <message>
        <source>Compress “%1”</source>
        <translation>壓縮「%1」</translation>
    </message>
    <message>
        <source>Sizes are measured on this computer: the file you save is exactly this size.</source>
        <translation>大小是在這台電腦上實際測得的：你儲存的檔案正好是這個大小。</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>原始</translation>
    </message>
    <message>
        <source>As it is now</source>
        <translation>維持現狀</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>中等</translation>
    </message>
    <message>
        <source>Sharp text, fits most email</source>
        <translation>文字清晰，適合大多數電子郵件</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>小</translation>
    </message>
    <message>
        <source>The smallest readable file</source>
        <translation>仍可閱讀的最小檔案</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>儲存…</translation>
    </message>
    <message>
        <source>For websites and forms with a size limit</source>
        <translation>適用於有大小限制的網站和表單</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>上限</translation>
    </message>
    <message>
        <source>To fit, the pages became pictures: text in this copy can&apos;t be selected or searched. The original keeps its text.</source>
        <translation>為了符合大小，頁面已轉成圖片：此副本中的文字無法選取或搜尋。原始檔保留文字。</translation>
    </message>
    <message>
        <source>Up to %1</source>
        <translation>最多 %1</translation>
    </message>
    <message>
        <source>Can&apos;t get under %1. The smallest Tamsel can make is %2.</source>
        <translation>無法小於 %1。Tamsel 能做到的最小大小是 %2。</translation>
    </message>
    <message>
        <source>Pictures in this PDF can&apos;t get much smaller while it keeps its text. Up to %1 can turn the pages into pictures when that&apos;s the only way to fit.</source>
        <translation>在保留文字的情況下，這份 PDF 中的圖片很難再縮小。「最多 %1」在別無他法時可能會把頁面轉成圖片。</translation>
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
        <translation>簽名與蓋章</translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>壓縮</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>分割</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密碼</translation>
    </message>
    <message>
        <source>Insert, extract, export as images, merge</source>
        <translation>插入、擷取、輸出為圖片、合併</translation>
    </message>
    <message>
        <source>More</source>
        <translation>更多</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>另存新檔…</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>向左旋轉</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>向左旋轉</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>向右旋轉</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>向右旋轉</translation>
    </message>
    <message>
        <source>Delete Pages</source>
        <translation>刪除頁面</translation>
    </message>
    <message>
        <source>Delete the selected pages</source>
        <translation>刪除所選頁面</translation>
    </message>
    <message>
        <source>Drag to reorder. Drop PDFs or images to add pages. Save As… makes a new file; the original stays as it is.</source>
        <translation>拖移以重新排序。拖放 PDF 或圖片即可加入頁面。「另存新檔…」會建立新檔案，原始檔保持不變。</translation>
    </message>
    <message>
        <source>1 page</source>
        <translation>1 頁</translation>
    </message>
    <message numerus="yes">
        <source>%n pages</source>
        <translation>
            <numerusform>%n 頁</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n selected</source>
        <translation>
            <numerusform>已選 %n 頁</numerusform>
        </translation>
    </message>
    <message>
        <source>password</source>
        <translation>密碼</translation>
    </message>
    <message>
        <source>not saved</source>
        <translation>未儲存</translation>
    </message>
    <message>
        <source>Insert Pages from Files…</source>
        <translation>從檔案插入頁面…</translation>
    </message>
    <message>
        <source>Extract All Pages…</source>
        <translation>擷取所有頁面…</translation>
    </message>
    <message>
        <source>Extract Selected Pages…</source>
        <translation>擷取所選頁面…</translation>
    </message>
    <message>
        <source>Export Pages as Images…</source>
        <translation>將頁面輸出為圖片…</translation>
    </message>
    <message>
        <source>Add to Merge</source>
        <translation>加入合併</translation>
    </message>
</context>
<context>
    <name>DrawingPad</name>
    <message>
        <source>Blue</source>
        <translation>藍色</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>黑色</translation>
    </message>
    <message>
        <source>Ink</source>
        <translation>墨水</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Use This Signature</source>
        <translation>使用此簽名</translation>
    </message>
</context>
<context>
    <name>DropZone</name>
    <message>
        <source>Drop PDFs or images here</source>
        <translation>將 PDF 或圖片拖放到這裡</translation>
    </message>
    <message>
        <source>or click to open. Images become pages of a new PDF.</source>
        <translation>或按一下以開啟。圖片會成為新 PDF 的頁面。</translation>
    </message>
</context>
<context>
    <name>ExportImagesSheet</name>
    <message>
        <source>%1 page %2</source>
        <extracomment>The name of one exported picture: %1 the document&apos;s name, %2 the page number.</extracomment>
        <translation>%1 第 %2 頁</translation>
    </message>
    <message>
        <source>Export Pages as Images</source>
        <translation>將頁面輸出為圖片</translation>
    </message>
    <message>
        <source>The selected page.</source>
        <translation>所選的頁面。</translation>
    </message>
    <message numerus="yes">
        <source>The %n selected pages.</source>
        <translation>
            <numerusform>所選的 %n 頁。</numerusform>
        </translation>
    </message>
    <message>
        <source>The one page.</source>
        <translation>唯一的一頁。</translation>
    </message>
    <message numerus="yes">
        <source>All %n pages.</source>
        <translation>
            <numerusform>全部 %n 頁。</numerusform>
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
        <translation>格式</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>解析度</translation>
    </message>
    <message>
        <source>Screen (100 dpi)</source>
        <translation>螢幕（100 dpi）</translation>
    </message>
    <message>
        <source>Good (200 dpi)</source>
        <translation>良好（200 dpi）</translation>
    </message>
    <message>
        <source>Print (300 dpi)</source>
        <translation>列印（300 dpi）</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>輸出…</translation>
    </message>
    <message>
        <source>Export Here</source>
        <translation>輸出到這裡</translation>
    </message>
    <message>
        <source>Exporting…</source>
        <translation>正在輸出…</translation>
    </message>
</context>
<context>
    <name>FilePanels</name>
    <message>
        <source>Open</source>
        <translation>開啟</translation>
    </message>
    <message>
        <source>PDFs and pictures (%1)</source>
        <translation>PDF 和圖片（%1）</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
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
        <translation>未儲存</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
</context>
<context>
    <name>FileWriting</name>
    <message>
        <source>“%1” couldn&apos;t be saved because the disk is full.</source>
        <translation>磁碟已滿，無法儲存「%1」。</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because it is too large for that disk.</source>
        <translation>檔案對該磁碟而言太大，無法儲存「%1」。</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because you don&apos;t have permission to write in that folder.</source>
        <translation>你沒有寫入該檔案夾的權限，無法儲存「%1」。</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because that disk is read-only.</source>
        <translation>該磁碟為唯讀，無法儲存「%1」。</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because the name is too long.</source>
        <translation>名稱太長，無法儲存「%1」。</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because its folder doesn&apos;t exist.</source>
        <translation>所在的檔案夾不存在，無法儲存「%1」。</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because a folder of that name is in the way.</source>
        <translation>有同名的檔案夾，無法儲存「%1」。</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved (%2).</source>
        <translation>無法儲存「%1」（%2）。</translation>
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
        <translation>PDF 工具、簽名與印章、QR 碼。以隱私為本的設計 · 100% 在裝置上處理。</translation>
    </message>
    <message>
        <source>Sign &amp; Stamp</source>
        <translation>簽名與蓋章</translation>
    </message>
    <message>
        <source>Put your signature, initials or a company seal on any page, or on all of them.</source>
        <translation>將你的簽名、姓名縮寫或公司印章放到任一頁，或所有頁面上。</translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>壓縮</translation>
    </message>
    <message>
        <source>Original, Medium, Small, or up to the size a website or email asks for.</source>
        <translation>原始、中等、小，或壓縮到網站或電子郵件要求的大小。</translation>
    </message>
    <message>
        <source>Merge PDFs</source>
        <translation>合併 PDF</translation>
    </message>
    <message>
        <source>Join PDFs and images in the order you set.</source>
        <translation>依你設定的順序合併 PDF 和圖片。</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>分割</translation>
    </message>
    <message>
        <source>By page ranges like 1-3, 5, 8-10, every few pages or page by page.</source>
        <translation>依頁面範圍（如 1-3, 5, 8-10）、每隔幾頁或逐頁分割。</translation>
    </message>
    <message>
        <source>Read QR Codes</source>
        <translation>讀取 QR 碼</translation>
    </message>
    <message>
        <source>From pictures, screenshots and every page of a PDF.</source>
        <translation>從圖片、螢幕截圖及 PDF 的每一頁讀取。</translation>
    </message>
    <message>
        <source>Images to PDF</source>
        <translation>圖片轉 PDF</translation>
    </message>
    <message>
        <source>Photos and scans as pages of one PDF, in name order.</source>
        <translation>將照片和掃描檔依名稱順序作為同一份 PDF 的頁面。</translation>
    </message>
    <message>
        <source>No ads. No tracking. No account.</source>
        <translation>沒有廣告。沒有追蹤。不需帳號。</translation>
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
        <translation>檔案(&amp;F)</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>開啟…</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>另存新檔…</translation>
    </message>
    <message>
        <source>Close File</source>
        <translation>關閉檔案</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>說明(&amp;H)</translation>
    </message>
    <message>
        <source>About Tamsel</source>
        <translation>關於 Tamsel</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>檢查更新…</translation>
    </message>
    <message>
        <source>Support the Developer…</source>
        <translation>贊助開發者…</translation>
    </message>
    <message>
        <source>Changes in %1 aren&apos;t saved. Use Save As… to keep them.</source>
        <translation>%1 的變更尚未儲存。請使用「另存新檔…」保留變更。</translation>
    </message>
    <message>
        <source>Stop and quit?</source>
        <translation>停止並結束？</translation>
    </message>
    <message>
        <source>Tamsel is still working (%1). Quitting stops that work; nothing half-written is kept.</source>
        <translation>Tamsel 仍在工作（%1）。結束會停止該工作；不會保留任何寫到一半的內容。</translation>
    </message>
    <message>
        <source>Quit without saving?</source>
        <translation>不儲存就結束？</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Quit Anyway</source>
        <translation>仍要結束</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>檢視(&amp;V)</translation>
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
        <translation>1 頁</translation>
    </message>
    <message numerus="yes">
        <source>%n pages</source>
        <translation>
            <numerusform>%n 頁</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 個檔案</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n 個檔案</numerusform>
        </translation>
    </message>
    <message>
        <source>Drag to reorder</source>
        <translation>拖移以重新排序</translation>
    </message>
    <message>
        <source>Remove from the list</source>
        <translation>從列表中移除</translation>
    </message>
    <message>
        <source>Merge PDFs</source>
        <translation>合併 PDF</translation>
    </message>
    <message>
        <source>Drop PDFs and images here, drag them into order, then Merge. Open files join as they are now, with their turns, removed pages and stamps.</source>
        <translation>將 PDF 和圖片拖放到這裡，拖移排好順序後再合併。已開啟的檔案會以目前的狀態加入，包括旋轉、已移除的頁面和印章。</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>加入</translation>
    </message>
    <message>
        <source>Drop files to merge</source>
        <translation>拖放要合併的檔案</translation>
    </message>
    <message>
        <source>Two or more PDFs or images</source>
        <translation>兩個以上的 PDF 或圖片</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Merge…</source>
        <translation>合併…</translation>
    </message>
    <message>
        <source>Add Files…</source>
        <translation>加入檔案…</translation>
    </message>
</context>
<context>
    <name>NewStampMenu</name>
    <message>
        <source>From an Image File…</source>
        <translation>從圖片檔…</translation>
    </message>
    <message>
        <source>Draw with Trackpad or Mouse…</source>
        <translation>用觸控板或滑鼠繪製…</translation>
    </message>
    <message>
        <source>Ready Stamps…</source>
        <translation>現成印章…</translation>
    </message>
    <message>
        <source>New Signature or Stamp</source>
        <translation>新增簽名或印章</translation>
    </message>
    <message>
        <source>Choose a photo or scan of your signature or stamp</source>
        <translation>選擇你的簽名或印章的照片或掃描檔</translation>
    </message>
</context>
<context>
    <name>NewStampSheet</name>
    <message>
        <source>Draw Your Signature</source>
        <translation>繪製你的簽名</translation>
    </message>
    <message>
        <source>Ready Stamps</source>
        <translation>現成印章</translation>
    </message>
    <message>
        <source>New Signature or Stamp</source>
        <translation>新增簽名或印章</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>The checkerboard is what stays transparent on the page.</source>
        <translation>棋盤格部分在頁面上會保持透明。</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>Removing the paper…</source>
        <translation>正在去除紙張背景…</translation>
    </message>
    <message>
        <source>The signature or stamp couldn&apos;t be saved. Try again.</source>
        <translation>無法儲存簽名或印章。請再試一次。</translation>
    </message>
</context>
<context>
    <name>PDFEngine</name>
    <message>
        <source>A page of this file can&apos;t be read anymore. Open the file again.</source>
        <translation>無法再讀取此檔案的某一頁。請重新開啟檔案。</translation>
    </message>
    <message>
        <source>The PDF couldn&apos;t be made. Try again.</source>
        <translation>無法產生 PDF。請再試一次。</translation>
    </message>
    <message>
        <source>The pages of this file are damaged in a way that stops them being copied. It can only be saved as pictures of its pages.</source>
        <translation>此檔案的頁面已損毀，無法複製。只能將其頁面儲存為圖片。</translation>
    </message>
    <message>
        <source>Reading the PDF took too long and was stopped. A page of the file may be damaged.</source>
        <translation>讀取 PDF 花費太久，已停止。檔案的某一頁可能已損毀。</translation>
    </message>
    <message>
        <source>Reading the PDF failed because a part of the file is damaged.</source>
        <translation>檔案的一部分已損毀，無法讀取 PDF。</translation>
    </message>
    <message>
        <source>The PDF needs more memory than Tamsel may use for one file.</source>
        <translation>此 PDF 需要的記憶體超出 Tamsel 可為單一檔案使用的上限。</translation>
    </message>
    <message>
        <source>This PDF failed to be read several times, so Tamsel doesn&apos;t try again.</source>
        <translation>此 PDF 多次讀取失敗，Tamsel 不會再試。</translation>
    </message>
    <message>
        <source>Tamsel&apos;s PDF reader can&apos;t be started. Install Tamsel again.</source>
        <translation>無法啟動 Tamsel 的 PDF 讀取器。請重新安裝 Tamsel。</translation>
    </message>
    <message>
        <source>A page is too large for a picture at this resolution. Choose a lower resolution.</source>
        <translation>頁面太大，無法以此解析度產生圖片。請選擇較低的解析度。</translation>
    </message>
    <message>
        <source>It was moved or deleted.</source>
        <translation>它已被移動或刪除。</translation>
    </message>
</context>
<context>
    <name>PageGrid</name>
    <message>
        <source>Has signatures or stamps</source>
        <translation>含有簽名或印章</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>向左旋轉</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>向右旋轉</translation>
    </message>
    <message>
        <source>Sign &amp; Stamp</source>
        <translation>簽名與蓋章</translation>
    </message>
    <message>
        <source>Extract…</source>
        <translation>擷取…</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
</context>
<context>
    <name>PageImage</name>
    <message>
        <source>Can&apos;t be shown</source>
        <translation>無法顯示</translation>
    </message>
</context>
<context>
    <name>PageListModel</name>
    <message>
        <source>Page %1</source>
        <translation>第 %1 頁</translation>
    </message>
</context>
<context>
    <name>PasswordPrompt</name>
    <message>
        <source>“%1” is locked</source>
        <translation>「%1」已鎖定</translation>
    </message>
    <message>
        <source>That password didn&apos;t open it. Try again.</source>
        <translation>這組密碼無法開啟它。請再試一次。</translation>
    </message>
    <message>
        <source>Enter its password to open it. The password stays on this computer.</source>
        <translation>請輸入密碼以開啟。密碼只會留在這台電腦上。</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密碼</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開啟</translation>
    </message>
</context>
<context>
    <name>PasswordSheet</name>
    <message>
        <source>Password</source>
        <translation>密碼</translation>
    </message>
    <message>
        <source>“%1” is protected with a password. Save a copy that opens without it, or a copy with a new one.</source>
        <translation>「%1」受密碼保護。可以儲存一份不需密碼即可開啟的副本，或一份使用新密碼的副本。</translation>
    </message>
    <message>
        <source>Save a Copy without Password…</source>
        <translation>儲存無密碼副本…</translation>
    </message>
    <message>
        <source>Save a copy that asks for this password to open. Keep it somewhere safe: it can&apos;t be recovered.</source>
        <translation>儲存一份開啟時需要此密碼的副本。請妥善保管密碼：它無法復原。</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>新密碼</translation>
    </message>
    <message>
        <source>Repeat password</source>
        <translation>再次輸入密碼</translation>
    </message>
    <message>
        <source>The passwords don&apos;t match.</source>
        <translation>兩次輸入的密碼不相符。</translation>
    </message>
    <message>
        <source>Save Protected Copy…</source>
        <translation>儲存受保護的副本…</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>正在儲存…</translation>
    </message>
    <message>
        <source>%1 (protected)</source>
        <extracomment>The name offered for the copy: %1 the document&apos;s name.</extracomment>
        <translation>%1（受保護）</translation>
    </message>
    <message>
        <source>%1 (no password)</source>
        <translation>%1（無密碼）</translation>
    </message>
</context>
<context>
    <name>PlacedStamp</name>
    <message>
        <source>Drag to turn</source>
        <translation>拖移以旋轉</translation>
    </message>
    <message>
        <source>Drag to resize</source>
        <translation>拖移以調整大小</translation>
    </message>
</context>
<context>
    <name>ProcessRunner</name>
    <message>
        <source>The tool didn&apos;t answer in time.</source>
        <extracomment>Error when a command-line tool times out</extracomment>
        <translation>工具未能及時回應。</translation>
    </message>
    <message>
        <source>Exit code %1</source>
        <extracomment>Error of a command-line tool that gave no message</extracomment>
        <translation>結束代碼 %1</translation>
    </message>
</context>
<context>
    <name>ReadyStamp</name>
    <message>
        <source>APPROVED</source>
        <translation>已核准</translation>
    </message>
    <message>
        <source>PAID</source>
        <translation>已付款</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>副本</translation>
    </message>
    <message>
        <source>CONFIDENTIAL</source>
        <translation>機密</translation>
    </message>
    <message>
        <source>DRAFT</source>
        <translation>草稿</translation>
    </message>
    <message>
        <source>RECEIVED</source>
        <translation>已收到</translation>
    </message>
</context>
<context>
    <name>ReadyStampsPicker</name>
    <message>
        <source>Red</source>
        <translation>紅色</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>藍色</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>黑色</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>顏色</translation>
    </message>
    <message>
        <source>Add today&apos;s date</source>
        <translation>加入今天的日期</translation>
    </message>
    <message>
        <source>Your own word, like PAID IN CASH</source>
        <translation>你自己的文字，例如「現金已付」</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>加入</translation>
    </message>
</context>
<context>
    <name>RootView</name>
    <message>
        <source>Support Tamsel</source>
        <translation>贊助 Tamsel</translation>
    </message>
    <message>
        <source>Support the developer</source>
        <translation>贊助開發者</translation>
    </message>
    <message>
        <source>About Tamsel</source>
        <translation>關於 Tamsel</translation>
    </message>
    <message>
        <source>About, updates, privacy and support</source>
        <translation>關於、更新、隱私與贊助</translation>
    </message>
    <message>
        <source>Something went wrong</source>
        <translation>發生問題</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>好</translation>
    </message>
    <message>
        <source>Save changes to “%1”?</source>
        <translation>要儲存對「%1」的變更嗎？</translation>
    </message>
    <message>
        <source>Your changes will be lost if you close it without saving. The original file stays as it was.</source>
        <translation>如果不儲存就關閉，你的變更將會遺失。原始檔保持不變。</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>另存新檔…</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>不要儲存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Save as Pictures</source>
        <translation>儲存為圖片</translation>
    </message>
    <message>
        <source>Hide Sidebar</source>
        <translation>隱藏側邊欄</translation>
    </message>
    <message>
        <source>Show Sidebar</source>
        <translation>顯示側邊欄</translation>
    </message>
</context>
<context>
    <name>Sharing</name>
    <message>
        <source>Email…</source>
        <translation>電子郵件…</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>複製連結</translation>
    </message>
    <message>
        <source>Link copied</source>
        <translation>已複製連結</translation>
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
        <translation>Vornel Apps 出品</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>首頁</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>檔案</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>開啟…</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>工具</translation>
    </message>
    <message>
        <source>Merge PDFs</source>
        <translation>合併 PDF</translation>
    </message>
    <message>
        <source>Signatures &amp; Stamps</source>
        <translation>簽名與印章</translation>
    </message>
    <message>
        <source>QR Codes</source>
        <translation>QR 碼</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>另存新檔…</translation>
    </message>
    <message>
        <source>Add to Merge</source>
        <translation>加入合併</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
</context>
<context>
    <name>SignView</name>
    <message>
        <source>Pages</source>
        <translation>頁面</translation>
    </message>
    <message>
        <source>Back to all pages</source>
        <translation>返回所有頁面</translation>
    </message>
    <message>
        <source>Sign &amp; Stamp</source>
        <translation>簽名與蓋章</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>另存新檔…</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>上一頁</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>下一頁</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>第 %1 頁，共 %2 頁</translation>
    </message>
</context>
<context>
    <name>SplitSheet</name>
    <message>
        <source>Split “%1”</source>
        <translation>分割「%1」</translation>
    </message>
    <message>
        <source>By page ranges</source>
        <translation>依頁面範圍</translation>
    </message>
    <message>
        <source>Every few pages</source>
        <translation>每隔幾頁</translation>
    </message>
    <message>
        <source>Page by page</source>
        <translation>逐頁</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>分割</translation>
    </message>
    <message>
        <source>For example: 1-3, 5, 8-10</source>
        <translation>例如：1-3, 5, 8-10</translation>
    </message>
    <message>
        <source>Each range becomes its own PDF. Pages 1 to %1.</source>
        <translation>每個範圍會成為一份獨立的 PDF。頁碼為 1 到 %1。</translation>
    </message>
    <message>
        <source>Pages per file</source>
        <translation>每個檔案的頁數</translation>
    </message>
    <message numerus="yes">
        <source>Each of the %n pages becomes its own PDF.</source>
        <translation>
            <numerusform>%n 頁中的每一頁都會成為獨立的 PDF。</numerusform>
        </translation>
    </message>
    <message>
        <source>Split…</source>
        <translation>分割…</translation>
    </message>
    <message numerus="yes">
        <source>A new file every %n pages</source>
        <translation>
            <numerusform>每 %n 頁一個新檔案</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Makes %n files: %1</source>
        <translation>
            <numerusform>產生 %n 個檔案：%1</numerusform>
        </translation>
    </message>
    <message>
        <source>Use page numbers from 1 to %1, like 1-3, 5.</source>
        <translation>請使用 1 到 %1 之間的頁碼，例如 1-3, 5。</translation>
    </message>
    <message>
        <source>Split Here</source>
        <translation>分割到這裡</translation>
    </message>
    <message>
        <source>Splitting…</source>
        <translation>正在分割…</translation>
    </message>
</context>
<context>
    <name>StampLibrary</name>
    <message>
        <source>Signature</source>
        <translation>簽名</translation>
    </message>
    <message>
        <source>Stamp</source>
        <translation>印章</translation>
    </message>
    <message>
        <source>The signature or stamp couldn&apos;t be saved. Try again.</source>
        <translation>無法儲存簽名或印章。請再試一次。</translation>
    </message>
    <message>
        <source>The change couldn&apos;t be saved. Try again.</source>
        <translation>無法儲存變更。請再試一次。</translation>
    </message>
</context>
<context>
    <name>StampLibraryPanel</name>
    <message>
        <source>Put on this page</source>
        <translation>放到這一頁</translation>
    </message>
    <message>
        <source>Signatures &amp; Stamps</source>
        <translation>簽名與印章</translation>
    </message>
    <message>
        <source>Add your signature or a company seal once; it stays in Tamsel on this computer for every document.</source>
        <translation>只要加入一次簽名或公司印章，它就會保存在這台電腦的 Tamsel 中，可用於每份文件。</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>角度</translation>
    </message>
    <message>
        <source>Add to All Pages</source>
        <translation>加入所有頁面</translation>
    </message>
    <message>
        <source>Remove from Page</source>
        <translation>從頁面移除</translation>
    </message>
    <message>
        <source>Or paste a photo or scan with Ctrl+V, or drop one here.</source>
        <translation>或按 Ctrl+V 貼上照片或掃描檔，或將它拖放到這裡。</translation>
    </message>
</context>
<context>
    <name>StampMaker</name>
    <message>
        <source>This image can&apos;t be read.</source>
        <translation>無法讀取此圖片。</translation>
    </message>
    <message>
        <source>No signature or stamp found. Try a photo of it on white paper.</source>
        <translation>找不到簽名或印章。請試試在白紙上拍攝的照片。</translation>
    </message>
</context>
<context>
    <name>StampsView</name>
    <message>
        <source>Rename or delete</source>
        <translation>重新命名或刪除</translation>
    </message>
    <message>
        <source>Rename or delete “%1”</source>
        <translation>重新命名或刪除「%1」</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>重新命名…</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>刪除…</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>重新命名</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Signatures &amp; Stamps</source>
        <translation>簽名與印章</translation>
    </message>
    <message>
        <source>Your signature, initials or a company seal, with the paper removed automatically. They stay only on this computer. Tamsel puts your own images on documents; it doesn&apos;t make a signature legally binding by itself.</source>
        <translation>你的簽名、姓名縮寫或公司印章，紙張背景會自動去除。它們只會保存在這台電腦上。Tamsel 只是把你自己的圖片放到文件上；光是這樣並不會讓簽名具有法律效力。</translation>
    </message>
    <message>
        <source>No signatures or stamps yet</source>
        <translation>還沒有簽名或印章</translation>
    </message>
    <message>
        <source>Sign a white sheet of paper or stamp it, then take a photo of it and choose the photo or a scan. You can also draw with the trackpad or pick a ready stamp like PAID or APPROVED.</source>
        <translation>在一張白紙上簽名或蓋章，拍照後選擇該照片或掃描檔。你也可以用觸控板繪製，或選擇「已付款」「已核准」等現成印章。</translation>
    </message>
    <message>
        <source>Tamsel</source>
        <translation>Tamsel</translation>
    </message>
    <message>
        <source>Delete “%1”?</source>
        <translation>要刪除「%1」嗎？</translation>
    </message>
    <message>
        <source>It also leaves pages open in Tamsel. Files you already saved keep it.</source>
        <translation>它也會從 Tamsel 中開啟的頁面上移除。已儲存的檔案仍會保留它。</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
</context>
<context>
    <name>SupportView</name>
    <message>
        <source>Done! Support Tamsel?</source>
        <translation>完成！要贊助 Tamsel 嗎？</translation>
    </message>
    <message>
        <source>Support Tamsel</source>
        <translation>贊助 Tamsel</translation>
    </message>
    <message>
        <source>Tamsel is free: no ads, no tracking, no subscription. If it saved you time, you can thank the developer with crypto. Any amount helps keep it free.</source>
        <translation>Tamsel 是免費的：沒有廣告、沒有追蹤、不需訂閱。如果它幫你節省了時間，可以用加密貨幣感謝開發者。任何金額都能幫助它維持免費。</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>網路</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>可傳送</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>地址</translation>
    </message>
    <message>
        <source>Send only on the networks listed above. Coins sent on another network can&apos;t be recovered.</source>
        <translation>請只透過上方列出的網路傳送。透過其他網路傳送的幣無法找回。</translation>
    </message>
    <message>
        <source>The same addresses are on %1/donate.</source>
        <translation>同樣的地址也列在 %1/donate。</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>以後再說</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>QR code of the %1 address</source>
        <translation>%1 地址的 QR 碼</translation>
    </message>
    <message>
        <source>Address copied</source>
        <translation>已複製地址</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>已複製</translation>
    </message>
    <message>
        <source>Copy Address</source>
        <translation>複製地址</translation>
    </message>
    <message>
        <source>This copy of Tamsel was built without donation addresses. The developer&apos;s are on %1/donate.</source>
        <translation>此 Tamsel 副本建置時未包含捐贈地址。開發者的地址請見 %1/donate。</translation>
    </message>
</context>
<context>
    <name>TellAFriendView</name>
    <message>
        <source>Tell a friend</source>
        <translation>推薦給朋友</translation>
    </message>
    <message>
        <source>Like Tamsel? Tell a friend.</source>
        <translation>喜歡 Tamsel 嗎？推薦給朋友吧。</translation>
    </message>
    <message>
        <source>Tamsel is free: no ads, no tracking. We don&apos;t buy ads, so friends telling friends is how people find it.</source>
        <translation>Tamsel 是免費的：沒有廣告、沒有追蹤。我們不買廣告，大家是透過朋友之間的推薦找到它的。</translation>
    </message>
    <message>
        <source>Your friend gets this message:</source>
        <translation>你的朋友會收到這則訊息：</translation>
    </message>
    <message>
        <source>You choose the app and the friend; we never see who.</source>
        <translation>由你選擇 App 和朋友；我們永遠不會知道是誰。</translation>
    </message>
    <message>
        <source>Share…</source>
        <translation>分享…</translation>
    </message>
    <message>
        <source>Tamsel for Linux: free PDF tools, signatures and stamps, QR codes. Everything stays on your computer.</source>
        <comment>The message shared with a friend, followed by the link to the app&apos;s page.</comment>
        <translation>Tamsel for Linux：免費的 PDF 工具、簽名與印章、QR 碼。一切都留在你的電腦上。</translation>
    </message>
    <message>
        <source>Message copied</source>
        <translation>已複製訊息</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>已複製</translation>
    </message>
    <message>
        <source>Copy Message</source>
        <translation>複製訊息</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>以後再說</translation>
    </message>
</context>
<context>
    <name>ToastView</name>
    <message>
        <source>Show in Folder</source>
        <translation>在檔案夾中顯示</translation>
    </message>
</context>
<context>
    <name>ToolSheetFrame</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>The update information isn&apos;t available right now. Try again later.</source>
        <extracomment>Check for Updates error</extracomment>
        <translation>目前無法取得更新資訊。請稍後再試。</translation>
    </message>
    <message>
        <source>Couldn&apos;t check for updates: %1</source>
        <extracomment>Check for Updates error. The placeholder is the system&apos;s error message.</extracomment>
        <translation>無法檢查更新：%1</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation>資料格式不正確，無法讀取。</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation>資料遺失，無法讀取。</translation>
    </message>
    <message>
        <source>The update information is too large.</source>
        <translation>更新資訊過大。</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>要求逾時。</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>The request timed out.</source>
        <translation>要求逾時。</translation>
    </message>
    <message>
        <source>moved permanently</source>
        <translation>已永久移動</translation>
    </message>
    <message>
        <source>found</source>
        <translation>已找到</translation>
    </message>
    <message>
        <source>not modified</source>
        <translation>未修改</translation>
    </message>
    <message>
        <source>bad request</source>
        <translation>錯誤要求</translation>
    </message>
    <message>
        <source>unauthorized</source>
        <translation>未授權</translation>
    </message>
    <message>
        <source>forbidden</source>
        <translation>禁止存取</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>找不到</translation>
    </message>
    <message>
        <source>method not allowed</source>
        <translation>方法不被允許</translation>
    </message>
    <message>
        <source>request timed out</source>
        <translation>要求逾時</translation>
    </message>
    <message>
        <source>no longer exists</source>
        <translation>已不存在</translation>
    </message>
    <message>
        <source>too many requests</source>
        <translation>要求過多</translation>
    </message>
    <message>
        <source>internal server error</source>
        <translation>伺服器內部錯誤</translation>
    </message>
    <message>
        <source>unimplemented</source>
        <translation>未實作</translation>
    </message>
    <message>
        <source>bad gateway</source>
        <translation>閘道錯誤</translation>
    </message>
    <message>
        <source>service unavailable</source>
        <translation>服務無法使用</translation>
    </message>
    <message>
        <source>gateway timed out</source>
        <translation>閘道逾時</translation>
    </message>
    <message>
        <source>informational</source>
        <translation>資訊</translation>
    </message>
    <message>
        <source>success</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>redirected</source>
        <translation>已重新導向</translation>
    </message>
    <message>
        <source>client error</source>
        <translation>用戶端錯誤</translation>
    </message>
    <message>
        <source>server error</source>
        <translation>伺服器錯誤</translation>
    </message>
    <message>
        <source>Couldn&apos;t install the update (%1). This copy is now “%2” in the same folder: rename it back to Tamsel.</source>
        <extracomment>Install and Relaunch error when the old copy couldn&apos;t get its name back. Placeholders: the system&apos;s message, the app&apos;s current file name.</extracomment>
        <translation>無法安裝更新（%1）。此副本現在在同一檔案夾中名為「%2」：請將它重新命名回 Tamsel。</translation>
    </message>
    <message>
        <source>Couldn&apos;t install the update (%1). This copy wasn&apos;t changed.</source>
        <extracomment>Install and Relaunch error. The placeholder is the system&apos;s or a tool&apos;s message.</extracomment>
        <translation>無法安裝更新（%1）。此副本未做任何變更。</translation>
    </message>
    <message>
        <source>The downloaded update didn&apos;t pass the check. This copy wasn&apos;t changed.</source>
        <extracomment>Install and Relaunch error</extracomment>
        <translation>下載的更新未通過檢查。此副本未做任何變更。</translation>
    </message>
    <message>
        <source>The download is larger than expected.</source>
        <extracomment>Install and Relaunch error, inside &quot;Couldn&apos;t install the update (…)&quot;: the server sent more than the update&apos;s size.</extracomment>
        <translation>下載的檔案比預期的大。</translation>
    </message>
    <message>
        <source>There isn&apos;t enough free space for the update.</source>
        <extracomment>Install and Relaunch error, inside &quot;Couldn&apos;t install the update (…)&quot;.</extracomment>
        <translation>沒有足夠的可用空間來安裝更新。</translation>
    </message>
</context>
</TS>
