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

TFeastRange ComputeFeast(int feast, int year)
{
    const TDateTime E = EasterDate(year);
    auto oneDay = [](TDateTime d) { return TFeastRange{d, d}; };
    switch (feast) {
    case 0:
        return oneDay(BaptismOfTheLord(year));
    case 1:
        return oneDay(IncDay(E, -47));
    case 2:
        return oneDay(IncDay(E, -46));
    case 3:
        return {IncDay(E, -46), E};
    case 4:
        return {IncDay(E, -7), E};
    case 5:
        return oneDay(IncDay(E, -7));
    case 6:
        return oneDay(IncDay(E, -3));
    case 7:
        return oneDay(IncDay(E, -2));
    case 8:
        return oneDay(E);
    case 9:
        return oneDay(IncDay(E, 7));
    case 10:
        return oneDay(IncDay(E, 39));
    case 11:
        return oneDay(IncDay(E, 49));
    case 12:
        return oneDay(IncDay(E, 60));
    case 13:
        return oneDay(IncDay(E, 68));
    case 14:
        return oneDay(IncDay(E, 69));
    case 15:
        return {FirstSundayOfAdvent(year), EncodeDate(year, 12, 25)};
    default:
        throw Exception("Unknown feast.");
    }
}

} // namespace orvelle
