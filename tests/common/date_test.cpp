#include "common/date.h"
#include "common/exception.h"

#include <gtest/gtest.h>

using namespace orvelle;

TEST(Date, KnownDayNumbers)
{
    // Day 0 is 30 December 1899; 1 January 1900 is day 2; 1 January 2000 is day 36526.
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
    EXPECT_EQ(EncodeDate(1900, 1, 1), 2);
    EXPECT_EQ(EncodeDate(2000, 1, 1), 36526);
    int y;
    unsigned m, d;
    DecodeDate(NoDate, y, m, d);
    EXPECT_EQ(y * 10000 + m * 100 + d, 18991229);
    DecodeDate(36526.99, y, m, d);
    EXPECT_EQ(y * 10000 + m * 100 + d, 20000101);
}

TEST(Date, RoundTripsEveryDayOfTwoCenturies)
{
    for (TDateTime t = EncodeDate(1900, 1, 1); t <= EncodeDate(2100, 12, 31); t += 1) {
        int y;
        unsigned m, d;
        DecodeDate(t, y, m, d);
        ASSERT_EQ(EncodeDate(y, m, d), t);
    }
}

TEST(Date, ImpossibleDatesRaise)
{
    for (auto [y, m, d] :
         {std::tuple{2023, 2u, 29u}, {2100, 2u, 29u}, {2024, 4u, 31u}, {2024, 13u, 1u}, {2024, 1u, 0u}})
        EXPECT_THROW(EncodeDate(y, m, d), Exception);
    EXPECT_NO_THROW(EncodeDate(2000, 2, 29));
    try {
        EncodeDate(2023, 2, 29);
        ADD_FAILURE() << "29 February 2023 was encoded";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "Invalid argument to date encode");
    }
}

TEST(Date, WeekdaysMondayIsOne)
{
    EXPECT_EQ(DayOfTheWeek(EncodeDate(2024, 3, 31)), 7); // Easter Sunday 2024
    EXPECT_EQ(DayOfTheWeek(EncodeDate(2015, 2, 1)), 7);
    EXPECT_EQ(DayOfTheWeek(EncodeDate(2014, 3, 1)), 6);
    EXPECT_EQ(DayOfTheWeek(EncodeDate(2023, 12, 25)), 1);
}

TEST(Date, MonthLengths)
{
    EXPECT_EQ(DaysInMonth(2024, 2), 29u);
    EXPECT_EQ(DaysInMonth(1900, 2), 28u);
    EXPECT_EQ(DaysInMonth(2000, 2), 29u);
    EXPECT_EQ(DaysInMonth(2025, 4), 30u);
}
