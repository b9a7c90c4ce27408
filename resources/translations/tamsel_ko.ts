<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>AboutView</name>
    <message>
        <source>About Tamsel</source>
        <translation>Tamsel에 관하여</translation>
    </message>
    <message>
        <source>Tamsel for Linux</source>
        <translation>Linux용 Tamsel</translation>
    </message>
    <message>
        <source>Version %1 (%2) · by Vornel Apps</source>
        <translation>버전 %1 (%2) · Vornel Apps</translation>
    </message>
    <message>
        <source>Help &amp; legal</source>
        <translation>도움말 및 법적 고지</translation>
    </message>
    <message>
        <source>Follow us</source>
        <translation>팔로우하기</translation>
    </message>
    <message>
        <source>More from Vornel Apps</source>
        <translation>Vornel Apps의 다른 앱</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>업데이트</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>업데이트 확인</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>Same as system</source>
        <translation>시스템과 동일</translation>
    </message>
    <message>
        <source>Restart Tamsel</source>
        <translation>Tamsel 재시작</translation>
    </message>
    <message>
        <source>Free, with optional support</source>
        <translation>무료, 후원은 선택</translation>
    </message>
    <message>
        <source>No ads, no tracking, no account, no subscription. Everything runs on your computer. If Tamsel helps, you can support the developer with crypto.</source>
        <translation>광고 없음, 추적 없음, 계정 없음, 구독 없음. 모든 작업이 컴퓨터에서 실행됩니다. Tamsel이 도움이 된다면 암호화폐로 개발자를 후원할 수 있습니다.</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>후원</translation>
    </message>
    <message>
        <source>Tell a friend</source>
        <translation>친구에게 알리기</translation>
    </message>
    <message>
        <source>Tamsel spends nothing on ads, so people telling people is how it grows. Share a link to its page; nothing is sent unless you choose where.</source>
        <translation>Tamsel은 광고에 돈을 쓰지 않으며, 사람들이 서로 알려 주면서 성장합니다. 페이지 링크를 공유하세요. 보낼 곳을 직접 선택하기 전에는 아무것도 전송되지 않습니다.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>공유</translation>
    </message>
    <message>
        <source>Write to Support</source>
        <translation>지원팀에 문의</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>개인정보 처리방침</translation>
    </message>
    <message>
        <source>Terms of Use</source>
        <translation>이용 약관</translation>
    </message>
    <message>
        <source>X (developer)</source>
        <comment>Link to the developer&apos;s account on X</comment>
        <translation>X (개발자)</translation>
    </message>
    <message>
        <source>Our other apps</source>
        <translation>다른 앱</translation>
    </message>
    <message>
        <source>Tamsel checks only when you ask. It reads one file on %1 and sends nothing about your computer.</source>
        <translation>Tamsel은 요청할 때만 확인합니다. %1에서 파일 하나를 읽을 뿐, 컴퓨터에 관한 정보는 아무것도 보내지 않습니다.</translation>
    </message>
    <message>
        <source>You have the latest version.</source>
        <translation>최신 버전을 사용 중입니다.</translation>
    </message>
    <message>
        <source>Version %1 is available.</source>
        <translation>버전 %1을(를) 사용할 수 있습니다.</translation>
    </message>
    <message>
        <source>Downloading and checking the update…</source>
        <translation>업데이트를 다운로드하고 확인하는 중…</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>다운로드</translation>
    </message>
    <message>
        <source>Tamsel switches to the new language after a restart. Save or close the files with changes first.</source>
        <translation>재시작하면 Tamsel이 새 언어로 바뀝니다. 먼저 변경된 파일을 저장하거나 닫으세요.</translation>
    </message>
    <message>
        <source>Tamsel switches to the new language after a restart.</source>
        <translation>재시작하면 Tamsel이 새 언어로 바뀝니다.</translation>
    </message>
    <message>
        <source>Install and Relaunch</source>
        <translation>설치 후 재시작</translation>
    </message>
    <message>
        <source>Save or close the files with changes first: Tamsel restarts to finish the update.</source>
        <translation>먼저 변경된 파일을 저장하거나 닫으세요. 업데이트를 마치려면 Tamsel이 재시작됩니다.</translation>
    </message>
</context>
<context>
    <name>AppModel</name>
    <message>
        <source>There&apos;s no picture on the clipboard. Copy a screenshot or an image first.</source>
        <translation>클립보드에 이미지가 없습니다. 먼저 스크린샷이나 이미지를 복사하세요.</translation>
    </message>
    <message>
        <source>A file needs at least one page. To get rid of it, close the file.</source>
        <translation>파일에는 페이지가 하나 이상 있어야 합니다. 파일을 없애려면 파일을 닫으세요.</translation>
    </message>
    <message>
        <source>Tamsel opens PDFs and images.</source>
        <translation>Tamsel은 PDF와 이미지를 엽니다.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be opened.</source>
        <translation>‘%1’을(를) 열 수 없습니다.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be opened. It may be damaged or not a PDF.</source>
        <translation>‘%1’을(를) 열 수 없습니다. 파일이 손상되었거나 PDF가 아닐 수 있습니다.</translation>
    </message>
    <message>
        <source>Choose PDFs or images</source>
        <translation>PDF 또는 이미지 선택</translation>
    </message>
    <message>
        <source>Saved “%1”</source>
        <translation>‘%1’ 저장됨</translation>
    </message>
    <message>
        <source>“%1” is open in Tamsel, so it can&apos;t be replaced. Save under another name.</source>
        <translation>‘%1’은(는) Tamsel에서 열려 있어 대체할 수 없습니다. 다른 이름으로 저장하세요.</translation>
    </message>
    <message>
        <source>“%1” wasn&apos;t saved because another task was still running. Try again when it has finished.</source>
        <translation>다른 작업이 아직 실행 중이어서 ‘%1’을(를) 저장하지 않았습니다. 작업이 끝나면 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>저장 중…</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be used as a file name.</source>
        <translation>‘%1’은(는) 파일 이름으로 사용할 수 없습니다.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because the name is too long.</source>
        <translation>이름이 너무 길어 ‘%1’을(를) 저장할 수 없습니다.</translation>
    </message>
    <message>
        <source>Merging…</source>
        <translation>병합 중…</translation>
    </message>
    <message>
        <source>%1 (pages %2)</source>
        <extracomment>The name offered for a file of some pages: %1 the document&apos;s name, %2 the page numbers (&quot;1-3, 5&quot;).</extracomment>
        <translation>%1 (%2페이지)</translation>
    </message>
    <message>
        <source>%1 (merged)</source>
        <extracomment>The name offered for the merged file: %1 the first file&apos;s name.</extracomment>
        <translation>%1 (병합됨)</translation>
    </message>
    <message>
        <source>%1 (signed)</source>
        <extracomment>The name offered when saving: %1 the document&apos;s name.</extracomment>
        <translation>%1 (서명됨)</translation>
    </message>
    <message>
        <source>%1 (edited)</source>
        <translation>%1 (편집됨)</translation>
    </message>
    <message numerus="yes">
        <source>Added to all %n pages</source>
        <translation>
            <numerusform>%n개 페이지 모두에 추가됨</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Saved %n files</source>
        <translation>
            <numerusform>파일 %n개 저장됨</numerusform>
        </translation>
    </message>
    <message>
        <source>The update is installed. Save your files, then quit and open Tamsel again to use it.</source>
        <translation>업데이트가 설치되었습니다. 사용하려면 파일을 저장한 다음 Tamsel을 종료했다가 다시 여세요.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be opened. %2</source>
        <translation>‘%1’을(를) 열 수 없습니다. %2</translation>
    </message>
</context>
<context>
    <name>BusyOverlay</name>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>CodeCard</name>
    <message>
        <source>Link</source>
        <translation>링크</translation>
    </message>
    <message>
        <source>Wi-Fi</source>
        <translation>Wi-Fi</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>연락처</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>일정</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>전화</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>메시지</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>이메일</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>위치</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>도서</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>상품</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>텍스트</translation>
    </message>
    <message>
        <source>%1, page %2</source>
        <translation>%1, %2페이지</translation>
    </message>
    <message>
        <source>Not encrypted: the address starts with http, not https.</source>
        <translation>암호화되지 않음: 주소가 https가 아닌 http로 시작합니다.</translation>
    </message>
    <message>
        <source>A bare number instead of a site name.</source>
        <translation>사이트 이름 대신 숫자만 있는 주소입니다.</translation>
    </message>
    <message>
        <source>“%1” is not the site. The real site is %2.</source>
        <translation>‘%1’은(는) 실제 사이트가 아닙니다. 실제 사이트는 %2입니다.</translation>
    </message>
    <message>
        <source>Letters from different alphabets: this address can imitate another site.</source>
        <translation>서로 다른 문자 체계의 글자가 섞여 있습니다. 이 주소는 다른 사이트를 흉내 낼 수 있습니다.</translation>
    </message>
    <message>
        <source>Special characters in the name can imitate another site.</source>
        <translation>이름의 특수 문자가 다른 사이트를 흉내 낼 수 있습니다.</translation>
    </message>
    <message>
        <source>Looks like %1, but the real site is %2.</source>
        <translation>%1처럼 보이지만 실제 사이트는 %2입니다.</translation>
    </message>
    <message>
        <source>The real site is %1, not %2.</source>
        <translation>실제 사이트는 %2이(가) 아니라 %1입니다.</translation>
    </message>
    <message>
        <source>A short link hides where it leads.</source>
        <translation>단축 링크는 어디로 연결되는지 숨깁니다.</translation>
    </message>
    <message>
        <source>Real site: %1</source>
        <translation>실제 사이트: %1</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>브라우저에서 열기</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>링크 복사</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>네트워크</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>암호</translation>
    </message>
    <message>
        <source>Copy Network Name</source>
        <translation>네트워크 이름 복사</translation>
    </message>
    <message>
        <source>Copy Password</source>
        <translation>암호 복사</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>복사됨</translation>
    </message>
</context>
<context>
    <name>CodeReading</name>
    <message>
        <source>Pasted image</source>
        <translation>붙여넣은 이미지</translation>
    </message>
    <message>
        <source>No codes found in “%1”.</source>
        <translation>‘%1’에서 코드를 찾지 못했습니다.</translation>
    </message>
    <message>
        <source>No codes found.</source>
        <translation>코드를 찾지 못했습니다.</translation>
    </message>
</context>
<context>
    <name>CodeSymbology</name>
    <message>
        <source>Barcode</source>
        <extracomment>Card title of a code whose kind is unknown</extracomment>
        <translation>바코드</translation>
    </message>
</context>
<context>
    <name>CodesDropZone</name>
    <message>
        <source>Drop a picture or PDF here</source>
        <translation>이미지나 PDF를 여기에 놓으세요</translation>
    </message>
    <message>
        <source>Or copy a screenshot (Print Screen) and paste it with Ctrl+V.</source>
        <translation>또는 스크린샷(Print Screen)을 찍어 Ctrl+V로 붙여넣으세요.</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>붙여넣기</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>열기…</translation>
    </message>
</context>
<context>
    <name>CodesView</name>
    <message>
        <source>QR Codes</source>
        <translation>QR 코드</translation>
    </message>
    <message>
        <source>Read QR codes and barcodes from pictures, screenshots and every page of a PDF. Everything is read on this computer.</source>
        <translation>이미지, 스크린샷, PDF의 모든 페이지에서 QR 코드와 바코드를 읽습니다. 모든 인식은 이 컴퓨터에서 이루어집니다.</translation>
    </message>
    <message>
        <source>Reading…</source>
        <translation>읽는 중…</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>중지</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>찾은 코드</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>지우기</translation>
    </message>
    <message>
        <source>%1 Try a sharper or larger picture.</source>
        <extracomment>%1 says why no code was found in the picture.</extracomment>
        <translation>%1 더 선명하거나 큰 이미지로 시도해 보세요.</translation>
    </message>
</context>
<context>
    <name>CompressSheet</name>
    <message>
        <source>Compress “%1”</source>
        <translation>‘%1’ 압축</translation>
    </message>
    <message>
        <source>Sizes are measured on this computer: the file you save is exactly this size.</source>
        <translation>크기는 이 컴퓨터에서 측정한 값입니다. 저장하는 파일의 크기가 정확히 이렇습니다.</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>원본</translation>
    </message>
    <message>
        <source>As it is now</source>
        <translation>현재 그대로</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>중간</translation>
    </message>
    <message>
        <source>Sharp text, fits most email</source>
        <translation>선명한 글자, 대부분의 이메일에 첨부 가능</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>작게</translation>
    </message>
    <message>
        <source>The smallest readable file</source>
        <translation>읽을 수 있는 가장 작은 파일</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>저장…</translation>
    </message>
    <message>
        <source>For websites and forms with a size limit</source>
        <translation>크기 제한이 있는 웹사이트와 양식용</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>제한</translation>
    </message>
    <message>
        <source>To fit, the pages became pictures: text in this copy can&apos;t be selected or searched. The original keeps its text.</source>
        <translation>크기에 맞추기 위해 페이지가 이미지로 바뀌었습니다. 이 사본의 텍스트는 선택하거나 검색할 수 없습니다. 원본의 텍스트는 그대로입니다.</translation>
    </message>
    <message>
        <source>Up to %1</source>
        <translation>최대 %1</translation>
    </message>
    <message>
        <source>Can&apos;t get under %1. The smallest Tamsel can make is %2.</source>
        <translation>%1 아래로 줄일 수 없습니다. Tamsel이 만들 수 있는 가장 작은 크기는 %2입니다.</translation>
    </message>
    <message>
        <source>Pictures in this PDF can&apos;t get much smaller while it keeps its text. Up to %1 can turn the pages into pictures when that&apos;s the only way to fit.</source>
        <translation>이 PDF의 이미지는 텍스트를 유지한 채로는 크게 줄어들지 않습니다. ‘최대 %1’은 그 방법밖에 없을 때 페이지를 이미지로 바꿀 수 있습니다.</translation>
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
        <translation>서명 및 도장</translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>압축</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>분할</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>암호</translation>
    </message>
    <message>
        <source>Insert, extract, export as images, merge</source>
        <translation>삽입, 추출, 이미지로 내보내기, 병합</translation>
    </message>
    <message>
        <source>More</source>
        <translation>더 보기</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>다른 이름으로 저장…</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>왼쪽으로 회전</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>왼쪽으로 회전</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>오른쪽으로 회전</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>오른쪽으로 회전</translation>
    </message>
    <message>
        <source>Delete Pages</source>
        <translation>페이지 삭제</translation>
    </message>
    <message>
        <source>Delete the selected pages</source>
        <translation>선택한 페이지 삭제</translation>
    </message>
    <message>
        <source>Drag to reorder. Drop PDFs or images to add pages. Save As… makes a new file; the original stays as it is.</source>
        <translation>드래그하여 순서를 바꿉니다. PDF나 이미지를 놓으면 페이지가 추가됩니다. ‘다른 이름으로 저장…’은 새 파일을 만들며 원본은 그대로 남습니다.</translation>
    </message>
    <message>
        <source>1 page</source>
        <translation>1페이지</translation>
    </message>
    <message numerus="yes">
        <source>%n pages</source>
        <translation>
            <numerusform>%n페이지</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n selected</source>
        <translation>
            <numerusform>%n개 선택됨</numerusform>
        </translation>
    </message>
    <message>
        <source>password</source>
        <translation>암호</translation>
    </message>
    <message>
        <source>not saved</source>
        <translation>저장 안 됨</translation>
    </message>
    <message>
        <source>Insert Pages from Files…</source>
        <translation>파일에서 페이지 삽입…</translation>
    </message>
    <message>
        <source>Extract All Pages…</source>
        <translation>모든 페이지 추출…</translation>
    </message>
    <message>
        <source>Extract Selected Pages…</source>
        <translation>선택한 페이지 추출…</translation>
    </message>
    <message>
        <source>Export Pages as Images…</source>
        <translation>페이지를 이미지로 내보내기…</translation>
    </message>
    <message>
        <source>Add to Merge</source>
        <translation>병합에 추가</translation>
    </message>
</context>
<context>
    <name>DrawingPad</name>
    <message>
        <source>Blue</source>
        <translation>파랑</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>검정</translation>
    </message>
    <message>
        <source>Ink</source>
        <translation>잉크</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>지우기</translation>
    </message>
    <message>
        <source>Use This Signature</source>
        <translation>이 서명 사용</translation>
    </message>
</context>
<context>
    <name>DropZone</name>
    <message>
        <source>Drop PDFs or images here</source>
        <translation>PDF나 이미지를 여기에 놓으세요</translation>
    </message>
    <message>
        <source>or click to open. Images become pages of a new PDF.</source>
        <translation>또는 클릭하여 엽니다. 이미지는 새 PDF의 페이지가 됩니다.</translation>
    </message>
</context>
<context>
    <name>ExportImagesSheet</name>
    <message>
        <source>%1 page %2</source>
        <extracomment>The name of one exported picture: %1 the document&apos;s name, %2 the page number.</extracomment>
        <translation>%1 %2페이지</translation>
    </message>
    <message>
        <source>Export Pages as Images</source>
        <translation>페이지를 이미지로 내보내기</translation>
    </message>
    <message>
        <source>The selected page.</source>
        <translation>선택한 페이지.</translation>
    </message>
    <message numerus="yes">
        <source>The %n selected pages.</source>
        <translation>
            <numerusform>선택한 %n개 페이지.</numerusform>
        </translation>
    </message>
    <message>
        <source>The one page.</source>
        <translation>유일한 페이지.</translation>
    </message>
    <message numerus="yes">
        <source>All %n pages.</source>
        <translation>
            <numerusform>전체 %n페이지.</numerusform>
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
        <translation>형식</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>해상도</translation>
    </message>
    <message>
        <source>Screen (100 dpi)</source>
        <translation>화면 (100dpi)</translation>
    </message>
    <message>
        <source>Good (200 dpi)</source>
        <translation>좋음 (200dpi)</translation>
    </message>
    <message>
        <source>Print (300 dpi)</source>
        <translation>인쇄 (300dpi)</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>내보내기…</translation>
    </message>
    <message>
        <source>Export Here</source>
        <translation>여기로 내보내기</translation>
    </message>
    <message>
        <source>Exporting…</source>
        <translation>내보내는 중…</translation>
    </message>
</context>
<context>
    <name>FilePanels</name>
    <message>
        <source>Open</source>
        <translation>열기</translation>
    </message>
    <message>
        <source>PDFs and pictures (%1)</source>
        <translation>PDF 및 이미지 (%1)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
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
        <translation>저장 안 됨</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>FileWriting</name>
    <message>
        <source>“%1” couldn&apos;t be saved because the disk is full.</source>
        <translation>디스크가 가득 차서 ‘%1’을(를) 저장할 수 없습니다.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because it is too large for that disk.</source>
        <translation>해당 디스크에 비해 너무 커서 ‘%1’을(를) 저장할 수 없습니다.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because you don&apos;t have permission to write in that folder.</source>
        <translation>해당 폴더에 쓸 권한이 없어 ‘%1’을(를) 저장할 수 없습니다.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because that disk is read-only.</source>
        <translation>해당 디스크가 읽기 전용이어서 ‘%1’을(를) 저장할 수 없습니다.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because the name is too long.</source>
        <translation>이름이 너무 길어 ‘%1’을(를) 저장할 수 없습니다.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because its folder doesn&apos;t exist.</source>
        <translation>폴더가 없어서 ‘%1’을(를) 저장할 수 없습니다.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because a folder of that name is in the way.</source>
        <translation>같은 이름의 폴더가 있어서 ‘%1’을(를) 저장할 수 없습니다.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved (%2).</source>
        <translation>‘%1’을(를) 저장할 수 없습니다(%2).</translation>
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
        <translation>Linux용 Tamsel</translation>
    </message>
    <message>
        <source>PDF tools, signatures and stamps, QR codes. Private by design · 100% on-device.</source>
        <translation>PDF 도구, 서명과 도장, QR 코드. 설계부터 개인정보 보호 · 100% 기기 내 처리.</translation>
    </message>
    <message>
        <source>Sign &amp; Stamp</source>
        <translation>서명 및 도장</translation>
    </message>
    <message>
        <source>Put your signature, initials or a company seal on any page, or on all of them.</source>
        <translation>서명, 이니셜 또는 회사 직인을 원하는 페이지나 모든 페이지에 넣으세요.</translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>압축</translation>
    </message>
    <message>
        <source>Original, Medium, Small, or up to the size a website or email asks for.</source>
        <translation>원본, 중간, 작게 또는 웹사이트나 이메일이 요구하는 크기까지.</translation>
    </message>
    <message>
        <source>Merge PDFs</source>
        <translation>PDF 병합</translation>
    </message>
    <message>
        <source>Join PDFs and images in the order you set.</source>
        <translation>PDF와 이미지를 원하는 순서로 합칩니다.</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>분할</translation>
    </message>
    <message>
        <source>By page ranges like 1-3, 5, 8-10, every few pages or page by page.</source>
        <translation>1-3, 5, 8-10 같은 페이지 범위로, 몇 페이지마다 또는 한 페이지씩.</translation>
    </message>
    <message>
        <source>Read QR Codes</source>
        <translation>QR 코드 읽기</translation>
    </message>
    <message>
        <source>From pictures, screenshots and every page of a PDF.</source>
        <translation>이미지, 스크린샷, PDF의 모든 페이지에서.</translation>
    </message>
    <message>
        <source>Images to PDF</source>
        <translation>이미지를 PDF로</translation>
    </message>
    <message>
        <source>Photos and scans as pages of one PDF, in name order.</source>
        <translation>사진과 스캔을 이름순으로 하나의 PDF 페이지로.</translation>
    </message>
    <message>
        <source>No ads. No tracking. No account.</source>
        <translation>광고 없음. 추적 없음. 계정 없음.</translation>
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
        <translation>파일(&amp;F)</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>열기…</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>다른 이름으로 저장…</translation>
    </message>
    <message>
        <source>Close File</source>
        <translation>파일 닫기</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>도움말(&amp;H)</translation>
    </message>
    <message>
        <source>About Tamsel</source>
        <translation>Tamsel에 관하여</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>업데이트 확인…</translation>
    </message>
    <message>
        <source>Support the Developer…</source>
        <translation>개발자 후원…</translation>
    </message>
    <message>
        <source>Changes in %1 aren&apos;t saved. Use Save As… to keep them.</source>
        <translation>%1의 변경 사항이 저장되지 않았습니다. 유지하려면 ‘다른 이름으로 저장…’을 사용하세요.</translation>
    </message>
    <message>
        <source>Stop and quit?</source>
        <translation>중지하고 종료할까요?</translation>
    </message>
    <message>
        <source>Tamsel is still working (%1). Quitting stops that work; nothing half-written is kept.</source>
        <translation>Tamsel이 아직 작업 중입니다(%1). 종료하면 그 작업이 중지되며, 쓰다 만 내용은 남지 않습니다.</translation>
    </message>
    <message>
        <source>Quit without saving?</source>
        <translation>저장하지 않고 종료할까요?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Quit Anyway</source>
        <translation>그래도 종료</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>보기(&amp;V)</translation>
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
        <translation>1페이지</translation>
    </message>
    <message numerus="yes">
        <source>%n pages</source>
        <translation>
            <numerusform>%n페이지</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>파일 1개</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>파일 %n개</numerusform>
        </translation>
    </message>
    <message>
        <source>Drag to reorder</source>
        <translation>드래그하여 순서 변경</translation>
    </message>
    <message>
        <source>Remove from the list</source>
        <translation>목록에서 제거</translation>
    </message>
    <message>
        <source>Merge PDFs</source>
        <translation>PDF 병합</translation>
    </message>
    <message>
        <source>Drop PDFs and images here, drag them into order, then Merge. Open files join as they are now, with their turns, removed pages and stamps.</source>
        <translation>PDF와 이미지를 여기에 놓고 드래그해 순서를 정한 다음 병합하세요. 열려 있는 파일은 회전, 삭제한 페이지, 도장을 포함해 현재 상태 그대로 합쳐집니다.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>추가</translation>
    </message>
    <message>
        <source>Drop files to merge</source>
        <translation>병합할 파일을 놓으세요</translation>
    </message>
    <message>
        <source>Two or more PDFs or images</source>
        <translation>두 개 이상의 PDF 또는 이미지</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>지우기</translation>
    </message>
    <message>
        <source>Merge…</source>
        <translation>병합…</translation>
    </message>
    <message>
        <source>Add Files…</source>
        <translation>파일 추가…</translation>
    </message>
</context>
<context>
    <name>NewStampMenu</name>
    <message>
        <source>From an Image File…</source>
        <translation>이미지 파일에서…</translation>
    </message>
    <message>
        <source>Draw with Trackpad or Mouse…</source>
        <translation>트랙패드나 마우스로 그리기…</translation>
    </message>
    <message>
        <source>Ready Stamps…</source>
        <translation>기본 도장…</translation>
    </message>
    <message>
        <source>New Signature or Stamp</source>
        <translation>새 서명 또는 도장</translation>
    </message>
    <message>
        <source>Choose a photo or scan of your signature or stamp</source>
        <translation>서명이나 도장의 사진 또는 스캔을 선택하세요</translation>
    </message>
</context>
<context>
    <name>NewStampSheet</name>
    <message>
        <source>Draw Your Signature</source>
        <translation>서명 그리기</translation>
    </message>
    <message>
        <source>Ready Stamps</source>
        <translation>기본 도장</translation>
    </message>
    <message>
        <source>New Signature or Stamp</source>
        <translation>새 서명 또는 도장</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>The checkerboard is what stays transparent on the page.</source>
        <translation>체크무늬 부분은 페이지에서 투명하게 남습니다.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>Removing the paper…</source>
        <translation>종이 배경을 지우는 중…</translation>
    </message>
    <message>
        <source>The signature or stamp couldn&apos;t be saved. Try again.</source>
        <translation>서명 또는 도장을 저장할 수 없습니다. 다시 시도하세요.</translation>
    </message>
</context>
<context>
    <name>PDFEngine</name>
    <message>
        <source>A page of this file can&apos;t be read anymore. Open the file again.</source>
        <translation>이 파일의 페이지를 더 이상 읽을 수 없습니다. 파일을 다시 여세요.</translation>
    </message>
    <message>
        <source>The PDF couldn&apos;t be made. Try again.</source>
        <translation>PDF를 만들 수 없습니다. 다시 시도하세요.</translation>
    </message>
    <message>
        <source>The pages of this file are damaged in a way that stops them being copied. It can only be saved as pictures of its pages.</source>
        <translation>이 파일의 페이지는 복사할 수 없을 만큼 손상되었습니다. 페이지 이미지로만 저장할 수 있습니다.</translation>
    </message>
    <message>
        <source>Reading the PDF took too long and was stopped. A page of the file may be damaged.</source>
        <translation>PDF를 읽는 데 너무 오래 걸려 중지했습니다. 파일의 페이지가 손상되었을 수 있습니다.</translation>
    </message>
    <message>
        <source>Reading the PDF failed because a part of the file is damaged.</source>
        <translation>파일 일부가 손상되어 PDF를 읽지 못했습니다.</translation>
    </message>
    <message>
        <source>The PDF needs more memory than Tamsel may use for one file.</source>
        <translation>이 PDF는 Tamsel이 파일 하나에 쓸 수 있는 것보다 많은 메모리가 필요합니다.</translation>
    </message>
    <message>
        <source>This PDF failed to be read several times, so Tamsel doesn&apos;t try again.</source>
        <translation>이 PDF는 여러 번 읽기에 실패해 Tamsel이 다시 시도하지 않습니다.</translation>
    </message>
    <message>
        <source>Tamsel&apos;s PDF reader can&apos;t be started. Install Tamsel again.</source>
        <translation>Tamsel의 PDF 판독기를 시작할 수 없습니다. Tamsel을 다시 설치하세요.</translation>
    </message>
    <message>
        <source>A page is too large for a picture at this resolution. Choose a lower resolution.</source>
        <translation>이 해상도에서는 페이지가 너무 커서 이미지로 만들 수 없습니다. 더 낮은 해상도를 선택하세요.</translation>
    </message>
    <message>
        <source>It was moved or deleted.</source>
        <translation>이동되었거나 삭제되었습니다.</translation>
    </message>
</context>
<context>
    <name>PageGrid</name>
    <message>
        <source>Has signatures or stamps</source>
        <translation>서명 또는 도장 있음</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>왼쪽으로 회전</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>오른쪽으로 회전</translation>
    </message>
    <message>
        <source>Sign &amp; Stamp</source>
        <translation>서명 및 도장</translation>
    </message>
    <message>
        <source>Extract…</source>
        <translation>추출…</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
</context>
<context>
    <name>PageImage</name>
    <message>
        <source>Can&apos;t be shown</source>
        <translation>표시할 수 없음</translation>
    </message>
</context>
<context>
    <name>PageListModel</name>
    <message>
        <source>Page %1</source>
        <translation>%1페이지</translation>
    </message>
</context>
<context>
    <name>PasswordPrompt</name>
    <message>
        <source>“%1” is locked</source>
        <translation>‘%1’이(가) 잠겨 있습니다</translation>
    </message>
    <message>
        <source>That password didn&apos;t open it. Try again.</source>
        <translation>그 암호로는 열리지 않았습니다. 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Enter its password to open it. The password stays on this computer.</source>
        <translation>열려면 암호를 입력하세요. 암호는 이 컴퓨터 밖으로 나가지 않습니다.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>암호</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>열기</translation>
    </message>
</context>
<context>
    <name>PasswordSheet</name>
    <message>
        <source>Password</source>
        <translation>암호</translation>
    </message>
    <message>
        <source>“%1” is protected with a password. Save a copy that opens without it, or a copy with a new one.</source>
        <translation>‘%1’은(는) 암호로 보호되어 있습니다. 암호 없이 열리는 사본이나 새 암호를 건 사본을 저장하세요.</translation>
    </message>
    <message>
        <source>Save a Copy without Password…</source>
        <translation>암호 없이 사본 저장…</translation>
    </message>
    <message>
        <source>Save a copy that asks for this password to open. Keep it somewhere safe: it can&apos;t be recovered.</source>
        <translation>열 때 이 암호를 묻는 사본을 저장합니다. 암호는 복구할 수 없으니 안전한 곳에 보관하세요.</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>새 암호</translation>
    </message>
    <message>
        <source>Repeat password</source>
        <translation>암호 다시 입력</translation>
    </message>
    <message>
        <source>The passwords don&apos;t match.</source>
        <translation>암호가 일치하지 않습니다.</translation>
    </message>
    <message>
        <source>Save Protected Copy…</source>
        <translation>보호된 사본 저장…</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>저장 중…</translation>
    </message>
    <message>
        <source>%1 (protected)</source>
        <extracomment>The name offered for the copy: %1 the document&apos;s name.</extracomment>
        <translation>%1 (보호됨)</translation>
    </message>
    <message>
        <source>%1 (no password)</source>
        <translation>%1 (암호 없음)</translation>
    </message>
</context>
<context>
    <name>PlacedStamp</name>
    <message>
        <source>Drag to turn</source>
        <translation>드래그하여 회전</translation>
    </message>
    <message>
        <source>Drag to resize</source>
        <translation>드래그하여 크기 조절</translation>
    </message>
</context>
<context>
    <name>ProcessRunner</name>
    <message>
        <source>The tool didn&apos;t answer in time.</source>
        <extracomment>Error when a command-line tool times out</extracomment>
        <translation>도구가 제시간에 응답하지 않았습니다.</translation>
    </message>
    <message>
        <source>Exit code %1</source>
        <extracomment>Error of a command-line tool that gave no message</extracomment>
        <translation>종료 코드 %1</translation>
    </message>
</context>
<context>
    <name>ReadyStamp</name>
    <message>
        <source>APPROVED</source>
        <translation>승인</translation>
    </message>
    <message>
        <source>PAID</source>
        <translation>지불 완료</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>사본</translation>
    </message>
    <message>
        <source>CONFIDENTIAL</source>
        <translation>기밀</translation>
    </message>
    <message>
        <source>DRAFT</source>
        <translation>초안</translation>
    </message>
    <message>
        <source>RECEIVED</source>
        <translation>접수</translation>
    </message>
</context>
<context>
    <name>ReadyStampsPicker</name>
    <message>
        <source>Red</source>
        <translation>빨강</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>파랑</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>검정</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>색상</translation>
    </message>
    <message>
        <source>Add today&apos;s date</source>
        <translation>오늘 날짜 추가</translation>
    </message>
    <message>
        <source>Your own word, like PAID IN CASH</source>
        <translation>직접 입력한 문구 (예: 현금 지불)</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>추가</translation>
    </message>
</context>
<context>
    <name>RootView</name>
    <message>
        <source>Support Tamsel</source>
        <translation>Tamsel 후원</translation>
    </message>
    <message>
        <source>Support the developer</source>
        <translation>개발자 후원</translation>
    </message>
    <message>
        <source>About Tamsel</source>
        <translation>Tamsel에 관하여</translation>
    </message>
    <message>
        <source>About, updates, privacy and support</source>
        <translation>정보, 업데이트, 개인정보 보호 및 후원</translation>
    </message>
    <message>
        <source>Something went wrong</source>
        <translation>문제가 발생했습니다</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Save changes to “%1”?</source>
        <translation>‘%1’의 변경 사항을 저장할까요?</translation>
    </message>
    <message>
        <source>Your changes will be lost if you close it without saving. The original file stays as it was.</source>
        <translation>저장하지 않고 닫으면 변경 사항이 사라집니다. 원본 파일은 그대로 남습니다.</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>다른 이름으로 저장…</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>저장 안 함</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Save as Pictures</source>
        <translation>이미지로 저장</translation>
    </message>
    <message>
        <source>Hide Sidebar</source>
        <translation>사이드바 숨기기</translation>
    </message>
    <message>
        <source>Show Sidebar</source>
        <translation>사이드바 보기</translation>
    </message>
</context>
<context>
    <name>Sharing</name>
    <message>
        <source>Email…</source>
        <translation>이메일…</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>링크 복사</translation>
    </message>
    <message>
        <source>Link copied</source>
        <translation>링크 복사됨</translation>
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
        <translation>홈</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>열기…</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>도구</translation>
    </message>
    <message>
        <source>Merge PDFs</source>
        <translation>PDF 병합</translation>
    </message>
    <message>
        <source>Signatures &amp; Stamps</source>
        <translation>서명 및 도장</translation>
    </message>
    <message>
        <source>QR Codes</source>
        <translation>QR 코드</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>다른 이름으로 저장…</translation>
    </message>
    <message>
        <source>Add to Merge</source>
        <translation>병합에 추가</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>SignView</name>
    <message>
        <source>Pages</source>
        <translation>페이지</translation>
    </message>
    <message>
        <source>Back to all pages</source>
        <translation>모든 페이지로 돌아가기</translation>
    </message>
    <message>
        <source>Sign &amp; Stamp</source>
        <translation>서명 및 도장</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>다른 이름으로 저장…</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>이전 페이지</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>다음 페이지</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>%1 / %2페이지</translation>
    </message>
</context>
<context>
    <name>SplitSheet</name>
    <message>
        <source>Split “%1”</source>
        <translation>‘%1’ 분할</translation>
    </message>
    <message>
        <source>By page ranges</source>
        <translation>페이지 범위로</translation>
    </message>
    <message>
        <source>Every few pages</source>
        <translation>몇 페이지마다</translation>
    </message>
    <message>
        <source>Page by page</source>
        <translation>한 페이지씩</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>분할</translation>
    </message>
    <message>
        <source>For example: 1-3, 5, 8-10</source>
        <translation>예: 1-3, 5, 8-10</translation>
    </message>
    <message>
        <source>Each range becomes its own PDF. Pages 1 to %1.</source>
        <translation>각 범위가 별도의 PDF가 됩니다. 페이지 1~%1.</translation>
    </message>
    <message>
        <source>Pages per file</source>
        <translation>파일당 페이지 수</translation>
    </message>
    <message numerus="yes">
        <source>Each of the %n pages becomes its own PDF.</source>
        <translation>
            <numerusform>%n개 페이지가 각각 별도의 PDF가 됩니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>Split…</source>
        <translation>분할…</translation>
    </message>
    <message numerus="yes">
        <source>A new file every %n pages</source>
        <translation>
            <numerusform>%n페이지마다 새 파일</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Makes %n files: %1</source>
        <translation>
            <numerusform>파일 %n개 생성: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Use page numbers from 1 to %1, like 1-3, 5.</source>
        <translation>1-3, 5처럼 1~%1 사이의 페이지 번호를 사용하세요.</translation>
    </message>
    <message>
        <source>Split Here</source>
        <translation>여기에 분할</translation>
    </message>
    <message>
        <source>Splitting…</source>
        <translation>분할 중…</translation>
    </message>
</context>
<context>
    <name>StampLibrary</name>
    <message>
        <source>Signature</source>
        <translation>서명</translation>
    </message>
    <message>
        <source>Stamp</source>
        <translation>도장</translation>
    </message>
    <message>
        <source>The signature or stamp couldn&apos;t be saved. Try again.</source>
        <translation>서명 또는 도장을 저장할 수 없습니다. 다시 시도하세요.</translation>
    </message>
    <message>
        <source>The change couldn&apos;t be saved. Try again.</source>
        <translation>변경 사항을 저장할 수 없습니다. 다시 시도하세요.</translation>
    </message>
</context>
<context>
    <name>StampLibraryPanel</name>
    <message>
        <source>Put on this page</source>
        <translation>이 페이지에 넣기</translation>
    </message>
    <message>
        <source>Signatures &amp; Stamps</source>
        <translation>서명 및 도장</translation>
    </message>
    <message>
        <source>Add your signature or a company seal once; it stays in Tamsel on this computer for every document.</source>
        <translation>서명이나 회사 직인을 한 번만 추가하면 이 컴퓨터의 Tamsel에 남아 모든 문서에 쓸 수 있습니다.</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>각도</translation>
    </message>
    <message>
        <source>Add to All Pages</source>
        <translation>모든 페이지에 추가</translation>
    </message>
    <message>
        <source>Remove from Page</source>
        <translation>페이지에서 제거</translation>
    </message>
    <message>
        <source>Or paste a photo or scan with Ctrl+V, or drop one here.</source>
        <translation>또는 사진이나 스캔을 Ctrl+V로 붙여넣거나 여기에 놓으세요.</translation>
    </message>
</context>
<context>
    <name>StampMaker</name>
    <message>
        <source>This image can&apos;t be read.</source>
        <translation>이 이미지를 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>No signature or stamp found. Try a photo of it on white paper.</source>
        <translation>서명이나 도장을 찾지 못했습니다. 흰 종이 위에서 찍은 사진으로 시도해 보세요.</translation>
    </message>
</context>
<context>
    <name>StampsView</name>
    <message>
        <source>Rename or delete</source>
        <translation>이름 변경 또는 삭제</translation>
    </message>
    <message>
        <source>Rename or delete “%1”</source>
        <translation>‘%1’ 이름 변경 또는 삭제</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>이름 변경…</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>삭제…</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>이름 변경</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Signatures &amp; Stamps</source>
        <translation>서명 및 도장</translation>
    </message>
    <message>
        <source>Your signature, initials or a company seal, with the paper removed automatically. They stay only on this computer. Tamsel puts your own images on documents; it doesn&apos;t make a signature legally binding by itself.</source>
        <translation>종이 배경을 자동으로 지운 서명, 이니셜 또는 회사 직인입니다. 이 컴퓨터에만 보관됩니다. Tamsel은 사용자의 이미지를 문서에 넣을 뿐이며, 그것만으로 서명이 법적 효력을 갖지는 않습니다.</translation>
    </message>
    <message>
        <source>No signatures or stamps yet</source>
        <translation>아직 서명이나 도장이 없습니다</translation>
    </message>
    <message>
        <source>Sign a white sheet of paper or stamp it, then take a photo of it and choose the photo or a scan. You can also draw with the trackpad or pick a ready stamp like PAID or APPROVED.</source>
        <translation>흰 종이에 서명하거나 도장을 찍고 사진을 찍은 다음, 그 사진이나 스캔을 선택하세요. 트랙패드로 그리거나 ‘지불 완료’, ‘승인’ 같은 기본 도장을 고를 수도 있습니다.</translation>
    </message>
    <message>
        <source>Tamsel</source>
        <translation>Tamsel</translation>
    </message>
    <message>
        <source>Delete “%1”?</source>
        <translation>‘%1’을(를) 삭제할까요?</translation>
    </message>
    <message>
        <source>It also leaves pages open in Tamsel. Files you already saved keep it.</source>
        <translation>Tamsel에서 열려 있는 페이지에서도 사라집니다. 이미 저장한 파일에는 남아 있습니다.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
</context>
<context>
    <name>SupportView</name>
    <message>
        <source>Done! Support Tamsel?</source>
        <translation>완료! Tamsel을 후원하시겠어요?</translation>
    </message>
    <message>
        <source>Support Tamsel</source>
        <translation>Tamsel 후원</translation>
    </message>
    <message>
        <source>Tamsel is free: no ads, no tracking, no subscription. If it saved you time, you can thank the developer with crypto. Any amount helps keep it free.</source>
        <translation>Tamsel은 무료입니다. 광고도, 추적도, 구독도 없습니다. 시간을 아끼는 데 도움이 되었다면 암호화폐로 개발자에게 감사를 전할 수 있습니다. 금액에 상관없이 무료로 유지하는 데 도움이 됩니다.</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>네트워크</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>보낼 수 있는 코인</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>주소</translation>
    </message>
    <message>
        <source>Send only on the networks listed above. Coins sent on another network can&apos;t be recovered.</source>
        <translation>위에 나열된 네트워크로만 보내세요. 다른 네트워크로 보낸 코인은 되찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>The same addresses are on %1/donate.</source>
        <translation>같은 주소가 %1/donate에도 있습니다.</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>나중에</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>QR code of the %1 address</source>
        <translation>%1 주소의 QR 코드</translation>
    </message>
    <message>
        <source>Address copied</source>
        <translation>주소 복사됨</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>복사됨</translation>
    </message>
    <message>
        <source>Copy Address</source>
        <translation>주소 복사</translation>
    </message>
    <message>
        <source>This copy of Tamsel was built without donation addresses. The developer&apos;s are on %1/donate.</source>
        <translation>이 Tamsel은 후원 주소 없이 빌드되었습니다. 개발자의 주소는 %1/donate에 있습니다.</translation>
    </message>
</context>
<context>
    <name>TellAFriendView</name>
    <message>
        <source>Tell a friend</source>
        <translation>친구에게 알리기</translation>
    </message>
    <message>
        <source>Like Tamsel? Tell a friend.</source>
        <translation>Tamsel이 마음에 드세요? 친구에게 알려 주세요.</translation>
    </message>
    <message>
        <source>Tamsel is free: no ads, no tracking. We don&apos;t buy ads, so friends telling friends is how people find it.</source>
        <translation>Tamsel은 무료입니다. 광고도 추적도 없습니다. 광고를 사지 않기 때문에 친구가 친구에게 알려 주는 방식으로 알려집니다.</translation>
    </message>
    <message>
        <source>Your friend gets this message:</source>
        <translation>친구가 받는 메시지:</translation>
    </message>
    <message>
        <source>You choose the app and the friend; we never see who.</source>
        <translation>앱과 친구는 직접 선택하며, 누구에게 보냈는지 저희는 알 수 없습니다.</translation>
    </message>
    <message>
        <source>Share…</source>
        <translation>공유…</translation>
    </message>
    <message>
        <source>Tamsel for Linux: free PDF tools, signatures and stamps, QR codes. Everything stays on your computer.</source>
        <comment>The message shared with a friend, followed by the link to the app&apos;s page.</comment>
        <translation>Linux용 Tamsel: 무료 PDF 도구, 서명과 도장, QR 코드. 모든 것이 내 컴퓨터에 남습니다.</translation>
    </message>
    <message>
        <source>Message copied</source>
        <translation>메시지 복사됨</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>복사됨</translation>
    </message>
    <message>
        <source>Copy Message</source>
        <translation>메시지 복사</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>나중에</translation>
    </message>
</context>
<context>
    <name>ToastView</name>
    <message>
        <source>Show in Folder</source>
        <translation>폴더에서 보기</translation>
    </message>
</context>
<context>
    <name>ToolSheetFrame</name>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>The update information isn&apos;t available right now. Try again later.</source>
        <extracomment>Check for Updates error</extracomment>
        <translation>지금은 업데이트 정보를 가져올 수 없습니다. 나중에 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Couldn&apos;t check for updates: %1</source>
        <extracomment>Check for Updates error. The placeholder is the system&apos;s error message.</extracomment>
        <translation>업데이트를 확인할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation>데이터 형식이 올바르지 않아 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation>데이터가 없어 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>The update information is too large.</source>
        <translation>업데이트 정보가 너무 큽니다.</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>요청 시간이 초과되었습니다.</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>The request timed out.</source>
        <translation>요청 시간이 초과되었습니다.</translation>
    </message>
    <message>
        <source>moved permanently</source>
        <translation>영구 이동됨</translation>
    </message>
    <message>
        <source>found</source>
        <translation>찾음</translation>
    </message>
    <message>
        <source>not modified</source>
        <translation>수정되지 않음</translation>
    </message>
    <message>
        <source>bad request</source>
        <translation>잘못된 요청</translation>
    </message>
    <message>
        <source>unauthorized</source>
        <translation>권한 없음</translation>
    </message>
    <message>
        <source>forbidden</source>
        <translation>금지됨</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>찾을 수 없음</translation>
    </message>
    <message>
        <source>method not allowed</source>
        <translation>허용되지 않는 메서드</translation>
    </message>
    <message>
        <source>request timed out</source>
        <translation>요청 시간 초과</translation>
    </message>
    <message>
        <source>no longer exists</source>
        <translation>더 이상 존재하지 않음</translation>
    </message>
    <message>
        <source>too many requests</source>
        <translation>요청이 너무 많음</translation>
    </message>
    <message>
        <source>internal server error</source>
        <translation>내부 서버 오류</translation>
    </message>
    <message>
        <source>unimplemented</source>
        <translation>구현되지 않음</translation>
    </message>
    <message>
        <source>bad gateway</source>
        <translation>잘못된 게이트웨이</translation>
    </message>
    <message>
        <source>service unavailable</source>
        <translation>서비스를 사용할 수 없음</translation>
    </message>
    <message>
        <source>gateway timed out</source>
        <translation>게이트웨이 시간 초과</translation>
    </message>
    <message>
        <source>informational</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>success</source>
        <translation>성공</translation>
    </message>
    <message>
        <source>redirected</source>
        <translation>리디렉션됨</translation>
    </message>
    <message>
        <source>client error</source>
        <translation>클라이언트 오류</translation>
    </message>
    <message>
        <source>server error</source>
        <translation>서버 오류</translation>
    </message>
    <message>
        <source>Couldn&apos;t install the update (%1). This copy is now “%2” in the same folder: rename it back to Tamsel.</source>
        <extracomment>Install and Relaunch error when the old copy couldn&apos;t get its name back. Placeholders: the system&apos;s message, the app&apos;s current file name.</extracomment>
        <translation>업데이트를 설치할 수 없습니다(%1). 이 사본은 이제 같은 폴더에서 ‘%2’(이)라는 이름입니다. 이름을 다시 Tamsel로 바꾸세요.</translation>
    </message>
    <message>
        <source>Couldn&apos;t install the update (%1). This copy wasn&apos;t changed.</source>
        <extracomment>Install and Relaunch error. The placeholder is the system&apos;s or a tool&apos;s message.</extracomment>
        <translation>업데이트를 설치할 수 없습니다(%1). 이 사본은 변경되지 않았습니다.</translation>
    </message>
    <message>
        <source>The downloaded update didn&apos;t pass the check. This copy wasn&apos;t changed.</source>
        <extracomment>Install and Relaunch error</extracomment>
        <translation>다운로드한 업데이트가 검사를 통과하지 못했습니다. 이 사본은 변경되지 않았습니다.</translation>
    </message>
    <message>
        <source>The download is larger than expected.</source>
        <extracomment>Install and Relaunch error, inside &quot;Couldn&apos;t install the update (…)&quot;: the server sent more than the update&apos;s size.</extracomment>
        <translation>다운로드가 예상보다 큽니다.</translation>
    </message>
    <message>
        <source>There isn&apos;t enough free space for the update.</source>
        <extracomment>Install and Relaunch error, inside &quot;Couldn&apos;t install the update (…)&quot;.</extracomment>
        <translation>업데이트에 필요한 여유 공간이 부족합니다.</translation>
    </message>
</context>
</TS>
