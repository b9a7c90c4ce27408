#pragma once

#include "document/DocumentTypes.h"

#include <QObject>
#include <QSet>

class OpenFile;

// One entry of the merge list: a snapshot of the pages one source contributes.
struct MergeItem
{
    QUuid id;
    QString name;
    QList<PageItem> pages;
    QUrl url;

    friend bool operator==(const MergeItem &, const MergeItem &) = default;
};

// The documents to be joined into one PDF, in merge order. Main thread only.
class MergeModel : public QObject
{
    Q_OBJECT

public:
    explicit MergeModel(QObject *parent = nullptr);

    const QList<MergeItem> &items() const { return m_items; }
    // Notifies only when the list differs entry by entry.
    void setItems(const QList<MergeItem> &items);

    int pageCount() const;

    // Adds the document as it is now: its pages copied with fresh ids.
    void add(const OpenFile &file);
    // Adds `pageCount` untouched pages of a file on disk, as the engine's
    // `revision` of it.
    void add(const QUrl &url, int pageCount, int revision = 0);
    // Moves the entries at `from` as one block before the entry that stood at
    // `to`, or to the end when `to` is the count.
    void move(const QSet<int> &from, int to);

signals:
    void itemsChanged();

private:
    QList<MergeItem> m_items;
};
