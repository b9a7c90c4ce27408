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
#include <sys/socket.h>
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
// reader process forked from this one: an abort there costs that picture's
// first pass and a new reader, never the user's open documents.

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

enum class Mode : uint32_t { Everything = 1, OneByOne = 2 };
enum class Outcome { Done, Died, NoChild };

bool sendAll(int fd, const void *data, size_t size)
{
    const char *bytes = static_cast<const char *>(data);
    while (size > 0) {
        // MSG_NOSIGNAL: a reader that died must not take this process with it.
        const ssize_t n = send(fd, bytes, size, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        bytes += n;
        size -= size_t(n);
    }
    return true;
}

// Waits at most `timeoutMs` for each piece; false on end, error or time-out.
bool receiveAll(int fd, void *data, size_t size, int timeoutMs)
{
    char *bytes = static_cast<char *>(data);
    while (size > 0) {
        pollfd p{fd, POLLIN, 0};
        const int ready = poll(&p, 1, timeoutMs);
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready <= 0) {
            return false;
        }
        const ssize_t n = recv(fd, bytes, size, 0);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        bytes += n;
        size -= size_t(n);
    }
    return true;
}

// The reader's side: pictures in, answers out, until the socket closes. Runs in
// a forked copy of the program that touches only the detector and plain memory
// and leaves with _exit, so no handler or buffer of the program runs twice.
[[noreturn]] void serve(int fd)
{
    // The program's crash handlers (a test runner's, a reporter's) must not run
    // here: an abort is an answer, not a crash. Nor is the assertion's message news.
    for (const int sig : {SIGABRT, SIGSEGV, SIGBUS, SIGILL, SIGFPE}) {
        signal(sig, SIG_DFL);
    }
    const int quiet = open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (quiet >= 0) {
        dup2(quiet, STDERR_FILENO);
    }
    // Keep no copy of the program's other files and pipes open: a pipe end held
    // here would keep its reader from ever seeing the end of it.
    constexpr int socketFd = 3;
    if (fd != socketFd) {
        dup2(fd, socketFd);
        fd = socketFd;
    }
    close_range(socketFd + 1, ~0U, 0);
    for (;;) {
        uint32_t header[3];
        if (!receiveAll(fd, header, sizeof header, -1)) {
            _exit(0);
        }
        Grey grey;
        grey.width = int(header[1]);
        grey.height = int(header[2]);
        grey.pixels.resize(size_t(grey.width) * size_t(grey.height));
        if (!receiveAll(fd, grey.pixels.data(), grey.pixels.size(), -1)) {
            _exit(0);
        }
        std::string answer;
        try {
            answer = serialise(Mode(header[0]) == Mode::OneByOne ? runOneByOne(std::move(grey)) : runWithWindows(grey));
        } catch (...) {
            answer = serialise({});
        }
        const uint64_t length = answer.size();
        if (!sendAll(fd, &length, sizeof length) || !sendAll(fd, answer.data(), answer.size())) {
            _exit(0);
        }
    }
}

// One reader process for the whole program, started on first use and again
// after it died. Pictures are read one at a time.
class Reader
{
public:
    Outcome read(const Grey &grey, Mode mode, std::vector<RawCode> &result)
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        if (m_pid <= 0 && !start()) {
            return Outcome::NoChild;
        }
        const uint32_t header[3] = {uint32_t(mode), uint32_t(grey.width), uint32_t(grey.height)};
        uint64_t length = 0;
        std::string answer;
        // A reader that neither answers nor dies within a minute is stuck.
        bool ok = sendAll(m_fd, header, sizeof header) && sendAll(m_fd, grey.pixels.data(), grey.pixels.size())
                  && receiveAll(m_fd, &length, sizeof length, 60000) && length < (uint64_t(1) << 31);
        if (ok) {
            answer.resize(size_t(length));
            ok = receiveAll(m_fd, answer.data(), answer.size(), 60000);
        }
        const auto codes = ok ? deserialise(answer) : std::nullopt;
        if (!codes) {
            stop();
            return Outcome::Died;
        }
        result = *codes;
        return Outcome::Done;
    }

    ~Reader()
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        stop();
    }

private:
    bool start()
    {
        int fds[2];
        if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds) != 0) {
            return false;
        }
        const pid_t pid = fork();
        if (pid < 0) {
            close(fds[0]);
            close(fds[1]);
            return false;
        }
        if (pid == 0) {
            close(fds[0]);
            serve(fds[1]);
        }
        close(fds[1]);
        m_pid = pid;
        m_fd = fds[0];
        return true;
    }

    void stop()
    {
        if (m_pid <= 0) {
            return;
        }
        close(m_fd);
        kill(m_pid, SIGKILL);
        while (waitpid(m_pid, nullptr, 0) < 0 && errno == EINTR) {
        }
        m_pid = -1;
        m_fd = -1;
    }

    std::mutex m_mutex;
    pid_t m_pid = -1;
    int m_fd = -1;
};

std::vector<RawCode> detectSafely(const Grey &grey)
{
    // Tables the detector builds on first use are built here, before the reader
    // is forked, so that it never starts while another thread holds their guard.
    static std::once_flag warmed;
    std::call_once(warmed, [] {
        Grey tiny{std::vector<uint8_t>(64 * 64, 255), 64, 64};
        run(tiny, hints(true, 255));
    });
    static Reader reader;

    std::vector<RawCode> found;
    switch (reader.read(grey, Mode::Everything, found)) {
    case Outcome::Done:
        return found;
    case Outcome::Died:
        if (reader.read(grey, Mode::OneByOne, found) == Outcome::Done) {
            return found;
        }
        return {};
    case Outcome::NoChild:
        break;
    }
    // Without a reader process (no memory for one) only the matrix codes are
    // read here: their comparison never reaches the assertion.
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
