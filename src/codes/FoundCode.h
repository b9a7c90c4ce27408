#pragma once

#include "codes/CodeSymbology.h"

#include <QHashFunctions>
#include <QString>
#include <QUuid>

#include <optional>

// One code found in a picture or page. Two finds of the same text are distinct
// values: equality takes every field, the fresh id included.
struct FoundCode
{
    QUuid id;
    QString payload; // as the detector returned it; never empty, not trimmed
    CodeSymbology symbology = CodeSymbology::Other;
    QString origin;          // the file name with its extension, or "Pasted image"
    std::optional<int> page; // 1-based; absent for a picture file and the clipboard

    friend bool operator==(const FoundCode &, const FoundCode &) = default;
};
size_t qHash(const FoundCode &code, size_t seed = 0) noexcept;
