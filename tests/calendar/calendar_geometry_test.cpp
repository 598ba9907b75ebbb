#include "calendar/calendar_geometry.h"

#include <gtest/gtest.h>

#include <vector>

using namespace orvelle;

namespace {

// The main window's calendar is 441 x 212; with a 21-pixel grid top a column is 63 pixels wide
// and a row (212 - 21) div 6 = 31 pixels high.
constexpr int W = 441, Ht = 212, Top = 21, Cw = 63, Rh = 31;

TCalendarGeometry Month(int year, unsigned month, int width = W, int height = Ht, int gridTop = Top)
{
    return TCalendarGeometry::ForMonth(EncodeDate(year, month, 15), width, height, gridTop);
}

struct DayPlace {
    unsigned day;
    int column, row;
};

struct MonthCase {
    int year;
    unsigned month;
    int firstColumn;
    unsigned days;
    std::vector<DayPlace> places;
};

} // namespace

TEST(CalendarGeometry, DaysFallInTheirWeekdayColumnsAndWeekRows)
{
    const MonthCase cases[] = {
        {2015, 2, 0, 28, {{1, 0, 0}, {7, 6, 0}, {8, 0, 1}, {28, 6, 3}}},  // starts on a Sunday
        {2014, 3, 6, 31, {{1, 6, 0}, {2, 0, 1}, {31, 1, 5}}},             // starts on a Saturday
        {2024, 2, 4, 29, {{1, 4, 0}, {29, 4, 4}}},                         // leap February, Thursday
        {1900, 1, 1, 31, {{1, 1, 0}, {31, 3, 4}}},                         // Monday 1 January 1900
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month);
        const auto g = Month(c.year, c.month);
        EXPECT_EQ(g.FirstColumn, c.firstColumn);
        EXPECT_EQ(g.DayCount, c.days);
        for (const auto& p : c.places) {
            EXPECT_EQ(g.ColumnOfDay(p.day), p.column) << "day " << p.day;
            EXPECT_EQ(g.RowOfDay(p.day), p.row) << "day " << p.day;
            EXPECT_EQ(g.DayCell(p.day), (TGridRect{p.column * Cw, Top + p.row * Rh, (p.column + 1) * Cw,
                                                   Top + (p.row + 1) * Rh}));
        }
    }
}

TEST(CalendarGeometry, HeaderTakesTheTallerFontPlusTwoPixels)
{
    EXPECT_EQ(TCalendarGeometry::GridTopFor(18, 15), 20);
    EXPECT_EQ(TCalendarGeometry::GridTopFor(12, 16), 18);
}

TEST(CalendarGeometry, DateAtPointFindsDaysAndNothingElse)
{
    struct PointCase {
        int year;
        unsigned month;
        int x, y;
        unsigned day; // 0: no date
        const char* what;
    };
    const PointCase cases[] = {
        {2015, 2, 0, Top, 1, "top-left pixel of the first week row"},
        {2015, 2, 6 * Cw + 1, Top + 3 * Rh + Rh - 1, 28, "last day ends row 3"},
        {2015, 2, 10, Top + 4 * Rh + 5, 0, "row 4 is empty"},
        {2015, 2, 6 * Cw + 5, Top + 5 * Rh + 5, 0, "row 5 is empty"},
        {2014, 3, 6 * Cw, Top, 1, "day 1 in the Saturday column"},
        {2014, 3, Cw - 1, Top + 5, 0, "cell before day 1"},
        {2014, 3, Cw, Top + 5 * Rh, 31, "day 31 in column 1 of row 5"},
        {2014, 3, 2 * Cw, Top + 5 * Rh, 0, "cell after day 31"},
        {2014, 3, 6 * Cw + 5, Top - 1, 0, "header row"},
        {2014, 3, 100, Top + 6 * Rh, 0, "strip below the sixth row"},
        {2014, 3, 100, Ht, 0, "bottom edge"},
        {2014, 3, 100, Ht + 1, 0, "below the control"},
        {2014, 3, -1, Top + 40, 0, "left of the control"},
        {2014, 3, W, Top, 0, "X = W is past the seventh column"},
        {2014, 3, W + 1, Top, 0, "right of the control"},
    };
    for (const auto& c : cases) {
        const TDateTime expected = c.day ? EncodeDate(c.year, c.month, c.day) : NoDate;
        EXPECT_EQ(Month(c.year, c.month).DateAtPoint(c.x, c.y), expected) << c.what;
    }
}

TEST(CalendarGeometry, StripRightOfTheSeventhColumnHasNoDays)
{
    // 445 div 7 = 63: columns end at 441, four pixels short of the right edge. Row 0 there would
    // otherwise count as an eighth column holding day 2 of March 2014.
    const auto g = Month(2014, 3, 445);
    EXPECT_EQ(g.DateAtPoint(440, Top), EncodeDate(2014, 3, 1));
    for (int x = 441; x <= 445; ++x)
        EXPECT_EQ(g.DateAtPoint(x, Top), NoDate) << x;
}

TEST(CalendarGeometry, TooSmallForCellsMapsNoPoint)
{
    const TCalendarGeometry tooNarrow = Month(2015, 2, 6, 212);
    const TCalendarGeometry tooLow = Month(2015, 2, 441, Top + 5);
    for (int x : {0, 3, 6})
        for (int y : {Top, Top + 2, Top + 5}) {
            EXPECT_EQ(tooNarrow.DateAtPoint(x, y), NoDate);
            EXPECT_EQ(tooLow.DateAtPoint(x * 50, y), NoDate);
        }
}

TEST(CalendarGeometry, BeforeFirstPaintingTheHeaderAreaIsTheFirstWeekRow)
{
    const auto g = Month(2015, 2, W, Ht, 0);
    EXPECT_EQ(g.DateAtPoint(5, 5), EncodeDate(2015, 2, 1));
    EXPECT_EQ(g.RowHeight(), 212 / 6);
}

TEST(CalendarGeometry, TimeOfDayOfTheShownDateIsIgnored)
{
    const auto g = TCalendarGeometry::ForMonth(EncodeDate(2014, 3, 15) + 0.75, W, Ht, Top);
    EXPECT_EQ(g.Year, 2014);
    EXPECT_EQ(g.Month, 3u);
    EXPECT_EQ(g.DateAtPoint(Cw + 1, Top + 5 * Rh + 1), EncodeDate(2014, 3, 31)) << "a whole day";
}
