#pragma once
#include "app/main_window.h"
#include "calendar/calendar_control.h"
#include "common/exception.h"
#include "common/qt_bridge.h"
#include "dialogs/find_dialog.h"
#include "fakes/fakes.h"
#include "gui/modal.h"
#include "test_files.h"
#include "views/day_info.h"

#include <QComboBox>
#include <QListWidget>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// Readable failures for Qt strings.
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace orvelle::test {

inline QString Ymd(TDateTime t)
{
    return ToQDate(t).toString(Qt::ISODate);
}

inline std::string SaintRow(const std::string& key, const std::string& name, const std::string& note = "note",
                            const std::string& profile = "profile")
{
    return key + ";" + name + ";sort;" + note + ";" + profile + ";1200;;cal;;;\n";
}

inline TSaintRecord SaintRecordOf(const std::string& name, const std::string& key = "09.20.")
{
    return {key, name, "sort", "note", "profile", "1200", "", "cal", "", ""};
}

// The main window after its creation sequence, on a small saints file that also holds today.
class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        int y;
        unsigned m, d;
        DecodeDate(clock.Now(), y, m, d);
        today = Format("%.2u.%.2u.", m, d);
        std::string rows;
        const auto add = [&](const std::string& key, const std::string& text) {
            if (key != today)
                rows += text;
        };
        add("01.03.", SaintRow("01.03.", "Genevieve", "Virgin", "Patroness of Paris"));
        add("02.29.", SaintRow("02.29.", "Oswald of Worcester", "Bishop", "Archbishop of York"));
        add("06.24.", SaintRow("06.24.", "John the Baptist", "Forerunner", "Preached by the Jordan") +
                          SaintRow("06.24.", "Theodulf", "Abbot", "Abbot of Lobbes"));
        add("12.25.", SaintRow("12.25.", "Stephen", "Deacon", "First martyr") +
                          SaintRow("12.25.", "anne", "x", "y") +
                          SaintRow("12.25.", "Bernard", "Abbot", "of Clairvaux"));
        rows += SaintRow(today, "Today's Saint", "note", "profile");
        file = std::make_unique<TempFile>(rows);
        form = std::make_unique<TForm1>(services);
        form->FormCreate(QString::fromStdString(file->path()));
        dayInfo = std::make_unique<TDayInfo>();
        formFind = std::make_unique<TFormFind>();
        form->SetDayInfo(dayInfo.get());
        form->SetFormFind(formFind.get());
    }

    TCalendarControl* Calendar() const { return Child<TCalendarControl>(*form, "CalendarControl1"); }
    void Select(int y, unsigned m, unsigned d) { Calendar()->SetSelectedDate(EncodeDate(y, m, d)); }
    TDateTime Selected() const { return Calendar()->SelectedDate(); }
    void ChooseMonth(unsigned month)
    {
        Child<QComboBox>(*form, "ComboBox1")->setCurrentIndex(static_cast<int>(month) - 1);
        emit Child<QComboBox>(*form, "ComboBox1")->activated(static_cast<int>(month) - 1);
    }
    QStringList ListTexts() const
    {
        QStringList texts;
        for (int i = 0; i < Child<QListWidget>(*form, "ListBox1")->count(); ++i)
            texts << Child<QListWidget>(*form, "ListBox1")->item(i)->text();
        return texts;
    }
    void ClickDay(unsigned day)
    {
        Calendar()->grab(); // painting places the grid
        const auto cell = Calendar()->Geometry().DayCell(day);
        QTest::mouseClick(Calendar(), Qt::LeftButton, {}, QPoint(cell.Left + 5, cell.Top + 5));
    }

    // A settings store that already holds the tray setting off, so nothing hides in the tests.
    TFakeRegistry registry = [] {
        TFakeRegistry r;
        r.Of(kOrvelleKey) = {{"MinimizeToTray", 0}, {"DisplayInfoAtStartup", 0}};
        return r;
    }();
    TFakeAutostart autostart;
    TFixedClock clock{EncodeDate(2026, 3, 10) + 0.75};
    bool trayAvailable = false; // as on the offscreen platform
    TServices services{registry, autostart, clock, "/opt/orvelle/orvelle", [this] { return trayAvailable; }};
    std::string today;
    std::unique_ptr<TempFile> file;
    std::unique_ptr<TForm1> form;
    std::unique_ptr<TDayInfo> dayInfo;
    std::unique_ptr<TFormFind> formFind;
};

} // namespace orvelle::test
