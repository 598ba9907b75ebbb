#include "dialogs/alarm_rule.h"

#include "platform/registry.h"

namespace orvelle {

bool IsAlarmDue(TDateTime alarmDate, TDateTime today)
{
    return ToYmd(alarmDate) == ToYmd(today);
}

std::optional<std::string> DueAlarmMessage(TRegistry& registry, TDateTime today)
{
    if (!registry.OpenKey(kOrvelleKey, false))
        return std::nullopt; // the very first start
    TKeyCloser closer(registry);
    if (!registry.ValueExists(kAlarmDateValue) || !IsAlarmDue(registry.ReadDate(kAlarmDateValue), today))
        return std::nullopt;
    return registry.ValueExists(kAlarmMessageValue) ? registry.ReadString(kAlarmMessageValue) : std::string();
}

std::optional<TStoredAlarm> ReadStoredAlarm(TRegistry& registry)
{
    if (!registry.OpenKey(kOrvelleKey, false))
        return std::nullopt;
    TKeyCloser closer(registry);
    TStoredAlarm alarm;
    if (registry.ValueExists(kAlarmDateValue))
        alarm.Date = registry.ReadDate(kAlarmDateValue);
    if (registry.ValueExists(kAlarmMessageValue))
        alarm.Message = registry.ReadString(kAlarmMessageValue);
    return alarm;
}

bool StoreAlarm(TRegistry& registry, TDateTime date, const std::string& message)
{
    if (!registry.OpenKey(kOrvelleKey, false))
        return false;
    TKeyCloser closer(registry);
    registry.WriteDate(kAlarmDateValue, date);
    registry.WriteString(kAlarmMessageValue, message);
    return true;
}

} // namespace orvelle
