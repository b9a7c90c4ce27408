#include "document/Compression.h"

#include <QCoreApplication>
#include <QHash>
#include <QLocale>

#include <cmath>

namespace Compression {

const QList<qint64> &limits()
{
    static const QList<qint64> values{200'000,   300'000,    500'000,    750'000,   1'000'000,
                                      1'500'000, 2'000'000,  3'000'000,  4'000'000, 5'000'000,
                                      7'500'000, 10'000'000, 15'000'000, 20'000'000};
    return values;
}

QString limitTitle(qint64 bytes)
{
    const double megabytes = std::round(double(bytes) / 1'000'000.0 * 100.0) / 100.0;
    const QString number = QLocale().toString(megabytes, 'g', QLocale::FloatingPointShortest);
    return QCoreApplication::translate("Compression", "%1 MB").arg(number);
}

QFuture<Result<Answer>> search(Ladder ladder, qint64 limit, BuildFunction build, CancelToken cancel,
                               Start start)
{
    Q_ASSERT(!ladder.isEmpty());
    QHash<qsizetype, QByteArray> built;

    // Builds step i unless it was built already; an error ends the search.
    auto ensure = [&](qsizetype i) -> QFuture<Result<QByteArray>> {
        if (built.contains(i)) {
            return Async::ready(Result<QByteArray>(built.value(i)));
        }
        if (cancel.isCanceled()) {
            return Async::ready(Result<QByteArray>::canceled());
        }
        return build(ladder.at(i));
    };
    auto fits = [&](qsizetype i) { return built.value(i).size() <= limit; };

    const qsizetype n = ladder.size();
    qsizetype lo = 1;
    if (start == Start::LeastCompressed) {
        const Result<QByteArray> first = co_await ensure(0);
        if (!first) {
            co_return first.error();
        }
        built.insert(0, first.value());
        if (fits(0)) {
            co_return Answer{built.value(0), true};
        }
    } else {
        lo = 0;
    }
    if (!built.contains(n - 1)) {
        const Result<QByteArray> last = co_await ensure(n - 1);
        if (!last) {
            co_return last.error();
        }
        built.insert(n - 1, last.value());
    }
    if (!fits(n - 1)) {
        co_return Answer{built.value(n - 1), false};
    }
    qsizetype hi = n - 1;
    while (lo < hi) {
        const qsizetype mid = (lo + hi) / 2;
        if (!built.contains(mid)) {
            const Result<QByteArray> probe = co_await ensure(mid);
            if (!probe) {
                co_return probe.error();
            }
            built.insert(mid, probe.value());
        }
        if (fits(mid)) {
            hi = mid;
        } else {
            lo = mid + 1;
        }
    }
    co_return Answer{built.value(hi), true};
}

QFuture<Result<Fit>> fit(Ladder keepingText, Ladder asPictures, qint64 limit, BuildFunction build,
                         CancelToken cancel)
{
    const Result<Answer> text = co_await search(keepingText, limit, build, cancel);
    if (!text) {
        co_return text.error();
    }
    if (text->reached) {
        co_return Fit{text->data, true, false};
    }
    const Result<Answer> pictures =
        co_await search(asPictures, limit, build, cancel, Start::MostCompressed);
    if (!pictures) {
        co_return pictures.error();
    }
    if (pictures->reached) {
        co_return Fit{pictures->data, true, true};
    }
    co_return Fit{text->data, false, false};
}

} // namespace Compression
