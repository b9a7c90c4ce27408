#pragma once

#include <QLoggingCategory>

// Code reading ("tamsel.codes"): the reader process that died on a picture, or could
// not be started.
Q_DECLARE_LOGGING_CATEGORY(lcCodes)
