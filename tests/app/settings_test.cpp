// The loading and saving rules of the three settings, on the in-memory store.
#include "app/settings.h"
#include "fakes/fakes.h"

#include <gtest/gtest.h>

using namespace orvelle;
using namespace orvelle::test;

namespace {
using Values = std::map<std::string, TFakeRegistry::Value>;

struct Loaded {
    TSettings settings;
    std::vector<std::string> reports;
};

Loaded Load(TFakeRegistry& registry, TFakeAutostart& autostart)
{
    Loaded out;
    LoadSettings(registry, autostart, out.settings, [&](const std::string& m) { out.reports.push_back(m); });
    return out;
}
} // namespace

TEST(Settings, LoadingFollowsTheStoredValuesAndWritesOnlyMissingDefaults)
{
    struct Case {
        const char* what;
        bool keyExists;
        Values stored;
        bool runEntry;
        bool minimize, info, run;
        std::vector<std::string> writes;
    };
    const Case cases[] = {
        {"first start: both written as on",
         false,
         {},
         false,
         true,
         true,
         false,
         {"MinimizeToTray=1", "DisplayInfoAtStartup=1"}},
        {"a key with only one value gets the other",
         true,
         {{"DisplayInfoAtStartup", 0}},
         false,
         true,
         false,
         false,
         {"MinimizeToTray=1"}},
        {"any non-zero reads as on",
         true,
         {{"MinimizeToTray", 5}, {"DisplayInfoAtStartup", 0}},
         false,
         true,
         false,
         false,
         {}},
        {"both off",
         true,
         {{"MinimizeToTray", 0}, {"DisplayInfoAtStartup", 0}},
         false,
         false,
         false,
         false,
         {}},
        {"the run entry, whatever it holds",
         true,
         {{"MinimizeToTray", 0}, {"DisplayInfoAtStartup", 1}},
         true,
         false,
         true,
         true,
         {}},
    };
    for (const Case& c : cases) {
        TFakeRegistry registry;
        if (c.keyExists)
            registry.Of(kOrvelleKey) = c.stored;
        TFakeAutostart autostart;
        autostart.Enabled = c.runEntry;
        const Loaded loaded = Load(registry, autostart);
        EXPECT_EQ(loaded.settings.MinimizeToTray, c.minimize) << c.what;
        EXPECT_EQ(loaded.settings.DisplayInfoAtStartup, c.info) << c.what;
        EXPECT_EQ(loaded.settings.RunAtStartup, c.run) << c.what;
        EXPECT_EQ(registry.Writes, c.writes) << c.what;
        EXPECT_TRUE(loaded.reports.empty()) << c.what;
    }
}

TEST(Settings, AKeyThatCannotBeOpenedLeavesEverythingOffAndUnwritten)
{
    TFakeRegistry registry;
    registry.Unopenable.insert(kOrvelleKey);
    TFakeAutostart autostart;
    const Loaded loaded = Load(registry, autostart);
    EXPECT_FALSE(loaded.settings.MinimizeToTray);
    EXPECT_FALSE(loaded.settings.DisplayInfoAtStartup);
    EXPECT_TRUE(registry.Writes.empty());
    EXPECT_TRUE(loaded.reports.empty()) << "skipped silently";
}

TEST(Settings, AWrongTypedValueIsReportedOnceAndReplacedByItsDefault)
{
    TFakeRegistry registry;
    registry.Of(kOrvelleKey) = {{"MinimizeToTray", std::string("yes")}, {"DisplayInfoAtStartup", 0}};
    TFakeAutostart autostart;
    const Loaded loaded = Load(registry, autostart);
    EXPECT_EQ(loaded.reports, std::vector<std::string>{"Invalid data type for 'MinimizeToTray'"});
    EXPECT_TRUE(loaded.settings.MinimizeToTray);
    EXPECT_FALSE(loaded.settings.DisplayInfoAtStartup) << "loading went on";
    EXPECT_EQ(registry.Writes, std::vector<std::string>{"MinimizeToTray=1"});
    EXPECT_EQ(registry.ReadIntegerOf(kOrvelleKey, "MinimizeToTray"), 1);
}

TEST(Settings, SavingWritesTheRunEntryThenBothValues)
{
    TFakeRegistry registry;
    registry.Of(kOrvelleKey) = {{"MinimizeToTray", 5}, {"DisplayInfoAtStartup", 1}};
    TFakeAutostart autostart;
    autostart.Enabled = true;
    autostart.Path = "/old/place/orvelle";
    SaveSettings(registry, autostart, {true, false, true}, "/opt/orvelle/orvelle");
    EXPECT_EQ(autostart.Path, "/opt/orvelle/orvelle") << "rewritten with the current path";
    EXPECT_EQ(registry.Writes, (std::vector<std::string>{"MinimizeToTray=1", "DisplayInfoAtStartup=0"}));

    SaveSettings(registry, autostart, {false, true, false}, "/opt/orvelle/orvelle");
    EXPECT_FALSE(autostart.Enabled) << "unticked removes the entry";
}

TEST(Settings, ARefusedWriteStopsTheRestOfTheSave)
{
    struct Case {
        const char* what;
        std::string refused;
        bool refuseAutostart;
        std::string message;
        std::vector<std::string> writes;
    };
    const Case cases[] = {
        {"the run entry", "", true, "Failed to set data for 'Orvelle'", {}},
        {"the tray value", "MinimizeToTray", false, "Failed to set data for 'MinimizeToTray'", {}},
        {"the info value",
         "DisplayInfoAtStartup",
         false,
         "Failed to set data for 'DisplayInfoAtStartup'",
         {"MinimizeToTray=0"}},
    };
    for (const Case& c : cases) {
        TFakeRegistry registry;
        registry.Of(kOrvelleKey) = {{"MinimizeToTray", 1}, {"DisplayInfoAtStartup", 1}};
        if (!c.refused.empty())
            registry.RefusedValues.insert(c.refused);
        TFakeAutostart autostart;
        autostart.Refuse = c.refuseAutostart;
        try {
            SaveSettings(registry, autostart, {false, false, true}, "/opt/orvelle/orvelle");
            ADD_FAILURE() << c.what << ": no error";
        } catch (const Exception& e) {
            EXPECT_EQ(e.what(), c.message) << c.what;
        }
        EXPECT_EQ(registry.Writes, c.writes) << c.what;
    }
}
