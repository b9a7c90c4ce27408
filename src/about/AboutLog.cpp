#include "about/AboutLog.h"

Q_LOGGING_CATEGORY(lcAbout, "tamsel.about")
