#pragma once

// One document opened from a real PDF through the model, with its pages named
// by their 1-based position in the document as it was opened.

#include "app/ShellFixture.h"

struct DocumentFixture
{
    ShellFixture f;
    OpenFile *file = nullptr;

    explicit DocumentFixture(int pages, const QString &name = QStringLiteral("doc.pdf"))
    {
        file = f.open({f.pdf(name, pages)});
        if (!file) {
            qFatal("could not open %s", qPrintable(name));
        }
    }

    // The id of the page now at position `number`.
    QUuid id(int number) const { return file->pages().at(number - 1).id; }
    QSet<QUuid> ids(const QList<int> &numbers) const
    {
        QSet<QUuid> out;
        for (int n : numbers) {
            out.insert(id(n));
        }
        return out;
    }
    // The pages as first opened, in their order now.
    QList<int> order() const
    {
        QList<int> out;
        for (const PageItem &page : file->pages()) {
            out.append(page.source.index + 1);
        }
        return out;
    }
    // The selected pages as first opened, in page order.
    QList<int> selected() const
    {
        QList<int> out;
        for (const PageItem &page : file->pages()) {
            if (file->selection().contains(page.id)) {
                out.append(page.source.index + 1);
            }
        }
        return out;
    }
};
