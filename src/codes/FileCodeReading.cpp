#include "codes/FileCodeReading.h"

#include "codes/CodeReader.h"
#include "engine/PDFEngine.h"

#include <QFileInfo>
#include <QMimeDatabase>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include <memory>

namespace CodeReading {

namespace {

enum class FileKind { PDF, Picture, Other };

FileKind classify(const QUrl &url)
{
    static const QMimeDatabase database;
    const QMimeType type = database.mimeTypeForFile(url.fileName(), QMimeDatabase::MatchExtension);
    if (type.inherits(QStringLiteral("application/pdf"))) {
        return FileKind::PDF;
    }
    if (type.name().startsWith(QLatin1String("image/"))) {
        return FileKind::Picture;
    }
    return FileKind::Other;
}

void forgetUnlessInUse(PDFEngine *engine, const QUrl &url, const CodeReadingHooks &hooks)
{
    if (!hooks.isInUse || !hooks.isInUse(url)) {
        engine->forget(url);
    }
}

QFuture<void> readFilesTask(CodesModel *codes, PDFEngine *engine, QList<QUrl> urls,
                            CodeReadingHooks hooks, CodesModel::Read read)
{
    codes->setReading(true);
    codes->setEmptyMessage(std::nullopt);
    QList<FoundCode> collected;
    for (const QUrl &url : urls) {
        // Checked before each file too, so that "Stop" never leads to a password
        // prompt for a file the user no longer wants read.
        if (read.token.isCanceled()) {
            codes->finishRead(read.number);
            co_return;
        }
        const FileKind kind = classify(url);
        if (kind == FileKind::Other) {
            continue;
        }
        if (kind == FileKind::Picture) {
            auto picture = pictureCodes(engine, url, url.fileName(), read.token);
            const Result<QList<FoundCode>> found = co_await picture;
            if (read.token.isCanceled()) {
                codes->finishRead(read.number);
                co_return;
            }
            if (found.ok()) {
                collected += found.value();
            }
            continue;
        }
        const std::optional<int> count = co_await hooks.loadPdf(url);
        if (!count) {
            forgetUnlessInUse(engine, url, hooks);
            continue;
        }
        const Result<QList<FoundCode>> pages =
            co_await pageCodes(engine, url, *count, url.fileName(), read.token);
        forgetUnlessInUse(engine, url, hooks);
        if (!pages.ok()) {
            codes->finishRead(read.number);
            co_return;
        }
        collected += pages.value();
    }
    const std::optional<QString> name =
        urls.size() == 1 ? std::optional<QString>(urls.first().fileName()) : std::nullopt;
    publish(codes, read.token, collected, name, hooks);
    codes->finishRead(read.number);
}

} // namespace

QFuture<Result<QList<FoundCode>>> pageCodes(PDFEngine *engine, QUrl url, int pageCount,
                                            QString origin, CancelToken cancel)
{
    if (pageCount <= 0) {
        return Async::ready(Result<QList<FoundCode>>(QList<FoundCode>()));
    }
    const bool isPDF = QFileInfo(url.path()).suffix().toLower() == QLatin1String("pdf");
    // Filled on the engine's worker and read only after its future finished.
    auto found = std::make_shared<QList<FoundCode>>();
    // A page without codes is drawn again at twice the size for the remaining
    // passes: small codes come out sharper than from an enlargement.
    auto visit = [found, pageCount, isPDF, origin](int pageIndex, const QImage &image,
                                                   bool sharper) {
        std::optional<int> page;
        if (pageCount != 1) {
            page = pageIndex + 1;
        } else if (isPDF) {
            page = 1;
        }
        const auto readings = CodeReader::codes(image, sharper ? CodeReader::Passes::Sharper
                                                               : CodeReader::Passes::Plain);
        for (const CodeReader::Reading &reading : readings) {
            found->append(
                FoundCode{QUuid::createUuid(), reading.payload, reading.symbology, origin, page});
        }
        return readings.isEmpty();
    };
    return engine->forEachCodeImage(url, pageCount, cancel, visit).then([found](bool finished) {
        if (!finished) {
            return Result<QList<FoundCode>>::canceled();
        }
        return Result<QList<FoundCode>>(*found);
    });
}

namespace {

// The detector's passes over decoded pixels, off the main thread.
QFuture<QList<FoundCode>> readPixels(QImage picture, QString origin)
{
    auto detect = [picture, origin] {
        QList<FoundCode> out;
        for (const CodeReader::Reading &reading : CodeReader::codes(picture)) {
            out.append(FoundCode{QUuid::createUuid(), reading.payload, reading.symbology, origin,
                                 std::nullopt});
        }
        return out;
    };
    return QtConcurrent::run(QThreadPool::globalInstance(), detect);
}

} // namespace

// Decoded by the worker at the picture's own pixels, no larger than the
// detector reads in one piece: exactly what a paste of the same bytes gets.
QFuture<Result<QList<FoundCode>>> pictureCodes(PDFEngine *engine, QUrl url, QString origin,
                                               CancelToken cancel)
{
    QFuture<QImage> decoding = engine->decodePicture(url, CodeReader::maximumSide);
    const QImage picture = co_await decoding;
    if (cancel.isCanceled()) {
        co_return Result<QList<FoundCode>>::canceled();
    }
    if (picture.isNull()) {
        co_return Result<QList<FoundCode>>(Error{});
    }
    QFuture<QList<FoundCode>> reading = readPixels(picture, origin);
    const QList<FoundCode> found = co_await reading;
    co_return Result<QList<FoundCode>>(found);
}

QFuture<QList<FoundCode>> pastedCodes(PDFEngine *engine, QByteArray bytes)
{
    QFuture<QImage> decoding = engine->decodePicture(std::move(bytes), CodeReader::maximumSide);
    const QImage picture = co_await decoding;
    if (picture.isNull()) {
        co_return QList<FoundCode>();
    }
    QFuture<QList<FoundCode>> reading = readPixels(picture, pastedImageName());
    const QList<FoundCode> found = co_await reading;
    co_return found;
}

namespace {

QFuture<void> readPastedTask(CodesModel *codes, PDFEngine *engine, QByteArray bytes,
                             CodeReadingHooks hooks, CodesModel::Read read)
{
    codes->setReading(true);
    codes->setEmptyMessage(std::nullopt);
    // "Stop" drops the result instead of interrupting the detector.
    QFuture<QList<FoundCode>> job = pastedCodes(engine, std::move(bytes));
    const QList<FoundCode> list = co_await job;
    publish(codes, read.token, list, pastedImageName(), hooks);
    codes->finishRead(read.number);
}

} // namespace

void readPastedPicture(CodesModel *codes, PDFEngine *engine, QByteArray bytes,
                       CodeReadingHooks hooks)
{
    const CodesModel::Read read = codes->startRead();
    readPastedTask(codes, engine, std::move(bytes), std::move(hooks), read);
}

void readFiles(CodesModel *codes, PDFEngine *engine, QList<QUrl> urls, CodeReadingHooks hooks)
{
    const CodesModel::Read read = codes->startRead();
    readFilesTask(codes, engine, std::move(urls), std::move(hooks), read);
}

} // namespace CodeReading
