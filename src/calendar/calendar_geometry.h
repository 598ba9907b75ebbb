#pragma once
// The month grid of the calendar control without a screen: seven columns (Sunday first) and six
// week rows under a header, the cell of each day and the day under a point.
#include "common/date.h"
#include "common/rect.h"

namespace orvelle {

// A cell or a line of the grid: (x1, y1, x2, y2) covers x1..x2-1, y1..y2-1.
using TGridRect = TRect;

// The first pixel covered by a pen of the given width centred on pixel `at` (width 0 draws one pixel).
int PenStart(int at, int penWidth);
int PenPixels(int penWidth);

struct TCalendarGeometry {
    int Width = 0;   // W
    int Height = 0;  // Ht
    int GridTop = 0; // top of the first week row
    int Year = 1900;
    unsigned Month = 1;
    int FirstColumn = 0;   // column of day 1: Sunday = 0 .. Saturday = 6
    unsigned DayCount = 0; // days in the month

    // The month of `shown` (its time of day does not matter) on a W x Ht area.
    static TCalendarGeometry ForMonth(TDateTime shown, int width, int height, int gridTop);
    // The header row takes the taller of the two header fonts plus a pixel above and below.
    static int GridTopFor(int dayRowTextHeight, int sundayTextHeight);

    int ColumnWidth() const { return Width / 7; }
    int RowHeight() const { return (Height - GridTop) / 6; }
    int ColumnOfDay(unsigned day) const { return static_cast<int>((FirstColumn + day - 1) % 7); }
    int RowOfDay(unsigned day) const { return static_cast<int>((FirstColumn + day - 1) / 7); }
    TGridRect Cell(int column, int row) const;
    TGridRect DayCell(unsigned day) const { return Cell(ColumnOfDay(day), RowOfDay(day)); }
    TDateTime DayDate(unsigned day) const;

    // The whole day under (x, y), or NoDate on the header, an empty cell, a margin or outside.
    TDateTime DateAtPoint(int x, int y) const;
};

} // namespace orvelle
