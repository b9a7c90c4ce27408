#include "platform/FileRevealer.h"

#include <QDesktopServices>
#include <QFileInfo>

void SystemFileRevealer::reveal(const QUrl &file)
{
    if (!file.isLocalFile()) {
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(file.toLocalFile()).absolutePath()));
}
