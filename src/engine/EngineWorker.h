#pragma once

// The engine's worker-side state. Everything here is touched only by jobs running
// on the engine's single worker thread (or by the engine's destructor once that
// thread has stopped), so none of it is locked.

#include "engine/PDFEngine.h"
#include "engine/StampDrawing.h"

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <memory>
#include <optional>
#include <unordered_map>

class QPDF;

namespace Poppler {
class Document;
class Page;
} // namespace Poppler

// What a file looked like when it was read; a source whose file no longer matches
// is read again on the next open.
struct FileStamp
{
    bool exists = false; // a regular file

    qint64 size = -1;
    qint64 modifiedNs = 0;
    quint64 inode = 0;

    static FileStamp of(const QString &path);
    friend bool operator==(const FileStamp &, const FileStamp &) = default;
};

// One opened source: a PDF file (possibly still locked), or the one-page PDF made
// from a picture. Further per-source state of the writing side belongs here too.
struct SourceEntry
{
    SourceEntry();
    SourceEntry(SourceEntry &&) noexcept;
    SourceEntry &operator=(SourceEntry &&) noexcept;
    ~SourceEntry();

    QString path;
    FileStamp stamp;
    std::unique_ptr<Poppler::Document> document;
    // The PDF as Poppler reads it: the file's bytes, or the PDF made from a picture.
    // Held in memory so that the document stays whole when its file is overwritten
    // in place, and so that output is built from exactly what was shown.
    QByteArray bytes;
    bool isPicture = false;
    // The password that unlocked the document; absent when it was never locked.
    std::optional<QString> password;
    // Shown without a password, yet only readable for saving with one (its
    // attachments or some of its streams are locked): asked for like a lock.
    bool lockedForWriting = false;

    // The pages that can really be read, counted once unlocked: a damaged page tree
    // may claim more than it holds. 0 while locked.
    int pageCount = 0;
    // The same bytes opened with qpdf, made on the first build that needs them.
    std::unique_ptr<QPDF> structure;

    bool isLocked() const;
};

struct UrlHasher
{
    size_t operator()(const QUrl &url) const noexcept { return qHash(url); }
};

struct PDFEngine::Worker
{
    std::unordered_map<QUrl, SourceEntry, UrlHasher> documents;

    PDFEngine::OpenResult open(const QUrl &url, const std::optional<QString> &password);
    void forget(const QUrl &url) { documents.erase(url); }

    // The cached, unlocked entry of `url`, or null.
    SourceEntry *entry(const QUrl &url);
    // The page of an unlocked cached document, or null when it is missing.
    std::unique_ptr<Poppler::Page> page(const PageSource &source);

    // The cached source opened with qpdf for building output; null when the URL is
    // not cached or still locked. Throws when qpdf cannot read the bytes.
    QPDF *structure(const QUrl &url);
    // Drops the qpdf objects of the plan's sources, which a failed build may have
    // left half-changed; the next build reads them afresh from the bytes.
    void dropStructures(const BuildPlan &plan);
    // Decoded stamp pictures and their compact forms, kept for the life of the engine.
    StampCache stamps;

    QSizeF displaySize(const PageSource &source, int turn);
    QImage image(const PageSource &source, int turn, double longSide);

    // The largest bitmap a render may ask for; beyond it Poppler's allocator
    // would abort the process rather than fail.
    static constexpr qint64 maxRenderPixels = 200'000'000;
    static constexpr int maxRenderSide = 32'000;
};

// The pixel size of a page of `pageSize` points rendered with its longer side
// `longSide` pixels: each side rounded half away from zero and at least 1.
QSize renderPixelSize(QSizeF pageSize, double longSide);
