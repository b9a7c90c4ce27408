<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutView</name>
    <message>
        <source>About Tamsel</source>
        <translation>关于 Tamsel</translation>
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
        <translation>帮助与法律信息</translation>
    </message>
    <message>
        <source>Follow us</source>
        <translation>关注我们</translation>
    </message>
    <message>
        <source>More from Vornel Apps</source>
        <translation>Vornel Apps 的更多应用</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>检查更新</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Same as system</source>
        <translation>跟随系统</translation>
    </message>
    <message>
        <source>Restart Tamsel</source>
        <translation>重新启动 Tamsel</translation>
    </message>
    <message>
        <source>Free, with optional support</source>
        <translation>免费，可自愿支持</translation>
    </message>
    <message>
        <source>No ads, no tracking, no account, no subscription. Everything runs on your computer. If Tamsel helps, you can support the developer with crypto.</source>
        <translation>无广告、无跟踪、无需账户、无需订阅。一切都在你的电脑上运行。如果 Tamsel 对你有帮助，可以用加密货币支持开发者。</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>支持</translation>
    </message>
    <message>
        <source>Tell a friend</source>
        <translation>推荐给朋友</translation>
    </message>
    <message>
        <source>Tamsel spends nothing on ads, so people telling people is how it grows. Share a link to its page; nothing is sent unless you choose where.</source>
        <translation>Tamsel 不花一分钱做广告，它靠大家口口相传成长。分享它的页面链接吧；除非你选择发送到哪里，否则不会发送任何内容。</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>分享</translation>
    </message>
    <message>
        <source>Write to Support</source>
        <translation>联系支持</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>隐私政策</translation>
    </message>
    <message>
        <source>Terms of Use</source>
        <translation>使用条款</translation>
    </message>
    <message>
        <source>X (developer)</source>
        <comment>Link to the developer&apos;s account on X</comment>
        <translation>X（开发者）</translation>
    </message>
    <message>
        <source>Our other apps</source>
        <translation>我们的其他应用</translation>
    </message>
    <message>
        <source>Tamsel checks only when you ask. It reads one file on %1 and sends nothing about your computer.</source>
        <translation>Tamsel 只在你要求时检查。它只读取 %1 上的一个文件，不会发送任何关于你电脑的信息。</translation>
    </message>
    <message>
        <source>You have the latest version.</source>
        <translation>你使用的是最新版本。</translation>
    </message>
    <message>
        <source>Version %1 is available.</source>
        <translation>版本 %1 已可用。</translation>
    </message>
    <message>
        <source>Downloading and checking the update…</source>
        <translation>正在下载并校验更新…</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>Tamsel switches to the new language after a restart. Save or close the files with changes first.</source>
        <translation>重新启动后，Tamsel 将切换到新语言。请先保存或关闭有改动的文件。</translation>
    </message>
    <message>
        <source>Tamsel switches to the new language after a restart.</source>
        <translation>重新启动后，Tamsel 将切换到新语言。</translation>
    </message>
    <message>
        <source>Install and Relaunch</source>
        <translation>安装并重新启动</translation>
    </message>
    <message>
        <source>Save or close the files with changes first: Tamsel restarts to finish the update.</source>
        <translation>请先保存或关闭有改动的文件：Tamsel 需要重新启动以完成更新。</translation>
    </message>
</context>
<context>
    <name>AppModel</name>
    <message>
        <source>There&apos;s no picture on the clipboard. Copy a screenshot or an image first.</source>
        <translation>剪贴板中没有图片。请先复制一张截图或图片。</translation>
    </message>
    <message>
        <source>A file needs at least one page. To get rid of it, close the file.</source>
        <translation>文件至少需要一页。要去掉它，请关闭该文件。</translation>
    </message>
    <message>
        <source>Tamsel opens PDFs and images.</source>
        <translation>Tamsel 可打开 PDF 和图片。</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be opened.</source>
        <translation>无法打开“%1”。</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be opened. It may be damaged or not a PDF.</source>
        <translation>无法打开“%1”。文件可能已损坏或不是 PDF。</translation>
    </message>
    <message>
        <source>Choose PDFs or images</source>
        <translation>选择 PDF 或图片</translation>
    </message>
    <message>
        <source>Saved “%1”</source>
        <translation>已保存“%1”</translation>
    </message>
    <message>
        <source>“%1” is open in Tamsel, so it can&apos;t be replaced. Save under another name.</source>
        <translation>“%1”正在 Tamsel 中打开，因此无法替换。请用其他名称保存。</translation>
    </message>
    <message>
        <source>“%1” wasn&apos;t saved because another task was still running. Try again when it has finished.</source>
        <translation>由于另一项任务仍在进行，“%1”未保存。请在其完成后重试。</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>正在保存…</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be used as a file name.</source>
        <translation>“%1”不能用作文件名。</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because the name is too long.</source>
        <translation>名称太长，无法保存“%1”。</translation>
    </message>
    <message>
        <source>Merging…</source>
        <translation>正在合并…</translation>
    </message>
    <message>
        <source>%1 (pages %2)</source>
        <extracomment>The name offered for a file of some pages: %1 the document&apos;s name, %2 the page numbers (&quot;1-3, 5&quot;).</extracomment>
        <translation>%1（第 %2 页）</translation>
    </message>
    <message>
        <source>%1 (merged)</source>
        <extracomment>The name offered for the merged file: %1 the first file&apos;s name.</extracomment>
        <translation>%1（已合并）</translation>
    </message>
    <message>
        <source>%1 (signed)</source>
        <extracomment>The name offered when saving: %1 the document&apos;s name.</extracomment>
        <translation>%1（已签名）</translation>
    </message>
    <message>
        <source>%1 (edited)</source>
        <translation>%1（已编辑）</translation>
    </message>
    <message numerus="yes">
        <source>Added to all %n pages</source>
        <translation>
            <numerusform>已添加到全部 %n 页</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Saved %n files</source>
        <translation>
            <numerusform>已保存 %n 个文件</numerusform>
        </translation>
    </message>
    <message>
        <source>The update is installed. Save your files, then quit and open Tamsel again to use it.</source>
        <translation>更新已安装。请保存你的文件，然后退出并重新打开 Tamsel 以使用新版本。</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be opened. %2</source>
        <translation>无法打开“%1”。%2</translation>
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
        <translation>链接</translation>
    </message>
    <message>
        <source>Wi-Fi</source>
        <translation>Wi-Fi</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>联系人</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>日程</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>电话</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>短信</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>电子邮件</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>图书</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>商品</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>%1, page %2</source>
        <translation>%1，第 %2 页</translation>
    </message>
    <message>
        <source>Not encrypted: the address starts with http, not https.</source>
        <translation>未加密：地址以 http 而非 https 开头。</translation>
    </message>
    <message>
        <source>A bare number instead of a site name.</source>
        <translation>用一串数字代替了网站名称。</translation>
    </message>
    <message>
        <source>“%1” is not the site. The real site is %2.</source>
        <translation>“%1”不是真正的网站。真正的网站是 %2。</translation>
    </message>
    <message>
        <source>Letters from different alphabets: this address can imitate another site.</source>
        <translation>混用了不同字母表的字母：此地址可能在冒充其他网站。</translation>
    </message>
    <message>
        <source>Special characters in the name can imitate another site.</source>
        <translation>名称中的特殊字符可能在冒充其他网站。</translation>
    </message>
    <message>
        <source>Looks like %1, but the real site is %2.</source>
        <translation>看起来像 %1，但真正的网站是 %2。</translation>
    </message>
    <message>
        <source>The real site is %1, not %2.</source>
        <translation>真正的网站是 %1，而不是 %2。</translation>
    </message>
    <message>
        <source>A short link hides where it leads.</source>
        <translation>短链接隐藏了它的真实去向。</translation>
    </message>
    <message>
        <source>Real site: %1</source>
        <translation>真正的网站：%1</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>在浏览器中打开</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>复制链接</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>网络</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Copy Network Name</source>
        <translation>复制网络名称</translation>
    </message>
    <message>
        <source>Copy Password</source>
        <translation>复制密码</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>已复制</translation>
    </message>
</context>
<context>
    <name>CodeReading</name>
    <message>
        <source>Pasted image</source>
        <translation>粘贴的图片</translation>
    </message>
    <message>
        <source>No codes found in “%1”.</source>
        <translation>在“%1”中未找到码。</translation>
    </message>
    <message>
        <source>No codes found.</source>
        <translation>未找到码。</translation>
    </message>
</context>
<context>
    <name>CodeSymbology</name>
    <message>
        <source>Barcode</source>
        <extracomment>Card title of a code whose kind is unknown</extracomment>
        <translation>条形码</translation>
    </message>
</context>
<context>
    <name>CodesDropZone</name>
    <message>
        <source>Drop a picture or PDF here</source>
        <translation>将图片或 PDF 拖到这里</translation>
    </message>
    <message>
        <source>Or copy a screenshot (Print Screen) and paste it with Ctrl+V.</source>
        <translation>或者截屏（Print Screen），然后按 Ctrl+V 粘贴。</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>打开…</translation>
    </message>
</context>
<context>
    <name>CodesView</name>
    <message>
        <source>QR Codes</source>
        <translation>二维码</translation>
    </message>
    <message>
        <source>Read QR codes and barcodes from pictures, screenshots and every page of a PDF. Everything is read on this computer.</source>
        <translation>从图片、截图以及 PDF 的每一页中读取二维码和条形码。所有识别都在这台电脑上完成。</translation>
    </message>
    <message>
        <source>Reading…</source>
        <translation>正在读取…</translation>
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
        <translation>%1 请试试更清晰或更大的图片。</translation>
    </message>
</context>
<context>
    <name>CompressSheet</name>
    <message>
        <source>Compress “%1”</source>
        <translation>压缩“%1”</translation>
    </message>
    <message>
        <source>Sizes are measured on this computer: the file you save is exactly this size.</source>
        <translation>大小是在这台电脑上实测的：保存的文件正好是这个大小。</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>原始</translation>
    </message>
    <message>
        <source>As it is now</source>
        <translation>保持现状</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>中等</translation>
    </message>
    <message>
        <source>Sharp text, fits most email</source>
        <translation>文字清晰，适合大多数邮件</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>小</translation>
    </message>
    <message>
        <source>The smallest readable file</source>
        <translation>仍可阅读的最小文件</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>保存…</translation>
    </message>
    <message>
        <source>For websites and forms with a size limit</source>
        <translation>适用于有大小限制的网站和表单</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>上限</translation>
    </message>
    <message>
        <source>To fit, the pages became pictures: text in this copy can&apos;t be selected or searched. The original keeps its text.</source>
        <translation>为了符合大小，页面已转换为图片：此副本中的文字无法选择或搜索。原文件保留文字。</translation>
    </message>
    <message>
        <source>Up to %1</source>
        <translation>最多 %1</translation>
    </message>
    <message>
        <source>Can&apos;t get under %1. The smallest Tamsel can make is %2.</source>
        <translation>无法小于 %1。Tamsel 能做到的最小大小是 %2。</translation>
    </message>
    <message>
        <source>Pictures in this PDF can&apos;t get much smaller while it keeps its text. Up to %1 can turn the pages into pictures when that&apos;s the only way to fit.</source>
        <translation>在保留文字的情况下，此 PDF 中的图片很难再缩小。“最多 %1”在别无他法时可能会把页面转换为图片。</translation>
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
        <translation>签名和盖章</translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>压缩</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>拆分</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Insert, extract, export as images, merge</source>
        <translation>插入、提取、导出为图片、合并</translation>
    </message>
    <message>
        <source>More</source>
        <translation>更多</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>另存为…</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>向左旋转</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>向左旋转</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>向右旋转</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>向右旋转</translation>
    </message>
    <message>
        <source>Delete Pages</source>
        <translation>删除页面</translation>
    </message>
    <message>
        <source>Delete the selected pages</source>
        <translation>删除所选页面</translation>
    </message>
    <message>
        <source>Drag to reorder. Drop PDFs or images to add pages. Save As… makes a new file; the original stays as it is.</source>
        <translation>拖动以重新排序。拖入 PDF 或图片可添加页面。“另存为…”会创建新文件，原文件保持不变。</translation>
    </message>
    <message>
        <source>1 page</source>
        <translation>1 页</translation>
    </message>
    <message numerus="yes">
        <source>%n pages</source>
        <translation>
            <numerusform>%n 页</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n selected</source>
        <translation>
            <numerusform>已选 %n 页</numerusform>
        </translation>
    </message>
    <message>
        <source>password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>not saved</source>
        <translation>未保存</translation>
    </message>
    <message>
        <source>Insert Pages from Files…</source>
        <translation>从文件插入页面…</translation>
    </message>
    <message>
        <source>Extract All Pages…</source>
        <translation>提取所有页面…</translation>
    </message>
    <message>
        <source>Extract Selected Pages…</source>
        <translation>提取所选页面…</translation>
    </message>
    <message>
        <source>Export Pages as Images…</source>
        <translation>将页面导出为图片…</translation>
    </message>
    <message>
        <source>Add to Merge</source>
        <translation>添加到合并</translation>
    </message>
</context>
<context>
    <name>DrawingPad</name>
    <message>
        <source>Blue</source>
        <translation>蓝色</translation>
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
        <translation>使用此签名</translation>
    </message>
</context>
<context>
    <name>DropZone</name>
    <message>
        <source>Drop PDFs or images here</source>
        <translation>将 PDF 或图片拖到这里</translation>
    </message>
    <message>
        <source>or click to open. Images become pages of a new PDF.</source>
        <translation>或点击以打开。图片会成为新 PDF 的页面。</translation>
    </message>
</context>
<context>
    <name>ExportImagesSheet</name>
    <message>
        <source>%1 page %2</source>
        <extracomment>The name of one exported picture: %1 the document&apos;s name, %2 the page number.</extracomment>
        <translation>%1 第 %2 页</translation>
    </message>
    <message>
        <source>Export Pages as Images</source>
        <translation>将页面导出为图片</translation>
    </message>
    <message>
        <source>The selected page.</source>
        <translation>所选页面。</translation>
    </message>
    <message numerus="yes">
        <source>The %n selected pages.</source>
        <translation>
            <numerusform>所选的 %n 页。</numerusform>
        </translation>
    </message>
    <message>
        <source>The one page.</source>
        <translation>仅有的一页。</translation>
    </message>
    <message numerus="yes">
        <source>All %n pages.</source>
        <translation>
            <numerusform>全部 %n 页。</numerusform>
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
        <translation>分辨率</translation>
    </message>
    <message>
        <source>Screen (100 dpi)</source>
        <translation>屏幕（100 dpi）</translation>
    </message>
    <message>
        <source>Good (200 dpi)</source>
        <translation>良好（200 dpi）</translation>
    </message>
    <message>
        <source>Print (300 dpi)</source>
        <translation>打印（300 dpi）</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>导出…</translation>
    </message>
    <message>
        <source>Export Here</source>
        <translation>导出到这里</translation>
    </message>
    <message>
        <source>Exporting…</source>
        <translation>正在导出…</translation>
    </message>
</context>
<context>
    <name>FilePanels</name>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>PDFs and pictures (%1)</source>
        <translation>PDF 和图片（%1）</translation>
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
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>FileWriting</name>
    <message>
        <source>“%1” couldn&apos;t be saved because the disk is full.</source>
        <translation>磁盘已满，无法保存“%1”。</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because it is too large for that disk.</source>
        <translation>文件对于该磁盘过大，无法保存“%1”。</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because you don&apos;t have permission to write in that folder.</source>
        <translation>你没有写入该文件夹的权限，无法保存“%1”。</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because that disk is read-only.</source>
        <translation>该磁盘为只读，无法保存“%1”。</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because the name is too long.</source>
        <translation>名称太长，无法保存“%1”。</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because its folder doesn&apos;t exist.</source>
        <translation>所在文件夹不存在，无法保存“%1”。</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because a folder of that name is in the way.</source>
        <translation>存在同名文件夹，无法保存“%1”。</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved (%2).</source>
        <translation>无法保存“%1”（%2）。</translation>
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
        <translation>PDF 工具、签名和印章、二维码。隐私至上的设计 · 100% 在设备上处理。</translation>
    </message>
    <message>
        <source>Sign &amp; Stamp</source>
        <translation>签名和盖章</translation>
    </message>
    <message>
        <source>Put your signature, initials or a company seal on any page, or on all of them.</source>
        <translation>将你的签名、姓名缩写或公司印章放到任意一页，或所有页面上。</translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>压缩</translation>
    </message>
    <message>
        <source>Original, Medium, Small, or up to the size a website or email asks for.</source>
        <translation>原始、中等、小，或压缩到网站或邮件要求的大小。</translation>
    </message>
    <message>
        <source>Merge PDFs</source>
        <translation>合并 PDF</translation>
    </message>
    <message>
        <source>Join PDFs and images in the order you set.</source>
        <translation>按你设定的顺序合并 PDF 和图片。</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>拆分</translation>
    </message>
    <message>
        <source>By page ranges like 1-3, 5, 8-10, every few pages or page by page.</source>
        <translation>按页面范围（如 1-3, 5, 8-10）、每隔几页或逐页拆分。</translation>
    </message>
    <message>
        <source>Read QR Codes</source>
        <translation>读取二维码</translation>
    </message>
    <message>
        <source>From pictures, screenshots and every page of a PDF.</source>
        <translation>从图片、截图以及 PDF 的每一页中读取。</translation>
    </message>
    <message>
        <source>Images to PDF</source>
        <translation>图片转 PDF</translation>
    </message>
    <message>
        <source>Photos and scans as pages of one PDF, in name order.</source>
        <translation>将照片和扫描件按名称顺序作为一个 PDF 的页面。</translation>
    </message>
    <message>
        <source>No ads. No tracking. No account.</source>
        <translation>无广告。无跟踪。无需账户。</translation>
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
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>打开…</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>另存为…</translation>
    </message>
    <message>
        <source>Close File</source>
        <translation>关闭文件</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>About Tamsel</source>
        <translation>关于 Tamsel</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>检查更新…</translation>
    </message>
    <message>
        <source>Support the Developer…</source>
        <translation>支持开发者…</translation>
    </message>
    <message>
        <source>Changes in %1 aren&apos;t saved. Use Save As… to keep them.</source>
        <translation>%1 中的改动尚未保存。请使用“另存为…”保留它们。</translation>
    </message>
    <message>
        <source>Stop and quit?</source>
        <translation>停止并退出？</translation>
    </message>
    <message>
        <source>Tamsel is still working (%1). Quitting stops that work; nothing half-written is kept.</source>
        <translation>Tamsel 仍在工作（%1）。退出将停止该工作；不会保留任何写了一半的内容。</translation>
    </message>
    <message>
        <source>Quit without saving?</source>
        <translation>不保存就退出？</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Quit Anyway</source>
        <translation>仍然退出</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>查看(&amp;V)</translation>
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
        <translation>1 页</translation>
    </message>
    <message numerus="yes">
        <source>%n pages</source>
        <translation>
            <numerusform>%n 页</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 个文件</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n 个文件</numerusform>
        </translation>
    </message>
    <message>
        <source>Drag to reorder</source>
        <translation>拖动以重新排序</translation>
    </message>
    <message>
        <source>Remove from the list</source>
        <translation>从列表中移除</translation>
    </message>
    <message>
        <source>Merge PDFs</source>
        <translation>合并 PDF</translation>
    </message>
    <message>
        <source>Drop PDFs and images here, drag them into order, then Merge. Open files join as they are now, with their turns, removed pages and stamps.</source>
        <translation>将 PDF 和图片拖到这里，拖动排好顺序，然后合并。已打开的文件会按当前状态加入，包括旋转、已删除的页面和印章。</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Drop files to merge</source>
        <translation>拖入要合并的文件</translation>
    </message>
    <message>
        <source>Two or more PDFs or images</source>
        <translation>两个或更多 PDF 或图片</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Merge…</source>
        <translation>合并…</translation>
    </message>
    <message>
        <source>Add Files…</source>
        <translation>添加文件…</translation>
    </message>
</context>
<context>
    <name>NewStampMenu</name>
    <message>
        <source>From an Image File…</source>
        <translation>从图片文件…</translation>
    </message>
    <message>
        <source>Draw with Trackpad or Mouse…</source>
        <translation>用触控板或鼠标绘制…</translation>
    </message>
    <message>
        <source>Ready Stamps…</source>
        <translation>现成印章…</translation>
    </message>
    <message>
        <source>New Signature or Stamp</source>
        <translation>新建签名或印章</translation>
    </message>
    <message>
        <source>Choose a photo or scan of your signature or stamp</source>
        <translation>选择你的签名或印章的照片或扫描件</translation>
    </message>
</context>
<context>
    <name>NewStampSheet</name>
    <message>
        <source>Draw Your Signature</source>
        <translation>绘制你的签名</translation>
    </message>
    <message>
        <source>Ready Stamps</source>
        <translation>现成印章</translation>
    </message>
    <message>
        <source>New Signature or Stamp</source>
        <translation>新建签名或印章</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>The checkerboard is what stays transparent on the page.</source>
        <translation>棋盘格部分在页面上保持透明。</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Removing the paper…</source>
        <translation>正在去除纸张背景…</translation>
    </message>
    <message>
        <source>The signature or stamp couldn&apos;t be saved. Try again.</source>
        <translation>无法保存签名或印章。请重试。</translation>
    </message>
</context>
<context>
    <name>PDFEngine</name>
    <message>
        <source>A page of this file can&apos;t be read anymore. Open the file again.</source>
        <translation>无法再读取此文件的某一页。请重新打开文件。</translation>
    </message>
    <message>
        <source>The PDF couldn&apos;t be made. Try again.</source>
        <translation>无法生成 PDF。请重试。</translation>
    </message>
    <message>
        <source>The pages of this file are damaged in a way that stops them being copied. It can only be saved as pictures of its pages.</source>
        <translation>此文件的页面已损坏，无法复制。只能将其页面保存为图片。</translation>
    </message>
    <message>
        <source>Reading the PDF took too long and was stopped. A page of the file may be damaged.</source>
        <translation>读取 PDF 耗时过长，已停止。文件的某一页可能已损坏。</translation>
    </message>
    <message>
        <source>Reading the PDF failed because a part of the file is damaged.</source>
        <translation>文件的一部分已损坏，无法读取 PDF。</translation>
    </message>
    <message>
        <source>The PDF needs more memory than Tamsel may use for one file.</source>
        <translation>此 PDF 需要的内存超出了 Tamsel 可为单个文件使用的上限。</translation>
    </message>
    <message>
        <source>This PDF failed to be read several times, so Tamsel doesn&apos;t try again.</source>
        <translation>此 PDF 多次读取失败，Tamsel 不再重试。</translation>
    </message>
    <message>
        <source>Tamsel&apos;s PDF reader can&apos;t be started. Install Tamsel again.</source>
        <translation>无法启动 Tamsel 的 PDF 读取器。请重新安装 Tamsel。</translation>
    </message>
    <message>
        <source>A page is too large for a picture at this resolution. Choose a lower resolution.</source>
        <translation>页面太大，无法以此分辨率生成图片。请选择更低的分辨率。</translation>
    </message>
    <message>
        <source>It was moved or deleted.</source>
        <translation>它已被移动或删除。</translation>
    </message>
</context>
<context>
    <name>PageGrid</name>
    <message>
        <source>Has signatures or stamps</source>
        <translation>含有签名或印章</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>向左旋转</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>向右旋转</translation>
    </message>
    <message>
        <source>Sign &amp; Stamp</source>
        <translation>签名和盖章</translation>
    </message>
    <message>
        <source>Extract…</source>
        <translation>提取…</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
</context>
<context>
    <name>PageImage</name>
    <message>
        <source>Can&apos;t be shown</source>
        <translation>无法显示</translation>
    </message>
</context>
<context>
    <name>PageListModel</name>
    <message>
        <source>Page %1</source>
        <translation>第 %1 页</translation>
    </message>
</context>
<context>
    <name>PasswordPrompt</name>
    <message>
        <source>“%1” is locked</source>
        <translation>“%1”已加密</translation>
    </message>
    <message>
        <source>That password didn&apos;t open it. Try again.</source>
        <translation>该密码无法打开它。请重试。</translation>
    </message>
    <message>
        <source>Enter its password to open it. The password stays on this computer.</source>
        <translation>请输入密码以打开。密码只保留在这台电脑上。</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
</context>
<context>
    <name>PasswordSheet</name>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>“%1” is protected with a password. Save a copy that opens without it, or a copy with a new one.</source>
        <translation>“%1”受密码保护。可以保存一份无需密码即可打开的副本，或一份使用新密码的副本。</translation>
    </message>
    <message>
        <source>Save a Copy without Password…</source>
        <translation>保存无密码副本…</translation>
    </message>
    <message>
        <source>Save a copy that asks for this password to open. Keep it somewhere safe: it can&apos;t be recovered.</source>
        <translation>保存一份打开时需要此密码的副本。请妥善保管密码：它无法找回。</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>新密码</translation>
    </message>
    <message>
        <source>Repeat password</source>
        <translation>再次输入密码</translation>
    </message>
    <message>
        <source>The passwords don&apos;t match.</source>
        <translation>两次输入的密码不一致。</translation>
    </message>
    <message>
        <source>Save Protected Copy…</source>
        <translation>保存受保护的副本…</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>正在保存…</translation>
    </message>
    <message>
        <source>%1 (protected)</source>
        <extracomment>The name offered for the copy: %1 the document&apos;s name.</extracomment>
        <translation>%1（受保护）</translation>
    </message>
    <message>
        <source>%1 (no password)</source>
        <translation>%1（无密码）</translation>
    </message>
</context>
<context>
    <name>PlacedStamp</name>
    <message>
        <source>Drag to turn</source>
        <translation>拖动以旋转</translation>
    </message>
    <message>
        <source>Drag to resize</source>
        <translation>拖动以调整大小</translation>
    </message>
</context>
<context>
    <name>ProcessRunner</name>
    <message>
        <source>The tool didn&apos;t answer in time.</source>
        <extracomment>Error when a command-line tool times out</extracomment>
        <translation>工具未能及时响应。</translation>
    </message>
    <message>
        <source>Exit code %1</source>
        <extracomment>Error of a command-line tool that gave no message</extracomment>
        <translation>退出代码 %1</translation>
    </message>
</context>
<context>
    <name>ReadyStamp</name>
    <message>
        <source>APPROVED</source>
        <translation>已批准</translation>
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
        <translation>机密</translation>
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
        <translation>红色</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>蓝色</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>黑色</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>Add today&apos;s date</source>
        <translation>添加今天的日期</translation>
    </message>
    <message>
        <source>Your own word, like PAID IN CASH</source>
        <translation>你自己的文字，如“现金已付”</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
</context>
<context>
    <name>RootView</name>
    <message>
        <source>Support Tamsel</source>
        <translation>支持 Tamsel</translation>
    </message>
    <message>
        <source>Support the developer</source>
        <translation>支持开发者</translation>
    </message>
    <message>
        <source>About Tamsel</source>
        <translation>关于 Tamsel</translation>
    </message>
    <message>
        <source>About, updates, privacy and support</source>
        <translation>关于、更新、隐私和支持</translation>
    </message>
    <message>
        <source>Something went wrong</source>
        <translation>出现问题</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>好</translation>
    </message>
    <message>
        <source>Save changes to “%1”?</source>
        <translation>要保存对“%1”的改动吗？</translation>
    </message>
    <message>
        <source>Your changes will be lost if you close it without saving. The original file stays as it was.</source>
        <translation>如果不保存就关闭，你的改动将会丢失。原文件保持不变。</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>另存为…</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>不保存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Save as Pictures</source>
        <translation>保存为图片</translation>
    </message>
    <message>
        <source>Hide Sidebar</source>
        <translation>隐藏边栏</translation>
    </message>
    <message>
        <source>Show Sidebar</source>
        <translation>显示边栏</translation>
    </message>
</context>
<context>
    <name>Sharing</name>
    <message>
        <source>Email…</source>
        <translation>电子邮件…</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>复制链接</translation>
    </message>
    <message>
        <source>Link copied</source>
        <translation>链接已复制</translation>
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
        <translation>主页</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>打开…</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>工具</translation>
    </message>
    <message>
        <source>Merge PDFs</source>
        <translation>合并 PDF</translation>
    </message>
    <message>
        <source>Signatures &amp; Stamps</source>
        <translation>签名和印章</translation>
    </message>
    <message>
        <source>QR Codes</source>
        <translation>二维码</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>另存为…</translation>
    </message>
    <message>
        <source>Add to Merge</source>
        <translation>添加到合并</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>SignView</name>
    <message>
        <source>Pages</source>
        <translation>页面</translation>
    </message>
    <message>
        <source>Back to all pages</source>
        <translation>返回所有页面</translation>
    </message>
    <message>
        <source>Sign &amp; Stamp</source>
        <translation>签名和盖章</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>另存为…</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>上一页</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>下一页</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>第 %1 页，共 %2 页</translation>
    </message>
</context>
<context>
    <name>SplitSheet</name>
    <message>
        <source>Split “%1”</source>
        <translation>拆分“%1”</translation>
    </message>
    <message>
        <source>By page ranges</source>
        <translation>按页面范围</translation>
    </message>
    <message>
        <source>Every few pages</source>
        <translation>每隔几页</translation>
    </message>
    <message>
        <source>Page by page</source>
        <translation>逐页</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>拆分</translation>
    </message>
    <message>
        <source>For example: 1-3, 5, 8-10</source>
        <translation>例如：1-3, 5, 8-10</translation>
    </message>
    <message>
        <source>Each range becomes its own PDF. Pages 1 to %1.</source>
        <translation>每个范围成为一个独立的 PDF。页码为 1 到 %1。</translation>
    </message>
    <message>
        <source>Pages per file</source>
        <translation>每个文件的页数</translation>
    </message>
    <message numerus="yes">
        <source>Each of the %n pages becomes its own PDF.</source>
        <translation>
            <numerusform>%n 页中的每一页都成为独立的 PDF。</numerusform>
        </translation>
    </message>
    <message>
        <source>Split…</source>
        <translation>拆分…</translation>
    </message>
    <message numerus="yes">
        <source>A new file every %n pages</source>
        <translation>
            <numerusform>每 %n 页一个新文件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Makes %n files: %1</source>
        <translation>
            <numerusform>生成 %n 个文件：%1</numerusform>
        </translation>
    </message>
    <message>
        <source>Use page numbers from 1 to %1, like 1-3, 5.</source>
        <translation>请使用 1 到 %1 之间的页码，如 1-3, 5。</translation>
    </message>
    <message>
        <source>Split Here</source>
        <translation>拆分到这里</translation>
    </message>
    <message>
        <source>Splitting…</source>
        <translation>正在拆分…</translation>
    </message>
</context>
<context>
    <name>StampLibrary</name>
    <message>
        <source>Signature</source>
        <translation>签名</translation>
    </message>
    <message>
        <source>Stamp</source>
        <translation>印章</translation>
    </message>
    <message>
        <source>The signature or stamp couldn&apos;t be saved. Try again.</source>
        <translation>无法保存签名或印章。请重试。</translation>
    </message>
    <message>
        <source>The change couldn&apos;t be saved. Try again.</source>
        <translation>无法保存改动。请重试。</translation>
    </message>
</context>
<context>
    <name>StampLibraryPanel</name>
    <message>
        <source>Put on this page</source>
        <translation>放到这一页</translation>
    </message>
    <message>
        <source>Signatures &amp; Stamps</source>
        <translation>签名和印章</translation>
    </message>
    <message>
        <source>Add your signature or a company seal once; it stays in Tamsel on this computer for every document.</source>
        <translation>添加一次签名或公司印章，它就会保存在这台电脑的 Tamsel 中，可用于每份文档。</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>角度</translation>
    </message>
    <message>
        <source>Add to All Pages</source>
        <translation>添加到所有页面</translation>
    </message>
    <message>
        <source>Remove from Page</source>
        <translation>从页面移除</translation>
    </message>
    <message>
        <source>Or paste a photo or scan with Ctrl+V, or drop one here.</source>
        <translation>或者按 Ctrl+V 粘贴照片或扫描件，或将其拖到这里。</translation>
    </message>
</context>
<context>
    <name>StampMaker</name>
    <message>
        <source>This image can&apos;t be read.</source>
        <translation>无法读取此图片。</translation>
    </message>
    <message>
        <source>No signature or stamp found. Try a photo of it on white paper.</source>
        <translation>未找到签名或印章。请试试在白纸上拍摄的照片。</translation>
    </message>
</context>
<context>
    <name>StampsView</name>
    <message>
        <source>Rename or delete</source>
        <translation>重命名或删除</translation>
    </message>
    <message>
        <source>Rename or delete “%1”</source>
        <translation>重命名或删除“%1”</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>重命名…</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>删除…</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>重命名</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Signatures &amp; Stamps</source>
        <translation>签名和印章</translation>
    </message>
    <message>
        <source>Your signature, initials or a company seal, with the paper removed automatically. They stay only on this computer. Tamsel puts your own images on documents; it doesn&apos;t make a signature legally binding by itself.</source>
        <translation>你的签名、姓名缩写或公司印章，纸张背景会自动去除。它们只保存在这台电脑上。Tamsel 只是把你自己的图片放到文档上；仅凭这一点并不能让签名具有法律效力。</translation>
    </message>
    <message>
        <source>No signatures or stamps yet</source>
        <translation>还没有签名或印章</translation>
    </message>
    <message>
        <source>Sign a white sheet of paper or stamp it, then take a photo of it and choose the photo or a scan. You can also draw with the trackpad or pick a ready stamp like PAID or APPROVED.</source>
        <translation>在一张白纸上签名或盖章，拍照后选择该照片或扫描件。你也可以用触控板绘制，或选择“已付款”“已批准”等现成印章。</translation>
    </message>
    <message>
        <source>Tamsel</source>
        <translation>Tamsel</translation>
    </message>
    <message>
        <source>Delete “%1”?</source>
        <translation>要删除“%1”吗？</translation>
    </message>
    <message>
        <source>It also leaves pages open in Tamsel. Files you already saved keep it.</source>
        <translation>它也会从 Tamsel 中打开的页面上移除。已保存的文件仍会保留它。</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
</context>
<context>
    <name>SupportView</name>
    <message>
        <source>Done! Support Tamsel?</source>
        <translation>完成！要支持 Tamsel 吗？</translation>
    </message>
    <message>
        <source>Support Tamsel</source>
        <translation>支持 Tamsel</translation>
    </message>
    <message>
        <source>Tamsel is free: no ads, no tracking, no subscription. If it saved you time, you can thank the developer with crypto. Any amount helps keep it free.</source>
        <translation>Tamsel 是免费的：无广告、无跟踪、无需订阅。如果它为你节省了时间，可以用加密货币感谢开发者。任何金额都有助于让它保持免费。</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>网络</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>可发送</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>地址</translation>
    </message>
    <message>
        <source>Send only on the networks listed above. Coins sent on another network can&apos;t be recovered.</source>
        <translation>请只通过上面列出的网络发送。通过其他网络发送的币无法找回。</translation>
    </message>
    <message>
        <source>The same addresses are on %1/donate.</source>
        <translation>同样的地址也列在 %1/donate 上。</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>以后再说</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>QR code of the %1 address</source>
        <translation>%1 地址的二维码</translation>
    </message>
    <message>
        <source>Address copied</source>
        <translation>地址已复制</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>已复制</translation>
    </message>
    <message>
        <source>Copy Address</source>
        <translation>复制地址</translation>
    </message>
    <message>
        <source>This copy of Tamsel was built without donation addresses. The developer&apos;s are on %1/donate.</source>
        <translation>此 Tamsel 副本构建时未包含捐赠地址。开发者的地址见 %1/donate。</translation>
    </message>
</context>
<context>
    <name>TellAFriendView</name>
    <message>
        <source>Tell a friend</source>
        <translation>推荐给朋友</translation>
    </message>
    <message>
        <source>Like Tamsel? Tell a friend.</source>
        <translation>喜欢 Tamsel？推荐给朋友吧。</translation>
    </message>
    <message>
        <source>Tamsel is free: no ads, no tracking. We don&apos;t buy ads, so friends telling friends is how people find it.</source>
        <translation>Tamsel 是免费的：无广告、无跟踪。我们不买广告，大家是通过朋友之间的推荐找到它的。</translation>
    </message>
    <message>
        <source>Your friend gets this message:</source>
        <translation>你的朋友会收到这条消息：</translation>
    </message>
    <message>
        <source>You choose the app and the friend; we never see who.</source>
        <translation>由你选择应用和朋友；我们永远不会知道是谁。</translation>
    </message>
    <message>
        <source>Share…</source>
        <translation>分享…</translation>
    </message>
    <message>
        <source>Tamsel for Linux: free PDF tools, signatures and stamps, QR codes. Everything stays on your computer.</source>
        <comment>The message shared with a friend, followed by the link to the app&apos;s page.</comment>
        <translation>Tamsel for Linux：免费的 PDF 工具、签名和印章、二维码。一切都留在你的电脑上。</translation>
    </message>
    <message>
        <source>Message copied</source>
        <translation>消息已复制</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>已复制</translation>
    </message>
    <message>
        <source>Copy Message</source>
        <translation>复制消息</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>以后再说</translation>
    </message>
</context>
<context>
    <name>ToastView</name>
    <message>
        <source>Show in Folder</source>
        <translation>在文件夹中显示</translation>
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
        <translation>目前无法获取更新信息。请稍后重试。</translation>
    </message>
    <message>
        <source>Couldn&apos;t check for updates: %1</source>
        <extracomment>Check for Updates error. The placeholder is the system&apos;s error message.</extracomment>
        <translation>无法检查更新：%1</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation>数据格式不正确，无法读取。</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation>数据缺失，无法读取。</translation>
    </message>
    <message>
        <source>The update information is too large.</source>
        <translation>更新信息过大。</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>请求超时。</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>The request timed out.</source>
        <translation>请求超时。</translation>
    </message>
    <message>
        <source>moved permanently</source>
        <translation>已永久移动</translation>
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
        <translation>错误请求</translation>
    </message>
    <message>
        <source>unauthorized</source>
        <translation>未授权</translation>
    </message>
    <message>
        <source>forbidden</source>
        <translation>禁止访问</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>未找到</translation>
    </message>
    <message>
        <source>method not allowed</source>
        <translation>方法不被允许</translation>
    </message>
    <message>
        <source>request timed out</source>
        <translation>请求超时</translation>
    </message>
    <message>
        <source>no longer exists</source>
        <translation>已不存在</translation>
    </message>
    <message>
        <source>too many requests</source>
        <translation>请求过多</translation>
    </message>
    <message>
        <source>internal server error</source>
        <translation>服务器内部错误</translation>
    </message>
    <message>
        <source>unimplemented</source>
        <translation>未实现</translation>
    </message>
    <message>
        <source>bad gateway</source>
        <translation>网关错误</translation>
    </message>
    <message>
        <source>service unavailable</source>
        <translation>服务不可用</translation>
    </message>
    <message>
        <source>gateway timed out</source>
        <translation>网关超时</translation>
    </message>
    <message>
        <source>informational</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>success</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>redirected</source>
        <translation>已重定向</translation>
    </message>
    <message>
        <source>client error</source>
        <translation>客户端错误</translation>
    </message>
    <message>
        <source>server error</source>
        <translation>服务器错误</translation>
    </message>
    <message>
        <source>Couldn&apos;t install the update (%1). This copy is now “%2” in the same folder: rename it back to Tamsel.</source>
        <extracomment>Install and Relaunch error when the old copy couldn&apos;t get its name back. Placeholders: the system&apos;s message, the app&apos;s current file name.</extracomment>
        <translation>无法安装更新（%1）。此副本现在在同一文件夹中名为“%2”：请将其重命名回 Tamsel。</translation>
    </message>
    <message>
        <source>Couldn&apos;t install the update (%1). This copy wasn&apos;t changed.</source>
        <extracomment>Install and Relaunch error. The placeholder is the system&apos;s or a tool&apos;s message.</extracomment>
        <translation>无法安装更新（%1）。此副本未做任何更改。</translation>
    </message>
    <message>
        <source>The downloaded update didn&apos;t pass the check. This copy wasn&apos;t changed.</source>
        <extracomment>Install and Relaunch error</extracomment>
        <translation>下载的更新未通过校验。此副本未做任何更改。</translation>
    </message>
    <message>
        <source>The download is larger than expected.</source>
        <extracomment>Install and Relaunch error, inside &quot;Couldn&apos;t install the update (…)&quot;: the server sent more than the update&apos;s size.</extracomment>
        <translation>下载的文件比预期的大。</translation>
    </message>
    <message>
        <source>There isn&apos;t enough free space for the update.</source>
        <extracomment>Install and Relaunch error, inside &quot;Couldn&apos;t install the update (…)&quot;.</extracomment>
        <translation>没有足够的可用空间来安装更新。</translation>
    </message>
</context>
</TS>
