#include "engine/PdfWriting.h"

#include <qpdf/PDFVersion.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFWriter.hh>
#include <qpdf/QPDFXRefEntry.hh>

#include <QList>
#include <QStringList>

#include <cstdio>
#include <map>
#include <set>
#include <stdexcept>
#include <tuple>

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

SharedBytes write(QPDF &pdf, const std::optional<QString> &password, const Version &version)
{
    SharedBytes::Writer target;
    FILE *file = target.isValid() ? streamOver(target.fd(), "wb") : nullptr;
    if (!file) {
        throw std::runtime_error("no memory file for the output");
    }
    std::setvbuf(file, nullptr, _IOFBF, writeBuffer);
    {
        QPDFWriter writer(pdf);
        writer.setOutputFile("output", file, true); // closed by the writer
        // Streams are copied as they are stored: nothing is decoded and re-encoded,
        // which keeps the build fast and leaves damaged streams exactly as they
        // were. Only streams stored without any filter get compressed.
        writer.setDecodeLevel(qpdf_dl_none);
        writer.setCompressStreams(true);
        writer.setObjectStreamMode(qpdf_o_generate);
        writer.setMinimumPDFVersion(PDFVersion(version.major, version.minor, version.extension));
        if (password && !password->isEmpty()) {
            const std::string secret = password->toStdString();
            writer.setR6EncryptionParameters(secret.c_str(), secret.c_str(), true, true, true, true,
                                             true, true, qpdf_r3p_full, true);
        }
        writer.write();
    }
    std::optional<SharedBytes> written = target.finish();
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

bool reopens(const SharedBytes &pdf, const std::optional<QString> &password, int pageCount)
{
    if (pdf.isEmpty()) {
        return false;
    }
    try {
        QPDF check;
        check.setSuppressWarnings(true);
        check.setAttemptRecovery(false);
        const std::string secret = password ? password->toStdString() : std::string();
        // Read in place: only the cross-reference data and the page tree's
        // objects are touched, never the content.
        check.processMemoryFile("output", pdf.data(), size_t(pdf.size()),
                                secret.empty() ? nullptr : secret.c_str());
        if (flatTreeHolds(check, pageCount)) {
            return true;
        }
        // Any other shape: every page read.
        const std::vector<QPDFObjectHandle> &pages = check.getAllPages();
        if (pages.size() != size_t(pageCount)) {
            return false;
        }
        for (QPDFObjectHandle page : pages) {
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
