#pragma once

#include <QLoggingCategory>

// The update check and the self-updater ("tamsel.about"): checks and installs that
// failed, with the reason the user was shown.
Q_DECLARE_LOGGING_CATEGORY(lcAbout)
