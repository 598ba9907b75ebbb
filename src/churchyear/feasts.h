#pragma once
// The sixteen moveable feasts: a feast number and a year give the feast's first and last day.
#include "common/date.h"

#include <array>

namespace orvelle {

inline constexpr int kFeastCount = 16;

// Captions in feast-number order, which is also the order of the Find Feast radio buttons.
inline constexpr std::array<const char*, kFeastCount> kFeastCaptions = {
    "Baptism of the Lord",
    "Mardi Gras",
    "Ash Wednesday",
    "Lent",
    "Holy Week",
    "Palm Sunday",
    "Holy Thursday",
    "Good Friday",
    "Easter",
    "Divine Mercy",
    "Ascension",
    "Pentecost",
    "Corpus Christi",
    "The Sacred Heart of Jesus",
    "Immaculate Heart of Mary",
    "Advent",
};

// Whole days, both included; First == Last for a one-day feast.
struct TFeastRange {
    TDateTime First;
    TDateTime Last;
};

// Throws Exception("Unknown feast.") for a feast number outside 0..15.
TFeastRange ComputeFeast(int feast, int year);

} // namespace orvelle
