#include "views/ByteCount.h"

#include <QLocale>

#include <cstdlib>

namespace ByteCount {

namespace {

// The power of 1000 whose unit the count is shown in.
int powerOf(qint64 bytes)
{
    int power = 0;
    for (qint64 rest = std::llabs(bytes); rest >= 1000; rest /= 1000) {
        ++power;
    }
    return power;
}

int digitsFor(int power)
{
    return power <= 1 ? 0 : power == 2 ? 1 : 2;
}

qint64 pow10(int exponent)
{
    qint64 value = 1;
    while (exponent-- > 0) {
        value *= 10;
    }
    return value;
}

} // namespace

QString text(qint64 bytes)
{
    // Round to the shown digits first: 999,999 bytes are "1 MB", not "1000 kB".
    int power = powerOf(bytes);
    qint64 rounded = bytes;
    if (power > 0) {
        const qint64 step = pow10(3 * power - digitsFor(power));
        rounded = (bytes + (bytes < 0 ? -step : step) / 2) / step * step;
        power = powerOf(rounded);
    }
    int digits = power > 0 ? digitsFor(power) : 0;
    while (digits > 0 && rounded % pow10(3 * power - digits + 1) == 0) {
        --digits;
    }
    return QLocale().formattedDataSize(rounded, digits, QLocale::DataSizeSIFormat);
}

} // namespace ByteCount
