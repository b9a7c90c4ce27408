#include "stampviews/PictureIntake.h"

#include "look/DropLoader.h"
#include "platform/FileKinds.h"
#include "stamps/PictureImport.h"
#include "stampviews/NewStampSheet.h"

#include <QClipboard>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QShortcut>

#include <algorithm>

namespace PictureIntake {

std::optional<QUrl> firstPicture(const QList<QUrl> &urls)
{
    for (const QUrl &url : urls) {
        if (fileKindOf(url) == FileKind::Picture && !QFileInfo(url.toLocalFile()).isDir()) {
            return url;
        }
    }
    return std::nullopt;
}

std::optional<StampSource> source(const QMimeData *data)
{
    if (!data) {
        return std::nullopt;
    }
    if (const std::optional<QUrl> picture = firstPicture(DropLoader::urls(data))) {
        return StampSource::file(*picture);
    }
    if (const std::optional<QByteArray> bytes = PictureImport::imageData(*data)) {
        return StampSource::data(*bytes);
    }
    return std::nullopt;
}

void judgeDrag(QDragEnterEvent *event)
{
    const QMimeData *data = event->mimeData();
    const auto isPicture = [](const QString &format) {
        return format.startsWith(QLatin1String("image/"));
    };
    if (data &&
        (data->hasUrls() || data->hasImage() || std::ranges::any_of(data->formats(), isPicture))) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

bool present(const QMimeData *data, NewStampPresenter *presenter)
{
    const std::optional<StampSource> found = source(data);
    if (found) {
        presenter->present(*found);
    }
    return found.has_value();
}

void takePastes(QWidget *screen, NewStampPresenter *presenter)
{
    // The whole window's Paste, active exactly while the screen is shown.
    auto *shortcut = new QShortcut(QKeySequence::Paste, screen);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, presenter,
                     [presenter] { present(QGuiApplication::clipboard()->mimeData(), presenter); });
}

} // namespace PictureIntake
