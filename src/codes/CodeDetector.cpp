#include "codes/CodeDetector.h"

// Before the first reader's headers, whose error macros clash with its C++ part.
#include <zbar.h>

#define ZX_USE_UTF8 1
#include <ZXing/ReadBarcode.h>

#include "codes/CodeSymbology.h"

#include <QString>

#include <algorithm>
#include <cstdlib>
#include <cstring>

// What the detector (ZXing-C++ 1.4) cannot read, although the kinds exist:
// Micro PDF417, GS1 DataBar Limited and MSI Plessey codes are never found.
// Code 39 is read without the extended mode, which would drop ordinary codes
// holding a "+", "$", "%" or "/" that starts no full-ASCII pair ("AB+1"); the
// reader turns full-ASCII texts into what they stand for itself.

namespace CodeDetector {

namespace {

ZXing::DecodeHints hints(bool linearToo, int maxSymbols)
{
    ZXing::BarcodeFormats formats;
    for (const QString &name : Symbology::detectorFormats()) {
        const ZXing::BarcodeFormat format = ZXing::BarcodeFormatFromString(name.toStdString());
        if (linearToo ||
            ZXing::BarcodeFormats(ZXing::BarcodeFormat::MatrixCodes).testFlag(format)) {
            formats |= format;
        }
    }
    ZXing::DecodeHints h;
    h.setFormats(formats);
    h.setTryHarder(true);
    h.setTryRotate(true);
    // The downscaling pass compares every result with every other and reaches
    // the aborting assertion on nearly any page with linear codes.
    h.setTryDownscale(false);
    h.setEanAddOnSymbol(ZXing::EanAddOnSymbol::Ignore);
    h.setMaxNumberOfSymbols(uint8_t(maxSymbols));
    return h;
}

std::vector<RawCode> run(const Grey &grey, const ZXing::DecodeHints &h)
{
    const ZXing::ImageView view(grey.pixels.data(), grey.width, grey.height,
                                ZXing::ImageFormat::Lum);
    std::vector<RawCode> out;
    for (const ZXing::Result &result : ZXing::ReadBarcodes(view, h)) {
        if (!result.isValid()) {
            continue;
        }
        RawCode code;
        code.format = static_cast<int>(result.format());
        code.text = result.text();
        for (int i = 0; i < 4; ++i) {
            code.x[i] = result.position()[i].x;
            code.y[i] = result.position()[i].y;
        }
        out.push_back(std::move(code));
    }
    return out;
}

// Dense, roughly square dark patches of the picture, largest first, in pixels:
// where a Data Matrix or Aztec code may sit. This release's detectors for those
// two look only along the middle lines of a picture, so a code in a corner of a
// page is found only when a window centred on it is read on its own.
struct Box
{
    int left, top, right, bottom; // inclusive
};

std::vector<Box> squarePatches(const Grey &grey)
{
    constexpr int step = 4;
    const int sw = grey.width / step;
    const int sh = grey.height / step;
    if (sw < 8 || sh < 8) {
        return {};
    }
    // Darkest pixel of each block, so that thin modules survive the shrinking.
    std::vector<uint8_t> small(size_t(sw) * size_t(sh));
    int histogram[256] = {};
    for (int y = 0; y < sh; ++y) {
        for (int x = 0; x < sw; ++x) {
            uint8_t darkest = 255;
            for (int dy = 0; dy < step; ++dy) {
                const uint8_t *row = grey.pixels.data() +
                                     size_t(y * step + dy) * size_t(grey.width) + size_t(x * step);
                for (int dx = 0; dx < step; ++dx) {
                    darkest = std::min(darkest, row[dx]);
                }
            }
            small[size_t(y) * size_t(sw) + size_t(x)] = darkest;
            ++histogram[darkest];
        }
    }
    // Otsu's threshold between ink and paper.
    const double total = double(sw) * sh;
    double sum = 0;
    for (int i = 0; i < 256; ++i) {
        sum += double(i) * histogram[i];
    }
    double sumBelow = 0, weightBelow = 0, best = -1;
    int threshold = 128;
    for (int t = 0; t < 256; ++t) {
        weightBelow += histogram[t];
        if (weightBelow == 0 || weightBelow == total) {
            continue;
        }
        sumBelow += double(t) * histogram[t];
        const double meanBelow = sumBelow / weightBelow;
        const double meanAbove = (sum - sumBelow) / (total - weightBelow);
        const double between =
            weightBelow * (total - weightBelow) * (meanBelow - meanAbove) * (meanBelow - meanAbove);
        if (between > best) {
            best = between;
            threshold = t;
        }
    }
    // Ink, grown by one block so that the modules of a code join up.
    std::vector<uint8_t> ink(small.size(), 0);
    for (int y = 0; y < sh; ++y) {
        for (int x = 0; x < sw; ++x) {
            if (small[size_t(y) * size_t(sw) + size_t(x)] > threshold) {
                continue;
            }
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx >= 0 && ny >= 0 && nx < sw && ny < sh) {
                        ink[size_t(ny) * size_t(sw) + size_t(nx)] = 1;
                    }
                }
            }
        }
    }
    struct Patch
    {
        Box box;
        int area;
    };
    std::vector<Patch> patches;
    std::vector<int> stack;
    for (int start = 0; start < sw * sh; ++start) {
        if (ink[size_t(start)] != 1) {
            continue;
        }
        Box b{start % sw, start / sw, start % sw, start / sw};
        int count = 0;
        ink[size_t(start)] = 2;
        stack.assign(1, start);
        while (!stack.empty()) {
            const int at = stack.back();
            stack.pop_back();
            ++count;
            const int x = at % sw, y = at / sw;
            b.left = std::min(b.left, x);
            b.right = std::max(b.right, x);
            b.top = std::min(b.top, y);
            b.bottom = std::max(b.bottom, y);
            for (const int next : {at - 1, at + 1, at - sw, at + sw}) {
                if (next < 0 || next >= sw * sh || (std::abs(next - at) == 1 && next / sw != y)) {
                    continue;
                }
                if (ink[size_t(next)] == 1) {
                    ink[size_t(next)] = 2;
                    stack.push_back(next);
                }
            }
        }
        const int w = b.right - b.left + 1, h = b.bottom - b.top + 1;
        const bool sized = std::min(w, h) >= 5 && w < sw * 3 / 4 && h < sh * 3 / 4;
        // Square codes, and the oblong Data Matrix forms up to 16 x 48 modules.
        const bool square = std::max(w, h) <= std::min(w, h) * 4;
        if (sized && square && count * 3 >= w * h) {
            patches.push_back(
                {{b.left * step, b.top * step, (b.right + 1) * step - 1, (b.bottom + 1) * step - 1},
                 w * h});
        }
    }
    std::sort(patches.begin(), patches.end(),
              [](const Patch &a, const Patch &b) { return a.area > b.area; });
    std::vector<Box> out;
    for (size_t i = 0; i < patches.size() && i < 12; ++i) {
        out.push_back(patches[i].box);
    }
    return out;
}

bool inside(const RawCode &code, const Box &box)
{
    const int cx =
        (*std::min_element(code.x, code.x + 4) + *std::max_element(code.x, code.x + 4)) / 2;
    const int cy =
        (*std::min_element(code.y, code.y + 4) + *std::max_element(code.y, code.y + 4)) / 2;
    return cx >= box.left && cx <= box.right && cy >= box.top && cy <= box.bottom;
}

// The second reader, for linear codes only: it reads some worn, blurred or
// small ones that the first misses. Its results carry the first reader's
// format values and spelling, so nothing downstream knows which read a code.
std::vector<RawCode> secondOpinion(const Grey &grey)
{
    using namespace zbar;
    using ZXing::BarcodeFormat;
    static constexpr std::pair<zbar_symbol_type_t, BarcodeFormat> kinds[] = {
        {ZBAR_EAN13, BarcodeFormat::EAN13},     {ZBAR_EAN8, BarcodeFormat::EAN8},
        {ZBAR_UPCE, BarcodeFormat::UPCE},       {ZBAR_I25, BarcodeFormat::ITF},
        {ZBAR_CODE39, BarcodeFormat::Code39},   {ZBAR_CODE93, BarcodeFormat::Code93},
        {ZBAR_CODE128, BarcodeFormat::Code128}, {ZBAR_CODABAR, BarcodeFormat::Codabar},
        {ZBAR_DATABAR, BarcodeFormat::DataBar}, {ZBAR_DATABAR_EXP, BarcodeFormat::DataBarExpanded},
    };
    zbar_image_scanner_t *scanner = zbar_image_scanner_create();
    zbar_image_t *image = zbar_image_create();
    if (!scanner || !image) {
        zbar_image_scanner_destroy(scanner);
        zbar_image_destroy(image);
        return {};
    }
    zbar_image_scanner_set_config(scanner, ZBAR_NONE, ZBAR_CFG_ENABLE, 0);
    for (const auto &[kind, format] : kinds) {
        zbar_image_scanner_set_config(scanner, kind, ZBAR_CFG_ENABLE, 1);
    }
    // Short interleaved runs turn up in any texture; the first reader wants six digits too.
    zbar_image_scanner_set_config(scanner, ZBAR_I25, ZBAR_CFG_MIN_LEN, 6);
    zbar_image_set_format(image, zbar_fourcc('Y', '8', '0', '0'));
    zbar_image_set_size(image, unsigned(grey.width), unsigned(grey.height));
    zbar_image_set_data(image, grey.pixels.data(), grey.pixels.size(), nullptr);
    std::vector<RawCode> out;
    if (zbar_scan_image(scanner, image) > 0) {
        for (const zbar_symbol_t *symbol = zbar_image_first_symbol(image); symbol;
             symbol = zbar_symbol_next(symbol)) {
            const auto kind =
                std::find_if(std::begin(kinds), std::end(kinds), [symbol](const auto &k) {
                    return k.first == zbar_symbol_get_type(symbol);
                });
            const unsigned points = zbar_symbol_get_loc_size(symbol);
            if (kind == std::end(kinds) || points == 0) {
                continue;
            }
            RawCode code;
            code.format = static_cast<int>(kind->second);
            code.text.assign(zbar_symbol_get_data(symbol), zbar_symbol_get_data_length(symbol));
            // The first reader leaves out Codabar's start and stop letters.
            if (kind->second == BarcodeFormat::Codabar && code.text.size() > 2) {
                code.text = code.text.substr(1, code.text.size() - 2);
            }
            int left = grey.width, right = 0, top = grey.height, bottom = 0;
            for (unsigned i = 0; i < points; ++i) {
                left = std::min(left, zbar_symbol_get_loc_x(symbol, i));
                right = std::max(right, zbar_symbol_get_loc_x(symbol, i));
                top = std::min(top, zbar_symbol_get_loc_y(symbol, i));
                bottom = std::max(bottom, zbar_symbol_get_loc_y(symbol, i));
            }
            const int xs[4] = {left, right, right, left}, ys[4] = {top, top, bottom, bottom};
            std::copy(xs, xs + 4, code.x);
            std::copy(ys, ys + 4, code.y);
            out.push_back(std::move(code));
        }
    }
    // The pixels are the caller's: no cleanup handler was set, so none frees them.
    zbar_image_destroy(image);
    zbar_image_scanner_destroy(scanner);
    return out;
}

} // namespace

std::vector<RawCode> everything(const Grey &grey)
{
    std::vector<RawCode> found = run(grey, hints(true, 255));
    if (found.empty()) {
        found = secondOpinion(grey);
    }
    ZXing::DecodeHints centred = hints(false, 255);
    centred.setFormats(ZXing::BarcodeFormat::DataMatrix | ZXing::BarcodeFormat::Aztec);
    for (const Box &patch : squarePatches(grey)) {
        if (std::any_of(found.begin(), found.end(),
                        [&](const RawCode &c) { return inside(c, patch); })) {
            continue;
        }
        const int pad = std::max(patch.right - patch.left, patch.bottom - patch.top) / 2 + 16;
        Box window{std::max(0, patch.left - pad), std::max(0, patch.top - pad),
                   std::min(grey.width - 1, patch.right + pad),
                   std::min(grey.height - 1, patch.bottom + pad)};
        Grey crop;
        crop.width = window.right - window.left + 1;
        crop.height = window.bottom - window.top + 1;
        crop.pixels.resize(size_t(crop.width) * size_t(crop.height));
        for (int y = 0; y < crop.height; ++y) {
            std::memcpy(crop.pixels.data() + size_t(y) * size_t(crop.width),
                        grey.pixels.data() + size_t(window.top + y) * size_t(grey.width) +
                            size_t(window.left),
                        size_t(crop.width));
        }
        for (RawCode code : run(crop, centred)) {
            for (int i = 0; i < 4; ++i) {
                code.x[i] += window.left;
                code.y[i] += window.top;
            }
            found.push_back(std::move(code));
        }
    }
    return found;
}

// One code at a time: with room for a single symbol the detector never compares
// two results, so it can't reach its assertion. Each code found is painted over
// (generously, since a linear code's position may cover only the rows that were
// scanned) before looking again.
std::vector<RawCode> oneByOne(Grey grey)
{
    const ZXing::DecodeHints h = hints(true, 1);
    std::vector<RawCode> out;
    for (int round = 0; round < 32; ++round) {
        std::vector<RawCode> found = run(grey, h);
        if (found.empty()) {
            break;
        }
        const RawCode &code = found.front();
        const int left = *std::min_element(code.x, code.x + 4),
                  right = *std::max_element(code.x, code.x + 4);
        const int top = *std::min_element(code.y, code.y + 4),
                  bottom = *std::max_element(code.y, code.y + 4);
        const int margin = std::max(right - left, bottom - top) / 2 + 8;
        for (int y = std::max(0, top - margin); y < std::min(grey.height, bottom + margin + 1);
             ++y) {
            uint8_t *row = grey.pixels.data() + size_t(y) * size_t(grey.width);
            const int from = std::max(0, left - margin);
            const int to = std::min(grey.width, right + margin + 1);
            if (to > from) {
                std::memset(row + from, 255, size_t(to - from));
            }
        }
        out.push_back(found.front());
    }
    return out;
}

std::vector<RawCode> matrixCodes(const Grey &grey)
{
    return run(grey, hints(false, 255));
}

std::string formatName(int format)
{
    return ZXing::ToString(static_cast<ZXing::BarcodeFormat>(format));
}

} // namespace CodeDetector
