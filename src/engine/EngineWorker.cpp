#include "engine/EngineWorker.h"

#include "engine/PdfWriting.h"
#include "engine/PicturePage.h"

#include <QFileInfo>

#include <poppler/qt6/poppler-qt6.h>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFExc.hh>

#include <sys/stat.h>

#include <algorithm>
#include <cmath>

FileStamp FileStamp::of(const QString &path)
{
    struct stat info;
    // Only regular files: reading a pipe or a device named like a PDF would never end.
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return {};
    }
    return FileStamp{true, qint64(info.st_size),
                     qint64(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec,
                     quint64(info.st_ino)};
}

SourceEntry::SourceEntry() = default;
SourceEntry::SourceEntry(SourceEntry &&) noexcept = default;
SourceEntry &SourceEntry::operator=(SourceEntry &&) noexcept = default;
SourceEntry::~SourceEntry() = default;

bool SourceEntry::isLocked() const
{
    return lockedForWriting || (document && document->isLocked());
}

namespace {

void prepare(Poppler::Document &document)
{
    document.setRenderBackend(Poppler::Document::SplashBackend);
    document.setRenderHint(Poppler::Document::Antialiasing, true);
    document.setRenderHint(Poppler::Document::TextAntialiasing, true);
    document.setPaperColor(Qt::white);
}

// Tries the password as typed (UTF-8, what AES-256 files expect) and, for older
// files that store Latin-1 passwords, as Latin-1. Both as the owner and the user
// password: either one unlocks.
bool unlock(Poppler::Document &document, const QString &password)
{
    const QByteArray utf8 = password.toUtf8();
    if (!document.unlock(utf8, utf8)) {
        return true;
    }
    const QByteArray latin1 = password.toLatin1();
    if (latin1 != utf8 && QString::fromLatin1(latin1) == password) {
        return !document.unlock(latin1, latin1);
    }
    return false;
}

// Poppler treats a file protected by a security handler it doesn't know as merely
// locked, which would ask for a password no answer can satisfy.
bool usesUnknownProtection(const QByteArray &bytes)
{
    try {
        QPDF pdf;
        pdf.setSuppressWarnings(true);
        pdf.processMemoryFile("source", bytes.constData(), size_t(bytes.size()));
    } catch (const QPDFExc &error) {
        return error.getErrorCode() == qpdf_e_unsupported;
    } catch (const std::exception &) {
    }
    return false;
}

int readablePageCount(const Poppler::Document &document)
{
    const int claimed = document.numPages();
    if (claimed < 1 || document.page(claimed - 1)) {
        return std::max(claimed, 0);
    }
    int count = 0;
    while (count < claimed && document.page(count)) {
        ++count;
    }
    return count;
}

PDFEngine::OpenResult answer(SourceEntry &entry, const std::optional<QString> &password)
{
    if (!entry.document) {
        return PDFEngine::OpenResult::unreadable();
    }
    if (entry.document->isLocked()) {
        if (!password || !unlock(*entry.document, *password) || entry.document->isLocked()) {
            return PDFEngine::OpenResult::needsPassword();
        }
        entry.password = password;
        prepare(*entry.document);
        entry.pageCount = readablePageCount(*entry.document);
    }
    if (entry.lockedForWriting) {
        if (!password || !PdfWriting::unlocksForWriting(entry.bytes, password)) {
            return PDFEngine::OpenResult::needsPassword();
        }
        entry.lockedForWriting = false;
        entry.password = password;
    }
    if (entry.pageCount < 1) {
        return PDFEngine::OpenResult::unreadable();
    }
    return PDFEngine::OpenResult::opened(entry.pageCount, entry.password);
}

// Reads the file at entry.path into entry.document and answers for it.
PDFEngine::OpenResult openFresh(SourceEntry &entry, const std::optional<QString> &password)
{
    if (QFileInfo(entry.path).suffix().toLower() == QLatin1String("pdf")) {
        QFile file(entry.path);
        if (!file.open(QIODevice::ReadOnly)) {
            return PDFEngine::OpenResult::unreadable();
        }
        entry.bytes = file.readAll();
        if (file.error() != QFileDevice::NoError) {
            return PDFEngine::OpenResult::unreadable();
        }
    } else {
        const QImage picture = PicturePage::read(entry.path);
        if (picture.isNull()) {
            return PDFEngine::OpenResult::unreadable();
        }
        entry.bytes = PicturePage::makePdf(picture);
        entry.isPicture = true;
    }
    if (entry.bytes.isEmpty()) {
        return PDFEngine::OpenResult::unreadable();
    }
    entry.document = Poppler::Document::loadFromData(entry.bytes);
    if (!entry.document) {
        return PDFEngine::OpenResult::unreadable();
    }
    prepare(*entry.document);
    if (!entry.document->isLocked()) {
        entry.pageCount = readablePageCount(*entry.document);
        // The reader may call such a file unprotected; the trailer's key, never
        // compressed, says it is.
        entry.lockedForWriting = entry.bytes.contains("/Encrypt")
                                 && !PdfWriting::unlocksForWriting(entry.bytes, std::nullopt);
    } else if (usesUnknownProtection(entry.bytes)) {
        entry.document.reset();
        return PDFEngine::OpenResult::unreadable();
    }
    return answer(entry, password);
}

} // namespace

PDFEngine::OpenResult PDFEngine::Worker::open(const QUrl &url, const std::optional<QString> &password)
{
    SourceEntry fresh;
    fresh.path = url.isLocalFile() ? url.toLocalFile() : QString();
    fresh.stamp = FileStamp::of(fresh.path);
    if (!fresh.stamp.exists) {
        // A cached document outlives its file, but a missing file can't be opened.
        return OpenResult::unreadable();
    }

    const auto cached = documents.find(url);
    if (cached != documents.end() && cached->second.stamp == fresh.stamp) {
        return answer(cached->second, password);
    }

    const OpenResult result = openFresh(fresh, password);
    if (!fresh.document) {
        return result;
    }
    if (cached == documents.end()) {
        // Also kept when locked or without pages: the next open answers from here.
        documents.emplace(url, std::move(fresh));
    } else if (result.status == OpenStatus::Opened || cached->second.isLocked()
               || cached->second.pageCount < 1) {
        // The file changed on disk. Pages already showing the old document keep it
        // until the new one actually opens.
        cached->second = std::move(fresh);
    }
    return result;
}

SourceEntry *PDFEngine::Worker::entry(const QUrl &url)
{
    const auto it = documents.find(url);
    if (it == documents.end() || !it->second.document || it->second.isLocked()) {
        return nullptr;
    }
    return &it->second;
}

std::unique_ptr<Poppler::Page> PDFEngine::Worker::page(const PageSource &source)
{
    SourceEntry *found = entry(source.url);
    if (!found || source.index < 0 || source.index >= found->pageCount) {
        return nullptr;
    }
    return found->document->page(source.index);
}

QSizeF PDFEngine::Worker::displaySize(const PageSource &source, int turn)
{
    const std::unique_ptr<Poppler::Page> found = page(source);
    // Poppler's page size is the crop box already turned by the page's own rotation.
    const QSizeF size = found ? found->pageSizeF() : QSizeF();
    // A box without area can't be measured any more than a missing page.
    if (!(size.width() > 0 && size.height() > 0)) {
        return QSizeF(595, 842);
    }
    const int extra = normalizedAngle(turn);
    return extra == 90 || extra == 270 ? size.transposed() : size;
}

QSize renderPixelSize(QSizeF pageSize, double longSide)
{
    const double w = pageSize.width();
    const double h = pageSize.height();
    const double s = longSide / std::max({w, h, 1.0});
    return QSize(int(std::max(std::round(w * s), 1.0)), int(std::max(std::round(h * s), 1.0)));
}

QImage PDFEngine::Worker::image(const PageSource &source, int turn, double longSide)
{
    if (!std::isfinite(longSide) || longSide <= 0 || longSide > maxRenderSide) {
        return {};
    }
    const std::unique_ptr<Poppler::Page> found = page(source);
    if (!found) {
        return {};
    }
    const int extra = normalizedAngle(turn);
    QSizeF displayed = found->pageSizeF();
    if (extra == 90 || extra == 270) {
        displayed.transpose();
    }
    const QSize pixels = renderPixelSize(displayed, longSide);
    if (pixels.width() > maxRenderSide || pixels.height() > maxRenderSide
        || qint64(pixels.width()) * pixels.height() > maxRenderPixels) {
        return {};
    }
    const double s = longSide / std::max({displayed.width(), displayed.height(), 1.0});
    const double dpi = 72.0 * s;
    // Rendering the slice of exactly the wanted size keeps the pixel size exact
    // whatever Poppler's own rounding of the page's size at that resolution.
    QImage rendered = found->renderToImage(dpi, dpi, 0, 0, pixels.width(), pixels.height(),
                                           static_cast<Poppler::Page::Rotation>(extra / 90));
    if (rendered.isNull() || rendered.size() != pixels) {
        return {};
    }
    return rendered;
}
