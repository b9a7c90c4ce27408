#pragma once

// The engine as tests make it when the number of its workers is not what they
// check: two workers. The engine's own tests take it through many at once;
// here more would only crowd a machine that runs the suite's programs side by
// side, each loading every document on every worker.

#include "engine/PDFEngine.h"

#include <algorithm>

namespace TestEngine {

inline PDFEngine::Options options()
{
    PDFEngine::Options options = PDFEngine::Options::standard();
    options.workers = std::min(options.workers, 2);
    return options;
}

} // namespace TestEngine
