#pragma once

// The system's file panels. The window's implementation shows them as modal
// dialogs; the models only await their answers and never spin an event loop.

#include "platform/FileKinds.h"

#include <QFuture>
#include <QList>
#include <QString>
#include <QUrl>

#include <optional>

class FilePanels
{
public:
    virtual ~FilePanels() = default;

    // Files of the given kinds, several when `multiple`, in the panel's order;
    // empty when cancelled. `message` is shown in the panel.
    virtual QFuture<QList<QUrl>> chooseFiles(bool multiple, QList<FileKind> kinds,
                                             QString message) = 0;
    // A PDF file to write, starting with `name` in the folder of `near`; absent when cancelled.
    virtual QFuture<std::optional<QUrl>> chooseSaveUrl(QString name, std::optional<QUrl> near) = 0;
    // A folder, starting in the folder of `near`; `prompt` titles the confirm
    // button; absent when cancelled.
    virtual QFuture<std::optional<QUrl>> chooseFolder(std::optional<QUrl> near, QString prompt) = 0;
};
