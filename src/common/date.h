#pragma once
// The shared Date: days since 1899-12-30 as a double, time of day as the fraction; -1 = no date.
#include <chrono>

namespace orvelle {

using TDateTime = double;
inline constexpr TDateTime NoDate = -1.0;

// Throws Exception("Invalid argument to date encode") for an impossible date.
TDateTime EncodeDate(int year, unsigned month, unsigned day);
bool TryEncodeDate(int year, unsigned month, unsigned day, TDateTime& out);
void DecodeDate(TDateTime date, int& year, unsigned& month, unsigned& day);
std::chrono::year_month_day ToYmd(TDateTime date);
TDateTime FromYmd(std::chrono::year_month_day ymd);
int DayOfTheWeek(TDateTime date); // 1 = Monday .. 7 = Sunday
TDateTime IncDay(TDateTime date, int days = 1);
unsigned DaysInMonth(int year, unsigned month);

} // namespace orvelle
