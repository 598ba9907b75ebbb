#pragma once
// Deterministic synthetic saints files of any size, in the shipped file's format, for benchmarks
// and load tests.
#include <cstddef>
#include <string>

namespace orvelle {

// About `bytes` bytes (a little more) of valid rows spread over all 366 days in calendar order.
std::string MakeSyntheticSaints(size_t bytes, unsigned seed = 1);

} // namespace orvelle
