#include "model/NameOrder.h"

namespace {

int sign(int value)
{
    return (value > 0) - (value < 0);
}

// Compares two runs of digits by value without converting them, so runs longer
// than any integer type still order correctly.
int compareDigitRuns(QStringView a, QStringView b)
{
    auto stripZeros = [](QStringView run) {
        qsizetype i = 0;
        while (i + 1 < run.size() && run[i] == u'0') {
            ++i;
        }
        return run.mid(i);
    };
    const QStringView x = stripZeros(a);
    const QStringView y = stripZeros(b);
    if (x.size() != y.size()) {
        return x.size() < y.size() ? -1 : 1;
    }
    return sign(x.compare(y));
}

QStringView runAt(QStringView text, qsizetype start)
{
    const bool digits = text[start].isDigit();
    qsizetype end = start;
    while (end < text.size() && text[end].isDigit() == digits) {
        ++end;
    }
    return text.mid(start, end - start);
}

} // namespace

int compareNames(const QString &a, const QString &b)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        const QStringView x = runAt(a, i);
        const QStringView y = runAt(b, j);
        const bool xDigits = x.front().isDigit();
        const bool yDigits = y.front().isDigit();
        int order = 0;
        if (xDigits && yDigits) {
            order = compareDigitRuns(x, y);
        } else {
            order = sign(QString::localeAwareCompare(x.toString().toCaseFolded(),
                                                     y.toString().toCaseFolded()));
        }
        if (order != 0) {
            return order;
        }
        i += x.size();
        j += y.size();
    }
    if (i < a.size() || j < b.size()) {
        return i < a.size() ? 1 : -1;
    }
    // Equal but for case or leading zeros: keep the order stable and total.
    return sign(a.compare(b));
}
