#pragma once
// The one alarm: a day and a message in the settings store, looked at only while the program starts.
#include "common/date.h"

#include <optional>
#include <string>

namespace orvelle {

class TRegistry;

inline constexpr char kAlarmDateValue[] = "AlarmDate";
inline constexpr char kAlarmMessageValue[] = "AlarmMessage";

// Due on the stored calendar day, from its first second to its last, whatever the times of day.
bool IsAlarmDue(TDateTime alarmDate, TDateTime today);

// The message of an alarm due today (empty when none was stored), or nothing. A value of the
// wrong type throws.
std::optional<std::string> DueAlarmMessage(TRegistry& registry, TDateTime today);

struct TStoredAlarm {
    std::optional<TDateTime> Date;
    std::optional<std::string> Message;
};

// What the store holds, or nothing when the key does not open. A value of the wrong type throws.
std::optional<TStoredAlarm> ReadStoredAlarm(TRegistry& registry);

// Writes the day, then the message; a refused write throws before anything after it. Returns
// false, writing nothing, when the key does not open.
bool StoreAlarm(TRegistry& registry, TDateTime date, const std::string& message);

} // namespace orvelle
