#include "common/qt_bridge.h"
#include "dialogs/alarm_dialog.h"
#include "dialogs/alarm_reminder.h"
#include "fakes/fakes.h"
#include "gui/modal.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDateEdit>
#include <QGroupBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace orvelle;
using namespace orvelle::test;

namespace {

const TDateTime kNow = EncodeDate(2026, 12, 8) + 0.75;

QRect InDialog(QWidget* w)
{
    return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size());
}

class AlarmDialogTest : public ::testing::Test {
  protected:
    TFixedClock clock{kNow};
    TForm4 dialog{clock};
};

} // namespace

TEST_F(AlarmDialogTest, LayoutTabOrderAndFirstState)
{
    EXPECT_EQ(dialog.windowTitle(), "Place an alarm...");
    EXPECT_EQ(dialog.size(), QSize(306, 225));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    const struct {
        const char* name;
        QRect place;
        QString caption;
    } controls[] = {
        {"GroupBox1", {8, 8, 289, 57}, "Date"},
        {"DateTimePicker1", {56, 24, 186, 21}, ""},
        {"GroupBox2", {8, 72, 289, 105}, "Optional Message"},
        {"Memo1", {16, 88, 265, 73}, ""},
        {"CheckBox1", {8, 184, 97, 17}, "Activated"},
        {"Button2", {144, 192, 75, 25}, "OK"},
        {"Button1", {224, 192, 75, 25}, "Cancel"},
    };
    for (const auto& c : controls) {
        QWidget* w = Child<QWidget>(dialog, c.name);
        ASSERT_TRUE(w);
        EXPECT_EQ(InDialog(w), c.place) << c.name;
        if (auto* box = qobject_cast<QGroupBox*>(w)) {
            EXPECT_EQ(box->title(), c.caption);
        }
        if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            EXPECT_EQ(button->text(), c.caption);
        }
    }
    EXPECT_FALSE(dialog.IsActivated());
    EXPECT_EQ(dialog.OptionalMessage(), "");
    EXPECT_EQ(dialog.DateTime(), kNow);
    EXPECT_TRUE(dialog.DateTimePicker1->calendarPopup());
    dialog.DateTimePicker1->setDate(QDate(2027, 2, 14));
    EXPECT_EQ(dialog.DateTime(), EncodeDate(2027, 2, 14) + 0.75) << "the time of day rides along";

    dialog.show();
    dialog.DateTimePicker1->setFocus();
    QStringList order;
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
        order << dialog.focusWidget()->objectName();
    }
    EXPECT_EQ(order, (QStringList{"Memo1", "CheckBox1", "Button1", "Button2", "DateTimePicker1"}));
}

TEST_F(AlarmDialogTest, TheMessageStopsAt64CharactersAsStoredWithCrLf)
{
    QTest::keyClicks(dialog.Memo1, QString(65, 'a'));
    EXPECT_EQ(dialog.OptionalMessage(), std::string(64, 'a')) << "typed";

    dialog.SetOptionalMessage("");
    QApplication::clipboard()->setText("Feed the cat\r\n" + QString(60, 'b'));
    dialog.Memo1->paste();
    EXPECT_EQ(dialog.OptionalMessage(), "Feed the cat\r\n" + std::string(64 - 14, 'b')) << "pasted";

    dialog.SetOptionalMessage(std::string(62, 'c') + "\r\n");
    EXPECT_EQ(dialog.Memo1->toPlainText(), QString(62, 'c') + "\n") << "shown as a line break";
    dialog.Memo1->moveCursor(QTextCursor::End);
    QTest::keyClick(dialog.Memo1, Qt::Key_Backspace);
    QTest::keyClick(dialog.Memo1, Qt::Key_Return);
    QTest::keyClicks(dialog.Memo1, "x");
    EXPECT_EQ(dialog.OptionalMessage(), std::string(62, 'c') + "\r\n") << "a typed line break takes two";
}

TEST_F(AlarmDialogTest, EnterPressesOnlyTheFocusedButtonAndEscNothing)
{
    const struct {
        QWidget* focus;
        int key;
        bool closes;
        int result;
    } cases[] = {
        {dialog.CheckBox1, Qt::Key_Escape, false, 0},
        {dialog.CheckBox1, Qt::Key_Return, false, 0},
        {dialog.DateTimePicker1, Qt::Key_Enter, false, 0},
        {dialog.Button1, Qt::Key_Escape, false, 0},
        {dialog.Button2, Qt::Key_Return, true, QDialog::Accepted},
        {dialog.Button1, Qt::Key_Return, true, QDialog::Rejected},
    };
    for (const auto& c : cases) {
        dialog.setResult(-1);
        dialog.show();
        c.focus->setFocus();
        QTest::keyClick(c.focus, static_cast<Qt::Key>(c.key));
        EXPECT_EQ(!dialog.isVisible(), c.closes) << c.focus->objectName().toStdString() << " " << c.key;
        if (c.closes) {
            EXPECT_EQ(dialog.result(), c.result);
        }
    }
}

TEST(AlarmReminder, ShowsTheMessageAboveEverythingWithOkFocused)
{
    TFormAlarmReminder reminder;
    EXPECT_EQ(reminder.windowTitle(), "Alarm!");
    EXPECT_EQ(reminder.size(), QSize(204, 170));
    EXPECT_EQ(InDialog(reminder.Memo1), QRect(8, 8, 185, 113));
    EXPECT_EQ(InDialog(reminder.Button1), QRect(64, 136, 75, 25));
    EXPECT_EQ(reminder.Button1->text(), "OK");
    EXPECT_TRUE(reminder.Memo1->isReadOnly());
    EXPECT_TRUE(reminder.windowFlags() & Qt::WindowStaysOnTopHint);
    reminder.SetText("Feed\r\nthe cat");
    EXPECT_EQ(reminder.Memo1->toPlainText(), "Feed\nthe cat");

    reminder.show();
    EXPECT_EQ(reminder.focusWidget(), reminder.Button1);
    QTest::keyClick(&reminder, Qt::Key_Escape);
    EXPECT_TRUE(reminder.isVisible()) << "Esc closes nothing";
    QTest::keyClick(reminder.Button1, Qt::Key_Return);
    EXPECT_FALSE(reminder.isVisible());
    EXPECT_EQ(reminder.result(), QDialog::Accepted);
}

TEST(AlarmReminder, StartUpCheckShowsTheDueMessageOrReportsABadValue)
{
    using Values = std::map<std::string, TFakeRegistry::Value>;
    const struct {
        const char* what;
        Values values;
        const char* window; // nullptr: nothing opens
        QString text;
        bool readable;
    } cases[] = {
        {"first start: no key yet", {}, nullptr, "", true},
        {"due at 23:59 today",
         {{"AlarmDate", EncodeDate(2026, 12, 8) + 0.9993}, {"AlarmMessage", std::string("Feed the cat")}},
         "Alarm!",
         "Feed the cat",
         true},
        {"due, no message", {{"AlarmDate", EncodeDate(2026, 12, 8)}}, "Alarm!", "", true},
        {"yesterday; its message, even of the wrong type, is not read",
         {{"AlarmDate", EncodeDate(2026, 12, 7) + 0.75}, {"AlarmMessage", 5}},
         nullptr,
         "",
         true},
        {"a day of the wrong type",
         {{"AlarmDate", std::string("soon")}},
         "Orvelle of Saints",
         "Invalid data type for 'AlarmDate'",
         false},
        {"a message of the wrong type",
         {{"AlarmDate", EncodeDate(2026, 12, 8)}, {"AlarmMessage", 3}},
         "Orvelle of Saints",
         "Invalid data type for 'AlarmMessage'",
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TFakeRegistry registry;
        if (!c.values.empty())
            registry.Of(kOrvelleKey) = c.values;
        TFixedClock clock{kNow};
        QString shown;
        std::optional<ExpectModal> expected;
        if (c.window)
            expected.emplace(c.window, [&](QDialog& d) {
                if (auto* reminder = qobject_cast<TFormAlarmReminder*>(&d)) {
                    shown = reminder->Memo1->toPlainText();
                    reminder->Button1->click();
                } else {
                    shown = static_cast<QMessageBox&>(d).text();
                    d.accept();
                }
            });
        EXPECT_EQ(RunAlarmCheck(registry, clock), c.readable);
        EXPECT_EQ(shown, c.text);
        EXPECT_TRUE(registry.Writes.empty()) << "the alarm stays as it was";
        EXPECT_EQ(registry.Keys.empty(), c.values.empty()) << "the key is never created";
    }
}
