#include "worker/PdfWriting.h"

#include <qpdf/PDFVersion.hh>
#include <qpdf/Pipeline.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFWriter.hh>
#include <qpdf/QPDFXRefEntry.hh>

#include <QList>
#include <QStringList>

#include <cerrno>
#include <cstdio>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace PdfWriting {
namespace {

// A stdio stream over its own duplicate of `fd`, read or written from the start.
FILE *streamOver(int fd, const char *mode)
{
    const int copy = ::dup(fd);
    if (copy < 0) {
        return nullptr;
    }
    FILE *file = ::fdopen(copy, mode);
    if (!file) {
        ::close(copy);
        return nullptr;
    }
    ::fseeko(file, 0, SEEK_SET);
    return file;
}

// QPDFWriter hands over many small pieces; a large buffer keeps them from
// becoming one system call each.
constexpr size_t writeBuffer = 1 << 20;

// Writes into a descriptor in large pieces. It never throws, since qpdf calls
// it from destructors too: after a failed write it drops the rest and keeps
// the system's reason (a full disk, a file size limit) for `error`.
class FileSink : public Pipeline
{
public:
    explicit FileSink(int fd)
        : Pipeline("output", nullptr)
        , m_fd(fd)
    {
        m_buffer.reserve(writeBuffer);
    }

    void write(unsigned char const *data, size_t length) override
    {
        if (m_buffer.size() + length > writeBuffer) {
            flush();
        }
        if (length >= writeBuffer) {
            send(data, length);
        } else {
            m_buffer.insert(m_buffer.end(), data, data + length);
        }
    }

    void finish() override { flush(); }

    int error() const { return m_error; }

private:
    int m_fd;
    int m_error = 0;
    std::vector<unsigned char> m_buffer;

    void flush()
    {
        send(m_buffer.data(), m_buffer.size());
        m_buffer.clear();
    }

    void send(unsigned char const *data, size_t length)
    {
        size_t done = 0;
        while (m_error == 0 && done < length) {
            const ssize_t n = ::write(m_fd, data + done, length - done);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                m_error = n < 0 ? errno : EIO;
            } else {
                done += size_t(n);
            }
        }
    }
};

} // namespace

void Version::raise(const std::string &text, int extensionLevel)
{
    const QStringList parts = QString::fromStdString(text).split(QLatin1Char('.'));
    if (parts.size() != 2) {
        return;
    }
    bool okMajor = false;
    bool okMinor = false;
    const int otherMajor = parts[0].toInt(&okMajor);
    const int otherMinor = parts[1].toInt(&okMinor);
    if (!okMajor || !okMinor) {
        return;
    }
    if (std::tie(otherMajor, otherMinor, extensionLevel) > std::tie(major, minor, extension)) {
        major = otherMajor;
        minor = otherMinor;
        extension = extensionLevel;
    }
}

SharedBytes write(QPDF &pdf, const std::optional<QString> &password, const Version &version,
                  int file)
{
    std::optional<SharedBytes::Writer> target;
    FILE *stream = nullptr;
    std::optional<FileSink> sink;
    if (file >= 0) {
        // From the start: a retry after a worker died writes over what it wrote.
        if (::ftruncate(file, 0) != 0 || ::lseek(file, 0, SEEK_SET) != 0) {
            throw FileError(errno);
        }
        sink.emplace(file);
    } else {
        target.emplace();
        stream = target->isValid() ? streamOver(target->fd(), "wb") : nullptr;
        if (!stream) {
            throw std::runtime_error("no memory file for the output");
        }
        std::setvbuf(stream, nullptr, _IOFBF, writeBuffer);
    }
    {
        QPDFWriter writer(pdf);
        if (sink) {
            writer.setOutputPipeline(&*sink);
        } else {
            writer.setOutputFile("output", stream, true); // closed by the writer
        }
        // Streams are copied as they are stored: nothing is decoded and re-encoded,
        // which keeps the build fast and leaves damaged streams exactly as they
        // were. Only streams stored without any filter get compressed.
        writer.setDecodeLevel(qpdf_dl_none);
        writer.setCompressStreams(true);
        writer.setObjectStreamMode(qpdf_o_generate);
        writer.setMinimumPDFVersion(PDFVersion(version.major, version.minor, version.extension));
        // A source written as it is loses its own protection; only the plan's applies.
        writer.setPreserveEncryption(false);
        if (password && !password->isEmpty()) {
            const std::string secret = password->toStdString();
            writer.setR6EncryptionParameters(secret.c_str(), secret.c_str(), true, true, true, true,
                                             true, true, qpdf_r3p_full, true);
        }
        writer.write();
    }
    if (sink) {
        sink->finish();
        if (sink->error() != 0) {
            throw FileError(sink->error());
        }
        return {};
    }
    std::optional<SharedBytes> written = target->finish();
    if (!written) {
        throw std::runtime_error("the output could not be sealed");
    }
    return std::move(*written);
}

bool unlocksForWriting(const QByteArray &bytes, const std::optional<QString> &password)
{
    // As the build will read it: the password as typed (UTF-8), then as Latin-1
    // for older files.
    QList<QByteArray> spellings{password ? password->toUtf8() : QByteArray()};
    if (password && password->toLatin1() != spellings.front()) {
        spellings.append(password->toLatin1());
    }
    for (const QByteArray &spelling : std::as_const(spellings)) {
        try {
            QPDF pdf;
            pdf.setSuppressWarnings(true);
            pdf.processMemoryFile("source", bytes.constData(), size_t(bytes.size()),
                                  password ? spelling.constData() : nullptr);
            return true;
        } catch (const QPDFExc &error) {
            if (error.getErrorCode() != qpdf_e_password) {
                return true;
            }
        } catch (const std::exception &) {
            return true;
        }
    }
    return false;
}

namespace {

bool isPage(QPDFObjectHandle page)
{
    return page.isDictionary() && page.getKey("/Type").isNameAndEquals("/Page");
}

// The page tree as the writers make it, checked without reading every page:
// one node whose /Count and /Kids name exactly `pageCount` distinct objects,
// each present in the cross-reference data, the first and the last read and
// found to be pages. Reading every page would parse nearly every object stream
// of the file, since pages are spread over them.
bool flatTreeHolds(QPDF &pdf, int pageCount)
{
    QPDFObjectHandle root = pdf.getRoot().getKey("/Pages");
    if (!root.isDictionary() || !root.getKey("/Count").isInteger() ||
        root.getKey("/Count").getIntValue() != pageCount) {
        return false;
    }
    QPDFObjectHandle kids = root.getKey("/Kids");
    if (!kids.isArray() || kids.getArrayNItems() != pageCount || pageCount < 1) {
        return false;
    }
    const std::map<QPDFObjGen, QPDFXRefEntry> objects = pdf.getXRefTable();
    std::set<QPDFObjGen> seen;
    for (int i = 0; i < pageCount; ++i) {
        QPDFObjectHandle kid = kids.getArrayItem(i);
        if (!kid.isIndirect() || !seen.insert(kid.getObjGen()).second) {
            return false;
        }
        const auto found = objects.find(kid.getObjGen());
        if (found == objects.end() || found->second.getType() == 0) {
            return false;
        }
    }
    return isPage(kids.getArrayItem(0)) && isPage(kids.getArrayItem(pageCount - 1));
}

} // namespace

bool reopens(const SharedBytes &pdf, const std::optional<QString> &password, int pageCount,
             int file)
{
    if (file < 0 && pdf.isEmpty()) {
        return false;
    }
    if (file >= 0) {
        // The disk starts writing the output while it is read back, so the
        // sync that the save makes before its rename finds little left to do.
        // Only started: a slow disk must not hold up the answer.
        ::sync_file_range(file, 0, 0, SYNC_FILE_RANGE_WRITE);
    }
    try {
        QPDF check;
        check.setSuppressWarnings(true);
        check.setAttemptRecovery(false);
        const std::string secret = password ? password->toStdString() : std::string();
        const char *unlock = secret.empty() ? nullptr : secret.c_str();
        if (file >= 0) {
            // Read through the descriptor itself, which the engine opens for
            // reading too: no path to the user's file, /proc/self/fd included,
            // opens inside the sandbox.
            const int flags = fcntl(file, F_GETFL);
            const int readable = flags >= 0 && (flags & O_ACCMODE) != O_WRONLY
                                     ? fcntl(file, F_DUPFD_CLOEXEC, 0)
                                     : -1;
            FILE *stream = readable >= 0 ? fdopen(readable, "rb") : nullptr;
            if (!stream) {
                if (readable >= 0) {
                    ::close(readable);
                }
                return false;
            }
            check.processFile("output", stream, true, unlock);
        } else {
            // Read in place: only the cross-reference data and the page tree's
            // objects are touched, never the content.
            check.processMemoryFile("output", pdf.data(), size_t(pdf.size()), unlock);
        }
        if (flatTreeHolds(check, pageCount)) {
            return true;
        }
        // Any other shape: every page read.
        const std::vector<QPDFObjectHandle> &pages = check.getAllPages();
        if (pages.size() != size_t(pageCount)) {
            return false;
        }
        for (const QPDFObjectHandle &page : pages) {
            if (!isPage(page)) {
                return false;
            }
        }
        return true;
    } catch (const std::exception &) {
        return false;
    }
}

} // namespace PdfWriting
