#include "codes/CodeReader.h"

#define ZX_USE_UTF8 1
#include <ZXing/ReadBarcode.h>

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

// What the detector (ZXing-C++ 1.4) cannot read, although the kinds exist:
// Micro PDF417, GS1 DataBar Limited and MSI Plessey codes are never found;
// Code 39 full-ASCII sequences come back as written ("+A" for "a") because the
// extended mode would reject ordinary codes holding such pairs.
//
// Debian's build of that release keeps its assertions, and one of them (in the
// comparison of two linear results with the same text) aborts the whole process
// when a picture holds the same linear code twice. So the detector runs in a
// forked copy of the process: an abort there costs that picture's first pass,
// never the user's open documents.

namespace CodeReader {

namespace {

// One result as the detector gives it, in plain types: it crosses a pipe.
struct RawCode
{
    int format = 0;
    std::string text;
    int x[4] = {};
    int y[4] = {};
};

struct Grey
{
    std::vector<uint8_t> pixels; // width x height, no padding
    int width = 0;
    int height = 0;
};

ZXing::DecodeHints hints(bool linearToo, int maxSymbols)
{
    ZXing::BarcodeFormats formats;
    for (const QString &name : Symbology::detectorFormats()) {
        const ZXing::BarcodeFormat format = ZXing::BarcodeFormatFromString(name.toStdString());
        if (linearToo || ZXing::BarcodeFormats(ZXing::BarcodeFormat::MatrixCodes).testFlag(format)) {
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
    const ZXing::ImageView view(grey.pixels.data(), grey.width, grey.height, ZXing::ImageFormat::Lum);
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
                const uint8_t *row = grey.pixels.data() + size_t(y * step + dy) * size_t(grey.width) + size_t(x * step);
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
        const double between = weightBelow * (total - weightBelow) * (meanBelow - meanAbove) * (meanBelow - meanAbove);
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
            patches.push_back({{b.left * step, b.top * step, (b.right + 1) * step - 1, (b.bottom + 1) * step - 1}, w * h});
        }
    }
    std::sort(patches.begin(), patches.end(), [](const Patch &a, const Patch &b) { return a.area > b.area; });
    std::vector<Box> out;
    for (size_t i = 0; i < patches.size() && i < 12; ++i) {
        out.push_back(patches[i].box);
    }
    return out;
}

bool inside(const RawCode &code, const Box &box)
{
    const int cx = (*std::min_element(code.x, code.x + 4) + *std::max_element(code.x, code.x + 4)) / 2;
    const int cy = (*std::min_element(code.y, code.y + 4) + *std::max_element(code.y, code.y + 4)) / 2;
    return cx >= box.left && cx <= box.right && cy >= box.top && cy <= box.bottom;
}

// Everything in the picture, plus Data Matrix and Aztec codes away from its middle.
std::vector<RawCode> runWithWindows(const Grey &grey)
{
    std::vector<RawCode> found = run(grey, hints(true, 255));
    ZXing::DecodeHints centred = hints(false, 255);
    centred.setFormats(ZXing::BarcodeFormat::DataMatrix | ZXing::BarcodeFormat::Aztec);
    for (const Box &patch : squarePatches(grey)) {
        if (std::any_of(found.begin(), found.end(), [&](const RawCode &c) { return inside(c, patch); })) {
            continue;
        }
        const int pad = std::max(patch.right - patch.left, patch.bottom - patch.top) / 2 + 16;
        Box window{std::max(0, patch.left - pad), std::max(0, patch.top - pad),
                   std::min(grey.width - 1, patch.right + pad), std::min(grey.height - 1, patch.bottom + pad)};
        Grey crop;
        crop.width = window.right - window.left + 1;
        crop.height = window.bottom - window.top + 1;
        crop.pixels.resize(size_t(crop.width) * size_t(crop.height));
        for (int y = 0; y < crop.height; ++y) {
            std::memcpy(crop.pixels.data() + size_t(y) * size_t(crop.width),
                        grey.pixels.data() + size_t(window.top + y) * size_t(grey.width) + size_t(window.left),
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
std::vector<RawCode> runOneByOne(Grey grey)
{
    const ZXing::DecodeHints h = hints(true, 1);
    std::vector<RawCode> out;
    for (int round = 0; round < 32; ++round) {
        std::vector<RawCode> found = run(grey, h);
        if (found.empty()) {
            break;
        }
        const RawCode &code = found.front();
        const int left = *std::min_element(code.x, code.x + 4), right = *std::max_element(code.x, code.x + 4);
        const int top = *std::min_element(code.y, code.y + 4), bottom = *std::max_element(code.y, code.y + 4);
        const int margin = std::max(right - left, bottom - top) / 2 + 8;
        for (int y = std::max(0, top - margin); y < std::min(grey.height, bottom + margin + 1); ++y) {
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

void append(std::string &buffer, const void *data, size_t size)
{
    buffer.append(static_cast<const char *>(data), size);
}

std::string serialise(const std::vector<RawCode> &codes)
{
    std::string buffer;
    const uint32_t count = uint32_t(codes.size());
    append(buffer, &count, sizeof count);
    for (const RawCode &code : codes) {
        const uint32_t length = uint32_t(code.text.size());
        append(buffer, &code.format, sizeof code.format);
        append(buffer, &length, sizeof length);
        append(buffer, code.text.data(), code.text.size());
        append(buffer, code.x, sizeof code.x);
        append(buffer, code.y, sizeof code.y);
    }
    return buffer;
}

std::optional<std::vector<RawCode>> deserialise(const std::string &buffer)
{
    size_t at = 0;
    auto take = [&](void *out, size_t size) {
        if (buffer.size() - at < size) {
            return false;
        }
        std::memcpy(out, buffer.data() + at, size);
        at += size;
        return true;
    };
    uint32_t count = 0;
    if (!take(&count, sizeof count)) {
        return std::nullopt;
    }
    std::vector<RawCode> codes;
    for (uint32_t i = 0; i < count; ++i) {
        RawCode code;
        uint32_t length = 0;
        if (!take(&code.format, sizeof code.format) || !take(&length, sizeof length)
            || buffer.size() - at < length) {
            return std::nullopt;
        }
        code.text.assign(buffer.data() + at, length);
        at += length;
        if (!take(code.x, sizeof code.x) || !take(code.y, sizeof code.y)) {
            return std::nullopt;
        }
        codes.push_back(std::move(code));
    }
    return codes;
}

enum class ChildOutcome { Done, Died, NoChild };

// Runs `work` in a forked copy of this process and hands back what it found.
// The child touches only the detector and plain memory, writes its answer to a
// pipe and leaves with _exit, so no handler or buffer of the parent runs twice.
ChildOutcome inChild(const std::function<std::vector<RawCode>()> &work, std::vector<RawCode> &result)
{
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) {
        return ChildOutcome::NoChild;
    }
    const pid_t pid = fork();
    if (pid < 0) {
        close(fds[0]);
        close(fds[1]);
        return ChildOutcome::NoChild;
    }
    if (pid == 0) {
        // The parent's crash handlers (a test runner's, a reporter's) must not
        // run for this copy: an abort here is an answer, not a crash.
        for (const int sig : {SIGABRT, SIGSEGV, SIGBUS, SIGILL, SIGFPE}) {
            signal(sig, SIG_DFL);
        }
        close(fds[0]);
        // The assertion's message is no news to the user.
        const int quiet = open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (quiet >= 0) {
            dup2(quiet, STDERR_FILENO);
        }
        int status = 0;
        try {
            const std::string answer = serialise(work());
            size_t written = 0;
            while (written < answer.size()) {
                const ssize_t n = write(fds[1], answer.data() + written, answer.size() - written);
                if (n < 0 && errno == EINTR) {
                    continue;
                }
                if (n <= 0) {
                    status = 3;
                    break;
                }
                written += size_t(n);
            }
        } catch (...) {
            status = 2;
        }
        _exit(status);
    }
    close(fds[1]);
    std::string answer;
    char chunk[65536];
    bool hung = false;
    for (;;) {
        pollfd p{fds[0], POLLIN, 0};
        // A detector that neither answers nor dies within a minute is stuck.
        const int ready = poll(&p, 1, 60000);
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready <= 0) {
            hung = true;
            break;
        }
        const ssize_t n = read(fds[0], chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;
        }
        answer.append(chunk, size_t(n));
    }
    close(fds[0]);
    if (hung) {
        kill(pid, SIGKILL);
    }
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (hung || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return ChildOutcome::Died;
    }
    const auto codes = deserialise(answer);
    if (!codes) {
        return ChildOutcome::Died;
    }
    result = *codes;
    return ChildOutcome::Done;
}

std::vector<RawCode> detectSafely(const Grey &grey)
{
    // Tables the detector builds on first use are built here, in the parent,
    // so that no child starts while another thread holds their guard.
    static std::once_flag warmed;
    std::call_once(warmed, [] {
        Grey tiny{std::vector<uint8_t>(64 * 64, 255), 64, 64};
        run(tiny, hints(true, 255));
    });

    std::vector<RawCode> found;
    switch (inChild([&grey] { return runWithWindows(grey); }, found)) {
    case ChildOutcome::Done:
        return found;
    case ChildOutcome::Died:
        if (inChild([&grey] { return runOneByOne(grey); }, found) == ChildOutcome::Done) {
            return found;
        }
        return {};
    case ChildOutcome::NoChild:
        break;
    }
    // Without a child (no memory for one) only the matrix codes are read here:
    // their comparison never reaches the assertion.
    try {
        return run(grey, hints(false, 255));
    } catch (...) {
        return {};
    }
}

// An 8-bit grey picture on white, no larger than maximumSide.
Grey greyscale(const QImage &image)
{
    QImage source = image;
    if (std::max(source.width(), source.height()) > maximumSide) {
        source = source.scaled(maximumSide, maximumSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    if (source.hasAlphaChannel()) {
        // Transparent pixels are usually the paper of a code drawn on nothing.
        QImage flat(source.size(), QImage::Format_RGB32);
        flat.fill(Qt::white);
        QPainter painter(&flat);
        painter.drawImage(0, 0, source);
        painter.end();
        source = flat;
    }
    source = source.convertToFormat(QImage::Format_Grayscale8);
    Grey grey;
    if (source.isNull()) {
        return grey;
    }
    grey.width = source.width();
    grey.height = source.height();
    grey.pixels.resize(size_t(grey.width) * size_t(grey.height));
    for (int y = 0; y < grey.height; ++y) {
        std::memcpy(grey.pixels.data() + size_t(y) * size_t(grey.width), source.constScanLine(y), size_t(grey.width));
    }
    return grey;
}

QList<Detection> detections(const std::vector<RawCode> &codes, const Grey &grey)
{
    QList<Detection> out;
    const double w = grey.width;
    const double h = grey.height;
    for (const RawCode &code : codes) {
        const double left = *std::min_element(code.x, code.x + 4), right = *std::max_element(code.x, code.x + 4);
        const double top = *std::min_element(code.y, code.y + 4), bottom = *std::max_element(code.y, code.y + 4);
        Detection d;
        d.payload = QString::fromStdString(code.text);
        const auto format = static_cast<ZXing::BarcodeFormat>(code.format);
        d.symbology = Symbology::fromDetector(QString::fromLatin1(ZXing::ToString(format)), d.payload);
        d.box = QRectF(left / w, top / h, (right - left) / w, (bottom - top) / h);
        out.append(d);
    }
    return out;
}

bool comesBefore(const Detection &a, const Detection &b)
{
    const double ay = a.box.center().y();
    const double by = b.box.center().y();
    if (std::abs(ay - by) > 0.02) {
        return ay < by; // higher on the picture first
    }
    return a.box.center().x() < b.box.center().x();
}

} // namespace

void sortIntoReadingOrder(QList<Detection> &list)
{
    for (qsizetype i = 1; i < list.size(); ++i) {
        Detection moving = list[i];
        qsizetype j = i;
        while (j > 0 && comesBefore(moving, list[j - 1])) {
            list[j] = list[j - 1];
            --j;
        }
        list[j] = moving;
    }
}

QList<Reading> distinctReadings(const QList<Detection> &ordered)
{
    QList<Reading> out;
    QList<QString> seen;
    for (const Detection &d : ordered) {
        if (d.payload.isEmpty()) {
            continue;
        }
        const QString canonical = d.payload.normalized(QString::NormalizationForm_C);
        if (seen.contains(canonical)) {
            continue;
        }
        seen.append(canonical);
        out.append(Reading{d.payload, d.symbology});
    }
    return out;
}

QList<Reading> codes(const QImage &image)
{
    if (image.isNull() || image.width() <= 0 || image.height() <= 0) {
        return {};
    }
    Grey grey = greyscale(image);
    if (grey.pixels.empty()) {
        return {};
    }
    QList<Detection> found = detections(detectSafely(grey), grey);
    if (found.isEmpty()) {
        for (uint8_t &pixel : grey.pixels) {
            pixel = uint8_t(255 - pixel);
        }
        found = detections(detectSafely(grey), grey);
    }
    sortIntoReadingOrder(found);
    return distinctReadings(found);
}

} // namespace CodeReader
