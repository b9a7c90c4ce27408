#pragma once

// The rows of a long data-driven test, dealt out over CTest entries that run
// side by side (tamsel_add_test SHARDS): with TAMSEL_TEST_SHARD=k/n a program
// keeps the rows i with i % n == k - 1. Without it, as run by hand, every row.

#include <QByteArray>
#include <QList>
#include <QtGlobal>

namespace TestShard {

inline bool mine(int row)
{
    const QList<QByteArray> parts = qgetenv("TAMSEL_TEST_SHARD").split('/');
    const int shard = parts.value(0).toInt();
    const int shards = parts.size() == 2 ? parts.value(1).toInt() : 1;
    if (shards <= 1 || shard < 1 || shard > shards) {
        return true;
    }
    return row % shards == shard - 1;
}

} // namespace TestShard
