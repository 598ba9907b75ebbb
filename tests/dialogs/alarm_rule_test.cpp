#include "dialogs/alarm_rule.h"

#include <gtest/gtest.h>

using namespace orvelle;

TEST(AlarmRule, DueOnlyOnTheStoredCalendarDay)
{
    constexpr double minute = 1.0 / 1440;
    const TDateTime day = EncodeDate(2026, 12, 8);
    const struct {
        const char* what;
        TDateTime alarm, now;
        bool due;
    } cases[] = {
        {"today, stored at midnight, now at noon", day, day + 0.5, true},
        {"stored at 23:59, from 00:00 of that day", day + 1439 * minute, day, true},
        {"stored at 00:00, at 23:59 of that day", day, day + 1439 * minute, true},
        {"yesterday at 23:59", day - minute, day, false},
        {"tomorrow at 00:00", day + 1, day + 1439 * minute, false},
        {"same day and month a year ago", EncodeDate(2025, 12, 8), day, false},
        {"same day and month next year", EncodeDate(2027, 12, 8), day, false},
        {"same day of another month", EncodeDate(2026, 11, 8), day, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsAlarmDue(c.alarm, c.now), c.due) << c.what;
}
