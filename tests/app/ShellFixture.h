#pragma once

// A real app model over a real engine, with file panels the test answers and
// a folder for the PDFs and pictures the test makes.

#include "document/OpenFile.h"
#include "helpers/ModelFixture.h"
#include "helpers/PdfFixtures.h"
#include "helpers/TestUtil.h"
#include "look/Theme.h"
#include "model/AppModel.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTest>

struct ShellFixture : ModelFixture
{
    QUrl pdf(const QString &name, int pages = 2)
    {
        const QString path = folder.filePath(name);
        if (!Fixtures::writeNumberedPdf(path, pages)) {
            qFatal("could not write %s", qPrintable(path));
        }
        return QUrl::fromLocalFile(path);
    }

    QUrl picture(const QString &name)
    {
        const QString path = folder.filePath(name);
        if (!Fixtures::writePicture(path, QSize(60, 80))) {
            qFatal("could not write %s", qPrintable(path));
        }
        return QUrl::fromLocalFile(path);
    }

    // Opens `urls` through the model and waits until it has finished.
    OpenFile *open(const QList<QUrl> &urls)
    {
        const qsizetype before = model->files().size();
        const QFuture<void> done = model->open(urls);
        if (!TestUtil::waitFor(done)) {
            qFatal("opening did not finish");
        }
        return model->files().size() > before ? model->files().last() : nullptr;
    }
};
