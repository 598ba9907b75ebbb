#include "churchyear/find_feast_dialog.h"
#include "gui/modal.h"
#include "main_window_fixture.h"
#include "views/commnos_frame.h"
#include "views/saint_views.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolBar>
#include <QToolTip>

using namespace orvelle;
using namespace orvelle::test;

TEST_F(MainWindowTest, StartsOnTodayWithTodaysSaints)
{
    const QDate now = ToQDate(clock.Now());
    EXPECT_EQ(ToQDate(Selected()), now);
    EXPECT_EQ(Child<QComboBox>(*form, "ComboBox1")->currentIndex(), now.month() - 1);
    EXPECT_EQ(Child<QComboBox>(*form, "ComboBox1")->count(), 12);
    EXPECT_EQ(Child<QComboBox>(*form, "ComboBox1")->itemText(0), QLocale().standaloneMonthName(1));
    EXPECT_EQ(Child<QSpinBox>(*form, "UpDown1")->value(), now.year());
    EXPECT_EQ(Child<QLabel>(*form, "Label1")->text(), QLocale().toString(now, QLocale::ShortFormat));
    EXPECT_EQ(ListTexts(), QStringList{"Today's Saint - " + now.toString("dd.MM")});
    EXPECT_EQ(form->size(), QSize(461, 448));
}

TEST_F(MainWindowTest, MonthAndYearFallBackToTheMonthsLastDay)
{
    struct Step {
        const char* what;
        std::function<void()> act;
        const char* expected;
    };
    Select(2025, 3, 31);
    const Step steps[] = {
        {"April from 31 March", [&] { ChooseMonth(4); }, "2025-04-30"},
        {"back to March keeps the 30th", [&] { ChooseMonth(3); }, "2025-03-30"},
        {"29 February 2024", [&] { Select(2024, 2, 29); }, "2024-02-29"},
        {"year up", [&] { Child<QSpinBox>(*form, "UpDown1")->stepUp(); }, "2025-02-28"},
        {"year down", [&] { Child<QSpinBox>(*form, "UpDown1")->stepDown(); }, "2024-02-28"},
        {"Up key in the year field", [&] { QTest::keyClick(Child<QSpinBox>(*form, "UpDown1"), Qt::Key_Up); },
         "2025-02-28"},
        {"Page Up steps one year",
         [&] { QTest::keyClick(Child<QSpinBox>(*form, "UpDown1"), Qt::Key_PageUp); }, "2026-02-28"},
        {"Page Down steps one year",
         [&] { QTest::keyClick(Child<QSpinBox>(*form, "UpDown1"), Qt::Key_PageDown); }, "2025-02-28"},
    };
    for (const auto& step : steps) {
        step.act();
        EXPECT_EQ(Ymd(Selected()), step.expected) << step.what;
        EXPECT_EQ(Child<QComboBox>(*form, "ComboBox1")->currentIndex() + 1, ToQDate(Selected()).month())
            << step.what;
        EXPECT_EQ(Child<QSpinBox>(*form, "UpDown1")->value(), ToQDate(Selected()).year()) << step.what;
        EXPECT_EQ(Child<QLabel>(*form, "Label1")->text(),
                  QLocale().toString(ToQDate(Selected()), QLocale::ShortFormat))
            << step.what;
    }
}

TEST_F(MainWindowTest, YearStopsAtTheEndsAndCannotBeTyped)
{
    Select(2100, 6, 1);
    Child<QSpinBox>(*form, "UpDown1")->stepUp();
    QTest::keyClick(Child<QSpinBox>(*form, "UpDown1"), Qt::Key_Up);
    EXPECT_EQ(Ymd(Selected()), "2100-06-01");
    Select(1900, 6, 1);
    Child<QSpinBox>(*form, "UpDown1")->stepDown();
    EXPECT_EQ(Ymd(Selected()), "1900-06-01");
    EXPECT_TRUE(Child<QLineEdit>(*form, "Edit1")->isReadOnly());
    QTest::keyClicks(Child<QLineEdit>(*form, "Edit1"), "1999");
    EXPECT_EQ(Child<QSpinBox>(*form, "UpDown1")->value(), 1900);
}

TEST_F(MainWindowTest, DayClickRefillsTheListSortedButMonthChangeDoesNot)
{
    Select(2024, 12, 1);
    ClickDay(25);
    EXPECT_EQ(Ymd(Selected()), "2024-12-25");
    EXPECT_EQ(ListTexts(), (QStringList{"anne - 25.12", "Bernard - 25.12", "Stephen - 25.12"}));
    ChooseMonth(6);
    EXPECT_EQ(Ymd(Selected()), "2024-06-25");
    EXPECT_EQ(ListTexts().size(), 3) << "choosing a month leaves the list alone";
    ClickDay(24);
    EXPECT_EQ(ListTexts(), (QStringList{"John the Baptist - 24.06", "Theodulf - 24.06"}));
}

TEST_F(MainWindowTest, DoubleClickSelectsAndFillsOnce)
{
    Select(2024, 12, 1);
    Calendar()->grab();
    const auto cell = Calendar()->Geometry().DayCell(25);
    int fills = 0;
    QObject::connect(Child<QListWidget>(*form, "ListBox1")->model(), &QAbstractItemModel::modelReset,
                     [&] { ++fills; });
    const QPoint at(cell.Left + 5, cell.Top + 5);
    QTest::mousePress(Calendar(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(Calendar(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(Calendar(), Qt::LeftButton, {}, at);
    EXPECT_EQ(Ymd(Selected()), "2024-12-25");
    EXPECT_EQ(ListTexts().size(), 3);
    EXPECT_LE(fills, 1);
}

TEST_F(MainWindowTest, NowReturnsFromAnotherMonthAndYear)
{
    Select(1950, 12, 25);
    ClickDay(25);
    Trigger(*form, "GoToNow");
    const QDate now = ToQDate(clock.Now());
    EXPECT_EQ(ToQDate(Selected()), now);
    EXPECT_EQ(Child<QComboBox>(*form, "ComboBox1")->currentIndex(), now.month() - 1);
    EXPECT_EQ(Child<QSpinBox>(*form, "UpDown1")->value(), now.year());
    EXPECT_EQ(ListTexts(), QStringList{"Today's Saint - " + now.toString("dd.MM")});
}

TEST_F(MainWindowTest, CommandsFollowTheList)
{
    Select(2024, 7, 1);
    ClickDay(4); // no saints in the file on 4 July
    EXPECT_TRUE(ListTexts().isEmpty());
    EXPECT_FALSE(Child<QAction>(*form, "SaintInfo")->isEnabled());
    EXPECT_FALSE(Child<QPushButton>(*form, "Button1")->isEnabled()) << "the Info button follows its command";
    EXPECT_FALSE(Child<QAction>(*form, "Print")->isEnabled());
    EXPECT_FALSE(Child<TCommnosFrame>(*form, "TCommnosFrame1")->CopyAll->isEnabled());
    EXPECT_FALSE(Child<TCommnosFrame>(*form, "TCommnosFrame1")->Action1->isEnabled());
    ClickDay(1);
    Select(2024, 12, 1);
    ClickDay(25);
    EXPECT_TRUE(Child<QAction>(*form, "Print")->isEnabled());
    EXPECT_FALSE(Child<QAction>(*form, "SaintInfo")->isEnabled()) << "nothing chosen yet";
    EXPECT_FALSE(Child<QPushButton>(*form, "Button1")->isEnabled());
    Child<QListWidget>(*form, "ListBox1")->setCurrentRow(1);
    EXPECT_TRUE(Child<QAction>(*form, "SaintInfo")->isEnabled());
    EXPECT_TRUE(Child<QPushButton>(*form, "Button1")->isEnabled());
    EXPECT_TRUE(Child<TCommnosFrame>(*form, "TCommnosFrame1")->CopyAll->isEnabled());
    EXPECT_TRUE(Child<TCommnosFrame>(*form, "TCommnosFrame1")->Action1->isEnabled());
    QStringList menu;
    for (QAction* a : Child<TCommnosFrame>(*form, "TCommnosFrame1")->SaintsListBoxPopup->actions())
        menu << a->text();
    EXPECT_EQ(menu, (QStringList{"Copy", "Print Selected", "Info"}));
}

TEST_F(MainWindowTest, CopyPutsTheListLineOnTheClipboard)
{
    Select(2024, 12, 1);
    ClickDay(25);
    Child<QListWidget>(*form, "ListBox1")->setCurrentRow(2);
    Child<TCommnosFrame>(*form, "TCommnosFrame1")->CopyAll->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), "Stephen - 25.12");
}

TEST_F(MainWindowTest, ChoosingASaintMovesTheCalendarButKeepsTheList)
{
    Select(2024, 12, 1);
    ClickDay(25);
    Select(2030, 3, 5);
    Child<QListWidget>(*form, "ListBox1")->setCurrentRow(0);
    EXPECT_EQ(Ymd(Selected()), "2030-12-25");
    EXPECT_EQ(ListTexts().size(), 3);
}

TEST_F(MainWindowTest, InfoShowsTheDetailsWithTheirCharacterFormats)
{
    Select(2024, 12, 1);
    ClickDay(25);
    Select(2031, 1, 1);
    Child<QListWidget>(*form, "ListBox1")->setCurrentRow(2); // Stephen
    Trigger(*form, "SaintInfo");
    EXPECT_TRUE(dayInfo->isVisible());
    EXPECT_EQ(dayInfo->windowTitle(), "Day Info");
    EXPECT_EQ(Ymd(Selected()), "2031-12-25");
    QTextDocument* doc = dayInfo->RichEdit1->document();
    EXPECT_EQ(doc->toPlainText(), "Stephen - ( Deacon )\nFirst martyr\n");
    struct Run {
        int pos;
        QColor color;
        double size;
        bool bold, italic, underline;
    } runs[] = {
        {1, Qt::red, 14, true, false, true},      // the name
        {8, Qt::black, 14, true, false, false},   // " - "
        {12, Qt::black, 14, true, true, false},   // "( Deacon )"
        {22, Qt::black, 10, false, false, false}, // the profile
    };
    for (const auto& r : runs) {
        QTextCursor c(doc);
        c.setPosition(r.pos);
        const QTextCharFormat f = c.charFormat();
        EXPECT_EQ(f.foreground().color(), r.color) << r.pos;
        EXPECT_EQ(f.fontPointSize(), r.size) << r.pos;
        EXPECT_EQ(f.fontWeight() >= QFont::Bold, r.bold) << r.pos;
        EXPECT_EQ(f.fontItalic(), r.italic) << r.pos;
        EXPECT_EQ(f.fontUnderline(), r.underline) << r.pos;
    }
    EXPECT_EQ(dayInfo->RichEdit1->textCursor().position(), 0);
    EXPECT_EQ(dayInfo->Saint(), RecordOf(Child<QListWidget>(*form, "ListBox1")->item(2)));
    QTest::keyClick(dayInfo->RichEdit1, Qt::Key_Escape);
    EXPECT_TRUE(dayInfo->isVisible()) << "Esc does not close it; its Close button does";
}

TEST_F(MainWindowTest, SaintOfTheTwentyNinthInACommonYearGoesToThe28th)
{
    Select(2024, 2, 1);
    ClickDay(29);
    ASSERT_EQ(ListTexts(), QStringList{"Oswald of Worcester - 29.02"});
    Select(2025, 5, 5);
    Child<QListWidget>(*form, "ListBox1")->setCurrentRow(0);
    EXPECT_EQ(Ymd(Selected()), "2025-02-28");
    Trigger(*form, "SaintInfo");
    EXPECT_TRUE(dayInfo->isVisible());
    QCoreApplication::processEvents(); // an error box would open now, and fail the test
}

TEST_F(MainWindowTest, MenusAndToolbar)
{
    QStringList menus;
    for (QAction* m : Child<QMenuBar>(*form, "ActionMainMenuBar1")->actions()) {
        QStringList items;
        for (QAction* a : m->menu()->actions())
            items << (a->isSeparator() ? "-" : a->text());
        menus << m->text() + ": " + items.join(", ");
    }
    EXPECT_EQ(menus, (QStringList{"&Program: Options, Print, Exit, -, Shutdown",
                                  "&Find: Find Feast..., Find Saint...",
                                  "&Help: About, Show License, Visit Home Page!"}));
    QStringList tools;
    for (QAction* a : Child<QToolBar>(*form, "ActionToolBar1")->actions())
        tools << (a->isSeparator() ? "-" : a->objectName());
    EXPECT_EQ(tools, (QStringList{"Shutdown", "ExitAction", "-", "FindFeasts", "FindSaint", "-", "Options",
                                  "Print", "About"}));
}

TEST_F(MainWindowTest, CloseEndsTheProgramUnlessShutdownIsNeeded)
{
    bool closed = false;
    QObject::connect(form.get(), &TForm1::Closed, [&] { closed = true; });
    form->show();
    Trigger(*form, "ExitAction");
    EXPECT_TRUE(closed) << "with the tray setting off, Exit ends the program";
    closed = false;
    form->show();
    Trigger(*form, "Shutdown");
    EXPECT_TRUE(closed);
    EXPECT_TRUE(form->ShutdownRequested);
}

TEST_F(MainWindowTest, ListRowsAndMonthItemsHaveTheirDesignedHeight)
{
    for (int m = 0; m < 12; ++m)
        EXPECT_EQ(Child<QComboBox>(*form, "ComboBox1")->view()->sizeHintForRow(m), 18) << m;
    Select(2024, 12, 1);
    ClickDay(25);
    EXPECT_EQ(Child<QListWidget>(*form, "ListBox1")->sizeHintForRow(0), 18);
}

TEST_F(MainWindowTest, ALongLineKeepsItsDayShowsWhollyAsATooltipAndCopiesWhole)
{
    const std::string longName = "Saints Andrew Kim Tae-gon, Paul Chong Ha-sang and their many Companions";
    const TSaintList day = {SaintRecordOf(longName), SaintRecordOf("Eustace")};
    QListWidget* list = Child<QListWidget>(*form, "ListBox1");
    FillSaintList(list, &day);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    const QString whole = QString::fromStdString(longName) + " - 20.09";
    ASSERT_EQ(ListTexts(), (QStringList{"Eustace - 20.09", whole}));

    EXPECT_FALSE(list->horizontalScrollBar()->isVisible());
    EXPECT_EQ(list->horizontalScrollBar()->maximum(), 0) << "nothing to scroll sideways";
    EXPECT_LE(list->visualItemRect(list->item(1)).right(), list->viewport()->width());

    const auto tooltip = [&](int row) {
        const QPoint at = list->visualItemRect(list->item(row)).center();
        QHelpEvent e(QEvent::ToolTip, at, list->viewport()->mapToGlobal(at));
        QCoreApplication::sendEvent(list->viewport(), &e);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    EXPECT_EQ(tooltip(0), "") << "a line that fits has no tooltip";
    EXPECT_EQ(tooltip(1), whole);
    QToolTip::hideText();

    list->setCurrentRow(1);
    Child<TCommnosFrame>(*form, "TCommnosFrame1")->CopyAll->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), whole);
}

TEST_F(MainWindowTest, ActivationBringsTheOpenDialogForwardWithTheWindow)
{
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    // The windows in the order they are raised: the last one raised is on top.
    struct RaiseLog : QObject {
        QList<QObject*> raised;
        bool eventFilter(QObject* o, QEvent* e) override
        {
            if (e->type() == QEvent::ZOrderChange)
                raised << o;
            return false;
        }
    } log;
    {
        const ExpectModal feast("Find_Feast", [&](QDialog& dialog) {
            form->installEventFilter(&log);
            dialog.installEventFilter(&log);
            form->Activate(); // what a second start of the program asks for
            dialog.removeEventFilter(&log);
            dialog.findChild<QPushButton*>("Button2")->click();
        });
        Trigger(*form, "FindFeasts");
    }
    ASSERT_FALSE(log.raised.isEmpty());
    EXPECT_EQ(log.raised.first(), form.get()) << "the main window comes forward";
    EXPECT_EQ(log.raised.last(), form->Find_Feast()) << "and its dialog over it";
}

TEST_F(MainWindowTest, AnErrorBoxBeforeTheWindowIsShownIsCentredOnTheScreen)
{
    TForm1 starting(services);
    QRect box;
    QString text;
    {
        const ExpectModal error("Orvelle of Saints", [&](QDialog& d) {
            box = d.frameGeometry();
            text = static_cast<QMessageBox&>(d).text();
            d.accept();
        });
        starting.FormCreate("/nonexistent/dir/saints_out.csv");
    }
    EXPECT_EQ(text, "Could not open file [/nonexistent/dir/saints_out.csv]");
    // Qt keeps room for a window frame of up to 10 by 40 pixels above and left of the box.
    const QPoint offset = box.center() - QGuiApplication::primaryScreen()->availableGeometry().center();
    EXPECT_LE(std::abs(offset.x()), 12) << box.x();
    EXPECT_LE(std::abs(offset.y()), 42) << box.y();
}
