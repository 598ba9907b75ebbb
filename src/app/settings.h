#pragma once
// The three user settings and the rules that load and save them.
#include <functional>
#include <string>

namespace orvelle {

class TAutostart;
class TRegistry;

inline constexpr char kMinimizeToTrayValue[] = "MinimizeToTray";
inline constexpr char kDisplayInfoAtStartupValue[] = "DisplayInfoAtStartup";

struct TSettings {
    bool MinimizeToTray = false;
    bool DisplayInfoAtStartup = false;
    bool RunAtStartup = false;
};

// Loads the settings, creating the key and both values (on) on the first start. A key that cannot
// be opened leaves its settings as they were. A value of the wrong type is reported once, then
// taken as absent: its default is written back. Refused writes throw.
void LoadSettings(TRegistry& registry, TAutostart& autostart, TSettings& settings,
                  const std::function<void(const std::string&)>& report);

// Saves after OK: the run entry, then the two values. A refused write throws and stops the rest.
void SaveSettings(TRegistry& registry, TAutostart& autostart, const TSettings& settings,
                  const std::string& executablePath);

} // namespace orvelle
