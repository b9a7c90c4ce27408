#pragma once

// File panels answered by the test: each call takes the next prepared answer
// (cancelled when none is left) and is recorded.

#include "platform/FilePanels.h"

#include <QQueue>

class FakeFilePanels : public FilePanels
{
public:
    struct OpenCall
    {
        bool multiple = false;
        QList<FileKind> kinds;
        QString message;
    };

    QQueue<QList<QUrl>> fileAnswers;
    QQueue<std::optional<QUrl>> saveAnswers;
    QQueue<std::optional<QUrl>> folderAnswers;

    QList<OpenCall> openCalls;
    QList<std::pair<QString, std::optional<QUrl>>> saveCalls;   // name, near
    QList<std::pair<std::optional<QUrl>, QString>> folderCalls; // near, prompt

    QFuture<QList<QUrl>> chooseFiles(bool multiple, QList<FileKind> kinds,
                                     QString message) override;
    QFuture<std::optional<QUrl>> chooseSaveUrl(QString name, std::optional<QUrl> near) override;
    QFuture<std::optional<QUrl>> chooseFolder(std::optional<QUrl> near, QString prompt) override;
};
