#pragma once

#include <QLoggingCategory>

// The stamp library on disk ("tamsel.stamps"): an index that could not be read, older
// stamps that could not be brought over.
Q_DECLARE_LOGGING_CATEGORY(lcStamps)
