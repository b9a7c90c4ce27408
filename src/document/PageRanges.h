#pragma once

#include <QList>
#include <QString>

#include <optional>

// Page-number texts such as "1-3, 5, 8-10". Page numbers count from 1.
namespace PageRanges {

struct Range
{
    int first = 1;
    int last = 1;
    friend bool operator==(const Range &, const Range &) = default;
};

// The ranges of `text` in text order (not sorted, merged or de-duplicated), or
// absent when the text is not valid for a document of `count` pages.
std::optional<QList<Range>> parse(const QString &text, int count);

// Sorted, de-duplicated numbers written as runs: 8, 2, 1, 3, 5, 2 gives "1-3, 5, 8".
QString describe(const QList<int> &numbers);

} // namespace PageRanges
