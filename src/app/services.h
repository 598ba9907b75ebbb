#pragma once
// What the windows need of the machine, built once by main() and handed in through constructors.
#include <string>

namespace orvelle {

class TAutostart;
class TClock;
class TRegistry;

struct TServices {
    TRegistry& Registry;
    TAutostart& Autostart;
    const TClock& Clock;
    std::string ExecutablePath; // the running program, for "Run at startup"
};

} // namespace orvelle
