// Writing new files: Save As, extracting pages, ready bytes, several files into
// a folder, and merging; the one busy operation they all run as.

#include "model/AppModel.h"

#include "document/OpenFile.h"
#include "document/PageRanges.h"
#include "engine/PDFEngine.h"
#include "model/FileWriting.h"
#include "model/MergeModel.h"
#include "model/Thumbnails.h"
#include "platform/FilePanels.h"
#include "stamps/StampLibrary.h"

#include <QDir>
#include <QFileInfo>
#include <QtConcurrent/QtConcurrentRun>

namespace {

QString fileNameOf(const QUrl &url)
{
    return QFileInfo(url.toLocalFile()).fileName();
}

// One spelling per file: links resolved, also those of the folders above a
// file that does not exist yet, so that two paths to one file compare equal.
QString normalisedPath(const QUrl &url)
{
    if (!url.isLocalFile()) {
        return url.toString();
    }
    const QString path = QDir::cleanPath(QFileInfo(url.toLocalFile()).absoluteFilePath());
    const QFileInfo info(path);
    QString canonical = info.canonicalFilePath();
    if (!canonical.isEmpty()) {
        return canonical;
    }
    const QString folder = QFileInfo(info.path()).canonicalFilePath();
    return folder.isEmpty() ? path : QDir(folder).filePath(info.fileName());
}

// Copies for another document, so that nothing the output holds shares an id
// with the open pages.
QList<PageItem> duplicatedPages(const QList<PageItem> &pages)
{
    QList<PageItem> copies;
    copies.reserve(pages.size());
    for (const PageItem &page : pages) {
        copies.append(page.duplicated());
    }
    return copies;
}

bool isUsableName(const QString &name)
{
    return !name.trimmed().isEmpty() && !name.contains(QLatin1Char('/')) &&
           !name.contains(QChar(0)) && name != QLatin1String(".") && name != QLatin1String("..");
}

// The first name in `folder` that no file or link holds: name.ext, then
// "name 2.ext", "name 3.ext" …
QString freePath(const QDir &folder, const QString &name, const QString &ext)
{
    const auto taken = [](const QString &path) {
        const QFileInfo info(path);
        return info.exists() || info.isSymLink();
    };
    const QString suffix = ext.isEmpty() ? QString() : QLatin1Char('.') + ext;
    QString path = folder.filePath(name + suffix);
    for (int n = 2; taken(path); ++n) {
        path = folder.filePath(name + QLatin1Char(' ') + QString::number(n) + suffix);
    }
    return path;
}

// Pages that can only be saved as pictures: sharp enough to read small print
// on a letter or A4 page (about 200 pixels per inch).
constexpr CompressionStep picturesOfDamagedPages{2400, 0.85, true};

// Clears the busy state when the work ends, also when its coroutine is dropped.
struct BusyEnd
{
    QPointer<AppModel> model;
    ~BusyEnd()
    {
        if (model) {
            model->setBusy(std::nullopt);
        }
    }
};

} // namespace

// ---- Choosing targets

QFuture<std::optional<QUrl>> AppModel::chooseSaveURL(QString name, std::optional<QUrl> near)
{
    // While another operation runs, a confirmed target could not be written, so
    // the panel is not shown at all.
    if (!m_panels || m_busy) {
        return Async::ready(std::optional<QUrl>());
    }
    if (!name.endsWith(QLatin1String(".pdf"))) {
        name += QLatin1String(".pdf");
    }
    return m_panels->chooseSaveUrl(name, near);
}

QFuture<std::optional<QUrl>> AppModel::chooseFolder(std::optional<QUrl> near, QString prompt)
{
    if (!m_panels || m_busy) {
        return Async::ready(std::optional<QUrl>());
    }
    return m_panels->chooseFolder(near, prompt);
}

bool AppModel::isInUse(const QUrl &url) const
{
    // Each distinct source is resolved once; a long document reads from few files.
    QSet<QUrl> sources;
    for (const OpenFile *file : m_files) {
        for (const PageItem &page : file->pages()) {
            sources.insert(page.source.url);
        }
    }
    for (const MergeItem &item : m_merge->items()) {
        for (const PageItem &page : item.pages) {
            sources.insert(page.source.url);
        }
    }
    if (sources.isEmpty()) {
        return false;
    }
    const QString target = normalisedPath(url);
    for (const QUrl &source : std::as_const(sources)) {
        if (normalisedPath(source) == target) {
            return true;
        }
    }
    return false;
}

bool AppModel::refuseInUse(const QUrl &target)
{
    if (!isInUse(target)) {
        return false;
    }
    setErrorMessage(tr("“%1” is open in Tamsel, so it can't be replaced. Save under another name.")
                        .arg(fileNameOf(target)));
    return true;
}

bool AppModel::refuseWhileBusy(const QUrl &target)
{
    if (!m_busy) {
        return false;
    }
    setErrorMessage(tr("“%1” wasn't saved because another task was still running. Try again when "
                       "it has finished.")
                        .arg(fileNameOf(target)));
    return true;
}

// ---- The busy operation

QFuture<void> AppModel::run(QString title, Work work)
{
    if (m_busy) {
        co_return;
    }
    const CancelToken task = CancelToken::make();
    setBusy(BusyState{title, task});
    const BusyEnd end{this};
    const QFuture<Result<void>> working = work(task);
    const Result<void> result = co_await working;
    if (!result && !result.isCanceled()) {
        setErrorMessage(result.error().message);
    }
}

// ---- Writing

QFuture<Result<void>> AppModel::write(QByteArray data, QUrl to)
{
    return QtConcurrent::run([data = std::move(data), to = std::move(to)] {
        return FileWriting::replace(data, to.toLocalFile());
    });
}

void AppModel::forgetWritten(const QList<QUrl> &urls)
{
    // The engine or the thumbnail cache may still hold what was at these paths
    // (a closed document, a file whose codes were read); reopening must show the
    // new contents.
    QSet<QString> written;
    for (const QUrl &url : urls) {
        written.insert(normalisedPath(url));
        if (m_engine && !isSourceInUse(url)) {
            m_engine->forget(url);
            const QUrl resolved = QUrl::fromLocalFile(normalisedPath(url));
            if (resolved != url && !isSourceInUse(resolved)) {
                m_engine->forget(resolved);
            }
        }
    }
    if (m_thumbnails) {
        m_thumbnails->drop(
            [&](const QUrl &source) { return written.contains(normalisedPath(source)); });
    }
}

QFuture<void> AppModel::write(BuildPlan plan, QUrl to, QString title, std::function<void()> onSaved)
{
    if (refuseInUse(to) || refuseWhileBusy(to)) {
        co_return;
    }
    const QFuture<void> running =
        run(title, [this, plan = std::move(plan), to, onSaved = std::move(onSaved)](
                       CancelToken task) { return buildAndWrite(plan, to, onSaved, task); });
    co_await running;
}

QFuture<Result<void>> AppModel::buildAndWrite(BuildPlan plan, QUrl to,
                                              std::function<void()> onSaved, CancelToken task)
{
    // Built straight into the atomic write's temporary file, so that no copy of
    // the output is held in memory. A build that has finished is written whole:
    // the file is replaced whole or not at all.
    PDFEngine *engine = m_engine;
    const QFuture<Result<void>> writing =
        QtConcurrent::run([engine, plan, path = to.toLocalFile(), task] {
            return FileWriting::replace(path, [&](int file) {
                QFuture<Result<void>> built = engine->buildInto(plan, file, task);
                built.waitForFinished();
                return built.resultCount() > 0 ? built.result() : Result<void>::canceled();
            });
        });
    const Result<void> written = co_await writing;
    if (!written && written.error().code == int(PDFEngine::EngineError::OnlyAsPictures) &&
        !(plan.quality && plan.quality->pagesAsPictures)) {
        BuildPlan pictures = plan;
        pictures.quality = picturesOfDamagedPages;
        setPicturesOffer(PicturesOffer{pictures, to});
    }
    const QFuture<Result<void>> reported =
        writeAndReport(QtFuture::makeReadyFuture(written), to, std::move(onSaved));
    co_return co_await reported;
}

QFuture<Result<void>> AppModel::writeAndReport(QFuture<Result<void>> writing, QUrl to,
                                               std::function<void()> onSaved)
{
    const Result<void> written = co_await writing;
    if (!written) {
        co_return written.error();
    }
    forgetWritten({to});
    if (onSaved) {
        onSaved();
    }
    saved({to});
    co_return Result<void>();
}

QFuture<void> AppModel::saveOfferedPictures()
{
    const std::optional<PicturesOffer> offer = std::exchange(m_picturesOffer, std::nullopt);
    if (!offer) {
        co_return;
    }
    setErrorMessage(std::nullopt);
    const QFuture<void> writing = write(offer->plan, offer->target, tr("Saving…"), {});
    co_await writing;
}

// ---- The savers

QFuture<void> AppModel::saveAs(OpenFile *file)
{
    if (!file) {
        co_return;
    }
    QPointer<OpenFile> saving(file);
    //: The name offered when saving: %1 the document's name.
    const QString name = !file->isPDF()      ? file->name()
                         : file->hasStamps() ? tr("%1 (signed)").arg(file->name())
                                             : tr("%1 (edited)").arg(file->name());
    const std::optional<QUrl> target = co_await chooseSaveURL(name, file->url());
    if (!target || !saving) {
        co_return;
    }
    BuildPlan plan{saving->pages(), m_stamps->files(), saving->password(), std::nullopt};
    // Edits made while the file is written are not in it, so the mark stays.
    const QList<PageItem> savedPages = plan.pages;
    const QFuture<void> writing =
        write(std::move(plan), *target, tr("Saving…"), [saving, savedPages] {
            if (saving && saving->pages() == savedPages) {
                saving->setEdited(false);
            }
        });
    co_await writing;
}

QFuture<void> AppModel::save(QByteArray data, QString name, std::optional<QUrl> near)
{
    const std::optional<QUrl> target = co_await chooseSaveURL(name, near);
    if (!target || refuseInUse(*target) || refuseWhileBusy(*target)) {
        co_return;
    }
    const QFuture<void> running =
        run(tr("Saving…"), [this, data = std::move(data), to = *target](CancelToken) {
            return writeAndReport(write(data, to), to, {});
        });
    co_await running;
}

QFuture<void> AppModel::writeFiles(QList<OutputName> items, std::optional<QUrl> near,
                                   QString prompt, QString title, MakeFile make)
{
    const std::optional<QUrl> folder = co_await chooseFolder(near, prompt);
    if (!folder) {
        co_return;
    }
    // Names are checked before anything is written, so a bad one leaves no
    // partial set of files behind. A name with a slash would land elsewhere.
    for (const OutputName &item : std::as_const(items)) {
        const QString fileName =
            item.ext.isEmpty() ? item.name : item.name + QLatin1Char('.') + item.ext;
        if (!isUsableName(item.name) || item.ext.contains(QLatin1Char('/'))) {
            setErrorMessage(tr("“%1” can't be used as a file name.").arg(fileName));
            co_return;
        }
        // Room is left for the number that a taken name gets.
        if (fileName.toUtf8().size() + 8 > FileWriting::maxNameBytes) {
            setErrorMessage(tr("“%1” couldn't be saved because the name is too long.")
                                .arg(fileName.left(40) + QStringLiteral("…")));
            co_return;
        }
    }
    if (refuseWhileBusy(*folder)) {
        co_return;
    }
    const QFuture<void> running =
        run(title, [this, folder = *folder, items = std::move(items), make = std::move(make)](
                       CancelToken task) { return writeEach(folder, items, make, task); });
    co_await running;
}

QFuture<Result<void>> AppModel::writeEach(QUrl folder, QList<OutputName> items, MakeFile make,
                                          CancelToken task)
{
    const QDir dir(folder.toLocalFile());
    QList<QUrl> written;
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (task.isCanceled()) {
            co_return Error::cancellation();
        }
        const QFuture<Result<QByteArray>> making = make(int(i), task);
        const Result<QByteArray> bytes = co_await making;
        if (!bytes) {
            co_return bytes.error();
        }
        const QUrl target = QUrl::fromLocalFile(freePath(dir, items[i].name, items[i].ext));
        const QFuture<Result<void>> writing = write(bytes.value(), target);
        const Result<void> done = co_await writing;
        if (!done) {
            co_return done.error();
        }
        written.append(target);
        forgetWritten({target});
    }
    saved(written);
    co_return Result<void>();
}

QFuture<void> AppModel::extract(OpenFile *file)
{
    if (!file) {
        co_return;
    }
    const QList<PageItem> selected = file->selectedPages();
    QList<int> numbers;
    for (const PageItem &page : selected) {
        const auto at = std::find_if(file->pages().cbegin(), file->pages().cend(),
                                     [&](const PageItem &p) { return p.id == page.id; });
        if (at != file->pages().cend()) {
            numbers.append(int(at - file->pages().cbegin()) + 1);
        }
    }
    //: The name offered for a file of some pages: %1 the document's name, %2 the page numbers
    //: ("1-3, 5").
    const QString name = tr("%1 (pages %2)").arg(file->name(), PageRanges::describe(numbers));
    // The plan is taken now: the pages the user chose, not what they become meanwhile.
    BuildPlan plan{duplicatedPages(selected), m_stamps->files(), file->password(), std::nullopt};
    const std::optional<QUrl> target = co_await chooseSaveURL(name, file->url());
    if (!target) {
        co_return;
    }
    const QFuture<void> writing = write(std::move(plan), *target, tr("Saving…"), {});
    co_await writing;
}

// ---- Merging

QFuture<std::optional<AppModel::Loaded>> AppModel::mergeSource(QUrl url)
{
    const std::optional<FileKind> kind = fileKindOf(url);
    if (kind == FileKind::Pdf) {
        // The engine keeps the unlocked document; the entry needs no password.
        co_return co_await load(url);
    }
    if (kind == FileKind::Picture) {
        const SourceHold hold = holdSource(url);
        const PDFEngine::OpenResult result = co_await m_engine->open(url, std::nullopt);
        if (result.status == PDFEngine::OpenStatus::Opened) {
            co_return Loaded{1, std::nullopt, result.revision};
        }
    }
    co_return std::nullopt;
}

QFuture<void> AppModel::addToMerge(QList<QUrl> urls)
{
    // Every file is read at once, each by a worker of its own; the entries
    // still come in the order given.
    QList<QFuture<std::optional<Loaded>>> reading;
    for (const QUrl &url : std::as_const(urls)) {
        reading.append(mergeSource(url));
    }
    for (qsizetype i = 0; i < urls.size(); ++i) {
        const std::optional<Loaded> loaded = co_await reading[i];
        if (loaded) {
            m_merge->add(urls[i], loaded->pageCount, loaded->revision);
        }
    }
}

QFuture<void> AppModel::mergeFiles()
{
    const QList<MergeItem> items = m_merge->items();
    if (items.size() < 2) {
        co_return;
    }
    //: The name offered for the merged file: %1 the first file's name.
    const QString name = tr("%1 (merged)").arg(items.first().name);
    const std::optional<QUrl> target = co_await chooseSaveURL(name, items.first().url);
    if (!target) {
        co_return;
    }
    // The entries as they are once the target is chosen.
    QList<PageItem> pages;
    for (const MergeItem &item : m_merge->items()) {
        pages.append(duplicatedPages(item.pages));
    }
    BuildPlan plan{pages, m_stamps->files(), std::nullopt, std::nullopt};
    const QFuture<void> writing = write(std::move(plan), *target, tr("Merging…"), {});
    co_await writing;
}
