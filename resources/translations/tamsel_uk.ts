<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>AboutView</name>
    <message>
        <source>About Tamsel</source>
        <translation>Про Tamsel</translation>
    </message>
    <message>
        <source>Tamsel for Linux</source>
        <translation>Tamsel для Linux</translation>
    </message>
    <message>
        <source>Version %1 (%2) · by Vornel Apps</source>
        <translation>Версія %1 (%2) · Vornel Apps</translation>
    </message>
    <message>
        <source>Help &amp; legal</source>
        <translation>Довідка та правова інформація</translation>
    </message>
    <message>
        <source>Follow us</source>
        <translation>Ми в соцмережах</translation>
    </message>
    <message>
        <source>More from Vornel Apps</source>
        <translation>Більше від Vornel Apps</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Оновлення</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Перевірити оновлення</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Мова</translation>
    </message>
    <message>
        <source>Same as system</source>
        <translation>Як у системі</translation>
    </message>
    <message>
        <source>Restart Tamsel</source>
        <translation>Перезапустити Tamsel</translation>
    </message>
    <message>
        <source>Free, with optional support</source>
        <translation>Безкоштовно, підтримка за бажанням</translation>
    </message>
    <message>
        <source>No ads, no tracking, no account, no subscription. Everything runs on your computer. If Tamsel helps, you can support the developer with crypto.</source>
        <translation>Без реклами, без стеження, без облікового запису, без підписки. Усе працює на вашому комп’ютері. Якщо Tamsel вам допомагає, ви можете підтримати розробника криптовалютою.</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Підтримати</translation>
    </message>
    <message>
        <source>Tell a friend</source>
        <translation>Розповісти другові</translation>
    </message>
    <message>
        <source>Tamsel spends nothing on ads, so people telling people is how it grows. Share a link to its page; nothing is sent unless you choose where.</source>
        <translation>Tamsel нічого не витрачає на рекламу: про нього дізнаються, коли люди розповідають одне одному. Поділіться посиланням на його сторінку — нічого не надсилається, доки ви самі не оберете куди.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Поділитися</translation>
    </message>
    <message>
        <source>Write to Support</source>
        <translation>Написати в підтримку</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>Політика конфіденційності</translation>
    </message>
    <message>
        <source>Terms of Use</source>
        <translation>Умови використання</translation>
    </message>
    <message>
        <source>X (developer)</source>
        <comment>Link to the developer&apos;s account on X</comment>
        <translation>X (розробник)</translation>
    </message>
    <message>
        <source>Our other apps</source>
        <translation>Інші наші застосунки</translation>
    </message>
    <message>
        <source>Tamsel checks only when you ask. It reads one file on %1 and sends nothing about your computer.</source>
        <translation>Tamsel перевіряє оновлення, лише коли ви просите. Він читає один файл на %1 і нічого не надсилає про ваш комп’ютер.</translation>
    </message>
    <message>
        <source>You have the latest version.</source>
        <translation>У вас остання версія.</translation>
    </message>
    <message>
        <source>Version %1 is available.</source>
        <translation>Доступна версія %1.</translation>
    </message>
    <message>
        <source>Downloading and checking the update…</source>
        <translation>Завантаження та перевірка оновлення…</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Завантажити</translation>
    </message>
    <message>
        <source>Tamsel switches to the new language after a restart. Save or close the files with changes first.</source>
        <translation>Tamsel перейде на нову мову після перезапуску. Спершу збережіть або закрийте змінені файли.</translation>
    </message>
    <message>
        <source>Tamsel switches to the new language after a restart.</source>
        <translation>Tamsel перейде на нову мову після перезапуску.</translation>
    </message>
    <message>
        <source>Install and Relaunch</source>
        <translation>Установити й перезапустити</translation>
    </message>
    <message>
        <source>Save or close the files with changes first: Tamsel restarts to finish the update.</source>
        <translation>Спершу збережіть або закрийте змінені файли: Tamsel перезапуститься, щоб завершити оновлення.</translation>
    </message>
</context>
<context>
    <name>AppModel</name>
    <message>
        <source>There&apos;s no picture on the clipboard. Copy a screenshot or an image first.</source>
        <translation>У буфері обміну немає зображення. Спершу скопіюйте знімок екрана або зображення.</translation>
    </message>
    <message>
        <source>A file needs at least one page. To get rid of it, close the file.</source>
        <translation>У файлі має бути принаймні одна сторінка. Щоб позбутися файлу, закрийте його.</translation>
    </message>
    <message>
        <source>Tamsel opens PDFs and images.</source>
        <translation>Tamsel відкриває PDF і зображення.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be opened.</source>
        <translation>Не вдається відкрити «%1».</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be opened. It may be damaged or not a PDF.</source>
        <translation>Не вдається відкрити «%1». Можливо, файл пошкоджено або це не PDF.</translation>
    </message>
    <message>
        <source>Choose PDFs or images</source>
        <translation>Виберіть PDF або зображення</translation>
    </message>
    <message>
        <source>Saved “%1”</source>
        <translation>«%1» збережено</translation>
    </message>
    <message>
        <source>“%1” is open in Tamsel, so it can&apos;t be replaced. Save under another name.</source>
        <translation>«%1» відкрито в Tamsel, тому його не можна замінити. Збережіть під іншою назвою.</translation>
    </message>
    <message>
        <source>“%1” wasn&apos;t saved because another task was still running. Try again when it has finished.</source>
        <translation>«%1» не збережено: ще виконувалося інше завдання. Повторіть, коли воно завершиться.</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Збереження…</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be used as a file name.</source>
        <translation>«%1» не можна використати як назву файлу.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because the name is too long.</source>
        <translation>Не вдалося зберегти «%1»: назва задовга.</translation>
    </message>
    <message>
        <source>Merging…</source>
        <translation>Об’єднання…</translation>
    </message>
    <message>
        <source>%1 (pages %2)</source>
        <extracomment>The name offered for a file of some pages: %1 the document&apos;s name, %2 the page numbers (&quot;1-3, 5&quot;).</extracomment>
        <translation>%1 (сторінки %2)</translation>
    </message>
    <message>
        <source>%1 (merged)</source>
        <extracomment>The name offered for the merged file: %1 the first file&apos;s name.</extracomment>
        <translation>%1 (об’єднаний)</translation>
    </message>
    <message>
        <source>%1 (signed)</source>
        <extracomment>The name offered when saving: %1 the document&apos;s name.</extracomment>
        <translation>%1 (підписаний)</translation>
    </message>
    <message>
        <source>%1 (edited)</source>
        <translation>%1 (змінений)</translation>
    </message>
    <message numerus="yes">
        <source>Added to all %n pages</source>
        <translation>
            <numerusform>Додано на всі %n сторінку</numerusform>
            <numerusform>Додано на всі %n сторінки</numerusform>
            <numerusform>Додано на всі %n сторінок</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Saved %n files</source>
        <translation>
            <numerusform>Збережено %n файл</numerusform>
            <numerusform>Збережено %n файли</numerusform>
            <numerusform>Збережено %n файлів</numerusform>
        </translation>
    </message>
    <message>
        <source>The update is installed. Save your files, then quit and open Tamsel again to use it.</source>
        <translation>Оновлення встановлено. Збережіть файли, потім закрийте й знову відкрийте Tamsel, щоб ним скористатися.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be opened. %2</source>
        <translation>Не вдається відкрити «%1». %2</translation>
    </message>
</context>
<context>
    <name>BusyOverlay</name>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>CodeCard</name>
    <message>
        <source>Link</source>
        <translation>Посилання</translation>
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
        <translation>Подія</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Телефон</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Повідомлення</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Ел. пошта</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Місце</translation>
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
        <translation>%1, сторінка %2</translation>
    </message>
    <message>
        <source>Not encrypted: the address starts with http, not https.</source>
        <translation>Без шифрування: адреса починається з http, а не з https.</translation>
    </message>
    <message>
        <source>A bare number instead of a site name.</source>
        <translation>Голе число замість назви сайту.</translation>
    </message>
    <message>
        <source>“%1” is not the site. The real site is %2.</source>
        <translation>«%1» — це не той сайт. Справжній сайт — %2.</translation>
    </message>
    <message>
        <source>Letters from different alphabets: this address can imitate another site.</source>
        <translation>Літери з різних абеток: ця адреса може видавати себе за інший сайт.</translation>
    </message>
    <message>
        <source>Special characters in the name can imitate another site.</source>
        <translation>Спеціальні символи в назві можуть імітувати інший сайт.</translation>
    </message>
    <message>
        <source>Looks like %1, but the real site is %2.</source>
        <translation>Схоже на %1, але справжній сайт — %2.</translation>
    </message>
    <message>
        <source>The real site is %1, not %2.</source>
        <translation>Справжній сайт — %1, а не %2.</translation>
    </message>
    <message>
        <source>A short link hides where it leads.</source>
        <translation>Коротке посилання приховує, куди воно веде.</translation>
    </message>
    <message>
        <source>Real site: %1</source>
        <translation>Справжній сайт: %1</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>Відкрити в браузері</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Копіювати посилання</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Мережа</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Copy Network Name</source>
        <translation>Копіювати назву мережі</translation>
    </message>
    <message>
        <source>Copy Password</source>
        <translation>Копіювати пароль</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копіювати</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Скопійовано</translation>
    </message>
</context>
<context>
    <name>CodeReading</name>
    <message>
        <source>Pasted image</source>
        <translation>Вставлене зображення</translation>
    </message>
    <message>
        <source>No codes found in “%1”.</source>
        <translation>У «%1» коди не знайдено.</translation>
    </message>
    <message>
        <source>No codes found.</source>
        <translation>Коди не знайдено.</translation>
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
        <translation>Перетягніть сюди зображення або PDF</translation>
    </message>
    <message>
        <source>Or copy a screenshot (Print Screen) and paste it with Ctrl+V.</source>
        <translation>Або зробіть знімок екрана (Print Screen) і вставте його за допомогою Ctrl+V.</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставити</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Відкрити…</translation>
    </message>
</context>
<context>
    <name>CodesView</name>
    <message>
        <source>QR Codes</source>
        <translation>QR-коди</translation>
    </message>
    <message>
        <source>Read QR codes and barcodes from pictures, screenshots and every page of a PDF. Everything is read on this computer.</source>
        <translation>Зчитуйте QR-коди та штрихкоди із зображень, знімків екрана й кожної сторінки PDF. Усе розпізнається на цьому комп’ютері.</translation>
    </message>
    <message>
        <source>Reading…</source>
        <translation>Зчитування…</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Зупинити</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Знайдено</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистити</translation>
    </message>
    <message>
        <source>%1 Try a sharper or larger picture.</source>
        <extracomment>%1 says why no code was found in the picture.</extracomment>
        <translation>%1 Спробуйте чіткіше або більше зображення.</translation>
    </message>
</context>
<context>
    <name>CompressSheet</name>
    <message>
        <source>Compress “%1”</source>
        <translation>Стиснути «%1»</translation>
    </message>
    <message>
        <source>Sizes are measured on this computer: the file you save is exactly this size.</source>
        <translation>Розміри виміряно на цьому комп’ютері: збережений файл матиме саме такий розмір.</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Оригінал</translation>
    </message>
    <message>
        <source>As it is now</source>
        <translation>Без змін</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Середній</translation>
    </message>
    <message>
        <source>Sharp text, fits most email</source>
        <translation>Чіткий текст, підходить для більшості листів</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Малий</translation>
    </message>
    <message>
        <source>The smallest readable file</source>
        <translation>Найменший придатний для читання файл</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>Зберегти…</translation>
    </message>
    <message>
        <source>For websites and forms with a size limit</source>
        <translation>Для сайтів і форм з обмеженням розміру</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Обмеження</translation>
    </message>
    <message>
        <source>To fit, the pages became pictures: text in this copy can&apos;t be selected or searched. The original keeps its text.</source>
        <translation>Щоб вкластися, сторінки перетворено на зображення: текст у цій копії не можна виділити чи знайти пошуком. В оригіналі текст залишається.</translation>
    </message>
    <message>
        <source>Up to %1</source>
        <translation>До %1</translation>
    </message>
    <message>
        <source>Can&apos;t get under %1. The smallest Tamsel can make is %2.</source>
        <translation>Менше ніж %1 не виходить. Найменший розмір, який може зробити Tamsel, — %2.</translation>
    </message>
    <message>
        <source>Pictures in this PDF can&apos;t get much smaller while it keeps its text. Up to %1 can turn the pages into pictures when that&apos;s the only way to fit.</source>
        <translation>Зображення в цьому PDF майже не зменшити, зберігши текст. Варіант «До %1» може перетворити сторінки на зображення, якщо інакше не вкластися.</translation>
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
        <translation>Підпис і печатка</translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>Стиснути</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Розділити</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Insert, extract, export as images, merge</source>
        <translation>Вставити, витягти, експортувати як зображення, об’єднати</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Ще</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Зберегти як…</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Повернути ліворуч</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>Повернути ліворуч</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>Повернути праворуч</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>Повернути праворуч</translation>
    </message>
    <message>
        <source>Delete Pages</source>
        <translation>Видалити сторінки</translation>
    </message>
    <message>
        <source>Delete the selected pages</source>
        <translation>Видалити вибрані сторінки</translation>
    </message>
    <message>
        <source>Drag to reorder. Drop PDFs or images to add pages. Save As… makes a new file; the original stays as it is.</source>
        <translation>Перетягуйте для зміни порядку. Перетягніть сюди PDF або зображення, щоб додати сторінки. «Зберегти як…» створює новий файл.</translation>
    </message>
    <message>
        <source>1 page</source>
        <translation>1 сторінка</translation>
    </message>
    <message numerus="yes">
        <source>%n pages</source>
        <translation>
            <numerusform>%n сторінка</numerusform>
            <numerusform>%n сторінки</numerusform>
            <numerusform>%n сторінок</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n selected</source>
        <translation>
            <numerusform>вибрано %n</numerusform>
            <numerusform>вибрано %n</numerusform>
            <numerusform>вибрано %n</numerusform>
        </translation>
    </message>
    <message>
        <source>password</source>
        <translation>пароль</translation>
    </message>
    <message>
        <source>not saved</source>
        <translation>не збережено</translation>
    </message>
    <message>
        <source>Insert Pages from Files…</source>
        <translation>Вставити сторінки з файлів…</translation>
    </message>
    <message>
        <source>Extract All Pages…</source>
        <translation>Витягти всі сторінки…</translation>
    </message>
    <message>
        <source>Extract Selected Pages…</source>
        <translation>Витягти вибрані сторінки…</translation>
    </message>
    <message>
        <source>Export Pages as Images…</source>
        <translation>Експортувати сторінки як зображення…</translation>
    </message>
    <message>
        <source>Add to Merge</source>
        <translation>Додати до об’єднання</translation>
    </message>
</context>
<context>
    <name>DrawingPad</name>
    <message>
        <source>Blue</source>
        <translation>Синій</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Чорний</translation>
    </message>
    <message>
        <source>Ink</source>
        <translation>Чорнило</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистити</translation>
    </message>
    <message>
        <source>Use This Signature</source>
        <translation>Використати цей підпис</translation>
    </message>
</context>
<context>
    <name>DropZone</name>
    <message>
        <source>Drop PDFs or images here</source>
        <translation>Перетягніть сюди PDF або зображення</translation>
    </message>
    <message>
        <source>or click to open. Images become pages of a new PDF.</source>
        <translation>або клацніть, щоб відкрити. Зображення стануть сторінками нового PDF.</translation>
    </message>
</context>
<context>
    <name>ExportImagesSheet</name>
    <message>
        <source>%1 page %2</source>
        <extracomment>The name of one exported picture: %1 the document&apos;s name, %2 the page number.</extracomment>
        <translation>%1 сторінка %2</translation>
    </message>
    <message>
        <source>Export Pages as Images</source>
        <translation>Експорт сторінок як зображень</translation>
    </message>
    <message>
        <source>The selected page.</source>
        <translation>Вибрана сторінка.</translation>
    </message>
    <message numerus="yes">
        <source>The %n selected pages.</source>
        <translation>
            <numerusform>%n вибрана сторінка.</numerusform>
            <numerusform>%n вибрані сторінки.</numerusform>
            <numerusform>%n вибраних сторінок.</numerusform>
        </translation>
    </message>
    <message>
        <source>The one page.</source>
        <translation>Єдина сторінка.</translation>
    </message>
    <message numerus="yes">
        <source>All %n pages.</source>
        <translation>
            <numerusform>Усі сторінки (%n).</numerusform>
            <numerusform>Усі %n сторінки.</numerusform>
            <numerusform>Усі %n сторінок.</numerusform>
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
        <translation>Роздільність</translation>
    </message>
    <message>
        <source>Screen (100 dpi)</source>
        <translation>Екран (100 dpi)</translation>
    </message>
    <message>
        <source>Good (200 dpi)</source>
        <translation>Добра (200 dpi)</translation>
    </message>
    <message>
        <source>Print (300 dpi)</source>
        <translation>Друк (300 dpi)</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Експортувати…</translation>
    </message>
    <message>
        <source>Export Here</source>
        <translation>Експортувати сюди</translation>
    </message>
    <message>
        <source>Exporting…</source>
        <translation>Експорт…</translation>
    </message>
</context>
<context>
    <name>FilePanels</name>
    <message>
        <source>Open</source>
        <translation>Відкрити</translation>
    </message>
    <message>
        <source>PDFs and pictures (%1)</source>
        <translation>PDF і зображення (%1)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Зберегти</translation>
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
        <translation>Не збережено</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
</context>
<context>
    <name>FileWriting</name>
    <message>
        <source>“%1” couldn&apos;t be saved because the disk is full.</source>
        <translation>Не вдалося зберегти «%1»: диск заповнено.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because it is too large for that disk.</source>
        <translation>Не вдалося зберегти «%1»: файл завеликий для цього диска.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because you don&apos;t have permission to write in that folder.</source>
        <translation>Не вдалося зберегти «%1»: немає дозволу на запис у цю теку.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because that disk is read-only.</source>
        <translation>Не вдалося зберегти «%1»: диск доступний лише для читання.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because the name is too long.</source>
        <translation>Не вдалося зберегти «%1»: назва задовга.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because its folder doesn&apos;t exist.</source>
        <translation>Не вдалося зберегти «%1»: теки не існує.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved because a folder of that name is in the way.</source>
        <translation>Не вдалося зберегти «%1»: заважає тека з такою самою назвою.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be saved (%2).</source>
        <translation>Не вдалося зберегти «%1» (%2).</translation>
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
        <translation>Інструменти PDF, підписи й печатки, QR-коди. Приватність за задумом · 100 % на пристрої.</translation>
    </message>
    <message>
        <source>Sign &amp; Stamp</source>
        <translation>Підпис і печатка</translation>
    </message>
    <message>
        <source>Put your signature, initials or a company seal on any page, or on all of them.</source>
        <translation>Поставте підпис, ініціали або печатку компанії на будь-яку сторінку чи одразу на всі.</translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>Стиснути</translation>
    </message>
    <message>
        <source>Original, Medium, Small, or up to the size a website or email asks for.</source>
        <translation>Оригінал, середній, малий або до розміру, якого вимагає сайт чи пошта.</translation>
    </message>
    <message>
        <source>Merge PDFs</source>
        <translation>Об’єднати PDF</translation>
    </message>
    <message>
        <source>Join PDFs and images in the order you set.</source>
        <translation>Поєднайте PDF і зображення в потрібному порядку.</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Розділити</translation>
    </message>
    <message>
        <source>By page ranges like 1-3, 5, 8-10, every few pages or page by page.</source>
        <translation>За діапазонами сторінок на кшталт 1-3, 5, 8-10, через кожні кілька сторінок або посторінково.</translation>
    </message>
    <message>
        <source>Read QR Codes</source>
        <translation>Зчитати QR-коди</translation>
    </message>
    <message>
        <source>From pictures, screenshots and every page of a PDF.</source>
        <translation>Із зображень, знімків екрана й кожної сторінки PDF.</translation>
    </message>
    <message>
        <source>Images to PDF</source>
        <translation>Зображення в PDF</translation>
    </message>
    <message>
        <source>Photos and scans as pages of one PDF, in name order.</source>
        <translation>Фото та скани як сторінки одного PDF, за порядком назв.</translation>
    </message>
    <message>
        <source>No ads. No tracking. No account.</source>
        <translation>Без реклами. Без стеження. Без облікового запису.</translation>
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
        <translation>Відкрити…</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Зберегти як…</translation>
    </message>
    <message>
        <source>Close File</source>
        <translation>Закрити файл</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Вийти</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Довідка</translation>
    </message>
    <message>
        <source>About Tamsel</source>
        <translation>Про Tamsel</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Перевірити оновлення…</translation>
    </message>
    <message>
        <source>Support the Developer…</source>
        <translation>Підтримати розробника…</translation>
    </message>
    <message>
        <source>Changes in %1 aren&apos;t saved. Use Save As… to keep them.</source>
        <translation>Зміни в %1 не збережено. Щоб їх зберегти, скористайтеся «Зберегти як…».</translation>
    </message>
    <message>
        <source>Stop and quit?</source>
        <translation>Зупинити й вийти?</translation>
    </message>
    <message>
        <source>Tamsel is still working (%1). Quitting stops that work; nothing half-written is kept.</source>
        <translation>Tamsel ще працює (%1). Вихід зупинить цю роботу; нічого недописаного не залишиться.</translation>
    </message>
    <message>
        <source>Quit without saving?</source>
        <translation>Вийти без збереження?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Quit Anyway</source>
        <translation>Усе одно вийти</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вигляд</translation>
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
        <translation>1 сторінка</translation>
    </message>
    <message numerus="yes">
        <source>%n pages</source>
        <translation>
            <numerusform>%n сторінка</numerusform>
            <numerusform>%n сторінки</numerusform>
            <numerusform>%n сторінок</numerusform>
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
            <numerusform>%n файли</numerusform>
            <numerusform>%n файлів</numerusform>
        </translation>
    </message>
    <message>
        <source>Drag to reorder</source>
        <translation>Перетягніть, щоб змінити порядок</translation>
    </message>
    <message>
        <source>Remove from the list</source>
        <translation>Прибрати зі списку</translation>
    </message>
    <message>
        <source>Merge PDFs</source>
        <translation>Об’єднати PDF</translation>
    </message>
    <message>
        <source>Drop PDFs and images here, drag them into order, then Merge. Open files join as they are now, with their turns, removed pages and stamps.</source>
        <translation>Перетягніть сюди PDF і зображення, розставте їх у потрібному порядку й об’єднайте. Відкриті файли ввійдуть такими, якими вони є зараз: з поворотами, видаленими сторінками та печатками.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Додати</translation>
    </message>
    <message>
        <source>Drop files to merge</source>
        <translation>Перетягніть файли для об’єднання</translation>
    </message>
    <message>
        <source>Two or more PDFs or images</source>
        <translation>Два чи більше PDF або зображень</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистити</translation>
    </message>
    <message>
        <source>Merge…</source>
        <translation>Об’єднати…</translation>
    </message>
    <message>
        <source>Add Files…</source>
        <translation>Додати файли…</translation>
    </message>
</context>
<context>
    <name>NewStampMenu</name>
    <message>
        <source>From an Image File…</source>
        <translation>З файлу зображення…</translation>
    </message>
    <message>
        <source>Draw with Trackpad or Mouse…</source>
        <translation>Намалювати тачпадом або мишею…</translation>
    </message>
    <message>
        <source>Ready Stamps…</source>
        <translation>Готові штампи…</translation>
    </message>
    <message>
        <source>New Signature or Stamp</source>
        <translation>Новий підпис або печатка</translation>
    </message>
    <message>
        <source>Choose a photo or scan of your signature or stamp</source>
        <translation>Виберіть фото або скан вашого підпису чи печатки</translation>
    </message>
</context>
<context>
    <name>NewStampSheet</name>
    <message>
        <source>Draw Your Signature</source>
        <translation>Намалюйте підпис</translation>
    </message>
    <message>
        <source>Ready Stamps</source>
        <translation>Готові штампи</translation>
    </message>
    <message>
        <source>New Signature or Stamp</source>
        <translation>Новий підпис або печатка</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>The checkerboard is what stays transparent on the page.</source>
        <translation>Шаховий фон — це те, що залишиться прозорим на сторінці.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Назва</translation>
    </message>
    <message>
        <source>Removing the paper…</source>
        <translation>Видалення тла паперу…</translation>
    </message>
    <message>
        <source>The signature or stamp couldn&apos;t be saved. Try again.</source>
        <translation>Не вдалося зберегти підпис або печатку. Спробуйте ще раз.</translation>
    </message>
</context>
<context>
    <name>PDFEngine</name>
    <message>
        <source>A page of this file can&apos;t be read anymore. Open the file again.</source>
        <translation>Сторінку цього файлу більше не вдається прочитати. Відкрийте файл знову.</translation>
    </message>
    <message>
        <source>The PDF couldn&apos;t be made. Try again.</source>
        <translation>Не вдалося створити PDF. Спробуйте ще раз.</translation>
    </message>
    <message>
        <source>The pages of this file are damaged in a way that stops them being copied. It can only be saved as pictures of its pages.</source>
        <translation>Сторінки цього файлу пошкоджено так, що їх не можна скопіювати. Його можна зберегти лише як зображення сторінок.</translation>
    </message>
    <message>
        <source>Reading the PDF took too long and was stopped. A page of the file may be damaged.</source>
        <translation>Читання PDF тривало надто довго й було зупинене. Можливо, сторінку файлу пошкоджено.</translation>
    </message>
    <message>
        <source>Reading the PDF failed because a part of the file is damaged.</source>
        <translation>Не вдалося прочитати PDF: частину файлу пошкоджено.</translation>
    </message>
    <message>
        <source>The PDF needs more memory than Tamsel may use for one file.</source>
        <translation>PDF потребує більше пам’яті, ніж Tamsel може використати для одного файлу.</translation>
    </message>
    <message>
        <source>This PDF failed to be read several times, so Tamsel doesn&apos;t try again.</source>
        <translation>Цей PDF кілька разів не вдалося прочитати, тому Tamsel більше не пробує.</translation>
    </message>
    <message>
        <source>Tamsel&apos;s PDF reader can&apos;t be started. Install Tamsel again.</source>
        <translation>Не вдається запустити засіб читання PDF у Tamsel. Установіть Tamsel знову.</translation>
    </message>
    <message>
        <source>A page is too large for a picture at this resolution. Choose a lower resolution.</source>
        <translation>Сторінка завелика для зображення з такою роздільністю. Виберіть нижчу роздільність.</translation>
    </message>
    <message>
        <source>It was moved or deleted.</source>
        <translation>Файл переміщено або видалено.</translation>
    </message>
</context>
<context>
    <name>PageGrid</name>
    <message>
        <source>Has signatures or stamps</source>
        <translation>Є підписи або печатки</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Повернути ліворуч</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>Повернути праворуч</translation>
    </message>
    <message>
        <source>Sign &amp; Stamp</source>
        <translation>Підпис і печатка</translation>
    </message>
    <message>
        <source>Extract…</source>
        <translation>Витягти…</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Видалити</translation>
    </message>
</context>
<context>
    <name>PageImage</name>
    <message>
        <source>Can&apos;t be shown</source>
        <translation>Не вдається показати</translation>
    </message>
</context>
<context>
    <name>PageListModel</name>
    <message>
        <source>Page %1</source>
        <translation>Сторінка %1</translation>
    </message>
</context>
<context>
    <name>PasswordPrompt</name>
    <message>
        <source>“%1” is locked</source>
        <translation>«%1» захищено</translation>
    </message>
    <message>
        <source>That password didn&apos;t open it. Try again.</source>
        <translation>Цей пароль не підійшов. Спробуйте ще раз.</translation>
    </message>
    <message>
        <source>Enter its password to open it. The password stays on this computer.</source>
        <translation>Введіть пароль, щоб відкрити файл. Пароль залишається на цьому комп’ютері.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Відкрити</translation>
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
        <translation>«%1» захищено паролем. Збережіть копію, яка відкривається без пароля, або копію з новим паролем.</translation>
    </message>
    <message>
        <source>Save a Copy without Password…</source>
        <translation>Зберегти копію без пароля…</translation>
    </message>
    <message>
        <source>Save a copy that asks for this password to open. Keep it somewhere safe: it can&apos;t be recovered.</source>
        <translation>Збережіть копію, яка запитуватиме цей пароль під час відкриття. Зберігайте його в надійному місці: відновити його неможливо.</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Новий пароль</translation>
    </message>
    <message>
        <source>Repeat password</source>
        <translation>Повторіть пароль</translation>
    </message>
    <message>
        <source>The passwords don&apos;t match.</source>
        <translation>Паролі не збігаються.</translation>
    </message>
    <message>
        <source>Save Protected Copy…</source>
        <translation>Зберегти захищену копію…</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Збереження…</translation>
    </message>
    <message>
        <source>%1 (protected)</source>
        <extracomment>The name offered for the copy: %1 the document&apos;s name.</extracomment>
        <translation>%1 (захищено)</translation>
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
        <translation>Потягніть, щоб повернути</translation>
    </message>
    <message>
        <source>Drag to resize</source>
        <translation>Потягніть, щоб змінити розмір</translation>
    </message>
</context>
<context>
    <name>ProcessRunner</name>
    <message>
        <source>The tool didn&apos;t answer in time.</source>
        <extracomment>Error when a command-line tool times out</extracomment>
        <translation>Програма не відповіла вчасно.</translation>
    </message>
    <message>
        <source>Exit code %1</source>
        <extracomment>Error of a command-line tool that gave no message</extracomment>
        <translation>Код завершення %1</translation>
    </message>
</context>
<context>
    <name>ReadyStamp</name>
    <message>
        <source>APPROVED</source>
        <translation>ЗАТВЕРДЖЕНО</translation>
    </message>
    <message>
        <source>PAID</source>
        <translation>ОПЛАЧЕНО</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>КОПІЯ</translation>
    </message>
    <message>
        <source>CONFIDENTIAL</source>
        <translation>КОНФІДЕНЦІЙНО</translation>
    </message>
    <message>
        <source>DRAFT</source>
        <translation>ЧЕРНЕТКА</translation>
    </message>
    <message>
        <source>RECEIVED</source>
        <translation>ОТРИМАНО</translation>
    </message>
</context>
<context>
    <name>ReadyStampsPicker</name>
    <message>
        <source>Red</source>
        <translation>Червоний</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синій</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Чорний</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Колір</translation>
    </message>
    <message>
        <source>Add today&apos;s date</source>
        <translation>Додати сьогоднішню дату</translation>
    </message>
    <message>
        <source>Your own word, like PAID IN CASH</source>
        <translation>Своє слово, наприклад ОПЛАЧЕНО ГОТІВКОЮ</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Додати</translation>
    </message>
</context>
<context>
    <name>RootView</name>
    <message>
        <source>Support Tamsel</source>
        <translation>Підтримати Tamsel</translation>
    </message>
    <message>
        <source>Support the developer</source>
        <translation>Підтримати розробника</translation>
    </message>
    <message>
        <source>About Tamsel</source>
        <translation>Про Tamsel</translation>
    </message>
    <message>
        <source>About, updates, privacy and support</source>
        <translation>Про програму, оновлення, конфіденційність і підтримка</translation>
    </message>
    <message>
        <source>Something went wrong</source>
        <translation>Щось пішло не так</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save changes to “%1”?</source>
        <translation>Зберегти зміни в «%1»?</translation>
    </message>
    <message>
        <source>Your changes will be lost if you close it without saving. The original file stays as it was.</source>
        <translation>Якщо закрити без збереження, зміни буде втрачено. Початковий файл залишиться таким, як був.</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Зберегти як…</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Не зберігати</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Save as Pictures</source>
        <translation>Зберегти як зображення</translation>
    </message>
    <message>
        <source>Hide Sidebar</source>
        <translation>Сховати бічну панель</translation>
    </message>
    <message>
        <source>Show Sidebar</source>
        <translation>Показати бічну панель</translation>
    </message>
</context>
<context>
    <name>Sharing</name>
    <message>
        <source>Email…</source>
        <translation>Ел. пошта…</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Копіювати посилання</translation>
    </message>
    <message>
        <source>Link copied</source>
        <translation>Посилання скопійовано</translation>
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
        <translation>від Vornel Apps</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Головна</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Файли</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Відкрити…</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Інструменти</translation>
    </message>
    <message>
        <source>Merge PDFs</source>
        <translation>Об’єднати PDF</translation>
    </message>
    <message>
        <source>Signatures &amp; Stamps</source>
        <translation>Підписи й печатки</translation>
    </message>
    <message>
        <source>QR Codes</source>
        <translation>QR-коди</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Зберегти як…</translation>
    </message>
    <message>
        <source>Add to Merge</source>
        <translation>Додати до об’єднання</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
</context>
<context>
    <name>SignView</name>
    <message>
        <source>Pages</source>
        <translation>Сторінки</translation>
    </message>
    <message>
        <source>Back to all pages</source>
        <translation>Назад до всіх сторінок</translation>
    </message>
    <message>
        <source>Sign &amp; Stamp</source>
        <translation>Підпис і печатка</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Зберегти як…</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Попередня сторінка</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Наступна сторінка</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Сторінка %1 з %2</translation>
    </message>
</context>
<context>
    <name>SplitSheet</name>
    <message>
        <source>Split “%1”</source>
        <translation>Розділити «%1»</translation>
    </message>
    <message>
        <source>By page ranges</source>
        <translation>За діапазонами сторінок</translation>
    </message>
    <message>
        <source>Every few pages</source>
        <translation>Через кілька сторінок</translation>
    </message>
    <message>
        <source>Page by page</source>
        <translation>Посторінково</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Розділити</translation>
    </message>
    <message>
        <source>For example: 1-3, 5, 8-10</source>
        <translation>Наприклад: 1-3, 5, 8-10</translation>
    </message>
    <message>
        <source>Each range becomes its own PDF. Pages 1 to %1.</source>
        <translation>Кожен діапазон стане окремим PDF. Сторінки з 1 по %1.</translation>
    </message>
    <message>
        <source>Pages per file</source>
        <translation>Сторінок у файлі</translation>
    </message>
    <message numerus="yes">
        <source>Each of the %n pages becomes its own PDF.</source>
        <translation>
            <numerusform>Кожна з %n сторінки стане окремим PDF.</numerusform>
            <numerusform>Кожна з %n сторінок стане окремим PDF.</numerusform>
            <numerusform>Кожна з %n сторінок стане окремим PDF.</numerusform>
        </translation>
    </message>
    <message>
        <source>Split…</source>
        <translation>Розділити…</translation>
    </message>
    <message numerus="yes">
        <source>A new file every %n pages</source>
        <translation>
            <numerusform>Новий файл через кожну %n сторінку</numerusform>
            <numerusform>Новий файл через кожні %n сторінки</numerusform>
            <numerusform>Новий файл через кожні %n сторінок</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Makes %n files: %1</source>
        <translation>
            <numerusform>Буде %n файл: %1</numerusform>
            <numerusform>Буде %n файли: %1</numerusform>
            <numerusform>Буде %n файлів: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Use page numbers from 1 to %1, like 1-3, 5.</source>
        <translation>Вкажіть номери сторінок від 1 до %1, наприклад 1-3, 5.</translation>
    </message>
    <message>
        <source>Split Here</source>
        <translation>Розділити тут</translation>
    </message>
    <message>
        <source>Splitting…</source>
        <translation>Розділення…</translation>
    </message>
</context>
<context>
    <name>StampLibrary</name>
    <message>
        <source>Signature</source>
        <translation>Підпис</translation>
    </message>
    <message>
        <source>Stamp</source>
        <translation>Печатка</translation>
    </message>
    <message>
        <source>The signature or stamp couldn&apos;t be saved. Try again.</source>
        <translation>Не вдалося зберегти підпис або печатку. Спробуйте ще раз.</translation>
    </message>
    <message>
        <source>The change couldn&apos;t be saved. Try again.</source>
        <translation>Не вдалося зберегти зміну. Спробуйте ще раз.</translation>
    </message>
</context>
<context>
    <name>StampLibraryPanel</name>
    <message>
        <source>Put on this page</source>
        <translation>Поставити на цю сторінку</translation>
    </message>
    <message>
        <source>Signatures &amp; Stamps</source>
        <translation>Підписи й печатки</translation>
    </message>
    <message>
        <source>Add your signature or a company seal once; it stays in Tamsel on this computer for every document.</source>
        <translation>Додайте підпис або печатку компанії один раз — вони залишаться в Tamsel на цьому комп’ютері для будь-яких документів.</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Кут</translation>
    </message>
    <message>
        <source>Add to All Pages</source>
        <translation>Додати на всі сторінки</translation>
    </message>
    <message>
        <source>Remove from Page</source>
        <translation>Прибрати зі сторінки</translation>
    </message>
    <message>
        <source>Or paste a photo or scan with Ctrl+V, or drop one here.</source>
        <translation>Або вставте фото чи скан за допомогою Ctrl+V, або перетягніть його сюди.</translation>
    </message>
</context>
<context>
    <name>StampMaker</name>
    <message>
        <source>This image can&apos;t be read.</source>
        <translation>Не вдається прочитати це зображення.</translation>
    </message>
    <message>
        <source>No signature or stamp found. Try a photo of it on white paper.</source>
        <translation>Підпис або печатку не знайдено. Спробуйте фото на білому папері.</translation>
    </message>
</context>
<context>
    <name>StampsView</name>
    <message>
        <source>Rename or delete</source>
        <translation>Перейменувати або видалити</translation>
    </message>
    <message>
        <source>Rename or delete “%1”</source>
        <translation>Перейменувати або видалити «%1»</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>Перейменувати…</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>Видалити…</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Перейменувати</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Назва</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Signatures &amp; Stamps</source>
        <translation>Підписи й печатки</translation>
    </message>
    <message>
        <source>Your signature, initials or a company seal, with the paper removed automatically. They stay only on this computer. Tamsel puts your own images on documents; it doesn&apos;t make a signature legally binding by itself.</source>
        <translation>Ваш підпис, ініціали або печатка компанії — тло паперу прибирається автоматично. Вони зберігаються лише на цьому комп’ютері. Tamsel ставить ваші власні зображення на документи; саме по собі це не робить підпис юридично чинним.</translation>
    </message>
    <message>
        <source>No signatures or stamps yet</source>
        <translation>Поки немає підписів і печаток</translation>
    </message>
    <message>
        <source>Sign a white sheet of paper or stamp it, then take a photo of it and choose the photo or a scan. You can also draw with the trackpad or pick a ready stamp like PAID or APPROVED.</source>
        <translation>Розпишіться або поставте печатку на білому аркуші паперу, сфотографуйте його й виберіть фото або скан. Можна також намалювати підпис тачпадом або вибрати готовий штамп, наприклад ОПЛАЧЕНО чи ЗАТВЕРДЖЕНО.</translation>
    </message>
    <message>
        <source>Tamsel</source>
        <translation>Tamsel</translation>
    </message>
    <message>
        <source>Delete “%1”?</source>
        <translation>Видалити «%1»?</translation>
    </message>
    <message>
        <source>It also leaves pages open in Tamsel. Files you already saved keep it.</source>
        <translation>Його також буде прибрано зі сторінок, відкритих у Tamsel. У вже збережених файлах він залишиться.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Видалити</translation>
    </message>
</context>
<context>
    <name>SupportView</name>
    <message>
        <source>Done! Support Tamsel?</source>
        <translation>Готово! Підтримаєте Tamsel?</translation>
    </message>
    <message>
        <source>Support Tamsel</source>
        <translation>Підтримати Tamsel</translation>
    </message>
    <message>
        <source>Tamsel is free: no ads, no tracking, no subscription. If it saved you time, you can thank the developer with crypto. Any amount helps keep it free.</source>
        <translation>Tamsel безкоштовний: без реклами, без стеження, без підписки. Якщо він заощадив вам час, ви можете подякувати розробникові криптовалютою. Будь-яка сума допомагає зберегти його безкоштовним.</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Мережа</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Монети</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Адреса</translation>
    </message>
    <message>
        <source>Send only on the networks listed above. Coins sent on another network can&apos;t be recovered.</source>
        <translation>Надсилайте лише в мережах, указаних вище. Монети, надіслані в іншій мережі, повернути неможливо.</translation>
    </message>
    <message>
        <source>The same addresses are on %1/donate.</source>
        <translation>Ті самі адреси є на %1/donate.</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Не зараз</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>QR code of the %1 address</source>
        <translation>QR-код адреси %1</translation>
    </message>
    <message>
        <source>Address copied</source>
        <translation>Адресу скопійовано</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Скопійовано</translation>
    </message>
    <message>
        <source>Copy Address</source>
        <translation>Копіювати адресу</translation>
    </message>
    <message>
        <source>This copy of Tamsel was built without donation addresses. The developer&apos;s are on %1/donate.</source>
        <translation>Цю копію Tamsel зібрано без адрес для пожертв. Адреси розробника — на %1/donate.</translation>
    </message>
</context>
<context>
    <name>TellAFriendView</name>
    <message>
        <source>Tell a friend</source>
        <translation>Розповісти другові</translation>
    </message>
    <message>
        <source>Like Tamsel? Tell a friend.</source>
        <translation>Подобається Tamsel? Розкажіть другові.</translation>
    </message>
    <message>
        <source>Tamsel is free: no ads, no tracking. We don&apos;t buy ads, so friends telling friends is how people find it.</source>
        <translation>Tamsel безкоштовний: без реклами, без стеження. Ми не купуємо рекламу — про Tamsel дізнаються, коли друзі розповідають друзям.</translation>
    </message>
    <message>
        <source>Your friend gets this message:</source>
        <translation>Ваш друг отримає таке повідомлення:</translation>
    </message>
    <message>
        <source>You choose the app and the friend; we never see who.</source>
        <translation>Ви обираєте застосунок і друга; ми ніколи не бачимо, кого саме.</translation>
    </message>
    <message>
        <source>Share…</source>
        <translation>Поділитися…</translation>
    </message>
    <message>
        <source>Tamsel for Linux: free PDF tools, signatures and stamps, QR codes. Everything stays on your computer.</source>
        <comment>The message shared with a friend, followed by the link to the app&apos;s page.</comment>
        <translation>Tamsel для Linux: безкоштовні інструменти для PDF, підписи й печатки, QR-коди. Усе залишається на вашому комп’ютері.</translation>
    </message>
    <message>
        <source>Message copied</source>
        <translation>Повідомлення скопійовано</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Скопійовано</translation>
    </message>
    <message>
        <source>Copy Message</source>
        <translation>Копіювати повідомлення</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Не зараз</translation>
    </message>
</context>
<context>
    <name>ToastView</name>
    <message>
        <source>Show in Folder</source>
        <translation>Показати в теці</translation>
    </message>
</context>
<context>
    <name>ToolSheetFrame</name>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>The update information isn&apos;t available right now. Try again later.</source>
        <extracomment>Check for Updates error</extracomment>
        <translation>Відомості про оновлення зараз недоступні. Спробуйте пізніше.</translation>
    </message>
    <message>
        <source>Couldn&apos;t check for updates: %1</source>
        <extracomment>Check for Updates error. The placeholder is the system&apos;s error message.</extracomment>
        <translation>Не вдалося перевірити оновлення: %1</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation>Не вдалося прочитати дані: неправильний формат.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation>Не вдалося прочитати дані: їх немає.</translation>
    </message>
    <message>
        <source>The update information is too large.</source>
        <translation>Відомості про оновлення завеликі.</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>Час очікування запиту минув.</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>The request timed out.</source>
        <translation>Час очікування запиту минув.</translation>
    </message>
    <message>
        <source>moved permanently</source>
        <translation>переміщено назавжди</translation>
    </message>
    <message>
        <source>found</source>
        <translation>знайдено</translation>
    </message>
    <message>
        <source>not modified</source>
        <translation>не змінено</translation>
    </message>
    <message>
        <source>bad request</source>
        <translation>неправильний запит</translation>
    </message>
    <message>
        <source>unauthorized</source>
        <translation>не авторизовано</translation>
    </message>
    <message>
        <source>forbidden</source>
        <translation>заборонено</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>не знайдено</translation>
    </message>
    <message>
        <source>method not allowed</source>
        <translation>метод не дозволено</translation>
    </message>
    <message>
        <source>request timed out</source>
        <translation>час очікування запиту минув</translation>
    </message>
    <message>
        <source>no longer exists</source>
        <translation>більше не існує</translation>
    </message>
    <message>
        <source>too many requests</source>
        <translation>забагато запитів</translation>
    </message>
    <message>
        <source>internal server error</source>
        <translation>внутрішня помилка сервера</translation>
    </message>
    <message>
        <source>unimplemented</source>
        <translation>не реалізовано</translation>
    </message>
    <message>
        <source>bad gateway</source>
        <translation>помилковий шлюз</translation>
    </message>
    <message>
        <source>service unavailable</source>
        <translation>служба недоступна</translation>
    </message>
    <message>
        <source>gateway timed out</source>
        <translation>час очікування шлюзу минув</translation>
    </message>
    <message>
        <source>informational</source>
        <translation>інформаційний</translation>
    </message>
    <message>
        <source>success</source>
        <translation>успіх</translation>
    </message>
    <message>
        <source>redirected</source>
        <translation>переспрямовано</translation>
    </message>
    <message>
        <source>client error</source>
        <translation>помилка клієнта</translation>
    </message>
    <message>
        <source>server error</source>
        <translation>помилка сервера</translation>
    </message>
    <message>
        <source>Couldn&apos;t install the update (%1). This copy is now “%2” in the same folder: rename it back to Tamsel.</source>
        <extracomment>Install and Relaunch error when the old copy couldn&apos;t get its name back. Placeholders: the system&apos;s message, the app&apos;s current file name.</extracomment>
        <translation>Не вдалося встановити оновлення (%1). Ця копія тепер називається «%2» у тій самій теці: перейменуйте її назад на Tamsel.</translation>
    </message>
    <message>
        <source>Couldn&apos;t install the update (%1). This copy wasn&apos;t changed.</source>
        <extracomment>Install and Relaunch error. The placeholder is the system&apos;s or a tool&apos;s message.</extracomment>
        <translation>Не вдалося встановити оновлення (%1). Цю копію не змінено.</translation>
    </message>
    <message>
        <source>The downloaded update didn&apos;t pass the check. This copy wasn&apos;t changed.</source>
        <extracomment>Install and Relaunch error</extracomment>
        <translation>Завантажене оновлення не пройшло перевірку. Цю копію не змінено.</translation>
    </message>
    <message>
        <source>The download is larger than expected.</source>
        <extracomment>Install and Relaunch error, inside &quot;Couldn&apos;t install the update (…)&quot;: the server sent more than the update&apos;s size.</extracomment>
        <translation>Завантажуваний файл більший, ніж очікувалося.</translation>
    </message>
    <message>
        <source>There isn&apos;t enough free space for the update.</source>
        <extracomment>Install and Relaunch error, inside &quot;Couldn&apos;t install the update (…)&quot;.</extracomment>
        <translation>Недостатньо вільного місця для оновлення.</translation>
    </message>
</context>
</TS>
