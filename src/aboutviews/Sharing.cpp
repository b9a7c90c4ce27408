#include "aboutviews/Sharing.h"

#include "about/UpdateChecker.h"
#include "model/AppModel.h"
#include "platform/Clipboard.h"
#include "platform/UrlOpener.h"

#include <QCoreApplication>
#include <QMenu>
#include <QPointer>

namespace Sharing {

QString pageAddress()
{
    return UpdateChecker::pageURL().toString();
}

QUrl mailDraft(const QString &body)
{
    // Every reserved character encoded, spaces as %20: mail programs read a '+'
    // in a mailto body as a plus sign and an '&' as the start of another field.
    return QUrl(QStringLiteral("mailto:?body=") +
                    QString::fromLatin1(QUrl::toPercentEncoding(body)),
                QUrl::StrictMode);
}

UrlOpener *systemOpener()
{
    static SystemUrlOpener opener;
    return &opener;
}

QMenu *popUpMenu(QWidget *anchor, AppModel *model, UrlOpener *opener, const QString &message)
{
    auto *menu = new QMenu(anchor);
    menu->setObjectName(QStringLiteral("shareMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QPointer<AppModel> target(model);
    QAction *email =
        menu->addAction(QCoreApplication::translate("Sharing", "Email…"), menu, [opener, message] {
            opener->open(mailDraft(message + QLatin1Char(' ') + pageAddress()));
        });
    email->setObjectName(QStringLiteral("shareByEmail"));
    QAction *copy =
        menu->addAction(QCoreApplication::translate("Sharing", "Copy Link"), menu, [target] {
            if (target) {
                target->clipboard()->setText(pageAddress());
                target->showToast(QCoreApplication::translate("Sharing", "Link copied"));
            }
        });
    copy->setObjectName(QStringLiteral("shareCopyLink"));
    menu->popup(anchor->mapToGlobal(QPoint(0, anchor->height() + 4)));
    return menu;
}

} // namespace Sharing
