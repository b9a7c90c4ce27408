<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi_VN">
<context>
    <name>AboutView</name>
    <message>
        <source>About Tamsel</source>
        <translation>Giới thiệu Tamsel</translation>
    </message>
    <message>
        <source>Tamsel for Linux</source>
        <translation>Tamsel cho Linux</translation>
    </message>
    <message>
        <source>Version %1 (%2) · by Vornel Apps</source>
        <translation>Phiên bản %1 (%2) · của Vornel Apps</translation>
    </message>
    <message>
        <source>Help &amp; legal</source>
        <translation>Trợ giúp &amp; pháp lý</translation>
    </message>
    <message>
        <source>Follow us</source>
        <translation>Theo dõi chúng tôi</translation>
    </message>
    <message>
        <source>More from Vornel Apps</source>
        <translation>Thêm từ Vornel Apps</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Cập nhật</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Kiểm tra cập nhật</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Ngôn ngữ</translation>
    </message>
    <message>
        <source>Same as system</source>
        <translation>Giống hệ thống</translation>
    </message>
    <message>
        <source>Restart Tamsel</source>
        <translation>Khởi động lại Tamsel</translation>
    </message>
    <message>
        <source>Free, with optional support</source>
        <translation>Miễn phí, ủng hộ tùy ý</translation>
    </message>
    <message>
        <source>No ads, no tracking, no account, no subscription. Everything runs on your computer. If Tamsel helps, you can support the developer with crypto.</source>
        <translation>Không quảng cáo, không theo dõi, không tài khoản, không thuê bao. Mọi thứ chạy trên máy tính của bạn. Nếu Tamsel hữu ích, bạn có thể ủng hộ nhà phát triển bằng tiền mã hóa.</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Ủng hộ</translation>
    </message>
    <message>
        <source>Tell a friend</source>
        <translation>Giới thiệu cho bạn bè</translation>
    </message>
    <message>
        <source>Tamsel spends nothing on ads, so people telling people is how it grows. Share a link to its page; nothing is sent unless you choose where.</source>
        <translation>Tamsel không chi gì cho quảng cáo, nên nó lớn lên nhờ mọi người kể cho nhau. Hãy chia sẻ liên kết đến trang của nó; không có gì được gửi đi trừ khi bạn chọn nơi gửi.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Chia sẻ</translation>
    </message>
    <message>
        <source>Write to Support</source>
        <translation>Viết cho bộ phận hỗ trợ</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>Chính sách quyền riêng tư</translation>
    </message>
    <message>
        <source>Terms of Use</source>
        <translation>Điều khoản sử dụng</translation>
    </message>
    <message>
        <source>X (developer)</source>
        <comment>Link to the developer&apos;s account on X</comment>
        <translation>X (nhà phát triển)</translation>
    </message>
    <message>
        <source>Our other apps</source>
        <translation>Các ứng dụng khác của chúng tôi</translation>
    </message>
    <message>
        <source>Tamsel checks only when you ask. It reads one file on %1 and sends nothing about your computer.</source>
        <translation>Tamsel chỉ kiểm tra khi bạn yêu cầu. Ứng dụng đọc một tệp trên %1 và không gửi gì về máy tính của bạn.</translation>
    </message>
    <message>
        <source>You have the latest version.</source>
        <translation>Bạn đang dùng phiên bản mới nhất.</translation>
    </message>
    <message>
        <source>Version %1 is available.</source>
        <translation>Đã có phiên bản %1.</translation>
    </message>
    <message>
        <source>Downloading and checking the update…</source>
        <translation>Đang tải xuống và kiểm tra bản cập nhật…</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Tải xuống</translation>
    </message>
    <message>
        <source>Tamsel switches to the new language after a restart. Save or close the files with changes first.</source>
        <translation>Tamsel sẽ chuyển sang ngôn ngữ mới sau khi khởi động lại. Hãy lưu hoặc đóng các tệp có thay đổi trước.</translation>
    </message>
    <message>
        <source>Tamsel switches to the new language after a restart.</source>
        <translation>Tamsel sẽ chuyển sang ngôn ngữ mới sau khi khởi động lại.</translation>
    </message>
    <message>
        <source>Install and Relaunch</source>
        <translation>Cài đặt và khởi động lại</translation>
    </message>
    <message>
        <source>Save or close the files with changes first: Tamsel restarts to finish the update.</source>
        <translation>Hãy lưu hoặc đóng các tệp có thay đổi trước: Tamsel sẽ khởi động lại để hoàn tất cập nhật.</translation>
    </message>
</context>
<context>
    <name>AppModel</name>
    <message>
        <source>There&apos;s no picture on the clipboard. Copy a screenshot or an image first.</source>
        <translation>Không có hình ảnh trong bảng nhớ tạm. Hãy sao chép ảnh chụp màn hình hoặc hình ảnh trước.</translation>
    </message>
    <message>
        <source>A file needs at least one page. To get rid of it, close the file.</source>
        <translation>Một tệp cần ít nhất một trang. Để bỏ tệp, hãy đóng tệp đó.</translation>
    </message>
    <message>
        <source>Tamsel opens PDFs and images.</source>
        <translation>Tamsel mở được PDF và hình ảnh.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be opened.</source>
        <translation>Không thể mở “%1”.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be opened. It may be damaged or not a PDF.</source>
        <translation>Không thể mở “%1”. Tệp có thể bị hỏng hoặc không phải PDF.</translation>
    </message>
    <message>
        <source>Choose PDFs or images</source>
        <translation>Chọn PDF hoặc hình ảnh</translation>
    </message>
    <message>
        <source>Saved “%1”</source>
        <translation>Đã lưu “%1”</translation>
    </message>
    <message>
        <source>“%1” is open in Tamsel, so it can&apos;t be replaced. Save under another name.</source>
        <translation>“%1” đang mở trong Tamsel nên không thể thay thế. Hãy lưu với tên khác.</translation>
    </message>
    <message>
        <source>“%1” wasn&apos;t saved because another task was still running. Try again when it has finished.</source>
        <translation>Chưa lưu “%1” vì một tác vụ khác vẫn đang chạy. Hãy thử lại khi tác vụ đó xong.</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Đang lưu…</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be used as a file name.</source>
        <translation>Không thể dùng “%1” làm tên tệp.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because the name is too long.</source>
        <translation>Không thể lưu “%1” vì tên quá dài.</translation>
    </message>
    <message>
        <source>Merging…</source>
        <translation>Đang gộp…</translation>
    </message>
    <message>
        <source>%1 (pages %2)</source>
        <extracomment>The name offered for a file of some pages: %1 the document&apos;s name, %2 the page numbers (&quot;1-3, 5&quot;).</extracomment>
        <translation>%1 (trang %2)</translation>
    </message>
    <message>
        <source>%1 (merged)</source>
        <extracomment>The name offered for the merged file: %1 the first file&apos;s name.</extracomment>
        <translation>%1 (đã gộp)</translation>
    </message>
    <message>
        <source>%1 (signed)</source>
        <extracomment>The name offered when saving: %1 the document&apos;s name.</extracomment>
        <translation>%1 (đã ký)</translation>
    </message>
    <message>
        <source>%1 (edited)</source>
        <translation>%1 (đã sửa)</translation>
    </message>
    <message numerus="yes">
        <source>Added to all %n pages</source>
        <translation>
            <numerusform>Đã thêm vào cả %n trang</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Saved %n files</source>
        <translation>
            <numerusform>Đã lưu %n tệp</numerusform>
        </translation>
    </message>
    <message>
        <source>The update is installed. Save your files, then quit and open Tamsel again to use it.</source>
        <translation>Bản cập nhật đã được cài đặt. Hãy lưu tệp của bạn, rồi thoát và mở lại Tamsel để dùng bản mới.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be opened. %2</source>
        <translation>Không thể mở “%1”. %2</translation>
    </message>
</context>
<context>
    <name>BusyOverlay</name>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
</context>
<context>
    <name>CodeCard</name>
    <message>
        <source>Link</source>
        <translation>Liên kết</translation>
    </message>
    <message>
        <source>Wi-Fi</source>
        <translation>Wi-Fi</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Liên hệ</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Sự kiện</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Điện thoại</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Tin nhắn</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Email</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Vị trí</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Sách</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Sản phẩm</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Văn bản</translation>
    </message>
    <message>
        <source>%1, page %2</source>
        <translation>%1, trang %2</translation>
    </message>
    <message>
        <source>Not encrypted: the address starts with http, not https.</source>
        <translation>Không mã hóa: địa chỉ bắt đầu bằng http, không phải https.</translation>
    </message>
    <message>
        <source>A bare number instead of a site name.</source>
        <translation>Chỉ là một dãy số thay cho tên trang web.</translation>
    </message>
    <message>
        <source>“%1” is not the site. The real site is %2.</source>
        <translation>“%1” không phải là trang web thật. Trang web thật là %2.</translation>
    </message>
    <message>
        <source>Letters from different alphabets: this address can imitate another site.</source>
        <translation>Chữ cái từ nhiều bảng chữ cái khác nhau: địa chỉ này có thể giả mạo trang web khác.</translation>
    </message>
    <message>
        <source>Special characters in the name can imitate another site.</source>
        <translation>Ký tự đặc biệt trong tên có thể giả mạo trang web khác.</translation>
    </message>
    <message>
        <source>Looks like %1, but the real site is %2.</source>
        <translation>Trông giống %1, nhưng trang web thật là %2.</translation>
    </message>
    <message>
        <source>The real site is %1, not %2.</source>
        <translation>Trang web thật là %1, không phải %2.</translation>
    </message>
    <message>
        <source>A short link hides where it leads.</source>
        <translation>Liên kết rút gọn che giấu nơi nó dẫn tới.</translation>
    </message>
    <message>
        <source>Real site: %1</source>
        <translation>Trang web thật: %1</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>Mở trong trình duyệt</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Sao chép liên kết</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Mạng</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mật khẩu</translation>
    </message>
    <message>
        <source>Copy Network Name</source>
        <translation>Sao chép tên mạng</translation>
    </message>
    <message>
        <source>Copy Password</source>
        <translation>Sao chép mật khẩu</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Sao chép</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Đã sao chép</translation>
    </message>
</context>
<context>
    <name>CodeReading</name>
    <message>
        <source>Pasted image</source>
        <translation>Hình ảnh đã dán</translation>
    </message>
    <message>
        <source>No codes found in “%1”.</source>
        <translation>Không tìm thấy mã nào trong “%1”.</translation>
    </message>
    <message>
        <source>No codes found.</source>
        <translation>Không tìm thấy mã nào.</translation>
    </message>
</context>
<context>
    <name>CodeSymbology</name>
    <message>
        <source>Barcode</source>
        <extracomment>Card title of a code whose kind is unknown</extracomment>
        <translation>Mã vạch</translation>
    </message>
</context>
<context>
    <name>CodesDropZone</name>
    <message>
        <source>Drop a picture or PDF here</source>
        <translation>Thả hình ảnh hoặc PDF vào đây</translation>
    </message>
    <message>
        <source>Or copy a screenshot (Print Screen) and paste it with Ctrl+V.</source>
        <translation>Hoặc chụp màn hình (Print Screen) rồi dán bằng Ctrl+V.</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Dán</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Mở…</translation>
    </message>
</context>
<context>
    <name>CodesView</name>
    <message>
        <source>QR Codes</source>
        <translation>Mã QR</translation>
    </message>
    <message>
        <source>Read QR codes and barcodes from pictures, screenshots and every page of a PDF. Everything is read on this computer.</source>
        <translation>Đọc mã QR và mã vạch từ hình ảnh, ảnh chụp màn hình và mọi trang của PDF. Mọi thứ được đọc ngay trên máy tính này.</translation>
    </message>
    <message>
        <source>Reading…</source>
        <translation>Đang đọc…</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Dừng</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Đã tìm thấy</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>%1 Try a sharper or larger picture.</source>
        <extracomment>%1 says why no code was found in the picture.</extracomment>
        <translation>%1 Hãy thử ảnh sắc nét hơn hoặc lớn hơn.</translation>
    </message>
</context>
<context>
    <name>CompressSheet</name>
    <message>
        <source>Compress “%1”</source>
        <translation>Nén “%1”</translation>
    </message>
    <message>
        <source>Sizes are measured on this computer: the file you save is exactly this size.</source>
        <translation>Kích thước được đo trên máy tính này: tệp bạn lưu sẽ có đúng kích thước này.</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Gốc</translation>
    </message>
    <message>
        <source>As it is now</source>
        <translation>Giữ nguyên như hiện tại</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Vừa</translation>
    </message>
    <message>
        <source>Sharp text, fits most email</source>
        <translation>Chữ sắc nét, vừa với hầu hết email</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Nhỏ</translation>
    </message>
    <message>
        <source>The smallest readable file</source>
        <translation>Tệp nhỏ nhất vẫn đọc được</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>Lưu…</translation>
    </message>
    <message>
        <source>For websites and forms with a size limit</source>
        <translation>Cho trang web và biểu mẫu có giới hạn dung lượng</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Giới hạn</translation>
    </message>
    <message>
        <source>To fit, the pages became pictures: text in this copy can&apos;t be selected or searched. The original keeps its text.</source>
        <translation>Để vừa dung lượng, các trang đã thành hình ảnh: không thể chọn hoặc tìm kiếm văn bản trong bản sao này. Bản gốc vẫn giữ văn bản.</translation>
    </message>
    <message>
        <source>Up to %1</source>
        <translation>Tối đa %1</translation>
    </message>
    <message>
        <source>Can&apos;t get under %1. The smallest Tamsel can make is %2.</source>
        <translation>Không thể nhỏ hơn %1. Kích thước nhỏ nhất Tamsel tạo được là %2.</translation>
    </message>
    <message>
        <source>Pictures in this PDF can&apos;t get much smaller while it keeps its text. Up to %1 can turn the pages into pictures when that&apos;s the only way to fit.</source>
        <translation>Hình ảnh trong PDF này khó nhỏ hơn nhiều nếu vẫn giữ văn bản. “Tối đa %1” có thể biến các trang thành hình ảnh khi đó là cách duy nhất để vừa.</translation>
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
        <translation>Ký &amp; đóng dấu</translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>Nén</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Tách</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mật khẩu</translation>
    </message>
    <message>
        <source>Insert, extract, export as images, merge</source>
        <translation>Chèn, trích xuất, xuất thành hình ảnh, gộp</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Khác</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Lưu thành…</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Xoay trái</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>Xoay trái</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>Xoay phải</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>Xoay phải</translation>
    </message>
    <message>
        <source>Delete Pages</source>
        <translation>Xóa trang</translation>
    </message>
    <message>
        <source>Delete the selected pages</source>
        <translation>Xóa các trang đã chọn</translation>
    </message>
    <message>
        <source>Drag to reorder. Drop PDFs or images to add pages. Save As… makes a new file; the original stays as it is.</source>
        <translation>Kéo để sắp xếp lại. Thả PDF hoặc hình ảnh để thêm trang. Lưu thành… tạo tệp mới; bản gốc vẫn giữ nguyên.</translation>
    </message>
    <message>
        <source>1 page</source>
        <translation>1 trang</translation>
    </message>
    <message numerus="yes">
        <source>%n pages</source>
        <translation>
            <numerusform>%n trang</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n selected</source>
        <translation>
            <numerusform>Đã chọn %n</numerusform>
        </translation>
    </message>
    <message>
        <source>password</source>
        <translation>mật khẩu</translation>
    </message>
    <message>
        <source>not saved</source>
        <translation>chưa lưu</translation>
    </message>
    <message>
        <source>Insert Pages from Files…</source>
        <translation>Chèn trang từ tệp…</translation>
    </message>
    <message>
        <source>Extract All Pages…</source>
        <translation>Trích xuất tất cả các trang…</translation>
    </message>
    <message>
        <source>Extract Selected Pages…</source>
        <translation>Trích xuất các trang đã chọn…</translation>
    </message>
    <message>
        <source>Export Pages as Images…</source>
        <translation>Xuất trang thành hình ảnh…</translation>
    </message>
    <message>
        <source>Add to Merge</source>
        <translation>Thêm vào danh sách gộp</translation>
    </message>
</context>
<context>
    <name>DrawingPad</name>
    <message>
        <source>Blue</source>
        <translation>Xanh dương</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Đen</translation>
    </message>
    <message>
        <source>Ink</source>
        <translation>Mực</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>Use This Signature</source>
        <translation>Dùng chữ ký này</translation>
    </message>
</context>
<context>
    <name>DropZone</name>
    <message>
        <source>Drop PDFs or images here</source>
        <translation>Thả PDF hoặc hình ảnh vào đây</translation>
    </message>
    <message>
        <source>or click to open. Images become pages of a new PDF.</source>
        <translation>hoặc bấm để mở. Hình ảnh sẽ thành các trang của một PDF mới.</translation>
    </message>
</context>
<context>
    <name>ExportImagesSheet</name>
    <message>
        <source>%1 page %2</source>
        <extracomment>The name of one exported picture: %1 the document&apos;s name, %2 the page number.</extracomment>
        <translation>%1 trang %2</translation>
    </message>
    <message>
        <source>Export Pages as Images</source>
        <translation>Xuất trang thành hình ảnh</translation>
    </message>
    <message>
        <source>The selected page.</source>
        <translation>Trang đã chọn.</translation>
    </message>
    <message numerus="yes">
        <source>The %n selected pages.</source>
        <translation>
            <numerusform>%n trang đã chọn.</numerusform>
        </translation>
    </message>
    <message>
        <source>The one page.</source>
        <translation>Trang duy nhất.</translation>
    </message>
    <message numerus="yes">
        <source>All %n pages.</source>
        <translation>
            <numerusform>Cả %n trang.</numerusform>
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
        <translation>Định dạng</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Độ phân giải</translation>
    </message>
    <message>
        <source>Screen (100 dpi)</source>
        <translation>Màn hình (100 dpi)</translation>
    </message>
    <message>
        <source>Good (200 dpi)</source>
        <translation>Tốt (200 dpi)</translation>
    </message>
    <message>
        <source>Print (300 dpi)</source>
        <translation>In (300 dpi)</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Xuất…</translation>
    </message>
    <message>
        <source>Export Here</source>
        <translation>Xuất tại đây</translation>
    </message>
    <message>
        <source>Exporting…</source>
        <translation>Đang xuất…</translation>
    </message>
</context>
<context>
    <name>FilePanels</name>
    <message>
        <source>Open</source>
        <translation>Mở</translation>
    </message>
    <message>
        <source>PDFs and pictures (%1)</source>
        <translation>PDF và hình ảnh (%1)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Lưu</translation>
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
        <translation>Chưa lưu</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
</context>
<context>
    <name>FileWriting</name>
    <message>
        <source>“%1” couldn&apos;t be saved because the disk is full.</source>
        <translation>Không thể lưu “%1” vì ổ đĩa đã đầy.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because it is too large for that disk.</source>
        <translation>Không thể lưu “%1” vì tệp quá lớn đối với ổ đĩa đó.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because you don&apos;t have permission to write in that folder.</source>
        <translation>Không thể lưu “%1” vì bạn không có quyền ghi vào thư mục đó.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because that disk is read-only.</source>
        <translation>Không thể lưu “%1” vì ổ đĩa đó chỉ đọc.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because the name is too long.</source>
        <translation>Không thể lưu “%1” vì tên quá dài.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because its folder doesn&apos;t exist.</source>
        <translation>Không thể lưu “%1” vì thư mục của nó không tồn tại.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because a folder of that name is in the way.</source>
        <translation>Không thể lưu “%1” vì có một thư mục trùng tên.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved (%2).</source>
        <translation>Không thể lưu “%1” (%2).</translation>
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
        <translation>Tamsel cho Linux</translation>
    </message>
    <message>
        <source>PDF tools, signatures and stamps, QR codes. Private by design · 100% on-device.</source>
        <translation>Công cụ PDF, chữ ký và con dấu, mã QR. Riêng tư ngay từ thiết kế · 100% trên thiết bị.</translation>
    </message>
    <message>
        <source>Sign &amp; Stamp</source>
        <translation>Ký &amp; đóng dấu</translation>
    </message>
    <message>
        <source>Put your signature, initials or a company seal on any page, or on all of them.</source>
        <translation>Đặt chữ ký, chữ ký tắt hoặc con dấu công ty lên bất kỳ trang nào, hoặc lên tất cả.</translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>Nén</translation>
    </message>
    <message>
        <source>Original, Medium, Small, or up to the size a website or email asks for.</source>
        <translation>Gốc, Vừa, Nhỏ, hoặc tối đa kích thước mà trang web hay email yêu cầu.</translation>
    </message>
    <message>
        <source>Merge PDFs</source>
        <translation>Gộp PDF</translation>
    </message>
    <message>
        <source>Join PDFs and images in the order you set.</source>
        <translation>Ghép PDF và hình ảnh theo thứ tự bạn chọn.</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Tách</translation>
    </message>
    <message>
        <source>By page ranges like 1-3, 5, 8-10, every few pages or page by page.</source>
        <translation>Theo khoảng trang như 1-3, 5, 8-10, cứ vài trang một lần hoặc từng trang.</translation>
    </message>
    <message>
        <source>Read QR Codes</source>
        <translation>Đọc mã QR</translation>
    </message>
    <message>
        <source>From pictures, screenshots and every page of a PDF.</source>
        <translation>Từ hình ảnh, ảnh chụp màn hình và mọi trang của PDF.</translation>
    </message>
    <message>
        <source>Images to PDF</source>
        <translation>Hình ảnh sang PDF</translation>
    </message>
    <message>
        <source>Photos and scans as pages of one PDF, in name order.</source>
        <translation>Ảnh chụp và bản quét thành các trang của một PDF, theo thứ tự tên.</translation>
    </message>
    <message>
        <source>No ads. No tracking. No account.</source>
        <translation>Không quảng cáo. Không theo dõi. Không tài khoản.</translation>
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
        <translation>&amp;Tệp</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Mở…</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Lưu thành…</translation>
    </message>
    <message>
        <source>Close File</source>
        <translation>Đóng tệp</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Thoát</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Trợ &amp;giúp</translation>
    </message>
    <message>
        <source>About Tamsel</source>
        <translation>Giới thiệu Tamsel</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Kiểm tra cập nhật…</translation>
    </message>
    <message>
        <source>Support the Developer…</source>
        <translation>Ủng hộ nhà phát triển…</translation>
    </message>
    <message>
        <source>Changes in %1 aren&apos;t saved. Use Save As… to keep them.</source>
        <translation>Các thay đổi trong %1 chưa được lưu. Hãy dùng Lưu thành… để giữ lại.</translation>
    </message>
    <message>
        <source>Stop and quit?</source>
        <translation>Dừng và thoát?</translation>
    </message>
    <message>
        <source>Tamsel is still working (%1). Quitting stops that work; nothing half-written is kept.</source>
        <translation>Tamsel vẫn đang làm việc (%1). Thoát sẽ dừng công việc đó; không giữ lại gì đang ghi dở.</translation>
    </message>
    <message>
        <source>Quit without saving?</source>
        <translation>Thoát mà không lưu?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>Quit Anyway</source>
        <translation>Vẫn thoát</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Xem</translation>
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
        <translation>1 trang</translation>
    </message>
    <message numerus="yes">
        <source>%n pages</source>
        <translation>
            <numerusform>%n trang</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 tệp</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n tệp</numerusform>
        </translation>
    </message>
    <message>
        <source>Drag to reorder</source>
        <translation>Kéo để sắp xếp lại</translation>
    </message>
    <message>
        <source>Remove from the list</source>
        <translation>Xóa khỏi danh sách</translation>
    </message>
    <message>
        <source>Merge PDFs</source>
        <translation>Gộp PDF</translation>
    </message>
    <message>
        <source>Drop PDFs and images here, drag them into order, then Merge. Open files join as they are now, with their turns, removed pages and stamps.</source>
        <translation>Thả PDF và hình ảnh vào đây, kéo để sắp xếp, rồi Gộp. Các tệp đang mở sẽ được ghép đúng như hiện tại, kèm các lần xoay, trang đã xóa và con dấu.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Thêm</translation>
    </message>
    <message>
        <source>Drop files to merge</source>
        <translation>Thả tệp để gộp</translation>
    </message>
    <message>
        <source>Two or more PDFs or images</source>
        <translation>Từ hai PDF hoặc hình ảnh trở lên</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>Merge…</source>
        <translation>Gộp…</translation>
    </message>
    <message>
        <source>Add Files…</source>
        <translation>Thêm tệp…</translation>
    </message>
</context>
<context>
    <name>NewStampMenu</name>
    <message>
        <source>From an Image File…</source>
        <translation>Từ tệp hình ảnh…</translation>
    </message>
    <message>
        <source>Draw with Trackpad or Mouse…</source>
        <translation>Vẽ bằng bàn di chuột hoặc chuột…</translation>
    </message>
    <message>
        <source>Ready Stamps…</source>
        <translation>Con dấu có sẵn…</translation>
    </message>
    <message>
        <source>New Signature or Stamp</source>
        <translation>Chữ ký hoặc con dấu mới</translation>
    </message>
    <message>
        <source>Choose a photo or scan of your signature or stamp</source>
        <translation>Chọn ảnh chụp hoặc bản quét chữ ký hay con dấu của bạn</translation>
    </message>
</context>
<context>
    <name>NewStampSheet</name>
    <message>
        <source>Draw Your Signature</source>
        <translation>Vẽ chữ ký của bạn</translation>
    </message>
    <message>
        <source>Ready Stamps</source>
        <translation>Con dấu có sẵn</translation>
    </message>
    <message>
        <source>New Signature or Stamp</source>
        <translation>Chữ ký hoặc con dấu mới</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Lưu</translation>
    </message>
    <message>
        <source>The checkerboard is what stays transparent on the page.</source>
        <translation>Phần ô bàn cờ là phần sẽ trong suốt trên trang.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Tên</translation>
    </message>
    <message>
        <source>Removing the paper…</source>
        <translation>Đang loại bỏ nền giấy…</translation>
    </message>
    <message>
        <source>The signature or stamp couldn&apos;t be saved. Try again.</source>
        <translation>Không thể lưu chữ ký hoặc con dấu. Hãy thử lại.</translation>
    </message>
</context>
<context>
    <name>PDFEngine</name>
    <message>
        <source>A page of this file can&apos;t be read anymore. Open the file again.</source>
        <translation>Không còn đọc được một trang của tệp này. Hãy mở lại tệp.</translation>
    </message>
    <message>
        <source>The PDF couldn&apos;t be made. Try again.</source>
        <translation>Không thể tạo PDF. Hãy thử lại.</translation>
    </message>
    <message>
        <source>The pages of this file are damaged in a way that stops them being copied. It can only be saved as pictures of its pages.</source>
        <translation>Các trang của tệp này bị hỏng đến mức không sao chép được. Chỉ có thể lưu tệp dưới dạng hình ảnh của các trang.</translation>
    </message>
    <message>
        <source>Reading the PDF took too long and was stopped. A page of the file may be damaged.</source>
        <translation>Việc đọc PDF mất quá lâu nên đã bị dừng. Có thể một trang của tệp bị hỏng.</translation>
    </message>
    <message>
        <source>Reading the PDF failed because a part of the file is damaged.</source>
        <translation>Không đọc được PDF vì một phần của tệp bị hỏng.</translation>
    </message>
    <message>
        <source>The PDF needs more memory than Tamsel may use for one file.</source>
        <translation>PDF này cần nhiều bộ nhớ hơn mức Tamsel được dùng cho một tệp.</translation>
    </message>
    <message>
        <source>This PDF failed to be read several times, so Tamsel doesn&apos;t try again.</source>
        <translation>PDF này đã đọc thất bại nhiều lần, nên Tamsel không thử lại nữa.</translation>
    </message>
    <message>
        <source>Tamsel&apos;s PDF reader can&apos;t be started. Install Tamsel again.</source>
        <translation>Không khởi động được trình đọc PDF của Tamsel. Hãy cài đặt lại Tamsel.</translation>
    </message>
    <message>
        <source>A page is too large for a picture at this resolution. Choose a lower resolution.</source>
        <translation>Một trang quá lớn để tạo ảnh ở độ phân giải này. Hãy chọn độ phân giải thấp hơn.</translation>
    </message>
    <message>
        <source>It was moved or deleted.</source>
        <translation>Tệp đã bị di chuyển hoặc bị xoá.</translation>
    </message>
</context>
<context>
    <name>PageGrid</name>
    <message>
        <source>Has signatures or stamps</source>
        <translation>Có chữ ký hoặc con dấu</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Xoay trái</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>Xoay phải</translation>
    </message>
    <message>
        <source>Sign &amp; Stamp</source>
        <translation>Ký &amp; đóng dấu</translation>
    </message>
    <message>
        <source>Extract…</source>
        <translation>Trích xuất…</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Xóa</translation>
    </message>
</context>
<context>
    <name>PageImage</name>
    <message>
        <source>Can&apos;t be shown</source>
        <translation>Không thể hiển thị</translation>
    </message>
</context>
<context>
    <name>PageListModel</name>
    <message>
        <source>Page %1</source>
        <translation>Trang %1</translation>
    </message>
</context>
<context>
    <name>PasswordPrompt</name>
    <message>
        <source>“%1” is locked</source>
        <translation>“%1” đã bị khóa</translation>
    </message>
    <message>
        <source>That password didn&apos;t open it. Try again.</source>
        <translation>Mật khẩu đó không mở được tệp. Hãy thử lại.</translation>
    </message>
    <message>
        <source>Enter its password to open it. The password stays on this computer.</source>
        <translation>Nhập mật khẩu để mở tệp. Mật khẩu chỉ ở lại trên máy tính này.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mật khẩu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Mở</translation>
    </message>
</context>
<context>
    <name>PasswordSheet</name>
    <message>
        <source>Password</source>
        <translation>Mật khẩu</translation>
    </message>
    <message>
        <source>“%1” is protected with a password. Save a copy that opens without it, or a copy with a new one.</source>
        <translation>“%1” được bảo vệ bằng mật khẩu. Hãy lưu một bản sao mở được mà không cần mật khẩu, hoặc một bản sao có mật khẩu mới.</translation>
    </message>
    <message>
        <source>Save a Copy without Password…</source>
        <translation>Lưu bản sao không có mật khẩu…</translation>
    </message>
    <message>
        <source>Save a copy that asks for this password to open. Keep it somewhere safe: it can&apos;t be recovered.</source>
        <translation>Lưu một bản sao hỏi mật khẩu này khi mở. Hãy giữ mật khẩu ở nơi an toàn: không thể khôi phục nó.</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Mật khẩu mới</translation>
    </message>
    <message>
        <source>Repeat password</source>
        <translation>Nhập lại mật khẩu</translation>
    </message>
    <message>
        <source>The passwords don&apos;t match.</source>
        <translation>Mật khẩu không khớp.</translation>
    </message>
    <message>
        <source>Save Protected Copy…</source>
        <translation>Lưu bản sao được bảo vệ…</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Đang lưu…</translation>
    </message>
    <message>
        <source>%1 (protected)</source>
        <extracomment>The name offered for the copy: %1 the document&apos;s name.</extracomment>
        <translation>%1 (được bảo vệ)</translation>
    </message>
    <message>
        <source>%1 (no password)</source>
        <translation>%1 (không mật khẩu)</translation>
    </message>
</context>
<context>
    <name>PlacedStamp</name>
    <message>
        <source>Drag to turn</source>
        <translation>Kéo để xoay</translation>
    </message>
    <message>
        <source>Drag to resize</source>
        <translation>Kéo để đổi kích thước</translation>
    </message>
</context>
<context>
    <name>ProcessRunner</name>
    <message>
        <source>The tool didn&apos;t answer in time.</source>
        <extracomment>Error when a command-line tool times out</extracomment>
        <translation>Công cụ không phản hồi kịp thời.</translation>
    </message>
    <message>
        <source>Exit code %1</source>
        <extracomment>Error of a command-line tool that gave no message</extracomment>
        <translation>Mã thoát %1</translation>
    </message>
</context>
<context>
    <name>ReadyStamp</name>
    <message>
        <source>APPROVED</source>
        <translation>ĐÃ DUYỆT</translation>
    </message>
    <message>
        <source>PAID</source>
        <translation>ĐÃ THANH TOÁN</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>BẢN SAO</translation>
    </message>
    <message>
        <source>CONFIDENTIAL</source>
        <translation>MẬT</translation>
    </message>
    <message>
        <source>DRAFT</source>
        <translation>BẢN NHÁP</translation>
    </message>
    <message>
        <source>RECEIVED</source>
        <translation>ĐÃ NHẬN</translation>
    </message>
</context>
<context>
    <name>ReadyStampsPicker</name>
    <message>
        <source>Red</source>
        <translation>Đỏ</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Xanh dương</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Đen</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Màu</translation>
    </message>
    <message>
        <source>Add today&apos;s date</source>
        <translation>Thêm ngày hôm nay</translation>
    </message>
    <message>
        <source>Your own word, like PAID IN CASH</source>
        <translation>Từ của riêng bạn, như ĐÃ TRẢ TIỀN MẶT</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Thêm</translation>
    </message>
</context>
<context>
    <name>RootView</name>
    <message>
        <source>Support Tamsel</source>
        <translation>Ủng hộ Tamsel</translation>
    </message>
    <message>
        <source>Support the developer</source>
        <translation>Ủng hộ nhà phát triển</translation>
    </message>
    <message>
        <source>About Tamsel</source>
        <translation>Giới thiệu Tamsel</translation>
    </message>
    <message>
        <source>About, updates, privacy and support</source>
        <translation>Giới thiệu, cập nhật, quyền riêng tư và ủng hộ</translation>
    </message>
    <message>
        <source>Something went wrong</source>
        <translation>Đã xảy ra lỗi</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save changes to “%1”?</source>
        <translation>Lưu thay đổi cho “%1”?</translation>
    </message>
    <message>
        <source>Your changes will be lost if you close it without saving. The original file stays as it was.</source>
        <translation>Các thay đổi sẽ mất nếu bạn đóng mà không lưu. Tệp gốc vẫn giữ nguyên như trước.</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Lưu thành…</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Không lưu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>Save as Pictures</source>
        <translation>Lưu thành hình ảnh</translation>
    </message>
    <message>
        <source>Hide Sidebar</source>
        <translation>Ẩn thanh bên</translation>
    </message>
    <message>
        <source>Show Sidebar</source>
        <translation>Hiện thanh bên</translation>
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
        <translation>Sao chép liên kết</translation>
    </message>
    <message>
        <source>Link copied</source>
        <translation>Đã sao chép liên kết</translation>
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
        <translation>của Vornel Apps</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Trang chủ</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Tệp</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Mở…</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Công cụ</translation>
    </message>
    <message>
        <source>Merge PDFs</source>
        <translation>Gộp PDF</translation>
    </message>
    <message>
        <source>Signatures &amp; Stamps</source>
        <translation>Chữ ký &amp; con dấu</translation>
    </message>
    <message>
        <source>QR Codes</source>
        <translation>Mã QR</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Lưu thành…</translation>
    </message>
    <message>
        <source>Add to Merge</source>
        <translation>Thêm vào danh sách gộp</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
</context>
<context>
    <name>SignView</name>
    <message>
        <source>Pages</source>
        <translation>Các trang</translation>
    </message>
    <message>
        <source>Back to all pages</source>
        <translation>Quay lại tất cả các trang</translation>
    </message>
    <message>
        <source>Sign &amp; Stamp</source>
        <translation>Ký &amp; đóng dấu</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Xong</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Lưu thành…</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Trang trước</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Trang sau</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Trang %1 / %2</translation>
    </message>
</context>
<context>
    <name>SplitSheet</name>
    <message>
        <source>Split “%1”</source>
        <translation>Tách “%1”</translation>
    </message>
    <message>
        <source>By page ranges</source>
        <translation>Theo khoảng trang</translation>
    </message>
    <message>
        <source>Every few pages</source>
        <translation>Cứ vài trang</translation>
    </message>
    <message>
        <source>Page by page</source>
        <translation>Từng trang</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Tách</translation>
    </message>
    <message>
        <source>For example: 1-3, 5, 8-10</source>
        <translation>Ví dụ: 1-3, 5, 8-10</translation>
    </message>
    <message>
        <source>Each range becomes its own PDF. Pages 1 to %1.</source>
        <translation>Mỗi khoảng trở thành một PDF riêng. Trang 1 đến %1.</translation>
    </message>
    <message>
        <source>Pages per file</source>
        <translation>Số trang mỗi tệp</translation>
    </message>
    <message numerus="yes">
        <source>Each of the %n pages becomes its own PDF.</source>
        <translation>
            <numerusform>Mỗi trang trong %n trang trở thành một PDF riêng.</numerusform>
        </translation>
    </message>
    <message>
        <source>Split…</source>
        <translation>Tách…</translation>
    </message>
    <message numerus="yes">
        <source>A new file every %n pages</source>
        <translation>
            <numerusform>Cứ %n trang một tệp mới</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Makes %n files: %1</source>
        <translation>
            <numerusform>Tạo %n tệp: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Use page numbers from 1 to %1, like 1-3, 5.</source>
        <translation>Hãy dùng số trang từ 1 đến %1, ví dụ 1-3, 5.</translation>
    </message>
    <message>
        <source>Split Here</source>
        <translation>Tách vào đây</translation>
    </message>
    <message>
        <source>Splitting…</source>
        <translation>Đang tách…</translation>
    </message>
</context>
<context>
    <name>StampLibrary</name>
    <message>
        <source>Signature</source>
        <translation>Chữ ký</translation>
    </message>
    <message>
        <source>Stamp</source>
        <translation>Con dấu</translation>
    </message>
    <message>
        <source>The signature or stamp couldn&apos;t be saved. Try again.</source>
        <translation>Không thể lưu chữ ký hoặc con dấu. Hãy thử lại.</translation>
    </message>
    <message>
        <source>The change couldn&apos;t be saved. Try again.</source>
        <translation>Không thể lưu thay đổi. Hãy thử lại.</translation>
    </message>
</context>
<context>
    <name>StampLibraryPanel</name>
    <message>
        <source>Put on this page</source>
        <translation>Đặt lên trang này</translation>
    </message>
    <message>
        <source>Signatures &amp; Stamps</source>
        <translation>Chữ ký &amp; con dấu</translation>
    </message>
    <message>
        <source>Add your signature or a company seal once; it stays in Tamsel on this computer for every document.</source>
        <translation>Thêm chữ ký hoặc con dấu công ty một lần; nó sẽ ở lại trong Tamsel trên máy tính này cho mọi tài liệu.</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Góc</translation>
    </message>
    <message>
        <source>Add to All Pages</source>
        <translation>Thêm vào tất cả các trang</translation>
    </message>
    <message>
        <source>Remove from Page</source>
        <translation>Gỡ khỏi trang</translation>
    </message>
    <message>
        <source>Or paste a photo or scan with Ctrl+V, or drop one here.</source>
        <translation>Hoặc dán ảnh chụp hay bản quét bằng Ctrl+V, hoặc thả vào đây.</translation>
    </message>
</context>
<context>
    <name>StampMaker</name>
    <message>
        <source>This image can&apos;t be read.</source>
        <translation>Không thể đọc hình ảnh này.</translation>
    </message>
    <message>
        <source>No signature or stamp found. Try a photo of it on white paper.</source>
        <translation>Không tìm thấy chữ ký hay con dấu. Hãy thử ảnh chụp trên giấy trắng.</translation>
    </message>
</context>
<context>
    <name>StampsView</name>
    <message>
        <source>Rename or delete</source>
        <translation>Đổi tên hoặc xóa</translation>
    </message>
    <message>
        <source>Rename or delete “%1”</source>
        <translation>Đổi tên hoặc xóa “%1”</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>Đổi tên…</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>Xóa…</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Đổi tên</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Tên</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>Signatures &amp; Stamps</source>
        <translation>Chữ ký &amp; con dấu</translation>
    </message>
    <message>
        <source>Your signature, initials or a company seal, with the paper removed automatically. They stay only on this computer. Tamsel puts your own images on documents; it doesn&apos;t make a signature legally binding by itself.</source>
        <translation>Chữ ký, chữ ký tắt hoặc con dấu công ty của bạn, với nền giấy được tự động loại bỏ. Chúng chỉ ở trên máy tính này. Tamsel đặt hình ảnh của chính bạn lên tài liệu; riêng điều đó không làm cho chữ ký có giá trị pháp lý.</translation>
    </message>
    <message>
        <source>No signatures or stamps yet</source>
        <translation>Chưa có chữ ký hay con dấu</translation>
    </message>
    <message>
        <source>Sign a white sheet of paper or stamp it, then take a photo of it and choose the photo or a scan. You can also draw with the trackpad or pick a ready stamp like PAID or APPROVED.</source>
        <translation>Ký hoặc đóng dấu lên một tờ giấy trắng, chụp ảnh lại rồi chọn ảnh đó hoặc bản quét. Bạn cũng có thể vẽ bằng bàn di chuột hoặc chọn con dấu có sẵn như ĐÃ THANH TOÁN hay ĐÃ DUYỆT.</translation>
    </message>
    <message>
        <source>Tamsel</source>
        <translation>Tamsel</translation>
    </message>
    <message>
        <source>Delete “%1”?</source>
        <translation>Xóa “%1”?</translation>
    </message>
    <message>
        <source>It also leaves pages open in Tamsel. Files you already saved keep it.</source>
        <translation>Nó cũng biến mất khỏi các trang đang mở trong Tamsel. Các tệp bạn đã lưu vẫn giữ nó.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Xóa</translation>
    </message>
</context>
<context>
    <name>SupportView</name>
    <message>
        <source>Done! Support Tamsel?</source>
        <translation>Xong! Ủng hộ Tamsel nhé?</translation>
    </message>
    <message>
        <source>Support Tamsel</source>
        <translation>Ủng hộ Tamsel</translation>
    </message>
    <message>
        <source>Tamsel is free: no ads, no tracking, no subscription. If it saved you time, you can thank the developer with crypto. Any amount helps keep it free.</source>
        <translation>Tamsel miễn phí: không quảng cáo, không theo dõi, không thuê bao. Nếu nó giúp bạn tiết kiệm thời gian, bạn có thể cảm ơn nhà phát triển bằng tiền mã hóa. Bất kỳ số tiền nào cũng giúp giữ nó miễn phí.</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Mạng</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Gửi</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Địa chỉ</translation>
    </message>
    <message>
        <source>Send only on the networks listed above. Coins sent on another network can&apos;t be recovered.</source>
        <translation>Chỉ gửi trên các mạng được liệt kê ở trên. Tiền gửi trên mạng khác không thể lấy lại.</translation>
    </message>
    <message>
        <source>The same addresses are on %1/donate.</source>
        <translation>Các địa chỉ này cũng có tại %1/donate.</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Để sau</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Xong</translation>
    </message>
    <message>
        <source>QR code of the %1 address</source>
        <translation>Mã QR của địa chỉ %1</translation>
    </message>
    <message>
        <source>Address copied</source>
        <translation>Đã sao chép địa chỉ</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Đã sao chép</translation>
    </message>
    <message>
        <source>Copy Address</source>
        <translation>Sao chép địa chỉ</translation>
    </message>
    <message>
        <source>This copy of Tamsel was built without donation addresses. The developer&apos;s are on %1/donate.</source>
        <translation>Bản Tamsel này được dựng không có địa chỉ quyên góp. Địa chỉ của nhà phát triển có tại %1/donate.</translation>
    </message>
</context>
<context>
    <name>TellAFriendView</name>
    <message>
        <source>Tell a friend</source>
        <translation>Giới thiệu cho bạn bè</translation>
    </message>
    <message>
        <source>Like Tamsel? Tell a friend.</source>
        <translation>Thích Tamsel? Hãy giới thiệu cho bạn bè.</translation>
    </message>
    <message>
        <source>Tamsel is free: no ads, no tracking. We don&apos;t buy ads, so friends telling friends is how people find it.</source>
        <translation>Tamsel miễn phí: không quảng cáo, không theo dõi. Chúng tôi không mua quảng cáo, nên mọi người biết đến nó nhờ bạn bè kể cho nhau.</translation>
    </message>
    <message>
        <source>Your friend gets this message:</source>
        <translation>Bạn của bạn sẽ nhận được tin nhắn này:</translation>
    </message>
    <message>
        <source>You choose the app and the friend; we never see who.</source>
        <translation>Bạn chọn ứng dụng và người bạn; chúng tôi không bao giờ biết là ai.</translation>
    </message>
    <message>
        <source>Share…</source>
        <translation>Chia sẻ…</translation>
    </message>
    <message>
        <source>Tamsel for Linux: free PDF tools, signatures and stamps, QR codes. Everything stays on your computer.</source>
        <comment>The message shared with a friend, followed by the link to the app&apos;s page.</comment>
        <translation>Tamsel cho Linux: công cụ PDF miễn phí, chữ ký và con dấu, mã QR. Mọi thứ đều ở lại trên máy tính của bạn.</translation>
    </message>
    <message>
        <source>Message copied</source>
        <translation>Đã sao chép tin nhắn</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Đã sao chép</translation>
    </message>
    <message>
        <source>Copy Message</source>
        <translation>Sao chép tin nhắn</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Xong</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Để sau</translation>
    </message>
</context>
<context>
    <name>ToastView</name>
    <message>
        <source>Show in Folder</source>
        <translation>Hiện trong thư mục</translation>
    </message>
</context>
<context>
    <name>ToolSheetFrame</name>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>The update information isn&apos;t available right now. Try again later.</source>
        <extracomment>Check for Updates error</extracomment>
        <translation>Hiện không có thông tin cập nhật. Hãy thử lại sau.</translation>
    </message>
    <message>
        <source>Couldn&apos;t check for updates: %1</source>
        <extracomment>Check for Updates error. The placeholder is the system&apos;s error message.</extracomment>
        <translation>Không thể kiểm tra cập nhật: %1</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation>Không thể đọc dữ liệu vì dữ liệu không đúng định dạng.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation>Không thể đọc dữ liệu vì dữ liệu bị thiếu.</translation>
    </message>
    <message>
        <source>The update information is too large.</source>
        <translation>Thông tin cập nhật quá lớn.</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>Yêu cầu đã hết thời gian chờ.</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>The request timed out.</source>
        <translation>Yêu cầu đã hết thời gian chờ.</translation>
    </message>
    <message>
        <source>moved permanently</source>
        <translation>đã chuyển vĩnh viễn</translation>
    </message>
    <message>
        <source>found</source>
        <translation>đã tìm thấy</translation>
    </message>
    <message>
        <source>not modified</source>
        <translation>không thay đổi</translation>
    </message>
    <message>
        <source>bad request</source>
        <translation>yêu cầu không hợp lệ</translation>
    </message>
    <message>
        <source>unauthorized</source>
        <translation>chưa được cấp quyền</translation>
    </message>
    <message>
        <source>forbidden</source>
        <translation>bị cấm</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>không tìm thấy</translation>
    </message>
    <message>
        <source>method not allowed</source>
        <translation>phương thức không được phép</translation>
    </message>
    <message>
        <source>request timed out</source>
        <translation>yêu cầu hết thời gian chờ</translation>
    </message>
    <message>
        <source>no longer exists</source>
        <translation>không còn tồn tại</translation>
    </message>
    <message>
        <source>too many requests</source>
        <translation>quá nhiều yêu cầu</translation>
    </message>
    <message>
        <source>internal server error</source>
        <translation>lỗi máy chủ nội bộ</translation>
    </message>
    <message>
        <source>unimplemented</source>
        <translation>chưa được hỗ trợ</translation>
    </message>
    <message>
        <source>bad gateway</source>
        <translation>cổng kết nối không hợp lệ</translation>
    </message>
    <message>
        <source>service unavailable</source>
        <translation>dịch vụ không khả dụng</translation>
    </message>
    <message>
        <source>gateway timed out</source>
        <translation>cổng kết nối hết thời gian chờ</translation>
    </message>
    <message>
        <source>informational</source>
        <translation>thông tin</translation>
    </message>
    <message>
        <source>success</source>
        <translation>thành công</translation>
    </message>
    <message>
        <source>redirected</source>
        <translation>đã chuyển hướng</translation>
    </message>
    <message>
        <source>client error</source>
        <translation>lỗi phía máy khách</translation>
    </message>
    <message>
        <source>server error</source>
        <translation>lỗi máy chủ</translation>
    </message>
    <message>
        <source>Couldn&apos;t install the update (%1). This copy is now “%2” in the same folder: rename it back to Tamsel.</source>
        <extracomment>Install and Relaunch error when the old copy couldn&apos;t get its name back. Placeholders: the system&apos;s message, the app&apos;s current file name.</extracomment>
        <translation>Không cài đặt được bản cập nhật (%1). Bản này giờ có tên “%2” trong cùng thư mục: hãy đổi tên lại thành Tamsel.</translation>
    </message>
    <message>
        <source>Couldn&apos;t install the update (%1). This copy wasn&apos;t changed.</source>
        <extracomment>Install and Relaunch error. The placeholder is the system&apos;s or a tool&apos;s message.</extracomment>
        <translation>Không cài đặt được bản cập nhật (%1). Bản này không bị thay đổi.</translation>
    </message>
    <message>
        <source>The downloaded update didn&apos;t pass the check. This copy wasn&apos;t changed.</source>
        <extracomment>Install and Relaunch error</extracomment>
        <translation>Bản cập nhật đã tải không vượt qua bước kiểm tra. Bản này không bị thay đổi.</translation>
    </message>
    <message>
        <source>The download is larger than expected.</source>
        <extracomment>Install and Relaunch error, inside &quot;Couldn&apos;t install the update (…)&quot;: the server sent more than the update&apos;s size.</extracomment>
        <translation>Tệp tải về lớn hơn dự kiến.</translation>
    </message>
    <message>
        <source>There isn&apos;t enough free space for the update.</source>
        <extracomment>Install and Relaunch error, inside &quot;Couldn&apos;t install the update (…)&quot;.</extracomment>
        <translation>Không đủ dung lượng trống cho bản cập nhật.</translation>
    </message>
</context>
</TS>
