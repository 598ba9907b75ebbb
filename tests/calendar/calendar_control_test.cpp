#include "calendar/calendar_control.h"
#include "common/exception.h"
#include "data/saints_data.h"
#include "test_files.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

using namespace orvelle;
using test::TempFile;

namespace {

const QColor kMoneyGreen(192, 220, 192), kCream(255, 251, 240), kGreen(0, 128, 0);

std::string Row(const std::string& key, const std::string& name, int columns = 10)
{
    const std::string cols[10] = {key, name, "sort", "note", "profile", "1200", "", "cal", "", ""};
    std::string line;
    for (int i = 0; i < columns; ++i)
        line += cols[i] + ";";
    return line + "\n";
}

struct Recorder {
    std::vector<TDateTime> entered, clicked, doubleClicked;
    std::vector<TDateTime> changedTo;

    void Attach(TCalendarControl& c)
    {
        c.MouseEnterDate = [this](TCalendarControl*, TDateTime d) { entered.push_back(d); };
        c.MouseClick = [this](TCalendarControl*, TDateTime d) { clicked.push_back(d); };
        c.MouseDblClick = [this](TCalendarControl*, TDateTime d) { doubleClicked.push_back(d); };
        c.OnSelectedDateChanged = [this](TCalendarControl* sender) { changedTo.push_back(sender->SelectedDate()); };
    }
};

// The main window's calendar showing a month, painted once so that the grid top is known.
struct MainWindowCalendar {
    TCalendarControl control;
    explicit MainWindowCalendar(TDateTime shown)
    {
        control.ApplyMainWindowValues();
        control.SetSelectedDate(shown);
        control.grab();
    }
    TGridRect Cell(unsigned day) const { return control.Geometry().DayCell(day); }
    QPoint Centre(unsigned day) const
    {
        const TGridRect r = Cell(day);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    QImage Image() { return control.grab().toImage(); }
};

void Enter(QWidget& w, QPoint p)
{
    QEnterEvent e(p, p, w.mapToGlobal(p));
    QCoreApplication::sendEvent(&w, &e);
}

void Move(QWidget& w, QPoint p)
{
    QMouseEvent e(QEvent::MouseMove, p, w.mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &e);
}

void Leave(QWidget& w)
{
    QEvent e(QEvent::Leave);
    QCoreApplication::sendEvent(&w, &e);
}

// The sequence Qt delivers for a double-click: press, release, double-click, release.
void DoubleClick(QWidget& w, QPoint p)
{
    QTest::mousePress(&w, Qt::LeftButton, {}, p);
    QTest::mouseRelease(&w, Qt::LeftButton, {}, p);
    QTest::mouseDClick(&w, Qt::LeftButton, {}, p);
    QTest::mouseRelease(&w, Qt::LeftButton, {}, p);
}

bool AnyPixel(const QImage& image, const QRect& area, const std::function<bool(QColor)>& test)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (test(image.pixelColor(x, y)))
                return true;
    return false;
}

bool Dark(QColor c)
{
    return c.red() < 100 && c.green() < 100 && c.blue() < 100;
}

// Where a day number is written: from two pixels right of the cell's left edge, at its top.
QRect NumberArea(const TGridRect& cell)
{
    return QRect(cell.Left + 3, cell.Top + 2, 14, 12);
}

// Lets queued error boxes open, closes each one and returns their texts.
QStringList TakeErrorBoxes()
{
    QStringList texts;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            texts << box->text();
            box->reject();
        }
    });
    closer.start(0);
    (void)QTest::qWaitFor([&] { return !texts.isEmpty(); }, 2000);
    QTest::qWait(100); // room for any duplicate to show up
    return texts;
}

class PaintCounter : public QObject {
public:
    int count = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

void ExpectFont(const TCalendarFont& f, const char* family, int size, bool pixels, bool bold, QColor color)
{
    SCOPED_TRACE(family);
    EXPECT_EQ(f.Font.family(), family);
    EXPECT_EQ(pixels ? f.Font.pixelSize() : f.Font.pointSize(), size);
    EXPECT_EQ(f.Font.bold(), bold);
    EXPECT_EQ(f.Color, color);
}

} // namespace

TEST(CalendarControl, StartsWithTheDocumentedDefaults)
{
    const TDateTime before = Now();
    TCalendarControl c;
    EXPECT_GE(c.SelectedDate(), before);
    EXPECT_LE(c.SelectedDate(), Now());
    EXPECT_EQ(c.size(), QSize(100, 100));
    EXPECT_EQ(c.GridTop(), 0);
    EXPECT_EQ(c.HoverDate(), NoDate);
    EXPECT_EQ(c.Selected2Date(), NoDate);
    EXPECT_EQ(c.FeastFirst(), NoDate);
    EXPECT_EQ(c.FeastLast(), NoDate);
    EXPECT_EQ(c.SaintsData(), nullptr);
    EXPECT_EQ(c.GridColor(), QColor(128, 128, 128));
    EXPECT_EQ(c.GridWidth(), 0);
    EXPECT_EQ(c.CurrentDayBorderColor(), QColor(255, 0, 0));
    EXPECT_EQ(c.SundayBackgroundColor(), kCream);
    EXPECT_EQ(c.focusPolicy(), Qt::NoFocus);
    ExpectFont(c.SelectedDateFont(), "Comic Sans MS", 16, false, true, Qt::red);
    ExpectFont(c.DaysInMonthFont(), "Arial", 12, false, true, Qt::black);
    ExpectFont(c.DayRowFont(), "Arial", 12, false, false, Qt::white);
    ExpectFont(c.DayInfoFont(), "Arial", 10, false, false, QColor(128, 128, 128));
}

TEST(CalendarControl, MainWindowValuesApply)
{
    TCalendarControl c;
    c.ApplyMainWindowValues();
    EXPECT_EQ(c.objectName(), "CalendarControl1");
    EXPECT_EQ(c.size(), QSize(441, 212));
    EXPECT_EQ(c.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(c.GridColor(), QColor(Qt::black));
    EXPECT_EQ(c.GridWidth(), 1);
    EXPECT_EQ(c.CurrentDayBorderColor(), kMoneyGreen);
    EXPECT_EQ(c.CurrentDayBorderWidth(), 4);
    EXPECT_EQ(c.Selected2BorderColor(), kGreen);
    ExpectFont(c.SelectedDateFont(), "Comic Sans MS", 21, true, true, Qt::red);
    ExpectFont(c.DaysInMonthFont(), "Arial", 13, true, true, Qt::black);
    ExpectFont(c.DayRowFont(), "Arial", 16, true, false, Qt::white);
    ExpectFont(c.SundayFont(), "Arial", 13, true, true, Qt::red);
    ExpectFont(c.DayInfoFont(), "Arial", 12, true, true, QColor(128, 128, 128));
}

TEST(CalendarControl, EveryWriteOfSelectedDateIsReportedWithTheNewValue)
{
    TCalendarControl c;
    Recorder r;
    r.Attach(c);
    const TDateTime noon = EncodeDate(2014, 3, 15) + 0.5;
    c.SetSelectedDate(noon);
    c.SetSelectedDate(noon);
    EXPECT_EQ(r.changedTo, (std::vector<TDateTime>{noon, noon})) << "time of day kept, equal value reported";
    c.SetSelected2Date(EncodeDate(2014, 3, 2));
    c.SetFeastRange(EncodeDate(2014, 3, 3), EncodeDate(2014, 3, 4));
    EXPECT_EQ(r.changedTo.size(), 2u) << "other writes raise nothing";
}

TEST(CalendarControl, EveryPropertyWriteRepaints)
{
    TSaintsData saints;
    const std::vector<std::pair<const char*, std::function<void(TCalendarControl&)>>> writes = {
        {"SelectedDate", [](TCalendarControl& c) { c.SetSelectedDate(c.SelectedDate()); }},
        {"Selected2Date", [](TCalendarControl& c) { c.SetSelected2Date(EncodeDate(2014, 3, 2)); }},
        {"BackgroundColor", [](TCalendarControl& c) { c.SetBackgroundColor(Qt::yellow); }},
        {"GridColor", [](TCalendarControl& c) { c.SetGridColor(Qt::blue); }},
        {"GridWidth", [](TCalendarControl& c) { c.SetGridWidth(2); }},
        {"Selected2BorderColor", [](TCalendarControl& c) { c.SetSelected2BorderColor(Qt::blue); }},
        {"Selected2BorderWidth", [](TCalendarControl& c) { c.SetSelected2BorderWidth(2); }},
        {"SundayBackgroundColor", [](TCalendarControl& c) { c.SetSundayBackgroundColor(Qt::blue); }},
        {"CurrentDayBorderColor", [](TCalendarControl& c) { c.SetCurrentDayBorderColor(Qt::blue); }},
        {"CurrentDayBorderWidth", [](TCalendarControl& c) { c.SetCurrentDayBorderWidth(2); }},
        {"SaintsData", [&](TCalendarControl& c) { c.SetSaintsData(&saints); }},
        {"FeastRange", [](TCalendarControl& c) { c.SetFeastRange(EncodeDate(2014, 3, 3), EncodeDate(2014, 3, 4)); }},
        {"DayInfoFont", [](TCalendarControl& c) { auto f = c.DayInfoFont(); f.Font.setItalic(true); c.SetDayInfoFont(f); }},
        {"SelectedDateFont", [](TCalendarControl& c) { auto f = c.SelectedDateFont(); f.Color = Qt::blue; c.SetSelectedDateFont(f); }},
        {"DaysInMonthFont", [](TCalendarControl& c) { auto f = c.DaysInMonthFont(); f.Font.setPixelSize(20); c.SetDaysInMonthFont(f); }},
        {"DayRowFont", [](TCalendarControl& c) { auto f = c.DayRowFont(); f.Font.setFamily("DejaVu Serif"); c.SetDayRowFont(f); }},
        {"SundayFont", [](TCalendarControl& c) { auto f = c.SundayFont(); f.Font.setUnderline(true); c.SetSundayFont(f); }},
    };
    TCalendarControl c;
    PaintCounter paints;
    c.installEventFilter(&paints);
    c.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&c));
    ASSERT_TRUE(QTest::qWaitFor([&] { return paints.count > 0; }, 2000));
    for (const auto& [name, write] : writes) {
        QCoreApplication::processEvents();
        const int before = paints.count;
        write(c);
        EXPECT_TRUE(QTest::qWaitFor([&] { return paints.count > before; }, 2000)) << name;
    }
}

TEST(CalendarControl, HoverDateChangesOnlyWhenTheDayUnderTheMouseChanges)
{
    // March 2014: day 1 is a Saturday, so the first cells of row 0 are empty.
    MainWindowCalendar cal(EncodeDate(2014, 3, 15));
    TCalendarControl& c = cal.control;
    Recorder r;
    r.Attach(c);
    const TDateTime d5 = EncodeDate(2014, 3, 5), d6 = EncodeDate(2014, 3, 6);
    const QPoint header(100, 3), emptyCell(5, cal.Cell(1).Top + 5);

    Enter(c, cal.Centre(5));
    Move(c, cal.Centre(5) + QPoint(3, 4));       // same cell: nothing
    Move(c, cal.Centre(6));
    Move(c, header);
    Leave(c);                                      // already off the days: nothing
    Enter(c, cal.Centre(6));
    Move(c, emptyCell);
    Move(c, cal.Centre(6));
    Leave(c);
    Enter(c, cal.Centre(6));
    EXPECT_EQ(r.entered, (std::vector<TDateTime>{d5, d6, NoDate, d6, NoDate, d6, NoDate, d6}));
    EXPECT_EQ(c.HoverDate(), d6);
    EXPECT_TRUE(r.clicked.empty());
}

TEST(CalendarControl, ShowingAnotherMonthKeepsTheHoverDateUntilTheMouseMoves)
{
    MainWindowCalendar cal(EncodeDate(2014, 3, 15));
    TCalendarControl& c = cal.control;
    Recorder r;
    r.Attach(c);
    const QPoint over6 = cal.Centre(6); // a Thursday in the second week
    Enter(c, over6);
    c.SetSelectedDate(EncodeDate(2014, 4, 15));
    EXPECT_EQ(c.HoverDate(), EncodeDate(2014, 3, 6));
    Move(c, over6 + QPoint(1, 0));
    // April 2014 begins on a Tuesday: the Thursday of its second week is the 10th.
    EXPECT_EQ(r.entered, (std::vector<TDateTime>{EncodeDate(2014, 3, 6), EncodeDate(2014, 4, 10)}));
}

TEST(CalendarControl, LeftPressOnADayIsReportedAndNothingElseIs)
{
    MainWindowCalendar cal(EncodeDate(2014, 3, 15));
    TCalendarControl& c = cal.control;
    Recorder r;
    r.Attach(c);
    QTest::mousePress(&c, Qt::LeftButton, {}, cal.Centre(31));
    QTest::mouseRelease(&c, Qt::LeftButton, {}, cal.Centre(31));
    QTest::mouseClick(&c, Qt::LeftButton, {}, QPoint(100, 3));              // header
    QTest::mouseClick(&c, Qt::LeftButton, {}, QPoint(5, cal.Cell(1).Top + 5)); // before day 1
    QTest::mouseClick(&c, Qt::RightButton, {}, cal.Centre(20));
    EXPECT_EQ(r.clicked, (std::vector<TDateTime>{EncodeDate(2014, 3, 31)}));
    EXPECT_EQ(c.SelectedDate(), EncodeDate(2014, 3, 15)) << "the owner decides";
    EXPECT_TRUE(r.changedTo.empty());
}

TEST(CalendarControl, DoubleClickIsOneClickThenOneDoubleClick)
{
    MainWindowCalendar cal(EncodeDate(2014, 3, 15));
    TCalendarControl& c = cal.control;
    Recorder r;
    r.Attach(c);
    DoubleClick(c, cal.Centre(20));
    EXPECT_EQ(r.clicked, (std::vector<TDateTime>{EncodeDate(2014, 3, 20)}));
    EXPECT_EQ(r.doubleClicked, (std::vector<TDateTime>{EncodeDate(2014, 3, 20)}));

    c.MouseDblClick = nullptr;
    DoubleClick(c, cal.Centre(21));
    EXPECT_EQ(r.clicked.size(), 2u) << "without a double-click handler the second press is still no click";
    DoubleClick(c, QPoint(100, 3));
    EXPECT_EQ(r.clicked.size(), 2u);
    EXPECT_EQ(r.doubleClicked.size(), 1u);
}

TEST(CalendarControl, PaintsFillsAndFramesInTheirLayers)
{
    // February 2015 starts on a Sunday and ends with row 3; rows 4 and 5 are empty.
    MainWindowCalendar cal(EncodeDate(2015, 2, 10));
    TCalendarControl& c = cal.control;
    c.SetSelected2Date(EncodeDate(2015, 2, 18));
    c.SetFeastRange(EncodeDate(2015, 2, 18), EncodeDate(2015, 2, 20));
    const QImage img = cal.Image();
    const int top = c.GridTop(), rh = c.Geometry().RowHeight(), cw = 63;
    ASSERT_GT(top, 2);
    ASSERT_EQ(img.size(), QSize(441, 212));

    // Header band, with Sunday's name in red and the others in white.
    EXPECT_EQ(img.pixelColor(438, top / 2), QColor(Qt::black));
    EXPECT_TRUE(AnyPixel(img, QRect(0, 0, cw, top), [](QColor p) { return p.red() > 200 && p.green() < 60; }));
    EXPECT_TRUE(AnyPixel(img, QRect(cw, 0, cw, top), [](QColor p) { return p == Qt::white; }));

    // The Sunday column runs down through the empty rows; other empty cells stay white.
    for (int row : {4, 5}) {
        const int y = top + row * rh + rh / 2;
        EXPECT_EQ(img.pixelColor(cw / 2, y), kCream) << row;
        EXPECT_EQ(img.pixelColor(3 * cw + cw / 2, y), QColor(Qt::white)) << row;
    }

    // The outer frame closes the grid on the right and below the sixth row.
    EXPECT_EQ(img.pixelColor(440, top + 5 * rh + rh / 2), QColor(Qt::black));
    EXPECT_EQ(img.pixelColor(3 * cw + cw / 2, 211), QColor(Qt::black));

    // The selected day's fill lies under the grid lines.
    const TGridRect sel = cal.Cell(10);
    EXPECT_EQ(img.pixelColor(sel.Right - 4, sel.Bottom - 4), kMoneyGreen);
    EXPECT_EQ(img.pixelColor(sel.Left, sel.Top + rh / 2), QColor(Qt::black));

    // The feast range frames are one wider than CurrentDayBorderWidth: five pixels centred on
    // the cell's edge. On the second date they take its green; elsewhere the grid's black.
    const auto lowY = [&](const TGridRect& r) { return r.Bottom - 6; };
    const TGridRect d18 = cal.Cell(18), d19 = cal.Cell(19), d21 = cal.Cell(21);
    EXPECT_EQ(img.pixelColor(d18.Left - 2, lowY(d18)), kGreen);
    EXPECT_EQ(img.pixelColor(d18.Left + 2, lowY(d18)), kGreen);
    EXPECT_EQ(img.pixelColor(d19.Left + 2, lowY(d19)), QColor(Qt::black)) << "a later day's frame lies on top";
    EXPECT_EQ(img.pixelColor(d21.Left + 3, lowY(d21)), QColor(Qt::white)) << "outside the range";
}

TEST(CalendarControl, SecondDateFrameLiesOnTheGridLines)
{
    MainWindowCalendar cal(EncodeDate(2015, 2, 10));
    cal.control.SetSelected2Date(EncodeDate(2015, 2, 25));
    QImage img = cal.Image();
    const TGridRect d25 = cal.Cell(25);
    const int y = d25.Bottom - 6;
    EXPECT_EQ(img.pixelColor(d25.Left, y), kGreen);
    EXPECT_EQ(img.pixelColor(d25.Left + 1, y), kGreen);
    EXPECT_EQ(img.pixelColor((d25.Left + d25.Right) / 2, d25.Top), kGreen);
    EXPECT_EQ(img.pixelColor(d25.Left + 8, y), QColor(Qt::white));

    // In another month, or as "none", it frames nothing: the grid line shows again.
    for (TDateTime other : {EncodeDate(2015, 3, 25), EncodeDate(2014, 2, 25), NoDate}) {
        cal.control.SetSelected2Date(other);
        img = cal.Image();
        EXPECT_EQ(img.pixelColor(d25.Left, y), QColor(Qt::black)) << other;
        EXPECT_EQ(img.pixelColor(d25.Left + 1, y), QColor(Qt::white)) << other;
    }
}

TEST(CalendarControl, EachDayShowsItsSaintsCountWhenThereIsATable)
{
    TempFile file(Row("02.03.", "Blaise") + Row("02.03.", "Ansgar") + Row("02.14.", "Valentine"));
    TSaintsData withTable, withoutTable;
    withTable.SetDataIniPath(file.path());

    MainWindowCalendar cal(EncodeDate(2015, 2, 10));
    TCalendarControl& c = cal.control;
    const int cw = 63, rh = c.Geometry().RowHeight();

    // What a count looks like: the number centred in an empty white cell.
    const auto countImage = [&](const QString& text) {
        QImage ref(cw, rh, QImage::Format_RGB32);
        ref.fill(Qt::white);
        if (!text.isEmpty()) {
            QPainter p(&ref);
            p.setFont(c.DayInfoFont().Font);
            p.setPen(c.DayInfoFont().Color);
            const QFontMetrics m = p.fontMetrics();
            p.drawText((cw - m.horizontalAdvance(text)) / 2, (rh - m.height()) / 2 + m.ascent(), text);
        }
        return ref;
    };
    // The middle of the cell, clear of the day number and the grid lines.
    const QRect middle(20, 2, cw - 24, rh - 4);
    const auto middleOf = [&](const QImage& img, unsigned day) {
        const TGridRect r = cal.Cell(day);
        return img.copy(middle.translated(r.Left, r.Top));
    };

    struct Case {
        const char* what;
        TSaintsData* data;
        QString third, fourth; // expected counts on 3 and 4 February
    };
    const Case cases[] = {
        {"no saints data", nullptr, "", ""},
        {"saints data without a table", &withoutTable, "", ""},
        {"a loaded table", &withTable, "2", "0"},
    };
    for (const auto& k : cases) {
        c.SetSaintsData(k.data);
        const QImage img = cal.Image();
        EXPECT_EQ(middleOf(img, 3), countImage(k.third).copy(middle)) << k.what;
        EXPECT_EQ(middleOf(img, 4), countImage(k.fourth).copy(middle)) << k.what;
    }
}

TEST(CalendarControl, SaintsErrorEndsThatPaintingAndIsShownOnceAfterIt)
{
    TempFile file(Row("02.11.", "Good") + Row("02.12.", "Fine") + Row("02.12.", "Broken", 8) + Row("02.13.", "Later"));
    const std::string message = "Bad data in date [02.12.], row [1] -> returned only [8] columns of expected 10";

    {
        // The drawing routine itself stops at the failing day and passes the error on.
        TSaintsData saints;
        saints.SetDataIniPath(file.path());
        MainWindowCalendar cal(EncodeDate(2015, 2, 10));
        cal.control.SetSaintsData(&saints);
        QImage img(441, 212, QImage::Format_RGB32);
        QPainter p(&img);
        try {
            cal.control.Paint(p, img.rect());
            ADD_FAILURE() << "no error";
        } catch (const Exception& e) {
            EXPECT_EQ(e.what(), message);
        }
        p.end();
        EXPECT_TRUE(AnyPixel(img, NumberArea(cal.Cell(12)), Dark)) << "the failing day's number is drawn";
        EXPECT_FALSE(AnyPixel(img, NumberArea(cal.Cell(13)), Dark)) << "later days are not";
    }

    TSaintsData saints;
    saints.SetDataIniPath(file.path());
    MainWindowCalendar cal(EncodeDate(2015, 2, 10));
    cal.control.SetSaintsData(&saints);
    const QImage failed = cal.Image();
    EXPECT_FALSE(AnyPixel(failed, NumberArea(cal.Cell(28)), Dark));
    const QImage next = cal.Image();
    EXPECT_TRUE(AnyPixel(next, NumberArea(cal.Cell(28)), Dark)) << "the control still paints";
    EXPECT_EQ(TakeErrorBoxes(), QStringList{QString::fromStdString(message)});
}
