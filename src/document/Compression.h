#pragma once

#include "document/DocumentTypes.h"
#include "platform/Async.h"

#include <QByteArray>
#include <QFuture>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

// The compression policy of the compress sheet: its choices, the size limits,
// and the search for the least compressed setting that fits a limit.
namespace Compression {

enum class Choice { Original, Medium, Small, UpTo };

struct Fit
{
    QByteArray data;
    bool reached = false;         // data is within the limit
    bool pagesAsPictures = false; // data comes from the ladder of pages as pictures
};

// The size limits in bytes, smallest first.
const QList<qint64> &limits();

// The limit as shown: 750,000 gives "0.75 MB", 7,500,000 "7.5 MB".
QString limitTitle(qint64 bytes);

using Ladder =
    QList<std::optional<CompressionStep>>; // least to most compressed; absent = unchanged
using BuildFunction = std::function<QFuture<Result<QByteArray>>(std::optional<CompressionStep>)>;

struct Answer
{
    QByteArray data;
    bool reached = false;
};

// Where a search starts. From the least compressed end it builds both ends
// first; from the most compressed end it builds only that one when it misses,
// so a ladder that can't reach the limit costs a single build.
enum class Start { LeastCompressed, MostCompressed };

// Finds the first step of `ladder` whose build is at most `limit` bytes, building
// each step at most once: an end first, then a binary search in between. When
// none fits, the answer is the most compressed step's bytes, not reached.
// Ends with the first failing build's error, or cancelled when `cancel` is set
// before a build. Runs on the main thread; `ladder` must not be empty.
QFuture<Result<Answer>> search(Ladder ladder, qint64 limit, BuildFunction build, CancelToken cancel,
                               Start start = Start::LeastCompressed);

// The fit of a document to `limit`: the least compressed step of `keepingText`
// that fits; when even its last misses, the least compressed step of
// `asPictures` that fits, searched from its most compressed end. When nothing
// fits, the answer is not reached and offers the smallest text-keeping bytes:
// a copy without its text that is still too large helps nobody.
QFuture<Result<Fit>> fit(Ladder keepingText, Ladder asPictures, qint64 limit, BuildFunction build,
                         CancelToken cancel);

} // namespace Compression
