#include "calendar/calendar_control.h"
#include "common/exception.h"
#include "common/modal.h"
#include "data/saints_data.h"
#include "fakes/fakes.h"
#include "gui/modal.h"
#include "test_files.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMessageBox>
#include <QPainter>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <vector>

using namespace orvelle;
using test::TempFile;
using Dates = std::vector<TDateTime>;

namespace {

const QColor kMoneyGreen(192, 220, 192), kCream(255, 251, 240), kGreen(0, 128, 0), kBlack(Qt::black),
    kWhite(Qt::white);

std::string Row(const std::string& key, const std::string& name, int columns = 10)
{
    const std::string cols[10] = {key, name, "sort", "note", "profile", "1200", "", "cal", "", ""};
    std::string line;
    for (int i = 0; i < columns; ++i)
        line += cols[i] + ";";
    return line + "\n";
}

// The main window's calendar showing a month, painted once so that its grid top is known, with
// every event recorded.
struct Calendar {
    test::TFixedClock clock{EncodeDate(2015, 2, 10)};
    TCalendarControl c{clock};
    Dates entered, clicked, doubleClicked;
    int changes = 0;

    explicit Calendar(TDateTime shown)
    {
        c.ApplyMainWindowValues();
        c.SetSelectedDate(shown);
        c.grab();
        c.MouseEnterDate = [this](TCalendarControl*, TDateTime d) { entered.push_back(d); };
        c.MouseClick = [this](TCalendarControl*, TDateTime d) { clicked.push_back(d); };
        c.MouseDblClick = [this](TCalendarControl*, TDateTime d) { doubleClicked.push_back(d); };
        c.OnSelectedDateChanged = [this](TCalendarControl*) { ++changes; };
    }
    TGridRect Cell(unsigned day) const { return c.Geometry().DayCell(day); }
    QPoint At(unsigned day) const { return {Cell(day).Left + 30, Cell(day).Top + 15}; }
    QImage Image() { return c.grab().toImage(); }

    void Enter(QPoint p)
    {
        QEnterEvent e(p, p, c.mapToGlobal(p));
        QCoreApplication::sendEvent(&c, &e);
    }
    void Move(QPoint p)
    {
        QMouseEvent e(QEvent::MouseMove, p, c.mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&c, &e);
    }
    void Leave()
    {
        QEvent e(QEvent::Leave);
        QCoreApplication::sendEvent(&c, &e);
    }
    // What Qt delivers for a double-click: press, release, double-click, release.
    void DoubleClick(QPoint p)
    {
        QTest::mouseClick(&c, Qt::LeftButton, {}, p);
        QTest::mouseDClick(&c, Qt::LeftButton, {}, p);
        QTest::mouseRelease(&c, Qt::LeftButton, {}, p);
    }
};

// Whether a day number is written in the cell: dark pixels right of its left edge, at its top.
bool HasNumber(const QImage& img, const TGridRect& cell)
{
    for (int y = cell.Top + 2; y < cell.Top + 14; ++y)
        for (int x = cell.Left + 3; x < cell.Left + 17; ++x)
            if (QColor c = img.pixelColor(x, y); c.red() < 100 && c.green() < 100 && c.blue() < 100)
                return true;
    return false;
}

// Lets queued error boxes open, closes each one and returns their texts.
QStringList TakeErrorBoxes()
{
    QStringList texts;
    SetModalHook([&](QDialog& d) {
        texts << static_cast<QMessageBox&>(d).text();
        d.reject();
    });
    QCoreApplication::processEvents(); // the boxes were queued behind the painting
    QCoreApplication::processEvents(); // and a duplicate behind them would show up here
    SetModalHook(test::AnswerModal);
    return texts;
}

} // namespace

TEST(CalendarControl, EveryWriteOfSelectedDateIsReported)
{
    Calendar cal(EncodeDate(2014, 3, 15));
    TDateTime seen = NoDate;
    cal.c.OnSelectedDateChanged = [&](TCalendarControl* sender) { seen = sender->SelectedDate(); };
    const TDateTime noon = EncodeDate(2014, 3, 15) + 0.5;
    cal.c.SetSelectedDate(noon);
    EXPECT_EQ(seen, noon) << "the handler sees the new value, time of day included";
    cal.c.OnSelectedDateChanged = [&](TCalendarControl*) { ++cal.changes; };
    cal.c.SetSelectedDate(noon);
    cal.c.SetSelected2Date(EncodeDate(2014, 3, 2));
    cal.c.SetFeastRange(EncodeDate(2014, 3, 3), EncodeDate(2014, 3, 4));
    EXPECT_EQ(cal.changes, 1) << "an unchanged value is reported too; other writes are not";
}

TEST(CalendarControl, HoverDateIsReportedOncePerChangeOfTheDayUnderTheMouse)
{
    // March 2014 begins on a Saturday: the cells left of day 1 are empty.
    Calendar cal(EncodeDate(2014, 3, 15));
    const TDateTime d5 = EncodeDate(2014, 3, 5), d6 = EncodeDate(2014, 3, 6);
    cal.Enter(cal.At(5));
    cal.Move(cal.At(5) + QPoint(3, 4)); // same cell
    cal.Move(cal.At(6));
    cal.Move({100, 3}); // header
    cal.Leave();        // already off the days
    cal.Enter(cal.At(6));
    cal.Move({5, cal.Cell(1).Top + 5}); // empty cell
    cal.Move(cal.At(6));
    cal.Leave();
    cal.Enter(cal.At(6));
    EXPECT_EQ(cal.entered, (Dates{d5, d6, NoDate, d6, NoDate, d6, NoDate, d6}));

    // Another month under a resting mouse: the old day stands until the mouse moves. April 2014
    // begins on a Tuesday, so the Thursday of its second week (where 6 March was) is the 10th.
    const QPoint resting = cal.At(6);
    cal.c.SetSelectedDate(EncodeDate(2014, 4, 15));
    EXPECT_EQ(cal.c.HoverDate(), d6);
    cal.Move(resting + QPoint(1, 0));
    EXPECT_EQ(cal.c.HoverDate(), EncodeDate(2014, 4, 10));
    EXPECT_TRUE(cal.clicked.empty());
}

TEST(CalendarControl, PressesAndDoubleClicksOnDaysAreReported)
{
    Calendar cal(EncodeDate(2014, 3, 15));
    QTest::mouseClick(&cal.c, Qt::LeftButton, {}, cal.At(31));
    QTest::mouseClick(&cal.c, Qt::LeftButton, {}, {100, 3});                 // header
    QTest::mouseClick(&cal.c, Qt::LeftButton, {}, {5, cal.Cell(1).Top + 5}); // before day 1
    QTest::mouseClick(&cal.c, Qt::RightButton, {}, cal.At(20));
    cal.DoubleClick(cal.At(20));
    EXPECT_EQ(cal.clicked, (Dates{EncodeDate(2014, 3, 31), EncodeDate(2014, 3, 20)}));
    EXPECT_EQ(cal.doubleClicked, (Dates{EncodeDate(2014, 3, 20)}));
    EXPECT_EQ(cal.c.SelectedDate(), EncodeDate(2014, 3, 15)) << "the owner decides";

    cal.c.MouseDblClick = nullptr;
    cal.DoubleClick(cal.At(21));
    EXPECT_EQ(cal.clicked.size(), 3u) << "the second press is no click even without a double-click handler";
}

TEST(CalendarControl, PaintsFillsAndFramesInTheirLayers)
{
    // February 2015 begins on a Sunday and ends with row 3; rows 4 and 5 are empty.
    Calendar cal(EncodeDate(2015, 2, 10));
    cal.c.SetSelected2Date(EncodeDate(2015, 2, 18));
    cal.c.SetFeastRange(EncodeDate(2015, 2, 18), EncodeDate(2015, 2, 20));
    QImage img = cal.Image();
    const int top = cal.c.GridTop(), rh = cal.c.Geometry().RowHeight(), cw = 63;
    ASSERT_EQ(img.size(), QSize(441, 212));

    EXPECT_EQ(img.pixelColor(438, top / 2), kBlack) << "header band";
    EXPECT_EQ(img.pixelColor(440, top + 5 * rh + rh / 2), kBlack) << "outer frame, right";
    EXPECT_EQ(img.pixelColor(3 * cw + cw / 2, 211), kBlack) << "outer frame, bottom";
    for (int row : {4, 5}) {
        EXPECT_EQ(img.pixelColor(cw / 2, top + row * rh + rh / 2), kCream) << "Sunday column, row " << row;
        EXPECT_EQ(img.pixelColor(3 * cw + cw / 2, top + row * rh + rh / 2), kWhite) << row;
    }
    const TGridRect sel = cal.Cell(10);
    EXPECT_EQ(img.pixelColor(sel.Right - 4, sel.Bottom - 4), kMoneyGreen) << "selected day";
    EXPECT_EQ(img.pixelColor(sel.Left, sel.Top + rh / 2), kBlack) << "grid line over the fill";

    // Range frames are five pixels wide, centred on the cell's edge: on the second date in its
    // green, elsewhere in the grid's black, a later day's over an earlier one's.
    const TGridRect d18 = cal.Cell(18), d19 = cal.Cell(19), d21 = cal.Cell(21);
    const int y = d18.Bottom - 6;
    EXPECT_EQ(img.pixelColor(d18.Left - 2, y), kGreen);
    EXPECT_EQ(img.pixelColor(d18.Left + 2, y), kGreen);
    EXPECT_EQ(img.pixelColor(d19.Left + 2, y), kBlack);
    EXPECT_EQ(img.pixelColor(d21.Left + 3, y), kWhite) << "outside the range";

    // The second date alone: its green frame lies over the grid line.
    cal.c.SetFeastRange(NoDate, NoDate);
    img = cal.Image();
    EXPECT_EQ(img.pixelColor(d18.Left, y), kGreen);
    EXPECT_EQ(img.pixelColor(d18.Left + 1, y), kGreen);
    EXPECT_EQ(img.pixelColor(d18.Left + 8, y), kWhite);
    for (TDateTime none : {EncodeDate(2015, 3, 18), EncodeDate(2014, 2, 18), NoDate}) {
        cal.c.SetSelected2Date(none);
        EXPECT_EQ(cal.Image().pixelColor(d18.Left + 1, y), kWhite) << none;
    }

    // "No date" is 29 December 1899 as a number, yet frames nothing in that month either.
    Calendar dec1899(EncodeDate(1899, 12, 10));
    const TGridRect d29 = dec1899.Cell(29);
    EXPECT_EQ(dec1899.Image().pixelColor(d29.Left + 1, d29.Bottom - 6), kWhite);
}

TEST(CalendarControl, DaysShowTheirSaintsCountCentredOnlyWhenThereIsATable)
{
    TempFile file(Row("02.03.", "Blaise") + Row("02.03.", "Ansgar") + Row("02.14.", "Valentine"));
    TSaintsData withTable, withoutTable;
    withTable.SetDataIniPath(file.path());
    Calendar cal(EncodeDate(2015, 2, 10));

    // The count's ink: grey pixels clear of the day number (top left) and of the grid lines.
    const auto ink = [&](const QImage& img, unsigned day) {
        const TGridRect c = cal.Cell(day);
        QRect box;
        for (int y = c.Top + 2; y < c.Bottom - 2; ++y)
            for (int x = c.Left + 16; x < c.Right - 3; ++x)
                if (const QColor p = img.pixelColor(x, y); p.red() < 200 && p.red() == p.blue())
                    box |= QRect(x, y, 1, 1);
        return box;
    };
    for (TSaintsData* none : {static_cast<TSaintsData*>(nullptr), &withoutTable}) {
        cal.c.SetSaintsData(none);
        const QImage img = cal.Image();
        EXPECT_TRUE(ink(img, 3).isNull()) << "no table, no count";
        EXPECT_TRUE(ink(img, 4).isNull());
    }
    cal.c.SetSaintsData(&withTable);
    const QImage img = cal.Image();
    // Day 3 has two saints and day 4 none: both show a number in the middle of their cell,
    // to within the rounding of the halves and the digits' side bearings.
    for (unsigned day : {3u, 4u}) {
        const QRect box = ink(img, day);
        ASSERT_FALSE(box.isNull()) << day;
        const TGridRect c = cal.Cell(day);
        EXPECT_NEAR(box.left() + box.right() + 1, c.Left + c.Right, 4) << day;
        EXPECT_NEAR(box.top() + box.bottom() + 1, c.Top + c.Bottom, 4) << day;
        EXPECT_LE(box.height(), 12) << "one line of the 12-pixel count font";
    }
}

TEST(CalendarControl, SaintsErrorEndsThatPaintingAndIsShownOnceAfterIt)
{
    TempFile file(Row("02.11.", "Good") + Row("02.12.", "Fine") + Row("02.12.", "Broken", 8) +
                  Row("02.13.", "Late"));
    const std::string message =
        "Bad data in date [02.12.], row [1] -> returned only [8] columns of expected 10";
    for (bool widget : {false, true}) {
        TSaintsData saints;
        saints.SetDataIniPath(file.path());
        Calendar cal(EncodeDate(2015, 2, 10));
        cal.c.SetSaintsData(&saints);
        QImage img(441, 212, QImage::Format_RGB32);
        if (widget) {
            img = cal.Image();
        } else {
            // The drawing routine itself passes the error on to its caller.
            QPainter p(&img);
            try {
                cal.c.Paint(p, img.rect());
                ADD_FAILURE() << "no error";
            } catch (const Exception& e) {
                EXPECT_EQ(e.what(), message);
            }
            p.end();
        }
        EXPECT_TRUE(HasNumber(img, cal.Cell(12))) << "the failing day's number is drawn";
        EXPECT_FALSE(HasNumber(img, cal.Cell(13))) << "later days are not";
        EXPECT_TRUE(HasNumber(cal.Image(), cal.Cell(28))) << "the next painting is whole";
        EXPECT_EQ(TakeErrorBoxes(), widget ? QStringList{QString::fromStdString(message)} : QStringList{});
    }
}

TEST(CalendarControl, APaintingStoppedByAnErrorIsRedoneInFullWhenTheBoxCloses)
{
    TempFile file(Row("02.11.", "Good") + Row("02.12.", "Broken", 8) + Row("02.13.", "Late"));
    TSaintsData saints;
    saints.SetDataIniPath(file.path());
    Calendar cal(EncodeDate(2015, 2, 10));
    cal.c.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&cal.c));

    // Paintings of the whole control that come after the error box has closed.
    bool boxClosed = false;
    int wholePaintings = 0;
    struct Watch : QObject {
        std::function<void(QPaintEvent*)> seen;
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::Paint)
                seen(static_cast<QPaintEvent*>(e));
            return false;
        }
    } watch;
    watch.seen = [&](QPaintEvent* e) {
        if (boxClosed && e->region().contains(cal.c.rect()))
            ++wholePaintings;
    };
    cal.c.installEventFilter(&watch);
    const test::ExpectModal box("Orvelle of Saints", [&](QDialog& d) {
        boxClosed = true;
        d.accept();
    });
    cal.c.SetSaintsData(&saints);
    EXPECT_TRUE(QTest::qWaitFor([&] { return wholePaintings > 0; }, 2000));
    EXPECT_TRUE(boxClosed);
}
