#pragma once

// The final write of an output PDF, shared by the builders, and the check every
// output passes before anyone may keep it.

#include "platform/Async.h"
#include "platform/SharedBytes.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <stdexcept>
#include <string>

class QPDF;

namespace PdfWriting {

// Writing into a file failed: `error` is the system's errno.
struct FileError : std::runtime_error
{
    explicit FileError(int error)
        : std::runtime_error("the output could not be written")
        , error(error)
    {}
    int error;
};

// The PDF version an output needs at least: the highest of its sources.
struct Version
{
    int major = 1;
    int minor = 3;
    int extension = 0;

    void raise(const std::string &text, int extensionLevel);
};

// Writes `pdf` into a sealed memory file, the one copy of the output there is:
// objects packed into compressed object streams, streams that were stored
// without a filter compressed, every other stream copied as it is stored
// (nothing is decoded). A non-empty password encrypts with AES-256 (R6), with
// the user and the owner password both set to it, and every use allowed to
// whoever opens it; without one the output is not encrypted. Throws qpdf's
// exceptions, and std::runtime_error when no memory file can be made.
//
// With a `file` (a descriptor open for writing, such as the atomic write's
// temporary file), the output is written there instead, from its start, and
// the answer is empty; a failed write throws FileError.
SharedBytes write(QPDF &pdf, const std::optional<QString> &password, const Version &version,
                  int file = -1);

// Whether `pdf` opens again, with `password` when it has one, and its page
// tree holds exactly `pageCount` pages. Reads in place and only what the check
// needs: a tree as the writers make it (one node listing every page) has every
// page present in the file, the first and the last read as page dictionaries;
// any other tree has every page read. The builders make each page a page
// dictionary before writing it.
// With a `file`, the output is read back from that file instead, once the
// disk was asked to start writing it.
bool reopens(const SharedBytes &pdf, const std::optional<QString> &password, int pageCount,
             int file = -1);

// Whether qpdf can read the PDF in `bytes` for writing with `password` (none:
// without one). False only when it asks for a password that this one is not:
// a file that shows without one, its attachments or some streams locked, can
// only be saved with it. Damage is not this function's to judge: true then.
// Blocks; runs inside the open job.
bool unlocksForWriting(const QByteArray &bytes, const std::optional<QString> &password);

} // namespace PdfWriting
