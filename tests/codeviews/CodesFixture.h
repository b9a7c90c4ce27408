#pragma once

// A real app model over a real engine for the code screens, with the
// clipboard, the file panels and the browser answered by the test.

#include "codes/CodePictures.h"
#include "helpers/ModelFixture.h"
#include "platform/LinkOpener.h"

#include <QStandardPaths>

class FakeLinkOpener : public LinkOpener
{
public:
    QList<QUrl> opened;
    void open(const QUrl &url) override { opened.append(url); }
};

struct CodesFixture : ModelFixture
{
    FakeLinkOpener opener;

    // A picture file holding one QR code with `payload`.
    QUrl qrPicture(const QString &name, const QString &payload)
    {
        const QString path = folder.filePath(name);
        if (!CodePictures::qr(payload).save(path)) {
            qFatal("could not write %s", qPrintable(path));
        }
        return QUrl::fromLocalFile(path);
    }

    QUrl textFile(const QString &name)
    {
        const QString path = folder.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write("not a picture\n") < 0) {
            qFatal("could not write %s", qPrintable(path));
        }
        return QUrl::fromLocalFile(path);
    }
};
