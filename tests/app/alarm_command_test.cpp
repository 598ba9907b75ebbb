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

    // Presses "Set Alarm..." and works the dialog as answer says.
    void SetAlarm(const std::function<void(TForm4&)>& answer)
    {
        ExpectModal dialog("Form4", [&](QDialog&) { answer(form4); });
        form->Button3->click();
    }
    static void Ok(TForm4& d) { d.Button2->click(); }
    static void Cancel(TForm4& d) { d.Button1->click(); }
    TFakeRegistry::Value& Stored(const char* name) { return registry.Of(kOrvelleKey)[name]; }

    TForm4 form4{clock};
};

} // namespace

TEST_F(AlarmCommandTest, FirstUseThenCancelKeepsWhatWasTypedButTheDateGoesBackToNow)
{
    SetAlarm([&](TForm4& d) {
        EXPECT_FALSE(d.IsActivated());
        EXPECT_EQ(d.DateTime(), clock.Now());
        EXPECT_EQ(d.OptionalMessage(), "");
        d.CheckBox1->click();
        QTest::keyClicks(d.Memo1, "Feed the cat");
        d.DateTimePicker1->setDate(QDate(2026, 5, 1));
        Cancel(d);
    });
    clock.Set(EncodeDate(2026, 3, 11) + 0.1);
    SetAlarm([&](TForm4& d) {
        EXPECT_TRUE(d.IsActivated());
        EXPECT_EQ(d.OptionalMessage(), "Feed the cat");
        EXPECT_EQ(d.DateTime(), clock.Now()) << "now at this opening";
        Cancel(d);
    });
    EXPECT_TRUE(registry.Writes.empty());
}

TEST_F(AlarmCommandTest, AStoredAlarmIsLoadedAndOnlyOkWithActivatedReplacesIt)
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
        SCOPED_TRACE(c.what);
        const TDateTime passed = EncodeDate(2025, 1, 5) + 0.25;
        Stored(kAlarmDateValue) = passed;
        Stored(kAlarmMessageValue) = std::string("Feed\r\nthe cat");
        registry.Writes.clear();
        SetAlarm([&](TForm4& d) {
            EXPECT_TRUE(d.IsActivated());
            EXPECT_EQ(d.DateTime(), passed);
            EXPECT_EQ(d.Memo1->toPlainText(), "Feed\nthe cat");
            d.SetIsActivated(c.tick);
            d.DateTimePicker1->setDate(QDate(2026, 4, 1));
            d.SetOptionalMessage("new");
            c.close(d);
        });
        if (!c.writes) {
            EXPECT_TRUE(registry.Writes.empty());
            continue;
        }
        ASSERT_EQ(registry.Writes.size(), 2u);
        EXPECT_EQ(registry.Writes[0].rfind("AlarmDate=", 0), 0u) << "the day first";
        EXPECT_EQ(registry.Writes[1], "AlarmMessage=new");
        // The stored alarm's time of day (6:00) rides along with the newly picked day.
        EXPECT_EQ(std::get<TDateTime>(Stored(kAlarmDateValue)), EncodeDate(2026, 4, 1) + 0.25);
    }
}

TEST_F(AlarmCommandTest, AWrongTypedValueKeepsTheDialogShutUnlessStartUpAlreadySaidSo)
{
    Stored(kAlarmDateValue) = std::string("garbage");
    Stored(kAlarmMessageValue) = 12;
    QString text;
    ExpectModal box("Orvelle of Saints", [&](QDialog& d) {
        text = static_cast<QMessageBox&>(d).text();
        d.accept();
    });
    form->Button3->click(); // a dialog opening here fails the test
    EXPECT_EQ(text, "Invalid data type for 'AlarmDate'");

    form->SetForm4(&form4, false);
    SetAlarm([&](TForm4& d) {
        EXPECT_EQ(d.DateTime(), clock.Now());
        d.SetIsActivated(true);
        d.SetOptionalMessage("fixed");
        Ok(d);
    });
    EXPECT_EQ(std::get<TDateTime>(Stored(kAlarmDateValue)), clock.Now());
    SetAlarm([](TForm4& d) {
        EXPECT_EQ(d.OptionalMessage(), "fixed") << "read again once replaced";
        Cancel(d);
    });
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
