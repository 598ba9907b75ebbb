#pragma once

namespace orvelle {

// The task-bar text, the tray tip and the error box caption. Not Qt's display name: on Linux Qt
// appends that to every window title.
inline constexpr char kApplicationTitle[] = "Orvelle of Saints";

// The home page: the main window's caption, the About box and "Visit Home Page!". A name under the
// reserved .example domain, so it can never lead to a site someone else owns.
inline constexpr char kHomePage[] = "www.orvelle.example";

} // namespace orvelle
