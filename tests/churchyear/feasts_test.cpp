#include "churchyear/feasts.h"
#include "common/exception.h"

#include <gtest/gtest.h>

using namespace orvelle;

namespace {

struct FeastCase {
    int feast;
    const char* caption;
    unsigned firstMonth, firstDay, lastMonth, lastDay;
};

// 2024: Easter Sunday is 31 March.
const FeastCase k2024[] = {
    {0, "Baptism of the Lord", 1, 7, 1, 7},
    {1, "Mardi Gras", 2, 13, 2, 13},
    {2, "Ash Wednesday", 2, 14, 2, 14},
    {3, "Lent", 2, 14, 3, 31},
    {4, "Holy Week", 3, 24, 3, 31},
    {5, "Palm Sunday", 3, 24, 3, 24},
    {6, "Holy Thursday", 3, 28, 3, 28},
    {7, "Good Friday", 3, 29, 3, 29},
    {8, "Easter", 3, 31, 3, 31},
    {9, "Divine Mercy", 4, 7, 4, 7},
    {10, "Ascension", 5, 9, 5, 9},
    {11, "Pentecost", 5, 19, 5, 19},
    {12, "Corpus Christi", 5, 30, 5, 30},
    {13, "The Sacred Heart of Jesus", 6, 7, 6, 7},
    {14, "Immaculate Heart of Mary", 6, 8, 6, 8},
    {15, "Advent", 12, 1, 12, 25},
};

} // namespace

TEST(Feasts, AllSixteenOf2024WithTheirCaptions)
{
    for (const FeastCase& c : k2024) {
        SCOPED_TRACE(c.caption);
        EXPECT_STREQ(kFeastCaptions[c.feast], c.caption);
        const TFeastRange r = ComputeFeast(c.feast, 2024);
        EXPECT_EQ(r.First, EncodeDate(2024, c.firstMonth, c.firstDay));
        EXPECT_EQ(r.Last, EncodeDate(2024, c.lastMonth, c.lastDay));
    }
}

TEST(Feasts, WeekdaySearchesAroundSundayEpiphanyAndChristmas)
{
    struct Case {
        int feast, year;
        unsigned month, day;
    };
    const Case cases[] = {
        {0, 2019, 1, 13},                    // 6 January is a Sunday: the next one
        {0, 2025, 1, 12},   {0, 2023, 1, 8}, // 6 January a Friday
        {15, 2022, 11, 27},                  // 25 December is a Sunday: four Sundays strictly before
        {15, 2023, 12, 3},                   // 25 December a Monday
        {15, 2025, 11, 30},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.feast << " " << c.year);
        const TFeastRange r = ComputeFeast(c.feast, c.year);
        EXPECT_EQ(r.First, EncodeDate(c.year, c.month, c.day));
        EXPECT_EQ(r.Last, c.feast == 15 ? EncodeDate(c.year, 12, 25) : r.First);
    }
}

TEST(Feasts, SearchedSundaysStayInTheirWindowsForEveryYearOfTheDialog)
{
    for (int year = 1900; year <= 2100; ++year) {
        SCOPED_TRACE(year);
        const TDateTime baptism = ComputeFeast(0, year).First;
        EXPECT_EQ(DayOfTheWeek(baptism), 7);
        EXPECT_GE(baptism, EncodeDate(year, 1, 7));
        EXPECT_LE(baptism, EncodeDate(year, 1, 13));
        const TDateTime advent = ComputeFeast(15, year).First;
        EXPECT_EQ(DayOfTheWeek(advent), 7);
        EXPECT_GE(advent, EncodeDate(year, 11, 27));
        EXPECT_LE(advent, EncodeDate(year, 12, 3));
    }
}

TEST(Feasts, LentSpansFortySevenDaysFromAshWednesdayToEaster)
{
    for (int year : {1900, 2000, 2024, 2025, 2100}) {
        const TFeastRange lent = ComputeFeast(3, year);
        EXPECT_EQ(lent.Last - lent.First + 1, 47) << year;
        EXPECT_EQ(DayOfTheWeek(lent.First), 3) << year;
        EXPECT_EQ(lent.First, ComputeFeast(2, year).First) << year;
        EXPECT_EQ(lent.Last, ComputeFeast(8, year).First) << year;
    }
}

TEST(Feasts, NumbersOutsideTheTableAreUnknown)
{
    for (int feast : {-1, 16, 255}) {
        try {
            ComputeFeast(feast, 2024);
            ADD_FAILURE() << feast << " was accepted";
        } catch (const Exception& e) {
            EXPECT_STREQ(e.what(), "Unknown feast.");
        }
    }
}
