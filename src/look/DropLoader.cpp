#include "look/DropLoader.h"

#include <QMimeData>

namespace DropLoader {

QList<QUrl> urls(const QMimeData *data)
{
    QList<QUrl> result;
    if (!data || !data->hasUrls()) {
        return result;
    }
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile() && !url.toLocalFile().isEmpty()) {
            result.append(url);
        }
    }
    return result;
}

} // namespace DropLoader
