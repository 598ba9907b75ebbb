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
    return TCalendarGeometry::ForMonth(EncodeDate(year, month, 15) + 0.75, width, height, gridTop);
}
} // namespace

TEST(CalendarGeometry, DaysFallInTheirWeekdayColumnsAndWeekRows)
{
    struct Place {
        unsigned day;
        int column, row;
    };
    struct Case {
        int year;
        unsigned month;
        int firstColumn;
        unsigned days;
        std::vector<Place> places;
    } const cases[] = {
        {2015, 2, 0, 28, {{1, 0, 0}, {7, 6, 0}, {8, 0, 1}, {28, 6, 3}}}, // starts on a Sunday
        {2014, 3, 6, 31, {{1, 6, 0}, {2, 0, 1}, {31, 1, 5}}},            // starts on a Saturday
        {2024, 2, 4, 29, {{1, 4, 0}, {29, 4, 4}}},                       // leap year, Thursday
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month);
        const auto g = Month(c.year, c.month);
        EXPECT_EQ(g.FirstColumn, c.firstColumn);
        EXPECT_EQ(g.DayCount, c.days);
        for (const auto& p : c.places)
            EXPECT_EQ(g.DayCell(p.day), (TGridRect{p.column * Cw, Top + p.row * Rh, (p.column + 1) * Cw,
                                                   Top + (p.row + 1) * Rh}))
                << "day " << p.day;
    }
}

TEST(CalendarGeometry, DateAtPointFindsDaysAndNothingElse)
{
    struct Case {
        int year;
        unsigned month;
        int x, y;
        unsigned day; // 0: no date
        const char* what;
        int width = W, height = Ht, gridTop = Top;
    } const cases[] = {
        {2015, 2, 0, Top, 1, "top-left pixel of the first week row"},
        {2015, 2, 6 * Cw + 1, Top + 4 * Rh - 1, 28, "last day ends row 3"},
        {2015, 2, 10, Top + 4 * Rh + 5, 0, "row 4 is empty"},
        {2015, 2, 6 * Cw + 5, Top + 5 * Rh + 5, 0, "row 5 is empty"},
        {2015, 2, 5, 5, 1, "before the first painting the header maps into the first row", W, Ht, 0},
        {2014, 3, 6 * Cw, Top, 1, "day 1 in the Saturday column"},
        {2014, 3, Cw - 1, Top + 5, 0, "cell before day 1"},
        {2014, 3, Cw, Top + 5 * Rh, 31, "day 31 in column 1 of row 5"},
        {2014, 3, 2 * Cw, Top + 5 * Rh, 0, "cell after day 31"},
        {2014, 3, 6 * Cw + 5, Top - 1, 0, "header row"},
        {2014, 3, 100, Top + 6 * Rh, 0, "strip below the sixth row"},
        {2014, 3, 100, Ht, 0, "bottom edge"},
        {2014, 3, 100, Ht + 1, 0, "below the control"},
        {2014, 3, -1, Top + 40, 0, "left of the control"},
        {2014, 3, W, Top, 0, "X = W: an eighth column would hold day 2"},
        {2014, 3, W + 1, Top, 0, "right of the control"},
        {2014, 3, 440, Top, 1, "last column of a wider control", 445},
        {2014, 3, 443, Top, 0, "strip right of the seventh column", 445},
        {2014, 3, 3, Top + 2, 0, "too narrow for a column", 6},
        {2014, 3, 400, Top + 2, 0, "too low for a row", W, Top + 5},
    };
    for (const auto& c : cases) {
        const TDateTime expected = c.day ? EncodeDate(c.year, c.month, c.day) : NoDate;
        EXPECT_EQ(Month(c.year, c.month, c.width, c.height, c.gridTop).DateAtPoint(c.x, c.y), expected)
            << c.what;
    }
}
