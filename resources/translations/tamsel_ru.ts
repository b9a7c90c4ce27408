<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AboutView</name>
    <message>
        <source>About Tamsel</source>
        <translation>О Tamsel</translation>
    </message>
    <message>
        <source>Tamsel for Linux</source>
        <translation>Tamsel для Linux</translation>
    </message>
    <message>
        <source>Version %1 (%2) · by Vornel Apps</source>
        <translation>Версия %1 (%2) · Vornel Apps</translation>
    </message>
    <message>
        <source>Help &amp; legal</source>
        <translation>Справка и правовая информация</translation>
    </message>
    <message>
        <source>Follow us</source>
        <translation>Мы в соцсетях</translation>
    </message>
    <message>
        <source>More from Vornel Apps</source>
        <translation>Другое от Vornel Apps</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Обновления</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Проверить обновления</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Same as system</source>
        <translation>Как в системе</translation>
    </message>
    <message>
        <source>Restart Tamsel</source>
        <translation>Перезапустить Tamsel</translation>
    </message>
    <message>
        <source>Free, with optional support</source>
        <translation>Бесплатно, поддержка по желанию</translation>
    </message>
    <message>
        <source>No ads, no tracking, no account, no subscription. Everything runs on your computer. If Tamsel helps, you can support the developer with crypto.</source>
        <translation>Без рекламы, без слежки, без учётной записи, без подписки. Всё работает на вашем компьютере. Если Tamsel вам помогает, вы можете поддержать разработчика криптовалютой.</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Поддержать</translation>
    </message>
    <message>
        <source>Tell a friend</source>
        <translation>Рассказать другу</translation>
    </message>
    <message>
        <source>Tamsel spends nothing on ads, so people telling people is how it grows. Share a link to its page; nothing is sent unless you choose where.</source>
        <translation>Tamsel ничего не тратит на рекламу: о нём узнают, когда люди рассказывают друг другу. Поделитесь ссылкой на его страницу — ничего не отправляется, пока вы сами не выберете куда.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Поделиться</translation>
    </message>
    <message>
        <source>Write to Support</source>
        <translation>Написать в поддержку</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>Политика конфиденциальности</translation>
    </message>
    <message>
        <source>Terms of Use</source>
        <translation>Условия использования</translation>
    </message>
    <message>
        <source>X (developer)</source>
        <comment>Link to the developer&apos;s account on X</comment>
        <translation>X (разработчик)</translation>
    </message>
    <message>
        <source>Our other apps</source>
        <translation>Другие наши приложения</translation>
    </message>
    <message>
        <source>Tamsel checks only when you ask. It reads one file on %1 and sends nothing about your computer.</source>
        <translation>Tamsel проверяет обновления, только когда вы просите. Он читает один файл на %1 и ничего не отправляет о вашем компьютере.</translation>
    </message>
    <message>
        <source>You have the latest version.</source>
        <translation>У вас последняя версия.</translation>
    </message>
    <message>
        <source>Version %1 is available.</source>
        <translation>Доступна версия %1.</translation>
    </message>
    <message>
        <source>Downloading and checking the update…</source>
        <translation>Загрузка и проверка обновления…</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Скачать</translation>
    </message>
    <message>
        <source>Tamsel switches to the new language after a restart. Save or close the files with changes first.</source>
        <translation>Tamsel перейдёт на новый язык после перезапуска. Сначала сохраните или закройте изменённые файлы.</translation>
    </message>
    <message>
        <source>Tamsel switches to the new language after a restart.</source>
        <translation>Tamsel перейдёт на новый язык после перезапуска.</translation>
    </message>
    <message>
        <source>Install and Relaunch</source>
        <translation>Установить и перезапустить</translation>
    </message>
    <message>
        <source>Save or close the files with changes first: Tamsel restarts to finish the update.</source>
        <translation>Сначала сохраните или закройте изменённые файлы: Tamsel перезапустится, чтобы завершить обновление.</translation>
    </message>
</context>
<context>
    <name>AppModel</name>
    <message>
        <source>There&apos;s no picture on the clipboard. Copy a screenshot or an image first.</source>
        <translation>В буфере обмена нет изображения. Сначала скопируйте снимок экрана или картинку.</translation>
    </message>
    <message>
        <source>A file needs at least one page. To get rid of it, close the file.</source>
        <translation>В файле должна остаться хотя бы одна страница. Чтобы избавиться от файла, закройте его.</translation>
    </message>
    <message>
        <source>Tamsel opens PDFs and images.</source>
        <translation>Tamsel открывает PDF и изображения.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be opened.</source>
        <translation>Не удаётся открыть «%1».</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be opened. It may be damaged or not a PDF.</source>
        <translation>Не удаётся открыть «%1». Возможно, файл повреждён или это не PDF.</translation>
    </message>
    <message>
        <source>Choose PDFs or images</source>
        <translation>Выберите PDF или изображения</translation>
    </message>
    <message>
        <source>Saved “%1”</source>
        <translation>«%1» сохранён</translation>
    </message>
    <message>
        <source>“%1” is open in Tamsel, so it can&apos;t be replaced. Save under another name.</source>
        <translation>«%1» открыт в Tamsel, поэтому его нельзя заменить. Сохраните под другим именем.</translation>
    </message>
    <message>
        <source>“%1” wasn&apos;t saved because another task was still running. Try again when it has finished.</source>
        <translation>«%1» не сохранён: ещё выполнялась другая задача. Повторите, когда она завершится.</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Сохранение…</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be used as a file name.</source>
        <translation>«%1» нельзя использовать как имя файла.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because the name is too long.</source>
        <translation>Не удалось сохранить «%1»: слишком длинное имя.</translation>
    </message>
    <message>
        <source>Merging…</source>
        <translation>Объединение…</translation>
    </message>
    <message>
        <source>%1 (pages %2)</source>
        <extracomment>The name offered for a file of some pages: %1 the document&apos;s name, %2 the page numbers (&quot;1-3, 5&quot;).</extracomment>
        <translation>%1 (страницы %2)</translation>
    </message>
    <message>
        <source>%1 (merged)</source>
        <extracomment>The name offered for the merged file: %1 the first file&apos;s name.</extracomment>
        <translation>%1 (объединённый)</translation>
    </message>
    <message>
        <source>%1 (signed)</source>
        <extracomment>The name offered when saving: %1 the document&apos;s name.</extracomment>
        <translation>%1 (подписан)</translation>
    </message>
    <message>
        <source>%1 (edited)</source>
        <translation>%1 (изменён)</translation>
    </message>
    <message numerus="yes">
        <source>Added to all %n pages</source>
        <translation>
            <numerusform>Добавлено на все %n страницу</numerusform>
            <numerusform>Добавлено на все %n страницы</numerusform>
            <numerusform>Добавлено на все %n страниц</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Saved %n files</source>
        <translation>
            <numerusform>Сохранён %n файл</numerusform>
            <numerusform>Сохранено %n файла</numerusform>
            <numerusform>Сохранено %n файлов</numerusform>
        </translation>
    </message>
    <message>
        <source>The update is installed. Save your files, then quit and open Tamsel again to use it.</source>
        <translation>Обновление установлено. Сохраните файлы, затем закройте и снова откройте Tamsel, чтобы им воспользоваться.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be opened. %2</source>
        <translation>Не удаётся открыть «%1». %2</translation>
    </message>
</context>
<context>
    <name>BusyOverlay</name>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>CodeCard</name>
    <message>
        <source>Link</source>
        <translation>Ссылка</translation>
    </message>
    <message>
        <source>Wi-Fi</source>
        <translation>Wi-Fi</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Контакт</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Событие</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Телефон</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Сообщение</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Эл. почта</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Место</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Книга</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Товар</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>%1, page %2</source>
        <translation>%1, страница %2</translation>
    </message>
    <message>
        <source>Not encrypted: the address starts with http, not https.</source>
        <translation>Без шифрования: адрес начинается с http, а не с https.</translation>
    </message>
    <message>
        <source>A bare number instead of a site name.</source>
        <translation>Голый числовой адрес вместо имени сайта.</translation>
    </message>
    <message>
        <source>“%1” is not the site. The real site is %2.</source>
        <translation>«%1» — это не тот сайт. Настоящий сайт — %2.</translation>
    </message>
    <message>
        <source>Letters from different alphabets: this address can imitate another site.</source>
        <translation>Буквы из разных алфавитов: этот адрес может выдавать себя за другой сайт.</translation>
    </message>
    <message>
        <source>Special characters in the name can imitate another site.</source>
        <translation>Специальные символы в имени могут имитировать другой сайт.</translation>
    </message>
    <message>
        <source>Looks like %1, but the real site is %2.</source>
        <translation>Похоже на %1, но настоящий сайт — %2.</translation>
    </message>
    <message>
        <source>The real site is %1, not %2.</source>
        <translation>Настоящий сайт — %1, а не %2.</translation>
    </message>
    <message>
        <source>A short link hides where it leads.</source>
        <translation>Короткая ссылка скрывает, куда она ведёт.</translation>
    </message>
    <message>
        <source>Real site: %1</source>
        <translation>Настоящий сайт: %1</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>Открыть в браузере</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Копировать ссылку</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Сеть</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Copy Network Name</source>
        <translation>Копировать имя сети</translation>
    </message>
    <message>
        <source>Copy Password</source>
        <translation>Копировать пароль</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Скопировано</translation>
    </message>
</context>
<context>
    <name>CodeReading</name>
    <message>
        <source>Pasted image</source>
        <translation>Вставленное изображение</translation>
    </message>
    <message>
        <source>No codes found in “%1”.</source>
        <translation>В «%1» коды не найдены.</translation>
    </message>
    <message>
        <source>No codes found.</source>
        <translation>Коды не найдены.</translation>
    </message>
</context>
<context>
    <name>CodeSymbology</name>
    <message>
        <source>Barcode</source>
        <extracomment>Card title of a code whose kind is unknown</extracomment>
        <translation>Штрихкод</translation>
    </message>
</context>
<context>
    <name>CodesDropZone</name>
    <message>
        <source>Drop a picture or PDF here</source>
        <translation>Перетащите сюда изображение или PDF</translation>
    </message>
    <message>
        <source>Or copy a screenshot (Print Screen) and paste it with Ctrl+V.</source>
        <translation>Или сделайте снимок экрана (Print Screen) и вставьте его с помощью Ctrl+V.</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Открыть…</translation>
    </message>
</context>
<context>
    <name>CodesView</name>
    <message>
        <source>QR Codes</source>
        <translation>QR-коды</translation>
    </message>
    <message>
        <source>Read QR codes and barcodes from pictures, screenshots and every page of a PDF. Everything is read on this computer.</source>
        <translation>Считывайте QR-коды и штрихкоды с изображений, снимков экрана и каждой страницы PDF. Всё распознаётся на этом компьютере.</translation>
    </message>
    <message>
        <source>Reading…</source>
        <translation>Распознавание…</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Найдено</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>%1 Try a sharper or larger picture.</source>
        <extracomment>%1 says why no code was found in the picture.</extracomment>
        <translation>%1 Попробуйте более чёткое или крупное изображение.</translation>
    </message>
</context>
<context>
    <name>CompressSheet</name>
    <message>
        <source>Compress “%1”</source>
        <translation>Сжать «%1»</translation>
    </message>
    <message>
        <source>Sizes are measured on this computer: the file you save is exactly this size.</source>
        <translation>Размеры измерены на этом компьютере: сохранённый файл будет именно такого размера.</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Оригинал</translation>
    </message>
    <message>
        <source>As it is now</source>
        <translation>Без изменений</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Средний</translation>
    </message>
    <message>
        <source>Sharp text, fits most email</source>
        <translation>Чёткий текст, подходит для большинства писем</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Малый</translation>
    </message>
    <message>
        <source>The smallest readable file</source>
        <translation>Самый маленький читаемый файл</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>Сохранить…</translation>
    </message>
    <message>
        <source>For websites and forms with a size limit</source>
        <translation>Для сайтов и форм с ограничением размера</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Ограничение</translation>
    </message>
    <message>
        <source>To fit, the pages became pictures: text in this copy can&apos;t be selected or searched. The original keeps its text.</source>
        <translation>Чтобы уложиться, страницы превращены в изображения: текст в этой копии нельзя выделить или найти поиском. В оригинале текст остаётся.</translation>
    </message>
    <message>
        <source>Up to %1</source>
        <translation>До %1</translation>
    </message>
    <message>
        <source>Can&apos;t get under %1. The smallest Tamsel can make is %2.</source>
        <translation>Меньше %1 не получается. Самый маленький размер, который может сделать Tamsel, — %2.</translation>
    </message>
    <message>
        <source>Pictures in this PDF can&apos;t get much smaller while it keeps its text. Up to %1 can turn the pages into pictures when that&apos;s the only way to fit.</source>
        <translation>Изображения в этом PDF почти не уменьшить, сохранив текст. Вариант «До %1» может превратить страницы в изображения, если иначе не уложиться.</translation>
    </message>
</context>
<context>
    <name>Compression</name>
    <message>
        <source>%1 MB</source>
        <translation>%1 МБ</translation>
    </message>
</context>
<context>
    <name>DocumentView</name>
    <message>
        <source>Sign &amp; Stamp</source>
        <translation>Подпись и печать</translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>Сжать</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Разделить</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Insert, extract, export as images, merge</source>
        <translation>Вставить, извлечь, экспортировать как изображения, объединить</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Ещё</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Сохранить как…</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Повернуть влево</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>Повернуть влево</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>Повернуть вправо</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>Повернуть вправо</translation>
    </message>
    <message>
        <source>Delete Pages</source>
        <translation>Удалить страницы</translation>
    </message>
    <message>
        <source>Delete the selected pages</source>
        <translation>Удалить выбранные страницы</translation>
    </message>
    <message>
        <source>Drag to reorder. Drop PDFs or images to add pages. Save As… makes a new file; the original stays as it is.</source>
        <translation>Перетаскивайте для смены порядка. Перетащите сюда PDF или изображения, чтобы добавить страницы. «Сохранить как…» создаёт новый файл.</translation>
    </message>
    <message>
        <source>1 page</source>
        <translation>1 страница</translation>
    </message>
    <message numerus="yes">
        <source>%n pages</source>
        <translation>
            <numerusform>%n страница</numerusform>
            <numerusform>%n страницы</numerusform>
            <numerusform>%n страниц</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n selected</source>
        <translation>
            <numerusform>выбрана %n</numerusform>
            <numerusform>выбрано %n</numerusform>
            <numerusform>выбрано %n</numerusform>
        </translation>
    </message>
    <message>
        <source>password</source>
        <translation>пароль</translation>
    </message>
    <message>
        <source>not saved</source>
        <translation>не сохранено</translation>
    </message>
    <message>
        <source>Insert Pages from Files…</source>
        <translation>Вставить страницы из файлов…</translation>
    </message>
    <message>
        <source>Extract All Pages…</source>
        <translation>Извлечь все страницы…</translation>
    </message>
    <message>
        <source>Extract Selected Pages…</source>
        <translation>Извлечь выбранные страницы…</translation>
    </message>
    <message>
        <source>Export Pages as Images…</source>
        <translation>Экспортировать страницы как изображения…</translation>
    </message>
    <message>
        <source>Add to Merge</source>
        <translation>Добавить к объединению</translation>
    </message>
</context>
<context>
    <name>DrawingPad</name>
    <message>
        <source>Blue</source>
        <translation>Синий</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Чёрный</translation>
    </message>
    <message>
        <source>Ink</source>
        <translation>Чернила</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Use This Signature</source>
        <translation>Использовать эту подпись</translation>
    </message>
</context>
<context>
    <name>DropZone</name>
    <message>
        <source>Drop PDFs or images here</source>
        <translation>Перетащите сюда PDF или изображения</translation>
    </message>
    <message>
        <source>or click to open. Images become pages of a new PDF.</source>
        <translation>или нажмите, чтобы открыть. Изображения станут страницами нового PDF.</translation>
    </message>
</context>
<context>
    <name>ExportImagesSheet</name>
    <message>
        <source>%1 page %2</source>
        <extracomment>The name of one exported picture: %1 the document&apos;s name, %2 the page number.</extracomment>
        <translation>%1 страница %2</translation>
    </message>
    <message>
        <source>Export Pages as Images</source>
        <translation>Экспорт страниц как изображений</translation>
    </message>
    <message>
        <source>The selected page.</source>
        <translation>Выбранная страница.</translation>
    </message>
    <message numerus="yes">
        <source>The %n selected pages.</source>
        <translation>
            <numerusform>%n выбранная страница.</numerusform>
            <numerusform>%n выбранные страницы.</numerusform>
            <numerusform>%n выбранных страниц.</numerusform>
        </translation>
    </message>
    <message>
        <source>The one page.</source>
        <translation>Единственная страница.</translation>
    </message>
    <message numerus="yes">
        <source>All %n pages.</source>
        <translation>
            <numerusform>Все страницы (%n).</numerusform>
            <numerusform>Все %n страницы.</numerusform>
            <numerusform>Все %n страниц.</numerusform>
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
        <translation>Формат</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Разрешение</translation>
    </message>
    <message>
        <source>Screen (100 dpi)</source>
        <translation>Экран (100 dpi)</translation>
    </message>
    <message>
        <source>Good (200 dpi)</source>
        <translation>Хорошее (200 dpi)</translation>
    </message>
    <message>
        <source>Print (300 dpi)</source>
        <translation>Печать (300 dpi)</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Экспортировать…</translation>
    </message>
    <message>
        <source>Export Here</source>
        <translation>Экспортировать сюда</translation>
    </message>
    <message>
        <source>Exporting…</source>
        <translation>Экспорт…</translation>
    </message>
</context>
<context>
    <name>FilePanels</name>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>PDFs and pictures (%1)</source>
        <translation>PDF и изображения (%1)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
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
        <translation>Не сохранено</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>FileWriting</name>
    <message>
        <source>“%1” couldn&apos;t be saved because the disk is full.</source>
        <translation>Не удалось сохранить «%1»: диск заполнен.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because it is too large for that disk.</source>
        <translation>Не удалось сохранить «%1»: файл слишком велик для этого диска.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because you don&apos;t have permission to write in that folder.</source>
        <translation>Не удалось сохранить «%1»: нет прав на запись в эту папку.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because that disk is read-only.</source>
        <translation>Не удалось сохранить «%1»: диск доступен только для чтения.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because the name is too long.</source>
        <translation>Не удалось сохранить «%1»: слишком длинное имя.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because its folder doesn&apos;t exist.</source>
        <translation>Не удалось сохранить «%1»: папка не существует.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because a folder of that name is in the way.</source>
        <translation>Не удалось сохранить «%1»: мешает папка с таким же именем.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved (%2).</source>
        <translation>Не удалось сохранить «%1» (%2).</translation>
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
        <translation>Tamsel для Linux</translation>
    </message>
    <message>
        <source>PDF tools, signatures and stamps, QR codes. Private by design · 100% on-device.</source>
        <translation>Инструменты PDF, подписи и печати, QR-коды. Конфиденциально по замыслу · 100 % на устройстве.</translation>
    </message>
    <message>
        <source>Sign &amp; Stamp</source>
        <translation>Подпись и печать</translation>
    </message>
    <message>
        <source>Put your signature, initials or a company seal on any page, or on all of them.</source>
        <translation>Поставьте подпись, инициалы или печать компании на любую страницу или сразу на все.</translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>Сжать</translation>
    </message>
    <message>
        <source>Original, Medium, Small, or up to the size a website or email asks for.</source>
        <translation>Оригинал, средний, малый или до размера, который требует сайт или почта.</translation>
    </message>
    <message>
        <source>Merge PDFs</source>
        <translation>Объединить PDF</translation>
    </message>
    <message>
        <source>Join PDFs and images in the order you set.</source>
        <translation>Соедините PDF и изображения в нужном порядке.</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Разделить</translation>
    </message>
    <message>
        <source>By page ranges like 1-3, 5, 8-10, every few pages or page by page.</source>
        <translation>По диапазонам страниц вроде 1-3, 5, 8-10, через каждые несколько страниц или постранично.</translation>
    </message>
    <message>
        <source>Read QR Codes</source>
        <translation>Считать QR-коды</translation>
    </message>
    <message>
        <source>From pictures, screenshots and every page of a PDF.</source>
        <translation>С изображений, снимков экрана и каждой страницы PDF.</translation>
    </message>
    <message>
        <source>Images to PDF</source>
        <translation>Изображения в PDF</translation>
    </message>
    <message>
        <source>Photos and scans as pages of one PDF, in name order.</source>
        <translation>Фото и сканы как страницы одного PDF, по порядку имён.</translation>
    </message>
    <message>
        <source>No ads. No tracking. No account.</source>
        <translation>Без рекламы. Без слежки. Без учётной записи.</translation>
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
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Открыть…</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Сохранить как…</translation>
    </message>
    <message>
        <source>Close File</source>
        <translation>Закрыть файл</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выйти</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>About Tamsel</source>
        <translation>О Tamsel</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Проверить обновления…</translation>
    </message>
    <message>
        <source>Support the Developer…</source>
        <translation>Поддержать разработчика…</translation>
    </message>
    <message>
        <source>Changes in %1 aren&apos;t saved. Use Save As… to keep them.</source>
        <translation>Изменения в %1 не сохранены. Чтобы их сохранить, используйте «Сохранить как…».</translation>
    </message>
    <message>
        <source>Stop and quit?</source>
        <translation>Остановить и выйти?</translation>
    </message>
    <message>
        <source>Tamsel is still working (%1). Quitting stops that work; nothing half-written is kept.</source>
        <translation>Tamsel ещё работает (%1). Выход остановит эту работу; ничего недописанного не останется.</translation>
    </message>
    <message>
        <source>Quit without saving?</source>
        <translation>Выйти без сохранения?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Quit Anyway</source>
        <translation>Всё равно выйти</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
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
        <translation>1 страница</translation>
    </message>
    <message numerus="yes">
        <source>%n pages</source>
        <translation>
            <numerusform>%n страница</numerusform>
            <numerusform>%n страницы</numerusform>
            <numerusform>%n страниц</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 файл</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n файл</numerusform>
            <numerusform>%n файла</numerusform>
            <numerusform>%n файлов</numerusform>
        </translation>
    </message>
    <message>
        <source>Drag to reorder</source>
        <translation>Перетащите, чтобы изменить порядок</translation>
    </message>
    <message>
        <source>Remove from the list</source>
        <translation>Убрать из списка</translation>
    </message>
    <message>
        <source>Merge PDFs</source>
        <translation>Объединить PDF</translation>
    </message>
    <message>
        <source>Drop PDFs and images here, drag them into order, then Merge. Open files join as they are now, with their turns, removed pages and stamps.</source>
        <translation>Перетащите сюда PDF и изображения, расставьте их по порядку и нажмите «Объединить». Открытые файлы войдут такими, какие они сейчас: с поворотами, удалёнными страницами и печатями.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Drop files to merge</source>
        <translation>Перетащите файлы для объединения</translation>
    </message>
    <message>
        <source>Two or more PDFs or images</source>
        <translation>Два или больше PDF или изображений</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Merge…</source>
        <translation>Объединить…</translation>
    </message>
    <message>
        <source>Add Files…</source>
        <translation>Добавить файлы…</translation>
    </message>
</context>
<context>
    <name>NewStampMenu</name>
    <message>
        <source>From an Image File…</source>
        <translation>Из файла изображения…</translation>
    </message>
    <message>
        <source>Draw with Trackpad or Mouse…</source>
        <translation>Нарисовать тачпадом или мышью…</translation>
    </message>
    <message>
        <source>Ready Stamps…</source>
        <translation>Готовые штампы…</translation>
    </message>
    <message>
        <source>New Signature or Stamp</source>
        <translation>Новая подпись или печать</translation>
    </message>
    <message>
        <source>Choose a photo or scan of your signature or stamp</source>
        <translation>Выберите фото или скан вашей подписи или печати</translation>
    </message>
</context>
<context>
    <name>NewStampSheet</name>
    <message>
        <source>Draw Your Signature</source>
        <translation>Нарисуйте подпись</translation>
    </message>
    <message>
        <source>Ready Stamps</source>
        <translation>Готовые штампы</translation>
    </message>
    <message>
        <source>New Signature or Stamp</source>
        <translation>Новая подпись или печать</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>The checkerboard is what stays transparent on the page.</source>
        <translation>Шахматный фон — это то, что останется прозрачным на странице.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Removing the paper…</source>
        <translation>Удаление фона бумаги…</translation>
    </message>
    <message>
        <source>The signature or stamp couldn&apos;t be saved. Try again.</source>
        <translation>Не удалось сохранить подпись или печать. Попробуйте ещё раз.</translation>
    </message>
</context>
<context>
    <name>PDFEngine</name>
    <message>
        <source>A page of this file can&apos;t be read anymore. Open the file again.</source>
        <translation>Страницу этого файла больше не удаётся прочитать. Откройте файл заново.</translation>
    </message>
    <message>
        <source>The PDF couldn&apos;t be made. Try again.</source>
        <translation>Не удалось создать PDF. Попробуйте ещё раз.</translation>
    </message>
    <message>
        <source>The pages of this file are damaged in a way that stops them being copied. It can only be saved as pictures of its pages.</source>
        <translation>Страницы этого файла повреждены так, что их нельзя скопировать. Его можно сохранить только как изображения страниц.</translation>
    </message>
    <message>
        <source>Reading the PDF took too long and was stopped. A page of the file may be damaged.</source>
        <translation>Чтение PDF заняло слишком много времени и было остановлено. Возможно, страница файла повреждена.</translation>
    </message>
    <message>
        <source>Reading the PDF failed because a part of the file is damaged.</source>
        <translation>Не удалось прочитать PDF: часть файла повреждена.</translation>
    </message>
    <message>
        <source>The PDF needs more memory than Tamsel may use for one file.</source>
        <translation>PDF требует больше памяти, чем Tamsel может использовать для одного файла.</translation>
    </message>
    <message>
        <source>This PDF failed to be read several times, so Tamsel doesn&apos;t try again.</source>
        <translation>Этот PDF несколько раз не удалось прочитать, поэтому Tamsel больше не пытается.</translation>
    </message>
    <message>
        <source>Tamsel&apos;s PDF reader can&apos;t be started. Install Tamsel again.</source>
        <translation>Не удаётся запустить модуль чтения PDF в Tamsel. Установите Tamsel заново.</translation>
    </message>
    <message>
        <source>A page is too large for a picture at this resolution. Choose a lower resolution.</source>
        <translation>Страница слишком велика для изображения с таким разрешением. Выберите разрешение пониже.</translation>
    </message>
    <message>
        <source>It was moved or deleted.</source>
        <translation>Файл перемещён или удалён.</translation>
    </message>
</context>
<context>
    <name>PageGrid</name>
    <message>
        <source>Has signatures or stamps</source>
        <translation>Есть подписи или печати</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Повернуть влево</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>Повернуть вправо</translation>
    </message>
    <message>
        <source>Sign &amp; Stamp</source>
        <translation>Подпись и печать</translation>
    </message>
    <message>
        <source>Extract…</source>
        <translation>Извлечь…</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
</context>
<context>
    <name>PageImage</name>
    <message>
        <source>Can&apos;t be shown</source>
        <translation>Не удаётся показать</translation>
    </message>
</context>
<context>
    <name>PageListModel</name>
    <message>
        <source>Page %1</source>
        <translation>Страница %1</translation>
    </message>
</context>
<context>
    <name>PasswordPrompt</name>
    <message>
        <source>“%1” is locked</source>
        <translation>«%1» защищён</translation>
    </message>
    <message>
        <source>That password didn&apos;t open it. Try again.</source>
        <translation>Этот пароль не подошёл. Попробуйте ещё раз.</translation>
    </message>
    <message>
        <source>Enter its password to open it. The password stays on this computer.</source>
        <translation>Введите пароль, чтобы открыть файл. Пароль остаётся на этом компьютере.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
</context>
<context>
    <name>PasswordSheet</name>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>“%1” is protected with a password. Save a copy that opens without it, or a copy with a new one.</source>
        <translation>«%1» защищён паролем. Сохраните копию, которая открывается без пароля, или копию с новым паролем.</translation>
    </message>
    <message>
        <source>Save a Copy without Password…</source>
        <translation>Сохранить копию без пароля…</translation>
    </message>
    <message>
        <source>Save a copy that asks for this password to open. Keep it somewhere safe: it can&apos;t be recovered.</source>
        <translation>Сохраните копию, которая будет запрашивать этот пароль при открытии. Храните его в надёжном месте: восстановить его нельзя.</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Новый пароль</translation>
    </message>
    <message>
        <source>Repeat password</source>
        <translation>Повторите пароль</translation>
    </message>
    <message>
        <source>The passwords don&apos;t match.</source>
        <translation>Пароли не совпадают.</translation>
    </message>
    <message>
        <source>Save Protected Copy…</source>
        <translation>Сохранить защищённую копию…</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Сохранение…</translation>
    </message>
    <message>
        <source>%1 (protected)</source>
        <extracomment>The name offered for the copy: %1 the document&apos;s name.</extracomment>
        <translation>%1 (защищён)</translation>
    </message>
    <message>
        <source>%1 (no password)</source>
        <translation>%1 (без пароля)</translation>
    </message>
</context>
<context>
    <name>PlacedStamp</name>
    <message>
        <source>Drag to turn</source>
        <translation>Потяните, чтобы повернуть</translation>
    </message>
    <message>
        <source>Drag to resize</source>
        <translation>Потяните, чтобы изменить размер</translation>
    </message>
</context>
<context>
    <name>ProcessRunner</name>
    <message>
        <source>The tool didn&apos;t answer in time.</source>
        <extracomment>Error when a command-line tool times out</extracomment>
        <translation>Программа не ответила вовремя.</translation>
    </message>
    <message>
        <source>Exit code %1</source>
        <extracomment>Error of a command-line tool that gave no message</extracomment>
        <translation>Код завершения %1</translation>
    </message>
</context>
<context>
    <name>ReadyStamp</name>
    <message>
        <source>APPROVED</source>
        <translation>УТВЕРЖДЕНО</translation>
    </message>
    <message>
        <source>PAID</source>
        <translation>ОПЛАЧЕНО</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>КОПИЯ</translation>
    </message>
    <message>
        <source>CONFIDENTIAL</source>
        <translation>КОНФИДЕНЦИАЛЬНО</translation>
    </message>
    <message>
        <source>DRAFT</source>
        <translation>ЧЕРНОВИК</translation>
    </message>
    <message>
        <source>RECEIVED</source>
        <translation>ПОЛУЧЕНО</translation>
    </message>
</context>
<context>
    <name>ReadyStampsPicker</name>
    <message>
        <source>Red</source>
        <translation>Красный</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синий</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Чёрный</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Цвет</translation>
    </message>
    <message>
        <source>Add today&apos;s date</source>
        <translation>Добавить сегодняшнюю дату</translation>
    </message>
    <message>
        <source>Your own word, like PAID IN CASH</source>
        <translation>Своё слово, например ОПЛАЧЕНО НАЛИЧНЫМИ</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
</context>
<context>
    <name>RootView</name>
    <message>
        <source>Support Tamsel</source>
        <translation>Поддержать Tamsel</translation>
    </message>
    <message>
        <source>Support the developer</source>
        <translation>Поддержать разработчика</translation>
    </message>
    <message>
        <source>About Tamsel</source>
        <translation>О Tamsel</translation>
    </message>
    <message>
        <source>About, updates, privacy and support</source>
        <translation>О программе, обновления, конфиденциальность и поддержка</translation>
    </message>
    <message>
        <source>Something went wrong</source>
        <translation>Что-то пошло не так</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save changes to “%1”?</source>
        <translation>Сохранить изменения в «%1»?</translation>
    </message>
    <message>
        <source>Your changes will be lost if you close it without saving. The original file stays as it was.</source>
        <translation>Если закрыть без сохранения, изменения будут потеряны. Исходный файл останется прежним.</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Сохранить как…</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Не сохранять</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Save as Pictures</source>
        <translation>Сохранить как изображения</translation>
    </message>
    <message>
        <source>Hide Sidebar</source>
        <translation>Скрыть боковую панель</translation>
    </message>
    <message>
        <source>Show Sidebar</source>
        <translation>Показать боковую панель</translation>
    </message>
</context>
<context>
    <name>Sharing</name>
    <message>
        <source>Email…</source>
        <translation>Эл. почта…</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Копировать ссылку</translation>
    </message>
    <message>
        <source>Link copied</source>
        <translation>Ссылка скопирована</translation>
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
        <translation>от Vornel Apps</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Главная</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Файлы</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Открыть…</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Инструменты</translation>
    </message>
    <message>
        <source>Merge PDFs</source>
        <translation>Объединить PDF</translation>
    </message>
    <message>
        <source>Signatures &amp; Stamps</source>
        <translation>Подписи и печати</translation>
    </message>
    <message>
        <source>QR Codes</source>
        <translation>QR-коды</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Сохранить как…</translation>
    </message>
    <message>
        <source>Add to Merge</source>
        <translation>Добавить к объединению</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>SignView</name>
    <message>
        <source>Pages</source>
        <translation>Страницы</translation>
    </message>
    <message>
        <source>Back to all pages</source>
        <translation>Назад ко всем страницам</translation>
    </message>
    <message>
        <source>Sign &amp; Stamp</source>
        <translation>Подпись и печать</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Сохранить как…</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Предыдущая страница</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Следующая страница</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Страница %1 из %2</translation>
    </message>
</context>
<context>
    <name>SplitSheet</name>
    <message>
        <source>Split “%1”</source>
        <translation>Разделить «%1»</translation>
    </message>
    <message>
        <source>By page ranges</source>
        <translation>По диапазонам страниц</translation>
    </message>
    <message>
        <source>Every few pages</source>
        <translation>Через несколько страниц</translation>
    </message>
    <message>
        <source>Page by page</source>
        <translation>Постранично</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Разделить</translation>
    </message>
    <message>
        <source>For example: 1-3, 5, 8-10</source>
        <translation>Например: 1-3, 5, 8-10</translation>
    </message>
    <message>
        <source>Each range becomes its own PDF. Pages 1 to %1.</source>
        <translation>Каждый диапазон станет отдельным PDF. Страницы с 1 по %1.</translation>
    </message>
    <message>
        <source>Pages per file</source>
        <translation>Страниц в файле</translation>
    </message>
    <message numerus="yes">
        <source>Each of the %n pages becomes its own PDF.</source>
        <translation>
            <numerusform>Каждая из %n страницы станет отдельным PDF.</numerusform>
            <numerusform>Каждая из %n страниц станет отдельным PDF.</numerusform>
            <numerusform>Каждая из %n страниц станет отдельным PDF.</numerusform>
        </translation>
    </message>
    <message>
        <source>Split…</source>
        <translation>Разделить…</translation>
    </message>
    <message numerus="yes">
        <source>A new file every %n pages</source>
        <translation>
            <numerusform>Новый файл через каждую %n страницу</numerusform>
            <numerusform>Новый файл через каждые %n страницы</numerusform>
            <numerusform>Новый файл через каждые %n страниц</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Makes %n files: %1</source>
        <translation>
            <numerusform>Получится %n файл: %1</numerusform>
            <numerusform>Получится %n файла: %1</numerusform>
            <numerusform>Получится %n файлов: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Use page numbers from 1 to %1, like 1-3, 5.</source>
        <translation>Укажите номера страниц от 1 до %1, например 1-3, 5.</translation>
    </message>
    <message>
        <source>Split Here</source>
        <translation>Разделить здесь</translation>
    </message>
    <message>
        <source>Splitting…</source>
        <translation>Разделение…</translation>
    </message>
</context>
<context>
    <name>StampLibrary</name>
    <message>
        <source>Signature</source>
        <translation>Подпись</translation>
    </message>
    <message>
        <source>Stamp</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>The signature or stamp couldn&apos;t be saved. Try again.</source>
        <translation>Не удалось сохранить подпись или печать. Попробуйте ещё раз.</translation>
    </message>
    <message>
        <source>The change couldn&apos;t be saved. Try again.</source>
        <translation>Не удалось сохранить изменение. Попробуйте ещё раз.</translation>
    </message>
</context>
<context>
    <name>StampLibraryPanel</name>
    <message>
        <source>Put on this page</source>
        <translation>Поставить на эту страницу</translation>
    </message>
    <message>
        <source>Signatures &amp; Stamps</source>
        <translation>Подписи и печати</translation>
    </message>
    <message>
        <source>Add your signature or a company seal once; it stays in Tamsel on this computer for every document.</source>
        <translation>Добавьте подпись или печать компании один раз — она останется в Tamsel на этом компьютере для любых документов.</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Угол</translation>
    </message>
    <message>
        <source>Add to All Pages</source>
        <translation>Добавить на все страницы</translation>
    </message>
    <message>
        <source>Remove from Page</source>
        <translation>Убрать со страницы</translation>
    </message>
    <message>
        <source>Or paste a photo or scan with Ctrl+V, or drop one here.</source>
        <translation>Или вставьте фото или скан с помощью Ctrl+V, или перетащите его сюда.</translation>
    </message>
</context>
<context>
    <name>StampMaker</name>
    <message>
        <source>This image can&apos;t be read.</source>
        <translation>Не удаётся прочитать это изображение.</translation>
    </message>
    <message>
        <source>No signature or stamp found. Try a photo of it on white paper.</source>
        <translation>Подпись или печать не найдена. Попробуйте фото на белой бумаге.</translation>
    </message>
</context>
<context>
    <name>StampsView</name>
    <message>
        <source>Rename or delete</source>
        <translation>Переименовать или удалить</translation>
    </message>
    <message>
        <source>Rename or delete “%1”</source>
        <translation>Переименовать или удалить «%1»</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>Переименовать…</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>Удалить…</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Переименовать</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Signatures &amp; Stamps</source>
        <translation>Подписи и печати</translation>
    </message>
    <message>
        <source>Your signature, initials or a company seal, with the paper removed automatically. They stay only on this computer. Tamsel puts your own images on documents; it doesn&apos;t make a signature legally binding by itself.</source>
        <translation>Ваша подпись, инициалы или печать компании — фон бумаги убирается автоматически. Они хранятся только на этом компьютере. Tamsel ставит ваши собственные изображения на документы; сам по себе он не делает подпись юридически значимой.</translation>
    </message>
    <message>
        <source>No signatures or stamps yet</source>
        <translation>Пока нет подписей и печатей</translation>
    </message>
    <message>
        <source>Sign a white sheet of paper or stamp it, then take a photo of it and choose the photo or a scan. You can also draw with the trackpad or pick a ready stamp like PAID or APPROVED.</source>
        <translation>Распишитесь или поставьте печать на белом листе бумаги, сфотографируйте его и выберите фото или скан. Можно также нарисовать подпись тачпадом или выбрать готовый штамп, например ОПЛАЧЕНО или УТВЕРЖДЕНО.</translation>
    </message>
    <message>
        <source>Tamsel</source>
        <translation>Tamsel</translation>
    </message>
    <message>
        <source>Delete “%1”?</source>
        <translation>Удалить «%1»?</translation>
    </message>
    <message>
        <source>It also leaves pages open in Tamsel. Files you already saved keep it.</source>
        <translation>Она исчезнет и со страниц, открытых в Tamsel. В уже сохранённых файлах она останется.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
</context>
<context>
    <name>SupportView</name>
    <message>
        <source>Done! Support Tamsel?</source>
        <translation>Готово! Поддержите Tamsel?</translation>
    </message>
    <message>
        <source>Support Tamsel</source>
        <translation>Поддержать Tamsel</translation>
    </message>
    <message>
        <source>Tamsel is free: no ads, no tracking, no subscription. If it saved you time, you can thank the developer with crypto. Any amount helps keep it free.</source>
        <translation>Tamsel бесплатен: без рекламы, без слежки, без подписки. Если он сэкономил вам время, вы можете отблагодарить разработчика криптовалютой. Любая сумма помогает сохранить его бесплатным.</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Сеть</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Монеты</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Адрес</translation>
    </message>
    <message>
        <source>Send only on the networks listed above. Coins sent on another network can&apos;t be recovered.</source>
        <translation>Отправляйте только в сетях, указанных выше. Монеты, отправленные в другой сети, вернуть нельзя.</translation>
    </message>
    <message>
        <source>The same addresses are on %1/donate.</source>
        <translation>Те же адреса есть на %1/donate.</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Не сейчас</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>QR code of the %1 address</source>
        <translation>QR-код адреса %1</translation>
    </message>
    <message>
        <source>Address copied</source>
        <translation>Адрес скопирован</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Скопировано</translation>
    </message>
    <message>
        <source>Copy Address</source>
        <translation>Копировать адрес</translation>
    </message>
    <message>
        <source>This copy of Tamsel was built without donation addresses. The developer&apos;s are on %1/donate.</source>
        <translation>Эта копия Tamsel собрана без адресов для пожертвований. Адреса разработчика — на %1/donate.</translation>
    </message>
</context>
<context>
    <name>TellAFriendView</name>
    <message>
        <source>Tell a friend</source>
        <translation>Рассказать другу</translation>
    </message>
    <message>
        <source>Like Tamsel? Tell a friend.</source>
        <translation>Нравится Tamsel? Расскажите другу.</translation>
    </message>
    <message>
        <source>Tamsel is free: no ads, no tracking. We don&apos;t buy ads, so friends telling friends is how people find it.</source>
        <translation>Tamsel бесплатен: без рекламы, без слежки. Мы не покупаем рекламу — о Tamsel узнают, когда друзья рассказывают друзьям.</translation>
    </message>
    <message>
        <source>Your friend gets this message:</source>
        <translation>Ваш друг получит такое сообщение:</translation>
    </message>
    <message>
        <source>You choose the app and the friend; we never see who.</source>
        <translation>Вы выбираете приложение и друга; мы никогда не видим, кого именно.</translation>
    </message>
    <message>
        <source>Share…</source>
        <translation>Поделиться…</translation>
    </message>
    <message>
        <source>Tamsel for Linux: free PDF tools, signatures and stamps, QR codes. Everything stays on your computer.</source>
        <comment>The message shared with a friend, followed by the link to the app&apos;s page.</comment>
        <translation>Tamsel для Linux: бесплатные инструменты для PDF, подписи и печати, QR-коды. Всё остаётся на вашем компьютере.</translation>
    </message>
    <message>
        <source>Message copied</source>
        <translation>Сообщение скопировано</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Скопировано</translation>
    </message>
    <message>
        <source>Copy Message</source>
        <translation>Копировать сообщение</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Не сейчас</translation>
    </message>
</context>
<context>
    <name>ToastView</name>
    <message>
        <source>Show in Folder</source>
        <translation>Показать в папке</translation>
    </message>
</context>
<context>
    <name>ToolSheetFrame</name>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>The update information isn&apos;t available right now. Try again later.</source>
        <extracomment>Check for Updates error</extracomment>
        <translation>Сведения об обновлениях сейчас недоступны. Попробуйте позже.</translation>
    </message>
    <message>
        <source>Couldn&apos;t check for updates: %1</source>
        <extracomment>Check for Updates error. The placeholder is the system&apos;s error message.</extracomment>
        <translation>Не удалось проверить обновления: %1</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation>Не удалось прочитать данные: неверный формат.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation>Не удалось прочитать данные: они отсутствуют.</translation>
    </message>
    <message>
        <source>The update information is too large.</source>
        <translation>Сведения об обновлениях слишком велики.</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>Время ожидания запроса истекло.</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>The request timed out.</source>
        <translation>Время ожидания запроса истекло.</translation>
    </message>
    <message>
        <source>moved permanently</source>
        <translation>перемещено навсегда</translation>
    </message>
    <message>
        <source>found</source>
        <translation>найдено</translation>
    </message>
    <message>
        <source>not modified</source>
        <translation>не изменено</translation>
    </message>
    <message>
        <source>bad request</source>
        <translation>неверный запрос</translation>
    </message>
    <message>
        <source>unauthorized</source>
        <translation>не авторизован</translation>
    </message>
    <message>
        <source>forbidden</source>
        <translation>запрещено</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>не найдено</translation>
    </message>
    <message>
        <source>method not allowed</source>
        <translation>метод не разрешён</translation>
    </message>
    <message>
        <source>request timed out</source>
        <translation>время ожидания запроса истекло</translation>
    </message>
    <message>
        <source>no longer exists</source>
        <translation>больше не существует</translation>
    </message>
    <message>
        <source>too many requests</source>
        <translation>слишком много запросов</translation>
    </message>
    <message>
        <source>internal server error</source>
        <translation>внутренняя ошибка сервера</translation>
    </message>
    <message>
        <source>unimplemented</source>
        <translation>не реализовано</translation>
    </message>
    <message>
        <source>bad gateway</source>
        <translation>ошибка шлюза</translation>
    </message>
    <message>
        <source>service unavailable</source>
        <translation>сервис недоступен</translation>
    </message>
    <message>
        <source>gateway timed out</source>
        <translation>время ожидания шлюза истекло</translation>
    </message>
    <message>
        <source>informational</source>
        <translation>информационный</translation>
    </message>
    <message>
        <source>success</source>
        <translation>успех</translation>
    </message>
    <message>
        <source>redirected</source>
        <translation>перенаправлено</translation>
    </message>
    <message>
        <source>client error</source>
        <translation>ошибка клиента</translation>
    </message>
    <message>
        <source>server error</source>
        <translation>ошибка сервера</translation>
    </message>
    <message>
        <source>Couldn&apos;t install the update (%1). This copy is now “%2” in the same folder: rename it back to Tamsel.</source>
        <extracomment>Install and Relaunch error when the old copy couldn&apos;t get its name back. Placeholders: the system&apos;s message, the app&apos;s current file name.</extracomment>
        <translation>Не удалось установить обновление (%1). Эта копия теперь называется «%2» в той же папке: переименуйте её обратно в Tamsel.</translation>
    </message>
    <message>
        <source>Couldn&apos;t install the update (%1). This copy wasn&apos;t changed.</source>
        <extracomment>Install and Relaunch error. The placeholder is the system&apos;s or a tool&apos;s message.</extracomment>
        <translation>Не удалось установить обновление (%1). Эта копия не изменена.</translation>
    </message>
    <message>
        <source>The downloaded update didn&apos;t pass the check. This copy wasn&apos;t changed.</source>
        <extracomment>Install and Relaunch error</extracomment>
        <translation>Загруженное обновление не прошло проверку. Эта копия не изменена.</translation>
    </message>
    <message>
        <source>The download is larger than expected.</source>
        <extracomment>Install and Relaunch error, inside &quot;Couldn&apos;t install the update (…)&quot;: the server sent more than the update&apos;s size.</extracomment>
        <translation>Загружаемый файл больше, чем ожидалось.</translation>
    </message>
    <message>
        <source>There isn&apos;t enough free space for the update.</source>
        <extracomment>Install and Relaunch error, inside &quot;Couldn&apos;t install the update (…)&quot;.</extracomment>
        <translation>Недостаточно свободного места для обновления.</translation>
    </message>
</context>
</TS>
