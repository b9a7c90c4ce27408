#pragma once

#include <QLoggingCategory>

// The supervisor's log ("tamsel.engine"): workers replaced, jobs that ran out of
// time or memory, documents refused after ending workers. Warnings only, so that
// a user can send what went wrong without turning anything on.
Q_DECLARE_LOGGING_CATEGORY(lcEngine)
