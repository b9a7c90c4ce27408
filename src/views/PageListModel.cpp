#include "views/PageListModel.h"

#include "document/OpenFile.h"

PageListModel::PageListModel(OpenFile *file, QObject *parent)
    : QAbstractListModel(parent)
    , m_file(file)
    , m_pages(file->pages())
{
    connect(file, &OpenFile::pagesChanged, this, &PageListModel::onPagesChanged);
}

int PageListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_pages.size());
}

QVariant PageListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_pages.size()) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
        return QString::number(index.row() + 1);
    case Qt::AccessibleTextRole:
        return tr("Page %1").arg(index.row() + 1);
    case PageIdRole:
        return m_pages.at(index.row()).id;
    default:
        return {};
    }
}

Qt::ItemFlags PageListModel::flags(const QModelIndex &index) const
{
    if (!index.isValid()) {
        return Qt::ItemIsDropEnabled;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
}

int PageListModel::row(const QUuid &pageID) const
{
    for (int i = 0; i < m_pages.size(); ++i) {
        if (m_pages[i].id == pageID) {
            return i;
        }
    }
    return -1;
}

void PageListModel::onPagesChanged()
{
    if (!m_file) {
        return;
    }
    const QList<PageItem> &pages = m_file->pages();
    bool sameRows = pages.size() == m_pages.size();
    for (qsizetype i = 0; sameRows && i < pages.size(); ++i) {
        sameRows = pages[i].id == m_pages[i].id;
    }
    if (!sameRows) {
        beginResetModel();
        m_pages = pages;
        endResetModel();
        return;
    }
    // Turns and stamps: only the rows that changed are drawn again.
    for (int i = 0; i < pages.size(); ++i) {
        if (pages[i] != m_pages[i]) {
            m_pages[i] = pages[i];
            emit dataChanged(index(i), index(i));
        }
    }
}
