#include "helpers/FakeFilePanels.h"

#include "platform/Async.h"

QFuture<QList<QUrl>> FakeFilePanels::chooseFiles(bool multiple, QList<FileKind> kinds,
                                                 QString message)
{
    openCalls.append(OpenCall{multiple, kinds, message});
    return Async::ready(fileAnswers.isEmpty() ? QList<QUrl>() : fileAnswers.dequeue());
}

QFuture<std::optional<QUrl>> FakeFilePanels::chooseSaveUrl(QString name, std::optional<QUrl> near)
{
    saveCalls.append({name, near});
    return Async::ready(saveAnswers.isEmpty() ? std::optional<QUrl>() : saveAnswers.dequeue());
}

QFuture<std::optional<QUrl>> FakeFilePanels::chooseFolder(std::optional<QUrl> near, QString prompt)
{
    folderCalls.append({near, prompt});
    return Async::ready(folderAnswers.isEmpty() ? std::optional<QUrl>() : folderAnswers.dequeue());
}
