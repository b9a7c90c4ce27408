// The operations that wait for the engine: opening, loading with the password
// questions, closing, inserting and turning pages.

#include "model/AppModel.h"

#include "document/OpenFile.h"
#include "engine/PDFEngine.h"
#include "model/MergeModel.h"
#include "model/NameOrder.h"
#include "platform/FilePanels.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>

AppModel::AppModel(QObject *parent)
    : AppModel(Services{&PDFEngine::shared(), nullptr, nullptr, {}}, parent)
{}

namespace {

QString fileNameOf(const QUrl &url)
{
    return QFileInfo(url.path()).fileName();
}

// The name shown for a document: the file name without its last extension.
QString documentNameOf(const QUrl &url)
{
    return QFileInfo(url.path()).completeBaseName();
}

// A page of the version of the file that the engine read (its revision), so that
// the page keeps those bytes when the file changes on disk later.
PageItem freshPage(const QUrl &url, int index, int revision)
{
    return PageItem{QUuid::createUuid(), PageSource{url, index, revision}, 0, {}};
}

} // namespace

// ---- Sources in use

bool AppModel::isSourceInUse(const QUrl &url) const
{
    if (m_heldSources.contains(url)) {
        return true;
    }
    for (const OpenFile *file : m_files) {
        for (const PageItem &page : file->pages()) {
            if (page.source.url == url) {
                return true;
            }
        }
    }
    for (const MergeItem &item : m_merge->items()) {
        for (const PageItem &page : item.pages) {
            if (page.source.url == url) {
                return true;
            }
        }
    }
    return false;
}

void AppModel::appendFile(OpenFile *file)
{
    file->setParent(this);
    m_files.append(file);
    emit filesChanged();
}

// ---- Opening

QFuture<void> AppModel::open(QList<QUrl> urls, std::optional<Tool> tool)
{
    if (urls.isEmpty()) {
        co_return;
    }
    QList<QUrl> pdfs;
    QList<QUrl> pictures;
    for (const QUrl &url : urls) {
        const std::optional<FileKind> kind = fileKindOf(url);
        if (kind == FileKind::Pdf) {
            pdfs.append(url);
        } else if (kind == FileKind::Picture) {
            pictures.append(url);
        }
    }
    if (pdfs.isEmpty() && pictures.isEmpty()) {
        setErrorMessage(tr("Tamsel opens PDFs and images."));
        co_return;
    }
    std::stable_sort(pictures.begin(), pictures.end(), [](const QUrl &a, const QUrl &b) {
        return compareNames(fileNameOf(a), fileNameOf(b)) < 0;
    });
    std::vector<SourceHold> holds;
    holds.reserve(size_t(pdfs.size() + pictures.size()));
    for (const QUrl &url : pdfs + pictures) {
        holds.push_back(holdSource(url));
    }

    QPointer<OpenFile> last;
    for (const QUrl &url : pdfs) {
        const auto existing =
            std::find_if(m_files.cbegin(), m_files.cend(),
                         [&](const OpenFile *f) { return f->isPDF() && f->url() == url; });
        if (existing != m_files.cend()) {
            last = *existing;
            continue;
        }
        const std::optional<Loaded> loaded = co_await load(url);
        if (!loaded) {
            continue;
        }
        QList<PageItem> pages;
        pages.reserve(loaded->pageCount);
        for (int i = 0; i < loaded->pageCount; ++i) {
            pages.append(freshPage(url, i, loaded->revision));
        }
        auto *file = new OpenFile(url, documentNameOf(url), true, pages, loaded->password, this);
        appendFile(file);
        last = file;
    }

    if (!pictures.isEmpty()) {
        QList<PageItem> pages;
        QUrl first;
        for (const QUrl &url : pictures) {
            const PDFEngine::OpenResult result = co_await m_engine->open(url, std::nullopt);
            if (result.status != PDFEngine::OpenStatus::Opened) {
                setErrorMessage(tr("“%1” can't be opened.").arg(fileNameOf(url)));
                continue;
            }
            if (pages.isEmpty()) {
                first = url;
            }
            pages.append(freshPage(url, 0, result.revision));
        }
        if (!pages.isEmpty()) {
            auto *file =
                new OpenFile(first, documentNameOf(first), false, pages, std::nullopt, this);
            file->setEdited(true);
            appendFile(file);
            last = file;
        }
    }

    // The document may have been closed while later files were loading.
    if (!last || !m_files.contains(last.data())) {
        co_return;
    }
    const QUuid id = last->id();
    setDestination(Destination::file(id));
    if (!tool) {
        co_return;
    }
    switch (*tool) {
    case Tool::Sign:
        setSigningFileID(id);
        break;
    case Tool::Split:
        setSheet(FileSheet{FileSheet::Kind::Split, id});
        break;
    case Tool::Compress:
        setSheet(FileSheet{FileSheet::Kind::Compress, id});
        break;
    }
}

QFuture<std::optional<AppModel::Loaded>> AppModel::load(QUrl url)
{
    const SourceHold hold = holdSource(url);
    PasswordQueue::Turn turn(m_passwords);
    std::optional<QString> password;
    for (;;) {
        const PDFEngine::OpenResult result = co_await m_engine->open(url, password);
        switch (result.status) {
        case PDFEngine::OpenStatus::Opened:
            // A source that the engine already holds unlocked answers with the
            // password that opened it, so a second opening keeps the protection.
            co_return Loaded{result.pageCount, result.password ? result.password : password,
                             result.revision};
        case PDFEngine::OpenStatus::Unreadable:
            if (!result.problem.isEmpty()) {
                setErrorMessage(
                    tr("“%1” can't be opened. %2").arg(fileNameOf(url), result.problem));
            } else {
                setErrorMessage(tr("“%1” can't be opened. It may be damaged or not a PDF.")
                                    .arg(fileNameOf(url)));
            }
            co_return std::nullopt;
        case PDFEngine::OpenStatus::NeedsPassword:
            break;
        }
        if (!turn.isHeld()) {
            co_await m_passwords.waitForTurn();
            turn.setHeld();
        }
        const std::optional<QString> answer =
            co_await askPassword(fileNameOf(url), password.has_value());
        if (!answer) {
            co_return std::nullopt;
        }
        password = answer;
    }
}

QFuture<std::optional<QString>> AppModel::askPassword(const QString &fileName, bool wasWrong)
{
    QFuture<std::optional<QString>> answer = m_passwords.ask();
    setPasswordRequest(PasswordRequest{QUuid::createUuid(), fileName, wasWrong});
    return answer;
}

void AppModel::answerPassword(const std::optional<QString> &answer)
{
    setPasswordRequest(std::nullopt);
    m_passwords.answer(answer);
}

// ---- Closing

QFuture<void> AppModel::close(OpenFile *file)
{
    if (!file) {
        return Async::ready();
    }
    setClosingFile(nullptr);
    const QUuid id = file->id();
    QList<OpenFile *> kept;
    QList<OpenFile *> closed;
    for (OpenFile *f : m_files) {
        (f->id() == id ? closed : kept).append(f);
    }
    m_files = kept;
    emit filesChanged();
    if (m_signingFileID == id) {
        setSigningFileID(std::nullopt);
    }
    if (m_destination == Destination::file(id)) {
        setDestination(m_files.isEmpty() ? Destination::home()
                                         : Destination::file(m_files.last()->id()));
    }
    // Each source once, in page order; a document of a thousand pages has one or a few.
    QList<QUrl> unused;
    QSet<QUrl> seen;
    for (const PageItem &page : file->pages()) {
        if (!seen.contains(page.source.url)) {
            seen.insert(page.source.url);
            if (!isSourceInUse(page.source.url)) {
                unused.append(page.source.url);
            }
        }
    }
    for (OpenFile *f : closed) {
        f->deleteLater();
    }
    return releaseSources(unused);
}

QFuture<void> AppModel::releaseSources(QList<QUrl> urls)
{
    for (const QUrl &url : urls) {
        // Checked again right before each release, never within the event that
        // closed: the file may have been opened again, or added to the merge
        // list, since the close. (A release finishing at once would otherwise
        // let the next check run before the caller's next statement.)
        co_await Async::nextTurn(this);
        if (isSourceInUse(url)) {
            continue;
        }
        co_await m_engine->forget(url);
    }
}

QFuture<QList<QUrl>> AppModel::chooseFiles(bool multiple, QList<FileKind> kinds)
{
    if (!m_panels) {
        return Async::ready(QList<QUrl>());
    }
    return m_panels->chooseFiles(multiple, kinds, tr("Choose PDFs or images"));
}

// ---- Inserting and turning pages

QFuture<void> AppModel::insertPages(OpenFile *file, QList<QUrl> urls)
{
    QPointer<OpenFile> target(file);
    std::vector<SourceHold> holds;
    holds.reserve(size_t(urls.size()));
    for (const QUrl &url : urls) {
        holds.push_back(holdSource(url));
    }
    QList<PageItem> added;
    for (const QUrl &url : urls) {
        const std::optional<FileKind> kind = fileKindOf(url);
        if (kind == FileKind::Pdf) {
            const std::optional<Loaded> loaded = co_await load(url);
            for (int i = 0; loaded && i < loaded->pageCount; ++i) {
                added.append(freshPage(url, i, loaded->revision));
            }
        } else if (kind == FileKind::Picture) {
            const PDFEngine::OpenResult result = co_await m_engine->open(url, std::nullopt);
            if (result.status == PDFEngine::OpenStatus::Opened) {
                added.append(freshPage(url, 0, result.revision));
            }
        }
    }
    if (added.isEmpty() || !target || !m_files.contains(target.data())) {
        co_return;
    }
    // Placed by the selection as it is now, after all the waiting.
    QList<PageItem> pages = target->pages();
    qsizetype at = pages.size();
    for (qsizetype i = pages.size() - 1; i >= 0; --i) {
        if (target->selection().contains(pages[i].id)) {
            at = i + 1;
            break;
        }
    }
    QSet<QUuid> selection;
    for (const PageItem &page : added) {
        selection.insert(page.id);
    }
    pages = pages.mid(0, at) + added + pages.mid(at);
    target->setPages(pages);
    target->setSelection(selection);
    target->setEdited(true);
}

QFuture<void> AppModel::turn(OpenFile *file, QSet<QUuid> pages, bool clockwise)
{
    if (!file || pages.isEmpty()) {
        co_return;
    }
    QPointer<OpenFile> target(file);

    // Stamps keep their size in points, so a stamped page is measured first. The
    // size is kept with the turn it was measured at: another turn may land while
    // this one waits, and the page is then measured against its turn at that time.
    struct Measured
    {
        QSizeF size;
        int turn = 0;
    };
    QHash<QUuid, Measured> sizes;
    for (;;) {
        QList<PageItem> unmeasured;
        for (const PageItem &page : target->pages()) {
            if (pages.contains(page.id) && !page.stamps.isEmpty() && !sizes.contains(page.id)) {
                unmeasured.append(page);
            }
        }
        if (unmeasured.isEmpty()) {
            break;
        }
        QList<QFuture<QSizeF>> asked;
        asked.reserve(unmeasured.size());
        for (const PageItem &page : unmeasured) {
            asked.append(m_engine->displaySize(page.source, page.turn));
        }
        for (qsizetype i = 0; i < asked.size(); ++i) {
            const QSizeF size = co_await asked[i];
            sizes.insert(unmeasured[i].id, Measured{size, unmeasured[i].turn});
        }
        // A stamp placed meanwhile on a chosen page sends the loop round again.
        if (!target) {
            co_return;
        }
    }

    const int steps = clockwise ? 1 : 3;
    QList<PageItem> updated = target->pages();
    for (PageItem &page : updated) {
        if (!pages.contains(page.id)) {
            continue;
        }
        double width = 0;
        double height = 0;
        if (const auto found = sizes.constFind(page.id); found != sizes.cend()) {
            width = found->size.width();
            height = found->size.height();
            if (normalizedAngle(page.turn - found->turn) % 180 != 0) {
                std::swap(width, height);
            }
        }
        for (int step = 0; step < steps; ++step) {
            for (StampPlacement &placement : page.stamps) {
                placement.center = QPointF(1 - placement.center.y(), placement.center.x());
                placement.width = placement.width * width / std::max(height, 1.0);
                placement.rotation = std::fmod(placement.rotation + 90, 360.0);
            }
            page.turn = normalizedAngle(page.turn + 90);
            std::swap(width, height);
        }
    }
    target->setPages(updated);
    target->setEdited(true);
}
