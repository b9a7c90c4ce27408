#include "worker/PictureCodecs.h"

#include <qpdf/Pl_Flate.hh>

#include <algorithm>
#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include <jpeglib.h>
#include <openjpeg.h>

namespace PictureCodecs {
namespace {

// libjpeg reports fatal errors through a jump back into the call that failed;
// each call keeps its state on the heap so nothing live is skipped by it.
struct JpegErrors
{
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void jumpBack(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<JpegErrors *>(info->err)->jump, 1);
}

void ignoreMessage(j_common_ptr, int) {}

void useErrors(JpegErrors &errors)
{
    jpeg_std_error(&errors.manager);
    errors.manager.error_exit = jumpBack;
    errors.manager.emit_message = ignoreMessage;
}

J_COLOR_SPACE spaceOf(int components)
{
    switch (components) {
    case 1:
        return JCS_GRAYSCALE;
    case 3:
        return JCS_RGB;
    case 4:
        return JCS_CMYK;
    default:
        return JCS_UNKNOWN;
    }
}

// Reads a JPEG 2000 picture from memory for OpenJPEG.
struct MemoryReader
{
    const uchar *data = nullptr;
    OPJ_SIZE_T size = 0;
    OPJ_SIZE_T at = 0;

    static OPJ_SIZE_T read(void *buffer, OPJ_SIZE_T count, void *self)
    {
        auto *reader = static_cast<MemoryReader *>(self);
        const OPJ_SIZE_T n = std::min(count, reader->size - reader->at);
        if (n == 0) {
            return OPJ_SIZE_T(-1);
        }
        std::memcpy(buffer, reader->data + reader->at, n);
        reader->at += n;
        return n;
    }
    static OPJ_OFF_T skip(OPJ_OFF_T count, void *self)
    {
        auto *reader = static_cast<MemoryReader *>(self);
        const OPJ_OFF_T target =
            std::clamp<OPJ_OFF_T>(OPJ_OFF_T(reader->at) + count, 0, OPJ_OFF_T(reader->size));
        const OPJ_OFF_T moved = target - OPJ_OFF_T(reader->at);
        reader->at = OPJ_SIZE_T(target);
        return moved;
    }
    static OPJ_BOOL seek(OPJ_OFF_T to, void *self)
    {
        auto *reader = static_cast<MemoryReader *>(self);
        if (to < 0 || OPJ_SIZE_T(to) > reader->size) {
            return OPJ_FALSE;
        }
        reader->at = OPJ_SIZE_T(to);
        return OPJ_TRUE;
    }
};

void quiet(const char *, void *) {}

uchar to8Bits(OPJ_INT32 value, const opj_image_comp_t &component)
{
    qint64 v = value;
    if (component.sgnd) {
        v += qint64(1) << (component.prec - 1);
    }
    const qint64 top = (qint64(1) << component.prec) - 1;
    v = std::clamp<qint64>(v, 0, top);
    return uchar((v * 255 + top / 2) / top);
}

} // namespace

Pixels decodeJpeg(const QByteArray &data, int width, int height, int targetWidth, int targetHeight)
{
    struct State
    {
        jpeg_decompress_struct info{};
        JpegErrors errors{};
        Pixels pixels;
        std::optional<Shrinker> shrinker;
        QByteArray row;
    };
    auto state = std::make_unique<State>();
    state->info.err = &state->errors.manager;
    useErrors(state->errors);
    if (setjmp(state->errors.jump)) {
        jpeg_destroy_decompress(&state->info);
        return {};
    }
    jpeg_create_decompress(&state->info);
    jpeg_mem_src(&state->info, reinterpret_cast<const unsigned char *>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&state->info, TRUE);
    const J_COLOR_SPACE out = spaceOf(state->info.num_components);
    if (out == JCS_UNKNOWN || width <= 0 || height <= 0 ||
        state->info.image_width != JDIMENSION(width) ||
        state->info.image_height != JDIMENSION(height)) {
        jpeg_destroy_decompress(&state->info);
        return {};
    }
    state->info.out_color_space = out;
    targetWidth = std::clamp(targetWidth, 1, width);
    targetHeight = std::clamp(targetHeight, 1, height);
    // libjpeg sizes a picture read at M/8 by rounding up: the smallest M whose
    // size still covers the target leaves the least to average.
    unsigned scale = 8;
    for (unsigned m = 1; m < 8 && (targetWidth < width || targetHeight < height); ++m) {
        if ((qint64(width) * m + 7) / 8 >= targetWidth &&
            (qint64(height) * m + 7) / 8 >= targetHeight) {
            scale = m;
            break;
        }
    }
    state->info.scale_num = scale;
    state->info.scale_denom = 8;
    state->info.dct_method = JDCT_ISLOW;
    jpeg_start_decompress(&state->info);
    const int readWidth = int(state->info.output_width);
    const int readHeight = int(state->info.output_height);
    const int components = state->info.output_components;
    Pixels &pixels = state->pixels;
    if (readWidth <= targetWidth && readHeight <= targetHeight) {
        pixels = Pixels{readWidth, readHeight, components, QByteArray()};
        pixels.samples.resize(pixels.rowBytes() * pixels.height);
        while (state->info.output_scanline < state->info.output_height) {
            JSAMPROW row = reinterpret_cast<JSAMPROW>(pixels.samples.data()) +
                           pixels.rowBytes() * state->info.output_scanline;
            jpeg_read_scanlines(&state->info, &row, 1);
        }
    } else {
        state->shrinker.emplace(readWidth, readHeight, components, std::min(targetWidth, readWidth),
                                std::min(targetHeight, readHeight));
        state->row.resize(qsizetype(readWidth) * components);
        while (state->info.output_scanline < state->info.output_height) {
            JSAMPROW row = reinterpret_cast<JSAMPROW>(state->row.data());
            if (jpeg_read_scanlines(&state->info, &row, 1) == 1) {
                state->shrinker->addRow(row);
            }
        }
        pixels = state->shrinker->take();
    }
    jpeg_finish_decompress(&state->info);
    jpeg_destroy_decompress(&state->info);
    return std::move(state->pixels);
}

bool isProgressiveJpeg(const QByteArray &data)
{
    const auto *bytes = reinterpret_cast<const uchar *>(data.constData());
    const qsizetype size = data.size();
    if (size < 4 || bytes[0] != 0xFF || bytes[1] != 0xD8) {
        return false;
    }
    // Segments up to the frame header, whose marker names the process.
    qsizetype at = 2;
    while (at + 4 <= size) {
        if (bytes[at] != 0xFF) {
            return false;
        }
        const uchar marker = bytes[at + 1];
        if (marker == 0xFF) {
            ++at; // fill byte
            continue;
        }
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 &&
            marker != 0xCC) {
            // SOF2, SOF6, SOF10 and SOF14 are the progressive ones.
            return (marker & 0x03) == 0x02;
        }
        at += 2 + ((qsizetype(bytes[at + 2]) << 8) | bytes[at + 3]);
    }
    return false;
}

QByteArray encodeJpeg(const Pixels &pixels, int quality)
{
    const J_COLOR_SPACE in = spaceOf(pixels.components);
    if (in == JCS_UNKNOWN || pixels.isNull() ||
        pixels.samples.size() < pixels.rowBytes() * pixels.height) {
        return {};
    }
    struct State
    {
        jpeg_compress_struct info{};
        JpegErrors errors{};
        unsigned char *buffer = nullptr;
        unsigned long size = 0;
    };
    auto state = std::make_unique<State>();
    state->info.err = &state->errors.manager;
    useErrors(state->errors);
    if (setjmp(state->errors.jump)) {
        jpeg_destroy_compress(&state->info);
        std::free(state->buffer);
        return {};
    }
    jpeg_create_compress(&state->info);
    jpeg_mem_dest(&state->info, &state->buffer, &state->size);
    state->info.image_width = JDIMENSION(pixels.width);
    state->info.image_height = JDIMENSION(pixels.height);
    state->info.input_components = pixels.components;
    state->info.in_color_space = in;
    jpeg_set_defaults(&state->info);
    jpeg_set_quality(&state->info, std::clamp(quality, 1, 100), TRUE);
    state->info.optimize_coding = TRUE;
    jpeg_start_compress(&state->info, TRUE);
    while (state->info.next_scanline < state->info.image_height) {
        JSAMPROW row =
            const_cast<JSAMPROW>(reinterpret_cast<const JSAMPLE *>(pixels.samples.constData())) +
            pixels.rowBytes() * state->info.next_scanline;
        jpeg_write_scanlines(&state->info, &row, 1);
    }
    jpeg_finish_compress(&state->info);
    QByteArray out(reinterpret_cast<const char *>(state->buffer), qsizetype(state->size));
    jpeg_destroy_compress(&state->info);
    std::free(state->buffer);
    return out;
}

std::optional<Jpx> decodeJpx(const QByteArray &data, int width, int height, int minLongSide)
{
    static const char jp2Signature[] = "\x00\x00\x00\x0CjP  \r\n\x87\n";
    OPJ_CODEC_FORMAT format = OPJ_CODEC_UNKNOWN;
    if (data.size() >= 12 && std::memcmp(data.constData(), jp2Signature, 12) == 0) {
        format = OPJ_CODEC_JP2;
    } else if (data.size() >= 4 && uchar(data[0]) == 0xFF && uchar(data[1]) == 0x4F &&
               uchar(data[2]) == 0xFF && uchar(data[3]) == 0x51) {
        format = OPJ_CODEC_J2K;
    } else {
        return std::nullopt;
    }

    MemoryReader reader{reinterpret_cast<const uchar *>(data.constData()), OPJ_SIZE_T(data.size()),
                        0};
    std::unique_ptr<opj_stream_t, void (*)(opj_stream_t *)> stream(
        opj_stream_create(OPJ_J2K_STREAM_CHUNK_SIZE, OPJ_TRUE), opj_stream_destroy);
    std::unique_ptr<opj_codec_t, void (*)(opj_codec_t *)> codec(opj_create_decompress(format),
                                                                opj_destroy_codec);
    if (!stream || !codec) {
        return std::nullopt;
    }
    opj_stream_set_user_data(stream.get(), &reader, nullptr);
    opj_stream_set_user_data_length(stream.get(), reader.size);
    opj_stream_set_read_function(stream.get(), MemoryReader::read);
    opj_stream_set_skip_function(stream.get(), MemoryReader::skip);
    opj_stream_set_seek_function(stream.get(), MemoryReader::seek);
    opj_set_info_handler(codec.get(), quiet, nullptr);
    opj_set_warning_handler(codec.get(), quiet, nullptr);
    opj_set_error_handler(codec.get(), quiet, nullptr);
    opj_dparameters_t parameters;
    opj_set_default_decoder_parameters(&parameters);
    if (!opj_setup_decoder(codec.get(), &parameters)) {
        return std::nullopt;
    }
    opj_image_t *raw = nullptr;
    if (!opj_read_header(stream.get(), codec.get(), &raw)) {
        opj_image_destroy(raw);
        return std::nullopt;
    }
    std::unique_ptr<opj_image_t, void (*)(opj_image_t *)> image(raw, opj_image_destroy);
    if (qint64(image->x1) - image->x0 != width || qint64(image->y1) - image->y0 != height ||
        image->numcomps > 5) {
        return std::nullopt;
    }

    // Each level of the wavelet halves the size: skip those the result doesn't need.
    if (minLongSide > 0) {
        if (opj_codestream_info_v2_t *info = opj_get_cstr_info(codec.get())) {
            const int levels = info->m_default_tile_info.tccp_info
                                   ? int(info->m_default_tile_info.tccp_info[0].numresolutions)
                                   : 1;
            opj_destroy_cstr_info(&info);
            const qint64 longSide =
                std::max<qint64>(qint64(image->x1) - image->x0, qint64(image->y1) - image->y0);
            int reduce = 0;
            while (reduce + 1 < levels && (longSide >> (reduce + 1)) >= minLongSide) {
                ++reduce;
            }
            if (reduce > 0) {
                opj_set_decoded_resolution_factor(codec.get(), OPJ_UINT32(reduce));
            }
        }
    }
    if (!opj_decode(codec.get(), stream.get(), image.get()) ||
        !opj_end_decompress(codec.get(), stream.get())) {
        return std::nullopt;
    }

    const OPJ_UINT32 count = image->numcomps;
    if (count == 0 || !image->comps) {
        return std::nullopt;
    }
    const opj_image_comp_t &first = image->comps[0];
    std::vector<int> colour;
    int alpha = -1;
    for (OPJ_UINT32 i = 0; i < count; ++i) {
        const opj_image_comp_t &c = image->comps[i];
        if (c.w != first.w || c.h != first.h || !c.data || c.prec < 1 || c.prec > 31) {
            return std::nullopt;
        }
        if (c.alpha && alpha < 0) {
            alpha = int(i);
        } else if (!c.alpha) {
            colour.push_back(int(i));
        }
    }
    if (colour.empty() || colour.size() > 4 || colour.size() == 2) {
        return std::nullopt;
    }
    Jpx result;
    Pixels &pixels = result.colour;
    pixels.width = int(first.w);
    pixels.height = int(first.h);
    pixels.components = int(colour.size());
    const qsizetype area = qsizetype(pixels.width) * pixels.height;
    pixels.samples.resize(area * pixels.components);
    uchar *out = reinterpret_cast<uchar *>(pixels.samples.data());
    const bool ycc = image->color_space == OPJ_CLRSPC_SYCC && colour.size() == 3;
    for (qsizetype p = 0; p < area; ++p) {
        if (ycc) {
            const opj_image_comp_t &yc = image->comps[colour[0]];
            const opj_image_comp_t &cb = image->comps[colour[1]];
            const opj_image_comp_t &cr = image->comps[colour[2]];
            const double y = to8Bits(yc.data[p], yc);
            const double u = to8Bits(cb.data[p], cb) - 128.0;
            const double v = to8Bits(cr.data[p], cr) - 128.0;
            out[p * 3] = uchar(std::clamp(std::lround(y + 1.402 * v), 0L, 255L));
            out[p * 3 + 1] =
                uchar(std::clamp(std::lround(y - 0.344136 * u - 0.714136 * v), 0L, 255L));
            out[p * 3 + 2] = uchar(std::clamp(std::lround(y + 1.772 * u), 0L, 255L));
            continue;
        }
        for (int c = 0; c < pixels.components; ++c) {
            const opj_image_comp_t &component = image->comps[colour[size_t(c)]];
            out[p * pixels.components + c] = to8Bits(component.data[p], component);
        }
    }
    if (alpha >= 0) {
        result.alpha.resize(area);
        const opj_image_comp_t &component = image->comps[alpha];
        for (qsizetype p = 0; p < area; ++p) {
            result.alpha[p] = char(to8Bits(component.data[p], component));
        }
    }
    if (image->icc_profile_buf && image->icc_profile_len > 0) {
        result.iccProfile = QByteArray(reinterpret_cast<const char *>(image->icc_profile_buf),
                                       qsizetype(image->icc_profile_len));
    }
    return result;
}

Pixels unpack(const QByteArray &packed, int width, int height, int components, int bits,
              bool stretch)
{
    Pixels pixels{width, height, components, {}};
    const qsizetype samplesPerRow = qsizetype(width) * components;
    const qsizetype packedRow = (samplesPerRow * bits + 7) / 8;
    if (pixels.isNull() || packed.size() < packedRow * height) {
        return {};
    }
    const auto *in = reinterpret_cast<const uchar *>(packed.constData());
    if (bits == 8) {
        pixels.samples = packed.left(packedRow * height);
        return pixels;
    }
    pixels.samples.resize(samplesPerRow * height);
    auto *out = reinterpret_cast<uchar *>(pixels.samples.data());
    const int top = (1 << std::min(bits, 8)) - 1;
    for (int y = 0; y < height; ++y) {
        const uchar *row = in + packedRow * y;
        uchar *target = out + samplesPerRow * y;
        if (bits == 16) {
            for (qsizetype i = 0; i < samplesPerRow; ++i) {
                const int value = (row[2 * i] << 8) | row[2 * i + 1];
                // Rounded to the nearest 8-bit value; a palette index keeps its low byte.
                target[i] =
                    stretch ? uchar((value * 255 + 32767) / 65535) : uchar(std::min(value, 255));
            }
            continue;
        }
        for (qsizetype i = 0; i < samplesPerRow; ++i) {
            const qsizetype bit = i * bits;
            const int value = (row[bit / 8] >> (8 - bits - bit % 8)) & top;
            target[i] = stretch ? uchar(value * 255 / top) : uchar(value);
        }
    }
    return pixels;
}

namespace {

// Weights are fixed-point with 14 bits: a row shrunk across keeps 8 bits more
// than its samples, and the sums down stay within 32 bits.
constexpr int weightBits = 14;
constexpr std::uint32_t weightOne = 1u << weightBits;
constexpr int reducedShift = weightBits - 8;

template<int N>
void shrinkRow(const uchar *row, const std::vector<Shrinker::Span> &columns,
               const std::uint16_t *weights, std::uint16_t *out)
{
    for (const Shrinker::Span &span : columns) {
        const uchar *in = row + qsizetype(span.first) * N;
        const std::uint16_t *w = weights + span.weights;
        std::uint32_t sums[N] = {};
        for (int k = 0; k < span.count; ++k) {
            for (int c = 0; c < N; ++c) {
                sums[c] += std::uint32_t(in[k * N + c]) * w[k];
            }
        }
        for (int c = 0; c < N; ++c) {
            *out++ = std::uint16_t((sums[c] + (1u << (reducedShift - 1))) >> reducedShift);
        }
    }
}

} // namespace

std::vector<Shrinker::Span> Shrinker::spans(int from, int to, std::vector<std::uint16_t> &weights)
{
    // Each target sample is a box of the source's samples with fractional edges.
    // Its weights are the steps of the rounded running share, so they add up to
    // exactly one (a plain area stays exactly what it was) and each is within a
    // rounding of its true share.
    std::vector<Span> result(static_cast<size_t>(to));
    const double step = double(from) / to;
    for (int o = 0; o < to; ++o) {
        const double start = o * step;
        const double end = std::min(double(from), start + step);
        Span &span = result[size_t(o)];
        span.first = int(start);
        span.weights = int(weights.size());
        const int last = std::max(int(std::ceil(end)) - 1, span.first);
        long before = 0;
        for (int i = span.first; i <= last; ++i) {
            const long upTo =
                i == last ? long(weightOne)
                          : std::lround((std::min(end, i + 1.0) - start) / step * weightOne);
            weights.push_back(std::uint16_t(upTo - before));
            before = upTo;
            ++span.count;
        }
    }
    return result;
}

Shrinker::Shrinker(int sourceWidth, int sourceHeight, int components, int width, int height)
    : m_sourceWidth(sourceWidth)
    , m_sourceHeight(sourceHeight)
    , m_components(components)
{
    width = std::clamp(width, 1, std::max(sourceWidth, 1));
    height = std::clamp(height, 1, std::max(sourceHeight, 1));
    m_columns = spans(sourceWidth, width, m_columnWeights);
    m_rows = spans(sourceHeight, height, m_rowWeights);
    const size_t rowSamples = size_t(width) * size_t(components);
    m_reduced.resize(rowSamples);
    m_sums[0].assign(rowSamples, 0);
    m_sums[1].assign(rowSamples, 0);
    m_target = Pixels{width, height, components,
                      QByteArray(qsizetype(rowSamples) * height, Qt::Uninitialized)};
}

void Shrinker::reduceRow(const uchar *row)
{
    switch (m_components) {
    case 1:
        shrinkRow<1>(row, m_columns, m_columnWeights.data(), m_reduced.data());
        break;
    case 2:
        shrinkRow<2>(row, m_columns, m_columnWeights.data(), m_reduced.data());
        break;
    case 3:
        shrinkRow<3>(row, m_columns, m_columnWeights.data(), m_reduced.data());
        break;
    default:
        shrinkRow<4>(row, m_columns, m_columnWeights.data(), m_reduced.data());
        break;
    }
}

void Shrinker::addRow(const uchar *row)
{
    const int i = m_nextSourceRow++;
    if (m_nextRow >= m_target.height || i >= m_sourceHeight) {
        return;
    }
    reduceRow(row);
    // A source row lies in at most two target rows: the one being summed and the next.
    const int last = std::min(m_nextRow + 2, m_target.height);
    for (int o = m_nextRow; o < last; ++o) {
        const Span &span = m_rows[size_t(o)];
        if (i < span.first || i >= span.first + span.count) {
            continue;
        }
        const std::uint32_t weight = m_rowWeights[size_t(span.weights + i - span.first)];
        std::uint32_t *sums = m_sums[o & 1].data();
        for (size_t j = 0; j < m_reduced.size(); ++j) {
            sums[j] += m_reduced[j] * weight;
        }
    }
    while (m_nextRow < m_target.height &&
           i >= m_rows[size_t(m_nextRow)].first + m_rows[size_t(m_nextRow)].count - 1) {
        std::vector<std::uint32_t> &sums = m_sums[m_nextRow & 1];
        auto *out =
            reinterpret_cast<uchar *>(m_target.samples.data()) + m_target.rowBytes() * m_nextRow;
        // Reduced samples carry 8 bits below the point, weights weightBits.
        constexpr int shift = weightBits + 8;
        for (size_t j = 0; j < sums.size(); ++j) {
            out[j] = uchar(std::min<std::uint32_t>((sums[j] + (1u << (shift - 1))) >> shift, 255));
        }
        std::fill(sums.begin(), sums.end(), 0);
        ++m_nextRow;
    }
}

Pixels Shrinker::take()
{
    if (m_nextRow < m_target.height) {
        return {};
    }
    return std::move(m_target);
}

Pixels scaledDown(const Pixels &source, int width, int height)
{
    if (width >= source.width && height >= source.height) {
        return source;
    }
    Shrinker shrinker(source.width, source.height, source.components, width, height);
    const auto *in = reinterpret_cast<const uchar *>(source.samples.constData());
    for (int y = 0; y < source.height; ++y) {
        shrinker.addRow(in + source.rowBytes() * y);
    }
    return shrinker.take();
}

Collector::Collector(QByteArray &out, qsizetype limit)
    : Pipeline("collector", nullptr)
    , m_out(out)
    , m_limit(limit)
{}

void Collector::write(unsigned char const *data, size_t length)
{
    const qsizetype room = m_limit - m_out.size();
    m_out.append(reinterpret_cast<const char *>(data),
                 std::min<qsizetype>(room, qsizetype(length)));
    if (qsizetype(length) >= room) {
        throw Full{};
    }
}

void Collector::finish() {}

std::optional<QByteArray> inflate(const QByteArray &data, qsizetype limit)
{
    QByteArray out;
    try {
        Collector collector(out, limit);
        Pl_Flate flate("inflate", &collector, Pl_Flate::a_inflate);
        flate.write(reinterpret_cast<const unsigned char *>(data.constData()), size_t(data.size()));
        flate.finish();
    } catch (const Collector::Full &) {
        return out;
    } catch (const std::exception &) {
        // A damaged end still leaves what came before it, as readers show it.
        if (out.isEmpty()) {
            return std::nullopt;
        }
    }
    return out;
}

QByteArray deflate(const QByteArray &data)
{
    QByteArray out;
    try {
        Collector collector(out, std::numeric_limits<qsizetype>::max() / 2);
        Pl_Flate flate("deflate", &collector, Pl_Flate::a_deflate);
        flate.write(reinterpret_cast<const unsigned char *>(data.constData()), size_t(data.size()));
        flate.finish();
    } catch (const std::exception &) {
        return {};
    }
    return out;
}

std::optional<QByteArray> unpredictPng(const QByteArray &data, int columns, int colours, int bits)
{
    const qsizetype rowBytes = (qsizetype(columns) * colours * bits + 7) / 8;
    const qsizetype stride = rowBytes + 1;
    const int left = std::max(1, colours * bits / 8);
    const qsizetype rowCount = data.size() / stride;
    QByteArray out(rowBytes * rowCount, Qt::Uninitialized);
    const auto *in = reinterpret_cast<const uchar *>(data.constData());
    auto *target = reinterpret_cast<uchar *>(out.data());
    for (qsizetype y = 0; y < rowCount; ++y) {
        const uchar type = in[y * stride];
        const uchar *row = in + y * stride + 1;
        uchar *now = target + y * rowBytes;
        const uchar *above = y > 0 ? now - rowBytes : nullptr;
        for (qsizetype i = 0; i < rowBytes; ++i) {
            const int a = i >= left ? now[i - left] : 0;
            const int b = above ? above[i] : 0;
            const int c = above && i >= left ? above[i - left] : 0;
            int value = row[i];
            switch (type) {
            case 0:
                break;
            case 1:
                value += a;
                break;
            case 2:
                value += b;
                break;
            case 3:
                value += (a + b) / 2;
                break;
            case 4: {
                const int p = a + b - c;
                const int pa = std::abs(p - a);
                const int pb = std::abs(p - b);
                const int pc = std::abs(p - c);
                value += pa <= pb && pa <= pc ? a : (pb <= pc ? b : c);
                break;
            }
            default:
                return std::nullopt;
            }
            now[i] = uchar(value);
        }
    }
    return out;
}

} // namespace PictureCodecs
