#pragma once

// Shows a file to the user in the desktop's file manager ("Show in Folder").

#include <QDBusConnection>
#include <QUrl>

#include <optional>

class FileRevealer
{
public:
    virtual ~FileRevealer() = default;
    virtual void reveal(const QUrl &file) = 0;
};

// Asks the desktop's file manager over D-Bus (the freedesktop FileManager1
// interface that Files, Dolphin, Nemo, Caja and Thunar serve) to open the
// file's folder with the file selected. When no file manager answers, the
// folder is opened as a plain folder URL instead. Returns at once: the answer
// arrives later on the calling thread's event loop.
class SystemFileRevealer : public FileRevealer
{
public:
    // The session bus, reached only when a file is first revealed.
    SystemFileRevealer() = default;
    explicit SystemFileRevealer(const QDBusConnection &bus);
    void reveal(const QUrl &file) override;

private:
    std::optional<QDBusConnection> m_bus;
};
