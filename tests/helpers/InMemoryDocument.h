#pragma once

// A document of `pages` pages of one (unopened) source, handed to the model as
// its only open file. For edits that never reach the engine.

#include "document/OpenFile.h"
#include "model/AppModel.h"

inline OpenFile *addInMemoryDocument(AppModel &model, int pages)
{
    const QUrl url = QUrl::fromLocalFile(QStringLiteral("/tmp/doc.pdf"));
    QList<PageItem> items;
    for (int i = 0; i < pages; ++i) {
        items.append(PageItem{QUuid::createUuid(), PageSource{url, i}, 0, {}});
    }
    auto *file = new OpenFile(url, QStringLiteral("doc"), true, items, std::nullopt);
    model.setFiles({file});
    return file;
}
