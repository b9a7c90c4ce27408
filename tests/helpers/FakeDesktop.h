#pragma once

// The clipboard and the file manager as tests see them: plain records.

#include "platform/Clipboard.h"
#include "platform/FileRevealer.h"

#include <QList>

class FakeClipboard : public Clipboard
{
public:
    QImage picture;
    QByteArray encoded; // the picture's bytes as a program offers them
    QList<QString> copiedTexts;

    QImage image() const override { return picture; }
    QByteArray pictureBytes() const override { return encoded; }
    void setText(const QString &text) override { copiedTexts.append(text); }
};

class FakeFileRevealer : public FileRevealer
{
public:
    QList<QUrl> revealed;

    void reveal(const QUrl &file) override { revealed.append(file); }
};
