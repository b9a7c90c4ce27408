#pragma once

#include <QString>

// Byte counts as the user reads them: decimal units (1 kB = 1000 bytes) with as
// many digits as the unit needs: none for bytes and kB, one for MB, two for GB
// and above, trailing zeros dropped. 1,234,567 bytes read "1.2 MB".
namespace ByteCount {

QString text(qint64 bytes);

} // namespace ByteCount
