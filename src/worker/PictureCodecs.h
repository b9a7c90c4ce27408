#pragma once

// The pixel work of recompression, free of qpdf objects and safe on any
// thread: decoding JPEG and JPEG 2000 into plain samples, unpacking samples of
// 1 to 16 bits, scaling down, and encoding JPEG in grey, RGB or CMYK.

#include <QByteArray>

#include <qpdf/Pipeline.hh>

#include <cstdint>
#include <optional>
#include <vector>

namespace PictureCodecs {

// Interleaved samples of 8 bits, rows without padding.
struct Pixels
{
    int width = 0;
    int height = 0;
    int components = 0;
    QByteArray samples;

    bool isNull() const { return width <= 0 || height <= 0 || components <= 0; }
    qsizetype rowBytes() const { return qsizetype(width) * components; }
};

// Area averages of a picture whose rows come one at a time, top to bottom, at
// a size no larger than the picture's: the whole picture is never held, only
// the result and two rows of sums. Weights are fixed-point.
class Shrinker
{
public:
    Shrinker(int sourceWidth, int sourceHeight, int components, int width, int height);
    // The next row of sourceWidth × components samples.
    void addRow(const uchar *row);
    // The result, complete once every row has been added.
    Pixels take();

    struct Span
    {
        int first = 0;
        int count = 0;
        int weights = 0; // index of the first of `count` weights
    };

private:
    static std::vector<Span> spans(int from, int to, std::vector<std::uint16_t> &weights);
    void reduceRow(const uchar *row);

    int m_sourceWidth;
    int m_sourceHeight;
    int m_components;
    std::vector<Span> m_columns;
    std::vector<Span> m_rows;
    std::vector<std::uint16_t> m_columnWeights;
    std::vector<std::uint16_t> m_rowWeights;
    std::vector<std::uint16_t> m_reduced; // the current row, shrunk across
    std::vector<std::uint32_t> m_sums[2]; // the two target rows a source row can touch
    int m_nextSourceRow = 0;
    int m_nextRow = 0; // the first target row not yet finished
    Pixels m_target;
};

// A JPEG in the components it stores (grey, RGB or CMYK; YCbCr and YCCK are
// converted back), at `targetWidth` × `targetHeight` or its own size when that
// is smaller. A target well below the picture is read at libjpeg's coarsest
// scale (M/8) that still covers it, and rows are averaged down as they are
// read. Null when it can't be read, or when its size isn't `width` × `height`
// (what its image claims, and what the caller has checked is sane).
Pixels decodeJpeg(const QByteArray &data, int width, int height, int targetWidth, int targetHeight);

// Whether a JPEG is progressive: libjpeg then holds the coefficients of the
// whole picture while it reads it.
bool isProgressiveJpeg(const QByteArray &data);

// A JPEG 2000 picture (JP2 file or bare codestream): its colour components,
// sYCC turned into RGB, each scaled to 8 bits; the alpha channel apart; the
// embedded ICC profile, if any.
struct Jpx
{
    Pixels colour;
    QByteArray alpha; // one byte per pixel, or empty
    QByteArray iccProfile;
};
// Decoded at the coarsest resolution level whose long side is still at least
// `minLongSide` (0: full size). None when it can't be read, when its size isn't
// `width` × `height`, or when its components differ in size (subsampled colour).
std::optional<Jpx> decodeJpx(const QByteArray &data, int width, int height, int minLongSide);

// Rows of `bits`-bit samples (1, 2, 4, 8 or 16; each row starts on a byte) as
// 8-bit samples. With `stretch`, values keep their place in the range (a
// 4-bit 15 becomes 255); without, they are kept as numbers (palette indices).
// Null when `packed` holds fewer rows than `height`.
Pixels unpack(const QByteArray &packed, int width, int height, int components, int bits,
              bool stretch);

// The area average of `source` at the smaller size `width` × `height`.
Pixels scaledDown(const Pixels &source, int width, int height);

// Baseline JPEG of 1 (grey), 3 (RGB) or 4 (CMYK, stored without inversion)
// components at `quality` 1–100; empty on failure.
QByteArray encodeJpeg(const Pixels &pixels, int quality);

// Collects decoded stream data up to a limit, then throws Full to stop the
// decoder: a stream never unpacks to more than its picture can hold.
class Collector : public Pipeline
{
public:
    struct Full
    {
    };
    Collector(QByteArray &out, qsizetype limit);
    void write(unsigned char const *data, size_t length) override;
    void finish() override;

private:
    QByteArray &m_out;
    qsizetype m_limit;
};

// Zlib data inflated, at most `limit` bytes of it (a stream that unpacks to
// more is cut there); none when it isn't zlib data at all.
std::optional<QByteArray> inflate(const QByteArray &data, qsizetype limit);
QByteArray deflate(const QByteArray &data);

// Undoes PNG row predictors (/Predictor 10 to 15); none on a row of unknown type.
std::optional<QByteArray> unpredictPng(const QByteArray &data, int columns, int colours, int bits);

} // namespace PictureCodecs
