#include "dialogs/alarm_rule.h"

#include "fakes/fakes.h"

#include <gtest/gtest.h>

using namespace orvelle;
using namespace orvelle::test;

namespace {
constexpr double kMinute = 1.0 / 1440;
const TDateTime kDay = EncodeDate(2026, 12, 8);
} // namespace

TEST(AlarmRule, DueOnlyOnTheStoredCalendarDay)
{
    const struct {
        const char* what;
        TDateTime alarm, now;
        bool due;
    } cases[] = {
        {"today, stored at midnight, now at noon", kDay, kDay + 0.5, true},
        {"stored at 23:59, from 00:00 of that day", kDay + 1439 * kMinute, kDay, true},
        {"stored at 00:00, at 23:59 of that day", kDay, kDay + 1439 * kMinute, true},
        {"yesterday at 23:59", kDay - kMinute, kDay, false},
        {"tomorrow at 00:00", kDay + 1, kDay + 1439 * kMinute, false},
        {"same day and month a year ago", EncodeDate(2025, 12, 8), kDay, false},
        {"same day and month next year", EncodeDate(2027, 12, 8), kDay, false},
        {"same day of another month", EncodeDate(2026, 11, 8), kDay, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsAlarmDue(c.alarm, c.now), c.due) << c.what;
}

TEST(AlarmRule, StartUpCheckReadsOnlyWhatItNeeds)
{
    using Values = std::map<std::string, TFakeRegistry::Value>;
    const struct {
        const char* what;
        std::optional<Values> key; // nothing: no key yet, the first start
        std::optional<std::string> message;
    } cases[] = {
        {"first start: no key", std::nullopt, std::nullopt},
        {"no alarm stored", Values{{"MinimizeToTray", 1}}, std::nullopt},
        {"due, with its message", Values{{"AlarmDate", kDay + 0.99}, {"AlarmMessage", std::string("Feed\r\nthe cat")}},
         "Feed\r\nthe cat"},
        {"due, no message stored", Values{{"AlarmDate", kDay}}, ""},
        {"passed: its message, even of the wrong type, is not read",
         Values{{"AlarmDate", kDay - 1}, {"AlarmMessage", 7}}, std::nullopt},
    };
    for (const auto& c : cases) {
        TFakeRegistry registry;
        if (c.key)
            registry.Of(kOrvelleKey) = *c.key;
        EXPECT_EQ(DueAlarmMessage(registry, kDay), c.message) << c.what;
        EXPECT_TRUE(registry.Writes.empty()) << c.what;
        EXPECT_EQ(registry.Keys.count(kOrvelleKey), c.key ? 1u : 0u) << c.what << ": the key is never created";
    }
}

TEST(AlarmRule, WrongTypedValuesAreNamedInTheError)
{
    const struct {
        TFakeRegistry::Value date, message;
        const char* error;
    } cases[] = {
        {std::string("tomorrow"), std::string("x"), "Invalid data type for 'AlarmDate'"},
        {kDay, 42, "Invalid data type for 'AlarmMessage'"},
    };
    for (const auto& c : cases) {
        TFakeRegistry registry;
        registry.Of(kOrvelleKey) = {{"AlarmDate", c.date}, {"AlarmMessage", c.message}};
        try {
            DueAlarmMessage(registry, kDay);
            ADD_FAILURE() << "no error for " << c.error;
        } catch (const Exception& e) {
            EXPECT_STREQ(e.what(), c.error);
        }
        EXPECT_THROW(ReadStoredAlarm(registry), Exception) << c.error;
    }
}

TEST(AlarmRule, StoringWritesTheDayThenTheMessageAndStopsAtARefusal)
{
    TFakeRegistry registry;
    EXPECT_FALSE(StoreAlarm(registry, kDay, "x")) << "no key: nothing is stored";
    EXPECT_TRUE(registry.Writes.empty());

    registry.Of(kOrvelleKey) = {{"AlarmDate", std::string("bad")}};
    EXPECT_TRUE(StoreAlarm(registry, kDay + 0.25, "Feed\r\nthe cat"));
    ASSERT_EQ(registry.Writes.size(), 2u);
    EXPECT_EQ(registry.Writes[0].rfind("AlarmDate=", 0), 0u) << "the day first";
    EXPECT_EQ(registry.Writes[1], "AlarmMessage=Feed\r\nthe cat");
    const auto stored = ReadStoredAlarm(registry);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->Date, kDay + 0.25) << "the bad value is overwritten";
    EXPECT_EQ(stored->Message, "Feed\r\nthe cat");

    registry.Writes.clear();
    registry.RefusedValues = {"AlarmDate"};
    try {
        StoreAlarm(registry, kDay + 3, "new");
        ADD_FAILURE() << "a refused write went unreported";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "Failed to set data for 'AlarmDate'");
    }
    EXPECT_TRUE(registry.Writes.empty()) << "no message after a refused day";
    EXPECT_EQ(ReadStoredAlarm(registry)->Message, "Feed\r\nthe cat");
}
