#include "calendar/calendar_geometry.h"

#include <algorithm>

namespace orvelle {

int PenPixels(int penWidth)
{
    return std::max(penWidth, 1);
}

int PenStart(int at, int penWidth)
{
    return at - PenPixels(penWidth) / 2;
}

TCalendarGeometry TCalendarGeometry::ForMonth(TDateTime shown, int width, int height, int gridTop)
{
    TCalendarGeometry g;
    g.Width = width;
    g.Height = height;
    g.GridTop = gridTop;
    unsigned day;
    DecodeDate(shown, g.Year, g.Month, day);
    g.FirstColumn = DayOfTheWeek(EncodeDate(g.Year, g.Month, 1)) % 7;
    g.DayCount = DaysInMonth(g.Year, g.Month);
    return g;
}

int TCalendarGeometry::GridTopFor(int dayRowTextHeight, int sundayTextHeight)
{
    return std::max(dayRowTextHeight, sundayTextHeight) + 2;
}

TGridRect TCalendarGeometry::Cell(int column, int row) const
{
    const int cw = ColumnWidth(), rh = RowHeight();
    return {column * cw, GridTop + row * rh, (column + 1) * cw, GridTop + (row + 1) * rh};
}

TDateTime TCalendarGeometry::DayDate(unsigned day) const
{
    return EncodeDate(Year, Month, day);
}

TDateTime TCalendarGeometry::DateAtPoint(int x, int y) const
{
    if (y < GridTop || y > Height || x < 0 || x > Width)
        return NoDate;
    const int cw = ColumnWidth(), rh = RowHeight();
    // A control too small for a column or a row has no cells; the strip right of the seventh
    // column (and X = W itself) would otherwise count as an eighth column of the next week.
    if (cw <= 0 || rh <= 0)
        return NoDate;
    const int column = x / cw, row = (y - GridTop) / rh;
    if (column > 6)
        return NoDate;
    const int n = row * 7 + column - FirstColumn + 1;
    if (n < 1 || n > static_cast<int>(DayCount))
        return NoDate;
    return DayDate(static_cast<unsigned>(n));
}

} // namespace orvelle
