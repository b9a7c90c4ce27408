#pragma once

// The hand-over from a running copy of the program to a new one: the new copy
// waits for the old one to end before it goes on, so that it does not hand its
// files over to the old copy as a second launch would.

#include <QString>

namespace Relaunch {

// Starts `program` (absolute path) detached, with this process's environment and
// working folder, telling it which copy it replaces. False when it cannot be started.
bool startSuccessor(const QString &program);

// In a copy started by startSuccessor(): waits, at most ten seconds, until the copy
// it replaces has ended. Returns at once in any other copy. Call once at start-up,
// before the single-instance channel opens.
void waitForPredecessor();

} // namespace Relaunch
