#pragma once

// The kinds of code that the reader names, and the detector formats it asks for.

#include <QList>
#include <QString>

#include <optional>

enum class CodeSymbology {
    QR,
    MicroQR,
    Aztec,
    DataMatrix,
    PDF417,
    EAN13,
    EAN8,
    UPCE,
    Code39,
    Code93,
    Code128,
    ITF14,
    I2of5,
    Codabar,
    GS1DataBar,
    MSIPlessey,
    Other,
};

namespace Symbology {

// Every kind, in declared order.
QList<CodeSymbology> all();

// The stable text a kind is stored as ("qr", "microQR", ...).
QString rawValue(CodeSymbology symbology);
// The kind whose raw value is exactly `raw` (case-sensitive); none otherwise.
std::optional<CodeSymbology> fromRawValue(const QString &raw);

// The card title; only the title of Other is translated.
QString displayName(CodeSymbology symbology);

// The detector's format names that the reader asks for, in order. Formats that
// the detector cannot read at all are not listed; see CodeReader.cpp.
const QStringList &detectorFormats();

// The kind of a code from the detector's format name and the code's text. The
// text matters only for Interleaved 2 of 5: 14 digits with a valid GS1 check
// digit make an ITF-14. Unknown names give Other.
CodeSymbology fromDetector(const QString &formatName, const QString &text);

// The text of a Code 39 code in its full-ASCII form: "+A" is "a", "%U" is NUL,
// "/Z" is ":" and so on, as the detector's extended mode reads it. Nothing when
// a "$", "%", "/" or "+" starts no valid pair: the code is then an ordinary one
// and its text stands as written.
std::optional<QString> code39FullASCII(const QString &text);

// True when `digits` are 14 ASCII digits whose last one is the GS1 check digit
// of the first 13.
bool isITF14(const QString &digits);

} // namespace Symbology
