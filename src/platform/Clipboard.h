#pragma once

// The system clipboard, as far as the program uses it.

#include <QByteArray>
#include <QImage>
#include <QString>

class QMimeData;

class Clipboard
{
public:
    virtual ~Clipboard() = default;

    // The picture on the clipboard; a null image when there is none. Decoded in
    // this process: prefer pictureBytes() for anything to be read further.
    virtual QImage image() const = 0;
    // The encoded bytes of the first picture format the clipboard offers, as
    // delivered, for a worker to decode; empty when it offers none.
    virtual QByteArray pictureBytes() const = 0;
    virtual void setText(const QString &text) = 0;
};

// The bytes of the first "image/" format of `data` that holds any; empty when none does.
QByteArray encodedPicture(const QMimeData &data);

// QGuiApplication's clipboard. Main thread only.
class SystemClipboard : public Clipboard
{
public:
    QImage image() const override;
    QByteArray pictureBytes() const override;
    void setText(const QString &text) override;
};
