#pragma once

#include <QLoggingCategory>

// The worker's own log ("tamsel.worker"), on the standard error it shares with the
// program: why a worker refused to start or gave up on its connection.
Q_DECLARE_LOGGING_CATEGORY(lcWorker)
