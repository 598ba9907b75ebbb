// The loading and saving rules once more, on the real registry instead of the fake.
#include "app/settings.h"
#include "platform/autostart.h"
#include "platform/win32/win_registry.h"
#include "win32_helpers.h"

using namespace orvelle;
using test::Bytes;

namespace {
const std::string kKey = kOrvelleKey;
const std::string kRun = kRunKey;
const std::vector<unsigned char> kOn{1, 0, 0, 0}, kOff{0, 0, 0, 0};

class Win32Settings : public test::TestKey {
  protected:
    void Load()
    {
        LoadSettings(reg, *autostart, settings, [this](const std::string& m) { reports.push_back(m); });
    }

    TWinRegistry reg{Root()};
    std::unique_ptr<TAutostart> autostart = CreateUserAutostart(reg);
    TSettings settings;
    std::vector<std::string> reports;
};
} // namespace

TEST_F(Win32Settings, FirstStartCreatesTheKeyWithBothOn)
{
    Load();
    EXPECT_TRUE(settings.MinimizeToTray);
    EXPECT_TRUE(settings.DisplayInfoAtStartup);
    EXPECT_FALSE(settings.RunAtStartup);
    EXPECT_TRUE(reports.empty());
    EXPECT_EQ(Get(kKey, "MinimizeToTray"), (Raw{REG_DWORD, kOn}));
    EXPECT_EQ(Get(kKey, "DisplayInfoAtStartup"), (Raw{REG_DWORD, kOn}));
    EXPECT_FALSE(Exists(kRun)) << "the run key is never created";
}

TEST_F(Win32Settings, StoredValuesAreKeptAndTheMissingOneAdded)
{
    Set(kKey, "DisplayInfoAtStartup", REG_DWORD, {5, 0, 0, 0});
    Set(kRun, "Orvelle", REG_SZ, Bytes(std::string_view("C:\\Old\\orvelle.exe", 19)));
    Load();
    EXPECT_TRUE(settings.MinimizeToTray);
    EXPECT_TRUE(settings.DisplayInfoAtStartup) << "any non-zero value is on";
    EXPECT_TRUE(settings.RunAtStartup);
    EXPECT_EQ(Get(kKey, "MinimizeToTray"), (Raw{REG_DWORD, kOn}));
    EXPECT_EQ(Get(kKey, "DisplayInfoAtStartup"), (Raw{REG_DWORD, {5, 0, 0, 0}})) << "left as stored";

    const std::string exe = "C:\\Program Files\\Orvelle\\orvelle.exe";
    settings.MinimizeToTray = false;
    SaveSettings(reg, *autostart, settings, exe);
    EXPECT_EQ(Get(kKey, "MinimizeToTray"), (Raw{REG_DWORD, kOff}));
    EXPECT_EQ(Get(kKey, "DisplayInfoAtStartup"), (Raw{REG_DWORD, kOn}));
    EXPECT_EQ(Get(kRun, "Orvelle"), (Raw{REG_SZ, Bytes(std::string_view(exe.c_str(), exe.size() + 1))}))
        << "rewritten with the current path";

    settings.RunAtStartup = false;
    SaveSettings(reg, *autostart, settings, exe);
    EXPECT_EQ(Get(kRun, "Orvelle").type, static_cast<DWORD>(REG_NONE));
    EXPECT_TRUE(Exists(kRun));
}

TEST_F(Win32Settings, ValueOfTheWrongTypeIsReportedAndReplaced)
{
    Set(kKey, "MinimizeToTray", REG_SZ, Bytes(std::string_view("0", 2)));
    Set(kKey, "DisplayInfoAtStartup", REG_DWORD, kOff);
    Load();
    EXPECT_EQ(reports, std::vector<std::string>{"Invalid data type for 'MinimizeToTray'"});
    EXPECT_TRUE(settings.MinimizeToTray);
    EXPECT_FALSE(settings.DisplayInfoAtStartup);
    EXPECT_EQ(Get(kKey, "MinimizeToTray"), (Raw{REG_DWORD, kOn}));
}

// Only loading creates the program's key; saving opens what is there, and the run key is the system's.
TEST_F(Win32Settings, SavingCreatesNoKey)
{
    settings = {true, true, true};
    SaveSettings(reg, *autostart, settings, "C:\\orvelle.exe");
    EXPECT_FALSE(Exists("\\Software"));
}

// A volatile key can only hold volatile keys, so the program's key can be neither created nor
// opened below it.
TEST_F(Win32Settings, KeyThatCannotBeCreatedLeavesTheSettingsOff)
{
    HKEY h = nullptr;
    ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, Root().c_str(), 0, nullptr, REG_OPTION_VOLATILE, KEY_WRITE,
                                nullptr, &h, nullptr),
              ERROR_SUCCESS);
    ::RegCloseKey(h);
    ASSERT_FALSE(reg.OpenKey(kKey, true));
    Load();
    EXPECT_FALSE(settings.MinimizeToTray);
    EXPECT_FALSE(settings.DisplayInfoAtStartup);
    EXPECT_FALSE(settings.RunAtStartup);
    EXPECT_TRUE(reports.empty());
    EXPECT_FALSE(Exists("\\Software"));
}
