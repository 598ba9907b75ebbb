// The INI settings store: readable values, the registry's error messages, whole-file writes.
#include "app/settings.h"
#include "common/exception.h"
#include "fakes/fakes.h"
#include "platform/posix/ini_registry.h"
#include "test_files.h"

#include <QDir>
#include <QFile>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace orvelle;
using namespace orvelle::test;

namespace {
std::string Message(const std::function<void()>& f)
{
    try {
        f();
    } catch (const Exception& e) {
        return e.what();
    }
    return "no error";
}

std::string Contents(const std::string& path)
{
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), {}};
}

struct Store {
    TempFile dir{"", "placeholder"};
    std::string path = dir.dir() + "/Orvelle/Orvelle.conf";
    TIniRegistry registry{QString::fromStdString(path)};

    void Write(const std::string& text)
    {
        std::filesystem::create_directories(dir.dir() + "/Orvelle");
        std::ofstream(path) << text;
    }
};
} // namespace

TEST(IniRegistry, ValuesAreStoredReadablyUnderTheirNames)
{
    Store s;
    ASSERT_FALSE(s.registry.KeyExists(kOrvelleKey));
    ASSERT_FALSE(s.registry.OpenKey(kOrvelleKey, false)) << "not created without asking";
    ASSERT_FALSE(std::filesystem::exists(s.path));
    ASSERT_TRUE(s.registry.OpenKey(kOrvelleKey, true));
    EXPECT_TRUE(s.registry.KeyExists(kOrvelleKey));
    s.registry.WriteInteger("MinimizeToTray", 1);
    s.registry.WriteDate("AlarmDate", EncodeDate(2026, 12, 8) + (23 * 60 + 59) / 1440.0);
    s.registry.WriteString("AlarmMessage", "Feed the cat, then\r\nwater the plants");
    s.registry.CloseKey();

    const std::string text = Contents(s.path);
    EXPECT_NE(text.find("[General]"), std::string::npos) << text;
    EXPECT_NE(text.find("MinimizeToTray=1\n"), std::string::npos) << text;
    EXPECT_NE(text.find("AlarmDate=2026-12-08T23:59:00\n"), std::string::npos) << text;

    ASSERT_TRUE(s.registry.OpenKey(kOrvelleKey, false));
    EXPECT_TRUE(s.registry.ValueExists("AlarmMessage"));
    EXPECT_FALSE(s.registry.ValueExists("DisplayInfoAtStartup"));
    EXPECT_EQ(s.registry.ReadInteger("MinimizeToTray"), 1);
    EXPECT_DOUBLE_EQ(s.registry.ReadDate("AlarmDate"), EncodeDate(2026, 12, 8) + (23 * 60 + 59) / 1440.0);
    EXPECT_EQ(s.registry.ReadString("AlarmMessage"), "Feed the cat, then\r\nwater the plants");
    EXPECT_TRUE(s.registry.DeleteValue("AlarmMessage"));
    EXPECT_FALSE(s.registry.ValueExists("AlarmMessage"));
    EXPECT_FALSE(s.registry.DeleteValue("AlarmMessage"));
    EXPECT_FALSE(s.registry.OpenKey(kRunKey, false)) << "only the program's key lives in the file";
}

TEST(IniRegistry, AValueThatDoesNotParseAsItsTypeIsOfTheWrongType)
{
    Store s;
    s.Write("[General]\nMinimizeToTray=yes\nDisplayInfoAtStartup= 7\nAlarmDate=8 December\n"
            "AlarmMessage=one, two\nEmpty=\n");
    ASSERT_TRUE(s.registry.OpenKey(kOrvelleKey, false));
    EXPECT_EQ(Message([&] { s.registry.ReadInteger("MinimizeToTray"); }),
              "Invalid data type for 'MinimizeToTray'");
    EXPECT_EQ(s.registry.ReadInteger("DisplayInfoAtStartup"), 7);
    EXPECT_EQ(Message([&] { s.registry.ReadDate("AlarmDate"); }), "Invalid data type for 'AlarmDate'");
    EXPECT_EQ(Message([&] { s.registry.ReadString("AlarmMessage"); }), "Invalid data type for 'AlarmMessage'")
        << "a bare comma list is not one text";
    EXPECT_EQ(Message([&] { s.registry.ReadInteger("Empty"); }), "Invalid data type for 'Empty'");
    EXPECT_EQ(s.registry.ReadString("Empty"), "");
}

TEST(IniRegistry, ARefusedWriteIsReportedAndLeavesTheFileAsItWas)
{
    Store s;
    s.Write("[General]\nMinimizeToTray=0\n");
    ASSERT_TRUE(s.registry.OpenKey(kOrvelleKey, false));
    // The folder becomes a file: no new file can be written beside the old one.
    const std::string folder = s.dir.dir() + "/Orvelle";
    std::filesystem::rename(folder, folder + ".moved");
    std::ofstream(folder) << "not a folder";
    EXPECT_EQ(Message([&] { s.registry.WriteInteger("MinimizeToTray", 1); }),
              "Failed to set data for 'MinimizeToTray'");
    EXPECT_EQ(Contents(folder + ".moved/Orvelle.conf"), "[General]\nMinimizeToTray=0\n");
    s.registry.CloseKey();
    EXPECT_EQ(Message([&] { s.registry.WriteInteger("MinimizeToTray", 1); }),
              "Failed to set data for 'MinimizeToTray'")
        << "no key open";
}

TEST(IniRegistry, WritesReplaceTheFileWhole)
{
    Store s;
    ASSERT_TRUE(s.registry.OpenKey(kOrvelleKey, true));
    for (int i = 0; i < 20; ++i)
        s.registry.WriteString("AlarmMessage", std::string(static_cast<size_t>(i * 100), 'x'));
    const auto entries = std::distance(std::filesystem::directory_iterator(s.dir.dir() + "/Orvelle"), {});
    EXPECT_EQ(entries, 1) << "no temporary file is left beside the settings";
    EXPECT_EQ(s.registry.ReadString("AlarmMessage").size(), 1900u);
}

TEST(IniRegistry, TheSettingsRulesOnTheRealStore)
{
    Store s;
    TFakeAutostart autostart;
    TSettings settings;
    std::vector<std::string> reports;
    LoadSettings(s.registry, autostart, settings, [&](const std::string& m) { reports.push_back(m); });
    EXPECT_TRUE(settings.MinimizeToTray);
    EXPECT_TRUE(settings.DisplayInfoAtStartup);
    EXPECT_TRUE(reports.empty());
    const std::string text = Contents(s.path);
    EXPECT_NE(text.find("MinimizeToTray=1"), std::string::npos) << text;
    EXPECT_NE(text.find("DisplayInfoAtStartup=1"), std::string::npos) << text;

    SaveSettings(s.registry, autostart, {false, true, false}, "/opt/orvelle/orvelle");
    settings = {};
    LoadSettings(s.registry, autostart, settings, [&](const std::string& m) { reports.push_back(m); });
    EXPECT_FALSE(settings.MinimizeToTray);
    EXPECT_TRUE(settings.DisplayInfoAtStartup);
}
