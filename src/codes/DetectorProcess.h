#pragma once

// The detector reads a stranger's pixels, so it runs in a program of its own,
// `tamsel-detector`, confined like the engine's workers (platform/Sandbox.h)
// and holding nothing of this program's memory. Debian's build of the
// detector also keeps its assertions, and one of them (in the comparison of two
// linear results with the same text) aborts the whole process when a picture
// holds the same linear code twice: an abort there costs that picture's first
// pass and a new reader, never the user's open documents.

#include "codes/CodeDetector.h"

namespace DetectorProcess {

// The codes of `grey` as CodeDetector::everything finds them, read in the
// reader process; after an abort there, found one by one. Nothing when the
// reader can't be started. Pictures are read one at a time; safe on any thread.
std::vector<CodeDetector::RawCode> detect(const CodeDetector::Grey &grey);

// The reader's side: pictures in over `fd`, answers out, until it closes.
// Returns the process's exit code.
int serve(int fd);

} // namespace DetectorProcess
