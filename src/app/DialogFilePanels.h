#pragma once

#include "platform/FilePanels.h"

#include <QPointer>
#include <QWidget>

// File panels as window-modal dialogs over one window. Each panel is opened
// without a nested event loop; its future finishes when the user closes it.
class DialogFilePanels : public FilePanels
{
public:
    explicit DialogFilePanels(QWidget *window = nullptr)
        : m_window(window)
    {}
    void setWindow(QWidget *window) { m_window = window; }

    QFuture<QList<QUrl>> chooseFiles(bool multiple, QList<FileKind> kinds,
                                     QString message) override;
    QFuture<std::optional<QUrl>> chooseSaveUrl(QString name, std::optional<QUrl> near) override;
    QFuture<std::optional<QUrl>> chooseFolder(std::optional<QUrl> near, QString prompt) override;

private:
    QPointer<QWidget> m_window;
};
