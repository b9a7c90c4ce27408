#include "platform/LinkOpener.h"

#include <QDesktopServices>

void SystemLinkOpener::open(const QUrl &url)
{
    QDesktopServices::openUrl(url);
}
