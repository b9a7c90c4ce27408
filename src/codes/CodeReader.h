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

// The codes of `image` in reading order, each payload once. Never fails: a
// picture the detector can't use yields nothing. Light-on-dark codes are looked
// for when the picture as it is yields nothing.
QList<Reading> codes(const QImage &image);

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
