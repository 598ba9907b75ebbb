#pragma once
// The OS's broken-down local time: the only place that knows the two C library spellings.
#include <ctime>

namespace orvelle {

std::tm LocalTime(std::time_t t);

} // namespace orvelle
