#include "worker/WorkerLog.h"

Q_LOGGING_CATEGORY(lcWorker, "tamsel.worker")
