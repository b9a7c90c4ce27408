#pragma once

#include "document/DocumentTypes.h"

#include <QObject>

// One open document. Lives on the main thread; identified by `id`, it has no
// equality of its own. Each observed property notifies only on a real change.
class OpenFile : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QList<PageItem> pages READ pages WRITE setPages NOTIFY pagesChanged)
    Q_PROPERTY(bool isEdited READ isEdited WRITE setEdited NOTIFY isEditedChanged)

public:
    OpenFile(QUrl url, QString name, bool isPDF, QList<PageItem> pages,
             std::optional<QString> password, QObject *parent = nullptr);

    QUuid id() const { return m_id; }
    QUrl url() const { return m_url; }
    QString name() const { return m_name; }
    bool isPDF() const { return m_isPDF; }

    const QList<PageItem> &pages() const { return m_pages; }
    void setPages(const QList<PageItem> &pages);

    const std::optional<QString> &password() const { return m_password; }
    void setPassword(const std::optional<QString> &password);

    bool isEdited() const { return m_isEdited; }
    void setEdited(bool edited);

    const QSet<QUuid> &selection() const { return m_selection; }
    void setSelection(const QSet<QUuid> &selection);

    // True when at least one page carries a stamp.
    bool hasStamps() const;
    // The selected pages in page order; all pages when none is selected.
    QList<PageItem> selectedPages() const;

signals:
    void pagesChanged();
    void passwordChanged();
    void isEditedChanged();
    void selectionChanged();

private:
    const QUuid m_id;
    const QUrl m_url;
    const QString m_name;
    const bool m_isPDF;
    QList<PageItem> m_pages;
    std::optional<QString> m_password;
    bool m_isEdited = false;
    QSet<QUuid> m_selection;
};
