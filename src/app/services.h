#pragma once
// What the windows need of the machine, built once by main() and handed in through constructors.
#include <functional>
#include <string>

namespace orvelle {

class TAutostart;
class TClock;
class TRegistry;

struct TServices {
    TRegistry& Registry;
    TAutostart& Autostart;
    const TClock& Clock;
    std::string ExecutablePath;          // the running program, for "Run at startup"
    std::function<bool()> TrayAvailable; // whether the desktop shows tray icons now
};

} // namespace orvelle
