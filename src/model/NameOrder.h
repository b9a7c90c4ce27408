#pragma once

// The order in which the file manager lists names: letters without regard to
// case, runs of digits by their value, so "Scan 2" comes before "Scan 10".

#include <QString>

// Negative when `a` comes before `b`, positive when after, 0 when alike.
int compareNames(const QString &a, const QString &b);
