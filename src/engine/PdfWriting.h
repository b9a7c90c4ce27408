#pragma once

// The final write of an output PDF, shared by the builders.

#include "platform/Async.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <string>

class QPDF;

namespace PdfWriting {

// The PDF version an output needs at least: the highest of its sources.
struct Version
{
    int major = 1;
    int minor = 3;
    int extension = 0;

    void raise(const std::string &text, int extensionLevel);
};

// Writes `pdf` into memory. A non-empty password encrypts with AES-256 (R6),
// with the user and the owner password both set to it, and every use allowed
// to whoever opens it; without one the output is not encrypted. Throws qpdf's
// exceptions.
QByteArray write(QPDF &pdf, const std::optional<QString> &password, const Version &version);

} // namespace PdfWriting
