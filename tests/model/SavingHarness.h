#pragma once

// An app model over a real engine, answered file panels and a folder of real
// PDFs, for the tests that write files and read them back.

#include "document/OpenFile.h"
#include "engine/PDFEngine.h"
#include "helpers/ModelFixture.h"
#include "helpers/OutputFixtures.h"
#include "helpers/PdfFixtures.h"
#include "helpers/TestUtil.h"
#include "model/AppModel.h"
#include "stamps/StampLibrary.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <poppler-qt6.h>

#include <memory>

struct SavingHarness : ModelFixture
{

    QUrl path(const QString &name) const { return QUrl::fromLocalFile(folder.filePath(name)); }

    // A numbered PDF ("Page 1", "Page 2" …), made unless it is there already.
    QUrl pdf(const QString &name, int pages, const Fixtures::Protection &protection = {})
    {
        const QUrl url = path(name);
        if (!QFile::exists(url.toLocalFile())) {
            Fixtures::writeNumberedPdf(url.toLocalFile(), pages, protection);
        }
        return url;
    }

    // Opens the files and answers the last document opened; null when none.
    OpenFile *open(const QList<QUrl> &urls)
    {
        if (!TestUtil::waitFor(model->open(urls))) {
            return nullptr;
        }
        return model->files().isEmpty() ? nullptr : model->files().last();
    }

    // A library stamp of one solid colour.
    StampRecord libraryStamp(QColor colour)
    {
        QImage picture(40, 20, QImage::Format_ARGB32);
        picture.fill(colour);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        picture.save(&buffer, "PNG");
        return *model->stamps()->add(StampMaker::Stamp{png, 40, 20}, QStringLiteral("Mine"),
                                     QUuid::createUuid());
    }

    // The text of each page of a written PDF; empty when it can't be opened with `password`.
    static QStringList pageTexts(const QUrl &url, const QString &password = {})
    {
        const std::unique_ptr<Poppler::Document> document =
            Fixtures::popplerOpen(Fixtures::readAll(url.toLocalFile()), password);
        QStringList texts;
        for (int i = 0; document && i < document->numPages(); ++i) {
            texts.append(Fixtures::popplerText(*document, i));
        }
        return texts;
    }

    static QStringList numbered(std::initializer_list<int> pages)
    {
        QStringList texts;
        for (int page : pages) {
            texts.append(QStringLiteral("Page %1").arg(page));
        }
        return texts;
    }

    // Every name in a folder, hidden ones included: what a write left behind.
    static QStringList namesIn(const QString &folder)
    {
        return QDir(folder).entryList(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    }
};
