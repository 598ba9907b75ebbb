#include "churchyear/feasts.h"

#include "churchyear/easter.h"
#include "common/exception.h"

namespace orvelle {

namespace {

constexpr int kSunday = 7;

// The first Sunday strictly after 6 January.
TDateTime BaptismOfTheLord(int year)
{
    TDateTime day = EncodeDate(year, 1, 6);
    for (int i = 0; i < 7; ++i) {
        day = IncDay(day, 1);
        if (DayOfTheWeek(day) == kSunday)
            break;
    }
    return day;
}

// The fourth Sunday strictly before Christmas.
TDateTime FirstSundayOfAdvent(int year)
{
    TDateTime day = EncodeDate(year, 12, 25);
    for (int sunday = 0; sunday < 4; ++sunday) {
        for (int i = 0; i < 7; ++i) {
            day = IncDay(day, -1);
            if (DayOfTheWeek(day) == kSunday)
                break;
        }
    }
    return day;
}

} // namespace

// First and last day of each feast counted from Easter Sunday; Baptism (0) and Advent (15) are
// found by their weekday searches instead.
constexpr struct {
    int first, last;
} kEasterOffsets[kFeastCount] = {{0, 0},   {-47, -47}, {-46, -46}, {-46, 0}, {-7, 0},  {-7, -7},
                                 {-3, -3}, {-2, -2},   {0, 0},     {7, 7},   {39, 39}, {49, 49},
                                 {60, 60}, {68, 68},   {69, 69},   {0, 0}};

TFeastRange ComputeFeast(int feast, int year)
{
    const TDateTime E = EasterDate(year);
    if (feast < 0 || feast >= kFeastCount)
        throw Exception("Unknown feast.");
    if (feast == 0) {
        const TDateTime baptism = BaptismOfTheLord(year);
        return {baptism, baptism};
    }
    if (feast == 15)
        return {FirstSundayOfAdvent(year), EncodeDate(year, 12, 25)};
    return {IncDay(E, kEasterOffsets[feast].first), IncDay(E, kEasterOffsets[feast].last)};
}

} // namespace orvelle
