#include "churchyear/easter.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <tuple>

using namespace orvelle;

namespace {

struct DayMonth {
    int32_t day;
    int32_t month;
};

DayMonth Easter(uint16_t year, uint16_t method)
{
    DayMonth r{-1, -1};
    ComputeEaster(year, method, r.day, r.month);
    return r;
}

// Days from 1 March: lets the method 1 and method 2 results be compared across months.
int DayOfMarch(DayMonth dm)
{
    return dm.day + (dm.month == 4 ? 31 : dm.month == 5 ? 61 : 0);
}

} // namespace

TEST(Easter, GregorianDatesOfKnownYears)
{
    const std::tuple<int, int, int> known[] = {
        {1900, 4, 15}, {1913, 3, 23}, {1943, 4, 25}, {2000, 4, 23}, {2008, 3, 23},
        {2011, 4, 24}, {2024, 3, 31}, {2025, 4, 20}, {2038, 4, 25}, {2100, 3, 28},
    };
    for (auto [year, month, day] : known) {
        SCOPED_TRACE(year);
        const DayMonth r = Easter(static_cast<uint16_t>(year), 3);
        EXPECT_EQ(r.month, month);
        EXPECT_EQ(r.day, day);
        EXPECT_EQ(EasterDate(year), EncodeDate(year, month, day));
    }
}

TEST(Easter, EarliestAndLatestOfTheTwoCenturiesOfTheDialog)
{
    int earliest = 99, latest = 0;
    std::vector<int> earliestYears, latestYears;
    for (int year = 1900; year <= 2100; ++year) {
        const TDateTime e = EasterDate(year);
        ASSERT_EQ(DayOfTheWeek(e), 7) << year;
        const int d = DayOfMarch(Easter(static_cast<uint16_t>(year), 3));
        if (d < earliest)
            earliest = d, earliestYears.clear();
        if (d == earliest)
            earliestYears.push_back(year);
        if (d > latest)
            latest = d, latestYears.clear();
        if (d == latest)
            latestYears.push_back(year);
    }
    EXPECT_EQ(earliest, 23);    // 23 March
    EXPECT_EQ(latest, 31 + 25); // 25 April
    EXPECT_EQ(earliestYears, (std::vector<int>{1913, 2008}));
    EXPECT_EQ(latestYears, (std::vector<int>{1943, 2038}));
}

TEST(Easter, JulianMethodsFor2024And2100)
{
    const DayMonth julian2024 = Easter(2024, 1);
    EXPECT_EQ(julian2024.month, 4);
    EXPECT_EQ(julian2024.day, 22);
    const DayMonth orthodox2024 = Easter(2024, 2);
    EXPECT_EQ(orthodox2024.month, 5);
    EXPECT_EQ(orthodox2024.day, 5);
    const DayMonth orthodox2100 = Easter(2100, 2);
    EXPECT_EQ(orthodox2100.month, 5);
    EXPECT_EQ(orthodox2100.day, 2);
}

TEST(Easter, Method2ShiftsMethod1ByTheCalendarDifference)
{
    // 10 days up to 1600, then one more day for each century year that is not a Gregorian leap year.
    const std::tuple<int, int> shifts[] = {{326, 10},  {1500, 10}, {1600, 10}, {1601, 10}, {1700, 11},
                                           {1800, 12}, {1899, 12}, {1900, 13}, {2024, 13}, {2099, 13},
                                           {2100, 14}, {2200, 15}, {2400, 16}, {4099, 28}};
    for (auto [year, shift] : shifts) {
        SCOPED_TRACE(year);
        const auto y = static_cast<uint16_t>(year);
        EXPECT_EQ(DayOfMarch(Easter(y, 2)) - DayOfMarch(Easter(y, 1)), shift);
    }
}

TEST(Easter, EveryOtherMethodValueIsGregorian)
{
    for (uint16_t method : {0, 3, 4, 7, 65535}) {
        for (uint16_t year : {1583, 1900, 1954, 2024, 2100, 4099}) {
            SCOPED_TRACE(testing::Message() << "method " << method << " year " << year);
            const DayMonth r = Easter(year, method), g = Easter(year, 3);
            EXPECT_EQ(r.day, g.day);
            EXPECT_EQ(r.month, g.month);
        }
    }
}

TEST(Easter, GregorianArithmeticHalvesNegativeCenturiesTowardZero)
{
    // Worked by hand for C = 10: (C - 15) div 2 = -2; rounding down to -3 would give 23 March
    // for 1006 and 20 April for 1017.
    const DayMonth y1006 = Easter(1006, 3), y1017 = Easter(1017, 3);
    EXPECT_EQ(y1006.month, 3);
    EXPECT_EQ(y1006.day, 30);
    EXPECT_EQ(y1017.month, 3);
    EXPECT_EQ(y1017.day, 23);
}

// dateutil's easter() is an independent implementation of the same three methods
// (1 Julian, 2 Julian as Gregorian, 3 Gregorian).
TEST(Easter, AgreesWithDateutilOverThePublishedRange)
{
    const char* script = "import sys\n"
                         "from dateutil.easter import easter\n"
                         "for y in range(326, 4100):\n"
                         "    for m in ((1,) if y < 1583 else (1, 2, 3)):\n"
                         "        e = easter(y, m)\n"
                         "        print(y, m, e.month, e.day)\n";
    const std::string command = std::string("python3 -c '") + script + "' 2>/dev/null";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe)
        GTEST_SKIP() << "python3 is not available";

    int year, method, month, day, compared = 0, mismatches = 0;
    std::map<int, int> perMethod;
    while (std::fscanf(pipe.get(), "%d %d %d %d", &year, &method, &month, &day) == 4) {
        const DayMonth r = Easter(static_cast<uint16_t>(year), static_cast<uint16_t>(method));
        if (r.month != month || r.day != day) {
            if (++mismatches <= 10)
                ADD_FAILURE() << "year " << year << " method " << method << ": " << r.day << "." << r.month
                              << " instead of " << day << "." << month;
        }
        ++compared;
        ++perMethod[method];
    }
    pclose(pipe.release());
    if (compared == 0) // also where the shell is not a POSIX one (the Windows build under Wine)
        GTEST_SKIP() << "python3 with dateutil is not available";
    EXPECT_EQ(mismatches, 0);
    EXPECT_EQ(perMethod[1], 4099 - 326 + 1);
    EXPECT_EQ(perMethod[2], 4099 - 1583 + 1);
    EXPECT_EQ(perMethod[3], 4099 - 1583 + 1);
}
