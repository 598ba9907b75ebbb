#include "calendar/calendar_control.h"

#include "common/error_box.h"
#include "common/qt_bridge.h"
#include "common/text.h"
#include "data/saints_data.h"

#include <QEnterEvent>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <array>
#include <cmath>
#include <exception>
#include <string>

namespace orvelle {

namespace {

TCalendarFont PointFont(const QString& family, int points, bool bold, const QColor& color)
{
    QFont font(family);
    font.setPointSize(points);
    font.setBold(bold);
    return {font, color};
}

TCalendarFont PixelFont(const QString& family, int pixels, bool bold, const QColor& color)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return {font, color};
}

QRect ToQRect(const TGridRect& r)
{
    return QRect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
}

// The pen runs along the rectangle's first and last pixel rows and columns, centred on them.
// Drawn as four bands so that every pen width lands on the same pixels on screen and on images.
void Outline(QPainter& p, const TGridRect& r, int penWidth, const QColor& color)
{
    if (r.Right <= r.Left || r.Bottom <= r.Top)
        return;
    const int w = PenPixels(penWidth);
    const int x1 = PenStart(r.Left, penWidth), x2 = PenStart(r.Right - 1, penWidth);
    const int y1 = PenStart(r.Top, penWidth), y2 = PenStart(r.Bottom - 1, penWidth);
    p.fillRect(QRect(x1, y1, x2 - x1 + w, w), color);
    p.fillRect(QRect(x1, y2, x2 - x1 + w, w), color);
    p.fillRect(QRect(x1, y1, w, y2 - y1 + w), color);
    p.fillRect(QRect(x2, y1, w, y2 - y1 + w), color);
}

void Rectangle(QPainter& p, const TGridRect& r, const QColor& fill, int penWidth, const QColor& pen)
{
    if (r.Right <= r.Left || r.Bottom <= r.Top)
        return;
    p.fillRect(ToQRect(r), fill);
    Outline(p, r, penWidth, pen);
}

// Lines leave out their end point.
void VerticalLine(QPainter& p, int x, int y1, int y2, int penWidth, const QColor& color)
{
    if (y2 > y1)
        p.fillRect(QRect(PenStart(x, penWidth), y1, PenPixels(penWidth), y2 - y1), color);
}

void HorizontalLine(QPainter& p, int x1, int x2, int y, int penWidth, const QColor& color)
{
    if (x2 > x1)
        p.fillRect(QRect(x1, PenStart(y, penWidth), x2 - x1, PenPixels(penWidth)), color);
}

void SelectFont(QPainter& p, const TCalendarFont& font)
{
    p.setFont(font.Font);
    p.setPen(font.Color);
}

// (x, y) is the top-left corner of the text cell.
void TextOut(QPainter& p, int x, int y, const QString& text)
{
    p.drawText(QPoint(x, y + p.fontMetrics().ascent()), text);
}

struct RestoreOnExit {
    QPainter& painter;
    ~RestoreOnExit() { painter.restore(); }
};

} // namespace

TCalendarControl::TCalendarControl(const TClock& clock, QWidget* parent) : QWidget(parent)
{
    resize(100, 100);
    FSundayBackgroundColor = QColor(255, 251, 240);
    FSelectedDate = clock.Now();
    FBackgroundColor = Qt::white;
    FGridColor = QColor(128, 128, 128);
    FCurrentDayBorderColor = QColor(255, 0, 0);
    FCurrentDayBorderWidth = 4;
    FSelected2BorderColor = QColor(0, 128, 0);
    FSelected2BorderWidth = 4;
    FSelectedDateFont = PointFont("Comic Sans MS", 16, true, Qt::red);
    FDaysInMonthFont = PointFont("Arial", 12, true, Qt::black);
    FDayRowFont = PointFont("Arial", 12, false, Qt::white);
    FSundayFont = PointFont("Arial", 12, true, Qt::red);
    FDayInfoFont = PointFont("Arial", 10, false, QColor(128, 128, 128));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TCalendarControl::ApplyMainWindowValues()
{
    setObjectName("CalendarControl1");
    resize(441, 212);
    setCursor(Qt::PointingHandCursor);
    SetSelectedDateFont(PixelFont("Comic Sans MS", 21, true, Qt::red));
    SetBackgroundColor(Qt::white);
    SetDaysInMonthFont(PixelFont("Arial", 13, true, Qt::black));
    SetGridColor(Qt::black);
    SetGridWidth(1);
    SetDayRowFont(PixelFont("Arial", 16, false, Qt::white));
    SetSundayFont(PixelFont("Arial", 13, true, Qt::red));
    SetCurrentDayBorderColor(QColor(192, 220, 192));
    SetCurrentDayBorderWidth(4);
    SetSelected2Date(NoDate);
    SetSelected2BorderColor(QColor(0, 128, 0));
    SetSelected2BorderWidth(4);
    SetDayInfoFont(PixelFont("Arial", 12, true, QColor(128, 128, 128)));
    SetSundayBackgroundColor(QColor(255, 251, 240));
}

void TCalendarControl::SetSelectedDate(TDateTime value)
{
    FSelectedDate = value;
    update();
    if (OnSelectedDateChanged)
        OnSelectedDateChanged(this);
}

void TCalendarControl::SetFeastRange(TDateTime first, TDateTime last)
{
    FFeastFirst = first;
    FFeastLast = last;
    update();
}

TCalendarGeometry TCalendarControl::Geometry() const
{
    return TCalendarGeometry::ForMonth(FSelectedDate, width(), height(), FGridTop);
}

TDateTime TCalendarControl::DateAtPoint(const QPoint& point) const
{
    return Geometry().DateAtPoint(point.x(), point.y());
}

void TCalendarControl::Paint(QPainter& painter, const QRect& area)
{
    painter.save();
    RestoreOnExit restore{painter};
    painter.translate(area.topLeft());
    painter.setRenderHint(QPainter::Antialiasing, false);

    const int W = area.width(), Ht = area.height();
    painter.fillRect(QRect(0, 0, W, Ht), FBackgroundColor);

    FGridTop = 0;
    const auto textHeight = [&](const TCalendarFont& f) {
        return QFontMetrics(f.Font, painter.device()).height();
    };
    const int gridTop = TCalendarGeometry::GridTopFor(textHeight(FDayRowFont), textHeight(FSundayFont));
    painter.fillRect(QRect(0, 0, W, gridTop), FGridColor);

    // Header text sits on the band's colour.
    const int cw = W / 7;
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(FGridColor);
    const QLocale locale;
    for (int i = 0; i < 7; ++i) {
        SelectFont(painter, i == 0 ? FSundayFont : FDayRowFont);
        TextOut(painter, i * cw, 1, locale.dayName(i == 0 ? 7 : i, QLocale::ShortFormat));
    }

    FGridTop = gridTop;
    const TCalendarGeometry g = TCalendarGeometry::ForMonth(FSelectedDate, W, Ht, FGridTop);
    const int rh = g.RowHeight();

    Rectangle(painter, {0, FGridTop, cw, Ht}, FSundayBackgroundColor, 1, FBackgroundColor);

    // One pixel larger to the right and below, so the cell's own grid lines cover its outline.
    int year;
    unsigned month, selectedDay;
    DecodeDate(FSelectedDate, year, month, selectedDay);
    TGridRect selected = g.DayCell(selectedDay);
    ++selected.Right;
    ++selected.Bottom;
    Rectangle(painter, selected, FCurrentDayBorderColor, 1, FBackgroundColor);

    for (int i = 0; i < 7; ++i)
        VerticalLine(painter, i * cw, FGridTop, Ht, FGridWidth, FGridColor);
    for (int r = 0; r < 6; ++r)
        HorizontalLine(painter, 0, W, FGridTop + r * rh, FGridWidth, FGridColor);
    Outline(painter, {0, 0, W, Ht}, FGridWidth, FGridColor);

    unsigned secondDay = 0;
    if (FSelected2Date != NoDate) {
        unsigned day2;
        DecodeDate(FSelected2Date, year, month, day2);
        if (year == g.Year && month == g.Month)
            secondDay = day2;
    }
    const bool feastRange = FFeastFirst > NoDate && FFeastLast > NoDate;

    // The days' saints first: a day that fails to load ends the painting after its own number, as
    // if each cell were drawn whole in turn, while the counts can still be drawn in one font at
    // the end, which makes them cost next to nothing.
    std::array<const TSaintList*, 31> saints{};
    std::exception_ptr failure;
    unsigned numbered = g.DayCount;
    if (FSaintsData)
        for (unsigned n = 1; n <= g.DayCount && !failure; ++n) {
            try {
                saints[n - 1] = FSaintsData->SaintsOfDate(g.DayDate(n));
            } catch (...) {
                failure = std::current_exception();
                numbered = n;
            }
        }
    const unsigned whole = failure ? numbered - 1 : g.DayCount;

    painter.setBackgroundMode(Qt::TransparentMode);
    for (unsigned n = 1; n <= numbered; ++n) {
        const TGridRect cell = g.DayCell(n);
        const TDateTime date = g.DayDate(n);
        QColor frameColor = FGridColor;
        if (n == secondDay) {
            Outline(painter, cell, FSelected2BorderWidth, FSelected2BorderColor);
            frameColor = FSelected2BorderColor;
        }
        SelectFont(painter, g.ColumnOfDay(n) == 0 ? FSundayFont : FDaysInMonthFont);
        TextOut(painter, cell.Left + 2, cell.Top, QString::number(n));
        if (n <= whole && feastRange && FFeastFirst <= date && date <= FFeastLast)
            Outline(painter, cell, FCurrentDayBorderWidth + 1, frameColor);
    }

    // No table loaded: nothing to count, so the cells show no number.
    SelectFont(painter, FDayInfoFont);
    const QFontMetrics metrics = painter.fontMetrics();
    const int baselineInRow = (rh - metrics.height()) / 2 + metrics.ascent();
    const TCountDigits& digits = CountDigits();
    QList<quint32> glyphs;
    QList<QPointF> positions;
    for (unsigned n = 1; n <= whole; ++n)
        if (saints[n - 1]) {
            const std::string count = std::to_string(saints[n - 1]->size());
            qreal width = 0;
            for (char d : count)
                width += digits.Advances[d - '0'];
            const TGridRect cell = g.DayCell(n);
            qreal x = cell.Left + (cw - static_cast<int>(std::lround(width))) / 2;
            const int baseline = cell.Top + baselineInRow;
            for (char d : count) {
                glyphs.append(digits.Glyphs[d - '0']);
                positions.append(QPointF(x, baseline));
                x += digits.Advances[d - '0'];
            }
        }
    if (!glyphs.isEmpty()) {
        QGlyphRun run;
        run.setRawFont(digits.Raw);
        run.setGlyphIndexes(glyphs);
        run.setPositions(positions);
        painter.drawGlyphRun(QPointF(0, 0), run);
    }
    if (failure)
        std::rethrow_exception(failure);
}

const TCalendarControl::TCountDigits& TCalendarControl::CountDigits()
{
    if (FCountDigits.Font != FDayInfoFont.Font || !FCountDigits.Raw.isValid()) {
        FCountDigits.Font = FDayInfoFont.Font;
        FCountDigits.Raw = QRawFont::fromFont(FDayInfoFont.Font);
        const QList<quint32> glyphs = FCountDigits.Raw.glyphIndexesForString("0123456789");
        const QList<QPointF> advances = FCountDigits.Raw.advancesForGlyphIndexes(glyphs);
        for (int i = 0; i < 10 && i < glyphs.size() && i < advances.size(); ++i) {
            FCountDigits.Glyphs[i] = glyphs[i];
            FCountDigits.Advances[i] = advances[i].x();
        }
    }
    return FCountDigits;
}

void TCalendarControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    try {
        Paint(painter, rect());
        FPaintError.clear();
    } catch (const std::exception& e) {
        ReportPaintError(QString::fromStdString(ToUtf8(e.what())));
    }
}

// Never a modal box inside painting; and a failing day repainted again and again (every hover
// change repaints) must not pile up copies of the same box.
void TCalendarControl::ReportPaintError(const QString& message)
{
    if (message == FPaintError)
        return;
    FPaintError = message;
    QueueErrorBox(message, this);
}

void TCalendarControl::enterEvent(QEnterEvent* event)
{
    HoverAt(event->position().toPoint());
}

void TCalendarControl::mouseMoveEvent(QMouseEvent* event)
{
    HoverAt(event->position().toPoint());
}

void TCalendarControl::leaveEvent(QEvent*)
{
    if (FHoverDate != NoDate)
        SetHoverDate(NoDate);
}

void TCalendarControl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const TDateTime date = DateAtPoint(event->position().toPoint());
    if (date != NoDate)
        Raise(MouseClick, date);
}

// Not passed on: QWidget would turn the double-click into a second press.
void TCalendarControl::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !MouseDblClick)
        return;
    const TDateTime date = DateAtPoint(event->position().toPoint());
    if (date != NoDate)
        Raise(MouseDblClick, date);
}

void TCalendarControl::HoverAt(const QPoint& point)
{
    const TDateTime date = DateAtPoint(point);
    if (date != FHoverDate)
        SetHoverDate(date);
}

void TCalendarControl::SetHoverDate(TDateTime date)
{
    FHoverDate = date;
    Raise(MouseEnterDate, date);
}

// The control's events are where the owner's handlers meet Qt's event loop: an error there ends
// the handler and is shown, and the control goes on.
void TCalendarControl::Raise(const TMouseEnterCalendarEvent& handler, TDateTime date)
{
    if (!handler)
        return;
    const TMouseEnterCalendarEvent call = handler; // the handler may reassign itself
    try {
        call(this, date);
    } catch (const std::exception& e) {
        ShowErrorBox(e, this);
    }
}

} // namespace orvelle
