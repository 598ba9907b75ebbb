#include "common/date.h"

#include "common/exception.h"

#include <cmath>

namespace orvelle {

using namespace std::chrono;

namespace {
constexpr sys_days kEpoch = sys_days{1899y / December / 30};
}

bool TryEncodeDate(int year, unsigned month, unsigned day, TDateTime& out)
{
    if (year < 1 || year > 9999)
        return false;
    const year_month_day ymd{std::chrono::year{year}, std::chrono::month{month}, std::chrono::day{day}};
    if (!ymd.ok())
        return false;
    out = FromYmd(ymd);
    return true;
}

TDateTime EncodeDate(int year, unsigned month, unsigned day)
{
    TDateTime out;
    if (!TryEncodeDate(year, month, day, out))
        throw Exception("Invalid argument to date encode");
    return out;
}

TDateTime FromYmd(year_month_day ymd)
{
    return static_cast<TDateTime>((sys_days{ymd} - kEpoch).count());
}

year_month_day ToYmd(TDateTime date)
{
    // The whole-day part counts toward zero, so -1.5 is still 29 December 1899.
    return year_month_day{kEpoch + days{static_cast<long>(std::trunc(date))}};
}

void DecodeDate(TDateTime date, int& year, unsigned& month, unsigned& day)
{
    const auto ymd = ToYmd(date);
    year = static_cast<int>(ymd.year());
    month = static_cast<unsigned>(ymd.month());
    day = static_cast<unsigned>(ymd.day());
}

int DayOfTheWeek(TDateTime date)
{
    const weekday wd{sys_days{ToYmd(date)}};
    return static_cast<int>(wd.iso_encoding());
}

TDateTime IncDay(TDateTime date, int days)
{
    return date + days;
}

unsigned DaysInMonth(int year, unsigned month)
{
    return static_cast<unsigned>(
        year_month_day_last{std::chrono::year{year}, month_day_last{std::chrono::month{month}}}.day());
}

} // namespace orvelle
