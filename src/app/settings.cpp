#include "app/settings.h"

#include "common/exception.h"
#include "platform/autostart.h"
#include "platform/registry.h"

namespace orvelle {

namespace {
// Writes the value's default (on) when it is absent or of the wrong type, then reads it.
void LoadFlag(TRegistry& registry, const char* name, bool& setting,
              const std::function<void(const std::string&)>& report)
{
    if (!registry.OpenKey(kOrvelleKey, false))
        return;
    TKeyCloser closer(registry);
    if (!registry.ValueExists(name))
        registry.WriteInteger(name, 1);
    try {
        setting = registry.ReadInteger(name) != 0;
    } catch (const Exception& e) {
        report(e.what());
        registry.WriteInteger(name, 1);
        setting = true;
    }
}

void SaveFlag(TRegistry& registry, const char* name, bool setting)
{
    if (!registry.OpenKey(kOrvelleKey, false))
        return;
    TKeyCloser closer(registry);
    registry.WriteInteger(name, setting ? 1 : 0);
}
} // namespace

void LoadSettings(TRegistry& registry, TAutostart& autostart, TSettings& settings,
                  const std::function<void(const std::string&)>& report)
{
    settings.RunAtStartup = autostart.IsEnabled();
    if (!registry.KeyExists(kOrvelleKey)) {
        for (const char* name : {kMinimizeToTrayValue, kDisplayInfoAtStartupValue}) {
            if (!registry.OpenKey(kOrvelleKey, true))
                continue;
            TKeyCloser closer(registry);
            registry.WriteInteger(name, 1);
        }
    }
    LoadFlag(registry, kMinimizeToTrayValue, settings.MinimizeToTray, report);
    LoadFlag(registry, kDisplayInfoAtStartupValue, settings.DisplayInfoAtStartup, report);
}

void SaveSettings(TRegistry& registry, TAutostart& autostart, const TSettings& settings,
                  const std::string& executablePath)
{
    if (settings.RunAtStartup)
        autostart.Enable(executablePath);
    else
        autostart.Disable();
    SaveFlag(registry, kMinimizeToTrayValue, settings.MinimizeToTray);
    SaveFlag(registry, kDisplayInfoAtStartupValue, settings.DisplayInfoAtStartup);
}

} // namespace orvelle
