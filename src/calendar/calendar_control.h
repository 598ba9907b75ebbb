#pragma once
// The custom-drawn month calendar: one month of SelectedDate with the selected day filled, a
// second date and a feast range framed, the Sunday column shaded and each day's saints count.
// It reports the day under the mouse, presses and double-clicks, and never changes its own
// dates in answer to them: the owner does.
#include "calendar/calendar_geometry.h"
#include "common/clock.h"
#include "common/date.h"

#include <QColor>
#include <QFont>
#include <QRawFont>
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <map>

namespace orvelle {

class TSaintsData;

// A font as the calendar uses it: Qt fonts carry no colour, so each of the control's fonts
// comes with its text colour. (Character sets have no meaning in Qt and are not kept.)
struct TCalendarFont {
    QFont Font;
    QColor Color;
};

class TCalendarControl : public QWidget {
    Q_OBJECT
  public:
    using TMouseEnterCalendarEvent = std::function<void(TCalendarControl* Sender, TDateTime ADateTime)>;
    using TNotifyEvent = std::function<void(TCalendarControl* Sender)>;

    explicit TCalendarControl(const TClock& clock, QWidget* parent = nullptr);

    // The values the main window gives its calendar, CalendarControl1 (size, fonts, colours,
    // hand cursor, object name); SelectedDate and SaintsData are set by the main window itself.
    void ApplyMainWindowValues();

    // Events; unassigned ones are not raised. Assign before use, e.g.
    //   calendar->MouseClick = [this](TCalendarControl*, TDateTime d) { ... };
    TMouseEnterCalendarEvent MouseEnterDate; // the day under the mouse changed (NoDate: off the days)
    TMouseEnterCalendarEvent MouseClick;     // left press on a day of the month shown
    TMouseEnterCalendarEvent MouseDblClick;  // second press of a left double-click on a day
    TNotifyEvent OnSelectedDateChanged;      // every write of SelectedDate, after the store

    // Every write below stores the value and repaints the whole control.
    TDateTime SelectedDate() const { return FSelectedDate; }
    void SetSelectedDate(TDateTime value); // then raises OnSelectedDateChanged, even when unchanged
    TDateTime Selected2Date() const { return FSelected2Date; }
    void SetSelected2Date(TDateTime value) { Store(FSelected2Date, value); }

    QColor BackgroundColor() const { return FBackgroundColor; }
    void SetBackgroundColor(const QColor& value) { Store(FBackgroundColor, value); }
    QColor GridColor() const { return FGridColor; }
    void SetGridColor(const QColor& value) { Store(FGridColor, value); }
    uint16_t GridWidth() const { return FGridWidth; }
    void SetGridWidth(uint16_t value) { Store(FGridWidth, value); }
    QColor Selected2BorderColor() const { return FSelected2BorderColor; }
    void SetSelected2BorderColor(const QColor& value) { Store(FSelected2BorderColor, value); }
    uint16_t Selected2BorderWidth() const { return FSelected2BorderWidth; }
    void SetSelected2BorderWidth(uint16_t value) { Store(FSelected2BorderWidth, value); }
    QColor SundayBackgroundColor() const { return FSundayBackgroundColor; }
    void SetSundayBackgroundColor(const QColor& value) { Store(FSundayBackgroundColor, value); }
    QColor CurrentDayBorderColor() const { return FCurrentDayBorderColor; }
    void SetCurrentDayBorderColor(const QColor& value) { Store(FCurrentDayBorderColor, value); }
    uint16_t CurrentDayBorderWidth() const { return FCurrentDayBorderWidth; }
    void SetCurrentDayBorderWidth(uint16_t value) { Store(FCurrentDayBorderWidth, value); }

    // Not owned; may be null (no counts drawn).
    TSaintsData* SaintsData() const { return FSaintsData; }
    void SetSaintsData(TSaintsData* value) { Store(FSaintsData, value); }

    // Fonts are values: read, change, write back (the write repaints), e.g.
    //   auto f = calendar->DayInfoFont(); f.Font.setBold(true); calendar->SetDayInfoFont(f);
    const TCalendarFont& DayInfoFont() const { return FDayInfoFont; }
    void SetDayInfoFont(const TCalendarFont& value) { Store(FDayInfoFont, value); }
    const TCalendarFont& SelectedDateFont() const { return FSelectedDateFont; } // kept, not drawn
    void SetSelectedDateFont(const TCalendarFont& value) { Store(FSelectedDateFont, value); }
    const TCalendarFont& DaysInMonthFont() const { return FDaysInMonthFont; }
    void SetDaysInMonthFont(const TCalendarFont& value) { Store(FDaysInMonthFont, value); }
    const TCalendarFont& DayRowFont() const { return FDayRowFont; }
    void SetDayRowFont(const TCalendarFont& value) { Store(FDayRowFont, value); }
    const TCalendarFont& SundayFont() const { return FSundayFont; }
    void SetSundayFont(const TCalendarFont& value) { Store(FSundayFont, value); }

    // Frames every day from first to last of the month shown while both are greater than NoDate.
    void SetFeastRange(TDateTime first, TDateTime last);
    TDateTime FeastFirst() const { return FFeastFirst; }
    TDateTime FeastLast() const { return FFeastLast; }

    TDateTime HoverDate() const { return FHoverDate; }
    // Top of the first week row as the latest painting left it; 0 before the first painting.
    int GridTop() const { return FGridTop; }
    TCalendarGeometry Geometry() const;

    // The whole day under a point in control coordinates, or NoDate.
    TDateTime DateAtPoint(const QPoint& point) const;

    // Draws the whole control into `area`, whose size stands for the control's; leaves GridTop
    // set for that size. An error of the saints data ends the drawing at that day and passes on.
    void Paint(QPainter& painter, const QRect& area);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    template <typename T, typename V> void Store(T& field, const V& value)
    {
        field = value;
        update();
    }
    void HoverAt(const QPoint& point);
    void SetHoverDate(TDateTime date);
    void Raise(const TMouseEnterCalendarEvent& handler, TDateTime date);
    void ReportPaintError(const QString& message);

    TCalendarFont FDayInfoFont;
    // The digits of the day-info font, looked up once: a month's saint counts are then drawn as
    // one run of glyphs.
    struct TCountDigits {
        QFont Font;
        QRawFont Raw;
        std::array<quint32, 10> Glyphs{};
        std::array<qreal, 10> Advances{};
    };
    const TCountDigits& CountDigits();
    TCountDigits FCountDigits;

    QColor FBackgroundColor;
    QColor FGridColor;
    uint16_t FGridWidth = 0;
    TDateTime FSelectedDate = NoDate;
    TCalendarFont FSelectedDateFont;
    TDateTime FSelected2Date = NoDate;
    QColor FSelected2BorderColor;
    uint16_t FSelected2BorderWidth = 0;
    QColor FSundayBackgroundColor;
    TCalendarFont FDaysInMonthFont;
    TCalendarFont FDayRowFont;
    TCalendarFont FSundayFont;
    QColor FCurrentDayBorderColor;
    uint16_t FCurrentDayBorderWidth = 0;
    TDateTime FHoverDate = NoDate;
    int FGridTop = 0;
    TSaintsData* FSaintsData = nullptr;
    TDateTime FFeastFirst = NoDate;
    TDateTime FFeastLast = NoDate;
    QString FPaintError; // last painting error queued for the user, until a painting succeeds
};

} // namespace orvelle
