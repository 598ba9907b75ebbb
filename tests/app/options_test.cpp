// The Options dialog and the tray setting as the main window applies them.
#include "app/options_dialog.h"
#include "common/application_title.h"
#include "common/error_box.h"
#include "main_window_fixture.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSystemTrayIcon>

using namespace orvelle;
using namespace orvelle::test;

class OptionsTest : public MainWindowTest {
  protected:
    // Runs the Options command, setting the three boxes, then OK or Cancel.
    void Options(bool tray, bool info, bool run, bool ok = true)
    {
        const ExpectModal dialog("FrmOptions", [=](QDialog& d) {
            Child<QCheckBox>(d, "CheckBox1")->setChecked(tray);
            Child<QCheckBox>(d, "CheckBox2")->setChecked(info);
            Child<QCheckBox>(d, "CheckBox3")->setChecked(run);
            QTest::mouseClick(Child<QPushButton>(d, ok ? "Button1" : "Button2"), Qt::LeftButton);
        });
        Trigger(*form, "Options");
    }
    TFrmOptions& Dialog() { return *form->FrmOptions(); }
    std::vector<bool> Boxes()
    {
        return {Child<QCheckBox>(Dialog(), "CheckBox1")->isChecked(),
                Child<QCheckBox>(Dialog(), "CheckBox2")->isChecked(),
                Child<QCheckBox>(Dialog(), "CheckBox3")->isChecked()};
    }
};

TEST_F(OptionsTest, TheDialogsControlsStandAtTheirPlaces)
{
    TFrmOptions& d = Dialog();
    EXPECT_EQ(d.windowTitle(), "Options");
    EXPECT_EQ(d.size(), QSize(311, 234));
    EXPECT_EQ(Child<QGroupBox>(d, "GroupBox1")->geometry(), QRect(8, 8, 297, 185));
    EXPECT_EQ(Child<QGroupBox>(d, "GroupBox1")->title(), "Options");
    const struct {
        const char* name;
        const char* caption;
        QPoint at;
    } boxes[] = {{"CheckBox1", "Minimize to system tray", {8, 24}},
                 {"CheckBox2", "Display info box at startup", {8, 48}},
                 {"CheckBox3", "Run at startup", {8, 72}}};
    for (const auto& b : boxes) {
        auto* box = Child<QCheckBox>(d, b.name);
        EXPECT_EQ(box->text(), b.caption);
        EXPECT_EQ(box->pos(), b.at) << b.name;
        EXPECT_GE(box->width(), box->sizeHint().width()) << b.name << ": its caption fits";
        EXPECT_EQ(box->parentWidget()->objectName(), "GroupBox1");
    }
    EXPECT_EQ(Child<QPushButton>(d, "Button1")->geometry(), QRect(224, 200, 75, 25));
    EXPECT_EQ(Child<QPushButton>(d, "Button2")->geometry(), QRect(144, 200, 75, 25));
    EXPECT_EQ(Child<QPushButton>(d, "Button1")->text(), "OK");
    EXPECT_FALSE(Child<QPushButton>(d, "Button1")->isDefault());
    QStringList order;
    QWidget* w = Child<QCheckBox>(d, "CheckBox1");
    for (int i = 0; i < 5; ++i, w = w->nextInFocusChain())
        order << w->objectName();
    EXPECT_EQ(order, (QStringList{"CheckBox1", "CheckBox2", "CheckBox3", "Button1", "Button2"}));
}

TEST_F(OptionsTest, EscapeAndEnterOnABoxDoNotCloseTheDialog)
{
    const ExpectModal dialog("FrmOptions", [](QDialog& d) {
        QTest::keyClick(&d, Qt::Key_Escape);
        QTest::keyClick(Child<QCheckBox>(d, "CheckBox1"), Qt::Key_Return);
        EXPECT_TRUE(d.isVisible());
        Child<QPushButton>(d, "Button2")->click();
    });
    Trigger(*form, "Options");
}

TEST_F(OptionsTest, OkSavesAndCancelChangesNothing)
{
    Options(true, false, true);
    EXPECT_EQ(registry.ReadIntegerOf(kOrvelleKey, "MinimizeToTray"), 1);
    EXPECT_EQ(registry.ReadIntegerOf(kOrvelleKey, "DisplayInfoAtStartup"), 0);
    EXPECT_TRUE(autostart.Enabled);
    EXPECT_EQ(autostart.Path, "/opt/orvelle/orvelle");
    EXPECT_TRUE(form->MinimizeToTray());

    registry.Writes.clear();
    Options(false, true, false, false);
    EXPECT_TRUE(registry.Writes.empty()) << "Cancel writes nothing";
    EXPECT_TRUE(autostart.Enabled);
    const ExpectModal reopened("FrmOptions", [this](QDialog& d) {
        EXPECT_EQ(Boxes(), (std::vector<bool>{true, false, true}));
        d.reject(); // the close box
    });
    Trigger(*form, "Options");
    EXPECT_TRUE(registry.Writes.empty());
}

TEST_F(OptionsTest, ARefusedWriteIsShownAndStopsTheCommand)
{
    registry.RefusedValues.insert("MinimizeToTray");
    const ExpectModal dialog("FrmOptions", [](QDialog& d) {
        Child<QCheckBox>(d, "CheckBox1")->setChecked(true);
        Child<QPushButton>(d, "Button1")->click();
    });
    const ExpectModal box(kApplicationTitle, [](QDialog& d) {
        EXPECT_EQ(static_cast<QMessageBox&>(d).text(), "Failed to set data for 'MinimizeToTray'");
        d.accept();
    });
    Trigger(*form, "Options");
    EXPECT_TRUE(registry.Writes.empty()) << "no later write";
    EXPECT_FALSE(form->TrayIcon()->isVisible()) << "nor the tray update";
}

TEST_F(OptionsTest, WithoutATrayTheWindowNeverHidesIntoNothing)
{
    Options(true, true, false);
    EXPECT_TRUE(form->MinimizeToTray()) << "the setting is kept";
    EXPECT_FALSE(form->HidesToTray());
    form->show();
    bool closed = false;
    QObject::connect(form.get(), &TForm1::Closed, [&] { closed = true; });
    Trigger(*form, "ExitAction");
    EXPECT_TRUE(closed) << "Exit ends the program as with the setting off";
}

TEST(OptionsLoading, AWrongTypedValueIsShownOnceAndStartUpGoesOn)
{
    TFakeRegistry registry;
    registry.Of(kOrvelleKey) = {{"MinimizeToTray", std::string("x")}, {"DisplayInfoAtStartup", 0}};
    TFakeAutostart autostart;
    TFixedClock clock(EncodeDate(2026, 5, 1));
    TempFile file(SaintRow("05.01.", "Joseph the Worker"));
    TForm1 form({registry, autostart, clock, "/opt/orvelle/orvelle", {}});
    const ExpectModal box(kApplicationTitle, [](QDialog& d) {
        EXPECT_EQ(static_cast<QMessageBox&>(d).text(), "Invalid data type for 'MinimizeToTray'");
        d.accept();
    });
    form.FormCreate(QString::fromStdString(file.path()));
    EXPECT_TRUE(form.MinimizeToTray()) << "taken as absent: the default";
    EXPECT_EQ(registry.ReadIntegerOf(kOrvelleKey, "MinimizeToTray"), 1) << "and written back";
    EXPECT_EQ(form.findChild<QListWidget*>("ListBox1")->count(), 1) << "start-up went on";
}

TEST(OptionsLoading, AStoreThatCannotBeOpenedLeavesTheSettingsOff)
{
    TFakeRegistry registry;
    registry.Unopenable.insert(kOrvelleKey);
    TFakeAutostart autostart;
    TFixedClock clock(EncodeDate(2026, 5, 1));
    TempFile file(SaintRow("05.01.", "Joseph the Worker"));
    TForm1 form({registry, autostart, clock, "/opt/orvelle/orvelle", {}});
    form.FormCreate(QString::fromStdString(file.path()));
    EXPECT_FALSE(form.MinimizeToTray());
    EXPECT_FALSE(form.DisplayInfoAtStartup());
    EXPECT_TRUE(registry.Writes.empty());
}

TEST_F(MainWindowTest, ChoosingASaintByKeyboardMovesTheCalendarAfterAFailedFill)
{
    // A bad day's rows fail the fill; the list keeps the day before and stays usable.
    TempFile bad(SaintRow("01.01.", "Mary") + "01.02.;Broken;row;\n" + SaintRow("01.03.", "Genevieve"));
    TForm1 other(services);
    other.FormCreate(QString::fromStdString(bad.path()));
    other.CalendarControl1->SetSelectedDate(EncodeDate(2024, 1, 3));
    other.CalendarControl1->MouseClick(other.CalendarControl1, EncodeDate(2024, 1, 3));
    ASSERT_EQ(other.ListBox1->count(), 1);
    {
        const ExpectModal box(kApplicationTitle, [](QDialog& d) { d.accept(); });
        Guarded(&other,
                [&] { other.CalendarControl1->MouseClick(other.CalendarControl1, EncodeDate(2024, 1, 2)); });
    }
    ASSERT_EQ(Ymd(other.CalendarControl1->SelectedDate()), "2024-01-02");
    other.ListBox1->setFocus();
    other.ListBox1->setCurrentRow(0);
    EXPECT_EQ(Ymd(other.CalendarControl1->SelectedDate()), "2024-01-03") << "the chosen saint's day";
}

TEST_F(OptionsTest, WithTheSettingOnMinimiseAndCloseHideTheWindowsAndTheTrayBringsBackOnlyTheMain)
{
    trayAvailable = true;
    Options(true, true, false);
    ASSERT_TRUE(form->HidesToTray());
    bool closed = false;
    QObject::connect(form.get(), &TForm1::Closed, [&] { closed = true; });
    const auto reopen = [&] {
        form->show();
        dayInfo->show();
    };
    reopen();
    form->showMinimized();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form->isVisible(); })) << "minimise hides";
    EXPECT_FALSE(dayInfo->isVisible());
    EXPECT_FALSE(form->isMinimized()) << "hidden rather than minimised";

    reopen();
    Trigger(*form, "ExitAction");
    EXPECT_FALSE(form->isVisible()) << "Exit hides";
    EXPECT_FALSE(dayInfo->isVisible());
    reopen();
    form->close();
    EXPECT_FALSE(form->isVisible()) << "so does the close box";
    EXPECT_FALSE(closed) << "and the program goes on";

    Child<QAction>(*form, "RestoreApp1")->trigger(); // "Show Calendar" in the tray menu
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(dayInfo->isVisible()) << "the Day Info window stays hidden";

    Options(false, true, false);
    EXPECT_FALSE(form->TrayIcon()->isVisible());
    form->showMinimized();
    QCoreApplication::processEvents();
    EXPECT_TRUE(form->isVisible()) << "with the setting off minimise minimises";

    Options(true, true, false);
    Child<QAction>(*form, "Nic1")->trigger(); // "Shutdown" in the tray menu
    EXPECT_TRUE(closed) << "Shutdown ends the program whatever the setting";
    EXPECT_FALSE(form->TrayIcon()->isVisible());
}

TEST_F(OptionsTest, TheTrayMenuReadsAsDesigned)
{
    auto* menu = Child<QMenu>(*form, "SysTrayPopup");
    QStringList items;
    for (QAction* a : menu->actions())
        items << (a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(items, (QStringList{"Show Calendar", "-", "Shutdown", "Cancel"}));
    EXPECT_EQ(form->TrayIcon()->toolTip(), "Orvelle of Saints");
    EXPECT_EQ(form->TrayIcon()->contextMenu(), menu);
    EXPECT_FALSE(form->TrayIcon()->icon().isNull());
}
