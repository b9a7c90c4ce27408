#pragma once

// Passing the product page on. The desktop has no common share service, so
// the program offers what every desktop has: a mail draft and the clipboard.

#include <QString>
#include <QUrl>

class AppModel;
class QMenu;
class QWidget;
class UrlOpener;

namespace Sharing {

// The product page as text, as it is shown, copied and sent.
QString pageAddress();

// A new message in the desktop's mail program whose body is `body`, no
// recipient and no subject.
QUrl mailDraft(const QString &body);

// The desktop's browser and mail program, for screens not handed another opener.
UrlOpener *systemOpener();

// The ways to pass the page on with `message`: "Email…" opens a mail draft of
// the message and the page; "Copy Link" puts the page's address on the
// clipboard and says so in a toast. Shown below `anchor`, without waiting.
QMenu *popUpMenu(QWidget *anchor, AppModel *model, UrlOpener *opener, const QString &message);

} // namespace Sharing
