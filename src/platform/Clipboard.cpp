#include "platform/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

QImage SystemClipboard::image() const
{
    const QClipboard *clipboard = QGuiApplication::clipboard();
    return clipboard ? clipboard->image() : QImage();
}

QByteArray encodedPicture(const QMimeData &data)
{
    for (const QString &format : data.formats()) {
        if (!format.startsWith(QLatin1String("image/"))) {
            continue;
        }
        QByteArray bytes = data.data(format);
        if (!bytes.isEmpty()) {
            return bytes;
        }
    }
    return {};
}

QByteArray SystemClipboard::pictureBytes() const
{
    const QClipboard *clipboard = QGuiApplication::clipboard();
    const QMimeData *data = clipboard ? clipboard->mimeData() : nullptr;
    return data ? encodedPicture(*data) : QByteArray();
}

void SystemClipboard::setText(const QString &text)
{
    if (QClipboard *clipboard = QGuiApplication::clipboard()) {
        clipboard->setText(text);
    }
}
