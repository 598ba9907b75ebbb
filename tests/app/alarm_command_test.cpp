#include "dialogs/alarm_dialog.h"
#include "dialogs/alarm_rule.h"
#include "main_window_fixture.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QMessageBox>
#include <QPushButton>

using namespace orvelle;
using namespace orvelle::test;

namespace {

// "Set Alarm..." on the main window, with the alarm dialog that start-up hands it.
class AlarmCommandTest : public MainWindowTest {
  protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        form->SetForm4(&form4, true);
        registry.Writes.clear();
    }

    // Presses "Set Alarm...", lets answer work the dialog, and returns what it showed on opening.
    struct Shown {
        bool activated;
        QDate date;
        TDateTime dateTime;
        std::string message;
    };
    Shown SetAlarm(const std::function<void(TForm4&)>& answer)
    {
        Shown shown{};
        ExpectModal dialog("Form4", [&](QDialog&) {
            shown = {form4.IsActivated(), form4.DateTimePicker1->date(), form4.DateTime(), form4.OptionalMessage()};
            answer(form4);
        });
        form->Button3->click();
        return shown;
    }
    static void Ok(TForm4& d) { d.Button2->click(); }
    static void Cancel(TForm4& d) { d.Button1->click(); }

    void StoreAlarm(TDateTime date, const std::string& message)
    {
        registry.Of(kOrvelleKey)[kAlarmDateValue] = date;
        registry.Of(kOrvelleKey)[kAlarmMessageValue] = message;
    }

    TForm4 form4{clock};
};

} // namespace

TEST_F(AlarmCommandTest, FirstUseShowsTodayUntickedAndEmpty)
{
    const Shown shown = SetAlarm(Cancel);
    EXPECT_FALSE(shown.activated);
    EXPECT_EQ(shown.dateTime, clock.Now());
    EXPECT_EQ(shown.message, "");
    EXPECT_TRUE(registry.Writes.empty());
}

TEST_F(AlarmCommandTest, AStoredAlarmIsLoadedEvenWhenItsDayHasPassed)
{
    StoreAlarm(EncodeDate(2025, 1, 5) + 0.25, "Feed\r\nthe cat");
    const Shown shown = SetAlarm(Cancel);
    EXPECT_TRUE(shown.activated);
    EXPECT_EQ(shown.date, QDate(2025, 1, 5));
    EXPECT_EQ(shown.dateTime, EncodeDate(2025, 1, 5) + 0.25);
    EXPECT_EQ(shown.message, "Feed\r\nthe cat");
    EXPECT_EQ(form4.Memo1->toPlainText(), "Feed\nthe cat");
}

TEST_F(AlarmCommandTest, OnlyOkWithActivatedTickedWrites)
{
    const struct {
        const char* what;
        bool tick;
        void (*close)(TForm4&);
        bool writes;
    } cases[] = {
        {"Cancel, ticked", true, Cancel, false},
        {"OK, unticked", false, Ok, false},
        {"close box, ticked", true, [](TForm4& d) { d.close(); }, false},
        {"OK, ticked", true, Ok, true},
    };
    for (const auto& c : cases) {
        StoreAlarm(EncodeDate(2026, 3, 10) + 0.25, "old");
        registry.Writes.clear();
        SetAlarm([&](TForm4& d) {
            d.SetIsActivated(c.tick);
            d.DateTimePicker1->setDate(QDate(2026, 4, 1));
            d.SetOptionalMessage("new");
            c.close(d);
        });
        if (!c.writes) {
            EXPECT_TRUE(registry.Writes.empty()) << c.what;
            EXPECT_EQ(std::get<TDateTime>(registry.Of(kOrvelleKey)[kAlarmDateValue]), EncodeDate(2026, 3, 10) + 0.25)
                << c.what << ": the stored alarm stays";
            continue;
        }
        ASSERT_EQ(registry.Writes.size(), 2u) << c.what;
        EXPECT_EQ(registry.Writes[0].rfind("AlarmDate=", 0), 0u);
        EXPECT_EQ(registry.Writes[1], "AlarmMessage=new");
        // The stored alarm's time of day (6:00) rides along with the newly picked day.
        EXPECT_EQ(std::get<TDateTime>(registry.Of(kOrvelleKey)[kAlarmDateValue]), EncodeDate(2026, 4, 1) + 0.25);
    }
}

TEST_F(AlarmCommandTest, CancelKeepsTheTypedStateButTheDateGoesBackToNow)
{
    SetAlarm([](TForm4& d) {
        d.CheckBox1->click();
        QTest::keyClicks(d.Memo1, "Feed the cat");
        d.DateTimePicker1->setDate(QDate(2026, 5, 1));
        Cancel(d);
    });
    clock.Set(EncodeDate(2026, 3, 11) + 0.1);
    const Shown again = SetAlarm(Cancel);
    EXPECT_TRUE(again.activated);
    EXPECT_EQ(again.message, "Feed the cat");
    EXPECT_EQ(again.dateTime, clock.Now()) << "now at this opening";
    EXPECT_TRUE(registry.Writes.empty());
}

TEST_F(AlarmCommandTest, AKeyThatDoesNotOpenLeavesTheDialogAsItWasAndStoresNothing)
{
    SetAlarm([](TForm4& d) {
        d.DateTimePicker1->setDate(QDate(2026, 7, 7));
        QTest::keyClicks(d.Memo1, "kept");
        Cancel(d);
    });
    registry.Unopenable = {kOrvelleKey};
    const Shown shown = SetAlarm([](TForm4& d) {
        d.SetIsActivated(true);
        Ok(d);
    });
    EXPECT_EQ(shown.date, QDate(2026, 7, 7));
    EXPECT_EQ(shown.message, "kept");
    EXPECT_TRUE(registry.Writes.empty());
}

TEST_F(AlarmCommandTest, AWrongTypedValueIsReportedAndTheDialogStaysShut)
{
    registry.Of(kOrvelleKey)[kAlarmMessageValue] = 12;
    QString text;
    ExpectModal box("Orvelle of Saints", [&](QDialog& d) {
        text = static_cast<QMessageBox&>(d).text();
        d.accept();
    });
    form->Button3->click(); // a dialog opening here fails the test
    EXPECT_EQ(text, "Invalid data type for 'AlarmMessage'");
}

TEST_F(AlarmCommandTest, AnAlarmUnreadableAtStartUpIsReplacedByTheNextOk)
{
    registry.Of(kOrvelleKey)[kAlarmDateValue] = std::string("garbage");
    registry.Of(kOrvelleKey)[kAlarmMessageValue] = 12;
    form->SetForm4(&form4, false);
    const Shown shown = SetAlarm([](TForm4& d) {
        d.SetIsActivated(true);
        d.SetOptionalMessage("fixed");
        Ok(d);
    });
    EXPECT_EQ(shown.dateTime, clock.Now());
    EXPECT_EQ(std::get<TDateTime>(registry.Of(kOrvelleKey)[kAlarmDateValue]), clock.Now());
    EXPECT_EQ(std::get<std::string>(registry.Of(kOrvelleKey)[kAlarmMessageValue]), "fixed");
    EXPECT_EQ(SetAlarm(Cancel).message, "fixed") << "read again once replaced";
}

TEST_F(AlarmCommandTest, ARefusedDayIsReportedAndNoMessageWritten)
{
    registry.RefusedValues = {kAlarmDateValue};
    ExpectModal dialog("Form4", [](QDialog& d) {
        auto& form4 = static_cast<TForm4&>(d);
        form4.SetIsActivated(true);
        form4.SetOptionalMessage("x");
        Ok(form4);
    });
    QString text;
    ExpectModal box("Orvelle of Saints", [&](QDialog& d) {
        text = static_cast<QMessageBox&>(d).text();
        d.accept();
    });
    form->Button3->click();
    EXPECT_EQ(text, "Failed to set data for 'AlarmDate'");
    EXPECT_FALSE(registry.Has(kOrvelleKey, kAlarmMessageValue));
}
