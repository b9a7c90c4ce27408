#pragma once

// The state of one worker process: the documents it has been handed, opened
// with Poppler (and with qpdf when a build needs them). Touched only by the
// worker's one request loop, so none of it is locked.

#include "engine/WorkerProtocol.h"
#include "platform/SharedBytes.h"
#include "worker/StampDrawing.h"

#include <QByteArray>
#include <QList>
#include <QSizeF>
#include <QString>
#include <QUrl>

#include <functional>

#include <memory>
#include <optional>
#include <unordered_map>

class PageDrawing;
class QBuffer;
class QPDF;

namespace Poppler {
class Document;
class Page;
} // namespace Poppler

// One document as the engine handed it over: the PDF's bytes (a file's, or the
// PDF made from a picture), opened with Poppler and possibly still locked.
struct SourceEntry
{
    SourceEntry();
    SourceEntry(SourceEntry &&) noexcept;
    // Assigning would replace the document before the drawing that needs it.
    SourceEntry &operator=(SourceEntry &&) = delete;
    ~SourceEntry();

    QString name; // for qpdf's messages only
    // What Poppler reads the bytes through: it copies bytes handed to it whole.
    std::unique_ptr<QBuffer> device;
    std::unique_ptr<Poppler::Document> document;
    // The engine's memory file; `bytes` reads it without a copy. Shared with the
    // engine and the other workers, so a file overwritten on disk never changes it.
    SharedBytes shared;
    QByteArray bytes;
    // The password that unlocked the document; absent when it was never locked.
    std::optional<QString> password;
    // That password as Poppler took it (as typed or as Latin-1); absent when
    // Poppler opened the document without one.
    std::optional<QByteArray> popplerPassword;
    // Shown without a password, yet only readable for saving with one (its
    // attachments or some of its streams are locked): asked for like a lock.
    bool lockedForWriting = false;

    // The pages that can really be read, counted once unlocked: a damaged page tree
    // may claim more than it holds. 0 while locked.
    int pageCount = 0;
    // The same bytes opened with qpdf, made on the first build that needs them.
    std::unique_ptr<QPDF> structure;
    // The pages' renderer, made on the first drawing. Last, so it goes before the
    // bytes it reads and the document that keeps Poppler's settings alive.
    std::unique_ptr<PageDrawing> drawing;

    bool isLocked() const;
};

struct UrlHasher
{
    size_t operator()(const QUrl &url) const noexcept { return qHash(url); }
};

struct EngineWorker
{
    // Keyed by the engine's name for one cached version of a source.
    std::unordered_map<QUrl, SourceEntry, UrlHasher> documents;

    // Opens `bytes` under `key`, unlocking with `password` when needed, and
    // answers for it. `sizes` gets every readable page's size as displayed (empty
    // for a page whose box has no area).
    WorkerProtocol::OpenReply load(const QUrl &key, const SharedBytes &bytes,
                                   const std::optional<QString> &password,
                                   QList<QSizeF> *sizes = nullptr);
    void forget(const QUrl &key) { documents.erase(key); }

    // The cached, unlocked entry of `key`, or null.
    SourceEntry *entry(const QUrl &key);
    // The page of an unlocked cached document, or null when it is missing.
    std::unique_ptr<Poppler::Page> page(const PageSource &source);

    // The cached source opened with qpdf for building output; null when the key is
    // not cached or still locked. Throws when qpdf cannot read the bytes.
    QPDF *structure(const QUrl &key);
    // Drops the qpdf objects of the plan's sources, which a failed build may have
    // left half-changed; the next build reads them afresh from the bytes.
    void dropStructures(const BuildPlan &plan);
    // The same for one source, once a build has copied all it needs of it.
    void dropStructure(const QUrl &url);
    // Decoded stamp pictures and their compact forms, kept for the life of the worker.
    StampCache stamps;

    // The page as displayed with an extra turn, in points; 595 x 842 when unknown.
    QSizeF displaySize(const PageSource &source, int turn);
    QImage image(const PageSource &source, int turn, double longSide);
    // The page turned and drawn at the scale (pixels per point) `scaleFor`
    // gives for its displayed size, each side of the picture that size times
    // the scale, rounded, and at least 1. `points` gets the displayed size,
    // invalid when the page is missing; null when it can't be drawn.
    QImage image(const PageSource &source, int turn, const std::function<double(QSizeF)> &scaleFor,
                 QSizeF &points);

    // The largest bitmap a render may ask for; beyond it Poppler's allocator
    // would abort the process rather than fail.
    static constexpr qint64 maxRenderPixels = 200'000'000;
    static constexpr int maxRenderSide = 32'000;
};

// The size a page whose crop box is `box` (as Poppler measures it) is shown
// at: the box, or a sheet of 595 x 842 when the box has no area, since such a
// page can't be measured any more than a missing one.
QSizeF shownSize(QSizeF box);

using WorkerProtocol::renderPixelSize;
