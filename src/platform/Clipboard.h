#pragma once

// The system clipboard, as far as the program uses it.

#include <QImage>
#include <QString>

class Clipboard
{
public:
    virtual ~Clipboard() = default;

    // The picture on the clipboard; a null image when there is none.
    virtual QImage image() const = 0;
    virtual void setText(const QString &text) = 0;
};

// QGuiApplication's clipboard. Main thread only.
class SystemClipboard : public Clipboard
{
public:
    QImage image() const override;
    void setText(const QString &text) override;
};
