#include "stamps/StampsLog.h"

Q_LOGGING_CATEGORY(lcStamps, "tamsel.stamps")
