// Read before every source by tools/run-clang-tidy.sh, never by a compiler.
//
// In C++20, clang (14 to 16 at least) defines qpdf's JSON::JSON_array
// destructor while JSON is still incomplete and so instantiates the constexpr
// std::vector<JSON> destructor at once; that fails, and every file including a
// qpdf header could not be analysed. GCC defers it. Declaring that one
// destructor as an explicit specialization keeps clang from instantiating it;
// nothing is built from this.
#pragma once

#include <vector>

#pragma clang diagnostic ignored "-Wundefined-inline"

class JSON;
template<> constexpr std::vector<JSON>::~vector() noexcept;
