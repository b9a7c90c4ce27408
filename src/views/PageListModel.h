#pragma once

#include "document/DocumentTypes.h"
#include "document/OpenFile.h"

#include <QAbstractListModel>
#include <QPointer>

// The pages of one open document as rows, in page order, for the page grid.
// It follows the document: a change within pages (a turn, a stamp) updates
// those rows; a change of the order or the count resets the rows.
class PageListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Role { PageIdRole = Qt::UserRole + 1 };

    explicit PageListModel(OpenFile *file, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // The page of a row; rows are only ever valid ones handed out by this model.
    const PageItem &page(int row) const { return m_pages.at(row); }
    // The row of a page; -1 when no page has that id.
    int row(const QUuid &pageID) const;

private:
    void onPagesChanged();

    QPointer<OpenFile> m_file;
    QList<PageItem> m_pages; // the rows as the view knows them
};
