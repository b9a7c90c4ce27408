#include "codes/DetectorProcess.h"

#include "codes/CodesLog.h"
#include "platform/Sandbox.h"
#include "platform/SocketIO.h"

#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <mutex>
#include <optional>
#include <string>

#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

namespace DetectorProcess {

using namespace CodeDetector;

namespace {

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
        if (!take(&code.format, sizeof code.format) || !take(&length, sizeof length) ||
            buffer.size() - at < length) {
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
    return SocketIO::sendAll(fd, data, size) == SocketIO::Transfer::Ok;
}

// Waits at most `timeoutMs` for each piece (-1: as long as it takes); false on
// end, error or time-out.
bool receiveAll(int fd, void *data, size_t size, int timeoutMs)
{
    return SocketIO::receiveAll(fd, data, size, timeoutMs) == SocketIO::Transfer::Ok;
}

} // namespace

int serve(int fd)
{
    for (;;) {
        uint32_t header[3];
        if (!receiveAll(fd, header, sizeof header, -1)) {
            return 0;
        }
        Grey grey;
        grey.width = int(header[1]);
        grey.height = int(header[2]);
        grey.pixels.resize(size_t(grey.width) * size_t(grey.height));
        if (!receiveAll(fd, grey.pixels.data(), grey.pixels.size(), -1)) {
            return 0;
        }
        std::string answer;
        try {
            answer = serialise(Mode(header[0]) == Mode::OneByOne ? oneByOne(std::move(grey))
                                                                 : everything(grey));
        } catch (...) {
            answer = serialise({});
        }
        const uint64_t length = answer.size();
        if (!sendAll(fd, &length, sizeof length) || !sendAll(fd, answer.data(), answer.size())) {
            return 0;
        }
    }
}

namespace {

// The detector program: $TAMSEL_CODE_DETECTOR, else "tamsel-detector" beside
// the running program.
QString program()
{
    QString chosen = qEnvironmentVariable("TAMSEL_CODE_DETECTOR");
    if (!chosen.isEmpty()) {
        return chosen;
    }
    return QFileInfo(QStringLiteral("/proc/self/exe"))
               .canonicalFilePath()
               .section(QLatin1Char('/'), 0, -2) +
           QStringLiteral("/tamsel-detector");
}

// One reader process for the whole program, started on first use and again
// after it died. Pictures are read one at a time.
class Reader
{
public:
    Outcome read(const Grey &grey, Mode mode, std::vector<RawCode> &result)
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        if (m_pid > 0 && waitpid(m_pid, nullptr, WNOHANG) == m_pid) {
            // Ended between two pictures (killed from outside): a new one reads
            // this picture.
            ::close(m_fd);
            m_pid = -1;
            m_fd = -1;
        }
        if (m_pid <= 0 && !start()) {
            return Outcome::NoChild;
        }
        const uint32_t header[3] = {uint32_t(mode), uint32_t(grey.width), uint32_t(grey.height)};
        uint64_t length = 0;
        std::string answer;
        // A reader that neither answers nor dies within a minute is stuck.
        bool ok = sendAll(m_fd, header, sizeof header) &&
                  sendAll(m_fd, grey.pixels.data(), grey.pixels.size()) &&
                  receiveAll(m_fd, &length, sizeof length, 60000) && length < (uint64_t(1) << 31);
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
        const pid_t pid = Sandbox::spawn(program(), {}, fds[1], Sandbox::Errors::Discard);
        close(fds[1]);
        if (pid < 0) {
            close(fds[0]);
            return false;
        }
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

} // namespace

std::vector<RawCode> detect(const Grey &grey)
{
    static Reader reader;
    std::vector<RawCode> found;
    switch (reader.read(grey, Mode::Everything, found)) {
    case Outcome::Done:
        return found;
    case Outcome::Died:
        qCWarning(lcCodes, "the code reader died on a %dx%d picture; reading it code by code",
                  grey.width, grey.height);
        if (reader.read(grey, Mode::OneByOne, found) == Outcome::Done) {
            return found;
        }
        qCWarning(lcCodes, "the code reader died again; that picture's codes are skipped");
        return {};
    case Outcome::NoChild:
        // The program never decodes a stranger's pixels itself.
        qCWarning(lcCodes) << "the code detector" << program()
                           << "can't be started; no codes are read";
        return {};
    }
    return {};
}

} // namespace DetectorProcess
