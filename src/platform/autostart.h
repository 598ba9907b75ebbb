#pragma once
// "Run at startup": whether the program starts with the user's log-on.
#include <memory>
#include <string>

namespace orvelle {

class TRegistry;

class TAutostart {
  public:
    virtual ~TAutostart() = default;
    // True when the entry exists, whatever it holds.
    virtual bool IsEnabled() = 0;
    // Writes the entry with the executable's full path. A refused write throws
    // Exception("Failed to set data for 'Orvelle'").
    virtual void Enable(const std::string& executablePath) = 0;
    virtual void Disable() = 0;
};

// Windows: the value "Orvelle" under the per-user run key, through the store. Elsewhere:
// $XDG_CONFIG_HOME/autostart/orvelle.desktop (the store is not used).
std::unique_ptr<TAutostart> CreateUserAutostart(TRegistry& registry);

} // namespace orvelle
