// Run at log-on on Windows: the value "Orvelle" under the per-user run key.
#include "platform/autostart.h"

#include "platform/registry.h"

namespace orvelle {

namespace {
class TRunKeyAutostart : public TAutostart {
  public:
    explicit TRunKeyAutostart(TRegistry& registry) : FRegistry(registry) {}

    bool IsEnabled() override
    {
        if (!FRegistry.OpenKey(kRunKey, false))
            return false;
        TKeyCloser closer(FRegistry);
        return FRegistry.ValueExists(kRunValue);
    }

    // The run key is never created: where it cannot be opened, nothing is done.
    void Enable(const std::string& executablePath) override
    {
        if (!FRegistry.OpenKey(kRunKey, false))
            return;
        TKeyCloser closer(FRegistry);
        FRegistry.WriteString(kRunValue, executablePath);
    }

    void Disable() override
    {
        if (!FRegistry.OpenKey(kRunKey, false))
            return;
        TKeyCloser closer(FRegistry);
        FRegistry.DeleteValue(kRunValue);
    }

  private:
    TRegistry& FRegistry;
};
} // namespace

std::unique_ptr<TAutostart> CreateUserAutostart(TRegistry& registry)
{
    return std::make_unique<TRunKeyAutostart>(registry);
}

} // namespace orvelle
