#include "model/MergeModel.h"

#include "document/OpenFile.h"

#include <QFileInfo>

#include <algorithm>

MergeModel::MergeModel(QObject *parent)
    : QObject(parent)
{}

void MergeModel::setItems(const QList<MergeItem> &items)
{
    if (m_items == items) {
        return;
    }
    m_items = items;
    emit itemsChanged();
}

int MergeModel::pageCount() const
{
    int total = 0;
    for (const MergeItem &item : m_items) {
        total += int(item.pages.size());
    }
    return total;
}

void MergeModel::add(const OpenFile &file)
{
    MergeItem item;
    item.id = QUuid::createUuid();
    item.name = file.name();
    item.url = file.url();
    for (const PageItem &page : file.pages()) {
        item.pages.append(page.duplicated());
    }
    m_items.append(item);
    emit itemsChanged();
}

void MergeModel::add(const QUrl &url, int pageCount, int revision)
{
    MergeItem item;
    item.id = QUuid::createUuid();
    item.name = QFileInfo(url.toLocalFile()).completeBaseName();
    item.url = url;
    for (int i = 0; i < pageCount; ++i) {
        item.pages.append(PageItem{QUuid::createUuid(), PageSource{url, i, revision}, 0, {}});
    }
    m_items.append(item);
    emit itemsChanged();
}

void MergeModel::move(const QSet<int> &from, int to)
{
    QList<int> offsets(from.cbegin(), from.cend());
    std::sort(offsets.begin(), offsets.end());
    offsets.erase(std::remove_if(offsets.begin(), offsets.end(),
                                 [this](int i) { return i < 0 || i >= m_items.size(); }),
                  offsets.end());
    if (offsets.isEmpty()) {
        return;
    }
    to = std::clamp(to, 0, int(m_items.size()));
    QList<MergeItem> block;
    QList<MergeItem> rest;
    int insertAt = 0;
    for (int i = 0; i < m_items.size(); ++i) {
        if (std::binary_search(offsets.cbegin(), offsets.cend(), i)) {
            block.append(m_items.at(i));
        } else {
            if (i < to) {
                ++insertAt;
            }
            rest.append(m_items.at(i));
        }
    }
    for (int i = 0; i < block.size(); ++i) {
        rest.insert(insertAt + i, block.at(i));
    }
    m_items = rest;
    emit itemsChanged();
}
