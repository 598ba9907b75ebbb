#pragma once

namespace orvelle {

// The task-bar text, the tray tip and the error box caption. Not Qt's display name: on Linux Qt
// appends that to every window title.
inline constexpr char kApplicationTitle[] = "Orvelle of Saints";

} // namespace orvelle
