#pragma once

// Shows a file to the user in the desktop's file manager ("Show in Folder").

#include <QUrl>

class FileRevealer
{
public:
    virtual ~FileRevealer() = default;
    virtual void reveal(const QUrl &file) = 0;
};

// Opens the file's folder in the desktop's file manager.
class SystemFileRevealer : public FileRevealer
{
public:
    void reveal(const QUrl &file) override;
};
