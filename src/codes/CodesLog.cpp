#include "codes/CodesLog.h"

Q_LOGGING_CATEGORY(lcCodes, "tamsel.codes")
