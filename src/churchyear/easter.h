#pragma once
// Easter Sunday: the computus in its Julian, Julian-as-Gregorian and Gregorian variants.
#include "common/date.h"

#include <cstdint>

namespace orvelle {

// method 1 = Julian computation, Julian calendar date; 2 = Julian computation as a Gregorian
// date (may fall in May); any other value = Gregorian computation. Meaningful for the years
// 326..1582 (method 1) and 1583..4099 (all methods); other years follow the same arithmetic.
void ComputeEaster(uint16_t year, uint16_t method, int32_t& day, int32_t& month);

// Easter Sunday of the Gregorian calendar as a whole-day Date.
TDateTime EasterDate(int32_t year);

} // namespace orvelle
