// The edits of an open document that need nothing from the engine: deleting
// and reordering pages, and the stamp placements.

#include "model/AppModel.h"

#include "document/OpenFile.h"
#include "stamps/StampLibrary.h"

#include <algorithm>

namespace {

qsizetype indexOfPage(const QList<PageItem> &pages, const QUuid &id)
{
    for (qsizetype i = 0; i < pages.size(); ++i) {
        if (pages[i].id == id) {
            return i;
        }
    }
    return -1;
}

} // namespace

void AppModel::deletePages(OpenFile *file, const QSet<QUuid> &pages)
{
    if (!file || pages.isEmpty()) {
        return;
    }
    // Counts the ids, not the pages they match: a set naming as many pages as
    // the document has is refused even when some ids are stale.
    if (pages.size() >= file->pages().size()) {
        setErrorMessage(tr("A file needs at least one page. To get rid of it, close the file."));
        return;
    }
    QList<PageItem> kept;
    kept.reserve(file->pages().size());
    for (const PageItem &page : file->pages()) {
        if (!pages.contains(page.id)) {
            kept.append(page);
        }
    }
    file->setPages(kept);
    file->setSelection(file->selection() - pages);
    file->setEdited(true);
}

void AppModel::move(OpenFile *file, const QList<QUuid> &pages, const std::optional<QUuid> &before)
{
    if (!file) {
        return;
    }
    const QSet<QUuid> moved(pages.cbegin(), pages.cend());
    QList<PageItem> moving;
    QList<PageItem> rest;
    for (const PageItem &page : file->pages()) {
        (moved.contains(page.id) ? moving : rest).append(page);
    }
    if (moving.isEmpty()) {
        return;
    }
    if (before && moved.contains(*before)) {
        return;
    }
    qsizetype at = before ? indexOfPage(rest, *before) : -1;
    if (at < 0) {
        at = rest.size();
    }
    QList<PageItem> result = rest.mid(0, at) + moving + rest.mid(at);
    const bool sameOrder =
        std::equal(result.cbegin(), result.cend(), file->pages().cbegin(), file->pages().cend(),
                   [](const PageItem &a, const PageItem &b) { return a.id == b.id; });
    if (sameOrder) {
        return;
    }
    file->setPages(result);
    file->setEdited(true);
}

std::optional<StampPlacement> AppModel::place(const StampRecord &record, OpenFile *file,
                                              const QUuid &page)
{
    if (!file) {
        return std::nullopt;
    }
    QList<PageItem> pages = file->pages();
    const qsizetype at = indexOfPage(pages, page);
    if (at < 0) {
        return std::nullopt;
    }
    const double aspect = double(record.pixelWidth) / double(std::max(record.pixelHeight, 1));
    // Each further stamp on the page steps down and to the right, and the sixth
    // starts over, so new stamps never hide one another completely.
    const int step = int(pages[at].stamps.size() % 5);
    StampPlacement placement;
    placement.id = QUuid::createUuid();
    placement.stampID = record.id;
    placement.center = QPointF(0.5 + 0.04 * step, 0.62 + 0.04 * step);
    placement.width = aspect >= 1.6 ? 0.34 : 0.24;
    placement.rotation = 0;
    pages[at].stamps.append(placement);
    file->setPages(pages);
    file->setEdited(true);
    return placement;
}

void AppModel::addToAllPages(const StampPlacement &placement, OpenFile *file, const QUuid &page)
{
    if (!file) {
        return;
    }
    QList<PageItem> pages = file->pages();
    for (PageItem &item : pages) {
        if (item.id == page) {
            continue;
        }
        StampPlacement copy = placement;
        copy.id = QUuid::createUuid();
        item.stamps.append(copy);
    }
    file->setPages(pages);
    file->setEdited(true);
    showToast(tr("Added to all %n pages", nullptr, int(pages.size())));
}

void AppModel::update(const StampPlacement &placement, OpenFile *file, const QUuid &page)
{
    if (!file) {
        return;
    }
    QList<PageItem> pages = file->pages();
    const qsizetype at = indexOfPage(pages, page);
    if (at < 0) {
        return;
    }
    QList<StampPlacement> &stamps = pages[at].stamps;
    const auto found = std::find_if(stamps.begin(), stamps.end(),
                                    [&](const StampPlacement &p) { return p.id == placement.id; });
    if (found == stamps.end()) {
        return;
    }
    *found = placement;
    file->setPages(pages);
    file->setEdited(true);
}

void AppModel::remove(const QUuid &placement, OpenFile *file, const QUuid &page)
{
    if (!file) {
        return;
    }
    QList<PageItem> pages = file->pages();
    const qsizetype at = indexOfPage(pages, page);
    if (at < 0) {
        return;
    }
    pages[at].stamps.removeIf([&](const StampPlacement &p) { return p.id == placement; });
    file->setPages(pages);
    file->setEdited(true);
}

void AppModel::deleteStamp(const QUuid &id)
{
    // The library reports a failed save only through its message; a message left
    // from an earlier failure must not be taken for this one.
    m_stamps->clearErrorMessage();
    m_stamps->remove(id);
    if (!m_stamps->errorMessage().isNull()) {
        return;
    }
    for (OpenFile *file : std::as_const(m_files)) {
        QList<PageItem> pages = file->pages();
        bool stripped = false;
        for (PageItem &page : pages) {
            stripped |=
                page.stamps.removeIf([&](const StampPlacement &p) { return p.stampID == id; }) > 0;
        }
        if (stripped) {
            file->setPages(pages);
            file->setEdited(true);
        }
    }
}
