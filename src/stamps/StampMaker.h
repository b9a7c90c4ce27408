#pragma once

// Lifts a signature or stamp off its paper: a photo, scan or drawing becomes a
// transparent PNG cropped to the ink, at most 1,200 pixels on its long side.
//
// The maker decodes nothing. The picture the user chose is a stranger's bytes:
// a sandboxed worker decodes it (PDFEngine::decodePicture at decodeLongSide) and
// the maker gets its raw pixels.
//
// Thread contract: StampMaker::shared() owns one worker thread; every makeStamp
// call is queued on it and runs after the ones before it. Results are values
// (PNG bytes and a size). Cancellation is checked after decoding and after the
// paper estimate; a cancelled run ends with a cancelled Result, distinct from
// both maker errors. Nothing is written to disk.

#include "platform/Async.h"

#include <QByteArray>
#include <QFuture>
#include <QImage>
#include <QString>

#include <memory>
#include <optional>

class QThreadPool;

class StampMaker
{
public:
    // A stamp on its way to the library.
    struct Stamp
    {
        QByteArray png;
        int pixelWidth = 0;
        int pixelHeight = 0;
    };

    // Carried in Error::code of a failed Result.
    enum class StampError { Unreadable = 1, NoInk = 2 };
    static QString message(StampError error);
    static Error error(StampError error) { return Error{message(error), int(error)}; }

    static StampMaker &shared();

    StampMaker();
    ~StampMaker(); // waits for the queued work to end

    // A decoded picture, upright; a null one (the worker could not decode the
    // bytes) is unreadable. One larger than decodeLongSide is reduced first.
    QFuture<Result<Stamp>> makeStamp(QImage picture, CancelToken cancel = {});

    // The whole pipeline on the calling thread: lift the ink, crop, scale,
    // encode. Exposed for measuring.
    static Result<Stamp> run(const QImage &picture, const CancelToken &cancel);

    // The working bitmap: RGBA bytes, premultiplied, rows packed (4 x width bytes).
    static QImage bitmap(const QImage &picture);
    // More than 2 % of the pixels with alpha below 200 (exactly 2 % is opaque).
    static bool hasTransparency(const QImage &bitmap);
    // Lays a working bitmap on white, in place; its pixels become opaque.
    static void flattenOnWhite(QImage &bitmap);
    // The paper's brightness at every point: a round maximum that swallows strokes
    // narrower than max(long side / 120, 3), then a wide blur. Same size as the picture.
    static QImage paper(const QImage &bitmap);
    // Turns every pixel's darkness against the paper behind it into ink and alpha.
    static void liftInk(QImage &bitmap, const QImage &paper, float low = 0.12f, float high = 0.42f);
    // Crops to the ink with a margin, reduces to 1,200 pixels at most, encodes PNG.
    static Result<Stamp> finish(const QImage &bitmap);

    // The longest side a picture is decoded at: every step works on at most this.
    static constexpr int decodeLongSide = 2000;
    static constexpr int stampLongSide = 1200;

private:
    std::unique_ptr<QThreadPool> m_pool;
};
