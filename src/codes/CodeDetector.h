#pragma once

// The detector's passes over one grey picture, in plain types so that their
// results can cross a pipe from the reader process (DetectorProcess.h). Each
// call is independent; safe on any thread.

#include <cstdint>
#include <string>
#include <vector>

namespace CodeDetector {

// One result as the detector gives it: its format (the detector's own value),
// its text in UTF-8 and its four corners in pixels.
struct RawCode
{
    int format = 0;
    std::string text;
    int x[4] = {};
    int y[4] = {};
};

struct Grey
{
    std::vector<uint8_t> pixels; // width x height, no padding
    int width = 0;
    int height = 0;
};

// Every code in the picture, plus Data Matrix and Aztec codes away from its middle.
std::vector<RawCode> everything(const Grey &grey);

// The same kinds, found one at a time; slower, but safe from the detector's
// assertion about repeated linear codes (see DetectorProcess.h).
std::vector<RawCode> oneByOne(Grey grey);

// Matrix codes only: their comparison never reaches that assertion.
std::vector<RawCode> matrixCodes(const Grey &grey);

// The detector's name of a format value of RawCode.
std::string formatName(int format);

} // namespace CodeDetector
