#pragma once

// Finding codes in one bitmap. Stateless; safe on any thread.

#include "codes/CodeSymbology.h"

#include <QImage>
#include <QList>
#include <QRectF>
#include <QString>

namespace CodeReader {

struct Reading
{
    QString payload;
    CodeSymbology symbology = CodeSymbology::Other;

    friend bool operator==(const Reading &, const Reading &) = default;
};

// One code as the detector placed it, before ordering. `box` is in fractions of
// the picture with the origin at the top left.
struct Detection
{
    QString payload;
    CodeSymbology symbology = CodeSymbology::Other;
    QRectF box;
};

// What a read cost: the detector's passes and the pixels they read.
struct Effort
{
    int passes = 0;
    qint64 pixelsRead = 0;
};

// Which passes a read makes.
enum class Passes {
    All,
    // The picture as it is and inverted: a caller that can draw the picture
    // again at twice the size does so when these find nothing...
    Plain,
    // ...and hands that drawing in for the remaining passes.
    Sharper,
};

// The codes of `image` in reading order, each payload once. Never fails: a
// picture the detector can't use yields nothing. When the picture as it is
// yields nothing, further passes stop at the first that finds codes: inverted
// (light codes on dark), twice the size, and turned by 45 degrees. A picture
// without codes reads at most eight times its own pixels, four times the two
// passes that used to be all. `effort`, when given, receives what it cost.
QList<Reading> codes(const QImage &image, Passes passes = Passes::All, Effort *effort = nullptr);

// Rows from top to bottom, codes within a row (centres no more than 0.02 apart
// in height) from left to right; codes for which neither rule decides keep their
// order. The rule is judged pair by pair and is not transitive, so a stable
// insertion sort applies it, never std::sort.
void sortIntoReadingOrder(QList<Detection> &detections);

// Drops empty payloads and repeats (canonically equivalent texts count as the
// same), keeping the first in reading order whatever its symbology.
QList<Reading> distinctReadings(const QList<Detection> &ordered);

// Pictures whose longer side exceeds this are scaled down before detection, so
// an enormous paste can't exhaust memory or stall the reader.
constexpr int maximumSide = 4096;

} // namespace CodeReader
