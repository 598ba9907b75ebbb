#include "churchyear/find_feast_dialog.h"
#include "common/application_title.h"
#include "gui/modal.h"
#include "main_window_fixture.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDateEdit>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

using namespace orvelle;
using namespace orvelle::test;

class FindCommandsTest : public MainWindowTest {
  protected:
    // Runs Find Feast, choosing feast `number` (0..15) and `year` in the dialog, then OK or Cancel.
    void FindFeast(int number, int year, bool ok = true)
    {
        const ExpectModal dialog("Find_Feast", [=](QDialog& d) {
            auto& feast = static_cast<TFind_Feast&>(d);
            feast.findChild<QRadioButton*>(QString("RadioButton%1").arg(number + 1))->setChecked(true);
            feast.SetYear(year);
            feast.findChild<QPushButton*>(ok ? "Button1" : "Button2")->click();
        });
        Trigger(*form, "FindFeasts");
    }
    // Runs Find Saint with the given criteria; returns the text of the result box.
    QString FindSaint(const QString& name, const QString& profile, const QDate& day = {})
    {
        QString message;
        const ExpectModal dialog("FormFind", [&](QDialog& w) {
            w.findChild<QLineEdit*>("Edit1")->setText(name);
            w.findChild<QLineEdit*>("Edit2")->setText(profile);
            w.findChild<QCheckBox*>("CheckBox1")->setChecked(day.isValid());
            if (day.isValid())
                w.findChild<QDateEdit*>("DateTimePicker1")->setDate(day);
            QTest::keyClick(w.findChild<QLineEdit*>("Edit1"), Qt::Key_Return);
        });
        const ExpectModal result("Search result", [&](QDialog& box) {
            auto& mb = static_cast<QMessageBox&>(box);
            message = mb.windowTitle() + ": " + mb.text();
            EXPECT_EQ(mb.icon(), QMessageBox::NoIcon);
            mb.accept();
        });
        Trigger(*form, "FindSaint");
        return message;
    }
    int MarkedDays() const
    {
        return static_cast<int>(Calendar()->FeastLast() - Calendar()->FeastFirst()) + 1;
    }
};

TEST_F(FindCommandsTest, FeastsAreMarkedSelectedAndListed)
{
    struct Case {
        int feast, year;
        const char *first, *last;
    } cases[] = {
        {3, 2024, "2024-02-14", "2024-03-31"},  // Lent: Ash Wednesday to Easter
        {15, 2022, "2022-11-27", "2022-12-25"}, // Advent, Christmas on a Sunday
        {15, 2023, "2023-12-03", "2023-12-25"}, // Advent, Christmas on a Monday
        {0, 2019, "2019-01-13", "2019-01-13"},  // Baptism, 6 January on a Sunday
        {8, 2024, "2024-03-31", "2024-03-31"},  // Easter
    };
    for (const auto& c : cases) {
        FindFeast(c.feast, c.year);
        EXPECT_EQ(Ymd(Calendar()->FeastFirst()), c.first) << c.feast;
        EXPECT_EQ(Ymd(Calendar()->FeastLast()), c.last) << c.feast;
        EXPECT_EQ(Ymd(Selected()), c.first) << "the first day is selected";
        EXPECT_EQ(Child<QSpinBox>(*form, "UpDown1")->value(), c.year);
        EXPECT_EQ(Child<QComboBox>(*form, "ComboBox1")->currentIndex() + 1, ToQDate(Selected()).month());
    }
    FindFeast(3, 2024);
    EXPECT_EQ(MarkedDays(), 47);
}

TEST_F(FindCommandsTest, FeastListsTheSaintsOfItsFirstDay)
{
    FindFeast(15, 2024); // Advent 2024 ends on 25 December
    EXPECT_EQ(Ymd(Selected()), "2024-12-01");
    FindFeast(0, 2024); // Baptism of the Lord 2024: 7 January
    EXPECT_EQ(Ymd(Selected()), "2024-01-07");
}

TEST_F(FindCommandsTest, CancelChangesNothingAndTheDialogKeepsItsChoice)
{
    Select(2024, 12, 1);
    ClickDay(25);
    FindFeast(11, 2030, false);
    EXPECT_EQ(Ymd(Selected()), "2024-12-25");
    EXPECT_EQ(Calendar()->FeastFirst(), NoDate);
    EXPECT_EQ(ListTexts().size(), 3);
    EXPECT_EQ(form->Find_Feast()->GetMoveableFeast(), 11);
    EXPECT_EQ(form->Find_Feast()->GetYear(), 2030);
}

TEST_F(FindCommandsTest, SearchReportsTheCountAndListsTheHits)
{
    Select(2024, 3, 3);
    struct Case {
        QString name, profile;
        QDate day;
        QString message;
        QStringList list;
    } cases[] = {
        {"bernard", "", {}, "Search result: 1 entries found.", {"Bernard - 25.12"}},
        {"", "PARIS", {}, "Search result: 1 entries found.", {"Genevieve - 03.01"}},
        {"o",
         "",
         QDate(1999, 6, 24),
         "Search result: 2 entries found.",
         {"John the Baptist - 24.06", "Theodulf - 24.06"}},
        {"Stephen ", "", {}, "Search result: 0 entries found.", {}},
        {"", "", {}, "Search result: 8 entries found.", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FindSaint(c.name, c.profile, c.day), c.message) << c.name.toStdString();
        if (!c.list.isEmpty()) {
            EXPECT_EQ(ListTexts(), c.list);
        }
        EXPECT_EQ(Ymd(Selected()), "2024-03-03") << "the calendar is untouched";
        EXPECT_FALSE(Child<QPushButton>(*form, "Button1")->isEnabled()) << "no saint chosen, no Info";
    }
    EXPECT_EQ(ListTexts().size(), 8);
    EXPECT_EQ(ListTexts().first(), "anne - 25.12");
}

TEST_F(FindCommandsTest, CtrlCCopiesTheSearchResult)
{
    QApplication::clipboard()->clear();
    {
        const ExpectModal dialog("FormFind",
                                 [](QDialog& d) { d.findChild<QPushButton*>("Button1")->click(); });
        const ExpectModal result("Search result", [](QDialog& box) {
            QTest::keyClick(&box, Qt::Key_C, Qt::ControlModifier);
            box.accept();
        });
        Trigger(*form, "FindSaint");
    }
    EXPECT_EQ(QApplication::clipboard()->text(), "8 entries found.");
}

TEST_F(FindCommandsTest, SearchDialogKeepsItsCriteria)
{
    FindSaint("genev", "");
    const ExpectModal dialog("FormFind", [](QDialog& w) {
        EXPECT_EQ(w.findChild<QLineEdit*>("Edit1")->text(), "genev");
        w.findChild<QPushButton*>("Button2")->click();
    });
    Trigger(*form, "FindSaint");
    EXPECT_EQ(ListTexts(), QStringList{"Genevieve - 03.01"});
}

TEST(FindSaintErrors, BadDayEndsTheSearchWithAnErrorAndKeepsTheList)
{
    TempFile file(SaintRow("01.01.", "Mary") + SaintRow("03.17.", "Patrick") + "03.17.;Broken;row;\n" +
                  SaintRow("12.25.", "Anastasia"));
    TFakeRegistry registry;
    TFakeAutostart autostart;
    TFixedClock clock(EncodeDate(2026, 5, 1));
    TForm1 form({registry, autostart, clock, "/opt/orvelle/orvelle", {}});
    form.FormCreate(QString::fromStdString(file.path()));
    TFormFind formFind;
    form.SetFormFind(&formFind);
    Child<TCalendarControl>(form, "CalendarControl1")->SetSelectedDate(EncodeDate(2024, 1, 1));
    Trigger(form, "GoToNow"); // today's list, whatever it holds
    Child<TCalendarControl>(form, "CalendarControl1")
        ->MouseClick(Child<TCalendarControl>(form, "CalendarControl1"), EncodeDate(2024, 12, 25));
    ASSERT_EQ(Child<QListWidget>(form, "ListBox1")->count(), 1);

    // Runs the search with the dialog's criteria as they stand; returns the text of the box it shows.
    const auto search = [&](const QString& window) {
        QString text;
        const ExpectModal dialog("FormFind",
                                 [](QDialog& d) { d.findChild<QPushButton*>("Button1")->click(); });
        const ExpectModal box(window, [&](QDialog& b) {
            text = static_cast<QMessageBox&>(b).text();
            b.close();
        });
        Trigger(form, "FindSaint");
        return text;
    };
    EXPECT_EQ(search(kApplicationTitle),
              "Bad data in date [03.17.], row [1] -> returned only [3] columns of expected 10");
    ASSERT_EQ(Child<QListWidget>(form, "ListBox1")->count(), 1) << "the list keeps what it showed";
    EXPECT_EQ(Child<QListWidget>(form, "ListBox1")->item(0)->text(), "Anastasia - 25.12");

    EXPECT_EQ(search("Search result"), "3 entries found.") << "the second search no longer meets the bad row";
}
