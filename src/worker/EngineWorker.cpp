#include "worker/EngineWorker.h"

#include "worker/PageDrawing.h"
#include "worker/PdfWriting.h"
#include "worker/PicturePage.h"

#include <QBuffer>

#include <poppler/qt6/poppler-qt6.h>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFExc.hh>

#include <algorithm>
#include <cmath>
#include <string_view>

SourceEntry::SourceEntry() = default;
SourceEntry::SourceEntry(SourceEntry &&) noexcept = default;
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
// password: either one unlocks. Answers the bytes that unlocked.
std::optional<QByteArray> unlock(Poppler::Document &document, const QString &password)
{
    const QByteArray utf8 = password.toUtf8();
    if (!document.unlock(utf8, utf8)) {
        return utf8;
    }
    const QByteArray latin1 = password.toLatin1();
    if (latin1 != utf8 && QString::fromLatin1(latin1) == password &&
        !document.unlock(latin1, latin1)) {
        return latin1;
    }
    return std::nullopt;
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

} // namespace

WorkerProtocol::OpenReply EngineWorker::load(const QUrl &key, const SharedBytes &bytes,
                                             const std::optional<QString> &password,
                                             QList<QSizeF> *sizes)
{
    const auto answer = [](WorkerProtocol::OpenStatus status) {
        WorkerProtocol::OpenReply reply;
        reply.status = status;
        return reply;
    };
    documents.erase(key);
    if (bytes.isEmpty()) {
        return answer(WorkerProtocol::OpenStatus::Unreadable);
    }
    SourceEntry entry;
    entry.name = key.toString();
    entry.shared = bytes;
    entry.bytes = bytes.bytes();
    entry.device = std::make_unique<QBuffer>();
    entry.device->setData(entry.bytes);
    entry.device->open(QIODevice::ReadOnly);
    entry.document = Poppler::Document::load(entry.device.get());
    if (!entry.document) {
        return answer(WorkerProtocol::OpenStatus::Unreadable);
    }
    prepare(*entry.document);
    if (entry.document->isLocked()) {
        if (usesUnknownProtection(entry.bytes)) {
            return answer(WorkerProtocol::OpenStatus::Unreadable);
        }
        if (password) {
            entry.popplerPassword = unlock(*entry.document, *password);
        }
        if (!entry.popplerPassword || entry.document->isLocked()) {
            return answer(WorkerProtocol::OpenStatus::NeedsPassword);
        }
        entry.password = password;
        prepare(*entry.document);
    } else if (std::string_view(entry.bytes.constData(), size_t(entry.bytes.size()))
                       .find("/Encrypt") != std::string_view::npos &&
               !PdfWriting::unlocksForWriting(entry.bytes, std::nullopt)) {
        // The reader may call such a file unprotected; the trailer's key, never
        // compressed, says it is, and saving needs the password.
        if (!password || !PdfWriting::unlocksForWriting(entry.bytes, password)) {
            return answer(WorkerProtocol::OpenStatus::NeedsPassword);
        }
        entry.password = password;
    }
    // The engine names only pages its open counted; a worker that merely loads
    // the document takes the count the file claims and leaves the page tree
    // unread until a page is wanted: on a long document reading it whole costs
    // more than drawing a screenful.
    entry.pageCount =
        sizes ? readablePageCount(*entry.document) : std::max(entry.document->numPages(), 0);
    if (entry.pageCount < 1) {
        return answer(WorkerProtocol::OpenStatus::Unreadable);
    }
    if (sizes) {
        sizes->clear();
        for (int i = 0; i < entry.pageCount; ++i) {
            const std::unique_ptr<Poppler::Page> page(entry.document->page(i));
            // Poppler's page size is the crop box already turned by the page's own rotation.
            const QSizeF size = page ? page->pageSizeF() : QSizeF();
            // A box without area can't be measured any more than a missing page:
            // an empty size, which the engine answers like a missing page.
            sizes->append(size.width() > 0 && size.height() > 0 ? size : QSizeF());
        }
    }
    WorkerProtocol::OpenReply opened = answer(WorkerProtocol::OpenStatus::Opened);
    opened.pageCount = entry.pageCount;
    opened.password = entry.password;
    documents.emplace(key, std::move(entry));
    return opened;
}

SourceEntry *EngineWorker::entry(const QUrl &url)
{
    const auto it = documents.find(url);
    if (it == documents.end() || !it->second.document || it->second.isLocked()) {
        return nullptr;
    }
    return &it->second;
}

std::unique_ptr<Poppler::Page> EngineWorker::page(const PageSource &source)
{
    SourceEntry *found = entry(source.url);
    if (!found || source.index < 0 || source.index >= found->pageCount) {
        return nullptr;
    }
    return found->document->page(source.index);
}

QImage EngineWorker::image(const PageSource &source, int turn, double longSide)
{
    if (!std::isfinite(longSide) || longSide <= 0 || longSide > maxRenderSide) {
        return {};
    }
    QSizeF points;
    return image(
        source, turn,
        [longSide](QSizeF size) {
            return longSide / std::max({size.width(), size.height(), 1.0});
        },
        points);
}

QImage EngineWorker::image(const PageSource &source, int turn,
                           const std::function<double(QSizeF)> &scaleFor, QSizeF &points)
{
    points = QSizeF();
    SourceEntry *drawn = entry(source.url);
    if (!drawn || source.index < 0 || source.index >= drawn->pageCount) {
        return {};
    }
    if (!drawn->drawing) {
        drawn->drawing = std::make_unique<PageDrawing>(drawn->bytes, drawn->popplerPassword);
    }
    // Measured by the drawing's own parse of the document: the reader's would
    // read the page tree a second time up to this page.
    QSizeF displayed = drawn->drawing->displayedSize(source.index);
    if (!displayed.isValid()) {
        return {}; // a page missing; one without area is drawn all the same
    }
    const int extra = normalizedAngle(turn);
    // A page without area is drawn at the size it is shown at.
    displayed = shownSize(displayed);
    if (extra == 90 || extra == 270) {
        displayed.transpose();
    }
    points = displayed;
    const double scale = scaleFor(displayed);
    // Far past the bounds below before rounding, where rounding could overflow.
    if (!std::isfinite(scale) || scale <= 0 ||
        std::max(displayed.width(), displayed.height()) * scale > 2.0 * maxRenderSide) {
        return {};
    }
    const QSize pixels(std::max(int(std::lround(displayed.width() * scale)), 1),
                       std::max(int(std::lround(displayed.height() * scale)), 1));
    if (pixels.width() > maxRenderSide || pixels.height() > maxRenderSide ||
        qint64(pixels.width()) * pixels.height() > maxRenderPixels) {
        return {};
    }
    try {
        // Drawing the slice of exactly the wanted size keeps the pixel size exact
        // whatever Poppler's own rounding of the page's size at that resolution.
        return drawn->drawing->draw(source.index, 72.0 * scale, extra, pixels);
    } catch (...) {
        // Out of memory halfway through a page: the device may be left mid-page.
        drawn->drawing.reset();
        throw;
    }
}

namespace {

std::unique_ptr<QPDF> openStructure(const SourceEntry &source, const QByteArray &password)
{
    auto pdf = std::make_unique<QPDF>();
    pdf->setSuppressWarnings(true);
    // The bytes stay in the entry for as long as the entry, and so this QPDF, lives.
    pdf->processMemoryFile(source.name.toUtf8().constData(), source.bytes.constData(),
                           size_t(source.bytes.size()),
                           password.isNull() ? nullptr : password.constData());
    return pdf;
}

} // namespace

QPDF *EngineWorker::structure(const QUrl &key)
{
    SourceEntry *source = entry(key);
    if (!source) {
        return nullptr;
    }
    if (!source->structure) {
        if (!source->password) {
            source->structure = openStructure(*source, QByteArray());
        } else {
            // As Poppler was unlocked: the password as typed (UTF-8), then as Latin-1
            // for older files.
            const QByteArray utf8 = source->password->toUtf8();
            try {
                source->structure = openStructure(*source, utf8);
            } catch (const QPDFExc &error) {
                const QByteArray latin1 = source->password->toLatin1();
                if (error.getErrorCode() != qpdf_e_password || latin1 == utf8) {
                    throw;
                }
                source->structure = openStructure(*source, latin1);
            }
        }
    }
    return source->structure.get();
}

void EngineWorker::dropStructure(const QUrl &url)
{
    if (SourceEntry *source = entry(url)) {
        source->structure.reset();
    }
}

void EngineWorker::dropStructures(const BuildPlan &plan)
{
    for (const PageItem &page : plan.pages) {
        dropStructure(page.source.url);
    }
}

QSizeF shownSize(QSizeF box)
{
    return box.width() > 0 && box.height() > 0 ? box : QSizeF(595, 842);
}

QSizeF EngineWorker::displaySize(const PageSource &source, int turn)
{
    const std::unique_ptr<Poppler::Page> found = page(source);
    // Poppler's page size is the crop box already turned by the page's own rotation.
    const QSizeF size = shownSize(found ? found->pageSizeF() : QSizeF());
    const int extra = normalizedAngle(turn);
    return extra == 90 || extra == 270 ? size.transposed() : size;
}
