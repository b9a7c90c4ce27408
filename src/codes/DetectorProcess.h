#pragma once

// Debian's build of the detector keeps its assertions, and one of them (in the
// comparison of two linear results with the same text) aborts the whole process
// when a picture holds the same linear code twice. So the detector runs in a
// reader process forked from this one: an abort there costs that picture's
// first pass and a new reader, never the user's open documents.

#include "codes/CodeDetector.h"

namespace DetectorProcess {

// The codes of `grey` as CodeDetector::everything finds them, read in the
// reader process; after an abort there, found one by one. Without a reader
// process (no memory for one), only the matrix codes, read here. Pictures are
// read one at a time; safe on any thread.
std::vector<CodeDetector::RawCode> detect(const CodeDetector::Grey &grey);

} // namespace DetectorProcess
