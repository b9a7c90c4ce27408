#include "document/OpenFile.h"

OpenFile::OpenFile(QUrl url, QString name, bool isPDF, QList<PageItem> pages,
                   std::optional<QString> password, QObject *parent)
    : QObject(parent)
    , m_id(QUuid::createUuid())
    , m_url(std::move(url))
    , m_name(std::move(name))
    , m_isPDF(isPDF)
    , m_pages(std::move(pages))
    , m_password(std::move(password))
{}

void OpenFile::setPages(const QList<PageItem> &pages)
{
    if (m_pages == pages) {
        return;
    }
    m_pages = pages;
    emit pagesChanged();
}

void OpenFile::setPassword(const std::optional<QString> &password)
{
    if (m_password == password) {
        return;
    }
    m_password = password;
    emit passwordChanged();
}

void OpenFile::setEdited(bool edited)
{
    if (m_isEdited == edited) {
        return;
    }
    m_isEdited = edited;
    emit isEditedChanged();
}

void OpenFile::setSelection(const QSet<QUuid> &selection)
{
    if (m_selection == selection) {
        return;
    }
    m_selection = selection;
    emit selectionChanged();
}

bool OpenFile::hasStamps() const
{
    return std::any_of(m_pages.cbegin(), m_pages.cend(),
                       [](const PageItem &page) { return !page.stamps.isEmpty(); });
}

QList<PageItem> OpenFile::selectedPages() const
{
    QList<PageItem> chosen;
    for (const PageItem &page : m_pages) {
        if (m_selection.contains(page.id)) {
            chosen.append(page);
        }
    }
    return chosen.isEmpty() ? m_pages : chosen;
}
